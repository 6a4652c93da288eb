#include "BackUpStamp.h"

#include "common/TextFile.h"

QString BackUpStamp::fileName()
{
    return QStringLiteral("index.ini");
}

QString BackUpStamp::text(const QDateTime& when)
{
    return when.toString(QStringLiteral("yyyy/MM/ddHH:mm:ss"));
}

VerifiedCopy::Result BackUpStamp::write(const QString& folder, const QString& stamp)
{
    return VerifiedCopy::write(folder + QLatin1Char('/') + fileName(), stamp.toLatin1() + "\r\n");
}

QString BackUpStamp::read(const QString& folder)
{
    const TextFile file = TextFile::read(folder + QLatin1Char('/') + fileName());
    if (!file.ok() || file.lines.isEmpty())
        return QString();
    return file.lines.first().text.section(QLatin1Char(','), 0, 0).trimmed();
}
