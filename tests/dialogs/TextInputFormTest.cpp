#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "dialogs/TeireiKouho.h"
#include "dialogs/TextInputForm.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

class TextInputFormTest : public QObject
{
    Q_OBJECT

    static HandOver& hand() { return SharedState::get().Hand; }

    static void clickRow(FlexGrid* grid, int row)
    {
        WindowMouse::click(grid->viewport(), grid->visualItemRect(grid->item(row, 1)).center());
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void phrases()
    {
        TempDataRoot root;
        QStringList lines{" 発熱 ", "", "食欲不振"};
        for (int i = 0; i < 120; ++i)
            lines.append(QStringLiteral("例文%1").arg(i));
        root.write("set/Teirei4.ini", lines);
        const QStringList phrases = TeireiKouho::load(4);
        QCOMPARE(phrases.size(), TeireiKouho::MaxRows);
        QCOMPARE(phrases.mid(0, 3), (QStringList{"発熱", "", "食欲不振"}));
        QCOMPARE(phrases.last(), QStringLiteral("例文95"));
        QVERIFY(TeireiKouho::load(0).isEmpty());
        QVERIFY(TeireiKouho::load(21).isEmpty());
        QVERIFY(TeireiKouho::load(5).isEmpty());
    }

    void clean_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("line breaks joined") << "  発熱\r\nあり\n" << "発熱あり";
        QTest::newRow("quote") << "元気'なし" << "元気なし";
        QTest::newRow("empty") << "   " << "";
    }
    void clean()
    {
        QFETCH(QString, text);
        QFETCH(QString, cleaned);
        QCOMPARE(TeireiKouho::clean(text), cleaned);
    }

    // The class's phrases listed; a click on one replaces the typed text; "OK" hands it back.
    void phraseReplacesTheText()
    {
        TempDataRoot root;
        root.write("set/Teirei4.ini", {"発熱", "", "食欲不振"});
        hand().TeireiBunruiIn = 4;
        hand().TeireiText = "前の文";
        TextInputForm form;
        QVERIFY(form.BunruiOp[3]->isChecked());
        QCOMPARE(form.inpTx->toPlainText(), QStringLiteral("前の文"));
        QCOMPARE(form.KouhoGrid->textMatrix(2, 1), QStringLiteral("食欲不振"));
        QCOMPARE(form.KouhoGrid->textMatrix(2, 0), QStringLiteral("3"));
        QVERIFY(form.BunruiOp[19]->isHidden());
        clickRow(form.KouhoGrid, 1);
        QCOMPARE(form.inpTx->toPlainText(), QStringLiteral("前の文"));
        clickRow(form.KouhoGrid, 2);
        QCOMPARE(form.inpTx->toPlainText(), QStringLiteral("食欲不振"));
        WindowMouse::click(form.Label1->at(1));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().TeireiText, QStringLiteral("食欲不振"));
    }

    void commands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("閉る") << 0 << "前の文";
        QTest::newRow("クリア then OK") << 2 << "";
    }
    void commands()
    {
        QFETCH(int, command);
        QFETCH(QString, text);
        hand().TeireiBunruiIn = 1;
        hand().TeireiText = "前の文";
        TextInputForm form;
        form.inpTx->setPlainText("書きかけ");
        WindowMouse::click(form.Label1->at(command));
        if (command == 2) {
            QCOMPARE(form.inpTx->toPlainText(), QString());
            WindowMouse::click(form.Label1->at(1));
        }
        QCOMPARE(hand().TeireiText, text);
    }

    // A class outside 1 to 20 lists nothing; class 20 outside Ibaraki lists its file under a
    // hidden option.
    void classes()
    {
        TempDataRoot root;
        root.write("set/Teirei20.ini", {"死亡"});
        hand().TeireiBunruiIn = 0;
        {
            TextInputForm form;
            QCOMPARE(form.KouhoGrid->textMatrix(0, 1), QString());
        }
        hand().TeireiBunruiIn = 20;
        TextInputForm form;
        QVERIFY(form.BunruiOp[19]->isChecked());
        QVERIFY(form.BunruiOp[19]->isHidden());
        QCOMPARE(form.KouhoGrid->textMatrix(0, 1), QStringLiteral("死亡"));
        SharedState::get().setKen("茨城県");
        TextInputForm ibaraki;
        QVERIFY(!ibaraki.BunruiOp[19]->isHidden());
    }

    // 鳥取県: a text too wide to print is taken only after OK to the question; Cancel then "閉る"
    // hands the caller's text back.
    void tottoriWidthQuestion()
    {
        SharedState::get().setKen("鳥取県");
        hand().TeireiBunruiIn = 1;
        hand().TeireiText = "前の文";
        MsgBox::setResponder([](const MsgBox::Call&) { return MsgBox::Cancel; });
        TextInputForm form;
        form.inpTx->setPlainText(QString(200, QChar(0x3042)));
        WindowMouse::click(form.Label1->at(1));
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY(MsgBox::log().last().text.startsWith("文字数が長いので、1段目でない場合は、印刷時に\n"));
        QCOMPARE(MsgBox::log().last().buttons, MsgBox::OkCancel);
        QVERIFY(form.isVisible());
        QCOMPARE(hand().TeireiText, QStringLiteral("前の文"));
        WindowMouse::click(form.Label1->at(0));
        QCOMPARE(hand().TeireiText, QStringLiteral("前の文"));
        TextInputForm agreed;
        MsgBox::setResponder([](const MsgBox::Call&) { return MsgBox::Ok; });
        agreed.inpTx->setPlainText(QString(200, QChar(0x3042)));
        WindowMouse::click(agreed.Label1->at(1));
        QCOMPARE(hand().TeireiText, QString(200, QChar(0x3042)));
        TextInputForm shortText;
        shortText.inpTx->setPlainText("短い");
        WindowMouse::click(shortText.Label1->at(1));
        QCOMPARE(MsgBox::log().size(), 2);
        QCOMPARE(hand().TeireiText, QStringLiteral("短い"));
    }
};

NOLVARI_TEST(TextInputFormTest)
#include "TextInputFormTest.moc"
