#include "NoukaFileSearch.h"

#include "DataPath.h"
#include "SharedUtil.h"
#include "TextFile.h"

QString NoukaFileSearch::filePath()
{
    return DataPath::file(QStringLiteral("set\\NameCode.ini"));
}

NoukaFileSearch NoukaFileSearch::read()
{
    const TextFile file = TextFile::read(filePath());
    return file.ok() ? fromLines(file.texts()) : NoukaFileSearch();
}

NoukaFileSearch NoukaFileSearch::fromLines(const QStringList& lines)
{
    NoukaFileSearch search;
    for (const QString& line : lines) {
        if (!line.isEmpty())
            search.rows.append(line.split(QLatin1Char(',')));
    }
    return search;
}

QStringList NoukaFileSearch::byCode(const QString& code) const
{
    for (qsizetype i = rows.size() - 1; i >= 0; --i) {
        if (rows.at(i).value(2) == code)
            return rows.at(i);
    }
    return {};
}

QStringList NoukaFileSearch::byTikuName(const QString& tiku, const QString& name) const
{
    for (const QStringList& row : rows) {
        if (SharedUtil::Trim(row.value(0)) == tiku && SharedUtil::Trim(row.value(1)) == name)
            return row;
    }
    return {};
}
