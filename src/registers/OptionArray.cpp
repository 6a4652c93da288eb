#include "OptionArray.h"

#include <QRadioButton>

OptionArray::OptionArray(QObject* parent) : QObject(parent) {}

QRadioButton* OptionArray::add(const QString& caption, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setAutoExclusive(false);
    const int index = int(buttons.size());
    buttons.append(button);
    connect(button, &QRadioButton::clicked, this, [this, index] {
        select(index);
        emit clicked(index);
    });
    return button;
}

void OptionArray::select(int index)
{
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setChecked(i == index);
    paint(index);
}

void OptionArray::selectCaption(const QString& text)
{
    int found = -1;
    for (int i = 0; i < buttons.size() && found < 0; ++i)
        if (buttons[i]->text() == text)
            found = i;
    select(found);
}

int OptionArray::chosen() const
{
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked())
            return i;
    return -1;
}

QString OptionArray::chosenCaption(bool visibleOnly) const
{
    const int i = chosen();
    if (i < 0 || (visibleOnly && buttons[i]->isHidden()))
        return QString();
    return buttons[i]->text();
}

void OptionArray::paint(int index)
{
    for (int i = 0; i < buttons.size(); ++i) {
        QPalette p = buttons[i]->palette();
        p.setColor(QPalette::WindowText, i == index ? chosenColor : QColor(Qt::black));
        buttons[i]->setPalette(p);
        if (chosenBold) {
            QFont f = buttons[i]->font();
            f.setBold(i == index);
            buttons[i]->setFont(f);
        }
    }
}

void OptionArray::paintBlack()
{
    paint(-1);
}

void OptionArray::setChosenLook(const QColor& color, bool bold)
{
    chosenColor = color;
    chosenBold = bold;
}
