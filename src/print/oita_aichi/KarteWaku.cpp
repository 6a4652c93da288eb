#include "KarteWaku.h"

#include "print/common/FormOffset.h"

#include <algorithm>

namespace {

using Caption = KarteWaku::Caption;
using Line = DrawnForm::Line;

Line seg(float x1, float y1, float x2, float y2, int width) { return {x1, y1, x2, y2, std::max(width, 1)}; }

void hRules(QList<Line>& out, const QList<float>& ys, float x1, float x2, int w)
{
    for (float y : ys)
        out.append(seg(x1, y, x2, y, w));
}

void vRules(QList<Line>& out, const QList<float>& xs, float y1, float y2, int w)
{
    for (float x : xs)
        out.append(seg(x, y1, x, y2, w));
}

void hPieces(QList<Line>& out, float y, const QList<float>& xs, int w)
{
    for (qsizetype i = 0; i + 1 < xs.size(); i += 2)
        out.append(seg(xs.at(i), y, xs.at(i + 1), y, w));
}

QList<Line> rectangle(int w)
{
    return {seg(0, 0, 151, 0, w), seg(151, 0, 151, 202, w), seg(151, 202, 0, 202, w), seg(0, 202, 0, 0, w)};
}

Caption c(const char* text, float x, float y, float size = 7.2f)
{
    return {QString::fromUtf8(text), x, y, size};
}

// The head of the treatment table from y (the first sheet 64, the continuation sheet 24.5).
QList<Caption> tableHead(float y)
{
    return {c("月日", 2, y + 4.5f, 8.5f),   c("現　　症　・　経　　過", 18, y + 4.5f, 10),
            c("治　　療　　内　　容", 57, y + 4.5f, 10), c("使用薬剤", 99, y + 2.3f, 9),
            c("点数（除薬価）", 128, y + 2.3f, 9), c("規格", 92, y + 6.8f, 9), c("数量", 104, y + 6.8f, 9),
            c("薬価", 115, y + 6.8f, 9),    c("Ｂ", 132, y + 6.8f, 9),  c("Ａ", 144.5f, y + 6.8f, 9)};
}

} // namespace

bool KarteWaku::newSpecies(const QString& tikushu)
{
    static const QStringList texts = {"乳用牛(成)", "乳用牛(育)", "乳用牛(仔)", "乳用牛(胎)", "他肉牛(成)",
                                      "他肉牛(仔)", "他肉牛(胎)", "種雄牛(乳)", "種雄牛(肉)"};
    return texts.contains(tikushu);
}

DrawnForm KarteWaku::lines1(int frameWidth, int ruleWidth)
{
    const int f = frameWidth;
    const int r = ruleWidth;
    DrawnForm form;
    QList<Line>& l = form.lines;
    l = rectangle(f);
    l += {seg(119, 0, 119, -7, f), seg(119, -7, 151, -7, f), seg(151, -7, 151, 0, f), seg(0, 192, 151, 192, f),
          seg(63, 192, 63, 202, f)};
    hRules(l, {6, 14, 23, 32, 38, 50, 64, 73, 114, 137, 160, 187}, 0, 151, r);
    l.append(seg(121.5f, 27.5f, 151, 27.5f, r));
    hPieces(l, 44, {6, 39.5f, 45.5f, 58, 65, 83, 90, 106, 114, 129, 136, 151}, r);
    l.append(seg(87, 68.5f, 151, 68.5f, r));
    hRules(l, {165.5f, 171, 176, 181.5f}, 106, 151, r);
    l.append(seg(68, 197, 151, 197, r));
    vRules(l, {127.5f}, -7, 0, r);
    vRules(l, {12}, 0, 38, r);
    vRules(l, {44, 63, 119}, 0, 6, r);
    vRules(l, {96}, 0, 14, r);
    vRules(l, {31, 53}, 6, 14, r);
    vRules(l, {107}, 6, 23, r);
    vRules(l, {22, 40.5f, 57.5f, 77.5f}, 14, 23, r);
    vRules(l, {121.5f}, 14, 32, r);
    vRules(l, {63, 102}, 23, 38, r);
    vRules(l, {75, 98.5f}, 23, 32, r);
    vRules(l, {44, 90}, 32, 38, r);
    vRules(l, {6, 39.5f, 45.5f, 58, 65, 83, 90, 106, 114, 129, 136}, 38, 50, r);
    vRules(l, {9}, 50, 160, r);
    vRules(l, {54, 87}, 64, 160, r);
    vRules(l, {102}, 68.5f, 160, r);
    vRules(l, {111}, 68.5f, 165.5f, r);
    vRules(l, {124.5f}, 64, 192, r);
    vRules(l, {139}, 68.5f, 171, r);
    vRules(l, {106}, 160, 192, r);
    vRules(l, {68, 111}, 192, 202, r);
    l += {seg(0, 110, 9, 78, r), seg(0, 132, 9, 120, r), seg(0, 155, 9, 143, r)};
    return form;
}

DrawnForm KarteWaku::lines2(int frameWidth, int ruleWidth)
{
    const int r = ruleWidth;
    DrawnForm form;
    QList<Line>& l = form.lines;
    l = rectangle(frameWidth);
    hRules(l, {6, 14, 24, 34, 58, 82, 106, 130, 154, 178, 202}, 0, 151, r);
    hPieces(l, 19, {6, 31, 38, 50, 57, 75, 82, 99, 106, 120, 127, 151}, r);
    l.append(seg(87, 29, 151, 29, r));
    vRules(l, {9, 54, 87, 124.5f}, 24, 202, r);
    vRules(l, {102, 111, 139}, 29, 202, r);
    vRules(l, {12}, 6, 14, r);
    vRules(l, {44}, 0, 14, r);
    vRules(l, {63, 96, 118}, 0, 6, r);
    vRules(l, {6, 31, 38, 50, 57, 75, 82, 99, 106, 120, 127}, 14, 24, r);
    for (int k = 0; k < 7; ++k)
        l.append(seg(9, 39 + 24.0f * float(k), 0, 53 + 24.0f * float(k), r));
    return form;
}

QList<Caption> KarteWaku::captions1(bool newSpecies)
{
    QList<Caption> out = {
        c("病　傷　事　故　診　断　書", 27, -3.5f, 13.5f), c("*番号", 121, -3.5f), c("*責任開始", 1, 1.5f),
        c("年月日", 3, 4.5f), c("*掛金期間", 47, 1.5f), c("満了年月日", 47, 4.5f), c("*受付年月日", 99, 3),
        c("共済関係", 1.5f, 10), c("包　・　個", 16.5f, 10), c("組合員等住所", 35, 10), c("氏名", 99, 10),
        c("組合コード", 1, 18.5f), c("事故除外の種類", 23, 18.5f), c("農家コード", 62, 18.5f),
        c("個体番号", 110, 18.5f), c("共済目的", 1.5f, 25.5f), c("の種類", 3, 29.7f),
    };
    if (newSpecies)
        out += {c("乳用牛(成・育・仔・胎)　・　他肉牛（成・仔・胎）", 13.5f, 25.5f), c("種雄牛（乳・肉）", 13.5f, 29.7f)};
    else
        out += {c("乳用牛(成・育)　・　他肉牛（胎児・仔牛・成牛）", 13.5f, 25.5f),
                c("肥育牛（成牛・仔牛）・種雄牛（乳用種・肉用種）", 13.5f, 29.7f)};
    out += {
        c("品種", 67, 27.5f), c("性", 99.5f, 27.5f), c("雌　・　雄　・　去", 104, 27.5f), c("生年月日", 131, 25.3f),
        c("統一耳標", 1.5f, 35), c("名号", 51.5f, 35), c("転帰", 94, 35),
        c("治　・　死　・　法　・　廃　・　中", 111, 35), c("病", 2.5f, 40.5f), c("傷", 2.5f, 44), c("名", 2.5f, 47.5f),
        c("(1)", 7, 39.5f), c("(2)", 7, 45.5f), c("診療", 40.5f, 42), c("回数", 40.5f, 45.5f), c("回", 54.5f, 41),
        c("回", 54.5f, 47),
    };
    for (const auto& [word, x] : {std::pair{"発病", 59.5f}, {"初診", 84.5f}, {"終診", 108}, {"転帰", 130.5f}})
        out += {c(word, x, 40.5f), c("年月", x, 44), c("日", x + 1.5f, 47.5f)};
    out += {
        c("稟告・", 1.5f, 52.5f), c("発病の", 1.5f, 56.9f), c("原因", 1.5f, 61.6f), c("最終分娩年月日：", 83, 52.5f),
        c("現　在　乳　量：", 83, 56.9f), c("妊　娠　月　齢：", 83, 61.6f), c("kg／日", 141, 56.9f),
        c("ヶ月", 141, 61.6f),
    };
    out += tableHead(64);
    out.append(c("円", 121.5f, 75, 8));
    for (float y : {111.5f, 134.5f, 157.5f})
        out.append(c("Ｔ　　　　　℃", 24, y, 9));
    out += {
        c("上記のとおり診断する。", 6, 163, 7.5f), c("住所（団体名）", 6, 173, 7.5f), c("獣医師", 39, 184, 7.5f),
        c("印", 102, 184, 7.5f),
        c("*免責該当条項：定款（条例）第　　　　条　　　　号　　　　　　　免責額", 2, 189.5f, 7.5f),
        c("円", 102, 189.5f, 7.5f), c("（注）*印の欄は組合等で記入する。", 10, 194.5f, 7.5f),
        c("*", 65.5f, 194.5f, 7.5f), c("残", 65, 199.5f, 7.5f), c("点", 108, 199.5f, 7.5f),
        c("点", 148, 199.5f, 7.5f), c("Ｂ", 89, 194.5f, 10), c("Ａ", 132, 194.5f, 10), c("計", 108, 162.8f, 9),
        c("点数合計", 109.5f, 168.3f, 9), c("診療費", 112, 172.5f, 6.5f), c("(除初診料)", 111, 174.5f, 6.5f),
        c("初診料", 111, 178.8f, 8), c("*給付額", 111, 184.3f, 8), c("*取扱者印", 110, 189.5f, 8),
        c("円", 147, 173.5f, 8), c("円", 147, 179, 8), c("円", 147, 184.5f, 8), c("印", 147, 189.5f, 8),
    };
    return out;
}

QList<Caption> KarteWaku::captions2()
{
    QList<Caption> out = {c("住所", 51.5f, 3, 9), c("氏名", 104, 3, 9), c("名号", 3.5f, 10), c("病", 2.5f, 15.5f),
                          c("傷", 2.5f, 19), c("名", 2.5f, 22.5f), c("(1)", 7, 15.5f), c("(2)", 7, 20.5f),
                          c("診療", 32.5f, 17.5f, 7.5f), c("回数", 32.5f, 20.5f, 7.5f)};
    for (const auto& [word, x] : {std::pair{"発病", 51.5f}, {"初診", 76.5f}, {"終診", 100.5f}, {"転帰", 121.5f}})
        out += {c(word, x, 16, 7.5f), c("年月", x, 19, 7.5f), c("日", x + 1.5f, 22, 7.5f)};
    out += tableHead(24.5f);
    for (int k = 0; k < 7; ++k)
        out.append(c("Ｔ　　　　　℃", 24, 55.5f + 24.0f * float(k), 9));
    return out;
}

void KarteWaku::KarteWaku1(PrintDevice& device, const FormOffset& offset, int frameWidth, int ruleWidth,
                           bool newSpecies)
{
    lines1(frameWidth, ruleWidth).draw(device, offset);
    DrawnForm::drawLabels(device, captions1(newSpecies), offset.dx1, offset.dy1);
}

void KarteWaku::KarteWaku2(PrintDevice& device, const FormOffset& offset, int frameWidth, int ruleWidth)
{
    lines2(frameWidth, ruleWidth).draw(device, offset);
    DrawnForm::drawLabels(device, captions2(), offset.dx1, offset.dy1);
}
