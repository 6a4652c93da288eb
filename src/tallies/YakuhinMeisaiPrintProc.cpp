#include "YakuhinMeisaiPrintProc.h"

#include "common/PrintDevice.h"
#include "print/common/ListPrintRule.h"

namespace {

constexpr int RowsPerPage = 24;
constexpr int Size = 11;
constexpr int Mincho = 1;
constexpr int WrapLimit = 18;
constexpr float WrapPitch = 3;

struct Sen
{
    float x1, y1, x2, y2;
    int width;
    int count = 1;
    float dx = 0;
    float dy = 0;
};

// The page form: frame and heading rule, the 23 row rules and the three column rules.
const QList<Sen> FormLines = {
    {20, 50, 190, 50, 7},   {190, 50, 190, 252, 7}, {190, 252, 20, 252, 7}, {20, 252, 20, 50, 7},
    {20, 60, 190, 60, 7},   {20, 68, 190, 68, 4, 23, 0, 8}, {29, 50, 29, 252, 4}, {99, 50, 99, 252, 4},
    {169, 50, 169, 252, 4},
};

struct Caption
{
    QString text;
    float x;
};
const QList<Caption> Headings = {{QStringLiteral("No"), 24.5f}, {QStringLiteral("薬品名"), 65},
                                 {QStringLiteral("規格・適用"), 135}, {QStringLiteral("数量"), 180}};

float rowY(int slot)
{
    return 64.0f + 8.0f * float(slot);
}

QString title(const YakuhinSyukei::Joken& boxes)
{
    return QStringLiteral("令和 ") + boxes.nen + QStringLiteral(" 年 ") + boxes.fromTuki + QStringLiteral(" 月～ ")
        + boxes.toTuki + QStringLiteral(" 月までの薬品使用明細");
}

// The form of a page; number is the row number of its first slot.
void printForm(ListPrintRule& rule, const YakuhinSyukei::Joken& boxes, int number)
{
    for (const Sen& s : FormLines) {
        for (int k = 0; k < s.count; ++k)
            rule.line(s.x1 + s.dx * float(k), s.y1 + s.dy * float(k), s.x2 + s.dx * float(k), s.y2 + s.dy * float(k),
                      s.width);
    }
    for (const Caption& c : Headings)
        rule.text(c.text, Size, Mincho, ListPrintRule::Centre, c.x, 55);
    for (int slot = 0; slot < RowsPerPage; ++slot)
        rule.text(QString::number(number + slot), Size, Mincho, ListPrintRule::Centre, 24.5f, rowY(slot));
    rule.text(title(boxes), Size, Mincho, ListPrintRule::Start, 60, 43);
}

} // namespace

bool YakuhinMeisaiPrintProc(PrintDevice& device, const QList<YakuhinSyukei::Row>& rows,
                            const YakuhinSyukei::Joken& boxes, float twipPerMm, QString* errorText)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    ListPrintRule rule(device, ListPrintRule::TextY::Middle, 0, 0, twipPerMm);
    printForm(rule, boxes, 1);
    for (int i = 0; i < rows.size(); ++i) {
        const int slot = i % RowsPerPage;
        if (i > 0 && slot == 0) {
            device.newPage();
            printForm(rule, boxes, i + 1);
        }
        const YakuhinSyukei::Row& row = rows.at(i);
        const float y = rowY(slot);
        rule.wrapped(row.name, Size, Mincho, ListPrintRule::Start, 32, WrapLimit, y, WrapPitch);
        rule.wrapped(row.kikaku, Size, Mincho, ListPrintRule::Start, 104, WrapLimit, y, WrapPitch);
        rule.wrapped(row.suryo, Size, Mincho, ListPrintRule::End, 185, WrapLimit, y, WrapPitch);
    }
    return device.endDoc(errorText);
}
