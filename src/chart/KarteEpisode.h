#pragma once

#include "common/Ken.h"

#include "KarteBlock.h"
#include "KarteData1Record.h"
#include "KarteData2Record.h"
#include "KarteData3Record.h"
#include "KarteNameRecord.h"
#include "SinsatuBlock.h"

#include <optional>

class TotalGrid;

// An episode read by name: its block with the records and examinations as typed values. Cells
// that no record names keep what the block held, so a read-modify-write loses nothing.
class KarteEpisode
{
public:
    KarteEpisode() = default;                  // a new episode: tags only
    explicit KarteEpisode(const KarteBlock& block) : block_(block) {}

    const KarteBlock& block() const { return block_; }
    KarteBlock& block() { return block_; }

    KarteNameRecord name() const { return KarteNameRecord::read(block_); }
    void setName(const KarteNameRecord& r, Ken ken) { r.write(block_, ken); }
    KarteData1Record data1() const { return KarteData1Record::read(block_); }
    void setData1(const KarteData1Record& r) { r.write(block_); }
    KarteData2Record data2() const { return KarteData2Record::read(block_); }
    void setData2(const KarteData2Record& r, Ken ken) { r.write(block_, ken); }
    KarteData3Record data3() const { return KarteData3Record::read(block_); }
    void setData3(const KarteData3Record& r) { r.write(block_); }

    SinsatuBlock sinsatu(int j) const { return SinsatuBlock::read(block_, j); }
    void setSinsatu(int j, const SinsatuBlock& s, bool tantouShown, bool kyuTimeShown)
    {
        s.write(block_, j, tantouShown, kyuTimeShown);
    }
    TiryoLine tiryo(int j, int slot) const { return SinsatuBlock::readTiryo(block_, j, slot); }
    void setTiryo(int j, int slot, const TiryoLine& line) { SinsatuBlock::writeTiryo(block_, j, slot, line); }


    // The examinations that count: dated, and whose course text does not begin with "治癒"; the
    // last of them gives the last-examination date (none when no examination counts). In
    // template mode every examination with a course text counts once more.
    struct SinsatuKaisu
    {
        int Count = 0;
        std::optional<QString> SyusinDate;
    };
    SinsatuKaisu sinsatuKaisu(bool hinagataMode) const;

    // The dates and count that a save gathers: the first-examination date is the date of
    // examination 1, the last-examination date that of the last counted examination (kept when
    // none counts), the number of examinations the count. Template mode first rewrites the tags.
    void gatherDates(bool hinagataMode);

    // Whether a save keeps the episode in the file: examination 1 has a date.
    bool kept() const;

    // The totals into the data record (fields 2 to 9).
    void setTotals(const TotalGrid& grid);

    // Page numbers (0-based) below the number of examinations are shown green, the rest grey.
    static bool pageIroGreen(int page, const QString& sinryoKaisu);

private:
    KarteBlock block_;
};
