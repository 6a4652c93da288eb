#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "dialogs/DateForm.h"
#include "dialogs/DigitLabelGroup.h"
#include "dialogs/NewDateForm.h"
#include "dialogs/PictDateForm.h"
#include "dialogs/PickerText.h"

#include <QLabel>
#include <QtTest>

// The time pickers and the month-day picker of the annotation symbols.
class TimePickersTest : public QObject
{
    Q_OBJECT

    static HandOver& hand() { return SharedState::get().Hand; }

    // Clicks the digits of a time ("0805": hour tens, hour units, minute tens, minute units; "-"
    // leaves a column untouched).
    static void pick(const QList<DigitLabelGroup*>& columns, const QString& digits)
    {
        for (int c = 0; c < 4; ++c)
            if (digits.at(c) != QLatin1Char('-'))
                WindowMouse::click(columns.at(c)->at(digits.at(c).digitValue()));
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void jikan_data()
    {
        QTest::addColumn<QStringList>("digits");
        QTest::addColumn<QString>("text");
        QTest::newRow("8:5") << QStringList{"0", "8", "0", "5"} << "8:5";
        QTest::newRow("13:0") << QStringList{"1", "3", "0", "0"} << "13:0";
        QTest::newRow("0:30") << QStringList{"0", "0", "3", "0"} << "0:30";
        QTest::newRow("10:45") << QStringList{"1", "0", "4", "5"} << "10:45";
        QTest::newRow("minute units alone") << QStringList{"", "", "", "5"} << ":5";
        QTest::newRow("hour tens alone") << QStringList{"1", "", "", ""} << "1:";
        QTest::newRow("hour tens 0 alone") << QStringList{"0", "", "", ""} << ":";
    }
    void jikan()
    {
        QFETCH(QStringList, digits);
        QFETCH(QString, text);
        QCOMPARE(PickerText::jikan(digits[0], digits[1], digits[2], digits[3]), text);
    }

    void startAndEnd()
    {
        NewDateForm form;
        pick(form.columns[0], "0805");
        QCOMPARE(form.HidukeGd[0]->text(), QStringLiteral("8:5"));
        QCOMPARE(form.HidukeGd[1]->text(), QString());
        pick(form.columns[1], "2959");
        QCOMPARE(form.HidukeGd[0]->text(), QStringLiteral("8:5"));
        WindowMouse::click(form.Label1->at(1));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().StartTimeOut, QStringLiteral("8:5"));
        QCOMPARE(hand().EndTimeOut, QStringLiteral("29:59"));
    }

    void onePanelAndClose()
    {
        {
            NewDateForm form;
            pick(form.columns[1], "---5");
            WindowMouse::click(form.Label1->at(1));
            QCOMPARE(hand().StartTimeOut, QString());
            QCOMPARE(hand().EndTimeOut, QStringLiteral(":5"));
        }
        NewDateForm form;
        QCOMPARE(form.HidukeGd[0]->text(), QString());
        pick(form.columns[0], "1300");
        WindowMouse::click(form.Label1->at(0));
        QCOMPARE(hand().StartTimeOut, QString());
        QCOMPARE(hand().EndTimeOut, QString());
    }

    // A pick moves within its column and is never removed.
    void onePickPerColumn()
    {
        NewDateForm form;
        DigitLabelGroup* hours = form.columns[0][NewDateForm::HourUnits];
        WindowMouse::click(hours->at(3));
        WindowMouse::click(hours->at(7));
        WindowMouse::click(hours->at(7));
        QCOMPARE(hours->value(), QStringLiteral("7"));
        int chosen = 0;
        for (const int i : hours->indexes())
            chosen += hours->at(i)->palette().color(QPalette::WindowText) == ColorSetInfo::PickerSelectColor();
        QCOMPARE(chosen, 1);
    }

    void callTime()
    {
        DateForm form;
        WindowMouse::click(form.Label1->at(1));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("入力されていません。"));
        QVERIFY(form.isVisible());
        pick(form.columns, "3500");
        WindowMouse::click(form.Label1->at(1));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().KyusinJikanOut, QStringLiteral("35:0"));
    }

    void callTimeClosedByItsCloseBox()
    {
        hand().KyusinJikanOut = "8:5";
        DateForm form;
        pick(form.columns, "---5");
        QVERIFY(form.close());
        QCOMPARE(hand().KyusinJikanOut, QString());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }

    void monthAndDay()
    {
        PictDateForm form;
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("<>"));
        WindowMouse::click(form.columns[PictDateForm::ManthGd]->at(5));
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("6/"));
        WindowMouse::click(form.columns[PictDateForm::DayGd1]->at(1));
        WindowMouse::click(form.columns[PictDateForm::DayGd2]->at(5));
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("6/15"));
        WindowMouse::click(form.columns[PictDateForm::DayGd1]->at(0));
        QCOMPARE(hand().NenGappiDayOut, QStringLiteral("5"));
        WindowMouse::click(form.Label1->at(1));
        QCOMPARE(hand().NenGappiManthOut, QStringLiteral("6"));
        QCOMPARE(hand().NenGappiDayOut, QStringLiteral("5"));
    }

    void monthAndDayClosedOrUntouched()
    {
        hand().NenGappiManthOut = "4";
        {
            PictDateForm form;
            WindowMouse::click(form.Label1->at(1));
            QCOMPARE(hand().NenGappiManthOut, QString());
            QCOMPARE(hand().NenGappiDayOut, QString());
        }
        PictDateForm form;
        WindowMouse::click(form.columns[PictDateForm::ManthGd]->at(11));
        WindowMouse::click(form.columns[PictDateForm::DayGd1]->at(3));
        QCOMPARE(hand().NenGappiDayOut, QStringLiteral("3"));
        WindowMouse::click(form.Label1->at(0));
        QCOMPARE(hand().NenGappiManthOut, QString());
        QCOMPARE(hand().NenGappiDayOut, QString());
    }
};

NOLVARI_TEST(TimePickersTest)
#include "TimePickersTest.moc"
