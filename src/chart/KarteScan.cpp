#include "KarteScan.h"

#include "KarteText.h"
#include "common/Cp932.h"
#include "common/TextFile.h"

#include <QFileInfo>
#include <algorithm>

namespace {
int separatorCount(QByteArrayView line)
{
    // "'" (0x27) is never the second byte of a double-byte character in the code page.
    return int(std::count(line.begin(), line.end(), '\''));
}

// The tag, with its separator, that starts each line of a block.
const QList<QByteArray>& tagBytes()
{
    static const QList<QByteArray> tags = [] {
        QList<QByteArray> out;
        for (int r = 0; r < KarteBlock::LineCount; ++r)
            out.append(KarteBlock::tag(r).toLatin1() + '\'');
        return out;
    }();
    return tags;
}
}

int KarteScan::blockStart(int k)
{
    return 2 + KarteBlock::LineCount * k;
}

QString KarteScan::damageText(const QString& localPath, int line, const QString& reason)
{
    const QString name = QFileInfo(localPath).fileName();
    if (line < 0)
        return QStringLiteral("カルテが壊れています: %1（%2）").arg(name, reason);
    return QStringLiteral("カルテが壊れています: %1（%2 行目: %3）").arg(name).arg(line + 1).arg(reason);
}

QString KarteScan::missingText(const QString& localPath)
{
    return QStringLiteral("カルテがありません: %1").arg(QFileInfo(localPath).fileName());
}

void KarteScan::fail(int line, const QString& reason)
{
    errorLine = line;
    errorText = damageText(path, line, reason);
}

std::optional<QString> KarteScan::decode(int line)
{
    std::optional<QString> text = Cp932::decode(raw.at(line));
    if (!text)
        fail(line, QStringLiteral("読み取れない文字があります"));
    return text;
}

KarteScan KarteScan::read(const QString& localPath)
{
    KarteScan scan;
    scan.path = localPath;
    if (!QFileInfo(localPath).isFile()) {
        scan.missing = true;
        scan.errorText = missingText(localPath);
        return scan;
    }
    QByteArray content;
    QList<QByteArrayView> views;
    QString why;
    if (!TextFile::readRawViews(localPath, content, views, &why)) {
        scan.errorText = why;
        return scan;
    }
    return check(localPath, content);
}

KarteScan KarteScan::check(const QString& localPath, const QByteArray& content)
{
    KarteScan scan;
    scan.path = localPath;
    scan.content_ = content;
    scan.raw = TextFile::lineViews(scan.content_);
    if (scan.checkHeader())
        scan.checkBlocks();
    if (!scan.ok())
        scan.names_.clear();
    return scan;
}

bool KarteScan::checkHeader()
{
    if (raw.size() < 2) {
        fail(int(raw.size()), QStringLiteral("農家と個体の行がありません"));
        return false;
    }
    const std::optional<QString> noukaLine = decode(0);
    if (!noukaLine)
        return false;
    const std::optional<QString> kotaiLine = decode(1);
    if (!kotaiLine)
        return false;
    QString reason;
    const std::optional<KarteNoukaRecord> nouka = KarteNoukaRecord::parse(*noukaLine, &reason);
    if (!nouka) {
        fail(0, reason);
        return false;
    }
    const std::optional<KarteKotaiRecord> kotai = KarteKotaiRecord::parse(*kotaiLine, &reason);
    if (!kotai) {
        fail(1, reason);
        return false;
    }
    nouka_ = *nouka;
    kotai_ = *kotai;
    return true;
}

bool KarteScan::checkBlocks()
{
    const int lines = lineCount();
    if ((lines - 2) % KarteBlock::LineCount != 0) {
        const int start = blockStart((lines - 2) / KarteBlock::LineCount);
        fail(start, QStringLiteral("病歴が途中で切れています（%1 行しかありません）").arg(lines - start));
        return false;
    }
    for (int start = 2; start < lines; start += KarteBlock::LineCount) {
        for (int r = 0; r < KarteBlock::LineCount; ++r) {
            const QByteArrayView line = raw.at(start + r);
            if (!line.startsWith(tagBytes().at(r))) {
                fail(start + r, QStringLiteral("行の種類が違います（%1 の行のはずです）").arg(KarteBlock::tag(r)));
                return false;
            }
            if (separatorCount(line) < KarteBlock::FieldCount) {
                fail(start + r, QStringLiteral("項目が16個ありません"));
                return false;
            }
        }
        const std::optional<QString> name = decode(start);
        if (!name)
            return false;
        names_.append(KarteNameRecord::fromFields(KarteText::fields(*name, KarteBlock::FieldCount)));
    }
    return true;
}

QList<KarteScan> KarteScan::readList(const QString& localFolder, const QStringList& fileNames, QStringList* reports)
{
    QList<KarteScan> out;
    for (const QString& name : fileNames) {
        KarteScan scan = read(localFolder + QLatin1Char('/') + name);
        if (scan.ok())
            out.append(scan);
        else if (reports)
            reports->append(scan.errorText);
    }
    return out;
}

int KarteScan::findEpisode(const QString& byoName, const QString& syosinDate) const
{
    for (int k = 0; k < names_.size(); ++k) {
        if (names_.at(k).isEpisode(byoName, syosinDate))
            return k;
    }
    return -1;
}

std::optional<QStringList> KarteScan::blockLine(int k, int row, QString* report) const
{
    const int line = blockStart(k) + row;
    if (k < 0 || k >= blockCount() || row < 0 || row >= KarteBlock::LineCount) {
        if (report)
            *report = damageText(path, line, QStringLiteral("その行はありません"));
        return std::nullopt;
    }
    const std::optional<QString> text = Cp932::decode(raw.at(line));
    if (!text) {
        if (report)
            *report = damageText(path, line, QStringLiteral("読み取れない文字があります"));
        return std::nullopt;
    }
    return KarteText::fields(*text, KarteBlock::FieldCount);
}

std::optional<KarteEpisode> KarteScan::episode(int k, QString* report) const
{
    KarteEpisode episode;
    for (int r = 0; r < KarteBlock::LineCount; ++r) {
        const std::optional<QStringList> fields = blockLine(k, r, report);
        if (!fields)
            return std::nullopt;
        episode.block().setRow(r, *fields);
    }
    return episode;
}
