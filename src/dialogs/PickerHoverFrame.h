#pragma once

#include <QFrame>

// The thin outline the digit pickers lay around the digit under the pointer: the digit's top and
// height, 50 twips wider on the left. It never takes a mouse event, so the click under it reaches
// the digit it frames.
class PickerHoverFrame : public QFrame
{
    Q_OBJECT

public:
    explicit PickerHoverFrame(QWidget* parent);

    // Frames a label of the same parent whenever the pointer enters it.
    void watch(QWidget* label);
    void follow(const QWidget* label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
