#include "TuchiPrintForm.h"

#include "TuchiLook.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/ValueReader.h"
#include "common/WidgetColor.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

TuchiPrintForm::TuchiPrintForm(QWidget* parent) : QDialog(parent)
{
    TuchiLook::window(this, QStringLiteral("TuchiPrintForm"), 4050, 1410);
    TuchiLook::title(QStringLiteral("事故発生通知簿　印刷"), this, 105, 135);
    CmdGd = new LabelButtonArray(this);
    const QColor hover = SharedState::get().ColorSet.HoverColor;
    if (hover.isValid())
        CmdGd->setHoverColor(hover);
    TuchiLook::command(CmdGd, 0, QStringLiteral("終了"), this, 3480, 135, true);
    TuchiLook::command(CmdGd, 1, QStringLiteral("印刷開始"), this, 1560, 1020);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &TuchiPrintForm::CmdGd_Click);
    infoGd = TuchiLook::label(QStringLiteral("infoGd"), QString(), this, 240, 570);
    WidgetColor::setForeColor(infoGd, TuchiLook::HintColor);

    const QStringList captions{QStringLiteral("全て印刷する"), QStringLiteral("印刷する日を指定する")};
    const int tops[] = {2205, 2655};
    for (int i = 0; i < 2; ++i) {
        SentakuOp[i] = new QRadioButton(captions.at(i), this);
        SentakuOp[i]->setObjectName(QStringLiteral("SentakuOp%1").arg(i));
        SentakuOp[i]->move(TwipGeometry::px(240), TwipGeometry::px(tops[i]));
        SentakuOp[i]->adjustSize();
        connect(SentakuOp[i], &QRadioButton::clicked, this, [this, i] { SentakuOp_Click(i); });
    }
    inpTx = TuchiLook::box(QStringLiteral("inpTx"), this, 600, 3030, 500);
    DayGd = TuchiLook::label(QStringLiteral("DayGd"), QStringLiteral("日のみ印刷"), this, 1200, 3090);
    Form_Load();
}

void TuchiPrintForm::Form_Load()
{
    const SharedState& s = SharedState::get();
    for (QRadioButton* op : SentakuOp)
        WidgetColor::setBackColor(op, s.ColorSet.BaseBackColor);
    SentakuOp[0]->setChecked(true);
    SentakuOp_Click(0);
    infoGd->setText(s.ken == Ken::Gunma ? QStringLiteral("※所定用紙をセットしてください。")
                                        : QStringLiteral("※Ａ4（白紙）をセットしてください。"));
    infoGd->adjustSize();
}

void TuchiPrintForm::SentakuOp_Click(int index)
{
    SentakuOp[index]->setChecked(true);
    inpTx->setVisible(index == 1);
    DayGd->setVisible(index == 1);
    if (index == 1)
        inpTx->setFocus();
}

void TuchiPrintForm::CmdGd_Click(int index)
{
    if (index == 0) {
        SharedState::get().Hand.PrintSentakuOut = 0;
        accept();
    } else if (index == 1) {
        printStart();
    }
}

void TuchiPrintForm::printStart()
{
    HandOver& hand = SharedState::get().Hand;
    if (SentakuOp[0]->isChecked()) {
        hand.PrintSentakuOut = 1;
        accept();
        return;
    }
    if (inpTx->text().isEmpty()) {
        MsgBox::show(QStringLiteral("日付を入力してください。"), QStringLiteral("確認"));
        return;
    }
    const double day = ValueReader::leadingNumber(inpTx->text());
    if (day > 31 || day <= 0) {
        MsgBox::show(QStringLiteral("日付が正しくありません。"), QStringLiteral("確認"));
        return;
    }
    hand.PrintSentakuOut = 2;
    hand.TuchiPrintDayOut = inpTx->text();
    accept();
}
