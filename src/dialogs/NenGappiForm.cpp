#include "NenGappiForm.h"

#include "common/DataPath.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "common/ValueReader.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {
const QColor SelectColor(0, 0, 128);
const QColor NormalColor(Qt::black);

struct GroupLayout
{
    QStringList captions; // by label index
    int left;
};

// Label index and caption of each group; the year tens lists 0 to 3 and, apart, 6.
const QList<GroupLayout> Layouts{
    {{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("6"), QStringLiteral("3")}, 150},
    {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 650},
    {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}, 1350},
    {{"0", "1", "2", "3"}, 2050},
    {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 2550}};

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
} // namespace

NenGappiForm::NenGappiForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NenGappiForm"));
    TwipGeometry::resize(this, 3600, 5600);
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.DialogBackColor);
    buildDigits();
    buildControls();
    Form_Load();
}

QString NenGappiForm::kiokuPath()
{
    return DataPath::file(QStringLiteral("set\\KiokuDate.ini"));
}

void NenGappiForm::buildDigits()
{
    const QStringList headings{QStringLiteral("<<年>>"), QStringLiteral("<<月>>"), QStringLiteral("<<日>>")};
    const int headingLefts[] = {150, 1350, 2050};
    for (int h = 0; h < 3; ++h)
        TwipGeometry::place(new QLabel(headings.at(h), this), headingLefts[h], 700, 900, 270);
    Shape1 = new QFrame(this);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->hide();
    for (int g = 0; g < Layouts.size(); ++g) {
        auto* array = new LabelButtonArray(this);
        array->setHoverColor(NormalColor);
        const QStringList& captions = Layouts.at(g).captions;
        for (int i = 0; i < captions.size(); ++i) {
            LabelButton* label = array->add(captions.at(i), i, this);
            label->setObjectName(QStringLiteral("Digit%1_%2").arg(g).arg(captions.at(i)));
            label->setAlignment(Qt::AlignCenter);
            label->setAutoFillBackground(true);
            TwipGeometry::place(label, Layouts.at(g).left, 1000 + rowOf(g, i) * 300, 400, 280);
            label->installEventFilter(this);
        }
        connect(array, &LabelButtonArray::clicked, this,
                [this, g, captions](int i) { DigitGd_Click(Group(g), captions.at(i)); });
        groups.append(array);
    }
}

void NenGappiForm::buildControls()
{
    TwipGeometry::place(new QLabel(QStringLiteral("日付"), this), 150, 100, 800, 270);
    HidukeGd = new QLabel(this);
    HidukeGd->setObjectName(QStringLiteral("HidukeGd"));
    TwipGeometry::place(HidukeGd, 150, 370, 2000, 300);
    Label1 = new LabelButtonArray(this);
    TwipGeometry::place(Label1->add(QStringLiteral("閉る"), 0, this), 2500, 100, 900, 270);
    TwipGeometry::place(Label1->add(QStringLiteral("OK"), 1, this), 2500, 400, 900, 270);
    TwipGeometry::place(Label1->add(QStringLiteral("記憶呼び出し"), 2, this), 2200, 4800, 1300, 270);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &NenGappiForm::Label1_Click);
    OpFrame = new QFrame(this);
    TwipGeometry::place(OpFrame, 150, 4700, 2000, 700);
    inpTx = new QLineEdit(OpFrame);
    inpTx->setObjectName(QStringLiteral("inpTx"));
    TwipGeometry::place(inpTx, 0, 0, 500, 300);
    Label3 = new QLabel(OpFrame);
    TwipGeometry::place(Label3, 0, 350, 2000, 270);
    OpFrame->hide();
}

void NenGappiForm::Form_Load()
{
    const SharedState& s = SharedState::get();
    const int mode = s.Hand.NenGappiMode;
    if (s.ken == Ken::Kagoshima) {
        Label3->setText(QStringLiteral("1=未経産 2=流産"));
        OpFrame->setVisible(mode != 0);
    } else if (s.ken == Ken::Tottori) {
        Label3->setText(QStringLiteral("1=未経産2=未授精"));
        OpFrame->setVisible(mode != 0 && mode != -1);
        Label1->at(2)->setVisible(mode != -1);
    }
    date.presetToday(s.TodayDate);
    groups[Year1Gd]->at(3)->setVisible(s.Hand.NenGappiBirthMode == 1);
    if (ibaraki()) {
        const QStringList lines = TextFile::read(DataPath::resolve(kiokuPath())).texts();
        date.presetKioku(ValueReader::lineValues(lines.value(0)).value(0));
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
    case DayGd2: break;
    }
    return date.Day2;
}

void NenGappiForm::DigitGd_Click(Group group, const QString& caption)
{
    value(group) = caption;
    NenGappiSetProc();
}

void NenGappiForm::paintGroups()
{
    for (int g = 0; g < groups.size(); ++g) {
        const QString chosen = value(Group(g));
        for (const int i : groups[g]->indexes()) {
            LabelButton* label = groups[g]->at(i);
            const bool on = label->text() == chosen;
            QPalette p = label->palette();
            p.setColor(QPalette::Window, on ? SelectColor : palette().color(QPalette::Window));
            label->setPalette(p);
            label->setNormalColor(on ? QColor(Qt::white) : NormalColor);
        }
    }
}

void NenGappiForm::NenGappiSetProc()
{
    if (OpFrame->isVisibleTo(this))
        inpTx->clear();
    HandOver& h = SharedState::get().Hand;
    h.NenGappiOut = date.text();
    h.NenGappiYearOut = date.yearOut();
    h.NenGappiManthOut = date.Manth;
    h.NenGappiDayOut = date.day();
    HidukeGd->setText(h.NenGappiOut);
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
        MsgBox::show(error, QStringLiteral("確認"));
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
        MsgBox::show(QStringLiteral("記憶されていません。"), QStringLiteral("確認"));
        return;
    }
    HandOver& h = SharedState::get().Hand;
    HidukeGd->setText(QStringLiteral("H") + kioku);
    const QStringList parts = kioku.split(QLatin1Char('.'));
    h.NenGappiYearOut = parts.value(0);
    h.NenGappiManthOut = parts.value(1);
    h.NenGappiDayOut = parts.value(2);
}

// The chart editor's remembered calving or insemination date of its open animal.
void NenGappiForm::recallChart()
{
    HandOver& h = SharedState::get().Hand;
    int found = -1;
    for (int i = 0; i < h.KiokuList.size() && found < 0; ++i) {
        const QStringList f = h.KiokuList.at(i).split(QLatin1Char('\''));
        if (h.KiokuList.at(i).contains(QLatin1Char('\'')) && f.at(0) == h.KiokuNoukaCode && f.value(1) == h.KiokuMimiban)
            found = i;
    }
    if (found >= 0 && (h.NenGappiMode == 1 || h.NenGappiMode == 2)) {
        const QString kioku = h.KiokuList.at(found).split(QLatin1Char('\'')).value(h.NenGappiMode == 1 ? 2 : 3);
        HidukeGd->setText(QStringLiteral("H") + kioku);
        if (kioku.contains(QLatin1Char('.'))) {
            const QStringList parts = kioku.split(QLatin1Char('.'));
            h.NenGappiYearOut = QString(parts.value(0)).remove(QLatin1Char('R')).remove(QLatin1Char('H'));
            h.NenGappiManthOut = parts.value(1);
            h.NenGappiDayOut = parts.value(2);
        }
    }
    if (found < 0 || HidukeGd->text() == QStringLiteral("H"))
        MsgBox::show(QStringLiteral("記憶されていません。"), QStringLiteral("確認"));
}

bool NenGappiForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        auto* label = qobject_cast<QWidget*>(watched);
        const int extra = TwipGeometry::px(50);
        Shape1->setGeometry(label->x() - extra, label->y(), label->width() + extra, label->height());
        Shape1->show();
        Shape1->raise();
    }
    return QDialog::eventFilter(watched, event);
}
