#include "PLForm.h"

#include "NyuryokuLook.h"
#include "PLTestText.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {
enum Command { Tojiru, Ok };
const QColor Blue(0, 0, 255);
const QStringList Grades{QStringLiteral("-"), QStringLiteral("±"), QStringLiteral("+"), QStringLiteral("++"),
                         QStringLiteral("+++"), QStringLiteral("血"), QStringLiteral("×"), QStringLiteral("盲")};
const QStringList QuarterNames{QStringLiteral("前左"), QStringLiteral("前右"), QStringLiteral("後左"), QStringLiteral("後右")};
constexpr int GradeWidth = 650;
constexpr int GradeHeight = 300;

// The index of a grade of a quarter: the five first grades by quarter, then 血, × and 盲.
int sentakuIndex(int quarter, int grade)
{
    return grade < 5 ? quarter * 5 + grade : 20 + (grade - 5) * 4 + quarter;
}

// Place of a grade in its panel (row, column); "入力文字" stands after 盲.
QPoint gradePlace(int grade)
{
    if (grade < 4)
        return {grade, 0};
    return grade < 7 ? QPoint(grade - 4, 1) : QPoint(0, 2);
}
}

int PLForm::quarterOf(int sentaku)
{
    return sentaku < 20 ? sentaku / 5 : (sentaku - 20) % 4;
}

QString PLForm::gradeOf(int sentaku)
{
    return Grades.value(sentaku < 20 ? sentaku % 5 : 5 + (sentaku - 20) / 4);
}

PLForm::PLForm(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("PLForm"), 3000, 1500, 6600, 5300);
    NyuryokuLook::label(QStringLiteral("PLテスト"), this, 150, 100, 1500);
    SentakuGd = new LabelButtonArray(this);
    InpGd = new LabelButtonArray(this);
    for (int q = 0; q < 4; ++q)
        buildQuarter(q);
    connect(SentakuGd, &LabelButtonArray::clicked, this, &PLForm::SentakuGd_Click);
    connect(InpGd, &LabelButtonArray::clicked, this, &PLForm::InpGd_Click);
    NyuryokuLook::label(QStringLiteral("入力文字="), this, 150, 4650, 1000);
    inpTx = NyuryokuLook::lineEdit(QStringLiteral("inpTx"), this, 1150, 4620, 3000);
    CmdGd = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), 4700, 100, 700},
                                          {Tojiru, QStringLiteral("閉る"), 5600, 100, 700}},
                                   false);
    connect(CmdGd, &LabelButtonArray::clicked, this, &PLForm::CmdGd_Click);
    installEventFilter(this);
    setMouseTracking(true);
    paintBlue();
    SharedState::get().Hand.PLTestOut.clear();
    const PLTestText::Results results = PLTestText::parse(SharedState::get().Hand.PLTestIn);
    for (int q = 0; q < 4; ++q)
        PLgd[q]->setText(results.at(q));
}

void PLForm::buildQuarter(int q)
{
    const int left = 150 + (q % 2) * 3200;
    const int top = 500 + (q / 2) * 2000;
    NyuryokuLook::label(QuarterNames.at(q), this, left, top, 600);
    PLgd.append(NyuryokuLook::value(QStringLiteral("PLgd%1").arg(q), QString(), this, left + 650, top, 2200));
    auto* waku = new QFrame(this);
    waku->setObjectName(QStringLiteral("Waku%1").arg(q));
    waku->setFrameShape(QFrame::Box);
    WidgetColor::setBackColor(waku, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(waku, left, top + 350, 2900, 3 * GradeHeight + 200);
    waku->installEventFilter(this);
    waku->setMouseTracking(true);
    Waku.append(waku);
    auto* marker = new QFrame(waku);
    marker->setFrameShape(QFrame::Box);
    TwipGeometry::place(marker, -2000, -2000, GradeWidth, GradeHeight);
    Marker.append(marker);
    auto place = [](QWidget* w, QPoint p) {
        TwipGeometry::place(w, 100 + p.y() * GradeWidth, 100 + p.x() * GradeHeight, GradeWidth, GradeHeight);
    };
    for (int g = 0; g < Grades.size(); ++g) {
        LabelButton* label = SentakuGd->add(Grades.at(g), sentakuIndex(q, g), waku);
        label->setObjectName(QStringLiteral("SentakuGd%1").arg(sentakuIndex(q, g)));
        label->setAlignment(Qt::AlignCenter);
        place(label, gradePlace(g));
        label->installEventFilter(this);
    }
    LabelButton* inp = InpGd->add(QStringLiteral("入力文字"), q, waku);
    inp->setObjectName(QStringLiteral("InpGd%1").arg(q));
    place(inp, QPoint(1, 2));
    inp->resize(2 * inp->width(), inp->height());
    inp->installEventFilter(this);
}

void PLForm::paintBlue()
{
    for (LabelButtonArray* array : {SentakuGd, InpGd}) {
        for (int i : array->indexes()) {
            array->at(i)->setNormalColor(Blue);
            array->at(i)->unhover();
        }
    }
}

void PLForm::SentakuGd_Click(int index)
{
    PLgd[quarterOf(index)]->setText(gradeOf(index));
}

void PLForm::InpGd_Click(int quarter)
{
    if (inpTx->text().isEmpty()) {
        MsgBox::show(QStringLiteral("入力文字を入力してください。"), QStringLiteral("確認"));
        return;
    }
    PLgd[quarter]->setText(SharedUtil::KaigyoDelProc(inpTx->text()));
}

void PLForm::CmdGd_Click(int index)
{
    QString& out = SharedState::get().Hand.PLTestOut;
    if (index == Ok) {
        out = PLTestText::build({PLgd[0]->text(), PLgd[1]->text(), PLgd[2]->text(), PLgd[3]->text()});
        accept();
        return;
    }
    out.clear();
    reject();
}

bool PLForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        if (auto* label = qobject_cast<LabelButton*>(watched)) {
            const int q = int(Waku.indexOf(qobject_cast<QFrame*>(label->parentWidget())));
            if (q >= 0)
                Marker[q]->setGeometry(label->geometry());
        }
    } else if (event->type() == QEvent::MouseMove && (watched == this || Waku.contains(qobject_cast<QFrame*>(watched)))) {
        paintBlue();
    }
    return QDialog::eventFilter(watched, event);
}
