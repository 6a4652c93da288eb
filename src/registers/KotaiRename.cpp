#include "KotaiRename.h"

#include "KotaiTouroku.h"
#include "SetteiData.h"
#include "common/DataPath.h"
#include "common/TextFile.h"
#include "chart/KarteFile.h"
#include "chart/KarteFileName.h"
#include "common/FileErrorText.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString Sxd = QStringLiteral(".sxd");

// A dead and shipped line given the new key when it belongs to the old one.
bool renamed(QString& line, const QString& oldKey, const QString& newKey)
{
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    if (comma < 0 || line.left(comma) != oldKey)
        return false;
    line = newKey + line.mid(comma);
    return true;
}
} // namespace

QString KotaiRename::newKey(const QString& nendo, const QString& code, const QString& newMimi, const QString& oldKey)
{
    return KotaiTouroku::key(nendo, code, newMimi, KotaiTouroku::keyEda(oldKey) == QStringLiteral("1"));
}

QString KotaiRename::tiryoboPath(const QString& key)
{
    return DataPath::file(QStringLiteral("cb\\") + key + QStringLiteral(".txb"));
}

QString KotaiRename::dellInfoPath()
{
    return SetteiData::path(QStringLiteral("DellInfo.ini"));
}

bool KotaiRename::used(const QString& folder, const QString& key)
{
    return KarteFile::exists(folder, key + Sxd) || QFileInfo(tiryoboPath(key)).isFile();
}

// The new chart is written whole first; the old one is removed only then, and a failed removal
// takes the new one away again, so the animal never has two charts or none.
bool KotaiRename::renameKarte(const QString& folder, const QString& oldKey, const QString& newKey,
                              const NoukaInfo& nouka, const QStringList& row, QString* errorText)
{
    if (KarteFile::exists(folder, newKey + Sxd) || !KarteFileName::checkName(newKey + Sxd, errorText))
        return false;
    const QString oldPath = DataPath::resolve(folder + QLatin1Char('/') + oldKey + Sxd);
    KarteFile karte = KarteFile::read(oldPath);
    karte.path = folder + QLatin1Char('/') + newKey + Sxd;
    if (!karte.saveHeader(KotaiTouroku::noukaLine(nouka), KotaiTouroku::kotaiLine(row), errorText))
        return false;
    QFile old(oldPath);
    if (old.remove())
        return true;
    if (errorText)
        *errorText = FileErrorText::removeFailed(oldPath, old);
    QFile::remove(karte.path);
    return false;
}

bool KotaiRename::renameTiryobo(const QString& oldKey, const QString& newKey, QString* errorText)
{
    const QString from = tiryoboPath(oldKey);
    if (!QFileInfo(from).isFile())
        return true;
    if (!KarteFileName::checkName(newKey + QStringLiteral(".txb"), errorText))
        return false;
    const TextFile book = TextFile::read(from);
    if (!book.ok()) {
        if (errorText)
            *errorText = book.errorText;
        return false;
    }
    if (!TextFile::write(tiryoboPath(newKey), book.lines, errorText))
        return false;
    QFile::remove(from);
    return true;
}

bool KotaiRename::renameDellInfo(QStringList& list, const QString& oldKey, const QString& newKey, QString* errorText)
{
    for (QString& line : list)
        renamed(line, oldKey, newKey);
    const QString path = dellInfoPath();
    if (!QFileInfo(path).isFile())
        return true;
    TextFile file = TextFile::read(path);
    if (!file.ok()) {
        if (errorText)
            *errorText = file.errorText;
        return false;
    }
    bool changed = false;
    for (TextLine& line : file.lines)
        changed |= renamed(line.text, oldKey, newKey);
    return !changed || TextFile::write(path, file.lines, errorText);
}
