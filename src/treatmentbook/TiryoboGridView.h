#pragma once

class FlexGrid;
class TiryoboBook;

// A treatment book shown in a grid (the own book or the partner's): the 30 columns, the rows'
// texts, their heights from their text, the green of the rows that end a course of treatment,
// the marked rows and the selected row.
class TiryoboGridView
{
public:
    TiryoboGridView(FlexGrid* grid, const TiryoboBook& book, bool partner);

    FlexGrid* grid() const { return gridValue; }
    void setGrid(FlexGrid* grid) { gridValue = grid; }
    // The columns, widths, alignments and colours; the own book's headings.
    void setUp();

    enum class Mode { SelectedRow, AllRows, ColoursOnly };
    // Brings the grid's texts up to the book, sets heights (the selected row's, or every row's
    // and scrolls the last dated row to the top), then paints and selects.
    void layout(Mode mode, int selRow);
    // The row under a vertical position of the grid's cell area (pixels); 0 below the last row.
    int RowFromYProc(int y) const;

private:
    void showTexts();
    void setHeight(int r);
    void paint();
    void select(int selRow);

    FlexGrid* gridValue;
    const TiryoboBook& book;
    bool partner;
};
