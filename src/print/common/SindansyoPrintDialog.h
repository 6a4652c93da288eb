#pragma once

#include "SindansyoPrintRun.h"

#include <QColor>
#include <QDialog>
#include <functional>

class LabelButtonArray;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

// The window every certificate print dialog shares: the heading "印刷" (and, for most
// prefectures, "書式：" with the form's prefecture), the instruction, the commands CmdGd 0 "閉る",
// 1 "印刷開始", 2 "[カルテの日付]" with the chart date HidukeGd and 3 "[年度]" with the year NenDoGd,
// the status GuideGd, the rules and the hover of the commands.
//
// A prefecture's dialog derives from it, builds its option controls in its constructor (object
// names as the system names them: "YousiCh", "PrintCh(3)", "PageTx"), then calls Form_Load(); it
// supplies its certificate body and, where it has them, its own load, checks and close steps
// through the virtual hooks below. Print start is the same for all: the common refusals, the
// prefecture's own, PrintHiduke stored, and SindansyoPrintRun over PrintJobList with a print
// context taken at that moment (every check box, option button and text box of the dialog by
// its name, and the open chart editor's values).
class SindansyoPrintDialog : public QDialog
{
    Q_OBJECT

public:
    // The window: client size and position in twips; shosiki is the prefecture named after
    // "書式：" (empty: no such label).
    struct Frame
    {
        int width = 4680;
        int height = 2250;
        int left = 5160;
        int top = 2145;
        QString shosiki;
    };

    QLabel* Label2 = nullptr;        // heading
    QLabel* ShosikiLabel = nullptr;  // "書式：..." (none in the dialogs without it)
    QLabel* Label1 = nullptr;        // instruction
    QLabel* GuideGd = nullptr;
    QLabel* HidukeGd = nullptr;
    QLabel* NenDoGd = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
    // The context a print start now would hand to the body.
    SindansyoPrintContext printContext() const;

    // The year picker NendoForm, shown modally by "[年度]"; it leaves the year in PrintNendo.
    using NendoPicker = std::function<void(QWidget* parent)>;
    static void setNendoPicker(NendoPicker picker);

protected:
    SindansyoPrintDialog(const Frame& frame, QWidget* parent);

    // The common load (background, status, veterinarian identity, chart date, year), then
    // optionsLoad(). The derived dialog calls it at the end of its constructor.
    void Form_Load();

    // A dialog that reports its settings files sets reportSettingFiles before Form_Load(): a
    // missing or short DocAd.ini or Doctorname.ini then gives empty values, and the load names
    // the files of settingProblems (optionsLoad() may add its own) in one message.
    bool reportSettingFiles = false;
    QStringList settingProblems;
    // Whether the load shows the built-in year when no year was picked yet (PrintNendo empty);
    // a dialog without it shows the empty year, and print start then asks for one.
    bool defaultNendo = true;

    // Hooks of a prefecture's dialog.
    virtual void optionsLoad() {}
    // Before the common refusals (Tottori: the site's veterinarian number).
    virtual void printStartPrepare() {}
    // A refusal of the prefecture after the common ones: its message, or empty to print.
    virtual QString printStartCheck() { return QString(); }
    // After the checks, before the first entry (Miyazaki: the OCR stroke width).
    virtual void printStartBegin() {}
    // After the run over every entry, with the pages printed (Oita: its settings saved).
    virtual void printStartEnd(int pages) { Q_UNUSED(pages); }
    // A command of the prefecture's own (CmdGd indexes beyond 3).
    virtual void extraCommand(int index) { Q_UNUSED(index); }
    virtual SindansyoPrintRun::Result body(PrintDevice& device, const SindansyoPrintContext& context,
                                           const PrintJobEntry& entry) = 0;
    // "閉る" before the window unloads (options kept only by this command).
    virtual void closeCommand() {}
    // Every unload, whichever way the window closes.
    virtual void unload() {}

    void done(int result) override;

    // Controls in the dialog's look, placed in twips.
    QLabel* addLabel(const QString& text, int left, int top, const QColor& color = Qt::black, double points = 9);
    QCheckBox* addCheck(const QString& name, const QString& caption, int left, int top, int width, int height);
    QLineEdit* addTextBox(const QString& name, int left, int top, int width, int height);
    QFrame* addRule(int x1, int y1, int x2, int y2, const QColor& color);

    void PrintStart();
    // The index of the command that started the print (1, or a prefecture's own print command).
    int printCommand = 1;
    // Whether the last print start ended its document without a device error.
    bool printEnded = false;
    void showStatus(const QString& text);

private:
    void HidukeSelect();
    void NendoSelect();
};
