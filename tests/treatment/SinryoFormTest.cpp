#include "TestRegistry.h"
#include "TreatmentSetup.h"

#include "chart/NewInputView.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "treatment/SinryoForm.h"
#include "treatment/TiryoLine.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {
enum { Ok, Tojiru };

QStringList& out()
{
    return SharedState::get().Hand.SinryoOut;
}

QStringList figures(const SinryoForm& form)
{
    QStringList texts;
    for (int i = 1; i <= 6; ++i)
        texts << form.TensuGd[i]->text();
    return texts;
}

// The chart editor as the dialog sees it: only its frame counts here.
class EditorFrame : public NewInputView
{
public:
    QStringList kiokuList() const override { return {}; }
    QString mainGdText(int) const override { return {}; }
    QString byoName1() const override { return {}; }
    int dateCh() const override { return 0; }
    int bunsyoCh() const override { return 0; }
    QString sinryoKaiChGdText() const override { return {}; }
    const MiyazakiDataGrid& dataGrid() const override { return grid; }
    QRect windowRect() const override { return QRect(40, 30, 900, 600); }
    MiyazakiDataGrid grid;
};

void open(const QString& bunrui)
{
    SharedState::get().Hand.SinryoBunruiIn = bunrui;
    SharedState::get().Tables.SinryoCodeTable[2].insert(0, "テスト処置,150,120,");
}
}

class SinryoFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void surcharge()
    {
        TreatmentSetup setup;
        open("処置");
        SinryoForm form;
        TreatmentSetup::show(form);
        QCOMPARE(form.TitleGd->text(), QStringLiteral("処置"));
        QCOMPARE(form.SinryoGrid->textMatrix(1, 0) + form.SinryoGrid->textMatrix(1, 1), QStringLiteral("1テスト処置"));
        TreatmentSetup::clickCell(form.SinryoGrid, 1, 2);
        TreatmentSetup::type(form.ZotenTxBox[0], "10");
        QCOMPARE(figures(form), (QStringList{"150", "120", "10", "0", "160", "120"}));
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(out(), (QStringList{"テスト処置", "150", "120", "150", "120", "10", "0", "160", "120", "*", ""}));
        QCOMPARE(TiryoLine::sinryo(out(), "処置", Ken::Sonota).cells(),
                 (QStringList{"処置", "テスト処置", "増点 B=10A=0", "", "", "160", "120", "150･120･10･0"}));
    }

    // A surcharge typed before the row is chosen counts after the click; moving with the keys
    // chooses the row moved to, so every item describes the same row.
    void surchargeFirstAndKeys()
    {
        TreatmentSetup setup;
        open("処置");
        SinryoForm form;
        TreatmentSetup::show(form);
        TreatmentSetup::type(form.ZotenTxBox[1], "5");
        QCOMPARE(figures(form), (QStringList{"0", "0", "0", "5", "0", "5"}));
        TreatmentSetup::clickCell(form.SinryoGrid, 1, 1);
        QCOMPARE(figures(form), (QStringList{"150", "120", "0", "5", "150", "125"}));
        form.SinryoGrid->setFocus();
        QTest::keyClick(form.SinryoGrid, Qt::Key_Down);
        QCOMPARE(form.chosenRow(), 2);
        QCOMPARE(figures(form), (QStringList{"30", "36", "0", "5", "30", "41"}));
        TreatmentSetup::type(form.ZotenTxBox[0], "ab");
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(out(), (QStringList{"創傷処置（小）", "30", "36", "30", "36", "ab", "5", "30", "41", "*", ""}));
    }

    void okAndClose()
    {
        TreatmentSetup setup;
        open("処置");
        out() = QStringList(11, "x");
        SinryoForm form;
        TreatmentSetup::show(form);
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("選択されていません"));
        QCOMPARE(out(), QStringList(11, "x"));
        QVERIFY(form.isVisible());
        const int last = form.SinryoGrid->rows() - 1;
        QCOMPARE(form.SinryoGrid->textMatrix(last - 1, 1), QString()); // the closing ",,," lines
        QCOMPARE(form.SinryoGrid->textMatrix(last, 0), QString::number(last));
        TreatmentSetup::clickCell(form.SinryoGrid, last, 1);
        TreatmentSetup::click(form.CmdGd, Ok);
        QCOMPARE(out().at(0), QString());
        SinryoForm closed;
        TreatmentSetup::show(closed);
        TreatmentSetup::clickCell(closed.SinryoGrid, 1, 1);
        TreatmentSetup::click(closed.CmdGd, Tojiru);
        QCOMPARE(out(), QStringList(11));
    }

    void tables_data()
    {
        QTest::addColumn<QString>("bunrui");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("first");
        QTest::newRow("文書") << "文書" << 8 << "診断書";
        QTest::newRow("診察") << "診察" << 8 << "初診料";
        QTest::newRow("other word") << "往診" << 1 << "";
    }
    void tables()
    {
        QFETCH(QString, bunrui);
        QFETCH(int, rows);
        QFETCH(QString, first);
        TreatmentSetup setup;
        SharedState::get().Hand.SinryoBunruiIn = bunrui;
        SinryoForm form;
        QCOMPARE(form.SinryoGrid->rows() - 1, rows);
        QCOMPARE(form.SinryoGrid->textMatrix(1, 1), first);
        QCOMPARE(form.SinryoGrid->textMatrix(1, 0), QStringLiteral("1"));
    }

    void placeBesideTheEditor()
    {
        TreatmentSetup setup;
        EditorFrame editor;
        SharedState::get().OpenEditor = &editor;
        SinryoForm beside;
        QCOMPARE(beside.geometry().topLeft(), QPoint(40 + TwipGeometry::px(1000), 30));
        QCOMPARE(beside.height(), 600);
        SharedState::get().OpenEditor = nullptr;
        SinryoForm alone;
        QVERIFY(alone.height() > 600);
    }
};

NOLVARI_TEST(SinryoFormTest)
#include "SinryoFormTest.moc"
