#pragma once

#include <QPoint>
#include <Qt>

class FlexGrid;
class QListWidget;
class QString;
class QWidget;

// The mouse as a person uses it: every press, release and move goes to the control's top-level
// window at the point where the control shows, and the window hands it to whatever widget lies
// under that point. A control covered by another one, or cut off by its parent, misses the click
// as it would under a real pointer. Points are in the control's own pixels; a null point is the
// control's centre. The window is shown first if it is not.
class WindowMouse
{
public:
    // The point of the control in its top-level window.
    static QPoint windowPoint(const QWidget* control, QPoint at = QPoint());
    // The widget the window finds under that point (nullptr where no child lies).
    static QWidget* widgetAt(const QWidget* control, QPoint at = QPoint());
    // True when that widget is the control itself or one of its children.
    static bool reaches(const QWidget* control, QPoint at = QPoint());

    // Each returns reaches() as it stood before the event, so that a test can say that a control
    // was missed; the event is sent either way.
    static bool click(QWidget* control, QPoint at = QPoint(), Qt::KeyboardModifiers modifiers = {},
                      Qt::MouseButton button = Qt::LeftButton);
    static bool doubleClick(QWidget* control, QPoint at = QPoint());
    static bool move(QWidget* control, QPoint at = QPoint());

    // The centre of a cell, heading rows included, in the grid's own pixels.
    static QPoint cellPoint(const FlexGrid* grid, int row, int col);
    static bool clickCell(FlexGrid* grid, int row, int col);
    static bool moveToCell(FlexGrid* grid, int row, int col);
    // A click on a row of a list, where the row shows.
    static bool clickRow(QListWidget* list, int row);

    // Clicks the first entry of a list that reads exactly text; false when there is none or the
    // click missed it.
    static bool clickItem(QListWidget* list, const QString& text);

    // Shows the window of a control and waits until it can take mouse events.
    static bool showWindow(QWidget* control);
};
