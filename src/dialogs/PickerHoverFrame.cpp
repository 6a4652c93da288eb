#include "PickerHoverFrame.h"

#include "common/TwipGeometry.h"

#include <QEvent>

PickerHoverFrame::PickerHoverFrame(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Shape1"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(128, 128, 255));
    setPalette(p);
    hide();
}

void PickerHoverFrame::watch(QWidget* label)
{
    label->installEventFilter(this);
}

void PickerHoverFrame::follow(const QWidget* label)
{
    const int extra = TwipGeometry::px(50);
    setGeometry(label->x() - extra, label->y(), label->width() + extra, label->height());
    show();
    raise();
}

bool PickerHoverFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        follow(static_cast<QWidget*>(watched));
    return QFrame::eventFilter(watched, event);
}
