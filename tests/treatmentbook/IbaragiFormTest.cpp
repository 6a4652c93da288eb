#include "BookSetup.h"
#include "PdfWords.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "chart/BunruiForm.h"
#include "chart/KarteScan.h"
#include "chart/NewInputForm.h"
#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/QtPrintDevice.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "dialogs/ByoNameForm.h"
#include "dialogs/NenGappiForm.h"
#include "dialogs/Pict2Form.h"
#include "dialogs/SyokenForm.h"
#include "dialogs/TextInputForm.h"
#include "registers/OptionArray.h"
#include "treatment/OusinForm.h"
#include "treatment/TyusyaForm.h"
#include "treatmentbook/IbaragiForm.h"
#include "treatmentbook/IbaragiInfoForm.h"
#include "treatmentbook/IbaragiPrintForm.h"
#include "treatmentbook/IbaragiSyukeiForm.h"
#include "treatmentbook/IbaragiTForm.h"
#include "treatmentbook/TiryoboCmdCheck.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

namespace {
using C = TiryoboCmdCheck;
using Script = std::function<void(IbaragiForm&)>;

const QString Calving = QStringLiteral("【産数】2 【子牛】♂\t【元気】有 【食欲】有\t【品種】F1 【比重】A\t【状況】正常\t[]");
const QString CalvingInOneLine = QStringLiteral("【産数】2 【子牛】♂【元気】有 【食欲】有【品種】F1 【比重】A【状況】正常[]");

// A book line of cells given by column.
QString bookLine(const QList<QPair<int, QString>>& cells)
{
    QStringList fields(TiryoboRow::ColCount);
    for (const auto& cell : cells)
        fields[cell.first] = cell.second;
    return fields.join('\'');
}

void pickDate(NenGappiForm& picker, const QString& day)
{
    picker.DigitGd_Click(NenGappiForm::Year1Gd, "0");
    picker.DigitGd_Click(NenGappiForm::Year2Gd, "5");
    picker.DigitGd_Click(NenGappiForm::ManthGd, "3");
    picker.DigitGd_Click(NenGappiForm::DayGd1, day.left(1));
    picker.DigitGd_Click(NenGappiForm::DayGd2, day.right(1));
    BookSetup::click(picker.Label1, 1);
}

void pickDrug(TyusyaForm& form, const QString& name)
{
    QVERIFY(WindowMouse::clickCell(form.YobiGrid, 0, 0));
    for (int r = 1; r < form.TyusyaGrid->rows(); ++r) {
        if (form.TyusyaGrid->textMatrix(r, 1) == name) {
            QVERIFY(WindowMouse::clickCell(form.TyusyaGrid, r, 1));
            return;
        }
    }
    QFAIL(qPrintable(name + " is not listed"));
}

// The person at the book and its dialogs: the book's own script, and the dialogs answered the way
// the book's commands of the test open them.
void answerDialogs(const Script& book, QString* day)
{
    ModalHost::setHandler([book, day](QDialog& dialog) {
        const QString name = dialog.metaObject()->className();
        if (name == "IbaragiForm") {
            book(static_cast<IbaragiForm&>(dialog));
        } else if (name == "NenGappiForm") {
            pickDate(static_cast<NenGappiForm&>(dialog), *day);
        } else if (name == "OusinForm") {
            auto& ousin = static_cast<OusinForm&>(dialog);
            BookSetup::type(ousin.InpTx, "12");
            BookSetup::pressEnter(ousin.InpTx);
        } else if (name == "TyusyaForm") {
            auto& tyusya = static_cast<TyusyaForm&>(dialog);
            WindowMouse::showWindow(tyusya.YobiGrid);
            pickDrug(tyusya, "アンピシリンNa注射用");
            BookSetup::type(tyusya.InpTx, "2");
            BookSetup::pressEnter(tyusya.InpTx);
        } else if (name == "IbaragiTForm") {
            auto& taion = static_cast<IbaragiTForm&>(dialog);
            BookSetup::type(taion.inpTx, "38.5");
            BookSetup::pressEnter(taion.inpTx);
        } else if (name == "IbaragiInfoForm") {
            auto& info = static_cast<IbaragiInfoForm&>(dialog);
            BookSetup::type(info.inpTx0, "2");
            BookSetup::click(info.CmdGd, IbaragiInfoForm::Ok);
        } else if (name == "IbaragiPrintForm") {
            auto& print = static_cast<IbaragiPrintForm&>(dialog);
            BookSetup::click(print.CmdGd, 1);
            BookSetup::click(print.CmdGd, 0);
        } else {
            QTest::qFail(qPrintable("unexpected window " + name), __FILE__, __LINE__);
        }
        return dialog.result();
    });
}

void clickRow(IbaragiForm& form, int row)
{
    QVERIFY(WindowMouse::clickCell(form.DataGrid, row, 0));
}

void command(IbaragiForm& form, int code)
{
    BookSetup::click(form.BunruiGd, code);
}

int pageCount(const QString& pdf, QString* pageSize)
{
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished();
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const QRegularExpression size("Page size:\\s*([0-9.]+ x [0-9.]+)");
    *pageSize = size.match(out).captured(1);
    return QRegularExpression("Pages:\\s*(\\d+)").match(out).captured(1).toInt();
}
}

namespace {
void sideDialogsScript(IbaragiForm& form)
{
    QVERIFY(WindowMouse::showWindow(form.DataGrid));
    clickRow(form, 2);
    command(form, C::Gensyo);
    QCOMPARE(MsgBox::log().last().text, "現症経過は日付が入力してある行にのみ入力できます。");
    clickRow(form, 1);
    QCOMPARE(form.SyokenList->count(), 1);
    for (int code : {C::Gensyo, C::ByoMei, C::Syoken, C::Pict2})
        command(form, code);
    QCOMPARE(form.DataGrid->textMatrix(1, 2), "食欲不振");
    QCOMPARE(form.DataGrid->textMatrix(1, 1), "");
    QCOMPARE(form.DataGrid->textMatrix(1, 18), "[太さ]2.0:[外陰唇]腫張・深じわ:");
    QCOMPARE(form.SyokenList->count(), 2);
    QCOMPARE(form.DataGrid->textMatrix(1, 17), "7:0:::");
    BookSetup::click(form.CmdGd, 0);
}

}

class IbaragiFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    // An animal's book kept as a person keeps it: a day with a house call, a temperature and the
    // calving, an injection on the day's second row, the day copied to a later date, saved and
    // closed; reopened with the partner's book below and printed on B5.
    void bookOfAnAnimal()
    {
        BookSetup setup;
        setup.write("inport/H7_00010001_1234_0.ixb", {bookLine({{0, "5.3.1"}, {2, "partner"}})});
        QString day = "12";
        answerDialogs([&day](IbaragiForm& form) {
            QVERIFY(WindowMouse::showWindow(form.DataGrid));
            QCOMPARE(form.DataGrid->rows(), 200);
            command(form, C::Tyusya);
            QCOMPARE(MsgBox::log().last().text, "入力する行を選択してください。");
            clickRow(form, 1);
            command(form, C::Hiduke);
            command(form, C::Ousin);
            command(form, C::Taion);
            command(form, C::Bunben);
            clickRow(form, 2);
            command(form, C::Taion);
            QCOMPARE(MsgBox::log().last().text, "体温は、日付が入力してある行にのみ入力できます。");
            command(form, C::Tyusya);
            clickRow(form, 1);
            command(form, C::DayCopy);
            clickRow(form, 4);
            command(form, C::DayPaste);
            command(form, C::HidukeClear);
            day = "13";
            command(form, C::Hiduke);
            QCOMPARE(form.DataGrid->textMatrix(4, 0), "5.3.13");
            BookSetup::click(form.CmdGd, 0);
        }, &day);
        IbaragiForm::open(nullptr);
        QCOMPARE(SharedState::get().IbaragiFormOpen, 0);

        const QStringList book{
            bookLine({{0, "5.3.12"}, {3, "往診"}, {4, "12km"}, {5, "日中:10～20"}, {8, "320"}, {9, "385"},
                      {11, "38.5"}, {12, Calving}}),
            bookLine({{3, "筋肉内注射"}, {4, "アンピシリンNa注射用"}, {5, "1g1V"}, {6, "2"}, {7, "624"}, {8, "8"},
                      {9, "10"}, {10, "8･10･0･0"}}),
            bookLine({{0, "5.3.13"}, {3, "往診"}, {4, "12km"}, {5, "日中:10～20"}, {8, "320"}, {9, "385"},
                      {11, "38.5"}, {12, CalvingInOneLine}}),
            bookLine({{3, "筋肉内注射"}, {4, "アンピシリンNa注射用"}, {5, "1g1V"}, {6, "2"}, {7, "624"}, {8, "8"},
                      {9, "10"}, {10, "8･10･0･0"}}),
        };
        QCOMPARE(setup.read("cb/H7_00010001_1234_0.txb"), book);
        QCOMPARE(setup.bytes("cb/H7_00010001_1234_0.txb"), TestFixture::readBytes(TestFixture::writeCp932(
                                                               setup.path("expected.txb"), book)));
        QCOMPARE(setup.bytes("set/DellInfo.ini"), QByteArray("H7_00010001_9999_0,\r\nH7_00010001_1234_0,\r\n"));

        const QString pdf = DataPath::root() + "/book.pdf";
        PrintDeviceSource::setFactory([pdf](const QString&) { return QtPrintDevice::toPdf(pdf); });
        answerDialogs([pdf](IbaragiForm& form) {
            QVERIFY(WindowMouse::showWindow(form.DataGrid));
            QCOMPARE(form.DataGrid->rows(), 1 + 4 + 100);
            QCOMPARE(form.DataGrid->textMatrix(1, 12), QString(Calving).replace("\t", "\r\n"));
            QVERIFY(form.InportFrame->isVisible());
            QCOMPARE(form.InportFrame->title(), "県北支所Bでの入力内容：（変更はできません）");
            command(form, C::DataHyoji);
            QCOMPARE(form.InportGrid->textMatrix(1, 2), "partner");
            clickRow(form, 1);
            command(form, C::Insatu);
            QCOMPARE(MsgBox::log().last().text, "終了しました。\n印刷内容をファイルに保存しました。\n" + pdf);
            BookSetup::click(form.CmdGd, 0);
        }, nullptr);
        IbaragiForm::open(nullptr);
        QString size;
        QCOMPARE(pageCount(pdf, &size), 1);
        QCOMPARE(size, "516 x 729");   // JIS B5, 182 x 257 mm, in whole points
        const QMap<QString, QPointF> words = PdfWords::topLeftMm(pdf);
        QVERIFY(words.contains("家畜治療簿"));
        QVERIFY(words.contains("アンピシリンNa注射用"));
    }

    // Marked rows of a day become a new episode of the animal's chart, which the editor saves; the
    // same disease and first date again is refused.
    void chartFromMarkedRows()
    {
        BookSetup setup;
        setup.write("cb/H7_00010001_1234_0.txb",
                    {bookLine({{0, "5.3.12"}, {1, "乳房炎:10-2-3"}, {3, "往診"}, {4, "12km"}, {8, "320"}, {9, "385"},
                               {11, "38.5"}}),
                     bookLine({{3, "筋肉内注射"}, {4, "アンピシリンNa注射用"}, {6, "2"}, {7, "624"}, {8, "8"},
                               {9, "10"}}),
                     bookLine({{0, "5.3.13"}, {12, "【産数】2"}})});
        const int before = KarteScan::read(SharedState::get().kartePath(BookSetup::karte())).blockCount();
        QStringList opened;
        ModalHost::setHandler([&opened](QDialog& dialog) -> int {
            const QString name = dialog.metaObject()->className();
            opened.append(name);
            [&] {
                if (name == "IbaragiForm") {
                    auto& form = static_cast<IbaragiForm&>(dialog);
                    QVERIFY(WindowMouse::showWindow(form.DataGrid));
                    command(form, C::GyoSiteiStart);
                    clickRow(form, 1);
                    WindowMouse::click(form.DataGrid->viewport(), WindowMouse::cellPoint(form.DataGrid, 2, 4),
                                       Qt::ShiftModifier);
                    command(form, C::Sindansyo);
                    command(form, C::Sindansyo);
                    command(form, C::GyoSiteiEnd);
                    BookSetup::click(form.CmdGd, 0);
                } else if (name == "BunruiForm") {
                    BookSetup::click(static_cast<BunruiForm&>(dialog).SentakuGd, 1);
                } else if (name == "NewInputForm") {
                    auto& editor = static_cast<NewInputForm&>(dialog);
                    QCOMPARE(SharedState::get().IbaragiFormOpen, 1);
                    BookSetup::click(editor.CmdGd, 0);
                }
            }();
            return dialog.result();
        });
        IbaragiForm::open(nullptr);
        QCOMPARE(opened, (QStringList{"IbaragiForm", "BunruiForm", "NewInputForm"}));
        QStringList said;
        for (const MsgBox::Call& call : MsgBox::log())
            said.append(call.text);
        QCOMPARE(said.mid(said.size() - 2), (QStringList{"病名と初診日が同じカルテがありますので作成できません。",
                                                         "保存して終了します。"}));
        QCOMPARE(SharedState::get().Hand.IbaragiKiokuDate, "5.3.13");
        const QStringList toridasi = setup.read("set/ToridasiData.ini");
        QCOMPARE(toridasi.size(), 3 + 2 + 1);
        QCOMPARE(toridasi.at(0), "乳房炎:10-2-3");
        QVERIFY(toridasi.at(4).startsWith("0:5.3.12'''筋肉内注射'"));
        QCOMPARE(toridasi.last(), "1");
        const KarteScan chart = KarteScan::read(SharedState::get().kartePath(BookSetup::karte()));
        QCOMPARE(chart.blockCount(), before + 1);
        QCOMPARE(chart.nameRecords().last().ByoName, "乳房炎");
        QCOMPARE(chart.nameRecords().last().SyosinDate, "5.3.12");
    }

    // The partner's frame and the display sizes: hidden at the group's site without a partner,
    // three sizes at a branch; no book opens for a chart that does not read.
    void framesAndRefusals()
    {
        {
            BookSetup setup("IBF4");
            answerDialogs([](IbaragiForm& form) {
                QVERIFY(WindowMouse::showWindow(form.DataGrid));
                QVERIFY(!form.InportFrame->isVisible());
                QCOMPARE(form.DataGrid->height(), TwipGeometry::px(12450));
                BookSetup::click(form.CmdGd, 0);
            }, nullptr);
            IbaragiForm::open(nullptr);
            QVERIFY(setup.exists("cb/H7_00010001_1234_0.txb"));
        }
        BookSetup setup;
        answerDialogs([](IbaragiForm& form) {
            QVERIFY(WindowMouse::showWindow(form.DataGrid));
            BookSetup::click(form.SizeOp->at(2));
            QCOMPARE(form.DataGrid->height(), TwipGeometry::px(11000));
            QCOMPARE(form.InportFrame->y(), TwipGeometry::px(13000));
            QCOMPARE(form.InportGrid->height(), TwipGeometry::px(1000));
            command(form, C::DataHyoji);
            QCOMPARE(MsgBox::log().last().text, "データがインポートされていません。");
            BookSetup::click(form.CmdGd, 0);
        }, nullptr);
        IbaragiForm::open(nullptr);

        MsgBox::clearLog();
        SharedState::get().CurrentKarteFile = "H7_00010001_7777_0.sxd";
        IbaragiForm::open(nullptr);
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY(MsgBox::log().at(0).text.contains("H7_00010001_7777_0.sxd"));
        QVERIFY(!setup.exists("cb/H7_00010001_7777_0.txb"));
    }

    // The side dialogs of a dated row: the course text typed, the disease deleted, a finding added
    // to the one listed, a picture chosen; each lands in its column and the panel shows it. A row
    // without a date refuses the course text.
    void sideDialogsOfARow()
    {
        BookSetup setup;
        setup.write("cb/H7_00010001_1234_0.txb",
                    {bookLine({{0, "5.3.1"}, {1, "乳房炎:1-2-3"}, {18, "[太さ]2.0:"}}), bookLine({})});
        ModalHost::setHandler([](QDialog& dialog) -> int {
            const QString name = dialog.metaObject()->className();
            if (name == "IbaragiForm") {
                sideDialogsScript(static_cast<IbaragiForm&>(dialog));
            } else if (name == "TextInputForm") {
                auto& text = static_cast<TextInputForm&>(dialog);
                text.inpTx->setPlainText("食欲不振");
                WindowMouse::click(text.Label1->at(1));
            } else if (name == "ByoNameForm") {
                WindowMouse::click(static_cast<ByoNameForm&>(dialog).CmdGd->at(2));
            } else if (name == "SyokenForm") {
                auto& syoken = static_cast<SyokenForm&>(dialog);
                WindowMouse::click(syoken.options[7]->at(4));
                WindowMouse::click(syoken.Label1->at(1));
            } else if (name == "Pict2Form") {
                auto& pict = static_cast<Pict2Form&>(dialog);
                WindowMouse::click(pict.SentakuImg[6]);
                WindowMouse::click(pict.SetImg[0]);
                WindowMouse::click(pict.Label1->at(1));
            } else {
                QTest::qFail(qPrintable("unexpected window " + name), __FILE__, __LINE__);
            }
            return dialog.result();
        });
        IbaragiForm::open(nullptr);
        const QStringList saved = setup.read("cb/H7_00010001_1234_0.txb");
        QCOMPARE(saved.value(0), bookLine({{0, "5.3.1"}, {2, "食欲不振"}, {17, "7:0:::"},
                                           {18, "[太さ]2.0:[外陰唇]腫張・深じわ:"}}));
    }

    // The tally window lists a logged certificate of the period chosen from the logged periods,
    // marks it and deletes it from the log.
    void tallyListsAndDeletesALoggedCertificate()
    {
        BookSetup setup;
        const QString kept = "さくら'2023'2345'肺炎'03-01-1'5.3.5'5.3.9'5.3.9'800'2,000'200'150'2'伊藤'5･3'5.3.4'治癒";
        const QString deleted = "はなこ'1012'1234'乳房炎'01-02-3'5.3.1'5.3.20'5.3.21'1,200'4,200'420'370'4'高橋'5･3";
        setup.write("tcb/5･3.ini", {kept, deleted});
        IbaragiSyukeiForm form;
        QVERIFY(WindowMouse::showWindow(form.SyukeiGrid));
        QCOMPARE(form.tcbCmb->count(), 1);
        form.tcbCmb->setCurrentIndex(0);
        form.tcbCmb_Click(0);
        QCOMPARE(form.inpTx[0]->text() + "/" + form.inpTx[1]->text(), "5/3");
        BookSetup::click(form.DateOp->at(1));
        BookSetup::click(form.CmdGd, IbaragiSyukeiForm::Sakujyo);
        QCOMPARE(MsgBox::log().last().text, "抽出されていません(削除できるのは「印刷済抽出」のみです。)");
        BookSetup::click(form.CmdGd, IbaragiSyukeiForm::Tcb);
        QCOMPARE(form.SyukeiGrid->rows(), 3);
        QCOMPARE(form.SyukeiGrid->textMatrix(2, 7), "H5.3.1");
        QVERIFY(WindowMouse::clickCell(form.SyukeiGrid, 2, 4));
        QCOMPARE(form.SyukeiGrid->textMatrix(2, 0), "○");
        BookSetup::click(form.CmdGd, IbaragiSyukeiForm::Sakujyo);
        QCOMPARE(setup.read("tcb/5･3.ini"), QStringList{kept});
        QCOMPARE(form.SyukeiGrid->rows(), 2);
        QCOMPARE(form.SyukeiGrid->textMatrix(1, 1), "さくら");

        BookSetup::type(form.inpTx[1], "4");
        BookSetup::click(form.CmdGd, IbaragiSyukeiForm::Tcb);
        QCOMPARE(MsgBox::log().last().text, "5年4月の印刷済データはありません。");
        QCOMPARE(form.SyukeiGrid->rows(), 1);
        QVERIFY(!setup.exists("tcb/5･4.ini"));
        QCOMPARE(setup.read("tcb/5･3.ini"), QStringList{kept});
    }
};

NOLVARI_TEST(IbaragiFormTest)
#include "IbaragiFormTest.moc"
