#include "SindansyoMieProc.h"

#include "SindansyoWakuMieProc.h"

#include "common/ByteLenProc.h"
#include "common/KingakuFormatProc.h"
#include "common/MarkPrintProc.h"
#include "common/MojiPrintProc.h"
#include "common/NoukaFileSearch.h"
#include "common/PictPrintProc.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/SindansyoPageCount.h"
#include "common/ValueReader.h"
#include "common/WrapPrintProc.h"
#include "print/common/ChoiceMark.h"
#include "print/common/PrintItem.h"
#include "print/common/SindansyoText.h"

#include <cmath>

namespace {

using PrintAlign::Centre;
using PrintAlign::Left;
using PrintAlign::Right;

constexpr int Mincho = 1;

// What the items of one certificate print from.
struct Mie
{
    Mie(const SindansyoPrintContext& context, const SindansyoEpisode& episode, const PrintJobEntry& job)
        : c(context), e(episode), entry(job)
    {
    }

    const SindansyoPrintContext& c;
    const SindansyoEpisode& e;
    const PrintJobEntry& entry;
    bool a4 = false;
    bool newForm = false;       // the new edition of the B4 form
    DoctorInfoData doctor;      // the printed identity: the site's, else the registers'
    QString noukaAd;            // the farmer's address in the register
    QString hinsyuName;         // the breed chosen for A4
    int pages = 0;
    int page = 0;
    QString lastDate;           // the visit date printed last

    QString cell(int row, int f) const { return e.cell(row, f); }
    bool site(const char* column) const { return c.Site.has(QString::fromLatin1(column)); }
    // The SiteMieVetA farmer table: what it prints for the chart's farmer code in column.
    std::optional<QString> farmerTable(const char* column) const
    {
        if (!site("SiteMieVetA"))
            return std::nullopt;
        return c.Site.partner(QString::fromLatin1(column), e.nouka(3));
    }
};

// A place of an item on one paper: x, y (mm on the paper), size and alignment; size 0 when the
// item is not printed on that paper.
struct Place
{
    float x = 0;
    float y = 0;
    float size = 0;
    int align = Left;
};

// One item of the Mie form: {item, source, B4 place, A4 place, new-edition B4 x, condition}.
struct MieItem
{
    using Text = QString (*)(const Mie&);
    using Condition = bool (*)(const Mie&);

    QString item;
    Text source = nullptr;
    Place b4;
    Place a4;
    float b4NewX = 0;          // the x on the new edition of the B4 form (0: as the old one)
    Condition condition = nullptr;
};

void printItems(PrintDevice& device, const QList<MieItem>& table, const Mie& m)
{
    for (const MieItem& row : table) {
        Place at = m.a4 ? row.a4 : row.b4;
        if (at.size == 0 || (row.condition && !row.condition(m)))
            continue;
        if (!m.a4 && m.newForm && row.b4NewX != 0)
            at.x = row.b4NewX;
        MojiPrintProc(device, row.source(m), at.size, Mincho, at.x, at.y, at.align, 0);
    }
}

QStringList dateParts(const QString& date)
{
    return date.split(QLatin1Char('.'));
}

// --- Every page: the veterinarian and the chart date ---------------------------------------

QString hidukePart(const Mie& m, int part)
{
    const QString text = dateParts(m.c.PrintHiduke).value(part);
    return part == 0 ? SindansyoText::withoutEra(text) : SharedUtil::Trim(text);
}

bool hidukeSplits(const Mie& m)
{
    return dateParts(m.c.PrintHiduke).size() == 3;
}

const QList<MieItem>& everyPageItems()
{
    static const QList<MieItem> table = {
        {"vet number", [](const Mie& m) { return m.doctor.DoctorCode; }, {114, 325, 12}, {52, 260.5f, 11}, 0,
         [](const Mie& m) {
             return m.c.ch(QStringLiteral("DocCh")) == 0 && m.doctor.DoctorCode != QLatin1String("Doctor");
         }},
        {"vet name", [](const Mie& m) { return m.doctor.DoctorName; }, {79, 317, 12}, {62, 252.5f, 11}, 0,
         [](const Mie& m) { return !m.doctor.DoctorAd.isEmpty(); }},
        {"vet address", [](const Mie& m) { return m.doctor.DoctorAd; }, {55, 312, 10}, {46, 247.5f, 9}},
        {"chart year", [](const Mie& m) { return hidukePart(m, 0); }, {63, 307, 10}, {50, 242, 9}, 0, hidukeSplits},
        {"chart month", [](const Mie& m) { return hidukePart(m, 1); }, {79, 307, 10}, {59, 242, 9}, 0, hidukeSplits},
        {"chart day", [](const Mie& m) { return hidukePart(m, 2); }, {92, 307, 10}, {68.5f, 242, 9}, 0, hidukeSplits},
    };
    return table;
}

// --- The first page: farmer and animal -------------------------------------------------------

// The farmer's name; on A4 a long name is printed smaller (the chart's name measured).
void printFarmerName(PrintDevice& device, const Mie& m)
{
    const QString chartName = m.e.nouka(2);
    const QString name = m.farmerTable("CodeNameHenkan").value_or(chartName);
    if (!m.a4) {
        MojiPrintProc(device, name, 11, Mincho, 169, 55.5f, Left, 0);
        return;
    }
    float x = 139.5f;
    float size = 10.5f;
    if (chartName.size() > 20)
        size = 8;
    if (chartName.size() > 23) {
        x = 138;
        size = 6.5f;
    }
    if (m.site("SiteMieVetB"))
        size = 9;
    MojiPrintProc(device, name, size, Mincho, x, 41, Left, 0);
}

QString birthPart(const Mie& m, int part)
{
    return SharedUtil::Trim(dateParts(m.e.kotai(4)).value(part));
}

bool birthSplits(const Mie& m)
{
    return dateParts(m.e.kotai(4)).size() == 3;
}

const QList<MieItem>& animalItems()
{
    static const QList<MieItem> table = {
        {"farmer address",
         [](const Mie& m) {
             return m.farmerTable("CodeAddressHenkan").value_or(m.noukaAd.isEmpty() ? m.e.nouka(4) : m.noukaAd);
         },
         {169, 48.5f, 10}, {138, 34.3f, 9}},
        {"year", [](const Mie& m) { return SharedUtil::Trim(m.c.NenDo); }, {80, 47.5f, 12}, {}},
        {"farmer code", [](const Mie& m) { return m.farmerTable("CodeHenkan").value_or(m.e.nouka(3)); },
         {55, 55.5f, 11}, {47, 37.5f, 11}},
        {"ear tag", [](const Mie& m) { return m.e.kotai(10); }, {179, 81, 12}, {144, 60, 12}, 0,
         [](const Mie& m) { return SindansyoText::mimibanPrinted(m.entry.karteFile, m.e.kotai(10)); }},
        {"birth year", [](const Mie& m) { return birthPart(m, 0); }, {113, 62, 10}, {99, 47, 8.5f}, 118.5f, birthSplits},
        {"birth month", [](const Mie& m) { return birthPart(m, 1); }, {127, 62, 10}, {110, 47, 8.5f}, 131, birthSplits},
        {"birth day", [](const Mie& m) { return birthPart(m, 2); }, {138, 62, 10}, {118, 47, 8.5f}, 141, birthSplits},
        {"breed", [](const Mie& m) { return m.hinsyuName; }, {}, {105, 53.5f, 9.5f}},
        {"animal name", [](const Mie& m) { return SindansyoText::meigouParts(m.e.kotai(6)).at(0); }, {111, 70, 10},
         {}, 121},
        {"individual number", [](const Mie& m) { return SindansyoText::meigouParts(m.e.kotai(6)).at(1); },
         {109, 52, 12}, {167, 53.5f, 10}},
        {"coat colour", [](const Mie& m) { return m.e.kotai(11); }, {179, 70, 12}, {157, 47, 12}},
        {"features", [](const Mie& m) { return m.e.kotai(12); }, {199, 81, 12}, {167, 60, 12}, 0,
         [](const Mie& m) { return !(m.a4 && m.site("SiteMieVetB")); }},
        {"features, SiteMieVetB", [](const Mie& m) { return m.e.kotai(12); }, {}, {162, 47, 12}, 0,
         [](const Mie& m) { return m.site("SiteMieVetB"); }},
    };
    return table;
}

const QList<ChoiceMark> SeibetuMarksB4 = {
    {QStringLiteral("雌"), 86.5f, 63.5f}, {QStringLiteral("雄"), 91.5f, 63.5f}, {QStringLiteral("去"), 88.5f, 71}};
const QList<ChoiceMark> SeibetuMarksA4 = {
    {QStringLiteral("雌"), 79.5f, 49}, {QStringLiteral("雄"), 84, 49}, {QStringLiteral("去"), 82, 53.5f}};

// The species columns of the B4 form: {class, column on the old edition, on the new}; -1 where
// the edition does not list the class.
const struct { QString tikushu; int oldColumn, newColumn; } TikushuColumns[] = {
    {QStringLiteral("成乳牛"), 0, 0},   {QStringLiteral("育成乳牛"), 1, 1}, {QStringLiteral("乳用子牛"), 2, 2},
    {QStringLiteral("乳用胎児"), -1, 3}, {QStringLiteral("肥育成牛"), 3, 4}, {QStringLiteral("肥育子牛"), 4, 5},
    {QStringLiteral("他肉成牛"), 5, 6}, {QStringLiteral("他肉子牛"), 6, 7}, {QStringLiteral("他肉胎児"), 7, 8},
    {QStringLiteral("種豚"), 8, 9},
};

void printTikushuMarks(PrintDevice& device, const Mie& m)
{
    const QString tikushu = m.e.kotai(1);
    if (m.a4) {
        const bool seinyu = tikushu == QStringLiteral("成乳牛");
        const bool dairy = seinyu || tikushu == QStringLiteral("育成乳牛") || tikushu == QStringLiteral("乳用子牛");
        MojiPrintProc(device, QString(), 10, Mincho, dairy ? 97.5f : 107.5f, 37.5f, Left, 2);
        MojiPrintProc(device, QString(), 10, Mincho, seinyu ? 51 : 63.5f, 50.5f, Left, 2);
        return;
    }
    for (const auto& row : TikushuColumns) {
        const int column = m.newForm ? row.newColumn : row.oldColumn;
        if (row.tikushu == tikushu && column >= 0)
            MojiPrintProc(device, QString(), 10, Mincho, 29 + 6.7f * float(column), 61.5f, Left, 1);
    }
}

void printAnimal(PrintDevice& device, const Mie& m)
{
    printFarmerName(device, m);
    printItems(device, animalItems(), m);
    ChoiceMark::print(device, m.e.kotai(5), m.a4 ? SeibetuMarksA4 : SeibetuMarksB4, !m.a4 && m.newForm ? 13 : 0);
    printTikushuMarks(device, m);
}

// --- The first page: the episode -----------------------------------------------------------

const QList<ChoiceMark> TenkiMarksB4 = {
    {QStringLiteral("治癒"), 84.5f, 100}, {QStringLiteral("中止"), 89.5f, 100}, {QStringLiteral("死亡"), 94.5f, 100},
    {QStringLiteral("廃用"), 99.5f, 100}, {QStringLiteral("法令殺"), 104.5f, 100}};
const QList<ChoiceMark> TenkiMarksA4 = {
    {QStringLiteral("治癒"), 71, 73.5f}, {QStringLiteral("中止"), 75, 73.5f}, {QStringLiteral("死亡"), 78.8f, 73.5f},
    {QStringLiteral("廃用"), 82.2f, 73.5f}, {QStringLiteral("法令殺"), 86.2f, 73.5f}};
const QList<ChoiceMark> HokenMarksA4 = {{QStringLiteral("包"), 24, 50.5f, 2}, {QStringLiteral("個"), 31, 50.5f, 2}};

QString kaisu(const Mie& m)
{
    if (m.c.ch(QStringLiteral("KaiCh")) == 1 && !m.c.SinryoKaiChGd.isEmpty())
        return m.c.SinryoKaiChGd;
    return m.cell(0, 9);
}

// Disease names: a name longer than the line width starts at its long place and wraps; on A4 the
// size drops to 6 with a long name and stays there for the next name.
void printByoNames(PrintDevice& device, const Mie& m)
{
    const struct { QString name; Place b4Short, b4Long, a4Short, a4Long; } rows[] = {
        {m.cell(0, 2), {23.5f, 90}, {22.5f, 88.5f}, {20, 71}, {23.5f, 69}},
        {m.cell(1, 2), {23.5f, 102.5f}, {22.5f, 101}, {20, 78.5f}, {23.5f, 76.5f}},
    };
    const int width = m.a4 ? 8 : 12;
    float size = m.a4 ? 8 : 8.5f;
    for (const auto& row : rows) {
        if (row.name.isEmpty())
            continue;
        const bool isLong = row.name.size() > width;
        if (m.a4 && isLong)
            size = 6;
        const Place at = m.a4 ? (isLong ? row.a4Long : row.a4Short) : (isLong ? row.b4Long : row.b4Short);
        WrapPrintProc(device, row.name, size, Mincho, Left, at.x, at.y, width, 2.7f);
    }
}

// The disease-1 code: the class circled among 1 to 19, then the two sub-codes.
void printByoCode(PrintDevice& device, const Mie& m)
{
    const QString code = m.cell(0, 3);
    const QStringList parts = code.split(QLatin1Char('-'));
    if (code.isEmpty() || code.startsWith(QLatin1Char('-')) || parts.size() != 3)
        return;
    const double v = ValueReader::leadingNumber(parts.at(0));
    if (!(v > 0))
        return;
    const float size = m.a4 ? 10 : 11;
    const int align = m.a4 ? Centre : Left;
    const float pitch = m.a4 ? 7.5f : 9.2f;
    const float x0 = m.a4 ? 100 : 122;
    if (v >= 1 && v <= 10)
        MojiPrintProc(device, QString(), size, Mincho, x0 + pitch * float(v - 1), m.a4 ? 84.5f : 108, align, 1);
    else if (v >= 11 && v <= 19)
        MojiPrintProc(device, QString(), size, Mincho, x0 + pitch * float(v - 11), m.a4 ? 90.5f : 115.5f, align, 1);
    const QString last = SharedUtil::Trim(parts.at(2));
    const float y = m.a4 ? 87.5f : 112;
    MojiPrintProc(device, SharedUtil::Trim(parts.at(1)), size, Mincho, m.a4 ? 178 : 214.5f, y, align, 0);
    MojiPrintProc(device, last == QLatin1String("0") ? QStringLiteral("-") : last, size, Mincho, m.a4 ? 191 : 228, y,
                  align, 0);
}

// Onset, first-examination, last-examination and outcome dates, year, month and day apart.
void printByoDates(PrintDevice& device, const Mie& m)
{
    if (m.cell(0, 4).startsWith(QLatin1Char('.')))
        return;
    const float xsB4[4][3] = {{119, 127, 134}, {151.5f, 159.5f, 166.5f}, {183, 191, 198}, {214, 222, 229}};
    const float xsA4[4][3] = {{100, 105.5f, 111.5f}, {128, 134, 139.5f}, {154, 160, 166}, {182, 188, 193.8f}};
    for (int d = 0; d < 4; ++d) {
        if (d == 3 && m.cell(0, 8) == QStringLiteral("未"))
            continue;
        const QStringList parts = dateParts(m.cell(0, 4 + d));
        if (!m.a4 && parts.size() != 3)
            continue;
        for (int i = 0; i < 3 && i < parts.size(); ++i) {
            if (m.a4)
                MojiPrintProc(device, parts.at(i), 9, Mincho, xsA4[d][i], 70, Centre, 0);
            else
                MojiPrintProc(device, SharedUtil::Trim(parts.at(i)), 10, Mincho, xsB4[d][i], 90, Left, 0);
        }
    }
}

// The owner's report and the cause; on A4 the cause follows the report's lines.
void printRinkokuGenin(PrintDevice& device, const Mie& m)
{
    const QString report = m.cell(2, 2);
    const QString cause = m.cell(2, 5);
    const float x = m.a4 ? 40 : 32;
    const float size = m.a4 ? 8.2f : 9;
    const int width = m.a4 ? 19 : 22;
    const float pitch = m.a4 ? 2.6f : 3;
    int n = 0;
    if (!report.isEmpty())
        n = WrapPrintProc(device, report, size, Mincho, Left, x, m.a4 ? 84 : 110, width, pitch);
    if (!cause.isEmpty())
        WrapPrintProc(device, cause, size, Mincho, Left, x, m.a4 ? 84 + float(n) * 2.6f + 1.3f : 118, width, pitch);
}

void printBunben(PrintDevice& device, const Mie& m)
{
    const QStringList parts = dateParts(m.cell(1, 12));
    if (parts.size() != 3)
        return;
    const float xs[] = {m.a4 ? 112.0f : 133.0f, m.a4 ? 122.0f : 144.0f, m.a4 ? 132.0f : 154.0f};
    for (int i = 0; i < 3; ++i) {
        const QString part = SharedUtil::Trim(parts.at(i));
        MojiPrintProc(device, i == 0 ? SindansyoText::withoutEra(part) : part, m.a4 ? 8.5f : 9, Mincho, xs[i],
                      m.a4 ? 95.8f : 121.2f, m.a4 ? Centre : Left, 0);
    }
}

void printEpisode(PrintDevice& device, const Mie& m)
{
    ChoiceMark::print(device, m.cell(0, 8), m.a4 ? TenkiMarksA4 : TenkiMarksB4);
    if (m.a4)
        ChoiceMark::print(device, SharedUtil::Trim(m.e.kotai(8)), HokenMarksA4);
    if (m.a4)
        MojiPrintProc(device, kaisu(m), 12, Mincho, 54, 70, Centre, 0);
    else
        MojiPrintProc(device, kaisu(m), 13, Mincho, 64, 90.5f, Left, 0);
    printByoNames(device, m);
    printByoCode(device, m);
    printByoDates(device, m);
    printRinkokuGenin(device, m);
    printBunben(device, m);
    const QString kumiai =
        NoukaFileSearch::read().byTikuName(m.c.CurrentNouka.NoukaTiku, m.c.CurrentNouka.NoukaName).value(5);
    if (m.a4)
        MojiPrintProc(device, kumiai, 11, Mincho, 27.5f, 37.5f, Centre, 0);
    else
        MojiPrintProc(device, kumiai, 12, Mincho, 28, 52, Left, 0);
}

// --- The last page: the fee totals ---------------------------------------------------------

const QList<MieItem>& totalItems()
{
    static const QList<MieItem> table = {
        {"drug-price total", [](const Mie& m) { return KingakuFormatProc(m.cell(3, 2)); }, {194, 301.5f, 9.5f, Right},
         {162, 237, 9.5f, Right}},
        {"drug-price points", [](const Mie& m) { return KingakuFormatProc(m.cell(3, 3)); }, {194, 308, 9.5f, Right},
         {162, 242, 9.5f, Right}},
        {"B points", [](const Mie& m) { return KingakuFormatProc(m.cell(3, 4)); }, {214, 308, 9.5f, Right},
         {179, 242, 9.5f, Right}},
        {"A points", [](const Mie& m) { return KingakuFormatProc(m.cell(3, 5)); }, {228, 308, 9.5f, Right},
         {192, 242, 9.5f, Right}},
        {"B total with drug points", [](const Mie& m) { return KingakuFormatProc(m.cell(3, 6)); },
         {212.5f, 319, 9.5f, Right}, {179, 254.5f, 9.5f, Right}},
        {"A total with drug points", [](const Mie& m) { return KingakuFormatProc(m.cell(3, 7)); },
         {227.5f, 319, 9.5f, Right}, {192, 254.5f, 9.5f, Right}},
    };
    return table;
}

// --- The visit rows --------------------------------------------------------------------------

const float RowTopB4[] = {134.5f, 165.2f, 195.8f, 221.5f, 247, 272.2f};
const float RowTopA4[] = {106, 130, 154, 174, 194, 214};

struct Visit
{
    const Mie& m;
    int row;        // block row of the visit's line 0
    float yr;       // top of its row on the paper
    bool tall;      // slots 0 and 1

    QString line(int k, int f) const { return m.cell(row + k, f); }
    // b4 or a4 by the paper.
    float by(float b4, float a4) const { return m.a4 ? a4 : b4; }
};

// The date, once per day: a visit on the date printed last prints none, across pages too.
void printVisitDate(PrintDevice& device, Mie& m, const Visit& v)
{
    const QString date = v.line(0, 2);
    const QStringList parts = dateParts(date);
    if (parts.size() < 2 || date == m.lastDate)
        return;
    const float size = v.by(9, 8.5f);
    const int align = m.a4 ? Centre : Left;
    MojiPrintProc(device, SharedUtil::Trim(parts.at(1)), size, Mincho, v.by(15.5f, 14), v.yr + 6.5f, align, 0);
    const float dayY = m.a4 ? (v.tall ? 15 : 14) : (v.tall ? 25 : 20);
    MojiPrintProc(device, SharedUtil::Trim(parts.value(2)), size, Mincho, v.by(18, 17), v.yr + dayY, align, 0);
    m.lastDate = date;
}

void printVisitVitals(PrintDevice& device, const Visit& v)
{
    const QStringList texts = SindansyoText::vitalTexts(v.line(0, 3));
    const float xsB4[] = {24, 36, 46};
    const float xsA4[] = {19.5f, 31.5f, 41.5f};
    for (int i = 0; i < 3; ++i)
        MojiPrintProc(device, texts.at(i), v.by(10, 8.5f), Mincho, v.by(xsB4[i], xsA4[i]), v.yr + v.by(2.5f, 1.5f),
                      Left, 0);
}

void printVisitTimes(PrintDevice& device, const Visit& v)
{
    const QString start = v.line(0, 5);
    if (start.isEmpty())
        return;
    QString text = QStringLiteral("開始 ") + SindansyoMieProc::jikanText(start);
    if (v.line(0, 6).contains(QLatin1Char(':')))
        text += QStringLiteral(" 終了 ") + SindansyoMieProc::jikanText(v.line(0, 6));
    MojiPrintProc(device, text, v.by(8.5f, 7), Mincho, v.by(58, 19.5f), v.yr + v.by(2.5f, 4), Left, 0);
}

int pictNumber(const Visit& v)
{
    return int(std::lround(ValueReader::leadingNumber(v.line(8, 2))));
}

void printVisitKeika(PrintDevice& device, const Visit& v)
{
    const bool picture = ValueReader::leadingNumber(v.line(8, 2)) > 0;
    const QString text = SindansyoText::keikaText(v.m.e, v.row);
    if (text.isEmpty())
        return;
    if (v.m.a4)
        WrapPrintProc(device, text, picture ? 8 : 8.8f, Mincho, Left, 20, v.yr + 7.5f, picture ? 14 : 17,
                      picture ? 3.2f : 3);
    else
        WrapPrintProc(device, text, picture ? 9 : 10, Mincho, Left, 24, v.yr + 8, picture ? 16 : 19,
                      picture ? 3.2f : 4);
}

// The first house-call line: "同時診療", or the distance with its points.
void printVisitOusin(PrintDevice& device, const Visit& v)
{
    for (int k = 1; k <= 7; ++k) {
        if (v.line(k, 3) != QStringLiteral("往診"))
            continue;
        const QString content = v.line(k, 4);
        const float y = v.yr + v.by(2.5f, 2);
        const float size = v.by(9, 8.5f);
        if (content == QStringLiteral("同時診療")) {
            MojiPrintProc(device, content, size, Mincho, v.by(126, 103), y, Right, 0);
            return;
        }
        const QStringList parts = content.split(QLatin1Char('k'));
        if (parts.size() != 2)
            return;
        MojiPrintProc(device, parts.at(0), size, Mincho, v.by(100, 81), y, Left, 0);
        MojiPrintProc(device, v.line(k, 8), 9.5f, Mincho, v.by(217, 179), y, Right, 0);
        MojiPrintProc(device, v.line(k, 9), 9.5f, Mincho, v.by(232, 192), y, Right, 0);
        return;
    }
}

void printTiryoContent(PrintDevice& device, const Visit& v, int k, float y)
{
    QString text = SharedUtil::Trim(v.line(k, 4));
    if (!v.line(k, 5).isEmpty())
        text += QStringLiteral("：") + SharedUtil::Trim(v.line(k, 5));
    if (!v.line(k, 6).isEmpty())
        text += QStringLiteral("×") + SharedUtil::Trim(v.line(k, 6));
    const float x = v.by(112, 92);
    if (ByteLenProc(text) < 50) {
        MojiPrintProc(device, text, v.by(9, 8.5f), Mincho, x, y, Left, 0);
        return;
    }
    for (const SindansyoMieProc::FitLine& line : SindansyoMieProc::fitLines(text, v.m.a4 ? 20 : 25, v.by(5, 4)))
        MojiPrintProc(device, line.text, line.size, Mincho, x, y + line.dy, Left, 0);
}

void printVisitTiryo(PrintDevice& device, const Visit& v)
{
    const float pitch = v.by(5, 4);
    int n = 0;
    for (int k = 1; k <= 7; ++k) {
        const QString category = v.line(k, 3);
        if (category == QStringLiteral("PLテスト結果")) {
            float x = v.by(29, 26);
            float y = v.yr + (v.tall ? v.by(17, 20) : v.by(13, 16));
            MarkPrintProc(device, v.line(k, 4), x, y);
            continue;
        }
        if (category.isEmpty() || category == QStringLiteral("往診"))
            continue;
        const float y = v.yr + v.by(7.5f, 6) + pitch * float(n);
        const float size = v.by(9, 8.5f);
        if (SharedUtil::Trim(category) != QStringLiteral("診療点数無"))
            MojiPrintProc(device, SharedUtil::Trim(category), size, Mincho, v.by(91, 73.5f), y, Left, 0);
        MojiPrintProc(device, KingakuFormatProc(v.line(k, 7)), 9, Mincho, v.by(194, 162), y, Right, 0);
        if (v.line(k, 8) != QLatin1String("0"))
            MojiPrintProc(device, v.line(k, 8), 9, Mincho, v.by(217, 179), y, Right, 0);
        if (v.line(k, 9) != QLatin1String("0"))
            MojiPrintProc(device, v.line(k, 9), 9, Mincho, v.by(232, 192), y, Right, 0);
        printTiryoContent(device, v, k, y);
        ++n;
    }
}

void printVisits(PrintDevice& device, Mie& m)
{
    for (int slot = 0; slot < SindansyoMieProc::SinsatuPerPage; ++slot) {
        const int j = SindansyoMieProc::SinsatuPerPage * m.page + slot;
        if (j >= 20)
            break;
        const Visit v{m, SindansyoEpisode::sinsatuRow(j), m.a4 ? RowTopA4[slot] : RowTopB4[slot], slot < 2};
        printVisitDate(device, m, v);
        printVisitVitals(device, v);
        printVisitTimes(device, v);
        printVisitKeika(device, v);
        printVisitOusin(device, v);
        printVisitTiryo(device, v);
        float y = v.yr + (v.tall ? 12 : 7);
        PictPrintProc(device, pictNumber(v), v.by(69, 58), y);
    }
}

// The printed veterinarian: the identity of the site's row when it has one, else the registers'.
DoctorInfoData doctorOf(const SindansyoPrintContext& c)
{
    static const char* const sites[] = {"SiteMieVetA", "SiteMieVetB", "SiteMieVetC",
                                        "SiteMieVetD", "SiteMieVetE", "SiteMieVetF"};
    for (const char* site : sites) {
        if (c.Site.has(QString::fromLatin1(site)))
            return {c.Site.text(QStringLiteral("DoctorAd")), c.Site.text(QStringLiteral("DoctorName")),
                    c.Site.text(QStringLiteral("DoctorCode"))};
    }
    return c.DoctorInfo;
}

QString hinsyuNameOf(const SindansyoPrintContext& c)
{
    static const QString names[] = {QStringLiteral("ホルスタイン種"), QStringLiteral("ジャージー種"),
                                    QStringLiteral("黒毛和種"), QStringLiteral("交雑種")};
    for (int i = 0; i < 4; ++i) {
        if (c.ch(QStringLiteral("HinsyuOp"), i) == 1)
            return names[i];
    }
    return QString();
}

} // namespace

QString SindansyoMieProc::jikanText(const QString& time)
{
    const qsizetype colon = time.indexOf(QLatin1Char(':'));
    if (colon >= 0 && time.mid(colon + 1) == QLatin1String("0"))
        return time.left(colon) + QStringLiteral(":00");
    return time;
}

QList<SindansyoMieProc::FitLine> SindansyoMieProc::fitLines(const QString& text, int width, float pitch)
{
    const qsizetype length = text.size();
    int m = 1;
    for (int k = 1; k <= 9; ++k) {
        if (length > qsizetype(k) * width)
            ++m;
    }
    if (m == 1)
        return {{text, 0, 9}};
    if (m == 2)
        return {{text, 0, 8.5f}};
    QList<FitLine> lines{{text.left(width), -1.25f, 8.5f}};
    for (int i = 1; i <= m - 2; ++i)
        lines.append({text.mid(qsizetype(i) * width, width), 0.4f * pitch * float(i), 8.5f});
    lines.append({text.right(length - qsizetype(width) * (m - 1)), 0.4f * pitch * float(m - 1), 8.5f});
    return lines;
}

SindansyoPrintRun::Result SindansyoMieProc::print(PrintDevice& device, const SindansyoPrintContext& context,
                                                  const PrintJobEntry& entry)
{
    const SindansyoEpisode episode =
        SindansyoEpisode::load(context.kartePath(entry.karteFile), entry.byoName, entry.syosinDate);
    if (!episode.found())
        return {0, SindansyoPrintRun::refusal(episode)};

    Mie m(context, episode, entry);
    m.a4 = context.ch(QStringLiteral("SizeOp(0)")) == 1;
    m.newForm = context.ch(QStringLiteral("YousiCh")) == 1;
    SharedState::get().MieA4Flag = m.a4 ? 1 : 0;
    device.setPaper(m.a4 ? PrintDevice::Paper::A4 : PrintDevice::Paper::JisB4, PrintDevice::Orientation::Portrait);
    m.doctor = doctorOf(context);
    PrintPageModel::loadPrintSetFile();
    m.noukaAd = NoukaFileSearch::read().byCode(SharedUtil::Trim(context.CurrentNouka.NoukaCode)).value(3);
    if (m.a4)
        m.hinsyuName = hinsyuNameOf(context);
    m.pages = SindansyoPageCount::pages(episode, SindansyoPageCount::Counted::Dated, SinsatuPerPage, MaxPages);

    for (m.page = 0; m.page < m.pages; ++m.page) {
        if (m.a4)
            SindansyoWakuMieProc::print(device, {12, 10, 0, 0});
        printItems(device, everyPageItems(), m);
        if (m.page == 0) {
            printAnimal(device, m);
            printEpisode(device, m);
        }
        printVisits(device, m);
        if (m.page == m.pages - 1)
            printItems(device, totalItems(), m);
        device.processEvents();
        device.newPage();
    }
    return {m.pages, QString()};
}
