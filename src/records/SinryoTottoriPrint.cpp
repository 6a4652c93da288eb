#include "SinryoTottoriPrint.h"

#include "SinryoKirokuGroup.h"

#include "common/PrintDevice.h"
#include "common/ValueReader.h"
#include "print/common/DrawnForm.h"
#include "print/common/FontFitPrintProc.h"
#include "print/common/FormTextItem.h"

#include <QHash>

namespace {
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");
constexpr int LinesPerCard = 9;
constexpr float Pitch = 9;
constexpr float FirstLineY = 50.5f;

struct Card
{
    const SinryoPrintData* data;
    const SinryoKirokuRecord* record;
    QString member;
    QString ampm;
};

const FormTextTable<Card>& cardItems()
{
    static const FormTextTable<Card> table{
        {"date line",
         [](const Card& c) {
             return QStringLiteral("令和") + c.data->nen + QStringLiteral(" 年 ") + c.record->Manth
                    + QStringLiteral(" 月 ") + c.record->Day + QStringLiteral(" 日") + c.ampm;
         },
         12, 2, 10, 14.5f},
        {"owner line", [](const Card& c) { return QStringLiteral("畜主   ") + c.member; }, 12, 2, 10, 23.5f},
        {"animal line", [](const Card& c) { return QStringLiteral("耳標又は名号   No.") + c.record->MimiMeigou; }, 12, 2,
         10, 32.5f},
        {"contents heading", [](const Card&) { return QStringLiteral("[ 診療内容 ] "); }, 12, 2, 10, 41.5f},
        {"veterinarian line", [](const Card& c) { return QStringLiteral("獣医師　") + c.data->doctorName; }, 12, 2, 55,
         132},
    };
    return table;
}

// The two strokes crossing near the sheet's centre, drawn for every card.
const DrawnForm& centreCross()
{
    static const DrawnForm form{{}, {{98.5f, 146, 104.5f, 146, 1}, {101.5f, 143, 101.5f, 149, 1}}};
    return form;
}

QString timeText(const QString& time)
{
    const QStringList p = time.split(QLatin1Char(':'));
    if (p.value(1) == QStringLiteral("0"))
        return p.at(0) + QStringLiteral(":00");
    return p.at(0) + QLatin1Char(':') + p.value(1);
}

QString withQuantity(const QStringList& v)
{
    return v.at(3).isEmpty() ? v.at(2) : v.at(2) + QLatin1Char(':') + v.at(3);
}

QString ampmMark(const SinryoKirokuRecord& r, bool dayShared)
{
    if (!dayShared || !r.StartTime.contains(QLatin1Char(':')))
        return QString();
    const double hour = ValueReader::leadingNumber(r.StartTime.section(QLatin1Char(':'), 0, 0));
    return hour >= 12 ? QStringLiteral("    PM") : QStringLiteral("    AM");
}

// The cards of one run: the quarter the next card takes and whether the sheet holds a card.
class CardSheet
{
public:
    CardSheet(PrintDevice& device, const SinryoPrintData& data) : device(device), data(data)
    {
        for (const SinryoKirokuRecord& r : data.records)
            ++dayCount[r.Day];
    }

    void startMember()
    {
        if (used)
            device.newPage();
        used = false;
        quarter = 0;
    }

    void printRecord(const QString& member, qsizetype index)
    {
        const SinryoKirokuRecord& r = data.records.at(index);
        card = Card{&data, &r, member, ampmMark(r, dayCount.value(r.Day) > 1)};
        beginCard();
        for (const QString& line : r.TiryoLines) {
            const QStringList v = SinryoKirokuGroup::values(line);
            if (v.at(1) == QStringLiteral("往診"))
                printLine(v, true);
        }
        for (const QString& line : r.TiryoLines) {
            const QStringList v = SinryoKirokuGroup::values(line);
            if (v.at(1) != QStringLiteral("往診") && !v.at(1).contains(QStringLiteral("PL")))
                printLine(v, false);
        }
        ++quarter;
    }

private:
    FormOffset offset() const
    {
        return {quarter % 2 == 1 ? 103.0f : 0.0f, quarter >= 2 ? 148.0f : 0.0f, data.offX, data.offY};
    }

    void beginCard()
    {
        if (quarter == 4) {
            device.newPage();
            quarter = 0;
        }
        used = true;
        n = 0;
        centreCross().draw(device, FormOffset{0, 0, data.offX, data.offY});
        FormTextItemProc(device, cardItems(), card, Mincho, offset());
    }

    void printLine(const QStringList& v, bool oufuku)
    {
        if (n == LinesPerCard) {
            ++quarter;
            beginCard();
        }
        const float y = FirstLineY + Pitch * float(n);
        const FormOffset at = offset();
        PrintTextAlignProc(device, Mincho, 10.5f, 2, 0, v.at(1), 10, y, at);
        if (oufuku) {
            PrintTextAlignProc(device, Mincho, 10.5f, 2, 0, SinryoTottoriPrint::oufukuText(v), 35, y, at);
        } else {
            FontFitPrintProc(device, 35, y, 60, 9, withQuantity(v), 8.5f, 10.5f, at, 1);
            if (!v.at(4).isEmpty())
                PrintTextAlignProc(device, Mincho, 8, 2, 0, QLatin1Char('(') + v.at(4) + QLatin1Char(')'), 35, y + 3, at);
        }
        ++n;
    }

    PrintDevice& device;
    const SinryoPrintData& data;
    QHash<QString, int> dayCount;
    Card card{};
    int quarter = 0;
    int n = 0;
    bool used = false;
};
} // namespace

QString SinryoTottoriPrint::AmPmMarkProc(const QList<SinryoKirokuRecord>& records, qsizetype index)
{
    const SinryoKirokuRecord& r = records.at(index);
    bool shared = false;
    for (qsizetype i = 0; i < records.size(); ++i)
        if (i != index && records.at(i).Day == r.Day)
            shared = true;
    return ampmMark(r, shared);
}

QString SinryoTottoriPrint::oufukuText(const QStringList& v)
{
    QString text = withQuantity(v);
    if (v.at(7).contains(QLatin1Char(':')))
        text += QStringLiteral("  ") + timeText(v.at(7)) + QStringLiteral("～");
    if (v.at(8).contains(QLatin1Char(':')))
        text += timeText(v.at(8));
    return text;
}

void SinryoTottoriPrint::SinryoTottoriPrintProc(PrintDevice& device, const SinryoPrintData& data)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    CardSheet sheet(device, data);
    for (const SinryoSyukei::Member& member : data.members) {
        sheet.startMember();
        for (const qsizetype i : data.recordsOf(member))
            sheet.printRecord(member.name, i);
    }
}
