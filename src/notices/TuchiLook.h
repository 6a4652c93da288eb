#pragma once

#include <QColor>
#include <QString>

class LabelButton;
class LabelButtonArray;
class QDialog;
class QLabel;
class QLineEdit;
class QWidget;

// The look the notification book's windows share: a window on the background colour without
// title bar at a fixed size, the green bold title, labels in the screen font and label buttons.
class TuchiLook
{
public:
    static const QColor TitleColor;  // RGB(0,192,0)
    static const QColor HintColor;   // RGB(128,128,255)

    // A window without title bar on the background colour, in the screen font.
    static void window(QDialog* dialog, const QString& name, int width, int height);
    static QLabel* label(const QString& name, const QString& text, QWidget* parent, int left, int top);
    static QLabel* title(const QString& text, QWidget* parent, int left, int top);
    static QLineEdit* box(const QString& name, QWidget* parent, int left, int top, int width, int height = 285);
    static LabelButton* command(LabelButtonArray* array, int index, const QString& caption, QWidget* parent,
                                int left, int top, bool bold = false);
};
