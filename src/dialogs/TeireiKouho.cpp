#include "TeireiKouho.h"

#include "common/SharedUtil.h"
#include "registers/SetteiData.h"
#include "registers/TeireiFile.h"

QStringList TeireiKouho::load(int bunrui, QString* errorText)
{
    if (bunrui < 1 || bunrui > TeireiFile::ClassCount)
        return {};
    bool ok = true;
    QString error;
    QStringList phrases;
    for (const QString& line : SetteiData::readLines(TeireiFile::path(bunrui - 1), &ok, &error)) {
        if (phrases.size() == MaxRows)
            break;
        phrases.append(SharedUtil::Trim(line));
    }
    if (!ok && errorText)
        *errorText = error;
    return phrases;
}

QString TeireiKouho::clean(const QString& text)
{
    QString out = SharedUtil::Trim(text);
    out.remove(QLatin1Char('\n'));
    out.remove(QLatin1Char('\r'));
    out.remove(QLatin1Char('\''));
    return out;
}
