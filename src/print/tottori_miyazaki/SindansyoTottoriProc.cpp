#include "SindansyoTottoriProc.h"

#include "common/ByteLenProc.h"
#include "common/Hankaku.h"
#include "common/KingakuFormatProc.h"
#include "common/MarkPrintProc.h"
#include "common/MojiPrintProc.h"
#include "common/NoukaFileSearch.h"
#include "common/PictPrintProc.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/SindansyoPageCount.h"
#include "common/ValueReader.h"
#include "common/WrapPrintProc.h"
#include "print/common/ChoiceMark.h"
#include "print/common/PrintItem.h"
#include "print/common/SindansyoText.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

using PrintAlign::Centre;
using PrintAlign::Left;
using PrintAlign::Right;

constexpr float X0 = SindansyoTottoriProc::X0;
constexpr float Y0 = SindansyoTottoriProc::Y0;
constexpr int Mincho = 1;

// What the items of one certificate print from: the episode, the print context and what the
// staging worked out.
struct Tottori
{
    Tottori(const SindansyoPrintContext& context, const SindansyoEpisode& episode, const PrintJobEntry& job)
        : c(context), e(episode), entry(job)
    {
    }

    const SindansyoPrintContext& c;
    const SindansyoEpisode& e;
    const PrintJobEntry& entry;
    int paperFlag = 0;
    QString touName;      // the register's name and address of the member code
    QString touAddress;
    QString tikushu;      // species and use, and sex, of the episode
    QString seibetu;
    int pages = 0;
    int page = 0;
    QString bunsyoB;      // points of the last document-fee line met
    QString bunsyoA;

    QString name(int f) const { return e.cell(SindansyoEpisode::NameRow, f); }
    QString data1(int f) const { return e.cell(SindansyoEpisode::Data1Row, f); }
    QString data2(int f) const { return e.cell(SindansyoEpisode::Data2Row, f); }
    QString data3(int f) const { return e.cell(SindansyoEpisode::Data3Row, f); }
    bool site(const char* column) const { return c.Site.has(QString::fromLatin1(column)); }
};

QStringList dateParts(const QString& date)
{
    return date.split(QLatin1Char('.'));
}

QString hidukePart(const Tottori& t, int part)
{
    const QString text = dateParts(t.c.PrintHiduke).value(part);
    return part == 0 ? SindansyoText::withoutEra(text) : text;
}

bool hidukeSplits(const Tottori& t)
{
    return dateParts(t.c.PrintHiduke).size() == 3;
}

QStringList meigouParts(const Tottori& t)
{
    return SindansyoText::meigouParts(t.e.kotai(6));
}

QString farmerName(const Tottori& t)
{
    if (!t.touName.isEmpty())
        return t.touName;
    const QString name = t.e.nouka(2);
    return t.c.Site.partner(QStringLiteral("NameHenkan"), name).value_or(name);
}

QString memberCode(const Tottori& t)
{
    if (const auto partner = t.c.Site.partner(QStringLiteral("CodeHenkan"), t.c.CurrentNouka.NoukaCode))
        return *partner;
    return t.e.nouka(3);
}

bool mimibanPrinted(const Tottori& t)
{
    return SindansyoText::mimibanPrinted(t.entry.karteFile, t.e.kotai(10));
}

QString birthPart(const Tottori& t, int part)
{
    return dateParts(t.e.kotai(4)).value(part);
}

bool birthSplits(const Tottori& t)
{
    return dateParts(t.e.kotai(4)).size() == 3;
}

// Items printed on every page.
const PrintItemTable<Tottori>& everyPageItems()
{
    static const PrintItemTable<Tottori> table = {
        {"farmer name", farmerName, 11, Mincho, Left, 86, 61},
        {"farmer address",
         [](const Tottori& t) { return t.touAddress.isEmpty() ? t.e.nouka(4) : t.touAddress; }, 10, Mincho, Left,
         85, 53},
        {"print year", [](const Tottori& t) { return SharedUtil::Trim(t.c.NenDo); }, 12, Mincho, Left, 50, 36},
        {"veterinarian number", [](const Tottori& t) { return t.c.DoctorInfo.DoctorCode; }, 11, Mincho, Left, 37,
         273.5f, [](const Tottori& t) { return t.c.DoctorInfo.DoctorCode != QLatin1String("Doctor"); }},
        {"veterinarian name", [](const Tottori& t) { return t.c.DoctorInfo.DoctorName; }, 14, Mincho, Left, 66, 273,
         [](const Tottori& t) { return !t.c.DoctorInfo.DoctorAd.isEmpty(); }},
        {"veterinarian address", [](const Tottori& t) { return t.c.DoctorInfo.DoctorAd; }, 10, Mincho, Left, 62,
         266},
        {"chart date, year", [](const Tottori& t) { return hidukePart(t, 0); }, 10, Mincho, Left, 38, 260,
         hidukeSplits},
        {"chart date, month", [](const Tottori& t) { return hidukePart(t, 1); }, 10, Mincho, Left, 55, 260,
         hidukeSplits},
        {"chart date, day", [](const Tottori& t) { return hidukePart(t, 2); }, 10, Mincho, Left, 66, 260,
         hidukeSplits},
        {"page number", [](const Tottori& t) { return QString::number(t.page + 1); }, 14, Mincho, Left, 120, 19,
         [](const Tottori& t) { return t.pages > 1; }},
    };
    return table;
}

const PrintItem<Tottori>& individualNumberItem()
{
    static const PrintItem<Tottori> item = {
        "individual number", [](const Tottori& t) { return meigouParts(t).at(1); }, 12, Mincho, Left, 71, 39.5f};
    return item;
}

// The animal items of the first page (items 1 to 5).
const PrintItemTable<Tottori>& animalItems()
{
    static const PrintItemTable<Tottori> table = {
        {"member code", memberCode, 11, Mincho, Left, 27, 44.5f},
        {"ear tag", [](const Tottori& t) { return t.e.kotai(10); }, 11, Mincho, Left, 145, 52.5f, mimibanPrinted},
        {"birth date, year", [](const Tottori& t) { return birthPart(t, 0); }, 8, Mincho, Left, 106.5f, 37,
         birthSplits},
        {"birth date, month", [](const Tottori& t) { return birthPart(t, 1); }, 8, Mincho, Left, 115, 37,
         birthSplits},
        {"birth date, day", [](const Tottori& t) { return birthPart(t, 2); }, 8, Mincho, Left, 124, 37,
         birthSplits},
        {"animal name", [](const Tottori& t) { return meigouParts(t).at(0); }, 10, Mincho, Left, 142, 62},
        individualNumberItem(),
    };
    return table;
}

// Last calving and last insemination (item 15).
QString dataDatePart(const Tottori& t, int field, int part)
{
    const QString text = dateParts(t.data1(field)).value(part);
    return part == 0 ? SindansyoText::withoutEra(text) : text;
}

const PrintItemTable<Tottori>& bunbenItems()
{
    static const auto splits12 = [](const Tottori& t) { return dateParts(t.data1(12)).size() == 3; };
    static const auto splits13 = [](const Tottori& t) { return dateParts(t.data1(13)).size() == 3; };
    static const PrintItemTable<Tottori> table = {
        {"last calving, year", [](const Tottori& t) { return dataDatePart(t, 12, 0); }, 8, Mincho, Left, 71, 97,
         splits12},
        {"last calving, month", [](const Tottori& t) { return dataDatePart(t, 12, 1); }, 8, Mincho, Left, 82, 97,
         splits12},
        {"last calving, day", [](const Tottori& t) { return dataDatePart(t, 12, 2); }, 8, Mincho, Left, 90, 97,
         splits12},
        {"last insemination, year", [](const Tottori& t) { return dataDatePart(t, 13, 0); }, 8, Mincho, Left, 72,
         105, splits13},
        {"last insemination, month", [](const Tottori& t) { return dataDatePart(t, 13, 1); }, 8, Mincho, Left, 82,
         105, splits13},
        {"last insemination, day", [](const Tottori& t) { return dataDatePart(t, 13, 2); }, 8, Mincho, Left, 90,
         105, splits13},
    };
    return table;
}

// The document fee and the totals of the last page.
const PrintItemTable<Tottori>& totalItems()
{
    static const PrintItemTable<Tottori> table = {
        {"document fee, B points", [](const Tottori& t) { return t.bunsyoB; }, 9, Mincho, Right, 161, 246.5f},
        {"document fee, A points", [](const Tottori& t) { return t.bunsyoA; }, 9, Mincho, Right, 177, 246.5f},
        {"document fee mark", nullptr, 9, Mincho, Left, 68, 245.5f, [](const Tottori& t) { return !t.bunsyoB.isEmpty(); },
         PrintItemCircle<Tottori>},
        {"drug-price total", [](const Tottori& t) { return KingakuFormatProc(t.data3(2)); }, 10, Mincho, Right, 145,
         255},
        {"B points", [](const Tottori& t) { return KingakuFormatProc(t.data3(4)); }, 10, Mincho, Right, 161, 255},
        {"A points", [](const Tottori& t) { return KingakuFormatProc(t.data3(5)); }, 10, Mincho, Right, 178, 255},
        {"B total", [](const Tottori& t) { return KingakuFormatProc(t.data3(6)); }, 10, Mincho, Right, 161, 264},
        {"A total", [](const Tottori& t) { return KingakuFormatProc(t.data3(7)); }, 10, Mincho, Right, 178, 264},
        {"B fee", [](const Tottori& t) { return t.data3(8); }, 10, Mincho, Right, 148, 275},
        {"A fee",
         [](const Tottori& t) {
             const double yen = ValueReader::leadingNumber(t.data3(7)) * 10;
             return KingakuFormatProc(QString::number(std::llround(yen)));
         },
         10, Mincho, Right, 175, 275},
    };
    return table;
}

// The choice marks of the first page.
const QList<ChoiceMark> SeibetuMarks = {
    {QStringLiteral("雌"), 111, 44}, {QStringLiteral("雄"), 117.5f, 44}, {QStringLiteral("去"), 123.5f, 44}};

const QList<ChoiceMark> TikushuMarks = {
    {QStringLiteral("成"), 11, 59},   {QStringLiteral("育"), 17, 59},   {QStringLiteral("肥"), 34, 60.5f},
    {QStringLiteral("特"), 46, 60.5f}, {QStringLiteral("馬"), 63.5f, 59}, {QStringLiteral("豚"), 69, 59}};

const QList<ChoiceMark> TikushuOldPaperMarks = {
    {QStringLiteral("成乳牛"), 11, 59},          {QStringLiteral("育成乳牛"), 11 + 5.7f, 59},
    {QStringLiteral("乳用子牛"), 22.4f, 62},     {QStringLiteral("乳用胎児"), 28.1f, 62},
    {QStringLiteral("肥育用成牛"), 33.8f, 62},   {QStringLiteral("肥育用子牛"), 40, 62},
    {QStringLiteral("他肉成牛"), 45.7f, 62},     {QStringLiteral("他肉子牛"), 51.5f, 62},
    {QStringLiteral("他肉胎児"), 57.4f, 62}};

const QList<ChoiceMark> TikushuNewPaperMarks = {
    {QStringLiteral("成乳牛"), 11 + 5.7f + 3, 59, 2},   {QStringLiteral("育成乳牛"), 11 + 5.7f + 3, 59, 2},
    {QStringLiteral("乳用子牛"), 11 + 5.7f + 3, 59, 2}, {QStringLiteral("乳用胎児"), 11 + 5.7f + 3, 59, 2},
    {QStringLiteral("肥育用成牛"), 45.7f, 59, 2},       {QStringLiteral("肥育用子牛"), 45.7f, 59, 2},
    {QStringLiteral("他肉成牛"), 45.7f, 59, 2},         {QStringLiteral("他肉子牛"), 45.7f, 59, 2},
    {QStringLiteral("他肉胎児"), 45.7f, 59, 2}};

const QList<ChoiceMark> TenkiMarks = {
    {QStringLiteral("治癒"), 144, 74.5f},  {QStringLiteral("中止"), 154.5f, 74.5f},
    {QStringLiteral("死亡"), 144, 85.5f},  {QStringLiteral("廃用"), 149.2f, 85.5f},
    {QStringLiteral("法令殺"), 154.5f, 85.5f}};

const QList<ChoiceMark> HokenMarks = {{QStringLiteral("包"), 0, 36.5f}, {QStringLiteral("個"), 0, 36.5f + 6}};

void printChoices(PrintDevice& device, const Tottori& t)
{
    ChoiceMark::print(device, t.seibetu, SeibetuMarks, X0, Y0);
    if (!ChoiceMark::print(device, t.tikushu, TikushuMarks, X0, Y0))
        ChoiceMark::print(device, t.tikushu, t.paperFlag ? TikushuNewPaperMarks : TikushuOldPaperMarks, X0, Y0);
    if (const ChoiceMark* tenki = ChoiceMark::print(device, t.name(8), TenkiMarks, X0, Y0))
        MojiPrintProc(device, t.data2(8), 7.5f, Mincho, X0 + tenki->x, Y0 + tenki->y + 3.5f, Centre, 0);
    ChoiceMark::print(device, SharedUtil::Trim(t.e.kotai(8)), HokenMarks, X0, Y0);
}

// Disease names (item 11): wrapped at width 10, a longer name starting higher.
void printByoNames(PrintDevice& device, const Tottori& t)
{
    const struct { QString name; float y, yLong; } rows[] = {
        {t.name(2), 68.5f, 66}, {t.data1(2), 79.5f, 76.5f}, {t.name(14), 83, 82}};
    for (const auto& row : rows) {
        if (!row.name.isEmpty())
            WrapPrintProc(device, row.name, 8.5f, Mincho, Left, X0 + 7, row.name.size() <= 10 ? row.y : row.yLong,
                          10, 2.7f);
    }
}

// Disease codes (item 12): three parts; the first row that stops ends this and the later rows.
void printByoCodes(PrintDevice& device, const Tottori& t)
{
    const struct { QString code; float y; bool stop; } rows[] = {
        {t.name(3), 72, t.name(3).isEmpty()},
        {t.data1(3), 82, t.data1(3).isEmpty()},
        {t.name(15), 85.5f, t.name(14).isEmpty()},
    };
    for (const auto& row : rows) {
        if (row.stop || row.code.startsWith(QLatin1Char('-')))
            return;
        const QStringList parts = row.code.split(QLatin1Char('-'));
        if (parts.size() != 3)
            continue;
        const float xs[] = {39.5f, 50.5f, 63.5f};
        for (int i = 0; i < 3; ++i) {
            const QString part = i == 2 && parts.at(i) == QLatin1String("0") ? QStringLiteral("-") : parts.at(i);
            MojiPrintProc(device, part, 10, Mincho, X0 + xs[i], Y0 + row.y, Left, 0);
        }
    }
}

// One row of disease dates (item 13): onset, first, last examination and outcome date at their
// column offsets; the last-examination date without SyusinCh, the outcome date with an outcome.
void printByoDateRow(PrintDevice& device, const Tottori& t, const SindansyoEpisode& e, int row, float y)
{
    const int offsets[] = {1, 17, 34, 51};
    for (int d = 0; d < 4; ++d) {
        if (d == 2 && t.c.ch(QStringLiteral("SyusinCh")) == 1)
            continue;
        if (d == 3 && t.name(8) == QStringLiteral("未"))
            continue;
        const QStringList parts = dateParts(e.cell(row, 4 + d));
        if (parts.size() != 3)
            continue;
        const float c = float(offsets[d]);
        MojiPrintProc(device, parts.at(0), 9, Mincho, X0 + 68 + c, Y0 + y, Left, 0);
        MojiPrintProc(device, parts.at(1), 9, Mincho, X0 + 75 + c, Y0 + y, Left, 0);
        MojiPrintProc(device, parts.at(2), 9, Mincho, X0 + 80 + c, Y0 + y, Left, 0);
    }
}

void printByoDates(PrintDevice& device, const Tottori& t)
{
    if (t.name(4).startsWith(QLatin1Char('.')))
        return;
    printByoDateRow(device, t, t.e, SindansyoEpisode::NameRow, 75);
    if (t.c.ch(QStringLiteral("ByoCh")) == 1 && !t.data1(4).startsWith(QLatin1Char('.')))
        printByoDateRow(device, t, t.e, SindansyoEpisode::Data1Row, 85);
}

// History report and cause (item 14); with no report the cause starts as below one line.
void printRinkokuGenin(PrintDevice& device, const Tottori& t)
{
    int n = 1;
    if (!t.data2(2).isEmpty())
        n = WrapPrintProc(device, t.data2(2), 9, Mincho, Left, X0 + 11, 94, 17, 3.0f);
    if (!t.data2(5).isEmpty())
        WrapPrintProc(device, t.data2(5), 9, Mincho, Left, X0 + 11, 94 + 3.0f * float(n) + 1, 17, 3.0f);
}

void printFirstPage(PrintDevice& device, const Tottori& t)
{
    PrintItemProc(device, animalItems(), t, X0, Y0);
    printChoices(device, t);
    MojiPrintProc(device, t.name(9), 14, Mincho, X0 + 169, Y0 + 78, Left, 0);
    printByoNames(device, t);
    printByoCodes(device, t);
    printByoDates(device, t);
    printRinkokuGenin(device, t);
    PrintItemProc(device, bunbenItems(), t, X0, Y0);
    const QStringList kumiai = NoukaFileSearch::read().byTikuName(t.c.CurrentNouka.NoukaTiku, t.c.CurrentNouka.NoukaName);
    MojiPrintProc(device, kumiai.value(5), 10, Mincho, X0 + 24, Y0 + 36, Left, 0);
}

// --- The examination slots -----------------------------------------------------------------

const float SlotBase[] = {112, 151, 175, 199, 223};

struct Slot
{
    const Tottori& t;
    int row;       // the block row of line 0 of the examination
    float base;
    bool first;    // slot 0, the taller box

    QString line(int k, int f) const { return t.e.cell(row + k, f); }
    float at(float firstSlot, float others) const { return base + (first ? firstSlot : others); }
};

void printSlotDate(PrintDevice& device, const Slot& s)
{
    const QString date = s.line(0, 2);
    if (!date.contains(QLatin1Char('.')))
        return;
    const QStringList parts = dateParts(date);
    MojiPrintProc(device, parts.value(1), 9, Mincho, X0, s.base + 3, Left, 0);
    MojiPrintProc(device, parts.value(2), 9, Mincho, X0 + 2, s.at(36, 20), Left, 0);
}

void printVitals(PrintDevice& device, const Slot& s)
{
    const QStringList texts = SindansyoText::vitalTexts(s.line(0, 3));
    const float xs[] = {12, 24, 34};
    for (int i = 0; i < 3; ++i)
        MojiPrintProc(device, texts.at(i), 10, Mincho, X0 + xs[i], s.base + 2.5f, Left, 0);
}

bool hasPlTest(const Slot& s)
{
    for (int k = 1; k <= 7; ++k) {
        if (s.line(k, 3) == QStringLiteral("PLテスト結果"))
            return true;
    }
    return false;
}

void printKeika(PrintDevice& device, const Slot& s)
{
    const QString text = SindansyoText::keikaText(s.t.e, s.row);
    const float y = s.base + 6;
    if (ValueReader::leadingNumber(s.line(8, 2)) > 0)
        WrapPrintProc(device, text, 9, Mincho, Left, X0 + 11, y, 13, 3.2f);
    else if (hasPlTest(s))
        WrapPrintProc(device, text, 9, Mincho, Left, X0 + 11, y, 13, 3.0f);
    else
        WrapPrintProc(device, text, 10, Mincho, Left, X0 + 11, y, 15, 3.5f);
}

void printTimes(PrintDevice& device, const Slot& s)
{
    QString start = SindansyoTottoriProc::jikanText(s.line(0, 5));
    if (!start.isEmpty())
        start += QStringLiteral("～");
    MojiPrintProc(device, start, 8.5f, Mincho, X0 + 117, s.at(3.5f, 2), Left, 0);
    MojiPrintProc(device, SindansyoTottoriProc::jikanText(s.line(0, 6)), 8.5f, Mincho, X0 + 117, s.at(6, 4.5f), Left,
                  0);
}

// House calls: "同時診療" lines, then the first line with a distance and its points.
void printOusin(PrintDevice& device, const Slot& s)
{
    const float y = s.at(4, 2.5f);
    for (int k = 1; k <= 7; ++k) {
        if (s.line(k, 3) != QStringLiteral("往診"))
            continue;
        const QString content = s.line(k, 4);
        if (content == QStringLiteral("同時診療")) {
            MojiPrintProc(device, content, 8, Mincho, X0 + 74, y, Left, 0);
            continue;
        }
        const QStringList parts = content.split(QLatin1Char('k'));
        if (parts.size() != 2)
            continue;
        const float pointsY = s.at(6.5f, 2.5f);
        MojiPrintProc(device, parts.at(0), 8.8f, Mincho, X0 + 77, y, Left, 0);
        MojiPrintProc(device, s.line(k, 8), 8.8f, Mincho, X0 + 161, pointsY, Right, 0);
        MojiPrintProc(device, s.line(k, 9), 8.8f, Mincho, X0 + 177, pointsY, Right, 0);
        return;
    }
}

// One listed treatment line at y; the number of text lines it took.
int printTiryoLine(PrintDevice& device, const Slot& s, int k, float y)
{
    const bool cut = s.t.site("SiteTottoriVetA");
    const QString category = SharedUtil::Trim(s.line(k, 3));
    int lines = 0;
    if (category != QStringLiteral("診療点数無") && !(cut && category.contains(QStringLiteral("点数外入力"))))
        lines = WrapPrintProc(device, SindansyoTottoriProc::bunruiText(category), 8.8f, Mincho, Left, X0 + 64.5f, y,
                              3, 2.9f);
    MojiPrintProc(device, KingakuFormatProc(s.line(k, 7)), 8.8f, Mincho, X0 + 146, y, Right, 0);
    if (s.line(k, 8) != QLatin1String("0"))
        MojiPrintProc(device, s.line(k, 8), 8.8f, Mincho, X0 + 161, y, Right, 0);
    if (s.line(k, 9) != QLatin1String("0"))
        MojiPrintProc(device, s.line(k, 9), 8.8f, Mincho, X0 + 177, y, Right, 0);

    QString kikaku = SharedUtil::Trim(s.line(k, 5));
    if (cut && kikaku.contains(QStringLiteral("増")))
        kikaku = kikaku.left(kikaku.indexOf(QStringLiteral("増")));
    kikaku = Hankaku::convert(kikaku);
    QString text = SharedUtil::Trim(s.line(k, 4));
    if (!kikaku.isEmpty())
        text += QStringLiteral("：") + kikaku;
    if (const QString suryo = SharedUtil::Trim(s.line(k, 6)); !suryo.isEmpty())
        text += QStringLiteral("×") + suryo;
    int textLines = 1;
    if (ByteLenProc(text) < 36)
        MojiPrintProc(device, text, 8.8f, Mincho, X0 + 75, y, Left, 0);
    else
        textLines = WrapPrintProc(device, text, 8.8f, Mincho, Left, X0 + 75, y, 18, 2.9f);
    return std::max(lines, textLines);
}

void printTiryoLines(PrintDevice& device, const Slot& s, Tottori& t)
{
    int n = 0;
    for (int k = 1; k <= 7; ++k) {
        const QString category = s.line(k, 3);
        if (category == QStringLiteral("文書")) {
            t.bunsyoB = s.line(k, 8);
            t.bunsyoA = s.line(k, 9);
            continue;
        }
        if (category.isEmpty() || category == QStringLiteral("往診") || category == QStringLiteral("PLテスト結果"))
            continue;
        n += printTiryoLine(device, s, k, s.at(9.5f, 7) + float(n) * 2.9f);
    }
}

void printPlAndPicture(PrintDevice& device, const Slot& s)
{
    for (int k = 1; k <= 7; ++k) {
        if (s.line(k, 3) != QStringLiteral("PLテスト結果"))
            continue;
        float x = X0 + 53;
        float y = s.at(28.5f, 13.5f);
        MarkPrintProc(device, s.line(k, 4), x, y);
    }
    float y = s.at(20, 5);
    PictPrintProc(device, ValueReader::leadingInt(s.line(8, 2).section(QLatin1Char(':'), 0, 0)), X0 + 49, y);
}

void printSlots(PrintDevice& device, Tottori& t)
{
    for (int slot = 0; slot < SindansyoTottoriProc::SinsatuPerPage; ++slot) {
        const Slot s{t, SindansyoEpisode::sinsatuRow(SindansyoTottoriProc::SinsatuPerPage * t.page + slot),
                     SlotBase[slot], slot == 0};
        printSlotDate(device, s);
        printVitals(device, s);
        printKeika(device, s);
        printTimes(device, s);
        printOusin(device, s);
        printTiryoLines(device, s, t);
        printPlAndPicture(device, s);
    }
}

// The species and sex of the episode ("species･sex" of the data record), else of the animal.
void setTikushu(Tottori& t)
{
    const QString work = t.data2(9);
    if (const qsizetype dot = work.indexOf(QStringLiteral("･")); dot >= 0) {
        t.tikushu = work.left(dot);
        t.seibetu = work.mid(dot + 1);
    }
    if (t.tikushu.isEmpty())
        t.tikushu = t.e.kotai(1);
    if (t.seibetu.isEmpty())
        t.seibetu = t.e.kotai(5);
}

} // namespace

QString SindansyoTottoriProc::bunruiText(const QString& category)
{
    static const QList<QPair<QString, QString>> shortNames = {
        {QStringLiteral("筋肉内注射"), QStringLiteral("筋肉注")},
        {QStringLiteral("静脈内注射"), QStringLiteral("静脈注")},
        {QStringLiteral("皮下注射"), QStringLiteral("皮下注")},
        {QStringLiteral("調剤不要"), QStringLiteral("調剤無")},
    };
    for (const auto& [from, to] : shortNames) {
        if (category == from)
            return to;
    }
    return category;
}

QString SindansyoTottoriProc::jikanText(const QString& time)
{
    const qsizetype colon = time.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return time;
    QString minute = time.mid(colon + 1);
    if (ValueReader::leadingNumber(minute) < 10)
        minute.prepend(QLatin1Char('0'));
    return time.left(colon + 1) + minute;
}

SindansyoPrintRun::Result SindansyoTottoriProc::print(PrintDevice& device, const SindansyoPrintContext& context,
                                                      const PrintJobEntry& entry, int paperFlag)
{
    const SindansyoEpisode episode =
        SindansyoEpisode::load(context.kartePath(entry.karteFile), entry.byoName, entry.syosinDate);
    if (!episode.found())
        return {0, SindansyoPrintRun::refusal(episode)};
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    PrintPageModel::loadPrintSetFile();

    Tottori t(context, episode, entry);
    t.paperFlag = paperFlag ? 1 : 0;
    t.pages = SindansyoPageCount::pages(episode, SindansyoPageCount::Counted::DatedOrCourse, SinsatuPerPage, MaxPages);
    const QStringList registered = NoukaFileSearch::read().byCode(context.CurrentNouka.NoukaCode);
    t.touName = registered.value(1);
    t.touAddress = registered.value(3);
    setTikushu(t);

    for (t.page = 0; t.page < t.pages; ++t.page) {
        PrintItemProc(device, everyPageItems(), t, X0, Y0);
        if (t.page == 0)
            printFirstPage(device, t);
        else
            PrintItemProc(device, PrintItemTable<Tottori>{individualNumberItem()}, t, X0, Y0);
        printSlots(device, t);
        if (t.page == t.pages - 1)
            PrintItemProc(device, totalItems(), t, X0, Y0);
        device.processEvents();
        device.newPage();
    }
    return {t.pages, QString()};
}
