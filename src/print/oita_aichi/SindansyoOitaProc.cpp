#include "SindansyoOitaProc.h"

#include "SindansyoWaku.h"

#include "common/Hankaku.h"
#include "common/KingakuFormatProc.h"
#include "common/MarkPrintProc.h"
#include "common/MojiPrintProc.h"
#include "common/PictPrintProc.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/SindansyoPageCount.h"
#include "common/ValueReader.h"
#include "print/common/CircleMarkProc.h"
#include "print/common/FormTextItem.h"
#include "print/common/PrintTextAlignProc.h"
#include "print/common/SindansyoText.h"
#include "print/common/TextFitProc.h"
#include "print/common/TextWrapProc.h"

#include <QPointF>
#include <algorithm>

namespace {

using Layout = SindansyoOitaProc::Layout;

const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
constexpr float CoursePitch = 9 * 0.3527f + 0.2f;
constexpr float TiryoPitch = 8.2f * 0.3527f + 0.1f;

struct MarkRow
{
    QString value;
    float x = 0;
    float y = 0;
};

// What the two prefectures print differently.
struct Variant
{
    float x0 = 13;
    float y0 = 18;
    int perPage = 5;
    int maxPages = 4;
    float bandHeight = 29.4f;
    float monthDy = 10.5f;
    float dayDy = 19;
    float tprDy = 27.4f;
    QPointF mark;       // page point of the test-result mark, y below the band's top
    QPointF picture;    // page point of the picture
    QList<MarkRow> tikushuMarks;
    bool tokutyo = false;
    bool totalsOnLastPage = false;
};

const QList<MarkRow> OitaTikushu = {
    {QStringLiteral("乳用牛(成)"), 28, 13.5f}, {QStringLiteral("乳用牛(育)"), 31.5f, 13.5f},
    {QStringLiteral("乳用牛(仔)"), 34.5f, 13.5f}, {QStringLiteral("乳用牛(胎)"), 38, 13.5f},
    {QStringLiteral("他肉牛(成)"), 51.5f, 13.5f}, {QStringLiteral("他肉牛(仔)"), 55, 13.5f},
    {QStringLiteral("他肉牛(胎)"), 58.5f, 13.5f}, {QStringLiteral("種雄牛(乳)"), 28.5f, 16.4f},
    {QStringLiteral("種雄牛(肉)"), 31.5f, 16.4f}};

const QList<MarkRow> AichiTikushu = {
    {QStringLiteral("成乳牛"), 23, 13.5f},      {QStringLiteral("育成乳牛"), 32, 13.5f},
    {QStringLiteral("乳用子牛"), 42.5f, 13.5f}, {QStringLiteral("種豚"), 57.5f, 13.5f},
    {QStringLiteral("肥育用成牛"), 25, 16.5f},  {QStringLiteral("肥育成牛"), 25, 16.5f},
    {QStringLiteral("肥育用子牛"), 38, 16.5f},  {QStringLiteral("肥育子牛"), 38, 16.5f},
    {QStringLiteral("他肉成牛"), 49.5f, 16.5f}, {QStringLiteral("他肉子牛"), 57.5f, 16.5f}};

const QList<MarkRow> SeibetuMarks = {{QStringLiteral("雄"), 75, 15}, {QStringLiteral("雌"), 80.5f, 15},
                                     {QStringLiteral("去"), 86, 15}};

const QList<MarkRow> TenkiMarks = {{QStringLiteral("治癒"), 137, 21}, {QStringLiteral("死亡"), 147.7f, 21},
                                   {QStringLiteral("法令殺"), 158.5f, 21}, {QStringLiteral("廃用"), 169.3f, 21},
                                   {QStringLiteral("中止"), 180, 21}};

Variant variant(Layout layout)
{
    Variant v;
    if (layout == Layout::Oita) {
        v.mark = {65, 27};
        v.picture = {65, 27};
        v.tikushuMarks = OitaTikushu;
        v.tokutyo = true;
        return v;
    }
    v = {17, 20, 7, 3, 21, 6.5f, 15, 19, {67, 27}, {69, 22}, AichiTikushu, false, true};
    return v;
}

// What the items of one certificate print from.
struct Oita
{
    const SindansyoPrintContext& c;
    const SindansyoEpisode& e;
    const Variant& v;
    FormOffset offset;
    QString doctorName;
    QString doctorAd;
    int pages = 0;
    int page = 0;

    QString name(int f) const { return e.cell(SindansyoEpisode::NameRow, f); }
    QString data1(int f) const { return e.cell(SindansyoEpisode::Data1Row, f); }
    QString data2(int f) const { return e.cell(SindansyoEpisode::Data2Row, f); }
    QString data3(int f) const { return e.cell(SindansyoEpisode::Data3Row, f); }
    QString site(const char* text) const { return c.Site.text(QString::fromLatin1(text)); }
};

QStringList dateParts(const QString& date)
{
    return date.split(QLatin1Char('.'));
}

QString hidukePart(const Oita& t, int part)
{
    if (!t.c.PrintHiduke.contains(QLatin1Char('.')))
        return QString();
    const QString text = dateParts(t.c.PrintHiduke).value(part);
    return part == 0 ? SindansyoText::withoutEra(text) : text;
}

const FormTextTable<Oita>& everyPageItems(Layout layout)
{
    static const FormTextTable<Oita> common = {
        {"veterinarian name", [](const Oita& t) { return t.doctorName; }, 12, 1, 63, 231.5f, 25,
         [](const Oita& t) { return !t.doctorAd.isEmpty(); }},
        {"clinic address", [](const Oita& t) { return t.doctorAd; }, 11, 2, 32, 222.5f},
        {"date of issue, year", [](const Oita& t) { return hidukePart(t, 0); }, 10, 2, 19.5f, 212.5f},
        {"date of issue, month", [](const Oita& t) { return hidukePart(t, 1); }, 10, 2, 32.5f, 212.5f},
        {"date of issue, day", [](const Oita& t) { return hidukePart(t, 2); }, 10, 2, 45.5f, 212.5f},
        {"member name", [](const Oita& t) { return t.e.nouka(2); }, 11, 2, 137, 3},
        {"ear tag", [](const Oita& t) { return t.e.kotai(10); }, 11, 2, 73, 21, 0,
         [](const Oita& t) { return !t.e.kotai(10).startsWith(QLatin1Char('k')); }},
    };
    static const FormTextTable<Oita> aichi = [] {
        FormTextTable<Oita> table = common;
        table[1] = {"clinic address", [](const Oita& t) { return t.site("DoctorAd"); }, 11, 2, 32, 220};
        table.insert(2, {"clinic name", [](const Oita& t) { return t.site("ClinicName"); }, 11, 2, 32, 225});
        return table;
    }();
    return layout == Layout::Oita ? common : aichi;
}

const FormTextTable<Oita>& firstPageItems()
{
    static const FormTextTable<Oita> table = {
        {"member address", [](const Oita& t) { return t.e.nouka(4); }, 9.5f, 2, 75, 3},
        {"member code", [](const Oita& t) { return t.e.nouka(3); }, 9.5f, 2, 112, 9},
        {"animal name", [](const Oita& t) { return SindansyoText::meigouParts(t.e.kotai(6)).at(0); }, 9.5f, 2, 20,
         21},
        {"individual number", [](const Oita& t) { return SindansyoText::meigouParts(t.e.kotai(6)).at(1); }, 9.5f, 2,
         156, 9},
        {"birth date", [](const Oita& t) { return t.e.kotai(4); }, 9.5f, 2, 106, 15},
        {"visits, disease 1", [](const Oita& t) { return t.name(9); }, 12, 3, 74, 27},
        {"visits, disease 2", [](const Oita& t) { return t.data1(9); }, 12, 3, 74, 33},
    };
    return table;
}

const FormTextTable<Oita>& totalItems()
{
    static const FormTextTable<Oita> table = {
        {"drug-price total", [](const Oita& t) { return KingakuFormatProc(t.data3(2)); }, 9.5f, 4, 148, 205.5f},
        {"B points", [](const Oita& t) { return KingakuFormatProc(t.data3(4)); }, 9.5f, 4, 164, 205.5f},
        {"point total", [](const Oita& t) { return KingakuFormatProc(t.data3(6)); }, 9.5f, 4, 164, 214.5f},
        {"fee", [](const Oita& t) { return KingakuFormatProc(t.data3(8)); }, 9.5f, 4, 174, 222},
    };
    return table;
}

void printFitted(PrintDevice& device, const Oita& t)
{
    const struct { QString text; float x, y, width, height, minSize, maxSize; } rows[] = {
        {t.name(2), 21, 27, 45, 6, 8, 10},
        {t.data1(2), 21, 33, 45, 6, 8, 10},
        {t.data2(2), 14, 41, 110, 7, 8, 9},
        {t.data2(5), 14, 46, 110, 5, 8, 9},
    };
    for (const auto& r : rows)
        TextFitProc(device, r.x, r.y, r.width, r.height, r.text, r.minSize, r.maxSize, t.offset);
}

void circle(PrintDevice& device, const Oita& t, const QString& value, const QList<MarkRow>& table, float r)
{
    for (const MarkRow& row : table) {
        if (row.value == value) {
            CircleMarkProc(device, row.x, row.y, r, t.offset);
            return;
        }
    }
}

void printChoices(PrintDevice& device, const Oita& t)
{
    CircleMarkProc(device, 28, 3, 2, t.offset);
    circle(device, t, t.e.kotai(5), SeibetuMarks, 2);
    circle(device, t, t.e.kotai(1), t.v.tikushuMarks, 1.2f);
    circle(device, t, t.name(8), TenkiMarks, 1.7f);
}

// One disease's four dates (onset, first, last examination, outcome) on its row.
void printByoDateRow(PrintDevice& device, const Oita& t, int row, float y)
{
    const float xs[4][3] = {{91, 98.5f, 104.5f}, {116.5f, 124, 130}, {142, 149.5f, 155.5f}, {168, 175.5f, 181.5f}};
    for (int d = 0; d < 4; ++d) {
        if (d == 3 && t.e.cell(row, 8) == QStringLiteral("未"))
            continue;
        const QStringList parts = dateParts(t.e.cell(row, 4 + d));
        if (parts.size() != 3)
            continue;
        for (int i = 0; i < 3; ++i)
            PrintTextAlignProc(device, Mincho, 9, 3, 0, SharedUtil::Trim(parts.at(i)), xs[d][i], y, t.offset);
    }
}

void printByoDates(PrintDevice& device, const Oita& t)
{
    if (t.name(4).startsWith(QLatin1Char('.')))
        return;
    printByoDateRow(device, t, SindansyoEpisode::NameRow, 27);
    const QString code2 = t.data1(3);
    if (code2.isEmpty() || code2.startsWith(QLatin1Char('-')) || t.data1(4).startsWith(QLatin1Char('.')))
        return;
    printByoDateRow(device, t, SindansyoEpisode::Data1Row, 33);
}

void printBunben(PrintDevice& device, const Oita& t)
{
    const QStringList parts = dateParts(t.data1(12));
    if (parts.size() != 3)
        return;
    const QString day = SharedUtil::Trim(parts.at(2));
    PrintTextAlignProc(device, Mincho, 8, 3, 0, SindansyoText::withoutEra(SharedUtil::Trim(parts.at(0))), 155, 38,
                       t.offset);
    PrintTextAlignProc(device, Mincho, 8, 3, 0, SharedUtil::Trim(parts.at(1)), 165, 38, t.offset);
    if (day != QLatin1String("0"))
        PrintTextAlignProc(device, Mincho, 8, 3, 0, day, 174, 38, t.offset);
}

void printFirstPage(PrintDevice& device, const Oita& t)
{
    FormTextItemProc(device, firstPageItems(), t, Mincho, t.offset);
    if (t.v.tokutyo)
        MojiPrintProc(device, t.e.kotai(12), 8.5f, 1, 63, 34, 1, 0);
    printFitted(device, t);
    printChoices(device, t);
    printByoDates(device, t);
    printBunben(device, t);
}

// ---- visit bands

struct Band
{
    const Oita& t;
    int r = 0;        // the examination's first row in the block
    float y0 = 0;     // the band's top in form millimetres

    QString cell(int row, int field) const { return t.e.cell(r + row, field); }
    void text(PrintDevice& device, const QString& s, float size, int align, float x, float y) const
    {
        PrintTextAlignProc(device, Mincho, size, align, 0, s, x, y, t.offset);
    }
};

void printBandDate(PrintDevice& device, const Band& b)
{
    const QStringList parts = dateParts(b.cell(0, 2));
    if (parts.size() < 2)
        return;
    b.text(device, parts.at(1), 9.5f, 3, 3, b.y0 + b.t.v.monthDy);
    b.text(device, parts.value(2), 9.5f, 3, 6, b.y0 + b.t.v.dayDy);
}

void printTpr(PrintDevice& device, const Band& b)
{
    const QStringList parts = b.cell(0, 3).split(QLatin1Char(' '));
    if (parts.size() != 3)
        return;
    const float xs[] = {18, 28.5f, 38.5f};
    const QString skipped[] = {QString(), QStringLiteral("P."), QStringLiteral("R.")};
    for (int i = 0; i < 3; ++i) {
        const QStringList pair = parts.at(i).split(QLatin1Char('='));
        if (pair.size() != 2)
            continue;
        const QString value = SharedUtil::Trim(pair.at(1));
        if (i == 0 || value != skipped[i])
            b.text(device, value, 8.5f, 3, xs[i], b.y0 + b.t.v.tprDy);
    }
}

void printCourse(PrintDevice& device, const Band& b)
{
    QString course = SharedUtil::Trim(b.cell(1, 2));
    for (int f = 3; f <= 10; ++f) {
        if (!b.cell(8, f).isEmpty())
            course += QLatin1Char(' ') + b.cell(8, f);
    }
    const float width = ValueReader::leadingNumber(b.cell(8, 2)) > 0 ? 40 : 55;
    const QStringList lines = TextWrapProc(device, 9, width, course);
    for (qsizetype i = 0; i < lines.size(); ++i)
        b.text(device, lines.at(i), 9, 2, 10, b.y0 + 2.5f + float(i) * CoursePitch);
}

void printOusin(PrintDevice& device, const Band& b, int row)
{
    const float y = b.y0 + 1.7f;
    if (b.cell(row, 4) == QStringLiteral("同時診療")) {
        b.text(device, b.cell(row, 4), 8.2f, 3, 82, y);
        return;
    }
    const QStringList parts = b.cell(row, 4).split(QLatin1Char('k'));
    if (parts.size() != 2)
        return;
    b.text(device, parts.at(0), 8.2f, 3, 82, y);
    b.text(device, b.cell(row, 8), 8.2f, 4, 164, y);
}

// Wrapped lines of a treatment item from (x, y); the number of lines.
int printWrapped(PrintDevice& device, const Band& b, const QString& text, float size, float width, float x, float y)
{
    const QStringList lines = TextWrapProc(device, size, width, text);
    for (qsizetype i = 0; i < lines.size(); ++i)
        b.text(device, lines.at(i), size, 2, x, y + float(i) * TiryoPitch);
    return int(lines.size());
}

// One treatment line at y; the pitches it takes.
int printTiryo(PrintDevice& device, const Band& b, int row, float y)
{
    const QString bunrui = SharedUtil::Trim(b.cell(row, 3));
    if (bunrui != QStringLiteral("診療点数無"))
        b.text(device, SindansyoOitaProc::bunruiText(bunrui), 7, 3, 71, y);
    b.text(device, KingakuFormatProc(b.cell(row, 7)), 8.2f, 4, 147, y);
    if (b.cell(row, 8) != QLatin1String("0"))
        b.text(device, b.cell(row, 8), 8.2f, 4, 164, y);
    const float contentWidth = b.cell(row, 5).isEmpty() ? 54 : 30;
    const int c1 = printWrapped(device, b, SharedUtil::Trim(b.cell(row, 4)), 8, contentWidth, 77, y);
    const QString kikaku = SindansyoOitaProc::kikakuText(b.cell(row, 5), b.cell(row, 6));
    const int c2 = printWrapped(device, b, kikaku, 7.2f, 26, 77 + contentWidth + 0.5f, y);
    return c1 == 1 && c2 == 1 ? 1 : std::max(c1, c2);
}

void printBand(PrintDevice& device, const Band& b)
{
    printBandDate(device, b);
    b.text(device, SindansyoOitaProc::jikanText(b.cell(0, 5), b.cell(0, 6)), 8.2f, 2, 113, b.y0 + 1.8f);
    printTpr(device, b);
    printCourse(device, b);
    for (int row = 1; row <= 7; ++row) {
        if (b.cell(row, 3) == QStringLiteral("往診"))
            printOusin(device, b, row);
    }
    int n = 0;
    for (int row = 1; row <= 7; ++row) {
        const QString bunrui = b.cell(row, 3);
        if (bunrui == QStringLiteral("PLテスト結果")) {
            float x = float(b.t.v.mark.x());
            float y = b.y0 + float(b.t.v.mark.y());
            MarkPrintProc(device, b.cell(row, 4), x, y);
        } else if (!bunrui.isEmpty() && bunrui != QStringLiteral("往診")) {
            n += printTiryo(device, b, row, b.y0 + 4.5f + float(n) * TiryoPitch);
        }
    }
    float py = b.y0 + float(b.t.v.picture.y());
    PictPrintProc(device, ValueReader::leadingInt(b.cell(8, 2)), float(b.t.v.picture.x()), py);
}

void printBands(PrintDevice& device, const Oita& t)
{
    for (int j = 0; j < t.v.perPage; ++j) {
        const int exam = t.page * t.v.perPage + j;
        if (exam >= 20)
            return;
        printBand(device, Band{t, SindansyoEpisode::sinsatuRow(exam), 54 + t.v.bandHeight * float(j)});
    }
}

void drawFrame(PrintDevice& device, const Oita& t, Layout layout)
{
    const PrintHoseiInfo& h = PrintPageModel::current().PrintHosei;
    if (layout == Layout::Oita)
        SindansyoWaku::SindansyoWakuOitaProc(device, t.v.x0, t.v.y0, h.YokoHosei, h.TateHosei);
    else
        SindansyoWaku::SindansyoWakuAichiProc(device, t.v.x0, t.v.y0, h.YokoHosei, h.TateHosei,
                                              t.site("KumiaiNumber"), t.site("FixedCode"));
}

} // namespace

SindansyoPrintRun::Result SindansyoOitaProc::print(PrintDevice& device, const SindansyoPrintContext& context,
                                                   const PrintJobEntry& entry, Layout layout)
{
    const SindansyoEpisode episode =
        SindansyoEpisode::load(context.kartePath(entry.karteFile), entry.byoName, entry.syosinDate);
    if (!episode.found())
        return {0, SindansyoPrintRun::refusal(episode)};
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    const Variant v = variant(layout);
    Oita t{context, episode, v, {}, context.Site.text(QStringLiteral("DoctorName")),
           context.Site.text(QStringLiteral("DoctorAd"))};
    DoctorInfoData& doctor = SharedState::get().DoctorInfo;
    doctor = {t.doctorAd, t.doctorName, QStringLiteral("****")};
    PrintPageModel::loadPrintSetFile();
    const PrintHoseiInfo h = PrintPageModel::current().PrintHosei;
    t.offset = {v.x0, v.y0, h.YokoHosei, h.TateHosei};
    t.pages = SindansyoPageCount::pages(episode, SindansyoPageCount::Counted::Dated, v.perPage, v.maxPages);

    for (t.page = 0; t.page < t.pages; ++t.page) {
        drawFrame(device, t, layout);
        FormTextItemProc(device, everyPageItems(layout), t, Mincho, t.offset);
        printBands(device, t);
        if (t.page == 0)
            printFirstPage(device, t);
        if (t.page == (v.totalsOnLastPage ? t.pages - 1 : 0))
            FormTextItemProc(device, totalItems(), t, Mincho, t.offset);
        device.processEvents();
        device.newPage();
    }
    return {t.pages, QString()};
}

QString SindansyoOitaProc::bunruiText(const QString& category)
{
    if (category == QStringLiteral("筋肉内注射"))
        return QStringLiteral("筋肉注射");
    if (category == QStringLiteral("静脈内注射"))
        return QStringLiteral("静脈注射");
    if (category == QStringLiteral("点数外入力"))
        return QStringLiteral("点数外");
    return category;
}

QString SindansyoOitaProc::jikanText(const QString& start, const QString& end)
{
    const auto time = [](const QString& t) {
        const QStringList parts = t.split(QLatin1Char(':'));
        if (parts.size() == 2 && parts.at(1) == QLatin1String("0"))
            return parts.at(0) + QStringLiteral(":00");
        return t;
    };
    if (end.isEmpty())
        return time(start);
    return time(start) + QStringLiteral("～") + time(end);
}

QString SindansyoOitaProc::kikakuText(const QString& standard, const QString& quantity)
{
    QString kikaku = SharedUtil::Trim(standard);
    kikaku.replace(QStringLiteral("バイアル"), QStringLiteral("B"))
        .replace(QStringLiteral("パイアル"), QStringLiteral("B"))
        .replace(QStringLiteral("処方単位"), QStringLiteral("T"));
    kikaku = Hankaku::convert(kikaku);
    const QString suryo = Hankaku::convert(SharedUtil::Trim(quantity));
    return suryo.isEmpty() ? kikaku : kikaku + QStringLiteral("×") + suryo;
}
