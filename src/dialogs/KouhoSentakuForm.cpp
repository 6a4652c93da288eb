#include "KouhoSentakuForm.h"

#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "registers/SetteiData.h"
#include "registers/TourokuCheck.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

KouhoSentakuForm::KouhoSentakuForm(QString& value, const QString& fileName, QWidget* parent)
    : QDialog(parent), out(value), file(SetteiData::path(fileName))
{
    TwipGeometry::resize(this, 4200, 4700);
    move(TwipGeometry::px(5000), TwipGeometry::px(3000));
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.BaseBackColor);
    inpTx = new QLineEdit(this);
    inpTx->setObjectName(QStringLiteral("inpTx"));
    TwipGeometry::place(inpTx, 150, 150, 3900, 330);
    TwipGeometry::place(new QLabel(QStringLiteral("【候補】"), this), 150, 600, 1500, 270);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    TwipGeometry::place(List1, 150, 900, 3900, 3000);
    connect(List1, &QListWidget::itemClicked, this, &KouhoSentakuForm::List1_Click);
    CmdGd = new LabelButtonArray(this);
    const QStringList captions{QStringLiteral("閉る"), QStringLiteral("OK"), QStringLiteral("候補削除"), QStringLiteral("削除")};
    const int lefts[] = {3300, 2400, 150, 1300};
    for (int i = 0; i < captions.size(); ++i)
        TwipGeometry::place(CmdGd->add(captions.at(i), i, this), lefts[i], 4100, 900, 300);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &KouhoSentakuForm::CmdGd_Click);
    Form_Load();
}

void KouhoSentakuForm::Form_Load()
{
    inpTx->setText(out);
    file.load(List1, false);
}

void KouhoSentakuForm::List1_Click()
{
    if (List1->currentItem())
        inpTx->setText(List1->currentItem()->text());
}

void KouhoSentakuForm::CmdGd_Click(int index)
{
    if (index == 0) {
        reject();
    } else if (index == 1) {
        // "’" is refused too: the readers of the chart header lines split at it.
        const QString quote = TourokuCheck::quoteIn(inpTx->text());
        if (!quote.isEmpty()) {
            MsgBox::show(QStringLiteral(" %1 は使用できません。").arg(quote), QStringLiteral("確認"));
            return;
        }
        // Only ordinary blanks are trimmed: a full-width blank stays part of the value.
        out = SharedUtil::Trim(inpTx->text());
        if (!KouhoListFile::items(List1).contains(out)) {
            List1->addItem(out);
            file.save(List1);
        }
        accept();
    } else if (index == 2) {
        for (int i = 0; i < List1->count(); ++i) {
            if (List1->item(i)->isSelected()) {
                delete List1->takeItem(i);
                file.save(List1);
                break;
            }
        }
    } else if (index == 3) {
        out.clear();
        accept();
    }
}
