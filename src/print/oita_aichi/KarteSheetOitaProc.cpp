#include "KarteSheetOitaProc.h"

#include "KarteWaku.h"
#include "KenanOitaSource.h"

#include "common/KingakuFormatProc.h"
#include "common/MarkPrintProc.h"
#include "common/MojiPrintProc.h"
#include "common/PictPrintProc.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/SindansyoPageCount.h"
#include "common/ValueReader.h"
#include "print/common/ChoiceMark.h"
#include "print/common/FormOffset.h"
#include "print/common/GyoWakePrint.h"
#include "print/common/PrintItem.h"
#include "print/common/SindansyoPrintContext.h"
#include "print/common/SindansyoText.h"

#include <QDate>
#include <algorithm>
#include <cmath>

namespace {

using PrintAlign::Centre;
using PrintAlign::Left;
using PrintAlign::Right;
constexpr float X0 = KarteSheetOitaProc::X0;
constexpr float Y0 = KarteSheetOitaProc::Y0;
constexpr int Mincho = 1;

struct Sheet : KenanOitaSource
{
    int reiwaNow = 0;
};

void text(PrintDevice& device, const QString& s, float size, float x, float y, int align)
{
    MojiPrintProc(device, s, size, Mincho, X0 + x, Y0 + y, align, 0);
}

int wrap(PrintDevice& device, const QString& s, float x, float y, int chars, float pitch, float size)
{
    return GyoWakePrint(device, s, X0 + x, Y0 + y, chars, pitch, size, Mincho, Left);
}

int reiwaYearNow()
{
    QDate today = QDate::fromString(SharedState::get().TodayDate, QStringLiteral("yyyy/M/d"));
    if (!today.isValid())
        today = QDate::currentDate();
    return today.year() - 2018;
}

// The B5 sheet leaves out a tag with a branch ("-") as well.
bool mimibanPrinted(const Sheet& t)
{
    return t.mimibanPrinted() && !t.e.kotai(10).contains(QLatin1Char('-'));
}

const PrintItemTable<Sheet>& head1Items()
{
    static const PrintItemTable<Sheet> table = {
        {"member address", [](const Sheet& t) { return t.e.nouka(4); }, 10, Mincho, Centre, 75, 10},
        {"member name", [](const Sheet& t) { return t.e.nouka(2); }, 10, Mincho, Centre, 129, 10},
        {"member code", [](const Sheet& t) { return t.e.nouka(3); }, 12, Mincho, Centre, 92, 18.5f},
        {"association code", [](const Sheet&) { return QStringLiteral("20"); }, 12, Mincho, Centre, 17, 18.5f},
        {"animal name", [](const Sheet& t) { return SindansyoText::meigouParts(t.e.kotai(6)).at(0); }, 10, Mincho,
         Centre, 76.5f, 35},
        {"individual number", [](const Sheet& t) { return SindansyoText::meigouParts(t.e.kotai(6)).at(1); }, 12,
         Mincho, Centre, 136, 18.5f},
    };
    return table;
}

const PrintItemTable<Sheet>& head1AnimalItems()
{
    static const PrintItemTable<Sheet> table = {
        {"breed", [](const Sheet& t) { return t.e.kotai(12); }, 10, Mincho, Left, 79, 27.5f},
    };
    return table;
}

const PrintItemTable<Sheet>& head1TagItems()
{
    static const PrintItemTable<Sheet> table = {
        {"birth date", [](const Sheet& t) { return t.e.kotai(4); }, 10, Mincho, Centre, 136.3f, 29.8f},
        {"ear tag", [](const Sheet& t) { return t.e.kotai(10); }, 10, Mincho, Centre, 28, 35, mimibanPrinted},
    };
    return table;
}

const QList<ChoiceMark> HokenMarks = {{QStringLiteral("包"), 17, 10}, {QStringLiteral("個"), 24.5f, 10}};
const QList<ChoiceMark> SeibetuMarks = {
    {QStringLiteral("雌"), 104.5f, 27.5f}, {QStringLiteral("雄"), 112, 27.5f}, {QStringLiteral("去"), 119, 27.5f}};
const QList<ChoiceMark> TenkiMarks = {{QStringLiteral("治癒"), 112, 35}, {QStringLiteral("死亡"), 119, 35},
                                      {QStringLiteral("法令殺"), 126, 35}, {QStringLiteral("廃用"), 133.5f, 35},
                                      {QStringLiteral("中止"), 140.5f, 35}};
const QList<ChoiceMark> TikushuMarks = {
    {QStringLiteral("成"), 20, 25.5f},          {QStringLiteral("育"), 20, 25.5f},
    {QStringLiteral("肥"), 16, 29.7f},          {QStringLiteral("特"), 32, 25.5f},
    {QStringLiteral("成乳牛"), 22.5f, 25.5f},   {QStringLiteral("乳用牛"), 22.5f, 25.5f},
    {QStringLiteral("育成乳牛"), 26.5f, 25.5f}, {QStringLiteral("他肉胎児"), 44.5f, 25.5f},
    {QStringLiteral("他肉仔牛"), 51, 25.5f},    {QStringLiteral("他肉成牛"), 57.5f, 25.5f},
    {QStringLiteral("肥育成牛"), 24, 29.7f},    {QStringLiteral("肥育仔牛"), 30.5f, 29.7f},
    {QStringLiteral("種雄牛乳用"), 48.5f, 29.7f}, {QStringLiteral("種雄牛肉用"), 57.5f, 29.7f},
    {QStringLiteral("乳用牛(成)"), 22.5f, 25.5f}, {QStringLiteral("乳用牛(育)"), 26.5f, 25.5f},
    {QStringLiteral("乳用牛(仔)"), 30, 25.5f},    {QStringLiteral("乳用牛(胎)"), 34, 25.5f},
    {QStringLiteral("他肉牛(成)"), 51, 25.5f},    {QStringLiteral("他肉牛(仔)"), 54.5f, 25.5f},
    {QStringLiteral("他肉牛(胎)"), 58.5f, 25.5f}, {QStringLiteral("種雄牛(乳)"), 23, 29.7f},
    {QStringLiteral("種雄牛(肉)"), 27, 29.7f}};

void printByoName(PrintDevice& device, const QString& name, float y)
{
    if (name.isEmpty())
        return;
    const bool longName = name.size() > 11;
    wrap(device, name, 10, longName ? y - 1.5f : y, 11, 3, longName ? 8.5f : 9);
}

void printByoDates(PrintDevice& device, const Sheet& t, int row, float y)
{
    const float xs[] = {67, 92, 116, 138};
    for (int d = 0; d < 4; ++d) {
        if (d == 3 && t.g(SindansyoEpisode::NameRow, 8) == QStringLiteral("未"))
            continue;
        text(device, KarteSheetOitaProc::eraDate(t.g(row, 4 + d), t.reiwaNow), 9, xs[d], y, Left);
    }
}

void printByoBlock(PrintDevice& device, const Sheet& t)
{
    const bool byo2First = t.c.ch(QStringLiteral("ByoCh")) == 1;
    const float y1 = byo2First ? 47 : 41;
    const float y2 = byo2First ? 41 : 47;
    printByoName(device, t.g(0, 2), y1);
    printByoName(device, t.g(1, 2), y2);
    text(device, t.g(0, 9), 11, 50, y1, Centre);
    if (!t.g(1, 2).isEmpty() && ValueReader::leadingNumber(t.g(1, 9)) > 0)
        text(device, t.g(1, 9), 11, 50, y2, Centre);
    const QString onset = t.g(0, 4);
    if (onset.isEmpty() || onset.startsWith(QLatin1Char('.')))
        return;
    printByoDates(device, t, SindansyoEpisode::NameRow, y1);
    const QString code2 = t.g(1, 3);
    const QString onset2 = t.g(1, 4);
    if (!code2.isEmpty() && !code2.startsWith(QLatin1Char('-')) && !onset2.isEmpty()
        && !onset2.startsWith(QLatin1Char('.')))
        printByoDates(device, t, SindansyoEpisode::Data1Row, y2);
}

QString sindanDate(const Sheet& t)
{
    const QStringList parts = t.c.PrintHiduke.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return QStringLiteral("令和　　年　　月　　日");
    return QStringLiteral("令和") + SindansyoText::withoutEra(parts.at(0)) + QStringLiteral("年") + parts.at(1)
           + QStringLiteral("月") + parts.at(2) + QStringLiteral("日");
}

void printClinic(PrintDevice& device, const Sheet& t)
{
    if (t.clinicB()) {
        text(device, t.doctor("DoctorName1", "DoctorName2"), 12, 62, 184, Left);
        if (t.doc1()) {
            text(device, t.site("ClinicName"), 14, 45, 178, Left);
            text(device, t.site("ClinicTel"), 8, 78, 179, Left);
        }
    }
    text(device, t.doctor("DoctorAd1", "DoctorAd2"), 9.5f, 35, 173, Left);
    text(device, sindanDate(t), 8.5f, 6, 167, Left);
}

void printTotals(PrintDevice& device, const Sheet& t)
{
    const struct { int field; float x, y; } rows[] = {{2, 123, 162.8f}, {4, 137, 162.8f}, {5, 148, 162.8f},
                                                      {6, 137, 168.3f}, {7, 149, 168.3f}};
    for (const auto& r : rows)
        text(device, KingakuFormatProc(t.g(3, r.field)), 10, r.x, r.y, Right);
    text(device, t.g(3, 8), 10, 144, 173.5f, Right);
}

void KarteHead1(PrintDevice& device, const Sheet& t)
{
    ChoiceMark::print(device, SharedUtil::Trim(t.e.kotai(8)), HokenMarks, X0, Y0);
    PrintItemProc(device, head1Items(), t, X0, Y0);
    ChoiceMark::print(device, t.e.kotai(1), TikushuMarks, X0, Y0);
    PrintItemProc(device, head1AnimalItems(), t, X0, Y0);
    ChoiceMark::print(device, t.e.kotai(5), SeibetuMarks, X0, Y0);
    PrintItemProc(device, head1TagItems(), t, X0, Y0);
    ChoiceMark::print(device, t.g(0, 8), TenkiMarks, X0, Y0);
    printByoBlock(device, t);
    wrap(device, t.g(2, 2) + QStringLiteral("  ") + t.g(2, 5), 11, 52.5f, 20, 3.2f, 9.5f);
    if (!t.g(1, 12).isEmpty())
        text(device, KarteSheetOitaProc::eraDate(t.g(1, 12), t.reiwaNow), 9.5f, 105, 52.5f, Left);
    printClinic(device, t);
    printTotals(device, t);
}

void KarteHead2(PrintDevice& device, const Sheet& t, int p)
{
    text(device, QString::number(p + 1) + QStringLiteral("ページ"), 9, 5, 3, Left);
    text(device, t.e.nouka(2), 10, 134.5f, 3, Centre);
    text(device, SindansyoText::meigouParts(t.e.kotai(6)).at(0), 10, 28, 10, Centre);
}

// ---- visit rows

struct Slot
{
    float y = 0;
    float h = 0;
    int r = 0;
};

QList<Slot> sheetSlots(int p)
{
    if (p == 0)
        return {{73, 41, SindansyoEpisode::sinsatuRow(0)}, {114, 23, SindansyoEpisode::sinsatuRow(1)},
                {137, 23, SindansyoEpisode::sinsatuRow(2)}};
    QList<Slot> out;
    for (int k = 0; k < 7; ++k) {
        const int exam = 3 + 7 * (p - 1) + k;
        if (exam < 20)
            out.append({34 + 24.0f * float(k), 24, SindansyoEpisode::sinsatuRow(exam)});
    }
    return out;
}

void printOusin(PrintDevice& device, const Sheet& t, const Slot& s)
{
    for (int i = s.r + 1; i <= s.r + 7; ++i) {
        if (t.g(i, 3) != QStringLiteral("往診"))
            continue;
        if (t.g(i, 4) == QStringLiteral("同時診療")) {
            text(device, QStringLiteral("往診  同時診療"), 8.5f, 55, s.y + 3, Left);
            return;
        }
        text(device, QStringLiteral("往診　 　 　km　 　時　　分"), 8.5f, 54, s.y + 2, Left);
        const QStringList parts = t.g(i, 4).split(QLatin1Char('k'));
        if (parts.size() == 2)
            text(device, parts.at(0), 8.5f, 65, s.y + 2, Centre);
        text(device, t.g(i, 8), 9.5f, 136, s.y + 2, Right);
        text(device, t.g(i, 9), 9.5f, 148, s.y + 2, Right);
        return;
    }
}

// One treatment line from y; the lines it takes.
int printTiryo(PrintDevice& device, const Sheet& t, int i, float y)
{
    const QString bunrui = SharedUtil::Trim(t.g(i, 3));
    if (bunrui != QStringLiteral("診療点数無"))
        wrap(device, KarteSheetOitaProc::bunruiText(bunrui), 54, y, 4, 3, 7);
    text(device, KingakuFormatProc(t.g(i, 7)), 9.5f, 123, y, Right);
    if (t.g(i, 8) != QLatin1String("0"))
        text(device, t.g(i, 8), 9.5f, 136, y, Right);
    if (t.g(i, 9) != QLatin1String("0"))
        text(device, t.g(i, 9), 9.5f, 148, y, Right);
    const QString content = SharedUtil::Trim(t.g(i, 4));
    const QChar colon = content.contains(QLatin1Char(':')) ? QLatin1Char(':') : QChar(0xFF1A);
    const bool split = content.contains(colon);
    const QStringList parts = content.split(colon);
    const int c1 = wrap(device, split ? parts.at(0) : content, 62, y, 8, 3, 8);
    const int c2 = split ? wrap(device, parts.at(1), 87, y, 7, 3, 6.5f)
                         : wrap(device, SharedUtil::Trim(t.g(i, 5)), 87, y, 7, 2.8f, 6.5f);
    wrap(device, SharedUtil::Trim(t.g(i, 6)), 105, y, 9, split ? 3 : 2.8f, 8.5f);
    return std::max(c1, c2);
}

void printSlot(PrintDevice& device, const Sheet& t, const Slot& s)
{
    if (!t.g(s.r, 2).isEmpty()) {
        const QStringList parts = t.g(s.r, 2).split(QLatin1Char('.'));
        text(device, SharedUtil::Trim(parts.value(1)), 9.5f, 2, s.y + s.h / 2, Centre);
        text(device, SharedUtil::Trim(parts.value(2)), 9.5f, 7, s.y + s.h / 2, Centre);
    }
    const QStringList tpr = t.g(s.r, 3).split(QLatin1Char(' '));
    if (!t.g(s.r, 3).isEmpty() && tpr.size() == 3 && tpr.at(0).split(QLatin1Char('=')).size() == 2)
        text(device, SharedUtil::Trim(tpr.at(0).split(QLatin1Char('=')).at(1)), 10, 29, s.y + s.h - 2.5f, Left);
    float py = Y0 + s.y + s.h - 17;
    PictPrintProc(device, ValueReader::leadingInt(t.g(s.r + 8, 2)), X0 + 40, py);
    QString course = SharedUtil::Trim(t.g(s.r + 1, 2));
    for (int f = 3; f <= 10; ++f) {
        if (!t.g(s.r + 8, f).isEmpty())
            course += QLatin1Char(' ') + t.g(s.r + 8, f);
    }
    wrap(device, course, 10.5f, s.y + 3.5f, 13, 3.5f, 9.5f);
    const QStringList start = t.g(s.r, 5).split(QLatin1Char(':'));
    if (start.size() == 2) {
        text(device, start.at(0), 9, 74, s.y + 2, Centre);
        text(device, start.at(1), 9, 81, s.y + 2, Centre);
    }
    printOusin(device, t, s);
    int n = 0;
    for (int i = s.r + 1; i <= s.r + 7; ++i) {
        const QString bunrui = t.g(i, 3);
        if (!bunrui.isEmpty() && bunrui != QStringLiteral("往診") && bunrui != QStringLiteral("PLテスト結果"))
            n += printTiryo(device, t, i, s.y + 7 + 3 * float(n));
    }
    for (int i = s.r + 1; i <= s.r + 7; ++i) {
        if (t.g(i, 3) == QStringLiteral("PLテスト結果")) {
            float x = X0 + 10;
            float y = Y0 + s.y + s.h - 13.5f;
            MarkPrintProc(device, t.g(i, 4), x, y);
        }
    }
}

void SinsatuRows(PrintDevice& device, const Sheet& t, int p)
{
    for (const Slot& s : sheetSlots(p))
        printSlot(device, t, s);
}

int thickness(const SindansyoPrintContext& c, int box)
{
    return ValueReader::leadingInt(c.text(SindansyoPrintContext::arrayName(QStringLiteral("inpTx"), box)));
}

} // namespace

int KarteSheetOitaProc::sheets(int lastSinsatu)
{
    if (lastSinsatu <= 0)
        return 0;
    return std::min(4, 1 + (std::max(lastSinsatu - 3, 0) + 6) / 7);
}

QString KarteSheetOitaProc::eraDate(const QString& date, int reiwaNow)
{
    if (date.isEmpty())
        return date;
    bool ok = false;
    const int year = date.section(QLatin1Char('.'), 0, 0).toInt(&ok);
    return (ok && year <= reiwaNow ? QStringLiteral("R") : QStringLiteral("H")) + date;
}

QString KarteSheetOitaProc::bunruiText(const QString& category)
{
    static const QHash<QString, QString> words = {
        {QStringLiteral("筋肉内注射"), QStringLiteral("筋肉注")},   {QStringLiteral("静脈内注射"), QStringLiteral("静脈注")},
        {QStringLiteral("関節腔内注射"), QStringLiteral("関節注")}, {QStringLiteral("卵巣直接注射"), QStringLiteral("卵巣注")},
        {QStringLiteral("調剤不要"), QStringLiteral("調剤無")}};
    return words.value(category, category);
}

int KarteSheetOitaProc::print(PrintDevice& device, const SindansyoPrintContext& context, const SindansyoEpisode& e)
{
    device.setPaper(PrintDevice::Paper::JisB5, PrintDevice::Orientation::Portrait);
    PrintPageModel::loadPrintSetFile();
    const PrintHoseiInfo h = PrintPageModel::current().PrintHosei;
    const FormOffset offset{X0, Y0, h.YokoHosei, h.TateHosei};
    const int frame = thickness(context, 0);
    const int rule = thickness(context, 1);
    const bool newSpecies = KarteWaku::newSpecies(e.kotai(1));
    const Sheet t{{context, e}, reiwaYearNow()};
    const int count = sheets(SindansyoPageCount::lastSinsatuNumber(e, SindansyoPageCount::Counted::Dated));
    for (int p = 0; p < count; ++p) {
        if (p == 0) {
            KarteWaku::KarteWaku1(device, offset, frame, rule, newSpecies);
            KarteHead1(device, t);
        } else {
            KarteWaku::KarteWaku2(device, offset, frame, rule);
            KarteHead2(device, t, p);
        }
        SinsatuRows(device, t, p);
        device.processEvents();
        device.newPage();
    }
    return count;
}
