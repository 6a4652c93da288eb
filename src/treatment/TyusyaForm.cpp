#include "TyusyaForm.h"

#include "NyuryokuLook.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "registers/OptionArray.h"
#include "treatment/TensuText.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
constexpr int Mu = 6; // the method "無"
const QString Title = QStringLiteral("確認");
}

const QStringList& TyusyaForm::houhou()
{
    static const QStringList list{QStringLiteral("筋肉内注射"), QStringLiteral("静脈内注射"), QStringLiteral("皮下注射"),
                                  QStringLiteral("関節腔内注射"), QStringLiteral("卵巣直接注射"), QStringLiteral("点滴注射"),
                                  QStringLiteral("無"), QStringLiteral("脊髄腔内注射"), QStringLiteral("腰椎注射"),
                                  QStringLiteral("尾椎注射")};
    return list;
}

TyusyaForm::TyusyaForm(QWidget* parent) : YakuhinSentakuForm(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("TyusyaForm"), 300, 300, 13500, 10150);
    buildControls();
    Form_Load();
}

void TyusyaForm::buildControls()
{
    NyuryokuLook::label(QStringLiteral("注射"), this, 150, 100, 700);
    const struct
    {
        QString caption;
        int left;
        int top;
    } captions[] = {{QStringLiteral("[薬価]"), 900, 100},          {QStringLiteral("[診療点数]　B="), 150, 450},
                    {QStringLiteral("A="), 2200, 450},             {QStringLiteral("[増点数]     B="), 3200, 450},
                    {QStringLiteral("A="), 5000, 450},             {QStringLiteral("[総点数] B="), 6000, 450},
                    {QStringLiteral("A="), 7700, 450}};
    for (const auto& c : captions)
        NyuryokuLook::label(c.caption, this, c.left, c.top, 1400);
    const int valueLefts[][2] = {{1500, 100}, {1400, 450}, {2500, 450}, {4500, 450}, {5300, 450}, {7100, 450}, {8000, 450}};
    for (int i = 0; i < 7; ++i)
        TensuGd.append(NyuryokuLook::value(QStringLiteral("TensuGd%1").arg(i), QStringLiteral("0"), this,
                                           valueLefts[i][0], valueLefts[i][1], 700));
    InpTx = NyuryokuLook::lineEdit(QStringLiteral("InpTx"), this, 3400, 70, 1200);
    watchBox(InpTx);
    NyuryokuLook::label(QStringLiteral("※旧薬価の場合は、OK後欄薬価欄を修正してください。"), this, 150, 800, 6500);
    NyuryokuLook::label(QStringLiteral("[診療点数区分]"), this, 150, 1150, 1400);
    TyusyaOp = NyuryokuLook::options(this, QStringLiteral("TyusyaOp"), houhou(), 1500, 1150, 1200);
    connect(TyusyaOp, &OptionArray::clicked, this, &TyusyaForm::TyusyaOp_Click);
    CmdGd = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), 11300, 100, 900},
                                          {Tojiru, QStringLiteral("閉じる"), 12300, 100, 1000},
                                          {Touroku, QStringLiteral("選択した薬を\"常”に登録する"), 8600, 800, 4000},
                                          {Sakujyo, QStringLiteral("選択した薬を\"常”から削除する"), 8600, 800, 4000},
                                          {Suuryou, QStringLiteral("数量="), 2600, 100, 700}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &YakuhinSentakuForm::CmdGd_Click);
    NyuryokuLook::listGrid(TyusyaGrid, {{QString(), 500}, {QStringLiteral("薬品名"), 4500, true},
                                        {QStringLiteral("規格・単位"), 3500, true}, {QStringLiteral("薬価　円"), 850},
                                        {QStringLiteral("登録薬品名"), 3500, true}}, true);
    TwipGeometry::place(TyusyaGrid, 150, 1530, 13150, 5250);
    buildKana(NyuryokuLook::kanaColumns(QChar(0x30D8), QChar(0x30EA)), 150, 6880);
    buildSinryoGrid(SharedState::get().Tables.SinryoCodeTable[8], 150 + 13150 - 2400, 6830, 2800);
    NyuryokuLook::label(QStringLiteral("増点B="), this, 3600, 6900, 700);
    NyuryokuLook::label(QStringLiteral("増点A="), this, 3600, 7300, 700);
    for (int i = 0; i < 2; ++i) {
        ZotenTxBox.append(NyuryokuLook::lineEdit(QStringLiteral("ZotenTxBox%1").arg(i), this, 4300, 6880 + 400 * i, 900));
        connect(ZotenTxBox.last(), &QLineEdit::textChanged, this, &TyusyaForm::ZotenTxBox_Change);
    }
    NyuryokuLook::label(QStringLiteral("※増点は直接入力してください。"), this, 3600, 7700, 3000);
    NyuryokuLook::label(QStringLiteral("\"常\"は使用したことがある薬品(診療点数区分・増点は記憶されていません)"), this,
                        150, 9700, 9000);
}

void TyusyaForm::Form_Load()
{
    kioku = JyoYakuList(1);
    if (!kioku.ok())
        MsgBox::show(kioku.errorText(), Title);
    YobiGrid_Click(4, 9);
    const int houhouKioku = SharedState::get().Hand.TyusyaOpKioku;
    TyusyaOp->select(houhouKioku);
    TyusyaOp_Click(houhouKioku);
}

QList<YakuhinRows::Row> TyusyaForm::jyoRows() const
{
    return YakuhinRows::jyo(SharedState::get().Tables.YakkaCodeTable, kioku.lines(), false);
}

QStringList TyusyaForm::rowCells(const YakuhinRows::Row& row) const
{
    return {QString(), row.name, row.kikaku, row.yakka, row.touroku};
}

QString TyusyaForm::jyoLine(const YakuhinRows::Row& row) const
{
    return JyoYakuList::line(classMark(), row.name, row.kikaku);
}

void TyusyaForm::showView(bool jyo)
{
    CmdGd->at(Touroku)->setVisible(!jyo);
    CmdGd->at(Sakujyo)->setVisible(jyo);
}

void TyusyaForm::rowPicked(const YakuhinRows::Row& row)
{
    TensuGd[0]->setText(row.yakka.trimmed());
    InpTx->setFocus();
}

QStringList& TyusyaForm::out() const
{
    return SharedState::get().Hand.TyusyaOut;
}

QLineEdit* TyusyaForm::suuryouBox() const
{
    return InpTx;
}

void TyusyaForm::showTensu()
{
    const QStringList items = tensu.items();
    for (int i = 0; i < items.size(); ++i)
        TensuGd[i + 1]->setText(items.at(i));
}

void TyusyaForm::TyusyaOp_Click(int index)
{
    SharedState::get().Hand.TyusyaOpKioku = index;
    if (index == Mu) {
        tensu.setBase(QStringLiteral("0"), QStringLiteral("0"));
    } else if (const auto points = sinryoPoints(houhou().value(index))) {
        tensu.setBase(points->first, points->second);
    }
    showTensu();
}

void TyusyaForm::ZotenTxBox_Change()
{
    tensu.setZoten(ZotenTxBox[0]->text(), ZotenTxBox[1]->text());
    showTensu();
}

void TyusyaForm::OK()
{
    QStringList& result = out();
    result = QStringList(12);
    if (currentIsDrugRow()) {
        if (TensuText::value(QString(InpTx->text()).remove(QLatin1Char('(')).remove(QLatin1Char(')'))) == 0) {
            MsgBox::show(QStringLiteral("数量を入力してください。"), Title);
            InpTx->setFocus();
            return;
        }
        if (!pickedFlag()) {
            MsgBox::show(QStringLiteral("選択されていません"), Title);
            return;
        }
        fillItems(result);
        result[9] = TyusyaOp->chosenCaption();
        result[10] = InpTx->text();
    }
    JyoYakuTourokuProc(0, 0);
    accept();
}
