#include "MasterForm.h"

#include "KotaiPage.h"
#include "KusuriPage.h"
#include "KyuYakuForm.h"
#include "NoukaPage.h"
#include "SonotaPage.h"
#include "TeireiPage.h"
#include "chart/NewInputForm.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "registers/ListTouroku.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

namespace {
const QStringList PageCaptions{QStringLiteral("組合員登録"), QStringLiteral("個体登録"), QStringLiteral("地区名登録"),
                               QStringLiteral("その他"), QStringLiteral("定例文登録"), QStringLiteral("薬品名登録")};
// The page menu from left to right: index and caption.
const QList<std::pair<int, QString>> MenuLabels{
    {2, QStringLiteral("地区名登録")}, {0, QStringLiteral("畜主登録")}, {1, QStringLiteral("個体登録")},
    {3, QStringLiteral("獣医師名・その他")}, {4, QStringLiteral("定例文登録")}, {6, QStringLiteral("雛型登録")},
    {5, QStringLiteral("薬品名登録")}, {8, QStringLiteral("休薬登録")}, {7, QStringLiteral("掛金期間満了日登録")}};

} // namespace

MasterForm::MasterForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    const SharedState& s = SharedState::get();
    variantValue = MasterVariant::of(s.ken, s.ManryoFlag, s.Site);
    buildWindow();
    Form_Load();
}

MasterForm::~MasterForm() = default;

void MasterForm::buildWindow()
{
    setObjectName(QStringLiteral("MasterForm"));
    setFont(FontSetup::screenFont());
    TwipGeometry::resize(this, 13000, 9880);
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.BaseBackColor);
    TitlePict = new QLabel(this);
    TwipGeometry::place(TitlePict, 75, 0, 12800, 240);
    WidgetColor::setBackColor(TitlePict, QColor(0, 128, 33));
    TitlePict->installEventFilter(this);
    buildMenu();
    buildInpTx();
    nouka = new NoukaPage(*this);
    kotai = new KotaiPage(*this);
    auto* tikuFrame = new QGroupBox(PageCaptions.at(2));
    sonota = new SonotaPage(*this);
    teirei = new TeireiPage(*this);
    kusuri = new KusuriPage(*this);
    WakuFrame = {nouka, kotai, tikuFrame, sonota, teirei, kusuri};
    for (QGroupBox* frame : std::as_const(WakuFrame)) {
        frame->setParent(this);
        TwipGeometry::place(frame, 75, 675, 12800, 9055);
        WidgetColor::setBackColor(frame, SharedState::get().ColorSet.BaseBackColor);
        SentakuGd->resetOn(frame);
        CmdGd->resetOn(frame);
    }
    buildTikuPage(tikuFrame);
    for (int i = 0; i < inpTx.size(); ++i)
        inpTx[i]->installEventFilter(this);
}

void MasterForm::buildMenu()
{
    SentakuGd = new LabelButtonArray(this);
    int x = 120;
    for (const auto& [index, caption] : MenuLabels) {
        LabelButton* label = SentakuGd->add(caption, index, this);
        const int width = 260 + int(caption.size()) * 180;
        TwipGeometry::place(label, x, 330, width, 270);
        x += width;
    }
    SentakuGd->at(7)->hide();
    SentakuGd->at(8)->hide();
    SentakuGd->resetOn(this);
    connect(SentakuGd, &LabelButtonArray::clicked, this, &MasterForm::SentakuGd_Click);
    CmdGd = new LabelButtonArray(this);
    TwipGeometry::place(CmdGd->add(QStringLiteral("メインメニューに戻る"), 2, this), 10900, 330, 2000, 270);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &MasterForm::CmdGd_Click);
}

void MasterForm::buildInpTx()
{
    for (int i = 0; i < 15; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("inpTx%1").arg(i));
        connect(box, &QLineEdit::returnPressed, this, [this, i] { inpTx_Enter(i); });
        inpTx.append(box);
    }
}

void MasterForm::buildTikuPage(QGroupBox* frame)
{
    auto* label0 = new QLabel(QStringLiteral("<入力欄>"), frame);
    TwipGeometry::place(label0, 600, 450, 2400, 270);
    TikuInpTx = new QLineEdit(frame);
    TikuInpTx->setObjectName(QStringLiteral("TikuInpTx"));
    TwipGeometry::place(TikuInpTx, 600, 750, 2400, 330);
    TwipGeometry::place(CmdGd->add(QStringLiteral("追　　加"), 0, frame), 600, 1300, 1100, 300);
    TwipGeometry::place(CmdGd->add(QStringLiteral("削　　除"), 1, frame), 1900, 1300, 1100, 300);
    auto* label1 = new QLabel(QStringLiteral("<登録一覧>"), frame);
    TwipGeometry::place(label1, 3600, 450, 3000, 270);
    TikuList0 = new QListWidget(frame);
    TikuList0->setObjectName(QStringLiteral("TikuList0"));
    TwipGeometry::place(TikuList0, 3600, 750, 3500, 7800);
    connect(TikuList0, &QListWidget::itemClicked, this, [this] { TikuList_Click(0); });
}

void MasterForm::Form_Load()
{
    SharedState& s = SharedState::get();
    teirei->BunruiOp_Click(0);
    SentakuGd_Click(1);
    kotai->selectDefaults();
    setteiValue = SetteiData::load(s.ken);
    TikuList0->addItems(setteiValue.TikuList);
    refillTikuList1();
    sonota->load(setteiValue);
    s.TensuAlarmFlag = setteiValue.TensuAlarmFlag;
    s.TensuAlarmLimit = setteiValue.TensuAlarmLimit;
    nouka->applyVariant();
    kotai->applyVariant();
    sonota->applyVariant();
    teirei->applyVariant();
    kusuri->applyVariant();
    SentakuGd->at(7)->setVisible(variantValue.ManryoMenu);
    SentakuGd->at(8)->setVisible(variantValue.KyuYakuMenu);
    kotai->TikusyuOp_Click(0);
    kusuri->KusuriNameOp_Click(0);
    if (!setteiValue.readErrors.isEmpty())
        MsgBox::show(setteiValue.readErrors.join(QLatin1Char('\n')), QStringLiteral("確認"));
}

QStringList MasterForm::inpTxTexts() const
{
    QStringList out;
    for (const QLineEdit* box : inpTx)
        out.append(box->text());
    return out;
}

bool MasterForm::SetteiSaveProc()
{
    // Value reading cannot give back a value that holds a double quote: it is refused before
    // anything is written, on the page that shows the box.
    if (QLineEdit* box = sonota->quotedBox()) {
        SentakuGd_Click(int(WakuFrame.indexOf(sonota)));
        MsgBox::show(QStringLiteral(" \" は使用できません。"), QStringLiteral("確認"));
        box->setFocus();
        return false;
    }
    setteiValue.TikuList.clear();
    for (int i = 0; i < TikuList0->count(); ++i)
        setteiValue.TikuList.append(TikuList0->item(i)->text());
    sonota->store(setteiValue);
    QStringList errors;
    if (!setteiValue.save(SharedState::get().ken, &errors))
        MsgBox::show(errors.join(QLatin1Char('\n')), QStringLiteral("確認"));
    return true;
}

void MasterForm::SentakuGd_Click(int index)
{
    if (index == 6) {
        SharedState::get().Hand.KarteHinagataMode = 1;
        NewInputForm form(this);
        ModalHost::exec(form);
        return;
    }
    if (index == 7)
        return;
    if (index == 8) {
        KyuYakuForm form(this);
        ModalHost::exec(form);
        return;
    }
    for (const int i : SentakuGd->indexes()) {
        QFont f = SentakuGd->at(i)->font();
        f.setBold(i == index);
        SentakuGd->at(i)->setFont(f);
    }
    for (int i = 0; i < WakuFrame.size(); ++i)
        WakuFrame[i]->setVisible(i == index);
    pageInFront = index;
}

void MasterForm::CmdGd_Click(int index)
{
    if (index == 2) {
        if (SetteiSaveProc())
            accept();
        return;
    }
    QStringList names;
    for (int i = 0; i < TikuList0->count(); ++i)
        names.append(TikuList0->item(i)->text());
    if (!TikuInpTx->text().isEmpty()) {
        const bool changed = index == 0 ? ListTouroku::add(names, TikuInpTx->text(), false)
                                        : ListTouroku::remove(names, TikuInpTx->text());
        if (changed) {
            TikuList0->clear();
            TikuList0->addItems(names);
        }
    }
    refillTikuList1();
}

void MasterForm::refillTikuList1()
{
    nouka->TikuList1->clear();
    for (int i = 0; i < TikuList0->count(); ++i)
        nouka->TikuList1->addItem(TikuList0->item(i)->text());
}

void MasterForm::TikuList_Click(int index)
{
    if (index == 0 && TikuList0->currentItem() && !TikuList0->currentItem()->text().isEmpty())
        TikuInpTx->setText(TikuList0->currentItem()->text());
    if (index == 1)
        nouka->TikuList_Click();
}

void MasterForm::inpTx_Click(int index)
{
    nouka->showYobiGrid(index == 9);
}

void MasterForm::inpTx_Enter(int index)
{
    static const QHash<int, int> next{{0, 1}, {1, 3}, {2, 0}, {6, 7}, {7, 8}};
    if (next.contains(index))
        inpTx[next.value(index)]->setFocus();
    else if (index == 8)
        nouka->TikuGd_Click(1);
}

bool MasterForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const int box = inpTx.indexOf(qobject_cast<QLineEdit*>(watched));
        if (box >= 0)
            inpTx_Click(box);
    }
    if (watched == TitlePict && event->type() == QEvent::MouseButtonPress) {
        dragStart = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - frameGeometry().topLeft();
        return true;
    }
    if (watched == TitlePict && event->type() == QEvent::MouseMove) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->buttons() & Qt::LeftButton)
            move(me->globalPosition().toPoint() - dragStart);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
