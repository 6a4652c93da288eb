#include "BunruiForm.h"

#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QLabel>

BunruiForm::BunruiForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BunruiForm"));
    setWindowTitle(QStringLiteral("診療の種類"));
    TwipGeometry::resize(this, 4200, 1800);
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.BaseBackColor);
    TwipGeometry::place(new QLabel(QStringLiteral("診療の種類を選択してください。"), this), 300, 200, 3600, 300);
    for (const int left : {240, 2160}) {
        auto* shape = new QFrame(this);
        shape->setFrameShape(QFrame::Box);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        TwipGeometry::place(shape, left, 700, 1800, 500);
    }
    SentakuGd = new LabelButtonArray(this);
    const QString captions[] = {QStringLiteral("繁殖"), QStringLiteral("へい病"), QStringLiteral("キャンセル")};
    const int lefts[] = {600, 2500, 1500};
    const int tops[] = {830, 830, 1380};
    for (int i = 0; i < 3; ++i) {
        LabelButton* b = SentakuGd->add(captions[i], i, this);
        b->setObjectName(QStringLiteral("SentakuGd%1").arg(i));
        TwipGeometry::place(b, lefts[i], tops[i], 1100, 300);
    }
    SentakuGd->setHoverColor(SharedState::get().ColorSet.HoverColor);
    SentakuGd->resetOn(this);
    connect(SentakuGd, &LabelButtonArray::clicked, this, &BunruiForm::SentakuGd_Click);
}

void BunruiForm::SentakuGd_Click(int index)
{
    SharedState::get().Hand.BunruiOut = index;
    accept();
}
