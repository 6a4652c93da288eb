#pragma once

#include "SyokenTable.h"

#include <QDialog>
#include <QList>

class LabelButtonArray;

// The findings dialog "子宮・卵巣の所見": one option at most in each of eight groups, handed back in
// SyokenText, each finding at the index of its group. "OK" returns the choice, "削除" nine empty
// texts, "閉る" the opener's findings unchanged; "クリア" un-chooses every option.
class SyokenForm : public QDialog
{
    Q_OBJECT

public:
    explicit SyokenForm(QWidget* parent = nullptr);

    // HutosaGd, KeijyoGd, SyuseiGd, HiatuGd, NaibuGd, KeikanGd, TituGd, InsinGd by group.
    QList<LabelButtonArray*> options;
    LabelButtonArray* Label1 = nullptr;

    const SyokenTable::Choice& choice() const { return chosen; }
    void Option_Click(int group, int index);
    void Label1_Click(int index);

private:
    void paintGroup(int group);

    SyokenTable::Choice chosen;
};
