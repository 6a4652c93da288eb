#include "KarteHeader.h"

#include "KarteScan.h"
#include "KarteText.h"

#include "common/Cp932.h"
#include "common/TextFile.h"

namespace {
// The header lines are short; a chunk of this size nearly always holds both.
constexpr qint64 headChunk = 4096;
} // namespace

KarteHeader KarteHeader::read(const QString& localPath)
{
    KarteHeader header;
    QByteArray content;
    TextFile::Status status = TextFile::readBytes(localPath, content, &header.errorText, headChunk);
    QList<QByteArrayView> lines;
    TextFile::lineViews(content, lines, 3);
    if (status == TextFile::Status::Ok && lines.size() < 3 && content.size() >= headChunk) {
        status = TextFile::readBytes(localPath, content, &header.errorText);
        TextFile::lineViews(content, lines, 3);
    }
    if (status == TextFile::Status::Missing)
        header.errorText = KarteScan::missingText(localPath);
    if (status != TextFile::Status::Ok)
        return header;
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
    header.errorText.clear();
    header.noukaLine = texts.at(0);
    header.kotaiLine = texts.at(1);
    header.noukaFields = KarteText::headerFields(texts.at(0));
    header.kotaiFields = KarteText::headerFields(texts.at(1));
    return header;
}
