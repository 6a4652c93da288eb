#include "TestRegistry.h"

#include "common/Hankaku.h"
#include "common/KingakuFormatProc.h"

#include <QtTest>

class PrintTextFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void kingakuFormat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("formatted");
        QTest::newRow("grouped") << "12345" << "12,345";
        QTest::newRow("one decimal") << "1234.5" << "1,234.5";
        QTest::newRow("rounded to two") << "1234.567" << "1,234.57";
        QTest::newRow("half rounds up as written") << "1.005" << "1.01";
        QTest::newRow("no leading zero") << "0.5" << ".5";
        QTest::newRow("trailing zero dropped") << "2.50" << "2.5";
        QTest::newRow("zero") << "0" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("millions") << "1234567" << "1,234,567";
        QTest::newRow("rounds to a whole") << "999.999" << "1,000";
        QTest::newRow("negative") << "-1234.5" << "-1,234.5";
        QTest::newRow("not a number stays") << "abc" << "abc";
    }
    void kingakuFormat()
    {
        QFETCH(QString, text);
        QFETCH(QString, formatted);
        QCOMPARE(KingakuFormatProc(text), formatted);
    }

    void hankaku_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("narrow");
        QTest::newRow("letters and digits") << "ＡＢｃ１２" << "ABc12";
        QTest::newRow("signs and blank") << "＋＋　（－）" << "++ (-)";
        QTest::newRow("katakana") << "アイウ" << "ｱｲｳ";
        QTest::newRow("voiced katakana") << "ガッコウ" << "ｶﾞｯｺｳ";
        QTest::newRow("semi-voiced and vu") << "パヴ" << "ﾊﾟｳﾞ";
        QTest::newRow("punctuation") << "「ー」、。・" << "｢ｰ｣､｡･";
        QTest::newRow("kanji and hiragana stay") << "血あ" << "血あ";
        QTest::newRow("half-width stays") << "ｱ+1" << "ｱ+1";
    }
    void hankaku()
    {
        QFETCH(QString, text);
        QFETCH(QString, narrow);
        QCOMPARE(Hankaku::convert(text), narrow);
    }
};

NOLVARI_TEST(PrintTextFormatTest)
#include "PrintTextFormatTest.moc"
