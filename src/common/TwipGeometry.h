#pragma once

#include <QRect>

class QLabel;
class QString;
class QWidget;

// Window geometry of the system is given in twips; at 96 dots per inch a pixel is 15 twips. Qt's
// logical pixels already carry the screen's scale, so one conversion serves every screen.
class TwipGeometry
{
public:
    static int px(int twips);
    static int twips(int pixels);
    static QRect rect(int left, int top, int width, int height);
    static void place(QWidget* widget, int left, int top, int width, int height);
    static void resize(QWidget* widget, int width, int height);
    // A plain label with its caption at a place given in twips.
    static QLabel* label(const QString& caption, QWidget* parent, int left, int top, int width, int height = 270);
};
