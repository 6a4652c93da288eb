#include "IbaragiSyukeiForm.h"

#include "TcbLogFile.h"
#include "common/ExcelClipTransfer.h"
#include "common/FlexGrid.h"
#include "common/LabelButton.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "registers/OptionArray.h"
#include "treatment/NyuryokuLook.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
constexpr int Width = 18350;
constexpr int Height = 11000;

void notice(const TiryoboNotice& n)
{
    if (n)
        MsgBox::show(n->text, n->title);
}

FlexGrid::Alignment alignment(IbaragiSyukei::Align align)
{
    switch (align) {
    case IbaragiSyukei::Left: return FlexGrid::AlignLeft;
    case IbaragiSyukei::Right: return FlexGrid::AlignRight;
    default: return FlexGrid::AlignCenter;
    }
}
}

IbaragiSyukeiForm::IbaragiSyukeiForm(QWidget* parent) : QDialog(parent)
{
    const SharedState& s = SharedState::get();
    setObjectName(QStringLiteral("IbaragiSyukeiForm"));
    setWindowTitle(QStringLiteral("提出用抽出"));
    TwipGeometry::place(this, 500, 500, Width, Height);
    WidgetColor::setBackColor(this, s.ColorSet.BaseBackColor);
    auto* title = new QFrame(this);
    TwipGeometry::place(title, 50, 30, Width - 200, 120);
    WidgetColor::setBackColor(title, ColorSetInfo::TitleBannerColor());
    doctors = IbaragiSyukei::doctors(s.Site);
    buildMainFrame();
    buildSubFrame();
    CmdGd = NyuryokuLook::commands(this, {{Sakujyo, QStringLiteral("削除"), 12030, 375, 450},
                                          {Excel, QStringLiteral("Excelに送る"), 12570, 375, 1150},
                                          {Zen, QStringLiteral("全抽出"), 15585, 390, 700},
                                          {Modoru, QStringLiteral("メインメニューに戻る"), 16380, 375, 1900}});
    // "印刷済抽出" stands in the printed-log frame but belongs to the same command array.
    LabelButton* tcb = CmdGd->add(QStringLiteral("印刷済抽出"), Tcb, SubFrame);
    tcb->setObjectName(QStringLiteral("CmdGd%1").arg(Tcb));
    TwipGeometry::place(tcb, 150, 180, 1005, 270);
    CmdGd->resetOn(SubFrame);
    connect(CmdGd, &LabelButtonArray::clicked, this, &IbaragiSyukeiForm::CmdGd_Click);
    SagyoGd = NyuryokuLook::value(QStringLiteral("SagyoGd"), QString(), this, 13815, 375, 1700);
    buildGrid();
    DocOp->select(IbaragiSyukei::Zenin);
    DateOp->select(0);
}

void IbaragiSyukeiForm::buildMainFrame()
{
    MainFrame = new QGroupBox(this);
    TwipGeometry::place(MainFrame, 15, 180, 6960, 480);
    for (int i = 0; i < 2; ++i) {
        QLineEdit* box = NyuryokuLook::lineEdit(QStringLiteral("inpTx%1").arg(i), MainFrame, i == 0 ? 60 : 660, 135, 345, 270);
        NyuryokuLook::onEnter(box, [this] { inpTx[1]->setFocus(); });
        inpTx.append(box);
    }
    NyuryokuLook::label(QStringLiteral("年"), MainFrame, 435, 195, 200);
    NyuryokuLook::label(QStringLiteral("月"), MainFrame, 1080, 180, 200);
    tcbCmb = new QComboBox(MainFrame);
    tcbCmb->setObjectName(QStringLiteral("tcbCmb"));
    TwipGeometry::place(tcbCmb, 1350, 120, 1185, 300);
    tcbCmb->addItems(TcbLogFile::periods());
    tcbCmb->setCurrentIndex(-1);
    connect(tcbCmb, &QComboBox::activated, this, &IbaragiSyukeiForm::tcbCmb_Click);
    QStringList captions;
    for (const QString& surname : doctors)
        captions.append(IbaragiSyukei::caption(surname));
    captions.append(QStringLiteral("全員"));
    DocOp = NyuryokuLook::options(MainFrame, QStringLiteral("DocOp"), captions, 2595, 135, 1185);
}

void IbaragiSyukeiForm::buildSubFrame()
{
    SubFrame = new QGroupBox(this);
    TwipGeometry::place(SubFrame, 7035, 165, 4965, 510);
    const int left[] = {1800, 2760, 3420, 4260};
    const QStringList styles{QStringLiteral("ノーマル"), QStringLiteral("H**"), QStringLiteral("平成**"), QStringLiteral("令和*")};
    DateOp = new OptionArray(SubFrame);
    for (int i = 0; i < styles.size(); ++i) {
        QRadioButton* b = DateOp->add(styles.at(i), SubFrame);
        b->setObjectName(QStringLiteral("DateOp%1").arg(i));
        TwipGeometry::place(b, left[i], 180, (i + 1 < styles.size() ? left[i + 1] : 4950) - left[i], 270);
    }
    NyuryokuLook::label(QStringLiteral("日付"), SubFrame, 1335, 180, 400);
}

void IbaragiSyukeiForm::buildGrid()
{
    const ColorSetInfo& colors = SharedState::get().ColorSet;
    SyukeiGrid = new FlexGrid(this);
    SyukeiGrid->setObjectName(QStringLiteral("SyukeiGrid"));
    TwipGeometry::place(SyukeiGrid, 50, 900, Width - 200, 9845);
    SyukeiGrid->setCols(IbaragiSyukei::ColCount);
    SyukeiGrid->setRows(50);
    SyukeiGrid->setFixedRows(1);
    SyukeiGrid->setFixedCols(1);
    SyukeiGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    SyukeiGrid->setBackColorSel(ColorSetInfo::GridFixedBackColor());
    SyukeiGrid->setBackColorBkg(colors.BaseBackColor);
    SyukeiGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    SyukeiGrid->setRowHeightTwips(0, 800);
    SyukeiGrid->setDefaultRowHeightTwips(300);
    SyukeiGrid->setWordWrap(true);
    for (int c = 0; c < IbaragiSyukei::ColCount; ++c) {
        const IbaragiSyukei::Column& column = IbaragiSyukei::columns().at(c);
        SyukeiGrid->setColWidthTwips(c, column.width);
        SyukeiGrid->setColAlignment(c, alignment(column.align));
        SyukeiGrid->setTextMatrix(0, c, QString::fromUtf16(column.heading));
    }
    connect(SyukeiGrid, &FlexGrid::gridClick, this, [this](int row, int) { SyukeiGrid_Click(row); });
}

void IbaragiSyukeiForm::clearGrid()
{
    SyukeiGrid->setRows(1);
}

void IbaragiSyukeiForm::addRow(const QStringList& cells)
{
    const int r = SyukeiGrid->rows();
    SyukeiGrid->setRows(r + 1);
    for (int c = 0; c < cells.size() && c < IbaragiSyukei::ColCount; ++c)
        SyukeiGrid->setTextMatrix(r, c, cells.at(c));
}

IbaragiSyukei::Period IbaragiSyukeiForm::period() const
{
    return {SharedUtil::Trim(inpTx[0]->text()), SharedUtil::Trim(inpTx[1]->text())};
}

void IbaragiSyukeiForm::CmdGd_Click(int index)
{
    switch (index) {
    case Modoru: accept(); break;
    case Zen:
        if (MsgBox::ask(QStringLiteral("全抽出を実行します。"), QStringLiteral("全抽出")))
            ZenTyusyutuProc();
        break;
    case Excel:
        ExcelClipTransfer(*SyukeiGrid, 0, IbaragiSyukei::LogCol - 1);
        SyukeiGrid->clearSelection();
        break;
    case Tcb: TcbTyusyutuProc(); break;
    case Sakujyo: deleteLog(); break;
    default: break;
    }
}

void IbaragiSyukeiForm::tcbCmb_Click(int index)
{
    const QString text = tcbCmb->itemText(index);
    if (!text.contains(QStringLiteral("年")))
        return;
    inpTx[0]->setText(text.section(QStringLiteral("年"), 0, 0));
    inpTx[1]->setText(text.section(QStringLiteral("年"), 1).remove(QStringLiteral("月")));
    inpTx[1]->setFocus();
}

void IbaragiSyukeiForm::ZenTyusyutuProc()
{
    const IbaragiSyukei::Period p = period();
    if (const TiryoboNotice n = IbaragiSyukei::missing(p)) {
        notice(n);
        return;
    }
    if (!IbaragiSyukei::monthTaken(p.month))
        return;
    SagyoGd->setText(QStringLiteral("抽出中･･････"));
    SagyoGd->show();
    QApplication::processEvents();
    QStringList reports;
    const QList<QStringList> rows = IbaragiSyukei::ZenTyusyutuProc(
        SharedState::get().KarteFileList, p, doctors, DocOp->chosen(), nullptr, &reports);
    clearGrid();
    for (int i = 0; i < rows.size(); ++i)
        addRow(QStringList{QString::number(i + 1)} + rows.at(i));
    SagyoGd->hide();
    if (!reports.isEmpty())
        MsgBox::show(QStringLiteral("読めないカルテがあったため、次のファイルを飛ばしました。\n") + reports.join(QLatin1Char('\n')),
                     QStringLiteral("確認"));
}

void IbaragiSyukeiForm::TcbTyusyutuProc()
{
    TcbLogLines.clear();
    const IbaragiSyukei::Period p = period();
    const int chosen = DocOp->chosen();
    const QString surname = chosen >= 0 && chosen < IbaragiSyukei::Zenin ? doctors.value(chosen) : QString();
    if (const TiryoboNotice n = IbaragiSyukei::missing(p)) {
        notice(n);
        return;
    }
    TcbLogPath = TcbLogFile::path(p.year, p.month);
    clearGrid();
    const TcbLogFile::Log log = TcbLogFile::read(TcbLogPath);
    SagyoGd->hide();
    if (log.status == TcbLogFile::Status::Missing) {
        MsgBox::show(QStringLiteral("%1年%2月の印刷済データはありません。").arg(p.year, p.month), QStringLiteral("確認"));
        return;
    }
    if (log.status == TcbLogFile::Status::Error) {
        MsgBox::show(log.errorText, QStringLiteral("確認"));
        return;
    }
    TcbLogLines = log.lines;
    for (const QString& line : TcbLogLines) {
        if (IbaragiSyukei::logShown(line, surname))
            addRow(IbaragiSyukei::logRow(line, DateOp->chosen()));
    }
}

void IbaragiSyukeiForm::SyukeiGrid_Click(int row)
{
    for (int r = 0; r < SyukeiGrid->rows(); ++r)
        SyukeiGrid->setTextMatrix(r, 0, r == row ? QStringLiteral("○") : QString());
}

void IbaragiSyukeiForm::deleteLog()
{
    if (!MsgBox::ask(QStringLiteral("選択行(○が付いた行)を削除します。\n削除後は、再度「印刷済抽出」を実行しても表示されません。"),
                     QStringLiteral("削除")))
        return;
    if (TcbLogLines.isEmpty()) {
        MsgBox::show(QStringLiteral("抽出されていません(削除できるのは「印刷済抽出」のみです。)"), QStringLiteral("確認"));
        return;
    }
    QString line;
    for (int r = 1; r < SyukeiGrid->rows() && line.isEmpty(); ++r) {
        if (SyukeiGrid->textMatrix(r, 0) == QStringLiteral("○"))
            line = SyukeiGrid->textMatrix(r, IbaragiSyukei::LogCol);
    }
    if (line.isEmpty()) {
        MsgBox::show(QStringLiteral("行が選択されていません。"), QStringLiteral("確認"));
        return;
    }
    const qsizetype at = TcbLogLines.lastIndexOf(line);
    if (at < 0) {
        MsgBox::show(QStringLiteral("削除できません。"), QStringLiteral("確認"));
        return;
    }
    QStringList kept = TcbLogLines;
    kept.removeAt(at);
    QString error;
    if (!TcbLogFile::write(TcbLogPath, kept, &error)) {
        MsgBox::show(error, QStringLiteral("削除"));
        return;
    }
    TcbTyusyutuProc();
}
