#include "SinryoMiePrint.h"

#include "SinryoKirokuGroup.h"

#include "common/PrintDevice.h"
#include "print/common/DrawnForm.h"
#include "print/common/FontFitPrintProc.h"
#include "print/common/PrintTextAlignProc.h"

namespace {
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
constexpr int RowsPerPage = 30;
constexpr float Pitch = 8.63f;

// The ruling in layout coordinates; it is drawn 3.5 mm left and 2 mm up of them.
const DrawnForm& mieRules()
{
    static const DrawnForm form = [] {
        DrawnForm f;
        f.lines = DrawnForm::box(15, 18, 195, 283, 5);
        f.lines.append({15, 24, 195, 24, 5});
        for (const float x : {31.0f, 56.0f, 111.0f, 120.0f, 165.0f, 175.0f, 185.0f})
            f.lines.append({x, 18, x, 283, 2});
        for (int m = 1; m <= RowsPerPage; ++m)
            f.lines.append({15, 24 + Pitch * float(m), 195, 24 + Pitch * float(m), 2});
        return f;
    }();
    return form;
}

DrawnForm mieHeadings(const QString& member, const SinryoPrintData& data)
{
    DrawnForm f;
    const QList<std::pair<QString, float>> headings{
        {"診療日", 19},  {"個体(識別)番号", 40}, {"処置・薬品名等", 80}, {"数量", 112},
        {"病      名", 139.5f}, {"開始", 166.5f},     {"終了", 176.5f},         {"転帰", 186},
    };
    for (const auto& [text, x] : headings)
        f.captions.append({text, Mincho, 10, 3, x, 19});
    f.captions.append({member, Mincho, 12, 2, 15, 13});
    f.captions.append({data.kikanText(), Mincho, 8.5f, 4, 185, 13});
    return f;
}

void printRow(PrintDevice& device, const SinryoKirokuRecord& r, const QStringList& v, int row, const FormOffset& at)
{
    const float y = 18 + Pitch / 2 + 4 + Pitch * float(row);
    const QString tiryo = v.at(2).isEmpty() ? v.at(1) : v.at(1) + QLatin1Char(':') + v.at(2);
    PrintTextAlignProc(device, Mincho, 10.5f, 4, 0, r.Manth + QStringLiteral("月") + r.Day + QStringLiteral("日"), 27, y, at);
    PrintTextAlignProc(device, Mincho, 10.5f, 2, 0, r.MimiMeigou, 30, y, at);
    FontFitPrintProc(device, 54, y, 53, 8.3f, tiryo, 8.5f, 10.5f, at, 1);
    PrintTextAlignProc(device, Mincho, 10.5f, 3, 0, SinryoMiePrint::suryoText(v.at(3)), 112, y, at);
    FontFitPrintProc(device, 118, y, 43, 8.3f, v.at(5), 8.5f, 10.5f, at, 1);
    PrintTextAlignProc(device, Mincho, 9, 4, 0, v.at(7), 170, y, at);
    PrintTextAlignProc(device, Mincho, 9, 4, 0, v.at(8), 180, y, at);
    PrintTextAlignProc(device, Mincho, 9, 3, 0, v.at(6), 186.5f, y, at);
}
} // namespace

QString SinryoMiePrint::suryoText(const QString& suryo)
{
    return suryo.startsWith(QLatin1Char('.')) ? QLatin1Char('0') + suryo : suryo;
}

void SinryoMiePrint::SinryoMiePrintProc(PrintDevice& device, const SinryoPrintData& data)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    const FormOffset at{0, 0, data.offX, data.offY};
    const FormOffset rulesAt{-3.5f, -2, data.offX, data.offY};
    bool first = true;
    for (const SinryoSyukei::Member& member : data.members) {
        if (!first && !data.records.isEmpty())
            device.newPage();
        first = false;
        const DrawnForm headings = mieHeadings(member.name, data);
        const auto frame = [&] {
            mieRules().draw(device, rulesAt);
            headings.draw(device, at);
        };
        int row = 0;
        bool framed = false;
        for (const qsizetype i : data.recordsOf(member)) {
            const SinryoKirokuRecord& r = data.records.at(i);
            if (!framed)
                frame();
            for (const QString& line : r.TiryoLines) {
                printRow(device, r, SinryoKirokuGroup::values(line), row, at);
                framed = true;
                if (++row == RowsPerPage) {
                    device.newPage();
                    row = 0;
                    frame();
                }
            }
        }
    }
}
