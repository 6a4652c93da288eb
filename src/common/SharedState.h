#pragma once

#include "CodeTables.h"
#include "HandOver.h"
#include "KarteFolderList.h"
#include "Ken.h"
#include "KyuYakuRecord.h"
#include "SinryoKirokuRecord.h"
#include "SiteProfile.h"

#include <QColor>
#include <array>
#include <QString>
#include <QStringList>

class NewInputView;

// The farmer currently worked on: fields 0 to 3 of his register line.
struct NoukaInfo
{
    QString NoukaTiku;
    QString NoukaName;
    QString NoukaCode;
    QString NoukaJyusyo;
    bool chosen() const { return !NoukaTiku.isEmpty() && !NoukaName.isEmpty(); }
};

// The episode to open: chart file, disease-1 name, disease code, first-exam date.
struct EpisodeInfo
{
    QString RirekiKarteFile;
    QString ByoName;
    QString ByoCode;
    QString SyosinDate;
};

struct ColorSetInfo
{
    QColor BaseBackColor;
    QColor DialogBackColor;
    QColor HoverColor;
    QColor GridColor;

    // Colours that are fixed literals, not shared values: the grids' heading cells, the main
    // window's banner, and the chosen and the other digits of the date and time pickers.
    static QColor GridFixedBackColor() { return QColor(224, 221, 193); }
    static QColor TitleBannerColor() { return QColor(208, 96, 133); }
    static QColor PickerSelectColor() { return QColor(190, 24, 7); }
    static QColor PickerNormalColor() { return QColor(0, 192, 192); }
};

// The print calibration: offsets in millimetres and the vertical stretch (0 counts as 1.0).
struct PrintHoseiInfo
{
    float YokoHosei = 0;
    float TateHosei = 0;
    float NobiHosei = 0;
};

struct DoctorInfoData
{
    QString DoctorAd;
    QString DoctorName;
    QString DoctorCode;
};

// The process-wide values every window works on. One object for the life of the process; tests
// reset it. Windows read and assign the members directly.
class SharedState
{
public:
    static SharedState& get();
    static void reset();

    // Sets the prefecture from its name in info.ini: the text as written and the typed value.
    void setKen(const QString& name);

    // Configuration, set once at start-up. KenName is the prefecture as info.ini writes it (shown
    // in the title); variants ask ken.
    QString KenName;
    Ken ken = Ken::Sonota;
    QString SiteKey;
    QString KarteNendo;
    QString TodayDate;     // yyyy/M/d
    QString ReiwaNen;
    QString DefaultNendo;
    SiteProfile Site;      // the row of the installation's site, read at start-up
    QList<SiteProfile> SiteRows;

    // Current selection.
    NoukaInfo CurrentNouka;
    QString CurrentKarteFile;
    EpisodeInfo CurrentEpisode;
    int KarteOpenMode = 0;

    // Look and print scale.
    ColorSetInfo ColorSet;
    float TwipPerMm = 56.7f;   // twips per millimetre of the printer: always 56.7
    PrintHoseiInfo PrintHosei;
    float PrintBaseX = 0;

    QStringList PictPathTable;
    QStringList Pict2PathTable;

    DoctorInfoData DoctorInfo;
    QStringList DellInfoList;

    // Flags and remembered options set at start-up.
    int ManryoFlag = 0;
    int SeirekiFlag = 0;
    int MieA4Flag = 0;
    // Options of the print dialogs kept for the rest of the run by a print start that passed its
    // checks (never written to disk).
    int MieHinsyuOpKioku = 0;
    int MieSizeOpKioku = 0;    // paper of the Mie print dialog: -1 A4, 0 B4
    int MieYousiChKioku = 0;
    int MieKaiChKioku = 0;
    int MieDocChKioku = 0;
    std::array<int, 3> SagaDocChKioku{};   // the three veterinarians of the Saga dialog (1 ticked)
    int IbaragiOption1Kioku = 0;
    int IbaragiYousiChKioku = 0;   // the paper boxes of the Ibaraki print dialog (1 ticked)
    int IbaragiHakusiChKioku = 0;
    QString TakukaraOut;
    int IbaragiFormOpen = 0;
    QStringList IbaragiDayCopyBuffer;

    // Values of the master registers.
    int TensuAlarmFlag = 0;
    double TensuAlarmLimit = 0;

    CodeTables Tables;
    KarteFolderList KarteFileList;  // the chart files of the data year's folder
    QStringList PrintJobList;  // chart file name, disease name and first-exam date joined by "'"

    // The visit records of the last treatment-record tally of the run (empty before the first),
    // and the withdrawal texts that the treatment-record window loads in 鳥取県.
    QList<SinryoKirokuRecord> SinryoKirokuList;
    QList<KyuYakuRecord> KyuYakuList;

    HandOver Hand;

    // The chart editor while it is open, for the windows that read it; null otherwise.
    const NewInputView* OpenEditor = nullptr;

    // The chart folder of the data year ("\Nolvari\H<year>\") as a local path.
    QString karteFolder() const;
    // The local path of a chart file of the data year.
    QString kartePath(const QString& karteFileName) const;
    // Brings KarteFileList up to date with the chart folder (a status call while nothing changed).
    void refreshKarteFileList();
};
