#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "chart/KarteBlock.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "registers/KouhoListFile.h"
#include "dialogs/HinagataFile.h"
#include "dialogs/HinagataForm.h"
#include "dialogs/TourokuNameForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

class HinagataFormTest : public QObject
{
    Q_OBJECT

    static HandOver& hand() { return SharedState::get().Hand; }

    static QStringList block(const QString& name, const QString& code)
    {
        KarteBlock b;
        b.setCell(0, 2, name);
        b.setCell(0, 3, code);
        b.setCell(5, 4, name + "の薬");
        return b.lines();
    }

    // Class 7: 乳房炎 and 乳頭炎 and a damaged file; class 6: 子宮炎; no class: 不明.
    static void writeTemplates(const TempDataRoot& root)
    {
        root.write("set/乳房炎.hxd", block("乳房炎", "7-1-1"));
        root.write("set/乳頭炎.hxd", block("乳頭炎", "7-2-0"));
        root.write("set/子宮炎.hxd", block("子宮炎", "6-5-1"));
        root.write("set/不明.hxd", block("不明", "7"));
        root.write("set/短い.hxd", block("短い", "7-3-1").mid(0, 100));
    }


    static void clickEntry(HinagataForm& form, const QString& name)
    {
        QVERIFY(WindowMouse::clickItem(form.List1, name));
    }

    static void startRegister(const QString& name, const QString& code)
    {
        hand().HinagataMode = 0;
        hand().HinagataNameIn = name;
        hand().HinagataCodeIn = code;
        hand().HinagataKarteLines = block(name, code);
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void fileRules()
    {
        TempDataRoot root;
        writeTemplates(root);
        QCOMPARE(HinagataFile::list(7), (QStringList{"乳房炎", "乳頭炎", "短い"}));
        QCOMPARE(HinagataFile::bunrui(block("x", "12-1-0").first()), 12);
        QCOMPARE(HinagataFile::bunrui(block("x", "12").first()), -1);
        QStringList lines;
        QString error;
        QVERIFY(HinagataFile::read("乳房炎", lines, &error));
        QCOMPARE(lines, block("乳房炎", "7-1-1"));
        QVERIFY(!HinagataFile::read("短い", lines, &error));
        QVERIFY(error.contains("短い.hxd"));
        QStringList broken = block("x", "7-1-1");
        broken[10] += "extra'";
        QVERIFY(!HinagataFile::check(broken));
    }

    void registerNewName()
    {
        TempDataRoot root;
        writeTemplates(root);
        startRegister("乳房炎_肺炎", "7-1-1");
        HinagataForm form;
        QCOMPARE(form.TitleGd->text(), QStringLiteral("雛形登録"));
        QCOMPARE(form.CmdGd->at(1)->text(), QStringLiteral("登録実行"));
        QVERIFY(form.BunruiOp[6]->isChecked());
        QCOMPARE(KouhoListFile::items(form.List1), (QStringList{"乳房炎", "乳頭炎", "短い"}));
        QCOMPARE(form.NameGd->text(), QStringLiteral("乳房炎_肺炎"));
        WindowMouse::click(form.CmdGd->at(1));
        QVERIFY(!form.isVisible());
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("登録しました。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("雛形登録"));
        QCOMPARE(hand().HinagataMode, 0);
        QCOMPARE(TestFixture::readCp932(HinagataFile::path("乳房炎_肺炎")), block("乳房炎_肺炎", "7-1-1"));
    }

    // A name that exists in any class is overwritten only after the question.
    void registerOverExistingFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("same class") << "乳房炎" << "7-1-1";
        QTest::newRow("other class") << "子宮炎" << "7-1-1";
        QTest::newRow("no class listed") << "不明" << "7";
    }
    void registerOverExistingFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, code);
        TempDataRoot root;
        writeTemplates(root);
        const QByteArray before = TestFixture::readBytes(HinagataFile::path(name));
        startRegister(name, code);
        hand().HinagataKarteLines[5] = block("新しい", code).at(5);
        MsgBox::setResponder([](const MsgBox::Call&) { return MsgBox::Cancel; });
        HinagataForm form;
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("この名前は既に登録されています。上書きしますか？"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("雛形登録"));
        QVERIFY(form.isVisible());
        QCOMPARE(TestFixture::readBytes(HinagataFile::path(name)), before);
        MsgBox::setResponder([](const MsgBox::Call& call) { return MsgBox::defaultAnswer(call.buttons); });
        WindowMouse::click(form.CmdGd->at(1));
        QVERIFY(!form.isVisible());
        QCOMPARE(TestFixture::readCp932(HinagataFile::path(name)), hand().HinagataKarteLines);
    }

    void registerRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("message");
        QTest::newRow("slash in the disease name") << "乳房炎/肺炎" << 224 << "使用できない文字が含まれています。";
        QTest::newRow("bar") << "乳房炎|肺炎" << 224 << "使用できない文字が含まれています。";
        QTest::newRow("short block") << "乳房炎_肺炎" << 223 << "雛形として登録できません（223行です（224行のはずです））。";
    }
    void registerRefusals()
    {
        QFETCH(QString, name);
        QFETCH(int, lineCount);
        QFETCH(QString, message);
        TempDataRoot root;
        startRegister(name, "7-1-1");
        hand().HinagataKarteLines = hand().HinagataKarteLines.mid(0, lineCount);
        HinagataForm form;
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(MsgBox::log().last().text, message);
        QVERIFY(form.isVisible());
        QVERIFY(HinagataFile::fileNames().isEmpty());
    }

    void load()
    {
        TempDataRoot root;
        writeTemplates(root);
        hand().HinagataMode = 1;
        hand().HinagataNameIn.clear();
        HinagataForm form;
        QCOMPARE(form.CmdGd->at(1)->text(), QStringLiteral("読込実行"));
        QVERIFY(form.CmdGd->at(2)->isHidden());
        QVERIFY(form.BunruiOp[0]->isChecked());
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("一覧から選択してください。"));
        WindowMouse::click(form.BunruiOp[6]);
        clickEntry(form, "短い");
        WindowMouse::click(form.CmdGd->at(1));
        QVERIFY(MsgBox::log().last().text.contains("短い.hxd"));
        QVERIFY(form.isVisible());
        QCOMPARE(TestFixture::readCp932(HinagataFile::path("短い")).size(), 100);
        clickEntry(form, "乳頭炎");
        QCOMPARE(form.NameGd->text(), QStringLiteral("乳頭炎"));
        WindowMouse::click(form.CmdGd->at(1));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().HinagataMode, 1);
        QCOMPARE(hand().HinagataKarteLines, block("乳頭炎", "7-2-0"));
    }

    // Mode 2: only the price of the drug lines changes; a missing drug is named and keeps its price.
    void reprice()
    {
        TempDataRoot root;
        writeTemplates(root);
        root.write("set/TourokuNameC.ini", {"注'薬B：10mL1V'ビー"});
        SharedState::get().Tables.YakkaCodeTable = {"注や'薬A'100g'*'120''10'g", "注や'薬B'10mL1V'*'50''1'本", ""};
        KarteBlock b;
        b.setCell(0, 2, "乳房炎");
        b.setCell(0, 3, "7-1-1");
        const QStringList a{"調剤要", "薬A", "100g(処方単位:20g)", "3", "100", "10", "12", "10･12･0･0"};
        const QStringList bee{"注射", "ビー", "", "2", "90"};
        const QStringList z{"経口", "薬Z", "", "1", "7"};
        const QStringList code{"処置", "創傷処置", "", "", "", "30", "36"};
        const QList<QPair<int, QStringList>> rows{{5, a}, {6, bee}, {27, z}, {28, code}};
        for (const auto& [row, fields] : rows)
            for (int f = 0; f < fields.size(); ++f)
                b.setCell(row, 3 + f, fields.at(f));
        QStringList lines = b.lines();
        root.write("set/乳房炎.hxd", lines);
        hand().HinagataMode = 2;
        hand().HinagataNameIn = "乳房炎";
        HinagataForm form;
        QCOMPARE(form.CmdGd->at(1)->text(), QStringLiteral("更新実行"));
        QCOMPARE(form.List1->count(), 0);
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(MsgBox::log().size(), 2);
        QCOMPARE(MsgBox::log().first().text, QStringLiteral("薬Zは今年度の薬品名にありませんので更新できません\n"
                                                            "該当薬品名を入力しなおして更新してください。（他の薬は更新されます）"));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("乳房炎を更新しました。"));
        QVERIFY(form.isVisible());
        b.setCell(5, 7, "720");
        b.setCell(6, 7, "100");
        QCOMPARE(TestFixture::readCp932(HinagataFile::path("乳房炎")), b.lines());
    }

    // A template that is not a whole chart block is refused and never written back padded.
    void repriceRefusals()
    {
        TempDataRoot root;
        writeTemplates(root);
        hand().HinagataMode = 2;
        hand().HinagataNameIn.clear();
        HinagataForm form;
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("更新する雛形を選択してください。"));
        WindowMouse::click(form.BunruiOp[6]);
        clickEntry(form, "短い");
        const QByteArray before = TestFixture::readBytes(HinagataFile::path("短い"));
        WindowMouse::click(form.CmdGd->at(1));
        QVERIFY(MsgBox::log().last().text.contains("短い.hxd"));
        QCOMPARE(TestFixture::readBytes(HinagataFile::path("短い")), before);
        form.NameGd->setText("ない名前");
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("更新する雛形を選択してください。"));
        QVERIFY(!HinagataFile::exists("ない名前"));
    }

    void cancel()
    {
        hand().HinagataMode = 1;
        HinagataForm form;
        WindowMouse::click(form.CmdGd->at(0));
        QCOMPARE(hand().HinagataMode, -1);
    }

    void sakujo()
    {
        TempDataRoot root;
        writeTemplates(root);
        hand().HinagataMode = 1;
        HinagataForm form;
        WindowMouse::click(form.BunruiOp[5]);
        WindowMouse::click(form.CmdGd->at(3));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("一覧から選択してください。"));
        clickEntry(form, "子宮炎");
        WindowMouse::click(form.CmdGd->at(3));
        QCOMPARE(MsgBox::log().at(MsgBox::log().size() - 2).text, QStringLiteral("子宮炎を削除してよろしいですか？"));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("削除しました。"));
        QVERIFY(!HinagataFile::exists("子宮炎"));
        QCOMPARE(form.List1->count(), 0);
        QVERIFY(form.isVisible());
    }

    void rename()
    {
        TempDataRoot root;
        startRegister("乳房炎", "7-1-1");
        HinagataForm form;
        QString typed = "急性乳房炎";
        ModalHost::setHandler([&typed](QDialog& dialog) {
            auto& name = static_cast<TourokuNameForm&>(dialog);
            if (name.inpTx->text() != "乳房炎" && name.inpTx->text() != "急性乳房炎")
                return 0;
            name.inpTx->setText(typed);
            WindowMouse::click(name.CmdGd->at(typed.isEmpty() ? 1 : 0));
            return 0;
        });
        WindowMouse::click(form.CmdGd->at(2));
        QCOMPARE(form.NameGd->text(), QStringLiteral("急性乳房炎"));
        typed.clear();
        WindowMouse::click(form.CmdGd->at(2));
        QCOMPARE(form.NameGd->text(), QStringLiteral("急性乳房炎"));
        WindowMouse::click(form.CmdGd->at(1));
        QVERIFY(HinagataFile::exists("急性乳房炎"));
        QVERIFY(!HinagataFile::exists("乳房炎"));
    }
};

NOLVARI_TEST(HinagataFormTest)
#include "HinagataFormTest.moc"
