#include "PrintMieForm.h"

#include "SindansyoMieProc.h"

#include "common/FontSetup.h"
#include "common/NoukaFileSearch.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace {

QGroupBox* addFrame(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                    int height)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setFont(FontSetup::screenFont());
    TwipGeometry::place(frame, left, top, width, height);
    return frame;
}

} // namespace

PrintMieForm::PrintMieForm(QWidget* parent)
    : SindansyoPrintDialog(Frame{4605, 5340, 5505, 3180, QStringLiteral("三重県")}, parent)
{
    setObjectName(QStringLiteral("PrintMieForm"));
    Frame1 = addFrame(this, QStringLiteral("Frame1"), QStringLiteral("用紙サイズ"), 360, 1800, 2055, 615);
    SizeOp[0] = addOption(Frame1, QStringLiteral("SizeOp(0)"), QStringLiteral("A4"), 300, 300, 615, 180);
    SizeOp[1] = addOption(Frame1, QStringLiteral("SizeOp(1)"), QStringLiteral("B4"), 1200, 300, 615, 180);
    Frame2 = addFrame(this, QStringLiteral("Frame2"), QStringLiteral("品種　※カルテには記録されません(都度指定)"), 360,
                      2580, 3915, 1395);
    const struct { QString caption; int left, top, width, height; } hinsyu[] = {
        {QStringLiteral("ホルスタイン種"), 240, 300, 1815, 255}, {QStringLiteral("ジャージー種"), 240, 540, 1500, 255},
        {QStringLiteral("黒毛和種"), 240, 780, 1500, 255},       {QStringLiteral("交雑種"), 240, 1020, 1500, 255},
        {QStringLiteral("空欄"), 2280, 360, 1000, 180}};
    for (int i = 0; i < 5; ++i)
        HinsyuOp[i] = addOption(Frame2, SindansyoPrintContext::arrayName(QStringLiteral("HinsyuOp"), i), hinsyu[i].caption,
                                hinsyu[i].left, hinsyu[i].top, hinsyu[i].width, hinsyu[i].height);
    YousiCh = addCheck(QStringLiteral("YousiCh"), QStringLiteral("新用紙を使用する"), 360, 4200, 1905, 270);
    KaiCh = addCheck(QStringLiteral("KaiCh"), QStringLiteral("同一診療日を診療回数にカウントしない。"), 360, 4500, 3915, 300);
    DocCh = addCheck(QStringLiteral("DocCh"), QStringLiteral("獣医師番号を印刷しない"), 360, 4860, 2625, 270);
    addRule(0, 1740, 4530, 1740, QColor(128, 128, 128));
    for (QRadioButton* op : SizeOp)
        connect(op, &QRadioButton::toggled, this, &PrintMieForm::SizeOp_Click);
    reportSettingFiles = true;
    Form_Load();
}

QRadioButton* PrintMieForm::addOption(QGroupBox* frame, const QString& name, const QString& caption, int left,
                                      int top, int width, int height)
{
    auto* op = new QRadioButton(caption, frame);
    op->setObjectName(name);
    op->setFont(FontSetup::screenFont());
    TwipGeometry::place(op, left, top, width, height);
    return op;
}

void PrintMieForm::SizeOp_Click()
{
    Frame2->setEnabled(SizeOp[0]->isChecked());
}

void PrintMieForm::optionsLoad()
{
    SharedState& s = SharedState::get();
    for (QWidget* w : std::initializer_list<QWidget*>{Frame1, Frame2, SizeOp[0], SizeOp[1], HinsyuOp[0], HinsyuOp[1],
                                                      HinsyuOp[2], HinsyuOp[3], HinsyuOp[4]})
        WidgetColor::setBackColor(w, s.ColorSet.DialogBackColor);
    // The farmer register: the body looks the farmer's address up in it; a register that cannot
    // be read is named with the other settings files.
    const TextFile noukaFile = TextFile::read(NoukaFileSearch::filePath());
    if (!noukaFile.ok())
        settingProblems.append(noukaFile.errorText);
    YousiCh->setChecked(s.MieYousiChKioku == 1);
    SizeOp[0]->setChecked(s.MieSizeOpKioku == -1);
    SizeOp[1]->setChecked(s.MieSizeOpKioku == 0);
    SizeOp_Click();
    HinsyuOp[std::clamp(s.MieHinsyuOpKioku, 0, 4)]->setChecked(true);
    KaiCh->setChecked(s.MieKaiChKioku == 1);
    DocCh->setChecked(s.MieDocChKioku == 1);
}

void PrintMieForm::printStartBegin()
{
    SharedState& s = SharedState::get();
    s.MieYousiChKioku = YousiCh->isChecked() ? 1 : 0;
    s.MieKaiChKioku = KaiCh->isChecked() ? 1 : 0;
    s.MieDocChKioku = DocCh->isChecked() ? 1 : 0;
    s.MieSizeOpKioku = SizeOp[0]->isChecked() ? -1 : 0;
    if (s.MieSizeOpKioku != -1)
        return;
    for (int i = 0; i < 5; ++i) {
        if (HinsyuOp[i]->isChecked())
            s.MieHinsyuOpKioku = i;
    }
}

SindansyoPrintRun::Result PrintMieForm::body(PrintDevice& device, const SindansyoPrintContext& context,
                                             const PrintJobEntry& entry)
{
    return SindansyoMieProc::print(device, context, entry);
}
