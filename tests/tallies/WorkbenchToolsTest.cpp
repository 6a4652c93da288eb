#include "PdfWords.h"
#include "SyukeiFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "attorney/IninjyoForm.h"
#include "attorney/IninjyoList.h"
#include "chart/KarteScan.h"
#include "common/ClipboardText.h"
#include "common/FlexGrid.h"
#include "common/LabelButton.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/QtPrintDevice.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "tallies/CheckForm.h"
#include "tallies/OptionForm.h"
#include "tallies/SyukeiForm.h"
#include "tallies/YakuhinSyukei.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

// The drug tally and the duplicate check opened from the workbench's commands, on copies of the
// sample installation.
class WorkbenchToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }
    void cleanup() { ModalHost::setHandler({}); }

    // "薬品集計印刷" opens the tally dialog: its year box holds the Reiwa year, "集計開始" fills
    // the grid from every chart of the year, "印刷開始" prints the list under 令和, the transfer
    // copies the grid.
    void drugTally()
    {
        SyukeiInstallation inst("鳥取県,0", true);
        auto device = std::make_shared<RecordingPrintDevice>();
        PrintDeviceSource::setFactory([device](const QString&) { return device; });
        int gridRows = 0;
        QString year;
        ModalHost::setHandler([&](QDialog& dialog) {
            auto* options = qobject_cast<OptionForm*>(&dialog);
            if (!options)
                return 0;
            year = options->inpTx[2]->text();
            options->inpTx[0]->setText("4");
            options->inpTx[1]->setText("7");
            WindowMouse::click(options->CmdGd->at(3));
            gridRows = options->DataGrid->rows();
            WindowMouse::click(options->CmdGd->at(2));
            WindowMouse::click(options->CmdGd->at(4));
            WindowMouse::click(options->CmdGd->at(0));
            return 0;
        });
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        QVERIFY(WindowMouse::click(form.ComandGd->at(10)));
        QCOMPARE(year, SharedState::get().ReiwaNen);
        const SharedState& s = SharedState::get();
        const YakuhinSyukei expected = YakuhinSyukei::YakuhinSyukeiProc({year, "4", "7"}, s.karteFolder(), s.KarteFileList.names());
        QVERIFY(!expected.rows().isEmpty());
        QCOMPARE(gridRows, 1 + int(expected.rows().size()));
        QVERIFY(device->texts().contains(QStringLiteral("令和 %1 年 4 月～ 7 月までの薬品使用明細").arg(year)));
        QVERIFY(device->texts().contains(expected.rows().first().name));
        QVERIFY(ClipboardText::get().startsWith(QStringLiteral("No\t薬名\t規格・適用\t数量\t\r1\t") + expected.rows().first().name));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("転送"));
    }

    // At the Ibaraki clinic, "重複チェック" on the list extracted by submission month ("全")
    // opens the check on that list: every dated visit of the year's episodes shows once.
    void duplicateCheck()
    {
        SyukeiInstallation inst("茨城県,IBCL", true, {"IBCL,茨城県,SiteIbarakiClinic"});
        int visits = 0;
        const SharedState& s = SharedState::get();
        for (const QString& file : s.KarteFileList) {
            const KarteScan chart = KarteScan::read(s.kartePath(file));
            for (int k = 0; k < chart.blockCount(); ++k)
                for (int j = 0; j < 20; ++j)
                    visits += chart.blockLine(k, KarteBlock::sinsatuRow(j))->at(2).isEmpty() ? 0 : 1;
        }
        int shown = -1;
        ModalHost::setHandler([&](QDialog& dialog) {
            auto* check = qobject_cast<CheckForm*>(&dialog);
            if (!check)
                return 0;
            WindowMouse::click(check->CmdGd->at(1));
            shown = 0;
            for (int r = 2; r < check->ResGrid->rows(); ++r)
                for (int c = 1; c < check->ResGrid->cols(); c += 3)
                    shown += check->ResGrid->textMatrix(r, c).isEmpty() ? 0 : 1;
            return 0;
        });
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        QVERIFY(WindowMouse::click(form.SyoriOp[1]));
        QVERIFY(WindowMouse::click(form.ComandGd->at(0)));
        QVERIFY(WindowMouse::click(form.SentakuGd->at(12)));
        QCOMPARE(form.grid().rows(), 7 + 3);
        QVERIFY(WindowMouse::click(form.ComandGd->at(11)));
        QVERIFY(visits > 5);
        QCOMPARE(shown, visits);
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("重複診療チェック"));
    }
    // In 鳥取県 "委任状印刷" opens the power-of-attorney window over the extracted list, at the
    // workbench's top edge; its print puts every listed disease in a PDF on the old and the new form.
    void attorneyWindow()
    {
        SyukeiInstallation inst("鳥取県,0", true);
        QTemporaryDir dir;
        QList<QStringList> rows;
        int top = -1;
        QStringList ends;
        QList<QMap<QString, QPointF>> words;
        ModalHost::setHandler([&](QDialog& dialog) {
            auto* attorney = qobject_cast<IninjyoForm*>(&dialog);
            if (!attorney)
                return 0;
            rows = attorney->Rows;
            top = attorney->y();
            attorney->DateGd->setText("7.6.1");
            for (const bool newForm : {false, true}) {
                const QString pdf = dir.filePath(newForm ? "new.pdf" : "old.pdf");
                PrintDeviceSource::setFactory([pdf](const QString&) { return QtPrintDevice::toPdf(pdf); });
                attorney->InsatuCh[2]->setChecked(newForm);
                WindowMouse::click(attorney->CmdGd->at(1));
                ends.append(MsgBox::log().last().text);
                words.append(PdfWords::topLeftMm(pdf));
            }
            WindowMouse::click(attorney->CmdGd->at(0));
            return 0;
        });
        SyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        QVERIFY(WindowMouse::click(form.SyoriOp[1]));
        pickMonth(form, 12);
        const FlexGrid& grid = form.grid();
        QStringList extracted;
        for (int r = 2; r < grid.rows() - 1; ++r)
            extracted.append(grid.textMatrix(r, SyukeiList::Name) + '/' + grid.textMatrix(r, SyukeiList::Syosin));
        QVERIFY(extracted.size() > 1);
        QVERIFY(WindowMouse::click(form.ComandGd->at(9)));
        QStringList listed;
        for (const QStringList& row : rows)
            listed.append(row.value(IninjyoList::NameCol) + '/' + row.value(IninjyoList::SyosinCol));
        extracted.sort();
        listed.sort();
        QCOMPARE(listed, extracted);
        QCOMPARE(top, form.geometry().top());
        QCOMPARE(ends.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QVERIFY2(ends.at(i).startsWith(QStringLiteral("終了しました。")), qPrintable(ends.at(i)));
            for (const QStringList& row : rows)
                QVERIFY2(words.at(i).contains(row.value(IninjyoList::ByoCol)),
                         qPrintable(row.value(IninjyoList::ByoCol) + ": " + QStringList(words.at(i).keys()).join(' ')));
            QCOMPARE(words.at(i).contains(QStringLiteral("鳥取県")), i == 0);
        }
    }
};

NOLVARI_TEST(WorkbenchToolsTest)
#include "WorkbenchToolsTest.moc"
