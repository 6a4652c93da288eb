#pragma once

#include <QColor>
#include <QLabel>

// A label used as a command button: its index in its array, the hover colour while the mouse is
// over it, and click, double-click and release (with the keyboard modifiers) by index. The label
// keeps the mouse moves over it to itself, so that the frame behind it, which paints the labels
// black again, sees only the moves over its free area.
class LabelButton : public QLabel
{
    Q_OBJECT

public:
    LabelButton(const QString& caption, int index, QWidget* parent = nullptr);

    int index() const { return indexValue; }
    void setHoverColor(const QColor& color) { hoverColor = color; }
    void setNormalColor(const QColor& color);
    // Paints the label in its normal colour again.
    void unhover();
    bool hovered() const { return isHovered; }
    // A click from code, as the window's own handlers and tests use it.
    void click() { emit clicked(indexValue); }

signals:
    // The mouse came over the label and painted it in the hover colour.
    void hoveredNow(int index);
    void clicked(int index);
    void doubleClicked(int index);
    void released(int index, Qt::KeyboardModifiers modifiers);
    // Any mouse button pressed on the label, with the keys held (the MouseDown handlers).
    void mouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void paintText(const QColor& color);
    void hover();

    int indexValue;
    QColor hoverColor = QColor(255, 0, 0);
    QColor normalColor = Qt::black;
    bool isHovered = false;
    bool pressed = false;
};
