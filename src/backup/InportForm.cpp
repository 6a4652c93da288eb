#include "InportForm.h"

#include "BackUpControls.h"
#include "BackUpPlan.h"
#include "BackUpRun.h"
#include "ExchangeSide.h"

#include "common/DialogLook.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QFileInfo>
#include <QLabel>

namespace {
const QColor FormColor(255, 212, 212);
const QColor TitleColor(128, 128, 255);
const QColor RuleColor(192, 192, 192);
} // namespace

InportForm::InportForm(QWidget* parent) : QDialog(parent)
{
    buildControls();
    Form_Load();
}

void InportForm::buildControls()
{
    setObjectName(QStringLiteral("InportForm"));
    setFont(FontSetup::screenFont());
    TwipGeometry::resize(this, 4935, 3435);
    controls = new BackUpControls(this, FormColor, 105, 345, 4725, 1740, 570, 3750);
    Label1[2] = DialogLook::colorLabel(QStringLiteral("【データインポート】"), this, 255, 90, 9.75, TitleColor);
    Label1[2]->setObjectName(QStringLiteral("Label12"));
    DialogLook::rule(this, 105, 330, 4725, TitleColor);
    Label1[1] = controls->SyoriLabel;
    Label1[3] = BackUpControls::label(3, QStringLiteral("ディスク等を挿入してから開始をクリックしてください。"),
                                      controls->WakuFrame[1], 150, 240, 4365, 900);
    Label1[4] = BackUpControls::label(
        4,
        QStringLiteral("ドライブに複数表示される場合は、下部に表示されるものを選択してください。（G・HであればHを選択）"),
        controls->WakuFrame[1], 150, 525, 4365, 435);
    DialogLook::rule(this, 135, 2130, 4755, RuleColor);
    Label1[0] = BackUpControls::label(0, QStringLiteral("ドライブ"), this, 930, 2325);
    // Wide enough for a drive's label and mount point.
    controls->placeDrvList(1680, 2280, 2040, 1110);
    controls->command(1, QStringLiteral("開始"), 14.25, false, 3825, 2310, 585, 285);
    controls->command(0, QStringLiteral("閉る"), 9.75, false, 4320, 2940, 375, 195);
    // The labels of this window keep their colour under the mouse.
    controls->CmdGd->setHoverColor(Qt::black);
    connect(controls->CmdGd, &LabelButtonArray::clicked, this, &InportForm::CmdGd_Click);
}

void InportForm::Form_Load()
{
    WidgetColor::setBackColor(this, FormColor);
    controls->load(false);
}

void InportForm::CmdGd_Click(int index)
{
    controls->dispatch(index, [this] { InportProc(); });
}

void InportForm::InportProc()
{
    controls->showProgress(true);
    const std::optional<RemovableDrives::Drive> drive = controls->askDrive(
        QStringLiteral("メディアが接続されていません。"), QStringLiteral("ドライブを指定してください。"));
    if (!drive)
        return;
    const std::optional<ExchangeSide::Side> side = BackUpControls::askSide();
    if (!side)
        return;
    BackUpRun run(*drive);
    if (!run.driveReady()) {
        BackUpControls::report(BackUpPlan::Import, {BackUpRun::Outcome::DeviceUnavailable, {}, 0});
        return;
    }
    const BackUpPlan plan = BackUpPlan::importFrom(drive->rootPath, *side);
    if (!QFileInfo(plan.folder).isDir() || plan.listed == 0) {
        BackUpControls::report(BackUpPlan::Import,
                               {BackUpRun::Outcome::Failed, {VerifiedCopy::Status::Failed, 0, plan.folder}, 0});
        return;
    }
    if (!MsgBox::ask(QStringLiteral("処理を開始します。"), QStringLiteral("インポート処理")))
        return;
    controls->SyoriLabel->setText(QStringLiteral("データをインポート中････"));
    controls->SyoriLabel->adjustSize();
    controls->setBar(0, 1);
    run.progress = [this](int done, int total) { controls->setBar(done, total); };
    controls->setRunning(true);
    const BackUpRun::Result result = run.bringIn(plan);
    controls->setRunning(false);
    BackUpControls::report(BackUpPlan::Import, result);
}

void InportForm::reject()
{
    if (!controls->running())
        QDialog::reject();
}
