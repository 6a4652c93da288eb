#include "KarteFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/BunruiForm.h"
#include "chart/KaiInputForm.h"
#include "chart/NewKarteForm.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "dialogs/KeiroForm.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

// The kind dialog answered with one of its labels (0 繁殖, 1 へい病, 2 キャンセル).
void answerKind(int kind)
{
    ModalHost::setHandler([kind](QDialog& dialog) {
        if (auto* bunrui = qobject_cast<BunruiForm*>(&dialog))
            bunrui->SentakuGd->at(kind)->click();
        return 1;
    });
}

QStringList boxTexts()
{
    QStringList out;
    for (const MsgBox::Call& call : MsgBox::log())
        out.append(call.text);
    return out;
}

} // namespace

class NewKarteFormTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataRoot> root;

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        root.reset();
        root = std::make_unique<TempDataRoot>();
        SharedState& s = SharedState::get();
        s.setKen(QStringLiteral("鳥取県"));
        s.KarteNendo = QStringLiteral("7");
        s.CurrentNouka = {QStringLiteral("東谷"), QStringLiteral("山本 一郎"), QStringLiteral("00010001"),
                          QStringLiteral("東谷1-2")};
    }

    void cleanup() { root.reset(); }

    void cancelledKindLeavesNoChart()
    {
        NewKarteForm form;
        QCOMPARE(form.NameHyojiGd.at(2)->text(), QStringLiteral("00010001"));
        form.inpTx.at(0)->setText(QStringLiteral("1234"));
        form.inpTx.at(1)->setText(QStringLiteral("はな"));
        answerKind(2);
        form.CmdGd->at(1)->click();
        const QString path = root->file("H7/H7_00010001_1234_0.sxd");
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(SharedState::get().Hand.NewKarteOut, 0);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        answerKind(1);
        form.CmdGd->at(1)->click();
        QCOMPARE(TestFixture::readCp932(path),
                 (QStringList{"Main'東谷'山本 一郎'00010001'東谷1-2''''''''''",
                              "Main'成乳牛'''-'雄'はな''包''1234'-'-'H7_00010001_1234_0'"}));
        const SharedState& s = SharedState::get();
        QCOMPARE(s.Hand.NewKarteOut, 1);
        QCOMPARE(s.Hand.BunruiOut, 1);
        QCOMPARE(s.CurrentKarteFile, QStringLiteral("H7_00010001_1234_0.sxd"));
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("mimiban");
        QTest::addColumn<QString>("meigou");
        QTest::addColumn<QString>("message");
        QTest::newRow("existing chart in another case") << "k001" << "" << "この耳標番号のカルテはあります。番号を確認してください。";
        QTest::newRow("typographic apostrophe") << "1234" << "は’な" << " ’ は使用できません。";
        QTest::newRow("file name character") << "12*4" << "" << "使用できない文字 * が入力されています。";
        QTest::newRow("length") << "123" << "" << "耳標は4桁か10桁を入力してください。";
    }

    void refusals()
    {
        QFETCH(QString, mimiban);
        QFETCH(QString, meigou);
        QFETCH(QString, message);
        const QString existing = TestFixture::writeCp932(root->file("H7/H7_00010001_K001_0.sxd"),
                                                          KarteFixture::chart({KarteFixture::block("乳房炎", "7.5.1")}));
        const QByteArray before = TestFixture::readBytes(existing);
        NewKarteForm form;
        form.inpTx.at(0)->setText(mimiban);
        form.inpTx.at(1)->setText(meigou);
        answerKind(0);
        form.CmdGd->at(1)->click();
        QCOMPARE(boxTexts(), QStringList{message});
        QCOMPARE(TestFixture::readBytes(existing), before);
        QCOMPARE(QDir(root->file("H7")).entryList(QDir::Files).size(), 1);
    }

    void copyModeHandsTheLinesBack()
    {
        HandOver& h = SharedState::get().Hand;
        h.CopyMode = 1;
        h.CopyKotaiIn = QStringLiteral("5678");
        h.NewKarteOut = 0;
        NewKarteForm form;
        QCOMPARE(form.inpTx.at(0)->text(), QStringLiteral("5678"));
        QVERIFY(form.inpTx.at(0)->isReadOnly());
        form.KousiCh->setChecked(true);
        ModalHost::setHandler([](QDialog&) {
            qWarning("no dialog is expected");
            return 0;
        });
        form.CmdGd->at(1)->click();
        QCOMPARE(h.CopyFileOut, QStringLiteral("H7_00010001_5678_1.sxd"));
        QCOMPARE(h.CopyKarteHeader.at(1), QStringLiteral("Main'成乳牛'''-'雄'''包''5678'-'-'H7_00010001_5678_1'"));
        QCOMPARE(h.NewKarteOut, 0);
        QVERIFY(!QFileInfo::exists(root->file("H7/H7_00010001_5678_1.sxd")));
    }

    void pickersAndVariants()
    {
        int birthMode = 0;
        ModalHost::setHandler([&birthMode](QDialog& dialog) {
            if (auto* keiro = qobject_cast<KeiroForm*>(&dialog)) {
                keiro->inpTx->setText(QStringLiteral(" 黒白 "));
                keiro->CmdGd_Click(1);
            } else {
                birthMode = SharedState::get().Hand.NenGappiBirthMode;
                SharedState::get().Hand.NenGappiOut = QStringLiteral("H30.4.1");
            }
            return 1;
        });
        NewKarteForm form;
        form.CmdGd->at(2)->click();
        QCOMPARE(form.KeiroGd->text(), QStringLiteral("黒白"));
        form.CmdGd->at(4)->click();
        QCOMPARE(form.BirthDayGd->text(), QStringLiteral("H30.4.1"));
        QCOMPARE(birthMode, 1);
        QVERIFY(form.inpTx.at(2)->isVisibleTo(&form));
        SharedState::get().setKen(QStringLiteral("鹿児島県"));
        NewKarteForm kagoshima;
        QVERIFY(!kagoshima.inpTx.at(2)->isVisibleTo(&kagoshima));
        QVERIFY(!kagoshima.KousiCh->isVisibleTo(&kagoshima));
        QCOMPARE(kagoshima.MimibanLabel->text(), QStringLiteral("[番号]"));
        QVERIFY(kagoshima.SyuruiOp.at(15)->isVisibleTo(&kagoshima));
    }

    void countOfTheSecondDisease()
    {
        KaiInputForm form;
        HandOver& h = SharedState::get().Hand;
        for (const QString& refused : {QStringLiteral("0"), QString(), QStringLiteral("回")}) {
            form.inpTx->setText(refused);
            form.CmdGd->at(1)->click();
        }
        QCOMPARE(boxTexts(), QStringList(3, QStringLiteral("回数を入力してください。")));
        form.inpTx->setText(QStringLiteral("3回"));
        form.CmdGd->at(1)->click();
        QCOMPARE(h.KaiInputOut, QStringLiteral("3回"));
        form.CmdGd->at(0)->click();
        QCOMPARE(h.KaiInputOut, QString());
    }
};

NOLVARI_TEST(NewKarteFormTest)
#include "NewKarteFormTest.moc"
