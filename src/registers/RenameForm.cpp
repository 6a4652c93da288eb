#include "RenameForm.h"

#include "TourokuCheck.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "common/SharedUtil.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {
QLabel* label(QWidget* parent, int left, int top, int width)
{
    auto* l = new QLabel(parent);
    TwipGeometry::place(l, left, top, width, 300);
    return l;
}
} // namespace

RenameForm::RenameForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RenameForm"));
    TwipGeometry::resize(this, 5400, 3300);
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.BaseBackColor);
    WakuShape = new QFrame(this);
    WakuShape->setFrameShape(QFrame::Box);
    TwipGeometry::place(WakuShape, 50, 50, 5400 - 170, 3300 - 170);
    Label2 = {label(this, 300, 200, 4000), label(this, 300, 700, 1800), label(this, 300, 1100, 1800),
              label(this, 300, 1500, 1800), label(this, 300, 1900, 1800)};
    Label2[2]->setText(QStringLiteral("枝番号"));
    Label2[4]->setText(QStringLiteral("枝番号"));
    MainGd = {label(this, 2200, 700, 2800), label(this, 2200, 1100, 2800), label(this, 2200, 1100, 2800)};
    inpTx = {new QLineEdit(this), new QLineEdit(QStringLiteral("0"), this)};
    inpTx[0]->setObjectName(QStringLiteral("inpTx0"));
    inpTx[0]->setMaxLength(10);
    TwipGeometry::place(inpTx[0], 2200, 1500, 2000, 330);
    TwipGeometry::place(inpTx[1], 2200, 1900, 800, 330);
    for (QWidget* hidden : {static_cast<QWidget*>(Label2[2]), static_cast<QWidget*>(MainGd[1]),
                            static_cast<QWidget*>(Label2[4]), static_cast<QWidget*>(inpTx[1])})
        hidden->hide();
    Label1 = new LabelButtonArray(this);
    TwipGeometry::place(Label1->add(QStringLiteral("キャンセル"), 0, this), 3300, 2600, 1200, 300);
    TwipGeometry::place(Label1->add(QStringLiteral("OK"), 1, this), 2000, 2600, 800, 300);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &RenameForm::Label1_Click);
    Form_Load();
}

void RenameForm::Form_Load()
{
    const SharedState& s = SharedState::get();
    const HandOver& h = s.Hand;
    MainGd[0]->setText(h.RenameMimiIn.isEmpty() ? h.RenameMimiRawIn : h.RenameMimiIn);
    MainGd[1]->setText(h.RenameEdaIn == QStringLiteral("0") ? QString() : h.RenameEdaIn);
    MainGd[2]->setText(h.RenameMeigouIn);
    const bool kagoshima = s.ken == Ken::Kagoshima;
    const QString what = kagoshima ? QStringLiteral("個体番号") : QStringLiteral("耳標番号");
    Label2[0]->setText(QStringLiteral("【%1変更】").arg(what));
    Label2[1]->setText(QStringLiteral("現在の") + what);
    Label2[3]->setText(QStringLiteral("変更後の") + what);
}

bool RenameForm::SuujiCheckProc(const QString& text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool RenameForm::refuse(const QString& text)
{
    MsgBox::show(text, QStringLiteral("確認"));
    inpTx[0]->setFocus();
    return false;
}

void RenameForm::Label1_Click(int index)
{
    HandOver& h = SharedState::get().Hand;
    if (index == 0) {
        h.RenameMimiOut = h.RenameEdaOut = QStringLiteral("0");
        reject();
        return;
    }
    const QString text = inpTx[0]->text();
    QString bad;
    if (text.isEmpty())
        refuse(QStringLiteral("番号を入力してください。"));
    else if (!TourokuCheck::quoteIn(text).isEmpty())
        refuse(QStringLiteral(" %1 は使用できません。").arg(TourokuCheck::quoteIn(text)));
    else if (SharedState::get().ken == Ken::Kagoshima && !SharedUtil::FileNameCheckProc(text, bad))
        refuse(QStringLiteral("使用できない文字 %1 が入力されています。").arg(bad));
    else if (SharedState::get().ken != Ken::Kagoshima && text.size() != 10)
        refuse(QStringLiteral("10桁を入力してください。"));
    else if (SharedState::get().ken != Ken::Kagoshima && !SuujiCheckProc(text))
        refuse(QStringLiteral("数字以外が入力されています。"));
    else {
        h.RenameMimiOut = text;
        h.RenameEdaOut = inpTx[1]->text();
        accept();
    }
}
