#include "YakuhinCommand.h"

#include "YakuhinMeisaiPrintProc.h"

#include "common/ExcelClipTransfer.h"
#include "common/FlexGrid.h"
#include "common/ListedText.h"
#include "common/MsgBox.h"
#include "common/PrintDevice.h"
#include "common/PrintDeviceSource.h"
#include "common/PrintEndMessage.h"
#include "common/SharedState.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace {

struct Heading
{
    QString text;
    int width;
    FlexGrid::Alignment alignment;
};
const QList<Heading> Headings = {
    {QStringLiteral("No"), 450, FlexGrid::AlignCenter},
    {QStringLiteral("薬名"), 3300, FlexGrid::AlignLeft},
    {QStringLiteral("規格・適用"), 2200, FlexGrid::AlignLeft},
    {QStringLiteral("数量"), 750, FlexGrid::AlignCenter},
    {QString(), 1, FlexGrid::AlignGeneral},
};

YakuhinSyukei::Joken boxes(const YakuhinCommand::Controls& c)
{
    return {c.nenTx->text(), c.fromTx->text(), c.toTx->text()};
}

void setRunning(const YakuhinCommand::Controls& c, bool on)
{
    for (QWidget* w : c.commands)
        w->setEnabled(!on);
    c.status->setText(YakuhinCommand::statusText());
    c.status->setVisible(on);
    QCoreApplication::processEvents();
}

// Refuses a tally without its months: the message, the focus into the box.
bool monthsGiven(const YakuhinCommand::Controls& c)
{
    if (c.fromTx->text().isEmpty()) {
        MsgBox::show(QStringLiteral("年月を入力してください。"), QStringLiteral("確認"));
        c.fromTx->setFocus();
        return false;
    }
    if (c.toTx->text().isEmpty()) {
        MsgBox::show(QStringLiteral("1カ月のみを集計する場合は、右入力欄にも左入力欄と同年月を入力してください。"),
                     QStringLiteral("確認"));
        c.toTx->setFocus();
        return false;
    }
    return true;
}

} // namespace

void YakuhinCommand::setupGrid(FlexGrid& DataGrid)
{
    DataGrid.setFixedRows(1);
    DataGrid.setFixedCols(1);
    DataGrid.setCols(int(Headings.size()));
    DataGrid.setRows(1);
    for (int c = 0; c < Headings.size(); ++c) {
        DataGrid.setTextMatrix(0, c, Headings.at(c).text);
        DataGrid.setColWidthTwips(c, Headings.at(c).width);
        DataGrid.setColAlignment(c, Headings.at(c).alignment);
    }
    DataGrid.setFixedAlignment(-1, FlexGrid::AlignCenter);
}

void YakuhinCommand::fillGrid(FlexGrid& DataGrid, const QList<YakuhinSyukei::Row>& rows)
{
    DataGrid.setRows(1 + int(rows.size()));
    for (int r = 1; r <= rows.size(); ++r) {
        const YakuhinSyukei::Row& row = rows.at(r - 1);
        const QStringList cells = {QString::number(r), row.name, row.kikaku, row.suryo, QString()};
        for (int c = 0; c < cells.size(); ++c)
            DataGrid.setTextMatrix(r, c, cells.at(c));
    }
}

QList<YakuhinSyukei::Row> YakuhinCommand::gridRows(const FlexGrid& DataGrid)
{
    QList<YakuhinSyukei::Row> rows;
    for (int r = 1; r < DataGrid.rows(); ++r)
        rows.append({DataGrid.textMatrix(r, 1), DataGrid.textMatrix(r, 2), DataGrid.textMatrix(r, 3)});
    return rows;
}

void YakuhinCommand::YakuhinSyukeiProc(const Controls& c)
{
    setRunning(c, true);
    if (!monthsGiven(c)) {
        setRunning(c, false);
        return;
    }
    SharedState& s = SharedState::get();
    s.refreshKarteFileList();
    const auto progress = [&c](int done, int total) {
        c.status->setText(statusText() + QStringLiteral(" %1/%2").arg(done).arg(total));
        QCoreApplication::processEvents();
    };
    const YakuhinSyukei syukei = YakuhinSyukei::YakuhinSyukeiProc(boxes(c), s.karteFolder(), s.KarteFileList.names(), progress);
    fillGrid(*c.DataGrid, syukei.rows());
    if (c.GridHeightProc)
        c.GridHeightProc();
    setRunning(c, false);
    MsgBox::show(QStringLiteral("集計終了。")
                     + ListedText(QStringLiteral("次のカルテは読めないため、集計していません。"), syukei.reports),
                 QStringLiteral("確認"));
}

void YakuhinCommand::YakuhinMeisaiPrintProc(const Controls& c)
{
    const std::shared_ptr<PrintDevice> device = PrintDeviceSource::open(QStringLiteral("薬品使用明細"));
    QString error;
    const bool ended =
        ::YakuhinMeisaiPrintProc(*device, gridRows(*c.DataGrid), boxes(c), SharedState::get().TwipPerMm, &error);
    PrintEndMessage(*device, ended, error);
}

void YakuhinCommand::transfer(FlexGrid& DataGrid)
{
    ExcelClipTransfer(DataGrid, 0, DataGrid.cols() - 1);
}
