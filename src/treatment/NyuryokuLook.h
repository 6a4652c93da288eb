#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class FlexGrid;
class LabelButtonArray;
class OptionArray;
class QDialog;
class QLabel;
class QLineEdit;
class QWidget;

// The look shared by the treatment entry dialogs: a window without title bar at a fixed place on
// the dialog colour, list grids with a heading row, the kana index, option buttons whose chosen
// one is blue and bold, and label buttons.
class NyuryokuLook
{
public:
    struct Column
    {
        QString heading;
        int width;        // twips
        bool left = false;
    };

    static void dialog(QDialog* dialog, const QString& name, int left, int top, int width, int height);
    static QLabel* label(const QString& text, QWidget* parent, int left, int top, int width, int height = 270);
    static QLineEdit* lineEdit(const QString& name, QWidget* parent, int left, int top, int width, int height = 300);
    // Enter in the box runs enter and is not typed (no action: swallowed only); with
    // clearOnClick a click into the box empties it.
    static void onEnter(QLineEdit* box, const std::function<void()>& enter, bool clearOnClick = false);
    // A click into the box selects its whole text.
    static void selectOnClick(QLineEdit* box);
    // A label showing a value, named for the tests and the readers of the window.
    static QLabel* value(const QString& name, const QString& text, QWidget* parent, int left, int top, int width);

    // A list grid: one heading row (300 twips) on the heading colour, the chosen row on GridColor,
    // the area beyond the cells on the dialog colour, no fixed column unless fixedCol.
    static void listGrid(FlexGrid* grid, const QList<Column>& columns, bool fixedCol = false);
    // Empties a list grid down to its heading row.
    static void clearList(FlexGrid* grid);
    // Appends a row of texts; the new row's number.
    static int addRow(FlexGrid* grid, const QStringList& cells);
    // Selects and highlights the whole row (or nothing for row 0).
    static void chooseRow(FlexGrid* grid, int row);

    // The kana index: 5 rows of 10 columns of 310 x 270 twips; columns gives each column's kana
    // from the top, a blank standing for an empty cell.
    static void kanaGrid(FlexGrid* grid, const QStringList& columns, int left, int top);
    // Only the cell at row, col on yellow.
    static void markKana(FlexGrid* grid, int row, int col);
    // The kana columns with the cells he and ri of the は and ら lines and the last cell.
    static QStringList kanaColumns(QChar he, QChar ri, const QString& last = QStringLiteral("常"));

    // Option buttons whose chosen caption is blue and bold, placed from left at top, each width
    // twips wide, perRow to a row (all in one row when 0), rows 300 twips apart.
    static OptionArray* options(QWidget* parent, const QString& name, const QStringList& captions, int left,
                                int top, int width, int perRow = 0);

    // Label buttons with captions by index, placed by (index, left, top, width).
    struct Command
    {
        int index;
        QString caption;
        int left;
        int top;
        int width;
    };
    static LabelButtonArray* commands(QWidget* parent, const QList<Command>& commands, bool hover = true);
};
