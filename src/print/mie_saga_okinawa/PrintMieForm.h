#pragma once

#include "print/common/SindansyoPrintDialog.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QRadioButton;

// The certificate print dialog of 三重県: the common print dialog with the paper (SizeOp 0 "A4",
// plain paper with the form drawn; 1 "B4", the pre-printed form), the breed printed on A4
// (HinsyuOp 0 to 3, 4 "空欄" for none; enabled for A4 only), the new edition of the form YousiCh,
// KaiCh (an examination day counted once) and DocCh (no veterinarian number). The options are
// kept for the rest of the run (the Mie Kioku values) by every print start that passed its
// checks, the breed only when A4 was chosen (in the shared state, where the print primitives
// read the paper). The body is SindansyoMieProc.
class PrintMieForm : public SindansyoPrintDialog
{
    Q_OBJECT

public:
    explicit PrintMieForm(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> SizeOp{};
    std::array<QRadioButton*, 5> HinsyuOp{};
    QCheckBox* YousiCh = nullptr;
    QCheckBox* KaiCh = nullptr;
    QCheckBox* DocCh = nullptr;

    // The breed frame is enabled exactly while A4 is chosen.
    void SizeOp_Click();

protected:
    void optionsLoad() override;
    void printStartBegin() override;
    SindansyoPrintRun::Result body(PrintDevice& device, const SindansyoPrintContext& context,
                                   const PrintJobEntry& entry) override;

private:
    QRadioButton* addOption(QGroupBox* frame, const QString& name, const QString& caption, int left, int top,
                            int width, int height);
};
