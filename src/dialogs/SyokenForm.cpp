#include "SyokenForm.h"

#include "common/DialogLook.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QLabel>

namespace {
const QColor SyokenSelectColor(124, 125, 255);
constexpr int LineHeight = 380;
constexpr int OptionsLeft = 1500;
} // namespace

SyokenForm::SyokenForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SyokenForm"));
    DialogLook::frameless(this, 1500, 1500, 8000, 5300, SharedState::get().ColorSet.DialogBackColor);
    DialogLook::titleLabel(QStringLiteral("子宮・卵巣の所見"), this, 150, 120, 11.25);
    Label1 = new LabelButtonArray(this);
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 5700, 120);
    DialogLook::command(Label1, QStringLiteral("削除"), 2, this, 6400, 120);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 7200, 120);
    DialogLook::command(Label1, QStringLiteral("クリア"), 3, this, 7200, 450);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &SyokenForm::Label1_Click);
    int top = 800;
    for (int k = 0; k < SyokenTable::GroupCount; ++k) {
        const SyokenTable::Group& g = SyokenTable::groups().at(k);
        DialogLook::label(g.heading, this, 150, top)->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 10.5));
        auto* array = new LabelButtonArray(this);
        int left = OptionsLeft;
        for (int j = 0; j < g.options.size(); ++j) {
            if (j > 0 && g.lineStarts.contains(j)) {
                top += LineHeight;
                left = OptionsLeft;
            }
            LabelButton* option = array->add(g.options.at(j), j, this);
            option->setObjectName(QStringLiteral("Syoken%1_%2").arg(k).arg(j));
            option->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 10.5, true));
            option->move(TwipGeometry::px(left), TwipGeometry::px(top));
            option->adjustSize();
            left += TwipGeometry::twips(option->width()) + 300;
        }
        top += LineHeight;
        array->resetOn(this);
        connect(array, &LabelButtonArray::clicked, this, [this, k](int j) { Option_Click(k, j); });
        options.append(array);
    }
    chosen = SyokenTable::preselect(SharedState::get().Hand.SyokenText);
    for (int k = 0; k < SyokenTable::GroupCount; ++k)
        paintGroup(k);
}

// Chosen: bold in the findings colour; the others normal weight, black.
void SyokenForm::paintGroup(int group)
{
    LabelButtonArray* array = options[group];
    for (const int j : array->indexes()) {
        LabelButton* option = array->at(j);
        const bool on = chosen[group] == j;
        QFont f = option->font();
        f.setBold(on);
        option->setFont(f);
        option->adjustSize();
        option->setNormalColor(on ? SyokenSelectColor : QColor(Qt::black));
    }
}

void SyokenForm::Option_Click(int group, int index)
{
    chosen[group] = index;
    paintGroup(group);
}

void SyokenForm::Label1_Click(int index)
{
    SyokenTable::Findings& text = SharedState::get().Hand.SyokenText;
    if (index == 3) {
        chosen.fill(-1);
        for (int k = 0; k < SyokenTable::GroupCount; ++k)
            paintGroup(k);
        return;
    }
    if (index == 1)
        text = SyokenTable::result(chosen);
    else if (index == 2)
        text = SyokenTable::Findings();
    accept();
}
