#pragma once

#include "TiryoLine.h"

#include "common/Ken.h"

#include <QString>
#include <QStringList>
#include <optional>

// A click on a treatment line of the chart editor: which cells are corrected by hand, which open
// the category panel and (宮崎県) which open the code entry, and what a correction or a code
// entry makes of the line.
class TiryoSyusei
{
public:
    enum class Click { Panel, Manual, Code };

    static Click click(Ken ken, int column);

    // The value a manual price or points correction stores: a number, grouping commas allowed
    // and dropped ("1,200" gives "1200"); nothing, with the message, for any other text.
    static std::optional<QString> bpointValue(const QString& bpointOut, QString* message = nullptr);

    // The line after the Miyazaki code entry (TyusyaOut); nothing when it writes nothing (closed,
    // or a category outside its table).
    static std::optional<TiryoLine> miyazakiCode(const TiryoLine& old, const QStringList& tyusyaOut);

private:
    static TiryoLine miyazakiKubun(const TiryoLine& old, const QStringList& out, const QString& kubun);
};
