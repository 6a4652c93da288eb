#pragma once

#include "LabelButton.h"

#include <QList>
#include <QMap>
#include <QObject>

// A control array of label buttons: buttons by index, one clicked(index) signal for all, and the
// hover convention: the label under the mouse takes the hover colour and the others of the array
// their normal colour; moving the mouse over the window or one of its frames paints the whole
// array in its normal colour again.
class LabelButtonArray : public QObject
{
    Q_OBJECT

public:
    explicit LabelButtonArray(QObject* parent = nullptr);

    LabelButton* add(const QString& caption, int index, QWidget* parent);
    LabelButton* at(int index) const { return buttons.value(index); }
    QList<int> indexes() const { return buttons.keys(); }
    // Widgets (the window, its frames, a grid) whose mouse moves reset the array's colours.
    void resetOn(QWidget* background);
    void unhoverAll();
    void setHoverColor(const QColor& color);

signals:
    void clicked(int index);
    void doubleClicked(int index);
    void released(int index, Qt::KeyboardModifiers modifiers);
    void mouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void unhoverOthers(int hoveredIndex);

    QMap<int, LabelButton*> buttons;
    QColor hoverColor = QColor(255, 0, 0);
};
