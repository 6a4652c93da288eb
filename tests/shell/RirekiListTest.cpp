#include "KarteFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteScan.h"
#include "shell/RirekiList.h"

#include <QtTest>

class RirekiListTest : public QObject
{
    Q_OBJECT

private:
    static KarteScan chartLines(const QList<KarteFixture::Episode>& episodes)
    {
        TempDataRoot root;
        const QString path = root.file("H5/c.sxd");
        KarteFixture::write(path, KarteFixture::nouka("東谷", "山本 一郎", "1234"),
                            KarteFixture::kotai("0012", "はな", "c"), episodes);
        const KarteScan scan = KarteScan::read(path);
        if (!scan.ok())
            qWarning("%s", qPrintable(scan.errorText));
        return scan;
    }

private slots:
    void hidukeHikaku_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("later");
        QTest::newRow("next year") << "5.12.1" << "6.1.1" << true;
        QTest::newRow("previous year") << "6.1.1" << "5.12.1" << false;
        QTest::newRow("equal") << "5.3.12" << "5.3.12" << false;
        QTest::newRow("by number, not text") << "5.9.30" << "5.10.1" << true;
        QTest::newRow("later day") << "5.3.10" << "5.3.11" << true;
        QTest::newRow("no dot in a") << "5312" << "6.1.1" << false;
        QTest::newRow("no dot in b") << "5.3.12" << "6,1,1" << false;
        QTest::newRow("era letter counts 0") << "R5.3.1" << "1.1.1" << true;
        QTest::newRow("two parts, equal") << "5.3" << "5.3" << false;
        QTest::newRow("two parts, day given") << "5.3" << "5.3.1" << true;
        QTest::newRow("huge number") << "5.3.1" << "99999999999999999999.1.1" << true;
    }

    void hidukeHikaku()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, later);
        QCOMPARE(RirekiList::HidukeHikakuProc(a, b), later);
    }

    void plainRowsInFileOrder()
    {
        const KarteScan lines = chartLines({
            {KarteFixture::nameRecord("乳房炎", "5.3.1", "5.3.9", "5.3.10", "治癒", "4", "へい病", "5･3"), {}},
            {KarteFixture::nameRecord("卵巣静止", "5.4.1", "5.4.1", "5.4.2", "未", "1", "繁殖", ""), {}},
            {KarteFixture::nameRecord("肺炎", "5.5.1", "5.5.1", "", "未", "1", "へい病", ""), {}},
        });
        const QList<QStringList> rows = RirekiList::build(lines, "c.sxd", false);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0), (QStringList{"", "乳房炎", "へい病", "5.3.1", "5.3.9", "4", "5.3.10", "治癒",
                                          "5･3", "c.sxd"}));
        QCOMPARE(rows.at(1).at(1), QStringLiteral("卵巣静止"));
        QCOMPARE(rows.at(1).at(6), QString());
        QCOMPARE(rows.at(1).at(7), QStringLiteral("未"));
        QCOMPARE(rows.at(2).at(1), QStringLiteral("肺炎"));
    }

    void latestOutcome_data()
    {
        QTest::addColumn<QString>("tenkiDate");
        QTest::addColumn<QString>("tenki");
        QTest::addColumn<QString>("date2");
        QTest::addColumn<QString>("outcome2");
        QTest::addColumn<QString>("shownDate");
        QTest::addColumn<QString>("shownOutcome");
        QTest::newRow("disease 2 later") << "5.3.10" << "治癒" << "5.4.2" << "" << "5.4.2" << "";
        QTest::newRow("disease 2 later with word") << "5.3.10" << "治癒" << "5.4.2" << "中止" << "5.4.2" << "中止";
        QTest::newRow("disease 2 equal") << "5.3.10" << "治癒" << "5.3.10" << "x" << "5.3.10" << "治癒";
        QTest::newRow("disease 2 earlier") << "5.3.10" << "治癒" << "5.2.1" << "x" << "5.3.10" << "治癒";
        QTest::newRow("disease 2 empty") << "5.3.10" << "治癒" << "" << "" << "5.3.10" << "治癒";
        QTest::newRow("outcome 未") << "" << "未" << "5.4.2" << "x" << "" << "";
        QTest::newRow("batch date with commas") << "5,3,10" << "治癒" << "5.4.2" << "x" << "5,3,10" << "治癒";
    }

    void latestOutcome()
    {
        QFETCH(QString, tenkiDate);
        QFETCH(QString, tenki);
        QFETCH(QString, date2);
        QFETCH(QString, outcome2);
        const KarteScan lines = chartLines({{KarteFixture::nameRecord("乳房炎", "5.3.1", "5.3.9", tenkiDate,
                                                                        tenki, "4", "へい病", "5･3"),
                                               KarteFixture::dataRecord(date2, outcome2)}});
        const QList<QStringList> rows = RirekiList::build(lines, "c.sxd", true);
        QCOMPARE(rows.size(), 1);
        QFETCH(QString, shownDate);
        QCOMPARE(rows.at(0).at(6), shownDate);
        QFETCH(QString, shownOutcome);
        QCOMPARE(rows.at(0).at(7), shownOutcome);
        QCOMPARE(rows.at(0).at(1), QStringLiteral("乳房炎"));
    }

    void chartWithoutEpisodes()
    {
        const KarteScan scan = chartLines({});
        QVERIFY(scan.ok());
        QVERIFY(RirekiList::build(scan, "c.sxd", true).isEmpty());
    }
};

NOLVARI_TEST(RirekiListTest)
#include "RirekiListTest.moc"
