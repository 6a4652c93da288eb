#pragma once

#include <QString>
#include <QStringList>

// Value reading of the small settings files: values separated by "," or by line ends, blanks
// before a value skipped, a value in double quotes taken without them (it may then hold ","),
// blanks at the end of an unquoted value dropped.
class ValueReader
{
public:
    static QStringList values(const QStringList& lines);
    static QStringList lineValues(const QString& line);

    // Reads a settings file by values; a missing or unreadable file gives no values and, when
    // asked, its error text.
    static QStringList readFile(const QString& localPath, QString* errorText = nullptr);

    // The value at index, or an empty text past the end (a missing value counts as empty).
    static QString at(const QStringList& values, qsizetype index);

    // The magnitude from which a number counts as invalid: beyond the fifteen digits an amount
    // is shown with, and far beyond any price, point or quantity, but safe to sum and to round
    // into a 64-bit integer.
    static constexpr double NumberLimit = 1e15;

    // The number at the start of a text ("1.5mm" gives 1.5, "-2" gives -2, "abc" gives 0); a
    // number of NumberLimit or more ("1e30") is invalid and gives 0.
    static double leadingNumber(const QString& text);
    // The whole part of the leading number, 0 when it does not fit an int.
    static int leadingInt(const QString& text);

    // A value written so that value reading gives it back: quoted when it holds "," or a quote
    // character at its start, or blanks at its ends.
    static QString quoteIfNeeded(const QString& value);
};
