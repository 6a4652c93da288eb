#pragma once

#include "common/FlexGrid.h"

#include <QColor>
#include <QList>
#include <QString>

class QLabel;
class QWidget;

// The look the code-table windows share: backgrounds, the green bold title, the grey rules, the
// label-button captions and the grids' columns.
class CodeWindowLook
{
public:
    struct Column
    {
        QString heading;
        int width;  // twips
        FlexGrid::Alignment align;
    };

    static QLabel* titleLabel(const QString& text, QWidget* parent, int left, int top);
    static QLabel* label(const QString& text, QWidget* parent, int left, int top);
    static void greyRule(QWidget* parent, int left, int top, int right);
    // Caption font of a label button: "ＭＳ Ｐゴシック" 9.75 pt, underlined.
    static QFont commandFont(bool bold);

    // Sets the grid's columns (headings in row 0, widths, cell alignments), its font and colours,
    // and sizes it to its columns plus room for the scroll bar. Returns the width in twips.
    static int setupGrid(FlexGrid* grid, const QList<Column>& columns, bool headingsCentred);

    static const QColor CellEditorBackColor;
    static const QColor EditRowColor;
};
