#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "codetables/CodeWindowLook.h"
#include "codetables/YakkaTourokuForm.h"
#include "common/CodeTableLoader.h"
#include "common/FlexGrid.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TextFile.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QStringList kDrugs{"注あ'アンピシリン'1g1V'*'312''1'V", "注か'カナマイシン'1g1V'*'245''1'V",
                         "注あ'アミノ酸'500mL'*'1150''500'mL", "内ひ'ビタミン剤'10mL'480'g6''10'mL"};
const QStringList kBunsyo{"診断書,100,100,", "証明書,80,80,", ",,,", ",,,", ",,,"};

// A data root with the code files, the tables loaded as at start-up.
struct Install
{
    TempDataRoot root;
    explicit Install(const QString& kenName = QStringLiteral("鳥取県"), const QStringList& drugs = kDrugs)
    {
        root.write("Code/YakkaCode.ini", drugs);
        root.write("Code/SinryoCode1.ini", kBunsyo);
        for (int k = 2; k <= 9; ++k)
            root.write(QStringLiteral("Code/SinryoCode%1.ini").arg(k),
                       {QStringLiteral("項目%1,%1,%1,").arg(k), ",,,", ",,,", ",,,"});
        root.write("Code/LenCode.ini", {"往診：日中'0.5k以内'60'70'", "往診：日中'0.5～2'100'120'"});
        root.write("Code/YakkaCode_Miyazaki.ini", {"注'抗生'1001'アンピシリン'1g1V'1'V''312'",
                                                   "注'抗生'1002'オキシテトラ'100mL'100'mL''1850'"});
        root.write("Code/SinryoCode_Miyazaki.ini", {"往診'0101'日中'2''150'", "処置'0301'創傷処置'小範囲''30'"});
        SharedState::get().setKen(kenName);
        CodeTableLoader::CodeTableLoadProc();
    }
    QStringList file(const QString& name) const { return TestFixture::readCp932(root.file("Code/" + name)); }
};

FlexGrid* grid(QWidget& form, int k)
{
    return form.findChild<FlexGrid*>(QStringLiteral("DataGrid%1").arg(k));
}

QLineEdit* editor(QWidget& form, int k)
{
    return form.findChild<QLineEdit*>(QStringLiteral("inpTx%1").arg(k));
}

void click(YakkaTourokuForm& form, int k, int row, int col)
{
    grid(form, k)->setCurrent(row, col);
    form.DataGrid_Click(k);
}

// Types into the open editor of page k as a user does: the text replaces the selection. Each
// character goes as a key event of its own text, which also carries Japanese characters.
void type(YakkaTourokuForm& form, int k, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, editor(form, k), Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QStringList messages()
{
    QStringList out;
    for (const MsgBox::Call& call : MsgBox::log())
        out.append(call.text);
    return out;
}

void answerAll(MsgBox::Answer answer)
{
    MsgBox::setResponder([answer](const MsgBox::Call&) { return answer; });
}
} // namespace

class YakkaTourokuFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void priceSavedSurvivesReloadAndReachesTheTable()
    {
        Install install;
        {
            YakkaTourokuForm form;
            click(form, 0, 1, 6);
            QVERIFY(!editor(form, 0)->isHidden());
            QCOMPARE(editor(form, 0)->text(), QStringLiteral("312"));
            type(form, 0, "330");
            QCOMPARE(grid(form, 0)->textMatrix(1, 6), QStringLiteral("330"));
            form.CmdGd_Click(1);
            QCOMPARE(messages(), QStringList{"登録しました。"});
        }
        QStringList expected = kDrugs;
        expected[0] = "注あ'アンピシリン'1g1V'*'330''1'V";
        QCOMPARE(install.file("YakkaCode.ini"), expected);
        QCOMPARE(SharedState::get().Tables.YakkaCodeTable, CodeTableLoader::tableOf(expected));
        SharedState::get().Tables = CodeTables();
        CodeTableLoader::CodeTableLoadProc();
        QCOMPARE(SharedState::get().Tables.YakkaCodeTable, CodeTableLoader::tableOf(expected));
        YakkaTourokuForm again;
        QCOMPARE(grid(again, 0)->textMatrix(1, 6), QStringLiteral("330"));
    }

    void feeSaveWritesOnlyTheChosenCategory()
    {
        Install install;
        const CodeTables before = SharedState::get().Tables;
        YakkaTourokuForm form;
        form.findChild<QRadioButton*>("SinryiOp7")->setChecked(true);
        QCOMPARE(form.SinryoKubunGetProc(), 7);
        QCOMPARE(grid(form, 1)->textMatrix(1, 1), QStringLiteral("項目8"));
        click(form, 1, 1, 2);
        type(form, 1, "25");
        form.CmdGd_Click(2);
        QCOMPARE(MsgBox::log().first().text, QStringLiteral("診療点数を登録します。"));
        QCOMPARE(MsgBox::log().first().title, QStringLiteral("登録"));
        QCOMPARE(install.file("SinryoCode8.ini"), (QStringList{"項目8,25,8,", ",,,", ",,,", ",,,"}));
        const CodeTables& after = SharedState::get().Tables;
        QCOMPARE(after.SinryoCodeTable[8], (QStringList{"項目8,25,8,", ""}));
        for (int k = 1; k <= 9; ++k)
            if (k != 8)
                QCOMPARE(after.SinryoCodeTable[k], before.SinryoCodeTable[k]);
        QCOMPARE(install.file("SinryoCode9.ini"), (QStringList{"項目9,9,9,", ",,,", ",,,", ",,,"}));
    }

    void feeFileDoesNotGrowOverSaves()
    {
        Install install;
        for (int round = 0; round < 2; ++round) {
            YakkaTourokuForm form;
            QCOMPARE(grid(form, 1)->rows(), 7);  // heading, two items, three closing lines, a new row
            form.CmdGd_Click(2);
            CodeTableLoader::CodeTableLoadProc();
        }
        QCOMPARE(install.file("SinryoCode1.ini"), kBunsyo);
    }

    void cancelledFeeSaveWritesNothing()
    {
        Install install;
        answerAll(MsgBox::Cancel);
        YakkaTourokuForm form;
        grid(form, 1)->setTextMatrix(1, 2, "1");
        form.CmdGd_Click(2);
        QCOMPARE(install.file("SinryoCode1.ini"), kBunsyo);
    }

    void houseCallSave()
    {
        Install install;
        YakkaTourokuForm form;
        click(form, 2, 2, 2);
        type(form, 2, "1'05");
        form.CmdGd_Click(15);
        QCOMPARE(messages(), (QStringList{"往診点数を登録します。", "登録しました。"}));
        const QStringList lines{"往診：日中'0.5k以内'60'70'", "往診：日中'0.5～2'105'120'"};
        QCOMPARE(install.file("LenCode.ini"), lines);
        QCOMPARE(SharedState::get().Tables.LenCodeTable, CodeTableLoader::tableOf(lines));
    }

    void drugPlus_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("editorRow");
        QTest::addColumn<QString>("editorText");
        QTest::addColumn<QStringList>("said");
        const QStringList three = kDrugs.first(3);
        QTest::newRow("same standard copies and moves down") << three << 2 << 6 << "312" << 3 << "1150" << QStringList{};
        QTest::newRow("other standard keeps the price") << kDrugs << 3 << 6 << "1150" << 3 << "1150"
                                                        << QStringList{"適用が違う"};
        QTest::newRow("first data row copies no heading") << three << 1 << 6 << "312" << 1 << "312" << QStringList{};
        QTest::newRow("quantity has nothing to compare") << three << 2 << 3 << "1" << 2 << "1" << QStringList{};
        QTest::newRow("last row copies nothing") << kDrugs.first(2) << 2 << 6 << "245" << 2 << "245"
                                                 << QStringList{};
    }
    void drugPlus()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, cell);
        QFETCH(int, editorRow);
        QFETCH(QString, editorText);
        QFETCH(QStringList, said);
        Install install(QStringLiteral("鳥取県"), lines);
        YakkaTourokuForm form;
        click(form, 0, row, col);
        type(form, 0, "+");
        QCOMPARE(grid(form, 0)->textMatrix(row, col), cell);
        QCOMPARE(grid(form, 0)->row(), editorRow);
        QCOMPARE(editor(form, 0)->text(), editorText);
        QVERIFY(!editor(form, 0)->isHidden());
        QCOMPARE(messages(), said);
    }

    void feePlusCopiesPointsOrNothing()
    {
        Install install;
        YakkaTourokuForm form;
        FlexGrid* fee = grid(form, 1);
        click(form, 1, 2, 3);
        type(form, 1, "+");
        QCOMPARE(fee->textMatrix(2, 3), QStringLiteral("80"));
        click(form, 1, 2, 2);
        type(form, 1, "+");
        QCOMPARE(fee->textMatrix(2, 2), QStringLiteral("100"));
        QCOMPARE(fee->textMatrix(2, 3), QStringLiteral("100"));
        QCOMPARE(fee->row(), 3);
        QCOMPARE(fee->col(), 2);
    }

    void uegyoCopy()
    {
        Install install;
        YakkaTourokuForm form;
        FlexGrid* drug = grid(form, 0);
        click(form, 0, 1, 2);
        form.CmdGd_Click(4);
        QCOMPARE(drug->textMatrix(1, 2), QStringLiteral("1g1V"));
        click(form, 0, 3, 2);
        form.CmdGd_Click(4);
        QCOMPARE(drug->textMatrix(3, 2), QStringLiteral("1g1V"));
        QVERIFY(editor(form, 0)->isHidden());
        drug->setCurrent(4, 0);  // a column without an editor is copied into all the same
        form.CmdGd_Click(4);
        QCOMPARE(drug->textMatrix(4, 0), QStringLiteral("注あ"));
    }

    void pricePrefill()
    {
        Install install(QStringLiteral("鳥取県"), {"注あ'A'1g'*'''1'V", "注あ'B'1g'*'300''1'V", "注あ'C'1g'*'''1'V",
                                                 "注あ''1g'*'''1'V"});
        YakkaTourokuForm form;
        FlexGrid* drug = grid(form, 0);
        click(form, 0, 1, 6);
        QCOMPARE(drug->textMatrix(1, 6), QString());
        click(form, 0, 3, 6);
        QCOMPARE(drug->textMatrix(3, 6), QStringLiteral("300"));
        QCOMPARE(editor(form, 0)->text(), QStringLiteral("300"));
        drug->setTextMatrix(4, 1, QString());
        click(form, 0, 4, 6);
        QCOMPARE(drug->textMatrix(4, 6), QString());
    }

    void f12TakesColumnFiveOnlyWhenItHoldsText()
    {
        Install install;
        YakkaTourokuForm form;
        FlexGrid* drug = grid(form, 0);
        click(form, 0, 2, 6);
        QTest::keyClick(editor(form, 0), Qt::Key_F12);
        QCOMPARE(drug->textMatrix(2, 6), QStringLiteral("245"));
        drug->setTextMatrix(2, 5, "250");
        QTest::keyClick(editor(form, 0), Qt::Key_F12);
        QCOMPARE(drug->textMatrix(2, 6), QStringLiteral("250"));
    }

    void keysMoveTheEditor()
    {
        Install install;
        YakkaTourokuForm form;
        click(form, 0, 1, 6);
        QTest::keyClick(editor(form, 0), Qt::Key_Return);
        QCOMPARE(grid(form, 0)->row(), 2);
        QTest::keyClick(editor(form, 0), Qt::Key_Down);
        QCOMPARE(grid(form, 0)->row(), 3);
        QCOMPARE(editor(form, 0)->text(), QStringLiteral("1150"));
        click(form, 1, 1, 2);
        QTest::keyClick(editor(form, 1), Qt::Key_Return);
        QCOMPARE(grid(form, 1)->col(), 3);
        QTest::keyClick(editor(form, 1), Qt::Key_Return);
        QCOMPARE(grid(form, 1)->row(), 2);
        QCOMPARE(grid(form, 1)->col(), 2);
        QVERIFY(editor(form, 0)->isHidden());
    }

    void categorySwitchHidesTheEditorAndAsksForUnsavedEdits()
    {
        Install install;
        YakkaTourokuForm form;
        auto* syoti = form.findChild<QRadioButton*>("SinryiOp1");
        auto* bunsyo = form.findChild<QRadioButton*>("SinryiOp0");
        click(form, 1, 1, 2);
        syoti->setChecked(true);
        QVERIFY(messages().isEmpty());
        QVERIFY(editor(form, 1)->isHidden());
        QCOMPARE(grid(form, 1)->textMatrix(1, 1), QStringLiteral("項目2"));

        click(form, 1, 1, 2);
        type(form, 1, "7");
        answerAll(MsgBox::Cancel);
        bunsyo->setChecked(true);
        QCOMPARE(messages().size(), 1);
        QVERIFY(syoti->isChecked());
        QCOMPARE(grid(form, 1)->textMatrix(1, 2), QStringLiteral("7"));
        QCOMPARE(form.SinryoKubunGetProc(), 1);

        answerAll(MsgBox::Ok);
        bunsyo->setChecked(true);
        QCOMPARE(grid(form, 1)->textMatrix(1, 1), QStringLiteral("診断書"));
        syoti->setChecked(true);
        QCOMPARE(grid(form, 1)->textMatrix(1, 2), QStringLiteral("2"));
    }

    void failedWriteKeepsTheOldFileAndTable()
    {
        Install install;
        const QByteArray before = TestFixture::readBytes(install.root.file("Code/YakkaCode.ini"));
        YakkaTourokuForm form;
        grid(form, 0)->setTextMatrix(1, 6, "999");
        TextFile::failNextWriteAfterBytes(5);
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().first().icon, MsgBox::Critical);
        QVERIFY(MsgBox::log().first().text.contains("YakkaCode.ini"));
        QCOMPARE(TestFixture::readBytes(install.root.file("Code/YakkaCode.ini")), before);
        QCOMPARE(SharedState::get().Tables.YakkaCodeTable, CodeTableLoader::tableOf(kDrugs));
    }

    // A code file with one bad byte shows as an empty table with a message naming the file and
    // the line; its "登録実行" refuses to write, so the file keeps every byte.
    void unreadableFileIsNeverSavedOver_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("page");     // page option to choose
        QTest::addColumn<QString>("category"); // fee category option to choose, or none
        QTest::addColumn<int>("command");
        QTest::newRow("drug prices") << "YakkaCode.ini" << "BunruiOp0" << "" << 1;
        QTest::newRow("fee category 処置") << "SinryoCode2.ini" << "BunruiOp1" << "SinryiOp1" << 2;
        QTest::newRow("house-call fees") << "LenCode.ini" << "BunruiOp2" << "" << 15;
    }
    void unreadableFileIsNeverSavedOver()
    {
        QFETCH(QString, name);
        QFETCH(QString, page);
        QFETCH(QString, category);
        QFETCH(int, command);
        Install install;
        const QByteArray broken("\x92\x8d'\x83\x41\x83\x93'1g'*'312''1'V\r\n\x92\x8d'b\x80'1g'*'1''1'V\r\n");
        const QString path = TestFixture::writeBytes(install.root.file("Code/" + name), broken);
        CodeTableLoader::CodeTableLoadProc();
        answerAll(MsgBox::Ok);
        YakkaTourokuForm form;
        form.findChild<QRadioButton*>(page)->setChecked(true);
        if (!category.isEmpty())
            form.findChild<QRadioButton*>(category)->setChecked(true);
        QVERIFY2(messages().join("|").contains(name + QStringLiteral("（2 行目")), qPrintable(messages().join("|")));
        MsgBox::clearLog();
        form.CmdGd_Click(command);
        QVERIFY2(messages().join("|").contains(name), qPrintable(messages().join("|")));
        QVERIFY(!messages().contains(QStringLiteral("登録しました。")));
        QCOMPARE(TestFixture::readBytes(path), broken);
    }

    // A drug whose name holds a character the code page holds twice goes back with its bytes
    // when another drug's price is registered.
    void unchangedLinesKeepTheirBytes()
    {
        Install install;
        const QByteArray first("\x92\x8d'\x87\x90\xfa\x4a\xed\x40'1g'*'312''1'V\r\n");
        const QString path = TestFixture::writeBytes(install.root.file("Code/YakkaCode.ini"),
                                                     first + "\x92\x8d'b'1g'*'1''1'V\r\n");
        YakkaTourokuForm form;
        grid(form, 0)->setTextMatrix(2, 6, "2");
        form.CmdGd_Click(1);
        QCOMPARE(messages(), QStringList{"登録しました。"});
        QCOMPARE(TestFixture::readBytes(path), first + "\x92\x8d'b'1g'*'2''1'V\r\n");
    }

    void unencodableTextIsRefused()
    {
        Install install;
        YakkaTourokuForm form;
        grid(form, 0)->setTextMatrix(1, 1, QStringLiteral("薬😀"));
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().first().icon, MsgBox::Critical);
        QCOMPARE(install.file("YakkaCode.ini"), kDrugs);
    }

    void missingDrugFileGivesAnEmptyGridAndSaysSo()
    {
        Install install;
        QFile::remove(install.root.file("Code/YakkaCode.ini"));
        YakkaTourokuForm form;
        QCOMPARE(grid(form, 0)->rows(), 1);
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().first().contains("YakkaCode.ini"));
        form.CmdGd_Click(6);  // the first drug of an empty table
        QCOMPARE(grid(form, 0)->rows(), 2);
        QCOMPARE(grid(form, 0)->textMatrix(1, 0), QString());
    }

    void kensaku_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("said");
        QTest::newRow("names") << 0 << "シン" << "1個あります";
        QTest::newRow("prices when no name") << 0 << "24" << "1個あります";
        QTest::newRow("empty") << 0 << "" << "検索文字は見つかりません。";
        QTest::newRow("none") << 0 << "ペニシリン" << "検索文字は見つかりません。";
        QTest::newRow("fee page, every cell") << 1 << "1" << "3個あります";
        QTest::newRow("house-call page") << 2 << "0.5" << "2個あります";
    }
    void kensaku()
    {
        QFETCH(int, page);
        QFETCH(QString, text);
        QFETCH(QString, said);
        Install install;
        YakkaTourokuForm form;
        form.findChild<QRadioButton*>(QStringLiteral("BunruiOp%1").arg(page))->setChecked(true);
        form.findChild<QLineEdit*>("KensakuTx")->setText(text);
        form.CmdGd_Click(7);
        QCOMPARE(messages(), QStringList{said});
        QCOMPARE(MsgBox::log().first().title, QStringLiteral("確認"));
    }

    void exactSearchSaysNothing()
    {
        Install install;
        YakkaTourokuForm form;
        auto* box = form.findChild<QLineEdit*>("KensakuTx");
        box->setText("1g1V");
        QTest::keyClick(box, Qt::Key_Return);
        box->setText("nothing");
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(messages().isEmpty());
    }

    void gyoTuikaCarriesCategoryAndName()
    {
        Install install;
        YakkaTourokuForm form;
        FlexGrid* drug = grid(form, 0);
        click(form, 0, 2, 3);
        form.CmdGd_Click(6);
        QCOMPARE(drug->rows(), 6);
        QCOMPARE(drug->textMatrix(3, 0), QStringLiteral("注か"));
        QCOMPARE(drug->textMatrix(3, 1), QStringLiteral("カナマイシン"));
        QCOMPARE(drug->textMatrix(3, 2), QString());
        QCOMPARE(drug->textMatrix(4, 1), QStringLiteral("アミノ酸"));
        QCOMPARE(drug->row(), 2);
        form.CmdGd_Click(13);
        QCOMPARE(grid(form, 2)->rows(), 3);
    }

    void clickMarksTheRowAndSkipsFixedCells()
    {
        Install install;
        YakkaTourokuForm form;
        QVERIFY(WindowMouse::click(form.findChild<QRadioButton*>("BunruiOp1")));
        FlexGrid* fee = grid(form, 1);
        QVERIFY(WindowMouse::clickCell(fee, 2, 1));
        QCOMPARE(fee->row(), 2);
        QVERIFY(!editor(form, 1)->isHidden());
        QCOMPARE(fee->cellBackColor(2, 3), CodeWindowLook::EditRowColor);
        QCOMPARE(fee->cellBackColor(1, 3), QColor(Qt::white));
        QCOMPARE(fee->cellBackColor(2, 0), ColorSetInfo::GridFixedBackColor());
        QVERIFY(WindowMouse::clickCell(fee, 3, 0));
        QCOMPARE(fee->row(), 2);
        QCOMPARE(fee->col(), 1);
        QVERIFY(!editor(form, 1)->isHidden());
    }

    void closeAsksFirst()
    {
        Install install;
        YakkaTourokuForm form;
        QSignalSpy finished(&form, &QDialog::finished);
        answerAll(MsgBox::Cancel);
        form.CmdGd_Click(0);
        QCOMPARE(finished.count(), 0);
        QCOMPARE(MsgBox::log().first().title, QStringLiteral("保存確認"));
        answerAll(MsgBox::Ok);
        form.CmdGd_Click(0);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(install.file("YakkaCode.ini"), kDrugs);
    }

    void miyazakiLayout()
    {
        Install install(QStringLiteral("宮崎県"));
        YakkaTourokuForm form;
        QVERIFY(form.findChild<QRadioButton*>("BunruiOp2")->isHidden());
        QVERIFY(form.findChild<QRadioButton*>("SinryiOp0")->isHidden());
        FlexGrid* drug = grid(form, 0);
        FlexGrid* fee = grid(form, 1);
        QCOMPARE(drug->textMatrix(2, 3), QStringLiteral("オキシテトラ"));
        QCOMPARE(fee->textMatrix(1, 3), QStringLiteral("2以内"));
        click(form, 0, 1, 1);
        QCOMPARE(drug->col(), 8);
        QCOMPARE(editor(form, 0)->text(), QStringLiteral("312"));
        click(form, 1, 2, 4);
        QCOMPARE(messages(), QStringList{"この列は変更できません。"});
        QVERIFY(editor(form, 1)->isHidden());

        MsgBox::clearLog();
        click(form, 1, 1, 3);
        type(form, 1, "3～5");
        form.CmdGd_Click(2);
        QCOMPARE(messages(), QStringList{"診療点数を登録します。"});
        QCOMPARE(install.file("SinryoCode_Miyazaki.ini"),
                 (QStringList{"往診'0101'日中'3'5'150'", "処置'0301'創傷処置'小範囲''30'"}));
        form.CmdGd_Click(1);
        QCOMPARE(install.file("YakkaCode_Miyazaki.ini"),
                 (QStringList{"注'抗生'1001'アンピシリン'1g1V'1'V''312'", "注'抗生'1002'オキシテトラ'100mL'100'mL''1850'"}));
    }
};

NOLVARI_TEST(YakkaTourokuFormTest)
#include "YakkaTourokuFormTest.moc"
