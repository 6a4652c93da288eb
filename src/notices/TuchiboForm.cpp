#include "TuchiboForm.h"

#include "PrintSet2File.h"
#include "TuchiLook.h"
#include "TuchiPrint.h"
#include "TuchiPrintForm.h"
#include "TuchiSyukei.h"

#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/PrintDevice.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/StartupConfig.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
const QColor MonthColor(0, 0, 255);
const QColor BandColor(232, 251, 255);
const QColor TrackColor(255, 255, 255);
const QColor FillColor(0, 0, 160);
constexpr int TrackLeft = 1500;
constexpr int TrackWidth = 2550;

struct Column
{
    const char16_t* heading;
    int width;
    FlexGrid::Alignment alignment;
};
const Column columns[] = {
    {u"", 400, FlexGrid::AlignCenter},        {u"地区名", 1500, FlexGrid::AlignCenter},
    {u"組合員名", 1300, FlexGrid::AlignLeft}, {u"種類", 850, FlexGrid::AlignCenter},
    {u"個体番号", 2400, FlexGrid::AlignLeft}, {u"病名", 3700, FlexGrid::AlignLeft},
    {u"発病年月日", 1050, FlexGrid::AlignLeft}, {u"", 1, FlexGrid::AlignGeneral},
};
constexpr int ColumnCount = 8;

QString trimmed(const QLabel* label)
{
    return SharedUtil::Trim(label->text());
}
} // namespace

TuchiboForm::TuchiboForm(QWidget* parent) : QDialog(parent)
{
    buildControls();
    Form_Load();
}

void TuchiboForm::buildControls()
{
    TuchiLook::window(this, QStringLiteral("TuchiboForm"), 11715, 8235);
    TitleGd[0] = TuchiLook::title(QStringLiteral("事故発生通知簿"), this, 105, 135);
    CmdGd = new LabelButtonArray(this);
    const QColor hover = SharedState::get().ColorSet.HoverColor;
    if (hover.isValid())
        CmdGd->setHoverColor(hover);
    TuchiLook::command(CmdGd, 0, QStringLiteral("終了"), this, 10710, 135, true);
    TuchiLook::command(CmdGd, 2, QStringLiteral("[対象月]"), this, 1275, 585);
    TuchiLook::command(CmdGd, 1, QStringLiteral("集計開始"), this, 2925, 585);
    TuchiLook::command(CmdGd, 3, QStringLiteral("印刷"), this, 4050, 600);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &TuchiboForm::CmdGd_Click);

    Gd[1] = TuchiLook::label(QStringLiteral("Gd1"), QStringLiteral("令和"), this, 150, 585);
    NenTx = TuchiLook::box(QStringLiteral("NenTx"), this, 615, 570, 375);
    Gd[0] = TuchiLook::label(QStringLiteral("Gd0"), QStringLiteral("年"), this, 1005, 600);
    ManthGd = TuchiLook::label(QStringLiteral("ManthGd"), QStringLiteral("?"), this, 2295, 585);
    ManthGd->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9, true));
    WidgetColor::setForeColor(ManthGd, MonthColor);
    ManthGd->setFixedWidth(TwipGeometry::px(450));

    TitleGd[2] = TuchiLook::label(QStringLiteral("TitleGd2"), QStringLiteral("※集計は、カルテ提出月が対象になります。"), this,
                                  135, 870);
    WidgetColor::setForeColor(TitleGd[2], TuchiLook::HintColor);
    TitleGd[3] = TuchiLook::label(QStringLiteral("TitleGd3"), QStringLiteral("[印刷位置補正]"), this, 9195, 570);
    TitleGd[4] = TuchiLook::label(QStringLiteral("TitleGd4"), QStringLiteral("横="), this, 10560, 570);
    PosTx[0] = TuchiLook::box(QStringLiteral("PosTx0"), this, 10875, 510, 600, 240);
    TitleGd[5] = TuchiLook::label(QStringLiteral("TitleGd5"), QStringLiteral("縦="), this, 10545, 810);
    PosTx[1] = TuchiLook::box(QStringLiteral("PosTx1"), this, 10875, 750, 600, 240);

    buildGrid();
    buildSubFrame();

    ManthList = new QListWidget(this);
    ManthList->setObjectName(QStringLiteral("ManthList"));
    ManthList->setFont(FontSetup::screenFont());
    TwipGeometry::place(ManthList, 2085, 855, 465, 2370);
    ManthList->hide();
    connect(ManthList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ManthList_Click(ManthList->row(item)); });
}

void TuchiboForm::buildGrid()
{
    DataGrid = new FlexGrid(this);
    DataGrid->setObjectName(QStringLiteral("DataGrid"));
    DataGrid->setFont(FontSetup::gridFont());
    TwipGeometry::place(DataGrid, 90, 1080, 11505, 7020);
    CmdGd->resetOn(DataGrid);
}

void TuchiboForm::buildSubFrame()
{
    SubFrame = new QFrame(this);
    SubFrame->setObjectName(QStringLiteral("SubFrame"));
    TwipGeometry::place(SubFrame, 4800, 450, 4155, 360);
    TitleGd[1] = TuchiLook::label(QStringLiteral("TitleGd1"), QStringLiteral("集計中・・・・・"), SubFrame, 60, 75);
    for (int i = 0; i < 2; ++i) {
        TimeSp[i] = new QFrame(SubFrame);
        TimeSp[i]->setObjectName(QStringLiteral("TimeSp%1").arg(i));
        WidgetColor::setBackColor(TimeSp[i], i == 0 ? TrackColor : FillColor);
    }
    TimeSp[0]->setFrameShape(QFrame::Box);
    TwipGeometry::place(TimeSp[0], TrackLeft, 90, TrackWidth, 180);
    TwipGeometry::place(TimeSp[1], TrackLeft, 90, 0, 180);
}

void TuchiboForm::Form_Load()
{
    SharedState& s = SharedState::get();
    move(TwipGeometry::px(1000), TwipGeometry::px(1000));
    NenTx->setText(s.ReiwaNen);
    WidgetColor::setBackColor(SubFrame, s.ColorSet.BaseBackColor);
    SubFrame->hide();
    for (int m = 1; m <= 12; ++m)
        ManthList->addItem(QString::number(m));

    DataGrid->setCols(ColumnCount);
    DataGrid->setRows(100);
    DataGrid->setFixedRows(1);
    DataGrid->setFixedCols(1);
    DataGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    DataGrid->setBackColorSel(ColorSetInfo::GridFixedBackColor());
    DataGrid->setBackColorBkg(s.ColorSet.BaseBackColor);
    DataGrid->setRowHeightTwips(0, 280);
    for (int c = 0; c < ColumnCount; ++c) {
        DataGrid->setColWidthTwips(c, columns[c].width);
        DataGrid->setColAlignment(c, columns[c].alignment);
        DataGrid->setTextMatrix(0, c, QString::fromUtf16(columns[c].heading));
    }
    DataGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);

    TuchiDocName = StartupConfig::readDoctorName();
    const PrintSet2File set = PrintSet2File::read();
    PosTx[0]->setText(set.yoko);
    PosTx[1]->setText(set.tate);
    AtamaList = TuchiSyukei::atamaList(TextFile::read(DataPath::file(QStringLiteral("set\\NameCode.ini"))).texts());

    if (s.ken == Ken::Gunma)
        TitleGd[2]->hide();
    else if (s.ken == Ken::Okinawa)
        TitleGd[2]->setText(QStringLiteral("※集計は、カルテ初診月が対象になります。"));
    TitleGd[2]->adjustSize();
}

void TuchiboForm::CmdGd_Click(int index)
{
    if (tallying)
        return;
    switch (index) {
    case 0: closeForm(); break;
    case 1: startSyukei(); break;
    case 2:
        ManthList->show();
        ManthList->raise();
        break;
    case 3: printNotice(); break;
    default: break;
    }
}

void TuchiboForm::ManthList_Click(int index)
{
    if (tallying || index < 0 || index >= ManthList->count())
        return;
    ManthGd->setText(ManthList->item(index)->text());
    ManthList->hide();
}

void TuchiboForm::reject()
{
    // The window closes through "終了" only, which keeps the offsets.
}

void TuchiboForm::closeForm()
{
    QString error;
    if (!PrintSet2File{{PosTx[0]->text(), PosTx[1]->text()}}.write(&error))
        MsgBox::show(error + QStringLiteral("\n印刷位置補正を保存できませんでした。"), QStringLiteral("確認"));
    QCoreApplication::processEvents();
    accept();
}

void TuchiboForm::setRunning(bool on)
{
    tallying = on;
    for (const int i : CmdGd->indexes())
        CmdGd->at(i)->setEnabled(!on);
    ManthList->setEnabled(!on);
    NenTx->setReadOnly(on);
    SubFrame->setVisible(on);
    if (on) {
        SubFrame->raise();
        setProgress(0, 1);
    }
}

void TuchiboForm::setProgress(int done, int total)
{
    const int width = total > 0 ? TrackWidth * done / total : 0;
    TimeSp[1]->setFixedWidth(TwipGeometry::px(width));
    QCoreApplication::processEvents();
}

void TuchiboForm::startSyukei()
{
    const SharedState& s = SharedState::get();
    if (s.ken != Ken::Kagoshima && s.ken != Ken::Gunma && s.ken != Ken::Okinawa)
        return;
    if (ManthGd->text() == QStringLiteral("?")) {
        MsgBox::show(QStringLiteral("対象月を選んでください。"), QStringLiteral("確認"));
        return;
    }
    setRunning(true);
    SortGrid.clear();
    DataGrid->setRows(1);
    const TuchiSyukei::Joken joken{NenTx->text(), trimmed(ManthGd), AtamaList,
                                   s.ken == Ken::Kagoshima && s.Site.has(QStringLiteral("SiteKagoshimaVetA"))};
    const auto progress = [this](int done, int total) { setProgress(done, total); };
    const QString folder = s.karteFolder();
    const TuchiSyukei syukei = s.ken == Ken::Kagoshima ? TuchiSyukei::SyukeiKagosimaProc(joken, folder, s.KarteFileList, progress)
                               : s.ken == Ken::Gunma   ? TuchiSyukei::SyukeiGunmaProc(joken, folder, s.KarteFileList, progress)
                                                       : TuchiSyukei::SyukeiOkinawaProc(joken, folder, s.KarteFileList, progress);
    showSyukei(syukei);
    MsgBox::show(syukei.closingText(), QStringLiteral("集計"));
    setRunning(false);
}

void TuchiboForm::showSyukei(const TuchiSyukei& syukei)
{
    SortGrid = syukei.SortGrid();
    if (SortGrid.isEmpty()) {
        // An empty row, so that every layout prints its empty form.
        SortGrid.append(QStringList(syukei.chiiki() == TuchiSyukei::Chiiki::Gunma ? 11 : 10));
        return;
    }
    const QList<QStringList> rows = syukei.dataRows();
    const QList<bool> bands = TuchiSyukei::bands(rows);
    DataGrid->setHighLight(FlexGrid::HighLightNever);
    DataGrid->hide();
    DataGrid->setRows(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < ColumnCount; ++c) {
            DataGrid->setTextMatrix(r + 1, c, rows.at(r).value(c));
            if (c > 0)
                DataGrid->setCellBackColor(r + 1, c, bands.at(r) ? BandColor : QColor(Qt::white));
        }
    }
    DataGrid->show();
}

TuchiPrintData TuchiboForm::printData() const
{
    const SharedState& s = SharedState::get();
    TuchiPrintData data;
    if (s.ken == Ken::Gunma) {
        for (int r = 1; r < DataGrid->rows(); ++r) {
            QStringList row;
            for (int c = 0; c < DataGrid->cols(); ++c)
                row.append(DataGrid->textMatrix(r, c));
            data.rows.append(row);
        }
    } else {
        data.rows = SortGrid;
    }
    data.offX = PrintSet2File::offset(PosTx[0]->text());
    data.offY = PrintSet2File::offset(PosTx[1]->text());
    data.nen = SharedUtil::Trim(NenTx->text());
    data.tuki = trimmed(ManthGd);
    data.docName = TuchiDocName;
    data.site = s.Site;
    data.twipPerMm = s.TwipPerMm;
    return data;
}

void TuchiboForm::printNotice()
{
    SharedState& s = SharedState::get();
    {
        TuchiPrintForm options(this);
        ModalHost::exec(options);
    }
    if (s.Hand.PrintSentakuOut == 0)
        return;
    const TuchiPrint::Proc proc = TuchiPrint::procFor(s.ken, s.Site);
    if (!proc) {
        MsgBox::show(QStringLiteral("この施設の設定には事故発生通知の印刷様式がないため、印刷できません。"), QStringLiteral("印刷"));
        return;
    }
    const std::shared_ptr<PrintDevice> device = PrintDeviceSource::open(QStringLiteral("事故発生通知簿"));
    QString error;
    if (!proc(*device, printData(), &error)) {
        MsgBox::show(error, QStringLiteral("印刷"));
        return;
    }
    const QString where = device->destinationMessage();
    MsgBox::show(where.isEmpty() ? QStringLiteral("終了しました。") : QStringLiteral("終了しました。\n") + where,
                 QStringLiteral("印刷"));
}
