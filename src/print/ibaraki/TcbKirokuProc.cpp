#include "TcbKirokuProc.h"

#include "common/DataPath.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/TextFile.h"
#include "print/common/SindansyoText.h"

#include <QFileInfo>

QString TcbKirokuProc::record(const SindansyoEpisode& e, const QString& doctorName)
{
    const QStringList meigou = SindansyoText::meigouNumber(e.kotai(6));
    const auto name = [&](int f) { return e.cell(SindansyoEpisode::NameRow, f); };
    const auto data3 = [&](int f) { return e.cell(SindansyoEpisode::Data3Row, f); };
    return QStringList{meigou.at(0), meigou.at(1), e.kotai(10), name(2), name(3), name(5), name(6), name(7),
                       data3(2), data3(8), data3(6), data3(7), name(9), doctorName, name(13), name(4), name(8)}
        .join(QLatin1Char('\''));
}

TcbKirokuProc::Entry TcbKirokuProc::entry(const SindansyoEpisode& e, const QString& doctorName)
{
    return {e.cell(SindansyoEpisode::NameRow, 13), record(e, doctorName),
            e.cell(SindansyoEpisode::NameRow, 2) + QStringLiteral(" ") + e.cell(SindansyoEpisode::NameRow, 5)};
}

bool TcbKirokuProc::write(const Entry& entry, QString* errorText)
{
    const QString prefix = QStringLiteral("印刷済の記録を書けませんでした（") + entry.episode + QStringLiteral("）。\n");
    QString bad;
    if (SharedUtil::Trim(entry.month).isEmpty()) {
        *errorText = prefix + QStringLiteral("提出月がありません。");
        return false;
    }
    if (!SharedUtil::FileNameCheckProc(entry.month, bad)) {
        *errorText = prefix + QStringLiteral("提出月「") + entry.month + QStringLiteral("」はファイル名にできません。");
        return false;
    }
    const QString folder = DataPath::file(QStringLiteral("tcb"));
    if (!QFileInfo(folder).isDir()) {
        *errorText = prefix + QStringLiteral("フォルダがありません: ") + folder;
        return false;
    }
    const QString path = DataPath::file(QStringLiteral("tcb\\") + entry.month + QStringLiteral(".ini"));
    const TextFile file = TextFile::read(path);
    if (!file.ok() && file.status != TextFile::Status::Missing) {
        *errorText = prefix + file.errorText;
        return false;
    }
    QList<TextLine> lines = file.lines;
    for (const TextLine& line : lines) {
        if (line.text == entry.record)
            return true;
    }
    lines.append(TextLine(entry.record));
    QString error;
    if (!TextFile::write(path, lines, &error)) {
        *errorText = prefix + error;
        return false;
    }
    return true;
}
