#pragma once

#include <QColor>

class QWidget;

// The colours of the system's controls: the background of windows, frames, lists, boxes and
// labels (the BackColor of the old controls) and the text colour (ForeColor).
class WidgetColor
{
public:
    static void setBackColor(QWidget* widget, const QColor& color);
    static void setForeColor(QWidget* widget, const QColor& color);
};
