#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/PrintPageModel.h"
#include "common/SharedState.h"

#include <QtTest>

class PrintPageModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { SharedState::reset(); }

    // PrintSet.ini by values and the leading-number rule; missing values count 0.
    void loadPrintSetFile_data()
    {
        QTest::addColumn<QStringList>("lines");  // empty: no file
        QTest::addColumn<float>("yoko");
        QTest::addColumn<float>("tate");
        QTest::addColumn<float>("nobi");
        QTest::addColumn<float>("effectiveNobi");
        QTest::newRow("three lines") << QStringList{"1.5", "-2", "1.02"} << 1.5f << -2.0f << 1.02f << 1.02f;
        QTest::newRow("one line of values") << QStringList{"1.5,-2,1.02"} << 1.5f << -2.0f << 1.02f << 1.02f;
        QTest::newRow("quoted values") << QStringList{"\"1.5\"", " \"-2\"", "1"} << 1.5f << -2.0f << 1.0f << 1.0f;
        QTest::newRow("letters after the number") << QStringList{"1.5mm", "下へ", "1"} << 1.5f << 0.0f << 1.0f << 1.0f;
        QTest::newRow("fewer values") << QStringList{"0.5"} << 0.5f << 0.0f << 0.0f << 1.0f;
        QTest::newRow("empty lines") << QStringList{"", "", ""} << 0.0f << 0.0f << 0.0f << 1.0f;
        QTest::newRow("no file") << QStringList{} << 0.0f << 0.0f << 0.0f << 1.0f;
    }
    void loadPrintSetFile()
    {
        QFETCH(QStringList, lines);
        QFETCH(float, yoko);
        QFETCH(float, tate);
        QFETCH(float, nobi);
        QFETCH(float, effectiveNobi);
        TempDataRoot root;
        if (!lines.isEmpty())
            root.write(QStringLiteral("set/PrintSet.ini"), lines);
        SharedState::get().PrintHosei = {9, 9, 9};

        QVERIFY(PrintPageModel::loadPrintSetFile());
        const PrintHoseiInfo& hosei = SharedState::get().PrintHosei;
        QCOMPARE(hosei.YokoHosei, yoko);
        QCOMPARE(hosei.TateHosei, tate);
        QCOMPARE(hosei.NobiHosei, nobi);
        QCOMPARE(float(PrintPageModel::current().nobi()), effectiveNobi);
    }

    void undecodablePrintSetFileIsReported()
    {
        TempDataRoot root;
        TestFixture::writeBytes(root.file(QStringLiteral("set/PrintSet.ini")), "1.5\r\n\x81\r\n");
        SharedState::get().PrintHosei = {9, 9, 9};
        QString error;
        QVERIFY(!PrintPageModel::loadPrintSetFile(&error));
        QVERIFY2(error.contains(QStringLiteral("PrintSet.ini")), qPrintable(error));
        QCOMPARE(SharedState::get().PrintHosei.YokoHosei, 0.0f);
    }

    void currentReadsTheSharedValues()
    {
        SharedState& state = SharedState::get();
        state.setKen(QStringLiteral("三重県"));
        state.MieSizeOpKioku = -1;
        state.MieA4Flag = 1;
        state.Hand.OcrWidth = 7;
        state.PrintHosei = {1.5f, -2, 0};
        const PrintPageModel page = PrintPageModel::current();
        QCOMPARE(page.k(), double(56.7f));
        QVERIFY(page.mieA4Chosen());
        QCOMPARE(page.MieA4Flag, 1);
        QCOMPARE(page.OcrWidth, 7);
        QCOMPARE(page.nobi(), 1.0);
        QCOMPARE(state.PrintHosei.NobiHosei, 0.0f);
        state.MieSizeOpKioku = 0;
        QVERIFY(!PrintPageModel::current().mieA4Chosen());
        state.setKen(QStringLiteral("大分県"));
        state.MieSizeOpKioku = -1;
        QVERIFY(!PrintPageModel::current().mieA4Chosen());
    }

    void wholeTwips_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("floor");    // -1 << 20: out of range
        QTest::addColumn<int>("nearest");
        const int none = -1 << 20;
        QTest::newRow("fraction") << 1606.5 << 1606 << 1606;
        QTest::newRow("half to the even below") << 2410.5 << 2410 << 2410;
        QTest::newRow("half to the even above") << 2411.5 << 2411 << 2412;
        QTest::newRow("below zero") << -567.2 << -568 << -567;
        QTest::newRow("top of range") << 32767.9 << 32767 << none;
        QTest::newRow("bottom of range") << -32768.0 << -32768 << -32768;
        QTest::newRow("below range") << -32768.5 << none << -32768;
        QTest::newRow("above range") << 34020.0 << none << none;
    }
    void wholeTwips()
    {
        QFETCH(double, twips);
        QFETCH(int, floor);
        QFETCH(int, nearest);
        QCOMPARE(PrintPageModel::floorTwips(twips).value_or(-1 << 20), floor);
        QCOMPARE(PrintPageModel::nearestTwips(twips).value_or(-1 << 20), nearest);
    }
};

NOLVARI_TEST(PrintPageModelTest)
#include "PrintPageModelTest.moc"
