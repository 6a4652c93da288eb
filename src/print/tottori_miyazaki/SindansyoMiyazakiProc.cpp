#include "SindansyoMiyazakiProc.h"

#include "MiyazakiOcr.h"
#include "MiyazakiSinsatuProc.h"
#include "MiyazakiSource.h"

#include "common/KingakuFormatProc.h"
#include "common/MojiPrintProc.h"
#include "common/NoukaFileSearch.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"
#include "common/SharedUtil.h"
#include "common/SindansyoPageCount.h"
#include "common/SiteProfile.h"
#include "common/ValueReader.h"
#include "common/WrapPrintProc.h"
#include "print/common/ChoiceMark.h"
#include "print/common/PrintItem.h"
#include "print/common/SindansyoText.h"

#include <cmath>

namespace {

using PrintAlign::Left;
using PrintAlign::Right;
using Item = PrintItem<MiyazakiSource>;
using Table = PrintItemTable<MiyazakiSource>;
constexpr int Mincho = 1;

QStringList dateParts(const QString& date)
{
    return date.split(QLatin1Char('.'));
}

QString trimmedPart(const QString& date, int part)
{
    return SharedUtil::Trim(dateParts(date).value(part));
}

// --- Draws of the rows that print otherwise than as one text ------------------------------------

void drawDigits(PrintDevice& device, const MiyazakiSource&, const Item&, const QString& text, float x, float y)
{
    MiyazakiOcr::SujiPrintProc(device, text, x, y);
}

void drawWrapped20(PrintDevice& device, const MiyazakiSource&, const Item& row, const QString& text, float x, float y)
{
    WrapPrintProc(device, text, row.size, row.font, row.align, x, y, 20, 3.0f);
}

// Disease names: width 19; a long name in the smaller size from its higher start (row.y).
void drawByoName(PrintDevice& device, const MiyazakiSource&, const Item& row, const QString& text, float x, float y,
                 bool isLong)
{
    WrapPrintProc(device, text, isLong ? 9.2f : row.size, row.font, row.align, x, isLong ? y - 1.5f : y, 19, 3.0f);
}

void drawByoName1(PrintDevice& device, const MiyazakiSource& m, const Item& row, const QString& text, float x, float y)
{
    drawByoName(device, m, row, text, x, y, text.size() >= 19);
}

void drawByoName2(PrintDevice& device, const MiyazakiSource& m, const Item& row, const QString& text, float x, float y)
{
    drawByoName(device, m, row, text, x, y, text.size() > 19);
}

// The examination count: one digit in the right-hand box (row.x), two from 4 mm further left.
void drawKaisu(PrintDevice& device, const MiyazakiSource&, const Item&, const QString& text, float x, float y)
{
    MiyazakiOcr::SujiPrintProc(device, text, text.size() == 2 ? x - 4.0f : x, y);
}

// Disease codes of both diseases (rows at y and y + 7): three parts at x, x + 15, x + 30, each
// with a leading blank below 10 and left out when it is 0.
void drawByoCodes(PrintDevice& device, const MiyazakiSource& m, const Item&, const QString&, float x, float y)
{
    const struct { int row; float y; } codes[] = {{SindansyoEpisode::NameRow, y}, {SindansyoEpisode::Data1Row, y + 7}};
    for (const auto& code : codes) {
        const QString text = m.cell(code.row, 3);
        const QStringList parts = text.split(QLatin1Char('-'));
        if (text.isEmpty() || text.startsWith(QLatin1Char('-')) || parts.size() != 3)
            continue;
        for (int i = 0; i < 3; ++i) {
            const QString part = SharedUtil::Trim(parts.at(i));
            if (ValueReader::leadingNumber(part) != 0)
                MiyazakiOcr::SujiPrintProc(device, MiyazakiOcr::blankPad(part), x + 15.0f * float(i), code.y);
        }
    }
}

const QList<ChoiceMark> TenkiMarks = {{QStringLiteral("治癒"), 158, 0}, {QStringLiteral("中止"), 164, 0},
                                      {QStringLiteral("死亡"), 170, 0}, {QStringLiteral("廃用"), 176, 0},
                                      {QStringLiteral("法令殺"), 182, 0}};
const QList<ChoiceMark> SeibetuMarks = {
    {QStringLiteral("雄"), 83, 0}, {QStringLiteral("雌"), 89.5f, 0}, {QStringLiteral("去"), 96.5f, 0}};
const QList<ChoiceMark> TikushuMarks = {{QStringLiteral("成"), 32.5f, 0}, {QStringLiteral("育"), 32.5f, 0},
                                        {QStringLiteral("肥"), 39, 0},    {QStringLiteral("特"), 45.5f, 0},
                                        {QStringLiteral("他"), 45.5f, 0}, {QStringLiteral("馬"), 52, 0},
                                        {QStringLiteral("豚"), 58, 0}};
const QList<ChoiceMark> TikushuMarksEarlier = {{QStringLiteral("成"), 32.5f, 0}, {QStringLiteral("育"), 32.5f, 0},
                                               {QStringLiteral("肥"), 39, 0},    {QStringLiteral("特"), 45.5f, 0},
                                               {QStringLiteral("馬"), 52, 0},    {QStringLiteral("豚"), 58, 0}};

void drawTenki(PrintDevice& device, const MiyazakiSource&, const Item&, const QString& text, float, float y)
{
    ChoiceMark::print(device, text, TenkiMarks, 0, y);
}
void drawSeibetu(PrintDevice& device, const MiyazakiSource&, const Item&, const QString& text, float, float y)
{
    ChoiceMark::print(device, text, SeibetuMarks, 0, y);
}
void drawTikushu(PrintDevice& device, const MiyazakiSource& m, const Item&, const QString& text, float, float y)
{
    ChoiceMark::print(device, text, m.earlier ? TikushuMarksEarlier : TikushuMarks, 0, y);
}

// One date into its three pairs of boxes: parts trimmed and padded with "0"; Western years
// where the site wants them; the earlier layout leaves a part of 0 empty.
void printOcrDate(PrintDevice& device, const MiyazakiSource& m, const QString& date, const float (&xs)[3], float y)
{
    QStringList parts = dateParts(date);
    if (m.seireki())
        SindansyoMiyazakiProc::HenkanSeirekiProc(parts);
    for (int i = 0; i < parts.size() && i < 3; ++i) {
        if (m.earlier && ValueReader::leadingNumber(parts.at(i)) == 0)
            continue;
        MiyazakiOcr::SujiPrintProc(device, MiyazakiOcr::zeroPad(parts.at(i)), xs[i], y);
    }
}

// Step D: the disease dates of disease 1 (y) and disease 2 (y + 7.5, when it has a name). An
// onset beginning with "." skips the onset, first-exam and outcome dates of its line and the
// lines after; the last-exam dates (exchanged when DateCh is ticked) print all the same.
void drawByoDates(PrintDevice& device, const MiyazakiSource& m, const Item&, const QString&, float, float y)
{
    const bool second = !m.cell(SindansyoEpisode::Data1Row, 2).isEmpty();
    const int rows[] = {SindansyoEpisode::NameRow, SindansyoEpisode::Data1Row};
    const float ys[] = {y, y + 7.5f};
    QString syusin[] = {m.cell(rows[0], 6), m.cell(rows[1], 6)};
    if (m.c.DateCh == 1)
        std::swap(syusin[0], syusin[1]);
    const bool tenki = m.cell(SindansyoEpisode::NameRow, 8) != QStringLiteral("未");
    bool skip = false;
    for (int i = 0; i < (second ? 2 : 1); ++i) {
        skip = skip || m.cell(rows[i], 4).startsWith(QLatin1Char('.'));
        if (!skip) {
            printOcrDate(device, m, m.cell(rows[i], 4), {25.5f, 35.5f, 45.5f}, ys[i]);
            printOcrDate(device, m, m.cell(rows[i], 5), {56.0f, 66.0f, 76.0f}, ys[i]);
            if (tenki)
                printOcrDate(device, m, m.cell(rows[i], 7), {117.0f, 127.0f, 137.0f}, ys[i]);
        }
        printOcrDate(device, m, syusin[i], {86.5f, 96.5f, 106.5f}, ys[i]);
    }
}

// The birth year: a Reiwa year written with its letter becomes the Western year, 2.5 mm left.
QString birthYear(const MiyazakiSource& m)
{
    const QString year = trimmedPart(m.e.kotai(4), 0);
    if (m.seireki() && year.startsWith(QLatin1Char('R')))
        return QString::number(qint64(ValueReader::leadingInt(year.mid(1))) + 2018);
    return year;
}

void drawBirthYear(PrintDevice& device, const MiyazakiSource& m, const Item& row, const QString& text, float x, float y)
{
    const bool western = m.seireki() && trimmedPart(m.e.kotai(4), 0).startsWith(QLatin1Char('R'));
    MojiPrintProc(device, text, row.size, row.font, western ? x - 2.5f : x, y, row.align, 0);
}

// The animal's name: up to 8 characters on one line, a longer one as 8 characters and the rest
// below (y - 1 and y + 1.5). The old paper has it further right.
void drawMeigou(PrintDevice& device, const MiyazakiSource& m, const Item& row, const QString& text, float x, float y)
{
    const float at = m.ch(8) ? 81.0f : x;
    if (text.size() <= 8) {
        MojiPrintProc(device, text, row.size, row.font, at, y, row.align, 0);
        return;
    }
    MojiPrintProc(device, text.left(8), row.size, row.font, at, y - 1.0f, row.align, 0);
    MojiPrintProc(device, text.mid(8), row.size, row.font, at, y + 1.5f, row.align, 0);
}

QStringList meigouParts(const MiyazakiSource& m)
{
    return SindansyoText::meigouParts(m.e.kotai(6));
}

// The individual number, placed by the length of its first group (up to five), a second group
// from x 117.
void drawKotaiNo(PrintDevice& device, const MiyazakiSource&, const Item&, const QString& text, float, float y)
{
    if (text.isEmpty())
        return;
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    const QString first = dash < 0 ? text : text.left(dash);
    const float lefts[] = {111.0f, 106.5f, 102.0f, 96.5f, 91.5f};
    if (first.size() >= 1 && first.size() <= 5)
        MiyazakiOcr::SujiPrintProc(device, first, lefts[first.size() - 1], y);
    if (dash >= 0 && dash + 1 < text.size())
        MiyazakiOcr::SujiPrintProc(device, text.mid(dash + 1), 117.0f, y);
}

void drawBango(PrintDevice& device, const MiyazakiSource&, const Item&, const QString& text, float x, float y)
{
    MiyazakiOcr::BangoSujiPrintProc(device, text, x, y);
}

// --- Step Q and the sources -----------------------------------------------------------------

QString replacedName(const MiyazakiSource& m, QString name)
{
    const SiteProfile& site = m.c.Site;
    const bool nameHenkan = m.site("SiteMiyazakiZero") || (!m.earlier && m.site("SiteMiyazakiVetA"));
    if (nameHenkan)
        name = site.partner(QStringLiteral("NameHenkan"), name).value_or(name);
    if (!m.earlier || m.site("SiteMiyazakiVetF")) {
        const QString sei = m.c.KenSite.text(QStringLiteral("SeiHenkan"));
        for (const QString& pair : sei.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            const qsizetype at = pair.indexOf(QLatin1Char('>'));
            if (at > 0)
                name.replace(pair.left(at), pair.mid(at + 1));
        }
    }
    if (m.site("SiteMiyazakiVetF"))
        name = site.partner(QStringLiteral("CodeNameHenkan"), m.e.nouka(3)).value_or(name);
    return name;
}

QString farmerName(const MiyazakiSource& m)
{
    return replacedName(m, m.earlier ? m.e.nouka(2) : m.touName);
}

QString farmerAddress(const MiyazakiSource& m)
{
    if (m.earlier)
        return m.e.nouka(4);
    if (!m.touAddress.isEmpty())
        return m.touAddress;
    return m.c.KenSite.partner(QStringLiteral("AddressHenkan"), m.c.CurrentNouka.NoukaCode).value_or(QString());
}

QString memberCode(const MiyazakiSource& m)
{
    const QString code = m.e.nouka(3);
    if (m.site("SiteMiyazakiVetF"))
        return m.c.Site.partner(QStringLiteral("CodeHenkan"), code).value_or(code);
    return code;
}

QString tikushuCode(const MiyazakiSource& m)
{
    const QString tikushu = m.e.kotai(1);
    const QList<QPair<QStringList, QString>> current = {
        {{"成", "育", "乳"}, "10"}, {{"肥", "特", "他", "混"}, "20"}, {{"馬"}, "40"}, {{"豚"}, "50"}};
    const QList<QPair<QStringList, QString>> earlier = {
        {{"成", "育"}, "10"}, {{"肥"}, "30"}, {{"特"}, "20"}, {{"馬"}, "40"}, {{"豚"}, "50"}};
    for (const auto& [values, code] : m.earlier ? earlier : current) {
        if (values.contains(tikushu))
            return code;
    }
    return QString();
}

// Step N: no number at the sites without one, the site's own number at three sites.
QString doctorNumber(const MiyazakiSource& m)
{
    const QString code = m.c.DoctorInfo.DoctorCode;
    if (m.earlier || code.isEmpty())
        return code;
    if (m.hidesDoctor())
        return QString();
    const bool fixed = m.site("SiteMiyazakiVetA") || m.site("SiteMiyazakiVetB") || m.site("SiteMiyazakiVetF");
    const QString own = m.c.Site.text(QStringLiteral("FixedDoctorCode"));
    return fixed && !own.isEmpty() ? own : code;
}

QString doctorName(const MiyazakiSource& m)
{
    const QString name = m.c.DoctorInfo.DoctorName;
    const QString key = m.c.Site.text(QStringLiteral("DoctorNameKey"));
    if (!m.earlier && m.site("SiteMiyazakiVetA") && !key.isEmpty() && name.contains(key))
        return m.c.Site.text(QStringLiteral("FixedDoctorName"));
    return name;
}

bool mimibanAsText(const MiyazakiSource& m)
{
    return SindansyoText::mimibanPrinted(m.entry.karteFile, m.e.kotai(10));
}

// The chart date's year: without its era letter; on the new paper at the Western-year sites a
// Reiwa year becomes the four-digit Western year.
QString hidukeYear(const MiyazakiSource& m, bool oldPaper)
{
    const QString year = SindansyoText::withoutEra(trimmedPart(m.c.PrintHiduke, 0));
    if (!oldPaper && m.seireki() && ValueReader::leadingNumber(year) < 20)
        return QString::number(ValueReader::leadingInt(year) + 2018);
    return year;
}

bool hidukeSplits(const MiyazakiSource& m)
{
    return dateParts(m.c.PrintHiduke).size() == 3;
}

QString bunbenPart(const MiyazakiSource& m, int field, int part)
{
    const QString text = trimmedPart(m.cell(SindansyoEpisode::Data1Row, field), part);
    return part == 0 ? SindansyoText::withoutEra(text) : text;
}

bool ocr(const MiyazakiSource& m)
{
    return m.ch(0);
}

bool coverPrinted(const MiyazakiSource& m)
{
    const QString cover = m.e.kotai(15);
    return m.e.kotaiFields.size() > 15 && !cover.isEmpty() && !cover.contains(QStringLiteral("H0"))
        && cover.contains(QLatin1Char('.'));
}

// --- Table H: the header of the first page ---------------------------------------------------

Table tableH()
{
    return {
        {"H1 farmer name", farmerName, 16, Mincho, Left, 148.0f, 64.5f},
        {"H2 farmer address", farmerAddress, 14, Mincho, Left, 145.0f, 50.5f},
        {"H3 history report", [](const MiyazakiSource& m) { return m.cell(SindansyoEpisode::Data2Row, 2); }, 10.5f,
         Mincho, Left, 25.0f, 96.0f, nullptr, drawWrapped20},
        {"H4 cause", [](const MiyazakiSource& m) { return m.cell(SindansyoEpisode::Data2Row, 5); }, 10.5f, Mincho, Left,
         98.0f, 96.0f, nullptr, drawWrapped20},
        {"H5 disease 1", [](const MiyazakiSource& m) { return m.cell(SindansyoEpisode::NameRow, 2); }, 9.7f, Mincho,
         Left, 27.0f, 59.0f, nullptr, drawByoName1},
        {"H6 disease 2", [](const MiyazakiSource& m) { return m.cell(SindansyoEpisode::Data1Row, 2); }, 9.7f, Mincho,
         Left, 27.0f, 66.5f, nullptr, drawByoName2},
        {"H7 examinations", [](const MiyazakiSource& m) { return m.cell(SindansyoEpisode::NameRow, 9); }, 14, 0, 0,
         152.0f, 87.0f, ocr, drawKaisu},
        {"H8 disease codes", nullptr, 14, 0, 0, 97.0f, 60.0f, ocr, drawByoCodes},
        {"H9 outcome", [](const MiyazakiSource& m) { return m.cell(SindansyoEpisode::NameRow, 8); }, 0, 0, 0, 0, 79.0f,
         ocr, drawTenki},
        {"H10 disease dates", nullptr, 14, 0, 0, 0, 79.5f, ocr, drawByoDates},
        {"H11 birth year", birthYear, 8, Mincho, Left, 115.5f, 46.5f,
         [](const MiyazakiSource& m) { return dateParts(m.e.kotai(4)).size() == 3; }, drawBirthYear},
        {"H11 birth month", [](const MiyazakiSource& m) { return trimmedPart(m.e.kotai(4), 1); }, 8, Mincho, Left,
         123.0f, 46.5f, [](const MiyazakiSource& m) { return dateParts(m.e.kotai(4)).size() == 3; }},
        {"H11 birth day", [](const MiyazakiSource& m) { return trimmedPart(m.e.kotai(4), 2); }, 8, Mincho, Left, 130.0f,
         46.5f, [](const MiyazakiSource& m) { return dateParts(m.e.kotai(4)).size() == 3; }},
        {"H12 cover year", [](const MiyazakiSource& m) { return trimmedPart(m.e.kotai(15), 0); }, 8, Mincho, Left,
         115.5f, 52.5f, coverPrinted},
        {"H12 cover month", [](const MiyazakiSource& m) { return trimmedPart(m.e.kotai(15), 1); }, 8, Mincho, Left,
         123.0f, 52.5f, coverPrinted},
        {"H12 cover day", [](const MiyazakiSource& m) { return trimmedPart(m.e.kotai(15), 2); }, 8, Mincho, Left,
         130.0f, 52.5f, coverPrinted},
        {"H13 animal name", [](const MiyazakiSource& m) { return meigouParts(m).at(0); }, 7.5f, Mincho, Left, 31.0f,
         52.5f, nullptr, drawMeigou},
        {"H14 sex", [](const MiyazakiSource& m) { return m.e.kotai(5); }, 0, 0, 0, 0, 46.5f, nullptr, drawSeibetu},
        {"H15 species", [](const MiyazakiSource& m) { return m.e.kotai(1); }, 0, 0, 0, 0, 46.0f, nullptr, drawTikushu},
        {"H16 ear tag, old paper", [](const MiyazakiSource& m) { return m.e.kotai(10); }, 10, Mincho, Left, 29.0f,
         52.5f, [](const MiyazakiSource& m) { return m.ch(8) && mimibanAsText(m); }},
        {"H17 ear tag, new paper", [](const MiyazakiSource& m) { return m.e.kotai(10); }, 14, 0, 0, 122.0f, 38.5f,
         [](const MiyazakiSource& m) { return !m.ch(8) && MiyazakiOcr::SujiHeadCheckProc(m.e.kotai(10)); },
         drawDigits},
        {"H18 last calving year", [](const MiyazakiSource& m) { return bunbenPart(m, 12, 0); }, 9, Mincho, Left,
         176.0f, 94.5f, [](const MiyazakiSource& m) { return dateParts(m.cell(1, 12)).size() == 3; }},
        {"H18 last calving month", [](const MiyazakiSource& m) { return bunbenPart(m, 12, 1); }, 9, Mincho, Left,
         185.5f, 94.5f, [](const MiyazakiSource& m) { return dateParts(m.cell(1, 12)).size() == 3; }},
        {"H18 last calving day", [](const MiyazakiSource& m) { return bunbenPart(m, 12, 2); }, 9, Mincho, Left,
         193.0f, 94.5f, [](const MiyazakiSource& m) { return dateParts(m.cell(1, 12)).size() == 3; }},
        {"H19 last insemination year", [](const MiyazakiSource& m) { return bunbenPart(m, 13, 0); }, 9, Mincho, Left,
         176.0f, 101.5f, [](const MiyazakiSource& m) { return dateParts(m.cell(1, 13)).size() == 3; }},
        {"H19 last insemination month", [](const MiyazakiSource& m) { return bunbenPart(m, 13, 1); }, 9, Mincho, Left,
         185.5f, 101.5f, [](const MiyazakiSource& m) { return dateParts(m.cell(1, 13)).size() == 3; }},
        {"H19 last insemination day", [](const MiyazakiSource& m) { return bunbenPart(m, 13, 2); }, 9, Mincho, Left,
         193.0f, 101.5f, [](const MiyazakiSource& m) { return dateParts(m.cell(1, 13)).size() == 3; }},
    };
}

// --- Table I: the identification block of every page (option 0) ----------------------------

Table tableI()
{
    return {
        {"I1 page number", [](const MiyazakiSource& m) { return QString::number(m.page + 1); }, 14, 0, 0, 25.5f, 26.0f,
         [](const MiyazakiSource& m) { return m.pages > 1; }, drawDigits},
        {"I2 year", [](const MiyazakiSource& m) { return SharedUtil::Trim(m.c.NenDo); }, 14, 0, 0, 71.0f, 38.5f,
         nullptr, drawDigits},
        {"I3 member code", memberCode, 14, 0, 0, 20.5f, 38.5f, nullptr, drawDigits},
        {"I4 species code", tikushuCode, 14, 0, 0, 61.0f, 38.5f, nullptr, drawDigits},
        {"I5 individual number", [](const MiyazakiSource& m) { return meigouParts(m).at(1); }, 14, 0, 0, 0, 38.5f,
         [](const MiyazakiSource& m) { return m.ch(1); }, drawKotaiNo},
        {"I6 veterinarian number", doctorNumber, 14, 0, 0, 56.2f, 25.5f, nullptr, drawBango},
        {"I7 ear tag, new paper", [](const MiyazakiSource& m) { return m.e.kotai(10); }, 14, 0, 0, 122.0f, 38.5f,
         [](const MiyazakiSource& m) { return !m.ch(8) && MiyazakiOcr::SujiHeadCheckProc(m.e.kotai(10)); },
         drawDigits},
        {"I8 association code",
         [](const MiyazakiSource& m) {
             const NoukaInfo& n = m.c.CurrentNouka;
             return NoukaFileSearch::read().byTikuName(n.NoukaTiku, n.NoukaName).value(5);
         },
         14, 0, 0, 81.0f, 38.5f, nullptr, drawDigits},
    };
}

// --- Table L: the closing items of the last page --------------------------------------------

QString yakkaTotal(const MiyazakiSource& m)
{
    return KingakuFormatProc(m.c.MainGd16);
}

QString bTotal(const MiyazakiSource& m)
{
    const double yakkaPoints = std::round(ValueReader::leadingNumber(m.c.MainGd16) / 10);
    return KingakuFormatProc(QString::number(yakkaPoints + ValueReader::leadingNumber(m.c.MainGd15), 'f', 0));
}

bool newPaper(const MiyazakiSource& m)
{
    return !m.ch(8);
}

bool oldPaper(const MiyazakiSource& m)
{
    return m.ch(8);
}

bool nameShown(const MiyazakiSource& m)
{
    return !m.c.DoctorInfo.DoctorAd.isEmpty() && !m.hidesDoctor();
}

Table tableL()
{
    return {
        {"L1 veterinarian name", doctorName, 12, Mincho, Left, 108.0f, 283.5f,
         [](const MiyazakiSource& m) { return nameShown(m) && newPaper(m); }},
        {"L1 veterinarian name, old paper", doctorName, 12, Mincho, Left, 158.0f, 31.5f,
         [](const MiyazakiSource& m) { return nameShown(m) && oldPaper(m); }},
        {"L2 veterinarian address", [](const MiyazakiSource& m) { return m.c.DoctorInfo.DoctorAd; }, 10, Mincho, Left,
         88.0f, 278.5f, [](const MiyazakiSource& m) { return !m.hidesDoctor() && newPaper(m); }},
        {"L2 veterinarian address, old paper", [](const MiyazakiSource& m) { return m.c.DoctorInfo.DoctorAd; }, 10,
         Mincho, Left, 73.0f, 24.0f, [](const MiyazakiSource& m) { return !m.hidesDoctor() && oldPaper(m); }},
        {"L3 chart date year", [](const MiyazakiSource& m) { return hidukeYear(m, false); }, 9, Mincho, Left, 39.5f,
         266.5f, [](const MiyazakiSource& m) { return hidukeSplits(m) && newPaper(m); }},
        {"L3 chart date month", [](const MiyazakiSource& m) { return trimmedPart(m.c.PrintHiduke, 1); }, 9, Mincho,
         Left, 49.5f, 266.5f, [](const MiyazakiSource& m) { return hidukeSplits(m) && newPaper(m); }},
        {"L3 chart date day", [](const MiyazakiSource& m) { return trimmedPart(m.c.PrintHiduke, 2); }, 9, Mincho, Left,
         58.0f, 266.5f, [](const MiyazakiSource& m) { return hidukeSplits(m) && newPaper(m); }},
        {"L3 chart date year, old paper", [](const MiyazakiSource& m) { return hidukeYear(m, true); }, 9, Mincho, Left,
         129.0f, 27.0f, [](const MiyazakiSource& m) { return hidukeSplits(m) && oldPaper(m); }},
        {"L3 chart date month, old paper", [](const MiyazakiSource& m) { return trimmedPart(m.c.PrintHiduke, 1); }, 9,
         Mincho, Left, 138.0f, 27.0f, [](const MiyazakiSource& m) { return hidukeSplits(m) && oldPaper(m); }},
        {"L3 chart date day, old paper", [](const MiyazakiSource& m) { return trimmedPart(m.c.PrintHiduke, 2); }, 9,
         Mincho, Left, 146.0f, 27.0f, [](const MiyazakiSource& m) { return hidukeSplits(m) && oldPaper(m); }},
        {"L4 drug-price total", yakkaTotal, 10, Mincho, Right, 195.0f, 260.5f,
         [](const MiyazakiSource& m) { return m.ch(4) && newPaper(m); }},
        {"L4 drug-price total, old paper", yakkaTotal, 10, Mincho, Right, 155.0f, 260.5f,
         [](const MiyazakiSource& m) { return m.ch(4) && oldPaper(m); }},
        {"L5 B points total", bTotal, 10, Mincho, Right, 195.0f, 268.5f,
         [](const MiyazakiSource& m) { return m.ch(4) && newPaper(m); }},
        {"L5 B points total, old paper", bTotal, 10, Mincho, Right, 155.0f, 268.5f,
         [](const MiyazakiSource& m) { return m.ch(4) && oldPaper(m); }},
    };
}

// --- The earlier layout: the same tables with its differences --------------------------------

void remove(Table& table, const QStringList& items)
{
    table.removeIf([&items](const Item& row) { return items.contains(row.item); });
}

Table earlierH()
{
    Table table = tableH();
    remove(table, {"H12 cover year", "H12 cover month", "H12 cover day", "H17 ear tag, new paper",
                   "H19 last insemination year", "H19 last insemination month", "H19 last insemination day"});
    findPrintItem(table, QStringLiteral("H9 outcome"))->y = 79.5f;
    findPrintItem(table, QStringLiteral("H13 animal name"))->x = 29.0f;
    findPrintItem(table, QStringLiteral("H15 species"))->y = 46.5f;
    findPrintItem(table, QStringLiteral("H16 ear tag, old paper"))->condition = mimibanAsText;
    return table;
}

Table earlierI()
{
    Table table = tableI();
    remove(table, {"I7 ear tag, new paper"});
    return table;
}

// The closing items always at the top of the form, for every site, and no totals; two sites
// print the name a second time, one a fixed text.
Table earlierL()
{
    Table table = tableL();
    remove(table, {"L1 veterinarian name", "L2 veterinarian address", "L3 chart date year", "L3 chart date month",
                   "L3 chart date day", "L4 drug-price total", "L4 drug-price total, old paper", "L5 B points total",
                   "L5 B points total, old paper"});
    const auto shown = [](const MiyazakiSource& m) { return !m.c.DoctorInfo.DoctorAd.isEmpty(); };
    findPrintItem(table, QStringLiteral("L1 veterinarian name, old paper"))->condition = shown;
    findPrintItem(table, QStringLiteral("L2 veterinarian address, old paper"))->condition = nullptr;
    for (const char* item : {"L3 chart date year, old paper", "L3 chart date month, old paper",
                             "L3 chart date day, old paper"})
        findPrintItem(table, QString::fromUtf8(item))->condition = hidukeSplits;
    const auto siteText = [](const MiyazakiSource& m) { return m.c.Site.text(QStringLiteral("SiteText")); };
    const auto zero = [](const MiyazakiSource& m) { return m.site("SiteMiyazakiZero"); };
    table.append({"L1a second veterinarian name", doctorName, 12, Mincho, Left, 50.0f, 278.0f,
                  [](const MiyazakiSource& m) {
                      return !m.c.DoctorInfo.DoctorAd.isEmpty()
                          && (m.site("SiteMiyazakiZero") || m.site("SiteMiyazakiVetA"));
                  }});
    table.append({"L1b site text", siteText, 10, Mincho, Left, 21.0f, 270.0f, zero});
    table.append({"L1b site text, second", siteText, 10, Mincho, Left, 76.5f, 283.0f, zero});
    return table;
}

SindansyoPrintRun::Result printCertificate(PrintDevice& device, const SindansyoPrintContext& context,
                                           const PrintJobEntry& entry, bool earlier)
{
    const SindansyoEpisode episode =
        SindansyoEpisode::load(context.kartePath(entry.karteFile), entry.byoName, entry.syosinDate);
    if (!episode.found())
        return {0, SindansyoPrintRun::refusal(episode)};
    MiyazakiSource m(context, episode, entry, earlier);
    if (!earlier) {
        const QStringList registered = NoukaFileSearch::read().byCode(context.CurrentNouka.NoukaCode);
        m.touName = registered.value(1);
        m.touAddress = registered.value(3);
    }
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    PrintPageModel::loadPrintSetFile();
    m.pages = SindansyoPageCount::pages(episode, SindansyoPageCount::Counted::Dated, SindansyoMiyazakiProc::SinsatuPerPage,
                                        SindansyoMiyazakiProc::MaxPages);
    const Table h = earlier ? earlierH() : tableH();
    const Table i = earlier ? earlierI() : tableI();
    const Table l = earlier ? earlierL() : tableL();
    const int chosen = ValueReader::leadingInt(context.text(QStringLiteral("PageTx")));
    int printed = 0;
    for (m.page = 0; m.page < m.pages; ++m.page) {
        if (m.ch(2) && chosen != m.page + 1)
            continue;
        if (m.page == 0)
            PrintItemProc(device, h, m);
        else if (!earlier && m.site("SiteMiyazakiVetC"))
            PrintItemProc(device, Table{h.first()}, m);
        if (m.ch(0))
            PrintItemProc(device, i, m);
        MiyazakiSinsatuProc::print(device, m);
        if (m.page == m.pages - 1)
            PrintItemProc(device, l, m);
        device.newPage();
        ++printed;
    }
    return {printed, QString()};
}

} // namespace

SindansyoPrintRun::Result SindansyoMiyazakiProc::print(PrintDevice& device, const SindansyoPrintContext& context,
                                                       const PrintJobEntry& entry)
{
    return printCertificate(device, context, entry, false);
}

SindansyoPrintRun::Result SindansyoMiyazakiProc::SindansyoMiyazakiProc2(PrintDevice& device,
                                                                        const SindansyoPrintContext& context,
                                                                        const PrintJobEntry& entry)
{
    return printCertificate(device, context, entry, true);
}

QStringList SindansyoMiyazakiProc::HenkanSeirekiProc(QStringList& parts)
{
    if (!parts.isEmpty() && !SharedUtil::Trim(parts.first()).isEmpty()) {
        const double year = ValueReader::leadingNumber(parts.first());
        if (year < 20)
            parts.first() = QString::number(int(year) + 18);
    }
    return parts;
}

int SindansyoMiyazakiProc::SeirekiFlag(const SiteProfile& site)
{
    return site.has(QStringLiteral("SiteMiyazakiVetC")) || site.has(QStringLiteral("SiteMiyazakiVetF")) ? 1 : 0;
}
