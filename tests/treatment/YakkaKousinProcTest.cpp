#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteEpisode.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "treatment/KarteYakkaKousinProc.h"
#include "treatment/YakkaKousinProc.h"

#include <QtTest>

namespace {
// name'standard'alt'price''base'unit
const QStringList Table{
    "内あ'薬A'100g'*'100''10'g",
    "注い'薬B'10mL1V'*'12.3''1'V",
    "注う'薬C'1A'*'50''1'A",
    "注う'薬C'1A'*'70''2'A",
    "内え'薬D'1錠'*'30'''錠",
    "内お'薬E'1錠'*'40''0'錠",
    "外か'薬F'5g1本'*'80''1'本",
    "内き'処方薬'1包'*'20''1'包",
    "",
};

YakkaKousinProc::KousinList kousinList()
{
    return YakkaKousinProc::kousinList({{"注'薬B：10mL1V'ビーV", "注'薬Q：1g'キュー"}, {"内'薬A：100g'エーサン", "", "内'短い"}});
}
}

class YakkaKousinProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void syohoTaniSuu_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("count");
        QTest::newRow("empty") << "" << "";
        QTest::newRow("decimal") << "薬A100g(処方単位:2.5g)" << "2.5";
        QTest::newRow("stops at its end") << "薬A100g(処方単位:2錠)1" << "2";
        QTest::newRow("no count") << "薬A(処方単位:錠)" << "";
        QTest::newRow("without marker: fifth character on") << "ABCD12x3" << "12";
    }
    void syohoTaniSuu()
    {
        QFETCH(QString, text);
        QFETCH(QString, count);
        QCOMPARE(YakkaKousinProc::SyohoTaniSuuProc(text), count);
    }

    void prices_data()
    {
        QTest::addColumn<QStringList>("line"); // content, standard, quantity, price
        QTest::addColumn<QString>("price");    // empty: unchanged
        QTest::addColumn<QString>("missing");
        QTest::newRow("count against base") << QStringList{"薬A", "100g(処方単位:2g)", "3", "999"} << "60" << "";
        QTest::newRow("without count") << QStringList{"薬B", "10mL1V", "3", "1"} << "36.9" << "";
        QTest::newRow("unit word written out") << QStringList{"薬B", "10mL1バイアル", "1", "1"} << "12.3" << "";
        QTest::newRow("registered name with count") << QStringList{"エーサン", "(処方単位:3g)", "1", "1"} << "30" << "";
        QTest::newRow("registered name") << QStringList{"ビーV", "", "2", "1"} << "24.6" << "";
        QTest::newRow("last table line wins") << QStringList{"薬C", "1A(処方単位:4A)", "1", "1"} << "140" << "";
        QTest::newRow("count, empty base") << QStringList{"薬D", "1錠(処方単位:2錠)", "2", "1"} << "60" << "";
        QTest::newRow("surcharge note dropped") << QStringList{"薬B", "10mL1V増点B=20増点A=20", "2", "1"} << "24.6" << "";
        QTest::newRow("treatment-code surcharge dropped") << QStringList{"薬F", "5g1本増点 B=10A=0", "1", "1"} << "80" << "";
        QTest::newRow("no price: no drug line") << QStringList{"薬A", "100g", "3", ""} << "" << "";
        QTest::newRow("missing drug") << QStringList{"薬Z", "1g", "1", "5"} << "" << "薬Z1g";
        QTest::newRow("registered name missing: named by table key")
            << QStringList{"キュー", "", "1", "5"} << "" << "薬Q1g";
        QTest::newRow("zero base quantity named") << QStringList{"薬E", "1錠(処方単位:2錠)", "1", "5"} << "" << "薬E1錠";
        QTest::newRow("zero base without count") << QStringList{"薬E", "1錠", "2", "5"} << "80" << "";
        QTest::newRow("starts with 処") << QStringList{"処方薬", "1包", "1", "5"} << "" << "処方薬1包";
        QTest::newRow("empty lookup is not named") << QStringList{"", "", "1", "5"} << "" << "";
    }
    void prices()
    {
        QFETCH(QStringList, line);
        QFETCH(QString, price);
        QFETCH(QString, missing);
        YakkaKousinProc proc(Table, kousinList());
        const std::optional<QString> got = proc.yakka(line[0], line[1], line[2], line[3]);
        QCOMPARE(got.value_or(QString()), price);
        QCOMPARE(proc.missingName(), missing);
    }

    void templateKeepsUnitWords()
    {
        YakkaKousinProc proc(Table, {}, false);
        QVERIFY(!proc.yakka("薬B", "10mL1バイアル", "1", "1"));
        QCOMPARE(proc.missingName(), QStringLiteral("薬B10mL1バイアル"));
    }

    void registeredNamesFromFiles()
    {
        TempDataRoot root;
        root.write("set/TourokuNameC.ini", {"注'薬B：10mL1V'ビー"});
        root.write("set/TourokuNameS.ini", {"", "挿'薬F：5g1本'エフ"});
        const YakkaKousinProc::KousinList list = YakkaKousinProc::readKousinList();
        QCOMPARE(list, (YakkaKousinProc::KousinList{{"薬B10mL1V", "ビー"}, {"薬F5g1本", "エフ"}}));
    }

    // Only the price changes; the first missing drug in examination order is named.
    void episodeLines()
    {
        KarteEpisode episode;
        TiryoLine a({"調剤要", "薬A", "100g(処方単位:2g)", "3", "1", "10", "12", "10･12･0･0"});
        TiryoLine missing1({"経口", "薬Y", "", "1", "5", "10", "12", ""});
        TiryoLine missing2({"経口", "薬Z", "", "1", "7", "10", "12", ""});
        TiryoLine code({"処置", "創傷処置", "", "", "", "30", "36", ""});
        episode.setTiryo(0, 6, missing2);
        episode.setTiryo(0, 0, a);
        episode.setTiryo(19, 6, a);
        episode.setTiryo(2, 1, code);
        episode.setTiryo(1, 3, missing1);
        YakkaKousinProc proc(Table, {});
        QCOMPARE(proc.kousin(episode), 2);
        TiryoLine priced = a;
        priced.setText(TiryoLine::Yakka, "60");
        QCOMPARE(episode.tiryo(0, 0), priced);
        QCOMPARE(episode.tiryo(19, 6), priced);
        QCOMPARE(episode.tiryo(2, 1), code);
        QCOMPARE(episode.tiryo(0, 6), missing2);
        QCOMPARE(proc.missingName(), QStringLiteral("薬Z"));
    }

    void templateRows()
    {
        QList<QStringList> rows(224, QStringList(17));
        rows[5 + 11 * 2 + 3] = QStringList{"Sinsatu", "3", "", "経口", "薬B", "10mL1V", "2", "1", "", "", "", "", "", "", "", "", ""};
        YakkaKousinProc proc(Table, {}, false);
        QCOMPARE(proc.kousinRows(rows), 1);
        QCOMPARE(rows[5 + 11 * 2 + 3].at(7), QStringLiteral("24.6"));
        QCOMPARE(rows[5 + 11 * 2 + 3].size(), 17);
    }

    void karteProc_data()
    {
        QTest::addColumn<QString>("drug");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("result");
        QTest::newRow("updated") << "薬B" << "更新しました。" << int(KarteYakkaKousinProc::Updated);
        QTest::newRow("missing")
            << "薬Z" << "薬Z10mL1Vは今年度の薬品名にありませんので更新できませんでした。\n"
                        "該当薬品名を入力しなおして更新してください。（他は更新されました）"
            << int(KarteYakkaKousinProc::Missing);
    }
    // The totals are recomputed before the save, and both run whether or not a drug was missing.
    void karteProc()
    {
        QFETCH(QString, drug);
        QFETCH(QString, message);
        QFETCH(int, result);
        TempDataRoot root;
        SharedState::get().Tables.YakkaCodeTable = Table;
        KarteEpisode episode;
        episode.setTiryo(0, 0, TiryoLine({"経口", drug, "10mL1V", "2", "1", "", "", ""}));
        QStringList order;
        QString savedPrice;
        const auto run = KarteYakkaKousinProc::run(
            episode, [&] { order << "totals"; },
            [&] { order << "save"; savedPrice = episode.tiryo(0, 0).text(TiryoLine::Yakka); });
        QCOMPARE(int(run), result);
        QCOMPARE(order, (QStringList{"totals", "save"}));
        QCOMPARE(savedPrice, drug == "薬B" ? QStringLiteral("24.6") : QStringLiteral("1"));
        QCOMPARE(MsgBox::log().size(), 2);
        QCOMPARE(MsgBox::log().at(0).text, QStringLiteral("現在開いているカルテの薬価を最新のものに更新します。"));
        QCOMPARE(MsgBox::log().at(1).text, message);
        QCOMPARE(MsgBox::log().at(1).title, QStringLiteral("確認"));
    }

    void karteProcCancelled()
    {
        TempDataRoot root;
        SharedState::get().Tables.YakkaCodeTable = Table;
        MsgBox::setResponder([](const MsgBox::Call&) { return MsgBox::Cancel; });
        KarteEpisode episode;
        episode.setTiryo(0, 0, TiryoLine({"経口", "薬B", "10mL1V", "2", "1", "", "", ""}));
        bool called = false;
        QCOMPARE(KarteYakkaKousinProc::run(episode, [&] { called = true; }, [&] { called = true; }),
                 KarteYakkaKousinProc::Cancelled);
        QVERIFY(!called);
        QCOMPARE(episode.tiryo(0, 0).text(TiryoLine::Yakka), QStringLiteral("1"));
        SharedState::get().setKen("宮崎県");
        QCOMPARE(KarteYakkaKousinProc::run(episode, [&] { called = true; }, [&] { called = true; }),
                 KarteYakkaKousinProc::Cancelled);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("宮崎県版はこの機能は無効です。"));
        QVERIFY(!called);
    }
};

NOLVARI_TEST(YakkaKousinProcTest)
#include "YakkaKousinProcTest.moc"
