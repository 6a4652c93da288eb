#include "SyukeiForm.h"

#include "BetuPrintProc.h"
#include "BetuSyukeiProc.h"
#include "IninjyoOitaPrintProc.h"
#include "KarteMaisuProc.h"
#include "OptionForm.h"
#include "SyukeiListPrintProc.h"
#include "SyukeiSortProc.h"
#include "TenkiIkkatuProc.h"

#include "chart/NewInputForm.h"
#include "common/DoctorInfoFile.h"
#include "common/PrintDevice.h"
#include "common/PrintDeviceSource.h"
#include "common/TextFile.h"
#include "dialogs/TenkiForm.h"
#include "print/common/PrintEndProc.h"
#include "common/DataPath.h"
#include "common/DialogLook.h"
#include "common/ExcelClipTransfer.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButton.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "common/ValueReader.h"
#include "common/WidgetColor.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QWindow>

const QColor SyukeiForm::MarkColor(255, 255, 180);
const QColor SyukeiForm::BandColor(232, 251, 255);

namespace {

constexpr int WindowWidth = 15300;
constexpr int WindowHeight = 10050;
constexpr int GridTop = 1700;
constexpr int GridHeight = 7875;
const QColor MonthColor(0, 0, 192);

struct Column
{
    const char16_t* group;
    const char16_t* heading;
    int width;
    FlexGrid::Alignment alignment;
};
const Column columns[SyukeiList::ColCount] = {
    {u"", u"", 450, FlexGrid::AlignCenter},
    {u"組合員", u"地区", 900, FlexGrid::AlignCenter},
    {u"組合員", u"氏名 ", 1200, FlexGrid::AlignCenter},
    {u"組合員", u"コード", 800, FlexGrid::AlignLeft},
    {u"個体", u"種", 350, FlexGrid::AlignCenter},
    {u"個体", u"名号", 2100, FlexGrid::AlignLeft},
    {u"個体", u"耳標", 1000, FlexGrid::AlignCenter},
    {u"病傷", u"病名", 1800, FlexGrid::AlignCenter},
    {u"病傷", u"コード", 750, FlexGrid::AlignCenter},
    {u"経過", u"初診日", 750, FlexGrid::AlignCenter},
    {u"経過", u"終診日", 750, FlexGrid::AlignCenter},
    {u"経過", u"転帰日", 750, FlexGrid::AlignCenter},
    {u"経過", u"回", 350, FlexGrid::AlignCenter},
    {u"経過", u"転帰", 650, FlexGrid::AlignCenter},
    {u"処理", u"薬価点", 800, FlexGrid::AlignGeneral},
    {u"処理", u"診療費", 800, FlexGrid::AlignGeneral},
    {u"処理", u"提出月", 650, FlexGrid::AlignCenter},
    {u"", u"", 5, FlexGrid::AlignGeneral},
};

// Command labels: index, caption, panel (0 the command panel, 1 the totals frame), place.
struct Command
{
    int index;
    const char16_t* caption;
    int panel;
    int left, top;
};
const Command commands[] = {
    {1, u"カルテ表示", 0, 120, 90},        {2, u"転帰入力", 0, 1350, 90},
    {3, u"印刷", 0, 2400, 90},             {4, u"選択解除", 0, 2400, 90},
    {5, u"組合員別合計表示", 0, 3450, 90}, {8, u"再抽出", 0, 5250, 90},
    {12, u"一覧を印刷", 0, 120, 420},      {15, u"Excel送り", 0, 1350, 420},
    {14, u"Excel送り", 0, 2400, 420},     {9, u"委任状印刷", 0, 3450, 750},
    {10, u"薬品集計印刷", 0, 4650, 750},   {11, u"重複チェック", 0, 6050, 750},
    {13, u"印刷", 1, 3300, 120},           {7, u"Exceに送る", 1, 3900, 120},
    {6, u"閉る", 1, 5300, 120},
};

QLabel* plainLabel(const QString& name, const QString& text, QWidget* parent, int left, int top)
{
    QLabel* label = DialogLook::label(text, parent, left, top);
    label->setObjectName(name);
    return label;
}

} // namespace

SyukeiForm::SyukeiForm(QWidget* parent) : QDialog(parent)
{
    buildControls();
    Form_Load();
}

void SyukeiForm::buildControls()
{
    const ColorSetInfo& colors = SharedState::get().ColorSet;
    setObjectName(QStringLiteral("SyukeiForm"));
    DialogLook::frameless(this, 0, 300, WindowWidth, WindowHeight, colors.BaseBackColor);
    setFont(FontSetup::screenFont());

    TitlePict = new QLabel(QStringLiteral("  抽出・集計"), this);
    TitlePict->setObjectName(QStringLiteral("TitlePict"));
    TitlePict->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 12, true));
    WidgetColor::setBackColor(TitlePict, ColorSetInfo::TitleBannerColor());
    WidgetColor::setForeColor(TitlePict, Qt::white);
    TwipGeometry::place(TitlePict, 50, 30, WindowWidth - 200, 420);
    TitlePict->installEventFilter(this);

    buildTopBand();
    buildCommands();
    buildGrid();
    buildBetuFrame();

    SagyoGd = plainLabel(QStringLiteral("SagyoGd"), QString(), this, 9600, 1420);
    SagyoGd->setFixedWidth(TwipGeometry::px(5500));
    WidgetColor::setForeColor(SagyoGd, QColor(192, 0, 0));
    Label2 = plainLabel(QStringLiteral("Label2"),
                        QStringLiteral("※Ctrlキー併用で複数選択・ダブルクリックでカルテ表示   "
                                       "※カルテ画面で転帰を入力し戻った場合は、再抽出をしないとこの一覧には反映されません。"),
                        this, 120, GridTop + GridHeight + 90);
}

void SyukeiForm::buildTopBand()
{
    SubFrame[0] = new QFrame(this);
    SubFrame[0]->setObjectName(QStringLiteral("SubFrame0"));
    TwipGeometry::place(SubFrame[0], 100, 500, 7300, 1150);
    QWidget* band = SubFrame[0];
    Gd[2] = plainLabel(QStringLiteral("Gd2"), QStringLiteral("令和"), band, 60, 120);
    NenTx = new QLineEdit(band);
    NenTx->setObjectName(QStringLiteral("NenTx"));
    TwipGeometry::place(NenTx, 480, 60, 450, 300);
    Gd[0] = plainLabel(QStringLiteral("Gd0"), QStringLiteral("年"), band, 980, 120);
    Gd[1] = plainLabel(QStringLiteral("Gd1"), QStringLiteral("平成"), band, 60, 120);
    Gd[1]->hide();
    ManthGd = plainLabel(QStringLiteral("ManthGd"), QString(), band, 2300, 100);
    ManthGd->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 11, true));
    WidgetColor::setForeColor(ManthGd, MonthColor);
    ManthGd->setFixedWidth(TwipGeometry::px(700));
    ManthGd->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1[0] = plainLabel(QStringLiteral("Label1_0"), QStringLiteral("月"), band, 3050, 120);
    for (int i = 0; i < 2; ++i) {
        SyoriOp[i] = new QRadioButton(i == 0 ? QStringLiteral("対象月に初診日があるカルテを抽出")
                                             : QStringLiteral("対象月が提出月のカルテを抽出"),
                                      band);
        SyoriOp[i]->setObjectName(QStringLiteral("SyoriOp%1").arg(i));
        TwipGeometry::place(SyoriOp[i], 60, 480 + 300 * i, 3600, 270);
        connect(SyoriOp[i], &QRadioButton::clicked, this, [this, i] { SyoriOp_Click(i); });
    }
    Label1[1] = plainLabel(QStringLiteral("Label1_1"), QStringLiteral("[並べ替え]"), band, 3800, 120);
    SortGd = new LabelButtonArray(this);
    for (int k = 0; k < SyukeiSortProc::KeyCount; ++k) {
        LabelButton* b = DialogLook::command(SortGd, SyukeiSortProc::caption(k), k, band, 3800 + 870 * (k % 4),
                                             450 + 330 * (k / 4), false);
        b->setObjectName(QStringLiteral("SortGd%1").arg(k));
    }
    connect(SortGd, &LabelButtonArray::clicked, this, &SyukeiForm::SortGd_Click);

    SentakuGd = new LabelButtonArray(this);
    for (int m = 0; m < 14; ++m) {
        const QString caption = m < 12 ? QString::number(m + 1) : m == 12 ? QStringLiteral("全") : QStringLiteral("未転帰");
        LabelButton* b = SentakuGd->add(caption, m, this);
        b->setObjectName(QStringLiteral("SentakuGd%1").arg(m));
        b->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9, true));
        b->setNormalColor(MonthColor);
        b->setAlignment(Qt::AlignCenter);
        WidgetColor::setBackColor(b, Qt::white);
        TwipGeometry::place(b, 1500 + 380 * std::min(m, 12) + (m == 13 ? 380 : 0), 900, m == 13 ? 700 : 370, 300);
    }
    connect(SentakuGd, &LabelButtonArray::clicked, this, &SyukeiForm::SentakuGd_Click);
}

void SyukeiForm::buildCommands()
{
    SubFrame[1] = new QFrame(this);
    SubFrame[1]->setObjectName(QStringLiteral("SubFrame1"));
    TwipGeometry::place(SubFrame[1], 7500, 500, 7700, 1150);
    ComandGd = new LabelButtonArray(this);
    LabelButton* target = DialogLook::command(ComandGd, QStringLiteral("[対象]"), 0, SubFrame[0], 1450, 90);
    target->setObjectName(QStringLiteral("ComandGd0"));
    Label1[2] = plainLabel(QStringLiteral("Label1_2"), QStringLiteral("[オプション]"), SubFrame[1], 2400, 780);
    CmdGd = new LabelButtonArray(this);
    LabelButton* close = DialogLook::command(CmdGd, QStringLiteral("メインメニューに戻る"), 0, SubFrame[1], 5700, 420);
    close->setObjectName(QStringLiteral("CmdGd0"));
    connect(CmdGd, &LabelButtonArray::clicked, this, [this] { reject(); });
    connect(ComandGd, &LabelButtonArray::clicked, this, &SyukeiForm::ComandGd_Click);
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(SubFrame[0]),
                       static_cast<QWidget*>(SubFrame[1])}) {
        ComandGd->resetOn(w);
        SortGd->resetOn(w);
        SentakuGd->resetOn(w);
        CmdGd->resetOn(w);
    }
}

void SyukeiForm::buildGrid()
{
    SyukeiGrid = new FlexGrid(this);
    SyukeiGrid->setObjectName(QStringLiteral("SyukeiGrid"));
    SyukeiGrid->setFont(FontSetup::gridFont());
    TwipGeometry::place(SyukeiGrid, 100, GridTop, WindowWidth - 200, GridHeight);
    connect(SyukeiGrid, &FlexGrid::gridMouseDown, this,
            [this](int row, int col, Qt::MouseButton, Qt::KeyboardModifiers modifiers) {
                SyukeiGrid_MouseDown(row, col, modifiers);
            });
    connect(SyukeiGrid, &FlexGrid::gridDblClick, this, [this](int, int) { SyukeiGrid_DblClick(); });
}

void SyukeiForm::buildBetuFrame()
{
    BetuFrame = new QFrame(this);
    BetuFrame->setObjectName(QStringLiteral("BetuFrame"));
    TwipGeometry::place(BetuFrame, 2490, 1695, 6030, 6795);
    auto* waku = new QFrame(BetuFrame);
    waku->setObjectName(QStringLiteral("WakuShape"));
    waku->setFrameShape(QFrame::Box);
    TwipGeometry::place(waku, 20, 20, 6030 - 40, 6795 - 40);
    Label3[0] = plainLabel(QStringLiteral("Label3_0"), QStringLiteral("組合員別合計"), BetuFrame, 150, 130);
    Label3[1] = plainLabel(QStringLiteral("Label3_1"), QStringLiteral("カルテ枚数は、カルテの総枚数：カルテ件数"),
                           BetuFrame, 150, 6400);
    BetuGrid = new FlexGrid(BetuFrame);
    BetuGrid->setObjectName(QStringLiteral("BetuGrid"));
    BetuGrid->setFont(FontSetup::gridFont());
    TwipGeometry::place(BetuGrid, 120, 480, 5790, 5800);
    for (const Command& c : commands) {
        LabelButton* b = DialogLook::command(ComandGd, QString::fromUtf16(c.caption), c.index,
                                             c.panel == 0 ? SubFrame[1] : BetuFrame, c.left, c.top);
        b->setObjectName(QStringLiteral("ComandGd%1").arg(c.index));
    }
    ComandGd->resetOn(BetuFrame);
    SortGd->resetOn(BetuFrame);
    SentakuGd->resetOn(BetuFrame);
}

void SyukeiForm::Form_Load()
{
    SharedState& s = SharedState::get();
    const QColor back = s.ColorSet.BaseBackColor;
    NenTx->setText(s.ReiwaNen);
    for (QFrame* f : SubFrame) {
        WidgetColor::setBackColor(f, back);
        f->setFrameShape(QFrame::NoFrame);
    }
    WidgetColor::setBackColor(BetuFrame, back);

    SyukeiGrid->setCols(SyukeiList::ColCount);
    SyukeiGrid->setRows(50);
    SyukeiGrid->setFixedRows(SyukeiList::HeadRows);
    SyukeiGrid->setFixedCols(1);
    SyukeiGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    SyukeiGrid->setBackColorSel(ColorSetInfo::GridFixedBackColor());
    SyukeiGrid->setBackColorBkg(back);
    SyukeiGrid->setRowHeightTwips(0, 270);
    SyukeiGrid->setRowHeightTwips(1, 300);
    for (int c = 0; c < SyukeiList::ColCount; ++c) {
        SyukeiGrid->setColWidthTwips(c, columns[c].width);
        SyukeiGrid->setColAlignment(c, columns[c].alignment);
        SyukeiGrid->setTextMatrix(0, c, QString::fromUtf16(columns[c].group));
        SyukeiGrid->setTextMatrix(1, c, QString::fromUtf16(columns[c].heading));
    }
    SyukeiGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    SyukeiGrid->mergeEqualCells(0);

    static const int betuWidths[] = {400, 2000, 800, 950, 950};
    static const FlexGrid::Alignment betuAlign[] = {FlexGrid::AlignCenter, FlexGrid::AlignLeft, FlexGrid::AlignCenter,
                                                    FlexGrid::AlignRight, FlexGrid::AlignCenter};
    const QStringList betuHeads{QString(), QStringLiteral("組合員名"), QStringLiteral("ｶﾙﾃ枚数"),
                                s.ken == Ken::Miyazaki ? QStringLiteral("B点") : QStringLiteral("診療費"),
                                QStringLiteral("提出月")};
    BetuGrid->setCols(5);
    BetuGrid->setRows(5);
    BetuGrid->setFixedRows(1);
    BetuGrid->setFixedCols(1);
    BetuGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    BetuGrid->setBackColorSel(ColorSetInfo::GridFixedBackColor());
    BetuGrid->setBackColorBkg(back);
    BetuGrid->setFrameShape(QFrame::NoFrame);
    for (int c = 0; c < 5; ++c) {
        BetuGrid->setColWidthTwips(c, betuWidths[c]);
        BetuGrid->setColAlignment(c, betuAlign[c]);
        BetuGrid->setTextMatrix(0, c, betuHeads.at(c));
    }
    BetuGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);

    BetuFrame->hide();
    for (const int m : SentakuGd->indexes())
        SentakuGd->at(m)->hide();
    SagyoGd->hide();
    currentKey = 1;
    SortGd->at(currentKey)->setFont(DialogLook::commandFont(true));
    s.DoctorInfo.DoctorAd = ValueReader::at(ValueReader::readFile(DataPath::file(QStringLiteral("set\\DocAd.ini"))), 0);
    SyoriOp[0]->setChecked(true);
    SyoriOp_Click(0);
    ComandGd->at(3)->hide();
    ComandGd->at(11)->setVisible(s.ken == Ken::Ibaraki && s.Site.has(QStringLiteral("SiteIbarakiClinic")));
    ComandGd->at(14)->setVisible(s.ken == Ken::Ibaraki);
    s.refreshKarteFileList();
    showList();
}

QString SyukeiForm::nen() const
{
    return SharedUtil::Trim(NenTx->text());
}

QString SyukeiForm::manth() const
{
    return ManthGd->text();
}

bool SyukeiForm::teisyutuMode() const
{
    return !SyoriOp[0]->isChecked();
}

SyukeiJoken SyukeiForm::joken() const
{
    return {nen(), manth(), teisyutuMode()};
}

SyukeiList::Rules SyukeiForm::rules() const
{
    const SharedState& s = SharedState::get();
    SyukeiList::Rules r;
    r.gunma = s.ken == Ken::Gunma;
    const QString column = QStringLiteral("TikuOverrideTable");
    r.tikuOverride = [site = s.Site, kenRow = SiteProfile::kenRow(s.SiteRows, s.ken), column](const QString& code) {
        const std::optional<QString> tiku = site.partner(column, code);
        return tiku ? tiku : kenRow.partner(column, code);
    };
    return r;
}

QList<int> SyukeiForm::markedRows() const
{
    QList<int> rows(marks.begin(), marks.end());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SyukeiForm::reject()
{
    if (!scanning)
        QDialog::reject();
}

// ---- Month, mode and sort ----

void SyukeiForm::SentakuGd_Click(int index)
{
    if (scanning)
        return;
    ManthGd->setText(SentakuGd->at(index)->text());
    for (const int m : SentakuGd->indexes())
        SentakuGd->at(m)->hide();
    QCoreApplication::processEvents();
    KarteTyusyutuProc();
    SyukeiSortProc(currentKey);
}

void SyukeiForm::SyoriOp_Click(int index)
{
    Q_UNUSED(index);
    ManthGd->clear();
}

void SyukeiForm::SortGd_Click(int index)
{
    if (scanning)
        return;
    currentKey = index;
    SyukeiSortProc(index);
}

void SyukeiForm::SyukeiSortProc(int key)
{
    for (const int k : SortGd->indexes())
        SortGd->at(k)->setFont(DialogLook::commandFont(k == key));
    SyukeiSortProc::sort(syukei.rows, key);
    bandRows = SyukeiSortProc::bands(syukei.rows, key);
    marks.clear();
    showList();
}

// ---- Scan ----

void SyukeiForm::KarteTyusyutuProc()
{
    const SyukeiJoken j = joken();
    switch (KarteTyusyutuProc::guard(j)) {
    case KarteTyusyutuProc::Guard::NoYear:
        MsgBox::show(KarteTyusyutuProc::noYearText(), QStringLiteral("確認"));
        return;
    case KarteTyusyutuProc::Guard::NoMonth: return;
    case KarteTyusyutuProc::Guard::Run: break;
    }
    SharedState& s = SharedState::get();
    setRunning(true);
    const KarteTyusyutuProc::Result result = KarteTyusyutuProc::run(
        j, s.karteFolder(), s.KarteFileList, [this](int done, int total) { showProgress(done, total); });
    syukei = SyukeiList::build(result.lines, rules());
    bandRows.clear();
    marks.clear();
    BetuFrame->hide();
    BetuGrid->setRows(2);
    BetuGrid->clearCells();
    showList();
    setRunning(false);
    if (!result.reports.isEmpty())
        MsgBox::show(QStringLiteral("次のカルテは読めないため、抽出していません。\n") + result.reports.join(QLatin1Char('\n')),
                     QStringLiteral("確認"));
}

void SyukeiForm::setRunning(bool on)
{
    scanning = on;
    for (LabelButtonArray* array : {ComandGd, SortGd, SentakuGd, CmdGd})
        for (const int i : array->indexes())
            array->at(i)->setEnabled(!on);
    NenTx->setReadOnly(on);
    SyukeiGrid->setEnabled(!on);
    if (on) {
        SagyoGd->setText(QStringLiteral("抽出中･･････"));
        SagyoGd->show();
        QCoreApplication::processEvents();
    } else {
        SagyoGd->hide();
    }
}

void SyukeiForm::showProgress(int done, int total)
{
    SagyoGd->setText(QStringLiteral("抽出中･･････ %1 / %2").arg(done).arg(total));
    QCoreApplication::processEvents();
}

// ---- The grid ----

void SyukeiForm::showList()
{
    SyukeiGrid->setUpdatesEnabled(false);
    const int n = int(syukei.rows.size());
    SyukeiGrid->setRows(SyukeiList::HeadRows);
    SyukeiGrid->setRows(SyukeiList::HeadRows + n + 1);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < SyukeiList::ColCount; ++c)
            SyukeiGrid->setTextMatrix(SyukeiList::HeadRows + r, c, syukei.rows.at(r).value(c));
    const QStringList totals = syukei.totals();
    for (int c = 0; c < SyukeiList::ColCount; ++c)
        SyukeiGrid->setTextMatrix(SyukeiList::HeadRows + n, c, totals.value(c));
    for (int r = SyukeiList::HeadRows; r < SyukeiGrid->rows(); ++r)
        paintRow(r);
    SyukeiGrid->setUpdatesEnabled(true);
}

void SyukeiForm::paintRow(int row)
{
    const int index = row - SyukeiList::HeadRows;
    QColor color = Qt::white;
    if (marks.contains(row))
        color = MarkColor;
    else if (index >= 0 && index < bandRows.size() && bandRows.at(index))
        color = BandColor;
    for (int c = 1; c < SyukeiList::ColCount; ++c)
        SyukeiGrid->setCellBackColor(row, c, color);
}

void SyukeiForm::SyukeiGrid_MouseDown(int row, int col, Qt::KeyboardModifiers modifiers)
{
    if (scanning || row < SyukeiList::HeadRows || col < 0 || SyukeiGrid->textMatrix(row, col).isEmpty())
        return;
    if ((modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0)
        SyukeiSortProc(currentKey);
    SyukeiGrid->setUpdatesEnabled(false);
    marks.insert(row);
    paintRow(row);
    SyukeiGrid->setCurrent(row, col);
    SyukeiGrid->setUpdatesEnabled(true);
}

void SyukeiForm::SyukeiGrid_DblClick()
{
    if (scanning || SyukeiGrid->row() <= 0)
        return;
    openKarte(SyukeiGrid->row());
}

// The chart editor on the episode of a list row; a row without a chart file opens nothing.
void SyukeiForm::openKarte(int row)
{
    SharedState& s = SharedState::get();
    QString byo = SyukeiGrid->textMatrix(row, SyukeiList::Byo);
    if (byo == QStringLiteral("繁殖"))
        byo.clear();
    s.CurrentEpisode.ByoName = byo;
    s.CurrentEpisode.RirekiKarteFile = SyukeiGrid->textMatrix(row, SyukeiList::File);
    s.CurrentEpisode.SyosinDate = SyukeiGrid->textMatrix(row, SyukeiList::Syosin).replace(QLatin1Char(','), QLatin1Char('.'));
    s.CurrentKarteFile = s.CurrentEpisode.RirekiKarteFile;
    s.CurrentNouka.NoukaCode = SyukeiGrid->textMatrix(row, SyukeiList::Code);
    if (s.CurrentKarteFile.isEmpty())
        return;
    SagyoGd->setText(QStringLiteral("カルテ読み込み中････"));
    SagyoGd->show();
    QCoreApplication::processEvents();
    s.KarteOpenMode = 1;
    s.Hand.KarteHinagataMode = 0;
    {
        NewInputForm editor(this);
        ModalHost::exec(editor);
    }
    SagyoGd->clear();
}

// ---- Commands ----

void SyukeiForm::ComandGd_Click(int index)
{
    if (scanning)
        return;
    switch (index) {
    case 0:
        for (const int m : SentakuGd->indexes()) {
            SentakuGd->at(m)->show();
            SentakuGd->at(m)->raise();
        }
        break;
    case 1: openMarkedKarte(); break;
    case 2: tenkiNyuryoku(); break;
    case 4: SyukeiSortProc(currentKey); break;
    case 5: showBetu(); break;
    case 6: BetuFrame->hide(); break;
    case 7: case 14: case 15: transfer(index); break;
    case 8: KarteTyusyutuProc(); break;
    case 9: ininjyo(); break;
    case 10: yakuhinSyukei(); break;
    case 11: jyuufukuCheck(); break;
    case 12: case 13: printList(index); break;
    default: break;  // 3 has no action
    }
}

// ---- Batch outcome entry ----

void SyukeiForm::tenkiNyuryoku()
{
    const QList<int> marked = markedRows();
    if (marked.isEmpty()) {
        MsgBox::show(QStringLiteral("転帰を記入するカルテを選択してください。"), QStringLiteral("確認"));
        return;
    }
    SharedState& s = SharedState::get();
    {
        TenkiForm dialog(this);
        ModalHost::exec(dialog);
    }
    const TenkiValues values{s.Hand.NenGappiYearOut, s.Hand.NenGappiManthOut, s.Hand.NenGappiDayOut, s.Hand.TenkiOut,
                             s.Hand.TeisyutuTukiOut};
    switch (TenkiIkkatuProc::choice(values)) {
    case TenkiIkkatuProc::Choice::Closed: return;
    case TenkiIkkatuProc::Choice::NoDate:
        MsgBox::show(TenkiIkkatuProc::noDateText(), QStringLiteral("確認"));
        return;
    case TenkiIkkatuProc::Choice::Partial:
        MsgBox::show(TenkiIkkatuProc::partialText(), QStringLiteral("確認"));
        return;
    case TenkiIkkatuProc::Choice::Write: break;
    }
    QList<TenkiIkkatuProc::Target> targets;
    for (const int row : marked) {
        QString byo = SharedUtil::Trim(SyukeiGrid->textMatrix(row, SyukeiList::Byo));
        if (byo == QStringLiteral("繁殖"))
            byo.clear();
        targets.append({SyukeiGrid->textMatrix(row, SyukeiList::Number),
                        SharedUtil::Trim(SyukeiGrid->textMatrix(row, SyukeiList::File)), byo,
                        SharedUtil::Trim(SyukeiGrid->textMatrix(row, SyukeiList::Syosin))});
    }
    const TenkiIkkatuProc::Result result = TenkiIkkatuProc::run(s.karteFolder(), targets, values);
    KarteTyusyutuProc();
    SyukeiSortProc(currentKey);
    MsgBox::show(result.message(), QStringLiteral("確認"));
}

// ---- Member totals ----

void SyukeiForm::showBetu()
{
    const SharedState& s = SharedState::get();
    const QList<QStringList> rows = BetuSyukeiProc::rows(syukei.rows, KarteMaisuProc::perSheet(s.ken, s.Site));
    BetuGrid->setRows(1);
    BetuGrid->setRows(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < BetuSyukeiProc::ColCount; ++c)
            BetuGrid->setTextMatrix(r + 1, c, rows.at(r).value(c));
    BetuFrame->show();
    BetuFrame->raise();
}

QList<QStringList> SyukeiForm::betuRows() const
{
    QList<QStringList> rows;
    for (int r = 1; r < BetuGrid->rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < BetuGrid->cols(); ++c)
            cells.append(BetuGrid->textMatrix(r, c));
        rows.append(cells);
    }
    return rows;
}

// ---- Prints ----

void SyukeiForm::printList(int index)
{
    const QString what = index == 12 ? QStringLiteral("抽出された一覧を印刷します。（確認用ですから枠線は印刷しません）")
                                     : QStringLiteral("一覧を印刷します。（確認用ですから枠線は印刷しません）");
    if (!MsgBox::ask(what + QStringLiteral("\nA4白紙をセットしてください。"), QStringLiteral("印刷"), MsgBox::OkCancel))
        return;
    const std::shared_ptr<PrintDevice> device = PrintDeviceSource::open(index == 12 ? QStringLiteral("抽出一覧")
                                                                                    : QStringLiteral("組合員別合計"));
    if (index == 12) {
        QList<QStringList> rows = syukei.rows;
        rows.append(syukei.totals());
        SyukeiListPrintProc::print(*device, rows);
    } else {
        BetuPrintProc::print(*device, betuRows());
    }
    PrintEndProc(*device);
}

// ---- Powers of attorney, drug tally, duplicate check ----

bool SyukeiForm::extracted(bool twoRows) const
{
    const FlexGrid& g = *SyukeiGrid;
    bool none = g.rows() == 3 || g.textMatrix(2, 1).isEmpty();
    if (twoRows)
        none = g.rows() == 3 || (g.rows() > 3 && g.textMatrix(2, 1).isEmpty() && g.textMatrix(3, 1).isEmpty());
    if (none)
        MsgBox::show(QStringLiteral("対象が抽出されていません。"), QStringLiteral("確認"));
    return !none;
}

void SyukeiForm::ininjyo()
{
    SharedState& s = SharedState::get();
    DoctorInfoFile::load(s.DoctorInfo);
    switch (s.ken) {
    case Ken::Oita: ininjyoOita(); break;
    case Ken::Tottori: case Ken::Gunma: case Ken::Kagoshima: case Ken::Miyazaki:
        // The power-of-attorney window reads this list when it opens.
        extracted(true);
        break;
    default: break;
    }
}

void SyukeiForm::ininjyoOita()
{
    if (!extracted(false))
        return;
    SharedState& s = SharedState::get();
    s.Hand.PrintSentakuOut = 0;
    s.Hand.OptionMode = 0;
    {
        OptionForm options(syukei.rows, this);
        ModalHost::exec(options);
    }
    if (s.Hand.PrintSentakuOut <= 0)
        return;
    IninjyoOitaData data;
    data.rows = syukei.rows;
    for (qsizetype i = 0; i < s.Hand.OptionSentakuList.size(); ++i)
        data.members.append({s.Hand.OptionSentakuList.at(i), s.Hand.OptionSentakuCode.value(i)});
    data.date = s.Hand.OptionDate;
    data.printName = s.Hand.PrintSentakuOut == 2;
    data.addresses = IninjyoOitaPrintProc::addresses(TextFile::read(DataPath::file(QStringLiteral("set\\NameCode.ini"))).texts());
    const SiteProfile kenRow = SiteProfile::kenRow(s.SiteRows, s.ken);
    const auto siteText = [&s, &kenRow](const QString& column) {
        const QString own = s.Site.text(column);
        return own.isEmpty() ? kenRow.text(column) : own;
    };
    data.chairman = siteText(QStringLiteral("ChairmanName"));
    data.clinic = siteText(QStringLiteral("ClinicName"));
    const std::shared_ptr<PrintDevice> device = PrintDeviceSource::open(QStringLiteral("委任状"));
    IninjyoOitaPrintProc::print(*device, data);
    PrintEndProc(*device);
}

void SyukeiForm::yakuhinSyukei()
{
    SharedState& s = SharedState::get();
    DoctorInfoFile::load(s.DoctorInfo);
    s.Hand.OptionMode = 1;
    OptionForm tally(syukei.rows, this);
    ModalHost::exec(tally);
}

void SyukeiForm::jyuufukuCheck()
{
    if (SyoriOp[0]->isChecked()) {
        MsgBox::show(QStringLiteral("重複チェックは「対象月が提出月のカルテを抽出」の場合のみです。"), QStringLiteral("確認"));
        return;
    }
}

void SyukeiForm::openMarkedKarte()
{
    if (syukei.rows.isEmpty())
        return;
    SagyoGd->setText(QStringLiteral("カルテ読込中･････"));
    SagyoGd->show();
    QCoreApplication::processEvents();
    const QList<int> marked = markedRows();
    if (SyukeiGrid->row() > 1 && SyukeiGrid->col() > 0 && !marked.isEmpty()) {
        SyukeiGrid->setCurrent(marked.first(), 1);
        openKarte(marked.first());
    }
    SagyoGd->hide();
}

void SyukeiForm::transfer(int index)
{
    if (index == 7)
        ExcelClipTransfer(*BetuGrid, 0, BetuGrid->cols() - 1);
    else
        ExcelClipTransfer(*SyukeiGrid, index == 14 ? 0 : 1, SyukeiList::ColCount - 2);
}

bool SyukeiForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TitlePict && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    return QDialog::eventFilter(watched, event);
}
