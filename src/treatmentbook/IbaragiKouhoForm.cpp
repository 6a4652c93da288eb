#include "IbaragiKouhoForm.h"

#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "treatment/NyuryokuLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
struct Look
{
    const char16_t* name;
    const char16_t* title;
    const char16_t* file;
    int width, height;
    QPoint title_, ok, tojiru, nyuryoku, clear;
    QRect box;
    QPoint kouho;
    QRect list;
    QPoint kouhoDel;
};

const Look& look(IbaragiKouhoForm::Kind kind)
{
    static const Look bunben{u"IbaragiBunbenForm", u"分娩状況", u"BunbenKouho.ini", 5295, 5370,
                             {165, 90}, {3690, 90}, {4515, 90}, {615, 495}, {4260, 495},
                             {615, 720, 4110, 300}, {645, 1365}, {615, 1575, 4155, 3450}, {3405, 5070}};
    static const Look syochi{u"IbaragiSyochiForm", u"共済外処置", u"BunbenSyochi.ini", 5595, 5550,
                             {165, 105}, {4350, 105}, {5070, 105}, {495, 510}, {1605, 510},
                             {495, 735, 4170, 300}, {525, 1380}, {495, 1590, 4170, 3450}, {3285, 5085}};
    static const Look tane{u"IbaragiTaneForm", u"種牛名入力", u"TaneKouho.ini", 5265, 5370,
                           {180, 120}, {3705, 120}, {4530, 120}, {630, 525}, {4275, 525},
                           {630, 750, 4110, 300}, {660, 1395}, {630, 1605, 4155, 3450}, {3420, 5100}};
    switch (kind) {
    case IbaragiKouhoForm::Kind::Bunben: return bunben;
    case IbaragiKouhoForm::Kind::Syochi: return syochi;
    default: return tane;
    }
}

QLabel* caption(const QString& text, QWidget* parent, QPoint at, int width = 1200)
{
    return NyuryokuLook::label(text, parent, at.x(), at.y(), width, 210);
}
}

QString IbaragiKouhoForm::filePath(Kind kind)
{
    return DataPath::file(QStringLiteral("cb\\") + QString::fromUtf16(look(kind).file));
}

IbaragiKouhoForm::IbaragiKouhoForm(Kind kind, QWidget* parent)
    : QDialog(parent), kindValue(kind), file(filePath(kind))
{
    build();
    load();
    const QString text = SharedState::get().Hand.IbaragiDialogText;
    if (inpTx1) {
        const QStringList parts = text.split(QLatin1Char(':'));
        inpTx0->setText(parts.value(0));
        inpTx1->setText(parts.value(1));
    } else {
        inpTx0->setText(text);
    }
}

void IbaragiKouhoForm::build()
{
    const Look& l = look(kindValue);
    NyuryokuLook::dialog(this, QString::fromUtf16(l.name), 5000, 3000, l.width, l.height);
    caption(QString::fromUtf16(l.title), this, l.title_)->setStyleSheet(
        QStringLiteral("color: rgb(0,192,0); font-weight: bold;"));
    CmdGd = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), l.ok.x(), l.ok.y(), 315},
                                          {Tojiru, QStringLiteral("閉る"), l.tojiru.x(), l.tojiru.y(), 405},
                                          {Clear, QStringLiteral("クリア"), l.clear.x(), l.clear.y(), 465},
                                          {KouhoDel, QStringLiteral("候補削除"), l.kouhoDel.x(), l.kouhoDel.y(), 735}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &IbaragiKouhoForm::CmdGd_Click);
    caption(QStringLiteral("【入力欄】"), this, l.nyuryoku);
    caption(QStringLiteral("【入力候補】"), this, l.kouho);
    inpTx0 = NyuryokuLook::lineEdit(QStringLiteral("inpTx0"), this, l.box.x(), l.box.y(), l.box.width(), l.box.height());
    if (kindValue == Kind::Syochi) {
        caption(QStringLiteral("【数量】"), this, {4785, 495}, 700);
        inpTx1 = NyuryokuLook::lineEdit(QStringLiteral("inpTx1"), this, 4785, 735, 585);
        inpTx1->setAlignment(Qt::AlignCenter);
        inpTx1->setAttribute(Qt::WA_InputMethodEnabled, false);
        caption(QStringLiteral("※数量欄には数値のみ記入してください。"), this, {1845, 1080}, 3420)
            ->setStyleSheet(QStringLiteral("color: rgb(128,128,255);"));
        NyuryokuLook::onEnter(inpTx0, [this] { inpTx1->setFocus(); });
        NyuryokuLook::onEnter(inpTx1, nullptr);
    } else {
        NyuryokuLook::onEnter(inpTx0, nullptr);
    }
    KouhoList = new QListWidget(this);
    KouhoList->setObjectName(QStringLiteral("KouhoList"));
    TwipGeometry::place(KouhoList, l.list.x(), l.list.y(), l.list.width(), l.list.height());
    connect(KouhoList, &QListWidget::itemClicked, this, &IbaragiKouhoForm::KouhoList_Click);
}

void IbaragiKouhoForm::load()
{
    file.load(KouhoList, true);
}

bool IbaragiKouhoForm::save()
{
    return file.save(KouhoList);
}

void IbaragiKouhoForm::KouhoList_Click()
{
    const QListWidgetItem* item = KouhoList->currentItem();
    if (!item)
        return;
    const QString entry = item->text();
    if (!inpTx1) {
        inpTx0->setText(entry);
        return;
    }
    const QStringList parts = entry.split(QLatin1Char(':'));
    if (parts.size() == 2) {
        inpTx0->setText(parts.at(0));
        inpTx1->setText(parts.at(1));
    }
}

void IbaragiKouhoForm::CmdGd_Click(int index)
{
    switch (index) {
    case Ok: ok(); break;
    case Clear:
        inpTx0->clear();
        if (inpTx1)
            inpTx1->clear();
        break;
    case KouhoDel: deleteKouho(); break;
    default: close(); break;
    }
}

void IbaragiKouhoForm::ok()
{
    QString& out = SharedState::get().Hand.IbaragiDialogText;
    QString entry = SharedUtil::KaigyoDelProc(inpTx0->text());
    if (inpTx1) {
        if (inpTx0->text().isEmpty()) {
            out.clear();
            accept();
            return;
        }
        if (inpTx1->text().isEmpty()) {
            MsgBox::show(QStringLiteral("数量を入力してください。"), QStringLiteral("確認"));
            inpTx1->setFocus();
            return;
        }
        entry += QLatin1Char(':') + SharedUtil::KaigyoDelProc(inpTx1->text());
    }
    if (!KouhoListFile::items(KouhoList).contains(entry)) {
        if (!entry.isEmpty())
            KouhoList->addItem(entry);
        save();
    }
    out = entry;
    accept();
}

void IbaragiKouhoForm::deleteKouho()
{
    QListWidgetItem* item = KouhoList->currentItem();
    if (!item || !item->isSelected())
        return;
    if (!MsgBox::ask(QStringLiteral("現在選択されている候補を削除します。"), QStringLiteral("候補削除")))
        return;
    delete KouhoList->takeItem(KouhoList->row(item));
    if (kindValue == Kind::Syochi) {
        save();
        inpTx0->clear();
        inpTx1->clear();
        load();
    } else if (kindValue == Kind::Bunben) {
        save();
    }
}

void IbaragiKouhoForm::close()
{
    if (kindValue == Kind::Tane || (kindValue == Kind::Syochi && KouhoList->count() > 0))
        save();
    reject();
}
