#pragma once

#include <functional>

class KarteEpisode;

// "薬価更新" of the chart editor: after the user's confirmation every drug line of the open
// episode is priced again from the current drug-price table and the registered drug names
// (YakkaKousinProc), the totals are recomputed and then the chart is saved, so the saved totals
// include the new prices; the first drug the table no longer holds is named.
class KarteYakkaKousinProc
{
public:
    enum Result {
        Cancelled,  // the user declined, or 宮崎県 (whose lines hold codes), or a names file unreadable
        Updated,    // every drug line priced: the editor hides its panel
        Missing,    // a drug was not found; the others were priced
    };

    // tensuKeisan shows the re-priced episode and recomputes its totals; karteSave saves it.
    static Result run(KarteEpisode& episode, const std::function<void()>& tensuKeisan,
                      const std::function<void()>& karteSave);
};
