#include "IninjyoGunmaPrint.h"

#include "IninjyoFormRun.h"

#include "common/MojiPrintProc.h"
#include "common/PrintDevice.h"
#include "print/common/FontFitPrintProc.h"
#include "print/common/PrintTextAlignProc.h"

namespace {
using L = IninjyoList;
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");

void header(PrintDevice& device, const IninjyoFormLayout::Page& page)
{
    const IninjyoPrintData& d = *page.data;
    const FormOffset at{0, 0, d.offX, d.offY};
    if (page.numbered)
        PrintTextAlignProc(device, Mincho, 12, 2, 0, QStringLiteral("No.%1").arg(page.number), 185, 39, at);
    PrintTextAlignProc(device, Mincho, 13, 3, 0, d.doctorName, 165, 98, at);
    IninjyoFormRun::datePrint(device, d.date, {136, 155, 173}, 65, d.offX, d.offY);
}

void row(PrintDevice& device, const IninjyoFormLayout::Page& page, const QStringList& r, float y)
{
    const IninjyoPrintData& d = *page.data;
    const FormOffset at{0, 0, d.offX, d.offY};
    if (const std::optional<float> x = IninjyoGunmaPrint::kindX(r.value(L::KyosaiCol)))
        MojiPrintProc(device, QString(), 1, 1, *x + d.offX, y + d.offY, 0, 1);
    PrintTextAlignProc(device, Mincho, 9, 3, 0, r.value(L::KotaiCol), 96, y, at);
    PrintTextAlignProc(device, Mincho, 11, 4, 0, r.value(L::HiCol), 177, y, at);
    FontFitPrintProc(device, 103, y, 19, 11, r.value(L::ByoCol), 8, 9.5f, at, 1);
    IninjyoFormRun::datePrint(device, r.value(L::SyosinCol), {124, 131, 137}, y, d.offX, d.offY);
    IninjyoFormRun::datePrint(device, r.value(L::SyusinCol), {142.5f, 149.5f, 156}, y, d.offX, d.offY);
}
} // namespace

std::optional<float> IninjyoGunmaPrint::kindX(const QString& kyosai)
{
    static const QStringList kinds{"成乳牛",   "育成牛",   "乳用出子", "乳用胎児", "乳用子牛", "肥育成牛", "肥育子牛",
                                   "他肉成牛", "他肉出子", "他肉胎児", "他肉子牛", "種豚",     "一般馬",   "肉種牛"};
    const qsizetype k = kinds.indexOf(kyosai);
    if (k < 0)
        return std::nullopt;
    return 25 + 4 + 4.61f * float(k);
}

void IninjyoGunmaPrint::IninjyoGunmaPrintProc(PrintDevice& device, const IninjyoPrintData& data,
                                              IninjyoPrintNotes& notes)
{
    IninjyoFormLayout layout;
    layout.firstRowY = 162.5f;
    layout.pitch = 11;
    layout.needsKotai = true;
    layout.totalSize = 15;
    layout.totalX = 90;
    layout.totalY = 141.5f;
    layout.header = header;
    layout.row = row;
    IninjyoFormRun::run(device, data, layout, notes);
}
