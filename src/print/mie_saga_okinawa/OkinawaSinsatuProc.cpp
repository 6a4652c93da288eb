#include "OkinawaSinsatuProc.h"

#include "common/KingakuFormatProc.h"
#include "common/MarkPrintProc.h"
#include "common/MojiPrintProc.h"
#include "common/PictPrintProc.h"
#include "common/SharedUtil.h"
#include "common/SindansyoEpisode.h"
#include "common/TiryoLineSetProc.h"
#include "common/ValueReader.h"
#include "print/common/GyoWakePrint.h"
#include "print/common/PrintItem.h"
#include "print/common/SindansyoText.h"

#include <QHash>
#include <cmath>

namespace {

using PrintAlign::Centre;
using PrintAlign::Left;
using PrintAlign::Right;

constexpr int Mincho = 1;
constexpr float X = 146;   // the boxes' column origin
const float BoxTop[] = {16, 48, 80, 111, 142};

struct Visit
{
    PrintDevice& device;
    const SindansyoEpisode& e;
    int row;   // grid row of the visit's line 0
    float y;   // top of its box

    QString line(int k, int f) const { return e.cell(row + k, f); }
    void text(const QString& t, float size, float x, float ty, int align) const
    {
        MojiPrintProc(device, t, size, Mincho, x, ty, align, 0);
    }
};

void printHeader(const Visit& v)
{
    if (!v.line(0, 2).isEmpty()) {
        const QStringList date = v.line(0, 2).split(QLatin1Char('.'));
        v.text(SharedUtil::Trim(date.value(1)), 10, X - 4.5f, v.y + 5, Centre);
        v.text(SharedUtil::Trim(date.value(2)), 10, X - 4.5f, v.y + 17, Centre);
    }
    const auto vitals = SindansyoText::vitalValues(v.line(0, 3));
    for (int i = 0; i < 3; ++i) {
        if (vitals[i] && !vitals[i]->isEmpty())
            v.text(*vitals[i], 8.5f, X + 8 + 10 * float(i), v.y + 3, Centre);
    }
    float py = v.y + 14;
    PictPrintProc(v.device, ValueReader::leadingInt(v.line(8, 2)), X + 23, py);
    GyoWakePrint(v.device, SindansyoText::keikaText(v.e, v.row), X + 1.5f, v.y + 8, 10, 3.8f, 9.2f, Mincho, Left);
}

// The first house-call row only: "同時診療", or the distance with the row's points as stored.
void printOusin(const Visit& v)
{
    for (int k = 1; k <= 7; ++k) {
        if (v.line(k, 3) != QStringLiteral("往診"))
            continue;
        const QString content = v.line(k, 4);
        if (content == QStringLiteral("同時診療")) {
            v.text(QStringLiteral("往診  同時診療"), 8.5f, X + 60, v.y + 3.5f, Left);
        } else if (const QStringList parts = content.split(QLatin1Char('k')); parts.size() == 2) {
            v.text(parts.at(0), 9.5f, X + 49, v.y + 3, Centre);
            v.text(v.line(k, 8), 9.5f, X + 106, v.y + 3, Right);
            v.text(v.line(k, 9), 9.5f, X + 120, v.y + 3, Right);
        }
        return;
    }
}

void printTiryo(const Visit& v, int k, float y, float s, bool aColumn)
{
    const QString category = SharedUtil::Trim(v.line(k, 3));
    if (category != QStringLiteral("診療点数無"))
        GyoWakePrint(v.device, OkinawaSinsatuProc::bunruiText(category), X + 37, y, 3, s >= 1 ? 4.0f : 3.7f,
                     8.5f * s, Mincho, Left);
    v.text(KingakuFormatProc(v.line(k, 7)), 9.5f * s, X + 96, y, Right);
    if (v.line(k, 8) != QLatin1String("0"))
        v.text(v.line(k, 8), 9.5f * s, X + 107, y, Right);
    if (v.line(k, 9) != QLatin1String("0") && aColumn)
        v.text(v.line(k, 9), 9.5f * s, X + 121, y, Right);
    QString quantity = SharedUtil::Trim(v.line(k, 6));
    quantity.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    TiryoMojiProc::print(v.device, SharedUtil::Trim(v.line(k, 4)), SharedUtil::Trim(v.line(k, 5)), quantity, X + 47,
                         y, OkinawaSinsatuProc::naiyoStyle(s));
}

void printTiryoRows(const Visit& v, int box, bool aColumn)
{
    const float s = TiryoLineSetProc(v.e, box, v.row);
    const float pitch = s >= 1 ? 4.0f : 3.7f;
    int n = 0;
    for (int k = 1; k <= 7; ++k) {
        const QString category = v.line(k, 3);
        if (category == QStringLiteral("PLテスト結果")) {
            float x = X + 23;
            float y = v.y + 19;
            MarkPrintProc(v.device, v.line(k, 4), x, y);
            continue;
        }
        if (category.isEmpty() || category == QStringLiteral("往診"))
            continue;
        printTiryo(v, k, v.y + 8 + float(n++) * pitch, s, aColumn);
    }
}

} // namespace

QString OkinawaSinsatuProc::bunruiText(const QString& category)
{
    static const QHash<QString, QString> shortForms = {
        {QStringLiteral("筋肉内注射"), QStringLiteral("筋注")},   {QStringLiteral("静脈内注射"), QStringLiteral("静注")},
        {QStringLiteral("皮下注射"), QStringLiteral("皮注")},     {QStringLiteral("関節腔内注射"), QStringLiteral("関節注")},
        {QStringLiteral("卵巣直接注射"), QStringLiteral("卵巣注")}, {QStringLiteral("調剤不要"), QStringLiteral("調剤無")},
        {QStringLiteral("点数外入力"), QStringLiteral("点数外")}, {QStringLiteral("動脈内注射"), QStringLiteral("動注")},
    };
    return shortForms.value(category, category);
}

TiryoMojiProc::Style OkinawaSinsatuProc::naiyoStyle(float s)
{
    // In double precision: at 0.8 (held slightly above it) 30 / s is just below 37.5.
    const int lineBytes = int(std::lround(30.0 / double(s)));
    return {lineBytes, 8.5f * s, 8.0f * s, 16, 7.2f * s, 1.0f, 1.0f * s, 7.0f * s, 2.3f * s};
}

void OkinawaSinsatuProc::print(PrintDevice& device, const SindansyoEpisode& episode, int page, bool aColumn)
{
    for (int k = 0; k < 5; ++k) {
        const Visit v{device, episode, 4 + 55 * page + 11 * k, BoxTop[k]};
        printHeader(v);
        printOusin(v);
        printTiryoRows(v, k, aColumn);
    }
}
