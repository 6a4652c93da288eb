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
