#include "IbaragiInfoForm.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "registers/OptionArray.h"
#include "treatment/NyuryokuLook.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
const QStringList Sex{QStringLiteral("♂"), QStringLiteral("♀")};
const QStringList Umu{QStringLiteral("有"), QStringLiteral("無")};

QLabel* caption(const QString& text, QWidget* parent, int left, int top)
{
    QLabel* label = NyuryokuLook::label(text, parent, left, top, 1300, 240);
    label->setStyleSheet(QStringLiteral("color: rgb(64,64,64);"));
    return label;
}
}

IbaragiInfoForm::IbaragiInfoForm(QWidget* parent) : QDialog(parent)
{
    build();
    const HandOver& hand = SharedState::get().Hand;
    infoGd->setText(hand.IbaragiRowIn);
    showInfo(BunbenInfoText::read(hand.IbaragiDialogText));
}

void IbaragiInfoForm::build()
{
    NyuryokuLook::dialog(this, QStringLiteral("IbaragiInfoForm"), 5000, 3000, 5250, 4350);
    caption(QStringLiteral("分娩情報"), this, 150, 120)->setStyleSheet(QStringLiteral("color: rgb(0,192,0); font-weight: bold;"));
    CmdGd = NyuryokuLook::commands(this, {{Sakujyo, QStringLiteral("削除"), 2985, 135, 500},
                                          {Ok, QStringLiteral("OK"), 3720, 135, 400},
                                          {Tojiru, QStringLiteral("閉る"), 4590, 120, 500}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &IbaragiInfoForm::CmdGd_Click);
    caption(QStringLiteral("【分娩日】"), this, 270, 645);
    infoGd = NyuryokuLook::value(QStringLiteral("infoGd"), QString(), this, 1290, 645, 1800);
    infoGd->setStyleSheet(QStringLiteral("color: rgb(0,0,192); font-weight: bold;"));
    caption(QStringLiteral("【産数】"), this, 270, 990);
    inpTx0 = NyuryokuLook::lineEdit(QStringLiteral("inpTx0"), this, 1260, 930, 345);
    inpTx0->setMaxLength(2);
    inpTx0->setAlignment(Qt::AlignCenter);
    inpTx0->setAttribute(Qt::WA_InputMethodEnabled, false);
    caption(QStringLiteral("産"), this, 1710, 990);
    FutagoCh = new QCheckBox(QStringLiteral("双子"), this);
    FutagoCh->setObjectName(QStringLiteral("FutagoCh"));
    TwipGeometry::place(FutagoCh, 3105, 990, 900, 270);
    connect(FutagoCh, &QCheckBox::clicked, this, &IbaragiInfoForm::FutagoCh_Click);
    caption(QStringLiteral("【子牛の状況】"), this, 270, 1410);
    KoUsiOp = NyuryokuLook::options(this, QStringLiteral("KoUsiOp"), Sex, 1470, 1425, 600);
    caption(QStringLiteral("【元気】"), this, 855, 1740);
    GenkiOp = NyuryokuLook::options(this, QStringLiteral("GenkiOp"), Umu, 1470, 1740, 600);
    caption(QStringLiteral("【食欲】"), this, 855, 2070);
    SyokuOp = NyuryokuLook::options(this, QStringLiteral("SyokuOp"), Umu, 1470, 2085, 600);
    caption(QStringLiteral("【品種】"), this, 270, 2640);
    HinsyuOp = NyuryokuLook::options(this, QStringLiteral("HinsyuOp"),
                                     {QStringLiteral("F1"), QStringLiteral("和牛"), QStringLiteral("乳用種")}, 1590, 2625, 1000);
    caption(QStringLiteral("【初乳比重】"), this, 270, 3015);
    SyonyuOp = NyuryokuLook::options(this, QStringLiteral("SyonyuOp"), {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
                                     1575, 3030, 700);
    caption(QStringLiteral("【分娩状況】"), this, 270, 3435);
    JyohoOp = NyuryokuLook::options(this, QStringLiteral("JyohoOp"),
                                    {QStringLiteral("正常"), QStringLiteral("異常"), QStringLiteral("その他")}, 1575, 3480, 1000);
    inpTx1 = NyuryokuLook::lineEdit(QStringLiteral("inpTx1"), this, 1575, 3810, 3330, 270);
    for (QLineEdit* box : {inpTx0, inpTx1}) {
        NyuryokuLook::onEnter(box, nullptr);
        NyuryokuLook::selectOnClick(box);
    }
    buildTwin();
}

void IbaragiInfoForm::buildTwin()
{
    WakuFrame7 = new QFrame(this);
    WakuFrame7->setObjectName(QStringLiteral("WakuFrame7"));
    WidgetColor::setBackColor(WakuFrame7, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(WakuFrame7, 2970, 1365, 2190, 1005);
    KoUsiOp2 = NyuryokuLook::options(WakuFrame7, QStringLiteral("KoUsiOp2"), Sex, 100, 60, 600);
    GenkiOp2 = NyuryokuLook::options(WakuFrame7, QStringLiteral("GenkiOp2"), Umu, 100, 375, 600);
    SyokuOp2 = NyuryokuLook::options(WakuFrame7, QStringLiteral("SyokuOp2"), Umu, 100, 720, 600);
    WakuFrame7->hide();
}

void IbaragiInfoForm::showInfo(const BunbenInfoText& info)
{
    inpTx0->setText(info.Sansu);
    inpTx1->setText(info.Bikou);
    const QList<QPair<OptionArray*, QString>> groups{
        {KoUsiOp, info.KoUsi},   {GenkiOp, info.Genki},   {SyokuOp, info.Syoku},
        {HinsyuOp, info.Hinsyu}, {SyonyuOp, info.Syonyu}, {JyohoOp, info.Jyoho},
        {KoUsiOp2, info.KoUsi2}, {GenkiOp2, info.Genki2}, {SyokuOp2, info.Syoku2}};
    for (const auto& group : groups)
        group.first->selectCaption(group.second);
    FutagoCh->setChecked(info.Futago);
    WakuFrame7->setVisible(info.Futago);
}

BunbenInfoText IbaragiInfoForm::entered() const
{
    BunbenInfoText info;
    info.Sansu = inpTx0->text();
    info.KoUsi = KoUsiOp->chosenCaption();
    info.Genki = GenkiOp->chosenCaption();
    info.Syoku = SyokuOp->chosenCaption();
    info.Hinsyu = HinsyuOp->chosenCaption();
    info.Syonyu = SyonyuOp->chosenCaption();
    info.Jyoho = JyohoOp->chosenCaption();
    info.Bikou = inpTx1->text();
    info.Futago = FutagoCh->isChecked();
    info.KoUsi2 = KoUsiOp2->chosenCaption();
    info.Genki2 = GenkiOp2->chosenCaption();
    info.Syoku2 = SyokuOp2->chosenCaption();
    return info;
}

void IbaragiInfoForm::FutagoCh_Click()
{
    WakuFrame7->setVisible(FutagoCh->isChecked());
}

void IbaragiInfoForm::CmdGd_Click(int index)
{
    QString& out = SharedState::get().Hand.IbaragiDialogText;
    if (index == Ok) {
        if (inpTx0->text().isEmpty()) {
            MsgBox::show(QStringLiteral("産数を入力してください。"), QStringLiteral("確認"));
            inpTx0->setFocus();
            return;
        }
        out = entered().text();
        accept();
        return;
    }
    out = index == Sakujyo ? QStringLiteral("del") : QStringLiteral("non");
    reject();
}
