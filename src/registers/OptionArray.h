#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>

class QRadioButton;
class QWidget;

// A control array of option buttons of which at most one is chosen, where no choice at all is a
// state of its own (a grid click can leave a group without one). Choosing, by a click or from
// code, paints the chosen caption red (or in the look set for the array) and the others black.
class OptionArray : public QObject
{
    Q_OBJECT

public:
    explicit OptionArray(QObject* parent = nullptr);

    QRadioButton* add(const QString& caption, QWidget* parent);
    QRadioButton* at(int index) const { return buttons.value(index); }
    int count() const { return int(buttons.size()); }

    // Chooses the option and runs the click behaviour; -1 clears the group.
    void select(int index);
    // Chooses the first option whose caption equals text (none when no caption does).
    void selectCaption(const QString& text);
    int chosen() const;
    // The caption of the chosen option that is visible; empty when none.
    QString chosenCaption(bool visibleOnly = false) const;
    // Every caption black again.
    void paintBlack();
    // The colour and weight of the chosen caption.
    void setChosenLook(const QColor& color, bool bold);

signals:
    void clicked(int index);

private:
    void paint(int index);
    QList<QRadioButton*> buttons;
    QColor chosenColor = QColor(255, 0, 0);
    bool chosenBold = false;
};
