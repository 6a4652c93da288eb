#pragma once

#include <Qt>

class QPoint;
class QWidget;

// The mouse as a person uses it: pressed at a control's place in its shown window and delivered
// by the window system, so that whatever lies on top of the control at that place gets the event.
// A control covered by another therefore does not see the click, and the test fails.
class WindowMouse
{
public:
    // Shows the control's window (when it is hidden) and waits until it is on screen.
    static bool show(QWidget* control);
    // The centre of the control in its window's coordinates.
    static QPoint pointOf(const QWidget* control);

    static void move(QWidget* control);
    // Moves the pointer onto the control first, as a hand does, then clicks there.
    static void click(QWidget* control, Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The same at a point of the control (a list row, a grid cell: a point of its viewport).
    static void clickAt(QWidget* control, const QPoint& point, Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};
