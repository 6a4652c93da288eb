#include "MiyazakiOcr.h"

#include "common/MojiPrintProc.h"
#include "common/SharedUtil.h"
#include "common/ValueReader.h"

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The characters of text in boxes from x; skip(k, c) leaves box k empty.
template <class Skip>
void boxes(PrintDevice& device, const QString& text, float x, float y, Skip skip)
{
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text.at(k);
        if (isDigit(c) && !skip(k, c))
            MojiPrintProc(device, QString(c), 14.0f, 0, x + MiyazakiOcr::BoxPitch * float(k), y, 0, 0);
    }
}

QString padded(const QString& part, QChar pad)
{
    const QString t = SharedUtil::Trim(part);
    if (t.size() == 1 && ValueReader::leadingNumber(t) < 10)
        return pad + t;
    return t;
}

} // namespace

void MiyazakiOcr::SujiPrintProc(PrintDevice& device, const QString& text, float x, float y)
{
    boxes(device, text, x, y, [](qsizetype, QChar) { return false; });
}

void MiyazakiOcr::CodeSujiPrintProc(PrintDevice& device, const QString& text, float x, float y, bool noZeros)
{
    boxes(device, text, x, y, [noZeros](qsizetype, QChar c) { return noZeros && c == QLatin1Char('0'); });
}

void MiyazakiOcr::BangoSujiPrintProc(PrintDevice& device, const QString& text, float x, float y)
{
    boxes(device, text, x, y, [](qsizetype k, QChar c) { return k == 0 && c == QLatin1Char('0'); });
}

void MiyazakiOcr::SuryoPrintProc(PrintDevice& device, const QString& text, float rowX, float y, bool noZeros)
{
    const QString digits = QString(text).remove(QLatin1Char('.'));
    const float n = float(digits.size());
    const float first = text.contains(QLatin1Char('.')) ? rowX + 155.5f - BoxPitch * (n - 1)
                                                        : rowX + 155.5f - BoxPitch * n;
    boxes(device, digits, first, y, [noZeros](qsizetype, QChar c) { return noZeros && c == QLatin1Char('0'); });
}

bool MiyazakiOcr::SujiHeadCheckProc(const QString& text)
{
    return !text.isEmpty() && isDigit(text.front());
}

QString MiyazakiOcr::zeroPad(const QString& part)
{
    return padded(part, QLatin1Char('0'));
}

QString MiyazakiOcr::blankPad(const QString& part)
{
    return padded(part, QLatin1Char(' '));
}
