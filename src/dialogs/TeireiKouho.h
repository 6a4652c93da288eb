#pragma once

#include <QString>
#include <QStringList>

// The standard phrases as the course-text dialog offers them, and the course text as the chart
// takes it back.
class TeireiKouho
{
public:
    static constexpr int MaxRows = 99;

    // The phrases of disease class 1 to 20 ("set\Teirei<n>.ini"): each line without the blanks at
    // its ends, a blank line as an empty phrase, at most 99. A class outside 1 to 20 and a missing
    // file give none; a file that cannot be read gives none and its error.
    static QStringList load(int bunrui, QString* errorText = nullptr);
    // The text without the blanks at its ends, then without LF, CR and "'", which would break the
    // chart's records.
    static QString clean(const QString& text);
};
