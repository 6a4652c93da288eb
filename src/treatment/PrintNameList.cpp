#include "PrintNameList.h"

#include "common/TextFile.h"
#include "registers/SetteiData.h"
#include "registers/TourokuNameFile.h"

PrintNameList::PrintNameList(int category) : file(TourokuNameFile::path(category, true))
{
    const TextFile text = TextFile::read(file);
    readOk = text.ok() || text.missing();
    if (!readOk)
        error = text.errorText;
    for (const QString& line : text.texts()) {
        if (!line.isEmpty())
            items.append(line);
    }
}

QStringList PrintNameList::row(const QString& line)
{
    const QStringList f = line.split(QLatin1Char('\''));
    return {f.value(1), f.value(3), f.value(4), f.value(5)};
}

QList<QStringList> PrintNameList::rows() const
{
    QList<QStringList> out;
    for (const QString& line : items)
        out.append(row(line));
    return out;
}

int PrintNameList::indexOfCode(const QString& code) const
{
    for (int i = 0; i < items.size(); ++i) {
        if (row(items.at(i)).at(0) == code)
            return i;
    }
    return -1;
}

bool PrintNameList::moveToTop(int index)
{
    if (!readOk || index < 0 || index >= items.size())
        return false;
    QStringList lines = items;
    lines.move(index, 0);
    if (!SetteiData::writeLines(file, lines, &error))
        return false;
    items = lines;
    return true;
}
