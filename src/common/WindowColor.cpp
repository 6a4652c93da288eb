#include "WindowColor.h"

#include <QWidget>

void WindowColor::paint(QWidget* widget, const QColor& color)
{
    if (!color.isValid())
        return;
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}
