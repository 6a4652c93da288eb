#pragma once

#include "print/common/SindansyoPrintDialog.h"

class QCheckBox;

// The certificate print dialog of 鳥取県: the common print dialog with the paper choice YousiCh
// "新用紙を使用（令和）", SyusinCh "第1病名の終診日を印刷しない" and ByoCh "第2病名の日付印刷する".
// YousiCh and SyusinCh are kept between openings (TottoriYousiChKioku, TottoriSyusinChKioku);
// ByoCh starts unticked at every opening. The body is SindansyoTottoriProc, with the new paper
// when YousiCh is ticked.
class PrintTottoriForm : public SindansyoPrintDialog
{
    Q_OBJECT

public:
    explicit PrintTottoriForm(QWidget* parent = nullptr);

    QCheckBox* YousiCh = nullptr;
    QCheckBox* SyusinCh = nullptr;
    QCheckBox* ByoCh = nullptr;

protected:
    void optionsLoad() override;
    void printStartPrepare() override;
    SindansyoPrintRun::Result body(PrintDevice& device, const SindansyoPrintContext& context,
                                   const PrintJobEntry& entry) override;
    void unload() override;
};
