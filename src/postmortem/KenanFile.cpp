#include "KenanFile.h"

#include "common/DataPath.h"
#include "common/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString baseName(const QString& karteFile)
{
    return karteFile.endsWith(QStringLiteral(".sxd"), Qt::CaseInsensitive) ? karteFile.chopped(4) : karteFile;
}
} // namespace

QString KenanFile::folder()
{
    return DataPath::resolve(DataPath::file(QStringLiteral("kdata")));
}

QString KenanFile::path(const QString& karteFile)
{
    return DataPath::resolve(folder() + QLatin1Char('/') + baseName(karteFile) + QStringLiteral(".kdt"));
}

bool KenanFile::exists(const QString& karteFile)
{
    return QFileInfo::exists(path(karteFile));
}

bool KenanFile::save(const QString& karteFile, const KenanData& data, QString* errorText)
{
    if (!QDir().mkpath(folder())) {
        *errorText = QStringLiteral("フォルダを作れません: %1").arg(folder());
        return false;
    }
    return TextFile::write(path(karteFile), data.lines(), errorText);
}

bool KenanFile::load(const QString& karteFile, KenanData& data, QString* errorText)
{
    const TextFile file = TextFile::read(path(karteFile));
    if (!file.ok()) {
        *errorText = file.errorText;
        return false;
    }
    data = KenanData::fromLines(file.texts());
    return true;
}
