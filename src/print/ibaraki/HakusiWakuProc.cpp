#include "HakusiWakuProc.h"

#include "common/PrintDevice.h"

namespace {

const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
constexpr int Spread = 1;
constexpr int From = 2;
constexpr int Centre = 3;
constexpr int Heavy = 5;
constexpr int Light = 2;

struct Builder
{
    DrawnForm form;

    void at(const QString& text, float x, float y, int align = Centre, float width = 0, float size = 8)
    {
        form.captions.append({text, Mincho, size, align, x, y, width});
    }
    // The n-th text at the n-th y, in one column.
    void down(const QStringList& texts, float x, const QList<float>& ys)
    {
        for (int i = 0; i < texts.size(); ++i)
            at(texts.at(i), x, ys.at(i));
    }
    void mark(float x, float y, bool vertical)
    {
        form.lines.append(vertical ? DrawnForm::vertical(x, y, 1.5f, 4) : DrawnForm::horizontal(x, y, 1.5f, 4));
    }
    void horizontal(const QList<float>& ys, float from, float to, int pen)
    {
        for (float y : ys)
            form.lines.append(DrawnForm::horizontal(from, y, to - from, pen));
    }
    void vertical(const QList<float>& xs, float from, float to, int pen)
    {
        for (float x : xs)
            form.lines.append(DrawnForm::vertical(x, from, to - from, pen));
    }
    void dotted(float x, float from, float to)
    {
        DrawnForm::Line line = DrawnForm::vertical(x, from, to - from, 1);
        line.dotted = true;
        form.lines.append(line);
    }
};

// Blocks A to D (title, bands 1 to 3).
void titleAndBands(Builder& f, bool okayama, bool older)
{
    if (okayama)
        f.at("家畜診療簿", 95, -6, Spread, 54, 17);
    else
        f.at("死廃・病傷事故診断（検案）書", 75, -6, Spread, 108, 17);
    if (!okayama) {
        f.at("共済関係", 7, 4.2f);
        f.at("包 ・ 個", 21.75f, 4.2f);
        f.at("保険関係", 36.25f, 4.2f);
        f.at("イ ・ ロ", 50.75f, 4.2f);
    }
    f.at("事故除外の種類", 69.75f, 4.2f);
    f.at("共済責任開始", 100.75f, 4.2f);
    f.at("　　年　   月   　日", 126.25f, 4.2f);
    f.at(okayama ? "掛金満了日" : "掛金納入年月日", 149.25f, 4.2f);
    f.at("　　年　  月  　日", 174.25f, 4.2f);
    f.at("番号", 192, 4.2f);
    f.at("受付年月日", 225.25f, 4.2f);
    f.at("　　　年　  月  　日", 246.5f, 4.2f);
    if (!okayama)
        f.at("地域番号", 7.25f, 13);
    if (okayama) {
        f.at("区 分", 36.25f, 13);
        f.at("000", 50.75f, 13, Centre, 0, 11);
    } else {
        f.at("組合等番号", 36.25f, 13);
    }
    f.at("農家番号", 65.75f, 13);
    f.at("個体番号", 108.25f, 13);
    f.at("組合員等住所氏名", 149, 13);
    if (!okayama) {
        f.at("市", 182, 11);
        f.at("郡", 182, 15);
        f.at("町", 200, 11);
        f.at("村", 200, 15);
    }
    f.at("共済目的", 7.25f, 21.75f);
    if (older) {
        f.at("成・育・肥・肉・子・馬・豚", 18.5f, 21.75f, Spread, 36);
        f.at("雄・雌・去", 69, 21.75f, Spread, 13);
        f.at("個体", 128, 20, Spread, 11);
        f.at("識別番号", 128, 23.5f, Spread, 11);
        f.at("治・中（", 214, 21.75f, Spread, 13);
        f.at("）・死・廃・法", 237.5f, 21.75f, Spread, 20);
        f.at("性別", 62.5f, 21.75f);
        f.at("生年月日", 91.5f, 21.75f);
        f.at("　　 年     月   　日", 113, 21.75f);
    } else {
        f.at("乳（成・育・子等）・肥（成・子）・肉（成・子等）・馬・豚", 17.5f, 21.75f, Spread, 79);
        f.at("雄・雌・去", 112, 21.75f, Spread, 13);
        f.at("個体識別番号", 1.5f, -4, Spread, 23);
        f.at("治・中・死・廃（", 214, 21.75f, Spread, 25);
        f.at("）・法", 249, 21.75f, Spread, 8);
        f.at("性別", 105.5f, 21.75f);
        f.at("生年月日", 134.5f, 21.75f);
        f.at("　　 年     月   　日", 156, 21.75f);
    }
    f.at("毛色", 172.5f, 20);
    f.at("特徴", 172.5f, 23.5f);
    f.at("ＢＷＢ", 181, 21.75f);
    f.at("転　　帰", 206.25f, 21.75f);
}

// Blocks E to G (diseases and dates, the right block, code and history).
void diseaseBands(Builder& f)
{
    f.at("回", 55.5f, 30.5f);
    f.at("回", 55.5f, 39.5f);
    f.down({"病", "傷", "名"}, 3, {31.25f, 35.5f, 39.75f});
    f.down({"診", "療", "回", "数"}, 40.5f, {30, 33.7f, 37.4f, 41.1f});
    const QList<float> ys = {30, 32.75f, 35.5f, 38.25f, 41};
    f.down({"発", "病", "年", "月", "日"}, 61, ys);
    f.down({"初", "診", "年", "月", "日"}, 93, ys);
    f.down({"終", "診", "年", "月", "日"}, 125, ys);
    f.down({"転", "帰", "年", "月", "日"}, 157, ys);
    f.at("１．", 9, 30.5f);
    f.at("２．", 9, 39.5f);
    for (float c : {73.5f, 104.5f, 137.0f, 169.5f}) {
        f.at("年", c, 30.5f);
        f.at("月", c + 7, 30.5f);
        f.at("日", c + 14, 30.5f);
    }
    for (float c : {73.5f, 104.5f, 137.0f, 169.5f}) {
        f.at("・", c, 39.5f);
        f.at("・", c + 7, 39.5f);
    }
    f.at("最終分娩年月日", 189.5f, 30.5f, Spread, 22);
    f.at("現在乳量", 189.5f, 39.5f, Spread, 22);
    f.at("妊娠月数", 189.5f, 48.5f, Spread, 22);
    f.at("・　　　　・", 234, 30.5f, From);
    f.at("kg/日", 246, 39.5f, From);
    f.at("ｶ　月", 246, 48.5f, From);
    f.at("コ", 3, 46);
    f.at("ドﾞ", 3.2f, 51);
    f.mark(3, 47.5f, true);
    f.mark(16, 48.25f, false);
    f.mark(27, 48.25f, false);
    f.at("稟告", 39, 48.25f, Spread, 8);
    f.at("発病の原因", 132, 48.25f, From);
}

// Blocks H to J (the visit headings and rows, the summary and amounts).
void visitAndSummary(Builder& f)
{
    for (float dx : {0.0f, 131.0f}) {
        f.at("月日", 1.5f + dx, 56, Spread, 6);
        f.at("現症経過", 16 + dx, 56, Spread, 22);
        f.at("治療内容", 54 + dx, 56, Spread, 22);
        f.at("薬価", 87.5f + dx, 56, Spread, 8);
        f.at("点数（除薬価）", 104 + dx, 54.2f, Spread, 19);
        f.at("Ｂ", 106 + dx, 57.7f);
        f.at("Ａ", 121 + dx, 57.7f);
    }
    const struct { float rx, ry; } rows[] = {{0, 59.5f}, {0, 89}, {0, 118}, {0, 147}, {131, 59.5f}, {131, 89}};
    for (const auto& r : rows) {
        f.at("ＴＰＲ", r.rx + 10.5f, r.ry + 2.5f, Spread, 26);
        f.at("往診", r.rx + 48.5f, r.ry + 2.5f, Spread, 5.5f);
        f.at("文書", r.rx + 48.5f, r.ry + 5.5f, Spread, 5.5f);
        f.at("km", r.rx + 82, r.ry + 2.5f);
        f.at("円", r.rx + 96.5f, r.ry + 2.5f);
        f.at("点", r.rx + 111, r.ry + 2.5f);
        f.at("点", r.rx + 125.5f, r.ry + 2.5f);
    }
    f.at("上記のとおり診断する。", 137, 123, Spread, 37);
    f.at("種別点数計", 194.5f, 123, Spread, 28);
    f.at("薬価合計", 189, 131, Spread, 11);
    f.at("及び点数", 189, 134, Spread, 11);
    f.at("令和　　　　　年　　　　　月　　　　　日", 140.5f, 129.5f, From);
    f.at("住所（団体名）", 136.5f, 137, From);
    f.at("指定・嘱託・獣医師名", 136.5f, 144, From);
    f.at("点", 242, 123);
    f.at("点", 256.5f, 123);
    f.at("円", 227.5f, 132.25f);
    f.at("点", 242, 132.25f);
    f.at("点", 256.5f, 132.25f);
    f.at("点数合計", 199.5f, 140.25f, Spread, 19);
    f.at("初診料", 199.5f, 153.5f, Spread, 19);
    f.at("請求保険金", 199.5f, 160, Spread, 19);
    f.at("組合等負担額", 199.5f, 166.5f, Spread, 19);
    f.at("支払共済金", 199.5f, 173, Spread, 19);
    f.at("診療費", 199.5f, 146.75f, From);
    f.at("除", 214, 145.5f);
    f.at("初診料", 214, 148);
    f.at("(     )", 214, 146.75f, Centre, 0, 15);
    f.at("点", 237, 140.25f);
    for (int k = 1; k <= 5; ++k)
        f.at("円", 237, 140.25f + 6.5f * float(k));
    f.at("点", 256, 140.25f);
    for (int k = 1; k <= 5; ++k)
        f.at("円", 256, 140.25f + 6.5f * float(k));
    f.at("免責該当条項", 133, 152, From);
    f.at("定款 （ 条例 ）", 133, 155, From);
    f.at("第　　条　　号　免責額　　　　　　　　　円", 151, 153.5f, From);
    f.at("組合等取扱者印", 135, 160.25f, Spread, 25);
    f.at("連合会取扱者年月日", 168, 160.25f, Spread, 25);
}

void rules(Builder& f, bool older)
{
    f.horizontal({0, 8.5f, 17.5f, 26}, 0, 259, Heavy);
    f.horizontal({44}, 0, 186, Heavy);
    f.horizontal({52.5f}, 0, 128, Heavy);
    f.horizontal({52.5f}, 131, 259, Heavy);
    f.horizontal({176}, 0, 128, Heavy);
    f.horizontal({176, 118}, 131, 259, Heavy);
    f.horizontal({137}, 187, 259, Heavy);
    f.horizontal({143.5f}, 198, 259, Heavy);
    f.horizontal({150, 157}, 131, 198, Heavy);
    f.vertical({0, 259}, 0, 176, Heavy);
    f.vertical({128, 131}, 52.5f, 176, Heavy);
    f.vertical({187}, 118, 137, Heavy);
    f.vertical({198}, 137, 176, Heavy);
    if (older) {
        f.vertical({58}, 0, 44, Heavy);
    } else {
        f.vertical({58}, 0, 17.5f, Heavy);
        f.vertical({58}, 26, 44, Heavy);
    }
    f.vertical({186}, 26, 52.5f, Heavy);
    f.vertical({90, 122, 154}, 26, 44, Heavy);
    f.vertical({90.5f, 137.5f, 187.5f, 216.5f}, 0, 8.5f, Heavy);
    f.vertical({101, 136}, 8.5f, 17.5f, Heavy);
    f.vertical(older ? QList<float>{84, 126, 168} : QList<float>{101, 127, 168}, 17.5f, 26, Heavy);
    f.vertical({14.5f}, 0, 26, Light);
    f.vertical({29, 43.5f}, 0, 17.5f, Light);
    f.vertical({6, 37.5f}, 26, 52.5f, Light);
    f.vertical({43.5f, 64, 96, 128, 160}, 26, 44, Light);
    f.vertical({81.5f, 111, 161, 196.5f, 234}, 0, 8.5f, Light);
    f.vertical({73.5f, 115.5f, 162.5f}, 8.5f, 17.5f, Light);
    f.vertical(older ? QList<float>{67, 99, 140, 177, 200.5f, 212} : QList<float>{110, 141.5f, 177, 200.5f, 212}, 17.5f,
               26, Light);
    f.vertical({9, 47, 85, 99}, 52.5f, 176, Light);
    f.vertical({113.5f}, 56, 176, Light);
    f.dotted(55.5f, 59.5f, 176);
    f.vertical({140, 178, 215.5f}, 52.5f, 118, Light);
    f.vertical({230}, 52.5f, 137, Light);
    f.vertical({244.5f}, 56, 137, Light);
    f.dotted(187, 59.5f, 125);
    f.vertical({201.5f}, 127.5f, 137, Light);
    f.vertical({164}, 157, 176, Light);
    f.vertical({220.5f, 240}, 137, 176, Light);
    f.horizontal({35}, 6, 37.5f, Light);
    f.horizontal({35}, 43.5f, 58, Light);
    f.horizontal({35}, 64, 90, Light);
    f.horizontal({35}, 96, 122, Light);
    f.horizontal({35}, 128, 154, Light);
    f.horizontal({35}, 160, 186, Light);
    f.horizontal({59.5f, 89, 118, 147}, 0, 128, Light);
    f.horizontal({56}, 99, 128, Light);
    f.horizontal({59.5f, 89}, 131, 259, Light);
    f.horizontal({56}, 230, 259, Light);
    f.horizontal({127.5f}, 187, 259, Light);
    f.horizontal({163.5f}, 131, 198, Light);
    f.horizontal({150, 157, 163.5f, 169.5f}, 198, 259, Light);
    const struct { float x, y; } slants[] = {{2.5f, 75}, {2.5f, 104}, {2.5f, 133}, {2.5f, 162}, {133.5f, 75}, {133.5f, 104}};
    for (const auto& s : slants)
        f.form.lines.append({s.x, s.y, s.x + 3, s.y - 2, Light});
    if (older)
        return;
    f.vertical({0, 72}, -9, 0, Heavy);
    f.horizontal({-9}, 0, 72, Heavy);
    f.vertical({27}, -9, 0, Light);
}

DrawnForm build(bool okayama, bool older)
{
    Builder f;
    titleAndBands(f, okayama, older);
    diseaseBands(f);
    visitAndSummary(f);
    rules(f, older);
    return f.form;
}

} // namespace

DrawnForm HakusiWakuProc::form(bool okayama)
{
    return build(okayama, false);
}

DrawnForm HakusiWakuProc::form2()
{
    return build(false, true);
}

void HakusiWakuProc::print(PrintDevice& device, bool okayama, const FormOffset& offset)
{
    static const DrawnForm general = form(false);
    static const DrawnForm okayamaForm = form(true);
    (okayama ? okayamaForm : general).draw(device, offset);
    device.setLineWidth(Light);
}
