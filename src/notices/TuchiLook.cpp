#include "TuchiLook.h"

#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>

const QColor TuchiLook::TitleColor(0, 192, 0);
const QColor TuchiLook::HintColor(128, 128, 255);

void TuchiLook::window(QDialog* dialog, const QString& name, int width, int height)
{
    dialog->setObjectName(name);
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog->setFont(FontSetup::screenFont());
    WidgetColor::setBackColor(dialog, SharedState::get().ColorSet.BaseBackColor);
    TwipGeometry::resize(dialog, width, height);
}

QLabel* TuchiLook::label(const QString& name, const QString& text, QWidget* parent, int left, int top)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(FontSetup::screenFont());
    l->move(TwipGeometry::px(left), TwipGeometry::px(top));
    l->adjustSize();
    return l;
}

QLabel* TuchiLook::title(const QString& text, QWidget* parent, int left, int top)
{
    QLabel* l = label(QStringLiteral("TitleGd0"), text, parent, left, top);
    l->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, true));
    WidgetColor::setForeColor(l, TitleColor);
    l->adjustSize();
    return l;
}

QLineEdit* TuchiLook::box(const QString& name, QWidget* parent, int left, int top, int width, int height)
{
    auto* b = new QLineEdit(parent);
    b->setObjectName(name);
    b->setFont(FontSetup::screenFont());
    TwipGeometry::place(b, left, top, width, height);
    return b;
}

LabelButton* TuchiLook::command(LabelButtonArray* array, int index, const QString& caption, QWidget* parent,
                                int left, int top, bool bold)
{
    LabelButton* b = array->add(caption, index, parent);
    b->setObjectName(QStringLiteral("CmdGd%1").arg(index));
    b->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, bold));
    b->move(TwipGeometry::px(left), TwipGeometry::px(top));
    b->adjustSize();
    return b;
}
