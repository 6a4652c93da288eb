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
    clickAt(control, control->rect().center(), button, modifiers);
}

void WindowMouse::clickAt(QWidget* control, const QPoint& point, Qt::MouseButton button,
                          Qt::KeyboardModifiers modifiers)
{
    show(control);
    QWindow* window = control->window()->windowHandle();
    const QPoint at = control->mapTo(control->window(), point);
    QTest::mouseMove(window, at);
    QTest::mouseClick(window, button, modifiers, at);
}
