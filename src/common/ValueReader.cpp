#include "ValueReader.h"

#include "TextFile.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

QStringList ValueReader::lineValues(const QString& line)
{
    QStringList out;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        while (i < n && (line.at(i) == QLatin1Char(' ') || line.at(i) == QLatin1Char('\t')))
            ++i;
        QString value;
        if (i < n && line.at(i) == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            value = close < 0 ? line.mid(i + 1) : line.mid(i + 1, close - i - 1);
            i = close < 0 ? n : close + 1;
            const qsizetype comma = line.indexOf(QLatin1Char(','), i);
            i = comma < 0 ? n : comma;
        } else {
            const qsizetype comma = line.indexOf(QLatin1Char(','), i);
            const qsizetype end = comma < 0 ? n : comma;
            value = line.mid(i, end - i);
            while (!value.isEmpty() && (value.back() == QLatin1Char(' ') || value.back() == QLatin1Char('\t')))
                value.chop(1);
            i = end;
        }
        out.append(value);
        if (i >= n)
            break;
        ++i; // past the comma
    }
    return out;
}

QStringList ValueReader::values(const QStringList& lines)
{
    QStringList out;
    for (const QString& line : lines)
        out += lineValues(line);
    return out;
}

QStringList ValueReader::readFile(const QString& localPath, QString* errorText)
{
    const TextFile file = TextFile::read(localPath);
    if (!file.ok()) {
        if (errorText)
            *errorText = file.errorText;
        return {};
    }
    return values(file.texts());
}

QString ValueReader::at(const QStringList& values, qsizetype index)
{
    return index >= 0 && index < values.size() ? values.at(index) : QString();
}

double ValueReader::leadingNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch m = number.match(text);
    const double value = m.hasMatch() ? m.captured(1).toDouble() : 0.0;
    return std::isfinite(value) && std::fabs(value) < NumberLimit ? value : 0.0;
}

int ValueReader::leadingInt(const QString& text)
{
    const double value = std::trunc(leadingNumber(text));
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max() ? int(value) : 0;
}

QString ValueReader::quoteIfNeeded(const QString& value)
{
    const bool needs = value.contains(QLatin1Char(',')) || value.startsWith(QLatin1Char('"'))
        || value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' '));
    if (!needs || value.contains(QLatin1Char('"')))
        return value;
    return QLatin1Char('"') + value + QLatin1Char('"');
}
