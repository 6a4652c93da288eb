#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/DataPath.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"

#include <QtTest>

class StartupConfigTest : public QObject
{
    Q_OBJECT

private:
    static void writeMinimal(const TempDataRoot& root, const QStringList& info, const QString& nendo)
    {
        root.write("set/info.ini", info);
        root.write("set/KiokuNendo.ini", {nendo});
    }

private slots:
    void init() { TestFixture::resetGlobals(); }

    void infoFileValues_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("expectedKen");
        QTest::addColumn<QString>("expectedKey");
        QTest::newRow("one line") << QStringList{"茨城県,IBF1A"} << "茨城県" << "IBF1A";
        QTest::newRow("two lines") << QStringList{"茨城県", "IBF1A"} << "茨城県" << "IBF1A";
        QTest::newRow("quoted") << QStringList{"\"大分県\",\"0\""} << "大分県" << "0";
        QTest::newRow("blank inside quotes") << QStringList{"\"茨城県 \",0"} << "茨城県 " << "0";
        QTest::newRow("blanks around") << QStringList{"  鳥取県  ,  0"} << "鳥取県" << "0";
        QTest::newRow("key missing") << QStringList{"宮崎県"} << "宮崎県" << "";
    }

    void infoFileValues()
    {
        QFETCH(QStringList, lines);
        TempDataRoot root;
        const QString path = root.write("set/info.ini", lines);
        QString kenName, siteKey, error;
        QVERIFY(StartupConfig::readInfoFile(path, kenName, siteKey, &error));
        QFETCH(QString, expectedKen);
        QCOMPARE(kenName, expectedKen);
        QFETCH(QString, expectedKey);
        QCOMPARE(siteKey, expectedKey);
    }

    void quotedBlankSelectsNoPrefecture()
    {
        TempDataRoot root;
        writeMinimal(root, {"\"茨城県 \",\"IBF1A\""}, "5");
        root.write("set/SiteProfile.ini", {"IBF1A,茨城県,FarmType"});
        SharedState& s = SharedState::get();
        QString error;
        QVERIFY(StartupConfig::load(s, QDate(2024, 4, 1), &error));
        QVERIFY(s.Site.isDefault());
        QVERIFY(!StartupConfig::isFarmSite(s.ken, s.Site));
        QCOMPARE(s.IbaragiOption1Kioku, 0);
        QVERIFY(s.DellInfoList.isEmpty());
    }

    void missingFilesNameTheFile_data()
    {
        QTest::addColumn<bool>("info");
        QTest::addColumn<bool>("nendo");
        QTest::addColumn<QString>("named");
        QTest::newRow("InfoFile") << false << true << "info.ini";
        QTest::newRow("KiokuNendoFile") << true << false << "KiokuNendo.ini";
    }

    void missingFilesNameTheFile()
    {
        QFETCH(bool, info);
        QFETCH(bool, nendo);
        TempDataRoot root;
        if (info)
            root.write("set/info.ini", {"鳥取県,0"});
        if (nendo)
            root.write("set/KiokuNendo.ini", {"5"});
        QString error;
        QVERIFY(!StartupConfig::load(SharedState::get(), QDate(2024, 4, 1), &error));
        QFETCH(QString, named);
        QVERIFY2(error.contains(named), qPrintable(error));
    }

    void undecodableInfoFileIsAnError()
    {
        TempDataRoot root;
        TestFixture::writeBytes(root.file("set/info.ini"), QByteArray("\x82\xa0\x80,0\r\n"));
        root.write("set/KiokuNendo.ini", {"5"});
        QString error;
        QVERIFY(!StartupConfig::load(SharedState::get(), QDate(2024, 4, 1), &error));
        QVERIFY2(error.contains("info.ini"), qPrintable(error));
    }

    // A settings file that exists but does not decode stops the start-up with its name and line,
    // instead of running as if it were empty (at a farm site every switch would be off).
    void undecodableSettingsFileIsAnError_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("site rows") << "SiteProfile.ini";
        QTest::newRow("veterinarian") << "DoctorName.ini";
        QTest::newRow("premium expiry") << "ManryoDay.ini";
        QTest::newRow("member codes") << "CodeHenkan.ini";
    }
    void undecodableSettingsFileIsAnError()
    {
        QFETCH(QString, name);
        TempDataRoot root;
        writeMinimal(root, {"茨城県,farm1"}, "5");
        root.write("set/DellInfo.ini", {});
        TestFixture::writeBytes(root.file("set/" + name), QByteArray("farm1,茨城県,FarmType\r\nx\x80\r\n"));
        QString error;
        QVERIFY(!StartupConfig::load(SharedState::get(), QDate(2024, 4, 1), &error));
        QVERIFY2(error.contains(name + "（2 行目"), qPrintable(error));
    }

    void badDataYearIsAnError_data()
    {
        QTest::addColumn<QString>("nendo");
        QTest::newRow("empty") << "";
        QTest::newRow("path out of the root") << "7\\..\\..\\outside";
        QTest::newRow("letters") << "H7";
        QTest::newRow("full-width digit") << "７";
    }
    void badDataYearIsAnError()
    {
        QFETCH(QString, nendo);
        TempDataRoot root;
        writeMinimal(root, {"鳥取県,0"}, nendo);
        QString error;
        QVERIFY(!StartupConfig::load(SharedState::get(), QDate(2024, 4, 1), &error));
        QVERIFY2(error.contains("KiokuNendo.ini"), qPrintable(error));
    }

    void dataYearNamesTheChartFolder()
    {
        TempDataRoot root;
        writeMinimal(root, {"鳥取県,0"}, "5");
        root.write("H5/H5_00010001_12_0.sxd", {"x"});
        root.write("H5/h5_00010001_03_0.SXD", {"x"});
        root.write("H5/notes.txt", {"x"});
        root.write("H15/H15_00010001_12_0.sxd", {"x"});
        SharedState& s = SharedState::get();
        QString error;
        QVERIFY(StartupConfig::load(s, QDate(2024, 4, 1), &error));
        QCOMPARE(s.KarteNendo, QStringLiteral("5"));
        QVERIFY(s.karteFolder().endsWith("/H5"));
        QCOMPARE(s.KarteFileList.names(), (QStringList{"h5_00010001_03_0.SXD", "H5_00010001_12_0.sxd"}));
    }

    void missingChartFolderGivesEmptyList()
    {
        TempDataRoot root;
        writeMinimal(root, {"鳥取県,0"}, "9");
        QString error;
        QVERIFY(StartupConfig::load(SharedState::get(), QDate(2024, 4, 1), &error));
        QVERIFY(SharedState::get().KarteFileList.isEmpty());
    }

    void datesFollowTheCalendarYear_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("todayDate");
        QTest::addColumn<QString>("reiwa");
        QTest::newRow("January") << QDate(2024, 1, 5) << "2024/1/5" << "6";
        QTest::newRow("April") << QDate(2023, 4, 1) << "2023/4/1" << "5";
        QTest::newRow("December") << QDate(2019, 12, 31) << "2019/12/31" << "1";
    }

    void datesFollowTheCalendarYear()
    {
        QFETCH(QDate, today);
        TempDataRoot root;
        writeMinimal(root, {"鳥取県,0"}, "5");
        SharedState& s = SharedState::get();
        QString error;
        QVERIFY(StartupConfig::load(s, today, &error));
        QFETCH(QString, todayDate);
        QCOMPARE(s.TodayDate, todayDate);
        QFETCH(QString, reiwa);
        QCOMPARE(s.ReiwaNen, reiwa);
        QCOMPARE(s.DefaultNendo, QStringLiteral("5"));
    }

    void sharedValuesOfStartup()
    {
        TempDataRoot root;
        writeMinimal(root, {"鹿児島県,KGDIST"}, "5");
        root.write("set/SiteProfile.ini", {"KGDIST,鹿児島県,ManryoSite,HideTuchibo"});
        SharedState& s = SharedState::get();
        s.TakukaraOut = "old";
        s.SeirekiFlag = 1;
        QString error;
        QVERIFY(StartupConfig::load(s, QDate(2024, 4, 1), &error));
        QCOMPARE(s.ManryoFlag, 1);
        QCOMPARE(s.SeirekiFlag, 0);
        QCOMPARE(s.TakukaraOut, QString());
        QCOMPARE(s.TwipPerMm, 56.7f);
        QCOMPARE(s.ColorSet.BaseBackColor, QColor(248, 248, 227));
        QCOMPARE(s.ColorSet.DialogBackColor, QColor(221, 239, 221));
        QCOMPARE(s.ColorSet.HoverColor, QColor(255, 0, 0));
        QCOMPARE(s.ColorSet.GridColor, QColor(238, 255, 181));
        QCOMPARE(s.PictPathTable.size(), 51);
        QCOMPARE(s.PictPathTable.at(50), QStringLiteral("\\Nolvari\\pict\\pict_50.bmp"));
        QCOMPARE(s.Pict2PathTable.size(), 71);
        QCOMPARE(s.Pict2PathTable.at(7), QStringLiteral("\\Nolvari\\pict\\pict2_7.bmp"));
    }

    void tottoriRowIsChosenByTheVeterinarian()
    {
        TempDataRoot root;
        writeMinimal(root, {"鳥取県,0"}, "5");
        root.write("set/SiteProfile.ini", {"佐藤,鳥取県,LatestOutcome", "0,鳥取県,ManryoSite"});
        root.write("set/DoctorName.ini", {"佐藤 誠", "1234"});
        SharedState& s = SharedState::get();
        QString error;
        QVERIFY(StartupConfig::load(s, QDate(2024, 4, 1), &error));
        QCOMPARE(s.Site.key, QStringLiteral("佐藤"));
        QCOMPARE(s.ManryoFlag, 0);
    }

    void farmSiteLoadsDellInfoList()
    {
        TempDataRoot root;
        writeMinimal(root, {"茨城県,IBF1A"}, "5");
        root.write("set/SiteProfile.ini", {"IBF1A,茨城県,FarmType"});
        root.write("set/DellInfo.ini", {"H5_1_2_0,H5.4.1[死亡]", "H5_1_3_0,H5.5.2 [出荷]"});
        SharedState& s = SharedState::get();
        QString error;
        QVERIFY(StartupConfig::load(s, QDate(2024, 4, 1), &error));
        QCOMPARE(s.DellInfoList, (QStringList{"H5_1_2_0,H5.4.1[死亡]", "H5_1_3_0,H5.5.2 [出荷]", ""}));
        QCOMPARE(s.IbaragiOption1Kioku, 1);
    }

    void farmSiteWithoutDellInfoFileStops()
    {
        TempDataRoot root;
        writeMinimal(root, {"茨城県,IBF1A"}, "5");
        root.write("set/SiteProfile.ini", {"IBF1A,茨城県,FarmType"});
        QString error;
        QVERIFY(!StartupConfig::load(SharedState::get(), QDate(2024, 4, 1), &error));
        QVERIFY2(error.contains("DellInfo.ini"), qPrintable(error));
    }
};

NOLVARI_TEST(StartupConfigTest)
#include "StartupConfigTest.moc"
