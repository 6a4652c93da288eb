#include "TiryoMojiProc.h"

#include "ByteLenProc.h"
#include "MojiPrintProc.h"
#include "TiryoLineSetProc.h"

namespace {

constexpr int Mincho = 1;
constexpr int Left = 1;

} // namespace

QString TiryoMojiProc::text(const QString& content, const QString& standard, const QString& quantity, int lineBytes)
{
    const QString full = TiryoLineText(content, standard, quantity);
    if (ByteLenProc(full) <= 2 * lineBytes)
        return full;
    return TiryoLineText(content, QString(), quantity);
}

QStringList TiryoMojiProc::lines(const QString& text, int lineBytes)
{
    QStringList out{QString()};
    int count = 0;
    for (const QChar c : text) {
        count += ByteLenProc(QStringView(&c, 1));
        if (count > lineBytes) {
            out.append(QString(c));
            count = 0;
        } else {
            out.last() += c;
        }
    }
    return out;
}

void TiryoMojiProc::print(PrintDevice& device, const QString& text, float x, float y, const Style& style)
{
    const QStringList l = lines(text, style.lineBytes);
    if (l.size() == 1) {
        const float size = ByteLenProc(l.at(0)) > style.longBytes ? style.size1Long : style.size1;
        MojiPrintProc(device, l.at(0), size, Mincho, x, y, Left, 0);
    } else if (l.size() == 2) {
        MojiPrintProc(device, l.at(0), style.size2, Mincho, x, y - style.up2, Left, 0);
        MojiPrintProc(device, l.at(1), style.size2, Mincho, x, y + style.down2, Left, 0);
    } else {
        MojiPrintProc(device, l.at(0), style.size3, Mincho, x, y - style.step3, Left, 0);
        MojiPrintProc(device, l.at(1), style.size3, Mincho, x, y, Left, 0);
        MojiPrintProc(device, l.at(2), style.size3, Mincho, x, y + style.step3, Left, 0);
    }
}

void TiryoMojiProc::print(PrintDevice& device, const QString& content, const QString& standard,
                          const QString& quantity, float x, float y, const Style& style)
{
    print(device, text(content, standard, quantity, style.lineBytes), x, y, style);
}
