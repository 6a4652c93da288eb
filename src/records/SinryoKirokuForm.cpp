#include "SinryoKirokuForm.h"

#include "PrintSet3File.h"
#include "SinryoAtamaList.h"
#include "SinryoExcelTransfer.h"
#include "SinryoGunmaPrint.h"
#include "SinryoIbaragiPrint.h"
#include "SinryoKaihatuFile.h"
#include "SinryoMiePrint.h"
#include "SinryoTottoriPrint.h"

#include "common/DataPath.h"
#include "common/DialogLook.h"
#include "common/DoctorInfoFile.h"
#include "common/ExcelClipTransfer.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/PrintDevice.h"
#include "common/PrintDeviceSource.h"
#include "common/PrintOffsetFile.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {
using G = SinryoKirokuGroup;
constexpr int TrackWidth = 2610;
const QColor FillColor(0, 0, 160);

struct Column
{
    const char16_t* heading;
    int width;
    FlexGrid::Alignment alignment;
};
const Column columns[G::GridCols] = {
    {u"", 550, FlexGrid::AlignCenter},          {u"組合員名", 1200, FlexGrid::AlignLeft},
    {u"月", 350, FlexGrid::AlignCenter},        {u"日", 350, FlexGrid::AlignCenter},
    {u"耳標･名号", 1400, FlexGrid::AlignLeft},  {u"分類", 450, FlexGrid::AlignCenter},
    {u"処置", 1150, FlexGrid::AlignLeft},       {u"使用薬品名等", 3500, FlexGrid::AlignLeft},
    {u"数量", 500, FlexGrid::AlignCenter},      {u"休薬", 500, FlexGrid::AlignLeft},
    {u"病傷名", 2500, FlexGrid::AlignLeft},     {u"転帰", 500, FlexGrid::AlignGeneral},
    {u"開始", 500, FlexGrid::AlignGeneral},     {u"終了", 500, FlexGrid::AlignGeneral},
    {u"獣医師", 1000, FlexGrid::AlignGeneral},
};

// A print of the prefecture: the questions asked first (each with OK and Cancel) and the layout.
struct Layout
{
    QStringList questions;
    void (*proc)(PrintDevice&, const SinryoPrintData&) = nullptr;
};

Layout layoutFor(Ken ken)
{
    const QString a4 = QStringLiteral("一覧に表示されている組合員別に印刷します。\n（A4白紙をセットしてください。）\n");
    switch (ken) {
    case Ken::Tottori: return {{a4}, &SinryoTottoriPrint::SinryoTottoriPrintProc};
    case Ken::Ibaraki: return {{a4}, &SinryoIbaragiPrint::SinryoIbaragiPrintProc};
    case Ken::Mie: return {{a4}, &SinryoMiePrint::SinryoMiePrintProc};
    case Ken::Gunma:
        return {{QStringLiteral("製作中です。"),
                 QStringLiteral("一覧に表示されている組合員別に印刷します。\n（A5白紙を縦にセットしてください。）\n")},
                &SinryoGunmaPrint::SinryoGunmaPrintProc};
    default: return {};
    }
}

QLineEdit* box(const QString& name, QWidget* parent, int left, int top, int width, int height)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(FontSetup::screenFont());
    TwipGeometry::place(e, left, top, width, height);
    return e;
}

QRadioButton* option(const QString& name, const QString& caption, QWidget* parent, int left, int top, int width)
{
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    b->setFont(FontSetup::screenFont());
    TwipGeometry::place(b, left, top, width, 180);
    return b;
}
} // namespace

SinryoKirokuForm::SinryoKirokuForm(QWidget* parent) : QDialog(parent)
{
    buildControls();
    Form_Load();
}

void SinryoKirokuForm::buildControls()
{
    const SharedState& s = SharedState::get();
    setObjectName(QStringLiteral("SinryoKirokuForm"));
    DialogLook::frameless(this, 150, 150, 15495, 9495, s.ColorSet.BaseBackColor);
    TitleGd[0] = DialogLook::titleLabel(QStringLiteral("診療記録印刷"), this, 120, 120);
    CmdGd = new LabelButtonArray(this);
    if (s.ColorSet.HoverColor.isValid())
        CmdGd->setHoverColor(s.ColorSet.HoverColor);
    const QList<std::tuple<int, QString, int, int>> commands{
        {0, "終了", 14610, 105},     {1, "集計開始", 10095, 540},      {3, "印刷", 11070, 555},
        {5, "Excelに送る", 13725, 555}, {2, "全て選択", 135, 8655}, {4, "全て選択解除", 1200, 8655},
    };
    for (const auto& [index, caption, left, top] : commands)
        DialogLook::command(CmdGd, caption, index, this, left, top, index == 0);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &SinryoKirokuForm::CmdGd_Click);

    for (int i = 0; i < 2; ++i) {
        Command1[i] = new QPushButton(i == 0 ? QStringLiteral("out") : QStringLiteral("in"), this);
        Command1[i]->setObjectName(QStringLiteral("Command1%1").arg(i));
        TwipGeometry::place(Command1[i], 1455 + 465 * i, 105, 420, 255);
        Command1[i]->hide();
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    const QList<std::tuple<int, QString, int, int>> labels{
        {1, "期間：", 315, 555}, {0, "年", 1485, 555}, {2, "月", 2265, 555}, {3, "日～", 2865, 555},
        {4, "月", 3645, 555},    {5, "日", 4260, 555},
        {7, "※期間が年を超える場合は２回に分けて作成してください。（例：平成22年12月15日～12月31日と平成23年1月1日～1月15日）", 165, 8940},
        {8, "※提出月は、ドットを入れて年が指定できます。（例：22.12→22年12月）", 165, 9165},
    };
    for (const auto& [index, text, left, top] : labels)
        Gd[index] = DialogLook::label(text, this, left, top);
    NenTx = box(QStringLiteral("NenTx"), this, 1065, 525, 375, 270);
    const int dateLeft[4] = {1860, 2490, 3270, 3885};
    for (int i = 0; i < 4; ++i) {
        DateTx[i] = box(QStringLiteral("DateTx%1").arg(i), this, dateLeft[i], 510, 345, 270);
        DateTx[i]->installEventFilter(this);
    }
    NenTx->installEventFilter(this);

    infoGd = DialogLook::label(QStringLiteral("?"), this, 11880, 555);
    infoGd->setObjectName(QStringLiteral("infoGd"));
    PrintGd = DialogLook::label(QStringLiteral("印刷中・・"), this, 12855, 150);
    PrintGd->setObjectName(QStringLiteral("PrintGd"));
    PrintGd->hide();
    TitleGd[3] = DialogLook::label(QStringLiteral("[印刷位置補正]"), this, 11820, 8655);
    TitleGd[4] = DialogLook::label(QStringLiteral("横="), this, 13185, 8640);
    PosTx[0] = box(QStringLiteral("PosTx0"), this, 13530, 8595, 450, 255);
    TitleGd[5] = DialogLook::label(QStringLiteral("縦="), this, 14040, 8655);
    PosTx[1] = box(QStringLiteral("PosTx1"), this, 14370, 8595, 450, 255);

    AtamaList = new QListWidget(this);
    AtamaList->setObjectName(QStringLiteral("AtamaList"));
    AtamaList->setFont(FontSetup::screenFont());
    AtamaList->setSelectionMode(QAbstractItemView::MultiSelection);
    TwipGeometry::place(AtamaList, 45, 885, 2550, 7590);

    buildFrames();
    buildGrid();
    for (QLabel* label : TitleGd)
        if (label)
            label->installEventFilter(this);
}

void SinryoKirokuForm::buildFrames()
{
    const QColor back = SharedState::get().ColorSet.BaseBackColor;
    const int frame[3][4] = {{6480, 45, 6120, 360}, {4560, 435, 5430, 435}, {3060, 8535, 6420, 360}};
    for (int i = 0; i < 3; ++i) {
        SubFrame[i] = new QFrame(this);
        SubFrame[i]->setObjectName(QStringLiteral("SubFrame%1").arg(i));
        TwipGeometry::place(SubFrame[i], frame[i][0], frame[i][1], frame[i][2], frame[i][3]);
        WidgetColor::setBackColor(SubFrame[i], back);
        CmdGd->resetOn(SubFrame[i]);
    }
    TitleGd[1] = DialogLook::label(QStringLiteral("集計中・・・・・"), SubFrame[0], 2025, 90);
    for (int i = 0; i < 2; ++i) {
        TimeSp[i] = new QFrame(SubFrame[0]);
        TimeSp[i]->setObjectName(QStringLiteral("TimeSp%1").arg(i));
        WidgetColor::setBackColor(TimeSp[i], i == 0 ? QColor(Qt::white) : FillColor);
    }
    TimeSp[0]->setFrameShape(QFrame::Box);
    TwipGeometry::place(TimeSp[0], 3285, 105, TrackWidth, 150);
    TwipGeometry::place(TimeSp[1], 3285, 105, 105, 150);

    const QStringList tenki{QStringLiteral("転帰済のみ"), QStringLiteral("未転帰も含む"), QStringLiteral("提出月を指定")};
    const int tenkiLeft[3] = {120, 1545, 3150};
    const int tenkiWidth[3] = {1215, 1440, 1440};
    for (int i = 0; i < 3; ++i)
        TenkiOp[i] = option(QStringLiteral("TenkiOp%1").arg(i), tenki.at(i), SubFrame[1], tenkiLeft[i], 135, tenkiWidth[i]);
    TeisyutuTx = box(QStringLiteral("TeisyutuTx"), SubFrame[1], 4515, 90, 615, 270);
    Gd[6] = DialogLook::label(QStringLiteral("月"), SubFrame[1], 5175, 135);

    TitleGd[2] = DialogLook::label(QStringLiteral("【集計対象】"), SubFrame[2], 60, 120);
    const int docLeft[4] = {1275, 2460, 3750, 4995};
    for (int i = 0; i < 4; ++i)
        DocOp[i] = option(QStringLiteral("DocOp%1").arg(i), i == 3 ? QStringLiteral("全て") : QString(), SubFrame[2],
                          docLeft[i], 120, 1050);
}

void SinryoKirokuForm::buildGrid()
{
    DataGrid = new FlexGrid(this);
    DataGrid->setObjectName(QStringLiteral("DataGrid"));
    DataGrid->setFont(FontSetup::gridFont());
    TwipGeometry::place(DataGrid, 2655, 925, 12700, 7525);
    CmdGd->resetOn(DataGrid);

    SendExcelGrid = new FlexGrid(this);
    SendExcelGrid->setObjectName(QStringLiteral("SendExcelGrid"));
    SendExcelGrid->hide();
}

void SinryoKirokuForm::Form_Load()
{
    SharedState& s = SharedState::get();
    NenTx->setText(s.ReiwaNen);
    infoGd->hide();
    File1 = s.KarteFileList;
    SubFrame[0]->hide();

    DataGrid->setCols(G::GridCols);
    DataGrid->setRows(100);
    DataGrid->setFixedRows(1);
    DataGrid->setFixedCols(1);
    DataGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    DataGrid->setBackColorSel(ColorSetInfo::GridFixedBackColor());
    DataGrid->setBackColorBkg(s.ColorSet.BaseBackColor);
    DataGrid->setRowHeightTwips(0, 280);
    for (int c = 0; c < G::GridCols; ++c) {
        DataGrid->setColWidthTwips(c, c == G::KyuyakuCol && s.ken == Ken::Tottori ? 2800 : columns[c].width);
        DataGrid->setColAlignment(c, columns[c].alignment);
        DataGrid->setTextMatrix(0, c, QString::fromUtf16(columns[c].heading));
    }
    DataGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);

    DocName = StartupConfig::readDoctorName();
    const PrintOffsetFile set = PrintOffsetFile::read(PrintSet3File::filePath());
    PosTx[0]->setText(set.yoko);
    PosTx[1]->setText(set.tate);
    loadAtamaList();
    if (s.ken == Ken::Tottori)
        loadKyuYakuList();

    const bool ibaraki = s.ken == Ken::Ibaraki;
    CmdGd->at(5)->setVisible(ibaraki || s.ken == Ken::Mie);
    SubFrame[2]->setVisible(ibaraki);
    if (ibaraki) {
        docs = SinryoDocList::forSite(s.Site, s.SiteRows);
        for (int i = 0; i < 3; ++i)
            DocOp[i]->setText(docs.value(i).caption);
        DocOp[0]->setChecked(true);
    }
    TenkiOp[0]->setChecked(true);
}

void SinryoKirokuForm::loadAtamaList()
{
    const SharedState& s = SharedState::get();
    TikuNames = TextFile::read(DataPath::file(QStringLiteral("set\\TikuName.ini"))).texts();
    const QList<QStringList> grid =
        SinryoAtamaList::openNameGrid(TextFile::read(DataPath::file(QStringLiteral("set\\NameCode.ini"))).texts());
    AtamaList->clear();
    AtamaList->addItems(s.ken == Ken::Tottori ? SinryoAtamaList::TottoriAtamaListProc(
                                                    grid, TikuNames, SiteProfile::lookupAll(s.SiteRows, Ken::Tottori, QString(), DocName))
                                              : SinryoAtamaList::items(grid, TikuNames));
}

void SinryoKirokuForm::loadKyuYakuList()
{
    QList<KyuYakuRecord>& list = SharedState::get().KyuYakuList;
    list.clear();
    for (const QString& line : TextFile::read(DataPath::file(QStringLiteral("set\\SubSet1.ini"))).texts()) {
        if (!line.contains(QLatin1Char('\'')))
            continue;
        const QStringList f = line.split(QLatin1Char('\''));
        list.append({f.value(0), f.value(3), f.value(1), f.value(2)});
    }
}

bool SinryoKirokuForm::eventFilter(QObject* watched, QEvent* event)
{
    const auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return QDialog::eventFilter(watched, event);
        if (event->type() == QEvent::KeyRelease) {
            if (edit == NenTx)
                DateTx[0]->setFocus();
            for (int i = 0; i < 4; ++i)
                if (edit == DateTx[i])
                    DateTx[(i + 1) % 4]->setFocus();
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && qobject_cast<QLabel*>(watched)) {
        TitleGd_MouseUp(static_cast<QMouseEvent*>(event)->modifiers());
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void SinryoKirokuForm::CmdGd_Click(int index)
{
    if (tallying)
        return;
    switch (index) {
    case 0: accept(); break;
    case 1: startSyukei(); break;
    case 2: selectAll(true); break;
    case 3: printRecords(); break;
    case 4: selectAll(false); break;
    case 5: sendExcel(); break;
    default: break;
    }
}

void SinryoKirokuForm::selectAll(bool on)
{
    if (AtamaList->count() == 0)
        return;
    for (int i = 0; i < AtamaList->count(); ++i)
        AtamaList->item(i)->setSelected(on);
    AtamaList->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    AtamaList->scrollToTop();
}

QList<SinryoSyukei::Member> SinryoKirokuForm::members() const
{
    QList<SinryoSyukei::Member> out;
    for (int i = 0; i < AtamaList->count(); ++i) {
        SinryoSyukei::Member m;
        if (AtamaList->item(i)->isSelected() && SinryoAtamaList::splitItem(AtamaList->item(i)->text(), m.name, m.code))
            out.append(m);
    }
    return out;
}

SinryoSyukei::Joken SinryoKirokuForm::joken() const
{
    const SharedState& s = SharedState::get();
    SinryoSyukei::Joken j;
    j.nen = NenTx->text();
    for (int i = 0; i < 4; ++i)
        j.date[i] = DateTx[i]->text();
    j.tenki = TenkiOp[1]->isChecked()   ? SinryoSyukei::Tenki::Subete
              : TenkiOp[2]->isChecked() ? SinryoSyukei::Tenki::Teisyutu
                                        : SinryoSyukei::Tenki::TenkiSumi;
    j.teisyutu = TeisyutuTx->text();
    j.ibaragi = s.ken == Ken::Ibaraki || s.ken == Ken::Gunma;
    j.tottori = s.ken == Ken::Tottori;
    for (int i = 0; i < 3; ++i)
        if (DocOp[i]->isChecked())
            j.docSurname = docs.value(i).surname;
    j.kyuYaku = s.KyuYakuList;
    return j;
}

bool SinryoKirokuForm::checkInput()
{
    const QString title = QStringLiteral("確認");
    if (NenTx->text().isEmpty() || std::any_of(DateTx.begin(), DateTx.end(), [](QLineEdit* e) { return e->text().isEmpty(); })) {
        MsgBox::show(QStringLiteral("期間の年月日を入力してください。"), title);
        return false;
    }
    if (PrintOffsetFile::offset(DateTx[2]->text()) < PrintOffsetFile::offset(DateTx[0]->text())) {
        MsgBox::show(QStringLiteral("期間の月指定が正しくありません。"), title);
        return false;
    }
    if (TenkiOp[2]->isChecked() && TeisyutuTx->text().isEmpty()) {
        MsgBox::show(QStringLiteral("提出月を入力してください。"), title);
        TeisyutuTx->setFocus();
        return false;
    }
    return true;
}

void SinryoKirokuForm::setRunning(bool on)
{
    tallying = on;
    for (const int i : CmdGd->indexes())
        CmdGd->at(i)->setEnabled(!on);
    AtamaList->setEnabled(!on);
    SubFrame[0]->setVisible(on);
    if (on)
        SubFrame[0]->raise();
}

void SinryoKirokuForm::setProgress(qsizetype done, qsizetype total)
{
    const int width = total > 0 ? int(TrackWidth * done / total) : 0;
    TimeSp[1]->setFixedWidth(TwipGeometry::px(std::max(width, 1)));
    QCoreApplication::processEvents();
}

void SinryoKirokuForm::startSyukei()
{
    if (!checkInput())
        return;
    int selected = 0;
    for (int i = 0; i < AtamaList->count(); ++i)
        selected += AtamaList->item(i)->isSelected() ? 1 : 0;
    if (selected == 0) {
        MsgBox::show(QStringLiteral("組合員名を選択してください。"), QStringLiteral("確認"));
        return;
    }
    SharedState& s = SharedState::get();
    setRunning(true);
    setProgress(0, 1);
    DataGrid->setRows(1);
    const SinryoSyukei syukei = SinryoSyukei::run(
        joken(), members(), s.karteFolder(), File1, [this](qsizetype done, qsizetype total) { setProgress(done, total); },
        [this](const QString& name) {
            TitleGd[1]->setText(name + QStringLiteral("  集計中････"));
            TitleGd[1]->adjustSize();
            QCoreApplication::processEvents();
        });
    showRows(syukei.rows());
    s.SinryoKirokuList = syukei.records();
    if (!syukei.rows().isEmpty())
        DataGrid->setCurrent(1, 1);
    showEstimate(syukei.records().size());
    SubFrame[0]->hide();
    MsgBox::show(syukei.closingText(), QStringLiteral("集計"));
    setRunning(false);
}

void SinryoKirokuForm::showEstimate(qsizetype records)
{
    const Ken ken = SharedState::get().ken;
    if (ken == Ken::Ibaraki) {
        infoGd->setText(SinryoSyukei::ibarakiEstimate(DataGrid->rows()));
    } else if (ken == Ken::Tottori && records >= 1) {
        infoGd->setText(SinryoSyukei::tottoriEstimate(records));
    } else {
        return;
    }
    infoGd->adjustSize();
    infoGd->show();
}

void SinryoKirokuForm::showRows(const QList<QStringList>& rows)
{
    DataGrid->setUpdatesEnabled(false);
    DataGrid->setRows(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < G::GridCols; ++c)
            DataGrid->setTextMatrix(r + 1, c, rows.at(r).value(c));
    DataGrid->setUpdatesEnabled(true);
}

QList<QStringList> SinryoKirokuForm::gridRows() const
{
    QList<QStringList> rows;
    for (int r = 1; r < DataGrid->rows(); ++r) {
        QStringList row;
        for (int c = 0; c < G::GridCols; ++c)
            row.append(DataGrid->textMatrix(r, c));
        rows.append(row);
    }
    return rows;
}

SinryoPrintData SinryoKirokuForm::printData() const
{
    const SharedState& s = SharedState::get();
    SinryoPrintData data;
    data.members = members();
    data.records = s.SinryoKirokuList;
    data.offX = PrintOffsetFile::offset(PosTx[0]->text());
    data.offY = PrintOffsetFile::offset(PosTx[1]->text());
    data.nen = NenTx->text();
    for (int i = 0; i < 4; ++i)
        data.date[i] = DateTx[i]->text();
    data.doctorName = s.DoctorInfo.DoctorName;
    return data;
}

void SinryoKirokuForm::printRecords()
{
    SharedState& s = SharedState::get();
    QString error;
    if (!PrintOffsetFile{PosTx[0]->text(), PosTx[1]->text()}.write(PrintSet3File::filePath(), &error))
        MsgBox::show(error + QStringLiteral("\n印刷位置補正を保存できませんでした。"), QStringLiteral("確認"));
    const Layout layout = layoutFor(s.ken);
    if (!layout.proc)
        return;
    for (const QString& question : layout.questions)
        if (MsgBox::show(question, QStringLiteral("確認"), MsgBox::OkCancel) != MsgBox::Ok)
            return;
    DoctorInfoFile::load(s.DoctorInfo);
    const std::shared_ptr<PrintDevice> device = PrintDeviceSource::open(QStringLiteral("診療記録"));
    PrintGd->show();
    QCoreApplication::processEvents();
    layout.proc(*device, printData());
    const bool printed = device->endDoc(&error);
    const QString where = device->destinationMessage();
    if (!printed)
        MsgBox::show(error, QStringLiteral("印刷"), MsgBox::OkOnly, MsgBox::Exclamation);
    else
        MsgBox::show(where.isEmpty() ? QStringLiteral("終了しました。") : QStringLiteral("終了しました。\n") + where,
                     QStringLiteral("印刷"));
    PrintGd->hide();
}

void SinryoKirokuForm::sendExcel()
{
    const Ken ken = SharedState::get().ken;
    if (ken != Ken::Ibaraki && ken != Ken::Mie)
        return;
    FlexGrid* grid = DataGrid;
    if (ken == Ken::Ibaraki) {
        if (!MsgBox::ask(QStringLiteral("Excelに送ります。（3000行で約30秒～1分かかります）"), QStringLiteral("確認"),
                         MsgBox::OkCancel, MsgBox::NoIcon))
            return;
        QString vet;
        for (int i = 0; i < 3; ++i)
            if (DocOp[i]->isChecked())
                vet = docs.value(i).fullName;
        const QList<QStringList> rows = SinryoExcelTransfer::ibarakiRows(gridRows(), vet);
        SendExcelGrid->setFixedRows(0);
        SendExcelGrid->setFixedCols(0);
        SendExcelGrid->setCols(SinryoExcelTransfer::Cols);
        SendExcelGrid->setRows(int(rows.size()));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < SinryoExcelTransfer::Cols; ++c)
                SendExcelGrid->setTextMatrix(r, c, rows.at(r).at(c));
        grid = SendExcelGrid;
    }
    PrintGd->setText(QStringLiteral("Excel送信中･･･"));
    PrintGd->adjustSize();
    PrintGd->show();
    QCoreApplication::processEvents();
    ExcelClipTransfer(*grid, 0, grid->cols() - 1);
    PrintGd->hide();
    PrintGd->setText(QStringLiteral("印刷中･･･"));
}

void SinryoKirokuForm::Command1_Click(int index)
{
    if (index == 0) {
        SinryoKaihatuFile saved;
        saved.period = {NenTx->text(), DateTx[0]->text(), DateTx[1]->text(), DateTx[2]->text(), DateTx[3]->text(),
                        TeisyutuTx->text()};
        saved.rows = gridRows();
        QString error;
        if (!saved.write(&error))
            MsgBox::show(error, QStringLiteral("確認"), MsgBox::OkOnly, MsgBox::Exclamation);
    } else if (index == 1) {
        reload(G::Key::WithoutStartTime);
    }
}

void SinryoKirokuForm::TitleGd_MouseUp(Qt::KeyboardModifiers modifiers)
{
    if ((modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != Qt::ControlModifier)
        return;
    NenTx->setText(QStringLiteral("19"));
    const QStringList period{"7", "1", "7", "30"};
    for (int i = 0; i < 4; ++i)
        DateTx[i]->setText(period.at(i));
    reload(G::Key::WithStartTime);
}

void SinryoKirokuForm::reload(SinryoKirokuGroup::Key key)
{
    QString error;
    const std::optional<SinryoKaihatuFile> saved = SinryoKaihatuFile::read(&error);
    if (!saved) {
        MsgBox::show(error + QStringLiteral("\n集計結果は元のままです。"), QStringLiteral("確認"), MsgBox::OkOnly,
                     MsgBox::Exclamation);
        return;
    }
    if (saved->period.size() == 6) {
        NenTx->setText(saved->period.at(0));
        for (int i = 0; i < 4; ++i)
            DateTx[i]->setText(saved->period.at(i + 1));
        TeisyutuTx->setText(saved->period.at(5));
    }
    showRows(saved->rows);
    SharedState::get().SinryoKirokuList = G::build(saved->rows, key);
}
