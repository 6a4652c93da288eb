#include "OusinForm.h"

#include "NyuryokuLook.h"
#include "TakukaraForm.h"
#include "TensuText.h"
#include "TiryoLine.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/ValueReader.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "registers/OptionArray.h"
#include "registers/SetteiData.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
enum Command { Tojiru, Ok, Taku };
constexpr int Nittyu = 1;
const QColor Blue(0, 0, 255);
}

const QStringList& OusinForm::kubun()
{
    static const QStringList list{QStringLiteral("徒歩"),       QStringLiteral("日中"),       QStringLiteral("夜間"),
                                  QStringLiteral("悪天"),       QStringLiteral("深夜"),       QStringLiteral("夜間で悪天"),
                                  QStringLiteral("深夜で悪天"), QStringLiteral("立会診"),     QStringLiteral("滞在診")};
    return list;
}

QString OusinForm::sekisetuPath()
{
    return SetteiData::path(QStringLiteral("Sekisetu.ini"));
}

bool OusinForm::takuShown()
{
    const SharedState& s = SharedState::get();
    return TiryoLine::takukaraWritten(s.ken, s.Site);
}

OusinForm::OusinForm(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("OusinForm"), 4500, 3000, 6000, 3600);
    buildControls();
    Form_Load();
}

void OusinForm::buildControls()
{
    NyuryokuLook::label(QStringLiteral("往診"), this, 150, 100, 800);
    NyuryokuLook::label(QStringLiteral("距離="), this, 150, 500, 550);
    InpTx = NyuryokuLook::lineEdit(QStringLiteral("InpTx"), this, 700, 470, 900);
    NyuryokuLook::onEnter(InpTx, [this] { CmdGd_Click(Ok); });
    connect(InpTx, &QLineEdit::textChanged, this, &OusinForm::runTensu);
    NyuryokuLook::label(QStringLiteral("Km"), this, 1650, 500, 400);
    Option1 = NyuryokuLook::options(this, QStringLiteral("Option1"), kubun(), 150, 900, 1400, 4);
    // 立会診 and 滞在診 are not offered here.
    Option1->at(7)->hide();
    Option1->at(8)->hide();
    connect(Option1, &OptionArray::clicked, this, &OusinForm::runTensu);
    Check1 = new QCheckBox(QStringLiteral("積雪地域"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    TwipGeometry::place(Check1, 150, 1600, 1300, 270);
    connect(Check1, &QCheckBox::clicked, this, &OusinForm::runTensu);
    YukiPointGd = NyuryokuLook::value(QStringLiteral("YukiPointGd"), QStringLiteral("0"), this, 1500, 1600, 700);
    NyuryokuLook::label(QStringLiteral("B点="), this, 150, 2000, 550);
    NyuryokuLook::label(QStringLiteral("A点="), this, 1500, 2000, 550);
    for (int i = 0; i < 4; ++i)
        TensuGd.append(i < 2 ? nullptr
                             : NyuryokuLook::value(QStringLiteral("TensuGd%1").arg(i), QStringLiteral("0"), this,
                                                   i == 2 ? 700 : 2050, 2000, 700));
    for (QLabel* l : {YukiPointGd, TensuGd[2], TensuGd[3]})
        WidgetColor::setForeColor(l, Blue);
    NyuryokuLook::label(QStringLiteral("「直接入力」"), this, 150, 2400, 1100);
    NyuryokuLook::label(QStringLiteral("B="), this, 1300, 2400, 300);
    NyuryokuLook::label(QStringLiteral("A="), this, 2500, 2400, 300);
    for (int i = 0; i < 2; ++i) {
        ZotenTxBox.append(NyuryokuLook::lineEdit(QStringLiteral("ZotenTxBox%1").arg(i), this, 1600 + 1200 * i, 2370, 800));
        connect(ZotenTxBox.last(), &QLineEdit::textChanged, this, [this, i] { ZotenTxBox_Change(i); });
    }
    TakuGd = NyuryokuLook::value(QStringLiteral("TakuGd"), QStringLiteral("？"), this, 800, 2800, 4000);
    NyuryokuLook::label(QStringLiteral("※距離0とした場合は”同時診療”と表示されます。"), this, 150, 3150, 5500);
    CmdGd = NyuryokuLook::commands(this, {{Tojiru, QStringLiteral("閉る"), 5000, 100, 700},
                                          {Ok, QStringLiteral("OK"), 4200, 100, 700},
                                          {Taku, QStringLiteral("宅～"), 150, 2800, 600}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &OusinForm::CmdGd_Click);
}

void OusinForm::Form_Load()
{
    Option1->select(Nittyu);
    const QStringList sekisetu = ValueReader::readFile(sekisetuPath());
    Check1->setChecked(TensuText::value(ValueReader::at(sekisetu, 0)) == 1);
    runTensu();
    CmdGd->at(Taku)->setVisible(takuShown());
    TakuGd->setVisible(takuShown());
    showTaku();
}

void OusinForm::showTaku()
{
    const QString& taku = SharedState::get().TakukaraOut;
    TakuGd->setText(taku.isEmpty() ? QStringLiteral("？") : taku);
}

void OusinForm::runTensu()
{
    const int c = Option1->chosen();
    if (c < 0 || c >= 7)
        return;
    held = OusinTensuProc::run(SharedState::get().Tables.LenCodeTable, InpTx->text(), kubun().at(c), Check1->isChecked());
    TensuGd[2]->setText(held.FinalB);
    TensuGd[3]->setText(held.FinalA);
    YukiPointGd->setText(QStringLiteral("+") + QString::number(held.Yuki));
    YukiPointGd->setVisible(held.YukiShown);
}

void OusinForm::ZotenTxBox_Change(int index)
{
    const QString text = ZotenTxBox[index]->text();
    TensuGd[2 + index]->setText(text.isEmpty() ? QStringLiteral("0") : text);
}

void OusinForm::unload()
{
    QString error;
    if (!SetteiData::writeLines(sekisetuPath(), {Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0")},
                                &error))
        MsgBox::show(error, QStringLiteral("確認"));
}

void OusinForm::CmdGd_Click(int index)
{
    QStringList& out = SharedState::get().Hand.OusinOut;
    out = QStringList(5);
    if (index == Taku) {
        SharedState::get().TakukaraOut.clear();
        TakukaraForm picker(this);
        ModalHost::exec(picker);
        TakuGd->setText(SharedState::get().TakukaraOut);
        return;
    }
    if (index == Ok)
        out = QStringList{held.Kubun, InpTx->text().trimmed(), held.Band, TensuGd[2]->text().trimmed(),
                          TensuGd[3]->text().trimmed()};
    unload();
    index == Ok ? accept() : reject();
}
