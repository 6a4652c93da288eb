#include "YakujiForm.h"

#include "NyuryokuLook.h"
#include "TensuText.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "registers/OptionArray.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int Mu = 2; // the fee class "無"
const QString Title = QStringLiteral("確認");
const QStringList Marks{QStringLiteral("内"), QStringLiteral("外"), QStringLiteral("挿")};

QFrame* frame(QWidget* parent, int left, int top, int width, int height)
{
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::NoFrame);
    WidgetColor::setBackColor(f, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(f, left, top, width, height);
    return f;
}
}

const QStringList& YakujiForm::kubun()
{
    static const QStringList list{QStringLiteral("調剤要"), QStringLiteral("調剤不要"), QStringLiteral("無"),
                                  QStringLiteral("乳房内薬剤注入"), QStringLiteral("経口投与")};
    return list;
}

YakujiForm::YakujiForm(QWidget* parent) : YakuhinSentakuForm(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("YakujiForm"), 300, 300, 13300, 9650);
    buildTop();
    buildControls();
    Form_Load();
}

void YakujiForm::buildTop()
{
    NyuryokuLook::label(QStringLiteral("薬治"), this, 150, 100, 500);
    NyuryokuLook::label(QStringLiteral("[薬価]"), this, 700, 100, 600);
    TensuGd.append(NyuryokuLook::value(QStringLiteral("TensuGd0"), QStringLiteral("0"), this, 1300, 100, 700));
    NyuryokuLook::label(QStringLiteral("処方単位"), this, 2050, 100, 800);
    InpTx.append(NyuryokuLook::lineEdit(QStringLiteral("InpTx0"), this, 2850, 70, 800));
    TaniGd = NyuryokuLook::value(QStringLiteral("TaniGd"), QStringLiteral("g"), this, 3700, 100, 400);
    InpTx.append(NyuryokuLook::lineEdit(QStringLiteral("InpTx1"), this, 4450, 70, 800));
    for (QLineEdit* box : InpTx)
        watchBox(box);
    TensuFrame = frame(this, 5400, 0, 5800, 780);
    NyuryokuLook::label(QStringLiteral("[診療点数]　   B="), TensuFrame, 0, 100, 1500);
    TensuGd.append(NyuryokuLook::value(QStringLiteral("TensuGd1"), QStringLiteral("0"), TensuFrame, 1500, 100, 700));
    NyuryokuLook::label(QStringLiteral("A="), TensuFrame, 2200, 100, 300);
    TensuGd.append(NyuryokuLook::value(QStringLiteral("TensuGd2"), QStringLiteral("0"), TensuFrame, 2500, 100, 700));
    for (int i = 3; i <= 6; ++i) {
        TensuGd.append(NyuryokuLook::value(QStringLiteral("TensuGd%1").arg(i), QStringLiteral("0"), TensuFrame, 0, 0, 10));
        TensuGd.last()->hide();
    }
    NyuryokuLook::label(QStringLiteral("[診療点数区分]"), TensuFrame, 0, 450, 1300);
    TyusyaOp = NyuryokuLook::options(TensuFrame, QStringLiteral("TyusyaOp"), kubun(), 1300, 450, 900);
    connect(TyusyaOp, &OptionArray::clicked, this, &YakujiForm::TyusyaOp_Click);
}

void YakujiForm::buildControls()
{
    NyuryokuLook::label(QStringLiteral("※旧薬価の場合は、OK後、薬価欄を修正してください。"), this, 150, 800, 5200);
    NyuryokuLook::label(QStringLiteral("※登録薬品名がある場合はその名前が、無い場合は薬品名+規格・基準単位がカルテに入力・印刷されます。"),
                        this, 5400, 800, 7900);
    BunruiFrame = frame(this, 150, 1000, 3600, 290);
    KusuriBunruiOp = NyuryokuLook::options(BunruiFrame, QStringLiteral("KusuriBunruiOp"),
                                           {QStringLiteral("内用薬"), QStringLiteral("外用薬"), QStringLiteral("注入・挿入薬")},
                                           0, 0, 1200);
    connect(KusuriBunruiOp, &OptionArray::clicked, this, &YakujiForm::KusuriBunruiOp_Click);
    CmdGd = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), 11300, 100, 800},
                                          {Tojiru, QStringLiteral("閉じる"), 12200, 100, 1000},
                                          {Touroku, QStringLiteral("選択した薬を\"常”に登録する"), 3900, 1000, 4000},
                                          {Sakujyo, QStringLiteral("選択した薬を\"常”から削除する"), 3900, 1000, 4000},
                                          {Suuryou, QStringLiteral("×"), 4150, 100, 250}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &YakuhinSentakuForm::CmdGd_Click);
    NyuryokuLook::listGrid(TyusyaGrid, {{QString(), 500}, {QStringLiteral("薬品名"), 3950, true},
                                        {QStringLiteral("規格・基準単位"), 3000, true}, {QStringLiteral("薬価　円"), 850},
                                        {QStringLiteral("処方単位"), 850}, {QStringLiteral("登録薬品名"), 3500, true},
                                        {QString(), 1}, {QString(), 1}, {QString(), 1}}, true);
    TwipGeometry::place(TyusyaGrid, 150, 1300, 12900, 5250);
    buildKana(NyuryokuLook::kanaColumns(QChar(0x3078), QChar(0x30EA)), 150, 6650);
    buildSinryoGrid(SharedState::get().Tables.SinryoCodeTable[9], 150 + 12900 - 200 - 2400, 6650, 2500);
    NyuryokuLook::label(QStringLiteral("\"常\"は使用したことがある薬品(診療点数区分・増点は記憶されていません)"), this,
                        150, 9250, 9000);
}

void YakujiForm::Form_Load()
{
    const HandOver& hand = SharedState::get().Hand;
    kioku = JyoYakuList(2 + hand.KusuriBunruiOpKioku);
    YobiGrid_Click(4, 9);
    KusuriBunruiOp->select(hand.KusuriBunruiOpKioku);
    KusuriBunruiOp_Click(hand.KusuriBunruiOpKioku);
    TyusyaOp->select(hand.YakujiTyusyaOpKioku);
    TyusyaOp_Click(hand.YakujiTyusyaOpKioku);
}

QString YakujiForm::classMark() const
{
    return Marks.value(SharedState::get().Hand.KusuriBunruiOpKioku);
}

int YakujiForm::tourokuCategory() const
{
    return 1 + SharedState::get().Hand.KusuriBunruiOpKioku;
}

QList<YakuhinRows::Row> YakujiForm::jyoRows() const
{
    return YakuhinRows::jyo(SharedState::get().Tables.YakkaCodeTable, kioku.lines(), true);
}

QStringList YakujiForm::rowCells(const YakuhinRows::Row& row) const
{
    return {QString(), row.name, row.kikaku, row.yakka, row.tani, row.touroku, QString(), row.kijyun, row.unit};
}

QString YakujiForm::jyoLine(const YakuhinRows::Row& row) const
{
    return JyoYakuList::line(classMark(), row.name, row.kikaku, InpTx[0]->text());
}

void YakujiForm::showView(bool jyo)
{
    CmdGd->at(Touroku)->setVisible(!jyo);
    CmdGd->at(Sakujyo)->setVisible(jyo);
    TyusyaGrid->setColWidthTwips(4, jyo ? 850 : 1);
    TyusyaGrid->setTextMatrix(0, 4, jyo ? QStringLiteral("処方単位") : QString());
}

void YakujiForm::rowPicked(const YakuhinRows::Row& row)
{
    TensuGd[0]->setText(row.yakka.trimmed());
    MotoTaniGd = row.kijyun.trimmed();
    TaniGd->setText(row.unit.trimmed());
    InpTx[0]->setText(row.tani.trimmed().isEmpty() ? row.kijyun.trimmed() : row.tani.trimmed());
    InpTx[1]->setFocus();
}

QStringList& YakujiForm::out() const
{
    return SharedState::get().Hand.YakujiOut;
}

QLineEdit* YakujiForm::suuryouBox() const
{
    return InpTx[1];
}

void YakujiForm::KusuriBunruiOp_Click(int index)
{
    SharedState::get().Hand.KusuriBunruiOpKioku = index;
    kioku = JyoYakuList(2 + index);
    if (!kioku.ok())
        MsgBox::show(kioku.errorText(), Title);
    refill();
}

void YakujiForm::TyusyaOp_Click(int index)
{
    SharedState::get().Hand.YakujiTyusyaOpKioku = index;
    QString b = QStringLiteral("0");
    QString a = QStringLiteral("0");
    if (index != Mu) {
        const auto points = sinryoPoints(kubun().value(index));
        if (!points)
            return;
        b = points->first;
        a = points->second;
    }
    const QString figures[] = {b, a, QStringLiteral("0"), QStringLiteral("0"), b, a};
    for (int i = 0; i < 6; ++i)
        TensuGd[1 + i]->setText(figures[i]);
}

QString YakujiForm::houhouWord(const QString& caption)
{
    if (caption == QStringLiteral("乳房内薬剤注入"))
        return QStringLiteral("注入");
    return caption == QStringLiteral("経口投与") ? QStringLiteral("経口") : caption;
}

bool YakujiForm::check()
{
    if (TensuText::value(InpTx[1]->text()) == 0) {
        MsgBox::show(QStringLiteral("数量を入力してください。"), Title);
        InpTx[1]->setFocus();
        return false;
    }
    if (TensuText::value(InpTx[0]->text()) == 0) {
        MsgBox::show(QStringLiteral("処方単位を入力してください。"), Title);
        InpTx[0]->setFocus();
        return false;
    }
    if (TensuText::value(MotoTaniGd) == 0) {
        MsgBox::show(QStringLiteral("選択し直してください。"), Title);
        return false;
    }
    if (!pickedFlag()) {
        MsgBox::show(QStringLiteral("選択されていません"), Title);
        return false;
    }
    return true;
}

void YakujiForm::OK()
{
    QStringList& result = out();
    result = QStringList(14);
    if (currentIsDrugRow()) {
        if (!check())
            return;
        fillItems(result);
        result[9] = houhouWord(TyusyaOp->chosenCaption());
        result[10] = InpTx[1]->text();
        result[11] = InpTx[0]->text();
        result[12] = pickedRow().kijyun.trimmed();
        result[13] = pickedRow().unit.trimmed();
    }
    JyoYakuTourokuProc(0, 0);
    accept();
}
