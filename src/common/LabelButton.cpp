#include "LabelButton.h"

#include <QMouseEvent>

LabelButton::LabelButton(const QString& caption, int index, QWidget* parent)
    : QLabel(caption, parent), indexValue(index)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    paintText(normalColor);
}

void LabelButton::paintText(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void LabelButton::setNormalColor(const QColor& color)
{
    normalColor = color;
    if (!isHovered)
        paintText(color);
}

void LabelButton::unhover()
{
    isHovered = false;
    paintText(normalColor);
}

void LabelButton::hover()
{
    if (isHovered)
        return;
    isHovered = true;
    paintText(hoverColor);
    emit hoveredNow(indexValue);
}

void LabelButton::enterEvent(QEnterEvent* event)
{
    hover();
    QLabel::enterEvent(event);
}

void LabelButton::mouseMoveEvent(QMouseEvent* event)
{
    hover();
    QLabel::mouseMoveEvent(event);
    // A move passed on to the parent would reach the frame's reset and paint this label black.
    event->accept();
}

void LabelButton::mousePressEvent(QMouseEvent* event)
{
    pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    emit mouseDown(indexValue, event->button(), event->modifiers());
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = pressed;
    pressed = false;
    QLabel::mouseReleaseEvent(event);
    emit released(indexValue, event->modifiers());
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(indexValue);
}

void LabelButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked(indexValue);
}
