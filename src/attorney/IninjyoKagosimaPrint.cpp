#include "IninjyoKagosimaPrint.h"

#include "IninjyoFormRun.h"

#include "common/PrintDevice.h"
#include "print/common/FontFitPrintProc.h"
#include "print/common/ListPrintRule.h"
#include "print/common/PrintTextAlignProc.h"

namespace {
using L = IninjyoList;
using R = ListPrintRule;
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
constexpr int RowsPerPage = 10;

struct Fixed
{
    const char* text;
    int size;
    int align;
    float x;
    float y;
};

const QList<Fixed>& wording()
{
    static const QList<Fixed> items{
        {"No", 11, R::Centre, 23.5f, 145},
        {"種類", 11, R::Centre, 38.5f, 145},
        {"耳標又は名号", 11, R::Centre, 61.5f, 145},
        {"病傷名", 11, R::Centre, 93, 145},
        {"初診年月日", 11, R::Centre, 122, 145},
        {"終診年月日", 11, R::Centre, 142, 145},
        {"診療費（円）", 11, R::Centre, 167, 145},
        {"備 考", 11, R::Centre, 183, 145},
        {"家 畜 共 済 病 傷 事 故 共 済 金 代 理 受 領 委 任 状", 14, R::Centre, 120, 27},
        {"zu農業共済組合長 殿", 12, R::Start, 31, 50},
        {"住　所", 11, R::Start, 113, 62},
        {"氏　名", 11, R::Start, 113, 69},
        {"私は、家畜共済加入家畜の病傷事故に係る共済金の受領を本組合指定獣医師", 12, R::Start, 35, 80},
        {"尚、当該病傷事故に係る診療費総額及びその内訳は次のとおりです。", 12, R::Start, 35, 98},
        {"記", 12, R::Start, 107, 110},
        {"1　診療費総額　 金　　　　　　　       　円", 12, R::Start, 35, 125},
        {"2　内    訳", 12, R::Start, 35, 133},
    };
    return items;
}

void frame(R& rule, const IninjyoPrintData& d, const IninjyoFarmer& farmer, const QString& address, int page,
           bool paged)
{
    PrintDevice& device = rule.device();
    if (paged)
        PrintTextAlignProc(device, Mincho, 12, 2, 0, QStringLiteral("No.%1").arg(page), 175, 42,
                           FormOffset{0, 0, d.offX, d.offY});
    rule.line(19, 140, 191, 140, 7);
    rule.line(191, 140, 191, 276);
    rule.line(191, 276, 19, 276);
    rule.line(19, 276, 19, 140);
    rule.line(19, 146, 191, 146);
    device.setLineWidth(4);
    for (int r = 1; r <= 9; ++r)
        rule.line(19, 146 + 13.0f * float(r), 191, 146 + 13.0f * float(r));
    for (const float x : {28.0f, 49.0f, 74.0f, 112.0f, 132.0f, 152.0f, 177.0f})
        rule.line(x, 140, x, 276);
    rule.line(62, 127, 109, 127);
    for (const Fixed& f : wording())
        rule.text(QString::fromUtf8(f.text), f.size, 1, f.align, f.x, f.y);
    rule.text(IninjyoKagosimaPrint::dateLine(d.dateKioku), 12, 1, R::Start, 145, 38);
    rule.text(d.doctorName + QStringLiteral(" に委任します。"), 12, 1, R::Start, 35, 89);
    for (int n = 1; n <= RowsPerPage; ++n)
        rule.text(QString::number(n), 12, 1, R::Centre, 23.5f, 155.5f + 13.0f * float(n - 1));
    if (d.insatu[0])
        rule.text(address, 12, 1, R::Start, 128, 62);
    if (d.insatu[1])
        rule.text(farmer.name, 14, 1, R::Start, 138, 69);
}

void printRow(PrintDevice& device, const IninjyoPrintData& d, const QStringList& r, const QString& id, int slot)
{
    const FormOffset at{0, 0, d.offX, d.offY};
    const float y = 151.5f + 13.0f * float(slot - 1);
    PrintTextAlignProc(device, Mincho, 9.5f, 2, 0, r.value(L::KyosaiCol), 29, y, at);
    PrintTextAlignProc(device, Mincho, 11, 2, 0, id, 49, y, at);
    FontFitPrintProc(device, 72, y, 36, 11, r.value(L::ByoCol), 8, 10, at, 1);
    if (r.value(L::SyosinCol).contains(QLatin1Char('.')))
        PrintTextAlignProc(device, Mincho, 10, 3, 0, r.value(L::SyosinCol), 120, y, at);
    if (r.value(L::SyusinCol).contains(QLatin1Char('.')))
        PrintTextAlignProc(device, Mincho, 10, 3, 0, r.value(L::SyusinCol), 138, y, at);
    PrintTextAlignProc(device, Mincho, 11, 4, 0, r.value(L::HiCol), 167, y, at);
}

void printFarmer(PrintDevice& device, const IninjyoPrintData& d, const IninjyoFarmer& farmer, IninjyoPrintNotes& notes)
{
    R rule(device, R::TextY::Bottom, d.offX, d.offY);
    const QString address = d.address ? d.address(farmer.code) : QString();
    const bool paged = farmer.rows.size() > RowsPerPage;
    int page = 1;
    int slot = 1;
    frame(rule, d, farmer, address, page, paged);
    qint64 total = 0;
    for (const QStringList& r : farmer.rows)
        total += IninjyoFee(r.value(L::HiCol));
    rule.text(IninjyoKingaku(total), 15, 1, R::EndBytes, 95, 125);
    for (const QStringList& r : farmer.rows) {
        const QString id = r.value(L::MeigouCol).isEmpty() ? r.value(L::MimiCol) : r.value(L::MeigouCol);
        if (id.isEmpty()) {
            notes.noId.append(IninjyoPrintNotes::rowText(r));
            continue;
        }
        if (slot > RowsPerPage) {
            device.newPage();
            slot = 1;
            frame(rule, d, farmer, address, ++page, paged);
        }
        printRow(device, d, r, id, slot++);
    }
}
} // namespace

QString IninjyoKagosimaPrint::dateLine(const QString& kioku)
{
    if (!kioku.contains(QLatin1Char('.')))
        return QStringLiteral("令和　　　年　　　月　　　日");
    const QStringList p = kioku.split(QLatin1Char('.'));
    return QStringLiteral("令和　") + p.value(0) + QStringLiteral(" 年 ") + p.value(1) + QStringLiteral(" 月 ") + p.value(2)
           + QStringLiteral(" 日");
}

void IninjyoKagosimaPrint::IninjyoKagosimaPrintProc(PrintDevice& device, const IninjyoPrintData& data,
                                                    IninjyoPrintNotes& notes)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    IninjyoFormRun::eachFarmer(device, data, notes,
                               [&](const IninjyoFarmer& farmer) { printFarmer(device, data, farmer, notes); });
}
