#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The text rules of chart records: fields separated by "'", every field followed by "'"; in the
// two header lines "’" counts as "'". Trimming removes ordinary blanks (U+0020) only, so
// full-width blanks stay part of a value.
class KarteText
{
public:
    // Leading and trailing U+0020 removed; nothing else.
    static QString trim(const QString& text);

    // CR LF, lone CR, LF and "'" removed: what no field of a record may hold.
    static QString removeBreaks(const QString& text);

    // A cell as the writer stores it: breaks and "'" removed first, trimmed after.
    static QString clean(const QString& text);

    // A record line: every cell cleaned and followed by "'".
    static QString makeLine(const QStringList& cells);

    // A header line: every value cleaned, "’" removed too (readers split there), each followed
    // by "'".
    static QString makeHeaderLine(const QStringList& values);

    // True when a header value holds a character that would split or break the line.
    static bool badHeaderValue(const QString& value);

    // The parts of a line split at "'", each trimmed, at least count of them: the fields, then
    // what follows the last "'" (empty in a sound line).
    static QStringList fields(const QString& line, int count);

    // The fields of a header line: "’" read as "'", then split, each trimmed.
    static QStringList headerFields(const QString& line);

    // The fields of a header record (padded to maxFields): nothing, with the reason, unless its
    // tag is "Main" and it has minFields to maxFields fields. fieldCount receives the count.
    static std::optional<QStringList> headerRecord(const QString& line, int minFields, int maxFields,
                                                   const QString& recordName, int* fieldCount, QString* reason);
    // The first of the values that a header line cannot hold, or nothing.
    static std::optional<QString> badHeaderValue(const QStringList& values);

    // A header line with every "’" replaced by "'", as an appending writer stores it.
    static QString normaliseHeader(const QString& line);

    // The number of fields of a line: every field is followed by "'", so "a'b'" and "a'b'c" both
    // have two (the "c" is no field).
    static int fieldCount(const QString& line);
    // True when something other than blanks follows the last "'" of the line: a field not ended,
    // which a writer of the line's fields would drop.
    // (Inline: a whole-year scan asks it of every line.)
    static bool textAfterLastField(QByteArrayView line)
    {
        qsizetype end = line.size();
        while (end > 0 && line[end - 1] == ' ')
            --end;
        return end > 0 && line[end - 1] != '\'';
    }
    // A line of a chart's bytes: where it starts, its length without the line end, and its
    // fieldCount() ("'" is never part of a double-byte character of the code page).
    struct LineSpan
    {
        qsizetype start;
        qsizetype length;
        int fields;
    };
    // A chart's bytes split into lines as TextFile::lineViews splits them, in one pass over the
    // bytes (a whole-year scan does this for every chart); returns the number of lines. spans
    // grows as needed and never shrinks, so that its memory serves the next chart: its entries
    // past the count are left from earlier charts.
    static qsizetype splitCounting(QByteArrayView content, std::vector<LineSpan>& spans);

};
