#include "CheckForm.h"

#include "CheckPrintProc.h"
#include "CheckSyukei.h"

#include "common/DialogLook.h"
#include "common/ExcelClipTransfer.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/ListedText.h"
#include "common/MsgBox.h"
#include "common/PrintDevice.h"
#include "common/PrintDeviceSource.h"
#include "common/PrintEndMessage.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QCoreApplication>
#include <QLabel>

namespace {
const int BlockWidths[] = {1200, 1100, 2000};
const QColor White(255, 255, 255);

QString infoText()
{
    return QStringLiteral("処理中・・・・・・・");
}
} // namespace

CheckForm::CheckForm(const QList<QStringList>& syukeiRows, QWidget* parent) : QDialog(parent), rows(syukeiRows)
{
    setObjectName(QStringLiteral("CheckForm"));
    const SharedState& s = SharedState::get();
    DialogLook::frameless(this, 0, 0, 15270, 10965, s.ColorSet.DialogBackColor);
    DialogLook::titleLabel(QStringLiteral("重複チェック"), this, 150, 120, 11.25);
    QLabel* hint = DialogLook::label(QStringLiteral("往診の入力がある場合は、耳標の頭に「往」が付き、欄が黄色になります。"
                                                    "（Excelには色は付きません）"),
                                     this, 2175, 180);
    hint->setObjectName(QStringLiteral("Label2_1"));
    infoGd = DialogLook::colorLabel(infoText(), this, 10110, 180, 9, Qt::black);
    infoGd->setObjectName(QStringLiteral("infoGd"));
    CmdGd = new LabelButtonArray(this);
    if (s.ColorSet.HoverColor.isValid())
        CmdGd->setHoverColor(s.ColorSet.HoverColor);
    DialogLook::command(CmdGd, QStringLiteral("実行"), 1, this, 12075, 165);
    DialogLook::command(CmdGd, QStringLiteral("Excelに送る"), 2, this, 12990, 165);
    DialogLook::command(CmdGd, QStringLiteral("閉る"), 0, this, 14610, 165);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &CheckForm::CmdGd_Click);
    DialogLook::greyRule(this, 30, 60, 15135);
    DialogLook::greyRule(this, 30, 420, 15135);

    ResGrid = new FlexGrid(this);
    ResGrid->setObjectName(QStringLiteral("ResGrid"));
    ResGrid->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    TwipGeometry::place(ResGrid, 60, 585, 15075, 10125);
    CmdGd->resetOn(ResGrid);
    Form_Load();
}

void CheckForm::Form_Load()
{
    const SharedState& s = SharedState::get();
    ResGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    ResGrid->setBackColorSel(ColorSetInfo::GridFixedBackColor());
    ResGrid->setBackColorBkg(s.ColorSet.BaseBackColor);
    ResGrid->setBackColor(White);
    infoGd->hide();
    showTable(CheckSyukei::openingTable());
}

void CheckForm::showTable(const QList<QStringList>& table)
{
    ResGrid->hide();
    ResGrid->setRows(0);   // drops the merged cells of an earlier result
    ResGrid->setCols(0);
    ResGrid->setFixedRows(2);
    ResGrid->setFixedCols(1);
    const int cols = table.isEmpty() ? 1 : int(table.first().size());
    ResGrid->setCols(cols);
    ResGrid->setRows(int(table.size()));
    ResGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    ResGrid->setColWidthTwips(0, 350);
    for (int c = 1; c < cols; ++c) {
        ResGrid->setColWidthTwips(c, BlockWidths[(c - 1) % 3]);
        ResGrid->setColAlignment(c, FlexGrid::AlignLeft);
    }
    ResGrid->setRowHeightTwips(0, 270);
    for (int r = 0; r < table.size(); ++r) {
        for (int c = 0; c < table.at(r).size(); ++c) {
            const QString& text = table.at(r).at(c);
            if (text.isEmpty())
                continue;
            ResGrid->setTextMatrix(r, c, text);
            if (r >= 2 && c % 3 == 2 && text.startsWith(u'往'))
                ResGrid->setCellBackColor(r, c, ousinColor());
        }
    }
    ResGrid->mergeEqualCells(0);
    ResGrid->show();
}

void CheckForm::setRunning(bool on)
{
    for (int index : CmdGd->indexes())
        CmdGd->at(index)->setEnabled(!on);
    infoGd->setText(infoText());
    infoGd->setVisible(on);
    QCoreApplication::processEvents();
}

void CheckForm::run()
{
    setRunning(true);
    const auto progress = [this](int done, int total) {
        infoGd->setText(infoText() + QStringLiteral(" %1/%2").arg(done).arg(total));
        QCoreApplication::processEvents();
    };
    const CheckSyukei check = CheckSyukei::CheckProc(rows, SharedState::get().karteFolder(), progress);
    showTable(check.table());
    setRunning(false);
    MsgBox::show(QStringLiteral("終了しました。")
                     + ListedText(QStringLiteral("次のカルテまたは診察は読めないため、入れていません。"), check.reports),
                 QStringLiteral("重複診療チェック"));
}

void CheckForm::CmdGd_Click(int index)
{
    switch (index) {
    case 0: accept(); break;
    case 1: run(); break;
    case 2: ExcelClipTransfer(*ResGrid, 0, ResGrid->cols() - 1); break;
    default: break;
    }
}

void CheckForm::CheckPrintProc()
{
    QList<QStringList> table;
    for (int r = 0; r < ResGrid->rows(); ++r) {
        QStringList row;
        for (int c = 0; c < ResGrid->cols(); ++c)
            row.append(ResGrid->textMatrix(r, c));
        table.append(row);
    }
    const std::shared_ptr<PrintDevice> device = PrintDeviceSource::open(QStringLiteral("重複チェック"));
    QString error;
    const bool ended = ::CheckPrintProc(*device, table, &error);
    PrintEndMessage(*device, ended, error, QStringLiteral("印刷終了"));
}
