#include "HinagataForm.h"

#include "HinagataFile.h"
#include "HinagataYakkaKousinProc.h"
#include "TourokuNameForm.h"
#include "common/DialogLook.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "common/ValueReader.h"
#include "common/WidgetColor.h"
#include "registers/TeireiFile.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace {
const QString Kakunin = QStringLiteral("確認");
const QString Touroku = QStringLiteral("雛形登録");
const QString Sentaku = QStringLiteral("一覧から選択してください。");

struct ModeLook
{
    QString title;
    QString guide;
    QString command;
    int width;
};

ModeLook modeLook(int mode)
{
    if (mode == 0)
        return {Touroku, QStringLiteral("今開いているカルテを雛形として登録します。"), QStringLiteral("登録実行"), 4750};
    if (mode == 1)
        return {QStringLiteral("雛形読込"), QStringLiteral("雛形カルテを一覧から選択してください。"), QStringLiteral("読込実行"), 7450};
    return {QStringLiteral("雛形更新"), QStringLiteral("更新する雛形を選んで、更新実行をクリックします。"), QStringLiteral("更新実行"), 7450};
}
} // namespace

HinagataForm::HinagataForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HinagataForm"));
    const int mode = SharedState::get().Hand.HinagataMode;
    DialogLook::frameless(this, 2000, 1000, modeLook(mode).width, 6600, SharedState::get().ColorSet.DialogBackColor);
    buildControls();
    Form_Load();
}

void HinagataForm::buildControls()
{
    TitleGd = DialogLook::titleLabel(QString(), this, 150, 120, 11.25);
    DialogLook::greyRule(this, 0, 450, 7450);
    CmdGd = new LabelButtonArray(this);
    DialogLook::command(CmdGd, QStringLiteral("登録実行"), 1, this, 2000, 120);
    DialogLook::command(CmdGd, QStringLiteral("キャンセル"), 0, this, 3700, 120);
    DialogLook::command(CmdGd, QStringLiteral("[登録名変更]"), 2, this, 2200, 2100);
    DialogLook::command(CmdGd, QStringLiteral("[削除]"), 3, this, 3750, 2100);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &HinagataForm::CmdGd_Click);
    GuideGd = DialogLook::label(QString(), this, 150, 550);
    DialogLook::label(QStringLiteral("[登録名]"), this, 150, 900);
    NameGd = DialogLook::colorLabel(QString(), this, 150, 1150, 10.5, QColor(0, 0, 192));
    NameGd->setObjectName(QStringLiteral("NameGd"));
    NameGd->resize(TwipGeometry::px(4400), TwipGeometry::px(300));
    DialogLook::label(QStringLiteral("[分類]"), this, 150, 1500);
    BunruiGd = DialogLook::colorLabel(QString(), this, 150, 1750, 10.5, QColor(0, 0, 192));
    BunruiGd->resize(TwipGeometry::px(4400), TwipGeometry::px(300));
    DialogLook::label(QStringLiteral("[登録済一覧]"), this, 150, 2100);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    TwipGeometry::place(List1, 150, 2400, 4400, 3300);
    connect(List1, &QListWidget::itemClicked, this, &HinagataForm::List1_Click);
    infoGd = DialogLook::label(QString(), this, 150, 5800);
    infoGd->setWordWrap(true);
    infoGd->resize(TwipGeometry::px(7150), TwipGeometry::px(700));
    infoGd->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    DialogLook::label(QStringLiteral("[分類]"), this, 4900, 550);
    bunrui = new QButtonGroup(this);
    for (int i = 0; i < BunruiCount; ++i) {
        auto* option = new QRadioButton(TeireiFile::bunruiNames().at(i), this);
        option->setObjectName(QStringLiteral("BunruiOp%1").arg(i));
        option->setFont(FontSetup::screenFont());
        WidgetColor::setBackColor(option, SharedState::get().ColorSet.DialogBackColor);
        option->move(TwipGeometry::px(4900), TwipGeometry::px(850 + i * 260));
        option->adjustSize();
        bunrui->addButton(option, i);
        BunruiOp.append(option);
    }
    connect(bunrui, &QButtonGroup::idClicked, this, &HinagataForm::BunruiOp_Click);
}

void HinagataForm::Form_Load()
{
    const HandOver& h = SharedState::get().Hand;
    const ModeLook look = modeLook(h.HinagataMode);
    TitleGd->setText(look.title);
    TitleGd->adjustSize();
    GuideGd->setText(look.guide);
    GuideGd->adjustSize();
    CmdGd->at(1)->setText(look.command);
    CmdGd->at(2)->setVisible(h.HinagataMode != 1);
    if (h.HinagataMode != 2)
        infoGd->setText(QStringLiteral("※薬価・診療点数が変更になった場合、雛形のデータは自動で更新されません。"
                                       "薬価はマスター登録＞雛形登録＞雛形の薬価更新で更新できます。"));
    NameGd->setText(h.HinagataNameIn);
    int selected = -1;
    if (h.HinagataMode == 0) {
        const QStringList code = h.HinagataCodeIn.split(QLatin1Char('-'));
        if (!h.HinagataCodeIn.isEmpty() && code.size() >= 2)
            selected = int(ValueReader::leadingNumber(code.at(0))) - 1;
    } else if (h.HinagataMode == 1) {
        selected = 0;
    }
    if (selected >= 0 && selected < BunruiCount) {
        BunruiOp[selected]->setChecked(true);
        BunruiOp_Click(selected);
    }
}

void HinagataForm::BunruiOp_Click(int index)
{
    BunruiGd->setText(BunruiOp[index]->text());
    List1->clear();
    List1->addItems(HinagataFile::list(index + 1));
}

void HinagataForm::List1_Click()
{
    if (List1->currentItem())
        NameGd->setText(List1->currentItem()->text());
}

QString HinagataForm::name() const
{
    return SharedUtil::Trim(NameGd->text());
}

void HinagataForm::CmdGd_Click(int index)
{
    const int mode = SharedState::get().Hand.HinagataMode;
    if (index == 0) {
        SharedState::get().Hand.HinagataMode = -1;
        accept();
    } else if (index == 1) {
        if (mode == 0)
            touroku();
        else if (mode == 1)
            yomikomi();
        else
            kousin();
    } else if (index == 2) {
        henkou();
    } else if (index == 3) {
        sakujo();
    }
}

// Register: a name of a file that exists is overwritten only after the question; a name a file
// cannot carry is refused.
void HinagataForm::touroku()
{
    const QString n = name();
    QString bad;
    if (n.isEmpty()) {
        MsgBox::show(QStringLiteral("病名が無いカルテは登録できません。"), Kakunin);
        return;
    }
    if (!SharedUtil::FileNameCheckProc(n, bad)) {
        MsgBox::show(QStringLiteral("使用できない文字が含まれています。"), Kakunin);
        return;
    }
    if (HinagataFile::exists(n)
        && !MsgBox::ask(QStringLiteral("この名前は既に登録されています。上書きしますか？"), Touroku))
        return;
    QString error;
    if (!HinagataFile::write(n, SharedState::get().Hand.HinagataKarteLines, &error)) {
        MsgBox::show(error, Touroku);
        return;
    }
    MsgBox::show(QStringLiteral("登録しました。"), Touroku);
    accept();
}

void HinagataForm::yomikomi()
{
    const QString n = name();
    if (n.isEmpty() || !HinagataFile::exists(n)) {
        MsgBox::show(Sentaku, Kakunin);
        return;
    }
    QStringList lines;
    QString error;
    if (!HinagataFile::read(n, lines, &error)) {
        MsgBox::show(error, Kakunin);
        return;
    }
    SharedState::get().Hand.HinagataKarteLines = lines;
    accept();
}

// Re-price: the dialog stays open for the next template.
void HinagataForm::kousin()
{
    if (NameGd->text().isEmpty()) {
        MsgBox::show(QStringLiteral("更新する雛形を選択してください。"), Kakunin);
        return;
    }
    HinagataYakkaKousinProc::run(name());
}

// The name the next register uses; the file keeps its name.
void HinagataForm::henkou()
{
    QString& text = SharedState::get().Hand.TourokuNameText;
    text = NameGd->text();
    TourokuNameForm form(this);
    ModalHost::exec(form);
    if (!text.isEmpty())
        NameGd->setText(text);
}

void HinagataForm::sakujo()
{
    QListWidgetItem* entry = List1->currentItem();
    if (!entry || !entry->isSelected() || entry->text().isEmpty()) {
        MsgBox::show(Sentaku, Kakunin);
        return;
    }
    const QString n = SharedUtil::Trim(entry->text());
    if (!MsgBox::ask(entry->text() + QStringLiteral("を削除してよろしいですか？"), Kakunin))
        return;
    QString error;
    if (!HinagataFile::remove(n, &error)) {
        MsgBox::show(error, Kakunin);
        return;
    }
    if (bunrui->checkedId() >= 0)
        BunruiOp_Click(bunrui->checkedId());
    MsgBox::show(QStringLiteral("削除しました。"), Kakunin);
}
