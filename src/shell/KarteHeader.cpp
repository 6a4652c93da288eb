#include "KarteHeader.h"

#include "chart/KarteText.h"
#include "common/Cp932.h"
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
    if (!file.open(QIODevice::ReadOnly)) {
        header.errorText = QStringLiteral("ファイルを読めません: %1").arg(localPath);
        return header;
    }
    QByteArray content = file.read(headChunk);
    QList<QByteArray> lines = TextFile::splitLines(content);
    if (lines.size() < 3 && !file.atEnd()) {
        content += file.readAll();
        lines = TextFile::splitLines(content);
    }
    QStringList texts;
    qsizetype offset = 0;
    for (int i = 0; i < 2 && i < lines.size(); ++i) {
        qsizetype bad = -1;
        const std::optional<QString> text = Cp932::decode(lines.at(i), &bad);
        if (!text) {
            header.errorText = TextFile::decodeErrorText(localPath, offset + bad);
            return header;
        }
        texts.append(*text);
        offset = content.indexOf('\n', offset) + 1;
    }
    if (texts.size() < 2 || texts.at(0).isEmpty() || texts.at(1).isEmpty()) {
        header.status = Status::Incomplete;
        header.errorText = QStringLiteral("見出し行がありません: %1").arg(QFileInfo(localPath).fileName());
        return header;
    }
    header.status = Status::Ok;
    header.noukaFields = KarteText::headerFields(texts.at(0));
    header.kotaiFields = KarteText::headerFields(texts.at(1));
    return header;
}
