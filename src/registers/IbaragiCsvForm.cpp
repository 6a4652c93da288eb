#include "IbaragiCsvForm.h"

#include "CsvTouroku.h"
#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

IbaragiCsvForm::IbaragiCsvForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("IbaragiCsvForm"));
    TwipGeometry::resize(this, 4800, 4600);
    move(TwipGeometry::px(7000), TwipGeometry::px(3500));
    WidgetColor::setBackColor(this, QColor(216, 245, 213));
    TwipGeometry::place(new QLabel(QStringLiteral("ＣＳＶファイル読込"), this), 150, 150, 3000, 300);
    CsvList = new QListWidget(this);
    CsvList->setObjectName(QStringLiteral("CsvList"));
    TwipGeometry::place(CsvList, 150, 550, 4500, 2800);
    CsvList->addItems(DataPath::list(CsvTouroku::folder(), QStringLiteral("*.csv")));
    connect(CsvList, &QListWidget::itemClicked, this, &IbaragiCsvForm::CsvList_Click);
    TwipGeometry::place(new QLabel(QStringLiteral("選択名"), this), 150, 3500, 800, 300);
    inpTx = new QLineEdit(this);
    inpTx->setObjectName(QStringLiteral("inpTx"));
    TwipGeometry::place(inpTx, 1000, 3500, 3650, 330);
    CmdGd = new LabelButtonArray(this);
    TwipGeometry::place(CmdGd->add(QStringLiteral("閉る"), 0, this), 3600, 4050, 900, 300);
    TwipGeometry::place(CmdGd->add(QStringLiteral("OK"), 1, this), 2500, 4050, 900, 300);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &IbaragiCsvForm::CmdGd_Click);
}

void IbaragiCsvForm::CsvList_Click()
{
    if (CsvList->currentItem())
        inpTx->setText(CsvList->currentItem()->text());
}

void IbaragiCsvForm::CmdGd_Click(int index)
{
    SharedState::get().Hand.CsvNameOut = index == 1 ? inpTx->text().trimmed() : QString();
    if (index == 1)
        accept();
    else
        reject();
}
