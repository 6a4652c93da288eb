#include "KarteKenanOitaProc.h"

#include "KarteSheetOitaProc.h"
#include "KenanOitaSource.h"

#include "common/MojiPrintProc.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/ValueReader.h"
#include "print/common/ChoiceMark.h"
#include "print/common/GyoWakePrint.h"
#include "print/common/PrintItem.h"
#include "print/common/SindansyoText.h"

namespace {

using PrintAlign::Centre;
using PrintAlign::Left;
constexpr float X0 = KarteKenanOitaProc::X0;
constexpr float Y0 = KarteKenanOitaProc::Y0;
constexpr int Mincho = 1;

using Kenan = KenanOitaSource;

QString hidukePart(const Kenan& t, int part)
{
    const QString text = t.c.PrintHiduke.split(QLatin1Char('.')).value(part);
    return part == 0 ? SindansyoText::withoutEra(text) : text;
}

const PrintItemTable<Kenan>& headItems()
{
    static const PrintItemTable<Kenan> table = {
        {"farmer address and name", [](const Kenan& t) { return t.e.nouka(4) + QStringLiteral("     ") + t.e.nouka(2); },
         13, Mincho, Left, 125, 17},
        {"farmer code", [](const Kenan& t) { return t.e.nouka(3); }, 11, Mincho, Centre, 95, 29},
        {"association code", [](const Kenan&) { return QStringLiteral("20"); }, 14, Mincho, Centre, 38, 27},
        {"individual number", [](const Kenan& t) { return SindansyoText::meigouParts(t.e.kotai(6)).at(1); }, 12,
         Mincho, Left, 143, 27},
        {"ear tag", [](const Kenan& t) { return t.e.kotai(10); }, 12, Mincho, Left, 210, 27,
         [](const Kenan& t) { return t.mimibanPrinted(); }},
        {"birth year", [](const Kenan& t) { return t.e.kotai(4).split(QLatin1Char('.')).value(0); }, 11, Mincho,
         Left, 123, 37},
        {"birth month", [](const Kenan& t) { return t.e.kotai(4).split(QLatin1Char('.')).value(1); }, 11, Mincho,
         Left, 142, 37},
        {"features", [](const Kenan& t) { return t.e.kotai(12); }, 10.5f, Mincho, Left, 183, 37},
    };
    return table;
}

const QList<ChoiceMark> HokenMarks = {{QStringLiteral("包"), 22, 17}, {QStringLiteral("個"), 32, 17}};
const QList<ChoiceMark> SeibetuMarks = {
    {QStringLiteral("雌"), 79, 37}, {QStringLiteral("雄"), 85, 37}, {QStringLiteral("去"), 92, 37}};
const QList<ChoiceMark> TenkiMarks = {
    {QStringLiteral("死亡"), 236, 37}, {QStringLiteral("法令殺"), 242, 37}, {QStringLiteral("廃用"), 249, 37}};

// One disease's name, dates and counts on its row (dy).
void printByoRow(PrintDevice& device, const Kenan& t, int row, float dy)
{
    const QString name = t.e.cell(row, 2);
    if (!name.isEmpty())
        GyoWakePrint(device, name, X0 + 13, Y0 + dy - (name.size() > 19 ? 2 : 0), 19, 3, 10, Mincho, Left);
    const bool dated = row == SindansyoEpisode::NameRow || !t.g(1, 3).isEmpty();
    const float xs[4][3] = {{92, 101.5f, 110}, {130, 139, 147.5f}, {169, 178, 187}, {208, 216, 225}};
    for (int d = 0; dated && d < 4; ++d) {
        if (d == 3 && t.g(0, 8) == QStringLiteral("未"))
            continue;
        const QStringList parts = t.e.cell(row, 4 + d).split(QLatin1Char('.'));
        for (int i = 0; i < 3; ++i)
            MojiPrintProc(device, parts.value(i), 10, Mincho, X0 + xs[d][i], Y0 + dy, Centre, 0);
    }
    if (row == SindansyoEpisode::NameRow)
        MojiPrintProc(device, t.g(0, 9), 11, Mincho, X0 + 247, Y0 + dy, Centre, 0);
    else if (!t.g(1, 2).isEmpty() && ValueReader::leadingNumber(t.g(1, 9)) > 0)
        MojiPrintProc(device, t.g(1, 9), 11, Mincho, X0 + 247, Y0 + dy, Centre, 0);
}

void printCourse(PrintDevice& device, const Kenan& t)
{
    int lines = 0;
    for (int j = 0; j < 13; ++j) {
        const int r = SindansyoEpisode::sinsatuRow(j);
        const QString text = t.e.cell(r, 2) + QStringLiteral("  ") + SharedUtil::Trim(t.e.cell(r + 1, 2));
        lines += GyoWakePrint(device, text, X0 + 7, Y0 + 92 + 4.5f * float(lines), 70, 4, 10.5f, Mincho, Left);
    }
}

void printDoctor(PrintDevice& device, const Kenan& t)
{
    for (int part = 0; part < 3; ++part)
        MojiPrintProc(device, hidukePart(t, part), 12, Mincho, X0 + 33 + 19 * float(part), Y0 + 150, Centre, 0);
    MojiPrintProc(device, t.doctor("DoctorAd1", "DoctorAd2"), 10, Mincho, X0 + 95, Y0 + 155, Left, 0);
    if (!t.clinicB())
        return;
    MojiPrintProc(device, t.doctor("DoctorName1", "DoctorName2"), 12, Mincho, X0 + 210, Y0 + 154,
                  Left, 0);
    if (t.doc1())
        MojiPrintProc(device, t.site("ClinicName"), 13, Mincho, X0 + 200, Y0 + 148, Left, 0);
}

} // namespace

void KarteKenanOitaProc::kenanSheet(PrintDevice& device, const SindansyoPrintContext& context,
                                    const SindansyoEpisode& e)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Landscape);
    // The dialog's adjustment takes the place of the calibration's offsets for this print only.
    PrintHoseiInfo& hosei = SharedState::get().PrintHosei;
    const PrintHoseiInfo kept = hosei;
    hosei.YokoHosei = float(ValueReader::leadingNumber(context.text(QStringLiteral("inpTx(2)"))));
    hosei.TateHosei = float(ValueReader::leadingNumber(context.text(QStringLiteral("inpTx(3)"))));

    const Kenan t{context, e};
    ChoiceMark::print(device, SharedUtil::Trim(e.kotai(8)), HokenMarks, X0, Y0);
    PrintItemProc(device, headItems(), t, X0, Y0);
    ChoiceMark::print(device, e.kotai(5), SeibetuMarks, X0, Y0);
    ChoiceMark::print(device, t.g(0, 8), TenkiMarks, X0, Y0);
    const bool byo2First = context.ch(QStringLiteral("ByoCh")) == 1;
    printByoRow(device, t, SindansyoEpisode::NameRow, byo2First ? 56 : 48);
    printByoRow(device, t, SindansyoEpisode::Data1Row, byo2First ? 48 : 56);
    if (!t.g(2, 2).isEmpty())
        GyoWakePrint(device, t.g(2, 2), X0 + 10, Y0 + 72, 28, 3.2f, 10, Mincho, Left);
    if (!t.g(2, 5).isEmpty())
        GyoWakePrint(device, t.g(2, 5), X0 + 127, Y0 + 72, 28, 3.2f, 10, Mincho, Left);
    printCourse(device, t);
    printDoctor(device, t);
    hosei = kept;
}

SindansyoPrintRun::Result KarteKenanOitaProc::print(PrintDevice& device, const SindansyoPrintContext& context,
                                                    const PrintJobEntry& entry, int mode)
{
    const SindansyoEpisode episode =
        SindansyoEpisode::load(context.kartePath(entry.karteFile), entry.byoName, entry.syosinDate);
    if (!episode.found())
        return {0, SindansyoPrintRun::refusal(episode)};
    if (context.Site.has(QStringLiteral("SiteOitaClinicB"))) {
        QString name = context.Site.text(QStringLiteral("DoctorName1"));
        name.remove(QLatin1Char(' ')).remove(QChar(0x3000));
        SharedState::get().DoctorInfo = {context.Site.text(QStringLiteral("DoctorAd1")), name, QStringLiteral("****")};
    }
    if (mode == 1)
        return {KarteSheetOitaProc::print(device, context, episode), QString()};
    if (mode == 4) {
        kenanSheet(device, context, episode);
        return {1, QString()};
    }
    return {};
}
