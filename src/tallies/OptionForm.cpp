#include "OptionForm.h"

#include "GridHeightProc.h"
#include "IninjyoOitaPrintProc.h"

#include "common/DialogLook.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButton.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QCheckBox>
#include <algorithm>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

QLineEdit* box(const QString& name, QWidget* parent, int left, int top, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    TwipGeometry::place(edit, left, top, width, 285);
    return edit;
}

struct Column
{
    const char16_t* heading;
    int width;
    FlexGrid::Alignment alignment;
};
const Column tallyColumns[] = {
    {u"No", 450, FlexGrid::AlignCenter},       {u"薬名", 3300, FlexGrid::AlignLeft},
    {u"規格・適用", 2200, FlexGrid::AlignLeft}, {u"数量", 750, FlexGrid::AlignCenter},
    {u"", 1, FlexGrid::AlignGeneral},
};

} // namespace

OptionForm::OptionForm(const QList<QStringList>& rows, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OptionForm"));
    mode = SharedState::get().Hand.OptionMode == 1 ? 1 : 0;
    const QColor back = SharedState::get().ColorSet.BaseBackColor;
    if (mode == 0)
        DialogLook::frameless(this, 3000, 1500, 4200, 7620, back);
    else
        DialogLook::frameless(this, 3000, 1000, 7530, 9390, back);
    setFont(FontSetup::screenFont());
    TitleGd[0] = DialogLook::titleLabel(mode == 0 ? QStringLiteral("委任状印刷") : QStringLiteral("薬品集計"), this, 105, 135);
    DialogLook::greyRule(this, 30, 405, 7365);
    DialogLook::greyRule(this, 30, 60, 7365);
    CmdGd = new LabelButtonArray(this);
    LabelButton* close = DialogLook::command(CmdGd, QStringLiteral("終了"), 0, this, mode == 0 ? 3180 : 6645, 150);
    close->setObjectName(QStringLiteral("CmdGd0"));
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &OptionForm::CmdGd_Click);
    buildMemberFrame();
    buildTallyFrame();
    Form_Load(rows);
}

void OptionForm::buildMemberFrame()
{
    QFrame* f = WakuFrame[0] = new QFrame(this);
    f->setObjectName(QStringLiteral("WakuFrame0"));
    TwipGeometry::place(f, 45, 465, 3960, 7000);
    DialogLook::label(QStringLiteral("※Ａ4（白紙）をセットしてください。"), f, 255, 150);
    DialogLook::label(QStringLiteral("※チェックONの委任状のみ印刷されます。"), f, 255, 330);
    OptionCh = new QCheckBox(QStringLiteral("住所・氏名を印刷する"), f);
    OptionCh->setObjectName(QStringLiteral("OptionCh"));
    TwipGeometry::place(OptionCh, 270, 600, 2400, 270);
    DialogLook::command(CmdGd, QStringLiteral("印刷開始"), 1, f, 2775, 615)->setObjectName(QStringLiteral("CmdGd1"));
    DialogLook::label(QStringLiteral("日付：令和"), f, 315, 1005);
    static const int boxLeft[] = {1260, 1920, 2610};
    static const char16_t* const units[] = {u"年", u"月", u"日"};
    static const int unitLeft[] = {1635, 2295, 3030};
    for (int i = 0; i < 3; ++i) {
        DayInpTx[i] = box(QStringLiteral("DayInpTx%1").arg(i), f, boxLeft[i], 975, 345);
        DayInpTx[i]->installEventFilter(this);
        DialogLook::label(QString::fromUtf16(units[i]), f, unitLeft[i], 1005);
    }
    PrintList = new QListWidget(f);
    PrintList->setObjectName(QStringLiteral("PrintList"));
    TwipGeometry::place(PrintList, 630, 1440, 2550, 5070);
    DialogLook::command(CmdGd, QStringLiteral("全てON"), 5, f, 735, 6570)->setObjectName(QStringLiteral("CmdGd5"));
    DialogLook::command(CmdGd, QStringLiteral("全てOFF"), 6, f, 1575, 6570)->setObjectName(QStringLiteral("CmdGd6"));
    CmdGd->resetOn(f);
}

void OptionForm::buildTallyFrame()
{
    QFrame* f = WakuFrame[1] = new QFrame(this);
    f->setObjectName(QStringLiteral("WakuFrame1"));
    TwipGeometry::place(f, 45, 465, 7275, 8700);
    DialogLook::label(QStringLiteral("令和"), f, 900, 195);
    inpTx[2] = box(QStringLiteral("inpTx2"), f, 1410, 165, 450);
    DialogLook::label(QStringLiteral("年"), f, 1920, 195);
    DialogLook::command(CmdGd, QStringLiteral("集計開始"), 3, f, 3840, 210)->setObjectName(QStringLiteral("CmdGd3"));
    TitleGd[1] = DialogLook::label(QStringLiteral("集計中・・・・・"), f, 4740, 210);
    TitleGd[1]->setObjectName(QStringLiteral("TitleGd1"));
    DialogLook::command(CmdGd, QStringLiteral("印刷開始"), 2, f, 6345, 210)->setObjectName(QStringLiteral("CmdGd2"));
    DialogLook::label(QStringLiteral("カルテ提出月"), f, 255, 540);
    inpTx[0] = box(QStringLiteral("inpTx0"), f, 1425, 510, 450);
    DialogLook::label(QStringLiteral("月"), f, 1905, 540);
    DialogLook::label(QStringLiteral("～"), f, 2085, 540);
    inpTx[1] = box(QStringLiteral("inpTx1"), f, 2310, 510, 450);
    DialogLook::label(QStringLiteral("月まで"), f, 2730, 540);
    DialogLook::command(CmdGd, QStringLiteral("集計結果をExcelに送る"), 4, f, 3840, 570)
        ->setObjectName(QStringLiteral("CmdGd4"));
    DataGrid = new FlexGrid(f);
    DataGrid->setObjectName(QStringLiteral("DataGrid"));
    DataGrid->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    DataGrid->setWordWrap(true);
    TwipGeometry::place(DataGrid, 180, 975, 7000, 7675);
    CmdGd->resetOn(f);
}

void OptionForm::Form_Load(const QList<QStringList>& rows)
{
    SharedState& s = SharedState::get();
    const QColor back = s.ColorSet.BaseBackColor;
    for (QFrame* f : WakuFrame) {
        WidgetColor::setBackColor(f, back);
        f->setFrameShape(QFrame::NoFrame);
        f->hide();
    }
    if (mode == 0) {
        for (int i = 0; i < 3; ++i)
            DayInpTx[i]->setText(s.Hand.OptionDate[i]);
        if (s.Hand.OptionChKioku != 1)
            s.Hand.OptionChKioku = 0;
        OptionCh->setChecked(s.Hand.OptionChKioku == 1);
        const QList<QPair<QString, QString>> members = IninjyoOitaPrintProc::members(rows);
        for (const auto& [name, code] : members) {
            if (name.isEmpty())
                continue;
            const bool namesake = std::count_if(members.begin(), members.end(),
                                                [&name](const auto& m) { return m.first == name; }) > 1;
            auto* item = new QListWidgetItem(namesake ? name + QStringLiteral("（") + code + QStringLiteral("）") : name,
                                             PrintList);
            item->setData(Qt::UserRole, name);
            item->setData(Qt::UserRole + 1, code);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
        }
    } else {
        DataGrid->setCols(5);
        DataGrid->setRows(1);
        DataGrid->setFixedRows(1);
        DataGrid->setFixedCols(1);
        DataGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
        DataGrid->setBackColorBkg(back);
        for (int c = 0; c < 5; ++c) {
            DataGrid->setColWidthTwips(c, tallyColumns[c].width);
            DataGrid->setColAlignment(c, tallyColumns[c].alignment);
            DataGrid->setTextMatrix(0, c, QString::fromUtf16(tallyColumns[c].heading));
        }
        DataGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
        TitleGd[1]->hide();
    }
    WakuFrame[mode]->show();
    inpTx[0]->setText(QStringLiteral("5"));
    inpTx[1]->setText(QStringLiteral("7"));
    inpTx[2]->setText(s.ReiwaNen);
}

void OptionForm::CmdGd_Click(int index)
{
    switch (index) {
    case 0:
        SharedState::get().Hand.PrintSentakuOut = 0;
        accept();
        break;
    case 1: handBack(); break;
    case 5: tickAll(true); break;
    case 6: tickAll(false); break;
    default: break;  // 2 to 4: the drug-use tally's commands
    }
}

void OptionForm::reject()
{
    // The dialog closes through "終了" or the hand-back only.
}

void OptionForm::tickAll(bool on)
{
    for (int i = 0; i < PrintList->count(); ++i)
        PrintList->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void OptionForm::handBack()
{
    HandOver& h = SharedState::get().Hand;
    for (QLineEdit* day : DayInpTx) {
        if (day->text().isEmpty()) {
            MsgBox::show(QStringLiteral("日付を入力してください。"), QStringLiteral("確認"));
            return;
        }
    }
    h.PrintSentakuOut = OptionCh->isChecked() ? 2 : 1;
    h.OptionChKioku = OptionCh->isChecked() ? 1 : 0;
    h.OptionSentakuList.clear();
    h.OptionSentakuCode.clear();
    for (int i = 0; i < PrintList->count(); ++i) {
        const QListWidgetItem* item = PrintList->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        h.OptionSentakuList.append(item->data(Qt::UserRole).toString());
        h.OptionSentakuCode.append(item->data(Qt::UserRole + 1).toString());
    }
    if (h.OptionSentakuList.isEmpty()) {
        MsgBox::show(QStringLiteral("選択してください。"), QStringLiteral("確認"));
        return;
    }
    for (int i = 0; i < 3; ++i)
        h.OptionDate[i] = DayInpTx[i]->text();
    accept();
}

void OptionForm::GridHeightProc()
{
    GridHeightProc::apply(*DataGrid);
}

bool OptionForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (int i = 0; i < 3; ++i) {
            if (watched == DayInpTx[i] && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                DayInpTx[(i + 1) % 3]->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
