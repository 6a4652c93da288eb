#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/SharedState.h"
#include "common/SharedUtil.h"

#include <QtTest>

class SharedUtilTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void kaigyoDel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blank, pair, lone CR") << " 乳房\r\n炎\r" << "乳房炎";
        QTest::newRow("two LF") << "\n\n" << "";
        QTest::newRow("full-width space stays") << QString::fromUtf16(u"\u3000名号\u3000 ")
                                                << QString::fromUtf16(u"\u3000名号\u3000");
        QTest::newRow("blank inside stays") << "山本 一郎" << "山本 一郎";
        QTest::newRow("blank before a break") << "a \r\n " << "a";
    }

    void kaigyoDel()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(SharedUtil::KaigyoDelProc(text), expected);
    }

    void fileNameCheck_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("expectedOffending");
        QTest::newRow("letters") << "abcDEF" << true << "unchanged";
        QTest::newRow("colon then asterisk") << "a:b*c" << false << "*";
        QTest::newRow("asterisk then colon") << "a*b:c" << false << "*";
        QTest::newRow("bar last in list") << "a|b\\c" << false << "|";
        QTest::newRow("quote") << "a\"b" << false << "\"";
        QTest::newRow("tab") << "12\t34" << false << "タブ";
        QTest::newRow("line break after a colon") << "1:2\n" << false << "改行";
        QTest::newRow("escape") << "12\x1b" << false << "制御文字";
        QTest::newRow("right quote") << "12’34" << false << "’";
        QTest::newRow("two dots") << ".." << false << "..";
        QTest::newRow("dot inside") << "1.5" << true << "unchanged";
        QTest::newRow("full-width blank") << "12　34" << true << "unchanged";
    }

    void fileNameCheck()
    {
        QFETCH(QString, name);
        QString offending = "unchanged";
        QFETCH(bool, ok);
        QCOMPARE(SharedUtil::FileNameCheckProc(name, offending), ok);
        QFETCH(QString, expectedOffending);
        QCOMPARE(offending, expectedOffending);
    }

    void manryoDay_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("expected");
        QTest::newRow("match") << QStringList{"西原,森田 健,R6.1.1", "東谷,山本 一郎,R7.3.31"} << "R7.3.31";
        QTest::newRow("first match has no date")
            << QStringList{"東谷,山本 一郎,", "東谷,山本 一郎,R7.3.31"} << "満了日未設定";
        QTest::newRow("first match has two fields")
            << QStringList{"東谷,山本 一郎", "東谷,山本 一郎,R7.3.31"} << "満了日未設定";
        QTest::newRow("blank lines skipped") << QStringList{"", "東谷,山本 一郎,R7.3.31,x"} << "R7.3.31";
        QTest::newRow("other district") << QStringList{"北浜,山本 一郎,R8.1.1"} << "満了日未設定";
        QTest::newRow("one field") << QStringList{"東谷"} << "満了日未設定";
    }

    void manryoDay()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, expected);
        QCOMPARE(SharedUtil::ManryoDayProc(lines, "東谷", "山本 一郎"), expected);
    }

    void manryoDayFromFile()
    {
        TempDataRoot root;
        SharedState::get().CurrentNouka = {"東谷", "山本 一郎", "00010001", ""};
        QCOMPARE(SharedUtil::ManryoDayProc(), QStringLiteral("満了日未設定"));
        root.write("set/ManryoDay.ini", {"東谷,山本 一郎,R7.3.31"});
        QCOMPARE(SharedUtil::ManryoDayProc(), QStringLiteral("R7.3.31"));
    }

    void dellInfoSet_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("expected");
        const QString mark = "H5.4.1[死亡]";
        QTest::newRow("replaces every line of the chart")
            << QStringList{"H5_1_2_0,old", "H5_1_3_0,x", "H5_1_2_0,old2", ""} << "H5_1_2_0.txb"
            << QStringList{"H5_1_2_0," + mark, "H5_1_3_0,x", "H5_1_2_0," + mark, ""};
        QTest::newRow("appends before the empty element")
            << QStringList{"H5_1_3_0,x", ""} << "H5_1_2_0.txb" << QStringList{"H5_1_3_0,x", "H5_1_2_0," + mark, ""};
        QTest::newRow("ear tag holding a dot matches its book")
            << QStringList{"H5_1_12.5_0,old", ""} << "H5_1_12.5_0.txb" << QStringList{"H5_1_12.5_0," + mark, ""};
        QTest::newRow("list never loaded") << QStringList{} << "H5_1_2_0.txb" << QStringList{"H5_1_2_0," + mark, ""};
    }

    void dellInfoSet()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, fileName);
        SharedUtil::DellInfoSetProc(list, fileName, "H5.4.1[死亡]");
        QFETCH(QStringList, expected);
        QCOMPARE(list, expected);
    }

    void codeHenkan()
    {
        const SharedUtil::CodePairs table = {{"00001234", "00005678"}, {"00000001", "00000002"}};
        QCOMPARE(SharedUtil::CodeHenkanProc("00001234", table), QStringLiteral("00005678"));
        QCOMPARE(SharedUtil::CodeHenkanProc("1234", table), QStringLiteral("1234"));
        QCOMPARE(SharedUtil::CodeHenkanProc("00009999", table), QStringLiteral("00009999"));
    }

    void codeHenkanFromTheInstallation()
    {
        TempDataRoot root;
        QCOMPARE(SharedUtil::CodeHenkanProc("00001234"), QStringLiteral("00001234"));
        root.write("set/CodeHenkan.ini", {"00001234,00005678", ""});
        QCOMPARE(SharedUtil::CodeHenkanProc("00001234"), QStringLiteral("00005678"));
    }

    void zeroPad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three missing") << "12" << 5 << "00012";
        QTest::newRow("eight missing") << "12" << 10 << "0000000012";
        QTest::newRow("nine missing") << "12" << 11 << "12";
        QTest::newRow("long enough") << "12345" << 3 << "12345";
        QTest::newRow("empty") << "" << 4 << "";
    }

    void zeroPad()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(SharedUtil::ZeroPadProc(text, width), expected);
    }
};

NOLVARI_TEST(SharedUtilTest)
#include "SharedUtilTest.moc"
