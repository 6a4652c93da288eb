#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "dialogs/KeiroForm.h"
#include "dialogs/TokutyoForm.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

class KouhoSentakuFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void okAddsANewCandidate()
    {
        TempDataRoot root;
        root.write("set/Keiro.ini", {"黒", "白黒"});
        SharedState::get().Hand.KeiroOut = "黒";
        KeiroForm form;
        QCOMPARE(form.inpTx->text(), QStringLiteral("黒"));
        QCOMPARE(form.List1->count(), 2);
        form.inpTx->setText(" 白黒 ");
        form.CmdGd_Click(1);
        QCOMPARE(SharedState::get().Hand.KeiroOut, QStringLiteral("白黒"));
        QCOMPARE(TestFixture::readCp932(root.file("set/Keiro.ini")), (QStringList{"黒", "白黒"}));
        KeiroForm again;
        again.inpTx->setText("褐");
        again.CmdGd_Click(1);
        QCOMPARE(TestFixture::readCp932(root.file("set/Keiro.ini")), (QStringList{"黒", "白黒", "褐"}));
        KeiroForm wide;
        wide.inpTx->setText("　黒 ");
        wide.CmdGd_Click(1);
        QCOMPARE(SharedState::get().Hand.KeiroOut, QStringLiteral("　黒"));
        QCOMPARE(TestFixture::readCp932(root.file("set/Keiro.ini")).last(), QStringLiteral("　黒"));
        KeiroForm empty;
        empty.inpTx->clear();
        empty.CmdGd_Click(1);
        QCOMPARE(SharedState::get().Hand.KeiroOut, QString());
        QCOMPARE(TestFixture::readCp932(root.file("set/Keiro.ini")).size(), 5);
    }

    void quotesRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("apostrophe") << "白'斑" << " ' は使用できません。";
        QTest::newRow("typographic apostrophe") << "白’斑" << " ’ は使用できません。";
    }
    void quotesRefused()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        TempDataRoot root;
        SharedState::get().Hand.TokutyoOut = "前";
        TokutyoForm form;
        form.inpTx->setText(text);
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, message);
        QCOMPARE(SharedState::get().Hand.TokutyoOut, QStringLiteral("前"));
        QCOMPARE(form.result(), 0);
        QVERIFY(!QFile::exists(root.path() + "/set/Tokutyo.ini"));
    }

    void deleteCloseAndRemoveCandidate()
    {
        TempDataRoot root;
        root.write("set/Tokutyo.ini", {"白斑", "角なし"});
        SharedState::get().Hand.TokutyoOut = "白斑";
        TokutyoForm form;
        form.CmdGd_Click(2); // nothing selected
        QCOMPARE(TestFixture::readCp932(root.file("set/Tokutyo.ini")).size(), 2);
        form.List1->item(1)->setSelected(true);
        form.CmdGd_Click(2);
        QCOMPARE(TestFixture::readCp932(root.file("set/Tokutyo.ini")), (QStringList{"白斑"}));
        form.CmdGd_Click(0);
        QCOMPARE(SharedState::get().Hand.TokutyoOut, QStringLiteral("白斑"));
        TokutyoForm other;
        other.CmdGd_Click(3);
        QCOMPARE(SharedState::get().Hand.TokutyoOut, QString());
    }
};

NOLVARI_TEST(KouhoSentakuFormTest)
#include "KouhoSentakuFormTest.moc"
