#include "LabelButtonArray.h"

#include <QEvent>
#include <QWidget>

LabelButtonArray::LabelButtonArray(QObject* parent) : QObject(parent) {}

LabelButton* LabelButtonArray::add(const QString& caption, int index, QWidget* parent)
{
    auto* button = new LabelButton(caption, index, parent);
    button->setHoverColor(hoverColor);
    buttons.insert(index, button);
    connect(button, &LabelButton::clicked, this, &LabelButtonArray::clicked);
    connect(button, &LabelButton::doubleClicked, this, &LabelButtonArray::doubleClicked);
    connect(button, &LabelButton::released, this, &LabelButtonArray::released);
    connect(button, &LabelButton::mouseDown, this, &LabelButtonArray::mouseDown);
    return button;
}

void LabelButtonArray::resetOn(QWidget* background)
{
    background->setMouseTracking(true);
    background->installEventFilter(this);
}

void LabelButtonArray::unhoverAll()
{
    for (LabelButton* button : std::as_const(buttons))
        button->unhover();
}

void LabelButtonArray::setHoverColor(const QColor& color)
{
    hoverColor = color;
    for (LabelButton* button : std::as_const(buttons))
        button->setHoverColor(color);
}

bool LabelButtonArray::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        unhoverAll();
    return QObject::eventFilter(watched, event);
}
