#include "DigitLabelGroup.h"

#include "PickerHoverFrame.h"
#include "common/FontSetup.h"
#include "common/LabelButton.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

DigitLabelGroup::DigitLabelGroup(QObject* parent) : QObject(parent) {}

QStringList DigitLabelGroup::numbers(int first, int last)
{
    QStringList captions;
    for (int n = first; n <= last; ++n)
        captions.append(QString::number(n));
    return captions;
}

QList<DigitLabelGroup*> DigitLabelGroup::columns(QObject* owner, QWidget* parent, PickerHoverFrame* hover,
                                                 const QList<Column>& layout, int top, int rowStep,
                                                 const QString& prefix)
{
    QList<DigitLabelGroup*> groups;
    for (int c = 0; c < layout.size(); ++c) {
        auto* group = new DigitLabelGroup(owner);
        group->setHoverFrame(hover);
        group->addColumn(layout.at(c).captions, parent, layout.at(c).left, top, rowStep, layout.at(c).width);
        for (const int i : group->indexes())
            group->at(i)->setObjectName(prefix + QStringLiteral("%1_%2").arg(c).arg(group->at(i)->text()));
        groups.append(group);
    }
    return groups;
}

LabelButton* DigitLabelGroup::add(const QString& caption, int index, QWidget* parent)
{
    auto* label = new LabelButton(caption, index, parent);
    label->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 14.25, true));
    label->setAlignment(Qt::AlignCenter);
    labels.insert(index, label);
    if (hoverFrame)
        hoverFrame->watch(label);
    connect(label, &LabelButton::clicked, this, [this](int i) {
        choose(i);
        emit clicked(i);
    });
    paint();
    return label;
}

void DigitLabelGroup::addColumn(const QStringList& captions, QWidget* parent, int left, int top, int rowStep,
                                int width)
{
    for (int i = 0; i < captions.size(); ++i)
        TwipGeometry::place(add(captions.at(i), i, parent), left, top + i * rowStep, width, 285);
}

void DigitLabelGroup::setHoverFrame(PickerHoverFrame* frame)
{
    hoverFrame = frame;
    for (LabelButton* label : std::as_const(labels))
        frame->watch(label);
}

void DigitLabelGroup::choose(int index)
{
    chosen = labels.contains(index) ? index : -1;
    paint();
}

bool DigitLabelGroup::chooseCaption(const QString& caption)
{
    for (auto it = labels.cbegin(); it != labels.cend(); ++it) {
        if (it.value()->text() == caption) {
            choose(it.key());
            return true;
        }
    }
    return false;
}

void DigitLabelGroup::clear()
{
    choose(-1);
}

QString DigitLabelGroup::value() const
{
    return chosen < 0 ? QString() : labels.value(chosen)->text();
}

void DigitLabelGroup::paint()
{
    for (auto it = labels.cbegin(); it != labels.cend(); ++it) {
        const QColor color = it.key() == chosen ? ColorSetInfo::PickerSelectColor() : ColorSetInfo::PickerNormalColor();
        it.value()->setHoverColor(color);
        it.value()->setNormalColor(color);
        it.value()->unhover();
    }
}
