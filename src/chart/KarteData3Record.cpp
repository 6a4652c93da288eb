#include "KarteData3Record.h"

#include "KarteBlock.h"
#include "treatment/TotalGrid.h"

#include <utility>

namespace {
// Field 2 + i of the record comes from this cell of the totals grid.
constexpr std::array<std::pair<int, int>, 8> GridCells{
    {{1, 1}, {2, 1}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {1, 6}, {2, 6}}};
}

std::array<QString*, 8> KarteData3Record::fields()
{
    return {&YakkaGoukei, &YakkaTensu, &BGoukei, &AGoukei, &BTotal, &ATotal, &Ryoukin, &Field9};
}

KarteData3Record KarteData3Record::read(const KarteBlock& block)
{
    KarteData3Record r;
    for (int i = 0; i < 8; ++i)
        *r.fields()[i] = block.cell(3, 2 + i);
    return r;
}

void KarteData3Record::write(KarteBlock& block) const
{
    KarteData3Record copy = *this;
    for (int i = 0; i < 8; ++i)
        block.setCell(3, 2 + i, *copy.fields()[i]);
}

KarteData3Record KarteData3Record::fromTotalGrid(const TotalGrid& grid)
{
    KarteData3Record r;
    for (int i = 0; i < 8; ++i)
        *r.fields()[i] = grid.text(GridCells[i].first, GridCells[i].second);
    return r;
}
