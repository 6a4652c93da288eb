#include "TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
// The width a line edit has for its text: its contents rectangle less the margins it keeps
// either side of the text (two pixels in Qt's line edit) and the text margins set on it.
int lineEditTextWidth(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

// The width a check box or option button has for its caption beside its indicator.
int buttonTextWidth(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    option.text = button->text();
    const auto element = qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                   : QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(element, &option, button).width();
}

QString textOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return box->displayText();
    return QString();
}
} // namespace

bool TextFit::fits(const QWidget* control)
{
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return box->fontMetrics().horizontalAdvance(box->displayText()) <= lineEditTextWidth(box);
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->wordWrap() || label->text().isEmpty() || label->sizeHint().width() <= label->width();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        if (button->text().isEmpty())
            return true;
        if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
            return button->fontMetrics().horizontalAdvance(button->text()) <= buttonTextWidth(button);
        return button->sizeHint().width() <= button->width();
    }
    return true;
}

QStringList TextFit::clipped(const QWidget* root)
{
    QStringList out;
    QList<const QWidget*> controls{root};
    for (const QWidget* child : root->findChildren<QWidget*>())
        controls.append(child);
    for (const QWidget* control : std::as_const(controls)) {
        if (!control->isVisibleTo(root->window()) || fits(control))
            continue;
        const QString name = control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                            : control->objectName();
        out.append(QStringLiteral("%1 \"%2\"").arg(name, textOf(control)));
    }
    return out;
}
