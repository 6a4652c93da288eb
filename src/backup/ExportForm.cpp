#include "ExportForm.h"

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

#include <QFrame>
#include <QLabel>

namespace {
const QColor FormColor(208, 226, 196);
} // namespace

ExportForm::ExportForm(QWidget* parent) : QDialog(parent)
{
    buildControls();
    Form_Load();
}

void ExportForm::buildControls()
{
    setObjectName(QStringLiteral("ExportForm"));
    setFont(FontSetup::screenFont());
    TwipGeometry::resize(this, 4980, 3705);
    controls = new BackUpControls(this, FormColor, 135, 330, 4725, 1740, 510, 3735);
    Label1[2] = BackUpControls::label(2, QStringLiteral("【データエクスポート】"), this, 780, 120);
    Label1[1] = controls->SyoriLabel;
    Label1[3] = BackUpControls::label(
        3,
        QStringLiteral("MOディスクドライブかそれに準じるディスクのみに使用できます。フロッピーやCD-Rには対応していま"
                       "せん。ディスクを挿入してからエクスポート開始をクリックしてください。"),
        controls->WakuFrame[1], 150, 240, 4365, 855);
    Label1[4] = BackUpControls::label(
        4,
        QStringLiteral("送り先ドライブに複数表示される場合は、下部に表示されるものを選択してください。（G・HであればH"
                       "を選択）"),
        controls->WakuFrame[1], 150, 900, 4365, 435);
    DialogLook::rule(this, 15, 2115, 4950, Qt::black);
    Label1[0] = BackUpControls::label(0, QStringLiteral("送り先ドライブ"), this, 105, 2265);
    // Wide enough for a drive's label and mount point.
    controls->placeDrvList(1290, 2265, 1620, 1110);
    controls->command(1, QStringLiteral("エクスポート開始"), 9.75, true, 2985, 2475, 1515, 195);
    controls->command(0, QStringLiteral("閉る"), 9.75, false, 4290, 3165, 375, 195);
    controls->CmdGd->resetOn(this);
    for (QFrame* frame : controls->WakuFrame)
        controls->CmdGd->resetOn(frame);
    connect(controls->CmdGd, &LabelButtonArray::clicked, this, &ExportForm::CmdGd_Click);
}

void ExportForm::Form_Load()
{
    WidgetColor::setBackColor(this, FormColor);
    controls->load(false);
}

void ExportForm::CmdGd_Click(int index)
{
    controls->dispatch(index, [this] { DataExportProc(); });
}

void ExportForm::DataExportProc()
{
    const std::optional<RemovableDrives::Drive> drive = controls->askDrive(
        QStringLiteral("メディアが接続されていません。"), QStringLiteral("ドライブを指定してください。"));
    if (!drive)
        return;
    const std::optional<ExchangeSide::Side> side = BackUpControls::askSide();
    if (!side)
        return;
    const BackUpPlan plan = BackUpPlan::exportTo(drive->rootPath, *side);
    const BackUpRun::Result result = controls->backUp(plan, *drive, false);
    if (result.outcome == BackUpRun::Outcome::Done && !plan.skipped.isEmpty())
        MsgBox::show(QStringLiteral("拡張子のない次のファイルは送っていません。\n") + plan.skipped.join(QLatin1Char('\n')),
                     QStringLiteral("確認"), MsgBox::OkOnly, MsgBox::Exclamation);
}

void ExportForm::reject()
{
    if (!controls->running())
        QDialog::reject();
}
