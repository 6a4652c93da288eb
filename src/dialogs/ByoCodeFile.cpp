#include "ByoCodeFile.h"

#include "common/DataPath.h"
#include "common/SharedUtil.h"
#include "common/TextFile.h"
#include "common/ValueReader.h"

namespace {
QList<QStringList> readRecords(const QString& path, int fieldCount, QStringList* errors)
{
    const TextFile file = TextFile::read(path);
    if (!file.ok()) {
        if (errors)
            errors->append(file.errorText.isEmpty() ? path : file.errorText);
        return {};
    }
    return ByoCodeFile::records(file.texts(), fieldCount);
}
} // namespace

QString ByoCodeFile::bigPath()
{
    return DataPath::file(QStringLiteral("code\\BigCode.ini"));
}

QString ByoCodeFile::midlePath()
{
    return DataPath::file(QStringLiteral("code\\MidleCode.ini"));
}

QString ByoCodeFile::namePath()
{
    return DataPath::file(QStringLiteral("code\\NameCode.ini"));
}

ByoCodeFile ByoCodeFile::load(QStringList* errors)
{
    ByoCodeFile files;
    files.Big = readRecords(bigPath(), 2, errors);
    files.Midle = readRecords(midlePath(), 3, errors);
    files.Name = readRecords(namePath(), 4, errors);
    return files;
}

QList<QStringList> ByoCodeFile::records(const QStringList& lines, int fieldCount)
{
    QList<QStringList> rows;
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() < fieldCount)
            continue;
        if (fields.at(0).isEmpty())
            break;
        rows.append(fields.mid(0, fieldCount));
    }
    return rows;
}

QStringList ByoCodeFile::bigNames() const
{
    QStringList names;
    for (const QStringList& row : Big)
        names.append(row.at(1));
    return names;
}

QString ByoCodeFile::bigCode(int bigIndex) const
{
    return Big.value(bigIndex).value(0);
}

QStringList ByoCodeFile::midleNames(const QString& bigCode) const
{
    QStringList names;
    for (const QStringList& row : Midle)
        if (row.at(0) == bigCode)
            names.append(row.at(2));
    return names;
}

QList<QStringList> ByoCodeFile::names(const QString& bigCode, const QString& midleName) const
{
    const QString key = SharedUtil::Trim(bigCode) + SharedUtil::Trim(midleName);
    int low = 0;
    int high = -1;
    for (const QStringList& row : Midle) {
        if (SharedUtil::Trim(row.at(0)) + SharedUtil::Trim(row.at(2)) != key)
            continue;
        if (!range(SharedUtil::Trim(row.at(1)), low, high))
            return {};
        break;
    }
    QList<QStringList> found;
    const QString big = SharedUtil::Trim(bigCode);
    for (const QStringList& row : Name) {
        const double midle = ValueReader::leadingNumber(row.at(1));
        if (row.at(0) == big && midle >= low && midle <= high)
            found.append(row);
    }
    return found;
}

bool ByoCodeFile::range(const QString& text, int& low, int& high)
{
    const QStringList ends = text.split(QLatin1Char('_'));
    if (text.isEmpty() || ends.size() < 2 || ends.at(0).isEmpty() || ends.at(1).isEmpty())
        return false;
    low = int(ValueReader::leadingNumber(ends.at(0)));
    high = int(ValueReader::leadingNumber(ends.at(1)));
    return true;
}

QString ByoCodeFile::byoCode(const QStringList& nameRecord)
{
    const QString last = ValueReader::leadingNumber(nameRecord.value(2)) > 0 ? nameRecord.value(2) : QStringLiteral("0");
    return nameRecord.value(0) + QLatin1Char('-') + nameRecord.value(1) + QLatin1Char('-') + last;
}
