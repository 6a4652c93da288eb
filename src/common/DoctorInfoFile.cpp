#include "DoctorInfoFile.h"

#include "DataPath.h"
#include "StartupConfig.h"
#include "TextFile.h"
#include "ValueReader.h"

namespace {

// The file's values, or nothing when it cannot be read.
std::optional<QStringList> valuesOf(const QString& localPath)
{
    const TextFile file = TextFile::read(localPath);
    if (!file.ok())
        return std::nullopt;
    return ValueReader::values(file.texts());
}

// The first count values of a file; the problem (naming the file) when it has fewer or none.
QStringList checkedValues(const QString& localPath, int count, QStringList& problems)
{
    const TextFile file = TextFile::read(localPath);
    QStringList values = file.ok() ? ValueReader::values(file.texts()) : QStringList();
    if (!file.ok())
        problems.append(file.errorText);
    else if (values.size() < count)
        problems.append(QStringLiteral("値が足りません: %1").arg(localPath));
    while (values.size() < count)
        values.append(QString());
    return values;
}

} // namespace

QString DoctorInfoFile::docAdPath()
{
    return DataPath::file(QStringLiteral("set\\DocAd.ini"));
}

QString DoctorInfoFile::doctorPath()
{
    return StartupConfig::doctorFilePath();
}

void DoctorInfoFile::load(DoctorInfoData& info)
{
    if (const auto values = valuesOf(docAdPath()))
        info.DoctorAd = ValueReader::at(*values, 0);
    if (const auto values = valuesOf(doctorPath())) {
        info.DoctorName = ValueReader::at(*values, 0);
        info.DoctorCode = ValueReader::at(*values, 1);
    }
}

QStringList DoctorInfoFile::loadChecked(DoctorInfoData& info)
{
    QStringList problems;
    info.DoctorAd = checkedValues(docAdPath(), 1, problems).at(0);
    const QStringList doctor = checkedValues(doctorPath(), 2, problems);
    info.DoctorName = doctor.at(0);
    info.DoctorCode = doctor.at(1);
    return problems;
}
