#include "WidgetColor.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QWidget>

// A window or frame passes its colour to the labels and boxes on it, but not to the input boxes,
// lists and grids, which keep their own background unless they are painted themselves. An unset
// colour (the shared colours before start-up sets them) leaves the widget as it is.
void WidgetColor::setBackColor(QWidget* widget, const QColor& color)
{
    if (!color.isValid())
        return;
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Button, color);
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractScrollArea*>(widget))
        p.setColor(QPalette::Base, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void WidgetColor::setForeColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    widget->setPalette(p);
}
