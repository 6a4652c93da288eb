#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "codetables/MiyazakiYakkaForm.h"
#include "common/CodeTableLoader.h"
#include "common/FlexGrid.h"
#include "common/SharedState.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QStringList kDrugs{"内'整腸'2001'ビフィズス'500g'500'g''2800'", "注'抗生'1002'オキシ'100mL'100'mL''1850'",
                         "注'抗生'1001'アンピ'1g'1'V''312'", "外'消毒'3001'ポビドン'500mL'500'mL''1560'",
                         "注'ビタ'1001'ビタB1'10mL'10'mL''86'"};
const QStringList kFees{"往診'0102'日中'2'4'190'", "往診'0101'日中'2''150'", "処置'0301'創傷処置'小範囲''30'"};

void setTables(const QStringList& drugs, const QStringList& fees)
{
    SharedState::get().Tables.YakkaMiyazakiTable = CodeTableLoader::tableOf(drugs);
    SharedState::get().Tables.SinryoMiyazakiTable = CodeTableLoader::tableOf(fees);
}

FlexGrid* grid(QWidget& form, int k)
{
    return form.findChild<FlexGrid*>(QStringLiteral("DataGrid%1").arg(k));
}

QStringList column(const FlexGrid* g, int col)
{
    QStringList out;
    for (int r = 1; r < g->rows(); ++r)
        out.append(g->textMatrix(r, col));
    return out;
}

QString lookUp(MiyazakiYakkaForm& form, const QString& code)
{
    auto* box = form.findChild<QLineEdit*>("inpTx1");
    box->setText(code);
    QTest::keyClick(box, Qt::Key_Return);
    return form.findChild<QLabel*>("YakkaGd")->text();
}
} // namespace

class MiyazakiYakkaFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        SharedState::get().setKen(QStringLiteral("宮崎県"));
    }

    void drugsSortedByMarkOrCodeAndLookedUp()
    {
        setTables(kDrugs, kFees);
        MiyazakiYakkaForm form;
        FlexGrid* drugs = grid(form, 0);
        QCOMPARE(drugs->rows(), 6);
        QCOMPARE(column(drugs, 3), (QStringList{"ビフィズス", "ポビドン", "ビタB1", "アンピ", "オキシ"}));
        QCOMPARE(column(drugs, 7), (QStringList{"2800", "1560", "86", "312", "1850"}));
        QCOMPARE(form.findChild<QLabel*>("YakkaGd")->text(), QStringLiteral("*"));
        QCOMPARE(lookUp(form, "1001"), QStringLiteral("312"));
        QCOMPARE(lookUp(form, "9999"), QStringLiteral("?"));
        QCOMPARE(form.findChild<QLineEdit*>("inpTx1")->selectedText(), QStringLiteral("9999"));

        auto* sort = form.findChild<QCheckBox*>("SortCh");
        sort->click();
        QCOMPARE(column(drugs, 2), (QStringList{"1001", "1001", "1002", "2001", "3001"}));
        QCOMPARE(lookUp(form, "1001"), QStringLiteral("86"));
        sort->click();
        QCOMPARE(column(drugs, 3), (QStringList{"ビフィズス", "ポビドン", "ビタB1", "アンピ", "オキシ"}));

        QVERIFY(WindowMouse::clickCell(drugs, 2, 1));
        QCOMPARE(form.findChild<QLabel*>("YakkaGd")->text(), QStringLiteral("1560"));
    }

    void feesKeepFileOrderWithHouseCallBands()
    {
        setTables(kDrugs, kFees);
        MiyazakiYakkaForm form;
        FlexGrid* fees = grid(form, 1);
        QCOMPARE(column(fees, 2), (QStringList{"日中2～4", "日中2以内", "創傷処置"}));
        QCOMPARE(column(fees, 3), (QStringList{"", "", "小範囲"}));
        QCOMPARE(column(fees, 4), (QStringList{"190", "150", "30"}));
    }

    void emptyTablesShowHeadingsOnly()
    {
        setTables({}, {});
        MiyazakiYakkaForm form;
        QCOMPARE(grid(form, 0)->rows(), 1);
        QCOMPARE(grid(form, 1)->rows(), 1);
        QCOMPARE(grid(form, 0)->textMatrix(0, 7), QStringLiteral("薬価"));
        QCOMPARE(lookUp(form, "1001"), QStringLiteral("?"));
    }

    void pagesAndClose()
    {
        setTables(kDrugs, kFees);
        MiyazakiYakkaForm form;
        QFrame* drugPage = form.findChild<QFrame*>("WakuFrame0");
        QFrame* feePage = form.findChild<QFrame*>("WakuFrame1");
        QVERIFY(!drugPage->isHidden() && feePage->isHidden());
        form.findChild<QRadioButton*>("BunruiOp1")->click();
        QVERIFY(drugPage->isHidden() && !feePage->isHidden());
        QSignalSpy finished(&form, &QDialog::finished);
        form.CmdGd_Click(0);
        QCOMPARE(finished.count(), 1);
    }
};

NOLVARI_TEST(MiyazakiYakkaFormTest)
#include "MiyazakiYakkaFormTest.moc"
