#include "TwipGeometry.h"

#include <QLabel>
#include <QWidget>
#include <cmath>

int TwipGeometry::px(int twips)
{
    return int(std::lround(twips / 15.0));
}

int TwipGeometry::twips(int pixels)
{
    return pixels * 15;
}

QRect TwipGeometry::rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

void TwipGeometry::place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(left, top, width, height));
}

void TwipGeometry::resize(QWidget* widget, int width, int height)
{
    widget->setFixedSize(px(width), px(height));
}

QLabel* TwipGeometry::label(const QString& caption, QWidget* parent, int left, int top, int width, int height)
{
    auto* label = new QLabel(caption, parent);
    place(label, left, top, width, height);
    return label;
}
