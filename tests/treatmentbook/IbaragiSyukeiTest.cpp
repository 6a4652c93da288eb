#include "BookSetup.h"
#include "TestRegistry.h"

#include "chart/KarteNameRecord.h"
#include "common/SharedState.h"
#include "treatmentbook/IbaragiSyukei.h"
#include "treatmentbook/TcbLogFile.h"

#include <QtTest>

namespace {
BookSetup::Episode episode(const QString& byoName, const QString& syosin, const QString& teisyutu,
                           const QString& doctor)
{
    return {{{2, byoName}, {3, "01-02-3"}, {4, "5.2.28"}, {5, syosin}, {6, "5.3.20"}, {7, "5.3.21"}, {8, "治癒"},
             {9, "4"}, {10, doctor}, {13, teisyutu}},
            {{2, "1,200"}, {4, "300"}, {5, "250"}, {6, "420"}, {7, "370"}, {8, "4,200"}}};
}

const QString line15 = "はなこ'1012'1234'乳房炎'01-02-3'5.3.1'5.3.20'5.3.21'1,200'4,200'420'370'4'高橋'5･3";
const QString line17 = "さくら'2023'2345'肺炎'03-01-1'5.3.5'5.3.9'5.3.9'800'2,000'200'150'2'伊藤'5･3'5.3.4'治癒";
}

class IbaragiSyukeiTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void period_data()
    {
        QTest::addColumn<QString>("teisyutu");
        QTest::addColumn<QString>("syosin");
        QTest::addColumn<QString>("month");
        QTest::addColumn<bool>("listed");
        QTest::newRow("submission month") << "5･3" << "5.2.10" << "3" << true;
        QTest::newRow("other submission month") << "5･4" << "5.3.10" << "3" << false;
        QTest::newRow("03 is not 3") << "5･3" << "5.3.10" << "03" << false;
        QTest::newRow("no submission month") << "" << "5.3.10" << "3" << false;
        QTest::newRow("no submission month, all") << "" << "5.3.10" << "全" << true;
        QTest::newRow("whole field compared") << "3" << "5.3.10" << "3" << true;
        QTest::newRow("other year, all") << "4･3" << "4.3.10" << "ALL" << false;
        QTest::newRow("no dates") << "" << "" << "all" << false;
    }
    void period()
    {
        QFETCH(QString, teisyutu);
        QFETCH(QString, syosin);
        QFETCH(QString, month);
        QFETCH(bool, listed);
        KarteNameRecord name;
        name.TeisyutuTuki = teisyutu;
        name.SyosinDate = syosin;
        QCOMPARE(IbaragiSyukei::inPeriod(name, {"5", month}), listed);
    }

    void periodEntry()
    {
        QCOMPARE(IbaragiSyukei::missing({"", "3"})->text, "年を入力してください。");
        QCOMPARE(IbaragiSyukei::missing({"5", ""})->text, "月を入力してください。");
        QVERIFY(!IbaragiSyukei::missing({"5", "3"}));
        QVERIFY(!IbaragiSyukei::monthTaken("0"));
        QVERIFY(!IbaragiSyukei::monthTaken("all months"));
        QVERIFY(IbaragiSyukei::monthTaken("全"));
        QVERIFY(IbaragiSyukei::monthTaken("12"));
    }

    void doctorOptions_data()
    {
        QTest::addColumn<QString>("doctor");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("admitted");
        QTest::newRow("empty under 全員") << "" << 3 << true;
        QTest::newRow("empty under a doctor") << "" << 0 << false;
        QTest::newRow("own doctor") << "獣医師 伊藤" << 1 << true;
        QTest::newRow("other doctor") << "伊藤" << 0 << false;
        QTest::newRow("known doctor under 全員") << "渡辺" << 3 << true;
        QTest::newRow("unknown doctor under 全員") << "山本" << 3 << false;
        QTest::newRow("two surnames") << "高橋・渡辺" << 2 << true;
    }
    void doctorOptions()
    {
        QFETCH(QString, doctor);
        QFETCH(int, chosen);
        QFETCH(bool, admitted);
        QCOMPARE(IbaragiSyukei::DocOpSetProc(doctor, {"高橋", "伊藤", "渡辺"}, chosen), admitted);
    }

    void doctorsOfTheSite_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QStringList>("doctors");
        QTest::newRow("branch") << "IBF1A" << QStringList{"高橋", "伊藤", "渡辺"};
        QTest::newRow("Farm4") << "IBF4" << QStringList{"高橋", "伊藤", "中村"};
    }
    void doctorsOfTheSite()
    {
        QFETCH(QString, site);
        QFETCH(QStringList, doctors);
        BookSetup setup(site);
        QCOMPARE(IbaragiSyukei::doctors(SharedState::get().Site), doctors);
        QCOMPARE(IbaragiSyukei::caption(doctors.at(2)), doctors.at(2) + "医師");
    }

    void extractionFromTheCharts()
    {
        BookSetup setup;
        setup.writeChart("H7_00090001_1111_0.sxd", "はなこ:1012", "1111",
                         {episode("乳房炎", "5.3.1", "5･3", "高橋"), episode("肺炎", "5.3.10", "5･4", "高橋"),
                          episode("下痢", "5.2.1", "5･3", "")});
        setup.writeChart("H7_00090001_2222_0.sxd", "さくら", "2222", {episode("肺炎", "5.3.2", "5･3", "山本")});
        setup.writeChart("H7_00090001_3333_0.sxd", "もも", "3333", {episode("肺炎", "5.3.2", "5･3", "伊藤")},
                         "H7_00090001_3334_0");
        setup.writeChart("H15_Sample.sxd", "見本", "0", {episode("肺炎", "5.3.2", "5･3", "伊藤")});
        setup.write("H7/H7_00090001_4444_0.sxd", {"damaged"});
        SharedState& s = SharedState::get();
        s.refreshKarteFileList();
        QStringList reports;
        int calls = 0;
        const QList<QStringList> rows = IbaragiSyukei::ZenTyusyutuProc(
            s.KarteFileList.names(), {"5", "3"}, {"高橋", "伊藤", "渡辺"}, IbaragiSyukei::Zenin,
            [&calls](int, int) { ++calls; }, &reports);
        QCOMPARE(calls, s.KarteFileList.size());
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.at(0).contains("H7_00090001_4444_0.sxd"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0), (QStringList{"はなこ", "1012", "1111", "乳房炎", "01-02-3", "5.2.28", "5.3.1", "5.3.20",
                                          "5.3.21", "治癒", "1,200", "4,200", "300", "250", "4", "高橋", "5･3"}));
        QCOMPARE(rows.at(1).mid(0, 4), (QStringList{"はなこ", "1012", "1111", "下痢"}));

        const QList<QStringList> takahashi = IbaragiSyukei::ZenTyusyutuProc(
            s.KarteFileList.names(), {"5", "全"}, {"高橋", "伊藤", "渡辺"}, 0, nullptr, nullptr);
        QCOMPARE(takahashi.size(), 2);
        QCOMPARE(takahashi.at(1).at(3), "肺炎");
    }

    void dateStyles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("shown");
        QTest::newRow("normal") << 0 << "5.3.12" << "5.3.12";
        QTest::newRow("H") << 1 << "5.3.12" << "H5.3.12";
        QTest::newRow("平成") << 2 << "5.3.12" << "平成5年3月12日";
        QTest::newRow("令和") << 3 << "5.3.12" << "令和5年3月12日";
        QTest::newRow("no dot") << 3 << "" << "";
        QTest::newRow("two parts") << 2 << "5.3" << "5.3";
    }
    void dateStyles()
    {
        QFETCH(int, style);
        QFETCH(QString, date);
        QFETCH(QString, shown);
        QCOMPARE(IbaragiSyukei::HenkanWarekiProc(date, style), shown);
    }

    void logLinesOfBothKinds()
    {
        BookSetup setup;
        setup.write("tcb/5･3.ini", {line15, "no separator", line17});
        const TcbLogFile::Log log = TcbLogFile::read(TcbLogFile::path("5", "3"));
        QCOMPARE(log.status, TcbLogFile::Status::Read);
        QCOMPARE(log.lines, (QStringList{line15 + "''", line17}));
        const QStringList row = IbaragiSyukei::logRow(log.lines.at(0), 1);
        QCOMPARE(row.size(), IbaragiSyukei::ColCount);
        QCOMPARE(row.mid(0, 11), (QStringList{"", "はなこ", "1012", "1234", "乳房炎", "01-02-3", "", "H5.3.1", "H5.3.20",
                                              "H5.3.21", ""}));
        QCOMPARE(row.mid(11, 7), (QStringList{"1,200", "4,200", "420", "370", "4", "高橋", "5･3"}));
        QCOMPARE(row.at(18), line15 + "''");
        QCOMPARE(IbaragiSyukei::logRow(line17, 0).at(6), "5.3.4");
        QCOMPARE(IbaragiSyukei::logRow(line17, 0).at(10), "治癒");
        QVERIFY(IbaragiSyukei::logShown(line17, "伊藤"));
        QVERIFY(!IbaragiSyukei::logShown(line17, "高橋"));
        QVERIFY(IbaragiSyukei::logShown(line17, ""));
        QCOMPARE(TcbLogFile::read(TcbLogFile::path("5", "03")).status, TcbLogFile::Status::Missing);
        QCOMPARE(TcbLogFile::periods(), QStringList{"5年3月"});
    }

    void printerRecordsEachCertificateOnce()
    {
        BookSetup setup;
        QVERIFY(!setup.exists("tcb"));
        const QStringList fields{"Main", "乳用牛", "", "", "H30.4.1", "雌", "はなこ:JP1012", "", "包", "", "1234", "黒",
                                 "", "H7_00010001_1234_0", "", ""};
        QStringList name(14);
        name[2] = "乳房炎";
        name[5] = "5.3.1";
        name[13] = "5･3";
        name[8] = "治癒";
        QStringList data3(10);
        data3[2] = "1,200";
        data3[6] = "420";
        const TcbLogFile::Kiroku kiroku = TcbLogFile::kiroku(fields, name, data3, "高橋's");
        QString error;
        QVERIFY2(TcbLogFile::TcbKirokuProc(kiroku, &error), qPrintable(error));
        QVERIFY(TcbLogFile::TcbKirokuProc(kiroku, &error));
        const QStringList lines = setup.read("tcb/5･3.ini");
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.at(0), "はなこ'1012'1234'乳房炎''5.3.1'''1,200''420'''高橋’s'5･3''治癒");
        QCOMPARE(lines.at(0).count('\''), 16);
    }
};

NOLVARI_TEST(IbaragiSyukeiTest)
#include "IbaragiSyukeiTest.moc"
