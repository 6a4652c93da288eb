#include "MainForm.h"

#include "CodeExport.h"
#include "KotaiList.h"
#include "LastBunbenForm.h"
#include "MainWorkFrame.h"
#include "NoukaSelect.h"
#include "RirekiList.h"
#include "YobidasiForm.h"

#include "backup/BackUpForm.h"
#include "backup/ExportForm.h"
#include "backup/InportForm.h"
#include "chart/BunruiForm.h"
#include "chart/KarteScan.h"
#include "chart/NewInputForm.h"
#include "chart/NewKarteForm.h"
#include "codetables/MiyazakiYakkaForm.h"
#include "codetables/YakkaTourokuForm.h"
#include "notices/TuchiboForm.h"
#include "postmortem/KenanForm.h"
#include "records/SinryoKirokuForm.h"
#include "registers/MasterForm.h"
#include "tallies/SyukeiForm.h"
#include "treatmentbook/IbaragiForm.h"
#include "treatmentbook/IbaragiSyukeiForm.h"
#include "common/CodeTableLoader.h"
#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QCheckBox>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

namespace {

constexpr int windowWidth = 9500;
constexpr int menuHeight = 5000;
constexpr int listHeight = 10000;
constexpr int frameList = 0;
constexpr int frameRireki = 1;
constexpr int frameMenu = 2;
constexpr int frameBunrui = 3;


// The label buttons of the main window: index, caption, frame and place (twips in the frame).
struct CmdItem
{
    int index;
    const char16_t* caption;
    int frame;
    int left, top, width;
};
const CmdItem cmdItems[] = {
    {0, u"新規診察", frameRireki, 5000, 90, 1200},
    {1, u"一覧に戻る", frameRireki, 7700, 90, 1300},
    {2, u"終了", frameMenu, 7800, 3700, 1000},
    {3, u"抽出・集計", frameMenu, 600, 1400, 3000},
    {4, u"マスター登録", frameMenu, 3900, 800, 3000},
    {5, u"事故発生通知簿", frameMenu, 600, 2600, 3000},
    {6, u"カルテ入力", frameMenu, 600, 800, 3000},
    {7, u"メインメニューに戻る", frameList, 7200, 90, 1950},
    {8, u"データのバックアップ", frameMenu, 3900, 1400, 3000},
    {9, u"一覧にない牛のカルテ新規作成", frameList, 5500, 460, 3600},
    {10, u"診察歴表示", frameList, 5500, 90, 1200},
    {11, u"登録の修正", frameList, 6300, 90, 1200},
    {12, u"治療簿入力", frameRireki, 6300, 90, 1300},
    {13, u"検索", frameList, 1550, 460, 550},
    {14, u"薬価確認", frameMenu, 600, 3200, 3000},
    {15, u"表示", frameBunrui, 1400, 90, 600},
    {16, u"薬価・診療点数登録", frameMenu, 6900, 800, 2200},
    {17, u"インポート", frameMenu, 3900, 2000, 3000},
    {18, u"エクスポート", frameMenu, 3900, 2600, 3000},
    {19, u"提出用抽出", frameMenu, 3900, 3200, 3000},
    {20, u"診療記録印刷", frameMenu, 600, 2000, 3000},
    {21, u"***", frameMenu, 6900, 1400, 1000},
};

struct GridColumn
{
    const char16_t* heading;
    int width;
    FlexGrid::Alignment alignment;
    bool aligned;  // false: the column keeps the grid's default alignment
};
const GridColumn kotaiColumns[KotaiList::colCount] = {
    {u"", 450, FlexGrid::AlignCenter, true},
    {u"耳標番号", 1150, FlexGrid::AlignCenter, true},
    {u"-", 300, FlexGrid::AlignCenter, true},
    {u"名号", 4050, FlexGrid::AlignLeft, true},
    {u"畜種", 1050, FlexGrid::AlignCenter, true},
    {u"性別", 500, FlexGrid::AlignCenter, true},
    {u"生年月日", 950, FlexGrid::AlignCenter, true},
    {u"", 5, FlexGrid::AlignCenter, true},
    {u"", 5, FlexGrid::AlignGeneral, false},
};
const GridColumn rirekiColumns[RirekiList::colCount] = {
    {u"", 350, FlexGrid::AlignCenter, true},
    {u"病名", 3250, FlexGrid::AlignLeft, true},
    {u"種別", 850, FlexGrid::AlignCenter, true},
    {u"初診日", 850, FlexGrid::AlignCenter, true},
    {u"終診日", 850, FlexGrid::AlignCenter, true},
    {u"回", 350, FlexGrid::AlignCenter, true},
    {u"転帰", 850, FlexGrid::AlignCenter, true},
    {u"転帰", 600, FlexGrid::AlignCenter, true},
    {u"提出", 750, FlexGrid::AlignGeneral, false},
    {u"", 5, FlexGrid::AlignGeneral, false},
};

// The maker's sample episode of the test entry on the title label.
struct SampleEpisode
{
    const char16_t* karteFile;
    const char16_t* byoName;
    const char16_t* syosinDate;
    const char16_t* tiku;
    const char16_t* name;
    const char16_t* code;
};
const SampleEpisode gunmaSample = {u"H5_10000001_1234567890_0.sxd", u"乳房炎", u"5.4.1", u"前橋",
                                   u"見本 太郎", u"10000001"};
const SampleEpisode miyazakiSample = {u"H5_20000001_1234567890_0.sxd", u"乳房炎", u"5.4.1", u"都城",
                                      u"見本 次郎", u"20000001"};
const SampleEpisode commonSample = {u"H5_00010001_1234567890_0.sxd", u"乳房炎", u"5.4.1", u"東谷",
                                    u"見本 一郎", u"00010001"};
const char16_t* const samplePrintHiduke = u"R5.4.1";

bool needsNameAndNumber(Ken ken)
{
    switch (ken) {
    case Ken::Tottori: case Ken::Miyazaki: case Ken::Mie: case Ken::Tochigi: case Ken::Aichi: case Ken::Ibaraki:
        return true;
    default:
        return false;
    }
}

QFont menuFont()
{
    return FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 12, true);
}

QFont listFont()
{
    return FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 10, true);
}

} // namespace

MainForm::MainForm(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(productTitle());
    setFont(FontSetup::screenFont());
    buildControls();
    connectControls();
    Form_Load();
}

LabelButton* MainForm::CmdGd(int index) const
{
    return cmdButtons->at(index);
}

// ---- Controls ----

void MainForm::buildControls()
{
    cmdButtons = new LabelButtonArray(this);
    normalButtons = new LabelButtonArray(this);
    buildBanner();
    buildFrames();
    buildCmdGd();
    buildListFrame();
    buildRirekiFrame();
    buildWorkPanel();
}

void MainForm::buildBanner()
{
    TitlePict = new QLabel(this);
    TitlePict->installEventFilter(this);
    addTitle(0, this, Qt::white);
    addTitle(1, this, Qt::white);
    MainTitleGd[1]->setText(QStringLiteral("家畜共済"));
    TwipGeometry::place(MainTitleGd[0], 200, 90, 4000, 300);
    TwipGeometry::place(MainTitleGd[1], 4400, 90, 1600, 300);
    YearGd = TwipGeometry::label(QString(), this, 7400, 120, 1800, 260);
    WidgetColor::setForeColor(YearGd, Qt::white);
}

// A title label: no hover colour; its release and double-click are hidden entries.
void MainForm::addTitle(int index, QWidget* parent, const QColor& color)
{
    MainTitleGd[index] = new LabelButton(QString(), index, parent);
    MainTitleGd[index]->setCursor(Qt::ArrowCursor);
    MainTitleGd[index]->setFont(menuFont());
    MainTitleGd[index]->setNormalColor(color);
    MainTitleGd[index]->setHoverColor(color);
}

void MainForm::buildFrames()
{
    for (QFrame*& frame : MainFrame) {
        frame = new QFrame(this);
        frame->setFrameShape(QFrame::Box);
        frame->hide();
        cmdButtons->resetOn(frame);
        normalButtons->resetOn(frame);
    }
    normalButtons->resetOn(this);
    QFrame* menu = MainFrame[frameMenu];
    TwipGeometry::label(QStringLiteral("【メインメニュー】"), menu, 240, 180, 2400, 300)->setFont(menuFont());
    addTitle(2, menu, Qt::black);
    TwipGeometry::place(MainTitleGd[2], 3000, 180, 6000, 300);
    InfoGd = TwipGeometry::label(QStringLiteral("読み込み中・・・・"), menu, 600, 3800, 3000, 300);
    InfoGd->hide();
    TestGd = TwipGeometry::label(QStringLiteral("Ⅰ"), menu, 60, 4080, 200, 240);
    BunruiFrame = new QFrame(MainFrame[frameList]);
    BunruiFrame->setFrameShape(QFrame::Box);
    TwipGeometry::place(BunruiFrame, 3150, 360, 2250, 420);
}

void MainForm::buildCmdGd()
{
    QWidget* parents[4] = {MainFrame[frameList], MainFrame[frameRireki], MainFrame[frameMenu], BunruiFrame};
    for (const CmdItem& item : cmdItems) {
        LabelButton* button = cmdButtons->add(QString::fromUtf16(item.caption), item.index, parents[item.frame]);
        button->setFont(item.frame == frameMenu ? menuFont() : listFont());
        TwipGeometry::place(button, item.left, item.top, item.width, item.frame == frameMenu ? 360 : 300);
    }
    for (int hidden : {10, 11, 16, 21})
        CmdGd(hidden)->hide();
}

void MainForm::buildListFrame()
{
    QFrame* frame = MainFrame[frameList];
    TwipGeometry::label(QStringLiteral("[登録牛の一覧]"), frame, 90, 90, 1500)->setFont(listFont());
    NameHyojiGd[0] = TwipGeometry::label(QStringLiteral("-"), frame, 1650, 90, 3400);
    NameHyojiGd[0]->setFont(listFont());
    NormalGd = normalButtons->add(QStringLiteral("[地域・氏名・番号]"), 0, frame);
    NormalGd->setFont(listFont());
    TwipGeometry::place(NormalGd, 5100, 90, 1950, 300);
    IsiNameGd = normalButtons->add(QString(), 1, this);
    IsiNameGd->hide();
    NameHyojiGd[2] = TwipGeometry::label(QString(), frame, 90, 9180, 4000, 60);
    KensakuTx = new QLineEdit(frame);
    TwipGeometry::place(KensakuTx, 90, 440, 1400, 300);
    MeigouCh = new QCheckBox(QStringLiteral("名号順"), frame);
    TwipGeometry::place(MeigouCh, 2200, 450, 900, 270);
    TwipGeometry::label(QStringLiteral("[分類]"), BunruiFrame, 60, 90, 600);
    BunruiTx = new QLineEdit(BunruiFrame);
    TwipGeometry::place(BunruiTx, 700, 60, 600, 300);
    KotaiGrid = new FlexGrid(frame);
    MainList = new QListWidget(frame);
    TwipGeometry::place(MainList, -3000, -3000, 1000, 1000);
}

void MainForm::buildRirekiFrame()
{
    QFrame* frame = MainFrame[frameRireki];
    NameHyojiGd[1] = TwipGeometry::label(QString(), frame, 90, 90, 4800, 300);
    NameHyojiGd[1]->setFont(menuFont());
    TwipGeometry::label(QStringLiteral("※選択したカルテが開きます。"), frame, 90, 400, 3500);
    KenanCh = new QCheckBox(QStringLiteral("検案書"), frame);
    TwipGeometry::place(KenanCh, 3700, 390, 1000, 270);
    GuideGd = TwipGeometry::label(QString(), frame, 4800, 400, 2400);
    RirekiGrid = new FlexGrid(frame);
}

void MainForm::buildWorkPanel()
{
    QFrame* menu = MainFrame[frameMenu];
    WorkFrame = new MainWorkFrame(menu);
    TwipGeometry::place(WorkFrame, 6300, 1900, 2300, 2200);
    WorkFrame->hide();
    Command3 = new QPushButton(QStringLiteral("印刷Form"), menu);
    TwipGeometry::place(Command3, 6900, 2000, 1100, 330);
    Command3->hide();
    TorikomiBtn = new QPushButton(QStringLiteral("薬価取込"), menu);
    TwipGeometry::place(TorikomiBtn, 6900, 2400, 1100, 330);
    TorikomiBtn->hide();
    Tgd = new LabelButton(QStringLiteral("<>"), 0, menu);
    TwipGeometry::place(Tgd, 300, 4080, 300, 240);
    Tgd->hide();
}

void MainForm::connectControls()
{
    connect(cmdButtons, &LabelButtonArray::clicked, this, &MainForm::CmdGd_Click);
    connect(cmdButtons, &LabelButtonArray::released, this, &MainForm::CmdGd_MouseUp);
    for (LabelButton* title : MainTitleGd) {
        connect(title, &LabelButton::released, this, &MainForm::MainTitleGd_MouseUp);
        connect(title, &LabelButton::doubleClicked, this, &MainForm::MainTitleGd_DblClick);
    }
    connect(NormalGd, &LabelButton::clicked, this, [this] { NormalGd_Click(); });
    connect(KensakuTx, &QLineEdit::returnPressed, this, [this] { CmdGd_Click(13); });
    connect(MeigouCh, &QCheckBox::clicked, this, [this] { MeigouCh_Click(); });
    connect(KotaiGrid, &FlexGrid::gridClick, this, &MainForm::KotaiGrid_Click);
    connect(RirekiGrid, &FlexGrid::gridClick, this, &MainForm::RirekiGrid_Click);
    connect(Tgd, &LabelButton::clicked, this, [this] { Tgd_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(TorikomiBtn, &QPushButton::clicked, this, [this] { TorikomiBtn_Click(); });
}

// ---- Start-up ----

void MainForm::Form_Load()
{
    SharedState& s = SharedState::get();
    QString error;
    if (!StartupConfig::load(s, QDate::currentDate(), &error)) {
        MsgBox::show(QStringLiteral("起動に必要なファイルを読めません。\n") + error, QStringLiteral("エラー"),
                     MsgBox::OkOnly, MsgBox::Critical);
        return;
    }
    setTitles();
    const ColorSetInfo& colors = s.ColorSet;
    cmdButtons->setHoverColor(colors.HoverColor);
    normalButtons->setHoverColor(colors.HoverColor);
    TwipGeometry::resize(this, windowWidth, menuHeight);
    WidgetColor::setBackColor(this, colors.BaseBackColor);
    TwipGeometry::place(TitlePict, 50, 30, windowWidth - 200, 400);
    WidgetColor::setBackColor(TitlePict, ColorSetInfo::TitleBannerColor());
    TitlePict->lower();
    for (QFrame* frame : MainFrame) {
        WidgetColor::setBackColor(frame, colors.BaseBackColor);
        TwipGeometry::place(frame, 105, 465, 9195, 9250);
    }
    TwipGeometry::place(MainFrame[frameMenu], 105, 465, 9195, 4365);
    for (QWidget* w : std::initializer_list<QWidget*>{MeigouCh, BunruiFrame, KenanCh})
        WidgetColor::setBackColor(w, colors.BaseBackColor);
    layoutKotaiGrid();
    layoutRirekiGrid();
    GuideGd->clear();
    NameHyojiGd[2]->clear();
    setMenuItems();
    CodeTableLoadProc();
    setState(State::Menu);
    loaded = true;
}

void MainForm::setTitles()
{
    const SharedState& s = SharedState::get();
    MainTitleGd[0]->setText(productTitle() + QStringLiteral(" 【") + s.KenName + QStringLiteral("】"));
    MainTitleGd[2]->setText(s.Site.TitleText());
    YearGd->setText(QStringLiteral("令和5年度薬価"));
}

void MainForm::setMenuItems()
{
    const SharedState& s = SharedState::get();
    const SiteProfile& site = s.Site;
    const bool farm = StartupConfig::isFarmSite(s.ken, site);
    CmdGd(17)->setVisible(site.ShowExchange());
    CmdGd(18)->setVisible(site.ShowExchange());
    CmdGd(19)->setVisible(site.ShowSubmission());
    CmdGd(5)->setVisible((s.ken == Ken::Kagoshima && !site.HideTuchibo()) || site.ShowTuchibo());
    CmdGd(6)->setText(farm ? QStringLiteral("診断書・治療簿入力") : QStringLiteral("カルテ入力"));
    CmdGd(12)->setVisible(farm);
    MeigouCh->setVisible(farm);
    KenanCh->setVisible(s.ken == Ken::Tottori);
    BunruiFrame->setVisible(site.ShowBunruiFrame());
    CmdGd(14)->setVisible(s.ken == Ken::Miyazaki);
}

void MainForm::layoutKotaiGrid()
{
    const ColorSetInfo& colors = SharedState::get().ColorSet;
    const Ken ken = SharedState::get().ken;
    KotaiGrid->setCols(KotaiList::colCount);
    TwipGeometry::place(KotaiGrid, 90, 800, 8750, 8375);
    KotaiGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    KotaiGrid->setBackColorBkg(colors.BaseBackColor);
    KotaiGrid->setBackColorSel(ColorSetInfo::GridFixedBackColor());
    KotaiGrid->setForeColorSel(Qt::black);
    KotaiGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    KotaiGrid->setRowHeightTwips(0, 270);
    for (int c = 0; c < KotaiList::colCount; ++c) {
        const GridColumn& column = kotaiColumns[c];
        if (column.aligned)
            KotaiGrid->setColAlignment(c, column.alignment);
        KotaiGrid->setColWidthTwips(c, column.width);
        KotaiGrid->setTextMatrix(0, c, QString::fromUtf16(column.heading));
    }
    if (ken == Ken::Kagoshima)
        KotaiGrid->setTextMatrix(0, 1, QStringLiteral("個体番号"));
    // The rows come last: each colour and alignment above restyles every row there is.
    KotaiGrid->setRows(5001);
    renumberKotaiGrid();
    if (needsNameAndNumber(ken))
        KotaiGrid->setTextMatrix(0, 3, QStringLiteral("名号:個体番号"));
}

void MainForm::layoutRirekiGrid()
{
    const ColorSetInfo& colors = SharedState::get().ColorSet;
    RirekiGrid->setCols(RirekiList::colCount);
    RirekiGrid->setRows(RirekiList::gridRows + 1);
    TwipGeometry::place(RirekiGrid, 90, 650, 8915, 8375);
    RirekiGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    RirekiGrid->setBackColorBkg(colors.BaseBackColor);
    RirekiGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    for (int c = 0; c < RirekiList::colCount; ++c) {
        const GridColumn& column = rirekiColumns[c];
        if (column.aligned)
            RirekiGrid->setColAlignment(c, column.alignment);
    }
    for (int r = 1; r <= RirekiList::gridRows; ++r)
        RirekiGrid->setTextMatrix(r, 0, QString::number(r));
    RirekiGrid->setRowHeightTwips(0, 270);
    for (int c = 0; c < RirekiList::colCount; ++c) {
        RirekiGrid->setColWidthTwips(c, rirekiColumns[c].width);
        RirekiGrid->setTextMatrix(0, c, QString::fromUtf16(rirekiColumns[c].heading));
    }
    RirekiGrid->mergeEqualCells(0);
    RirekiGrid->widenToColumns();
}

void MainForm::CodeTableLoadProc()
{
    const QString problems = CodeTableLoader::problemMessage(CodeTableLoader::CodeTableLoadProc());
    if (!problems.isEmpty())
        MsgBox::show(problems, QStringLiteral("確認"), MsgBox::OkOnly, MsgBox::Exclamation);
}

void MainForm::setState(State state)
{
    currentState = state;
    MainFrame[frameList]->setVisible(state == State::List);
    MainFrame[frameRireki]->setVisible(state == State::Rireki);
    MainFrame[frameMenu]->setVisible(state == State::Menu);
    TwipGeometry::resize(this, windowWidth, state == State::Menu ? menuHeight : listHeight);
}

// ---- Menu ----

void MainForm::CmdGd_Click(int index)
{
    switch (index) {
    case 0: newExamination(); break;
    case 1: setState(State::List); break;
    case 2: exitProgram(); break;
    case 3: ShowSubForm(SubForm::SyukeiForm); break;
    case 4: ShowSubForm(SubForm::MasterForm); break;
    case 5: ShowSubForm(SubForm::TuchiboForm); break;
    case 6: chartInput(); break;
    case 7: setState(State::Menu); break;
    case 8: ShowSubForm(SubForm::BackUpForm); break;
    case 9: newChart(); break;
    case 12: ShowSubForm(SubForm::IbaragiForm); break;
    case 13: searchKotai(); break;
    case 14: ShowSubForm(SubForm::MiyazakiYakkaForm); break;
    case 15: filterBunrui(); break;
    case 17: ShowSubForm(SubForm::InportForm); break;
    case 18: ShowSubForm(SubForm::ExportForm); break;
    case 19: ShowSubForm(SubForm::IbaragiSyukeiForm); break;
    case 20:
        if (SharedState::get().ken != Ken::Okinawa)
            ShowSubForm(SubForm::SinryoKirokuForm);
        break;
    case 21: ShowSubForm(SubForm::LastBunbenForm); break;
    default: break;  // 10, 11 and 16 have no action
    }
}

template <typename Form>
void MainForm::showModal()
{
    Form form(this);
    ModalHost::exec(form);
}

void MainForm::ShowSubForm(SubForm form)
{
    emit subFormOpening(form);
    switch (form) {
    case SubForm::LastBunbenForm: showModal<::LastBunbenForm>(); break;
    case SubForm::YakkaTourokuForm: showModal<::YakkaTourokuForm>(); break;
    case SubForm::MiyazakiYakkaForm: showModal<::MiyazakiYakkaForm>(); break;
    case SubForm::MasterForm: showModal<::MasterForm>(); break;
    case SubForm::NewKarteForm: showModal<::NewKarteForm>(); break;
    case SubForm::BunruiForm: showModal<::BunruiForm>(); break;
    case SubForm::NewInputForm: showModal<::NewInputForm>(); break;
    case SubForm::TuchiboForm: showModal<::TuchiboForm>(); break;
    case SubForm::KenanForm: ::KenanForm::open(this); break;
    case SubForm::IbaragiForm: ::IbaragiForm::open(this); break;
    case SubForm::IbaragiSyukeiForm: showModal<::IbaragiSyukeiForm>(); break;
    case SubForm::SinryoKirokuForm: showModal<::SinryoKirokuForm>(); break;
    case SubForm::SyukeiForm: showModal<::SyukeiForm>(); break;
    case SubForm::BackUpForm: showModal<::BackUpForm>(); break;
    case SubForm::InportForm: showModal<::InportForm>(); break;
    case SubForm::ExportForm: showModal<::ExportForm>(); break;
    // The windows of the other subsystems are opened here, one line each, as they are built.
    default: break;
    }
}

void MainForm::CmdGd_MouseUp(int index, Qt::KeyboardModifiers modifiers)
{
    if (index == 16 && (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier)
        showYakkaTouroku();
}

void MainForm::MainTitleGd_MouseUp(int index, Qt::KeyboardModifiers modifiers)
{
    Q_UNUSED(index);
    if ((modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier)
        showYakkaTouroku();
}

void MainForm::showYakkaTouroku()
{
    ShowSubForm(SubForm::YakkaTourokuForm);
    CodeTableLoadProc();
}

void MainForm::newExamination()
{
    SharedState& s = SharedState::get();
    if (KenanCh->isChecked()) {
        ShowSubForm(SubForm::KenanForm);
    } else {
        s.Hand.BunruiOut = 2;
        ShowSubForm(SubForm::BunruiForm);
        if (s.Hand.BunruiOut != 2) {
            s.KarteOpenMode = 0;
            s.Hand.KarteHinagataMode = 0;
            ShowSubForm(SubForm::NewInputForm);
        }
    }
    setState(State::List);
}

void MainForm::exitProgram()
{
    if (MsgBox::ask(QStringLiteral("終了してよろしいですか？"), QStringLiteral("確認"), MsgBox::OkCancel,
                    MsgBox::Question))
        close();
}

void MainForm::chartInput()
{
    InfoGd->show();
    InfoGd->repaint();
    const bool listed = NoukaYobidasiProc(0);
    InfoGd->hide();
    setState(listed ? State::List : State::Menu);
}

void MainForm::newChart()
{
    SharedState& s = SharedState::get();
    const QString farmer = NameHyojiGd[0]->text();
    if (farmer.isEmpty() || farmer == QStringLiteral("-")) {
        MsgBox::show(QStringLiteral("[地域・氏名・番号]が選択されていません。"), QStringLiteral("確認"));
        return;
    }
    s.Hand.NewKarteOut = 0;
    s.Hand.CopyMode = 0;
    ShowSubForm(SubForm::NewKarteForm);
    repaint();
    if (s.Hand.NewKarteOut != 1)
        return;
    s.refreshKarteFileList();
    if (s.Hand.BunruiOut == 2)
        return;
    s.KarteOpenMode = 0;
    s.Hand.KarteHinagataMode = 0;
    ShowSubForm(SubForm::NewInputForm);
    NoukaYobidasiProc(1);
}

void MainForm::searchKotai()
{
    const SharedState& s = SharedState::get();
    const QString text = KensakuTx->text().trimmed();
    if (text.isEmpty())
        return;
    QList<QStringList> rows;
    for (int r = 1; r < KotaiGrid->rows(); ++r) {
        QStringList row;
        for (int c = 0; c < KotaiList::colCount; ++c)
            row.append(KotaiGrid->textMatrix(r, c));
        rows.append(row);
    }
    const int found = KotaiList::findRow(rows, s.ken, text);
    if (found < 0) {
        MsgBox::show(KotaiList::notFoundMessage(s.ken), QStringLiteral("確認"));
        return;
    }
    showRireki(found + 1, rows.at(found).value(1) + QStringLiteral("  ") + text, false);
}

void MainForm::filterBunrui()
{
    const QString letter = BunruiTx->text();
    const QString refusal = KotaiList::bunruiCheck(letter);
    if (!refusal.isEmpty()) {
        MsgBox::show(refusal, QStringLiteral("確認"));
        return;
    }
    KensakuTx->clear();
    KotaiGrid->hide();
    KotaiGrid->clearCells();
    KotaiGrid->show();
    int next = 1;
    for (const QStringList& row : std::as_const(KotaiSubGrid)) {
        if (row.value(1).isEmpty())
            break;
        if (!KotaiList::bunruiMatches(row.value(3), letter))
            continue;
        for (int c = 1; c < KotaiList::colCount; ++c)
            KotaiGrid->setTextMatrix(next, c, row.value(c));
        ++next;
    }
}

// ---- The animal list ----

bool MainForm::NoukaYobidasiProc(int mode)
{
    FarmerChoice choice = FarmerChoice::Picked;
    if (mode == 0) {
        choice = fixFarmer();
        if (choice == FarmerChoice::None)
            return false;
    }
    const NoukaInfo& nouka = SharedState::get().CurrentNouka;
    NameHyojiGd[0]->setText(nouka.NoukaTiku + QStringLiteral("  ") + nouka.NoukaName + QStringLiteral("  ")
                            + nouka.NoukaCode);
    KotaiListSetProc();
    if (choice == FarmerChoice::Fixed)
        KotaiSortProc();
    return true;
}

MainForm::FarmerChoice MainForm::fixFarmer()
{
    SharedState& s = SharedState::get();
    if (s.ken == Ken::Ibaraki && s.Site.has(QStringLiteral("AutoNouka"))) {
        const TextFile file = TextFile::read(DataPath::file(QStringLiteral("set\\NameCode.ini")));
        if (!file.ok() || !NoukaSelect::autoNouka(file.texts(), NoukaSelect::autoNoukaTexts(s.Site), s.CurrentNouka)) {
            QString text = QStringLiteral("地区名・組合員名・組合員コードを登録してください。");
            if (!file.ok())
                text += QLatin1Char('\n') + file.errorText;
            MsgBox::show(text, QStringLiteral("確認"));
            return FarmerChoice::None;
        }
        return FarmerChoice::Fixed;
    }
    if (s.ken == Ken::Oita && NoukaSelect::fixedNouka(s.Site, s.CurrentNouka))
        return FarmerChoice::Fixed;
    YobidasiForm picker(this);
    ModalHost::exec(picker);
    return s.CurrentNouka.chosen() ? FarmerChoice::Picked : FarmerChoice::None;
}

void MainForm::KotaiListSetProc()
{
    SharedState& s = SharedState::get();
    s.refreshKarteFileList();
    KotaiGridClearProc();
    KotaiGrid->hide();
    const KotaiList::Result list =
        KotaiList::build(s.KarteFileList, s.KarteNendo, s.CurrentNouka.NoukaCode);
    // The rows there are keep their cells: every cell of the new rows is written below.
    KotaiGrid->setRows(int(list.rows.size()) + 1);
    KotaiGrid->setRowTexts(1, list.rows);
    KotaiSubGrid = list.rows;
    KotaiGrid->show();
    if (!list.damaged.isEmpty())
        MsgBox::show(QStringLiteral("次のカルテファイルは読めないため一覧に表示していません。\n")
                         + list.damaged.join(QLatin1Char('\n')),
                     QStringLiteral("確認"), MsgBox::OkOnly, MsgBox::Exclamation);
}

void MainForm::renumberKotaiGrid()
{
    QList<QStringList> numbers;
    numbers.reserve(KotaiGrid->rows());
    for (int r = 1; r < KotaiGrid->rows(); ++r)
        numbers.append({QString::number(r)});
    KotaiGrid->setRowTexts(1, numbers);
}

void MainForm::KotaiSortProc()
{
    const int key = MeigouCh->isChecked() ? 3 : 1;
    KotaiGrid->sortRows(1, KotaiGrid->rows() - 1, key, key, FlexGrid::SortGenericAscending);
    renumberKotaiGrid();
}

void MainForm::KotaiGridClearProc()
{
    KotaiGrid->clearRange(1, 1, KotaiGrid->rows() - 1, KotaiGrid->cols() - 1);
    for (QStringList& row : KotaiSubGrid)
        for (int c = 1; c < row.size(); ++c)
            row[c].clear();
    KotaiGrid->setCurrent(1, 1);
}

void MainForm::NormalGd_Click()
{
    NoukaYobidasiProc(0);
}

void MainForm::MeigouCh_Click()
{
    KotaiSortProc();
}

// ---- The episode history ----

void MainForm::KotaiGrid_Click(int row, int col)
{
    if (row < 1 || col < 1 || KotaiGrid->textMatrix(row, col).isEmpty())
        return;
    const QString label = KotaiGrid->textMatrix(row, 1) + QStringLiteral("  ") + KotaiGrid->textMatrix(row, 3);
    showRireki(row, label, latestOutcomeSite());
}

bool MainForm::latestOutcomeSite()
{
    SharedState& s = SharedState::get();
    if (s.ken != Ken::Tottori)
        return false;
    s.DoctorInfo.DoctorName = StartupConfig::readDoctorName();
    return SiteProfile::lookup(s.SiteRows, s.ken, s.SiteKey, s.DoctorInfo.DoctorName)
        .has(QStringLiteral("LatestOutcome"));
}

void MainForm::showRireki(int row, const QString& label, bool latestOutcome)
{
    SharedState::get().CurrentKarteFile = KotaiGrid->textMatrix(row, 8);
    NameHyojiGd[1]->setText(label);
    setState(State::Rireki);
    RirekiSetProc(latestOutcome);
}

void MainForm::RirekiSetProc(bool latestOutcome)
{
    const SharedState& s = SharedState::get();
    RirekiGrid->clearCells();
    RirekiGrid->setRows(RirekiList::gridRows + 1);
    const KarteScan chart = KarteScan::read(s.kartePath(s.CurrentKarteFile));
    QString report = chart.errorText;
    const QList<QStringList> rows = RirekiList::build(chart, s.CurrentKarteFile, latestOutcome, &report);
    if (rows.size() > RirekiList::gridRows) {
        RirekiGrid->setRows(int(rows.size()) + 1);
        for (int r = RirekiList::gridRows + 1; r <= rows.size(); ++r)
            RirekiGrid->setTextMatrix(r, 0, QString::number(r));
    }
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 1; c < RirekiList::colCount; ++c)
            RirekiGrid->setTextMatrix(r + 1, c, rows.at(r).at(c));
    if (!report.isEmpty())
        MsgBox::show(report, QStringLiteral("確認"), MsgBox::OkOnly, MsgBox::Exclamation);
}

void MainForm::RirekiGrid_Click(int row, int col)
{
    SharedState& s = SharedState::get();
    GuideGd->setText(QStringLiteral("カルテ読み込み中･･･"));
    GuideGd->repaint();
    if (row >= 1 && col >= 1 && !RirekiGrid->textMatrix(row, 2).isEmpty()) {
        s.CurrentEpisode.ByoName = RirekiGrid->textMatrix(row, 1);
        s.CurrentEpisode.RirekiKarteFile = RirekiGrid->textMatrix(row, 9);
        s.CurrentEpisode.SyosinDate = RirekiGrid->textMatrix(row, 3);
        s.KarteOpenMode = 1;
        if (KenanCh->isChecked()) {
            ShowSubForm(SubForm::KenanForm);
        } else {
            s.Hand.KarteHinagataMode = 0;
            ShowSubForm(SubForm::NewInputForm);
        }
        setState(State::List);
    }
    GuideGd->clear();
}

// ---- Hidden entries ----

void MainForm::MainTitleGd_DblClick(int index)
{
    if (index != 1)
        return;
    SharedState& s = SharedState::get();
    if (s.ken != Ken::Oita) {
        const SampleEpisode& sample = s.ken == Ken::Gunma ? gunmaSample
                                      : s.ken == Ken::Miyazaki ? miyazakiSample : commonSample;
        s.CurrentKarteFile = QString::fromUtf16(sample.karteFile);
        s.CurrentEpisode.ByoName = QString::fromUtf16(sample.byoName);
        s.CurrentEpisode.SyosinDate = QString::fromUtf16(sample.syosinDate);
        s.CurrentNouka.NoukaTiku = QString::fromUtf16(sample.tiku);
        s.CurrentNouka.NoukaName = QString::fromUtf16(sample.name);
        s.CurrentNouka.NoukaCode = QString::fromUtf16(sample.code);
        s.KarteOpenMode = 1;
        s.IbaragiFormOpen = 0;
    }
    s.Hand.PrintHiduke = QString::fromUtf16(samplePrintHiduke);
    s.Hand.KarteHinagataMode = 0;
    ShowSubForm(SubForm::NewInputForm);
}

void MainForm::Tgd_Click()
{
    SharedState::get().CurrentKarteFile = QString::fromUtf16(commonSample.karteFile);
    ShowSubForm(SubForm::IbaragiForm);
}

void MainForm::Command3_Click()
{
    ShowSubForm(SubForm::IbaragiSyukeiForm);
}

void MainForm::TorikomiBtn_Click()
{
    const QStringList errors = CodeExport::exportAssignments();
    if (!errors.isEmpty()) {
        MsgBox::show(errors.join(QLatin1Char('\n')), QStringLiteral("薬価登録"), MsgBox::OkOnly, MsgBox::Critical);
        return;
    }
    MsgBox::show(QStringLiteral("終了しました。"), QStringLiteral("薬価登録"));
}

// ---- Banner drag ----

bool MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TitlePict && event->type() == QEvent::MouseButtonPress)
        return true;  // keeps the mouse on the banner so that its moves arrive here
    if (watched == TitlePict && event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if ((mouse->buttons() & Qt::LeftButton) && windowHandle())
            windowHandle()->startSystemMove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
