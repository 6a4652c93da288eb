#include "KartePrintProc.h"

#include "chart/KarteBlock.h"
#include "common/ByteLenProc.h"
#include "common/MojiPrintProc.h"
#include "common/PictPrintProc.h"
#include "common/PrintDevice.h"
#include "common/SharedUtil.h"
#include "common/ValueReader.h"

#include <QList>
#include <cmath>

namespace {

constexpr int Mincho = 1;
constexpr int Left = 1;
constexpr int Right = 2;
constexpr float Pitch = 34.0f / 12.0f;

// A head value of the examination's line 0: the field split at sep, printed only when it gives
// exactly as many parts as there are x positions (a whole field when sep is empty), at y + dy.
struct HeadItem
{
    int field;
    QChar sep;
    QList<float> xs;
    float dy;
    int firstPart = 0;   // the parts before it are not printed
};

const QList<HeadItem>& headItems()
{
    static const QList<HeadItem> items = {
        {4, u',', {10, 17, 25, 35}, 0},
        {5, u',', {54, 64}, 0},
        {6, u',', {83, 93}, 0},
        {7, QChar(), {105}, 0},
        {8, QChar(), {130}, 0},
    };
    return items;
}

// The amounts of a treatment line, right-aligned at 10 pt: standard, drug price, B points.
struct Amount
{
    int field;
    float x;
};
constexpr Amount Amounts[] = {{5, 138}, {7, 157}, {8, 175}};

float headY(int slot)
{
    return 95.5f + 39.0f * float(slot);
}

// The first treatment line of a slot: the head line plus 5 mm, rounded half to even.
float treatmentBase(int slot)
{
    return float(std::nearbyint(headY(slot) + 5.0f));
}

struct Slot
{
    PrintDevice& device;
    const KarteBlock& grid;
    float baseX;
    int r;        // row of the examination's line 0
    float base;   // the first treatment line
    int n = 0;    // text lines used so far by the treatment column

    float y() const { return base + Pitch * float(n); }

    void text(const QString& s, float size, float x, float y, int align = Left) const
    {
        MojiPrintProc(device, s, size, Mincho, baseX + x, y, align, 0);
    }
};

void printHead(const Slot& s, float y)
{
    for (const HeadItem& item : headItems()) {
        const QString field = s.grid.cell(s.r, item.field);
        const QStringList parts = item.sep.isNull() ? QStringList{field} : field.split(item.sep);
        if (parts.size() != item.xs.size())
            continue;
        for (int k = 0; k < parts.size(); ++k)
            s.text(parts.at(k), 9, item.xs.at(k), y + item.dy);
    }
    QStringList date = s.grid.cell(s.r, 2).split(u',');
    if (date.size() != 3)
        date = s.grid.cell(s.r, 2).split(u'.');
    if (date.size() == 3) {
        s.text(date.at(1), 9, 7.5f, y + 5);
        s.text(date.at(2), 9, 20, y + 5);
    }
    const QStringList tpr = s.grid.cell(s.r, 3).split(u' ');
    const float tprX[] = {3, 18, 32};
    if (tpr.size() == 3) {
        for (int k = 0; k < 3; ++k) {
            const qsizetype eq = tpr.at(k).indexOf(u'=');
            if (eq >= 0)
                s.text(SharedUtil::Trim(tpr.at(k).mid(eq + 1)), 9, tprX[k], y + 10);
        }
    }
}

// The pieces a long content prints in: up to 39 characters 19 and the rest, up to 59 19, 19 and
// the rest, beyond that 19, 19, 20 and the rest.
QStringList contentPieces(const QString& t)
{
    const int widths[] = {19, 19, 20};
    const int count = t.size() < 40 ? 2 : t.size() < 60 ? 3 : 4;
    QStringList pieces;
    int at = 0;
    for (int k = 0; k < count - 1; ++k) {
        pieces.append(t.mid(at, widths[k]));
        at += widths[k];
    }
    pieces.append(t.mid(at));
    return pieces;
}

// The content (category and name) of a treatment line; returns the text lines it used.
int printContent(Slot& s, const QStringList& line, float y)
{
    const QString category = line.at(3).count(u':') == 1 ? line.at(3).section(u':', 0, 0) : line.at(3);
    if (category.isEmpty())
        return 0;
    const QString t = line.at(3) + line.at(4);
    const int length = int(t.size());
    QStringList pieces;
    if (ByteLenProc(t) <= 37 || length == 18 || length == 19) {
        pieces = {t};
    } else if (t.count(u':') == 1 && t.indexOf(u':') < 20 && length - t.indexOf(u':') - 1 < 20) {
        pieces = t.split(u':');
    } else {
        pieces = contentPieces(t);
    }
    for (int k = 0; k < pieces.size(); ++k)
        s.text(pieces.at(k), 7.5f, k == 0 ? 59 : 61, y + Pitch * float(k));
    return int(pieces.size());
}

// The quantity of a treatment line; contentLines is what the content used on this line.
void printQuantity(Slot& s, const QStringList& line, float y, int contentLines)
{
    const QString q = line.at(6);
    if (q.isEmpty())
        return;
    const bool noCategory = line.at(3).isEmpty();
    // Lines the quantity adds when it takes two lines: all when no content stands beside it,
    // one below a content of one line, none below a longer content.
    const int twoLineGrowth = noCategory ? 2 : contentLines == 1 ? 1 : 0;
    if (q.startsWith(QStringLiteral("往診"))) {
        const QStringList parts = q.split(u'：');
        s.text(parts.value(0) + u':' + parts.value(1), 7, 108, y);
        s.text(parts.value(2), 7, 108, y + Pitch);
        s.n += twoLineGrowth;
    } else if (q.size() <= 7) {
        s.text(q, 8, 108, y);
        s.n += noCategory ? 1 : 0;
    } else if (q.size() <= 10) {
        s.text(q, 7, noCategory ? 103 : 108, y);
        s.n += noCategory ? 1 : 0;
    } else {
        const float x = noCategory ? 103 : 108;
        s.text(q.left(10), 7, x, y);
        s.text(q.mid(10), 7, x, y + Pitch);
        s.n += twoLineGrowth;
    }
}

void printTreatment(Slot& s, const QStringList& line)
{
    const float y = s.y();
    const int contentLines = printContent(s, line, y);
    s.n += contentLines;
    printQuantity(s, line, y, contentLines);
    for (const Amount& a : Amounts)
        s.text(line.at(a.field), 10, a.x, y, Right);
}

void printPicture(const Slot& s, float y)
{
    const double value = ValueReader::leadingNumber(s.grid.cell(s.r + 8, 2));
    if (value <= 0)
        return;
    float py = y + 5;   // PictPrintProc writes its corrected y back; the slot keeps its own
    PictPrintProc(s.device, int(std::nearbyint(value)), s.baseX + 45, py);
}

} // namespace

void KartePrintProc(PrintDevice& device, const KarteBlock& printGrid, int sheet, float baseX)
{
    if (sheet < 0 || sheet > 4)
        return;
    for (int i = 0; i < 4; ++i) {
        Slot s{device, printGrid, baseX, KarteBlock::sinsatuRow(4 * sheet + i), treatmentBase(i)};
        const float y = headY(i);
        printHead(s, y);
        for (int line = 1; line <= 7; ++line)
            printTreatment(s, printGrid.row(s.r + line));
        printPicture(s, y);
    }
}
