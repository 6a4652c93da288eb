#include "KarteHeader.h"

#include "KarteScan.h"
#include "KarteText.h"

#include "common/Cp932.h"
#include "common/FileErrorText.h"
#include "common/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace {
// The header lines are short; a chunk of this size nearly always holds both.
constexpr qint64 headChunk = 16384;
} // namespace

KarteHeader KarteHeader::read(const QString& localPath)
{
    KarteHeader header;
    QFile file(localPath);
    if (!QFileInfo(localPath).isFile()) {
        header.errorText = KarteScan::missingText(localPath);
        return header;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        header.errorText = FileErrorText::readFailed(localPath);
        return header;
    }
    QByteArray content = file.read(headChunk);
    QList<QByteArray> lines = TextFile::splitLines(content);
    if (lines.size() < 3 && !file.atEnd()) {
        content += file.readAll();
        lines = TextFile::splitLines(content);
    }
    QStringList texts;
    for (int i = 0; i < 2 && i < lines.size(); ++i) {
        const std::optional<QString> text = Cp932::decode(lines.at(i));
        if (!text) {
            header.errorText = KarteScan::damageText(localPath, i, QStringLiteral("読み取れない文字があります"));
            return header;
        }
        texts.append(*text);
    }
    if (texts.size() < 2 || texts.at(0).isEmpty() || texts.at(1).isEmpty()) {
        header.status = Status::Incomplete;
        header.errorText = KarteScan::damageText(localPath, int(texts.size()), QStringLiteral("農家と個体の行がありません"));
        return header;
    }
    header.status = Status::Ok;
    header.noukaLine = texts.at(0);
    header.kotaiLine = texts.at(1);
    header.noukaFields = KarteText::headerFields(texts.at(0));
    header.kotaiFields = KarteText::headerFields(texts.at(1));
    return header;
}
