#include "KarteFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/BunbenKiokuFile.h"
#include "chart/KarteCopy.h"
#include "chart/KarteFile.h"
#include "chart/NewKarteEntry.h"
#include "common/SharedState.h"
#include "registers/TourokuCheck.h"

#include <QDir>
#include <QtTest>

namespace {

NewKarteEntry::Input input(const QString& mimiban)
{
    NewKarteEntry::Input in;
    in.Mimiban = mimiban;
    in.Meigou = QStringLiteral("はな");
    in.Syurui = QStringLiteral("成乳牛");
    in.Seibetu = QStringLiteral("雌");
    in.Kyosai = QStringLiteral("包");
    in.BirthDay = QStringLiteral("-");
    in.Keiro = QStringLiteral("-");
    in.Tokutyo = QStringLiteral("-");
    return in;
}

KarteCopy::Moto moto()
{
    return {QStringLiteral("H7_00010001_1234_0.sxd"), QStringLiteral("1234"), QStringLiteral("乳房炎"),
            QStringLiteral("7.5.1")};
}

} // namespace

class NewKarteCopyTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        SharedState::get().KarteNendo = QStringLiteral("7");
    }

    void newChartChecks_data()
    {
        QTest::addColumn<int>("ken");
        QTest::addColumn<QString>("noukaCode");
        QTest::addColumn<QString>("mimiban");
        QTest::addColumn<QString>("meigou");
        QTest::addColumn<QString>("message");
        const int tottori = int(Ken::Tottori);
        QTest::newRow("no farmer") << tottori << "-" << "12" << "" << "組合員（農家）が選択されていません。";
        QTest::newRow("three digits") << tottori << "1" << "123" << "" << "耳標は4桁か10桁を入力してください。";
        QTest::newRow("K001") << tottori << "1" << "K001" << "" << "";
        QTest::newRow("ten digits") << tottori << "1" << "1234567890" << "" << "";
        QTest::newRow("branch number") << tottori << "1" << "123-2" << "" << "";
        QTest::newRow("twin") << tottori << "1" << "1234567890-1" << "" << "";
        QTest::newRow("鹿児島県 any number") << int(Ken::Kagoshima) << "1" << "7" << "" << "";
        QTest::newRow("length before apostrophe") << tottori << "1" << "12'" << "x'" << "耳標は4桁か10桁を入力してください。";
        QTest::newRow("apostrophe in the name") << tottori << "1" << "1234" << "は'な" << " ' は使用できません。";
        QTest::newRow("typographic apostrophe") << tottori << "1" << "1234" << "は’な" << " ’ は使用できません。";
        QTest::newRow("file name character") << tottori << "1" << "12/4" << "" << "使用できない文字 / が入力されています。";
        QTest::newRow("鹿児島県 control character") << int(Ken::Kagoshima) << "1" << "1\t2" << ""
                                                   << "使用できない文字 タブ が入力されています。";
    }

    void newChartChecks()
    {
        QFETCH(int, ken);
        QFETCH(QString, noukaCode);
        QFETCH(QString, mimiban);
        QFETCH(QString, meigou);
        QFETCH(QString, message);
        NewKarteEntry::Input in = input(mimiban);
        if (!meigou.isEmpty())
            in.Meigou = meigou;
        QCOMPARE(NewKarteEntry::check(in, noukaCode, Ken(ken)).text, message);
    }

    void newChartLines()
    {
        NoukaInfo nouka{QStringLiteral("東谷"), QStringLiteral(" 山本 一郎 "), QStringLiteral("00010001"),
                        QStringLiteral("東谷1-2")};
        QCOMPARE(NewKarteEntry::noukaLine(nouka), QStringLiteral("Main'東谷'山本 一郎'00010001'東谷1-2''''''''''"));
        NewKarteEntry::Input in = input(QStringLiteral(" K001 "));
        in.Kousi = true;
        in.KotaiBangou = QStringLiteral("1012345678");
        QCOMPARE(NewKarteEntry::fileName(QStringLiteral("7"), nouka.NoukaCode, in.Mimiban, in.Kousi),
                 QStringLiteral("H7_00010001_K001_1.sxd"));
        QCOMPARE(NewKarteEntry::kotaiLine(in, QStringLiteral("7"), nouka.NoukaCode),
                 QStringLiteral("Main'成乳牛'''-'雌'はな:1012345678''包''K001'-'-'H7_00010001_K001_1'"));
        QCOMPARE(NewKarteEntry::fileName(QStringLiteral("7"), nouka.NoukaCode, QString(), false),
                 QStringLiteral("H7_00010001__0.sxd"));
        QCOMPARE(NewKarteEntry::syuruiShown(Ken::Kagoshima), 16);
        QCOMPARE(NewKarteEntry::syuruiCaptions(Ken::Sonota).at(6), QStringLiteral("他"));
        QCOMPARE(NewKarteEntry::syuruiCaptions(Ken::Sonota).at(7), QStringLiteral("-"));
        QVERIFY(!NewKarteEntry::kotaiBangouShown(Ken::Saga));
    }

    void copySearchRefusals()
    {
        TempDataRoot root;
        TestFixture::writeCp932(root.file("H7/H7_00010001_5678_0.sxd"),
                                KarteFixture::chart({KarteFixture::block("乳房炎", "7.5.1")}));
        TestFixture::writeCp932(root.file("H7/H7_00010001_K001_0.sxd"), KarteFixture::chart({}, true));
        KarteCopy::Kensaku k = KarteCopy::KarteCopyProc(moto(), QStringLiteral("1234"));
        QCOMPARE(k.kind, KarteCopy::Kensaku::Refused);
        QCOMPARE(k.Message, QStringLiteral("1234は現在開かれています。"));
        k = KarteCopy::KarteCopyProc(moto(), QStringLiteral("5678"));
        QCOMPARE(k.Message, QStringLiteral("同じ病名で同じ初診日の記載がありますので、複製できません。"));
        k = KarteCopy::KarteCopyProc({"H7_1234.sxd", "1", "x", "y"}, QStringLiteral("5678"));
        QCOMPARE(k.Message, QStringLiteral("検索できません。"));
        k = KarteCopy::KarteCopyProc(moto(), QStringLiteral("../x"));
        QCOMPARE(k.Message, QStringLiteral("使用できない文字 / が入力されています。"));
        // The folder is asked ignoring letter case: "k001" finds the chart "K001".
        k = KarteCopy::KarteCopyProc(moto(), QStringLiteral("k001"));
        QCOMPARE(k.kind, KarteCopy::Kensaku::Found);
        QCOMPARE(k.FileName, QStringLiteral("H7_00010001_K001_0.sxd"));
        QCOMPARE(k.KotaiGd.at(0), QStringLiteral("はなこ:1234567890"));
        QCOMPARE(k.KotaiGd.at(3), QStringLiteral("H28.4.12"));
        k = KarteCopy::KarteCopyProc(moto(), QStringLiteral("9999"));
        QCOMPARE(k.kind, KarteCopy::Kensaku::NotFound);
        QCOMPARE(k.FileName, QStringLiteral("H7_00010001_9999_0.sxd"));
    }

    void copyIsAppendedAndNeverReplacesAChart()
    {
        TempDataRoot root;
        const QString target = root.file("H7/H7_00010001_K001_0.sxd");
        TestFixture::writeCp932(target, KarteFixture::chart({KarteFixture::block("肺炎", "7.4.1")}, true));
        const QByteArray before = TestFixture::readBytes(target);
        const QStringList copy = KarteFixture::block("乳房炎", "7.5.1");
        QString message;
        // A new chart for "k001" would replace the chart "K001": refused, nothing written.
        QVERIFY(!KarteCopy::write(moto(), QStringLiteral("H7_00010001_k001_0.sxd"), {"a", "b"}, true, copy, &message));
        QCOMPARE(message, QStringLiteral("この耳標番号のカルテはあります。番号を確認してください。"));
        QCOMPARE(TestFixture::readBytes(target), before);
        QVERIFY(KarteCopy::write(moto(), QStringLiteral("H7_00010001_K001_0.sxd"), {}, false, copy, &message));
        const QByteArray after = TestFixture::readBytes(target);
        QVERIFY(after.startsWith(before));
        QCOMPARE(TestFixture::readCp932(target).mid(2 + KarteBlock::LineCount), copy);
        // The episode is there now: a second copy is refused.
        QVERIFY(!KarteCopy::write(moto(), QStringLiteral("H7_00010001_K001_0.sxd"), {}, false, copy, &message));
        QCOMPARE(message, QStringLiteral("同じ病名で同じ初診日の記載がありますので、複製できません。"));
        QVERIFY(KarteCopy::write(moto(), QStringLiteral("H7_00010001_9999_0.sxd"),
                                 {KarteFixture::noukaLine(), KarteFixture::kotaiLine()}, true, copy, &message));
        const QStringList made = TestFixture::readCp932(root.file("H7/H7_00010001_9999_0.sxd"));
        QCOMPARE(made.size(), 2 + KarteBlock::LineCount);
        QCOMPARE(made.at(0), KarteFixture::noukaLine());
    }

    void calvingMemoryAppendsThenReplacesInPlace()
    {
        TempDataRoot root;
        const QString path = root.write("set/BunbenKioku.ini", {"古い記録", "00010001'9999'7.1.1'7.2.1"});
        const QByteArray before = TestFixture::readBytes(path);
        BunbenKiokuFile kioku = BunbenKiokuFile::read();
        kioku.record("00010001", "1234", "7.3.1", "-");
        QVERIFY(kioku.write());
        QCOMPARE(TestFixture::readCp932(path),
                 (QStringList{"古い記録", "00010001'9999'7.1.1'7.2.1", "00010001'1234'7.3.1'-"}));
        kioku.record("00010001", "1234", "7.3.1", "7.4.20");
        QVERIFY(kioku.write());
        QVERIFY(TestFixture::readBytes(path).startsWith(before));
        QCOMPARE(TestFixture::readCp932(path).at(2), QStringLiteral("00010001'1234'7.3.1'7.4.20"));
        QCOMPARE(TestFixture::readCp932(path).size(), 3);
        TestFixture::writeBytes(path, "\x81");
        kioku = BunbenKiokuFile::read();
        QVERIFY(!kioku.Readable);
        QVERIFY(!kioku.write());
        QCOMPARE(TestFixture::readBytes(path), QByteArray("\x81"));
    }
};

NOLVARI_TEST(NewKarteCopyTest)
#include "NewKarteCopyTest.moc"
