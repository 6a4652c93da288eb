#include "WidgetColor.h"

#include <QWidget>

void WidgetColor::setBackColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::Button, color);
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
