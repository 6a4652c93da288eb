#include "TyusyaMiyazaki.h"

#include "NyuryokuLook.h"
#include "TyusyaMiyazakiList.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "registers/OptionArray.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {
enum Command { Ok, Tojiru };
enum Page { TyusyaPage, YakujiPage, CodePage, BunsyoPage };
enum Grid { TyusyaDrug, TyusyaKubun, YakujiDrug, CodeList, BunsyoList };
const QString Title = QStringLiteral("入力確認");
const QStringList Houhou{QStringLiteral("筋肉内注射"), QStringLiteral("静脈内注射"), QStringLiteral("皮下注射"),
                         QStringLiteral("関節腔内注射"), QStringLiteral("卵巣直接注射"), QStringLiteral("無")};
const QStringList BunruiMarks{QStringLiteral("内"), QStringLiteral("外"), QStringLiteral("挿")};
constexpr int MuHouhou = 5;
const QList<NyuryokuLook::Column> DrugColumns{{QStringLiteral("コード"), 800}, {QStringLiteral("薬品名"), 3000, true},
                                              {QStringLiteral("基準数量"), 850}, {QStringLiteral("単位"), 580},
                                              {QString(), 1}};
const QList<NyuryokuLook::Column> CodeColumns{{QStringLiteral("コード"), 800}, {QStringLiteral("内  容"), 2500, true},
                                              {QStringLiteral("適  用"), 3500, true}};

QCheckBox* checkBox(const QString& caption, const QString& name, QWidget* parent, int left, int top)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    WidgetColor::setBackColor(box, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(box, left, top, 1800, 270);
    return box;
}
}

QString TyusyaMiyazaki::heading(int mode)
{
    switch (mode) {
    case 0: return QStringLiteral("注射");
    case 1: return QStringLiteral("薬治");
    case 3: return QStringLiteral("文書料");
    case 4: return QStringLiteral("処置");
    case 5: return QStringLiteral("検査");
    case 6: return QStringLiteral("手術");
    case 7: return QStringLiteral("指導");
    case 8: return QStringLiteral("入院");
    case 16: return QStringLiteral("診察");
    default: return QString();
    }
}

TyusyaMiyazaki::TyusyaMiyazaki(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("TyusyaMiyazaki"), 300, 300, 11800, 11000);
    Label2 = NyuryokuLook::value(QStringLiteral("Label20"), QString(), this, 150, 150, 1500);
    CmdGd = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), 9900, 150, 800},
                                          {Tojiru, QStringLiteral("閉じる"), 10800, 150, 900}},
                                   false);
    connect(CmdGd, &LabelButtonArray::clicked, this, &TyusyaMiyazaki::CmdGd_Click);
    buildPages();
    Form_Load();
}

void TyusyaMiyazaki::buildPages()
{
    for (int p = 0; p < 4; ++p) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("WakuFrame%1").arg(p));
        frame->setFrameShape(QFrame::NoFrame);
        WidgetColor::setBackColor(frame, SharedState::get().ColorSet.DialogBackColor);
        TwipGeometry::place(frame, 45, 555, 11655, 10310);
        frame->hide();
        WakuFrame.append(frame);
    }
    for (int g = 0; g < 5; ++g) {
        static const int pages[] = {TyusyaPage, TyusyaPage, YakujiPage, CodePage, BunsyoPage};
        auto* grid = new FlexGrid(WakuFrame[pages[g]]);
        grid->setObjectName(QStringLiteral("DataGrid%1").arg(g));
        connect(grid, &FlexGrid::gridClick, this, [this, g](int row, int) { DataGrid_Click(g, row); });
        DataGrid.append(grid);
    }
    buildTyusyaPage();
    buildYakujiPage();
    buildCodePage(CodeList);
    buildCodePage(BunsyoList);
    Check1 = checkBox(QStringLiteral("コード順表示"), QStringLiteral("Check1"), WakuFrame[CodePage], 7300, 155);
    connect(Check1, &QCheckBox::clicked, this, &TyusyaMiyazaki::Check1_Click);
}

void TyusyaMiyazaki::buildTyusyaPage()
{
    QFrame* page = WakuFrame[TyusyaPage];
    NyuryokuLook::label(QStringLiteral("[診療区分]"), page, 90, 100, 1000);
    TyusyaOp = NyuryokuLook::options(page, QStringLiteral("TyusyaOp"), Houhou, 1100, 100, 1500);
    connect(TyusyaOp, &OptionArray::clicked, this, &TyusyaMiyazaki::TyusyaOp_Click);
    NyuryokuLook::label(QStringLiteral("[　数　量　]"), page, 90, 500, 1100);
    InpTx.append(NyuryokuLook::lineEdit(QStringLiteral("InpTx0"), page, 1200, 470, 900));
    TaniGd.append(NyuryokuLook::value(QStringLiteral("TaniGd0"), QStringLiteral("?"), page, 2150, 500, 600));
    NyuryokuLook::label(QStringLiteral("※数量は薬価の基準数量に対する倍数を入力してください。"), page, 2800, 500, 6000);
    NyuryokuLook::listGrid(DataGrid[TyusyaDrug], DrugColumns);
    TwipGeometry::place(DataGrid[TyusyaDrug], 90, 855, 5500, 9100);
    NyuryokuLook::listGrid(DataGrid[TyusyaKubun], {{QStringLiteral("コード"), 650},
                                                   {QStringLiteral("          診 療 区 分"), 3200, true}});
    DataGrid[TyusyaKubun]->setDefaultRowHeightTwips(300);
    TwipGeometry::place(DataGrid[TyusyaKubun], 5790, 855, 4500, 9000);
}

void TyusyaMiyazaki::buildYakujiPage()
{
    QFrame* page = WakuFrame[YakujiPage];
    NyuryokuLook::label(QStringLiteral("[分類]"), page, 90, 100, 700);
    BunruiOp = NyuryokuLook::options(page, QStringLiteral("BunruiOp"),
                                     {QStringLiteral("内用薬"), QStringLiteral("外用薬"), QStringLiteral("挿入薬")}, 800,
                                     100, 1100);
    connect(BunruiOp, &OptionArray::clicked, this, &TyusyaMiyazaki::BunruiOp_Click);
    AllNameCh = checkBox(QStringLiteral("全薬品名表示"), QStringLiteral("AllNameCh"), page, 4300, 100);
    connect(AllNameCh, &QCheckBox::clicked, this, [this] { BunruiOp_Click(BunruiOp->chosen()); });
    NyuryokuLook::label(QStringLiteral("[　使用数量　]"), page, 90, 500, 1300);
    InpTx.append(NyuryokuLook::lineEdit(QStringLiteral("InpTx1"), page, 1400, 470, 900));
    TaniGd.append(NyuryokuLook::value(QStringLiteral("TaniGd1"), QStringLiteral("?"), page, 2350, 500, 600));
    NyuryokuLook::listGrid(DataGrid[YakujiDrug], DrugColumns);
    TwipGeometry::place(DataGrid[YakujiDrug], 90, 855, 5500, 8865);
    NyuryokuLook::label(QStringLiteral("[　区分　]"), page, 5800, 855, 1500);
    QStringList captions;
    for (const auto& k : TyusyaMiyazakiList::yakujiKubun())
        captions << k.caption;
    KubunOp = NyuryokuLook::options(page, QStringLiteral("KubunOp"), captions, 5800, 1155, 3500, 1);
    for (QLineEdit* box : InpTx)
        NyuryokuLook::onEnter(box, [this] { CmdGd_Click(Ok); });
}

void TyusyaMiyazaki::buildCodePage(int grid)
{
    NyuryokuLook::listGrid(DataGrid[grid], CodeColumns);
    TwipGeometry::place(DataGrid[grid], 90, 155, 7050, 9525);
}

void TyusyaMiyazaki::Form_Load()
{
    mode = SharedState::get().Hand.TyusyaMiyazakiMode;
    Label2->setText(heading(mode));
    int page = CodePage;
    if (mode == 0) {
        page = TyusyaPage;
        loaded = PrintNameList(0);
        QList<QStringList> rows = loaded.rows();
        for (int i = 0; i < rows.size(); ++i)
            rows[i].append(QString::number(i));
        fillDrugs(TyusyaDrug, rows);
    } else if (mode == 1) {
        page = YakujiPage;
        BunruiOp->select(0);
        BunruiOp_Click(0);
        KubunOp->select(0);
    } else if (mode == 3) {
        page = BunsyoPage;
        fillCodes(BunsyoList, heading(mode), false);
    } else {
        fillCodes(CodeList, heading(mode), false);
    }
    SentakuRow.fill(0);
    WakuFrame[page]->show();
}

void TyusyaMiyazaki::fillCodes(int grid, const QString& category, bool tableOrder)
{
    NyuryokuLook::clearList(DataGrid[grid]);
    for (const QStringList& row :
         TyusyaMiyazakiList::codeRows(SharedState::get().Tables.SinryoMiyazakiTable, category, tableOrder))
        NyuryokuLook::addRow(DataGrid[grid], row);
}

void TyusyaMiyazaki::fillDrugs(int grid, QList<QStringList> rows)
{
    TyusyaMiyazakiList::sortYakuhin(rows);
    NyuryokuLook::clearList(DataGrid[grid]);
    for (const QStringList& row : rows)
        NyuryokuLook::addRow(DataGrid[grid], row);
}

void TyusyaMiyazaki::DataGrid_Click(int grid, int row)
{
    SentakuRow[grid] = row;
    if (row < 1)
        return;
    NyuryokuLook::chooseRow(DataGrid[grid], row);
    if (grid == TyusyaDrug || grid == TyusyaKubun)
        InpTx[0]->setFocus();
    if (grid == TyusyaDrug)
        TaniGd[0]->setText(DataGrid[grid]->textMatrix(row, 3));
    if (grid == YakujiDrug) {
        InpTx[1]->setFocus();
        TaniGd[1]->setText(DataGrid[grid]->textMatrix(row, 3));
    }
}

void TyusyaMiyazaki::TyusyaOp_Click(int index)
{
    FlexGrid* grid = DataGrid[TyusyaKubun];
    SentakuRow[TyusyaKubun] = 0;
    NyuryokuLook::clearList(grid);
    if (index == MuHouhou)
        return;
    const QString method = Houhou.value(index);
    for (const QStringList& row : TyusyaMiyazakiList::tyusyaKubun(SharedState::get().Tables.SinryoMiyazakiTable, method))
        NyuryokuLook::addRow(grid, row);
    const bool chooseFirst = method != QStringLiteral("静脈内注射") && method != QStringLiteral("皮下注射");
    if (chooseFirst && grid->rows() > 1) {
        grid->setCurrent(1, 0);
        DataGrid_Click(TyusyaKubun, 1);
    }
}

void TyusyaMiyazaki::BunruiOp_Click(int index)
{
    SentakuRow[YakujiDrug] = 0;
    QList<QStringList> rows;
    if (AllNameCh->isChecked()) {
        rows = TyusyaMiyazakiList::zenYakuhin(SharedState::get().Tables.YakkaMiyazakiTable, BunruiMarks.value(index));
        for (QStringList& row : rows)
            row.append(QStringLiteral("-1"));
    } else {
        loaded = PrintNameList(1 + index);
        rows = loaded.rows();
        for (int i = 0; i < rows.size(); ++i)
            rows[i].append(QString::number(i));
    }
    fillDrugs(YakujiDrug, rows);
}

void TyusyaMiyazaki::Check1_Click()
{
    SentakuRow[CodeList] = 0;
    fillCodes(CodeList, heading(mode), !Check1->isChecked());
}

// Moves the registered line of the chosen drug to the top of its file: the line the row was
// built from, or for a row of the whole drug table the file's own line with the same code; the
// file is left alone when it holds no such line.
void TyusyaMiyazaki::saikin(int grid, int category)
{
    const FlexGrid* list = DataGrid[grid];
    const int source = list->textMatrix(list->row(), 4).toInt();
    PrintNameList own = source >= 0 ? loaded : PrintNameList(category);
    const int index = source >= 0 ? source : own.indexOfCode(list->textMatrix(list->row(), 0));
    if (index >= 0 && !own.moveToTop(index) && !own.errorText().isEmpty())
        MsgBox::show(own.errorText(), Title);
}

// The checks of OK on a drug page, in their order; when they pass, items 0 to 3 from the drug
// row and item 7 the quantity as typed.
bool TyusyaMiyazaki::okDrug(int grid, bool kubunMissing, const QLineEdit* suuryou)
{
    QString refusal;
    if (SentakuRow[grid] == 0)
        refusal = QStringLiteral("薬名を選択してください。");
    else if (kubunMissing)
        refusal = QStringLiteral("診療区分を選択してください。");
    else if (suuryou->text().isEmpty())
        refusal = QStringLiteral("数量を入力してください。");
    if (!refusal.isEmpty()) {
        MsgBox::show(refusal, Title);
        return false;
    }
    QStringList& out = SharedState::get().Hand.TyusyaOut;
    const FlexGrid* drug = DataGrid[grid];
    for (int c = 0; c < 4; ++c)
        out[c] = drug->textMatrix(drug->row(), c);
    out[7] = suuryou->text();
    return true;
}

bool TyusyaMiyazaki::okTyusya()
{
    const bool mu = TyusyaOp->chosen() == MuHouhou;
    if (!okDrug(TyusyaDrug, SentakuRow[TyusyaKubun] == 0 && !mu, InpTx[0]))
        return false;
    QStringList& out = SharedState::get().Hand.TyusyaOut;
    const FlexGrid* kubun = DataGrid[TyusyaKubun];
    out[4] = mu ? QString() : kubun->textMatrix(kubun->row(), 0);
    out[5] = mu ? QStringLiteral("診療区分無") : TyusyaOp->chosenCaption();
    out[6] = mu ? QString() : kubun->textMatrix(kubun->row(), 1);
    saikin(TyusyaDrug, 0);
    return true;
}

bool TyusyaMiyazaki::okYakuji()
{
    if (!okDrug(YakujiDrug, false, InpTx[1]))
        return false;
    QStringList& out = SharedState::get().Hand.TyusyaOut;
    const auto& kubun = TyusyaMiyazakiList::yakujiKubun().value(std::max(0, KubunOp->chosen()));
    out[4] = kubun.code;
    out[5] = kubun.text;
    saikin(YakujiDrug, 1 + BunruiOp->chosen());
    return true;
}

bool TyusyaMiyazaki::okCode(int grid)
{
    if (SentakuRow[grid] == 0) {
        MsgBox::show(QStringLiteral("内容を選択してください。"), Title);
        return false;
    }
    QStringList& out = SharedState::get().Hand.TyusyaOut;
    const FlexGrid* list = DataGrid[grid];
    for (int c = 0; c < 3; ++c)
        out[c] = list->textMatrix(list->row(), c);
    return true;
}

void TyusyaMiyazaki::CmdGd_Click(int index)
{
    SharedState::get().Hand.TyusyaOut = QStringList(12);
    if (index == Tojiru) {
        reject();
        return;
    }
    const bool done = mode == 0 ? okTyusya() : mode == 1 ? okYakuji() : okCode(mode == 3 ? BunsyoList : CodeList);
    if (done)
        accept();
}
