#include "SindansyoPageCount.h"

#include "SindansyoEpisode.h"
#include "ValueReader.h"

#include <algorithm>

bool SindansyoPageCount::counts(const SindansyoEpisode& episode, int j, Counted rule)
{
    const int row = SindansyoEpisode::sinsatuRow(j);
    const QString date = episode.cell(row, 2);
    if (!date.isEmpty() && !date.startsWith(QLatin1Char('.')))
        return true;
    return rule == Counted::DatedOrCourse && !episode.cell(row + 1, 2).isEmpty();
}

int SindansyoPageCount::lastSinsatuNumber(const SindansyoEpisode& episode, Counted rule)
{
    for (int j = 19; j >= 0; --j) {
        if (counts(episode, j, rule))
            return ValueReader::leadingInt(episode.cell(SindansyoEpisode::sinsatuRow(j), 1));
    }
    return 0;
}

int SindansyoPageCount::pages(int lastNumber, int perPage, int maxPages)
{
    if (lastNumber <= 0 || perPage <= 0)
        return 0;
    return std::min(maxPages, (lastNumber + perPage - 1) / perPage);
}

int SindansyoPageCount::pages(const SindansyoEpisode& episode, Counted rule, int perPage, int maxPages)
{
    return pages(lastSinsatuNumber(episode, rule), perPage, maxPages);
}
