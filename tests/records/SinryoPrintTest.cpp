#include "RecordsFixture.h"
#include "TestRegistry.h"

#include "common/SharedState.h"
#include "print/common/FontFitPrintProc.h"
#include "records/SinryoExcelTransfer.h"
#include "records/SinryoGunmaPrint.h"
#include "records/SinryoIbaragiPrint.h"
#include "records/SinryoKirokuGroup.h"
#include "records/SinryoMiePrint.h"
#include "records/SinryoTottoriPrint.h"

#include <QtTest>

namespace {
using Kind = RecordingPrintDevice::Kind;
constexpr double K = 56.7;
const QString Nouka = QStringLiteral("山本 一郎");

SinryoPrintData printData(const QList<SinryoKirokuRecord>& records, const QStringList& members = {Nouka})
{
    SinryoPrintData d;
    for (const QString& m : members)
        d.members.append({m, QStringLiteral("00010001")});
    d.records = records;
    d.nen = "7";
    d.date = {"6", "1", "6", "30"};
    d.doctorName = "佐藤 誠";
    return d;
}

// A record of n lines "薬1".."薬n" on day.
SinryoKirokuRecord lines(int n, const QString& day = QStringLiteral("10"), const QString& nouka = Nouka)
{
    QList<QStringList> l;
    for (int i = 1; i <= n; ++i)
        l.append({"注射", QStringLiteral("薬%1").arg(i), "1"});
    return kirokuRecord(nouka, "6", day, "1234", l);
}

int countText(const RecordingPrintDevice& device, const QString& text, int page = 0)
{
    int n = 0;
    for (const auto& op : device.ofKind(Kind::Text))
        n += op.text == text && (page == 0 || op.page == page) ? 1 : 0;
    return n;
}

// The last page any text or line was drawn on.
int lastDrawnPage(const RecordingPrintDevice& device)
{
    int last = 0;
    for (const auto& op : device.ops)
        if (op.kind == Kind::Text || op.kind == Kind::Line)
            last = std::max(last, op.page);
    return last;
}
} // namespace

class SinryoPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void fontFit()
    {
        RecordingPrintDevice device;
        device.setFontName("ＭＳ Ｐ明朝");
        const QString text = QStringLiteral("右前肢蹄底潰瘍");
        const auto width = [&](double size) {
            device.setFontSize(size);
            return device.textWidth(text) / K;
        };
        FontFitPrintProc(device, 10, 50, 200, 9, text, 8.5f, 10.5f, {}, 1);
        QVERIFY(std::abs(device.ops.last().fontSize - 10.4) < 0.01);  // 10.5 itself is never tried
        const double box = (width(9.6) + width(9.7)) / 2;
        FontFitPrintProc(device, 10, 50, float(box), 9, text, 8.5f, 10.5f, {}, 1);
        QVERIFY(std::abs(device.ops.last().fontSize - 9.6) < 0.01);
        QVERIFY(printedAt(device, text, 1, 10, 50, 2));

        // Too wide even at 8.5: two lines at 8.5, placed by mode.
        const double narrow = width(8.5) * 0.6;
        device.setFontSize(8.5);
        const double h = device.textHeight(text) / K;
        const double pitch = h + 0.5;
        const QList<std::pair<int, double>> firstY{{0, 50 - 9.0 / 2 + 0.5 + h / 2}, {1, 50 - pitch / 2}, {2, 50}};
        for (const auto& [mode, y0] : firstY) {
            device.ops.clear();
            FontFitPrintProc(device, 10, 50, float(narrow), 9, text, 8.5f, 10.5f, {}, mode);
            const QList<RecordingPrintDevice::Op> texts = device.ofKind(Kind::Text);
            QCOMPARE(texts.size(), 2);
            QCOMPARE(texts.at(0).text + texts.at(1).text, text);
            QVERIFY2(printedAt(device, texts.at(0).text, 1, 10, y0, 2, 8.5), qPrintable(QString::number(mode)));
            QVERIFY(printedAt(device, texts.at(1).text, 1, 10, y0 + pitch, 2, 8.5));
        }
        device.ops.clear();
        FontFitPrintProc(device, 10, 50, 100, 9, QString(), 8.5f, 10.5f, {}, 1);
        QVERIFY(device.ops.isEmpty());
    }

    void tottoriCards()
    {
        RecordingPrintDevice device;
        QList<SinryoKirokuRecord> records;
        for (int i = 1; i <= 5; ++i)
            records.append(lines(1, QString::number(i)));
        SinryoTottoriPrint::SinryoTottoriPrintProc(device, printData(records));
        const double origin[5][3] = {{1, 0, 0}, {1, 103, 0}, {1, 0, 148}, {1, 103, 148}, {2, 0, 0}};
        for (int i = 0; i < 5; ++i) {
            const QString date = QStringLiteral("令和7 年 6 月 %1 日").arg(i + 1);
            QVERIFY2(printedAt(device, date, int(origin[i][0]), 10 + origin[i][1], 14.5 + origin[i][2], 2, 12),
                     qPrintable(whereIs(device, date)));
        }
        QVERIFY(printedAt(device, "獣医師　佐藤 誠", 2, 55, 132, 2, 12));
        QVERIFY(printedAt(device, "畜主   山本 一郎", 1, 113, 23.5, 2, 12));
        QCOMPARE(device.pageCount(), 2);
        // The centre cross once per card.
        QVERIFY(lineAt(device, 2, 98.5, 146, 104.5, 146));
        QVERIFY(lineAt(device, 1, 101.5, 143, 101.5, 149));
        QCOMPARE(device.ofKind(Kind::Line).size(), 10);
    }

    void tottoriLines()
    {
        RecordingPrintDevice device;
        const SinryoKirokuRecord r = kirokuRecord(Nouka, "6", "10", "1234",
                                                  {{"注射", "ペニG", "2", "7日"},
                                                   {"往診", "c", "q", "", "9:0", "10:30"},
                                                   {"PLテスト", "PL", ""},
                                                   {"処置", "洗浄", ""}});
        SinryoPrintData data = printData({r});
        data.offX = 2;
        data.offY = -1;
        SinryoTottoriPrint::SinryoTottoriPrintProc(device, data);
        QVERIFY2(printedAt(device, "往診", 1, 12, 49.5, 2, 10.5), qPrintable(whereIs(device, "往診")));
        QVERIFY(printedAt(device, "c:q  9:00～10:30", 1, 37, 49.5, 2, 10.5));
        QVERIFY(printedAt(device, "注射", 1, 12, 58.5));
        QVERIFY(printedAt(device, "ペニG:2", 1, 37, 58.5));
        QVERIFY(printedAt(device, "(7日)", 1, 37, 61.5, 2, 8));
        QVERIFY(printedAt(device, "処置", 1, 12, 67.5));
        QCOMPARE(countText(device, "PLテスト"), 0);
        QVERIFY(lineAt(device, 1, 100.5, 145, 106.5, 145));

        QCOMPARE(SinryoTottoriPrint::oufukuText({"*", "往診", "c", "", "", "", "", "", "10:30"}),
                 QStringLiteral("c10:30"));
    }

    void tottoriLongCardGoesOn()
    {
        RecordingPrintDevice device;
        SinryoTottoriPrint::SinryoTottoriPrintProc(device, printData({lines(11), lines(1, "12")}));
        // Lines 1 to 9 in the first quarter, 10 and 11 in the second under the heading again.
        QVERIFY(printedAt(device, "薬9:1", 1, 35, 50.5 + 9 * 8));
        QVERIFY2(printedAt(device, "薬10:1", 1, 138, 50.5), qPrintable(whereIs(device, "薬10:1")));
        QVERIFY(printedAt(device, "令和7 年 6 月 10 日", 1, 113, 14.5));
        QVERIFY(printedAt(device, "令和7 年 6 月 12 日", 1, 10, 162.5));
    }

    void tottoriMembersAndAmPm()
    {
        RecordingPrintDevice device;
        QList<SinryoKirokuRecord> records{kirokuRecord(Nouka, "6", "15", "1", {{"注射"}}, "9:30"),
                                          kirokuRecord("川口 花子", "7", "15", "2", {{"注射"}}, "13:00"),
                                          kirokuRecord("川口 花子", "7", "16", "2", {{"注射"}}, "12:30"),
                                          kirokuRecord("川口 花子", "7", "16", "3", {{"注射"}}, "12:30")};
        SinryoTottoriPrint::SinryoTottoriPrintProc(device, printData(records, {Nouka, "川口 花子"}));
        QVERIFY(printedAt(device, "令和7 年 6 月 15 日    AM", 1, 10, 14.5));
        QVERIFY2(printedAt(device, "令和7 年 7 月 15 日    PM", 2, 10, 14.5), qPrintable(whereIs(device, "令和7 年 7 月 15 日    PM")));
        QVERIFY(printedAt(device, "令和7 年 7 月 16 日    PM", 2, 113, 14.5));
        QCOMPARE(SinryoTottoriPrint::AmPmMarkProc({records.at(0)}, 0), QString());
        // A member with four cards does not leave a blank sheet before the next one.
        RecordingPrintDevice four;
        SinryoTottoriPrint::SinryoTottoriPrintProc(
            four, printData({lines(1), lines(1), lines(1), lines(1), lines(1, "9", "川口 花子")}, {Nouka, "川口 花子"}));
        QCOMPARE(lastDrawnPage(four), 2);
        QVERIFY(printedAt(four, "令和7 年 6 月 9 日", 2, 10, 14.5));
    }

    void ibarakiLedger()
    {
        RecordingPrintDevice device;
        QList<SinryoKirokuRecord> records;
        for (int i = 0; i < 10; ++i) {
            SinryoKirokuRecord r = lines(3, QString::number(i + 1));
            for (QString& l : r.TiryoLines)
                l.replace(0, 1, QStringLiteral("5"));
            records.append(r);
        }
        records[0].TiryoLines[0] = "3'文書料'''''''";
        records[0].TiryoLines[1] = "2'経口''2'''''";
        SinryoIbaragiPrint::SinryoIbaragiPrintProc(device, printData(records));
        QCOMPARE(device.pageCount(), 2);
        QVERIFY2(printedAt(device, "6月1日", 1, 25, 38.25, 4, 10.5), qPrintable(whereIs(device, "6月1日")));
        QVERIFY(printedAt(device, "文書料", 1, 82, 38.25));
        QVERIFY(printedAt(device, "経口:2", 1, 82, 50.75));
        QVERIFY(printedAt(device, "3", 1, 72, 38.25, 3, 10.5));
        // Row 13 heads the right half; row 25 the left half of sheet 2.
        QVERIFY2(printedAt(device, "6月5日", 1, 159, 38.25, 4), qPrintable(whereIs(device, "6月5日")));
        QVERIFY(printedAt(device, "6月9日", 2, 25, 38.25, 4));
        QVERIFY(printedAt(device, "6月10日", 2, 25, 38.25 + 12.5 * 3, 4));
        for (int page = 1; page <= 2; ++page) {
            QVERIFY(lineAt(device, page, 11.5, 25, 276.5, 25, 5));
            QVERIFY(lineAt(device, page, 144.5, 25, 144.5, 181, 5));
            QVERIFY(lineAt(device, page, 11.5, 168.5, 276.5, 168.5, 2));
            QVERIFY(lineAt(device, page, 225.5, 23.5, 270.5, 23.5, 3));
            QVERIFY(printedAt(device, "(令和7年6月1日～6月30日)", page, 15, 22, 2, 8.5));
            QVERIFY(printedAt(device, "診療台帳", page, 143.5, 12, 3, 11));
        }
        QCOMPARE(device.ofKind(Kind::Line).size(), 50);
        QCOMPARE(SinryoIbaragiPrint::tiryoText({"5", "注射", "", "2"}), QStringLiteral("注射:2"));
    }

    void mieList()
    {
        RecordingPrintDevice device;
        QList<SinryoKirokuRecord> records{lines(30), lines(1, "11")};
        records[1].TiryoLines[0] = "*'注射'''''''";
        records[0].TiryoLines[0] = "*'注射'ペニG'.5''肺炎'治癒'9:0'10:30";
        SinryoMiePrint::SinryoMiePrintProc(device, printData(records));
        QCOMPARE(device.pageCount(), 2);
        QVERIFY2(printedAt(device, "注射:ペニG", 1, 54, 26.315), qPrintable(whereIs(device, "注射:ペニG")));
        QVERIFY(printedAt(device, "0.5", 1, 112, 26.315, 3, 10.5));
        QVERIFY(printedAt(device, "9:0", 1, 170, 26.315, 4, 9));
        QVERIFY(printedAt(device, "治癒", 1, 186.5, 26.315, 3, 9));
        QVERIFY(printedAt(device, "6月11日", 2, 27, 26.315, 4, 10.5));
        QVERIFY(printedAt(device, "注射", 2, 54, 26.315));
        QVERIFY(printedAt(device, "山本 一郎", 2, 15, 13, 2, 12));
        QVERIFY(printedAt(device, "(令和7年6月1日～6月30日)", 1, 185, 13, 4, 8.5));
        QVERIFY(lineAt(device, 1, 11.5, 16, 191.5, 16, 5));
        QVERIFY(lineAt(device, 2, 11.5, 22.0 + 8.63 * 30, 191.5, 22.0 + 8.63 * 30, 2));

        // Exactly 30 lines: a second page with the frame alone.
        RecordingPrintDevice full;
        SinryoMiePrint::SinryoMiePrintProc(full, printData({lines(30)}));
        QCOMPARE(full.pageCount(), 2);
        QCOMPARE(countText(full, "6月10日", 2), 0);
        QVERIFY(printedAt(full, "診療日", 2, 19, 19, 3, 10));
        QCOMPARE(SinryoMiePrint::suryoText("1.5"), QStringLiteral("1.5"));
    }

    void namesakesApart()
    {
        RecordingPrintDevice device;
        SinryoKirokuRecord mine = lines(1, "3");
        mine.NoukaCode = "00010001";
        SinryoKirokuRecord theirs = lines(1, "4");
        theirs.NoukaCode = "00030001";
        SinryoPrintData data = printData({mine, theirs});
        data.members = {{Nouka, "00010001"}, {Nouka, "00030001"}};
        SinryoMiePrint::SinryoMiePrintProc(device, data);
        QCOMPARE(countText(device, "6月3日", 1), 1);
        QCOMPARE(countText(device, "6月4日", 2), 1);
        QCOMPARE(countText(device, "6月4日", 1), 0);
    }

    void gunmaForms_data()
    {
        QTest::addColumn<QList<int>>("lineCounts");
        QTest::addColumn<int>("forms");
        QTest::newRow("23") << QList<int>{5, 5, 5, 5, 3} << 1;
        QTest::newRow("24") << QList<int>{5, 5, 5, 5, 4} << 2;
        QTest::newRow("eight count five") << QList<int>{8, 8, 8, 8, 3} << 1;
        QTest::newRow("48") << QList<int>{5, 5, 5, 5, 5, 5, 5, 5, 5, 3} << 3;
        QTest::newRow("none") << QList<int>{} << 0;
    }
    void gunmaForms()
    {
        QFETCH(QList<int>, lineCounts);
        QFETCH(int, forms);
        QList<SinryoKirokuRecord> records;
        for (const int n : lineCounts)
            records.append(lines(n));
        RecordingPrintDevice device;
        SinryoPrintData data = printData(records);
        data.offX = 2;
        data.offY = -1;
        SinryoGunmaPrint::SinryoGunmaPrintProc(device, data);
        // The outer frame's top rule, once per form, moved by the offsets.
        int frames = 0;
        for (const auto& op : device.ofKind(Kind::Line))
            frames += std::abs(op.xMm() - 9.5) < 0.05 && std::abs(op.yMm() - 20) < 0.05 && std::abs(op.x2Mm() - 202.5) < 0.05;
        QCOMPARE(frames, forms);
        QCOMPARE(device.ofKind(Kind::Line).size(), forms * (8 + 13 + 39 * 4));
        QCOMPARE(device.paper(), PrintDevice::Paper::A5);
        QCOMPARE(device.orientation(), PrintDevice::Orientation::Landscape);
    }

    void transfer()
    {
        QList<QStringList> rows;
        for (int i = 1; i <= 30; ++i) {
            QStringList r(SinryoKirokuGroup::GridCols);
            r[2] = "6";
            r[3] = QString::number(i);
            r[4] = "1234";
            r[5] = "5";
            r[6] = "注射";
            r[8] = i == 1 ? "2" : "";
            rows.append(r);
        }
        const QList<QStringList> sheet = SinryoExcelTransfer::ibarakiRows(rows, "鈴木 一郎");
        QCOMPARE(sheet.size(), 2 + 12 + 2 + 6 + 2);
        QCOMPARE(sheet.at(0).at(9), QStringLiteral("鈴木 一郎"));
        QCOMPARE(sheet.at(1).at(6), QStringLiteral("診察日"));
        QCOMPARE(sheet.at(2).mid(0, 4), (QStringList{"6月1日", "1234", "5", "注射:2"}));
        QCOMPARE(sheet.at(2).at(6), QStringLiteral("6月13日"));
        QCOMPARE(sheet.at(13).at(6), QStringLiteral("6月24日"));
        QCOMPARE(sheet.at(16).at(0), QStringLiteral("6月25日"));
        QVERIFY(sheet.at(16).at(6).isEmpty());
        QCOMPARE(sheet.at(21).at(0), QStringLiteral("6月30日"));
        QCOMPARE(sheet.at(22).at(9), QStringLiteral("鈴木 一郎"));
        QCOMPARE(sheet.at(23).at(3), QStringLiteral("治療に用いた動物用医薬品名等"));
        QCOMPARE(SinryoExcelTransfer::ibarakiRows({}, "").size(), 2);
        QCOMPARE(SinryoExcelTransfer::ibarakiRows(rows.mid(0, 15), "").size(), 2 + 12 + 2);
    }
};

NOLVARI_TEST(SinryoPrintTest)
#include "SinryoPrintTest.moc"
