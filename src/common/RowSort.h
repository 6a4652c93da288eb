#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The grid control's sort on plain rows of texts: rows ordered on key columns compared left to
// right, ascending, stable for equal keys. Generic: numbers as numbers and before texts, texts as
// texts ignoring case; Numeric: every text as a number (a text that is no number as 0); String:
// texts only; LeadingNumber: the number a text starts with (0 when none), then the text, so that
// ear tags with a suffix, names and dates still come in a useful order.
class RowSort
{
public:
    enum Mode { Generic, Numeric, String, LeadingNumber };

    static int compare(const QString& a, const QString& b, Mode mode);
    static void sort(QList<QStringList>& rows, int col1, int col2, Mode mode);
    static void sort(QList<QStringList>& rows, const QList<int>& keyCols, Mode mode);
};
