#pragma once

#include "KarteEpisode.h"
#include "KarteFile.h"
#include "NewInputHeader.h"
#include "PictEntry.h"
#include "SinsatuBlock.h"

#include "treatment/MiyazakiDataGrid.h"
#include "treatment/TotalGrid.h"

#include <QString>
#include <array>

class TensuKeisanProc;

// The chart editor without its widgets: the chart as read (the lines a save starts from and the
// episode's place in them), the episode's block, and what the header and the twenty examination
// panels show. The window shows these values and its handlers change them; a save gathers them
// into the block and rewrites the chart, so that what the file holds follows exactly the edits
// that save. Template mode reads and writes no chart.
class NewInputModel
{
public:
    static constexpr int SinsatuCount = KarteBlock::SinsatuCount;

    // What the opening fixes: the installation's variants and the editor's mode.
    struct Settei
    {
        Ken ken = Ken::Sonota;
        bool Hinagata = false;       // composing templates (KarteHinagataMode = 1)
        int KarteOpenMode = 0;       // 1 an existing episode, 0 a new one
        bool TiryoboMode = false;    // 茨城県, opened from the treatment book
        bool ManryoShown = false;    // the premium-period expiry and the veterinarians (ManryoFlag)
        bool KyuTimeShown = false;   // the call time (鹿児島県, site SiteKagoshimaVetC)
        PictEntry::Scheme Pict = PictEntry::Scheme::Numbered;

        bool tantouShown() const { return ManryoShown; }
        bool docNameShown() const { return ken == Ken::Ibaraki; }
        static Settei fromShared();
    };

    // The outcome of reading: false when the editor has no episode (nothing may be saved then),
    // with the message to show; a message beside true is a warning.
    struct Yomikomi
    {
        bool Ok = false;
        QString Message;
    };

    Settei Set;
    KarteFile File;             // the chart's lines as read
    int KarteIndex = 0;         // the episode's first line in them; the line count: appended
    KarteEpisode OpenGrid;      // the episode's block as last gathered or read
    NewInputHeader Header;
    std::array<SinsatuBlock, SinsatuCount> Panels;
    TotalGrid Totals;
    MiyazakiDataGrid DataGrid;  // 宮崎県: the drug and fee tables that price the lines
    QString KarteFileName;      // the chart the editor works on
    QString BirthTipText;

    explicit NewInputModel(const Settei& set = Settei::fromShared());

    // Reads the chart KarteFileName and the episode the shared state names (or starts a new one,
    // or takes the treatment book's rows), shows it and totals it.
    Yomikomi KarteReadProc();

    // Shows the block: the chart variant everything, the template variant (hinagata) keeps the
    // chart's dates, outcome, kind, submission month and every panel's date and times.
    void KarteHyojiProc(bool hinagata);
    // Gathers the header and panels into the block, with the dates and counts derived from them.
    void KarteGridSetProc();
    // Gathers and writes the chart (template mode: gathers only). False, with the reason, when
    // the chart could not be written; nothing is written after a failed reading.
    bool KarteSaveProc(QString* errorText = nullptr);
    // The totals of the panels' treatment lines into the totals grid and the header.
    void TensuKeisanProc();
    // The number of examination days where it differs from the number of examinations (鹿児島県
    // and 三重県); empty otherwise and while a template is composed.
    QString SinryoKaiSuuProc() const;
    // A template's lines into the block, the tags set again whatever it held, shown in the
    // template variant and totalled; nothing is written.
    void loadHinagata(const QStringList& lines);
    // Every cell of the block emptied, shown in the template variant and totalled.
    void clearHinagata();
    // After a duplicate: the copy's chart, opened on the copied episode by its key as shown.
    Yomikomi openCopy(const QString& karteFile);

    // Page numbers below this are green.
    int pageGreenCount() const;

    bool readOk() const { return readOk_; }
    bool saveAllowed() const { return readOk_ || Set.Hinagata; }
    // Whether a save of this opening wrote the chart, and writing the chart back as it was read.
    bool wrote() const { return wrote_; }
    bool restoreAsRead(QString* errorText = nullptr);

    // A panel's date counts when it is neither empty nor "-".
    bool dated(int j) const { return SinsatuBlock::dated(Panels.at(j).SinsatuDate); }
    // The block lines of the episode as gathered (template and copy hand-over form).
    QStringList blockLines() const { return OpenGrid.block().lines(); }

private:
    bool readOk_ = false;
    bool wrote_ = false;

    ::TensuKeisanProc keisan() const;
    void setKoteiLabels();
    void hyojiHeader(bool hinagata);
    void hyojiPanel(int j, bool hinagata);
    void hyojiTiryobo();
    void totalsToHeader();
};
