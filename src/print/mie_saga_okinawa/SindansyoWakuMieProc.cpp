#include "SindansyoWakuMieProc.h"

#include "print/common/DrawnFormBuilder.h"

namespace {

constexpr int Spread = DrawnFormBuilder::Spread;
constexpr int Left = DrawnFormBuilder::Left;
constexpr int Thick = 9;
constexpr int Thin = 3;

void captions(DrawnFormBuilder& f)
{
    f.at("病傷事故診断書", 56, 7, 17, Spread);
    f.at("診断書番号", 136.5f, 3.5f, 8.2f);
    f.at("受付年月日", 136.5f, 10.5f, 8.2f);
    f.at("代理受領", 136.5f, 16, 8.2f);
    f.at("通し番号", 136.5f, 19, 8.2f);
    f.at("包括共済", 68, 25.5f, 8);
    f.at("家畜区分", 68, 29, 8);
    f.down({"組", "合"}, 2.5f, {24, 31}, 8);
    f.down({"コ", "｜", "ド"}, 6, {24, 27.5f, 31}, 8);
    f.down({"組", "合", "員"}, 25.5f, {24, 27.5f, 31}, 8);
    f.down({"コ", "｜", "ド"}, 29, {24, 27.5f, 31}, 8);
    f.down({"共", "済", "関", "係"}, 4, {36.5f, 39.2f, 41.9f, 44.6f}, 8);
    f.at("乳用牛・肉用牛", 90.5f, 27.5f, 8);
    f.at("住　　所", 115.5f, 24.25f, 8);
    f.at("氏　　名", 115.5f, 30.75f, 8);
    f.at("包括・個別", 15.5f, 40.5f, 8);
    f.at("用途", 27, 40.5f, 8);
    f.at("搾乳　・　その他", 46, 40.5f, 8);
    f.at("性", 62.75f, 40.5f, 8);
    f.at("雌　雄", 69.75f, 39, 8);
    f.at("去", 69.75f, 43.5f, 8);
    f.at("生年月日", 80.5f, 37, 7);
    f.at("　　　　年　　　月　　　日　（　　　）才", 105.5f, 37, 7);
    f.at("品　種", 80.5f, 43.5f, 8);
    f.at("毛色特徴", 126, 37, 8, Left);
    f.at("個体識別番号等", 126, 43.5f, 8, Left);
    f.at("共済責任開始", 11.5f, 50.25f, 8.2f);
    f.at("年月日", 11.5f, 53.5f, 8.2f);
    f.at("　　　　年　　　　月　　　　日", 42, 51.5f, 8.2f);
    f.at("掛金期間終了", 73.5f, 50.25f, 8.2f);
    f.at("年月日", 73.5f, 53.5f, 8.2f);
    f.at("　　　　年　　　　月　　　　日", 105.5f, 51.5f, 8.2f);
    f.down({"病", "傷", "名"}, 3.54f, {60, 63.2f, 66.4f}, 8.2f);
    f.down({"診", "療", "回", "数"}, 34.5f, {58.5f, 61.8f, 65.1f, 68.4f}, 8.2f);
    f.down({"転", "帰"}, 53.5f, {60, 67}, 8.2f);
    const QList<float> dateYs = {58.3f, 61.05f, 63.8f, 66.55f, 69.3f};
    f.down({"発", "病", "年", "月", "日"}, 80, dateYs, 7.5f);
    f.down({"初", "診", "年", "月", "日"}, 107.5f, dateYs, 7.5f);
    f.down({"終", "診", "年", "月", "日"}, 134.5f, dateYs, 7.5f);
    f.down({"転", "帰", "年", "月", "日"}, 161, dateYs, 7.5f);
    f.at("(1)", 9, 57.5f, 7.5f);
    f.at("(2)", 9, 65, 7.5f);
    f.atEachY("回", 47.5f, {60, 67.5f}, 7.5f);
    f.across({"治", "中", "死", "廃", "法"}, {59, 62.8f, 66.6f, 70.4f, 74.2f}, 63.5f, 8);
    const QList<float> dotXs = {91, 97, 118.5f, 124.5f, 145, 151, 173, 179};
    f.across({"・"}, dotXs, 60, 8);
    f.across({"・"}, dotXs, 67.5f, 8);
    const QList<float> bunruiYs = {74.25f, 77.5f, 80.75f};
    f.down({"大", "分", "類"}, 83.3f, bunruiYs, 6.8f);
    f.down({"中", "分", "類"}, 161.25f, bunruiYs, 6.8f);
    f.down({"小", "分", "類"}, 173.5f, bunruiYs, 6.8f);
    const struct { const char* text; float x, y, size; } classes[] = {
        {"01循", 88.3f, 74.25f, 8},   {"02血", 96.3f, 74.25f, 8},   {"03呼", 103.8f, 74.25f, 8},
        {"04消", 111.3f, 74.25f, 8},  {"05泌尿", 119.3f, 74.25f, 6.5f}, {"06生", 126.3f, 74.25f, 8},
        {"07泌乳", 133.3f, 74.25f, 6.2f}, {"08任", 140.8f, 74.25f, 8}, {"09新", 148.3f, 74.25f, 8},
        {"10神", 156.3f, 74.25f, 8},  {"11感", 88.3f, 80.75f, 8},   {"12内", 96.3f, 80.75f, 8},
        {"13運", 103.8f, 80.75f, 8},  {"14皮", 111.3f, 80.75f, 8},  {"15中", 119.3f, 80.75f, 8},
        {"16ウ", 126.3f, 80.75f, 8},  {"17細", 133.3f, 80.75f, 8},  {"18原", 140.8f, 80.75f, 8},
        {"19外", 148.3f, 80.75f, 8}};
    for (const auto& c : classes)
        f.at(QString::fromUtf8(c.text), c.x, c.y, c.size);
    f.at("稟　告", 2, 73.5f, 8, Left);
    f.at("発病の原因", 2, 78.5f, 8, Left);
    f.at("（待期間中の事故の場合は", 0.5f, 82, 6.2f, Left);
    f.at("原因の発生時点を記載）", 0.5f, 85, 6.2f, Left);
    f.at("最終分娩　　　　　年　　　　月　　　日", 83, 86, 8, Left);
    f.at("妊娠月数　　　　　　ケ月", 125.7f, 86, 8, Left);
    f.at("現在産乳量　　　　Kg/日", 154.5f, 86, 8, Left);
    f.down({"月", "日"}, 2, {90, 94}, 8, Left);
    f.at("現　　症　　経　　過", 33.5f, 92, 8);
    f.at("治　　　　　療　　　　　内　　　　　容", 97.5f, 90, 8);
    f.at("種　別", 69, 94, 8);
    f.at("使　用　薬　品　名　等", 105.5f, 94, 8);
    f.at("点数（除薬価）", 169, 90, 8);
    f.at("B", 162.5f, 94, 8);
    f.at("A", 177.5f, 94, 8);
    f.at("薬　　価", 143.5f, 92, 8.5f);
    f.atEachY("往診　　　　 km", 60.5f, {98, 122, 146, 166, 186, 206}, 8, Left);
    f.at("上記のとおり診断する。", 11, 226, 8.5f, Left);
    f.at("令和　　　年　　　月　　　日", 30, 232, 8.5f, Left);
    f.at("住所（団体名）", 14, 238, 8.5f, Left);
    f.at("獣 医 師", 34, 243, 8.5f, Left);
    f.at("計", 124, 229.5f, 8.5f);
    f.at("点　数　合　計", 134.5f, 241, 8.5f);
    f.at("（イ）+（ハ）", 162.5f, 239.5f, 7.5f);
    f.at("（ロ）+（ハ）", 177.5f, 239.5f, 7.5f);
    f.at("円", 151, 227, 7.5f, Left);
    f.at("（イ）", 154.5f, 227, 7.5f, Left);
    f.at("（ロ）", 171.5f, 227, 7.5f, Left);
    f.at("（ハ）", 134, 232, 7.5f, Left);
    f.across({"点"}, {151, 168, 181}, 232, 7.5f, Left);
    f.across({"点"}, {168, 181}, 244.5f, 7.5f, Left);
    f.at("獣　医　師　番　号", 17, 250.5f, 8);
    f.at("診療費", 144, 250.5f, 8);
    f.at("初診料", 144, 257, 8);
    f.at("給付額", 144, 263.5f, 8);
    f.at("免責該当条項：事業規程　　第　　条　　項　　号", 1, 260.5f, 8, Left);
    f.at("免責額：　　　　　　　　円", 59, 260.5f, 8, Left);
    f.atEachY("円", 180, {250.5f, 257, 263.5f}, 8, Left);
    f.at("取扱年月日", 103.5f, 250.5f, 7.5f);
    f.at("取扱者印", 125.5f, 250.5f, 7.5f);
    f.down({"審", "査"}, 90, {253, 262}, 7.5f);
}

void thickRules(DrawnFormBuilder& f)
{
    f.horizontal({56}, 0, 184, Thick);
    f.horizontal({71}, 0, 82, Thick);
    f.horizontal({88}, 82, 184, Thick);
    f.horizontal({13, 13.5f}, 51, 118, Thick);
    f.horizontal({235, 247}, 115, 184, Thick);
    f.horizontal({254, 267}, 58, 88, Thick);
    f.vertical({0, 31}, 56, 71, Thick);
    f.vertical({82}, 71, 88, Thick);
    f.vertical({184}, 56, 88, Thick);
    f.vertical({115, 184}, 235, 247, Thick);
    f.vertical({58, 88}, 254, 267, Thick);
}

void thinRules(DrawnFormBuilder& f)
{
    f.horizontal({0, 7, 14}, 125, 184, Thin);
    f.horizontal({21, 34}, 0, 184, Thin);
    f.horizontal({27.5f}, 106, 184, Thin);
    f.horizontal({47}, 0, 125, Thin);
    f.horizontal({40}, 75, 184, Thin);
    f.horizontal({267}, 0, 184, Thin);
    f.horizontal({63.5f}, 7, 31, Thin);
    f.horizontal({63.5f}, 38, 50, Thin);
    f.horizontal({71, 84}, 82, 184, Thin);
    f.horizontal({64}, 84.5f, 103, Thin);
    f.horizontal({64}, 112, 130, Thin);
    f.horizontal({64}, 139, 156.5f, Thin);
    f.horizontal({64}, 166, 184, Thin);
    f.horizontal({77.5f}, 84.5f, 160, Thin);
    f.horizontal({77.5f}, 112.5f, 122, Thin);
    f.horizontal({88}, 0, 82, Thin);
    f.horizontal({96, 120, 144, 164, 184, 204, 224, 247}, 0, 184, Thin);
    f.horizontal({92}, 60, 133, Thin);
    f.horizontal({92}, 154, 184, Thin);
    f.horizontal({254}, 0, 88, Thin);
    f.horizontal({254}, 92, 184, Thin);
    f.horizontal({260}, 136, 184, Thin);
    f.horizontal({229.5f}, 133, 154, Thin);
    f.horizontal({100, 104, 108, 112, 116, 124, 128, 132, 136, 140, 148, 152, 156,
                  160, 168, 172, 176, 180, 188, 192, 196, 200, 208, 212, 216, 220},
                 60, 184, Thin);
    f.vertical({0}, 21, 267, Thin);
    f.vertical({184}, 0, 267, Thin);
    f.vertical({125}, 0, 56, Thin);
    f.vertical({8}, 21, 47, Thin);
    f.vertical({23}, 21, 56, Thin);
    f.vertical({31}, 21, 47, Thin);
    f.vertical({61}, 21, 56, Thin);
    f.vertical({75}, 21, 47, Thin);
    f.vertical({86}, 34, 56, Thin);
    f.vertical({148}, 0, 21, Thin);
    f.vertical({64.5f}, 34, 47, Thin);
    f.vertical({106}, 21, 34, Thin);
    f.vertical({7, 38, 50, 57, 61, 64.75f, 68.5f, 72.25f, 76}, 56, 71, Thin);
    f.vertical({84.5f}, 56, 84, Thin);
    f.vertical({103, 112, 130, 139, 156.5f, 166}, 56, 71, Thin);
    f.vertical({92, 100, 107.5f, 115, 123, 130, 137, 144.5f, 152, 160, 162.5f, 172, 175}, 71, 84, Thin);
    f.vertical({7, 60}, 88, 224, Thin);
    f.vertical({78}, 92, 224, Thin);
    f.vertical({133}, 88, 235, Thin);
    f.vertical({154}, 84, 247, Thin);
    f.vertical({171}, 92, 247, Thin);
    f.vertical({125}, 84, 88, Thin);
    f.vertical({88, 92, 115, 136, 152}, 247, 267, Thin);
    f.vertical({34}, 247, 254, Thin);
    f.vertical({115}, 224, 235, Thin);
    // The date dividers of the six visit blocks, upper right to lower left.
    for (const auto& [top, bottom] : {std::pair{100.0f, 116.0f}, {124, 140}, {148, 160}, {168, 180}, {188, 200}, {208, 220}})
        f.form.lines.append({5, top, 1, bottom, Thin});
}

} // namespace

const DrawnForm& SindansyoWakuMieProc::form()
{
    static const DrawnForm built = [] {
        DrawnFormBuilder f;
        f.spreadWidth = 58;
        captions(f);
        thickRules(f);
        thinRules(f);
        return f.form;
    }();
    return built;
}

void SindansyoWakuMieProc::print(PrintDevice& device, const FormOffset& offset)
{
    form().draw(device, offset);
}
