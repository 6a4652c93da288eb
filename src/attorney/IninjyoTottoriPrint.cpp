#include "IninjyoTottoriPrint.h"

#include "IninjyoFormRun.h"

#include "common/PrintDevice.h"
#include "print/common/CircleMarkProc.h"
#include "print/common/FontFitPrintProc.h"
#include "print/common/PrintTextAlignProc.h"

namespace {
using L = IninjyoList;
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
constexpr float NewFormShift = 6;

void header(PrintDevice& device, const IninjyoFormLayout::Page& page)
{
    const IninjyoPrintData& d = *page.data;
    const FormOffset at{0, 0, d.offX, d.offY - page.shift};
    if (page.numbered)
        PrintTextAlignProc(device, Mincho, 12, 2, 0, QStringLiteral("No.%1").arg(page.number), 181, 17, at);
    if (page.shift == 0)
        PrintTextAlignProc(device, Mincho, 14, 4, 0, QStringLiteral("鳥取県"), 43, 36, at);
    PrintTextAlignProc(device, Mincho, 15, 1, 33, d.doctorName, 36, 81, at);
    IninjyoFormRun::datePrint(device, d.date, {138, 151, 164}, 29, d.offX, d.offY);
    if (page.shift != 0)
        CircleMarkProc(device, 170, 285, 3, at);
}

void row(PrintDevice& device, const IninjyoFormLayout::Page& page, const QStringList& r, float y)
{
    const IninjyoPrintData& d = *page.data;
    const FormOffset at{0, 0, d.offX, d.offY - page.shift};
    PrintTextAlignProc(device, Mincho, 9.5f, 3, 0, IninjyoTottoriPrint::kindGroup(r.value(L::KyosaiCol)), 42, y, at);
    PrintTextAlignProc(device, Mincho, 10.5f, 3, 0, r.value(L::KotaiCol), 60, y, at);
    PrintTextAlignProc(device, Mincho, 11, 4, 0, r.value(L::HiCol), 166, y, at);
    FontFitPrintProc(device, 71, y, 30, 14, r.value(L::ByoCol), 8.5f, 10.5f, at, 1);
    IninjyoFormRun::datePrint(device, r.value(L::SyosinCol), {105, 113, 120.5f}, y, d.offX, d.offY - page.shift);
    IninjyoFormRun::datePrint(device, r.value(L::SyusinCol), {127.5f, 135, 142}, y, d.offX, d.offY - page.shift);
}
} // namespace

QString IninjyoTottoriPrint::kindGroup(const QString& kyosai)
{
    static const QStringList nyuyo{"成乳牛", "育成乳牛", "乳用子牛", "乳用胎児"};
    static const QStringList nikuyo{"肥育用成牛", "肥育用子牛", "他肉成牛", "他肉子牛", "他肉胎児"};
    if (nyuyo.contains(kyosai))
        return QStringLiteral("乳用牛");
    if (nikuyo.contains(kyosai))
        return QStringLiteral("肉用牛");
    return QString();
}

void IninjyoTottoriPrint::IninjyoTottoriPrintProc(PrintDevice& device, const IninjyoPrintData& data,
                                                  IninjyoPrintNotes& notes)
{
    IninjyoFormLayout layout;
    layout.firstRowY = 147;
    layout.pitch = 14;
    layout.shift = data.insatu[2] ? NewFormShift : 0;
    layout.totalSize = 13;
    layout.totalX = 106;
    layout.totalY = 119.5f;
    layout.header = header;
    layout.row = row;
    IninjyoFormRun::run(device, data, layout, notes);
}
