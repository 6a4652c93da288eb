#include "LabelButtonArray.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QWidget>

LabelButtonArray::LabelButtonArray(QObject* parent) : QObject(parent) {}

LabelButton* LabelButtonArray::add(const QString& caption, int index, QWidget* parent)
{
    auto* button = new LabelButton(caption, index, parent);
    button->setHoverColor(hoverColor);
    buttons.insert(index, button);
    connect(button, &LabelButton::hoveredNow, this, &LabelButtonArray::unhoverOthers);
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
    // A grid takes the mouse in its viewport, and in the viewport of its heading rows' view.
    auto* area = qobject_cast<QAbstractScrollArea*>(background);
    if (!area)
        return;
    QList<QAbstractScrollArea*> views = area->findChildren<QAbstractScrollArea*>(Qt::FindDirectChildrenOnly);
    views.append(area);
    for (QAbstractScrollArea* view : std::as_const(views)) {
        view->viewport()->setMouseTracking(true);
        view->viewport()->installEventFilter(this);
    }
}

void LabelButtonArray::unhoverAll()
{
    for (LabelButton* button : std::as_const(buttons))
        button->unhover();
}

void LabelButtonArray::unhoverOthers(int hoveredIndex)
{
    for (LabelButton* button : std::as_const(buttons))
        if (button->index() != hoveredIndex)
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
