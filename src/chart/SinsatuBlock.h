#pragma once

#include "treatment/TiryoLine.h"

#include <QString>
#include <array>

class KarteBlock;

// One examination of an episode: the 11 block lines from row 4 + 11j.
//   +0: date (2), vital signs (3), start (5), end (6), veterinarian (9), call time (10)
//   +1: symptoms and course (2); +1 to +7: treatment lines 1 to 7 in fields 3 to 10
//   +8: picture entry (2), findings 1 to 8 (3 to 10)
class SinsatuBlock
{
public:
    static constexpr int TiryoCount = 7;
    static constexpr int SyokenCount = 8;

    QString SinsatuDate;
    QString Tpr;
    QString StartTime;
    QString EndTime;
    QString Tantou;
    QString KyuTime;
    QString Gensyo;
    std::array<TiryoLine, TiryoCount> Tiryo;
    QString PictNb;
    std::array<QString, SyokenCount> Syoken;

    static SinsatuBlock read(const KarteBlock& block, int j);
    // Writes examination j. The veterinarian and the call time are written only where their
    // labels are shown (tantouShown, kyuTimeShown); the course text is trimmed; the findings
    // are written whole (an empty finding empties its field).
    void write(KarteBlock& block, int j, bool tantouShown, bool kyuTimeShown) const;

    static TiryoLine readTiryo(const KarteBlock& block, int j, int slot);
    static void writeTiryo(KarteBlock& block, int j, int slot, const TiryoLine& line);

    // A date that counts: neither empty nor "-".
    static bool dated(const QString& date);
    bool dated() const { return dated(SinsatuDate); }
    // The course text begins with "治癒" (cured): such an examination is not counted.
    bool chiyu() const;
};
