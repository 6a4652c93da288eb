#include "DialogLook.h"

#include "FontSetup.h"
#include "LabelButtonArray.h"
#include "TwipGeometry.h"
#include "WidgetColor.h"

#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

namespace {
// Escape would close a dialog past its own commands and leave its hand-over values as an earlier
// opening set them: the dialogs without title bar close only through their labels.
class EscapeFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

const QColor DialogLook::TitleColor(0, 192, 0);
const QColor DialogLook::RuleColor(128, 128, 128);

void DialogLook::frameless(QDialog* dialog, int left, int top, int width, int height, const QColor& back)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    TwipGeometry::resize(dialog, width, height);
    dialog->move(TwipGeometry::px(left), TwipGeometry::px(top));
    WidgetColor::setBackColor(dialog, back);
    dialog->installEventFilter(new EscapeFilter(dialog));
}

QLabel* DialogLook::label(const QString& text, QWidget* parent, int left, int top)
{
    auto* l = new QLabel(text, parent);
    l->setFont(FontSetup::screenFont());
    l->move(TwipGeometry::px(left), TwipGeometry::px(top));
    l->adjustSize();
    return l;
}

QLabel* DialogLook::colorLabel(const QString& text, QWidget* parent, int left, int top, double points,
                               const QColor& color)
{
    QLabel* l = label(text, parent, left, top);
    l->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), points, true));
    WidgetColor::setForeColor(l, color);
    l->adjustSize();
    return l;
}

QLabel* DialogLook::titleLabel(const QString& text, QWidget* parent, int left, int top, double points)
{
    return colorLabel(text, parent, left, top, points, TitleColor);
}

QLabel* DialogLook::resultLabel(const QString& name, QWidget* parent, int left, int top, int width)
{
    QLabel* l = colorLabel(QString(), parent, left, top, 11.25, QColor(0, 0, 192));
    l->setObjectName(name);
    l->resize(TwipGeometry::px(width), TwipGeometry::px(300));
    return l;
}

QFrame* DialogLook::frame(QWidget* parent, int left, int top, int width, int height, const QColor& back)
{
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::Box);
    WidgetColor::setBackColor(f, back);
    TwipGeometry::place(f, left, top, width, height);
    return f;
}

void DialogLook::greyRule(QWidget* parent, int left, int top, int right)
{
    rule(parent, left, top, right, RuleColor);
}

QFrame* DialogLook::rule(QWidget* parent, int left, int top, int right, const QColor& color)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    QPalette p = line->palette();
    p.setColor(QPalette::WindowText, color);
    line->setPalette(p);
    line->setGeometry(TwipGeometry::px(left), TwipGeometry::px(top), TwipGeometry::px(right - left), 1);
    return line;
}

QFont DialogLook::commandFont(bool bold)
{
    QFont f = FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, bold);
    f.setUnderline(true);
    return f;
}

LabelButton* DialogLook::command(LabelButtonArray* array, const QString& caption, int index, QWidget* parent,
                                 int left, int top, bool bold)
{
    LabelButton* button = array->add(caption, index, parent);
    button->setObjectName(QStringLiteral("CmdGd_%1").arg(caption));
    button->setFont(commandFont(bold));
    button->move(TwipGeometry::px(left), TwipGeometry::px(top));
    button->adjustSize();
    return button;
}
