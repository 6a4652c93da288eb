#include "TakukaraForm.h"

#include "NyuryokuLook.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "registers/SetteiData.h"
#include "shell/NoukaSelect.h"

#include <QLineEdit>
#include <QListWidget>

namespace {
enum Command { Tojiru, Ok, KouhoSakujyo, Sakujyo };
const QColor PickerBack(220, 248, 220);

QListWidget* list(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    TwipGeometry::place(l, left, top, width, height);
    return l;
}
}

TakukaraForm::TakukaraForm(QWidget* parent) : QDialog(parent), takuFile(takuPath())
{
    NyuryokuLook::dialog(this, QStringLiteral("TakukaraForm"), 4500, 3000, 7000, 4750);
    if (parent)
        move(parent->pos());
    WidgetColor::setBackColor(this, PickerBack);
    buildControls();
    Form_Load();
}

QString TakukaraForm::takuPath()
{
    return SetteiData::path(QStringLiteral("Taku.ini"));
}

void TakukaraForm::buildControls()
{
    InpTx = NyuryokuLook::lineEdit(QStringLiteral("InpTx"), this, 150, 150, 3000);
    NyuryokuLook::label(QStringLiteral("宅より"), this, 3250, 180, 800);
    NyuryokuLook::label(QStringLiteral("【候補】"), this, 150, 550, 1200);
    NyuryokuLook::label(QStringLiteral("<地区名>"), this, 2800, 550, 1200);
    NyuryokuLook::label(QStringLiteral("<組合員名>"), this, 4700, 550, 1500);
    List1 = list(this, QStringLiteral("List1"), 150, 850, 2500, 3000);
    TikuList = list(this, QStringLiteral("TikuList"), 2800, 850, 1800, 1750);
    NameList = list(this, QStringLiteral("NameList"), 4700, 850, 2100, 1750);
    const QColor base = SharedState::get().ColorSet.BaseBackColor;
    WidgetColor::setBackColor(TikuList, base);
    WidgetColor::setBackColor(NameList, base);
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { InpTx->setText(item->text()); });
    connect(TikuList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { TikuList_Click(TikuList->row(item)); });
    connect(NameList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { InpTx->setText(item->text()); });
    YobiGrid = new FlexGrid(this);
    YobiGrid->setObjectName(QStringLiteral("YobiGrid"));
    NyuryokuLook::kanaGrid(YobiGrid, NyuryokuLook::kanaColumns(QChar(0x3078), QChar(0x308A), NoukaSelect::zen()), 2800,
                           2700);
    connect(YobiGrid, &FlexGrid::gridClick, this, &TakukaraForm::YobiGrid_Click);
    CmdGd = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), 4000, 4300, 800},
                                          {Sakujyo, QStringLiteral("削除"), 5000, 4300, 800},
                                          {Tojiru, QStringLiteral("閉る"), 6000, 4300, 800},
                                          {KouhoSakujyo, QStringLiteral("候補削除"), 150, 3950, 1000}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &TakukaraForm::CmdGd_Click);
}

void TakukaraForm::Form_Load()
{
    const QString& taku = SharedState::get().TakukaraOut;
    InpTx->setText(taku.isEmpty() ? QStringLiteral("自") : taku);
    takuFile.load(List1, true);
    QStringList errors;
    bool ok = true;
    QString error;
    TikuList->addItems(SetteiData::readLines(SetteiData::path(QStringLiteral("TikuName.ini")), &ok, &error));
    if (!ok)
        errors << error;
    noukaLines = SetteiData::readLines(SetteiData::path(QStringLiteral("NameCode.ini")), &ok, &error);
    if (!ok)
        errors << error;
    if (!errors.isEmpty())
        MsgBox::show(errors.join(QLatin1Char('\n')), QStringLiteral("確認"));
}

void TakukaraForm::TikuList_Click(int index)
{
    if (index < 0 || index >= TikuList->count() || TikuList->item(index)->text().isEmpty())
        return;
    TikuList->setCurrentRow(index);
    NameList->clear();
    NameList->addItems(NoukaSelect::namesOf(noukaLines, TikuList->item(index)->text().trimmed(), QString()));
}

void TakukaraForm::YobiGrid_Click(int row, int col)
{
    const QString kana = YobiGrid->textMatrix(row, col);
    QListWidgetItem* tiku = TikuList->currentItem();
    if (!tiku || kana.isEmpty())
        return;
    NameList->clear();
    NameList->addItems(NoukaSelect::namesOf(noukaLines, tiku->text().trimmed(), kana));
}

void TakukaraForm::CmdGd_Click(int index)
{
    QString& out = SharedState::get().TakukaraOut;
    switch (index) {
    case Ok: {
        const QString place = InpTx->text().trimmed();
        if (!KouhoListFile::items(List1).contains(place)) {
            List1->addItem(place);
            takuFile.save(List1);
        }
        out = place;
        accept();
        break;
    }
    case KouhoSakujyo:
        if (List1->currentItem() && List1->currentItem()->isSelected()) {
            delete List1->takeItem(List1->currentRow());
            takuFile.save(List1);
        }
        break;
    case Sakujyo:
        out.clear();
        accept();
        break;
    case Tojiru:
        reject();
        break;
    }
}
