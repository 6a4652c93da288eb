#include "NewInputViewStub.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "dialogs/DigitLabelGroup.h"
#include "dialogs/NenGappiForm.h"
#include "dialogs/PickerHoverFrame.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class NenGappiFormTest : public QObject
{
    Q_OBJECT

    // Era, tens, units, month, day tens, day units.
    static NenGappiState state(const QStringList& l)
    {
        NenGappiState s;
        s.Gengo = l[0];
        s.Year1 = l[1];
        s.Year2 = l[2];
        s.Manth = l[3];
        s.Day1 = l[4];
        s.Day2 = l[5];
        return s;
    }

    static void start(const QString& ken, const QString& today = "2023/6/12")
    {
        SharedState::get().setKen(ken);
        SharedState::get().TodayDate = today;
    }

    static HandOver& hand() { return SharedState::get().Hand; }
    static QStringList parts() { return {hand().NenGappiYearOut, hand().NenGappiManthOut, hand().NenGappiDayOut}; }

    static QWidget* digit(NenGappiForm& form, NenGappiForm::Group group, const QString& caption)
    {
        return form.findChild<QLabel*>(QStringLiteral("Digit%1_%2").arg(int(group)).arg(caption));
    }

    // The pointer comes onto the control, laying the hover outline over it, and clicks there.
    static void pointAndClick(QWidget* control)
    {
        WindowMouse::move(control);
        QVERIFY(WindowMouse::click(control));
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void dateTexts_data()
    {
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("yearOut");
        QTest::newRow("Reiwa") << QStringList{"R", "0", "5", "6", "1", "2"} << "R5.6.12" << "5";
        QTest::newRow("day tens 0") << QStringList{"R", "0", "5", "6", "0", "7"} << "R5.6.7" << "5";
        QTest::newRow("Heisei 30") << QStringList{"H", "3", "0", "1", "", "1"} << "H30.1.1" << "30";
        QTest::newRow("tens 3 is Heisei") << QStringList{"R", "3", "1", "1", "", "1"} << "H31.1.1" << "31";
        QTest::newRow("Reiwa 0") << QStringList{"R", "0", "0", "5", "", "1"} << "R0.5.1" << "0";
        QTest::newRow("Reiwa 12") << QStringList{"R", "1", "2", "4", "", "1"} << "R12.4.1" << "12";
        QTest::newRow("Reiwa 29") << QStringList{"R", "2", "9", "4", "", "1"} << "R29.4.1" << "29";
        QTest::newRow("Heisei 12") << QStringList{"H", "1", "2", "4", "", "1"} << "H12.4.1" << "12";
        QTest::newRow("Showa 63") << QStringList{"R", "6", "3", "2", "2", "0"} << "S63.2.20" << "63";
        QTest::newRow("day tens alone") << QStringList{"R", "0", "5", "6", "3", ""} << "R5.6.3" << "5";
        QTest::newRow("day tens 0 alone") << QStringList{"R", "0", "5", "6", "0", ""} << "R5.6." << "";
        QTest::newRow("no month") << QStringList{"R", "0", "5", "", "1", "2"} << "R5..12" << "";
    }
    void dateTexts()
    {
        QFETCH(QStringList, labels);
        QFETCH(QString, text);
        QFETCH(QString, yearOut);
        const NenGappiState s = state(labels);
        QCOMPARE(s.text(), text);
        QCOMPARE(s.yearOut(), yearOut);
        QCOMPARE(s.fullText(), yearOut.isEmpty() ? QString() : text);
    }

    void presets_data()
    {
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("kioku");
        QTest::addColumn<QString>("text");
        QTest::newRow("today") << "2023/6/12" << "" << "R5..";
        QTest::newRow("Reiwa 10") << "2028/1/5" << "" << "R10..";
        QTest::newRow("Reiwa 12") << "2030/1/5" << "" << "R12..";
        QTest::newRow("not a date") << "12-06-2023" << "" << "H15..";
        QTest::newRow("remembered") << "2023/6/12" << "5.6.12" << "R5.6.12";
        QTest::newRow("remembered Showa") << "2023/6/12" << "63.1.9" << "S63.1.9";
        QTest::newRow("remembered Heisei") << "2023/6/12" << "30.12.1" << "H30.12.1";
        QTest::newRow("remembered 12 before Reiwa 12") << "2023/6/12" << "12.6.1" << "H12.6.1";
        QTest::newRow("remembered 12 in Reiwa 12") << "2030/6/12" << "12.6.1" << "R12.6.1";
        QTest::newRow("month only") << "2023/6/12" << ".6." << "R5.6.";
        QTest::newRow("no dot") << "2023/6/12" << "5612" << "R5..";
    }
    void presets()
    {
        QFETCH(QString, today);
        QFETCH(QString, kioku);
        QFETCH(QString, text);
        NenGappiState s;
        s.presetToday(today);
        s.presetKioku(kioku);
        QCOMPARE(s.text(), text);
    }

    // The digits are chosen with the mouse where they stand in the window, the hover outline
    // following the pointer, and "OK" hands back the full date.
    void digitsChosenWithTheMouse()
    {
        start("佐賀県");
        NenGappiForm form;
        QVERIFY(WindowMouse::showWindow(&form));
        pointAndClick(digit(form, NenGappiForm::ManthGd, "6"));
        QVERIFY(form.Shape1->isVisible());
        pointAndClick(digit(form, NenGappiForm::DayGd1, "1"));
        pointAndClick(digit(form, NenGappiForm::DayGd2, "2"));
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("R5.6.12"));
        QCOMPARE(form.groups[NenGappiForm::DayGd2]->value(), QStringLiteral("2"));
        QCOMPARE(form.groups[NenGappiForm::DayGd2]->at(2)->palette().color(QPalette::WindowText),
                 ColorSetInfo::PickerSelectColor());
        pointAndClick(form.Label1->at(1));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().NenGappiOut, QStringLiteral("R5.6.12"));
        QCOMPARE(parts(), (QStringList{"5", "6", "12"}));
    }

    // Reiwa 10 and later: the tens 1 and 2 belong to the chosen era.
    void eraChosenWithTheMouse()
    {
        start("佐賀県", "2030/4/1");
        NenGappiForm form;
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("R12.."));
        QCOMPARE(form.groups[NenGappiForm::GengoGd]->value(), QStringLiteral("R"));
        pointAndClick(digit(form, NenGappiForm::ManthGd, "4"));
        pointAndClick(digit(form, NenGappiForm::DayGd2, "1"));
        QCOMPARE(hand().NenGappiOut, QStringLiteral("R12.4.1"));
        pointAndClick(form.groups[NenGappiForm::GengoGd]->at(1));
        QCOMPARE(hand().NenGappiOut, QStringLiteral("H12.4.1"));
        pointAndClick(digit(form, NenGappiForm::Year1Gd, "0"));
        QCOMPARE(hand().NenGappiOut, QStringLiteral("R2.4.1"));
        QCOMPARE(form.groups[NenGappiForm::GengoGd]->value(), QStringLiteral("R"));
        QCOMPARE(hand().NenGappiYearOut, QStringLiteral("2"));
    }

    void closeAndOk()
    {
        TempDataRoot root;
        start("佐賀県");
        hand().NenGappiOut = "R4.1.1"; // left by an earlier opening
        {
            NenGappiForm form;
            QVERIFY(form.groups[NenGappiForm::Year1Gd]->at(3)->isHidden());
            QCOMPARE(form.HidukeGd->text(), QStringLiteral("R5.."));
            form.Label1_Click(0);
            QCOMPARE(hand().NenGappiOut, QString());
            QCOMPARE(parts(), (QStringList{"", "", ""}));
        }
        hand().NenGappiBirthMode = 1;
        NenGappiForm form;
        QVERIFY(!form.groups[NenGappiForm::Year1Gd]->at(3)->isHidden());
        form.DigitGd_Click(NenGappiForm::Year1Gd, "6");
        form.DigitGd_Click(NenGappiForm::Year2Gd, "3");
        form.DigitGd_Click(NenGappiForm::ManthGd, "12");
        QCOMPARE(hand().NenGappiOut, QString());
        form.DigitGd_Click(NenGappiForm::DayGd2, "9");
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("S63.12.9"));
        form.Label1_Click(1);
        QCOMPARE(hand().NenGappiOut, QStringLiteral("S63.12.9"));
        QCOMPARE(parts(), (QStringList{"63", "12", "9"}));
        QVERIFY(!QFile::exists(NenGappiForm::kiokuPath()));
    }

    // Each opening has the modes its opener gives; the next opener does not inherit them.
    void modesAreNotInherited()
    {
        start("鹿児島県");
        bool codeEntry = false;
        bool showa = false;
        ModalHost::setHandler([&](QDialog& dialog) {
            auto& picker = static_cast<NenGappiForm&>(dialog);
            codeEntry = picker.OpFrame->isVisibleTo(&picker);
            showa = !picker.groups[NenGappiForm::Year1Gd]->at(3)->isHidden();
            return 0;
        });
        NenGappiForm::open(nullptr, 1, 1);
        QVERIFY(codeEntry);
        QVERIFY(showa);
        QCOMPARE(hand().NenGappiMode, 0);
        QCOMPARE(hand().NenGappiBirthMode, 0);
        NenGappiForm::open(nullptr, 0, 0);
        QVERIFY(!codeEntry);
        QVERIFY(!showa);
        // An opener that shows the picker without setting them finds them back at 0 as well.
        hand().NenGappiMode = 2;
        {
            NenGappiForm careless;
        }
        QCOMPARE(hand().NenGappiMode, 0);
    }

    void codeAnswers_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("result");
        QTest::newRow("Kagoshima 1") << "鹿児島県" << 1 << "1" << 1 << QStringList{"未", "経", "産"};
        QTest::newRow("Kagoshima 2, close") << "鹿児島県" << 1 << "2" << 0 << QStringList{"流", "産", ""};
        QTest::newRow("Kagoshima post-mortem") << "鹿児島県" << -1 << "2" << 1 << QStringList{"流", "産", ""};
        QTest::newRow("Tottori 2") << "鳥取県" << 2 << "2" << 1 << QStringList{"未", "授", "精"};
        QTest::newRow("full-width digit") << "鳥取県" << 2 << "２" << 0 << QStringList{"", "", ""};
    }
    void codeAnswers()
    {
        QFETCH(QString, ken);
        QFETCH(int, mode);
        QFETCH(QString, code);
        QFETCH(int, button);
        QFETCH(QStringList, result);
        start(ken);
        hand().NenGappiMode = mode;
        NenGappiForm form;
        QVERIFY(form.OpFrame->isVisibleTo(&form));
        form.inpTx->setText(code);
        form.Label1_Click(button);
        QCOMPARE(parts(), result);
    }

    void digitClickDiscardsTheCode()
    {
        start("鹿児島県");
        hand().NenGappiMode = 1;
        NenGappiForm form;
        form.inpTx->setText("1");
        form.DigitGd_Click(NenGappiForm::ManthGd, "6");
        form.DigitGd_Click(NenGappiForm::DayGd2, "3");
        QCOMPARE(form.inpTx->text(), QString());
        form.Label1_Click(1);
        QCOMPARE(parts(), (QStringList{"5", "6", "3"}));
    }

    void tottoriPostMortemHidesCodeAndRecall()
    {
        start("鳥取県");
        hand().NenGappiMode = -1;
        NenGappiForm form;
        QVERIFY(!form.OpFrame->isVisibleTo(&form));
        QVERIFY(form.Label1->at(2)->isHidden());
    }

    void ibarakiRemembersTheLastDate()
    {
        TempDataRoot root;
        start("茨城県");
        {
            NenGappiForm form;
            form.DigitGd_Click(NenGappiForm::ManthGd, "6");
            form.DigitGd_Click(NenGappiForm::DayGd1, "1");
            form.DigitGd_Click(NenGappiForm::DayGd2, "2");
            form.Label1_Click(1);
        }
        QCOMPARE(TestFixture::readCp932(NenGappiForm::kiokuPath()), (QStringList{"5.6.12"}));
        NenGappiForm form;
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("R5.6.12"));
        form.Label1_Click(0);
        QCOMPARE(TestFixture::readCp932(NenGappiForm::kiokuPath()), (QStringList{"5.6.12"}));
    }

    void recallFromTheOpenEditor()
    {
        start("鳥取県");
        NewInputViewStub editor;
        editor.KiokuList = {"no separator", "00010001'1234'5.6.12'5.7.1"};
        editor.MainGd = {{19, "00010001"}, {3, "1234"}};
        SharedState::get().OpenEditor = &editor;
        hand().NenGappiMode = 1;
        {
            NenGappiForm form;
            form.Label1_Click(2);
            QCOMPARE(form.HidukeGd->text(), QStringLiteral("H5.6.12"));
            form.Label1_Click(1);
            QCOMPARE(parts(), (QStringList{"5", "6", "12"}));
            QCOMPARE(hand().NenGappiOut, QString());
            QVERIFY(MsgBox::log().isEmpty());
        }
        hand().NenGappiMode = 0; // a matching line recalls nothing, silently
        {
            NenGappiForm form;
            form.Label1_Click(2);
            QCOMPARE(form.HidukeGd->text(), QStringLiteral("R5.."));
            QVERIFY(MsgBox::log().isEmpty());
        }
        hand().NenGappiMode = 2; // the animal's line holds no insemination date
        editor.KiokuList = {"00010001'1234'5.6.12'"};
        {
            NenGappiForm form;
            form.Label1_Click(2);
            QCOMPARE(form.HidukeGd->text(), QStringLiteral("H"));
            QCOMPARE(MsgBox::log().last().text, QStringLiteral("記憶されていません。"));
            form.Label1_Click(1);
            QCOMPARE(parts(), (QStringList{"", "", ""}));
        }
        MsgBox::clearLog();
        hand().NenGappiMode = 1;
        editor.MainGd[3] = "9999";
        {
            NenGappiForm form;
            form.Label1_Click(2);
            QCOMPARE(MsgBox::log().last().text, QStringLiteral("記憶されていません。"));
        }
        MsgBox::clearLog();
        SharedState::get().OpenEditor = nullptr;
        NenGappiForm form;
        form.Label1_Click(2);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("記憶されていません。"));
        QVERIFY(form.isVisible() || !form.result());
    }
};

NOLVARI_TEST(NenGappiFormTest)
#include "NenGappiFormTest.moc"
