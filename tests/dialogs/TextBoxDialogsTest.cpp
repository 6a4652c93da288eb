#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "dialogs/NendoForm.h"

#include <QLineEdit>
#include <QtTest>

// The small dialogs of one text box: the print year.
class TextBoxDialogsTest : public QObject
{
    Q_OBJECT

    static HandOver& hand() { return SharedState::get().Hand; }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void nendo_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("nendo");
        QTest::newRow("unchanged") << "5" << "5";
        QTest::newRow("blanks around") << " 6 " << "6";
        QTest::newRow("only blanks") << "  " << "";
        QTest::newRow("any text") << "令和七" << "令和七";
    }
    void nendo()
    {
        QFETCH(QString, typed);
        QFETCH(QString, nendo);
        hand().PrintNendo = "5";
        NendoForm form;
        QCOMPARE(form.inpTx->text(), QStringLiteral("5"));
        form.inpTx->setText(typed);
        WindowMouse::click(form.CmdGd->at(0));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().PrintNendo, nendo);
        QVERIFY(MsgBox::log().isEmpty());
    }

    void nendoRefusesAnEmptyBox()
    {
        hand().PrintNendo = "5";
        NendoForm form;
        form.inpTx->clear();
        WindowMouse::click(form.CmdGd->at(0));
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("年度を入力してください。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
        QVERIFY(form.isVisible());
        QCOMPARE(hand().PrintNendo, QStringLiteral("5"));
    }
};

NOLVARI_TEST(TextBoxDialogsTest)
#include "TextBoxDialogsTest.moc"
