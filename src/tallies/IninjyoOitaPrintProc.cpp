#include "IninjyoOitaPrintProc.h"

#include "SyukeiList.h"

#include "common/ByteLenProc.h"
#include "common/PrintDevice.h"
#include "common/SharedUtil.h"
#include "print/common/ListPrintRule.h"

namespace {

constexpr int Mincho = 1;
constexpr int C = ListPrintRule::Centre;
constexpr int S = ListPrintRule::Start;
constexpr int E = ListPrintRule::End;

struct Text
{
    const char16_t* text;
    int size;
    int align;
    float x;
    float y;
};
// The fixed texts of a sheet, in the order of the form.
const Text sheetTexts[] = {
    {u"No", 11, C, 18.5f, 143},
    {u"畜種用途", 11, C, 33.5f, 143},
    {u"個体番号", 11, C, 56.5f, 143},
    {u"病傷名", 11, C, 88, 143},
    {u"初診年月日", 11, C, 118, 143},
    {u"終診年月日", 11, C, 140, 143},
    {u"転帰年月日", 11, C, 162, 143},
    {u"診療費（円）", 11, C, 186.5f, 143},
    {u"家 畜 共 済 病 傷 事 故 共 済 金 代 理 受 領 委 任 状", 14, C, 115, 27},
    {u"direva農業共済組合", 12, S, 16, 50},
    {u"組合理事長", 12, S, 20, 57},
    {u"住　所", 11, S, 113, 62},
    {u"氏　名", 11, S, 113, 69},
    {u"印", 11, S, 184, 69},
    {u"私は、家畜共済加入家畜の病傷事故に係る共済金の受領をdireva農業共同組合", 11, S, 20, 80},
    {u"尚、当該病傷事故に係る診療費総額及びその内訳は次のとおりです。", 11, S, 17, 98},
    {u"記", 12, S, 107, 110},
    {u"1　診療費総額　 金　　　　　　　       　円", 12, S, 17, 125},
    {u"2　内    訳", 12, S, 17, 133},
};
// The table's column rules (x) and the widths of its frame and rules.
const float columnRules[] = {23, 44, 69, 107, 129, 151, 173};
constexpr int FrameWidth = 7;
constexpr int RuleWidth = 4;

float rowY(int n)
{
    return 152.5f + 13.0f * float(n);
}

struct Sheet
{
    ListPrintRule& rule;
    const IninjyoOitaData& data;
    QString name;
    QString address;

    void draw() const;
    void row(int n, const QStringList& cells) const;
    void total(qint64 yen) const;
};

void Sheet::draw() const
{
    rule.line(14, 140, 196, 140, FrameWidth);
    rule.line(196, 140, 196, 276);
    rule.line(196, 276, 14, 276);
    rule.line(14, 276, 14, 140);
    rule.line(14, 146, 196, 146);
    rule.device().setLineWidth(RuleWidth);
    for (int i = 1; i <= 9; ++i)
        rule.line(14, 146 + 13.0f * float(i), 196, 146 + 13.0f * float(i));
    for (const float x : columnRules)
        rule.line(x, 140, x, 276);
    rule.line(47, 128, 88, 128);
    for (const Text& t : sheetTexts)
        rule.text(QString::fromUtf16(t.text), t.size, Mincho, t.align, t.x, t.y);
    const QString date = QStringLiteral("令和 %1 年 %2 月 %3 日").arg(data.date[0], data.date[1], data.date[2]);
    rule.text(date, 12, Mincho, S, 152, 38);
    rule.text(data.chairman + QStringLiteral(" 殿"), 14, Mincho, S, 46, 57);
    rule.text(QStringLiteral("指定獣医師　") + data.clinic + QStringLiteral("　に委任します。"), 11, Mincho, S, 17, 89);
    for (int i = 1; i <= IninjyoOitaPrintProc::RowsPerSheet; ++i)
        rule.text(QString::number(i), 12, Mincho, C, 18.5f, rowY(i - 1));
    if (data.printName) {
        rule.text(address, 13, Mincho, S, 128, 62);
        rule.text(name, 14, Mincho, S, 138, 69);
    }
}

void Sheet::row(int n, const QStringList& cells) const
{
    const float y = rowY(n);
    const QString syu = cells.value(SyukeiList::Syu);
    if (syu == QStringLiteral("乳用牛")) {
        rule.text(QStringLiteral("成乳牛"), 10, Mincho, C, 33.5f, y - 3.5f);
        rule.text(QStringLiteral("又は"), 10, Mincho, C, 33.5f, y);
        rule.text(QStringLiteral("育成乳牛"), 10, Mincho, C, 33.5f, y + 3.5f);
    } else {
        rule.text(syu, 10, Mincho, C, 33.5f, y);
    }
    rule.text(SharedUtil::Trim(IninjyoOitaPrintProc::kotaiBangou(cells.value(SyukeiList::Meigou))), 10, Mincho, C, 57, y);

    const QString byo = cells.value(SyukeiList::Byo);
    const int bytes = ByteLenProc(byo);
    const int size = bytes > 80 ? 8 : 10;
    const float base = bytes <= 40 ? y : bytes <= 80 ? y - 1.5f : y - 3.0f;
    rule.wrapped(byo, size, Mincho, S, 71, 11, base, 3);
    const int pieces = int(ListPrintRule::wrapPieces(byo, 11).size());
    const float last = byo.size() <= 11 ? base : base - 1 + 3.0f * float(pieces - 1);

    rule.text(QStringLiteral("R") + cells.value(SyukeiList::Syosin), 11, Mincho, S, 109, last);
    rule.text(QStringLiteral("R") + cells.value(SyukeiList::Syusin), 11, Mincho, S, 131, last);
    if (!cells.value(SyukeiList::TenkiDate).isEmpty())
        rule.text(QStringLiteral("R") + cells.value(SyukeiList::TenkiDate), 11, Mincho, S, 153, last);
    rule.text(cells.value(SyukeiList::Fee), 12, Mincho, E, 192, last);
}

void Sheet::total(qint64 yen) const
{
    rule.text(SyukeiList::feeText(yen), 14, Mincho, E, 76, 125);
}

QPair<QString, QString> memberOf(const QStringList& row)
{
    return {row.value(SyukeiList::Name), SharedUtil::Trim(row.value(SyukeiList::Code))};
}

} // namespace

QList<QPair<QString, QString>> IninjyoOitaPrintProc::members(const QList<QStringList>& rows)
{
    QList<QPair<QString, QString>> out;
    for (const QStringList& row : rows) {
        const QPair<QString, QString> m = memberOf(row);
        if (!out.contains(m))
            out.append(m);
    }
    return out;
}

QString IninjyoOitaPrintProc::kotaiBangou(const QString& meigou)
{
    const QStringList parts = meigou.split(QLatin1Char(':'));
    return parts.size() > 1 ? parts.at(1) : QString();
}

QHash<QString, QString> IninjyoOitaPrintProc::addresses(const QStringList& noukaLines)
{
    QHash<QString, QString> out;
    for (const QString& line : noukaLines) {
        const QStringList f = line.split(QLatin1Char(','));
        const QString code = SharedUtil::Trim(f.value(2));
        if (!code.isEmpty() && !out.contains(code))
            out.insert(code, f.value(3));
    }
    return out;
}

void IninjyoOitaPrintProc::print(PrintDevice& device, const IninjyoOitaData& data)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    ListPrintRule rule(device, ListPrintRule::TextY::Middle);
    bool first = true;
    for (const QPair<QString, QString>& member : members(data.rows)) {
        if (!data.members.contains(member))
            continue;
        if (!first)
            device.newPage();
        first = false;
        const Sheet sheet{rule, data, member.first, data.addresses.value(member.second)};
        sheet.draw();
        int n = 0;
        qint64 total = 0;
        for (const QStringList& row : data.rows) {
            if (memberOf(row) != member)
                continue;
            if (n == RowsPerSheet) {
                sheet.total(total);
                device.newPage();
                sheet.draw();
                n = 0;
                total = 0;
            }
            sheet.row(n, row);
            total += SyukeiList::feeYen(row.value(SyukeiList::Fee));
            ++n;
        }
        sheet.total(total);
    }
}
