#include "KenanPrintProc.h"

#include "KenanHidukeKeyProc.h"
#include "KenanWrapProc.h"
#include "common/DoctorInfoFile.h"
#include "common/MojiPrintProc.h"
#include "common/NoukaFileSearch.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "print/common/CircleMarkProc.h"

#include <QList>
#include <cmath>

namespace {

constexpr float OriginX = 16;
constexpr float OriginY = 19;
const QString Colon = QStringLiteral("：");

struct Line
{
    float x1, y1, x2, y2;
};

struct Caption
{
    const char* text;
    float x, y, size;
};

// The thick rules (line width 7), in drawing order.
QList<Line> thickLines()
{
    QList<Line> lines{{0, 0, 252, 0}, {252, 0, 252, 177}, {252, 177, 0, 177}, {0, 177, 0, 0}};
    for (const float y : {23.f, 36.f, 48.f, 74.f, 96.f, 147.f})
        lines.append({0, y, 252, y});
    lines.append({63, 10, 168, 10});
    lines.append({183, 17, 252, 17});
    lines.append({183, 0, 183, 17});
    return lines;
}

// The thin rules (line width 3), in drawing order: verticals between two horizontal rules.
QList<Line> thinLines()
{
    QList<Line> lines{{211, 0, 211, 17}, {183, 8.5f, 252, 8.5f}};
    const auto verticals = [&lines](std::initializer_list<float> xs, float top, float bottom) {
        for (const float x : xs)
            lines.append({x, top, x, bottom});
    };
    verticals({11, 31, 49, 61, 79, 95, 117, 174, 203}, 23, 36);
    verticals({42, 74, 87, 107, 126, 161, 188}, 36, 48);
    verticals({14, 43, 57, 84, 98, 126, 139, 166, 181, 208, 219, 229, 239}, 48, 74);
    verticals({26, 147, 174}, 74, 96);
    verticals({26}, 96, 147);
    lines.append({14, 65, 43, 65});
    return lines;
}

QList<Line> dottedLines()
{
    QList<Line> lines;
    for (int k = 1; k <= 2; ++k) {
        const float y = 74 + 7.3f * k;
        lines.append({26, y, 147, y});
        lines.append({174, y, 252, y});
    }
    for (int k = 1; k <= 6; ++k) {
        const float y = 96 + 7.3f * k;
        lines.append({26, y, 252, y});
    }
    lines.append({14, 57, 43, 57});
    lines.append({57, 61, 84, 61});
    lines.append({98, 61, 126, 61});
    lines.append({139, 61, 166, 61});
    lines.append({219, 61, 229, 61});
    return lines;
}

// The double strike lines of a post-mortem certificate: part of the heading, part of the closing
// sentence and the captions of the symptoms and the prognosis.
const QList<Line>& strikeLines()
{
    static const QList<Line> lines{
        {102, 5, 126, 5},   {102, 7, 126, 7},       {35, 152, 47, 152}, {35, 153.5f, 47, 153.5f},
        {5, 110, 21, 110},  {5, 111, 21, 111},      {5, 116, 21, 116},  {5, 117, 21, 117},
        {5, 121, 21, 121},  {5, 122, 21, 122},      {5, 132, 21, 132},  {5, 133, 21, 133}};
    return lines;
}

// The printed captions, in order; "印" is followed by the circle around it.
const QList<Caption>& captions()
{
    static const QList<Caption> list{
        {"死 廃 事 故 診 断 書    ( 検 案 書 )", 73, 5.5f, 17},
        {"※", 185, 3, 8.2f},
        {"※", 185, 12, 8.2f},
        {"番         号", 190, 4.3f, 11},
        {"受付年月日", 190, 12.8f, 11},
        {"年      月      日", 223, 12.8f, 11},
        {"組合員住所氏名", 9, 17.5f, 11},
        {"組合", 3, 27, 11},
        {"番号", 3, 32, 11},
        {"包 括", 52, 29.5f, 11},
        {"事故除外", 63, 27, 11},
        {"区 　　分", 63, 32, 11},
        {"個体番号または", 176, 27, 11},
        {" 共　済　番　号", 176, 32, 11},
        {"共済関係", 33, 29.5f, 11},
        {"農家番号", 99, 29.5f, 11},
        {"包括共済家畜区分", 5, 42, 11},
        {"性", 80, 42, 11},
        {"生年月日", 109, 42, 11},
        {"年    月    日", 138, 42, 11},
        {"毛 色 ・ 特 徴", 164, 40, 11},
        {"名号又は耳標", 164, 44.5f, 11},
        {"病傷名", 2, 61, 11},
        {"発　病", 46, 59, 11},
        {"年月日", 45.5f, 64, 11},
        {"初　診", 87, 59, 11},
        {"年月日", 86.5f, 64, 11},
        {"終　診", 128.5f, 59, 11},
        {"年月日", 128, 64, 11},
        {"転　帰", 169.5f, 59, 11},
        {"年月日", 169, 64, 11},
        {"診療", 210, 59, 11},
        {"回数", 210, 64, 11},
        {"転帰", 231, 61, 11},
        {"（      ）", 241, 70, 11},
        {"稟     告", 7, 85, 11},
        {"発病の原因", 152, 85, 11},
        {"現     症", 7, 110.5f, 11},
        {"及     び", 7, 116, 11},
        {"経     過", 7, 121.5f, 11},
        {"(検案内容)", 5, 127, 11},
        {"予     後", 7, 132.5f, 11},
        {"令和", 25, 161, 11},
        {"年", 52, 161, 11},
        {"月", 74, 161, 11},
        {"日", 95, 161, 11},
        {"住　所　（所属）", 81, 170, 11},
        {"獣医師", 173, 170, 11},
        {"上 記 の と お り 診 断 （ 検 案 ）す る。", 7, 152.5f, 12},
        {"年    月    日", 64, 51, 10},
        {"年    月    日", 106, 51, 10},
        {"年    月    日", 147, 51, 10},
        {"年    月    日", 189, 61, 10},
        {"年    月    日", 64, 64, 10},
        {"年    月    日", 106, 64, 10},
        {"年    月    日", 147, 64, 10},
        {"回", 225, 51.5f, 10},
        {"回", 225, 64, 10},
        {"印", 240, 170, 10},
        {"年度", 135, 25, 7.2f},
        {"号", 170, 25, 7.2f},
        {"号", 249, 25, 7.2f},
        {"コード", 15, 61, 7.2f},
        {"(1)", 15, 52.5f, 7.2f},
        {"(2)", 15, 69, 7.2f},
        {"※印の欄は組合で記入する。", 4, 179, 7.2f}};
    return list;
}

// One text item of the data: a value at a point, left-aligned (0) or centred (3).
struct Item
{
    QString (*source)(const KenanPrintProc::Source&);
    float size, x, y;
    int align;
};

const QList<Item>& items()
{
    using S = KenanPrintProc::Source;
    static const QList<Item> list{
        {[](const S& s) { return s.noukaAddress; }, 12, 41, 17, 0},
        {[](const S& s) { return s.noukaName; }, 14, 110, 17, 0},
        {[](const S& s) { return s.kumiai; }, 14, 20, 29.5f, 3},
        {[](const S& s) { return s.data.K_InpText[0]; }, 13, 124, 29.5f, 3},
        {[](const S& s) { return KenanPrintProc::noukaCode(s.data.InfoGd[0]); }, 13, 155, 29.5f, 3},
        {[](const S& s) { return s.data.K_InpText[2]; }, 13, 210, 29.5f, 0},
        {[](const S& s) { return s.data.K_InpText[3]; }, 13, 58, 42, 3},
        {[](const S& s) { return s.data.K_InpText[4]; }, 13, 97, 42, 3},
        {[](const S& s) { return s.data.K_InpText[6]; }, 12, 195, 42, 0},
        {[](const S& s) { return s.data.K_InpText[12]; }, 13, 223, 57, 3},
        {[](const S& s) { return QStringLiteral("死法廃").mid(s.data.sihai, 1); }, 13, 245, 61, 3},
        {[](const S& s) { return s.data.sihai == KenanData::Hai ? s.data.HaiyoTxt : QString(); }, 11, 245, 70, 3},
        {[](const S& s) { return s.identity.clinic; }, 15, 110, 167, 0},
        {[](const S& s) { return s.docAd; }, 10.5f, 110, 173, 0},
        {[](const S& s) { return s.identity.doctor; }, 14, 200, 169, 0}};
    return list;
}

// A date y.m.d centred part by part at three points; birth dates lose their era letter.
struct DateItem
{
    int inp;  // K_InpText index
    float size, y;
    float xs[3];
};

const QList<DateItem>& dates()
{
    static const QList<DateItem> list{{5, 11, 42, {132, 144, 151}},  {8, 11, 56, {61, 69, 77}},
                                      {9, 11, 56, {102, 111, 119}},  {10, 11, 56, {144, 152, 160}},
                                      {11, 11, 61, {184, 194, 202}}, {7, 12, 161, {46, 69, 90}}};
    return list;
}

// The page values of this form: no calibration offsets, no stretch.
PrintPageModel uncalibrated()
{
    PrintPageModel page = PrintPageModel::current();
    page.PrintHosei = PrintHoseiInfo{0, 0, 1};
    page.MieA4Flag = 0;
    return page;
}

void text(PrintDevice& device, const PrintPageModel& page, const QString& t, float size, float x, float y, int align)
{
    MojiPrintProc(device, page, t, size, 1, OriginX + x, OriginY + y, align, 0);
}

void line(PrintDevice& device, const Line& l)
{
    const auto tw = [](float mm) { return double(mm) * 56.7; };
    device.drawLine(tw(OriginX + l.x1), tw(OriginY + l.y1), tw(OriginX + l.x2), tw(OriginY + l.y2));
}

void lines(PrintDevice& device, const QList<Line>& list, int width)
{
    device.setLineWidth(width);
    for (const Line& l : list)
        line(device, l);
}

void KenanWakuProc(PrintDevice& device, const PrintPageModel& page, const KenanData& data)
{
    device.setLineStyle(PrintDevice::Solid);
    lines(device, thickLines(), 7);
    lines(device, thinLines(), 3);
    device.setLineStyle(PrintDevice::Dot);
    lines(device, dottedLines(), 1);
    device.setLineStyle(PrintDevice::Solid);
    for (const Caption& c : captions()) {
        text(device, page, QString::fromUtf8(c.text), c.size, c.x, c.y, 0);
        if (QString::fromUtf8(c.text) == QStringLiteral("印"))
            CircleMarkProc(device, 241, 170, 2.2f, FormOffset{OriginX, OriginY, 0, 0});
    }
    if (data.bunrui == KenanData::Kenan)
        lines(device, strikeLines(), 3);
}

void dateData(PrintDevice& device, const PrintPageModel& page, const KenanData& data)
{
    for (const DateItem& d : dates()) {
        const QString value = data.K_InpText[d.inp];
        const QStringList parts = value.split(QLatin1Char('.'));
        if (!value.contains(QLatin1Char('.')) || parts.size() < 3)
            continue;
        for (int i = 0; i < 3; ++i) {
            QString part = parts.at(i);
            if (d.inp == 5 && i == 0)
                part.remove(QLatin1Char('H')).remove(QLatin1Char('R'));
            text(device, page, part, d.size, d.xs[i], d.y, 3);
        }
    }
}

void KenanDataProc(PrintDevice& device, const PrintPageModel& page, const KenanPrintProc::Source& s)
{
    for (const Item& item : items())
        text(device, page, item.source(s), item.size, item.x, item.y, item.align);
    dateData(device, page, s.data);
    const QString& byo = s.data.InfoGd[2];
    if (byo.contains(Colon)) {
        const QString name = byo.section(Colon, 0, 0);
        if (!name.isEmpty())
            KenanWrapProc::print(device, page, name, 9, OriginX + 18, OriginY + (name.size() > 18 ? 50 : 52), 9, 3.2f);
        text(device, page, KenanHidukeKeyProc(byo.section(Colon, 1, 1)), 10, 25, 62, 0);
    }
    struct Wrapped
    {
        int tx;
        float x, y;
        int width;
    };
    for (const Wrapped& w : {Wrapped{0, 33, 78, 27}, Wrapped{1, 177, 78, 18}, Wrapped{2, 33, 100, 53}}) {
        const QString t = SharedUtil::KaigyoDelProc(s.data.InfoTx[w.tx]);
        if (!t.isEmpty())
            KenanWrapProc::print(device, page, t, 12, OriginX + w.x, OriginY + w.y, w.width, 7.3f);
    }
}

} // namespace

std::optional<int> KenanPrintProc::sheets(const QString& typed)
{
    bool ok = false;
    const double value = SharedUtil::Trim(typed).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double n = std::nearbyint(value);  // the default rounding: a half to the even one
    if (n < 1 || n > 32767)
        return std::nullopt;
    return int(n);
}

QString KenanPrintProc::noukaCode(const QString& infoGd0)
{
    const QStringList parts = infoGd0.split(Colon);
    return parts.size() >= 3 ? parts.at(2) : QString();
}

KenanPrintProc::Source KenanPrintProc::load(const KenanData& data)
{
    Source s;
    s.data = data;
    DoctorInfoData doctor;
    DoctorInfoFile::load(doctor);
    s.docAd = doctor.DoctorAd;
    s.identity = KenanIdentity::find(SharedState::get().SiteRows, doctor.DoctorName);
    // A member header without its code part, or with an empty one, looks nothing up: an empty
    // code would take the member of a register line whose code is empty or missing.
    const QString code = noukaCode(data.InfoGd[0]);
    if (!code.isEmpty()) {
        const QStringList row = NoukaFileSearch::read().byCode(code);
        s.noukaName = row.value(1);
        s.noukaAddress = row.value(3);
        s.kumiai = row.value(5);
    }
    return s;
}

void KenanPrintProc::sheet(PrintDevice& device, const Source& source)
{
    const PrintPageModel page = uncalibrated();
    KenanWakuProc(device, page, source.data);
    KenanDataProc(device, page, source);
}

void KenanPrintProc::print(PrintDevice& device, const Source& source, int sheetCount)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Landscape);
    for (int i = 0; i < sheetCount; ++i) {
        if (i > 0)
            device.newPage();
        sheet(device, source);
    }
}
