#pragma once

#include <QString>

class PrintDevice;
class SindansyoEpisode;
class SindansyoPrintContext;

// The chart of one episode on drawn B5 portrait sheets (the second Oita layout, "カルテ印刷開始"):
// the first sheet with the certificate's member, animal, disease and clinic items and three
// visits, then continuation sheets of seven visits with a page number (3 + 7 + 7 + 3 for twenty
// visits), each sheet drawn (KarteWaku) before its data and ended by a new page. Positions are
// millimetres from the sheet origin (17.5, 23.5); the calibration of PrintSetFile applies.
class KarteSheetOitaProc
{
public:
    static constexpr float X0 = 17.5f;
    static constexpr float Y0 = 23.5f;

    // Prints the sheets; returns how many.
    static int print(PrintDevice& device, const SindansyoPrintContext& context, const SindansyoEpisode& e);
    // Sheets for the number of the last dated visit: 0, or 1 for 1 to 3, then one for each
    // further seven, at most 4.
    static int sheets(int lastSinsatu);

    // A stored date with its era letter: "R" when its year is at most the current Reiwa year
    // (reiwaNow), otherwise "H".
    static QString eraDate(const QString& date, int reiwaNow);
    // The category as its column prints it: 筋肉内注射 → 筋肉注, 静脈内注射 → 静脈注, 関節腔内注射
    // → 関節注, 卵巣直接注射 → 卵巣注, 調剤不要 → 調剤無; others as they are.
    static QString bunruiText(const QString& category);
};
