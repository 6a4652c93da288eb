#include "HakusiWakuProc.h"

#include "common/PrintDevice.h"
#include "print/common/DrawnFormBuilder.h"

namespace {

constexpr int Spread = DrawnFormBuilder::Spread;
constexpr int From = DrawnFormBuilder::Left;
constexpr int Heavy = 5;
constexpr int Light = 2;
constexpr float Size = 8;

// A pen-4 mark of 1.5 mm, running down or right from (x, y).
void mark(DrawnFormBuilder& f, float x, float y, bool vertical)
{
    f.form.lines.append(vertical ? DrawnForm::vertical(x, y, 1.5f, 4) : DrawnForm::horizontal(x, y, 1.5f, 4));
}

// Blocks A to D (title, bands 1 to 3).
void titleAndBands(DrawnFormBuilder& f, bool okayama, bool older)
{
    if (okayama)
        f.at("家畜診療簿", 95, -6, 17, Spread, 54);
    else
        f.at("死廃・病傷事故診断（検案）書", 75, -6, 17, Spread, 108);
    if (!okayama) {
        f.at("共済関係", 7, 4.2f, Size);
        f.at("包 ・ 個", 21.75f, 4.2f, Size);
        f.at("保険関係", 36.25f, 4.2f, Size);
        f.at("イ ・ ロ", 50.75f, 4.2f, Size);
    }
    f.at("事故除外の種類", 69.75f, 4.2f, Size);
    f.at("共済責任開始", 100.75f, 4.2f, Size);
    f.at("　　年　   月   　日", 126.25f, 4.2f, Size);
    f.at(okayama ? "掛金満了日" : "掛金納入年月日", 149.25f, 4.2f, Size);
    f.at("　　年　  月  　日", 174.25f, 4.2f, Size);
    f.at("番号", 192, 4.2f, Size);
    f.at("受付年月日", 225.25f, 4.2f, Size);
    f.at("　　　年　  月  　日", 246.5f, 4.2f, Size);
    if (!okayama)
        f.at("地域番号", 7.25f, 13, Size);
    if (okayama) {
        f.at("区 分", 36.25f, 13, Size);
        f.at("000", 50.75f, 13, 11);
    } else {
        f.at("組合等番号", 36.25f, 13, Size);
    }
    f.at("農家番号", 65.75f, 13, Size);
    f.at("個体番号", 108.25f, 13, Size);
    f.at("組合員等住所氏名", 149, 13, Size);
    if (!okayama) {
        f.at("市", 182, 11, Size);
        f.at("郡", 182, 15, Size);
        f.at("町", 200, 11, Size);
        f.at("村", 200, 15, Size);
    }
    f.at("共済目的", 7.25f, 21.75f, Size);
    if (older) {
        f.at("成・育・肥・肉・子・馬・豚", 18.5f, 21.75f, Size, Spread, 36);
        f.at("雄・雌・去", 69, 21.75f, Size, Spread, 13);
        f.at("個体", 128, 20, Size, Spread, 11);
        f.at("識別番号", 128, 23.5f, Size, Spread, 11);
        f.at("治・中（", 214, 21.75f, Size, Spread, 13);
        f.at("）・死・廃・法", 237.5f, 21.75f, Size, Spread, 20);
        f.at("性別", 62.5f, 21.75f, Size);
        f.at("生年月日", 91.5f, 21.75f, Size);
        f.at("　　 年     月   　日", 113, 21.75f, Size);
    } else {
        f.at("乳（成・育・子等）・肥（成・子）・肉（成・子等）・馬・豚", 17.5f, 21.75f, Size, Spread, 79);
        f.at("雄・雌・去", 112, 21.75f, Size, Spread, 13);
        f.at("個体識別番号", 1.5f, -4, Size, Spread, 23);
        f.at("治・中・死・廃（", 214, 21.75f, Size, Spread, 25);
        f.at("）・法", 249, 21.75f, Size, Spread, 8);
        f.at("性別", 105.5f, 21.75f, Size);
        f.at("生年月日", 134.5f, 21.75f, Size);
        f.at("　　 年     月   　日", 156, 21.75f, Size);
    }
    f.at("毛色", 172.5f, 20, Size);
    f.at("特徴", 172.5f, 23.5f, Size);
    f.at("ＢＷＢ", 181, 21.75f, Size);
    f.at("転　　帰", 206.25f, 21.75f, Size);
}

// Blocks E to G (diseases and dates, the right block, code and history).
void diseaseBands(DrawnFormBuilder& f)
{
    f.at("回", 55.5f, 30.5f, Size);
    f.at("回", 55.5f, 39.5f, Size);
    f.down({"病", "傷", "名"}, 3, {31.25f, 35.5f, 39.75f}, Size);
    f.down({"診", "療", "回", "数"}, 40.5f, {30, 33.7f, 37.4f, 41.1f}, Size);
    const QList<float> ys = {30, 32.75f, 35.5f, 38.25f, 41};
    f.down({"発", "病", "年", "月", "日"}, 61, ys, Size);
    f.down({"初", "診", "年", "月", "日"}, 93, ys, Size);
    f.down({"終", "診", "年", "月", "日"}, 125, ys, Size);
    f.down({"転", "帰", "年", "月", "日"}, 157, ys, Size);
    f.at("１．", 9, 30.5f, Size);
    f.at("２．", 9, 39.5f, Size);
    for (float c : {73.5f, 104.5f, 137.0f, 169.5f}) {
        f.at("年", c, 30.5f, Size);
        f.at("月", c + 7, 30.5f, Size);
        f.at("日", c + 14, 30.5f, Size);
    }
    for (float c : {73.5f, 104.5f, 137.0f, 169.5f}) {
        f.at("・", c, 39.5f, Size);
        f.at("・", c + 7, 39.5f, Size);
    }
    f.at("最終分娩年月日", 189.5f, 30.5f, Size, Spread, 22);
    f.at("現在乳量", 189.5f, 39.5f, Size, Spread, 22);
    f.at("妊娠月数", 189.5f, 48.5f, Size, Spread, 22);
    f.at("・　　　　・", 234, 30.5f, Size, From);
    f.at("kg/日", 246, 39.5f, Size, From);
    f.at("ｶ　月", 246, 48.5f, Size, From);
    f.at("コ", 3, 46, Size);
    f.at("ドﾞ", 3.2f, 51, Size);
    mark(f, 3, 47.5f, true);
    mark(f, 16, 48.25f, false);
    mark(f, 27, 48.25f, false);
    f.at("稟告", 39, 48.25f, Size, Spread, 8);
    f.at("発病の原因", 132, 48.25f, Size, From);
}

// Blocks H to J (the visit headings and rows, the summary and amounts).
void visitAndSummary(DrawnFormBuilder& f)
{
    for (float dx : {0.0f, 131.0f}) {
        f.at("月日", 1.5f + dx, 56, Size, Spread, 6);
        f.at("現症経過", 16 + dx, 56, Size, Spread, 22);
        f.at("治療内容", 54 + dx, 56, Size, Spread, 22);
        f.at("薬価", 87.5f + dx, 56, Size, Spread, 8);
        f.at("点数（除薬価）", 104 + dx, 54.2f, Size, Spread, 19);
        f.at("Ｂ", 106 + dx, 57.7f, Size);
        f.at("Ａ", 121 + dx, 57.7f, Size);
    }
    const struct { float rx, ry; } rows[] = {{0, 59.5f}, {0, 89}, {0, 118}, {0, 147}, {131, 59.5f}, {131, 89}};
    for (const auto& r : rows) {
        f.at("ＴＰＲ", r.rx + 10.5f, r.ry + 2.5f, Size, Spread, 26);
        f.at("往診", r.rx + 48.5f, r.ry + 2.5f, Size, Spread, 5.5f);
        f.at("文書", r.rx + 48.5f, r.ry + 5.5f, Size, Spread, 5.5f);
        f.at("km", r.rx + 82, r.ry + 2.5f, Size);
        f.at("円", r.rx + 96.5f, r.ry + 2.5f, Size);
        f.at("点", r.rx + 111, r.ry + 2.5f, Size);
        f.at("点", r.rx + 125.5f, r.ry + 2.5f, Size);
    }
    f.at("上記のとおり診断する。", 137, 123, Size, Spread, 37);
    f.at("種別点数計", 194.5f, 123, Size, Spread, 28);
    f.at("薬価合計", 189, 131, Size, Spread, 11);
    f.at("及び点数", 189, 134, Size, Spread, 11);
    f.at("令和　　　　　年　　　　　月　　　　　日", 140.5f, 129.5f, Size, From);
    f.at("住所（団体名）", 136.5f, 137, Size, From);
    f.at("指定・嘱託・獣医師名", 136.5f, 144, Size, From);
    f.at("点", 242, 123, Size);
    f.at("点", 256.5f, 123, Size);
    f.at("円", 227.5f, 132.25f, Size);
    f.at("点", 242, 132.25f, Size);
    f.at("点", 256.5f, 132.25f, Size);
    f.at("点数合計", 199.5f, 140.25f, Size, Spread, 19);
    f.at("初診料", 199.5f, 153.5f, Size, Spread, 19);
    f.at("請求保険金", 199.5f, 160, Size, Spread, 19);
    f.at("組合等負担額", 199.5f, 166.5f, Size, Spread, 19);
    f.at("支払共済金", 199.5f, 173, Size, Spread, 19);
    f.at("診療費", 199.5f, 146.75f, Size, From);
    f.at("除", 214, 145.5f, Size);
    f.at("初診料", 214, 148, Size);
    f.at("(     )", 214, 146.75f, 15);
    f.at("点", 237, 140.25f, Size);
    for (int k = 1; k <= 5; ++k)
        f.at("円", 237, 140.25f + 6.5f * float(k), Size);
    f.at("点", 256, 140.25f, Size);
    for (int k = 1; k <= 5; ++k)
        f.at("円", 256, 140.25f + 6.5f * float(k), Size);
    f.at("免責該当条項", 133, 152, Size, From);
    f.at("定款 （ 条例 ）", 133, 155, Size, From);
    f.at("第　　条　　号　免責額　　　　　　　　　円", 151, 153.5f, Size, From);
    f.at("組合等取扱者印", 135, 160.25f, Size, Spread, 25);
    f.at("連合会取扱者年月日", 168, 160.25f, Size, Spread, 25);
}

void rules(DrawnFormBuilder& f, bool older)
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
    f.vertical({55.5f}, 59.5f, 176, 1, true);
    f.vertical({140, 178, 215.5f}, 52.5f, 118, Light);
    f.vertical({230}, 52.5f, 137, Light);
    f.vertical({244.5f}, 56, 137, Light);
    f.vertical({187}, 59.5f, 125, 1, true);
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
    DrawnFormBuilder f;
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
