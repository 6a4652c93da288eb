#include "TiryoTextProc.h"

#include "ByteLenProc.h"
#include "MojiPrintProc.h"
#include "TiryoLineSetProc.h"

QString TiryoTextProc::compose(const QString& content, const QString& standard, const QString& quantity, int dropAt)
{
    const QString text = TiryoLineText(content, standard, quantity);
    if (ByteLenProc(text) < dropAt)
        return text;
    return TiryoLineText(content, QString(), quantity);
}

QStringList TiryoTextProc::split(const QString& text, int width, int maxLines)
{
    QStringList lines{QString()};
    int bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString c = text.mid(i, n);
        i += n - 1;
        bytes += ByteLenProc(c);
        if (bytes > width) {
            if (lines.size() == maxLines)
                break;
            lines.append(QString());
            bytes = 0;
        }
        lines.last() += c;
    }
    return lines;
}

void TiryoTextProc::print(PrintDevice& device, const QStringList& lines, float x, float y, const Sizes& sizes,
                          float scale)
{
    constexpr int Mincho = 1;
    constexpr int Left = 1;
    switch (lines.size()) {
    case 1: {
        const float size = ByteLenProc(lines.at(0)) > 16 ? sizes.oneLong : sizes.one;
        MojiPrintProc(device, lines.at(0), size * scale, Mincho, x, y, Left, 0);
        break;
    }
    case 2:
        MojiPrintProc(device, lines.at(0), sizes.two * scale, Mincho, x, y - 1, Left, 0);
        MojiPrintProc(device, lines.at(1), sizes.two * scale, Mincho, x, y + 1 * scale, Left, 0);
        break;
    default:
        for (int i = 0; i < 3 && i < lines.size(); ++i)
            MojiPrintProc(device, lines.at(i), sizes.three * scale, Mincho, x, y + 2.3f * scale * float(i - 1), Left, 0);
        break;
    }
}
