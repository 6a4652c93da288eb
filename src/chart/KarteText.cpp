#include "KarteText.h"

#include "common/SharedUtil.h"

namespace {
const QChar Separator = QLatin1Char('\'');
const QChar HeaderSeparator = QChar(0x2019); // "’"
}

QString KarteText::trim(const QString& text)
{
    return SharedUtil::Trim(text);
}

QString KarteText::removeBreaks(const QString& text)
{
    QString out = text;
    out.remove(QStringLiteral("\r\n"));
    out.remove(QLatin1Char('\r'));
    out.remove(QLatin1Char('\n'));
    out.remove(Separator);
    return out;
}

QString KarteText::clean(const QString& text)
{
    return trim(removeBreaks(text));
}

QString KarteText::makeLine(const QStringList& cells)
{
    QString line;
    for (const QString& cell : cells) {
        line += clean(cell);
        line += Separator;
    }
    return line;
}

QString KarteText::makeHeaderLine(const QStringList& values)
{
    QString line;
    for (const QString& value : values) {
        line += clean(QString(value).remove(HeaderSeparator));
        line += Separator;
    }
    return line;
}

bool KarteText::badHeaderValue(const QString& value)
{
    return value.contains(Separator) || value.contains(HeaderSeparator) || value.contains(QLatin1Char('\r'))
        || value.contains(QLatin1Char('\n'));
}

std::optional<QStringList> KarteText::headerRecord(const QString& line, int minFields, int maxFields,
                                                  const QString& recordName, int* fieldCount, QString* reason)
{
    const QString normal = normaliseHeader(line);
    const int count = KarteText::fieldCount(normal);
    const QStringList f = fields(normal, maxFields);
    if (f.at(0) != QStringLiteral("Main") || count < minFields || count > maxFields) {
        if (reason)
            *reason = QStringLiteral("%1の行の項目数が違います（%2 項目）").arg(recordName).arg(count);
        return std::nullopt;
    }
    if (fieldCount)
        *fieldCount = count;
    return f;
}

std::optional<QString> KarteText::badHeaderValue(const QStringList& values)
{
    for (const QString& value : values) {
        if (badHeaderValue(value))
            return value;
    }
    return std::nullopt;
}

QStringList KarteText::fields(const QString& line, int count)
{
    QStringList parts = line.split(Separator);
    for (QString& part : parts)
        part = trim(part);
    while (parts.size() < count)
        parts.append(QString());
    return parts;
}

QStringList KarteText::headerFields(const QString& line)
{
    return fields(normaliseHeader(line), 0);
}

QString KarteText::normaliseHeader(const QString& line)
{
    if (!line.contains(HeaderSeparator))
        return line;
    QString out = line;
    out.replace(HeaderSeparator, Separator);
    return out;
}

int KarteText::fieldCount(const QString& line)
{
    return int(line.count(Separator));
}

