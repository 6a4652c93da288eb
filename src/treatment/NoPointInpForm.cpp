#include "NoPointInpForm.h"

#include "NyuryokuLook.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "registers/SetteiData.h"

#include <QLineEdit>
#include <QListWidget>

namespace {
enum Command { Tojiru, Ok, Sakujyo };
const QString Title = QStringLiteral("確認");
}

QString NoPointInpForm::noPointPath()
{
    return SetteiData::path(QStringLiteral("NoPoint.ini"));
}

NoPointInpForm::NoPointInpForm(QWidget* parent) : QDialog(parent), file(noPointPath())
{
    NyuryokuLook::dialog(this, QStringLiteral("NoPointInpForm"), 6500, 1500, 5000, 5200);
    NyuryokuLook::label(QStringLiteral("点数外入力"), this, 150, 100, 1500);
    NyuryokuLook::label(QStringLiteral("【入力】"), this, 150, 500, 1000);
    inpTx = NyuryokuLook::lineEdit(QStringLiteral("inpTx"), this, 150, 800, 4650);
    NyuryokuLook::label(QStringLiteral("【候補】"), this, 150, 1250, 1000);
    KouhoList = new QListWidget(this);
    KouhoList->setObjectName(QStringLiteral("KouhoList"));
    TwipGeometry::place(KouhoList, 150, 1550, 4650, 3400);
    connect(KouhoList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { inpTx->setText(item->text()); });
    CmdGd = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), 2400, 100, 700},
                                          {Sakujyo, QStringLiteral("選択削除"), 1800, 1250, 1000},
                                          {Tojiru, QStringLiteral("閉る"), 3300, 100, 700}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &NoPointInpForm::CmdGd_Click);
    file.load(KouhoList, true);
}

void NoPointInpForm::CmdGd_Click(int index)
{
    const QString text = inpTx->text().trimmed();
    switch (index) {
    case Ok:
        if (inpTx->text().isEmpty()) {
            MsgBox::show(QStringLiteral("入力してください。"), Title);
            return;
        }
        if (!KouhoListFile::items(KouhoList).contains(text)) {
            KouhoList->addItem(text);
            file.save(KouhoList);
        }
        SharedState::get().Hand.NoPointOut = inpTx->text();
        accept();
        break;
    case Sakujyo: {
        const int at = int(KouhoListFile::items(KouhoList).indexOf(text));
        if (at >= 0) {
            delete KouhoList->takeItem(at);
            file.save(KouhoList);
        }
        break;
    }
    case Tojiru:
        SharedState::get().Hand.NoPointOut.clear();
        reject();
        break;
    }
}
