#pragma once

#include <QString>
#include <QStringList>
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

    // Date picker: the caller sets the modes, the picker returns the date text and its parts.
    int NenGappiMode = 0;       // 1 last calving, 2 last insemination, -1 post-mortem, 0 other
    int NenGappiBirthMode = 0;  // 1 = a birth date (the Showa years 60 to 69 offered)
    QString NenGappiOut;
    QString NenGappiYearOut;
    QString NenGappiManthOut;
    QString NenGappiDayOut;
    QString IbaragiKiokuDate;   // the date the treatment book offers to the picker's recall
    // The chart editor's remembered calving and insemination dates (farmer code'ear tag'calving'
    // insemination per line) and its open animal, which the picker's recall reads; empty while
    // no chart is open.
    QStringList KiokuList;
    QString KiokuNoukaCode;
    QString KiokuMimiban;

    // Renumbering an animal.
    QString RenameMimiIn;
    QString RenameMimiRawIn;
    QString RenameEdaIn;
    QString RenameMeigouIn;
    QString RenameMimiOut;
    QString RenameEdaOut;

    QString CsvNameOut;         // CSV file chosen for the bulk registration, empty when none
    QStringList NameInpData{QString(), QString(), QString(), QString()}; // code, name, standard, registered name
};
