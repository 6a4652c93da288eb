#include "SagaSinsatuProc.h"

#include "common/ByteLenProc.h"
#include "common/KingakuFormatProc.h"
#include "common/MarkPrintProc.h"
#include "common/MojiPrintProc.h"
#include "common/PictPrintProc.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/ValueReader.h"
#include "print/common/GyoWakePrint.h"
#include "print/common/PrintItem.h"
#include "print/common/SindansyoText.h"

#include <algorithm>

namespace {

using PrintAlign::Left;
using PrintAlign::Right;

constexpr int Mincho = 1;

// A box of the page: its anchor (x from the left base), its first grid row from the page's
// first row, the treatment row pitch, and how far below the anchor its PL mark and picture go.
struct Box
{
    float x;
    float y;
    float pitch;
    float markDy;
    float pictDy;
};

const Box Boxes[] = {
    {61, 140, 4, 35, 35},     {61, 195, 4, 25, 35},     {233, 18, 3.6f, 25, 25},
    {233, 62, 3.6f, 25, 25},  {233, 105.5f, 3.6f, 25, 25}, {233, 149.5f, 3.6f, 25, 25},
};

// One box being printed: its examination's rows, its anchor on the paper.
struct BoxPrint
{
    PrintDevice& device;
    const SindansyoEpisode& e;
    int row;        // grid row of the examination's line 0
    Box box;
    float x0;       // the left base

    QString line(int k, int f) const { return e.cell(row + k, f); }
    float X(float dx) const { return x0 + box.x + dx; }
    void text(const QString& t, float size, float dx, float y, int align = Left) const
    {
        MojiPrintProc(device, t, size, Mincho, X(dx), y, align, 0);
    }
};

QString jikan(const QString& time)
{
    const QStringList parts = time.split(QLatin1Char(':'));
    if (parts.size() < 2)
        return time;
    // A minute below 10 gets its leading zero; one written with two digits already keeps them.
    const QString minute = time.mid(parts.at(0).size() + 1);
    if (ValueReader::leadingNumber(minute) < 10 && SharedUtil::Trim(minute).size() < 2)
        return parts.at(0) + QStringLiteral(":0") + minute;
    return time;
}

void printHeader(const BoxPrint& b)
{
    const QStringList date = b.line(0, 2).split(QLatin1Char('.'));
    if (date.size() > 1)
        b.text(SharedUtil::Trim(date.at(1)), 9, -59, b.box.y + 2);
    if (date.size() > 2)
        b.text(SharedUtil::Trim(date.at(2)), 9, -54, b.box.y + 5);
    b.text(SagaSinsatuProc::jikanText(b.line(0, 5), b.line(0, 6)), 9.5f, -59, b.box.y + 8);
    const auto vitals = SindansyoText::vitalValues(b.line(0, 3));
    const float xs[] = {-43, -28, -12.5f};
    for (int i = 0; i < 3; ++i) {
        if (vitals[i])
            b.text(*vitals[i], 10, xs[i], b.box.y + 3.5f);
    }
    SagaSinsatuProc::WrapPrint(b.device, SindansyoText::keikaText(b.e, b.row), 16, 4, b.box.y + 12, b.X(-58), 10);
}

// The first house-call row only: "同時診療", or the distance with the row's points as stored.
void printOusin(const BoxPrint& b)
{
    for (int k = 1; k <= 7; ++k) {
        if (b.line(k, 3) != QStringLiteral("往診"))
            continue;
        const QString content = b.line(k, 4);
        const float y = b.box.y + 3.5f;
        if (content == QStringLiteral("同時診療")) {
            b.text(content, 9, 30, y, Right);
        } else if (const QStringList parts = content.split(QLatin1Char('k')); parts.size() == 2) {
            b.text(parts.at(0), 9, 47, y);
            b.text(b.line(k, 8), 9, 85, y, Right);
            b.text(b.line(k, 9), 9, 98, y, Right);
        }
        return;
    }
}

// One treatment entry from its first line y; the lines it takes.
int printTiryo(const BoxPrint& b, int k, float y)
{
    const QString category = SharedUtil::Trim(b.line(k, 3));
    const float pitch = b.box.pitch;
    int c = 0;
    if (category != QStringLiteral("診療点数無"))
        c = SagaSinsatuProc::WrapPrint(b.device, category, 3, pitch, y, b.X(0.5f), 9);
    b.text(KingakuFormatProc(b.line(k, 7)), 9, 71, y, Right);
    if (b.line(k, 8) != QLatin1String("0"))
        b.text(b.line(k, 8), 9, 85, y, Right);
    if (b.line(k, 9) != QLatin1String("0"))
        b.text(b.line(k, 9), 9, 98, y, Right);

    const QString content = SharedUtil::Trim(b.line(k, 4));
    const QString standard = SharedUtil::Trim(b.line(k, 5));
    const QString quantity = b.line(k, 6).isEmpty() ? QString() : QStringLiteral("×") + SharedUtil::Trim(b.line(k, 6));
    const auto wrap = [&](const QString& text, float top) {
        return SagaSinsatuProc::WrapPrint(b.device, text, 15, pitch, top, b.X(11), 9);
    };
    int t = 0;
    if (ByteLenProc(category) >= 34) {
        t = wrap(content + (b.line(k, 5).isEmpty() ? QString() : QStringLiteral("：") + standard) + quantity, y);
    } else if (!b.line(k, 5).isEmpty()) {
        b.text(content, 9, 11, y);
        t = wrap(standard + quantity, y + pitch) + 1;
    } else {
        t = wrap(content + quantity, y) + 1;
    }
    return std::max(c, t);
}

void printTiryoRows(const BoxPrint& b)
{
    int lines = 0;
    for (int k = 1; k <= 7; ++k) {
        const QString category = b.line(k, 3);
        if (category == QStringLiteral("PLテスト結果")) {
            float x = b.X(-28);
            float y = b.box.y + b.box.markDy;
            MarkPrintProc(b.device, b.line(k, 4), x, y);
            continue;
        }
        if (category.isEmpty() || category == QStringLiteral("往診"))
            continue;
        lines += printTiryo(b, k, b.box.y + 9 + float(lines) * b.box.pitch);
    }
}

} // namespace

QString SagaSinsatuProc::jikanText(const QString& start, const QString& end)
{
    if (start.isEmpty())
        return QString();
    return jikan(start) + QStringLiteral("～") + jikan(end);
}

int SagaSinsatuProc::WrapPrint(PrintDevice& device, const QString& text, int width, float pitch, float y, float x,
                               float size)
{
    return GyoWakePrint(device, text, x, y, width, pitch, size, Mincho, Left, GyoWakeCount::Characters);
}

void SagaSinsatuProc::print(PrintDevice& device, const SindansyoEpisode& episode, int page, float x0)
{
    const int boxes = page == 3 ? 2 : 6;
    for (int i = 0; i < boxes; ++i) {
        const BoxPrint b{device, episode, 4 + 66 * page + 11 * i, Boxes[i], x0};
        printHeader(b);
        printOusin(b);
        printTiryoRows(b);
        float y = b.box.y + b.box.pictDy;
        PictPrintProc(device, ValueReader::leadingInt(b.line(8, 2)), b.X(-15), y);
    }
}
