#include "MiyazakiSinsatuProc.h"

#include "MiyazakiOcr.h"
#include "MiyazakiSource.h"
#include "SindansyoMiyazakiProc.h"

#include "common/ByteLenProc.h"
#include "common/MarkPrintProc.h"
#include "common/MojiPrintProc.h"
#include "common/Pict2PrintProc.h"
#include "common/PictPrintProc.h"
#include "common/SharedUtil.h"
#include "common/TiryoMojiProc.h"
#include "common/ValueReader.h"
#include "common/WrapPrintProc.h"
#include "print/common/PrintItem.h"
#include "treatment/MiyazakiDataGrid.h"

#include <cmath>

namespace {

// The content column of the treatment rows: 20 bytes a line; 9 pt (8 above 16 bytes), two lines
// 8 pt 1.3 mm above and below the row, three 7.3 pt 2.3 mm apart.
const TiryoMojiProc::Style NaiyoStyle{20, 9, 8, 16, 8, 1.3f, 1.3f, 7.3f, 2.3f};

using PrintAlign::Left;
using PrintAlign::Right;
constexpr int Mincho = 1;
constexpr float RowX = 17.0f;
constexpr float RowPitch = 7.2f;

// Table V: the slot geometry, y of the block and the offsets of its lines.
struct SlotGeometry
{
    float yb;
    float jikan;    // start time and house call
    float firstRow; // first treatment row
    float picture;
    float mark;     // PL test mark
};
const SlotGeometry Slots[] = {
    {116.5f, 10.0f, 18.5f, 32.0f, 35.0f},
    {168.0f, 3.5f, 11.0f, 28.0f, 30.0f},
    {213.0f, 3.5f, 11.0f, 28.0f, 30.0f},
};

struct Slot
{
    MiyazakiSource& m;
    int row;  // line 0 of the examination
    SlotGeometry g;
    int index;

    QString line(int k, int f) const { return m.cell(row + k, f); }
};

// The last two characters of a trimmed category: the kind of the row.
QString kind(const QString& category)
{
    return SharedUtil::Trim(category).right(2);
}

bool oneOf(const QString& text, std::initializer_list<const char16_t*> list)
{
    for (const char16_t* item : list) {
        if (text == QStringView(item))
            return true;
    }
    return false;
}

// Step V1: the date boxes (a one-digit part with a leading blank) and the start time.
void printHeader(PrintDevice& device, const Slot& s)
{
    QStringList parts = s.line(0, 2).split(QLatin1Char('.'));
    if (s.m.seireki())
        SindansyoMiyazakiProc::HenkanSeirekiProc(parts);
    const float xs[] = {20.5f, 30.5f, 40.5f};
    for (int i = 0; i < parts.size() && i < 3; ++i) {
        if (s.m.earlier && ValueReader::leadingNumber(parts.at(i)) == 0)
            continue;
        MiyazakiOcr::SujiPrintProc(device, MiyazakiOcr::blankPad(parts.at(i)), xs[i], s.g.yb + 3.5f);
    }
    const QString start = s.line(0, 5);
    if (s.m.earlier || !start.contains(QLatin1Char(':')))
        return;
    const QStringList hm = start.split(QLatin1Char(':'));
    const QString minute = hm.value(1) == QLatin1String("0") ? QStringLiteral("00") : hm.value(1);
    MojiPrintProc(device, hm.value(0) + QLatin1Char(':') + minute, 8, Mincho, 72.5f, s.g.yb + s.g.jikan, Right, 0);
}

// Step V2: the values of T, P and R.
void printVitals(PrintDevice& device, const Slot& s)
{
    const QStringList parts = s.line(0, 3).split(QLatin1Char(' '));
    if (s.line(0, 3).isEmpty() || parts.size() != 3)
        return;
    const float xs[] = {22.0f, 29.5f, 38.0f};
    for (int i = 0; i < 3; ++i) {
        const QStringList pieces = parts.at(i).split(QLatin1Char('='));
        if (pieces.size() == 2)
            MojiPrintProc(device, SharedUtil::Trim(pieces.at(1)), 9, Mincho, xs[i], s.g.yb + 13.0f, Left, 0);
    }
}

// Steps V3 and V4: the picture and the course text with the findings.
void printPictureAndKeika(PrintDevice& device, const Slot& s)
{
    const QString picture = s.line(8, 2);
    float y = s.g.yb + s.g.picture;
    if (s.m.site("SiteMiyazakiZero"))
        Pict2PrintProc(device, picture, 19.0f, y);
    else
        PictPrintProc(device, ValueReader::leadingInt(picture), 32.0f, y);
    QString text = SharedUtil::Trim(s.line(1, 2));
    for (int f = 3; f <= 10; ++f) {
        if (!s.line(8, f).isEmpty())
            text += QLatin1Char(' ') + s.line(8, f);
    }
    if (ValueReader::leadingNumber(picture) > 0)
        WrapPrintProc(device, text, 8.3f, Mincho, Left, 19.0f, s.g.yb + 17.0f, 11, 3.0f);
    else
        WrapPrintProc(device, text, 10.5f, Mincho, Left, 19.0f, s.g.yb + 17.0f, 8, 3.8f);
}

// Step V5: the first house-call row.
void printOusin(PrintDevice& device, const Slot& s)
{
    for (int k = 1; k <= 7; ++k) {
        if (s.line(k, 3) != QStringLiteral("往診"))
            continue;
        const float y = s.g.yb + (s.m.earlier && s.index == 0 ? 11.0f : s.g.jikan);
        const QString content = s.line(k, 4);
        if (content == QStringLiteral("同時診療")) {
            MojiPrintProc(device, QStringLiteral("同時"), 8.5f, Mincho, 56.0f, y, Right, 0);
            return;
        }
        const QStringList parts = content.split(QLatin1Char('k'));
        if (parts.size() != 2)
            return;
        if (s.m.earlier) {
            MojiPrintProc(device, parts.at(0), 10, Mincho, 57.0f, y, Left, 0);
            return;
        }
        MojiPrintProc(device, parts.at(0), 8.5f, Mincho, 61.0f, y, Right, 0);
        if (s.m.ch(5))
            MojiPrintProc(device, MiyazakiSinsatuProc::CodeNameMiyazakiProc(s.m.c.DataGrid, s.line(k, 7)), 10, Mincho,
                          198.0f, y, Right, 0);
        MiyazakiOcr::CodeSujiPrintProc(device, s.line(k, 7), 81.5f, y, s.m.ch(6));
        return;
    }
}

// The category column of a row: printed for the kinds the form has a place for; the earlier
// layout prints injections and 薬治 only and, at one site, a category once while it repeats.
void printBunrui(PrintDevice& device, const Slot& s, int k, float y)
{
    const QString bunrui = SharedUtil::Trim(s.line(k, 3)).remove(QLatin1Char(':'));
    bool printed = !bunrui.isEmpty() && bunrui != QStringLiteral("診療区分無");
    if (s.m.earlier) {
        printed = printed && (oneOf(bunrui.right(2), {u"注射", u"注入"}) || bunrui == QStringLiteral("薬治"));
        if (s.m.site("SiteMiyazakiVetG"))
            printed = printed && bunrui != s.m.previousBunrui;
        s.m.previousBunrui = bunrui;
    } else {
        printed = printed && oneOf(bunrui.right(2), {u"注射", u"薬治", u"注入", u"不要", u"経口", u"経鼻"});
    }
    if (printed)
        MojiPrintProc(device, bunrui, 9, Mincho, 50.0f, y, Left, 0);
}

// Table R: one treatment row at y.
void printTiryoRow(PrintDevice& device, const Slot& s, int k, float y)
{
    printBunrui(device, s, k, y);
    const QString rowKind = kind(s.line(k, 3));
    const bool bracketKind = oneOf(rowKind, {u"注射", u"注入", u"分無", u"薬治", u"不要"});
    const bool rightColumn = bracketKind || (!s.m.earlier && oneOf(rowKind, {u"経口", u"経鼻"}));
    const bool withSuryo = s.m.earlier ? bracketKind && s.m.site("SiteMiyazakiVetG") : bracketKind;
    const QString text = MiyazakiSinsatuProc::naiyoText(SharedUtil::Trim(s.line(k, 4)), SharedUtil::Trim(s.line(k, 5)),
                                                        SharedUtil::Trim(s.line(k, 6)), !s.m.earlier && s.m.ch(7),
                                                        withSuryo);
    MiyazakiSinsatuProc::NaiyoPrintProc(device, text, rightColumn ? 101.0f : 50.0f, y);
    if (s.m.earlier)
        return;
    const QString sinryoCode = s.line(k, 7);
    const QString yakuhinCode = s.line(k, 8);
    const QString suryo = s.line(k, 6);
    if (!sinryoCode.isEmpty()) {
        MiyazakiOcr::CodeSujiPrintProc(device, sinryoCode, 81.5f, y + 0.5f, s.m.ch(6));
        if (s.m.ch(5))
            MojiPrintProc(device, MiyazakiSinsatuProc::CodeNameMiyazakiProc(s.m.c.DataGrid, sinryoCode), 10, Mincho,
                          198.0f, y, Right, 0);
    }
    if (!yakuhinCode.isEmpty()) {
        MiyazakiOcr::CodeSujiPrintProc(device, yakuhinCode, 132.0f, y + 0.5f, s.m.ch(6));
        if (s.m.ch(5))
            MojiPrintProc(device, MiyazakiSinsatuProc::CodeKingakuMiyazakiProc(s.m.c.DataGrid, yakuhinCode, suryo), 10,
                          Mincho, 185.0f, y, Right, 0);
    }
    if (!suryo.isEmpty())
        MiyazakiOcr::SuryoPrintProc(device, suryo, RowX, y + 0.5f, s.m.ch(3));
}

// Step V6: the rows in order; the document fee (first page only) and the PL test take no row.
void printTiryoRows(PrintDevice& device, const Slot& s)
{
    int n = 0;
    for (int k = 1; k <= 7; ++k) {
        const QString category = s.line(k, 3);
        if (category.isEmpty() || category == QStringLiteral("往診"))
            continue;
        if (category == QStringLiteral("PLテスト結果")) {
            float x = 20.0f;
            float y = s.g.yb + s.g.mark;
            MarkPrintProc(device, s.line(k, 4), x, y);
            continue;
        }
        if (category == QStringLiteral("文書") && !s.m.earlier) {
            if (s.m.page != 0)
                continue;
            const float y = s.g.yb + 3.5f;
            MiyazakiOcr::CodeSujiPrintProc(device, s.line(k, 7), 81.5f, y, s.m.ch(6));
            if (s.m.ch(5))
                MojiPrintProc(device, MiyazakiSinsatuProc::CodeNameMiyazakiProc(s.m.c.DataGrid, s.line(k, 7)), 10,
                              Mincho, 198.0f, y, Right, 0);
            continue;
        }
        printTiryoRow(device, s, k, s.g.yb + s.g.firstRow + RowPitch * float(n));
        ++n;
    }
}

} // namespace

void MiyazakiSinsatuProc::print(PrintDevice& device, MiyazakiSource& source)
{
    for (int index = 0; index < SindansyoMiyazakiProc::SinsatuPerPage; ++index) {
        const int j = SindansyoMiyazakiProc::SinsatuPerPage * source.page + index;
        if (j >= 20)
            break;
        const Slot s{source, SindansyoEpisode::sinsatuRow(j), Slots[index], index};
        if (source.ch(0))
            printHeader(device, s);
        printVitals(device, s);
        printPictureAndKeika(device, s);
        printOusin(device, s);
        printTiryoRows(device, s);
    }
}

QString MiyazakiSinsatuProc::naiyoText(const QString& name, const QString& kikaku, const QString& suryo, bool nameOnly,
                                       bool withSuryo)
{
    QString standard = kikaku;
    standard.replace(QStringLiteral("バイアル"), QStringLiteral("B"))
        .replace(QStringLiteral("パイアル"), QStringLiteral("B"))
        .replace(QStringLiteral("処方単位"), QStringLiteral("T"))
        .remove(QStringLiteral("Hまで"))
        .remove(QStringLiteral("Hを超える"));
    QString text = name;
    if (!standard.isEmpty() && !nameOnly)
        text += QLatin1Char(':') + standard;
    if (withSuryo)
        text += QLatin1Char('[') + suryo + QLatin1Char(']');
    return ByteLenProc(text) > 60 ? name : text;
}

QStringList MiyazakiSinsatuProc::naiyoLines(const QString& text)
{
    return TiryoMojiProc::lines(text, NaiyoStyle.lineBytes);
}

void MiyazakiSinsatuProc::NaiyoPrintProc(PrintDevice& device, const QString& text, float x, float y)
{
    TiryoMojiProc::print(device, text, x, y, NaiyoStyle);
}

QString MiyazakiSinsatuProc::CodeNameMiyazakiProc(const MiyazakiDataGrid& grid, const QString& code)
{
    return grid.sinryoBTen(code).value_or(QString());
}

QString MiyazakiSinsatuProc::CodeKingakuMiyazakiProc(const MiyazakiDataGrid& grid, const QString& code,
                                                     const QString& quantity)
{
    const std::optional<QString> tanka = grid.yakkaTanka(code);
    if (!tanka)
        return QString();
    const float yen = float(ValueReader::leadingNumber(quantity)) * float(ValueReader::leadingNumber(*tanka));
    // A product past what an amount can be is no amount: it would not round into an integer.
    if (!(std::fabs(yen) < float(ValueReader::NumberLimit)))
        return QString();
    const long whole = std::lround(yen);
    return whole == 0 ? QString() : QString::number(whole);
}
