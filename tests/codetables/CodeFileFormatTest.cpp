#include "TestRegistry.h"

#include "codetables/CodeFileFormat.h"

#include <QtTest>

using Rows = QList<QStringList>;

class CodeFileFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void drugLines_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("columns to fields, column 5 never written")
            << Rows{{"注あ", "アンピシリン", "1g1V", "1", "V", "old", "312", "*"}}
            << QStringList{"注あ'アンピシリン'1g1V'*'312''1'V"};
        QTest::newRow("empty name deletes the row")
            << Rows{{"内け", "健胃散", "500g", "500", "g", "", "1100", "*"}, {"内け", "", "500g", "", "", "", "", "*"},
                    {"内け", "  ", "", "", "", "", "", ""}}
            << QStringList{"内け'健胃散'500g'*'1100''500'g"};
        QTest::newRow("separator and line breaks typed into cells are dropped")
            << Rows{{"外よ", "ヨード'チンキ\r\n", " 500'mL ", "500", "mL", "", "1'380", "*"}}
            << QStringList{"外よ'ヨードチンキ'500mL'*'1380''500'mL"};
        QTest::newRow("a new row gets the * field")
            << Rows{{"挿ふ", "新薬", "1個", "1", "個", "", "100"}} << QStringList{"挿ふ'新薬'1個'*'100''1'個"};
    }
    void drugLines()
    {
        QFETCH(Rows, rows);
        QFETCH(QStringList, lines);
        QCOMPARE(CodeFileFormat::yakkaLines(rows), lines);
    }

    void drugLinesSurviveLoadAndSave_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("ordinary") << "注か'カナマイシン注射液'1g4mL1V'*'245''1'V";
        QTest::newRow("price in field 3, field 4 g6") << "注ひ'ビタミン剤'10mL'480'g6''10'mL";
        QTest::newRow("price in field 3, field 4 empty") << "内さ'酸化マグネシウム'500g'760'''500'g";
    }
    void drugLinesSurviveLoadAndSave()
    {
        QFETCH(QString, line);
        const Rows rows = CodeFileFormat::yakkaRows({line, QString(), "no separator"});
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().size(), CodeFileFormat::YakkaCols);
        QCOMPARE(CodeFileFormat::yakkaLines(rows), QStringList{line});
    }

    void feeLinesDropCommasAndEndWithThreeClosingLines()
    {
        const Rows rows{{"1", "a,b", "10", "12"}, {"2", "", "5", "6"}, {"3", "往診", "1,5", "2"}, {"", "", "", ""}};
        const QStringList items = CodeFileFormat::sinryoLines(rows);
        QCOMPARE(items, (QStringList{"ab,10,12,", "往診,15,2,"}));
        QCOMPARE(CodeFileFormat::sinryoFileLines(items),
                 (QStringList{"ab,10,12,", "往診,15,2,", ",,,", ",,,", ",,,"}));
        QCOMPARE(CodeFileFormat::sinryoFileLines(CodeFileFormat::sinryoLines({{"1", " ", "1", "2"}})),
                 (QStringList{",,,", ",,,", ",,,"}));
    }

    void feeFileDoesNotGrowWhenSavedAgain()
    {
        QStringList file = CodeFileFormat::sinryoFileLines({"診断書,100,100,"});
        for (int round = 0; round < 3; ++round) {
            QStringList table = file;
            table.append(QString());
            const Rows rows = CodeFileFormat::sinryoRows(table);
            QCOMPARE(rows.size(), 5);  // the item, the three closing lines, the row for a new item
            QCOMPARE(rows.at(3), (QStringList{"4", "", "", ""}));
            file = CodeFileFormat::sinryoFileLines(CodeFileFormat::sinryoLines(rows));
        }
        QCOMPARE(file, CodeFileFormat::sinryoFileLines({"診断書,100,100,"}));
    }

    void feeCategoryKeepsEveryLine()
    {
        QStringList table;
        for (int i = 1; i <= 350; ++i)
            table.append(QStringLiteral("処置%1,%1,%1,").arg(i));
        table.insert(10, QString());  // a blank line inside the file
        table.append(QString());
        const Rows rows = CodeFileFormat::sinryoRows(table);
        QCOMPARE(rows.size(), 351);
        QCOMPARE(rows.at(349), (QStringList{"350", "処置350", "350", "350"}));
        QCOMPARE(CodeFileFormat::sinryoLines(rows).size(), 350);
    }

    void houseCallLines()
    {
        const QStringList table{"往診：日中'0.5k以内'60'70'", "往診：日中'2～4'140'170'", "", "no separator", ""};
        const Rows rows = CodeFileFormat::lenRows(table);
        QCOMPARE(rows, (Rows{{"往診：日中", "0.5k以内", "60", "70"}, {"往診：日中", "2～4", "140", "170"}}));
        Rows edited = rows;
        edited[0][0] = "往診：'夜間";
        edited[1][2] = "1'40";
        edited.append({"往診：深夜", "", "1", "2"});
        QCOMPARE(CodeFileFormat::lenLines(edited),
                 (QStringList{"往診：夜間'0.5k以内'60'70'", "往診：日中'2～4'140'170'"}));
    }

    void miyazakiDrugLines()
    {
        const QString line = "注'抗生'1001'アンピシリン'1g1V'1'V''312'";
        const Rows rows = CodeFileFormat::yakkaMiyazakiRows({line, ""});
        QCOMPARE(rows.size(), 1);
        QCOMPARE(CodeFileFormat::yakkaMiyazakiLines(rows), QStringList{line});
        Rows edited = rows;
        edited[0][3] = " アンピ'シリン ";
        edited.append({"内", "整腸", "2001", "", "500g", "500", "g", "", "10"});
        QCOMPARE(CodeFileFormat::yakkaMiyazakiLines(edited),
                 QStringList{"注'抗生'1001'アンピシリン'1g1V'1'V''312'"});
    }

    void miyazakiBand_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("text");
        QTest::newRow("range") << "3" << "5" << "3～5";
        QTest::newRow("up to") << "0.5" << "" << "0.5以内";
        QTest::newRow("no band") << "" << "" << "";
    }
    void miyazakiBand()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(QString, text);
        QCOMPARE(CodeFileFormat::bandText(lower, upper), text);
        QCOMPARE(CodeFileFormat::bandFields(text), std::make_pair(lower, upper));
    }

    void typedBandsAreSplit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("10以内") << "10以内" << "往診'0104'日中'10''150'";
        QTest::newRow("range") << "3～5" << "往診'0104'日中'3'5'150'";
        QTest::newRow("JIS wave dash") << "3〜5" << "往診'0104'日中'3'5'150'";
        QTest::newRow("apostrophe") << "3'～5" << "往診'0104'日中'3'5'150'";
    }
    void typedBandsAreSplit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QCOMPARE(CodeFileFormat::sinryoMiyazakiLines({{"往診", "0104", "日中", typed, "", "150"}}), QStringList{line});
    }

    void miyazakiFeeLinesKeepEveryField()
    {
        const QStringList lines{"往診'0102'日中'2'4'190'", "往診'0101'日中'2''150'", "処置'0301'創傷処置'小範囲'注記'30'"};
        const Rows rows = CodeFileFormat::sinryoMiyazakiRows(lines);
        QCOMPARE(rows.at(0), (QStringList{"往診", "0102", "日中", "2～4", "", "190"}));
        QCOMPARE(rows.at(1).at(3), QStringLiteral("2以内"));
        QCOMPARE(rows.at(2).at(4), QStringLiteral("注記"));
        QCOMPARE(CodeFileFormat::sinryoMiyazakiLines(rows), lines);
        QCOMPARE(CodeFileFormat::sinryoMiyazakiLines({{"", "0999", "x", "", "", "1"}, {"処置", "", "x", "", "", "1"}}),
                 QStringList{});
    }

    void viewerRows()
    {
        const Rows drugs = CodeFileFormat::miyazakiViewDrugRows({"注'抗生'1001'アンピ'1g'1'V'x'312'", ""});
        QCOMPARE(drugs, (Rows{{"注", "抗生", "1001", "アンピ", "1g", "1", "V", "312"}}));
        const Rows fees = CodeFileFormat::miyazakiViewFeeRows(
            {"往診'0102'日中'2'4'190'", "往診'0101'日中'2''150'", "往診'0100'同時'''0'", "検査'0401'血液検査'一般''40'", ""});
        QCOMPARE(fees, (Rows{{"往診", "0102", "日中2～4", "", "190"},
                             {"往診", "0101", "日中2以内", "", "150"},
                             {"往診", "0100", "同時", "", "0"},
                             {"検査", "0401", "血液検査", "一般", "40"}}));
    }
};

NOLVARI_TEST(CodeFileFormatTest)
#include "CodeFileFormatTest.moc"
