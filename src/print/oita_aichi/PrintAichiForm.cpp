#include "PrintAichiForm.h"

#include "SindansyoOitaProc.h"

#include "common/LabelButtonArray.h"
#include "common/TwipGeometry.h"

#include <QLabel>

namespace {

SindansyoPrintDialog::Frame aichiFrame()
{
    SindansyoPrintDialog::Frame frame;
    frame.width = 4575;
    frame.height = 1815;
    frame.shosiki = QStringLiteral("愛知県");
    return frame;
}

void place(QWidget* w, int left, int top)
{
    w->move(TwipGeometry::px(left), TwipGeometry::px(top));
}

} // namespace

PrintAichiForm::PrintAichiForm(QWidget* parent) : SindansyoPrintDialog(aichiFrame(), parent)
{
    setObjectName(QStringLiteral("PrintAichiForm"));
    place(Label2, 135, 120);
    place(ShosikiLabel, 2085, 165);
    TwipGeometry::place(Label1, 90, 555, 4305, 465);
    place(GuideGd, 2400, 795);
    place(CmdGd->at(0), 3780, 135);
    place(CmdGd->at(1), 3570, 1440);
    place(CmdGd->at(2), 390, 1125);
    place(CmdGd->at(3), 1095, 1425);
    place(HidukeGd, 1860, 1155);
    place(NenDoGd, 1860, 1425);
    Form_Load();
}

SindansyoPrintRun::Result PrintAichiForm::body(PrintDevice& device, const SindansyoPrintContext& context,
                                               const PrintJobEntry& entry)
{
    return SindansyoOitaProc::print(device, context, entry, SindansyoOitaProc::Layout::Aichi);
}
