#pragma once

#include "common/Ken.h"
#include "common/SharedState.h"
#include "common/SiteProfile.h"
#include "treatment/MiyazakiDataGrid.h"

#include <QHash>
#include <QString>

class NewInputView;

// Everything a certificate body reads besides its chart, taken once when print start is clicked:
// the dialog's values (chart date, year, every option box and text box of the dialog by its
// control name), the open chart editor's values that some layouts print, the current farmer, the
// veterinarian identity, the data year and the installation with its site row. Bodies read only
// this, so a test builds one by hand.
class SindansyoPrintContext
{
public:
    // The dialog.
    QString PrintHiduke;   // the chart date shown in HidukeGd
    QString NenDo;         // the year shown in NenDoGd (trimmed by the readers)
    // Check boxes and option buttons as "1" (ticked) or "0", text boxes as typed, by control name
    // ("YousiCh", "PrintCh(3)", "PageTx").
    QHash<QString, QString> controls;

    // The chart editor (NewInputView) as it stands: DateCh and BunsyoCh (1 ticked), the captions
    // of MainGd(15) and MainGd(16), the Miyazaki price tables (DataGrid). Empty and 0 without one.
    bool editorOpen = false;
    int DateCh = 0;
    int BunsyoCh = 0;
    QString MainGd15;
    QString MainGd16;
    QString SinryoKaiChGd;  // the examination-day count with one count a day (empty: as stored)
    MiyazakiDataGrid DataGrid;

    // The installation and the current selection.
    Ken ken = Ken::Sonota;
    QString SiteKey;
    SiteProfile Site;       // the site row; in 鳥取県 the one the veterinarian's name selects now
    SiteProfile KenSite;    // the values every site of the prefecture shares (the row keyed "*")
    QString KarteNendo;
    NoukaInfo CurrentNouka;
    QString CurrentKarteFile;
    DoctorInfoData DoctorInfo;
    int SeirekiFlag = 0;

    // A control's value: a check box's state (1 ticked), a text box's number; 0 when absent.
    int ch(const QString& control) const;
    // The control of an array: "PrintCh" and 3 name "PrintCh(3)".
    int ch(const QString& control, int index) const { return ch(arrayName(control, index)); }
    QString text(const QString& control) const { return controls.value(control); }
    static QString arrayName(const QString& control, int index);

    // The local path of a chart file of the data year.
    QString kartePath(const QString& karteFileName) const;

    // The shared values and the open editor (null when none) as they are now; the dialog adds its
    // own values afterwards.
    static SindansyoPrintContext take(const SharedState& state, const NewInputView* editor);
};
