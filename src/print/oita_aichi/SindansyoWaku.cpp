#include "SindansyoWaku.h"

#include "print/common/FormOffset.h"

namespace {

using Caption = DrawnForm::Caption;
using Line = DrawnForm::Line;

const QString Gothic = QStringLiteral("ＭＳ Ｐゴシック");
constexpr int Thick = 7;
constexpr int Thin = 2;

Caption c(const char* text, float x, float y, int align, float width = 0, float size = 6)
{
    return {QString::fromUtf8(text), Gothic, size, align, x, y, width};
}

Line h(float x, float y, float length, int width = Thin) { return DrawnForm::horizontal(x, y, length, width); }
Line v(float x, float y, float length, int width = Thin) { return DrawnForm::vertical(x, y, length, width); }

QList<Caption> headingCaptions()
{
    return {
        c("病傷事故診断書", 66, -7.5f, 1, 50, 14),
        c("※", 134, -12.5f, 2), c("※", 134, -6.75f, 2), c("※", 134, -2.25f, 2),
        c("番号", 137, -12.5f, 1, 14), c("受付年月日", 137, -6.75f, 1, 14),
        c("共済責任", 137, -3.3f, 1, 14), c("開始年月日", 137, -1.12f, 1, 14),
        c("・", 163, -2.3f, 3), c("・", 173, -2.3f, 3),
    };
}

// The year, month and day captions of a date column at x, and its two dots.
QList<Caption> dateColumn(const char* top, const char* bottom, float x)
{
    return {c(top, x, 27, 3), c(bottom, x, 33, 3), c("年", x + 3, 27, 3), c("月", x + 3, 30, 3),
            c("日", x + 3, 33, 3)};
}

QList<Caption> dots(float x1, float x2)
{
    return {c("・", x1, 27, 3), c("・", x2, 27, 3), c("・", x1, 33, 3), c("・", x2, 33, 3)};
}

QList<Caption> rowCaptions()
{
    QList<Caption> rows = {
        c("共済関係", 3.5f, 3, 1, 12), c("地域番号", 3.5f, 9, 1, 12), c("名号等", 3.5f, 21, 1, 12),
        c("病傷名", 3.5f, 30, 1, 12), c("共済目的の種類", 2, 15, 1, 15), c("包個", 27, 3, 1, 12),
        c("組合員等住所", 48, 3, 1, 17), c("氏名", 125, 3, 1, 6.5f), c("組合等番号", 55.5f, 9, 1, 15),
        c("農家番号", 89, 9, 1, 11), c("個体番号", 137, 9, 1, 12),
        c("乳用牛(成・育・仔・胎)　・　他肉牛（成・仔・胎）", 20, 13.5f, 2), c("種雄牛（乳・肉）", 20, 16.5f, 2),
        c("性", 69, 15, 3), c("雄・雌・去", 74, 15, 1, 13), c("生年月", 90, 15, 1, 9),
        c("事故除外区分", 136, 15, 1, 13), c("個体識別番号", 50.5f, 21, 1, 13), c("転帰", 125, 21, 1, 6),
        c("治・死・法・廃・中", 136, 21, 1, 45), c("1.", 18.5f, 27, 2), c("2.", 18.5f, 33, 2),
        c("診", 67.5f, 25.5f, 3), c("療", 67.5f, 28.5f, 3), c("回", 67.5f, 31.5f, 3), c("数", 67.5f, 34.5f, 3),
        c("回", 79.5f, 27, 3), c("回", 79.5f, 33, 3),
    };
    rows += dateColumn("発", "病", 83.5f);
    rows += dateColumn("初", "診", 108.5f);
    rows += dateColumn("終", "診", 134.5f);
    rows += dateColumn("転", "帰", 160.5f);
    rows += dots(94.5f, 101);
    rows += dots(120, 127);
    rows += dots(146, 153);
    rows += dots(171.5f, 178.5f);
    rows += {
        c("稟告", 2, 38, 1, 8.5f), c("発病の原因", 2, 46.5f, 1, 11), c("最終分娩年月日", 134, 38, 1, 15),
        c("現有頭数", 134, 40.7f, 1, 15), c("現在乳量", 134, 43.5f, 1, 15), c("妊娠月数", 134, 46.5f, 1, 15),
        c("・", 160, 38, 3), c("・", 169.5f, 38, 3), c("頭", 179, 40.7f, 3), c("kg/日", 177.5f, 43.5f, 3),
        c("カ月", 178, 46.5f, 3),
    };
    return rows;
}

QList<Caption> visitHeaderCaptions()
{
    return {c("月日", 2, 51, 1, 5.5f), c("現症・経過", 24, 51, 1, 28), c("治療内容", 89, 51, 1, 22),
            c("薬価", 139, 51, 1, 7), c("点数・（除薬価）", 158, 49.5f, 1, 19), c("Ｂ", 160, 52.5f, 3),
            c("Ａ", 176, 52.5f, 3)};
}

float bandTop(const SindansyoWaku::Bands& bands, int i)
{
    return 54 + bands.height * float(i);
}

QList<Caption> bandCaptions(const SindansyoWaku::Bands& bands)
{
    QList<Caption> out;
    for (int i = 0; i < bands.count; ++i) {
        const float t = bandTop(bands, i);
        out += {c("往診", 68.5f, t + 1.5f, 1, 5), c("ＴＰＲ", 12, t + bands.tprDy, 1, 23), c("km", 90, t + 1.5f, 3),
                c("円", 150.5f, t + 1.5f, 3), c("点", 166.5f, t + 1.5f, 3), c("点", 182, t + 1.5f, 3)};
    }
    return out;
}

QList<Caption> totalCaptions()
{
    return {
        c("円", 150.5f, 202.5f, 3), c("点", 166.5f, 202.5f, 3), c("点", 182, 202.5f, 3), c("計", 129.5f, 205.5f, 3),
        c("点数合計", 132, 214.5f, 1, 15), c("診療費", 128.5f, 222, 1, 8.5f), c("（）", 139, 222, 1, 12.5f, 12),
        c("除初診料", 141, 222, 1, 8.5f), c("初診料", 134, 228, 1, 11), c("超過点数（赤字）", 129, 235, 1, 19.5f),
        c("超過金額（赤字）", 129, 242, 1, 19.5f), c("※給付額", 129, 250, 1, 21),
        c("※請求保険金額", 129, 260, 1, 21), c("点", 166.5f, 211.5f, 3), c("点", 182, 211.5f, 3),
        c("円", 182, 220.5f, 3), c("円", 182, 226.5f, 3), c("点", 166, 234.5f, 3), c("点", 182, 234.5f, 3),
        c("Ｂ", 160, 232, 3), c("Ａ", 176, 232, 3), c("円", 166, 240.5f, 3), c("円", 182, 240.5f, 3),
        c("円", 182, 246.5f, 3), c("円", 182, 256.5f, 3),
    };
}

QList<Caption> signatureCaptions()
{
    return {
        c("上記のとおり診断する。", 10, 205.5f, 1, 31), c("令和", 10, 212.5f, 2), c("年", 26, 212.5f, 3),
        c("月", 38, 212.5f, 3), c("日", 51, 212.5f, 3), c("住所 （団体名）", 11, 222.5f, 2),
        c("獣医師", 33, 231.5f, 2), c("印", 110, 231.5f, 2), c("※　免責該当条項：定款第", 1.5f, 242, 1, 36),
        c("号・免責額：", 61, 242, 1, 18), c("条", 49, 242, 2), c("円", 114, 242, 2), c("※取扱者", 65, 246.5f, 1, 13),
        c("年月日", 92, 246.5f, 1, 12), c("印", 117, 246.5f, 3), c("（注）　※印欄は組合で記入する。", 1.5f, 248, 2),
    };
}

QList<Line> thickLines()
{
    return {
        h(0, 0, 184, Thick), h(133, -16, 51, Thick), h(0, 36, 184, Thick), h(0, 48, 184, Thick),
        h(0, 239, 126, Thick), h(0, 245, 56, Thick), h(56, 265, 128, Thick), h(126, 210, 58, Thick),
        h(126, 219, 58, Thick), h(126, 245, 58, Thick), h(126, 255, 58, Thick), v(0, 0, 245, Thick),
        v(133, -16, 16, Thick), v(184, -16, 281, Thick), v(56, 245, 20, Thick), v(126, 239, 26, Thick),
        v(126, 210, 9, Thick),
    };
}

// Thin lines 1 to 12: the reception box, the upper rows and the split of the disease lines.
QList<Line> thinUpperLines()
{
    QList<Line> out = {h(133, -9, 51), h(133, -4.5f, 51)};
    for (float y : {6.0f, 12.0f, 18.0f, 24.0f})
        out.append(h(0, y, 184));
    const float xs[] = {18, 69, 88, 113, 139, 165};
    const float lengths[] = {48, 13, 19, 20, 20, 19};
    for (int i = 0; i < 6; ++i)
        out.append(h(xs[i], 30, lengths[i]));
    return out;
}

// The line below the visits header and below each band.
QList<Line> visitLines(const SindansyoWaku::Bands& bands)
{
    QList<Line> out = {h(0, 54, 184)};
    for (int i = 1; i <= bands.count; ++i)
        out.append(h(0, bandTop(bands, i), 184));
    return out;
}

// Thin lines 19 to 25: the totals, the handler's box and the points header.
QList<Line> thinLowerLines()
{
    return {h(126, 225, 58), h(126, 231, 58), h(126, 239, 58), h(56, 245, 70), h(56, 248, 70), h(152, 233, 32),
            h(152, 51, 32)};
}

// Thin lines 26 to 58: the columns.
QList<Line> thinColumnLines()
{
    QList<Line> out = {v(152, -16, 16), v(18, 0, 36), v(133, 0, 36), v(47, 0, 6), v(47, 18, 6), v(66, 0, 6),
                       v(123, 0, 6), v(123, 18, 6), v(53, 6, 6), v(72, 6, 12), v(66, 12, 24)};
    for (float x : {88.0f, 101.0f, 152.0f})
        out.append(v(x, 6, 12));
    for (float x : {69.0f, 82.0f, 88.0f, 107.0f, 113.0f, 139.0f, 159.0f, 165.0f})
        out.append(v(x, 24, 12));
    out += {v(9, 48, 153), v(66, 48, 153), v(76, 54, 147), v(133, 48, 162), v(126, 201, 9), v(152, 48, 217),
            v(168, 51, 168), v(168, 231, 14), v(126, 219, 20), v(88, 248, 17), v(107, 248, 17)};
    return out;
}

// Across the date cell of each band, from its top-right to its bottom-left corner.
QList<Line> diagonals(const SindansyoWaku::Bands& bands)
{
    QList<Line> out;
    for (int i = 0; i < bands.count; ++i) {
        const double top = 54 + double(bands.height) * i;
        out.append({9, float(top), 0, float(top + double(bands.height)), Thin});
    }
    return out;
}

void replaceCaptions(QList<Caption>& captions, const QString& first, int count, const QList<Caption>& by)
{
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (captions.at(i).text == first) {
            captions.remove(i, count);
            for (qsizetype k = 0; k < by.size(); ++k)
                captions.insert(i + k, by.at(k));
            return;
        }
    }
}

void insertAfter(QList<Caption>& captions, const QString& text, const Caption& added)
{
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (captions.at(i).text == text) {
            captions.insert(i + 1, added);
            return;
        }
    }
}

} // namespace

struct SindansyoWaku::Parts
{
    Bands bands;
    QList<Caption> heading = headingCaptions();
    QList<Caption> rows = rowCaptions();
    QList<Caption> totals = totalCaptions();
    QList<Caption> signature = signatureCaptions();
    QList<Line> dash;
};

SindansyoWaku::Parts SindansyoWaku::oitaParts()
{
    return Parts{};
}

DrawnForm SindansyoWaku::joined(const Parts& p)
{
    DrawnForm form;
    form.captions = p.heading + p.rows + visitHeaderCaptions() + bandCaptions(p.bands) + p.totals + p.signature;
    form.lines = thickLines() + thinUpperLines() + visitLines(p.bands) + thinLowerLines() + p.dash
                 + thinColumnLines() + diagonals(p.bands);
    return form;
}

DrawnForm SindansyoWaku::oita()
{
    return joined(oitaParts());
}

DrawnForm SindansyoWaku::aichi(const QString& kumiaiNumber, const QString& fixedCode)
{
    Parts p = oitaParts();
    p.bands = {7, 21, 19.3f};
    insertAfter(p.heading, QStringLiteral("病傷事故診断書"), c("３", 23, 9, 1, 26, 8));
    insertAfter(p.rows, QStringLiteral("組合員等住所"), c("愛知県", 67, 3, 2));
    replaceCaptions(p.rows, QStringLiteral("乳用牛(成・育・仔・胎)　・　他肉牛（成・仔・胎）"), 2,
                    {c("成乳牛・育成乳牛・乳用子牛等", 20, 13.5f, 2), c("・種豚", 54, 13.5f, 2),
                     c("肥育用成牛・肥育用子牛・他肉成牛・他肉子牛等", 20, 16.5f, 2)});
    p.signature += {{kumiaiNumber, Gothic, 8, 3, 80.5f, 9, 0}, {fixedCode, Gothic, 11, 2, 109, 236.5f, 0}};
    p.dash = {h(107, 9, 1.5f)};
    return joined(p);
}

void SindansyoWaku::SindansyoWakuOitaProc(PrintDevice& device, float originX, float originY, float calibX,
                                          float calibY)
{
    oita().draw(device, FormOffset{originX, originY, calibX, calibY});
}

void SindansyoWaku::SindansyoWakuAichiProc(PrintDevice& device, float originX, float originY, float calibX,
                                           float calibY, const QString& kumiaiNumber, const QString& fixedCode)
{
    aichi(kumiaiNumber, fixedCode).draw(device, FormOffset{originX, originY, calibX, calibY});
}
