#include "NenGappiForm.h"

#include "DigitLabelGroup.h"
#include "PickerHoverFrame.h"
#include "chart/NewInputView.h"
#include "common/DataPath.h"
#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/ValueReader.h"
#include "common/WidgetColor.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {
struct GroupLayout
{
    QStringList captions; // by label index
    int left;
};

// Label index and caption of each group, by Group; the year tens lists 0 to 3 and, apart, 6.
const QList<GroupLayout> Layouts{
    {{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("6"), QStringLiteral("3")}, 500},
    {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 850},
    {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}, 1400},
    {{"0", "1", "2", "3"}, 2050},
    {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 2400},
    {{QStringLiteral("R"), QStringLiteral("H")}, 100}};

int rowOf(int group, int index)
{
    if (group == NenGappiForm::Year1Gd && index == 4)
        return 3; // "3" under "2"
    if (group == NenGappiForm::Year1Gd && index == 3)
        return 5; // "6" set apart
    return index;
}

bool ibaraki()
{
    return SharedState::get().ken == Ken::Ibaraki;
}

const QString Kakunin = QStringLiteral("確認");
} // namespace

NenGappiForm::NenGappiForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NenGappiForm"));
    DialogLook::frameless(this, 5000, 1500, 3500, 5700, SharedState::get().ColorSet.DialogBackColor);
    buildDigits();
    buildControls();
    Form_Load();
}

NenGappiForm::~NenGappiForm()
{
    HandOver& h = SharedState::get().Hand;
    h.NenGappiMode = 0;
    h.NenGappiBirthMode = 0;
}

int NenGappiForm::open(QWidget* parent, int mode, int birthMode)
{
    HandOver& h = SharedState::get().Hand;
    h.NenGappiMode = mode;
    h.NenGappiBirthMode = birthMode;
    NenGappiForm picker(parent);
    return ModalHost::exec(picker);
}

QString NenGappiForm::kiokuPath()
{
    return DataPath::file(QStringLiteral("set\\KiokuDate.ini"));
}

void NenGappiForm::buildDigits()
{
    WakuFrame = DialogLook::frame(this, 100, 750, 3300, 4150, SharedState::get().ColorSet.DialogBackColor);
    DialogLook::label(QStringLiteral("<<年>>"), WakuFrame, 100, 60);
    DialogLook::label(QStringLiteral("<<月>>"), WakuFrame, 1300, 60);
    DialogLook::label(QStringLiteral("<<日>>"), WakuFrame, 2050, 60);
    Shape1 = new PickerHoverFrame(WakuFrame);
    for (int g = 0; g < Layouts.size(); ++g) {
        auto* group = new DigitLabelGroup(this);
        group->setHoverFrame(Shape1);
        const QStringList& captions = Layouts.at(g).captions;
        for (int i = 0; i < captions.size(); ++i) {
            LabelButton* label = group->add(captions.at(i), i, WakuFrame);
            label->setObjectName(g == GengoGd ? QStringLiteral("GengoGd_%1").arg(captions.at(i))
                                              : QStringLiteral("Digit%1_%2").arg(g).arg(captions.at(i)));
            TwipGeometry::place(label, Layouts.at(g).left, 400 + rowOf(g, i) * 300, captions.at(i).size() > 1 ? 345 : 250, 285);
        }
        connect(group, &DigitLabelGroup::clicked, this,
                [this, g, captions](int i) { DigitGd_Click(Group(g), captions.at(i)); });
        groups.append(group);
    }
}

void NenGappiForm::buildControls()
{
    DialogLook::titleLabel(QStringLiteral("日付"), this, 150, 100);
    HidukeGd = DialogLook::resultLabel(QStringLiteral("HidukeGd"), this, 150, 400, 2000);
    Label1 = new LabelButtonArray(this);
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 2150, 120);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 2750, 120);
    DialogLook::command(Label1, QStringLiteral("記憶呼び出し"), 2, this, 2150, 5100);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &NenGappiForm::Label1_Click);
    OpFrame = new QFrame(this);
    OpFrame->setObjectName(QStringLiteral("OpFrame"));
    TwipGeometry::place(OpFrame, 100, 4950, 1900, 700);
    inpTx = new QLineEdit(OpFrame);
    inpTx->setObjectName(QStringLiteral("inpTx"));
    TwipGeometry::place(inpTx, 0, 0, 500, 300);
    Label3 = DialogLook::label(QString(), OpFrame, 0, 380);
    OpFrame->hide();
}

void NenGappiForm::Form_Load()
{
    SharedState& s = SharedState::get();
    const int mode = s.Hand.NenGappiMode;
    s.Hand.NenGappiOut.clear();
    if (s.ken == Ken::Kagoshima) {
        Label3->setText(QStringLiteral("1=未経産 2=流産"));
        OpFrame->setVisible(mode != 0);
    } else if (s.ken == Ken::Tottori) {
        Label3->setText(QStringLiteral("1=未経産2=未授精"));
        OpFrame->setVisible(mode != 0 && mode != -1);
        Label1->at(2)->setVisible(mode != -1);
    }
    Label3->adjustSize();
    date.presetToday(s.TodayDate);
    groups[Year1Gd]->at(3)->setVisible(s.Hand.NenGappiBirthMode == 1);
    if (ibaraki()) {
        const TextFile kioku = TextFile::read(DataPath::resolve(kiokuPath()));
        if (!kioku.ok() && !kioku.missing())
            MsgBox::show(kioku.errorText, Kakunin);
        date.presetKioku(ValueReader::lineValues(kioku.texts().value(0)).value(0));
    }
    NenGappiSetProc();
}

QString& NenGappiForm::value(Group group)
{
    switch (group) {
    case Year1Gd: return date.Year1;
    case Year2Gd: return date.Year2;
    case ManthGd: return date.Manth;
    case DayGd1: return date.Day1;
    case GengoGd: return date.Gengo;
    case DayGd2: break;
    }
    return date.Day2;
}

void NenGappiForm::DigitGd_Click(Group group, const QString& caption)
{
    if (group == Year1Gd)
        date.chooseYear1(caption);
    else
        value(group) = caption;
    NenGappiSetProc();
}

void NenGappiForm::paintGroups()
{
    for (int g = 0; g < groups.size(); ++g) {
        const QString chosen = g == GengoGd && date.Year1 == QStringLiteral("6") ? QString() : value(Group(g));
        if (!groups[g]->chooseCaption(chosen))
            groups[g]->clear();
    }
}

void NenGappiForm::NenGappiSetProc()
{
    if (OpFrame->isVisibleTo(this))
        inpTx->clear();
    HandOver& h = SharedState::get().Hand;
    h.NenGappiOut = date.fullText();
    h.NenGappiYearOut = date.yearOut();
    h.NenGappiManthOut = date.Manth;
    h.NenGappiDayOut = date.day();
    HidukeGd->setText(date.text());
    paintGroups();
}

void NenGappiForm::Label1_Click(int index)
{
    HandOver& h = SharedState::get().Hand;
    if (index == 2) {
        recall();
        return;
    }
    if (index == 0)
        h.NenGappiYearOut = h.NenGappiManthOut = h.NenGappiDayOut = QString();
    codeAnswer();
    closeStep();
    accept();
}

void NenGappiForm::codeAnswer()
{
    if (!OpFrame->isVisibleTo(this))
        return;
    HandOver& h = SharedState::get().Hand;
    const bool kagoshima = SharedState::get().ken == Ken::Kagoshima;
    const QString code = inpTx->text();
    if (code == QStringLiteral("1")) {
        h.NenGappiYearOut = QStringLiteral("未");
        h.NenGappiManthOut = QStringLiteral("経");
        h.NenGappiDayOut = QStringLiteral("産");
    } else if (code == QStringLiteral("2")) {
        h.NenGappiYearOut = kagoshima ? QStringLiteral("流") : QStringLiteral("未");
        h.NenGappiManthOut = kagoshima ? QStringLiteral("産") : QStringLiteral("授");
        h.NenGappiDayOut = kagoshima ? QString() : QStringLiteral("精");
    }
}

void NenGappiForm::closeStep()
{
    if (!ibaraki())
        return;
    const HandOver& h = SharedState::get().Hand;
    const QString line = h.NenGappiYearOut + QLatin1Char('.') + h.NenGappiManthOut + QLatin1Char('.') + h.NenGappiDayOut;
    if (line == QStringLiteral(".."))
        return;
    const QString path = kiokuPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (!TextFile::write(path, QStringList{line}, &error))
        MsgBox::show(error, Kakunin);
}

void NenGappiForm::recall()
{
    const SharedState& s = SharedState::get();
    if (!ibaraki()) {
        recallChart();
        return;
    }
    const QString kioku = s.Hand.IbaragiKiokuDate;
    if (!s.Site.has(QStringLiteral("KiokuRecall")) || !kioku.contains(QLatin1Char('.'))) {
        MsgBox::show(QStringLiteral("記憶されていません。"), Kakunin);
        return;
    }
    HandOver& h = SharedState::get().Hand;
    HidukeGd->setText(QStringLiteral("H") + kioku);
    const QStringList parts = kioku.split(QLatin1Char('.'));
    h.NenGappiYearOut = parts.value(0);
    h.NenGappiManthOut = parts.value(1);
    h.NenGappiDayOut = parts.value(2);
}

// The calving or insemination date that the open chart editor remembers for its animal; with no
// editor open there is no animal and nothing to recall.
void NenGappiForm::recallChart()
{
    HandOver& h = SharedState::get().Hand;
    const NewInputView* editor = SharedState::get().OpenEditor;
    QStringList line;
    if (editor) {
        const QString noukaCode = editor->mainGdText(19);
        const QString mimiban = editor->mainGdText(3);
        for (const QString& kioku : editor->kiokuList()) {
            const QStringList f = kioku.split(QLatin1Char('\''));
            if (f.size() > 1 && f.at(0) == noukaCode && f.at(1) == mimiban) {
                line = f;
                break;
            }
        }
    }
    if (!line.isEmpty() && (h.NenGappiMode == 1 || h.NenGappiMode == 2)) {
        const QString kioku = line.value(h.NenGappiMode == 1 ? 2 : 3);
        HidukeGd->setText(QStringLiteral("H") + kioku);
        if (kioku.contains(QLatin1Char('.'))) {
            const QStringList parts = kioku.split(QLatin1Char('.'));
            h.NenGappiYearOut = QString(parts.value(0)).remove(QLatin1Char('R')).remove(QLatin1Char('H'));
            h.NenGappiManthOut = parts.value(1);
            h.NenGappiDayOut = parts.value(2);
        }
    }
    if (line.isEmpty() || HidukeGd->text() == QStringLiteral("H"))
        MsgBox::show(QStringLiteral("記憶されていません。"), Kakunin);
}
