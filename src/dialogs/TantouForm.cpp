#include "TantouForm.h"

#include "common/DialogLook.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

namespace {
constexpr int NameCount = 7;
const int NameTops[NameCount] = {720, 1035, 1350, 1665, 1950, 2265, 2610};
} // namespace

TantouForm::TantouForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TantouForm"));
    DialogLook::frameless(this, 3000, 2000, 2055, 3180, SharedState::get().ColorSet.BaseBackColor);
    DialogLook::titleLabel(QStringLiteral("担当獣医師"), this, 105, 120, 11.25);
    DialogLook::greyRule(this, 0, 15, 2055);
    DialogLook::greyRule(this, 0, 390, 2055);
    CmdGd = new LabelButtonArray(this);
    DialogLook::command(CmdGd, QStringLiteral("閉る"), 0, this, 1545, 135, false);
    const QStringList names = tantouNames();
    for (int i = 0; i < NameCount; ++i) {
        LabelButton* name = CmdGd->add(names.value(i), i + 1, this);
        name->setObjectName(QStringLiteral("CmdGd%1").arg(i + 1));
        name->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 11.25, true));
        name->setAlignment(Qt::AlignCenter);
        TwipGeometry::place(name, 330, NameTops[i], 1400, 300);
        name->setVisible(!names.value(i).isEmpty());
    }
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &TantouForm::CmdGd_Click);
}

QStringList TantouForm::tantouNames()
{
    const QString names = SharedState::get().Site.text(QStringLiteral("TantouNames"));
    return names.isEmpty() ? QStringList() : names.split(QLatin1Char(':')).mid(0, NameCount);
}

void TantouForm::CmdGd_Click(int index)
{
    SharedState::get().Hand.TantouOut = index == 0 ? QString() : CmdGd->at(index)->text();
    accept();
}
