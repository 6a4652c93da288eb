#include "ByoNameForm.h"

#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "common/ValueReader.h"
#include "common/WidgetColor.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
QListWidget* list(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    TwipGeometry::place(l, left, top, width, height);
    return l;
}
} // namespace

ByoNameForm::ByoNameForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ByoNameForm"));
    DialogLook::frameless(this, 1000, 1600, 9960, 6870, SharedState::get().ColorSet.DialogBackColor);
    DialogLook::greyRule(this, 0, 30, 9960);
    DialogLook::greyRule(this, 0, 450, 9960);
    DialogLook::titleLabel(QStringLiteral("病名"), this, 180, 105, 12);
    for (int i = 0; i < 2; ++i) {
        QLabel* label = DialogLook::colorLabel(QString(), this, 1545, 150, 9.75, QColor(0, 0, 255));
        label->setObjectName(QStringLiteral("ByoNameGd%1").arg(i));
        ByoNameGd.append(label);
    }
    CmdGd = new LabelButtonArray(this);
    DialogLook::command(CmdGd, QStringLiteral("OK"), 1, this, 7620, 150);
    DialogLook::command(CmdGd, QStringLiteral("削除"), 2, this, 8295, 150);
    DialogLook::command(CmdGd, QStringLiteral("閉じる"), 0, this, 9030, 135);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &ByoNameForm::CmdGd_Click);
    buildLists();
    buildInpFrame();
    QStringList errors;
    files = ByoCodeFile::load(&errors);
    BigList->addItems(files.bigNames());
    if (!errors.isEmpty())
        MsgBox::show(errors.join(QLatin1Char('\n')), QStringLiteral("確認"));
}

void ByoNameForm::buildLists()
{
    DialogLook::label(QStringLiteral("<大分類>"), this, 960, 540);
    DialogLook::label(QStringLiteral("<中分類>"), this, 3810, 540);
    DialogLook::label(QStringLiteral("<病傷名>"), this, 6735, 555);
    BigList = list(this, QStringLiteral("BigList"), 165, 780, 2430, 3990);
    MidleList = list(this, QStringLiteral("MidleList"), 2580, 780, 2820, 3990);
    ListList = list(this, QStringLiteral("ListList"), 5385, 780, 4500, 5970);
    WidgetColor::setBackColor(ListList, QColor(255, 224, 192));
    connect(BigList, &QListWidget::itemClicked, this, &ByoNameForm::BigList_Click);
    connect(MidleList, &QListWidget::itemClicked, this, &ByoNameForm::MidleList_Click);
    connect(ListList, &QListWidget::itemClicked, this, &ByoNameForm::ListList_Click);
}

void ByoNameForm::buildInpFrame()
{
    InpFrame = new QGroupBox(QStringLiteral("番号入力"), this);
    WidgetColor::setBackColor(InpFrame, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(InpFrame, 300, 4920, 4815, 1875);
    CmdGd->resetOn(InpFrame);
    DialogLook::label(QStringLiteral("<大分類>"), InpFrame, 420, 300);
    DialogLook::label(QStringLiteral("<中分類>"), InpFrame, 1320, 300);
    DialogLook::label(QStringLiteral("<病傷名>"), InpFrame, 2160, 300);
    DialogLook::label(QStringLiteral("<病傷名>"), InpFrame, 480, 1020);
    const int lefts[] = {600, 1500, 2340};
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit(InpFrame);
        box->setObjectName(QStringLiteral("NbText%1").arg(i));
        if (i < 3) {
            box->setAlignment(Qt::AlignCenter);
            box->setAttribute(Qt::WA_InputMethodEnabled, false);
            TwipGeometry::place(box, lefts[i], 600, 435, 270);
            if (i > 0)
                DialogLook::label(QStringLiteral("-"), InpFrame, lefts[i] - 150, 630);
        } else {
            TwipGeometry::place(box, 600, 1260, 3975, 270);
        }
        box->installEventFilter(this);
        NbText.append(box);
    }
    DialogLook::command(CmdGd, QStringLiteral("変更実行"), 3, InpFrame, 3480, 420);
}

QString ByoNameForm::clickedText(QListWidget* list)
{
    return list->currentItem() ? list->currentItem()->text() : QString();
}

void ByoNameForm::BigList_Click()
{
    if (clickedText(BigList).isEmpty())
        return;
    MidleList->clear();
    ListList->clear();
    KariList.clear();
    bigCode = files.bigCode(BigList->currentRow());
    MidleList->addItems(files.midleNames(bigCode));
}

void ByoNameForm::MidleList_Click()
{
    const QString midle = clickedText(MidleList);
    if (midle.isEmpty())
        return;
    ListList->clear();
    KariList = files.names(bigCode, midle);
    for (const QStringList& record : std::as_const(KariList))
        ListList->addItem(record.at(3));
}

void ByoNameForm::ListList_Click()
{
    if (clickedText(ListList).isEmpty())
        return;
    const QStringList record = KariList.value(ListList->currentRow());
    const QString code = ByoCodeFile::byoCode(record);
    setSelection(record.value(3), code);
    const QStringList parts = code.split(QLatin1Char('-'));
    for (int i = 0; i < 3; ++i)
        NbText[i]->setText(parts.value(i));
    NbText[3]->setText(ByoNameGd[0]->text());
}

// The name label and, 100 twips right of it, the code label.
void ByoNameForm::setSelection(const QString& name, const QString& code)
{
    ByoNameGd[0]->setText(name);
    ByoNameGd[0]->adjustSize();
    ByoNameGd[1]->setText(code);
    ByoNameGd[1]->adjustSize();
    ByoNameGd[1]->move(ByoNameGd[0]->x() + ByoNameGd[0]->width() + TwipGeometry::px(100), ByoNameGd[1]->y());
}

void ByoNameForm::CmdGd_Click(int index)
{
    HandOver& h = SharedState::get().Hand;
    h.ByoName.clear();
    h.ByoCode.clear();
    if (index == 3) {
        henkou();
        return;
    }
    if (index == 1) {
        h.ByoName = ByoNameGd[0]->text();
        h.ByoCode = ByoNameGd[1]->text();
    } else if (index == 2) {
        h.ByoName = QStringLiteral("del");
    }
    accept();
}

// "変更実行": the boxes replace the chosen name and code; each refusal leaves everything as it was.
void ByoNameForm::henkou()
{
    QString refusal;
    if (ByoNameGd[0]->text().isEmpty())
        refusal = QStringLiteral("選択がないので変更できません。");
    else if (NbText[0]->text().isEmpty() || NbText[1]->text().isEmpty() || NbText[2]->text().isEmpty())
        refusal = QStringLiteral("入力がないので変更できません。");
    else if (NbText[3]->text().isEmpty())
        refusal = QStringLiteral("病名の入力がないので変更できません。");
    else if (NbText[3]->text().contains(QLatin1Char('\'')))
        refusal = QStringLiteral("病名に　’は入力できません。");
    if (!refusal.isEmpty()) {
        MsgBox::show(refusal);
        return;
    }
    QStringList parts;
    for (int i = 0; i < 3; ++i)
        parts.append(SharedUtil::Trim(NbText[i]->text()));
    setSelection(SharedUtil::KaigyoDelProc(NbText[3]->text()), parts.join(QLatin1Char('-')));
}

// Enter in a number box moves on (0, 1, 2 and back to 0; the name box to 0) and is not typed.
bool ByoNameForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const qsizetype box = NbText.indexOf(static_cast<QLineEdit*>(watched));
        if (box >= 0 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            NbText[box == 3 ? 0 : (box + 1) % 3]->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
