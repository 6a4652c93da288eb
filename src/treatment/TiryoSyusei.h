#pragma once

#include "TiryoLine.h"

#include "common/Ken.h"

#include <QString>
#include <optional>

// A click on a treatment line of the chart editor: which cells are corrected by hand, which open
// the category panel and (宮崎県) which open the code entry, and what a correction stores.
class TiryoSyusei
{
public:
    enum class Click { Panel, Manual, Code };

    static Click click(Ken ken, int column);

    // The value a manual price or points correction stores: a number, grouping commas allowed
    // and dropped ("1,200" gives "1200"); nothing, with the message, for any other text.
    static std::optional<QString> bpointValue(const QString& bpointOut, QString* message = nullptr);
};
