#include "WindowMouse.h"

#include <QWidget>
#include <QWindow>
#include <QtTest>

bool WindowMouse::show(QWidget* control)
{
    QWidget* window = control->window();
    if (!window->isVisible())
        window->show();
    return QTest::qWaitForWindowExposed(window);
}

QPoint WindowMouse::pointOf(const QWidget* control)
{
    return control->mapTo(control->window(), control->rect().center());
}

void WindowMouse::move(QWidget* control)
{
    show(control);
    QTest::mouseMove(control->window()->windowHandle(), pointOf(control));
}

void WindowMouse::click(QWidget* control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    move(control);
    QTest::mouseClick(control->window()->windowHandle(), button, modifiers, pointOf(control));
}
