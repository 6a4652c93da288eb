#include "SindansyoOkinawaProc.h"

#include "OkinawaSinsatuProc.h"
#include "SindansyoWakuOkinawaProc.h"

#include "common/KingakuFormatProc.h"
#include "common/MojiPrintProc.h"
#include "common/NoukaFileSearch.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/SindansyoPageCount.h"
#include "common/ValueReader.h"
#include "print/common/ChoiceMark.h"
#include "print/common/GyoWakePrint.h"
#include "print/common/PrintItem.h"
#include "print/common/SindansyoText.h"

namespace {

using PrintAlign::Centre;
using PrintAlign::Left;
using PrintAlign::Right;

constexpr int Mincho = 1;
constexpr float OX = SindansyoWakuOkinawaProc::OriginX;
constexpr float OY = SindansyoWakuOkinawaProc::OriginY;
const QString ClinicSite = QStringLiteral("SiteOkinawaClinic");

// What the items of one certificate print from.
struct Okinawa
{
    const SindansyoPrintContext& c;
    const SindansyoEpisode& e;
    DoctorInfoData doctor;
    QStringList nouka;     // the current farmer's register line, split at ","; empty when not found

    QString cell(int row, int f) const { return e.cell(row, f); }
    bool clinic() const { return c.Site.has(ClinicSite); }
    // The animal field 6 split at ":": the name before the first, the number between it and
    // the second.
    QStringList meigou() const { return e.kotai(6).split(QLatin1Char(':')); }
};

QString datePart(const QString& date, int part, bool era = false)
{
    const QString text = date.split(QLatin1Char('.')).value(part);
    return era ? SindansyoText::withoutEra(text) : text;
}

bool birthDated(const Okinawa& o) { return o.e.kotai(4).contains(QLatin1Char('.')); }
bool calvingDated(const Okinawa& o) { return o.cell(1, 12).contains(QLatin1Char('.')); }
bool hidukeDated(const Okinawa& o) { return o.c.PrintHiduke.contains(QLatin1Char('.')); }
bool registered(const Okinawa& o) { return !o.nouka.isEmpty(); }

// The items at a fixed place, offsets from the layout origin, in the order of the sections.
const PrintItemTable<Okinawa>& headingItems()
{
    static const PrintItemTable<Okinawa> table = {
        {"birth year", [](const Okinawa& o) { return datePart(o.e.kotai(4), 0, true); }, 10, Mincho, Centre, 47, 37,
         birthDated},
        {"birth month", [](const Okinawa& o) { return datePart(o.e.kotai(4), 1); }, 10, Mincho, Centre, 53, 37,
         birthDated},
        {"birth day", [](const Okinawa& o) { return datePart(o.e.kotai(4), 2); }, 10, Mincho, Centre, 60, 37,
         birthDated},
        {"insurance 包", nullptr, 10, Mincho, Centre, 13, 5,
         [](const Okinawa& o) { return SharedUtil::Trim(o.e.kotai(8)) == QStringLiteral("包"); },
         PrintItemCircle<Okinawa>},
        {"insurance 個", nullptr, 10, Mincho, Centre, 18, 5,
         [](const Okinawa& o) { return SharedUtil::Trim(o.e.kotai(8)) == QStringLiteral("個"); },
         PrintItemCircle<Okinawa>},
        {"farmer address", [](const Okinawa& o) { return o.e.nouka(4); }, 10, Mincho, Centre, 55, 5},
        {"farmer name", [](const Okinawa& o) { return o.e.nouka(2); }, 12, Mincho, Centre, 98, 5},
        {"farmer number", [](const Okinawa& o) { return SharedUtil::CodeHenkanProc(o.e.nouka(3)); }, 11, Mincho,
         Centre, 75.5f, 15.5f},
        {"area number", [](const Okinawa& o) { return o.nouka.value(7); }, 12, Mincho, Centre, 19, 15.5f, registered},
        {"association number", [](const Okinawa& o) { return o.nouka.value(5); }, 12, Mincho, Centre, 46, 15.5f,
         registered},
        {"animal name and ear tag",
         [](const Okinawa& o) { return o.meigou().at(0) + QStringLiteral("  ") + o.e.kotai(10); }, 10, Mincho,
         Centre, 34, 45},
        {"individual number", [](const Okinawa& o) { return o.meigou().value(1); }, 10, Mincho, Centre, 107, 16},
    };
    return table;
}

// The class: a circle, for the special beef classes and the heifer also the class written in
// the brackets of "特定肉用牛等（　）".
void printTikushu(PrintDevice& device, const Okinawa& o)
{
    static const QList<ChoiceMark> marks = {
        {QStringLiteral("成乳牛"), 31, 24},   {QStringLiteral("肥育牛"), 43, 24},   {QStringLiteral("他肉牛"), 54.5f, 24},
        {QStringLiteral("肉用子牛"), 34.5f, 30}, {QStringLiteral("肉用成牛"), 34.5f, 30}, {QStringLiteral("育成乳牛"), 34.5f, 30},
        {QStringLiteral("種豚"), 65, 30}};
    const QString tikushu = o.e.kotai(1);
    static const QStringList written = {QStringLiteral("肉用子牛"), QStringLiteral("肉用成牛"), QStringLiteral("育成乳牛")};
    ChoiceMark::print(device, tikushu, marks, OX, OY);
    if (written.contains(tikushu))
        MojiPrintProc(device, tikushu, 8.2f, Mincho, OX + 53, OY + 30, Centre, 0);
}

const QList<ChoiceMark> SeibetuMarks = {
    {QStringLiteral("雌"), 11, 37}, {QStringLiteral("雄"), 17.5f, 37}, {QStringLiteral("去"), 23.5f, 37}};
const QList<ChoiceMark> TenkiMarks = {
    {QStringLiteral("治癒"), 96, 56},    {QStringLiteral("死亡"), 109, 56},   {QStringLiteral("法令殺"), 96, 64.5f},
    {QStringLiteral("廃用"), 103, 64.5f}, {QStringLiteral("中止"), 110, 64.5f}};

// A disease's name and code; a text of more than 16 characters starts 3 mm higher.
void printByomei(PrintDevice& device, const Okinawa& o, int row, float y)
{
    const QString text = o.cell(row, 2) + QLatin1Char(' ') + o.cell(row, 3);
    GyoWakePrint(device, text, OX + 16, OY + (text.size() > 16 ? y - 3 : y), 16, 2.7f, 8.5f, Mincho, Left);
}

void printKaisu(PrintDevice& device, const Okinawa& o)
{
    MojiPrintProc(device, o.cell(0, 9), 14, Mincho, OX + 72, OY + 55.5f, Centre, 0);
    if (!o.cell(1, 2).isEmpty() && ValueReader::leadingNumber(o.cell(1, 9)) > 0)
        MojiPrintProc(device, o.cell(1, 9), 14, Mincho, OX + 72, OY + 66, Centre, 0);
}

// The four dates of disease 1, and of disease 2 when it has a code; the outcome dates only with
// an outcome.
void printByoDates(PrintDevice& device, const Okinawa& o)
{
    const float xs[4][3] = {{14, 20, 26}, {41, 47, 55}, {70, 77, 84}, {99, 106, 113}};
    const bool byo2 = !o.cell(1, 3).isEmpty() && !o.cell(1, 3).startsWith(QLatin1Char('-'));
    for (const auto& [row, y] : {std::pair{0, 74.5f}, std::pair{1, 82.5f}}) {
        if (row == 1 && !byo2)
            continue;
        for (int d = 0; d < 4; ++d) {
            const QString date = o.cell(row, 4 + d);
            if (!date.contains(QLatin1Char('.')) || (d == 3 && o.cell(0, 8) == QStringLiteral("未")))
                continue;
            for (int i = 0; i < 3; ++i)
                MojiPrintProc(device, datePart(date, i), 10, Mincho, OX + xs[d][i], OY + y, Centre, 0);
        }
    }
}

const PrintItemTable<Okinawa>& closingItems()
{
    static const PrintItemTable<Okinawa> table = {
        {"calving year", [](const Okinawa& o) { return datePart(o.cell(1, 12), 0); }, 9.5f, Mincho, Centre, 79, 94.5f,
         calvingDated},
        {"calving month", [](const Okinawa& o) { return datePart(o.cell(1, 12), 1); }, 9.5f, Mincho, Centre, 87,
         94.5f, calvingDated},
        {"calving day", [](const Okinawa& o) { return datePart(o.cell(1, 12), 2); }, 9.5f, Mincho, Centre, 95, 94.5f,
         calvingDated},
        {"certificate year", [](const Okinawa& o) { return datePart(o.c.PrintHiduke, 0, true); }, 9.5f, Mincho,
         Centre, 85, 123, hidukeDated},
        {"certificate month", [](const Okinawa& o) { return datePart(o.c.PrintHiduke, 1); }, 9.5f, Mincho, Centre,
         95.5f, 123, hidukeDated},
        {"certificate day", [](const Okinawa& o) { return datePart(o.c.PrintHiduke, 2); }, 9.5f, Mincho, Centre,
         105.5f, 123, hidukeDated},
        {"vet address", [](const Okinawa& o) { return o.doctor.DoctorAd; }, 10.5f, Mincho, Left, 26, 135,
         [](const Okinawa& o) { return o.clinic(); }},
        {"clinic name", [](const Okinawa& o) { return o.c.Site.text(QStringLiteral("ClinicName")); }, 14, Mincho,
         Left, 45, 141, [](const Okinawa& o) { return o.clinic(); }},
        {"vet name", [](const Okinawa& o) { return o.c.Site.text(QStringLiteral("VetNameSpaced")); }, 12.5f, Mincho,
         Left, 53, 152, [](const Okinawa& o) { return o.clinic(); }},
    };
    return table;
}

void printHeading(PrintDevice& device, const Okinawa& o)
{
    PrintItemProc(device, headingItems(), o, OX, OY);
    printTikushu(device, o);
    ChoiceMark::print(device, o.e.kotai(5), SeibetuMarks, OX, OY);
    printByomei(device, o, 0, 55);
    printByomei(device, o, 1, 65);
    ChoiceMark::print(device, o.cell(0, 8), TenkiMarks, OX, OY);
    printKaisu(device, o);
    printByoDates(device, o);
    GyoWakePrint(device, o.cell(2, 2) + QStringLiteral("  ") + o.cell(2, 5), OX + 14, OY + 93, 15, 3.5f, 9.5f, Mincho,
                 Left);
    PrintItemProc(device, closingItems(), o, OX, OY);
}

const PrintItemTable<Okinawa>& totalItems()
{
    static const PrintItemTable<Okinawa> table = {
        {"drug-price total", [](const Okinawa& o) { return KingakuFormatProc(o.cell(3, 2)); }, 10, Mincho, Right, 223,
         154.5f},
        {"B points", [](const Okinawa& o) { return KingakuFormatProc(o.cell(3, 4)); }, 10, Mincho, Right, 235, 154.5f},
        {"A points", [](const Okinawa& o) { return KingakuFormatProc(o.cell(3, 5)); }, 10, Mincho, Right, 249, 154.5f},
        {"B total with drug points", [](const Okinawa& o) { return KingakuFormatProc(o.cell(3, 6)); }, 10, Mincho,
         Right, 235, 162},
        {"A total with drug points", [](const Okinawa& o) { return KingakuFormatProc(o.cell(3, 7)); }, 10, Mincho,
         Right, 249, 162},
        {"fee in yen", [](const Okinawa& o) { return o.cell(3, 8); }, 10, Mincho, Right, 247, 169},
    };
    return table;
}

// The printed veterinarian: the clinic site's own row, else the registers'.
DoctorInfoData doctorOf(const SindansyoPrintContext& c)
{
    if (!c.Site.has(ClinicSite))
        return c.DoctorInfo;
    return {c.Site.text(QStringLiteral("DoctorAd")), c.Site.text(QStringLiteral("DoctorName")),
            c.Site.text(QStringLiteral("DoctorCode"))};
}

} // namespace

SindansyoPrintRun::Result SindansyoOkinawaProc::print(PrintDevice& device, const SindansyoPrintContext& context,
                                                      const PrintJobEntry& entry, int mode)
{
    const SindansyoEpisode episode =
        SindansyoEpisode::load(context.kartePath(entry.karteFile), entry.byoName, entry.syosinDate);
    if (!episode.found())
        return {0, SindansyoPrintRun::refusal(episode)};
    Okinawa o{context, episode, doctorOf(context), {}};
    SharedState::get().DoctorInfo = o.doctor;
    if (mode != 0)
        return {0, QString()};

    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Landscape);
    PrintPageModel::loadPrintSetFile();
    // An unreadable register is no match: the register numbers stay blank.
    o.nouka = NoukaFileSearch::read().byTikuName(context.CurrentNouka.NoukaTiku, context.CurrentNouka.NoukaName);
    const int pages =
        SindansyoPageCount::pages(episode, SindansyoPageCount::Counted::DatedOrCourse, SinsatuPerPage, MaxPages);
    const bool aColumn = !context.Site.has(QStringLiteral("SiteIbarakiClinic"));
    for (int page = 0; page < pages; ++page) {
        SindansyoWakuOkinawaProc::print(device, page, pages);
        printHeading(device, o);
        OkinawaSinsatuProc::print(device, episode, page, aColumn);
        if (page == pages - 1)
            PrintItemProc(device, totalItems(), o, OX, OY);
        device.processEvents();
        device.newPage();
    }
    return {pages, QString()};
}
