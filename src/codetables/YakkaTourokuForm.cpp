#include "YakkaTourokuForm.h"

#include "CellEditRule.h"
#include "CodeFileFormat.h"
#include "CodeGridRows.h"
#include "CodeTableSearch.h"
#include "CodeWindowLook.h"

#include "common/WidgetColor.h"
#include "common/CodeTableLoader.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {
using Col = CodeWindowLook::Column;
constexpr auto L = FlexGrid::AlignLeft;
constexpr auto C = FlexGrid::AlignCenter;

const QList<Col> kDrugColumns{{"分類", 600, C}, {"名称", 4300, L}, {"規格", 3000, L}, {"定量", 750, C},
                              {"単位", 500, C}, {"", 500, C}, {"現薬価", 900, C}, {"", 0, L}};
const QList<Col> kFeeColumns{{"", 350, C}, {"種別", 4000, L}, {"B点", 850, C}, {"A点", 850, C}};
const QList<Col> kHouseColumns{{"*", 1800, L}, {"分類", 2000, C}, {"B点", 600, L}, {"A点", 600, C}};
const QList<Col> kDrugMiyazakiColumns{{"*", 450, C}, {"分類", 600, C}, {"コード", 500, C},
                                      {"名称", 3500, L}, {"規格", 3000, L}, {"定量", 750, C},
                                      {"単位", 500, C}, {"", 50, C}, {"現薬価", 950, C}};
const QList<Col> kFeeMiyazakiColumns{{"分類", 650, C}, {"コード", 550, C}, {"名称", 2800, L},
                                     {"適用", 3000, L}, {"", 50, C}, {"B点", 750, C}};

const QStringList kKubunCaptions{"文書", "処置", "検査", "手術", "指導", "入院", "診察", "注射", "薬治"};
const int kDrugCarryCol = 7;  // hidden: field 3 of the drug line

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

YakkaTourokuForm::YakkaTourokuForm(QWidget* parent) : QDialog(parent)
{
    miyazaki = CodeTableLoader::isMiyazaki(SharedState::get().ken);
    buildWindow();
    BunruiOp[0]->setChecked(true);
    if (miyazaki) {
        YakkaMiyazakiReadProc();
        SinryoMiyazakiReadProc();
    } else {
        YakkaCodeReadProc();
        SinryoKubunSetProc(0);
        LenCodeReadProc();
    }
}

// ---- building -------------------------------------------------------------------------------

void YakkaTourokuForm::buildWindow()
{
    setObjectName(QStringLiteral("YakkaTourokuForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(this, 0, 750, 12795, 11235);
    setFixedSize(size());
    CmdGd = new LabelButtonArray(this);
    if (SharedState::get().ColorSet.HoverColor.isValid())
        CmdGd->setHoverColor(SharedState::get().ColorSet.HoverColor);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &YakkaTourokuForm::CmdGd_Click);
    for (int k = 0; k < 3; ++k)
        page(k);
    buildTop();
    buildDrugPage();
    buildFeePage();
    buildHousePage();
    layoutGrids();
}

QFrame* YakkaTourokuForm::page(int k)
{
    if (WakuFrame[k])
        return WakuFrame[k];
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("WakuFrame%1").arg(k));
    WidgetColor::setBackColor(frame, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(frame, 120, 720, 12285, 10350);
    frame->setVisible(k == 0);
    CmdGd->resetOn(frame);
    WakuFrame[k] = frame;

    auto* grid = new FlexGrid(frame);
    grid->setObjectName(QStringLiteral("DataGrid%1").arg(k));
    grid->viewport()->installEventFilter(this);
    connect(grid, &FlexGrid::gridClick, this, [this, k] { DataGrid_Click(k); });
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &YakkaTourokuForm::DataGrid_Scroll);
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, &YakkaTourokuForm::DataGrid_Scroll);
    DataGrid[k] = grid;

    auto* editor = new QLineEdit(frame);
    editor->setObjectName(QStringLiteral("inpTx%1").arg(k));
    editor->setFrame(false);
    QPalette p = editor->palette();
    p.setColor(QPalette::Base, CodeWindowLook::CellEditorBackColor);
    editor->setPalette(p);
    editor->setAlignment(Qt::AlignCenter);
    editor->hide();
    editor->installEventFilter(this);
    connect(editor, &QLineEdit::textChanged, this, [this, k] { inpTx_Change(k); });
    inpTx[k] = editor;
    return frame;
}

void YakkaTourokuForm::buildTop()
{
    CodeWindowLook::titleLabel(QStringLiteral("薬価・診療費"), this, 165, 60)->setObjectName("TitleGd0");
    CodeWindowLook::greyRule(this, 0, 330, 12700);
    auto* opFrame = new QFrame(this);
    opFrame->setObjectName(QStringLiteral("OpFrame"));
    WidgetColor::setBackColor(opFrame, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(opFrame, 1800, 390, 3600, 300);
    const QStringList captions{"薬価", "診療点数", "往診"};
    for (int i = 0; i < 3; ++i) {
        auto* op = new QRadioButton(captions.at(i), opFrame);
        op->setObjectName(QStringLiteral("BunruiOp%1").arg(i));
        TwipGeometry::place(op, i * 1200, 0, 1150, 300);
        connect(op, &QRadioButton::toggled, this, [this, i](bool on) { if (on) BunruiOp_Click(i); });
        BunruiOp[i] = op;
    }
    BunruiOp[2]->setVisible(!miyazaki);
    KensakuTx = new QLineEdit(this);
    KensakuTx->setObjectName(QStringLiteral("KensakuTx"));
    TwipGeometry::place(KensakuTx, 1800, 30, 2400, 285);
    KensakuTx->installEventFilter(this);
    command(7, QStringLiteral("検索"), this, 4350, 60);
    command(0, QStringLiteral("閉る"), this, 12150, 60);
    CodeWindowLook::label(QStringLiteral("※切替前に「登録実行」必須"), this, 5700, 420)->setObjectName("Label1_2");
}

void YakkaTourokuForm::command(int index, const QString& caption, QWidget* parent, int left, int top)
{
    LabelButton* b = CmdGd->add(caption, index, parent);
    b->setObjectName(QStringLiteral("CmdGd%1").arg(index));
    b->setFont(CodeWindowLook::commandFont(index == 0 || caption == QStringLiteral("登録実行")));
    b->setAlignment(Qt::AlignCenter);
    b->adjustSize();
    b->move(TwipGeometry::px(left), TwipGeometry::px(top));
}

void YakkaTourokuForm::commandRow(int k, int top, const QList<std::pair<int, QString>>& commands)
{
    int left = 2200;
    for (const auto& [index, caption] : commands) {
        command(index, caption, WakuFrame[k], left, top);
        left += 1300;
    }
}

void YakkaTourokuForm::buildDrugPage()
{
    QFrame* f = WakuFrame[0];
    CodeWindowLook::label(QStringLiteral("【登録済一覧】"), f, 195, 180);
    commandRow(0, 180, {{1, "登録実行"}, {4, "上行コピー"}, {6, "行追加(下)"}});
    CodeWindowLook::label(QStringLiteral("※新規追加は、該当位置をクリック後「行追加（下）」をクリックします。"),
                          f, 195, 8700);
    CodeWindowLook::label(QStringLiteral("※名称を空白にすると、登録されません。（削除される）"), f, 195, 8980);
}

void YakkaTourokuForm::buildFeePage()
{
    QFrame* f = WakuFrame[1];
    for (int i = 0; i < 9; ++i) {
        auto* op = new QRadioButton(kKubunCaptions.at(i), f);
        op->setObjectName(QStringLiteral("SinryiOp%1").arg(i));
        WidgetColor::setBackColor(op, SharedState::get().ColorSet.DialogBackColor);
        TwipGeometry::place(op, 60 + i * 900, 60, 850, 300);
        op->setVisible(!miyazaki);
        connect(op, &QRadioButton::toggled, this, [this, i](bool on) { if (on) SinryiOp_Click(i); });
        SinryiOp[i] = op;
    }
    {
        const QSignalBlocker blocker(SinryiOp[0]);
        SinryiOp[0]->setChecked(true);
    }
    CodeWindowLook::label(QStringLiteral("【登録済一覧】"), f, 60, 480);
    commandRow(1, 480, {{2, "登録実行"}, {14, "上行コピー"}, {9, "行追加(下)"}});
}

void YakkaTourokuForm::buildHousePage()
{
    CodeWindowLook::label(QStringLiteral("【登録済一覧】"), WakuFrame[2], 150, 180);
    commandRow(2, 180, {{15, "登録実行"}, {13, "行追加(下)"}});
}

void YakkaTourokuForm::layoutGrids()
{
    FlexGrid* drug = DataGrid[0];
    FlexGrid* fee = DataGrid[1];
    FlexGrid* house = DataGrid[2];
    if (miyazaki) {
        TwipGeometry::place(drug, 195, 450, CodeWindowLook::setupGrid(drug, kDrugMiyazakiColumns, true), 8145);
        TwipGeometry::place(fee, 60, 900, CodeWindowLook::setupGrid(fee, kFeeMiyazakiColumns, true), 8145);
    } else {
        TwipGeometry::place(drug, 195, 450, CodeWindowLook::setupGrid(drug, kDrugColumns, true), 8145);
        drug->setColumnHidden(kDrugCarryCol, true);
        TwipGeometry::place(fee, 60, 750, CodeWindowLook::setupGrid(fee, kFeeColumns, true), 9275);
        fee->setRowHeightTwips(0, 300);
        fee->setHighLight(FlexGrid::HighLightNever);
    }
    fee->setFixedCols(1);
    drug->setFixedCols(0);
    house->setFixedCols(0);
    TwipGeometry::place(house, 150, 480, CodeWindowLook::setupGrid(house, kHouseColumns, false), 9645);
}

// ---- events ---------------------------------------------------------------------------------

bool YakkaTourokuForm::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::KeyRelease || type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        for (int k = 0; k < 3; ++k) {
            if (watched != inpTx[k])
                continue;
            if (type == QEvent::KeyRelease && !key->isAutoRepeat())
                inpTx_KeyUp(k, key->key());
            return key->key() == Qt::Key_Down;  // the editor keeps the focus on Down
        }
        if (watched == KensakuTx && type == QEvent::KeyRelease && !key->isAutoRepeat())
            KensakuTx_KeyUp(key->key());
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        // A fixed cell (a heading, the fee grid's first column) never becomes the current cell.
        for (FlexGrid* grid : DataGrid) {
            if (watched != grid->viewport())
                continue;
            const QModelIndex at = grid->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            return at.isValid() && (at.row() < grid->fixedRows() || at.column() < grid->fixedCols());
        }
    }
    return QDialog::eventFilter(watched, event);
}

void YakkaTourokuForm::keyPressEvent(QKeyEvent* event)
{
    // The register is left only through "閉る".
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void YakkaTourokuForm::closeEvent(QCloseEvent* event)
{
    if (closing) {
        event->accept();
        return;
    }
    event->ignore();
    CmdGd_Click(0);
}

void YakkaTourokuForm::CmdGd_Click(int index)
{
    hideEditors();
    switch (index) {
    case 0:
        if (MsgBox::ask(QStringLiteral("終了しますか？"), QStringLiteral("保存確認"), MsgBox::OkCancel)) {
            closing = true;
            done(0);
        }
        break;
    case 1:
        miyazaki ? YakkaMiyazakiSaveProc() : YakkaCodeSaveProc();
        break;
    case 2:
        if (MsgBox::ask(QStringLiteral("診療点数を登録します。"), QStringLiteral("登録"), MsgBox::OkCancel))
            miyazaki ? SinryoMiyazakiSaveProc() : SinryoCodeSaveProc();
        break;
    case 4: uegyoCopy(0); break;
    case 6: gyoTuika(0); break;
    case 7: kensaku(); break;
    case 9: gyoTuika(1); break;
    case 14: uegyoCopy(1); break;
    case 15:
        if (!miyazaki && MsgBox::ask(QStringLiteral("往診点数を登録します。"), QStringLiteral("登録"), MsgBox::OkCancel))
            LenCodeSaveProc();
        break;
    default: break;  // 13: the house-call page adds no rows
    }
}

void YakkaTourokuForm::BunruiOp_Click(int index)
{
    for (int k = 0; k < 3; ++k)
        WakuFrame[k]->setVisible(k == index);
}

void YakkaTourokuForm::SinryiOp_Click(int index)
{
    if (index == kubunShown)
        return;
    if (!confirmDiscardFee()) {
        const QSignalBlocker blocker(SinryiOp[kubunShown]);
        SinryiOp[kubunShown]->setChecked(true);
        return;
    }
    SinryoKubunSetProc(index);
}

bool YakkaTourokuForm::confirmDiscardFee()
{
    if (CodeGridRows::rows(*DataGrid[1]) == feeRowsShown)
        return true;
    return MsgBox::ask(QStringLiteral("「%1」の変更は登録されていません。\r\n切り替えると変更は失われます。切り替えますか？")
                           .arg(kKubunCaptions.value(kubunShown)),
                       QStringLiteral("保存確認"), MsgBox::OkCancel, MsgBox::Exclamation);
}

int YakkaTourokuForm::shownPage() const
{
    for (int k = 0; k < 3; ++k)
        if (BunruiOp[k]->isChecked())
            return k;
    return 0;
}

// ---- search ---------------------------------------------------------------------------------

void YakkaTourokuForm::scrollToRows(FlexGrid* grid, const QList<int>& rows)
{
    for (int r : rows)
        grid->setTopRow(r);
}

void YakkaTourokuForm::kensaku()
{
    const QString text = KensakuTx->text();
    int count = 0;
    if (!text.isEmpty()) {
        FlexGrid* grid = DataGrid[shownPage()];
        const QList<int> hits = CodeTableSearch::kensakuHits(CodeGridRows::rows(*grid), shownPage() == 1, text);
        scrollToRows(grid, hits);
        count = int(hits.size());
    }
    MsgBox::show(CodeTableSearch::kensakuMessage(count), QStringLiteral("確認"));
}

void YakkaTourokuForm::KensakuTx_KeyUp(int key)
{
    const QString text = KensakuTx->text();
    const int k = shownPage();
    // The house-call page has no exact search: its grid has no code column.
    if (!isEnterKey(key) || text.isEmpty() || k == 2)
        return;
    FlexGrid* grid = DataGrid[k];
    scrollToRows(grid, CodeTableSearch::exactHits(CodeGridRows::rows(*grid), k == 0 ? 2 : 1, text));
}

// ---- cell editing ---------------------------------------------------------------------------

void YakkaTourokuForm::hideEditors()
{
    for (QLineEdit* editor : inpTx)
        editor->hide();
}

void YakkaTourokuForm::DataGrid_Scroll()
{
    hideEditors();
}

void YakkaTourokuForm::setEditorText(int k, const QString& text)
{
    const QSignalBlocker blocker(inpTx[k]);
    inpTx[k]->setText(text);
}

void YakkaTourokuForm::moveEditor(int k, int row, int col)
{
    DataGrid[k]->setCurrent(row, col);
    DataGrid_Click(k);
}

void YakkaTourokuForm::DataGrid_Click(int k)
{
    hideEditors();
    FlexGrid* grid = DataGrid[k];
    const int r = grid->row();
    if (r < 1 || grid->col() < 0)
        return;
    const CellEditRule::Opening op = CellEditRule::opening(k, miyazaki, grid->col());
    if (op.mode == CellEditRule::Mode::Locked)
        MsgBox::show(QStringLiteral("この列は変更できません。"), QStringLiteral("確認"));
    else if (op.mode != CellEditRule::Mode::None)
        openEditor(k, r, op.col);
    markRow(k);
}

void YakkaTourokuForm::openEditor(int k, int r, int c)
{
    FlexGrid* grid = DataGrid[k];
    QLineEdit* editor = inpTx[k];
    grid->setCurrent(r, c);
    const CellEditRule::Opening op = CellEditRule::opening(k, miyazaki, c);
    QString text = grid->textMatrix(r, c);
    if (CellEditRule::pricePrefill(k, miyazaki, c, text, grid->textMatrix(r, 1), r == 1)) {
        text = grid->textMatrix(r - 1, c);
        grid->setTextMatrix(r, c, text);
    }
    setEditorText(k, text);
    editor->setAttribute(Qt::WA_InputMethodEnabled, op.mode == CellEditRule::Mode::Text);
    if (op.align == CellEditRule::Align::Left)
        editor->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    else if (op.align == CellEditRule::Align::Center)
        editor->setAlignment(Qt::AlignCenter);
    grid->scrollTo(grid->model()->index(r, c));
    placeEditor(k);
    editor->show();
    if (op.selectAll) {
        editor->selectAll();
    } else {
        editor->deselect();
        editor->setCursorPosition(0);
    }
    editor->setFocus();
}

void YakkaTourokuForm::placeEditor(int k)
{
    FlexGrid* grid = DataGrid[k];
    const QRect cell = grid->cellRect(grid->row(), grid->col());
    const int height = grid->rowHeight(1) - TwipGeometry::px(10);
    inpTx[k]->setGeometry(grid->x() + cell.x(), grid->y() + cell.y(), cell.width(), height);
}

void YakkaTourokuForm::markRow(int k)
{
    FlexGrid* grid = DataGrid[k];
    const int current = grid->row();
    const int firstCol = k == 1 && !miyazaki ? 1 : 0;
    grid->setUpdatesEnabled(false);
    for (int r = 1; r < grid->rows(); ++r)
        for (int c = firstCol; c < grid->cols(); ++c)
            grid->setCellBackColor(r, c, r == current ? CodeWindowLook::EditRowColor : QColor(Qt::white));
    grid->setUpdatesEnabled(true);
}

void YakkaTourokuForm::inpTx_Change(int k)
{
    FlexGrid* grid = DataGrid[k];
    if (grid->row() < 1 || grid->col() < 0)
        return;
    const QString text = inpTx[k]->text();
    if (k == 0)
        drugChange(text);
    else if (k == 1)
        feeChange(text);
    else
        grid->setText(text);
}

void YakkaTourokuForm::drugChange(const QString& text)
{
    FlexGrid* grid = DataGrid[0];
    const int r = grid->row();
    const int c = grid->col();
    const auto plus = CellEditRule::drugPlus(text, CodeGridRows::cells(*grid, r - 1),
                                             CodeGridRows::cells(*grid, r), c, r == 1,
                                             r == grid->rows() - 1);
    switch (plus) {
    case CellEditRule::Plus::Write:
        grid->setText(text);
        break;
    case CellEditRule::Plus::CopyDown: {
        const QString above = grid->textMatrix(r - 1, c);
        setEditorText(0, above);
        grid->setText(above);
        moveEditor(0, r + 1, c);
        break;
    }
    case CellEditRule::Plus::Mismatch:
        MsgBox::show(QStringLiteral("適用が違う"));
        setEditorText(0, grid->text());
        inpTx[0]->selectAll();
        break;
    case CellEditRule::Plus::Keep:
        setEditorText(0, grid->text());
        inpTx[0]->selectAll();
        break;
    }
}

void YakkaTourokuForm::feeChange(const QString& text)
{
    FlexGrid* grid = DataGrid[1];
    const int r = grid->row();
    const int c = grid->col();
    switch (CellEditRule::feePlus(text, c, r == 1, r == grid->rows() - 1)) {
    case CellEditRule::Plus::Write:
        grid->setText(text);
        break;
    case CellEditRule::Plus::CopyDown:
        for (int col = CellEditRule::FeePlusFirstCol; col <= CellEditRule::FeePlusLastCol; ++col)
            grid->setTextMatrix(r, col, grid->textMatrix(r - 1, col));
        setEditorText(1, grid->text());
        moveEditor(1, r + 1, c);
        break;
    default:
        break;  // a "+" that copies nothing is not written: the cell keeps its text
    }
}

void YakkaTourokuForm::inpTx_KeyUp(int k, int key)
{
    FlexGrid* grid = DataGrid[k];
    const int r = grid->row();
    const int c = grid->col();
    if (r < 1 || inpTx[k]->isHidden())
        return;
    if (key == Qt::Key_F12) {
        if (CellEditRule::f12Applies(k, miyazaki, c, grid->textMatrix(r, 5)))
            inpTx[k]->setText(grid->textMatrix(r, 5));
        return;
    }
    if (const auto to = CellEditRule::keyMove(k, miyazaki, key, r, c, grid->rows() - 1))
        moveEditor(k, to->row, to->col);
}

void YakkaTourokuForm::uegyoCopy(int k)
{
    FlexGrid* grid = DataGrid[k];
    const int r = grid->row();
    // On the first data row the row above is the heading: nothing to copy.
    if (r <= 1 || grid->col() < grid->fixedCols())
        return;
    setEditorText(k, grid->textMatrix(r - 1, grid->col()));
    inpTx_Change(k);
}

void YakkaTourokuForm::gyoTuika(int k)
{
    FlexGrid* grid = DataGrid[k];
    const int r = std::max(0, grid->row());
    const int c = std::max(grid->fixedCols(), grid->col());
    grid->addItem(QString(), r + 1);
    if (r >= 1) {
        const int carried = k == 0 ? 2 : 1;
        for (int col = 0; col < carried; ++col)
            grid->setTextMatrix(r + 1, col, grid->textMatrix(r, col));
    }
    grid->setCurrent(r, c);
}

// ---- loading and saving ---------------------------------------------------------------------

int YakkaTourokuForm::SinryoKubunGetProc() const
{
    for (int i = 8; i >= 1; --i)
        if (SinryiOp[i]->isChecked())
            return i;
    return 0;
}

void YakkaTourokuForm::SinryoKubunSetProc(int index)
{
    if (index < 0 || index > 8)
        return;
    hideEditors();
    noteReadError(TextFile::read(CodeTableLoader::sinryoCodePath(index + 1)));
    FlexGrid* grid = DataGrid[1];
    CodeGridRows::fill(*grid, CodeFileFormat::sinryoRows(SharedState::get().Tables.SinryoCodeTable[index + 1]));
    kubunShown = index;
    feeRowsShown = CodeGridRows::rows(*grid);
}

void YakkaTourokuForm::readFileIntoGrid(const QString& path, FlexGrid* grid,
                                        QList<QStringList> (*rowsOf)(const QStringList&))
{
    const TextFile file = TextFile::read(path);
    if (file.missing())
        MsgBox::show(file.errorText, QStringLiteral("確認"), MsgBox::OkOnly, MsgBox::Exclamation);
    noteReadError(file);
    grid->setUpdatesEnabled(false);
    CodeGridRows::fill(*grid, rowsOf(file.texts()));
    grid->setUpdatesEnabled(true);
}

// A file that exists but could not be read shows as an empty or partial table: it is reported
// with its line and never saved over, so that a register never replaces it by what it shows.
void YakkaTourokuForm::noteReadError(const TextFile& file)
{
    if (file.ok() || file.missing()) {
        unreadable.remove(file.path);
        return;
    }
    unreadable.insert(file.path);
    MsgBox::show(file.errorText + QStringLiteral("\r\nこの表は登録できません。"), QStringLiteral("確認"), MsgBox::OkOnly,
                 MsgBox::Exclamation);
}

bool YakkaTourokuForm::writeCodeFile(const QString& path, const QStringList& lines)
{
    if (unreadable.contains(path)) {
        MsgBox::show(QStringLiteral("読み取れなかったファイルなので登録しません: %1").arg(path), QStringLiteral("登録"),
                     MsgBox::OkOnly, MsgBox::Exclamation);
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (TextFile::write(path, lines, &error))
        return true;
    MsgBox::show(error + QStringLiteral("\r\n登録できませんでした。"), QStringLiteral("登録"), MsgBox::OkOnly,
                 MsgBox::Critical);
    return false;
}

void YakkaTourokuForm::replaceTable(QStringList& table, const QStringList& lines)
{
    table = CodeTableLoader::tableOf(lines);
    tellRegistered();
}

void YakkaTourokuForm::tellRegistered()
{
    MsgBox::show(QStringLiteral("登録しました。"), QString(), MsgBox::OkOnly, MsgBox::Information);
}

void YakkaTourokuForm::YakkaCodeReadProc()
{
    readFileIntoGrid(CodeTableLoader::yakkaCodePath(), DataGrid[0], &CodeFileFormat::yakkaRows);
}

void YakkaTourokuForm::YakkaCodeSaveProc()
{
    const QStringList lines = CodeFileFormat::yakkaLines(CodeGridRows::rows(*DataGrid[0]));
    if (writeCodeFile(CodeTableLoader::yakkaCodePath(), lines))
        replaceTable(SharedState::get().Tables.YakkaCodeTable, lines);
}

void YakkaTourokuForm::SinryoCodeSaveProc()
{
    const int kubun = SinryoKubunGetProc();
    const QList<QStringList> rows = CodeGridRows::rows(*DataGrid[1]);
    const QStringList lines = CodeFileFormat::sinryoLines(rows);
    if (!writeCodeFile(CodeTableLoader::sinryoCodePath(kubun + 1), CodeFileFormat::sinryoFileLines(lines)))
        return;
    feeRowsShown = rows;
    replaceTable(SharedState::get().Tables.SinryoCodeTable[kubun + 1], lines);
}

void YakkaTourokuForm::LenCodeReadProc()
{
    noteReadError(TextFile::read(CodeTableLoader::lenCodePath()));
    CodeGridRows::fill(*DataGrid[2], CodeFileFormat::lenRows(SharedState::get().Tables.LenCodeTable));
}

void YakkaTourokuForm::LenCodeSaveProc()
{
    const QStringList lines = CodeFileFormat::lenLines(CodeGridRows::rows(*DataGrid[2]));
    if (writeCodeFile(CodeTableLoader::lenCodePath(), lines))
        replaceTable(SharedState::get().Tables.LenCodeTable, lines);
}

void YakkaTourokuForm::YakkaMiyazakiReadProc()
{
    readFileIntoGrid(CodeTableLoader::yakkaMiyazakiPath(), DataGrid[0], &CodeFileFormat::yakkaMiyazakiRows);
}

void YakkaTourokuForm::YakkaMiyazakiSaveProc()
{
    const QStringList lines = CodeFileFormat::yakkaMiyazakiLines(CodeGridRows::rows(*DataGrid[0]));
    if (writeCodeFile(CodeTableLoader::yakkaMiyazakiPath(), lines))
        tellRegistered();
}

void YakkaTourokuForm::SinryoMiyazakiReadProc()
{
    readFileIntoGrid(CodeTableLoader::sinryoMiyazakiPath(), DataGrid[1], &CodeFileFormat::sinryoMiyazakiRows);
}

void YakkaTourokuForm::SinryoMiyazakiSaveProc()
{
    writeCodeFile(CodeTableLoader::sinryoMiyazakiPath(),
                  CodeFileFormat::sinryoMiyazakiLines(CodeGridRows::rows(*DataGrid[1])));
}
