#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/ValueReader.h"
#include "registers/SetteiData.h"

#include <QtTest>

class SetteiDataTest : public QObject
{
    Q_OBJECT

    QByteArray bytes(const TempDataRoot& root, const QString& name)
    {
        return TestFixture::readBytes(root.file(QStringLiteral("set/") + name));
    }

private slots:
    // Every file the window reads comes back byte for byte when the window is left unchanged.
    void filesRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("ken");
        QTest::newRow("TikuName") << "TikuName.ini" << QStringList{"東谷", "西原", "北浜"} << "";
        QTest::newRow("NameCode") << "NameCode.ini"
                                  << QStringList{"東谷,山本 一郎,00010001,住所1,や,101,出張所,01,12-3,,",
                                                 "", "西原,森田 健,00020001,住所2,も,102,出張所,02,-,,"}
                                  << "";
        QTest::newRow("DoctorName") << "DoctorName.ini" << QStringList{"佐藤 誠", "1234"} << "";
        QTest::newRow("DocAd") << "DocAd.ini" << QStringList{"鳥取県中央市本町2-5 佐藤家畜診療所"} << "";
        QTest::newRow("DocAd with comma") << "DocAd.ini" << QStringList{"\"本町2-5, 佐藤家畜診療所\""} << "";
        QTest::newRow("DocBunrui") << "DocBunrui.ini" << QStringList{"指定外"} << "茨城県";
        QTest::newRow("PrintSet") << "PrintSet.ini" << QStringList{"1.5mm", "-2", "1.02"} << "";
        QTest::newRow("InpSpt") << "InpSpt.ini" << QStringList{"1", "3000"} << "";
        QTest::newRow("Gensyo") << "Gensyo.ini" << QStringList{"食欲不振", "", "元気消失"} << "";
        QTest::newRow("Rinkoku") << "Rinkoku.ini" << QStringList{"昨夜から食欲がない"} << "";
        QTest::newRow("Genin") << "Genin.ini" << QStringList{"飼養管理"} << "";
        QTest::newRow("Kariban") << "Kariban.ini" << QStringList{"9000"} << "";
    }
    void filesRoundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, lines);
        QFETCH(QString, ken);
        TempDataRoot root;
        const QByteArray before = TestFixture::readBytes(root.write("set/" + name, lines));
        const SetteiData data = SetteiData::load(KenInfo::fromName(ken));
        QVERIFY(data.save(KenInfo::fromName(ken)));
        QCOMPARE(bytes(root, name), before);
    }

    // Characters the code page holds twice (NEC and IBM rows) come back with the bytes they were
    // read with; a changed line does not disturb the bytes of the others.
    void duplicateCodesComeBackByteForByte_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("NameCode NEC row") << "NameCode.ini"
                                          << QByteArray("\x93\x8c\x92\x4a,\x87\x90\x8e\x52,00010001,,\x82\xe2,,,,-,,\r\n");
        QTest::newRow("TikuName IBM row") << "TikuName.ini" << QByteArray("\xfa\x4a\x92\x6e\x8b\xe6\r\n\xed\x40\r\n");
        QTest::newRow("DocAd NEC-selected IBM row") << "DocAd.ini" << QByteArray("\xed\x40\x92\xac" "1-2\r\n");
        QTest::newRow("Gensyo") << "Gensyo.ini" << QByteArray("\x87\x90\r\n\r\n");
    }
    void duplicateCodesComeBackByteForByte()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        TempDataRoot root;
        TestFixture::writeBytes(root.file("set/" + name), content);
        SetteiData data = SetteiData::load(Ken::Sonota);
        QVERIFY(data.readErrors.isEmpty());
        QVERIFY(data.save(Ken::Sonota));
        QCOMPARE(bytes(root, name), content);
        data.TikuList.append(QStringLiteral("新地区"));
        QVERIFY(data.save(Ken::Sonota));
        QVERIFY(bytes(root, name).startsWith(content));
    }

    void valuesShownWhenLoaded()
    {
        TempDataRoot root;
        root.write("set/DoctorName.ini", {"佐藤 誠,1234,"});
        root.write("set/InpSpt.ini", {"1", " 3000 "});
        root.write("set/Kariban.ini", {"  9000  "});
        root.write("set/DocBunrui.ini", {"指定"});
        const SetteiData data = SetteiData::load(Ken::Ibaraki);
        QCOMPARE(data.DoctorName, QStringLiteral("佐藤 誠"));
        QCOMPARE(data.DoctorCode, QStringLiteral("1234"));
        QCOMPARE(data.SpCh, 1);
        QCOMPARE(data.TensuAlarmFlag, 1);
        QCOMPARE(data.TensuAlarmLimit, 3000.0);
        QCOMPARE(data.TensuLimitText, QStringLiteral("3000"));
        QCOMPARE(data.Kariban, QStringLiteral("9000"));
        QVERIFY(data.DocBunruiSitei);
        QVERIFY(!SetteiData::load(Ken::Oita).DocBunruiSitei);
    }

    void writtenAsTheSettingsPageHoldsThem()
    {
        TempDataRoot root;
        SetteiData data;
        data.NameList = {"東谷,山本,00010001,住所,や,,,,-,,"};
        data.YokoHosei = " 1.5abc ";
        data.DocAd = "本町2-5, 診療所";
        data.DoctorName = "佐藤,誠";
        data.DoctorCode = "12";
        data.SpCh = 0;
        data.TensuLimitText = "";
        QVERIFY(data.save(Ken::Saga));
        QCOMPARE(TestFixture::readCp932(root.file("set/PrintSet.ini")), (QStringList{"1.5abc", "", ""}));
        QCOMPARE(TestFixture::readCp932(root.file("set/InpSpt.ini")), (QStringList{"0", ""}));
        QCOMPARE(bytes(root, "TikuName.ini"), QByteArray());
        QVERIFY(!QFile::exists(root.file("set/DocBunrui.ini")));
        // An address or a name holding "," reads back whole through value reading.
        const QStringList ad = ValueReader::readFile(root.file("set/DocAd.ini"));
        QCOMPARE(ad.value(0), QStringLiteral("本町2-5, 診療所"));
        const QStringList doctor = ValueReader::readFile(root.file("set/DoctorName.ini"));
        QCOMPARE(doctor.mid(0, 2), (QStringList{"佐藤,誠", "12"}));
        QCOMPARE(SetteiData::load(Ken::Sonota).DocAd, QStringLiteral("本町2-5, 診療所"));
    }

    // Every value of a file read by values comes back whole and in its place, "," or not.
    void valuesWithACommaReadBackInPlace()
    {
        TempDataRoot root;
        SetteiData data;
        data.YokoHosei = "1,5";
        data.TateHosei = "2";
        data.TensuLimitText = "1,000";
        data.Kariban = "9,000";
        QVERIFY(data.save(Ken::Sonota));
        QCOMPARE(ValueReader::readFile(root.file("set/PrintSet.ini")), (QStringList{"1,5", "2", ""}));
        QCOMPARE(ValueReader::readFile(root.file("set/InpSpt.ini")), (QStringList{"0", "1,000"}));
        QCOMPARE(SetteiData::load(Ken::Sonota).Kariban, QStringLiteral("9,000"));
    }

    // Numbers the system cannot hold count as invalid, 0, rather than overflowing.
    void hugeAlarmValuesCountAsZero()
    {
        TempDataRoot root;
        root.write("set/InpSpt.ini", {"1e10", "1e20"});
        const SetteiData data = SetteiData::load(Ken::Sonota);
        QCOMPARE(data.TensuAlarmFlag, 0);
        QCOMPARE(data.SpCh, 0);
        QCOMPARE(data.TensuAlarmLimit, 0.0);
        QCOMPARE(data.TensuLimitText, QStringLiteral("0"));
    }

    void addressOfAnOlderVersionIsNotCut()
    {
        TempDataRoot root;
        root.write("set/DocAd.ini", {"本町2-5,佐藤家畜診療所"});
        QCOMPARE(SetteiData::load(Ken::Sonota).DocAd, QStringLiteral("本町2-5,佐藤家畜診療所"));
    }

    void unreadableFileIsReportedAndKept()
    {
        TempDataRoot root;
        const QByteArray broken("\x82\xa0\x80\r\n", 5);
        TestFixture::writeBytes(root.file("set/NameCode.ini"), broken);
        const SetteiData data = SetteiData::load(Ken::Sonota);
        QCOMPARE(data.readErrors.size(), 1);
        QVERIFY(data.readErrors.first().contains("NameCode.ini"));
        QVERIFY(data.save(Ken::Sonota));
        QCOMPARE(bytes(root, "NameCode.ini"), broken);
        QVERIFY(QFile::exists(root.file("set/TikuName.ini")));
    }

    void freshInstallationGetsItsSettingsFolder()
    {
        TempDataRoot root;
        SetteiData data = SetteiData::load(Ken::Sonota);
        QVERIFY(data.readErrors.isEmpty());
        data.TikuList = {"東谷"};
        QVERIFY(data.save(Ken::Sonota));
        QCOMPARE(TestFixture::readCp932(root.path() + "/set/TikuName.ini"), (QStringList{"東谷"}));
    }
};

NOLVARI_TEST(SetteiDataTest)
#include "SetteiDataTest.moc"
