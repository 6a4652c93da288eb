#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class LabelButton;
class LabelButtonArray;
class QDialog;
class QFrame;
class QLabel;
class QWidget;

// The look the small dialogs share: a window without title bar at a fixed place on the screen,
// the green bold heading at the top left, the command labels in a band between grey rules, and
// plain labels sized to their text. Positions and sizes are twips.
class DialogLook
{
public:
    static const QColor TitleColor;     // the green of the headings
    static const QColor RuleColor;      // the grey of the rules

    // A dialog without title bar or close box, its client area width x height, placed at left
    // and top of the screen, painted in back. It closes only through its own commands (Escape
    // does not close it).
    static void frameless(QDialog* dialog, int left, int top, int width, int height, const QColor& back);

    // A label in the screen font, sized to its text.
    static QLabel* label(const QString& text, QWidget* parent, int left, int top);
    // A label in "ＭＳ Ｐゴシック" bold at the given size, in a colour, sized to its text.
    static QLabel* colorLabel(const QString& text, QWidget* parent, int left, int top, double points,
                              const QColor& color);
    // The dialog's heading: green, bold, 9.75 pt unless given.
    static QLabel* titleLabel(const QString& text, QWidget* parent, int left, int top, double points = 9.75);
    // The display of a picked value: dark blue, bold, 11.25 pt, width twips wide, named name.
    static QLabel* resultLabel(const QString& name, QWidget* parent, int left, int top, int width);
    // A frame with a border, painted in back.
    static QFrame* frame(QWidget* parent, int left, int top, int width, int height, const QColor& back);
    static void greyRule(QWidget* parent, int left, int top, int right);
    // A horizontal rule in a colour, from left to right at top.
    static QFrame* rule(QWidget* parent, int left, int top, int right, const QColor& color);
    // Caption font of a command label: "ＭＳ Ｐゴシック" 9.75 pt, underlined.
    static QFont commandFont(bool bold);
    // A command label of an array, in the command font, placed at left/top and sized to its caption.
    static LabelButton* command(LabelButtonArray* array, const QString& caption, int index, QWidget* parent,
                                int left, int top, bool bold = true);
};
