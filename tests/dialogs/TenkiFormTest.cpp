#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "dialogs/DigitLabelGroup.h"
#include "dialogs/TenkiForm.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

class TenkiFormTest : public QObject
{
    Q_OBJECT

    static HandOver& hand() { return SharedState::get().Hand; }
    static QStringList parts() { return {hand().NenGappiYearOut, hand().NenGappiManthOut, hand().NenGappiDayOut}; }

    static void start(const QString& ken, const QString& today = "2023/6/12")
    {
        SharedState& s = SharedState::get();
        s.setKen(ken);
        s.TodayDate = today;
        s.ReiwaNen = "5";
    }

    static void click(TenkiForm& form, TenkiForm::Group group, const QString& caption)
    {
        WindowMouse::click(form.findChild<QLabel*>(QStringLiteral("Digit%1_%2").arg(int(group)).arg(caption)));
    }

    // Outcome month 6, day 1 and 2, submission month 7.
    static void pickDate(TenkiForm& form)
    {
        click(form, TenkiForm::ManthGd, "6");
        click(form, TenkiForm::DayGd1, "1");
        click(form, TenkiForm::DayGd2, "2");
        click(form, TenkiForm::ManthGd2, "7");
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void firstOpeningAsksForTheSubmissionMonth()
    {
        start("佐賀県");
        TenkiForm form;
        QCOMPARE(form.groups[TenkiForm::Year1Gd]->value(), QStringLiteral("0"));
        QCOMPARE(form.groups[TenkiForm::Year2Gd]->value(), QStringLiteral("5"));
        QCOMPARE(form.HidukeGd->text(), QString());
        QCOMPARE(form.TenkiGd->text(), QStringLiteral("治癒"));
        QCOMPARE(form.NenTx->text(), QStringLiteral("5"));
        QCOMPARE(form.TeiGd->text(), QString());
        WindowMouse::click(form.Label1->at(1));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("カルテの提出月を入力してください。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("確認"));
        QVERIFY(form.isVisible());
    }

    // "OK" hands the outcome back; the next opening offers the month, day and submission month again.
    void okAndTheNextOpening()
    {
        start("佐賀県");
        {
            TenkiForm form;
            pickDate(form);
            QCOMPARE(form.HidukeGd->text(), QStringLiteral("R5.6.12"));
            QCOMPARE(form.TeiGd->text(), QStringLiteral("7"));
            WindowMouse::click(form.SentakuOp[2]);
            WindowMouse::click(form.Label1->at(1));
            QVERIFY(!form.isVisible());
        }
        QCOMPARE(parts(), (QStringList{"5", "6", "12"}));
        QCOMPARE(hand().TeisyutuTukiOut, QStringLiteral("5･7"));
        QCOMPARE(hand().TenkiOut, QStringLiteral("死亡"));
        QCOMPARE(hand().ChuusiOut, QString());
        TenkiForm form;
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("R5.6.12"));
        QCOMPARE(form.groups[TenkiForm::ManthGd]->value(), QStringLiteral("6"));
        QCOMPARE(form.groups[TenkiForm::DayGd1]->value(), QStringLiteral("1"));
        QCOMPARE(form.groups[TenkiForm::DayGd2]->value(), QStringLiteral("2"));
        QCOMPARE(form.TeiGd->text(), QStringLiteral("7"));
        QCOMPARE(form.TenkiGd->text(), QStringLiteral("治癒"));
        QCOMPARE(hand().TeisyutuTukiOut, QString());
        // "閉る": the outcome of the earlier "OK" stays, the date and the month go.
        WindowMouse::click(form.Label1->at(0));
        QCOMPARE(hand().TenkiOut, QStringLiteral("死亡"));
        QCOMPARE(parts(), (QStringList{"", "", ""}));
        QCOMPARE(hand().TeisyutuTukiOut, QString());
    }

    void submissionYear()
    {
        start("佐賀県");
        TenkiForm form;
        pickDate(form);
        form.NenTx->clear();
        WindowMouse::click(form.Label1->at(1));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("カルテの提出年を入力してください。"));
        QVERIFY(form.isVisible());
        form.NenTx->setText(" 5 ");
        WindowMouse::click(form.Label1->at(1));
        QCOMPARE(hand().TeisyutuTukiOut, QStringLiteral("5･7"));
    }

    void monthWithoutDay()
    {
        start("佐賀県");
        TenkiForm form;
        click(form, TenkiForm::ManthGd, "6");
        click(form, TenkiForm::ManthGd2, "7");
        form.Label1_Click(1);
        QCOMPARE(parts(), (QStringList{"", "6", ""}));
        QCOMPARE(hand().TenkiOut, QStringLiteral("治癒"));
        QCOMPARE(hand().TeisyutuTukiOut, QStringLiteral("5･7"));
    }

    void eraRule_data()
    {
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("tens");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("text");
        QTest::newRow("H31") << "2023/6/12" << "3" << "1" << "H31.6.1";
        QTest::newRow("R29") << "2023/6/12" << "2" << "9" << "R29.6.1";
        QTest::newRow("R0") << "2023/6/12" << "0" << "0" << "R0.6.1";
        QTest::newRow("today R12") << "2030/6/12" << "" << "" << "R12.6.1";
    }
    void eraRule()
    {
        QFETCH(QString, today);
        QFETCH(QString, tens);
        QFETCH(QString, units);
        QFETCH(QString, text);
        start("佐賀県", today);
        TenkiForm form;
        if (!tens.isEmpty()) {
            click(form, TenkiForm::Year1Gd, tens);
            click(form, TenkiForm::Year2Gd, units);
        }
        click(form, TenkiForm::ManthGd, "6");
        click(form, TenkiForm::DayGd2, "1");
        QCOMPARE(form.HidukeGd->text(), text);
    }

    void stopReason_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("chuusi");
        QTest::newRow("Tottori 中止") << "鳥取県" << 1 << -1 << true << "(満了)";
        QTest::newRow("Tottori 中止 転医") << "鳥取県" << 1 << 2 << true << "(転医)";
        QTest::newRow("Tottori 死亡") << "鳥取県" << 2 << -1 << false << "";
        QTest::newRow("elsewhere 中止") << "佐賀県" << 1 << -1 << false << "";
    }
    void stopReason()
    {
        QFETCH(QString, ken);
        QFETCH(int, outcome);
        QFETCH(int, reason);
        QFETCH(bool, shown);
        QFETCH(QString, chuusi);
        start(ken);
        TenkiForm form;
        pickDate(form);
        WindowMouse::click(form.SentakuOp[1]);
        QCOMPARE(form.WakuFrame[3]->isVisible(), ken == "鳥取県");
        if (reason >= 0)
            WindowMouse::click(form.ChuusiOp[reason]);
        WindowMouse::click(form.SentakuOp[outcome]);
        QCOMPARE(form.WakuFrame[3]->isVisible(), shown);
        WindowMouse::click(form.Label1->at(1));
        QCOMPARE(hand().ChuusiOut, chuusi);
        QCOMPARE(hand().TenkiOut, form.SentakuOp[outcome]->text());
    }

    void noOutcome()
    {
        start("鳥取県");
        TenkiForm form;
        pickDate(form);
        WindowMouse::click(form.SentakuOp[1]);
        WindowMouse::click(form.Label1->at(2));
        QCOMPARE(parts(), (QStringList{"0", "", ""}));
        QCOMPARE(hand().TenkiOut, QStringLiteral("未"));
        QCOMPARE(hand().TeisyutuTukiOut, QString());
        QCOMPARE(hand().ChuusiOut, QString());
        QCOMPARE(hand().TenkiKioku[4], QStringLiteral("7"));
    }
};

NOLVARI_TEST(TenkiFormTest)
#include "TenkiFormTest.moc"
