#include "AttorneyFixture.h"
#include "TestRegistry.h"

#include "attorney/IninjyoGunmaPrint.h"
#include "attorney/IninjyoKagosimaPrint.h"
#include "attorney/IninjyoMiyazakiPrint.h"
#include "attorney/IninjyoTottoriPrint.h"
#include "common/SharedState.h"

#include <QtTest>

namespace {
using Kind = RecordingPrintDevice::Kind;
constexpr double K = 56.7;

int countText(const RecordingPrintDevice& device, const QString& text, int page = 0)
{
    int n = 0;
    for (const auto& op : device.ofKind(Kind::Text))
        n += op.text == text && (page == 0 || op.page == page) ? 1 : 0;
    return n;
}

bool circleAt(const RecordingPrintDevice& device, int page, double x, double y, double r)
{
    for (const auto& op : device.ofKind(Kind::Circle))
        if (op.page == page && std::abs(op.xMm() - x) < 0.05 && std::abs(op.yMm() - y) < 0.05
            && std::abs(op.radius / K - r) < 0.01)
            return true;
    return false;
}
} // namespace

class IninjyoPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void tottoriTenAndEleven()
    {
        for (const int n : {10, 11}) {
            RecordingPrintDevice device;
            IninjyoPrintNotes notes;
            IninjyoTottoriPrint::IninjyoTottoriPrintProc(device, attorneyData(episodes(n)), notes);
            QCOMPARE(device.pageCount(), n == 10 ? 1 : 2);
            QCOMPARE(countText(device, "No.1"), n == 10 ? 0 : 1);
            QCOMPARE(countText(device, "No.2", 2), n == 10 ? 0 : 1);
            const QString total = n == 10 ? "123,400" : "135,740";
            QVERIFY2(ruledAt(device, total, 1, 106, 119.5, 13, 2), qPrintable(whereIs(device, total)));
            QCOMPARE(countText(device, total), 1);
            QVERIFY(printedAt(device, "鳥取県", 1, 43, 36, 4, 14));
            QVERIFY(printedAt(device, "乳用牛", 1, 42, 147, 3));
            QVERIFY(printedAt(device, "123", 1, 60, 147 + 14 * 9, 3));
            QVERIFY(printedAt(device, "1", 1, 164, 29, 3));    // the day of 5.6.1
            QVERIFY(printedAt(device, "4", 1, 113, 147, 3));   // the month of the first exam
        }
    }

    void tottoriNewForm()
    {
        RecordingPrintDevice device;
        IninjyoPrintData data = attorneyData(episodes(1), "7.6.1");
        data.insatu[2] = true;
        IninjyoPrintNotes notes;
        IninjyoTottoriPrint::IninjyoTottoriPrintProc(device, data, notes);
        QCOMPARE(countText(device, "鳥取県"), 0);
        QVERIFY2(printedAt(device, "123", 1, 60, 141, 3), qPrintable(whereIs(device, "123")));
        QVERIFY(printedAt(device, "7", 1, 138, 29, 3));
        QVERIFY(circleAt(device, 1, 170, 279, 3));
        QCOMPARE(IninjyoTottoriPrint::kindGroup("他肉子牛"), QStringLiteral("肉用牛"));
        QCOMPARE(IninjyoTottoriPrint::kindGroup("一般馬"), QString());
    }

    // Farmers without name are passed over and named; namesakes of other codes get their own document.
    void emptyNameAndNamesakes()
    {
        Episode noName;
        noName.name = "";
        noName.byo = "名無しの病";
        Episode namesake;
        namesake.code = "00030001";
        namesake.byo = "別人の病";
        RecordingPrintDevice device;
        IninjyoPrintNotes notes;
        IninjyoTottoriPrint::IninjyoTottoriPrintProc(device, attorneyData({noName, Episode(), namesake}), notes);
        QCOMPARE(device.pageCount(), 2);
        QCOMPARE(countText(device, "名無しの病"), 0);
        QCOMPARE(countText(device, "別人の病", 2), 1);
        QCOMPARE(countText(device, "肺炎", 1), 1);
        QCOMPARE(notes.noName.size(), 1);
        QVERIFY(notes.closingText().contains("名無しの病"));
    }

    void gunma()
    {
        QList<Episode> list = episodes(11);
        list[0].kind = "一般馬";
        list[1].kind = "育成乳牛";
        list[2].meigou = "はなこ";  // no individual number
        RecordingPrintDevice device;
        IninjyoPrintData data = attorneyData(list);
        data.offY = 3;
        IninjyoPrintNotes notes;
        IninjyoGunmaPrint::IninjyoGunmaPrintProc(device, data, notes);
        QCOMPARE(device.pageCount(), 1);
        QCOMPARE(countText(device, "No.1"), 1);
        QVERIFY(circleAt(device, 1, 84.32, 165.5, 2));
        QVERIFY(printedAt(device, "123", 1, 96, 165.5, 3, 9));
        QCOMPARE(device.ofKind(Kind::Circle).size(), 9);  // 一般馬, and 8 成乳牛 rows; 育成乳牛 none
        QCOMPARE(notes.noId.size(), 1);
        QVERIFY(ruledAt(device, "135,740", 1, 90, 141.5, 15, 2, 0, 3));
        QCOMPARE(*IninjyoGunmaPrint::kindX("成乳牛"), 29.0f);
    }

    void kagoshima()
    {
        QList<Episode> list{Episode(), Episode()};
        list[1].fee = "5,000";
        list[1].meigou = "";
        Episode blank;
        blank.meigou = "";
        blank.mimi = "";
        blank.fee = "1";
        list.append(blank);
        RecordingPrintDevice device;
        IninjyoPrintData data = attorneyData(list, "5.6.1");
        data.insatu = {true, false, false};
        IninjyoPrintNotes notes;
        IninjyoKagosimaPrint::IninjyoKagosimaPrintProc(device, data, notes);
        QVERIFY2(ruledAt(device, "17,341", 1, 95, 125, 15, 2), qPrintable(whereIs(device, "17,341")));
        QVERIFY(ruledAt(device, "令和　5 年 6 月 1 日", 1, 145, 38, 12));
        QVERIFY(ruledAt(device, "住所00010001", 1, 128, 62, 12));
        QCOMPARE(countText(device, "山本 一郎"), 0);
        QVERIFY(printedAt(device, "はなこ", 1, 49, 151.5, 2, 11));
        QVERIFY(printedAt(device, "1234", 1, 49, 164.5, 2, 11));
        QCOMPARE(notes.noId.size(), 1);
        QVERIFY(lineAt(device, 1, 15.5, 138, 187.5, 138, 7));
        QCOMPARE(IninjyoKagosimaPrint::dateLine(".."), QStringLiteral("令和　 年  月  日"));
        QCOMPARE(IninjyoKagosimaPrint::dateLine(""), QStringLiteral("令和　　　年　　　月　　　日"));
    }

    void miyazakiPages()
    {
        PrintMiyazakiIninnjyoForm::Kioku options;
        options.IninjyoBunruiOpOut = 2;
        IninjyoMiyazakiPrint::Site site;
        site.vetName = "日向 太郎";
        for (const int n : {20, 21}) {
            RecordingPrintDevice device;
            IninjyoPrintNotes notes;
            IninjyoMiyazakiPrint::IninjyoMiyazakiPrintProc(device, attorneyData(episodes(n)), options, site, "宮崎県", notes);
            QCOMPARE(device.pageCount(), n == 20 ? 1 : 2);
            const QString total = n == 20 ? "246,800" : "259,140";
            QVERIFY2(ruledAt(device, total, 1, 105, 89, 14, 2), qPrintable(whereIs(device, total)));
            QCOMPARE(countText(device, total), 1);
            QCOMPARE(countText(device, "(　内訳計　246,800　)", 1), n == 20 ? 0 : 1);
            QCOMPARE(countText(device, "(　内訳計　12,340　)", 2), n == 20 ? 0 : 1);
            QCOMPARE(countText(device, "家畜共済病傷事故共済金代理受領委任状"), n == 20 ? 1 : 2);
            QVERIFY(ruledAt(device, "私は、家畜共済加入家畜の病傷事故に係る共済金の受領を本組合指定獣医師 日向 太郎 に", 1, 23,
                            64, 12));
        }
        // A 21st row without identification stays on page 1's count, never below the table.
        QList<Episode> list = episodes(21);
        list[20].mimi = "";
        RecordingPrintDevice device;
        IninjyoPrintNotes notes;
        IninjyoMiyazakiPrint::IninjyoMiyazakiPrintProc(device, attorneyData(list), options, site, "宮崎県", notes);
        QCOMPARE(device.pageCount(), 1);
        QCOMPARE(notes.noId.size(), 1);
        QCOMPARE(countText(device, "病21"), 0);
    }

    // A farmer whose first chosen row lacks identification still gets his document: the rows
    // with identification in the breakdown, the others named.
    void miyazakiFirstRowWithoutId_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<int>("printedRows");
        QTest::newRow("first without") << QStringList{"", "1234"} << 1;
        QTest::newRow("none with") << QStringList{"", ""} << 0;
    }
    void miyazakiFirstRowWithoutId()
    {
        QFETCH(QStringList, ids);
        QFETCH(int, printedRows);
        QList<Episode> list = episodes(int(ids.size()));
        for (qsizetype i = 0; i < ids.size(); ++i)
            list[i].mimi = ids.at(i);
        PrintMiyazakiIninnjyoForm::Kioku options;
        options.IninjyoBunruiOpOut = 2;
        RecordingPrintDevice device;
        IninjyoPrintNotes notes;
        IninjyoMiyazakiPrint::IninjyoMiyazakiPrintProc(device, attorneyData(list), options, IninjyoMiyazakiPrint::Site(),
                                                       "宮崎県", notes);
        QCOMPARE(device.pageCount(), 1);
        QCOMPARE(countText(device, "家畜共済病傷事故共済金代理受領委任状"), 1);
        QCOMPARE(countText(device, "病1"), 0);
        QCOMPARE(countText(device, "病2"), printedRows);
        QCOMPARE(notes.noId.size(), ids.size() - printedRows);
        QVERIFY(countText(device, "24,680") >= 1);   // both fees in the total
    }

    // Fee totals are summed in whole yen past what single precision holds, in every layout.
    void feeTotalsInYen_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("tottori") << 0;
        QTest::newRow("gunma") << 1;
        QTest::newRow("kagoshima") << 2;
        QTest::newRow("miyazaki") << 3;
    }
    void feeTotalsInYen()
    {
        QFETCH(int, layout);
        QList<Episode> list = episodes(2);
        list[0].fee = "16,777,217";
        list[1].fee = "1";
        const IninjyoPrintData data = attorneyData(list);
        RecordingPrintDevice device;
        IninjyoPrintNotes notes;
        switch (layout) {
        case 0: IninjyoTottoriPrint::IninjyoTottoriPrintProc(device, data, notes); break;
        case 1: IninjyoGunmaPrint::IninjyoGunmaPrintProc(device, data, notes); break;
        case 2: IninjyoKagosimaPrint::IninjyoKagosimaPrintProc(device, data, notes); break;
        default: {
            PrintMiyazakiIninnjyoForm::Kioku options;
            options.IninjyoBunruiOpOut = 2;
            IninjyoMiyazakiPrint::IninjyoMiyazakiPrintProc(device, data, options, IninjyoMiyazakiPrint::Site(), "宮崎県",
                                                           notes);
        }
        }
        QVERIFY2(countText(device, "16,777,218") == 1, qPrintable(whereIs(device, "16,777,218")));
    }

    void miyazakiCells()
    {
        PrintMiyazakiIninnjyoForm::Kioku options;
        options.IninjyoBunruiOpOut = 1;
        options.IninjyoNbPrintOut = 1;
        IninjyoMiyazakiPrint::Site site;
        site.seireki = true;
        Episode e;
        e.meigou = "あいうえおかきくけこさしすせ:";
        e.syosin = "5,4,1";
        RecordingPrintDevice device;
        IninjyoPrintNotes notes;
        IninjyoMiyazakiPrint::IninjyoMiyazakiPrintProc(device, attorneyData({e}), options, site, "都城", notes);
        // "あいうえおかきくけこさしすせ:" is 29 bytes: size 8, lines of 6, 6 and 3 characters.
        const double y = 107.75 + 8.5;
        QVERIFY2(ruledAt(device, "あいうえおか", 1, 43, y - 2.5, 8), qPrintable(whereIs(device, "あいうえおか")));
        QVERIFY(ruledAt(device, "きくけこさし", 1, 43, y + 0.5, 8));
        QVERIFY(ruledAt(device, "すせ:", 1, 43, y + 3.5, 8));
        QVERIFY(ruledAt(device, "2023.4.1", 1, 121, y, 10, 1));
        QCOMPARE(countText(device, "家畜共済病傷事故共済金代理受領委任状"), 0);
        QCOMPARE(IninjyoMiyazakiPrint::dateLine("5.4.1", true), QStringLiteral("   2023　年　4　月　1　日"));
        QCOMPARE(IninjyoMiyazakiPrint::dateLine("25.4.1", true), QStringLiteral("令和　25　年　4　月　1　日"));
        QCOMPARE(IninjyoMiyazakiPrint::dateLine("..", false), QStringLiteral("令和　　　年　　　月　　　日"));
        Episode plain;
        plain.meigou = "";
        QCOMPARE(IninjyoMiyazakiPrint::episodeRow(attorneyData({plain}).farmers.at(0).rows.at(0), 1).at(0),
                 QStringLiteral("1234"));
        const IninjyoMiyazakiPrint::Site fix = IninjyoMiyazakiPrint::Site::of(
            SiteProfile::parseRow("MZA,宮崎県,IninjyoVetLine2,NoukaNameFixList=髙>高,IninjyoKenAllowed=0"));
        QCOMPARE(fix.fixName("髙橋"), QStringLiteral("高橋"));
        QVERIFY(!fix.kenAllowed && fix.vetLine2);
    }
};

NOLVARI_TEST(IninjyoPrintTest)
#include "IninjyoPrintTest.moc"
