#include "SinryoIbaragiPrint.h"

#include "SinryoKirokuGroup.h"

#include "common/PrintDevice.h"
#include "print/common/DrawnForm.h"
#include "print/common/FontFitPrintProc.h"
#include "print/common/PrintTextAlignProc.h"

namespace {
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
constexpr int RowsPerHalf = 12;
constexpr int RowsPerSheet = 24;

// The frame as drawn (its design origin (15, 27) moved 3.5 mm left and 2 mm up) and the fixed
// texts at their design positions.
DrawnForm ledgerSheet(const SinryoPrintData& data)
{
    DrawnForm form;
    const auto caption = [&form](const QString& text, float size, int align, float x, float y) {
        form.captions.append({text, Mincho, size, align, x, y});
    };
    caption(QStringLiteral("診療台帳"), 11, 3, 143.5f, 12);
    caption(QStringLiteral("獣医師     ") + data.doctorName, 9.5f, 2, 233, 21);
    caption(data.kikanText(), 8.5f, 2, 15, 22);
    for (const float half : {0.0f, 133.0f}) {
        caption(QStringLiteral("診療日"), 10, 3, 19 + half, 28);
        caption(QStringLiteral("個体（識別）番号"), 10, 3, 45 + half, 28);
        caption(QStringLiteral("種別"), 10, 3, 71 + half, 28);
        caption(QStringLiteral("治療に用いた動物用医薬品名等"), 10, 3, 111 + half, 28);
    }
    caption(QStringLiteral("診療種別：1 診察料　2 薬治料　3 文書料　4 検査料　5 注射料　6 処置料　7 指導料　8 手術料"
                           "　9 入院料　10 共済事故外診療"),
            9.5f, 2, 15, 185);
    caption(QStringLiteral("(該当する種別の番号を記入)"), 8, 2, 15, 189);

    form.lines = DrawnForm::box(11.5f, 25, 276.5f, 181, 5);
    form.lines.append({11.5f, 31, 276.5f, 31, 5});
    for (const float x : {27.5f, 63.5f, 79.5f})
        form.lines.append({x, 25, x, 181, 2});
    form.lines.append({144, 25, 144, 181, 5});
    form.lines.append({144.5f, 25, 144.5f, 181, 5});
    for (const float x : {160.5f, 196.5f, 212.5f})
        form.lines.append({x, 25, x, 181, 2});
    for (int m = 1; m <= 11; ++m)
        form.lines.append({11.5f, 31 + 12.5f * float(m), 276.5f, 31 + 12.5f * float(m), 2});
    form.lines.append({225.5f, 23.5f, 270.5f, 23.5f, 3});
    return form;
}

void printRow(PrintDevice& device, const SinryoKirokuRecord& r, const QStringList& v, int place,
              const FormOffset& offset)
{
    const float x0 = place < RowsPerHalf ? 15 : 149;
    const float y = 38.25f + 12.5f * float(place % RowsPerHalf);
    PrintTextAlignProc(device, Mincho, 10.5f, 4, 0, r.Manth + QStringLiteral("月") + r.Day + QStringLiteral("日"), x0 + 10,
                       y, offset);
    PrintTextAlignProc(device, Mincho, 10.5f, 2, 0, r.MimiMeigou, x0 + 21, y, offset);
    PrintTextAlignProc(device, Mincho, 10.5f, 3, 0, v.at(0), x0 + 57, y, offset);
    FontFitPrintProc(device, x0 + 67, y, 60, 12, SinryoIbaragiPrint::tiryoText(v), 8.5f, 10.5f, offset, 1);
}
} // namespace

QString SinryoIbaragiPrint::tiryoText(const QStringList& v)
{
    QString text = v.at(1);
    if (!v.at(2).isEmpty())
        text += QLatin1Char(':') + v.at(2);
    if (!v.at(3).isEmpty())
        text += QLatin1Char(':') + v.at(3);
    return text;
}

void SinryoIbaragiPrint::SinryoIbaragiPrintProc(PrintDevice& device, const SinryoPrintData& data)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Landscape);
    const DrawnForm sheet = ledgerSheet(data);
    const FormOffset offset{0, 0, data.offX, data.offY};
    bool first = true;
    for (const SinryoSyukei::Member& member : data.members) {
        if (!first && !data.records.isEmpty())
            device.newPage();
        first = false;
        int j = 0;
        bool drawn = false;
        for (const qsizetype i : data.recordsOf(member)) {
            const SinryoKirokuRecord& r = data.records.at(i);
            if (!drawn)
                sheet.draw(device, offset);
            drawn = true;
            for (const QString& line : r.TiryoLines) {
                printRow(device, r, SinryoKirokuGroup::values(line), j, offset);
                if (++j == RowsPerSheet) {
                    device.newPage();
                    j = 0;
                    sheet.draw(device, offset);
                }
            }
        }
    }
}
