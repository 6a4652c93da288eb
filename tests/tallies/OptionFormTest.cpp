#include "SyukeiFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "tallies/OptionForm.h"
#include "tallies/SyukeiList.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {

QStringList row(const QString& name, const QString& code)
{
    QStringList r(SyukeiList::ColCount);
    r[SyukeiList::Name] = name;
    r[SyukeiList::Code] = code;
    return r;
}

const QList<QStringList> rows = {row("森田 健", "00020001"), row("山本 一郎", "00010001"), row("森田 健", "00020001"),
                                 row("山本 一郎", "00030001"), row("川口 花子", "00010002")};

} // namespace

class OptionFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        answerMessages();
        SharedState::get().Hand.OptionMode = 0;
    }

    // Each member once in list order, namesakes with their codes, every one ticked; the hand-back
    // gives the ticked members with their codes, the date and the address choice.
    void memberChoice()
    {
        OptionForm form(rows);
        QStringList items;
        for (int i = 0; i < form.PrintList->count(); ++i) {
            items.append(form.PrintList->item(i)->text());
            QCOMPARE(form.PrintList->item(i)->checkState(), Qt::Checked);
        }
        QCOMPARE(items, (QStringList{"森田 健", "山本 一郎（00010001）", "山本 一郎（00030001）", "川口 花子"}));
        form.PrintList->item(0)->setCheckState(Qt::Unchecked);
        form.PrintList->item(2)->setCheckState(Qt::Unchecked);
        form.DayInpTx[0]->setText("7");
        form.DayInpTx[1]->setText("6");
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, QString("日付を入力してください。"));
        form.DayInpTx[2]->setText("30");
        form.OptionCh->setChecked(true);
        form.CmdGd_Click(1);
        const HandOver& h = SharedState::get().Hand;
        QCOMPARE(h.PrintSentakuOut, 2);
        QCOMPARE(h.OptionChKioku, 1);
        QCOMPARE(h.OptionSentakuList, (QStringList{"山本 一郎", "川口 花子"}));
        QCOMPARE(h.OptionSentakuCode, (QStringList{"00010001", "00010002"}));
        QCOMPARE(h.OptionDate[2], QString("30"));

        OptionForm again(rows);
        QCOMPARE(again.DayInpTx[1]->text(), QString("6"));
        QVERIFY(again.OptionCh->isChecked());
    }

    // "全てOFF" then "印刷開始": "選択してください。", the date kept; "終了" leaves nothing to print.
    void noneTicked()
    {
        SharedState::get().Hand.OptionChKioku = 7;
        OptionForm form(rows);
        QVERIFY(!form.OptionCh->isChecked());
        QCOMPARE(SharedState::get().Hand.OptionChKioku, 0);
        for (QLineEdit* box : form.DayInpTx)
            box->setText("1");
        form.CmdGd_Click(6);
        form.CmdGd_Click(1);
        QCOMPARE(MsgBox::log().last().text, QString("選択してください。"));
        QVERIFY(SharedState::get().Hand.OptionDate[0].isEmpty());
        form.CmdGd_Click(0);
        QCOMPARE(SharedState::get().Hand.PrintSentakuOut, 0);
    }

    void enterMovesFocus()
    {
        OptionForm form(rows);
        QVERIFY(WindowMouse::showWindow(form.DayInpTx[2]));
        form.activateWindow();
        form.DayInpTx[2]->setFocus();
        QTest::keyClick(form.DayInpTx[2], Qt::Key_Return);
        QVERIFY(form.DayInpTx[0]->hasFocus());
    }

    void tallyMode()
    {
        SharedState::get().Hand.OptionMode = 1;
        OptionForm form({});
        form.show();
        QVERIFY(form.WakuFrame[1]->isVisible());
        QVERIFY(!form.WakuFrame[0]->isVisible());
        QCOMPARE(form.inpTx[0]->text(), QString("5"));
        QCOMPARE(form.inpTx[1]->text(), QString("7"));
        QCOMPARE(form.inpTx[2]->text(), SharedState::get().ReiwaNen);
        QVERIFY(!form.TitleGd[1]->isVisible());
    }

    // Both year boxes are labelled with the present era.
    void eraLabels()
    {
        const auto labels = [](const QWidget* w) {
            QStringList out;
            for (const QLabel* l : w->findChildren<QLabel*>())
                out.append(l->text());
            return out;
        };
        OptionForm form({});
        QVERIFY(labels(form.WakuFrame[0]).contains("日付：令和"));
        QVERIFY(labels(form.WakuFrame[1]).contains("令和"));
        QVERIFY(!labels(&form).join('|').contains("平成"));
    }
};

NOLVARI_TEST(OptionFormTest)
#include "OptionFormTest.moc"
