#include "AttorneyFixture.h"
#include "FailingPrintDevice.h"
#include "PdfWords.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "attorney/IninjyoForm.h"
#include "attorney/IninjyoHelper.h"
#include "attorney/IninjyoList.h"
#include "attorney/PrintMiyazakiIninnjyoForm.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/QtPrintDevice.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using L = IninjyoList;

QStringList column(const QList<QStringList>& rows, int col)
{
    QStringList out;
    for (const QStringList& r : rows)
        out.append(r.value(col));
    return out;
}
} // namespace

class IninjyoListTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void hidukeKey_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("key");
        QTest::newRow("5.3.12") << "5.3.12" << "50312";
        QTest::newRow("5.10.2") << "5.10.2" << "51002";
        QTest::newRow("no dot") << "5312" << "";
        QTest::newRow("empty") << "" << "";
    }
    void hidukeKey()
    {
        QFETCH(QString, date);
        QFETCH(QString, key);
        QCOMPARE(L::IninjyoHidukeKeyProc(date), key);
    }

    void marume_data()
    {
        QTest::addColumn<QString>("fee");
        QTest::addColumn<QString>("rounded");
        QTest::newRow("up") << "12,345" << "12,350";
        QTest::newRow("down") << "12,344" << "12,340";
        QTest::newRow("even") << "12,340" << "12,340";
        QTest::newRow("7") << "7" << "10";
        QTest::newRow("3") << "3" << "";
        QTest::newRow("empty") << "" << "";
    }
    void marume()
    {
        QFETCH(QString, fee);
        QFETCH(QString, rounded);
        QCOMPARE(L::SinryohiMarumeProc(fee), rounded);
    }

    void helpers()
    {
        const QList<std::pair<QString, QString>> seireki{
            {"5.4.1", "2023.4.1"}, {"1.5.1", "2019.5.1"}, {"29.12.31", "2047.12.31"}, {"30.4.1", "30.4.1"}, {"31.4.30", "31.4.30"}};
        for (const auto& [era, western] : seireki) {
            QCOMPARE(IninjyoHelper::HenkanSeirekiProc2(era, true), western);
            QCOMPARE(IninjyoHelper::HenkanSeirekiProc2(era, false), era);
        }
        const QStringList register_{"", "東谷,甲,01,最初の住所", "東谷,乙,01,後の住所", "西原,丙,02"};
        QCOMPARE(IninjyoHelper::NameCodeSearchProc(register_, "01"), QStringLiteral("最初の住所"));
        QCOMPARE(IninjyoHelper::NameCodeSearchProc(register_, "02"), QString());
        QCOMPARE(IninjyoHelper::NameCodeSearchProc(register_, "09"), QString());
    }

    // The list from the workbench: sorted by farmer (name and code) and first-exam date, banded
    // by farmer; a namesake of another code is a farmer of his own.
    void listBuild()
    {
        Episode a;
        a.syosin = "5.10.2";
        Episode b;
        b.syosin = "5.3.12";
        b.meigou = "たろう";
        Episode namesake;
        namesake.code = "00030001";
        Episode other;
        other.name = "川口 花子";
        other.code = "00010002";
        other.syosin = "";
        const auto grid = syukeiGrid({a, namesake, other, b});
        QList<QStringList> rows = L::IninjyoListSetProc(*grid, false);
        QCOMPARE(column(rows, L::NameCol), (QStringList{"山本 一郎", "山本 一郎", "山本 一郎", "川口 花子"}));
        QCOMPARE(column(rows, L::KeyCol), (QStringList{"50312", "51002", "50412", ""}));
        QCOMPARE(column(rows, L::MeigouCol).mid(0, 2), (QStringList{"たろう", "はなこ"}));
        QCOMPARE(column(rows, L::KotaiCol).mid(0, 2), (QStringList{"", "123"}));
        QCOMPARE(column(rows, L::InsatuCol), QStringList(4, "する"));
        QList<L::Band> bands = L::bands(rows);
        QCOMPARE(bands.at(1).number, 2);
        QCOMPARE(bands.at(2).band, 1);  // the namesake
        QCOMPARE(bands.at(2).number, 1);
        QCOMPARE(bands.at(3).band, 0);

        // A click on a name flips the farmer's rows to the opposite of the clicked one; not the namesake's.
        QVERIFY(L::IninjyoListClick(rows, 0, L::InsatuCol));
        QVERIFY(L::IninjyoListClick(rows, 1, L::NameCol));
        QCOMPARE(column(rows, L::InsatuCol), (QStringList{"しない", "しない", "する", "する"}));
        QVERIFY(!L::IninjyoListClick(rows, 1, L::ByoCol));
        const QList<IninjyoFarmer> farmers = IninjyoPrintData::farmersOf(rows);
        QCOMPARE(farmers.size(), 3);
        QVERIFY(farmers.at(0).rows.isEmpty());
        QCOMPARE(farmers.at(1).code, QStringLiteral("00030001"));

        Episode fee;
        fee.fee = "12,345";
        QCOMPARE(L::IninjyoListSetProc(*syukeiGrid({fee}), true).at(0).at(L::HiCol), QStringLiteral("12,350"));
    }

    void window()
    {
        AttorneyInstallation inst("鳥取県,0");
        TestFixture::writeCp932(inst.file("set/IninjyoPrintSet.ini"), {"1,5", ""});
        const auto grid = syukeiGrid(episodes(3));
        {
            IninjyoForm form(*grid);
            QVERIFY(WindowMouse::showWindow(&form));
            QCOMPARE(form.HoseiTx[0]->text(), QStringLiteral("1,5"));
            QCOMPARE(form.HoseiTx[1]->text(), QStringLiteral("0"));
            QCOMPARE(form.DateGd->text(), QStringLiteral(".."));
            QVERIFY(form.InsatuCh[2]->isVisible());
            QVERIFY(form.InsatuCh[0]->isHidden());
            QCOMPARE(form.ListGrid->rows(), 4);
            QVERIFY(WindowMouse::clickCell(form.ListGrid, 2, L::InsatuCol));
            QCOMPARE(form.ListGrid->textMatrix(2, L::InsatuCol), QStringLiteral("しない"));
            QCOMPARE(form.ListGrid->cellBackColor(2, 5), QColor(235, 235, 235));
            QVERIFY(WindowMouse::clickCell(form.ListGrid, 1, L::NameCol));
            QCOMPARE(form.ListGrid->textMatrix(3, L::InsatuCol), QStringLiteral("しない"));
            WindowMouse::click(form.CmdGd->at(2));
            QCOMPARE(form.ListGrid->textMatrix(2, L::InsatuCol), QStringLiteral("する"));
            QVERIFY(IninjyoForm::IninjyoDateKioku().isEmpty());

            // No date: asked; Cancel prints nothing.
            auto device = std::make_shared<RecordingPrintDevice>();
            PrintDeviceSource::setFactory([device](const QString&) { return device; });
            MsgBox::setResponder([](const MsgBox::Call&) { return MsgBox::Cancel; });
            WindowMouse::click(form.CmdGd->at(1));
            QCOMPARE(MsgBox::log().last().text, QStringLiteral("日付が入力されていませんがよろしいですか？"));
            QVERIFY(device->ops.isEmpty());
            // The kept list comes back with every row switched off; a missing file leaves the list.
            form.CmdGd_Click(5);
            form.Rows.clear();
            form.CmdGd_Click(6);
            QCOMPARE(form.Rows.size(), 3);
            QCOMPARE(form.ListGrid->textMatrix(3, L::ByoCol), QStringLiteral("病3"));
            QCOMPARE(form.ListGrid->textMatrix(1, L::InsatuCol), QStringLiteral("しない"));
            QFile::remove(inst.file("set/Kaihatu.ini"));
            form.CmdGd_Click(6);
            QCOMPARE(form.Rows.size(), 3);
            QVERIFY(MsgBox::log().last().text.contains("Kaihatu.ini"));
            form.HoseiTx[1]->clear();
            WindowMouse::click(form.CmdGd->at(0));
        }
        QCOMPARE(TestFixture::readCp932(inst.file("set/IninjyoPrintSet.ini")), (QStringList{"1,5", "0"}));
        QCOMPARE(IninjyoForm::IninjyoDateKioku(), QStringLiteral(".."));
    }

    // 宮崎県 at a site that may not address the prefecture association: the options, the refusal,
    // then the document to 都城 with the fees rounded and the Western year.
    void miyazakiWindow()
    {
        AttorneyInstallation inst("宮崎県,MZC");
        Episode e;
        e.fee = "12,345";
        const auto grid = syukeiGrid({e});
        IninjyoForm form(*grid);
        QCOMPARE(form.ListGrid->textMatrix(1, L::HiCol), QStringLiteral("12,350"));
        form.DateGd->setText("5.6.1");
        auto device = std::make_shared<RecordingPrintDevice>();
        PrintDeviceSource::setFactory([device](const QString&) { return device; });
        int kyosai = 0;
        ModalHost::setHandler([&kyosai](QDialog& dialog) {
            auto* options = qobject_cast<PrintMiyazakiIninnjyoForm*>(&dialog);
            if (!options)
                return 0;
            // The first opening shows the starting choices.
            options->KyosaiOp[kyosai]->setChecked(true);
            options->BunruiOp[2]->setChecked(true);
            WindowMouse::click(options->CmdGd->at(1));
            return 1;
        });
        WindowMouse::showWindow(&form);
        WindowMouse::click(form.CmdGd->at(1));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("印刷できません(指定獣医師専用)"));
        QVERIFY(device->ops.isEmpty());
        kyosai = 1;
        WindowMouse::click(form.CmdGd->at(1));
        QVERIFY(MsgBox::log().last().text.startsWith(QStringLiteral("終了しました。")));
        QCOMPARE(SharedState::get().SeirekiFlag, 1);
        QVERIFY(ruledAt(*device, "都城農業共済組合長　殿", 1, 50, 29, 12, 1));
        QVERIFY(ruledAt(*device, "   2023　年　6　月　1　日", 1, 100, 33, 11));
        QVERIFY(ruledAt(*device, "12,350", 1, 167, 107.75 + 8.5, 11, 2));
        QCOMPARE(PrintMiyazakiIninnjyoForm::kioku().IninjyoKyosaiOpOut, 1);

        // Closed with "閉る": nothing printed, the choices kept and shown again.
        device->ops.clear();
        ModalHost::setHandler([](QDialog& dialog) {
            auto* options = qobject_cast<PrintMiyazakiIninnjyoForm*>(&dialog);
            if (!options)
                return 0;
            options->BunruiOp[1]->setChecked(true);
            WindowMouse::click(options->CmdGd->at(0));
            return 1;
        });
        WindowMouse::click(form.CmdGd->at(1));
        QVERIFY(device->ops.isEmpty());
        PrintMiyazakiIninnjyoForm again;
        QVERIFY(again.BunruiOp[1]->isChecked());
        QVERIFY(again.KyosaiOp[1]->isChecked());
        QVERIFY(!again.KyosaiOp[0]->isEnabled());
    }

    // Fees are rounded to tens only where the site row asks for it (宮崎県 VetC and VetE).
    void roundingBySite_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("fee");
        QTest::newRow("miyazaki VetC") << "宮崎県,MZC" << "12,350";
        QTest::newRow("miyazaki VetA") << "宮崎県,MZA" << "12,345";
        QTest::newRow("tottori") << "鳥取県,0" << "12,345";
    }
    void roundingBySite()
    {
        QFETCH(QString, info);
        AttorneyInstallation inst(info);
        Episode e;
        e.fee = "12,345";
        const auto grid = syukeiGrid({e});
        IninjyoForm form(*grid);
        QTEST(form.ListGrid->textMatrix(1, L::HiCol), "fee");
    }

    // The window prints the prefecture's layout (群馬県 circles the kind, 鹿児島県 prints its own
    // title) and reports a printer failure instead of "終了しました。".
    void windowLayouts_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<bool>("failing");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("circles");
        QTest::newRow("gunma") << "群馬県,GM" << false << "123" << 1;
        QTest::newRow("kagoshima") << "鹿児島県,KG" << false << "家 畜 共 済 病 傷 事 故 共 済 金 代 理 受 領 委 任 状" << 0;
        QTest::newRow("failing printer") << "鳥取県,0" << true << "123" << -1;
    }
    void windowLayouts()
    {
        QFETCH(QString, info);
        QFETCH(bool, failing);
        QFETCH(QString, text);
        QFETCH(int, circles);
        AttorneyInstallation inst(info);
        const auto grid = syukeiGrid(episodes(1));
        IninjyoForm form(*grid);
        QVERIFY(WindowMouse::showWindow(&form));
        form.DateGd->setText("5.6.1");
        const auto device = failing ? std::make_shared<FailingPrintDevice>() : std::make_shared<RecordingPrintDevice>();
        PrintDeviceSource::setFactory([device](const QString&) { return device; });
        MsgBox::clearLog();
        WindowMouse::click(form.CmdGd->at(1));
        QVERIFY2(device->texts().contains(text), qPrintable(device->texts().join('|')));
        if (circles >= 0)
            QCOMPARE(int(device->ofKind(RecordingPrintDevice::Kind::Circle).size()), circles);
        QCOMPARE(MsgBox::log().last().text.startsWith(QStringLiteral("終了しました。")), !failing);
        if (failing)
            QCOMPARE(MsgBox::log().last().text, FailingPrintDevice::failureText());
    }

    // On the Tottori sample: the mandates print to PDF on the old and the new form.
    void tottoriToPdf()
    {
        AttorneyInstallation inst("鳥取県,0");
        SharedState::get().DoctorInfo.DoctorName = "佐藤 誠";
        const auto grid = syukeiGrid(episodes(2));
        IninjyoForm form(*grid);
        QVERIFY(WindowMouse::showWindow(&form));
        form.DateGd->setText("7.6.1");
        QTemporaryDir dir;
        for (const bool newForm : {false, true}) {
            const QString pdf = dir.filePath(newForm ? "new.pdf" : "old.pdf");
            PrintDeviceSource::setFactory([pdf](const QString&) { return QtPrintDevice::toPdf(pdf); });
            form.InsatuCh[2]->setChecked(newForm);
            WindowMouse::click(form.CmdGd->at(1));
            QVERIFY(MsgBox::log().last().text.startsWith(QStringLiteral("終了しました。")));
            int pages = 0;
            const QMap<QString, QPointF> words = PdfWords::topLeftMm(pdf, &pages);
            QCOMPARE(pages, 1);
            QVERIFY2(words.contains("病1") && words.contains("病2"), qPrintable(QStringList(words.keys()).join(' ')));
            QCOMPARE(words.contains("鳥取県"), !newForm);
        }
    }
};

NOLVARI_TEST(IninjyoListTest)
#include "IninjyoListTest.moc"
