#pragma once

#include <QStringList>

class QWidget;

// Whether a control shows its whole text: a label, a check box or option button, a line edit's
// current text. A text wider than its control is cut off on screen.
class TextFit
{
public:
    static bool fits(const QWidget* control);
    // The visible controls inside root (root included) whose text is cut off, each as
    // "<object name or class> \"<text>\"", in the order of the widget tree.
    static QStringList clipped(const QWidget* root);
};
