#pragma once

#include <QColor>

class QWidget;

// The background of a window, frame or label: painted in the colour, which an unset colour (the
// shared colours before start-up set them) leaves as it is.
class WindowColor
{
public:
    static void paint(QWidget* widget, const QColor& color);
};
