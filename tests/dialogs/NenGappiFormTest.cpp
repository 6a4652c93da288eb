#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "dialogs/NenGappiForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class NenGappiFormTest : public QObject
{
    Q_OBJECT

    static NenGappiState state(const QString& y1, const QString& y2, const QString& m, const QString& d1, const QString& d2)
    {
        NenGappiState s;
        s.Year1 = y1;
        s.Year2 = y2;
        s.Manth = m;
        s.Day1 = d1;
        s.Day2 = d2;
        return s;
    }

    static void start(const QString& ken)
    {
        SharedState::get().setKen(ken);
        SharedState::get().TodayDate = "2023/6/12";
    }

    static const HandOver& hand() { return SharedState::get().Hand; }

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
        QTest::newRow("Reiwa") << QStringList{"0", "5", "6", "1", "2"} << "R5.6.12" << "5";
        QTest::newRow("day tens 0") << QStringList{"0", "5", "6", "0", "7"} << "R5.6.7" << "5";
        QTest::newRow("Heisei 30") << QStringList{"3", "0", "1", "", "1"} << "H30.1.1" << "30";
        QTest::newRow("Reiwa 0") << QStringList{"0", "0", "5", "", "1"} << "R0.5.1" << "0";
        QTest::newRow("Showa 63") << QStringList{"6", "3", "2", "2", "0"} << "S63.2.20" << "63";
        QTest::newRow("day tens alone") << QStringList{"0", "5", "6", "3", ""} << "R5.6.3" << "5";
        QTest::newRow("day tens 0 alone") << QStringList{"0", "5", "6", "0", ""} << "R5.6." << "";
        QTest::newRow("no month") << QStringList{"0", "5", "", "1", "2"} << "R5..12" << "";
        QTest::newRow("no tens") << QStringList{"", "5", "6", "1", "2"} << "H5.6.12" << "5";
    }
    void dateTexts()
    {
        QFETCH(QStringList, labels);
        QFETCH(QString, text);
        QFETCH(QString, yearOut);
        const NenGappiState s = state(labels[0], labels[1], labels[2], labels[3], labels[4]);
        QCOMPARE(s.text(), text);
        QCOMPARE(s.yearOut(), yearOut);
    }

    void presets_data()
    {
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("kioku");
        QTest::addColumn<QString>("text");
        QTest::newRow("today") << "2023/6/12" << "" << "R5..";
        QTest::newRow("not a date") << "12-06-2023" << "" << "H15..";
        QTest::newRow("remembered") << "2023/6/12" << "5.6.12" << "R5.6.12";
        QTest::newRow("remembered Showa") << "2023/6/12" << "63.1.9" << "S63.1.9";
        QTest::newRow("remembered Heisei") << "2023/6/12" << "30.12.1" << "H30.12.1";
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

    void closeAndOk()
    {
        TempDataRoot root;
        start("佐賀県");
        {
            NenGappiForm form;
            QVERIFY(form.groups[NenGappiForm::Year1Gd]->at(3)->isHidden());
            form.Label1_Click(0);
            QCOMPARE(hand().NenGappiOut, QStringLiteral("R5.."));
            QCOMPARE(hand().NenGappiYearOut, QString());
        }
        SharedState::get().Hand.NenGappiBirthMode = 1;
        NenGappiForm form;
        QVERIFY(!form.groups[NenGappiForm::Year1Gd]->at(3)->isHidden());
        form.DigitGd_Click(NenGappiForm::Year1Gd, "6");
        form.DigitGd_Click(NenGappiForm::Year2Gd, "3");
        form.DigitGd_Click(NenGappiForm::ManthGd, "12");
        form.DigitGd_Click(NenGappiForm::DayGd2, "9");
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("S63.12.9"));
        form.Label1_Click(1);
        QCOMPARE(hand().NenGappiOut, QStringLiteral("S63.12.9"));
        QCOMPARE(hand().NenGappiYearOut, QStringLiteral("63"));
        QCOMPARE(hand().NenGappiDayOut, QStringLiteral("9"));
        QVERIFY(!QFile::exists(NenGappiForm::kiokuPath()));
    }

    void codeAnswers_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("Kagoshima 1") << "鹿児島県" << 1 << "1" << QStringList{"未", "経", "産"};
        QTest::newRow("Kagoshima 2") << "鹿児島県" << 1 << "2" << QStringList{"流", "産", ""};
        QTest::newRow("Tottori 2") << "鳥取県" << 2 << "2" << QStringList{"未", "授", "精"};
        QTest::newRow("full-width digit") << "鳥取県" << 2 << "２" << QStringList{"", "", ""};
    }
    void codeAnswers()
    {
        QFETCH(QString, ken);
        QFETCH(int, mode);
        QFETCH(QString, code);
        QFETCH(QStringList, parts);
        start(ken);
        SharedState::get().Hand.NenGappiMode = mode;
        NenGappiForm form;
        QVERIFY(form.OpFrame->isVisibleTo(&form));
        form.inpTx->setText(code);
        form.Label1_Click(0);
        QCOMPARE((QStringList{hand().NenGappiYearOut, hand().NenGappiManthOut, hand().NenGappiDayOut}), parts);
    }

    void tottoriPostMortemHidesCodeAndRecall()
    {
        start("鳥取県");
        SharedState::get().Hand.NenGappiMode = -1;
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

    void recall()
    {
        start("鳥取県");
        HandOver& h = SharedState::get().Hand;
        h.NenGappiMode = 1;
        h.KiokuList = {"no separator", "00010001'1234'5.6.12'5.7.1"};
        h.KiokuNoukaCode = "00010001";
        h.KiokuMimiban = "1234";
        NenGappiForm form;
        form.Label1_Click(2);
        QCOMPARE(form.HidukeGd->text(), QStringLiteral("H5.6.12"));
        QCOMPARE(h.NenGappiOut, QStringLiteral("R5.."));
        form.Label1_Click(1);
        QCOMPARE((QStringList{h.NenGappiYearOut, h.NenGappiManthOut, h.NenGappiDayOut}), (QStringList{"5", "6", "12"}));
        QVERIFY(MsgBox::log().isEmpty());
        h.KiokuMimiban = "9999";
        NenGappiForm other;
        other.Label1_Click(2);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("記憶されていません。"));
    }
};

NOLVARI_TEST(NenGappiFormTest)
#include "NenGappiFormTest.moc"
