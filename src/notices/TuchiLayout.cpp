#include "TuchiLayout.h"

#include "TuchiPrintData.h"

#include "print/common/ListPrintRule.h"

namespace {
using S = TuchiLayout::Source;
constexpr int C = ListPrintRule::Centre;
constexpr int L = ListPrintRule::Start;
constexpr int Any = INT_MAX;

// The parts of a date "year.month.day"; nothing for a text without ".".
QString datePart(const QString& date, int part)
{
    return date.contains(QLatin1Char('.')) ? date.section(QLatin1Char('.'), part, part) : QString();
}
QString dateYear(const QString& date, const TuchiPrintData&) { return datePart(date, 0); }
QString dateMonth(const QString& date, const TuchiPrintData&) { return datePart(date, 1); }
QString dateDay(const QString& date, const TuchiPrintData&) { return datePart(date, 2); }
QString monthSlashDay(const QString& date, const TuchiPrintData&)
{
    return date.contains(QLatin1Char('.')) ? datePart(date, 1) + QLatin1Char('/') + datePart(date, 2) : QString();
}

// The hidden column of the Gunma list: "farmer code:outcome date:outcome".
QString memberNumber(const QString& cell, const TuchiPrintData& data)
{
    if (!cell.contains(QLatin1Char(':')))
        return QString();
    const QString code = cell.section(QLatin1Char(':'), 0, 0);
    return data.site.partner(QStringLiteral("CodeHenkan"), code).value_or(code);
}
QString outcome(const QString& cell, const TuchiPrintData&)
{
    return cell.contains(QLatin1Char(':')) ? cell.section(QLatin1Char(':'), 2, 2) : QString();
}

// The frame lines of a rectangle drawn as top, right, bottom, left.
QList<TuchiLayout::Sen> box(float x1, float y1, float x2, float y2, int width)
{
    return {{x1, y1, x2, y1, width}, {x2, y1, x2, y2, width}, {x2, y2, x1, y2, width}, {x1, y2, x1, y1, width}};
}

// Column rules from the top to the bottom of a frame.
QList<TuchiLayout::Sen> columnRules(const QList<float>& xs, float top, float bottom, int width)
{
    QList<TuchiLayout::Sen> out;
    for (const float x : xs)
        out.append({x, top, x, bottom, width});
    return out;
}

TuchiLayout makeKagosimaNotice()
{
    TuchiLayout l;
    l.rowsPerPage = 31;
    l.rowY0 = 60;
    l.identitySite = QStringLiteral("SiteKagoshimaVetA");
    l.rowPitch = 7;
    l.frame = box(30, 50, 195, 277, 7);
    l.frame += {{30, 60, 195, 60, 7}, {30, 67, 195, 67, 3, 30, 7}};
    l.frame += columnRules({65, 90, 130, 178}, 50, 277, 3);
    l.texts = {
        {S::Text, "農家氏名", 11, 1, C, 49, 57},
        {S::Text, "種類", 11, 1, C, 79, 57},
        {S::Text, "耳標又は名号", 11, 1, C, 110, 57},
        {S::Text, "病   傷 　名", 11, 1, C, 155, 57},
        {S::Text, "備考", 11, 1, C, 187, 57},
        {S::Text, "共済事故発生通知書", 14, 1, C, 95, 30},
        {S::Text, "獣医師氏名", 11, 1, C, 135, 46},
        {S::Text, "（令和　　　年　　　月分）", 11, 1, L, 150, 30},
        {S::Nen, {}, 11, 1, L, 161, 30},
        {S::Tuki, {}, 11, 1, C, 175, 30},
        {S::DocName, {}, 13, 1, L, 158, 46},
        {S::SiteText, "ClinicName", 13, 1, L, 151, 40},
    };
    l.cells = {
        {2, 10, 1, L, 35, -1.5f},
        {4, 11, 1, L, 92, -1.5f, 14, 2.7f},
        {5, 10, 1, L, 133, -2, 16, 2.7f, 0, 32},
        {5, 9, 1, L, 133, -1.35f, 15, 2.7f, 33, 64},
        {5, 8, 1, L, 133, -2.7f, 17, 2.7f, 65, Any},
        {3, 10, 1, L, 69, -1.5f},
    };
    return l;
}

TuchiLayout makeDefaultBook()
{
    TuchiLayout l;
    l.rowsPerPage = 31;
    l.rowY0 = 70;
    l.rowPitch = 7;
    l.frame = box(20, 60, 205, 287, 7);
    l.frame += {{20, 70, 205, 70, 7}, {20, 77, 205, 77, 3, 30, 7}};
    l.frame += columnRules({40, 70, 100, 145, 175}, 60, 287, 3);
    l.frame += {{175, 40, 205, 40, 7}};
    l.texts = {
        {S::Text, "地区名", 11, 0, C, 30, 67},
        {S::Text, "組合員氏名", 11, 0, C, 55, 67},
        {S::Text, "共済目的の種類", 11, 0, C, 85, 67},
        {S::Text, "個体番号", 11, 0, C, 117, 65},
        {S::Text, "または耳標番号", 11, 0, C, 122.5f, 69},
        {S::Text, "病    　名", 11, 0, C, 160, 67},
        {S::Text, "発病年月日", 11, 0, C, 190, 67},
        {S::Text, "乳  ・  肥  ・  特", 11, 0, C, 90, 75.5f, 31, 7},
        {S::Text, "家畜共済病傷事故発生通知簿", 14, 0, C, 90, 27},
        {S::Text, "（令和　　　年　　　月分）", 11, 0, L, 150, 26},
        {S::Nen, {}, 11, 1, L, 161, 26},
        {S::Tuki, {}, 11, 1, C, 175, 26},
        {S::Text, "zi農業共済組合長　殿", 11, 0, C, 44, 37.5f},
        {S::Text, "No.", 9, 0, C, 178, 40},
        {S::PageNo, {}, 12, 1, C, 192, 39},
        {S::Text, "組合員から事故発生通知を依頼されましたので、下記の通り報告します。", 11, 0, C, 105, 46},
        {S::Text, "指定獣医師氏名", 11, 0, C, 137, 55},
        {S::DocName, {}, 13, 1, L, 158, 55},
        {S::Text, "印", 9, 0, C, 198, 55},
    };
    l.circles = {{198, 53.5f, 1.7f}};
    l.cells = {
        {0, 10, 1, L, 21, -2, 5, 3},
        {2, 10, 1, L, 43, -1.5f},
        {4, 11, 1, L, 110, -2, 9, 3},
        {5, 10, 1, L, 146, -2, 8, 2.7f, 0, 16},
        {5, 9, 1, L, 146, -1.35f, 10, 2.7f, 17, 32},
        {5, 8, 1, L, 146, -2.7f, 11, 2.7f, 33, Any},
        {6, 11, 1, L, 180, -1.5f},
    };
    l.marks = {{3, "乳", 74.5f, -3.5f, 2.2f}, {3, "肥", 85.5f, -3.5f, 2.2f}, {3, "特", 96, -3.5f, 2.2f}};
    return l;
}

TuchiLayout makeKagosimaBook()
{
    TuchiLayout l;
    l.rowsPerPage = 25;
    l.rowY0 = 90;
    l.rowPitch = 6.88f;
    l.frame = box(20, 80, 205, 262, 7);
    l.frame += {{20, 90, 205, 90, 7}, {20, 96.88f, 205, 96.88f, 3, 25, 6.88f}};
    l.frame += columnRules({38, 55, 84, 111, 142, 169}, 80, 262, 3);
    l.frame += {{175, 52, 205, 52, 7}, {115, 76, 195, 76, 3}};
    l.texts = {
        {S::Text, "通知月日", 10, 1, C, 29, 87},
        {S::Text, "地区名", 10, 1, C, 46, 87},
        {S::Text, "組合員氏名", 10, 1, C, 70, 87},
        {S::Text, "共済目的の種類", 10, 1, C, 97, 87},
        {S::Text, "個体番号", 10, 1, C, 120, 85},
        {S::Text, "または耳標番号等", 10, 1, C, 126, 89},
        {S::Text, "病    　名", 10, 1, C, 189, 87},
        {S::Text, "発病年月日", 10, 1, C, 155, 87},
        {S::Text, "乳 ・ 肥 ・ 他", 10, 1, C, 100, 95, 25, 6.88f},
        {S::Text, "・      ・", 10, 1, C, 159, 95, 25, 6.88f},
        {S::Text, "家畜共済病傷事故発生通知簿", 13, 1, C, 90, 32},
        {S::Text, "（令和　　　　年　　　　月分）", 11, 1, C, 160, 32},
        {S::Nen, {}, 11, 1, C, 146, 32},
        {S::Tuki, {}, 11, 1, C, 161, 32},
        {S::Text, "zi農業共済組合長　殿", 10, 1, C, 44, 47.5f},
        {S::Text, "No.", 9, 1, C, 178, 52},
        {S::PageNo, {}, 12, 1, C, 190, 51},
        {S::Text, "組合員から事故発生通知を依頼されましたので、下記のとおり報告します。", 10, 1, C, 115, 61},
        {S::Text, "指定獣医師氏名", 10, 1, C, 127, 75},
        {S::DocName, {}, 13, 1, L, 146, 75},
        {S::Text, "印", 9, 1, C, 198, 75},
    };
    l.circles = {{198, 73.5f, 1.7f}};
    l.cells = {
        {0, 10, 1, L, 39, -2, 5, 3},
        {2, 10, 1, L, 57, -2},
        {4, 11, 1, L, 114, -2, 11, 3},
        {5, 10, 1, L, 170, -2, 10, 2.7f, 0, 20},
        {5, 9, 1, L, 170, -1.35f, 10, 2.7f, 21, 40},
        {5, 8, 1, L, 170, -2.7f, 11, 2.7f, 41, Any},
        {6, 11, 1, C, 146, -1.5f, 0, 0, 0, Any, dateYear},
        {6, 11, 1, C, 155, -1.5f, 0, 0, 0, Any, dateMonth},
        {6, 11, 1, C, 164, -1.5f, 0, 0, 0, Any, dateDay},
        {6, 11, 1, C, 29, -1.5f, 0, 0, 0, Any, monthSlashDay},
    };
    l.marks = {{3, {}, 105, -3.5f, 2.2f, nullptr, true}};
    return l;
}

TuchiLayout makeOkinawaNotice()
{
    TuchiLayout l;
    l.orientation = PrintDevice::Orientation::Landscape;
    l.rowsPerPage = 10;
    l.rowY0 = 58;
    l.rowPitch = 12;
    l.endCol = 1;
    l.identitySite = QStringLiteral("SiteOkinawaClinic");
    l.frame = box(27, 50, 268, 182, 7);
    l.frame += {{27, 62, 268, 62, 7}, {114, 29, 173, 29, 2}, {27, 74, 268, 74, 2, 9, 12}};
    l.frame += columnRules({55, 81, 106, 137, 158, 184, 242}, 50, 182, 2);
    l.texts = {
        {S::Text, "病 傷 事 故 発 生 通 知", 14, 1, C, 146, 28},
        {S::Text, "沖縄県農業共済組合　殿", 12, 1, L, 30, 40},
        {S::Text, "以下のとおり診療依頼を受けましたので通知します。", 12, 1, L, 30, 46},
        {S::Text, "診療担当獣医師名", 12, 1, L, 190, 46},
        {S::Text, "受 付 月 日", 12, 1, C, 43, 58.5f},
        {S::Text, "初 診 月 日", 12, 1, C, 69, 58.5f},
        {S::Text, "市 町 村 名", 12, 1, C, 94, 58.5f},
        {S::Text, "組 合 員 氏 名", 12, 1, C, 124, 58.5f},
        {S::Text, "事 故 の 状 況", 12, 1, C, 213, 58.5f},
        {S::Text, "共済目的の", 11, 1, C, 147, 55.5f},
        {S::Text, "耳 標 番 号", 11, 1, C, 172, 55.5f},
        {S::Text, "発 病 月 日", 11, 1, C, 256, 55.5f},
        {S::Text, "種　　　　類", 11, 1, C, 149, 60.5f},
        {S::Text, "又 は 名 号", 11, 1, C, 172, 60.5f},
        {S::Text, "転 帰 月 日", 11, 1, C, 256, 60.5f},
        {S::Text, "月", 11, 1, C, 39, 70.5f, 10, 12},
        {S::Text, "日", 11, 1, C, 50, 70.5f, 10, 12},
        {S::Text, "月", 11, 1, C, 66, 70.5f, 10, 12},
        {S::Text, "日", 11, 1, C, 77, 70.5f, 10, 12},
        {S::Text, "月", 11, 1, C, 253, 68, 10, 12},
        {S::Text, "日", 11, 1, C, 264, 68, 10, 12},
        {S::Text, "月", 11, 1, C, 253, 73, 10, 12},
        {S::Text, "日", 11, 1, C, 264, 73, 10, 12},
        {S::SiteText, "ClinicName", 14, 1, L, 230, 40},
        {S::SiteSpaced, "VetName", 13, 1, L, 242, 45.5f},
    };
    l.cells = {
        {6, 10, 1, C, 34, 0, 0, 0, 0, Any, dateMonth},
        {6, 10, 1, C, 46, 0, 0, 0, 0, Any, dateDay},
        {6, 10, 1, C, 248, -2.5f, 0, 0, 0, Any, dateMonth},
        {6, 10, 1, C, 259, -2.5f, 0, 0, 0, Any, dateDay},
        {7, 10, 1, C, 62, 0, 0, 0, 0, Any, dateMonth},
        {7, 10, 1, C, 73, 0, 0, 0, 0, Any, dateDay},
        {8, 10, 1, C, 248, 2.5f, 0, 0, 0, Any, dateMonth},
        {8, 10, 1, C, 259, 2.5f, 0, 0, 0, Any, dateDay},
        {0, 10, 1, C, 93, 0, 7, 3},
        {2, 10, 1, C, 121, 0},
        {4, 12, 1, C, 170, 0},
        {3, 10, 1, C, 147, 0},
        {5, 10, 1, L, 187, 0, 16, 3.5f, 0, 32},
        {5, 10, 1, L, 187, -1.75f, 16, 3.5f, 33, 64},
        {5, 10, 1, L, 187, -3.5f, 16, 3.5f, 65, Any},
    };
    return l;
}

TuchiLayout makeGunmaList()
{
    TuchiLayout l;
    l.rowsPerPage = 10;
    l.rowY0 = 132;
    l.rowPitch = 149.0f / 10;
    l.endCol = 1;
    l.identitySite = QStringLiteral("SiteGunmaClinic");
    l.texts = {
        {S::SiteText, "ClinicAddress", 8, 1, L, 125, 65},
        {S::SiteText, "ClinicName", 15, 1, L, 135, 71},
        {S::SiteText, "VetName", 13, 1, L, 140, 79},
    };
    l.cells = {
        {1, 10, 1, L, 24, -10.5f, 10, 3},
        {2, 10, 1, L, 24, -3},
        {4, 11, 1, L, 85, -3},
        {7, 11, 1, L, 85, -10.5f, 0, 0, 0, Any, memberNumber},
        {5, 10, 1, L, 120, -6.5f, 8, 2.7f, 0, 16},
        {5, 9, 1, L, 120, -10.5f, 10, 2.7f, 17, 32},
        {5, 8, 1, L, 120, -11, 11, 2.7f, 33, Any},
        {6, 11, 1, C, 157, -11, 0, 0, 0, Any, dateMonth},
        {6, 11, 1, C, 167, -11, 0, 0, 0, Any, dateDay},
    };
    const float kindX[] = {59, 63, 66, 70, 73.5f, 76.5f, 80, 58, 61, 63, 67, 70, 74, 77, 81};
    for (int code = 1; code <= 15; ++code)
        l.marks.append({3, QString::number(code), kindX[code - 1], code <= 7 ? -13.0f : -6.0f, 1.6f});
    l.marks += {{7, "治癒", 115, -10, 2.2f, outcome}, {7, "未", 115, -10, 2.2f, outcome},
                {7, "", 115, -10, 2.2f, outcome},     {7, "死亡", 106, -10, 2.2f, outcome},
                {7, "廃用", 110, -10, 2.2f, outcome}};
    return l;
}
} // namespace

const TuchiLayout& TuchiLayout::kagosimaNotice()
{
    static const TuchiLayout layout = makeKagosimaNotice();
    return layout;
}

const TuchiLayout& TuchiLayout::kagosimaBook()
{
    static const TuchiLayout layout = makeKagosimaBook();
    return layout;
}

const TuchiLayout& TuchiLayout::defaultBook()
{
    static const TuchiLayout layout = makeDefaultBook();
    return layout;
}

const TuchiLayout& TuchiLayout::okinawaNotice()
{
    static const TuchiLayout layout = makeOkinawaNotice();
    return layout;
}

const TuchiLayout& TuchiLayout::gunmaList()
{
    static const TuchiLayout layout = makeGunmaList();
    return layout;
}
