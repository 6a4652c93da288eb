#include "IbaragiForm.h"

#include "DellInfoFile.h"
#include "IbaragiBunbenForm.h"
#include "IbaragiDayCopyBuffer.h"
#include "IbaragiInfoForm.h"
#include "IbaragiPrintData.h"
#include "IbaragiPrintForm.h"
#include "IbaragiSyochiForm.h"
#include "IbaragiTForm.h"
#include "IbaragiTaneForm.h"
#include "TiryoboCmdCheck.h"
#include "TiryoboEntryCmd.h"
#include "TiryoboFile.h"
#include "TiryoboLayout.h"
#include "TiryoboRowCmd.h"
#include "ToridasiFile.h"
#include "chart/BunruiForm.h"
#include "chart/NewInputForm.h"
#include "chart/KarteScan.h"
#include "common/ClipboardText.h"
#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "dialogs/ByoNameForm.h"
#include "dialogs/NenGappiForm.h"
#include "dialogs/Pict2Form.h"
#include "dialogs/SyokenForm.h"
#include "dialogs/TextInputForm.h"
#include "registers/OptionArray.h"
#include "treatment/OusinForm.h"
#include "treatment/PLForm.h"
#include "treatment/SinryoForm.h"
#include "treatment/TensuText.h"
#include "treatment/TyusyaForm.h"
#include "treatment/YakujiForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>

namespace {
using C = TiryoboCmdCheck;

constexpr int WindowWidth = 15350;
constexpr int WindowHeight = 14650;
constexpr int DataLeft = 90;
const QColor MarkColor(220, 255, 220);
const QColor GroupColor(128, 128, 255);
const QColor Green(0, 192, 0);
const QString Kakunin = QStringLiteral("確認");

struct PanelLabel
{
    int code;
    const char16_t* caption;
    int left, top;
    bool bold = false;
};

// The command labels of the panel, by command code, at their places in the panel.
const PanelLabel panelLabels[] = {
    {C::Hiduke, u"日付", 120, 270},          {C::ByoMei, u"病名", 120, 495},
    {C::Gensyo, u"現症経過", 120, 705},      {C::TiryoEnd, u"治療終了", 120, 915},
    {C::Bunben, u"分娩情報", 1080, 255},     {C::Kanri, u"管理情報", 1080, 480},
    {C::SyochiGai, u"共済外処置", 1080, 705}, {C::Tane, u"種牛名", 1080, 915},
    {C::Ousin, u"往診", 2295, 270},          {C::Tyusya, u"注射", 2295, 540},
    {C::Yakuji, u"薬治", 2295, 795},         {C::Bunsyo, u"文書", 2820, 270},
    {C::Syochi, u"処置", 2820, 540},         {C::Kensa, u"検査", 2820, 795},
    {C::Syujyutu, u"手術", 3315, 270},       {C::Sidou, u"指導", 3315, 540},
    {C::Nyuin, u"入院", 3315, 795},          {C::Saisin, u"再診", 3870, 270},
    {C::PLTest, u"PLテスト", 3870, 540},     {C::Taion, u"体温", 3870, 795},
    {C::Syoken, u"子宮所見", 4650, 270},     {C::Pict2, u"子宮画像", 7485, 240},
    {C::Tojiru, u"[閉じる]", 7545, 690},     {C::KuhakuDel, u"空白行削除", 9945, 255},
    {C::GyoIns, u"空白行挿入", 11055, 255},  {C::MultiPaste, u"複数行貼付け", 12165, 255},
    {C::GyoCopy, u"1行コピー", 9975, 480},   {C::GyoPaste, u"1行貼付け", 10965, 480},
    {C::GyoDel, u"入力行削除", 12150, 480},  {C::DayCopy, u"1日コピー", 9975, 690},
    {C::DayPaste, u"1日貼付", 10980, 705},   {C::HidukeClear, u"日付ｸﾘｱ", 9990, 930},
    {C::GyoSiteiStart, u"行指定開始", 13620, 270, true}, {C::GyoSiteiEnd, u"行指定解除", 13620, 495, true},
    {C::MultiCopy, u"複数行コピー", 13620, 705, true},   {C::Sindansyo, u"診断書表示", 13635, 915, true},
};

const QStringList sinryoBunrui{QStringLiteral("文書"), QStringLiteral("処置"), QStringLiteral("検査"),
                               QStringLiteral("手術"), QStringLiteral("指導"), QStringLiteral("入院")};

QLabel* textLabel(const QString& text, QWidget* parent, int left, int top, double points, bool bold, const QColor& color)
{
    auto* label = new QLabel(text, parent);
    label->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), points, bold));
    WidgetColor::setForeColor(label, color);
    label->move(TwipGeometry::px(left), TwipGeometry::px(top));
    label->adjustSize();
    return label;
}

LabelButton* addLabel(LabelButtonArray* array, const QString& caption, int index, QWidget* parent, int left, int top,
                     bool bold)
{
    LabelButton* b = array->add(caption, index, parent);
    b->setObjectName(QStringLiteral("%1%2").arg(array->objectName()).arg(index));
    b->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, bold));
    b->move(TwipGeometry::px(left), TwipGeometry::px(top));
    b->adjustSize();
    return b;
}

template <typename Form>
void showModal(QWidget* parent)
{
    Form form(parent);
    ModalHost::exec(form);
}

// The question a right click asks before deleting a column's entry of the current row.
QString deleteQuestion(int col)
{
    switch (col) {
    case TiryoboRow::ByoMei: return QStringLiteral("選択行の【病名】を削除します。");
    case TiryoboRow::Gensyo: return QStringLiteral("選択行の【現象経過】を削除します。");
    case TiryoboRow::Bunrui:
    case TiryoboRow::Naiyou:
    case TiryoboRow::Kikaku:
    case TiryoboRow::Suuryou: return QStringLiteral("選択行の【処置・内容・規格・数量】を削除します。");
    case TiryoboRow::Taion: return QStringLiteral("選択行の【体温】を削除します。");
    case TiryoboRow::Bunben: return QStringLiteral("選択行の【分娩情報】を削除します。");
    case TiryoboRow::Kanri: return QStringLiteral("選択行の【管理情報】を削除します。");
    case TiryoboRow::SyochiGai: return QStringLiteral("選択行の【共済外処置】を削除します。");
    case TiryoboRow::Tane: return QStringLiteral("選択行の【種牛名】を削除します。");
    default: return QString();
    }
}
} // namespace

void IbaragiForm::open(QWidget* parent)
{
    const SharedState& s = SharedState::get();
    if (s.CurrentKarteFile.isEmpty()) {
        MsgBox::show(QStringLiteral("治療簿を開く個体を選択してください。"), Kakunin);
        return;
    }
    const KarteScan chart = KarteScan::read(s.kartePath(s.CurrentKarteFile));
    if (!chart.ok()) {
        MsgBox::show(chart.errorText, Kakunin);
        return;
    }
    const TiryoboFile file = TiryoboFile::readBook(TiryoboFile::txbPath(s.CurrentKarteFile));
    if (!file.ok()) {
        MsgBox::show(file.errorText, Kakunin);
        return;
    }
    const KarteKotaiRecord& kotai = chart.kotai();
    const QString header = QStringLiteral("耳標番号 ") + kotai.Mimiban + QStringLiteral("  名号：個体番号 ") + kotai.Meigou
                           + QStringLiteral("  性別 ") + kotai.Seibetu;
    IbaragiForm form(header, {kotai.Meigou, kotai.BirthDay, QString()}, file.rows,
                     file.status == TiryoboFile::Status::Created, parent);
    ModalHost::exec(form);
}

IbaragiForm::IbaragiForm(const QString& header, const QStringList& kotaiData, const QList<TiryoboRow>& rows,
                         bool created, QWidget* parent)
    : QDialog(parent),
      Book(created ? TiryoboBook::fresh() : TiryoboBook::withRows(rows, TiryoboBook::SpareRows)),
      Inport(TiryoboBook::fresh()),
      dataView(nullptr, Book, false),
      inportView(nullptr, Inport, true)
{
    SharedState& s = SharedState::get();
    s.Hand.IbaragiKotaiData = kotaiData;
    s.IbaragiFormOpen = 1;
    setObjectName(QStringLiteral("IbaragiForm"));
    setWindowTitle(QStringLiteral("治療簿"));
    TwipGeometry::place(this, 0, 0, WindowWidth, WindowHeight);
    WidgetColor::setBackColor(this, s.ColorSet.BaseBackColor);
    TxbFileName = TiryoboFile::txbName(s.CurrentKarteFile);
    buildHeader();
    NameHyojiGd->setText(header);
    NameHyojiGd->adjustSize();
    buildPanel();
    buildPictures();
    buildGrids();
    buildInportFrame();
    SizeOp->select(TiryoboLayout::Dai);
    HyojiSizeProc();
    if (!created)
        dataView.layout(TiryoboGridView::Mode::AllRows, Book.SelRow);
}

IbaragiForm::~IbaragiForm()
{
    SharedState::get().IbaragiFormOpen = 0;
}

void IbaragiForm::done(int result)
{
    SharedState::get().IbaragiFormOpen = 0;
    QDialog::done(result);
}

void IbaragiForm::buildHeader()
{
    textLabel(QStringLiteral("治療簿"), this, 240, 135, 9.75, true, Green);
    NameHyojiGd = textLabel(QString(), this, 1770, 135, 11.25, false, QColor(0, 0, 192));
    NameHyojiGd->setObjectName(QStringLiteral("NameHyojiGd"));
    BunruiGd = new LabelButtonArray(this);
    BunruiGd->setObjectName(QStringLiteral("BunruiGd"));
    CmdGd = new LabelButtonArray(this);
    CmdGd->setObjectName(QStringLiteral("CmdGd"));
    addLabel(BunruiGd, QStringLiteral("印刷"), C::Insatu, this, 11025, 150, true);
    addLabel(CmdGd, QStringLiteral("保存"), 1, this, 12405, 150, true);
    addLabel(CmdGd, QStringLiteral("保存して終了"), 0, this, 13560, 150, true);
    connect(BunruiGd, &LabelButtonArray::clicked, this, &IbaragiForm::TiryoboCmdProc);
    connect(CmdGd, &LabelButtonArray::clicked, this, &IbaragiForm::CmdGd_Click);
    BunruiGd->resetOn(this);
    CmdGd->resetOn(this);
}

void IbaragiForm::buildPanel()
{
    BunruiPict = new QFrame(this);
    BunruiPict->setObjectName(QStringLiteral("BunruiPict"));
    BunruiPict->setFrameShape(QFrame::Box);
    TwipGeometry::place(BunruiPict, 120, 480, 14955, 1185);
    const QList<QPair<QString, QPoint>> groups{{QStringLiteral("[入力項目]"), {60, 45}},
                                               {QStringLiteral("[診断書処置分類]"), {2160, 45}},
                                               {QStringLiteral("[編集]"), {9855, 30}},
                                               {QStringLiteral("[診断書作成]"), {13515, 45}}};
    for (const auto& group : groups)
        textLabel(group.first, BunruiPict, group.second.x(), group.second.y(), 9.75, false, GroupColor);
    for (const PanelLabel& l : panelLabels)
        addLabel(BunruiGd, QString::fromUtf16(l.caption), l.code, BunruiPict, l.left, l.top, l.bold);
    BunruiGd->at(C::Tojiru)->hide();
    BunruiGd->resetOn(BunruiPict);
    DelCh = new QCheckBox(QStringLiteral("削除確認無"), BunruiPict);
    DelCh->setObjectName(QStringLiteral("DelCh"));
    TwipGeometry::place(DelCh, 12180, 825, 1300, 270);
}

void IbaragiForm::buildPictures()
{
    SyokenList = new QListWidget(BunruiPict);
    SyokenList->setObjectName(QStringLiteral("SyokenList"));
    TwipGeometry::place(SyokenList, 5670 - 120, 585 - 480, 1905, 930);
    HyojiPict = new QFrame(BunruiPict);
    HyojiPict->setObjectName(QStringLiteral("HyojiPict"));
    HyojiPict->setFrameShape(QFrame::Box);
    TwipGeometry::place(HyojiPict, 8445 - 120, 585 - 480, 1455, 930);
    CheckImg = new QLabel(HyojiPict);
    CheckImg2 = new QLabel(HyojiPict);
    for (QLabel* img : {CheckImg, CheckImg2}) {
        img->setScaledContents(true);
        TwipGeometry::place(img, img == CheckImg ? 15 : 720, 45, 690, 690);
    }
    const QPoint cells[] = {{615, 15}, {255, 690}, {945, 690}};
    for (int i = 0; i < 3; ++i) {
        QLabel* cell = textLabel(QStringLiteral("<>"), HyojiPict, cells[i].x(), cells[i].y(), 8.25, false, Qt::black);
        cell->setObjectName(QStringLiteral("GazouGd%1").arg(i));
        GazouGd.append(cell);
    }
}

void IbaragiForm::buildGrids()
{
    TitleGrid = new FlexGrid(this);
    TitleGrid->setObjectName(QStringLiteral("TitleGrid"));
    TwipGeometry::place(TitleGrid, DataLeft, TiryoboLayout::DataTop - 280, TiryoboLayout::DataWidth - 270, 300);
    TitleGrid->setCols(TiryoboRow::ColCount);
    TitleGrid->setRows(1);
    TitleGrid->setFixedRows(1);
    TitleGrid->setFixedCols(0);
    TitleGrid->setBackColorFixed(QColor(204, 201, 173));
    TitleGrid->setBackColorBkg(SharedState::get().ColorSet.BaseBackColor);
    TitleGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    TitleGrid->setRowHeightTwips(0, 300);
    TitleGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TitleGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < TiryoboRow::ColCount; ++c) {
        TitleGrid->setColWidthTwips(c, TiryoboLayout::columns().at(c).width);
        TitleGrid->setTextMatrix(0, c, c == 0 ? QString() : c <= TiryoboRow::Taion ? QStringLiteral("診断書記入情報")
                                                                                   : QStringLiteral("診断書外情報"));
    }
    TitleGrid->mergeEqualCells(0);
    DataGrid = new FlexGrid(this);
    DataGrid->setObjectName(QStringLiteral("DataGrid"));
    TwipGeometry::place(DataGrid, DataLeft, TiryoboLayout::DataTop, TiryoboLayout::DataWidth, TiryoboLayout::DataHeightAlone);
    dataView.setGrid(DataGrid);
    dataView.setUp();
    DataGrid->viewport()->installEventFilter(this);
    DataGrid->installEventFilter(this);
    connect(DataGrid, &FlexGrid::gridDblClick, this, [this](int, int) { DataGrid_DblClick(); });
    connect(DataGrid->horizontalScrollBar(), &QScrollBar::valueChanged, TitleGrid->horizontalScrollBar(),
            &QScrollBar::setValue);
}

void IbaragiForm::buildInportFrame()
{
    InportFrame = new QGroupBox(this);
    InportFrame->setObjectName(QStringLiteral("InportFrame"));
    WidgetColor::setBackColor(InportFrame, SharedState::get().ColorSet.BaseBackColor);
    addLabel(BunruiGd, QStringLiteral("表示サイズ"), C::SizeCaption, InportFrame, 105, 195, false);
    addLabel(BunruiGd, QStringLiteral("データ表示"), C::DataHyoji, InportFrame, 11505, 180, false);
    addLabel(BunruiGd, QStringLiteral("1行コピー"), C::InportGyoCopy, InportFrame, 12690, 165, false);
    addLabel(BunruiGd, QStringLiteral("1日コピー"), C::InportDayCopy, InportFrame, 13830, 165, false);
    BunruiGd->resetOn(InportFrame);
    CmdGd->resetOn(InportFrame);
    SizeOp = new OptionArray(InportFrame);
    const int lefts[] = {1200, 1890, 2565};
    const QStringList captions{QStringLiteral("大"), QStringLiteral("中"), QStringLiteral("小")};
    for (int i = 0; i < 3; ++i) {
        QRadioButton* b = SizeOp->add(captions.at(i), InportFrame);
        b->setObjectName(QStringLiteral("SizeOp%1").arg(i));
        TwipGeometry::place(b, lefts[i], 210, 600, 240);
    }
    connect(SizeOp, &OptionArray::clicked, this, [this](int) { SizeOp_Click(); });
    InportGrid = new FlexGrid(InportFrame);
    InportGrid->setObjectName(QStringLiteral("InportGrid"));
    inportView.setGrid(InportGrid);
    inportView.setUp();
    connect(InportGrid, &FlexGrid::gridClick, this, [this](int row, int) { InportGrid_Click(row); });
}

void IbaragiForm::HyojiSizeProc()
{
    const SiteProfile& site = SharedState::get().Site;
    if (site.has(QStringLiteral("HideInport"))) {
        InportFrame->hide();
        return;
    }
    const int chosen = SizeOp->chosen();
    if (chosen < 0)
        return;
    const TiryoboLayout::Sizes sizes = TiryoboLayout::sizes(TiryoboLayout::Size(chosen));
    TwipGeometry::place(DataGrid, DataLeft, TiryoboLayout::DataTop, TiryoboLayout::DataWidth, sizes.dataHeight);
    TwipGeometry::place(InportFrame, 50, sizes.frameTop(), TiryoboLayout::DataWidth + 150, sizes.frameHeight);
    TwipGeometry::place(InportGrid, 50, 450, TiryoboLayout::DataWidth, sizes.inportHeight);
    const QString side = site.text(QStringLiteral("PartnerSide"));
    InportFrame->setTitle(side.isEmpty() ? QStringLiteral("インポートされた入力内容：（変更はできません）")
                                         : site.text(QStringLiteral("BranchName")) + side
                                               + QStringLiteral("での入力内容：（変更はできません）"));
    InportFrame->show();
}

void IbaragiForm::SizeOp_Click()
{
    HyojiSizeProc();
}

bool IbaragiForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DataGrid->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        DataGrid_MouseUp(mouse->button(), mouse->modifiers(), mouse->position().toPoint());
    } else if (watched == DataGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int top = DataGrid->topRow();
        if (key == Qt::Key_Down)
            DataGrid->setTopRow(top + 1);
        else if (key == Qt::Key_Up && top > 1)
            DataGrid->setTopRow(top - 1);
    }
    return QDialog::eventFilter(watched, event);
}

void IbaragiForm::DataGrid_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos)
{
    const int row = DataGrid->rowAt(pos.y());
    const int col = DataGrid->columnAt(pos.x());
    if (button == Qt::RightButton) {
        if (Book.Row > 0 && row == Book.Row)
            rightClick(row, col);
        dataView.layout(TiryoboGridView::Mode::ColoursOnly, Book.SelRow);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    if (Book.GyoSiteiMode == 1) {
        const int r = dataView.RowFromYProc(pos.y());
        TiryoboRowCmd::markClick(Book, r, col, (modifiers & ~Qt::KeypadModifier) == Qt::ShiftModifier);
        if (Book.validRow(r))
            Book.Row = r;
        dataView.layout(TiryoboGridView::Mode::ColoursOnly, Book.SelRow);
        return;
    }
    if (!Book.validRow(row))
        return;
    TiryoboClickCol = col;
    Book.Row = row;
    Book.SelRow = row;
    dataView.layout(TiryoboGridView::Mode::ColoursOnly, Book.SelRow);
    showPictures(Book.row(row));
}

void IbaragiForm::rightClick(int row, int col)
{
    const QString question = deleteQuestion(col);
    if (question.isEmpty() || !MsgBox::ask(question, QStringLiteral("削除")))
        return;
    if (col >= TiryoboRow::Bunrui && col <= TiryoboRow::Suuryou)
        Book.row(row).clearTiryoLine();
    else
        Book.row(row).set(col, QString());
}

void IbaragiForm::showPictures(const TiryoboRow& row)
{
    CheckImg->clear();
    CheckImg2->clear();
    for (QLabel* cell : GazouGd)
        cell->setText(QStringLiteral("<>"));
    const QStringList parts = row.at(TiryoboRow::Pict2).split(QLatin1Char(':'));
    if (parts.size() == 5) {
        showPicture(CheckImg, TensuText::value(parts.at(0)));
        showPicture(CheckImg2, TensuText::value(parts.at(1)));
        for (int i = 0; i < 3; ++i) {
            GazouGd[i]->setText(parts.at(2 + i));
            GazouGd[i]->adjustSize();
        }
    }
    SyokenList->clear();
    for (const QString& item : row.at(TiryoboRow::Syoken).split(QLatin1Char(':'))) {
        if (!item.isEmpty())
            SyokenList->addItem(item);
    }
}

void IbaragiForm::showPicture(QLabel* label, double number)
{
    if (number <= 0)
        return;
    const int n = int(TensuText::round(number));
    const QStringList& table = SharedState::get().Pict2PathTable;
    const QString name = n <= table.size() ? table.at(n - 1) : QStringLiteral("pict2_%1.bmp").arg(n - 1);
    const QPixmap picture = n <= table.size() ? QPixmap(DataPath::map(name)) : QPixmap();
    if (picture.isNull()) {
        if (!reportedPictures.contains(name)) {
            reportedPictures.insert(name);
            MsgBox::show(QStringLiteral("画像 %1 (番号 %2) が見つからないため表示できません。").arg(name).arg(n), Kakunin);
        }
        return;
    }
    label->setPixmap(picture);
}

void IbaragiForm::InportGrid_Click(int row)
{
    if (row < 1)
        return;
    InportSelRow = row;
    inportView.layout(TiryoboGridView::Mode::SelectedRow, InportSelRow);
}

void IbaragiForm::DataGrid_DblClick()
{
    const QMap<int, int> codes{{TiryoboRow::ByoMei, C::ByoMei}, {TiryoboRow::Gensyo, C::Gensyo},
                               {TiryoboRow::Taion, C::Taion},   {TiryoboRow::Bunben, C::Bunben},
                               {TiryoboRow::Kanri, C::Kanri},   {TiryoboRow::SyochiGai, C::SyochiGai},
                               {TiryoboRow::Tane, C::Tane}};
    if (codes.contains(TiryoboClickCol))
        TiryoboCmdProc(codes.value(TiryoboClickCol));
}

void IbaragiForm::CmdGd_Click(int index)
{
    if (index == 0) {
        if (MsgBox::ask(QStringLiteral("保存して終了します。"), Kakunin) && TxbSaveProc(true))
            accept();
        return;
    }
    if (TxbSaveProc(false))
        MsgBox::show(QStringLiteral("現在までの入力を保存しました。"), Kakunin);
}

bool IbaragiForm::TxbSaveProc(bool closing)
{
    SharedState& s = SharedState::get();
    QString error;
    if (closing) {
        QStringList list = s.DellInfoList;
        SharedUtil::DellInfoSetProc(list, TxbFileName, DellInfoFile::mark(Book));
        if (!DellInfoFile::write(list, &error)) {
            MsgBox::show(error, Kakunin);
            return false;
        }
        s.DellInfoList = list;
    }
    if (!TiryoboFile::write(TiryoboFile::txbPath(s.CurrentKarteFile), Book, &error)) {
        MsgBox::show(error, Kakunin);
        return false;
    }
    return true;
}

void IbaragiForm::IxbReadProc()
{
    const TiryoboFile file = TiryoboFile::readImport(TiryoboFile::ixbPath(SharedState::get().CurrentKarteFile));
    if (file.status == TiryoboFile::Status::Missing) {
        MsgBox::show(QStringLiteral("データがインポートされていません。"), Kakunin);
        return;
    }
    if (file.status == TiryoboFile::Status::Error) {
        MsgBox::show(file.errorText, Kakunin);
        return;
    }
    Inport = TiryoboBook::withRows(file.rows, 0);
    InportSelRow = std::min(InportSelRow, Inport.lastRow());
}

bool IbaragiForm::notice(const TiryoboNotice& n)
{
    if (n)
        MsgBox::show(n->text, n->title);
    return bool(n);
}

void IbaragiForm::TiryoboCmdProc(int code)
{
    if (code >= C::DayCopy && code <= C::InportGyoCopy) {
        if (!partnerCommand(code))
            return;
        if (code >= C::DataHyoji && notice(C::marking(Book)))
            return;
    } else if (notice(C::common(Book, code)) || notice(C::dateRow(Book, code)) || !command(code)) {
        return;
    }
    relayout(code);
}

void IbaragiForm::relayout(int code)
{
    switch (C::layoutAfter(code)) {
    case C::Layout::AllRows: dataView.layout(TiryoboGridView::Mode::AllRows, Book.SelRow); break;
    case C::Layout::CurrentRow: dataView.layout(TiryoboGridView::Mode::SelectedRow, Book.SelRow); break;
    case C::Layout::None: dataView.layout(TiryoboGridView::Mode::ColoursOnly, Book.SelRow); break;
    }
}

bool IbaragiForm::command(int code)
{
    if (code <= C::Nyuin)
        return code <= C::Yakuji ? treatmentLine(code) : sinryo(code);
    switch (code) {
    case C::Saisin: TiryoboEntryCmd::saisin(Book.current()); return true;
    case C::PLTest:
    case C::Gensyo:
    case C::ByoMei:
    case C::Syoken:
    case C::Pict2: return entryCommand(code);
    case C::Kanri:
    case C::SyochiGai:
    case C::Tane:
    case C::Bunben:
    case C::Taion: return cellCommand(code);
    case C::Insatu: return printCommand();
    case C::Sindansyo: return sindansyo();
    case C::GyoSiteiStart:
    case C::GyoSiteiEnd:
    case C::MultiPaste:
    case C::MultiCopy: return markCommand(code);
    case C::Tojiru:
    case C::SizeCaption: return true;
    default: return rowCommand(code);
    }
}

bool IbaragiForm::treatmentLine(int code)
{
    HandOver& h = SharedState::get().Hand;
    if (code == C::Ousin) {
        h.OusinOut = QStringList(5);
        showModal<OusinForm>(this);
        TiryoboEntryCmd::ousin(Book.current(), h.OusinOut);
    } else if (code == C::Tyusya) {
        h.TyusyaOut = QStringList(12);
        showModal<TyusyaForm>(this);
        TiryoboEntryCmd::tyusya(Book.current(), h.TyusyaOut);
    } else {
        h.YakujiOut = QStringList(14);
        showModal<YakujiForm>(this);
        notice(TiryoboEntryCmd::yakuji(Book.current(), h.YakujiOut));
    }
    return true;
}

bool IbaragiForm::sinryo(int code)
{
    SharedState& s = SharedState::get();
    if (code == C::Bunsyo) {
        const TiryoboEntryCmd::BunsyoRule rule = TiryoboEntryCmd::bunsyoRule(s.ken);
        if (rule == TiryoboEntryCmd::BunsyoRule::Refuse)
            notice(TiryoboEntryCmd::bunsyoMessage());
        if (rule != TiryoboEntryCmd::BunsyoRule::Open)
            return false;
    }
    const QString bunrui = sinryoBunrui.at(code - C::Bunsyo);
    s.Hand.SinryoBunruiIn = bunrui;
    s.Hand.SinryoOut = QStringList(11);
    showModal<SinryoForm>(this);
    TiryoboEntryCmd::sinryo(Book.current(), s.Hand.SinryoOut, bunrui);
    return true;
}

bool IbaragiForm::entryCommand(int code)
{
    SharedState& s = SharedState::get();
    HandOver& h = s.Hand;
    if (code == C::PLTest) {
        h.PLTestIn = TiryoboEntryCmd::plTestIn(Book.current(), s.Site.has(QStringLiteral("FarmGroup")));
        h.PLTestOut.clear();
        showModal<PLForm>(this);
        TiryoboEntryCmd::plTest(Book.current(), h.PLTestOut);
    } else if (code == C::Gensyo) {
        h.TeireiText = Book.current().at(TiryoboRow::Gensyo);
        h.TeireiBunruiIn = 1;
        showModal<TextInputForm>(this);
        Book.current().set(TiryoboRow::Gensyo, h.TeireiText);
    } else if (code == C::ByoMei) {
        h.ByoName.clear();
        h.ByoCode.clear();
        showModal<ByoNameForm>(this);
        TiryoboEntryCmd::byoMei(Book.current(), h.ByoName, h.ByoCode);
    } else if (code == C::Syoken) {
        syokenCommand();
    } else {
        h.Pict2Code = TiryoboEntryCmd::pict2In(Book.current());
        showModal<Pict2Form>(this);
        Book.current().set(TiryoboRow::Pict2, h.Pict2Code);
        showPictures(Book.current());
    }
    return true;
}

// The findings dialog starts from the findings listed for the row and its result replaces both
// the list and the row's findings cell.
void IbaragiForm::syokenCommand()
{
    std::array<QString, 9>& text = SharedState::get().Hand.SyokenText;
    text.fill(QString());
    for (int i = 0; i < SyokenList->count() && i < int(text.size()); ++i)
        text[i] = SyokenList->item(i)->text();
    showModal<SyokenForm>(this);
    SyokenList->clear();
    SyokenList->addItems(TiryoboEntryCmd::syoken(Book.current(), text));
}

bool IbaragiForm::cellCommand(int code)
{
    HandOver& h = SharedState::get().Hand;
    QString& text = h.IbaragiDialogText;
    switch (code) {
    case C::Kanri:
        text = Book.current().at(TiryoboRow::Kanri);
        showModal<IbaragiBunbenForm>(this);
        Book.current().set(TiryoboRow::Kanri, text);
        break;
    case C::SyochiGai:
        text = Book.current().at(TiryoboRow::SyochiGai);
        showModal<IbaragiSyochiForm>(this);
        TiryoboEntryCmd::syochiGai(Book.current(), text);
        break;
    case C::Tane:
        text = Book.current().at(TiryoboRow::Tane);
        showModal<IbaragiTaneForm>(this);
        Book.current().set(TiryoboRow::Tane, text);
        break;
    case C::Bunben:
        text = TiryoboEntryCmd::bunbenIn(Book.current());
        h.IbaragiRowIn = Book.current().at(TiryoboRow::Hiduke);
        showModal<IbaragiInfoForm>(this);
        TiryoboEntryCmd::bunben(Book.current(), text);
        break;
    default:
        text = Book.current().at(TiryoboRow::Taion);
        h.IbaragiRowIn = Book.current().at(TiryoboRow::Hiduke);
        showModal<IbaragiTForm>(this);
        TiryoboEntryCmd::taion(Book.current(), text);
        break;
    }
    return true;
}

bool IbaragiForm::setDate()
{
    HandOver& h = SharedState::get().Hand;
    h.NenGappiMode = 0;
    h.NenGappiBirthMode = 0;
    showModal<NenGappiForm>(this);
    return !notice(TiryoboRowCmd::setDate(Book, h.NenGappiYearOut, h.NenGappiManthOut, h.NenGappiDayOut));
}

bool IbaragiForm::rowCommand(int code)
{
    switch (code) {
    case C::GyoDel:
        if (!DelCh->isChecked() && !MsgBox::ask(QStringLiteral("選択行の入力を削除します。"), Kakunin))
            return false;
        TiryoboRowCmd::clearRow(Book);
        return true;
    case C::GyoIns:
        return MsgBox::ask(QStringLiteral("選択位置に空白行を挿入します"), Kakunin) && !notice(TiryoboRowCmd::insertRow(Book));
    case C::KuhakuDel:
        if (!MsgBox::ask(QStringLiteral("空白行がある場合、上に詰めます。"), Kakunin))
            return false;
        TiryoboRowCmd::compact(Book);
        return true;
    case C::Hiduke: return setDate();
    case C::GyoCopy:
        if (!ClipboardText::set(IbaragiDayCopyBuffer::clipText(Book.current())))
            notice(TiryoboMessage{QStringLiteral("クリップボードに行を送れませんでした。")});
        return true;
    case C::GyoPaste: return !notice(TiryoboRowCmd::pasteRow(Book, ClipboardText::get()));
    case C::TiryoEnd: return !notice(TiryoboRowCmd::tiryoEnd(Book));
    case C::HidukeClear:
        if (Book.current().at(TiryoboRow::Hiduke).isEmpty() || !MsgBox::ask(QStringLiteral("日付をクリアします。"), Kakunin))
            return false;
        TiryoboRowCmd::clearDate(Book);
        return true;
    default: return true;
    }
}

bool IbaragiForm::markCommand(int code)
{
    QStringList& buffer = SharedState::get().IbaragiDayCopyBuffer;
    switch (code) {
    case C::GyoSiteiStart:
        TiryoboRowCmd::startMarking(Book);
        DataGrid->setBackColorFixed(MarkColor);
        return true;
    case C::MultiPaste:
        if (notice(TiryoboRowCmd::pasteCheck(Book, buffer, code))
            || !MsgBox::ask(QStringLiteral("複数行貼付けを実行します。"), Kakunin))
            return false;
        return !notice(TiryoboRowCmd::paste(Book, buffer));
    case C::MultiCopy: notice(TiryoboRowCmd::copyMarked(Book, buffer)); break;
    case C::GyoSiteiEnd:
        TiryoboRowCmd::endMarking(Book);
        Book.Row = DataGrid->topRow();
        break;
    default: return true;
    }
    if (Book.GyoSiteiMode == 0)
        DataGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    return true;
}

bool IbaragiForm::sindansyo()
{
    SharedState& s = SharedState::get();
    const ToridasiFile file = ToridasiFile::build(Book);
    s.Hand.IbaragiKiokuDate = file.kiokuDate;
    const KarteScan chart = KarteScan::read(s.kartePath(s.CurrentKarteFile));
    if (!chart.ok()) {
        MsgBox::show(chart.errorText, Kakunin);
        return false;
    }
    if (notice(file.duplicate(chart)) || notice(file.empty()))
        return false;
    QString error;
    if (!file.write(&error)) {
        MsgBox::show(error, Kakunin);
        return false;
    }
    s.KarteOpenMode = 0;
    s.Hand.KarteHinagataMode = 0;
    s.Hand.BunruiOut = 2;
    showModal<BunruiForm>(this);
    if (s.Hand.BunruiOut != 2)
        showModal<NewInputForm>(this);
    return true;
}

bool IbaragiForm::partnerCommand(int code)
{
    QStringList& buffer = SharedState::get().IbaragiDayCopyBuffer;
    switch (code) {
    case C::DayCopy: return !notice(TiryoboRowCmd::copyDay(Book, Book.SelRow, buffer));
    case C::DayPaste:
        return !notice(TiryoboRowCmd::pasteCheck(Book, buffer, code)) && !notice(TiryoboRowCmd::paste(Book, buffer));
    case C::DataHyoji:
        IxbReadProc();
        inportView.layout(TiryoboGridView::Mode::AllRows, InportSelRow);
        return true;
    case C::InportDayCopy: return !notice(TiryoboRowCmd::copyDay(Inport, InportSelRow, buffer));
    default:
        if (!ClipboardText::set(IbaragiDayCopyBuffer::clipText(Inport.row(InportSelRow))))
            notice(TiryoboMessage{QStringLiteral("クリップボードに行を送れませんでした。")});
        return true;
    }
}

bool IbaragiForm::printCommand()
{
    HandOver& h = SharedState::get().Hand;
    h.IbaragiPrintData = IbaragiPrintData::build(Book.current());
    h.IbaragiKotaiData = h.IbaragiKotaiData.mid(0, 2) + QStringList{Book.current().at(TiryoboRow::Taion)};
    IbaragiPrintForm form(Book, this);
    ModalHost::exec(form);
    return true;
}
