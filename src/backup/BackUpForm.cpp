#include "BackUpForm.h"

#include "BackUpControls.h"
#include "BackUpRun.h"

#include "common/DialogLook.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace {
const QColor FormColor(208, 226, 196);
} // namespace

BackUpForm::BackUpForm(QWidget* parent) : QDialog(parent)
{
    buildControls();
    Form_Load();
}

void BackUpForm::buildControls()
{
    setObjectName(QStringLiteral("BackUpForm"));
    setFont(FontSetup::screenFont());
    TwipGeometry::resize(this, 5535, 3495);
    controls = new BackUpControls(this, FormColor, 255, 330, 4725, 1740, 570, 3585);
    Label1[2] = BackUpControls::label(2, QStringLiteral("【カルテデータ・基本データバックアップ】"), this, 900, 120);
    Label1[1] = controls->SyoriLabel;
    Label1[3] = BackUpControls::label(
        3,
        QStringLiteral("バックアップはMOディスクドライブかそれに準じるディスクのみに使用できます。フロッピーやCD-R"
                       "には対応していません。ディスクを挿入してからバックアップ開始をクリックしてください。"),
        controls->WakuFrame[1], 150, 240, 4365, 855);
    Label1[4] = BackUpControls::label(
        4,
        QStringLiteral("バックアップドライブに複数表示される場合は、下部に表示されるものを選択してください。（G・Hであ"
                       "ればHを選択）"),
        controls->WakuFrame[1], 165, 1170, 4365, 435);
    DialogLook::rule(this, 135, 2115, 5070, Qt::black);
    Label1[0] = BackUpControls::label(0, QStringLiteral("バックアップドライブ"), this, 225, 2265);
    // The list shows each drive by its label and mount point, so it takes the width under its
    // caption where a drive letter needed a narrow box beside it.
    controls->placeDrvList(225, 2475, 2310, 960);

    OptionFrame = new QFrame(this);
    OptionFrame->setObjectName(QStringLiteral("WakuFrame2"));
    TwipGeometry::place(OptionFrame, 2625, 2565, 2310, 510);
    for (int i = 0; i < 2; ++i) {
        SentakuOp[i] = new QRadioButton(i == 0 ? QStringLiteral("治療簿") : QStringLiteral("カルテ"), OptionFrame);
        SentakuOp[i]->setObjectName(QStringLiteral("SentakuOp%1").arg(i));
        SentakuOp[i]->setFont(FontSetup::screenFont());
        TwipGeometry::place(SentakuOp[i], i == 0 ? 150 : 1230, 210, 1035, 210);
    }
    SentakuOp[0]->setChecked(true);

    controls->command(1, QStringLiteral("バックアップ開始"), 9.75, true, 3195, 2265, 1515, 195);
    controls->command(0, QStringLiteral("閉る"), 9.75, false, 4410, 3165, 375, 195);
    controls->CmdGd->resetOn(this);
    for (QFrame* frame : {controls->WakuFrame[0], controls->WakuFrame[1], OptionFrame})
        controls->CmdGd->resetOn(frame);
    connect(controls->CmdGd, &LabelButtonArray::clicked, this, &BackUpForm::CmdGd_Click);
}

void BackUpForm::Form_Load()
{
    const SharedState& s = SharedState::get();
    move(TwipGeometry::px(5250), TwipGeometry::px(2865));
    WidgetColor::setBackColor(this, FormColor);
    WidgetColor::setBackColor(OptionFrame, FormColor);
    for (QRadioButton* option : SentakuOp)
        WidgetColor::setBackColor(option, FormColor);
    OptionFrame->setVisible(s.ken == Ken::Ibaraki || s.ken == Ken::Tottori);
    if (s.ken == Ken::Tottori) {
        SentakuOp[0]->setText(QStringLiteral("カルテ"));
        SentakuOp[1]->setText(QStringLiteral("検案書"));
    }
    withFixed = s.ken == Ken::Oita;
    controls->load(withFixed);
}

BackUpPlan::Kind BackUpForm::chosenKind() const
{
    const Ken ken = SharedState::get().ken;
    const bool first = SentakuOp[0]->isChecked();
    if (ken == Ken::Ibaraki)
        return first ? BackUpPlan::Tiryobo : BackUpPlan::Karte;
    if (ken == Ken::Tottori)
        return first ? BackUpPlan::Karte : BackUpPlan::Kenan;
    return BackUpPlan::Karte;
}

void BackUpForm::CmdGd_Click(int index)
{
    controls->dispatch(index, [this] {
        switch (chosenKind()) {
        case BackUpPlan::Tiryobo: TiryoboBackUpProc(); break;
        case BackUpPlan::Kenan: KenanBackUpProc(); break;
        default: KarteBackUpProc(); break;
        }
    });
}

void BackUpForm::KarteBackUpProc()
{
    runBackUp(BackUpPlan::Karte);
}

void BackUpForm::TiryoboBackUpProc()
{
    runBackUp(BackUpPlan::Tiryobo);
}

void BackUpForm::KenanBackUpProc()
{
    runBackUp(BackUpPlan::Kenan);
}

void BackUpForm::runBackUp(BackUpPlan::Kind kind)
{
    const std::optional<RemovableDrives::Drive> drive = controls->askDrive(
        QStringLiteral("バックアップ機器が接続されていません。"), QStringLiteral("バックアップドライブを指定してください。"));
    if (!drive)
        return;
    const BackUpPlan plan = kind == BackUpPlan::Tiryobo ? BackUpPlan::tiryobo(drive->rootPath)
                            : kind == BackUpPlan::Kenan ? BackUpPlan::kenan(drive->rootPath)
                                                        : BackUpPlan::karte(drive->rootPath);
    controls->backUp(plan, *drive, withFixed);
}

void BackUpForm::reject()
{
    if (!controls->running())
        QDialog::reject();
}
