#include "KarteCopy.h"

#include "KarteFile.h"
#include "KarteFileName.h"
#include "KarteText.h"
#include "NewKarteEntry.h"

#include "common/DataPath.h"
#include "common/FileErrorText.h"
#include "common/SharedState.h"
#include "registers/TourokuCheck.h"

#include <QDir>
#include <QFileInfo>

QString KarteCopy::existingName(const QString& fileName)
{
    const QString folder = SharedState::get().karteFolder();
    const QStringList names = QDir(DataPath::resolve(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

QString KarteCopy::duplicateRefusal(const QString& localPath, const Moto& moto)
{
    const KarteFile target = KarteFile::read(localPath);
    if (!target.ok())
        return target.errorText;
    const QString byoName = KarteText::trim(moto.ByoName);
    const QString syosin = KarteText::trim(moto.SyosinDate);
    for (const KarteNameRecord& name : target.nameRecords()) {
        if (name.isEpisode(byoName, syosin))
            return QStringLiteral("同じ病名で同じ初診日の記載がありますので、複製できません。");
    }
    return QString();
}

KarteCopy::Kensaku KarteCopy::KarteCopyProc(const Moto& moto, const QString& typed)
{
    Kensaku result;
    const QStringList parts = moto.KarteFile.split(QLatin1Char('_'));
    if (parts.size() != 4) {
        result.Message = QStringLiteral("検索できません。");
        return result;
    }
    if (typed == moto.Mimiban) {
        result.Message = typed + QStringLiteral("は現在開かれています。");
        return result;
    }
    const QString mimiban = KarteText::trim(typed);
    const TourokuCheck bad = NewKarteEntry::mimibanCheck(mimiban);
    if (!bad.ok()) {
        result.Message = bad.text;
        return result;
    }
    const QString name = parts.at(0) + QLatin1Char('_') + parts.at(1) + QLatin1Char('_') + mimiban
                         + QLatin1Char('_') + parts.at(3);
    result.FileName = existingName(name);
    if (result.FileName.isEmpty()) {
        result.kind = Kensaku::NotFound;
        result.FileName = name;
        return result;
    }
    const QString path = SharedState::get().kartePath(result.FileName);
    result.Message = duplicateRefusal(path, moto);
    if (!result.Message.isEmpty())
        return result;
    const KarteFile target = KarteFile::read(path);
    const QStringList kotai = KarteText::headerFields(target.lines.at(1).text);
    result.KotaiGd = {kotai.value(6), kotai.value(1), kotai.value(5), kotai.value(4)};
    result.Header = {target.lines.at(0).text, target.lines.at(1).text};
    result.kind = Kensaku::Found;
    return result;
}

bool KarteCopy::write(const Moto& moto, const QString& fileName, const std::array<QString, 2>& header, bool newKarte,
                      const QStringList& copyLines, QString* message)
{
    const SharedState& s = SharedState::get();
    const QString existing = existingName(fileName);
    QList<TextLine> lines;
    if (!existing.isEmpty()) {
        const QString path = s.kartePath(existing);
        if (newKarte) {
            *message = NewKarteEntry::existsText();
            return false;
        }
        *message = duplicateRefusal(path, moto);
        if (!message->isEmpty())
            return false;
        lines = KarteFile::read(path).lines;
    } else if (newKarte) {
        lines = {TextLine(header.at(0)), TextLine(header.at(1))};
    } else {
        *message = QStringLiteral("複製できません。");
        return false;
    }
    for (const QString& line : copyLines)
        lines.append(TextLine(line));
    if (!QDir().mkpath(s.karteFolder())) {
        *message = FileErrorText::folderFailed(s.karteFolder());
        return false;
    }
    return TextFile::write(s.kartePath(existing.isEmpty() ? fileName : existing), lines, message);
}
