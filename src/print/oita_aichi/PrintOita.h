#pragma once

#include "print/common/SindansyoPrintDialog.h"

#include <QList>

class QCheckBox;
class QFrame;
class QLineEdit;
class QRadioButton;

// The certificate print dialog of 大分県 ("書式：大分県"). The site decides what prints:
// SiteOitaClinicA the certificate drawn whole on A4 (SindansyoOitaProc) with either print
// command; SiteOitaClinicB, through KarteKenanOitaProc, the chart sheets on B5 with
// "カルテ印刷開始" (mode 1) or the data onto the prescribed sheet with "検案書印刷開始" (CmdGd(4),
// mode 4), reading the veterinarian choice DocOp ("医師1", "医師2", kept in OitaDocOpKioku by each
// print start) and ByoCh "病名2を主病名とする。". Another site prints nothing and is told so.
//
// The four boxes inpTx ("外枠太さ", "罫線太さ", "横位置調整値", "縦位置調整値") are kept across runs
// in LineWidthFile ("\Nolvari\set\LineWidth.ini"), one trimmed box a line, written after every
// print start; an empty adjustment box shows "0" at load. The window is 3690 twips high at
// SiteOitaClinicB and 2895 at SiteOitaClinicA, where the certificate options and settings do not
// show.
class PrintOita : public SindansyoPrintDialog
{
    Q_OBJECT

public:
    explicit PrintOita(QWidget* parent = nullptr);

    QCheckBox* ByoCh = nullptr;
    QFrame* DocFrame = nullptr;
    QList<QRadioButton*> DocOp;
    QList<QLineEdit*> inpTx;

    static QString lineWidthPath();

protected:
    void optionsLoad() override;
    QString printStartCheck() override;
    SindansyoPrintRun::Result body(PrintDevice& device, const SindansyoPrintContext& context,
                                   const PrintJobEntry& entry) override;
    void printStartEnd(int pages) override;
    void extraCommand(int index) override;

private:
    bool clinicA() const;
    bool clinicB() const;
};
