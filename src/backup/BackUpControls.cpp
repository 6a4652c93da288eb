#include "BackUpControls.h"

#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QListWidget>

namespace {
const QColor BarColor(0, 255, 0);
constexpr int TrackTop = 885;
constexpr int TrackHeight = 135;
constexpr int BarStart = 150;
} // namespace

BackUpControls::BackUpControls(QDialog* form, const QColor& back, int left, int top, int width, int height,
                               int trackLeft, int trackWidth)
    : QObject(form), form(form), trackLeft(trackLeft), trackWidth(trackWidth)
{
    for (int i = 0; i < 2; ++i) {
        WakuFrame[i] = new QFrame(form);
        WakuFrame[i]->setObjectName(QStringLiteral("WakuFrame%1").arg(i));
        WakuFrame[i]->setFrameShape(QFrame::NoFrame);
        WidgetColor::setBackColor(WakuFrame[i], back);
        TwipGeometry::place(WakuFrame[i], left, top, width, height);
    }
    SyoriLabel = label(1, QStringLiteral("処理中・・・・・。"), WakuFrame[0], 570, 630);
    for (int i = 0; i < 2; ++i) {
        SyoriSp[i] = new QFrame(WakuFrame[0]);
        SyoriSp[i]->setObjectName(QStringLiteral("SyoriSp%1").arg(i));
    }
    SyoriSp[0]->setFrameShape(QFrame::Box);
    SyoriSp[0]->setFrameShadow(QFrame::Plain);
    WidgetColor::setBackColor(SyoriSp[1], BarColor);
    TwipGeometry::place(SyoriSp[0], trackLeft, TrackTop, trackWidth, TrackHeight);
    TwipGeometry::place(SyoriSp[1], trackLeft, TrackTop, BarStart, TrackHeight);
    WakuFrame[0]->hide();

    CmdGd = new LabelButtonArray(form);
    const QColor hover = SharedState::get().ColorSet.HoverColor;
    if (hover.isValid())
        CmdGd->setHoverColor(hover);
}

QLabel* BackUpControls::label(int index, const QString& text, QWidget* parent, int left, int top, int width,
                              int height)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("Label1%1").arg(index));
    l->setFont(FontSetup::screenFont());
    if (width > 0) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        TwipGeometry::place(l, left, top, width, height);
    } else {
        l->move(TwipGeometry::px(left), TwipGeometry::px(top));
        l->adjustSize();
    }
    return l;
}

void BackUpControls::command(int index, const QString& caption, double points, bool bold, int left, int top,
                             int width, int height)
{
    LabelButton* b = CmdGd->add(caption, index, form);
    b->setObjectName(QStringLiteral("CmdGd%1").arg(index));
    QFont font = FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), points, bold);
    b->setFont(font);
    b->setAlignment(Qt::AlignCenter);
    TwipGeometry::place(b, left, top, width, height);
    // A caption wider than its box keeps its whole text.
    if (b->sizeHint().width() > b->width())
        b->resize(b->sizeHint().width(), b->height());
}

void BackUpControls::placeDrvList(int left, int top, int width, int height)
{
    DrvList = new QListWidget(form);
    DrvList->setObjectName(QStringLiteral("DrvList"));
    DrvList->setFont(FontSetup::screenFont());
    // A long mount point wraps inside the list instead of running out of sight.
    DrvList->setWordWrap(true);
    DrvList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TwipGeometry::place(DrvList, left, top, width, height);
}

void BackUpControls::load(bool withFixed)
{
    showProgress(false);
    fillDrives(withFixed);
}

void BackUpControls::dispatch(int index, const std::function<void()>& start)
{
    if (runningNow)
        return;
    if (index == 0)
        form->accept();
    else if (index == 1)
        start();
}

void BackUpControls::fillDrives(bool withFixed)
{
    drives = RemovableDrives::list(withFixed);
    DrvList->clear();
    for (const RemovableDrives::Drive& drive : drives)
        DrvList->addItem(drive.caption());
}

std::optional<RemovableDrives::Drive> BackUpControls::chosenDrive() const
{
    const int row = DrvList->currentRow();
    if (row < 0 || row >= drives.size() || !DrvList->item(row)->isSelected())
        return std::nullopt;
    return drives.at(row);
}

std::optional<RemovableDrives::Drive> BackUpControls::askDrive(const QString& noDriveText,
                                                               const QString& noChoiceText) const
{
    if (!hasDrives()) {
        MsgBox::show(noDriveText + QStringLiteral("\nまたは電源が入っていません。"), QStringLiteral("確認"),
                     MsgBox::OkOnly, MsgBox::Exclamation);
        return std::nullopt;
    }
    const std::optional<RemovableDrives::Drive> drive = chosenDrive();
    if (!drive)
        MsgBox::show(noChoiceText, QStringLiteral("確認"), MsgBox::OkOnly, MsgBox::Exclamation);
    return drive;
}

std::optional<ExchangeSide::Side> BackUpControls::askSide()
{
    const ExchangeSide::Side side = ExchangeSide::of(SharedState::get().Site);
    if (side != ExchangeSide::None)
        return side;
    MsgBox::show(ExchangeSide::noPartnerText(), QStringLiteral("確認"), MsgBox::OkOnly, MsgBox::Exclamation);
    return std::nullopt;
}

BackUpRun::Result BackUpControls::backUp(const BackUpPlan& plan, const RemovableDrives::Drive& drive, bool withFixed)
{
    BackUpRun run(drive, withFixed);
    run.progress = [this](int done, int total) { setBar(done, total); };
    setRunning(true);
    if (run.driveReady()) {
        showProgress(true);
        setBar(0, 1);
    }
    const BackUpRun::Result result = run.backUp(plan);
    setRunning(false);
    report(plan.kind, result);
    if (result.outcome == BackUpRun::Outcome::Done)
        showProgress(false);
    return result;
}

void BackUpControls::showProgress(bool on)
{
    WakuFrame[0]->setVisible(on);
    WakuFrame[1]->setVisible(!on);
}

void BackUpControls::setBar(int done, int total)
{
    const qint64 width = total > 0 ? 1 + qint64(trackWidth) * done / total : 1;
    TwipGeometry::place(SyoriSp[1], trackLeft, TrackTop, int(width), TrackHeight);
    form->repaint();
    QCoreApplication::processEvents();
}

void BackUpControls::setRunning(bool on)
{
    runningNow = on;
    for (int index : CmdGd->indexes())
        CmdGd->at(index)->setEnabled(!on);
}

void BackUpControls::report(BackUpPlan::Kind kind, const BackUpRun::Result& result)
{
    const bool done = result.outcome == BackUpRun::Outcome::Done;
    MsgBox::show(BackUpRun::report(kind, result), BackUpRun::title(kind, result.outcome), MsgBox::OkOnly,
                 done ? MsgBox::Information : MsgBox::Critical);
}
