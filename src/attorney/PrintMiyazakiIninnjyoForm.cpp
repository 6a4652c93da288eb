#include "PrintMiyazakiIninnjyoForm.h"

#include "common/DialogLook.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {
QRadioButton* option(const QString& caption, QWidget* parent, int left, int top, int width, int height)
{
    auto* b = new QRadioButton(caption, parent);
    b->setFont(FontSetup::screenFont());
    TwipGeometry::place(b, left, top, width, height);
    return b;
}

QGroupBox* frame(const QString& caption, QWidget* parent, int left, int top, int width, int height)
{
    auto* f = new QGroupBox(caption, parent);
    f->setFont(FontSetup::screenFont());
    TwipGeometry::place(f, left, top, width, height);
    return f;
}
} // namespace

PrintMiyazakiIninnjyoForm::Kioku& PrintMiyazakiIninnjyoForm::kioku()
{
    static Kioku k;
    return k;
}

PrintMiyazakiIninnjyoForm::PrintMiyazakiIninnjyoForm(QWidget* parent) : QDialog(parent)
{
    const SharedState& s = SharedState::get();
    setObjectName(QStringLiteral("PrintMiyazakiIninnjyoForm"));
    DialogLook::frameless(this, 2000, 2500, 4680, 4410, s.ColorSet.DialogBackColor);
    Label2 = DialogLook::titleLabel(QStringLiteral("委任状印刷"), this, 150, 150);
    Label1 = new QLabel(QStringLiteral("委任状を印刷します。Ａ4白紙をセットし印刷開始をクリックしてください。"), this);
    Label1->setWordWrap(true);
    Label1->setFont(FontSetup::screenFont());
    TwipGeometry::place(Label1, 105, 540, 4305, 465);
    CmdGd = new LabelButtonArray(this);
    if (s.ColorSet.HoverColor.isValid())
        CmdGd->setHoverColor(s.ColorSet.HoverColor);
    DialogLook::command(CmdGd, QStringLiteral("閉る"), 0, this, 3825, 180);
    DialogLook::command(CmdGd, QStringLiteral("印刷開始"), 1, this, 3420, 1185);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &PrintMiyazakiIninnjyoForm::CmdGd_Click);

    SinryoCh = new QCheckBox(QStringLiteral("診療費を印刷しない"), this);
    TwipGeometry::place(SinryoCh, 435, 1140, 2160, 180);
    NameCh = new QCheckBox(QStringLiteral("組合員名をを印刷しない"), this);
    TwipGeometry::place(NameCh, 435, 1380, 2160, 180);
    WakuFrame[0] = frame(QStringLiteral("印刷する部分"), this, 315, 1680, 4035, 1185);
    const QStringList bunrui{QStringLiteral("タイトル部のみ"), QStringLiteral("内訳部のみ"), QStringLiteral("タイトル部+内訳部")};
    const int bunruiTop[3] = {330, 585, 825};
    for (int i = 0; i < 3; ++i) {
        BunruiOp[i] = option(bunrui.at(i), WakuFrame[0], 315, bunruiTop[i], 1965, 180);
        connect(BunruiOp[i], &QRadioButton::toggled, this, &PrintMiyazakiIninnjyoForm::BunruiOp_Click);
    }
    WakuFrame[1] = frame(QStringLiteral("提出共済名"), this, 345, 3120, 1500, 1110);
    KyosaiOp[0] = option(QStringLiteral("みやざき"), WakuFrame[1], 150, 390, 1080, 270);
    KyosaiOp[1] = option(QStringLiteral("都城"), WakuFrame[1], 150, 660, 840, 270);
    WakuFrame[2] = frame(QStringLiteral("印刷分類"), this, 1995, 3120, 2400, 1110);
    NbPrintOp[0] = option(QStringLiteral("個体識別番号を印刷"), WakuFrame[2], 165, 345, 1905, 270);
    NbPrintOp[1] = option(QStringLiteral("名号+個体番号を印刷"), WakuFrame[2], 165, 660, 2070, 270);
    for (QWidget* w : std::initializer_list<QWidget*>{SinryoCh, NameCh, WakuFrame[0], WakuFrame[1], WakuFrame[2]})
        WidgetColor::setBackColor(w, s.ColorSet.DialogBackColor);
    Form_Load();
}

void PrintMiyazakiIninnjyoForm::Form_Load()
{
    const Kioku& k = kioku();
    BunruiOp[k.IninjyoBunruiOpOut == 1 ? 1 : k.IninjyoBunruiOpOut == 2 ? 2 : 0]->setChecked(true);
    KyosaiOp[k.IninjyoKyosaiOpOut == 1 ? 1 : 0]->setChecked(true);
    NbPrintOp[k.IninjyoNbPrintOut == 1 ? 1 : 0]->setChecked(true);
    SinryoCh->setChecked(k.IninjyoSinryoChOut == 1);
    NameCh->setChecked(k.IninjyoNameChOut == 1);
    BunruiOp_Click();
}

void PrintMiyazakiIninnjyoForm::BunruiOp_Click()
{
    const bool enabled = !BunruiOp[1]->isChecked();
    KyosaiOp[0]->setEnabled(enabled);
    KyosaiOp[1]->setEnabled(enabled);
}

void PrintMiyazakiIninnjyoForm::CmdGd_Click(int index)
{
    if (index != 0 && index != 1)
        return;
    Kioku& k = kioku();
    k.IninjyoPrintOut = index == 0 ? -1 : 0;
    for (int i = 0; i < 3; ++i)
        if (BunruiOp[i]->isChecked())
            k.IninjyoBunruiOpOut = i;
    k.IninjyoKyosaiOpOut = KyosaiOp[1]->isChecked() ? 1 : 0;
    k.IninjyoNbPrintOut = NbPrintOp[1]->isChecked() ? 1 : 0;
    k.IninjyoSinryoChOut = SinryoCh->isChecked() ? 1 : 0;
    k.IninjyoNameChOut = NameCh->isChecked() ? 1 : 0;
    accept();
}
