#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class LabelButton;
class PickerHoverFrame;
class QWidget;

// One column of digit labels of the date and time pickers. At most one label is chosen: a click
// chooses it and un-chooses the others; a choice can move within the column but never be
// removed. The chosen label is drawn in PickerSelectColor, the others in PickerNormalColor; the
// value is the caption of the chosen label, empty while none is chosen.
class DigitLabelGroup : public QObject
{
    Q_OBJECT

public:
    explicit DigitLabelGroup(QObject* parent = nullptr);

    struct Column
    {
        QStringList captions;
        int left;           // twips
        int width = 195;
    };
    // The captions from first to last as numbers ("0" to "9", "1" to "12").
    static QStringList numbers(int first, int last);
    // One group per column, side by side in parent under one hover outline: the captions one under
    // the other from top, rowStep apart; each label named prefix, the column, "_" and its caption.
    static QList<DigitLabelGroup*> columns(QObject* owner, QWidget* parent, PickerHoverFrame* hover,
                                           const QList<Column>& layout, int top, int rowStep,
                                           const QString& prefix);

    // Adds a label; its geometry is the caller's.
    LabelButton* add(const QString& caption, int index, QWidget* parent);
    // Adds the captions as indexes 0, 1, ... one under the other, from top, rowStep apart (twips).
    void addColumn(const QStringList& captions, QWidget* parent, int left, int top, int rowStep = 270,
                   int width = 195);
    LabelButton* at(int index) const { return labels.value(index); }
    QList<int> indexes() const { return labels.keys(); }
    // The labels frame themselves with the outline when the pointer enters them.
    void setHoverFrame(PickerHoverFrame* frame);

    void choose(int index);
    // Chooses the label that shows the caption; false (and the choice unchanged) when none does.
    bool chooseCaption(const QString& caption);
    void clear();
    QString value() const;
    int chosenIndex() const { return chosen; }

signals:
    // A person clicked the label at index; it is chosen already.
    void clicked(int index);

private:
    void paint();

    QMap<int, LabelButton*> labels;
    PickerHoverFrame* hoverFrame = nullptr;
    int chosen = -1;
};
