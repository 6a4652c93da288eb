#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteBlock.h"
#include "chart/KarteData2Record.h"
#include "chart/KarteNameRecord.h"
#include "common/Cp932.h"
#include "common/SharedState.h"
#include "common/SiteProfile.h"
#include "common/TextFile.h"
#include "postmortem/GensyoKouhoFile.h"
#include "postmortem/KenanFile.h"
#include "postmortem/KenanHidukeKeyProc.h"
#include "postmortem/KenanIdentity.h"
#include "postmortem/KenanPrefill.h"

#include <QtTest>

// The certificate file, the pre-fill from the chart, the symptom candidates and the identity.
class KenanModelTest : public QObject
{
    Q_OBJECT

    static KenanData sample()
    {
        KenanData d;
        d.InfoGd[0] = "東谷：山本 一郎：00010001";
        d.InfoGd[1] = "成乳牛：H30.3.15：雌：はなこ:1012345678";
        d.InfoGd[2] = "第四胃変位：4-2-1";
        d.sihai = KenanData::Hai;
        d.bunrui = KenanData::Sindan;
        d.HaiyoTxt = "起立不能: 予後不良";
        for (int i = 0; i < KenanData::InpCount; ++i)
            d.K_InpText[i] = QString::number(i) + ",\"" + QString(i, QChar(0x3042));
        d.InfoTx[0] = "食欲不振,\"反芻\"なし";
        d.InfoTx[1] = "  不明  ";
        d.InfoTx[2] = "一行目\r\n二行目\n三行目";
        return d;
    }

    // A chart of the year 7 with one episode.
    static void writeChart(const TempDataRoot& root, const QString& file, const QString& birth, const QString& meigou,
                           const QString& tenki)
    {
        KarteBlock block;
        KarteNameRecord name;
        name.ByoName = "乳房炎";
        name.ByoCode = "6-1-1";
        name.HatubyoDate = "7.5.19";
        name.SyosinDate = "7.5.20";
        name.SyusinDate = "7.5.23";
        name.TenkiDate = "7.5.30";
        name.Tenki = tenki;
        name.SinryoKaisu = "3";
        name.write(block, Ken::Tottori);
        KarteData2Record data2;
        data2.Rinkoku = "乳量低下";
        data2.Genin = "不明";
        data2.write(block, Ken::Tottori);
        const QString nouka = "Main'東谷'山本 一郎'00010001'鳥取県中央市東谷1-2'''''''''''";
        const QString kotai = QString("Main'成乳牛'''%1'雌'%2''包''1234'黒白'-'H7_00010001_1234_0''R6.4.1''")
                                  .arg(birth, meigou);
        root.write("H7/" + file, QStringList{nouka, kotai} + block.lines());
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        SharedState::get().KarteNendo = "7";
    }

    void hidukeKey_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << "" << "00-00-00";
        QTest::newRow("no dash") << "5" << "00-00-00";
        QTest::newRow("three groups") << "1-2-3" << "01-02-03";
        QTest::newRow("empty last") << "12-3-" << "12-03-00";
        QTest::newRow("long group") << "01-002-3" << "01-002-03";
        QTest::newRow("two groups") << "1-2" << "01-02-00";
        QTest::newRow("more groups") << "1-2-3-4" << "01-02-03";
    }
    void hidukeKey()
    {
        QFETCH(QString, code);
        QFETCH(QString, key);
        QCOMPARE(KenanHidukeKeyProc(code), key);
    }

    // Save then load gives every value back: line breaks removed, ends trimmed, the reason
    // whole although it holds ":"; the file is 23 CP932 lines ended by CR LF.
    void roundTrip()
    {
        TempDataRoot root;
        const QString chart = "H7_00010001_12.5_0.sxd";
        QString error;
        QVERIFY2(KenanFile::save(chart, sample(), &error), qPrintable(error));
        QCOMPARE(KenanFile::path(chart), root.path() + "/kdata/H7_00010001_12.5_0.kdt");
        const QStringList lines = TestFixture::readCp932(KenanFile::path(chart));
        QCOMPARE(lines.size(), 23);
        QCOMPARE(lines.at(3), QStringLiteral("False:False"));
        QCOMPARE(lines.at(4), QStringLiteral("False:True"));
        QCOMPARE(lines.at(5), QStringLiteral("True:起立不能: 予後不良"));
        QCOMPARE(lines.at(20), QStringLiteral("不明"));
        QCOMPARE(lines.at(21), QStringLiteral("一行目二行目三行目"));
        QCOMPARE(lines.at(22), QStringLiteral("end"));
        const QByteArray bytes = TestFixture::readBytes(KenanFile::path(chart));
        QVERIFY(bytes.endsWith("end\r\n"));
        QCOMPARE(bytes.count("\r\n"), 23);
        KenanData back;
        QVERIFY(KenanFile::load(chart, back, &error));
        QCOMPARE(back.lines(), sample().lines());
        QCOMPARE(back.HaiyoTxt, sample().HaiyoTxt);
        QCOMPARE(back.sihai, int(KenanData::Hai));
        QCOMPARE(back.bunrui, int(KenanData::Sindan));
        QCOMPARE(back.K_InpText[5], sample().K_InpText[5]);
    }

    void codePage()
    {
        TempDataRoot root;
        KenanData d;
        d.InfoTx[2] = "①∵髙";
        QString error;
        QVERIFY(KenanFile::save("a.sxd", d, &error));
        const QList<QByteArray> lines = TestFixture::readBytes(KenanFile::path("a.sxd")).split('\n');
        QCOMPARE(lines.at(21), QByteArray("\x87\x40\x81\xe6\xfb\xfc\r"));
        QCOMPARE(lines.at(3), QByteArray("True:True\r"));
    }

    // A certificate loaded and saved again keeps the bytes of characters the code page writes in
    // more than one way (∵ and Ⅰ of the extension rows), line by line.
    void keepsDuplicateCodes()
    {
        TempDataRoot root;
        KenanData d = sample();
        d.InfoTx[2] = "∵Ⅰ";
        QString error;
        QVERIFY(KenanFile::save("a.sxd", d, &error));
        const QString path = KenanFile::path("a.sxd");
        QByteArray bytes = TestFixture::readBytes(path);
        const QByteArray usual = Cp932::encode(u"∵Ⅰ").value();
        const QByteArray other("\x87\x9a\xfa\x4a");
        QVERIFY(usual != other && bytes.contains(usual));
        bytes.replace(usual, other);
        TestFixture::writeBytes(path, bytes);
        KenanData back;
        QVERIFY2(KenanFile::load("a.sxd", back, &error), qPrintable(error));
        QCOMPARE(back.InfoTx[2], QStringLiteral("∵Ⅰ"));
        QVERIFY(KenanFile::save("a.sxd", back, &error));
        QCOMPARE(TestFixture::readBytes(path), bytes);
    }

    // Files of other shapes: option lines of one flag, a short file.
    void loadShortFile_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("sihai");
        QTest::addColumn<int>("bunrui");
        QTest::addColumn<QString>("reason");
        QTest::newRow("flags alone") << QStringList{"a", "b", "c", "False", "False", "True"} << 2 << 0 << "";
        QTest::newRow("no True") << QStringList{"a", "b", "c", "False:False", "False:False", "False:x"} << 0 << 0
                                 << "x";
        QTest::newRow("three lines") << QStringList{"a", "b", "c"} << 0 << 0 << "";
        QTest::newRow("law and diagnosis") << QStringList{"a", "b", "c", "False:False", "True:True", "False:"} << 1
                                           << 1 << "";
    }
    void loadShortFile()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, sihai);
        QFETCH(int, bunrui);
        QFETCH(QString, reason);
        const KenanData d = KenanData::fromLines(lines);
        QCOMPARE(d.InfoGd[2], QStringLiteral("c"));
        QCOMPARE(d.sihai, sihai);
        QCOMPARE(d.bunrui, bunrui);
        QCOMPARE(d.HaiyoTxt, reason);
        QCOMPARE(d.InfoTx[2], QString());
        QCOMPARE(d.lines().size(), 23);
    }

    // A failed write keeps the old certificate and says so.
    void failedSaveKeepsTheFile()
    {
        TempDataRoot root;
        QString error;
        QVERIFY(KenanFile::save("a.sxd", sample(), &error));
        const QByteArray before = TestFixture::readBytes(KenanFile::path("a.sxd"));
        KenanData other;
        TextFile::failNextWriteAfterBytes(10);
        QVERIFY(!KenanFile::save("a.sxd", other, &error));
        QVERIFY(error.contains("a.kdt"));
        QCOMPARE(TestFixture::readBytes(KenanFile::path("a.sxd")), before);
    }

    void prefill_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("meigou");
        QTest::addColumn<QString>("tenki");
        QTest::addColumn<QString>("birthBox");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("sihai");
        QTest::newRow("法令殺") << "H25.3.4" << "はなこ:1012345678" << "法令殺" << "25.3.4" << "1012345678" << 1;
        QTest::newRow("廃用") << "R1.5.1" << "はなこ" << "廃用" << "1.5.1" << "" << 2;
        QTest::newRow("死亡") << "S60.1.1" << "はなこ:1:2" << "死亡" << "S60.1.1" << "1" << 0;
        QTest::newRow("治癒") << "5.4.1" << "はなこ" << "治癒" << "5.4.1" << "" << 0;
        QTest::newRow("未") << "5.4.1" << "はなこ" << "未" << "5.4.1" << "" << 0;
    }
    void prefill()
    {
        QFETCH(QString, birth);
        QFETCH(QString, meigou);
        QFETCH(QString, tenki);
        QFETCH(QString, birthBox);
        QFETCH(QString, number);
        QFETCH(int, sihai);
        TempDataRoot root;
        writeChart(root, "H7_00010001_1234_0.sxd", birth, meigou, tenki);
        KenanData d;
        QString error;
        const QString path = SharedState::get().kartePath("H7_00010001_1234_0.sxd");
        QVERIFY2(KenanPrefill::fill(path, "乳房炎", "7.5.20", d, &error), qPrintable(error));
        QCOMPARE(d.InfoGd[0], QStringLiteral("東谷：山本 一郎：00010001"));
        QCOMPARE(d.InfoGd[1], "成乳牛：" + birth + "：雌：" + meigou);
        QCOMPARE(d.InfoGd[2], QStringLiteral("乳房炎：6-1-1"));
        QCOMPARE(d.K_InpText[5], birthBox);
        QCOMPARE(d.K_InpText[2], number);
        QCOMPARE(d.sihai, sihai);
        const QStringList boxes{"", "00010001", number, "成乳牛", "雌", birthBox, "1234", "",
                                "7.5.19", "7.5.20", "7.5.23", "7.5.30", "3"};
        for (int i = 0; i < KenanData::InpCount; ++i)
            QCOMPARE(d.K_InpText[i], boxes.at(i));
        QCOMPARE(d.InfoTx[0], QStringLiteral("乳量低下"));
        QCOMPARE(d.InfoTx[1], QStringLiteral("不明"));
        QCOMPARE(d.InfoTx[2], QString());

        KenanData header;
        QVERIFY(KenanPrefill::fill(path, "乳房炎", "7.5.21", header, &error));
        QCOMPARE(header.InfoGd[2], QStringLiteral("-"));
        QCOMPARE(header.K_InpText[8], QString());
        QCOMPARE(header.K_InpText[6], QStringLiteral("1234"));
        QCOMPARE(header.sihai, 0);
    }

    void prefillRefusesAChartThatDoesNotRead()
    {
        TempDataRoot root;
        root.write("H7/H7_1_2_0.sxd", {"Main'a'b'c", "broken"});
        KenanData d;
        QString error;
        QVERIFY(!KenanPrefill::fill(SharedState::get().kartePath("H7_1_2_0.sxd"), "a", "b", d, &error));
        QVERIFY2(error.contains("H7_1_2_0.sxd"), qPrintable(error));
        QVERIFY(!KenanPrefill::fill(SharedState::get().kartePath("H7_9_9_0.sxd"), "a", "b", d, &error));
        QVERIFY2(error.contains("H7_9_9_0.sxd"), qPrintable(error));
    }

    // A damaged episode line stops the pre-fill of a new certificate; the headers a saved
    // certificate opens over still read, so the saved one is not lost with the episode.
    void damagedEpisodeLine()
    {
        TempDataRoot root;
        writeChart(root, "H7_00010001_1234_0.sxd", "H25.3.4", "はなこ", "死亡");
        const QString path = SharedState::get().kartePath("H7_00010001_1234_0.sxd");
        QByteArray bytes = TestFixture::readBytes(path);
        bytes[bytes.indexOf(Cp932::encode(u"乳量低下").value())] = '\x80';
        TestFixture::writeBytes(path, bytes);
        KenanData d;
        QString error;
        QVERIFY(!KenanPrefill::fill(path, "乳房炎", "7.5.20", d, &error));
        QVERIFY2(error.contains("H7_00010001_1234_0.sxd"), qPrintable(error));
        KenanData header;
        QVERIFY2(KenanPrefill::header(path, header, &error), qPrintable(error));
        QCOMPARE(header.InfoGd[0], QStringLiteral("東谷：山本 一郎：00010001"));
        QCOMPARE(header.K_InpText[5], QStringLiteral("25.3.4"));
    }

    void kouhoNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("number");
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("blanks") << " 50 " << 50;
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("51") << "51" << 0;
        QTest::newRow("leading zero") << "07" << 0;
        QTest::newRow("fraction") << "7.0" << 0;
        QTest::newRow("letters after") << "7abc" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("path") << "..\\1" << 0;
        QTest::newRow("negative") << "-7" << 0;
        QTest::newRow("full-width") << "７" << 0;
    }
    void kouhoNumber()
    {
        QFETCH(QString, typed);
        QFETCH(int, number);
        QCOMPARE(GensyoKouhoFile::number(typed).value_or(0), number);
    }

    void kouhoFiles()
    {
        TempDataRoot root;
        QString error;
        QVERIFY(GensyoKouhoFile::save(7, "一回目", &error));
        QVERIFY(GensyoKouhoFile::save(7, " 二回目,\"引用\"\r\n続き ", &error));
        QCOMPARE(TestFixture::readCp932(root.path() + "/kdata/gensyo-7.ini"), QStringList{"二回目,\"引用\"続き"});
        const QStringList all = GensyoKouhoFile::loadAll();
        QCOMPARE(all.size(), 50);
        QCOMPARE(all.at(6), QStringLiteral("二回目,\"引用\"続き"));
        QCOMPARE(all.at(0), QString());
    }

    void identity_data()
    {
        QTest::addColumn<QString>("doctor");
        QTest::addColumn<QString>("clinic");
        QTest::addColumn<QString>("name");
        QTest::newRow("one key") << "佐藤 誠" << "佐藤家畜診療所" << "佐 藤 誠";
        QTest::newRow("later key wins") << "田中佐藤" << "田中動物病院" << "田 中 一 郎";
        QTest::newRow("none") << "鈴木" << "" << "";
    }
    void identity()
    {
        QFETCH(QString, doctor);
        QFETCH(QString, clinic);
        QFETCH(QString, name);
        const QList<SiteProfile> rows = SiteProfile::parse({
            "田中,鳥取県,SiteTottoriVetC,KenanClinic=田中動物病院,KenanDoctor=田中 一郎",
            "佐藤,鳥取県,SiteTottoriVetA,KenanClinic=佐藤家畜診療所,KenanDoctor=佐藤 誠",
            "鈴,宮崎県,SiteTottoriVetE,KenanClinic=他県",
        });
        const KenanIdentity id = KenanIdentity::find(rows, doctor);
        QCOMPARE(id.clinic, clinic);
        QCOMPARE(id.doctor, name);
    }
};

NOLVARI_TEST(KenanModelTest)
#include "KenanModelTest.moc"
