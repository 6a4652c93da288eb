#pragma once

#include "print/common/SindansyoPrintDialog.h"

#include <QList>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// The certificate print dialog of 宮崎県 ("書式：宮崎県"): the common print dialog with nine print
// options PrintCh(0) to (8), kept between openings only when the dialog is closed with "閉る"
// (MiyazakiPrintChKioku); the page choice PageTx for option 2; and the stroke thickness of the
// OCR digits inpTx, kept across runs in "\Nolvari\set\OCRWidth.ini" (read at every opening,
// written at every closing). The body is SindansyoMiyazakiProc.
class PrintMiyazakiForm : public SindansyoPrintDialog
{
    Q_OBJECT

public:
    explicit PrintMiyazakiForm(QWidget* parent = nullptr);

    QList<QCheckBox*> PrintCh;   // by option index
    QLineEdit* inpTx = nullptr;  // stroke thickness
    QLineEdit* PageTx = nullptr;
    QGroupBox* DocNoFrame1 = nullptr;
    QGroupBox* DocNoFrame2 = nullptr;
    QList<QRadioButton*> DocNoOp1;
    QList<QRadioButton*> DocNoOp2;

    static QString ocrWidthPath();
    // The stroke width print start uses for a thickness text: its whole part when that is 1 to
    // 99, else 7.
    static int ocrWidth(const QString& text);

protected:
    void optionsLoad() override;
    QString printStartCheck() override;
    void printStartBegin() override;
    SindansyoPrintRun::Result body(PrintDevice& device, const SindansyoPrintContext& context,
                                   const PrintJobEntry& entry) override;
    void closeCommand() override;
    void unload() override;

private:
    QGroupBox* docNoFrame(const QString& name, QList<QRadioButton*>& options, int left, int top);
};
