#include "SindansyoPrintDialog.h"

#include "common/DoctorInfoFile.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "dialogs/NenGappiForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QColor HeadingColor(0, 192, 0);
const QColor NoteColor(128, 128, 255);
const QColor GuideColor(192, 64, 0);
const QColor ValueColor(0, 0, 192);
const QColor Grey(128, 128, 128);

SindansyoPrintDialog::NendoPicker& nendoPicker()
{
    static SindansyoPrintDialog::NendoPicker picker;
    return picker;
}

QFont commandFont()
{
    QFont f = FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9.75);
    f.setUnderline(true);
    return f;
}

} // namespace

void SindansyoPrintDialog::setNendoPicker(NendoPicker picker)
{
    nendoPicker() = std::move(picker);
}

SindansyoPrintDialog::SindansyoPrintDialog(const Frame& frame, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    TwipGeometry::resize(this, frame.width, frame.height);
    move(TwipGeometry::px(frame.left), TwipGeometry::px(frame.top));
    Label2 = addLabel(QStringLiteral("印刷"), 150, 105, HeadingColor, 11.25);
    Label2->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 11.25, true));
    Label2->adjustSize();
    if (!frame.shosiki.isEmpty())
        ShosikiLabel = addLabel(QStringLiteral("書式：") + frame.shosiki, 2070, 150, NoteColor, 8.25);
    Label1 = addLabel(QStringLiteral("カルテを印刷します。用紙をセットし印刷開始をクリックしてください。"), 120, 570, NoteColor);
    Label1->setWordWrap(true);
    TwipGeometry::place(Label1, 120, 570, 4305, 465);
    GuideGd = addLabel(QString(), 2220, 810, GuideColor);
    HidukeGd = addLabel(QStringLiteral("?"), 1890, 1110, ValueColor, 9.75);
    HidukeGd->setObjectName(QStringLiteral("HidukeGd"));
    NenDoGd = addLabel(QStringLiteral("?"), 1905, 1350, ValueColor, 9.75);
    NenDoGd->setObjectName(QStringLiteral("NenDoGd"));
    GuideGd->setObjectName(QStringLiteral("GuideGd"));

    CmdGd = new LabelButtonArray(this);
    const struct { QString caption; int left, top; } commands[] = {
        {QStringLiteral("閉る"), 3795, 120},
        {QStringLiteral("印刷開始"), 3300, 1125},
        {QStringLiteral("[カルテの日付]"), 420, 1080},
        {QStringLiteral("[年度]"), 1140, 1350},
    };
    for (int i = 0; i < 4; ++i) {
        LabelButton* b = CmdGd->add(commands[i].caption, i, this);
        b->setObjectName(SindansyoPrintContext::arrayName(QStringLiteral("CmdGd"), i));
        b->setFont(commandFont());
        b->setAlignment(Qt::AlignCenter);
        b->move(TwipGeometry::px(commands[i].left), TwipGeometry::px(commands[i].top));
        b->adjustSize();
    }
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &SindansyoPrintDialog::CmdGd_Click);

    addRule(30, 15, 4575, 15, Grey);
    addRule(30, 405, 4560, 405, Grey);
    addRule(3405, 30, 3405, 405, QColor(224, 224, 224));
}

void SindansyoPrintDialog::Form_Load()
{
    SharedState& s = SharedState::get();
    WidgetColor::setBackColor(this, s.ColorSet.DialogBackColor);
    GuideGd->clear();
    if (reportSettingFiles)
        settingProblems = DoctorInfoFile::loadChecked(s.DoctorInfo);
    else
        DoctorInfoFile::load(s.DoctorInfo);
    HidukeGd->setText(s.Hand.PrintHiduke);
    HidukeGd->adjustSize();
    if (s.Hand.PrintNendo.isEmpty() && defaultNendo)
        s.Hand.PrintNendo = s.DefaultNendo;
    NenDoGd->setText(s.Hand.PrintNendo);
    NenDoGd->adjustSize();
    for (QCheckBox* box : findChildren<QCheckBox*>())
        WidgetColor::setBackColor(box, s.ColorSet.DialogBackColor);
    optionsLoad();
    if (!settingProblems.isEmpty())
        MsgBox::show(QStringLiteral("設定ファイルを読み込めませんでした。\n") + settingProblems.join(QLatin1Char('\n')),
                     QStringLiteral("確認"));
}

QLabel* SindansyoPrintDialog::addLabel(const QString& text, int left, int top, const QColor& color, double points)
{
    auto* label = new QLabel(text, this);
    label->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), points));
    WidgetColor::setForeColor(label, color);
    label->move(TwipGeometry::px(left), TwipGeometry::px(top));
    label->adjustSize();
    return label;
}

QCheckBox* SindansyoPrintDialog::addCheck(const QString& name, const QString& caption, int left, int top, int width,
                                          int height)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setFont(FontSetup::screenFont());
    TwipGeometry::place(box, left, top, width, height);
    return box;
}

QLineEdit* SindansyoPrintDialog::addTextBox(const QString& name, int left, int top, int width, int height)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setFont(FontSetup::screenFont());
    box->setAlignment(Qt::AlignCenter);
    TwipGeometry::place(box, left, top, width, height);
    return box;
}

QFrame* SindansyoPrintDialog::addRule(int x1, int y1, int x2, int y2, const QColor& color)
{
    auto* line = new QFrame(this);
    line->setFrameShape(x1 == x2 ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    WidgetColor::setForeColor(line, color);
    if (x1 == x2)
        line->setGeometry(TwipGeometry::px(x1), TwipGeometry::px(y1), 1, TwipGeometry::px(y2 - y1));
    else
        line->setGeometry(TwipGeometry::px(x1), TwipGeometry::px(y1), TwipGeometry::px(x2 - x1), 1);
    return line;
}

void SindansyoPrintDialog::CmdGd_Click(int index)
{
    switch (index) {
    case 0:
        closeCommand();
        accept();
        break;
    case 1:
        printCommand = 1;
        PrintStart();
        break;
    case 2: HidukeSelect(); break;
    case 3: NendoSelect(); break;
    default: extraCommand(index); break;
    }
}

void SindansyoPrintDialog::HidukeSelect()
{
    HandOver& h = SharedState::get().Hand;
    h.NenGappiBirthMode = 0;
    h.NenGappiMode = 0;
    NenGappiForm picker(this);
    ModalHost::exec(picker);
    // Only a date completed in the picker replaces the shown one.
    if (!h.NenGappiYearOut.isEmpty() && !h.NenGappiOut.isEmpty()) {
        HidukeGd->setText(h.NenGappiOut);
        HidukeGd->adjustSize();
    }
}

void SindansyoPrintDialog::NendoSelect()
{
    if (nendoPicker())
        nendoPicker()(this);
    NenDoGd->setText(SharedState::get().Hand.PrintNendo);
    NenDoGd->adjustSize();
}

SindansyoPrintContext SindansyoPrintDialog::printContext() const
{
    SindansyoPrintContext context = SindansyoPrintContext::take(SharedState::get(), SharedState::get().OpenEditor);
    context.PrintHiduke = HidukeGd->text();
    context.NenDo = NenDoGd->text();
    for (const QCheckBox* box : findChildren<QCheckBox*>())
        context.controls.insert(box->objectName(), box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    for (const QRadioButton* op : findChildren<QRadioButton*>())
        context.controls.insert(op->objectName(), op->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    for (const QLineEdit* box : findChildren<QLineEdit*>())
        context.controls.insert(box->objectName(), box->text());
    return context;
}

void SindansyoPrintDialog::showStatus(const QString& text)
{
    GuideGd->setText(text);
    GuideGd->adjustSize();
    QCoreApplication::processEvents();
}

void SindansyoPrintDialog::PrintStart()
{
    printStartPrepare();
    QString refusal = SindansyoPrintRun::check(HidukeGd->text(), NenDoGd->text());
    if (refusal.isEmpty())
        refusal = printStartCheck();
    if (!refusal.isEmpty()) {
        MsgBox::show(refusal, QStringLiteral("確認"));
        return;
    }
    SharedState::get().Hand.PrintHiduke = HidukeGd->text();
    printStartBegin();
    const int pages = SindansyoPrintRun::run(printContext(), SharedState::get().PrintJobList,
                           [this](PrintDevice& device, const SindansyoPrintContext& context, const PrintJobEntry& entry) {
                               return body(device, context, entry);
                           },
                           [this](const QString& text) { showStatus(text); }, &printEnded);
    printStartEnd(pages);
}

void SindansyoPrintDialog::done(int result)
{
    unload();
    QDialog::done(result);
}
