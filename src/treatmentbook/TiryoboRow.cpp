#include "TiryoboRow.h"

#include "treatment/TiryoLine.h"

bool TiryoboRow::isBlank() const
{
    return !hasText(0, ColCount - 1);
}

bool TiryoboRow::hasText(int first, int last) const
{
    for (int c = first; c <= last; ++c) {
        if (!cells.at(c).isEmpty())
            return true;
    }
    return false;
}

void TiryoboRow::setTiryoLine(const TiryoLine& line)
{
    for (int c = 1; c <= TiryoLine::ColumnCount; ++c)
        set(Bunrui + c - 1, line.text(c));
}

void TiryoboRow::clearTiryoLine()
{
    for (int c = Bunrui; c <= Utiwake; ++c)
        cells.at(c).clear();
    for (int c = Col16; c <= Syoken; ++c)
        cells.at(c).clear();
}

TiryoboRow TiryoboRow::fromCells(const QStringList& values)
{
    TiryoboRow row;
    for (int c = 0; c < ColCount && c < values.size(); ++c)
        row.cells.at(c) = values.at(c);
    return row;
}
