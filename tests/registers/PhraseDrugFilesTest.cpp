#include "TestFixture.h"
#include "TestRegistry.h"

#include "registers/KyuYakuFile.h"
#include "registers/TeireiFile.h"
#include "registers/TourokuNameFile.h"

#include <QtTest>

class PhraseDrugFilesTest : public QObject
{
    Q_OBJECT

    const QStringList yakka{
        "注射'ビタミン注'10mL1管'*'120'''",
        "注射'ペニシリン'1V'*'''g6'",
        "注射'ワクチン'1V'*'g6''",
        "内用'整腸剤'1g'*'15'''",
        "注射'管理用注射液'2mL1管'*'50'''",
        "",
        "注射'読まれない'1管'*'1'''"};

private slots:
    void phraseRowHeights_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("height");
        QTest::newRow("33") << 33 << 220;
        QTest::newRow("34") << 34 << 440;
        QTest::newRow("66") << 66 << 440;
        QTest::newRow("99") << 99 << 660;
        QTest::newRow("100") << 100 << 880;
    }
    void phraseRowHeights()
    {
        QFETCH(int, length);
        QFETCH(int, height);
        QCOMPARE(TeireiFile::rowHeight(QString(length, QChar(u'あ')) + "  "), height);
    }

    void phrasesLoadAndSave()
    {
        TempDataRoot root;
        root.write("set/Teirei3.ini", {" 咳が続く ", "", "   ", "鼻汁"});
        QCOMPARE(TeireiFile::load(2), (QStringList{"咳が続く", "", "鼻汁"}));
        QVERIFY(TeireiFile::save(2, {" a\r\nb ", "c"}));
        QCOMPARE(TestFixture::readCp932(root.file("set/Teirei3.ini")), (QStringList{"ab", "c"}));
        QCOMPARE(TeireiFile::load(7), QStringList());
    }

    // Deleting the last phrase of a class leaves an empty file, so the phrase does not come back.
    void lastPhraseDeletedStaysDeleted()
    {
        TempDataRoot root;
        root.write("set/Teirei1.ini", {"最後の定例文"});
        QVERIFY(TeireiFile::save(0, {}));
        QCOMPARE(TestFixture::readBytes(root.file("set/Teirei1.ini")), QByteArray());
        QCOMPARE(TeireiFile::load(0), QStringList());
    }

    void drugsOfACategoryWithTheirNames()
    {
        TempDataRoot root;
        root.write("set/TourokuNameC.ini", {"注'ビタミン注：10mL1瓶'ビタミン", "注'ワクチン：1バイアル'ワクチンA",
                                             "注'消えた薬：1V'古い名前"});
        const TourokuNameFile::Listing l = TourokuNameFile::list(0, yakka);
        QCOMPARE(l.rows.size(), 4);
        QCOMPARE(l.rows.at(0), (QStringList{"射", "ビタミン注", "10mL1管", "120", "", ""}));
        QCOMPARE(l.rows.at(1).at(3), QStringLiteral("*"));
        QCOMPARE(l.rows.at(2).at(5), QStringLiteral("ワクチンA"));
        QCOMPARE(l.rows.at(2).at(3), QStringLiteral("*"));
        QCOMPARE(l.keptLines, (QStringList{"注'ビタミン注：10mL1瓶'ビタミン", "注'消えた薬：1V'古い名前"}));
        QCOMPARE(TourokuNameFile::list(1, yakka).rows.size(), 1);
    }

    // A name whose drug name holds a unit word is matched and kept; a name that matches no drug
    // stays in the file when the category is rewritten.
    void rewriteKeepsNamesItCannotShow()
    {
        TempDataRoot root;
        root.write("set/TourokuNameC.ini", {"注'管理用注射液：2mL1管'管理", "注'消えた薬：1V'古い名前"});
        TourokuNameFile::Listing l = TourokuNameFile::list(0, yakka);
        QCOMPARE(l.rows.at(3).at(1), QStringLiteral("管理用注射液"));
        QCOMPARE(l.rows.at(3).at(5), QStringLiteral("管理"));
        l.rows[1][5] = "ペニ";
        QVERIFY(TourokuNameFile::save(0, l, false, nullptr));
        QCOMPARE(TestFixture::readCp932(root.file("set/TourokuNameC.ini")),
                 (QStringList{"注'ペニシリン：1V'ペニ", "注'管理用注射液：2mL1管'管理", "注'消えた薬：1V'古い名前"}));
    }

    void miyazakiPrintNames()
    {
        TempDataRoot root;
        const QStringList table{"注'抗生'A01'ペニシリン'1V'1'V'500'牛", "注'抗生'A02'セフ'1g'2'g'300'牛",
                                "内'整腸'B01'整腸剤'1g'1'g'10'牛", ""};
        root.write("set/PrintNameC.ini", {"注'A02'セフ：1g'セフ注'2'g", "注'A01'x'短い'1", "説明行"});
        TourokuNameFile::Listing l = TourokuNameFile::listMiyazaki(0, table);
        QCOMPARE(l.rows.size(), 2);
        QCOMPARE(l.rows.at(1), (QStringList{"A02", "セフ", "1g", "2", "g", "セフ注"}));
        QCOMPARE(l.rows.at(0).at(5), QString());
        l.rows[0][5] = " ペニ\r\n ";
        QCOMPARE(TourokuNameFile::lines(0, l, true),
                 (QStringList{"注'A01'ペニシリン：1V'ペニ'1'V", "注'A02'セフ：1g'セフ注'2'g"}));
    }

    void withdrawalTextsOfRegisteredDrugs()
    {
        TempDataRoot root;
        root.write("set/TourokuNameC.ini", {"注'ビタミン注：10mL1管'ビタミン"});
        root.write("set/TourokuNameN.ini", {"内'整腸剤：1g'ビタミン"});
        root.write("set/SubSet1.ini", {"内'ビタミン'休薬期間　牛3日'整腸剤：1g", "注'消えた'x'y", ""});
        QList<KyuYakuFile::Row> rows = KyuYakuFile::load();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).Insatu, QString());
        QCOMPARE(rows.at(1).Insatu, QStringLiteral("休薬期間　牛3日"));
        rows[0].Insatu = "休薬期間　牛3日";
        QCOMPARE(KyuYakuFile::kouho(rows), (QStringList{"休薬期間　牛3日"}));
        QVERIFY(KyuYakuFile::save(rows, nullptr));
        QCOMPARE(TestFixture::readCp932(KyuYakuFile::path()),
                 (QStringList{"注'ビタミン'休薬期間　牛3日'ビタミン注：10mL1管", "内'ビタミン'休薬期間　牛3日'整腸剤：1g"}));
    }
};

NOLVARI_TEST(PhraseDrugFilesTest)
#include "PhraseDrugFilesTest.moc"
