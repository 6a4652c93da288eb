#pragma once

#include "print/common/SindansyoPrintDialog.h"

#include <array>

class QCheckBox;
class QLabel;

// The certificate print dialog of the Saga layout: the common print dialog without a "書式："
// label, and for the clinic whose name the registered veterinarian's name is (the site row with
// SiteSagaClinicA) a choice of its three veterinarians, DocCh(0) to DocCh(2), captioned with
// their names. The window is 1890 twips high, which leaves the choice out of sight, unless the
// choice is offered (3150). The choice is kept for the rest of the run (SagaDocChKioku) by every
// print start at the SiteSagaClinicA site; "閉る" keeps nothing. The load shows no built-in year.
// The body is SindansyoSagaProc.
class PrintSagaForm : public SindansyoPrintDialog
{
    Q_OBJECT

public:
    explicit PrintSagaForm(QWidget* parent = nullptr);

    QLabel* DocLabel = nullptr;   // "○獣医師名（選択）"
    std::array<QCheckBox*, 3> DocCh{};

protected:
    void optionsLoad() override;
    void printStartEnd(int pages) override;
    SindansyoPrintRun::Result body(PrintDevice& device, const SindansyoPrintContext& context,
                                   const PrintJobEntry& entry) override;
};
