#include "SindansyoSagaProc.h"

#include "SagaSinsatuProc.h"

#include "common/KingakuFormatProc.h"
#include "common/MojiPrintProc.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/SindansyoPageCount.h"
#include "print/common/ChoiceMark.h"
#include "print/common/PrintItem.h"
#include "print/common/SindansyoText.h"

namespace {

using PrintAlign::Left;
using PrintAlign::Right;

constexpr int Mincho = 1;

// What the items of one certificate print from.
struct Saga
{
    const SindansyoPrintContext& c;
    const SindansyoEpisode& e;
    const PrintJobEntry& entry;
    float x0 = SindansyoSagaProc::BaseX;

    QString cell(int row, int f) const { return e.cell(row, f); }
    void text(PrintDevice& device, const QString& t, float size, float x, float y, int align = Left) const
    {
        MojiPrintProc(device, t, size, Mincho, x0 + x, y, align, 0);
    }
};

QStringList dateParts(const QString& date)
{
    return date.split(QLatin1Char('.'));
}

// A date part of a "y.m.d" text that splits into exactly three parts; empty otherwise.
QString datePart(const QString& date, int part)
{
    const QStringList parts = dateParts(date);
    return parts.size() == 3 ? parts.at(part) : QString();
}

bool hidukeSplits(const Saga& s)
{
    return dateParts(s.c.PrintHiduke).size() == 3;
}

// --- Every page ---------------------------------------------------------------------------------

const PrintItemTable<Saga>& farmerItems()
{
    static const PrintItemTable<Saga> table = {
        {"farmer name", [](const Saga& s) { return s.e.nouka(2); }, 11, Mincho, Left, 114, 34},
        {"farmer address", [](const Saga& s) { return s.e.nouka(4); }, 10, Mincho, Left, 22, 34},
    };
    return table;
}

const PrintItemTable<Saga>& dateItems()
{
    static const PrintItemTable<Saga> table = {
        {"certificate year", [](const Saga& s) { return SindansyoText::withoutEra(datePart(s.c.PrintHiduke, 0)); }, 9,
         Mincho, Left, 193.5f, 210, hidukeSplits},
        {"certificate month", [](const Saga& s) { return SharedUtil::Trim(datePart(s.c.PrintHiduke, 1)); }, 9, Mincho,
         Left, 206, 210, hidukeSplits},
        {"certificate day", [](const Saga& s) { return SharedUtil::Trim(datePart(s.c.PrintHiduke, 2)); }, 9, Mincho,
         Left, 217, 210, hidukeSplits},
        {"year", [](const Saga& s) { return SharedUtil::Trim(s.c.NenDo); }, 12, Mincho, Left, 24, 43.5f},
        {"farmer code", [](const Saga& s) { return s.e.nouka(3); }, 11, Mincho, Left, 37, 43.5f},
    };
    return table;
}

// A text split at "：" when it holds exactly one.
QStringList colonParts(const QString& text)
{
    const QStringList parts = text.split(QStringLiteral("："));
    return parts.size() == 2 ? parts : QStringList();
}

// The registered veterinarian of a site without a clinic row: "clinic：vet" on two lines, else
// the name whole; the address "office：street" on two lines, else whole.
void printDoctor(PrintDevice& device, const Saga& s)
{
    const DoctorInfoData& d = s.c.DoctorInfo;
    if (const QStringList name = colonParts(d.DoctorName); !name.isEmpty()) {
        s.text(device, name.at(0), 12, 192, 234);
        s.text(device, QStringLiteral("獣医師"), 10, 197, 239.5f);
        s.text(device, name.at(1), 14, 212, 239);
    } else {
        s.text(device, QStringLiteral("獣医師"), 10, 197, 238.5f);
        s.text(device, d.DoctorName, 14, 212, 238);
    }
    if (const QStringList ad = colonParts(d.DoctorAd); !ad.isEmpty()) {
        s.text(device, ad.at(0), 9, 193, 225);
        s.text(device, ad.at(1), 10, 193, 229);
    } else {
        s.text(device, d.DoctorAd, 10, 193, 233);
    }
}

void printClinic(PrintDevice& device, const Saga& s)
{
    const SiteProfile& site = s.c.Site;
    if (site.has(QStringLiteral("SiteSagaClinicA"))) {
        s.text(device, site.text(QStringLiteral("ClinicName")), 14, 196, 234);
        int printed = 0;
        for (int i = 0; i < 3; ++i) {
            if (s.c.ch(QStringLiteral("DocCh"), i) == 1)
                s.text(device, site.text(QStringLiteral("VetName%1").arg(i + 1)), 12, 205, 238 + 4 * float(printed++));
        }
        s.text(device, SindansyoSagaProc::KyosaiAdSagaProc(s.e.PrintReadList, site), 10, 193, 228);
    } else if (site.has(QStringLiteral("SiteSagaClinicB")) || site.has(QStringLiteral("SiteSagaClinicC"))) {
        s.text(device, site.text(QStringLiteral("ClinicName")), site.has(QStringLiteral("SiteSagaClinicB")) ? 12 : 11,
               196, 234);
        s.text(device, site.text(QStringLiteral("VetName")), 12, 205, 240);
        s.text(device, site.text(QStringLiteral("ClinicAd")), 10, 193, 228);
    } else {
        printDoctor(device, s);
    }
    MojiPrintProc(device, QString(), 10, Mincho, s.x0 + 194, 220, Left, 1);
}

void printEveryPage(PrintDevice& device, const Saga& s)
{
    PrintItemProc(device, farmerItems(), s, s.x0);
    printClinic(device, s);
    PrintItemProc(device, dateItems(), s, s.x0);
}

// --- The first page -----------------------------------------------------------------------------

QString birthPart(const Saga& s, int part)
{
    return SharedUtil::Trim(datePart(s.e.kotai(4), part));
}

const PrintItemTable<Saga>& animalItems()
{
    static const PrintItemTable<Saga> table = {
        {"ear tag", [](const Saga& s) { return s.e.kotai(10); }, 10, Mincho, Left, 114, 49.5f,
         [](const Saga& s) { return SindansyoText::mimibanPrinted(s.entry.karteFile, s.e.kotai(10)); }},
        {"birth year", [](const Saga& s) { return birthPart(s, 0); }, 10, Mincho, Left, 125, 41.5f},
        {"birth month", [](const Saga& s) { return birthPart(s, 1); }, 10, Mincho, Left, 138, 41.5f},
        {"birth day", [](const Saga& s) { return birthPart(s, 2); }, 10, Mincho, Left, 151, 41.5f},
        {"animal name", [](const Saga& s) { return s.e.kotai(6); }, 9, Mincho, Left, 142, 49.5f},
        // The form's farmer code is printed a second time at its place on the first page.
        {"farmer code again", [](const Saga& s) { return s.e.nouka(3); }, 11, Mincho, Left, 37, 43.5f},
        {"coat colour and features",
         [](const Saga& s) { return s.e.kotai(11) + QLatin1Char(' ') + s.e.kotai(12); }, 9, Mincho, Left, 72, 49.5f},
    };
    return table;
}

const QList<ChoiceMark> SeibetuMarks = {
    {QStringLiteral("雄"), 16, 50}, {QStringLiteral("雌"), 23, 50}, {QStringLiteral("去"), 30, 50}};
const QList<ChoiceMark> TikushuMarks = {
    {QStringLiteral("成"), 16, 57.5f}, {QStringLiteral("育"), 23.5f, 57.5f}, {QStringLiteral("肥"), 31, 57.5f},
    {QStringLiteral("特"), 41, 57.5f}, {QStringLiteral("馬"), 51, 57.5f},   {QStringLiteral("豚"), 61, 57.5f}};
const QList<ChoiceMark> TenkiMarks = {
    {QStringLiteral("治癒"), 97.5f, 57.5f},  {QStringLiteral("死亡"), 105.3f, 57.5f},
    {QStringLiteral("廃用"), 113.1f, 57.5f}, {QStringLiteral("法令殺"), 120.9f, 57.5f},
    {QStringLiteral("中止"), 128.7f, 57.5f}};

// The three diseases (name and code), then the owner's report and the cause below its lines.
void printByoki(PrintDevice& device, const Saga& s)
{
    const struct { QString name, code; float y; } diseases[] = {
        {s.cell(0, 2), s.cell(0, 3), 72}, {s.cell(1, 2), s.cell(1, 3), 94}, {s.cell(0, 14), s.cell(0, 15), 102}};
    for (const auto& d : diseases) {
        if (!d.name.isEmpty())
            SagaSinsatuProc::WrapPrint(device, d.name + QLatin1Char(' ') + d.code, 17, 3, d.y, s.x0 + 3, 10);
    }
    int lines = 0;
    if (!s.cell(2, 2).isEmpty())
        lines = SagaSinsatuProc::WrapPrint(device, s.cell(2, 2), 28, 3.5f, 115, s.x0 + 19, 10);
    if (!s.cell(2, 5).isEmpty())
        SagaSinsatuProc::WrapPrint(device, QLatin1Char('(') + s.cell(2, 5) + QLatin1Char(')'), 28, 3.5f,
                                   116 + 3.5f * float(lines), s.x0 + 19, 10);
}

// Onset, first and last examination and outcome dates on one row; none when the onset date
// begins with ".".
void printByoDates(PrintDevice& device, const Saga& s)
{
    if (s.cell(0, 4).startsWith(QLatin1Char('.')))
        return;
    const float offsets[] = {0, 21.5f, 43, 64.5f};
    const float xs[] = {82, 87.5f, 93.5f};
    for (int d = 0; d < 4; ++d) {
        if (d == 3 && s.cell(0, 8) == QStringLiteral("未"))
            continue;
        const QStringList parts = dateParts(s.cell(0, 4 + d));
        if (parts.size() != 3)
            continue;
        for (int i = 0; i < 3; ++i)
            s.text(device, SharedUtil::Trim(parts.at(i)), 9, xs[i] + offsets[d], 76.5f);
    }
}

// The last calving and the last insemination dates.
void printHansyoku(PrintDevice& device, const Saga& s)
{
    const struct { int field; float y; } dates[] = {{12, 114}, {13, 125}};
    for (const auto& d : dates) {
        const QStringList parts = dateParts(s.cell(1, d.field));
        if (parts.size() != 3)
            continue;
        s.text(device, SindansyoText::withoutEra(SharedUtil::Trim(parts.at(0))), 8, 136.5f, d.y);
        s.text(device, SharedUtil::Trim(parts.at(1)), 8, 145, d.y);
        s.text(device, SharedUtil::Trim(parts.at(2)), 8, 152.5f, d.y);
    }
}

const PrintItemTable<Saga>& totalItems()
{
    static const PrintItemTable<Saga> table = {
        {"first-exam fee", [](const Saga&) { return QStringLiteral("100"); }, 10, Mincho, Right, 319, 189.5f},
        {"document points", [](const Saga&) { return QStringLiteral("5"); }, 10, Mincho, Right, 331, 189.5f},
        {"drug-price total", [](const Saga& s) { return KingakuFormatProc(s.cell(3, 2)); }, 10, Mincho, Right, 302.5f,
         197},
        {"B points", [](const Saga& s) { return KingakuFormatProc(s.cell(3, 4)); }, 10, Mincho, Right, 319, 201},
        {"A points", [](const Saga& s) { return KingakuFormatProc(s.cell(3, 5)); }, 10, Mincho, Right, 331, 201},
        {"drug-price points", [](const Saga& s) { return KingakuFormatProc(s.cell(3, 3)); }, 10, Mincho, Right,
         302.5f, 204},
        {"B total with drug points", [](const Saga& s) { return KingakuFormatProc(s.cell(3, 6)); }, 10, Mincho, Right,
         319, 218},
        {"A total with drug points", [](const Saga& s) { return KingakuFormatProc(s.cell(3, 7)); }, 10, Mincho, Right,
         331, 218},
    };
    return table;
}

void printFirstPage(PrintDevice& device, const Saga& s)
{
    PrintItemProc(device, animalItems(), s, s.x0);
    ChoiceMark::print(device, s.e.kotai(5), SeibetuMarks, s.x0);
    ChoiceMark::print(device, s.e.kotai(1), TikushuMarks, s.x0);
    ChoiceMark::print(device, s.cell(0, 8), TenkiMarks, s.x0);
    printByoki(device, s);
    printByoDates(device, s);
    s.text(device, s.cell(0, 9), 14, 68, 76);
    printHansyoku(device, s);
    PrintItemProc(device, totalItems(), s, s.x0);
}

} // namespace

QString SindansyoSagaProc::KyosaiAdSagaProc(const QStringList& PrintReadList, const SiteProfile& site)
{
    const QString address = PrintReadList.value(0).split(QLatin1Char('\'')).value(4);
    QString office;
    const QStringList pairs = site.text(QStringLiteral("KyosaiOffice")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const qsizetype at = pair.indexOf(QLatin1Char('>'));
        if (at > 0 && address.contains(pair.left(at)))
            office = pair.mid(at + 1);
    }
    return office.isEmpty() ? QString() : site.text(QStringLiteral("KyosaiAd") + office);
}

SindansyoPrintRun::Result SindansyoSagaProc::print(PrintDevice& device, const SindansyoPrintContext& context,
                                                   const PrintJobEntry& entry)
{
    const SindansyoEpisode episode =
        SindansyoEpisode::load(context.kartePath(entry.karteFile), entry.byoName, entry.syosinDate);
    if (!episode.found())
        return {0, SindansyoPrintRun::refusal(episode)};
    device.setPaper(PrintDevice::Paper::JisB4, PrintDevice::Orientation::Landscape);
    PrintPageModel::loadPrintSetFile();
    SharedState::get().PrintBaseX = BaseX;
    const Saga s{context, episode, entry, BaseX};
    const int pages = SindansyoPageCount::pages(episode, SindansyoPageCount::Counted::Dated, SinsatuPerPage, MaxPages);
    for (int page = 0; page < pages; ++page) {
        printEveryPage(device, s);
        if (page == 0)
            printFirstPage(device, s);
        SagaSinsatuProc::print(device, episode, page, s.x0);
        device.processEvents();
        device.newPage();
    }
    return {pages, QString()};
}
