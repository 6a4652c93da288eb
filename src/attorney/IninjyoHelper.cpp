#include "IninjyoHelper.h"

#include "common/NoukaFileSearch.h"
#include "common/TextFile.h"
#include "common/ValueReader.h"

QString IninjyoHelper::HenkanSeirekiProc2(const QString& date, bool seireki)
{
    const QStringList p = date.split(QLatin1Char('.'));
    const int year = ValueReader::leadingInt(p.at(0));
    if (!seireki || year >= 30 || p.size() < 3)
        return date;
    return QString::number(year + 2018) + QLatin1Char('.') + p.at(1) + QLatin1Char('.') + p.at(2);
}

QString IninjyoHelper::NameCodeSearchProc(const QStringList& noukaLines, const QString& code)
{
    for (const QString& line : noukaLines) {
        if (line.isEmpty())
            continue;
        const QStringList f = line.split(QLatin1Char(','));
        if (f.value(2) == code)
            return f.value(3);
    }
    return QString();
}

QString IninjyoHelper::NameCodeSearchProc(const QString& code)
{
    return NameCodeSearchProc(TextFile::read(NoukaFileSearch::filePath()).texts(), code);
}
