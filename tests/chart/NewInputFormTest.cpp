#include "KarteFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "chart/CopyForm.h"
#include "chart/KarteFile.h"
#include "chart/NewInputForm.h"
#include "common/FlexGrid.h"
#include "common/LabelButton.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SiteProfile.h"
#include "common/TwipGeometry.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

using SubForm = NewInputForm::SubForm;
using KarteFixture::openExisting;

// A click where the control shows in its window; a control covered by another fails the test.
void click(QWidget* control, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
{
    QVERIFY2(WindowMouse::click(control, QPoint(), modifiers, button), qPrintable(control->objectName()));
}

void clickCell(FlexGrid* grid, int row, int col)
{
    QVERIFY(WindowMouse::clickCell(grid, row, col));
}

// MsgBox answers taken from a queue, the default answer when it is empty.
void answerBoxes(QList<MsgBox::Answer> answers)
{
    auto queue = std::make_shared<QList<MsgBox::Answer>>(std::move(answers));
    MsgBox::setResponder([queue](const MsgBox::Call& call) {
        return queue->isEmpty() ? MsgBox::defaultAnswer(call.buttons) : queue->takeFirst();
    });
}

QStringList boxTexts()
{
    QStringList out;
    for (const MsgBox::Call& call : MsgBox::log())
        out.append(call.text);
    return out;
}

// A data year 7 with charts, and the answers the editor's dialogs give: each answer sets the
// dialog's hand-over values when the editor opens it (before and after the dialog's own start).
struct Editor
{
    TempDataRoot root;
    QString path;
    QMap<SubForm, std::function<void()>> answers;
    QList<SubForm> opened;
    std::function<void()> current;

    explicit Editor(const QList<QStringList>& blocks, Ken ken = Ken::Tottori)
    {
        SharedState::get().setKen(KenInfo::name(ken));
        path = KarteFixture::writeEditorChart(root, blocks);
        ModalHost::setHandler([this](QDialog&) {
            if (current)
                current();
            return 0;
        });
    }

    std::unique_ptr<NewInputForm> open()
    {
        auto form = std::make_unique<NewInputForm>();
        QObject::connect(form.get(), &NewInputForm::subFormOpening, form.get(), [this](SubForm f) {
            opened.append(f);
            current = answers.value(f);
            if (current)
                current();
        });
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("editor not shown");
        return form;
    }

    QStringList lines() const { return TestFixture::readCp932(path); }
};

std::function<void()> pickedDate(const QString& era, const QString& y, const QString& m, const QString& d)
{
    return [=] {
        HandOver& h = SharedState::get().Hand;
        h.NenGappiYearOut = y;
        h.NenGappiManthOut = m;
        h.NenGappiDayOut = d;
        h.NenGappiOut = era + y + "." + m + "." + d;
    };
}

std::function<void()> sinryo(const QStringList& out)
{
    return [out] { SharedState::get().Hand.SinryoOut = out; };
}

QStringList field(const QStringList& lines, int line)
{
    return lines.at(line).split('\'');
}

} // namespace

class NewInputFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void openEditSaveAndReopen()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1", "食欲不振")});
        openExisting("乳房炎", "7.5.1");
        const QStringList before = e.lines();
        auto form = e.open();
        QVERIFY(SharedState::get().OpenEditor == form.get());
        QCOMPARE(form->MainGd.at(14)->text(), QStringLiteral("600"));
        QVERIFY(WindowMouse::moveToCell(form->ByoNameGrid, 0, 1));
        QCOMPARE(form->ByoNameGrid->toolTip(), QStringLiteral("乳房炎"));
        QVERIFY(WindowMouse::moveToCell(form->ByoNameGrid, 0, 2));
        QCOMPARE(form->ByoNameGrid->toolTip(), QString());
        SinsatuWaku* exam2 = form->InputWaku.at(1);
        e.answers[SubForm::NenGappiForm] = pickedDate("R", "7", "5", "2");
        click(exam2->SinsatuDayGd);
        QCOMPARE(exam2->Hyoji_DayGd->text(), QStringLiteral("7.5.2"));
        QCOMPARE(form->MainGd.at(20)->text(), QStringLiteral("2"));
        QCOMPARE(e.lines(), before);  // a date waits for the next save

        clickCell(exam2->TiryoGrid, 1, 2);
        QVERIFY(form->BunruiPict->isVisible());
        e.answers[SubForm::SinryoForm]
            = sinryo({"乳房マッサージ", "20", "18", "20", "18", "0", "0", "20", "18", "", ""});
        click(form->BunruiGd->at(4));
        QVERIFY(!form->BunruiPict->isVisible());
        QCOMPARE(SharedState::get().Hand.SinryoBunruiIn, QStringLiteral("処置"));
        QStringList lines = e.lines();
        QCOMPARE(field(lines, 2 + 4 + 11 + 1).mid(3, 8),
                 (QStringList{"処置", "乳房マッサージ", "", "", "", "20", "18", "20･18･0･0"}));
        QCOMPARE(field(lines, 2).at(9), QStringLiteral("2"));
        QCOMPARE(field(lines, 2).at(6), QStringLiteral("7.5.2"));
        // Saved with the new line's totals: 100 yen, 10 points, B 70 + 10, A 18 + 10.
        QCOMPARE(field(lines, 5).mid(2, 8), (QStringList{"100", "10", "70", "18", "80", "28", "800", ""}));
        QCOMPARE(form->MainGd.at(14)->text(), QStringLiteral("800"));

        exam2->GensyoTx->setFocus();
        QTest::keyClicks(exam2->GensyoTx, "ok");
        QCOMPARE(field(e.lines(), 2 + 4 + 11 + 1).at(2), QString());
        click(form->CmdGd->at(0));
        QVERIFY(!form->isVisible());
        QCOMPARE(field(e.lines(), 2 + 4 + 11 + 1).at(2), QStringLiteral("ok"));
        QVERIFY(SharedState::get().OpenEditor == nullptr);

        auto again = e.open();
        QCOMPARE(again->InputWaku.at(1)->TiryoGrid->textMatrix(1, 2), QStringLiteral("乳房マッサージ"));
        QCOMPARE(again->InputWaku.at(1)->GensyoTx->toPlainText(), QStringLiteral("ok"));
        QCOMPARE(again->MainGd.at(14)->text(), QStringLiteral("800"));
        QCOMPARE(again->MainGd.at(11)->text(), QStringLiteral("7.5.2"));
        QVERIFY(MsgBox::log().isEmpty());
    }

    void clearingTheFirstDateAsksFirst()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        auto form = e.open();
        SinsatuWaku* exam1 = form->InputWaku.at(0);
        click(exam1->SinsatuDayGd, Qt::RightButton);
        QCOMPARE(boxTexts(), QStringList{"治療内容が入力されています。削除できません。"});
        clickCell(exam1->TiryoGrid, 1, 1);
        click(form->BunruiGd->at(12));
        QVERIFY(exam1->TiryoGrid->textMatrix(1, 1).isEmpty());
        const QStringList cleared = e.lines();
        MsgBox::clearLog();
        answerBoxes({MsgBox::Cancel});
        click(exam1->SinsatuDayGd, Qt::RightButton);
        QCOMPARE(boxTexts(),
                 QStringList{"【診察-1】を削除するとこのカルテ自体を削除することになります。よろしいですか？"});
        QCOMPARE(exam1->Hyoji_DayGd->text(), QStringLiteral("7.5.1"));
        click(exam1->SinsatuDayGd, Qt::RightButton);
        QCOMPARE(exam1->Hyoji_DayGd->text(), QString());
        QCOMPARE(e.lines(), cleared);
        MsgBox::clearLog();
        click(form->CmdGd->at(0));
        QCOMPARE(boxTexts(), QStringList{"【診察-1】の日付がありませんので保存しません。\r\n終了しますか？"});
        QVERIFY(!form->isVisible());
        QCOMPARE(e.lines(), cleared);
    }

    void treatmentBookNoLeavesTheChartAsItWas_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("いいえ") << false;
        QTest::newRow("はい") << true;
    }

    void treatmentBookNoLeavesTheChartAsItWas()
    {
        QFETCH(bool, yes);
        Editor e({KarteFixture::block("乳房炎", "7.5.1")}, Ken::Ibaraki);
        const QStringList row{"R7.6.1:7.6.1", "肺炎", "咳", "処置", "吸入", "", "", "", "10", "8", "10･8･0･0", "39.5", "::::", ""};
        e.root.write("set/ToridasiData.ini", {"肺炎:0311", "", "", row.join('\''), "0"});
        SharedState& s = SharedState::get();
        s.IbaragiFormOpen = 1;
        s.KarteOpenMode = 0;
        const QByteArray before = TestFixture::readBytes(e.path);
        auto form = e.open();
        QCOMPARE(form->InputWaku.at(0)->Hyoji_DayGd->text(), QStringLiteral("7.6.1"));
        QCOMPARE(form->MainGd.at(10)->text(), QStringLiteral("7.6.1"));
        clickCell(form->InputWaku.at(0)->TiryoGrid, 2, 1);
        e.answers[SubForm::SinryoForm] = sinryo({"血液検査", "30", "27", "30", "27", "0", "0", "30", "27", "", ""});
        click(form->BunruiGd->at(5));
        QCOMPARE(e.lines().size(), 2 + 2 * KarteBlock::LineCount);
        answerBoxes({yes ? MsgBox::Yes : MsgBox::No});
        click(form->CmdGd->at(0));
        QVERIFY(!form->isVisible());
        QCOMPARE(MsgBox::log().at(0).title, QStringLiteral("このカルテを保存しますか？"));
        if (yes)
            QCOMPARE(e.lines().size(), 2 + 2 * KarteBlock::LineCount);
        else
            QCOMPARE(TestFixture::readBytes(e.path), before);
    }

    void manualPriceTakesOnlyNumbers()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        const QStringList before = e.lines();
        auto form = e.open();
        FlexGrid* grid = form->InputWaku.at(0)->TiryoGrid;
        e.answers[SubForm::BpointForm] = [] {
            HandOver& h = SharedState::get().Hand;
            QCOMPARE(h.BpointIn, QStringLiteral("100"));
            h.BpointOut = QStringLiteral("1,200");
        };
        clickCell(grid, 1, 5);
        QCOMPARE(grid->textMatrix(1, 5), QStringLiteral("1200"));
        QCOMPARE(form->MainGd.at(16)->text(), QStringLiteral("120"));
        e.answers[SubForm::BpointForm] = [] { SharedState::get().Hand.BpointOut = QStringLiteral("abc"); };
        clickCell(grid, 1, 6);
        QCOMPARE(boxTexts(), QStringList{"数値を入力してください。"});
        QCOMPARE(grid->textMatrix(1, 6), QStringLiteral("50"));
        e.answers[SubForm::BpointForm] = {};
        clickCell(grid, 1, 7);
        QCOMPARE(grid->textMatrix(1, 7), QString());
        QCOMPARE(e.lines(), before);  // corrections wait for the next save
    }

    void plTestStartsEmptyAndWaitsForTheNextSave()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        const QStringList before = e.lines();
        SharedState::get().Hand.PLTestIn = QStringLiteral("+:+:-:-");
        auto form = e.open();
        clickCell(form->InputWaku.at(0)->TiryoGrid, 1, 2);
        QString seen = QStringLiteral("not opened");
        e.answers[SubForm::PLForm] = [&seen] {
            HandOver& h = SharedState::get().Hand;
            seen = h.PLTestIn;
            h.PLTestOut = QStringLiteral("右前+ 左前-");
        };
        click(form->BunruiGd->at(17));
        QCOMPARE(seen, QString());
        FlexGrid* grid = form->InputWaku.at(0)->TiryoGrid;
        QCOMPARE(grid->textMatrix(1, 1), QStringLiteral("PLテスト結果"));
        QCOMPARE(grid->textMatrix(1, 8), QStringLiteral("40･0･0･0"));
        QCOMPARE(e.lines(), before);
    }

    void rowCommandsThroughThePanel()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        auto form = e.open();
        FlexGrid* grid = form->InputWaku.at(0)->TiryoGrid;
        clickCell(grid, 1, 2);
        click(form->BunruiGd->at(13));
        clickCell(grid, 7, 2);
        click(form->BunruiGd->at(14));
        QCOMPARE(grid->textMatrix(7, 2), QStringLiteral("薬A"));
        QCOMPARE(grid->textMatrix(7, 0), QStringLiteral("7"));
        clickCell(grid, 3, 2);
        click(form->BunruiGd->at(10));
        QCOMPARE(boxTexts().last(), QStringLiteral("最下段が入力されていますので、挿入できません。"));
        QVERIFY(form->BunruiPict->isVisible());
        click(form->BunruiGd->at(11));
        QCOMPARE(grid->textMatrix(2, 2), QStringLiteral("薬A"));
        QCOMPARE(grid->textMatrix(7, 2), QString());
        clickCell(grid, 1, 2);
        click(form->BunruiGd->at(9));
        QCOMPARE(field(e.lines(), 2 + 5).at(3), QString());
        QCOMPARE(field(e.lines(), 2 + 6).at(4), QStringLiteral("薬A"));
    }

    void pictureWithoutItsFile()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(e.root.file("pict/Pict_5.bmp"), "BMP"));
        auto form = e.open();
        SinsatuWaku* exam1 = form->InputWaku.at(0);
        e.answers[SubForm::PictForm] = [] { SharedState::get().Hand.PictNoOut = 5; };
        click(exam1->SounyuGd);
        QCOMPARE(exam1->PictNbGd->text(), QStringLiteral("5"));
        QVERIFY(exam1->CheckImg->pixmap().isNull());
        e.answers[SubForm::PictForm] = [] { SharedState::get().Hand.PictNoOut = 6; };
        click(exam1->SounyuGd);
        QVERIFY(!exam1->CheckImg->pixmap().isNull());
        e.answers[SubForm::PictForm] = [] { SharedState::get().Hand.PictNoOut = 0; };
        click(exam1->SounyuGd);
        QCOMPARE(exam1->PictNbGd->text(), QStringLiteral("6"));
        click(form->InputWaku.at(1)->SounyuGd);
        QCOMPARE(boxTexts(), QStringList{"日付を入力してください。"});
    }

    void findingsListGrowsAndShrinks()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        auto form = e.open();
        SinsatuWaku* exam1 = form->InputWaku.at(0);
        QListWidget* list = exam1->SyokenList;
        click(list);
        QCOMPARE(list->height(), TwipGeometry::px(750));  // no findings: it stays
        e.answers[SubForm::SyokenForm] = [] { SharedState::get().Hand.SyokenText.at(2) = QStringLiteral("[形]正常"); };
        click(exam1->SikyuGd);
        QCOMPARE(list->count(), 1);
        click(list);
        QCOMPARE(list->height(), TwipGeometry::px(1500));
        QVERIFY(WindowMouse::moveToCell(exam1->TiryoGrid, 6, 2));
        QCOMPARE(list->height(), TwipGeometry::px(750));
    }

    void duplicateOpensTheCopyByItsKey()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        const QString target = TestFixture::writeCp932(e.root.file("H7/H7_00010001_5678_0.sxd"), KarteFixture::chart({}));
        SharedState& s = SharedState::get();
        s.KarteOpenMode = 0;
        s.Hand.BunruiOut = 1;
        auto form = e.open();
        e.answers[SubForm::ByoNameForm] = [] {
            SharedState::get().Hand.ByoName = QStringLiteral("肺炎");
            SharedState::get().Hand.ByoCode = QStringLiteral("0311");
        };
        clickCell(form->ByoNameGrid, 0, 1);
        e.answers[SubForm::NenGappiForm] = pickedDate("R", "7", "6", "1");
        click(form->InputWaku.at(0)->SinsatuDayGd);
        // The disease picker's own values are not the episode's key: the copy is found by the
        // key as shown.
        s.CurrentEpisode.ByoName = QStringLiteral("stale");
        ModalHost::setHandler([](QDialog& dialog) {
            auto* copy = qobject_cast<CopyForm*>(&dialog);
            if (!copy)
                return 0;
            copy->inpTx->setText(QStringLiteral("5678"));
            copy->CmdGd_Click(1);
            copy->CmdGd_Click(2);
            return 1;
        });
        click(form->CmdGd->at(11));
        QCOMPARE(boxTexts(), QStringList{"複製しました。（現在のカルテとして表示しています。）"});
        QCOMPARE(s.CurrentKarteFile, QStringLiteral("H7_00010001_5678_0.sxd"));
        QCOMPARE(form->model().KarteIndex, 2);
        QCOMPARE(form->byoName1(), QStringLiteral("肺炎"));
        click(form->CmdGd->at(0));
        const QStringList copied = TestFixture::readCp932(target);
        QCOMPARE(copied.size(), 2 + KarteBlock::LineCount);
        QCOMPARE(field(copied, 2).at(2), QStringLiteral("肺炎"));
        QCOMPARE(e.lines().size(), 2 + 2 * KarteBlock::LineCount);
    }

    void printHandsTheEpisodeOver()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")}, Ken::Tochigi);
        openExisting("乳房炎", "7.5.1");
        auto form = e.open();
        SharedState::get().CurrentNouka.NoukaTiku = QStringLiteral("other");
        click(form->CmdGd->at(5));
        const SharedState& s = SharedState::get();
        QCOMPARE(s.PrintJobList, QStringList{"H7_00010001_1234_0.sxd'乳房炎'7.5.1"});
        QCOMPARE(s.CurrentNouka.NoukaTiku, QStringLiteral("東谷"));
        QCOMPARE(boxTexts(), QStringList{"印刷できません。お問い合わせください。"});
        QVERIFY(form->isVisible());
    }

    // In 茨城県 the veterinarian the certificate printed shows in the doctor field after the
    // print dialog closes, and the next save stores it with the episode.
    void ibarakiPrintedDoctorShown()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")}, Ken::Ibaraki);
        openExisting("乳房炎", "7.5.1");
        auto form = e.open();
        ModalHost::setHandler([](QDialog&) {
            SharedState::get().Hand.IbaragiDocNameOut = QStringLiteral("田中 一郎");
            return 0;
        });
        click(form->CmdGd->at(5));
        QCOMPARE(form->DocNameGd->text(), QStringLiteral("田中 一郎"));
        click(form->CmdGd->at(5));
        QCOMPARE(e.lines().at(2).split('\'').value(10), QStringLiteral("田中 一郎"));
    }

    void headerCommands()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        const QStringList before = e.lines();
        auto form = e.open();
        click(form->CmdGd->at(1), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(form->MainGd.at(9)->text(), QStringLiteral("7.5.1"));
        click(form->CmdGd->at(1), Qt::RightButton);
        QCOMPARE(form->MainGd.at(9)->text(), QString());
        e.answers[SubForm::TenkiForm] = [] { SharedState::get().Hand.TeisyutuTukiOut = QStringLiteral("7･6"); };
        click(form->CmdGd->at(2));
        QCOMPARE(form->MainGd.at(13)->text(), QStringLiteral("未"));
        QCOMPARE(form->MainGd.at(21)->text(), QStringLiteral("7･6"));
        click(form->CmdGd->at(16));
        QVERIFY(form->InfoPict->isVisible());
        e.answers[SubForm::NenGappiForm] = pickedDate("R", "7", "3", "2");
        click(form->CmdGd->at(3));
        QCOMPARE(form->MainGd.at(6)->text(), QStringLiteral("7.3.2"));
        QCOMPARE(TestFixture::readCp932(e.root.file("set/BunbenKioku.ini")),
                 QStringList{"00010001'1234'7.3.2'"});
        QCOMPARE(form->kiokuList(), QStringList{"00010001'1234'7.3.2'"});
        QCOMPARE(SharedState::get().Hand.NenGappiMode, 0);
        click(form->CmdGd->at(18));
        QCOMPARE(boxTexts(), QStringList{"病名２が入力されていません。"});
        e.answers[SubForm::KaiInputForm] = [] { SharedState::get().Hand.KaiInputOut = QStringLiteral("3回"); };
        click(form->CmdGd->at(22));
        QCOMPARE(form->MainGd.at(26)->text(), QStringLiteral("3回"));
        QCOMPARE(e.lines(), before);  // only the text commands save
        click(form->CmdGd->at(17));
        QVERIFY(!form->InfoPict->isVisible());
        std::optional<QString> handedIn;
        e.answers[SubForm::RinkokuForm] = [&handedIn] {
            HandOver& h = SharedState::get().Hand;
            if (!handedIn)
                handedIn = h.RinkokuText;
            h.RinkokuText = QStringLiteral("昨日から");
        };
        click(form->CmdGd->at(6));
        QCOMPARE(handedIn, std::optional<QString>(QString()));
        const QStringList lines = e.lines();
        QCOMPARE(field(lines, 4).at(2), QStringLiteral("昨日から"));
        QCOMPARE(field(lines, 3).at(9), QStringLiteral("3回"));
        QCOMPARE(field(lines, 2).at(13), QStringLiteral("7･6"));
    }

    void pagesAndTheirLimits()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        auto form = e.open();
        click(form->PageGd->at(0));
        QCOMPARE(form->CurrentPage, 0);
        QVERIFY(WindowMouse::move(form->PageNbGd.at(19)));
        QCOMPARE(form->CurrentPage, 19);
        QCOMPARE(form->subWakuTop(), -60820);
        click(form->PageGd->at(1));
        QCOMPARE(form->CurrentPage, 19);
        click(form->PageGd->at(0));
        QCOMPARE(form->CurrentPage, 18);
        form->UpDownBtn_Click(3);
        QCOMPARE(form->subWakuTop(), -60820);
        form->UpDownBtn_Click(0);
        QCOMPARE(form->subWakuTop(), -60820 + 9540);
        QCOMPARE(form->CurrentPage, 18);
        QVERIFY(!form->PageNbGd.at(0)->palette().color(QPalette::WindowText).red());
        QCOMPARE(form->PageNbGd.at(1)->palette().color(QPalette::WindowText), QColor(224, 224, 224));
    }

    void variantsAtLoad_data()
    {
        QTest::addColumn<int>("ken");
        QTest::addColumn<QString>("site");
        QTest::addColumn<int>("manryo");
        QTest::addColumn<QString>("heading5");   // the fifth treatment column
        QTest::addColumn<int>("pictureHeight");
        QTest::addColumn<QStringList>("shown");  // the switched controls that show
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("鳥取県") << int(Ken::Tottori) << "" << 0 << "薬価" << 910 << QStringList{"ChuusiGd"} << QStringList();
        QTest::newRow("宮崎県") << int(Ken::Miyazaki) << "" << 0 << "診療ｺｰﾄﾞ" << 910 << QStringList() << QStringList();
        QTest::newRow("宮崎県 site 0") << int(Ken::Miyazaki) << "0,宮崎県,SiteMiyazakiZero" << 0 << "診療ｺｰﾄﾞ" << 690
                                     << QStringList() << QStringList();
        QTest::newRow("茨城県") << int(Ken::Ibaraki) << "" << 0 << "薬価" << 690 << QStringList{"DocNameGd"} << QStringList();
        QTest::newRow("鹿児島県 vet C") << int(Ken::Kagoshima) << "0,鹿児島県,SiteKagoshimaVetC" << 0 << "薬価" << 910
                                      << QStringList{"KyuTitleGd"} << QStringList();
        QTest::newRow("premium expiry") << int(Ken::Kagoshima) << "" << 1 << "薬価" << 910
                                        << QStringList{"TantouGd", "ManryoGd"} << QStringList{"掛金期間満了日が未設定です。"};
    }

    void variantsAtLoad()
    {
        QFETCH(int, ken);
        QFETCH(QString, site);
        QFETCH(int, manryo);
        QFETCH(QString, heading5);
        QFETCH(int, pictureHeight);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, messages);
        Editor e({KarteFixture::block("乳房炎", "7.5.1")}, Ken(ken));
        openExisting("乳房炎", "7.5.1");
        SharedState& s = SharedState::get();
        s.Site = SiteProfile::parseRow(site);
        s.ManryoFlag = manryo;
        auto form = e.open();
        SinsatuWaku* exam1 = form->InputWaku.at(0);
        QCOMPARE(exam1->TiryoGrid->textMatrix(0, 5), heading5);
        QCOMPARE(exam1->CheckImg->height(), TwipGeometry::px(pictureHeight));
        const QMap<QString, QWidget*> switched{{"ChuusiGd", form->ChuusiGd}, {"DocNameGd", form->DocNameGd},
                                               {"KyuTitleGd", exam1->KyuTitleGd}, {"TantouGd", exam1->TantouGd},
                                               {"ManryoGd", form->ManryoGd}};
        for (auto it = switched.begin(); it != switched.end(); ++it)
            QVERIFY2(it.value()->isVisible() == shown.contains(it.key()), qPrintable(it.key()));
        QCOMPARE(form->CmdGd->at(24)->isVisibleTo(form->InfoPict), Ken(ken) != Ken::Miyazaki);
        QCOMPARE(form->CmdGd->at(10)->text(), Ken(ken) == Ken::Miyazaki ? QStringLiteral("診療費") : QStringLiteral("[診療費]"));
        QCOMPARE(boxTexts(), messages);
        if (manryo)
            QCOMPARE(form->ManryoGd->text(), QStringLiteral("満了日未設定"));
    }

    void drugPricesRenewed()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        SharedState::get().Tables.YakkaCodeTable = {"注あ'薬A'100ml'*'120''1'ml", ""};
        auto form = e.open();
        click(form->CmdGd->at(16));
        click(form->CmdGd->at(24));
        QCOMPARE(boxTexts(), (QStringList{"現在開いているカルテの薬価を最新のものに更新します。", "更新しました。"}));
        QVERIFY(!form->InfoPict->isVisible());
        QCOMPARE(form->InputWaku.at(0)->TiryoGrid->textMatrix(1, 5), QStringLiteral("120"));
        QCOMPARE(form->MainGd.at(14)->text(), QStringLiteral("620"));
        const QStringList lines = e.lines();
        QCOMPARE(field(lines, 2 + 4 + 1).at(7), QStringLiteral("120"));
        QCOMPARE(field(lines, 5).at(8), QStringLiteral("620"));
    }

    void templateModeReadsAndWritesNoChart()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        SharedState::get().Hand.KarteHinagataMode = 1;
        const QStringList before = e.lines();
        auto form = e.open();
        QVERIFY(form->SubPict[0]->isVisible() && form->SubPict[1]->isVisible());
        QVERIFY(!form->InputWaku.at(0)->Hyoji_DayGd->isVisible());
        QCOMPARE(form->MainGd.at(0)->text(), QStringLiteral("-"));
        click(form->InputWaku.at(2)->SounyuGd);
        QVERIFY(e.opened.contains(SubForm::PictForm));
        click(form->CmdGd->at(14));
        QCOMPARE(boxTexts(), QStringList{"病名が無いカルテは登録できません。"});
        e.answers[SubForm::HinagataForm] = [] {
            HandOver& h = SharedState::get().Hand;
            h.HinagataKarteLines = KarteFixture::block("乳房炎", "9.9.9", "乳房の腫れ");
        };
        click(form->CmdGd->at(13));
        QCOMPARE(form->byoName1(), QStringLiteral("乳房炎"));
        QCOMPARE(form->InputWaku.at(0)->GensyoTx->toPlainText(), QStringLiteral("乳房の腫れ"));
        e.answers[SubForm::HinagataForm] = [] {
            const HandOver& h = SharedState::get().Hand;
            QCOMPARE(h.HinagataNameIn, QStringLiteral("乳房炎"));
            QCOMPARE(h.HinagataMode, 0);
            QCOMPARE(h.HinagataKarteLines.size(), KarteBlock::LineCount);
        };
        click(form->CmdGd->at(14));
        click(form->CmdGd->at(15));
        QCOMPARE(form->byoName1(), QString());
        click(form->CmdGd->at(12));
        QVERIFY(!form->isVisible());
        QCOMPARE(e.lines(), before);
    }

    // Each dialog the editor names opens that dialog's own window.
    void everyDialogOpensItsWindow()
    {
        Editor e({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        auto form = e.open();
        QString shown;
        ModalHost::setHandler([&shown](QDialog& dialog) {
            shown = QString::fromLatin1(dialog.metaObject()->className());
            return 0;
        });
        const QMetaEnum forms = QMetaEnum::fromType<SubForm>();
        for (int i = 0; i < forms.keyCount(); ++i) {
            shown.clear();
            form->ShowSubForm(SubForm(forms.value(i)));
            QCOMPARE(shown, QString::fromLatin1(forms.key(i)));
        }
    }
};

NOLVARI_TEST(NewInputFormTest)
#include "NewInputFormTest.moc"
