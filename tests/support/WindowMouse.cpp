#include "WindowMouse.h"

#include "common/FlexGrid.h"

#include <QListWidget>
#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace {
QPoint localPoint(const QWidget* control, QPoint at)
{
    return at.isNull() ? control->rect().center() : at;
}
} // namespace

bool WindowMouse::showWindow(QWidget* control)
{
    QWidget* window = control->window();
    if (!window->isVisible())
        window->show();
    return QTest::qWaitForWindowExposed(window);
}

QPoint WindowMouse::windowPoint(const QWidget* control, QPoint at)
{
    return control->mapTo(control->window(), localPoint(control, at));
}

QWidget* WindowMouse::widgetAt(const QWidget* control, QPoint at)
{
    return control->window()->childAt(windowPoint(control, at));
}

bool WindowMouse::reaches(const QWidget* control, QPoint at)
{
    const QWidget* hit = widgetAt(control, at);
    return hit && (hit == control || control->isAncestorOf(hit));
}

bool WindowMouse::click(QWidget* control, QPoint at, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    showWindow(control);
    const bool reached = reaches(control, at);
    QTest::mouseClick(control->window()->windowHandle(), button, modifiers, windowPoint(control, at));
    return reached;
}

bool WindowMouse::doubleClick(QWidget* control, QPoint at)
{
    showWindow(control);
    const bool reached = reaches(control, at);
    QTest::mouseDClick(control->window()->windowHandle(), Qt::LeftButton, {}, windowPoint(control, at));
    return reached;
}

bool WindowMouse::move(QWidget* control, QPoint at)
{
    showWindow(control);
    const bool reached = reaches(control, at);
    QTest::mouseMove(control->window()->windowHandle(), windowPoint(control, at));
    return reached;
}

QPoint WindowMouse::cellPoint(const FlexGrid* grid, int row, int col)
{
    return grid->cellRect(row, col).center();
}

bool WindowMouse::clickCell(FlexGrid* grid, int row, int col)
{
    showWindow(grid);
    return click(grid, cellPoint(grid, row, col));
}

bool WindowMouse::moveToCell(FlexGrid* grid, int row, int col)
{
    showWindow(grid);
    return move(grid, cellPoint(grid, row, col));
}

bool WindowMouse::clickRow(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    if (!item)
        return false;
    showWindow(list);
    list->scrollToItem(item);
    return click(list->viewport(), list->visualItemRect(item).center());
}

bool WindowMouse::clickItem(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return !found.isEmpty() && clickRow(list, list->row(found.first()));
}
