#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <array>

#include <array>

// The dialogs' hand-over values (In: caller to dialog, Out: dialog to caller, Mode: which variant,
// Kioku: an option a dialog keeps between its openings). Each window's issue adds its own here.
struct HandOver
{
    int KarteHinagataMode = 0;  // 1 = chart editor in template mode
    int BunruiOut = 0;          // kind dialog: 0 繁殖, 1 へい病, 2 cancelled
    int NewKarteOut = 0;
    int CopyMode = 0;
    QString PrintHiduke;        // chart date of the last print start of a certificate dialog
    QString PrintNendo;         // year (年度) of the certificates, written by the year picker
    QString KeiroOut;
    QString TokutyoOut;
    QString PLTestOut;
    int OcrWidth = 0;           // stroke width of the machine-read digits (宮崎県)

    // Options the certificate print dialogs keep between their openings.
    int TottoriYousiChKioku = 0;
    int TottoriSyusinChKioku = 0;
    std::array<int, 9> MiyazakiPrintChKioku{};
    int OitaDocOpKioku = 0;                    // veterinarian chosen at the last Oita print: 0 医師1, 1 医師2

    // Date picker: the caller sets the modes, the picker returns the date text and its parts.
    int NenGappiMode = 0;       // 1 last calving, 2 last insemination, -1 post-mortem, 0 other
    int NenGappiBirthMode = 0;  // 1 = a birth date (the Showa years 60 to 69 offered)
    QString NenGappiOut;        // the date text of a full date picked in this opening, else empty
    QString NenGappiYearOut;    // empty: no date
    QString NenGappiManthOut;
    QString NenGappiDayOut;
    QString IbaragiKiokuDate;   // the date the treatment book offers to the picker's recall

    // Outcome dialog.
    QString TenkiOut;           // 治癒, 中止, 死亡, 廃用, 法令殺; 未 = no outcome
    QString ChuusiOut;          // 鳥取県: (満了), (譲渡) or (転医) for a stopped treatment
    QString TeisyutuTukiOut;    // submission month: year "･" month
    // What the outcome dialog offers again at its next opening: the date text, the outcome month,
    // day tens, day units and submission month last chosen.
    std::array<QString, 5> TenkiKioku;

    std::array<QString, 9> SyokenText; // findings: element k the finding of group k (0 to 7)
    int PictNoOut = 0;          // picture picker: 1 to 27 the picture, -1 remove it, 0 no change
    QString Pict2Code;          // annotation pictures: left:right:cell 0:cell 1:cell 2
    QString TprText;            // "T=… P=… R=…"
    QString KubunOut;           // classification number
    int TeireiBunruiIn = 0;     // standard phrases: disease class 1 to 20
    QString TeireiText;         // the course text, in and out

    // Chart templates.
    int HinagataMode = 0;       // 0 register, 1 load, 2 re-price; -1 closed with "キャンセル"
    QString HinagataNameIn;
    QString HinagataCodeIn;
    QStringList HinagataKarteLines; // the 224 lines of an episode block
    QString TourokuNameText;    // template name dialog, in and out; empty: no change

    // Disease-name picker: a name and its code, "del" to clear the disease, empty for no choice.
    QString ByoName;
    QString ByoCode;
    QString RinkokuText;        // history report, in and out
    QString GeninText;          // cause, in and out
    QString TantouOut;          // veterinarian in charge; empty: no change
    int TuikaDayIn = 0;         // examination day 0 to 19
    int TuikaOut = 0;           // 0 cancelled, 1 insert an empty day, 2 delete the day
    QString StartTimeOut;       // treatment start and end time ("8:5"); empty: unchanged
    QString EndTimeOut;
    QString KyusinJikanOut;     // call time; empty: unchanged

    // Renumbering an animal.
    QString RenameMimiIn;
    QString RenameMimiRawIn;
    QString RenameEdaIn;
    QString RenameMeigouIn;
    QString RenameMimiOut;
    QString RenameEdaOut;

    QString CsvNameOut;         // CSV file chosen for the bulk registration, empty when none
    QStringList NameInpData{QString(), QString(), QString(), QString()}; // code, name, standard, registered name

    // Treatment entry dialogs. Each result array keeps its size; an empty item 0 (or, for the
    // single texts, an empty text) means the dialog closed without a choice.
    QStringList TyusyaOut = QStringList(12);  // injection and the Miyazaki entry and code dialogs
    int TyusyaOpKioku = 0;                     // injection method chosen last
    QStringList YakujiOut = QStringList(14);   // drug treatment
    int KusuriBunruiOpKioku = 0;               // drug class chosen last: 0 内用, 1 外用, 2 注入・挿入
    int YakujiTyusyaOpKioku = 0;               // drug-treatment fee class chosen last
    int TyusyaMiyazakiMode = 0;                // page of the Miyazaki entry dialog
    QStringList OusinOut = QStringList(5);     // house call
    QString SinryoBunruiIn;                    // category word of the treatment-code dialog
    QStringList SinryoOut = QStringList(11);   // treatment code
    QString DentakuOut;                        // quantity calculator, "0" when nothing computed
    QString BpointIn;                          // price or points entry: the cell's text
    QString BpointOut;                         // the new value, empty when none
    QStringList TensuIn = QStringList(7);      // points display: the chart's totals
    QString PLTestIn;
    QString NoPointOut;
    int TikushuMode = 0;                       // 0 species and use, 1 sex
    QString TikushuOut;
    QString PictMiyazakiOut;                   // "flag:n", "Del", or empty
    int PictMiyazakiNo = 0;                    // the Miyazaki diagram chosen last in this run
    // Treatment book: a cell's text to its dialog and back ("non" no change, "del" empty the
    // cell), the date of the row edited, the selected day's print hand-over and the animal's
    // name, birth date and temperature of that day for the printout.
    QString IbaragiDialogText;
    QString IbaragiRowIn;
    QStringList IbaragiPrintData;
    QStringList IbaragiKotaiData = QStringList(3);
    // Drug re-pricing: the registered names as (name and standard, registered name) pairs.
    QList<QPair<QString, QString>> YakkaKousinList;

    // The chart editor's own dialogs.
    QString KaiInputOut;        // disease 2's number of treatments as typed; empty: closed
    QString CopyKotaiIn;        // the ear tag the episode copy hands to the new-chart dialog
    QString CopyFileOut;        // the chart the episode copy wrote; empty when none
    std::array<QString, 2> CopyKarteHeader; // the copy target's two header lines
    QStringList CopyKarteLines; // the open episode's 224 block lines
    QString IbaragiDocNameOut;  // the veterinarian the Ibaraki certificate printed

    // Post-mortem certificate: the symptom candidate chosen (empty: none) and the sheet count
    // kept between the window's openings.
    QString KenanKouhoOut;
    QString KenanMaiKioku;

    // Print options of the notification book (and choices of the workbench's option dialog):
    // 0 closed without printing, 1 print everything, 2 print one day, that day as typed.
    int PrintSentakuOut = 0;
    QString TuchiPrintDayOut;

    // The workbench's option dialog: 0 member choice for the power of attorney, 1 drug tally.
    int OptionMode = 0;
    // The members ticked at the last hand-back, name and member code at one index each.
    QStringList OptionSentakuList;
    QStringList OptionSentakuCode;
    std::array<QString, 3> OptionDate;   // year, month, day as typed
    int OptionChKioku = 0;               // 1: "住所・氏名を印刷する" ticked at the last hand-back
};
