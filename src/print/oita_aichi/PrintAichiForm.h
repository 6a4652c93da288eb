#pragma once

#include "print/common/SindansyoPrintDialog.h"

// The certificate print dialog of 愛知県 ("書式：愛知県"): the common print dialog with its one
// print command; every entry of PrintJobList prints as a certificate of its own
// (SindansyoOitaProc in the Aichi layout). No window of the program opens it: the chart editor
// opens no print dialog in 愛知県.
class PrintAichiForm : public SindansyoPrintDialog
{
    Q_OBJECT

public:
    explicit PrintAichiForm(QWidget* parent = nullptr);

protected:
    SindansyoPrintRun::Result body(PrintDevice& device, const SindansyoPrintContext& context,
                                   const PrintJobEntry& entry) override;
};
