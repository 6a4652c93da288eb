#include "PendingKarte.h"

#include "common/DataPath.h"
#include "common/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString localPath(const QString& folder, const QString& fileName)
{
    return DataPath::resolve(folder + QLatin1Char('/') + fileName);
}

bool readChart(const QString& path, QList<TextLine>& lines, QString* errorText)
{
    const TextFile file = TextFile::read(path);
    if (!file.ok()) {
        if (errorText)
            *errorText = file.errorText;
        return false;
    }
    lines = file.lines;
    return true;
}

QList<TextLine> withHeader(QList<TextLine> lines, const QString& line0, const QString& line1)
{
    while (lines.size() < 2)
        lines.append(TextLine());
    lines[0] = TextLine(line0);
    lines[1] = TextLine(line1);
    return lines;
}
} // namespace

namespace Pending {

bool karteExists(const QString& folder, const QString& fileName)
{
    return QFileInfo(localPath(folder, fileName)).isFile();
}

bool writeKarteHeader(const QString& folder, const QString& fileName, const QString& line0,
                      const QString& line1, QString* errorText)
{
    QList<TextLine> lines;
    if (karteExists(folder, fileName) && !readChart(localPath(folder, fileName), lines, errorText))
        return false;
    QDir().mkpath(folder);
    return TextFile::write(localPath(folder, fileName), withHeader(lines, line0, line1), errorText);
}

bool copyKarte(const QString& folder, const QString& oldName, const QString& newName, const QString& line0,
               const QString& line1, QString* errorText)
{
    QList<TextLine> lines;
    if (karteExists(folder, newName) || !readChart(localPath(folder, oldName), lines, errorText))
        return false;
    return TextFile::write(localPath(folder, newName), withHeader(lines, line0, line1), errorText);
}

bool removeKarte(const QString& folder, const QString& fileName, QString* errorText)
{
    QFile file(localPath(folder, fileName));
    if (file.remove() || !file.exists())
        return true;
    if (errorText)
        *errorText = QStringLiteral("ファイルを削除できません: %1（%2）").arg(file.fileName(), file.errorString());
    return false;
}

}
