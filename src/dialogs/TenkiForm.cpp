#include "TenkiForm.h"

#include "DigitLabelGroup.h"
#include "PickerHoverFrame.h"
#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPair>
#include <QRadioButton>

namespace {
const QStringList Tenki{QStringLiteral("治癒"), QStringLiteral("中止"), QStringLiteral("死亡"),
                        QStringLiteral("廃用"), QStringLiteral("法令殺")};
const QStringList Chuusi{QStringLiteral("満了"), QStringLiteral("譲渡"), QStringLiteral("転医")};

QList<QRadioButton*> options(const QStringList& captions, QButtonGroup* group, QWidget* parent,
                             const QString& name, int left, int top, int dx, int dy)
{
    QList<QRadioButton*> buttons;
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions.at(i), parent);
        option->setObjectName(name + QString::number(i));
        WidgetColor::setBackColor(option, SharedState::get().ColorSet.DialogBackColor);
        option->move(TwipGeometry::px(left + i * dx), TwipGeometry::px(top + i * dy));
        option->adjustSize();
        group->addButton(option, i);
        buttons.append(option);
    }
    return buttons;
}

const QString Kakunin = QStringLiteral("確認");
} // namespace

TenkiForm::TenkiForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TenkiForm"));
    DialogLook::frameless(this, 8500, 1650, 6300, 5450, SharedState::get().ColorSet.DialogBackColor);
    DialogLook::titleLabel(QStringLiteral("転帰入力"), this, 150, 120);
    DialogLook::greyRule(this, 0, 450, 6300);
    Label1 = new LabelButtonArray(this);
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 3600, 150);
    DialogLook::command(Label1, QStringLiteral("未転帰にする"), 2, this, 4200, 150);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 5550, 150);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &TenkiForm::Label1_Click);
    buildDate();
    buildOutcome();
    buildSubmission();
    buildChuusi();
    Form_Load();
}

QFrame* TenkiForm::frame(const QString& heading, int left, int top, int width, int height)
{
    auto* f = new QFrame(this);
    f->setObjectName(QStringLiteral("WakuFrame%1").arg(WakuFrame.size()));
    WidgetColor::setBackColor(f, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(f, left, top, width, height);
    DialogLook::colorLabel(heading, f, 60, 60, 9, QColor(0, 0, 192));
    WakuFrame.append(f);
    return f;
}

void TenkiForm::buildDate()
{
    QFrame* f = frame(QStringLiteral("[転帰日]"), 150, 600, 3300, 4700);
    HidukeGd = DialogLook::resultLabel(QStringLiteral("HidukeGd"), f, 1100, 40, 2100);
    DialogLook::label(QStringLiteral("<<年>>"), f, 100, 420);
    DialogLook::label(QStringLiteral("<<月>>"), f, 1150, 420);
    DialogLook::label(QStringLiteral("<<日>>"), f, 2150, 420);
    Shape1 = new PickerHoverFrame(f);
    groups = DigitLabelGroup::columns(this, f, Shape1,
                                      {{DigitLabelGroup::numbers(0, 3), 200}, {DigitLabelGroup::numbers(0, 9), 550},
                                       {DigitLabelGroup::numbers(1, 12), 1200, 345}, {DigitLabelGroup::numbers(0, 3), 2150},
                                       {DigitLabelGroup::numbers(0, 9), 2550}},
                                      720, 300, QStringLiteral("Digit"));
    for (int g = 0; g < groups.size(); ++g) {
        DigitLabelGroup* group = groups[g];
        connect(group, &DigitLabelGroup::clicked, this,
                [this, g, group](int i) { DigitGd_Click(Group(g), group->at(i)->text()); });
    }
}

void TenkiForm::buildOutcome()
{
    QFrame* f = frame(QStringLiteral("[転帰]"), 3600, 600, 2550, 1900);
    TenkiGd = DialogLook::resultLabel(QStringLiteral("TenkiGd"), f, 1200, 60, 1200);
    sentaku = new QButtonGroup(this);
    SentakuOp = options(Tenki, sentaku, f, QStringLiteral("SentakuOp"), 250, 420, 0, 280);
    connect(sentaku, &QButtonGroup::idClicked, this, &TenkiForm::SentakuOp_Click);
}

void TenkiForm::buildChuusi()
{
    QFrame* f = frame(QStringLiteral("[中止理由]"), 3600, 4400, 2550, 900);
    chuusi = new QButtonGroup(this);
    ChuusiOp = options(Chuusi, chuusi, f, QStringLiteral("ChuusiOp"), 100, 420, 800, 0);
}

void TenkiForm::buildSubmission()
{
    QFrame* f = frame(QStringLiteral("[カルテ提出月]"), 3600, 2600, 2550, 1700);
    DialogLook::label(QStringLiteral("<<年>>"), f, 450, 360);
    DialogLook::label(QStringLiteral("<<月>>"), f, 1500, 360);
    DialogLook::label(QStringLiteral("令和"), f, 60, 720);
    NenTx = new QLineEdit(f);
    NenTx->setObjectName(QStringLiteral("NenTx"));
    NenTx->setAlignment(Qt::AlignCenter);
    TwipGeometry::place(NenTx, 500, 680, 450, 300);
    TeiGd = DialogLook::resultLabel(QStringLiteral("TeiGd"), f, 500, 1200, 450);
    TeiGd->setAlignment(Qt::AlignRight);
    DialogLook::label(QStringLiteral("月"), f, 1000, 1230);
    Shape2 = new PickerHoverFrame(f);
    auto* group = new DigitLabelGroup(this);
    group->setHoverFrame(Shape2);
    for (int i = 0; i < 12; ++i) {
        LabelButton* label = group->add(QString::number(i + 1), i, f);
        label->setObjectName(QStringLiteral("Digit%1_%2").arg(int(ManthGd2)).arg(i + 1));
        TwipGeometry::place(label, 1150 + (i % 4) * 330, 650 + (i / 4) * 300, 345, 285);
    }
    connect(group, &DigitLabelGroup::clicked, this,
            [this, group](int i) { DigitGd_Click(ManthGd2, group->at(i)->text()); });
    groups.append(group);
}

void TenkiForm::Form_Load()
{
    SharedState& s = SharedState::get();
    HandOver& h = s.Hand;
    NenTx->setText(s.ReiwaNen);
    h.TeisyutuTukiOut.clear();
    for (QFrame* f : std::as_const(WakuFrame))
        f->setFrameShape(QFrame::NoFrame);
    SentakuOp[0]->setChecked(true);
    ChuusiOp[0]->setChecked(true);
    SentakuOp_Click(0);
    int reiwa = 0;
    QString tens = QStringLiteral("1");
    QString units = QStringLiteral("5");
    if (NenGappiState::reiwaOf(s.TodayDate, reiwa)) {
        tens = reiwa > 9 ? QString::number(reiwa).right(2).left(1) : QStringLiteral("0");
        units = QString::number(reiwa).right(1);
    }
    TeiGd->setText(h.TeisyutuTukiOut);
    DigitGd_Click(Year1Gd, tens);
    DigitGd_Click(Year2Gd, units);
    HidukeGd->setText(h.TenkiKioku[0]);
    const Group remembered[] = {ManthGd, DayGd1, DayGd2, ManthGd2};
    for (int k = 1; k <= 4; ++k) {
        if (!h.TenkiKioku[k].isEmpty())
            DigitGd_Click(remembered[k - 1], h.TenkiKioku[k]);
    }
    h.ChuusiOut.clear();
}

void TenkiForm::DigitGd_Click(Group group, const QString& caption)
{
    groups[group]->chooseCaption(caption);
    if (group == ManthGd2)
        TeiGd->setText(groups[ManthGd2]->value());
    else
        TenkiHidukeSetProc();
}

void TenkiForm::TenkiHidukeSetProc()
{
    NenGappiState date;
    date.Year1 = groups[Year1Gd]->value();
    date.Year2 = groups[Year2Gd]->value();
    date.Manth = groups[ManthGd]->value();
    date.Day1 = groups[DayGd1]->value();
    date.Day2 = groups[DayGd2]->value();
    HidukeGd->setText(date.tenkiText());
    HandOver& h = SharedState::get().Hand;
    h.NenGappiYearOut = date.yearOut();
    h.NenGappiManthOut = date.Manth;
    h.NenGappiDayOut = date.day();
}

void TenkiForm::SentakuOp_Click(int index)
{
    TenkiGd->setText(Tenki.value(index));
    WakuFrame[3]->setVisible(SharedState::get().ken == Ken::Tottori && index == 1);
}

void TenkiForm::Label1_Click(int index)
{
    HandOver& h = SharedState::get().Hand;
    if (index == 1 && !ok())
        return;
    if (index == 0) {
        h.NenGappiYearOut = h.NenGappiManthOut = h.NenGappiDayOut = QString();
        h.TeisyutuTukiOut.clear();
    } else if (index == 2) {
        h.NenGappiYearOut = QStringLiteral("0");
        h.NenGappiManthOut = h.NenGappiDayOut = QString();
        h.TenkiOut = QStringLiteral("未");
    }
    remember();
    accept();
}

bool TenkiForm::ok()
{
    HandOver& h = SharedState::get().Hand;
    if (TeiGd->text().isEmpty()) {
        MsgBox::show(QStringLiteral("カルテの提出月を入力してください。"), Kakunin);
        return false;
    }
    if (NenTx->text().isEmpty()) {
        MsgBox::show(QStringLiteral("カルテの提出年を入力してください。"), Kakunin);
        return false;
    }
    const int outcome = sentaku->checkedId();
    h.TenkiOut = SharedUtil::Trim(Tenki.value(outcome));
    if (SharedState::get().ken == Ken::Tottori && outcome == 1)
        h.ChuusiOut = QLatin1Char('(') + Chuusi.value(chuusi->checkedId()) + QLatin1Char(')');
    h.TeisyutuTukiOut = SharedUtil::Trim(NenTx->text()) + QStringLiteral("･") + TeiGd->text();
    return true;
}

// The date text shown and the chosen month, day and submission month for the next opening; a
// group without a choice keeps what was remembered.
void TenkiForm::remember()
{
    std::array<QString, 5>& kioku = SharedState::get().Hand.TenkiKioku;
    kioku[0] = HidukeGd->text();
    const Group remembered[] = {ManthGd, DayGd1, DayGd2, ManthGd2};
    for (int k = 1; k <= 4; ++k) {
        const QString value = groups[remembered[k - 1]]->value();
        if (!value.isEmpty())
            kioku[k] = value;
    }
}
