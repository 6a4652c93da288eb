#include "KarteFile.h"

#include "KarteFileName.h"
#include "KarteScan.h"
#include "KarteText.h"
#include "treatment/TensuKeisanProc.h"

#include "common/Cp932.h"
#include "common/FileErrorText.h"

#include <QDir>
#include <QFileInfo>

KarteFile KarteFile::read(const QString& localPath)
{
    const KarteScan scan = KarteScan::read(localPath);
    KarteFile file;
    file.path = localPath;
    file.missing = scan.missing;
    file.errorText = scan.errorText;
    file.errorLine = scan.errorLine;
    if (!scan.ok())
        return file;
    file.lines.reserve(scan.lineCount());
    for (int i = 0; i < scan.lineCount(); ++i) {
        const std::optional<QString> text = Cp932::decode(scan.rawLine(i));
        if (!text) {
            file.errorLine = i;
            file.errorText = KarteScan::damageText(localPath, i, QStringLiteral("読み取れない文字があります"));
            file.lines.clear();
            return file;
        }
        file.lines.append(TextLine::read(scan.rawLine(i).toByteArray(), *text));
    }
    file.nouka_ = scan.nouka();
    file.kotai_ = scan.kotai();
    return file;
}

QList<KarteNameRecord> KarteFile::nameRecords() const
{
    QList<KarteNameRecord> out;
    for (int start = 2; start < lineCount(); start += KarteBlock::LineCount)
        out.append(KarteNameRecord::fromFields(KarteText::fields(lines.at(start).text, KarteBlock::FieldCount)));
    return out;
}

int KarteFile::findEpisode(const QString& byoName, const QString& syosinDate) const
{
    const QList<KarteNameRecord> names = nameRecords();
    for (int k = 0; k < names.size(); ++k) {
        if (names.at(k).isEpisode(byoName, syosinDate))
            return KarteScan::blockStart(k);
    }
    return lineCount();
}

KarteEpisode KarteFile::episodeAt(int karteIndex) const
{
    QStringList blockLines;
    for (int r = 0; r < KarteBlock::LineCount && karteIndex + r < lineCount(); ++r)
        blockLines.append(lines.at(karteIndex + r).text);
    return KarteEpisode(KarteBlock::fromLines(blockLines));
}

KarteFile::SaveKind KarteFile::saveKind(int karteOpenMode, bool kept)
{
    if (!kept)
        return SaveKind::Drop;
    return karteOpenMode == 0 ? SaveKind::Append : SaveKind::Replace;
}

bool KarteFile::blockStartOrEnd(int karteIndex) const
{
    if (karteIndex == lineCount())
        return true;
    return karteIndex >= 2 && (karteIndex - 2) % KarteBlock::LineCount == 0
        && karteIndex + KarteBlock::LineCount <= lineCount();
}

QList<TextLine> KarteFile::replaced(int karteIndex, const KarteBlock& block) const
{
    QList<TextLine> out = lines.mid(0, karteIndex);
    const QStringList blockLines = block.lines();
    for (int r = 0; r < KarteBlock::LineCount; ++r) {
        const int old = karteIndex + r;
        if (old < lineCount() && lines.at(old).text == blockLines.at(r))
            out.append(lines.at(old));
        else
            out.append(TextLine(blockLines.at(r)));
    }
    if (karteIndex < lineCount())
        out += lines.mid(karteIndex + KarteBlock::LineCount);
    return out;
}

QList<TextLine> KarteFile::appended(const KarteBlock& block) const
{
    QList<TextLine> out = lines;
    for (int i = 0; i < 2; ++i) {
        const QString normal = KarteText::normaliseHeader(out.at(i).text);
        if (normal != out.at(i).text)
            out[i] = TextLine(normal);
    }
    for (const QString& line : block.lines())
        out.append(TextLine(line));
    return out;
}

QList<TextLine> KarteFile::dropped(int karteIndex) const
{
    QList<TextLine> out = lines.mid(0, karteIndex);
    if (karteIndex < lineCount())
        out += lines.mid(karteIndex + KarteBlock::LineCount);
    return out;
}

bool KarteFile::refuseDamaged(QString* errorText) const
{
    if (ok() && lineCount() >= 2)
        return false;
    if (errorText)
        *errorText = ok() ? KarteScan::damageText(path, -1, QStringLiteral("読み込まれていません")) : this->errorText;
    return true;
}

std::optional<QList<TextLine>> KarteFile::savedLines(SaveKind kind, int karteIndex, const KarteBlock& block,
                                                     QString* errorText) const
{
    if (refuseDamaged(errorText))
        return std::nullopt;
    if (kind == SaveKind::Append)
        return appended(block);
    if (!blockStartOrEnd(karteIndex)) {
        if (errorText)
            *errorText = KarteScan::damageText(path, karteIndex, QStringLiteral("病歴の先頭の行ではありません"));
        return std::nullopt;
    }
    return kind == SaveKind::Replace ? replaced(karteIndex, block) : dropped(karteIndex);
}

bool KarteFile::save(SaveKind kind, int karteIndex, const KarteBlock& block, QString* errorText) const
{
    const std::optional<QList<TextLine>> out = savedLines(kind, karteIndex, block, errorText);
    return out && TextFile::write(path, *out, errorText);
}

bool KarteFile::saveEpisode(KarteEpisode& episode, int karteIndex, int karteOpenMode, const TensuKeisanProc& keisan,
                            QString* errorText) const
{
    if (refuseDamaged(errorText))
        return false;
    episode.setTotals(keisan.run(episode));
    return save(saveKind(karteOpenMode, episode.kept()), karteIndex, episode.block(), errorText);
}

bool KarteFile::saveHeader(const QString& noukaLine, const QString& kotaiLine, QString* errorText) const
{
    if (refuseDamaged(errorText))
        return false;
    QList<TextLine> out = lines;
    if (out.at(0).text != noukaLine)
        out[0] = TextLine(noukaLine);
    if (out.at(1).text != kotaiLine)
        out[1] = TextLine(kotaiLine);
    return TextFile::write(path, out, errorText);
}

bool KarteFile::exists(const QString& localFolder, const QString& fileName)
{
    const QStringList names = QDir(localFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

KarteFile::CreateResult KarteFile::create(const QString& localFolder, const QString& fileName,
                                          const QString& noukaLine, const QString& kotaiLine, QString* errorText)
{
    if (!KarteFileName::checkName(fileName, errorText))
        return CreateResult::Failed;
    if (exists(localFolder, fileName))
        return CreateResult::Exists;
    if (!QDir().mkpath(localFolder)) {
        if (errorText)
            *errorText = FileErrorText::folderFailed(localFolder);
        return CreateResult::Failed;
    }
    const bool written = TextFile::write(localFolder + QLatin1Char('/') + fileName, QStringList{noukaLine, kotaiLine},
                                         errorText);
    return written ? CreateResult::Created : CreateResult::Failed;
}
