#include "SindansyoIbarakiProc.h"

#include "HakusiWakuProc.h"

#include "common/ByteLenProc.h"
#include "common/DataPath.h"
#include "common/Hankaku.h"
#include "common/IbarakiSite.h"
#include "common/KingakuFormatProc.h"
#include "common/MarkPrintProc.h"
#include "common/MojiPrintProc.h"
#include "common/NoukaFileSearch.h"
#include "common/Pict2PrintProc.h"
#include "common/PrintDevice.h"
#include "common/PrintPageModel.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/SindansyoPageCount.h"
#include "common/TiryoLineSetProc.h"
#include "common/TiryoTextProc.h"
#include "common/ValueReader.h"
#include "common/WrapPrintProc.h"
#include "print/common/PrintItem.h"
#include "print/common/SindansyoText.h"

#include <array>
#include <cmath>

namespace {

using Layout = SindansyoIbarakiProc::Layout;
using PrintAlign::Left;
using PrintAlign::Right;
constexpr int Mincho = 1;
constexpr float X0 = SindansyoIbarakiProc::BaseX;
constexpr float Y0 = SindansyoIbarakiProc::BaseY;

// What the items of one certificate print from.
struct Ibk
{
    Ibk(const SindansyoPrintContext& context, const SindansyoEpisode& episode, Layout l)
        : c(context), e(episode), layout(l), site(context.Site)
    {
    }

    const SindansyoPrintContext& c;
    const SindansyoEpisode& e;
    Layout layout;
    IbarakiSite site;
    QString doctorName;
    QString doctorAd;
    QString docBunrui;
    int pages = 0;
    int page = 0;
    int lastBox = 0;            // the box of the last exam with a month, on the page printed last
    QString bunsyoB;            // points of the last "文書" line (blank paper and variant)
    QString bunsyoA;

    QString cell(int row, int f) const { return e.cell(row, f); }
    bool is(Layout l) const { return layout == l; }
    bool hakusi() const { return layout == Layout::Hakusi; }
    bool clinic() const { return site.kind == IbarakiSite::Kind::Clinic; }
    bool okayama() const { return site.kind == IbarakiSite::Kind::Okayama; }
    // Disease 2 counts when its code is neither empty nor begins with "-".
    bool byo2() const { return isCode(cell(1, 3)); }
    static bool isCode(const QString& code) { return !code.isEmpty() && !code.startsWith(QLatin1Char('-')); }
    // The value of the layout's column: {old form, new form, blank paper, variant}.
    template <class T>
    T of(const std::array<T, 4>& column) const { return column[size_t(layout)]; }
};

// A point of an item; x < 0: the layout does not print it.
struct At
{
    float x = -1;
    float y = 0;
    float size = 0;   // 0: the item's size
};

// An old-form position, given from the form origin.
constexpr At kyu(float dx, float dy, float size = 0) { return {X0 + dx, Y0 + dy, size}; }

void text(PrintDevice& device, const Ibk& m, const QString& t, float size, int align, const std::array<At, 4>& at)
{
    const At p = m.of(at);
    if (p.x >= 0)
        MojiPrintProc(device, t, p.size > 0 ? p.size : size, Mincho, p.x, p.y, align, 0);
}

void circle(PrintDevice& device, float x, float y, int mode = 1)
{
    MojiPrintProc(device, QString(), 10, Mincho, x, y, Left, mode);
}

// A pre-printed choice circled for one value, one position column per layout.
struct Choice
{
    QString value;
    std::array<At, 4> at;
};

void choice(PrintDevice& device, const Ibk& m, const QString& value, const QList<Choice>& table)
{
    for (const Choice& row : table) {
        if (row.value != value)
            continue;
        const At p = m.of(row.at);
        if (p.x >= 0)
            circle(device, p.x, p.y);
        return;
    }
}

QStringList dateParts(const QString& date)
{
    return date.split(QLatin1Char('.'));
}

// --- Every page: the owner, the numbers, the veterinarian ---------------------------------------

QString ownerName(const Ibk& m, float& size)
{
    size = 10;
    switch (m.site.kind) {
    case IbarakiSite::Kind::Farm:
        size = m.site.is("SiteIbarakiFarm0") ? 11 : 10;
        return m.site.text("OwnerName");
    case IbarakiSite::Kind::Ranch: size = 11; return m.site.text("OwnerName");
    case IbarakiSite::Kind::Clinic: {
        size = 11;
        const QString name = m.e.nouka(2);
        const QString a = m.site.text("NameFragment1");
        const QString b = m.site.text("NameFragment2");
        if (!a.isEmpty() && !b.isEmpty() && name.contains(a) && name.contains(b))
            return m.site.text("SubstituteName");
        return name;
    }
    default: return QString();
    }
}

void NoukaNamePrintProc(PrintDevice& device, const Ibk& m)
{
    if (m.is(Layout::Kyu) && m.site.kind == IbarakiSite::Kind::Clinic)
        return;
    float size = 10;
    const QString name = ownerName(m, size);
    MojiPrintProc(device, name, size, Mincho, 270.5f, 34, Right, 0);
}

// The farm group's address: the site's own row, else the prefecture's shared row.
QStringList farmAddress(const Ibk& m)
{
    const QString own = m.site.text("OwnerAddress");
    return (own.isEmpty() ? m.c.KenSite.text(QStringLiteral("OwnerAddress")) : own).split(QLatin1Char('/'));
}

void NoukaJyusyoPrintProc(PrintDevice& device, const Ibk& m)
{
    QStringList parts;
    std::array<float, 3> xs = {194.5f, 213.5f, 219.5f};
    const bool hakusi = m.hakusi();
    switch (m.site.kind) {
    case IbarakiSite::Kind::Ranch:
        parts = m.site.ownerAddress();
        xs = {191.5f, 211.5f, 219.5f};
        break;
    case IbarakiSite::Kind::Clinic:
        if (m.is(Layout::Kyu))
            return;
        parts = Hankaku::convert(m.e.nouka(4)).split(QLatin1Char('/'));
        if (parts.size() < 3)
            return;
        parts = parts.mid(0, 3);
        break;
    case IbarakiSite::Kind::Okayama:
        if (hakusi) {
            const char* texts[] = {"Town", "Street", "OwnerLine"};
            const float ox[] = {184.5f, 196.5f, 226.5f};
            for (int i = 0; i < 3; ++i)
                MojiPrintProc(device, m.site.text(texts[i]), 10, Mincho, ox[i], 34, Left, 0);
            return;
        }
        [[fallthrough]];
    case IbarakiSite::Kind::Other:
        if (hakusi || m.is(Layout::Kyu))
            return;
        parts = farmAddress(m);
        break;
    case IbarakiSite::Kind::Farm: parts = farmAddress(m); break;
    }
    const int aligns[] = {Right, Right, Left};
    for (int i = 0; i < 3 && i < parts.size(); ++i)
        MojiPrintProc(device, parts.at(i), 11, Mincho, xs[size_t(i)], 34, aligns[i], 0);
}

void NoukaBangoPrintProc(PrintDevice& device, const Ibk& m)
{
    QString code = m.e.nouka(3);
    code = m.c.KenSite.partner(QStringLiteral("FarmerCodeHenkan"), code).value_or(code);
    if (m.hakusi() && (m.okayama() || m.site.is("SiteIbarakiFarm3A") || m.site.is("SiteIbarakiFarm3B")))
        code = m.site.text("FarmerCode");
    MojiPrintProc(device, code, 13, Mincho, 92.5f, 34, Left, 0);
    if (m.site.farm()) {
        MojiPrintProc(device, m.site.text("AreaNumber"), 13, Mincho, 32.5f, 34, Left, 0);
        MojiPrintProc(device, m.site.text("KumiaiNumber"), 13, Mincho, 63.5f, 34, Left, 0);
        return;
    }
    if (m.is(Layout::Kyu) && m.site.kind != IbarakiSite::Kind::Ranch)
        return;
    // The farmer's row of the register: district and name compared apart (KumiaiBangoPrintProc).
    const QStringList row =
        NoukaFileSearch::read().byTikuName(m.c.CurrentNouka.NoukaTiku, m.c.CurrentNouka.NoukaName);
    const float size = m.is(Layout::Kyu) ? 13 : 12;
    MojiPrintProc(device, row.value(7), size, Mincho, 32.5f, 34, Left, 0);
    MojiPrintProc(device, row.value(5), size, Mincho, 63.5f, 34, Left, 0);
}

void DoctorPrintProc(PrintDevice& device, const Ibk& m)
{
    MojiPrintProc(device, m.doctorName, 12, Mincho, 182.5f, 165, Left, 0);
    if (!SharedUtil::Trim(m.doctorName).isEmpty())
        SharedState::get().Hand.IbaragiDocNameOut = SharedUtil::Trim(m.doctorName);
    const bool okayamaPaper = m.hakusi() && m.okayama();
    MojiPrintProc(device, m.doctorAd, okayamaPaper ? 8 : 10, Mincho, 206.5f, 161.5f, Right, 0);
    if (okayamaPaper)
        circle(device, 162.5f, 165.5f);
}

// --- Every page: the animal -------------------------------------------------------------------

void KotaiNamePrintProc(PrintDevice& device, const Ibk& m)
{
    const QStringList meigou = SindansyoText::meigouNumber(m.e.kotai(6));
    if (meigou.at(1).isEmpty())
        return;
    if (m.clinic() && !m.is(Layout::Kyu)) {
        text(device, m, meigou.at(0), 12, Left, {At{}, At{159.5f, 42.5f}, At{159.5f, 42.5f}, At{46.5f, 16.5f}});
        MojiPrintProc(device, meigou.at(1), 12, Mincho, 133.5f, 34, Left, 0);
        return;
    }
    text(device, m, meigou.at(1), 10, Left, {At{133.5f, 34}, At{133.5f, 34}, At{}, At{133.5f, 34}});
    text(device, m, m.e.kotai(10), 10, Left,
         {kyu(136, 20, 9.5f), At{158.5f, 41}, At{45.5f, 15, 9.5f}, At{45.5f, 15}});
    text(device, m, meigou.at(0), 10, Left,
         {kyu(136, 23.5f, 9.5f), At{159.5f, 44.5f}, At{46.5f, 18.5f, 9.5f}, At{159.5f, 44.5f}});
}

void dateRow(PrintDevice& device, const Ibk& m, const QStringList& parts, const std::array<float, 3>& xs, float y)
{
    const float size = m.is(Layout::Kyu) ? 10 : 9.5f;
    for (int i = 0; i < 3; ++i)
        MojiPrintProc(device, SharedUtil::Trim(parts.at(i)), size, Mincho, xs[size_t(i)], y, Right, 0);
}

void KotaiHidukePrintProc(PrintDevice& device, const Ibk& m)
{
    const QStringList birth = dateParts(m.e.kotai(4));
    if (birth.size() == 3) {
        const std::array<std::array<float, 3>, 4> xs = {
            {{X0 + 107, X0 + 114.5f, X0 + 121}, {122, 130, 137.5f}, {165, 173, 180.5f}, {165, 173, 180.5f}}};
        dateRow(device, m, birth, m.of(xs), 42.5f);
    }
    if (!m.clinic()) {
        const QString field15 = m.e.kotai(15);
        const bool own = m.e.kotaiFields.size() > 15 && field15.contains(QLatin1Char('.'));
        QStringList cover = dateParts(own ? field15 : m.e.kotai(14));
        if (cover.size() == 3) {
            if (m.hakusi() && !m.okayama() && cover.at(0).contains(QLatin1Char('H')))
                cover = {QStringLiteral("R1"), QStringLiteral("5"), QStringLiteral("1")};
            dateRow(device, m, cover, {134.5f, 142, 149.5f}, 25);
        }
    }
    if (m.hakusi() && m.okayama()) {
        const QStringList manryo = {m.c.text(QStringLiteral("kText(0)")), m.c.text(QStringLiteral("kText(1)")),
                                    m.c.text(QStringLiteral("kText(2)"))};
        dateRow(device, m, manryo, {183.5f, 190, 197.5f}, 25);
    }
}

void PageNoPrintProc(PrintDevice& device, const Ibk& m)
{
    if (m.pages > 1)
        MojiPrintProc(device, QStringLiteral("No-%1/%2").arg(m.page + 1).arg(m.pages), 13, Mincho, 259.5f, 16, Left, 0);
}

const QList<Choice>& seibetuMarks()
{
    static const QList<Choice> table = {
        {QStringLiteral("雄"), {kyu(69.5f, 21.5f), At{86, 42.5f}, At{130, 42.5f}, At{129, 42.5f}}},
        {QStringLiteral("雌"), {kyu(75.5f, 21.5f), At{92, 42.5f}, At{135, 42.5f}, At{135, 42.5f}}},
        {QStringLiteral("去"), {kyu(81.5f, 21.5f), At{98, 42.5f}, At{140, 42.5f}, At{141, 42.5f}}},
    };
    return table;
}

const QList<Choice>& syuruiMarks()
{
    static const QList<Choice> table = {
        {QStringLiteral("成"), {kyu(26, 21.5f), At{36.5f, 42.5f}, At{41.5f, 43}, At{42.5f, 42.5f}}},
        {QStringLiteral("育"), {kyu(31.8f, 21.5f), At{42, 42.5f}, At{47, 43}, At{48, 42.5f}}},
        {QStringLiteral("肥"), {kyu(37.6f, 21.5f), At{47.5f, 42.5f}, At{70, 43}, At{71, 42.5f}}},
        {QStringLiteral("肉"), {kyu(43.4f, 21.5f), At{53, 42.5f}, At{83.5f, 43}, At{84.5f, 42.5f}}},
        {QStringLiteral("子"), {At{}, At{53, 42.5f}, At{47, 43}, At{48, 42.5f}}},
        {QStringLiteral("馬"), {kyu(49.2f, 21.5f), At{58.5f, 42.5f}, At{101, 43}, At{102, 42.5f}}},
        {QStringLiteral("豚"), {kyu(55, 21.5f), At{64, 42.5f}, At{106, 43}, At{107, 42.5f}}},
    };
    return table;
}

const QList<Choice>& tenkiMarks()
{
    static const QList<Choice> table = {
        {QStringLiteral("治癒"), {kyu(216, 21.5f), At{231, 42.5f}, At{232, 42.5f}, At{231, 42.5f}}},
        {QStringLiteral("中止"), {kyu(222, 21.5f), At{237, 42.5f}, At{238.5f, 42.5f}, At{237, 42.5f}}},
        {QStringLiteral("死亡"), {kyu(245, 21.5f), At{260, 42.5f}, At{245.5f, 42.5f}, At{242.5f, 42.5f}}},
        {QStringLiteral("廃用"), {kyu(251, 21.5f), At{266, 42.5f}, At{251.5f, 42.5f}, At{248.5f, 42.5f}}},
        {QStringLiteral("法令殺"), {kyu(257, 21.5f), At{272, 42.5f}, At{272, 42.5f}, At{272, 42.5f}}},
    };
    return table;
}

// The insurance-type and 保険関係 marks stand at the same points on every layout.
const QList<Choice>& kyosaiMarks()
{
    static const QList<Choice> table = {
        {QStringLiteral("包"), {At{35.5f, 25.5f}, At{35.5f, 25.5f}, At{35.5f, 25.5f}, At{35.5f, 25.5f}}},
        {QStringLiteral("個"), {At{41, 25.5f}, At{41, 25.5f}, At{41, 25.5f}, At{41, 25.5f}}},
    };
    return table;
}

const QList<Choice>& hokenMarks()
{
    static const QList<Choice> table = {
        {QStringLiteral("指定"), {At{64, 25.5f}, At{64, 25.5f}, At{64, 25.5f}, At{64, 25.5f}}},
        {QStringLiteral("指定外"), {At{70, 25.5f}, At{70, 25.5f}, At{70, 25.5f}, At{70, 25.5f}}},
    };
    return table;
}

const QList<Choice>& keiroMarks()
{
    static const QList<Choice> table = {
        {QStringLiteral("B"), {kyu(180, 21.5f), At{194.5f, 42.5f}, At{194.5f, 42.5f}, At{194.5f, 42.5f}}},
        {QStringLiteral("BW"), {kyu(182.2f, 21.5f), At{196.7f, 42.5f}, At{196.7f, 42.5f}, At{196.7f, 42.5f}}},
        {QStringLiteral("WB"), {kyu(184.5f, 21.5f), At{199, 42.5f}, At{199, 42.5f}, At{199, 42.5f}}},
        {QString(), {kyu(182.2f, 21.5f), At{196.7f, 42.5f}, At{196.7f, 42.5f}, At{196.7f, 42.5f}}},
    };
    return table;
}

void everyPage(PrintDevice& device, const Ibk& m)
{
    NoukaNamePrintProc(device, m);
    NoukaJyusyoPrintProc(device, m);
    NoukaBangoPrintProc(device, m);
    DoctorPrintProc(device, m);
    KotaiNamePrintProc(device, m);
    KotaiHidukePrintProc(device, m);
    PageNoPrintProc(device, m);
    choice(device, m, m.e.kotai(5), seibetuMarks());
    const QString syurui = m.e.kotai(1);
    choice(device, m, m.hakusi() && syurui == QStringLiteral("成乳牛") ? QStringLiteral("成") : syurui, syuruiMarks());
    choice(device, m, m.cell(0, 8), tenkiMarks());
    if (!(m.hakusi() && m.okayama())) {
        choice(device, m, SharedUtil::Trim(m.e.kotai(8)), kyosaiMarks());
        choice(device, m, m.docBunrui, hokenMarks());
    }
    choice(device, m, m.e.kotai(11), keiroMarks());
}

// --- The first page ------------------------------------------------------------------------------

void RinkokuGeninPrintProc(PrintDevice& device, const Ibk& m)
{
    const float y = m.hakusi() ? 69 : 68.5f;
    if (!m.cell(2, 2).isEmpty())
        PieceWrapPrintProc(device, m.cell(2, 2), 9, Mincho, Left, 66.5f, y, 28, 3);
    if (!m.cell(2, 5).isEmpty())
        PieceWrapPrintProc(device, m.cell(2, 5), 9, Mincho, Left, 164.5f, y, 12, 3);
}

void BunbenHidukePrintProc(PrintDevice& device, const Ibk& m)
{
    const QStringList parts = dateParts(m.cell(1, 12));
    if (parts.size() != 3)
        return;
    QString year = SharedUtil::Trim(parts.at(0));
    if (year.contains(QLatin1Char(':')))
        year = year.section(QLatin1Char(':'), 1, 1);
    const QString texts[] = {SindansyoText::withoutEra(year), SharedUtil::Trim(parts.at(1)), SharedUtil::Trim(parts.at(2))};
    const float xs[] = {242.5f, 254.5f, 264.5f};
    for (int i = 0; i < 3; ++i)
        MojiPrintProc(device, texts[i], 11, Mincho, xs[i], 51, Left, 0);
}

void ByoNamePrintProc(PrintDevice& device, const Ibk& m)
{
    const struct { QString name; float y, hakusiY; } rows[] = {{m.cell(0, 2), 51, 51.5f}, {m.cell(1, 2), 59, 60.5f}};
    for (const auto& row : rows) {
        if (row.name.isEmpty())
            continue;
        if (m.hakusi())
            PieceWrapPrintProc(device, row.name, 9, Mincho, Left, 27.5f, row.hakusiY - (row.name.size() > 9 ? 2.5f : 0),
                               9, 3);
        else
            PieceWrapPrintProc(device, row.name, 9, Mincho, Left, 28, row.y, 9, 3);
    }
}

// A disease code's three parts with at least two digits each, or nothing.
void codeRow(PrintDevice& device, const QString& code, float y)
{
    const QStringList parts = code.split(QLatin1Char('-'));
    if (parts.size() != 3)
        return;
    const float xs[] = {25.5f, 36.5f, 47.5f};
    for (int i = 0; i < 3; ++i) {
        const int v = ValueReader::leadingInt(SharedUtil::Trim(parts.at(i)));
        MojiPrintProc(device, QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')), 12, Mincho, xs[i], y, Left, 0);
    }
}

void ByoCodePrintProc(PrintDevice& device, const Ibk& m)
{
    if (m.clinic() || !Ibk::isCode(m.cell(0, 3)))
        return;
    codeRow(device, m.cell(0, 3), m.byo2() ? 67 : 69);
    if (m.byo2())
        codeRow(device, m.cell(1, 3), 71);
}

void SinryoKaisuPrintProc(PrintDevice& device, const Ibk& m)
{
    MojiPrintProc(device, m.cell(0, 9), 13, Mincho, 63.5f, 51, Left, 0);
    if (m.byo2())
        MojiPrintProc(device, m.cell(1, 9), 13, Mincho, 63.5f, 60, Left, 0);
}

void HidukeBoxPrintProc(PrintDevice& device, const QString& date, float y, float offset)
{
    const QStringList parts = dateParts(date);
    if (parts.size() != 3)
        return;
    MojiPrintProc(device, SharedUtil::Trim(parts.at(0)), 10, Mincho, X0 + 68 + offset, y, Left, 0);
    MojiPrintProc(device, SharedUtil::Trim(parts.at(1)), 10, Mincho, X0 + 78.5f + offset, y, Right, 0);
    MojiPrintProc(device, SharedUtil::Trim(parts.at(2)), 10, Mincho, X0 + 85.5f + offset, y, Right, 0);
}

// One disease row: onset, first exam, last exam (the other row's with DateCh), outcome date
// unless disease 1's outcome is "未".
void byoDates(PrintDevice& device, const Ibk& m, int row, float y)
{
    const int other = row == 0 ? 1 : 0;
    HidukeBoxPrintProc(device, m.cell(row, 4), y, 0);
    HidukeBoxPrintProc(device, m.cell(row, 5), y, 31);
    HidukeBoxPrintProc(device, m.cell(m.c.DateCh == 1 ? other : row, 6), y, 64);
    if (m.cell(0, 8) != QStringLiteral("未"))
        HidukeBoxPrintProc(device, m.cell(row, 7), y, 96);
}

void ByoHidukePrintProc(PrintDevice& device, const Ibk& m)
{
    if (m.cell(0, 4).startsWith(QLatin1Char('.')))
        return;
    byoDates(device, m, 0, m.hakusi() ? 51.25f : 51);
    if (!m.byo2() || m.cell(1, 4).startsWith(QLatin1Char('.')))
        return;
    byoDates(device, m, 1, m.hakusi() ? 60.5f : 60);
}

void JikoSyubetuPrintProc(PrintDevice& device, const Ibk& m)
{
    if (m.clinic() || (m.hakusi() && m.okayama()))
        return;
    const QString tenki = m.cell(0, 8);
    const bool sihai = tenki == QStringLiteral("死亡") || tenki == QStringLiteral("廃用");
    circle(device, sihai ? 97.5f : 121.5f, 15, 2);
}

void firstPage(PrintDevice& device, const Ibk& m)
{
    RinkokuGeninPrintProc(device, m);
    BunbenHidukePrintProc(device, m);
    ByoNamePrintProc(device, m);
    ByoCodePrintProc(device, m);
    SinryoKaisuPrintProc(device, m);
    ByoHidukePrintProc(device, m);
    JikoSyubetuPrintProc(device, m);
}

// --- The examination boxes -----------------------------------------------------------------------

struct Box
{
    const Ibk& m;
    int k;
    int row;     // block row of the exam's line 0
    float bx;
    float by;

    QString line(int i, int f) const { return m.cell(row + i, f); }
};

QString shortCategory(const QString& category)
{
    static const QList<QPair<QString, QString>> table = {
        {QStringLiteral("筋肉内注射"), QStringLiteral("筋注")},   {QStringLiteral("静脈内注射"), QStringLiteral("静注")},
        {QStringLiteral("皮下注射"), QStringLiteral("皮注")},     {QStringLiteral("関節腔内注射"), QStringLiteral("関節注")},
        {QStringLiteral("卵巣直接注射"), QStringLiteral("卵巣注")}, {QStringLiteral("調剤不要"), QStringLiteral("調剤無")},
    };
    for (const auto& [from, to] : table) {
        if (category == from)
            return to;
    }
    return category;
}

void boxHeader(PrintDevice& device, Ibk& m, const Box& b)
{
    const QString date = b.line(0, 2);
    if (!date.isEmpty()) {
        const QStringList parts = dateParts(date);
        MojiPrintProc(device, SharedUtil::Trim(parts.value(1)), 10.5f, Mincho, b.bx + 2.5f, b.by + 9.5f, Left, 0);
        MojiPrintProc(device, SharedUtil::Trim(parts.value(2)), 10.5f, Mincho, b.bx + 3.5f, b.by + 18, Left, 0);
        if (!parts.value(1).isEmpty())
            m.lastBox = b.k;
    }
    const QStringList tpr = b.line(0, 3).split(QLatin1Char(' '));
    if (!b.line(0, 3).isEmpty() && tpr.size() == 3) {
        const float xs[] = {14.5f, 25, 37};
        for (int i = 0; i < 3; ++i) {
            const QStringList pair = tpr.at(i).split(QLatin1Char('='));
            if (pair.size() == 2)
                MojiPrintProc(device, SharedUtil::Trim(pair.at(1)), 10, Mincho, b.bx + xs[i], b.by + 3.2f, Left, 0);
        }
    }
    const QStringList pict = b.line(8, 2).split(QLatin1Char(':'));
    if (pict.size() == 5) {
        for (int i = 0; i < 2; ++i) {
            float y = b.by + 9.5f;
            const double v = ValueReader::leadingNumber(pict.at(i));
            Pict2PrintProc(device, QString::number(qint64(std::floor(v))), b.bx + (i == 0 ? 9 : 28), y);
        }
        MojiPrintProc(device, pict.at(2), 9, Mincho, b.bx + 23, b.by + 13.5f, PrintAlign::Box, 0);
        MojiPrintProc(device, pict.at(3), 9, Mincho, b.bx + 11, b.by + 25.5f, Left, 0);
        MojiPrintProc(device, pict.at(4), 9, Mincho, b.bx + 42, b.by + 25.5f, Right, 0);
    }
    const QString keika = SindansyoText::keikaText(m.e, b.row);
    if (keika.size() > 65)
        PieceWrapPrintProc(device, keika, 8, Mincho, Left, b.bx + 10, b.by + 7, 13, 2.8f);
    else
        PieceWrapPrintProc(device, keika, 9.7f, Mincho, Left, b.bx + 10, b.by + 8, 11, 3.7f);
}

void ousinRow(PrintDevice& device, const Ibk& m, const Box& b)
{
    const float y = b.by + (m.hakusi() ? 2 : 3);
    for (int i = 1; i <= 7; ++i) {
        if (b.line(i, 3) != QStringLiteral("往診"))
            continue;
        const QString content = b.line(i, 4);
        if (content == QStringLiteral("同時診療")) {
            MojiPrintProc(device, content, 9, Mincho, b.bx + 77, y, Right, 0);
            return;
        }
        const QStringList parts = content.split(QLatin1Char('k'));
        if (parts.size() != 2)
            return;
        MojiPrintProc(device, parts.at(0), 9, Mincho, b.bx + 75, y, Right, 0);
        const QString place = parts.at(1).section(QStringLiteral("："), 1, 1);
        if (parts.at(1).contains(QStringLiteral("：")) && !place.isEmpty()) {
            QString t = QStringLiteral("(") + QString(place).remove(QLatin1Char(' ')) + QStringLiteral(")");
            MojiPrintProc(device, t.remove(QStringLiteral("宅")), 7.8f, Mincho, b.bx + 85, b.by + 5.5f, Right, 0);
        }
        MojiPrintProc(device, b.line(i, 8), 9, Mincho, b.bx + 108, y, Right, 0);
        if (!m.clinic())
            MojiPrintProc(device, b.line(i, 9), 9, Mincho, b.bx + 122, y, Right, 0);
        return;
    }
}

void tiryoRows(PrintDevice& device, Ibk& m, const Box& b)
{
    const float scale = m.hakusi() ? TiryoLineSetProc(m.e, b.k, b.row) : 1.0f;
    const float pitch = scale < 1 ? 3.7f : 4;
    const bool bunsyoApart = m.hakusi() || m.is(Layout::New2);
    const int width = scale < 1 ? 27 : 22;
    // The standard is dropped from 2 x width bytes; on the old form only beyond 44 bytes.
    const int dropAt = m.is(Layout::Kyu) ? 45 : (scale < 1 ? 54 : 44);
    const TiryoTextProc::Sizes sizes = m.hakusi() ? TiryoTextProc::Sizes{8.5f, 8, 7.2f, 7.0f} : TiryoTextProc::Sizes{};
    int n = 0;
    for (int i = 1; i <= 7; ++i) {
        const QString category = b.line(i, 3);
        if (bunsyoApart && category == QStringLiteral("文書")) {
            m.bunsyoB = b.line(i, 8);
            m.bunsyoA = b.line(i, 9);
            continue;
        }
        if (category == QStringLiteral("PLテスト結果")) {
            float x = b.bx + 12;
            float y = b.by + 14;
            MarkPrintProc(device, b.line(i, 4), x, y);
            continue;
        }
        if (category.isEmpty() || category == QStringLiteral("往診"))
            continue;
        const float ry = b.by + 9 + float(n) * pitch;
        const QString trimmed = SharedUtil::Trim(category);
        if (trimmed != QStringLiteral("診療点数無"))
            PieceWrapPrintProc(device, shortCategory(trimmed), 8.5f * scale, Mincho, Left, b.bx + 47, ry, 3, pitch);
        MojiPrintProc(device, KingakuFormatProc(b.line(i, 7)), 9.5f * scale, Mincho, b.bx + 95, ry, Right, 0);
        if (b.line(i, 8) != QLatin1String("0"))
            MojiPrintProc(device, b.line(i, 8), 9.5f * scale, Mincho, b.bx + 110, ry, Right, 0);
        if (b.line(i, 9) != QLatin1String("0") && !m.clinic())
            MojiPrintProc(device, b.line(i, 9), 9.5f * scale, Mincho, b.bx + 123.5f, ry, Right, 0);
        const QString t = TiryoTextProc::compose(b.line(i, 4), b.line(i, 5), b.line(i, 6), dropAt);
        TiryoTextProc::print(device, TiryoTextProc::split(t, width), b.bx + 56, ry, sizes, scale);
        ++n;
    }
}

void SinsatuPrintProc(PrintDevice& device, Ibk& m)
{
    const float bys[] = {60, 89, 118.5f, 147.5f, 60, 89};
    for (int k = 0; k < SindansyoIbarakiProc::SinsatuPerPage; ++k) {
        const int j = SindansyoIbarakiProc::SinsatuPerPage * m.page + k;
        if (j >= 20)
            break;
        const Box b{m, k, SindansyoEpisode::sinsatuRow(j), X0 + (k < 4 ? 0 : 131), Y0 + bys[k]};
        boxHeader(device, m, b);
        ousinRow(device, m, b);
        tiryoRows(device, m, b);
    }
}

// --- The last page -----------------------------------------------------------------------------

void SindanHidukePrintProc(PrintDevice& device, const Ibk& m)
{
    const QStringList parts = dateParts(m.c.PrintHiduke);
    if (parts.size() == 3) {
        MojiPrintProc(device, SindansyoText::withoutEra(parts.at(0)), 11, Mincho, 166.5f, 150.5f, Left, 0);
        MojiPrintProc(device, SharedUtil::Trim(parts.at(1)), 11, Mincho, 180.5f, 150.5f, Right, 0);
        MojiPrintProc(device, SharedUtil::Trim(parts.at(2)), 11, Mincho, 192.5f, 150.5f, Right, 0);
    }
    if (m.hakusi())
        MojiPrintProc(device, QStringLiteral("印"), 8.8f, Mincho, 208.5f, 167, Left, 0);
}

// The A fee: the printed A total without "," times 10, "###,###".
QString aFee(const Ibk& m)
{
    if (m.clinic())
        return QString();
    QString total = KingakuFormatProc(m.cell(3, 7));
    const double v = float(ValueReader::leadingNumber(total.remove(QLatin1Char(',')))) * 10.0f;
    return KingakuFormatProc(QString::number(qint64(std::llround(v))));
}

void GoukeiPrintProc(PrintDevice& device, const Ibk& m)
{
    const auto amount = [&](int f) { return KingakuFormatProc(m.cell(3, f)); };
    const bool a = !m.clinic();
    const float bx = m.hakusi() ? 257 : 257.5f;
    const float ax = m.hakusi() ? 271 : 271.5f;
    const struct { QString t; float x, y; bool on; } items[] = {
        {amount(2), 238.5f, 153, true}, {amount(4), bx, 143, true},    {amount(5), ax, 143, a},
        {amount(3), 256.5f, 153, true}, {amount(3), 270.5f, 153, a},   {amount(6), 250.5f, 161, true},
        {amount(7), 269.5f, 161, a},    {m.cell(3, 8), 250.5f, 167.5f, true}, {aFee(m), 269.5f, 167.5f, a},
    };
    for (const auto& item : items) {
        if (item.on)
            MojiPrintProc(device, item.t, 10.5f, Mincho, item.x, item.y, Right, 0);
    }
}

void BunsyoRyoPrintProc(PrintDevice& device, const Ibk& m)
{
    QString b;
    QString a;
    if (m.is(Layout::New) || m.is(Layout::Kyu)) {
        if (m.c.BunsyoCh == 1)
            return;
        b = m.is(Layout::Kyu) ? QStringLiteral("100") : QStringLiteral("130");
        a = QStringLiteral("5");
    } else {
        if (m.bunsyoB.isEmpty())
            return;
        b = m.bunsyoB;
        a = m.bunsyoA;
    }
    const int k = m.lastBox;
    const float markX = X0 + (k < 4 ? 51 : 182);
    const float y = Y0 + (m.hakusi() ? 65 : 66) + 29 * float(k < 4 ? k : k - 4);
    MojiPrintProc(device, b, 9.5f, Mincho, markX + 59.5f, y, Right, 0);
    MojiPrintProc(device, a, 9.5f, Mincho, markX + 72.5f, y, Right, 0);
    circle(device, markX, y);
}

// --- The certificate -----------------------------------------------------------------------------

// The printed veterinarian: the site row's identity where the site has one on this layout, else
// the identity the dialog loaded.
void settleDoctor(Ibk& m)
{
    m.doctorName = m.c.DoctorInfo.DoctorName;
    m.doctorAd = m.c.DoctorInfo.DoctorAd;
    switch (m.site.kind) {
    case IbarakiSite::Kind::Farm: {
        int option = 0;
        for (int i = 1; i < 3; ++i) {
            if (m.c.ch(QStringLiteral("Option1"), i) == 1)
                option = i;
        }
        m.doctorName = m.site.doctorName(option);
        m.doctorAd = m.site.text(m.c.ch(QStringLiteral("nNameCh")) == 1 ? "NewClinicLine" : "ClinicLine");
        break;
    }
    case IbarakiSite::Kind::Ranch:
        if (!m.hakusi()) {
            m.doctorName = m.site.text("DoctorName");
            m.doctorAd = m.site.text("ClinicLine");
        }
        break;
    case IbarakiSite::Kind::Okayama:
        if (m.hakusi()) {
            m.doctorName = m.site.text("DoctorName");
            m.doctorAd = m.site.text("ClinicLine");
        }
        break;
    default: break;
    }
}

QString readDocBunrui()
{
    return ValueReader::at(ValueReader::readFile(DataPath::file(QStringLiteral("set\\DocBunrui.ini"))), 0);
}

} // namespace

std::optional<SindansyoIbarakiProc::Layout> SindansyoIbarakiProc::chosen(bool yousiCh, bool hakusiCh, bool clinic)
{
    if (yousiCh && hakusiCh)
        return Layout::Hakusi;
    if (clinic)
        return std::nullopt;
    return yousiCh ? Layout::New : Layout::Kyu;
}

SindansyoPrintRun::Result SindansyoIbarakiProc::print(PrintDevice& device, const SindansyoPrintContext& context,
                                                      const PrintJobEntry& entry, Layout layout,
                                                      QList<TcbLogFile::Kiroku>* log)
{
    const SindansyoEpisode episode =
        SindansyoEpisode::load(context.kartePath(entry.karteFile), entry.byoName, entry.syosinDate);
    if (!episode.found())
        return {0, SindansyoPrintRun::refusal(episode)};

    Ibk m(context, episode, layout);
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Landscape);
    settleDoctor(m);
    PrintPageModel::loadPrintSetFile();
    m.docBunrui = readDocBunrui();
    m.pages = SindansyoPageCount::pages(episode, SindansyoPageCount::Counted::Dated, SinsatuPerPage, MaxPages);
    const PrintHoseiInfo hosei = SharedState::get().PrintHosei;
    for (m.page = 0; m.page < m.pages; ++m.page) {
        if (m.hakusi())
            HakusiWakuProc::print(device, m.okayama(), {BaseX, BaseY, hosei.YokoHosei, hosei.TateHosei});
        everyPage(device, m);
        if (m.page == 0)
            firstPage(device, m);
        SinsatuPrintProc(device, m);
        if (m.page == m.pages - 1) {
            SindanHidukePrintProc(device, m);
            GoukeiPrintProc(device, m);
            BunsyoRyoPrintProc(device, m);
        }
        device.processEvents();
        device.newPage();
    }
    if (log && m.site.farm() && m.pages > 0)
        log->append(TcbLogFile::kiroku(episode.kotaiFields, episode.PrintGrid.value(SindansyoEpisode::NameRow),
                                       episode.PrintGrid.value(SindansyoEpisode::Data3Row), m.doctorName));
    return {m.pages, QString()};
}
