#include "NewInputForm.h"

#include "CopyForm.h"
#include "KaiInputForm.h"
#include "KarteText.h"
#include "NewInputRules.h"
#include "SinsatuEdit.h"

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
#include "common/ValueReader.h"
#include "common/WidgetColor.h"
#include "dialogs/ByoNameForm.h"
#include "dialogs/DateForm.h"
#include "dialogs/GeninForm.h"
#include "dialogs/HinagataForm.h"
#include "dialogs/NenGappiForm.h"
#include "dialogs/NewDateForm.h"
#include "dialogs/Pict2Form.h"
#include "dialogs/PictForm.h"
#include "dialogs/RinkokuForm.h"
#include "dialogs/SyokenForm.h"
#include "dialogs/TantouForm.h"
#include "dialogs/TenkiForm.h"
#include "dialogs/TextInputForm.h"
#include "dialogs/TprForm.h"
#include "dialogs/TuikaForm.h"
#include "print/PrintDialogOpener.h"
#include "registers/TourokuCheck.h"
#include "treatment/BpointForm.h"
#include "treatment/KarteYakkaKousinProc.h"
#include "treatment/MiyazakiCodeForm.h"
#include "treatment/NoPointInpForm.h"
#include "treatment/OusinForm.h"
#include "treatment/OusinMiyazaki.h"
#include "treatment/PLForm.h"
#include "treatment/PictMiyazakiForm.h"
#include "treatment/SinryoForm.h"
#include "treatment/TensuForm.h"
#include "treatment/TottoriTikushuForm.h"
#include "treatment/TyusyaForm.h"
#include "treatment/TyusyaMiyazaki.h"
#include "treatment/YakujiForm.h"
#include "treatment/TiryoRowEdit.h"
#include "treatment/TiryoSyusei.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const QString screenFont = QStringLiteral("ＭＳ Ｐゴシック");
const QString kakunin = QStringLiteral("確認");
constexpr int labelHeight = 270;
constexpr int panelPitch = 3180;
constexpr int panelTopBase = -400;
constexpr int panelTopLimit = -60820;

enum Parent { OnMainPict, OnInfoPict, OnSubPict };

// A value label of the header, MainGd(index), at its place in twips.
struct ValuePlace
{
    int index;
    Parent parent;
    int left;
    int top;
    int width;
};
constexpr ValuePlace mainGdPlaces[] = {
    {0, OnMainPict, 2460, 30, 1300},     {1, OnMainPict, 4410, 30, 1400},    {19, OnMainPict, 6000, 30, 1000},
    {2, OnMainPict, 5210, 300, 2100},    {3, OnMainPict, 7910, 300, 1100},   {17, OnMainPict, 9610, 300, 900},
    {18, OnMainPict, 11110, 300, 450},   {8, OnMainPict, 12500, 300, 700},   {9, OnMainPict, 14000, 300, 1150},
    {10, OnMainPict, 12350, 570, 850},   {11, OnMainPict, 14000, 570, 1150}, {12, OnMainPict, 11810, 900, 850},
    {13, OnMainPict, 12660, 900, 650},   {20, OnMainPict, 14710, 900, 350},  {21, OnMainPict, 1360, 1130, 500},
    {14, OnMainPict, 12000, 1160, 800},  {15, OnMainPict, 13050, 1160, 800}, {16, OnMainPict, 14400, 1160, 800},
    {4, OnInfoPict, 860, 60, 2400},      {5, OnInfoPict, 4200, 60, 2900},    {6, OnInfoPict, 1010, 330, 1000},
    {7, OnInfoPict, 3050, 330, 1000},    {27, OnInfoPict, 5300, 330, 1100},  {22, OnInfoPict, 760, 890, 850},
    {23, OnInfoPict, 2350, 890, 850},    {24, OnInfoPict, 3950, 890, 850},   {25, OnInfoPict, 5550, 890, 850},
    {26, OnInfoPict, 6800, 890, 450},
};

// A heading label: its index in the system's heading array (-1: a heading of its own), caption.
struct HeadingPlace
{
    int index;
    const char16_t* caption;
    Parent parent;
    int left;
    int top;
    int width;
};
constexpr HeadingPlace headingPlaces[] = {
    {6, u"[地区]", OnMainPict, 1900, 30, 560},        {9, u"[農家]", OnMainPict, 3850, 30, 560},
    {7, u"[名号]", OnMainPict, 4650, 300, 560},       {8, u"[耳標]", OnMainPict, 7350, 300, 560},
    {13, u"[診療種類]", OnMainPict, 11600, 300, 900}, {4, u"[初診日]", OnMainPict, 11600, 570, 750},
    {5, u"[終診日]", OnMainPict, 13250, 570, 750},    {12, u"[カルテ提出月]", OnMainPict, 60, 1130, 1300},
    {56, u"月", OnMainPict, 1860, 1130, 250},         {14, u"B=", OnMainPict, 12800, 1160, 250},
    {15, u"A=", OnMainPict, 13850, 1160, 550},        {10, u"【毛色】", OnInfoPict, 60, 60, 800},
    {11, u"【特徴】", OnInfoPict, 3400, 60, 800},     {1, u"【生年月日】", OnInfoPict, 4200, 330, 1100},
    {0, u"【病名2の日付・診療回数】", OnInfoPict, 60, 620, 3000},
};

// The command labels CmdGd(index).
struct CmdPlace
{
    int index;
    const char16_t* caption;
    Parent parent;
    int left;
    int top;
    int width;
    bool bold;
    bool underline;
};
constexpr CmdPlace cmdPlaces[] = {
    {0, u"終了", OnMainPict, 11600, 30, 500, true, true},
    {5, u"印刷", OnMainPict, 12150, 30, 500, false, true},
    {8, u"雛形読込", OnMainPict, 12700, 30, 800, false, true},
    {9, u"雛形登録", OnMainPict, 13550, 30, 800, false, true},
    {11, u"複製", OnMainPict, 14400, 30, 500, false, true},
    {16, u"[その他情報]", OnMainPict, 8300, 30, 1150, true, false},
    {1, u"[発病日]", OnMainPict, 13250, 300, 750, false, false},
    {6, u"[稟告]", OnMainPict, 4650, 570, 560, false, false},
    {7, u"[原因]", OnMainPict, 7950, 570, 560, false, false},
    {2, u"[転帰]", OnMainPict, 11250, 900, 560, false, false},
    {10, u"[診療費]", OnMainPict, 11250, 1160, 750, false, false},
    {3, u"[最終分娩]", OnInfoPict, 60, 330, 950, false, false},
    {4, u"[最終受精]", OnInfoPict, 2100, 330, 950, false, false},
    {18, u"[発病日]", OnInfoPict, 60, 890, 700, false, false},
    {19, u"[初診日]", OnInfoPict, 1650, 890, 700, false, false},
    {20, u"[終診日]", OnInfoPict, 3250, 890, 700, false, false},
    {21, u"[転帰日]", OnInfoPict, 4850, 890, 700, false, false},
    {22, u"[回]", OnInfoPict, 6450, 890, 350, false, false},
    {24, u"薬価更新", OnInfoPict, 60, 1180, 800, false, true},
    {17, u"閉じる", OnInfoPict, 6500, 1180, 700, true, true},
    {15, u"新規作成", OnSubPict, 2000, 100, 900, false, true},
    {14, u"登録実行", OnSubPict, 3100, 100, 900, false, true},
    {13, u"登録済読込", OnSubPict, 4200, 100, 1100, false, true},
    {23, u"雛形の薬価更新", OnSubPict, 5500, 100, 1500, false, true},
    {12, u"終了", OnSubPict, 7300, 100, 600, true, true},
};

// The category panel: caption, column (0 the categories, 1 the row commands), top.
struct BunruiPlace
{
    int index;
    const char16_t* caption;
    int left;
    int top;
};
constexpr BunruiPlace bunruiPlaces[] = {
    {0, u"往診", 90, 60},         {1, u"注射", 90, 290},      {2, u"薬治", 90, 520},       {3, u"文書", 90, 750},
    {4, u"処置", 90, 980},        {5, u"検査", 90, 1210},     {6, u"手術", 90, 1440},      {7, u"指導", 90, 1670},
    {8, u"入院", 90, 1900},       {16, u"診察", 90, 2130},    {17, u"PLテスト", 90, 2360}, {9, u"削除", 1050, 290},
    {10, u"空白行挿入", 1050, 520}, {13, u"コピー", 1050, 750}, {14, u"貼り付け", 1050, 980}, {11, u"空白行削除", 1050, 1440},
    {12, u"削除", 1050, 1670},     {18, u"点数外入力", 1050, 2130}, {15, u"[閉じる]", 1050, 2360},
};

constexpr int pageNbTops[NewInputModel::SinsatuCount] = {1335, 1590, 1830, 2085, 2340, 2580, 2835, 3090, 3330, 3585,
                                                         3840, 4095, 4335, 4590, 4845, 5085, 5340, 5595, 5835, 6090};

void setFontStyle(QWidget* w, double points, bool bold, bool underline = false)
{
    QFont f = FontSetup::font(screenFont, points, bold);
    f.setUnderline(underline);
    w->setFont(f);
}

bool onlyCtrl(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

bool noModifier(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

NewInputForm::NewInputForm(QWidget* parent) : QDialog(parent), Model(NewInputModel::Settei::fromShared())
{
    setObjectName(QStringLiteral("NewInputForm"));
    setWindowTitle(QStringLiteral("カルテ入力"));
    setFont(FontSetup::font(screenFont, 9.75));
    move(0, 0);
    TwipGeometry::resize(this, 15350, 11150);
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.BaseBackColor);
    buildHeader();
    buildPanels();
    buildPageFrame();
    buildBunruiPict();
    buildSagyoFrame();
    connectControls();
    connectPanels();
    Form_Load();
}

NewInputForm::~NewInputForm()
{
    if (SharedState::get().OpenEditor == this)
        SharedState::get().OpenEditor = nullptr;
}

// ---- Building ----

void NewInputForm::buildHeader()
{
    const SharedState& s = SharedState::get();
    MainPict = new QFrame(this);
    MainPict->setObjectName(QStringLiteral("MainPict"));
    WidgetColor::setBackColor(MainPict, QColor(235, 253, 235));
    TwipGeometry::place(MainPict, 30, 65, 15220, 1435);
    InfoPict = new QFrame(MainPict);
    InfoPict->setObjectName(QStringLiteral("InfoPict"));
    WidgetColor::setBackColor(InfoPict, s.ColorSet.DialogBackColor);
    TwipGeometry::place(InfoPict, 4220, 0, 7300, 1485);
    InfoPict->hide();
    buildSubPict();
    buildHeaderLabels();
    buildHeaderBoxes();
    buildInfoPict();
    InfoPict->raise();
    for (QFrame* sub : SubPict)
        sub->raise();
}

void NewInputForm::buildSubPict()
{
    const int places[2][4] = {{1830, 15, 9645, 480}, {11565, 15, 3540, 870}};
    for (int i = 0; i < 2; ++i) {
        SubPict[i] = new QFrame(MainPict);
        SubPict[i]->setObjectName(QStringLiteral("SubPict%1").arg(i));
        WidgetColor::setBackColor(SubPict[i], QColor(235, 253, 235));
        TwipGeometry::place(SubPict[i], places[i][0], places[i][1], places[i][2], places[i][3]);
        SubPict[i]->hide();
    }
    QLabel* title = TwipGeometry::label(QStringLiteral("：雛形登録"), SubPict[0], 60, 90, 1500);
    setFontStyle(title, 11.25, true);
    WidgetColor::setForeColor(title, QColor(0, 192, 0));
}

void NewInputForm::buildHeaderLabels()
{
    QWidget* parents[] = {MainPict, InfoPict, SubPict[0]};
    QLabel* title = TwipGeometry::label(QStringLiteral("病傷事故診断書"), MainPict, 60, 30, 1800);
    setFontStyle(title, 11.25, true);
    WidgetColor::setForeColor(title, QColor(0, 192, 0));
    QLabel* byoTitle = TwipGeometry::label(QStringLiteral("[病名]"), MainPict, 60, 300, 700);
    WidgetColor::setForeColor(byoTitle, QColor(0, 0, 192));
    for (const ValuePlace& p : mainGdPlaces) {
        auto* label = new QLabel(QStringLiteral("-"), parents[p.parent]);
        label->setObjectName(QStringLiteral("MainGd%1").arg(p.index));
        WidgetColor::setForeColor(label, QColor(0, 0, 255));
        TwipGeometry::place(label, p.left, p.top, p.width, labelHeight);
        MainGd.at(p.index) = label;
    }
    for (const int green : {8, 13, 14, 20})
        WidgetColor::setForeColor(MainGd.at(green), QColor(0, 192, 0));
    setFontStyle(MainGd.at(13), 9, true);
    setFontStyle(MainGd.at(14), 9.75, true);
    setFontStyle(MainGd.at(20), 11.25, true);
    MainGd.at(20)->setAlignment(Qt::AlignCenter);
    setFontStyle(MainGd.at(21), 9.75, true);
    MainGd.at(21)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const HeadingPlace& h : headingPlaces) {
        QLabel* label = TwipGeometry::label(QString::fromUtf16(h.caption), parents[h.parent], h.left, h.top, h.width);
        label->setObjectName(QStringLiteral("Label2_%1").arg(h.index));
        headings.append(label);
    }
    headings.at(7)->setStyleSheet(QStringLiteral("color: rgb(255,192,128)"));
    Label2 = new LabelButtonArray(this);
    TwipGeometry::place(Label2->add(QStringLiteral("[畜種]"), 16, MainPict), 9050, 300, 560, labelHeight);
    TwipGeometry::place(Label2->add(QStringLiteral("[性別]"), 17, MainPict), 10550, 300, 560, labelHeight);
    Label2->setHoverColor(Qt::black);
    TwipGeometry::label(QStringLiteral("[診療回数]"), MainPict, 13760, 900, 950);
    ManryoGd = TwipGeometry::label(QString(), MainPict, 7000, 30, 1200);
    WidgetColor::setForeColor(ManryoGd, QColor(192, 64, 0));
    ManryoGd->hide();
    DocNameGd = TwipGeometry::label(QStringLiteral("(**)"), MainPict, 9500, 30, 2000);
    setFontStyle(DocNameGd, 8.25, false);
    DocNameGd->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    DocNameGd->hide();
    ChuusiGd = TwipGeometry::label(QStringLiteral("(満)"), MainPict, 13310, 900, 450);
    WidgetColor::setForeColor(ChuusiGd, QColor(0, 192, 0));
    ChuusiGd->hide();
    SinryoKaiChGd = TwipGeometry::label(QStringLiteral("*"), MainPict, 15060, 900, 160);
    WidgetColor::setForeColor(SinryoKaiChGd, QColor(255, 128, 0));
    CmdGd = new LabelButtonArray(this);
    for (const CmdPlace& c : cmdPlaces) {
        LabelButton* b = CmdGd->add(QString::fromUtf16(c.caption), c.index, parents[c.parent]);
        b->setObjectName(QStringLiteral("CmdGd%1").arg(c.index));
        setFontStyle(b, 9.75, c.bold, c.underline);
        TwipGeometry::place(b, c.left, c.top, c.width, labelHeight);
    }
    for (const int centred : {0, 5})
        CmdGd->at(centred)->setAlignment(Qt::AlignCenter);
    CmdGd->setHoverColor(SharedState::get().ColorSet.HoverColor);
}

void NewInputForm::buildHeaderBoxes()
{
    ByoNameGrid = new FlexGrid(MainPict);
    ByoNameGrid->setObjectName(QStringLiteral("ByoNameGrid"));
    ByoNameGrid->setFont(FontSetup::font(screenFont, 9));
    ByoNameGrid->setRows(3);
    ByoNameGrid->setCols(3);
    ByoNameGrid->setFixedRows(0);
    ByoNameGrid->setFixedCols(1);
    ByoNameGrid->setDefaultRowHeightTwips(250);
    ByoNameGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    ByoNameGrid->setBackColorBkg(SharedState::get().ColorSet.BaseBackColor);
    ByoNameGrid->setBackColorSel(QColor(255, 255, 192));
    ByoNameGrid->setForeColorSel(Qt::black);
    ByoNameGrid->setHighLight(FlexGrid::HighLightNever);
    ByoNameGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ByoNameGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int widths[] = {280, 2500, 1000};
    for (int c = 0; c < 3; ++c)
        ByoNameGrid->setColWidthTwips(c, widths[c]);
    TwipGeometry::place(ByoNameGrid, 760, 300, 3780, 760);
    ByoNameGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    ByoNameGrid->setColAlignment(0, FlexGrid::AlignCenter);
    ByoNameGrid->setColAlignment(2, FlexGrid::AlignCenter);
    for (int r = 0; r < 3; ++r)
        ByoNameGrid->setTextMatrix(r, 0, QString::number(r + 1));
    const auto textBox = [this](int left) {
        auto* box = new QPlainTextEdit(MainPict);
        WidgetColor::setBackColor(box, SharedState::get().ColorSet.BaseBackColor);
        TwipGeometry::place(box, left, 570, 2640, 750);
        return box;
    };
    RinkokuTx = textBox(5210);
    RinkokuTx->setObjectName(QStringLiteral("RinkokuTx"));
    GeninTx = textBox(8510);
    GeninTx->setObjectName(QStringLiteral("GeninTx"));
    BunsyoCh = new QCheckBox(QStringLiteral("文書料無し"), MainPict);
    TwipGeometry::place(BunsyoCh, 9500, 300, 1300, labelHeight);
    BunsyoCh->hide();
}

void NewInputForm::buildInfoPict()
{
    DateCh = new QCheckBox(QStringLiteral("カルテ最後の診察日は病名2の終診日。"), InfoPict);
    DateCh->setObjectName(QStringLiteral("DateCh"));
    WidgetColor::setForeColor(DateCh, QColor(128, 128, 255));
    WidgetColor::setBackColor(DateCh, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(DateCh, 1000, 1160, 4800, labelHeight);
}

void NewInputForm::buildPanels()
{
    const QColor back = SharedState::get().ColorSet.BaseBackColor;
    MainFrame = new QFrame(this);
    MainFrame->setObjectName(QStringLiteral("MainFrame"));
    WidgetColor::setBackColor(MainFrame, back);
    TwipGeometry::place(MainFrame, 420, 1450, 15165, 9560);
    SubWakuFrame = new QFrame(MainFrame);
    SubWakuFrame->setObjectName(QStringLiteral("SubWakuFrame"));
    WidgetColor::setBackColor(SubWakuFrame, back);
    TwipGeometry::place(SubWakuFrame, 45, panelTopBase, 14790, NewInputModel::SinsatuCount * panelPitch + 435);
    for (LabelButtonArray** array : {&Arrays.Label1, &Arrays.SinsatuDayGd, &Arrays.SinsatuTimeGd, &Arrays.TPRGd,
                                     &Arrays.KyuTitleGd, &Arrays.TeireiGd, &Arrays.TantouGd, &Arrays.CopyGd,
                                     &Arrays.SikyuGd, &Arrays.SounyuGd}) {
        *array = new LabelButtonArray(this);
        (*array)->setHoverColor(SharedState::get().ColorSet.HoverColor);
    }
    Arrays.Label1->setHoverColor(QColor(0, 0, 255));
    for (int j = 0; j < NewInputModel::SinsatuCount; ++j) {
        InputWaku.at(j) = new SinsatuWaku(j, Arrays, Model.Set, SubWakuFrame);
        InputWaku.at(j)->setMouseTracking(true);
        InputWaku.at(j)->installEventFilter(this);
    }
}

void NewInputForm::buildPageFrame()
{
    PageFrame = new QFrame(this);
    PageFrame->setObjectName(QStringLiteral("PageFrame"));
    WidgetColor::setBackColor(PageFrame, QColor(245, 245, 245));
    TwipGeometry::place(PageFrame, 20, 1500, 435, 9705);
    TwipGeometry::label(QStringLiteral("[頁]"), PageFrame, 30, 200, 400);
    PageSp = new QFrame(PageFrame);
    WidgetColor::setBackColor(PageSp, QColor(192, 192, 192));
    TwipGeometry::place(PageSp, 25, 540, 330, 285);
    PageGd = new LabelButtonArray(this);
    PageGd->setHoverColor(SharedState::get().ColorSet.HoverColor);
    const QString arrows[] = {QStringLiteral("▲ "), QStringLiteral("▼ ")};
    const int arrowTops[] = {600, 975};
    for (int i = 0; i < 2; ++i) {
        LabelButton* b = PageGd->add(arrows[i], i, PageFrame);
        TwipGeometry::place(b, 100, arrowTops[i], 300, 240);
        b->installEventFilter(this);
    }
    PosSp = new QFrame(PageFrame);
    PosSp->setFrameShape(QFrame::Box);
    PosSp->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 0; i < NewInputModel::SinsatuCount; ++i) {
        QLabel* nb = TwipGeometry::label(QString::number(i + 1), PageFrame, 30, pageNbTops[i], 375);
        setFontStyle(nb, 9.75, true);
        nb->setAlignment(Qt::AlignCenter);
        WidgetColor::setForeColor(nb, QColor(224, 224, 224));
        nb->setMouseTracking(true);
        nb->installEventFilter(this);
        PageNbGd.at(i) = nb;
    }
    TwipGeometry::place(PosSp, 30, pageNbTops[0] - 50, 375, 780);
    PosSp->raise();
    PageGd->resetOn(PageFrame);
}

void NewInputForm::buildBunruiPict()
{
    BunruiPict = new QFrame(SubWakuFrame);
    BunruiPict->setObjectName(QStringLiteral("BunruiPict"));
    BunruiPict->setFrameShape(QFrame::Box);
    WidgetColor::setBackColor(BunruiPict, SharedState::get().ColorSet.BaseBackColor);
    TwipGeometry::resize(BunruiPict, 2115, 2610);
    BunruiPict->hide();
    BunruiSp = new QFrame(BunruiPict);
    BunruiSp->setFrameShape(QFrame::Box);
    BunruiSp->setAttribute(Qt::WA_TransparentForMouseEvents);
    BunruiSp->hide();
    const QColor groupColor(128, 128, 255);
    for (const auto& [caption, top] : {std::pair{QStringLiteral("[選択行]"), 60}, {QStringLiteral("[全体]"), 1210}}) {
        QLabel* label = TwipGeometry::label(caption, BunruiPict, 1050, top, 950);
        WidgetColor::setForeColor(label, groupColor);
    }
    BunruiGd = new LabelButtonArray(this);
    BunruiGd->setHoverColor(SharedState::get().ColorSet.HoverColor);
    for (const BunruiPlace& p : bunruiPlaces) {
        LabelButton* b = BunruiGd->add(QString::fromUtf16(p.caption), p.index, BunruiPict);
        b->setObjectName(QStringLiteral("BunruiGd%1").arg(p.index));
        TwipGeometry::place(b, p.left, p.top, 950, 230);
        b->installEventFilter(this);
    }
    BunruiGd->resetOn(BunruiPict);
}

void NewInputForm::buildSagyoFrame()
{
    Command1 = new QPushButton(QStringLiteral("T"), this);
    TwipGeometry::place(Command1, 15000, 11000 - 150, 300, 250);
    SagyoFrame = new QFrame(this);
    SagyoFrame->setObjectName(QStringLiteral("SagyoFrame"));
    WidgetColor::setBackColor(SagyoFrame, QColor(255, 255, 0));
    TwipGeometry::place(SagyoFrame, 11000, 8000, 4000, 2800);
    SagyoFrame->hide();
    TwipGeometry::label(QStringLiteral("作業用"), SagyoFrame, 60, 60, 1000);
    const QString captions[] = {QStringLiteral("▲▲"), QStringLiteral("▲"), QStringLiteral("▼"), QStringLiteral("▼▼")};
    for (int i = 0; i < 4; ++i) {
        UpDownBtn.at(i) = new QPushButton(captions[i], SagyoFrame);
        TwipGeometry::place(UpDownBtn.at(i), 60 + i * 900, 400, 850, 330);
        connect(UpDownBtn.at(i), &QPushButton::clicked, this, [this, i] { UpDownBtn_Click(i); });
    }
    connect(Command1, &QPushButton::clicked, this, &NewInputForm::Command1_Click);
}

void NewInputForm::connectControls()
{
    connect(CmdGd, &LabelButtonArray::mouseDown, this, &NewInputForm::CmdGd_MouseDown);
    CmdGd->resetOn(MainPict);
    CmdGd->resetOn(InfoPict);
    CmdGd->resetOn(this);
    MainPict->installEventFilter(this);
    connect(Label2, &LabelButtonArray::clicked, this, &NewInputForm::Label2_Click);
    connect(ByoNameGrid, &FlexGrid::gridClick, this, [this](int row, int) { ByoNameGrid_Click(row); });
    ByoNameGrid->viewport()->installEventFilter(this);
    connect(RinkokuTx, &QPlainTextEdit::textChanged, this,
            [this] { Model.Header.Data2.Rinkoku = RinkokuTx->toPlainText(); });
    connect(GeninTx, &QPlainTextEdit::textChanged, this,
            [this] { Model.Header.Data2.Genin = GeninTx->toPlainText(); });
    connect(DateCh, &QCheckBox::toggled, this,
            [this](bool on) { Model.Header.Data2.DateCh = on ? QStringLiteral("1") : QStringLiteral("0"); });
    connect(BunsyoCh, &QCheckBox::toggled, this, [this](bool on) {
        Model.Header.Data2.BunsyoCh = on ? QStringLiteral("1") : QStringLiteral("0");
        TensuKeisanProc();
    });
    connect(PageGd, &LabelButtonArray::clicked, this, &NewInputForm::PageGd_Click);
    connect(PageGd, &LabelButtonArray::doubleClicked, this, &NewInputForm::PageGd_DblClick);
    connect(BunruiGd, &LabelButtonArray::clicked, this, &NewInputForm::BunruiGd_Click);
}

void NewInputForm::connectPanels()
{
    connect(Arrays.SinsatuDayGd, &LabelButtonArray::mouseDown, this,
            [this](int j, Qt::MouseButton b, Qt::KeyboardModifiers) { SinsatuDayGd_MouseDown(j, b); });
    connect(Arrays.SinsatuTimeGd, &LabelButtonArray::mouseDown, this,
            [this](int j, Qt::MouseButton b, Qt::KeyboardModifiers) { SinsatuTimeGd_MouseDown(j, b); });
    connect(Arrays.KyuTitleGd, &LabelButtonArray::mouseDown, this,
            [this](int j, Qt::MouseButton b, Qt::KeyboardModifiers) { KyuTitleGd_MouseDown(j, b); });
    connect(Arrays.TantouGd, &LabelButtonArray::mouseDown, this, &NewInputForm::TantouGd_MouseUp);
    connect(Arrays.TPRGd, &LabelButtonArray::mouseDown, this,
            [this](int j, Qt::MouseButton b, Qt::KeyboardModifiers) { TPRGd_MouseDown(j, b); });
    connect(Arrays.TeireiGd, &LabelButtonArray::mouseDown, this, &NewInputForm::TeireiGd_MouseDown);
    connect(Arrays.SikyuGd, &LabelButtonArray::clicked, this, &NewInputForm::SikyuGd_Click);
    connect(Arrays.SounyuGd, &LabelButtonArray::clicked, this, &NewInputForm::SounyuGd_Click);
    connect(Arrays.Label1, &LabelButtonArray::mouseDown, this, &NewInputForm::Label1_MouseDown);
    connect(Arrays.CopyGd, &LabelButtonArray::clicked, this, &NewInputForm::CopyGd_Click);
    for (SinsatuWaku* waku : InputWaku) {
        const int j = waku->index;
        connect(waku->TiryoGrid, &FlexGrid::gridClick, this, [this, j](int r, int c) { TiryoGrid_Click(j, r, c); });
        waku->TiryoGrid->viewport()->installEventFilter(this);
        waku->SyokenList->viewport()->installEventFilter(this);
        connect(waku, &SinsatuWaku::gensyoEdited, this,
                [this](int k, const QString& text) { Model.Panels.at(k).Gensyo = text; });
    }
}

// ---- Load ----

void NewInputForm::Form_Load()
{
    SharedState& s = SharedState::get();
    CurrentPage = 0;
    s.Hand.NenGappiMode = 0;
    s.Hand.IbaragiDocNameOut.clear();
    Model.Header.Name.IbaragiDocName.clear();
    applySettei();
    if (!Model.Set.Hinagata) {
        const NewInputModel::Yomikomi read = Model.KarteReadProc();
        if (!read.Message.isEmpty())
            tell(read.Message);
    }
    hyoji();
    if (Model.Set.ManryoShown && Model.Header.ManryoGd == SharedUtil::manryoMisettei()) {
        tell(QStringLiteral("掛金期間満了日が未設定です。"));
        WidgetColor::setForeColor(ManryoGd, QColor(255, 0, 0));
    }
    KiokuList = BunbenKiokuFile::read();
    s.OpenEditor = this;
}

void NewInputForm::applySettei()
{
    const NewInputModel::Settei& set = Model.Set;
    const bool hinagata = set.Hinagata;
    for (QFrame* sub : SubPict)
        sub->setVisible(hinagata);
    if (hinagata) {
        for (QWidget* w : std::initializer_list<QWidget*>{MainGd.at(12), MainGd.at(13), CmdGd->at(2), BunsyoCh})
            w->hide();
        for (QLabel* h : std::as_const(headings))
            h->hide();
        for (const int i : Label2->indexes())
            Label2->at(i)->hide();
    }
    headings.at(3)->setText(set.ken == Ken::Kagoshima ? QStringLiteral("[番号]") : QStringLiteral("[耳標]"));
    if (set.ken == Ken::Miyazaki) {
        headings.at(10)->setText(QStringLiteral("薬価計"));
        CmdGd->at(10)->setText(QStringLiteral("診療費"));
        CmdGd->at(24)->hide();
    }
    DocNameGd->setVisible(set.docNameShown());
    ChuusiGd->setVisible(set.ken == Ken::Tottori);
    ManryoGd->setVisible(set.ManryoShown);
}

// ---- Display ----

void NewInputForm::hyoji()
{
    hyojiHeader();
    for (SinsatuWaku* waku : InputWaku)
        waku->hyoji(Model.Panels.at(waku->index));
    PageIroSetProc();
}

void NewInputForm::hyojiHeader()
{
    const NewInputHeader& h = Model.Header;
    for (int i = 0; i < NewInputHeader::MainGdCount; ++i)
        MainGd.at(i)->setText(h.mainGd(i));
    MainGd.at(2)->setToolTip(Model.BirthTipText);
    ManryoGd->setText(h.ManryoGd);
    DocNameGd->setText(h.Name.IbaragiDocName);
    ChuusiGd->setText(h.Data2.Chuusi);
    SinryoKaiChGd->setText(h.SinryoKaiChGd);
    for (int r = 0; r < 3; ++r) {
        ByoNameGrid->setTextMatrix(r, 1, h.byoName(r));
        ByoNameGrid->setTextMatrix(r, 2, h.byoCode(r));
    }
    for (const auto& [box, text] : {std::pair{RinkokuTx, h.Data2.Rinkoku}, {GeninTx, h.Data2.Genin}}) {
        if (box->toPlainText() != text) {
            const QSignalBlocker block(box);
            box->setPlainText(text);
        }
    }
    const QSignalBlocker blockDate(DateCh);
    DateCh->setChecked(h.dateCh());
    const QSignalBlocker blockBunsyo(BunsyoCh);
    BunsyoCh->setChecked(h.bunsyoCh());
    moveMainGd19();
}

void NewInputForm::moveMainGd19()
{
    QLabel* name = MainGd.at(1);
    QLabel* code = MainGd.at(19);
    name->adjustSize();
    name->setFixedHeight(TwipGeometry::px(labelHeight));
    code->adjustSize();
    code->move(name->x() + name->width() + TwipGeometry::px(200), name->y());
    ManryoGd->adjustSize();
    ManryoGd->move(code->x() + code->width() + TwipGeometry::px(100), name->y());
}

void NewInputForm::PageIroSetProc()
{
    const int green = Model.pageGreenCount();
    for (int i = 0; i < NewInputModel::SinsatuCount; ++i)
        WidgetColor::setForeColor(PageNbGd.at(i), i < green ? QColor(0, 128, 0) : QColor(224, 224, 224));
}

// ---- What other windows read ----

QStringList NewInputForm::kiokuList() const
{
    return KiokuList.texts();
}

QString NewInputForm::mainGdText(int index) const
{
    return Model.Header.mainGd(index);
}

QString NewInputForm::byoName1() const
{
    return Model.Header.byoName(0);
}

int NewInputForm::dateCh() const
{
    return Model.Header.dateCh() ? 1 : 0;
}

int NewInputForm::bunsyoCh() const
{
    return Model.Header.bunsyoCh() ? 1 : 0;
}

QString NewInputForm::sinryoKaiChGdText() const
{
    return Model.Header.SinryoKaiChGd;
}

const MiyazakiDataGrid& NewInputForm::dataGrid() const
{
    return Model.DataGrid;
}

QRect NewInputForm::windowRect() const
{
    return frameGeometry();
}

// ---- Messages and dialogs ----

bool NewInputForm::ask(const QString& text, const QString& title)
{
    return MsgBox::ask(text, title, MsgBox::OkCancel, MsgBox::Question);
}

void NewInputForm::tell(const QString& text, const QString& title)
{
    MsgBox::show(text, title);
}

bool NewInputForm::refuse(const TourokuCheck& check)
{
    if (check.ok())
        return false;
    tell(check.text, check.title);
    return true;
}

template <typename Form>
void NewInputForm::showModal()
{
    Form form(this);
    ModalHost::exec(form);
}

void NewInputForm::ShowSubForm(SubForm form)
{
    emit subFormOpening(form);
    switch (form) {
    case SubForm::NenGappiForm: showModal<::NenGappiForm>(); break;
    case SubForm::TenkiForm: showModal<::TenkiForm>(); break;
    case SubForm::ByoNameForm: showModal<::ByoNameForm>(); break;
    case SubForm::RinkokuForm: showModal<::RinkokuForm>(); break;
    case SubForm::GeninForm: showModal<::GeninForm>(); break;
    case SubForm::HinagataForm: showModal<::HinagataForm>(); break;
    case SubForm::TantouForm: showModal<::TantouForm>(); break;
    case SubForm::TprForm: showModal<::TprForm>(); break;
    case SubForm::TextInputForm: showModal<::TextInputForm>(); break;
    case SubForm::SyokenForm: showModal<::SyokenForm>(); break;
    case SubForm::TuikaForm: showModal<::TuikaForm>(); break;
    case SubForm::PictForm: showModal<::PictForm>(); break;
    case SubForm::Pict2Form: showModal<::Pict2Form>(); break;
    case SubForm::NewDateForm: showModal<::NewDateForm>(); break;
    case SubForm::DateForm: showModal<::DateForm>(); break;
    case SubForm::KaiInputForm: showModal<::KaiInputForm>(); break;
    case SubForm::CopyForm: showModal<::CopyForm>(); break;
    case SubForm::TottoriTikushuForm: showModal<::TottoriTikushuForm>(); break;
    case SubForm::TensuForm: showModal<::TensuForm>(); break;
    case SubForm::PictMiyazakiForm: showModal<::PictMiyazakiForm>(); break;
    case SubForm::OusinForm: showModal<::OusinForm>(); break;
    case SubForm::OusinMiyazaki: showModal<::OusinMiyazaki>(); break;
    case SubForm::TyusyaForm: showModal<::TyusyaForm>(); break;
    case SubForm::YakujiForm: showModal<::YakujiForm>(); break;
    case SubForm::SinryoForm: showModal<::SinryoForm>(); break;
    case SubForm::TyusyaMiyazaki: showModal<::TyusyaMiyazaki>(); break;
    case SubForm::PLForm: showModal<::PLForm>(); break;
    case SubForm::NoPointInpForm: showModal<::NoPointInpForm>(); break;
    case SubForm::BpointForm: showModal<::BpointForm>(); break;
    case SubForm::MiyazakiCodeForm: showModal<::MiyazakiCodeForm>(); break;
    }
}

void NewInputForm::KarteSaveProc()
{
    QString error;
    if (!Model.KarteSaveProc(&error) && Model.saveAllowed())
        tell(error.isEmpty() ? QStringLiteral("カルテを保存できません。") : error);
    hyoji();
}

void NewInputForm::TensuKeisanProc()
{
    Model.TensuKeisanProc();
    hyoji();
    QApplication::processEvents();
}

void NewInputForm::endWindow(int result)
{
    closing = true;
    if (SharedState::get().OpenEditor == this)
        SharedState::get().OpenEditor = nullptr;
    done(result);
}

void NewInputForm::reject()
{
    if (closing)
        return;
    if (Model.Set.Hinagata)
        endWindow(QDialog::Rejected);
    else
        closeCommand();
}

// ---- Hover and pages ----

// A move over a frame's bare area, not one that a control on it passed on.
bool NewInputForm::bareMove(QObject* watched, QEvent* event)
{
    auto* frame = qobject_cast<QWidget*>(watched);
    if (!frame || event->type() != QEvent::MouseMove)
        return false;
    return !frame->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
}

bool NewInputForm::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Enter) {
        if (watched == MainPict && bareMove(watched, event)) {
            InfoPict->hide();
            HoverResetProc(0);
        }
        for (SinsatuWaku* waku : InputWaku) {
            if (watched == waku && bareMove(watched, event)) {
                BunruiPict->hide();
                HoverResetProc(waku->index);
            } else if (watched == waku->TiryoGrid->viewport()) {
                waku->shrinkSyoken();
            }
        }
        for (int i = 0; i < NewInputModel::SinsatuCount; ++i) {
            if (watched == PageNbGd.at(i))
                PageNbGd_MouseMove(i);
        }
        for (const int i : PageGd->indexes()) {
            if (watched == PageGd->at(i) && type == QEvent::Enter)
                PageSp->move(PageGd->at(i)->x() - TwipGeometry::px(75), PageGd->at(i)->y() - TwipGeometry::px(60));
        }
        for (const int i : BunruiGd->indexes()) {
            if (watched == BunruiGd->at(i) && type == QEvent::Enter) {
                BunruiSp->setGeometry(BunruiGd->at(i)->geometry());
                BunruiSp->show();
            }
        }
        if (watched == ByoNameGrid->viewport() && type == QEvent::MouseMove)
            ByoNameGrid_MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
    } else if (type == QEvent::MouseButtonRelease) {
        for (SinsatuWaku* waku : InputWaku) {
            if (watched == waku->SyokenList->viewport())
                SyokenList_Click(waku->index);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void NewInputForm::HoverResetProc(int j)
{
    InputWaku.at(j)->shrinkSyoken();
    for (LabelButtonArray* array : Arrays.all())
        array->unhoverAll();
    PageGd->unhoverAll();
}

void NewInputForm::setSubWakuTop(int twips)
{
    subWakuTopTwips = twips;
    SubWakuFrame->move(SubWakuFrame->x(), TwipGeometry::px(twips));
}

void NewInputForm::PageIdoProc(int page)
{
    PosSp->move(PosSp->x(), PageNbGd.at(page)->y() - TwipGeometry::px(50));
    setSubWakuTop(panelTopBase - page * panelPitch);
}

void NewInputForm::PageNbGd_MouseMove(int j)
{
    CurrentPage = j;
    PageIdoProc(j);
}

void NewInputForm::PageGd_Click(int j)
{
    if (j == 0 && CurrentPage > 0)
        PageIdoProc(--CurrentPage);
    else if (j == 1 && CurrentPage < NewInputModel::SinsatuCount - 1)
        PageIdoProc(++CurrentPage);
}

void NewInputForm::PageGd_DblClick(int j)
{
    if (j == 0)
        setSubWakuTop(panelTopBase);
}

void NewInputForm::UpDownBtn_Click(int j)
{
    BunruiPict->hide();
    const int top = subWakuTopTwips;
    const int three = 3 * panelPitch;
    switch (j) {
    case 0: setSubWakuTop(top + three > panelTopBase ? panelTopBase : top + three); break;
    case 1: if (top != panelTopBase) setSubWakuTop(top + panelPitch); break;
    case 2: if (top != panelTopLimit) setSubWakuTop(top - panelPitch); break;
    case 3: setSubWakuTop(top - three < panelTopLimit ? panelTopLimit : top - three); break;
    default: break;
    }
}

void NewInputForm::Command1_Click()
{
    SagyoFrame->setVisible(!SagyoFrame->isVisible());
    SagyoFrame->raise();
}

// ---- Header commands ----

void NewInputForm::CmdGd_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    switch (index) {
    case 0: closeCommand(); return;
    case 1: hatubyoDate(button, modifiers); break;
    case 2: tenki(); break;
    case 3:
    case 4: bunbenDate(index, button); break;
    case 5: printCommand(); break;
    case 6:
    case 7: textCommand(index); break;
    case 8: hinagataYomikomi(false); break;
    case 9:
    case 14: hinagataToroku(); break;
    case 10: tensu(); break;
    case 11: duplicate(); break;
    case 12: endWindow(QDialog::Accepted); return;
    case 13: hinagataYomikomi(true); break;
    case 15: newHinagata(); break;
    case 16: InfoPict->show(); break;
    case 17: InfoPict->hide(); break;
    case 18:
    case 19:
    case 20:
    case 21: byoName2Date(index, button); break;
    case 22: kaiInput(button); break;
    case 23: hinagataYakkaKousin(); break;
    case 24: yakkaKousin(); break;
    default: return;
    }
    hyoji();
}

std::optional<QString> NewInputForm::pickDate(int mode)
{
    HandOver& h = SharedState::get().Hand;
    h.NenGappiMode = mode;
    h.NenGappiBirthMode = 0;
    for (QString* out : {&h.NenGappiOut, &h.NenGappiYearOut, &h.NenGappiManthOut, &h.NenGappiDayOut})
        out->clear();
    ShowSubForm(SubForm::NenGappiForm);
    return NewInputRules::pickedDate(h.NenGappiYearOut, h.NenGappiManthOut, h.NenGappiDayOut);
}

void NewInputForm::hatubyoDate(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    KarteNameRecord& name = Model.Header.Name;
    if (button != Qt::LeftButton) {
        name.HatubyoDate.clear();
    } else if (modifiers & Qt::ControlModifier) {
        name.HatubyoDate = name.SyosinDate;
    } else if (const std::optional<QString> date = pickDate(0)) {
        name.HatubyoDate = *date;
    }
}

void NewInputForm::tenki()
{
    HandOver& h = SharedState::get().Hand;
    for (QString* out : {&h.TenkiOut, &h.ChuusiOut, &h.TeisyutuTukiOut, &h.NenGappiYearOut, &h.NenGappiManthOut,
                         &h.NenGappiDayOut})
        out->clear();
    ShowSubForm(SubForm::TenkiForm);
    KarteNameRecord& name = Model.Header.Name;
    if (!h.NenGappiYearOut.isEmpty() && h.NenGappiYearOut != QStringLiteral("0")) {
        name.TenkiDate = *NewInputRules::pickedDate(h.NenGappiYearOut, h.NenGappiManthOut, h.NenGappiDayOut);
        name.Tenki = h.TenkiOut;
    } else {
        name.TenkiDate.clear();
        name.Tenki = QStringLiteral("未");
    }
    if (!h.TeisyutuTukiOut.isEmpty())
        name.TeisyutuTuki = h.TeisyutuTukiOut;
    if (Model.Set.ken == Ken::Tottori)
        Model.Header.Data2.Chuusi = h.ChuusiOut;
}

void NewInputForm::bunbenDate(int index, Qt::MouseButton button)
{
    QString& date = index == 3 ? Model.Header.Data1.BunbenDate : Model.Header.Data1.JyuseiDate;
    if (button != Qt::LeftButton) {
        date.clear();
        return;
    }
    const std::optional<QString> picked = pickDate(index == 3 ? 1 : 2);
    SharedState::get().Hand.NenGappiMode = 0;
    if (!picked)
        return;
    date = *picked;
    const NewInputHeader& h = Model.Header;
    KiokuList.record(h.NoukaCode, h.Mimiban, h.Data1.BunbenDate, h.Data1.JyuseiDate);
    QString error;
    if (!KiokuList.write(&error))
        tell(error);
}

void NewInputForm::textCommand(int index)
{
    HandOver& h = SharedState::get().Hand;
    const bool rinkoku = index == 6;
    QString& value = rinkoku ? Model.Header.Data2.Rinkoku : Model.Header.Data2.Genin;
    QString& text = rinkoku ? h.RinkokuText : h.GeninText;
    text = value;
    ShowSubForm(rinkoku ? SubForm::RinkokuForm : SubForm::GeninForm);
    value = text;
    KarteSaveProc();
}

void NewInputForm::tensu()
{
    TensuKeisanProc();
    if (Model.Set.ken == Ken::Miyazaki)
        return;
    const TotalGrid& t = Model.Totals;
    SharedState::get().Hand.TensuIn
        = {t.text(1, 1), t.text(2, 1), t.text(1, 3), t.text(2, 3), t.text(1, 4), t.text(2, 4), t.text(1, 6)};
    ShowSubForm(SubForm::TensuForm);
}

void NewInputForm::byoName2Date(int index, Qt::MouseButton button)
{
    if (Model.Header.byoName(1).isEmpty()) {
        tell(QStringLiteral("病名２が入力されていません。"));
        return;
    }
    const int target = 22 + index - 18;
    if (button != Qt::LeftButton)
        Model.Header.setMainGd(target, QString());
    else if (const std::optional<QString> date = pickDate(0))
        Model.Header.setMainGd(target, *date);
}

void NewInputForm::kaiInput(Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        Model.Header.Data1.TiryoKaisu2.clear();
        return;
    }
    HandOver& h = SharedState::get().Hand;
    h.KaiInputOut.clear();
    ShowSubForm(SubForm::KaiInputForm);
    if (!h.KaiInputOut.isEmpty())
        Model.Header.Data1.TiryoKaisu2 = h.KaiInputOut;
}

void NewInputForm::ByoNameGrid_Click(int row)
{
    InfoPict->hide();
    ByoNameGrid->setHighLight(FlexGrid::HighLightAlways);
    ByoNameGrid->select(row, 0, row, 2);
    HandOver& h = SharedState::get().Hand;
    h.ByoName.clear();
    h.ByoCode.clear();
    ShowSubForm(SubForm::ByoNameForm);
    if (h.ByoName == QStringLiteral("del"))
        Model.Header.setByoName(row, QString(), QString());
    else if (!h.ByoName.isEmpty())
        Model.Header.setByoName(row, h.ByoName, h.ByoCode);
    ByoNameGrid->clearSelection();
    ByoNameGrid->setHighLight(FlexGrid::HighLightNever);
    KarteSaveProc();
}

void NewInputForm::ByoNameGrid_MouseMove(const QPoint& pos)
{
    const int row = ByoNameGrid->rowAt(pos.y());
    const QString name = ByoNameGrid->columnAt(pos.x()) == 1 && row >= 0 ? ByoNameGrid->textMatrix(row, 1) : QString();
    ByoNameGrid->setToolTip(name);
}

void NewInputForm::Label2_Click(int index)
{
    if (index != 16 && index != 17)
        return;
    HandOver& h = SharedState::get().Hand;
    h.TikushuMode = index == 16 ? 0 : 1;
    h.TikushuOut.clear();
    ShowSubForm(SubForm::TottoriTikushuForm);
    if (!h.TikushuOut.isEmpty())
        (index == 16 ? Model.Header.Tikusyu : Model.Header.Seibetu) = h.TikushuOut;
    hyoji();
}

// ---- Close, print and templates ----

void NewInputForm::closeCommand()
{
    const NewInputRules::CloseStep step = NewInputRules::closeCheck(Model);
    switch (step.kind) {
    case NewInputRules::CloseStep::Refuse:
        tell(step.text, step.title);
        return;
    case NewInputRules::CloseStep::AskNoSave:
        if (ask(step.text, step.title))
            endWindow(QDialog::Rejected);
        return;
    case NewInputRules::CloseStep::CloseOnly:
        endWindow(QDialog::Rejected);
        return;
    case NewInputRules::CloseStep::AskTiryobo:
        if (MsgBox::show(step.text, step.title, MsgBox::YesNo, MsgBox::Question) == MsgBox::No) {
            QString error;
            if (!Model.restoreAsRead(&error))
                tell(error);
            endWindow(QDialog::Rejected);
            return;
        }
        break;
    case NewInputRules::CloseStep::Save:
        break;
    }
    QString error;
    if (!Model.KarteSaveProc(&error)) {
        tell(error.isEmpty() ? QStringLiteral("カルテを保存できません。") : error);
        hyoji();
        return;
    }
    QApplication::processEvents();
    endWindow(QDialog::Accepted);
}

void NewInputForm::printCommand()
{
    if (!Model.saveAllowed())
        return;
    Model.TensuKeisanProc();
    QString error;
    if (!Model.KarteSaveProc(&error)) {
        tell(error);
        return;
    }
    hyoji();
    SharedState& s = SharedState::get();
    const NewInputHeader& h = Model.Header;
    s.PrintJobList = {NewInputRules::printJobEntry(Model.KarteFileName, h.byoName(0), h.Name.SyosinDate)};
    s.TwipPerMm = 56.7f;
    s.CurrentNouka.NoukaTiku = KarteText::trim(h.NoukaTiku);
    s.CurrentNouka.NoukaName = KarteText::trim(h.NoukaName);
    if (Model.Set.ken == Ken::Ibaraki)
        s.Hand.IbaragiDocNameOut.clear();
    PrintDialogOpener::open(this);
    if (Model.Set.ken == Ken::Ibaraki && !s.Hand.IbaragiDocNameOut.isEmpty()) {
        Model.Header.Name.IbaragiDocName = s.Hand.IbaragiDocNameOut;
        DocNameGd->setText(s.Hand.IbaragiDocNameOut);
    }
}

void NewInputForm::newHinagata()
{
    if (!ask(QStringLiteral("新規に作成します。"), QStringLiteral("雛形作成")))
        return;
    Model.clearHinagata();
}

void NewInputForm::hinagataToroku()
{
    HandOver& h = SharedState::get().Hand;
    const QString name = NewInputRules::hinagataName(Model.Header.byoName(0), Model.Header.byoName(2));
    if (name.isEmpty()) {
        tell(QStringLiteral("病名が無いカルテは登録できません。"));
        return;
    }
    KarteSaveProc();
    QApplication::processEvents();
    h.HinagataNameIn = name;
    h.HinagataCodeIn = KarteText::trim(Model.Header.byoCode(0));
    h.HinagataKarteLines = Model.blockLines();
    h.HinagataMode = 0;
    ShowSubForm(SubForm::HinagataForm);
}

void NewInputForm::hinagataYomikomi(bool overAny)
{
    if (!overAny && !Model.Header.byoName(0).isEmpty()) {
        tell(QStringLiteral("病名が入力されているカルテには読込めません。"));
        return;
    }
    HandOver& h = SharedState::get().Hand;
    h.HinagataMode = 1;
    h.HinagataNameIn.clear();
    h.HinagataKarteLines.clear();
    ShowSubForm(SubForm::HinagataForm);
    if (h.HinagataMode == -1 || h.HinagataKarteLines.isEmpty())
        return;
    Model.loadHinagata(h.HinagataKarteLines);
}

void NewInputForm::hinagataYakkaKousin()
{
    if (Model.Set.ken == Ken::Miyazaki) {
        tell(QStringLiteral("宮崎県版はこの機能は無効です。"));
        return;
    }
    SharedState::get().Hand.HinagataMode = 2;
    ShowSubForm(SubForm::HinagataForm);
}

void NewInputForm::yakkaKousin()
{
    if (!Model.saveAllowed())
        return;
    Model.KarteGridSetProc();
    const KarteYakkaKousinProc::Result result = KarteYakkaKousinProc::run(
        Model.OpenGrid,
        [this] {
            Model.KarteHyojiProc(false);
            Model.TensuKeisanProc();
        },
        [this] { KarteSaveProc(); });
    if (result == KarteYakkaKousinProc::Updated)
        InfoPict->hide();
}

void NewInputForm::duplicate()
{
    if (!Model.saveAllowed())
        return;
    Model.TensuKeisanProc();
    QString error;
    if (!Model.KarteSaveProc(&error)) {
        tell(error);
        return;
    }
    hyoji();
    QApplication::processEvents();
    SharedState& s = SharedState::get();
    s.Hand.CopyKarteLines = Model.blockLines();
    s.Hand.CopyFileOut.clear();
    ShowSubForm(SubForm::CopyForm);
    if (s.Hand.CopyFileOut.isEmpty())
        return;
    const NewInputModel::Yomikomi read = Model.openCopy(s.Hand.CopyFileOut);
    CurrentPage = 0;
    PageIdoProc(0);
    if (!read.Ok) {
        tell(read.Message);
        return;
    }
    hyoji();
    tell(QStringLiteral("複製しました。（現在のカルテとして表示しています。）"));
}

// ---- Examination panels ----

void NewInputForm::SinsatuDayGd_MouseDown(int j, Qt::MouseButton button)
{
    SinsatuBlock& p = Model.Panels.at(j);
    if (button == Qt::LeftButton) {
        if (refuse(SinsatuEdit::dayOrder(Model, j)))
            return;
        const std::optional<QString> date = pickDate(0);
        const HandOver& h = SharedState::get().Hand;
        if (Model.Set.ManryoShown
            && !NewInputRules::ManryoHikakuProc(Model.Header.ManryoGd, h.NenGappiOut, h.NenGappiYearOut,
                                                h.NenGappiManthOut, h.NenGappiDayOut)) {
            tell(QStringLiteral("掛金期間満了日を過ぎた日付が入力されました。"));
            return;
        }
        if (date)
            p.SinsatuDate = *date;
    } else {
        if (refuse(SinsatuEdit::dayClearRefusal(Model, j)))
            return;
        const QString question = j == 0 ? SinsatuEdit::episodeDeleteQuestion(Model) : QString();
        if (!question.isEmpty() && !ask(question))
            return;
        p.SinsatuDate.clear();
    }
    Model.KarteGridSetProc();
    hyoji();
}

void NewInputForm::SinsatuTimeGd_MouseDown(int j, Qt::MouseButton button)
{
    SinsatuBlock& p = Model.Panels.at(j);
    if (button != Qt::LeftButton) {
        p.StartTime.clear();
        p.EndTime.clear();
    } else {
        if (refuse(SinsatuEdit::dateGuard(Model, j)))
            return;
        HandOver& h = SharedState::get().Hand;
        h.StartTimeOut.clear();
        h.EndTimeOut.clear();
        ShowSubForm(SubForm::NewDateForm);
        if (!h.StartTimeOut.isEmpty())
            p.StartTime = h.StartTimeOut;
        if (!h.EndTimeOut.isEmpty())
            p.EndTime = h.EndTimeOut;
    }
    InputWaku.at(j)->hyoji(p);
}

void NewInputForm::KyuTitleGd_MouseDown(int j, Qt::MouseButton button)
{
    SinsatuBlock& p = Model.Panels.at(j);
    if (button != Qt::LeftButton) {
        p.KyuTime.clear();
    } else {
        HandOver& h = SharedState::get().Hand;
        h.KyusinJikanOut.clear();
        ShowSubForm(SubForm::DateForm);
        if (!h.KyusinJikanOut.isEmpty())
            p.KyuTime = h.KyusinJikanOut;
    }
    InputWaku.at(j)->hyoji(p);
}

void NewInputForm::TantouGd_MouseUp(int j, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    SinsatuBlock& p = Model.Panels.at(j);
    if (onlyCtrl(modifiers)) {
        SinsatuEdit::copyTantou(Model, j);
    } else if (noModifier(modifiers) && button == Qt::RightButton) {
        p.Tantou = QStringLiteral("担当");
    } else if (noModifier(modifiers) && button == Qt::LeftButton) {
        HandOver& h = SharedState::get().Hand;
        h.TantouOut.clear();
        ShowSubForm(SubForm::TantouForm);
        if (!h.TantouOut.isEmpty())
            p.Tantou = h.TantouOut;
    }
    InputWaku.at(j)->hyoji(p);
}

void NewInputForm::TPRGd_MouseDown(int j, Qt::MouseButton button)
{
    SinsatuBlock& p = Model.Panels.at(j);
    if (button != Qt::LeftButton) {
        p.Tpr.clear();
    } else {
        if (refuse(SinsatuEdit::dateGuard(Model, j)))
            return;
        HandOver& h = SharedState::get().Hand;
        h.TprText = p.Tpr;
        ShowSubForm(SubForm::TprForm);
        p.Tpr = h.TprText;
    }
    InputWaku.at(j)->hyoji(p);
}

void NewInputForm::TeireiGd_MouseDown(int j, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    SinsatuBlock& p = Model.Panels.at(j);
    if (button != Qt::LeftButton) {
        if (ask(QStringLiteral("現症・経過を削除します。よろしいですか？")))
            p.Gensyo.clear();
        InputWaku.at(j)->hyoji(p);
        return;
    }
    if (noModifier(modifiers) && refuse(SinsatuEdit::dateGuard(Model, j)))
        return;
    if (Model.Header.byoName(0).isEmpty()) {
        tell(QStringLiteral("病名を入力してください。"));
        return;
    }
    HandOver& h = SharedState::get().Hand;
    h.TeireiBunruiIn = SinsatuEdit::teireiBunrui(Model);
    h.TeireiText = p.Gensyo;
    ShowSubForm(SubForm::TextInputForm);
    p.Gensyo = h.TeireiText;
    KarteSaveProc();
}

void NewInputForm::SikyuGd_Click(int j)
{
    if (refuse(SinsatuEdit::dateGuard(Model, j)))
        return;
    HandOver& h = SharedState::get().Hand;
    h.SyokenText = SinsatuEdit::syokenText(Model, j);
    ShowSubForm(SubForm::SyokenForm);
    SinsatuEdit::setSyoken(Model, j, h.SyokenText);
    InputWaku.at(j)->hyoji(Model.Panels.at(j));
}

void NewInputForm::SyokenList_Click(int j)
{
    QListWidget* list = InputWaku.at(j)->SyokenList;
    if (list->height() < TwipGeometry::px(800) && list->count() > 0)
        list->resize(list->width(), TwipGeometry::px(1500));
    list->raise();
    list->setCurrentRow(-1);
    list->clearSelection();
}

void NewInputForm::SounyuGd_Click(int j)
{
    if (refuse(SinsatuEdit::dateGuard(Model, j)))
        return;
    HandOver& h = SharedState::get().Hand;
    SinsatuBlock& p = Model.Panels.at(j);
    std::optional<QString> entry;
    switch (Model.Set.Pict) {
    case PictEntry::Scheme::Numbered:
        h.PictNoOut = 0;
        ShowSubForm(SubForm::PictForm);
        entry = PictEntry::fromPictNo(h.PictNoOut);
        break;
    case PictEntry::Scheme::Pair:
        h.PictMiyazakiOut.clear();
        ShowSubForm(SubForm::PictMiyazakiForm);
        entry = PictEntry::fromMiyazaki(h.PictMiyazakiOut);
        break;
    case PictEntry::Scheme::Annotated:
        h.Pict2Code = PictEntry::pict2Code(p.PictNb);
        ShowSubForm(SubForm::Pict2Form);
        entry = h.Pict2Code;
        break;
    }
    if (entry)
        p.PictNb = *entry;
    InputWaku.at(j)->hyoji(p);
}

void NewInputForm::Label1_MouseDown(int j, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button == Qt::RightButton)
        clearSinsatu(j);
    else if (onlyCtrl(modifiers) && Model.Set.ken == Ken::Ibaraki)
        tuikaSakujo(j);
}

void NewInputForm::clearSinsatu(int j)
{
    if (refuse(SinsatuEdit::clearRefusal(Model, j)))
        return;
    const QString warning = j == 0 ? SinsatuEdit::episodeDeleteQuestion(Model) : QString();
    if (!warning.isEmpty() && !ask(warning))
        return;
    if (!ask(SinsatuEdit::clearQuestion(j)))
        return;
    SinsatuEdit::clear(Model, j);
    Model.TensuKeisanProc();
    KarteSaveProc();
}

void NewInputForm::tuikaSakujo(int j)
{
    HandOver& h = SharedState::get().Hand;
    h.TuikaDayIn = j;
    h.TuikaOut = 0;
    ShowSubForm(SubForm::TuikaForm);
    if (h.TuikaOut == 1) {
        if (!ask(SinsatuEdit::insertQuestion(j)))
            return;
        SinsatuEdit::insert(Model, j);
    } else if (h.TuikaOut == 2) {
        const QString warning = j == 0 && !Model.dated(1) ? SinsatuEdit::episodeDeleteQuestion(Model) : QString();
        if (!warning.isEmpty() && !ask(warning))
            return;
        if (!ask(SinsatuEdit::deleteQuestion(j)))
            return;
        SinsatuEdit::remove(Model, j);
    } else {
        return;
    }
    TensuKeisanProc();
    tell(QStringLiteral("終了"));
}

void NewInputForm::CopyGd_Click(int k)
{
    if (k < 1)
        return;
    if (refuse(SinsatuEdit::dateGuard(Model, k)))
        return;
    if (!ask(SinsatuEdit::copyQuestion(k), QStringLiteral("治療内容コピー")))
        return;
    SinsatuEdit::copyTiryo(Model, k);
    TensuKeisanProc();
}

// ---- Treatment lines ----

int NewInputForm::currentRow() const
{
    const int r = InputWaku.at(CurrentSinsatuIndex)->TiryoGrid->row();
    return r >= 1 && r <= SinsatuBlock::TiryoCount ? r : 1;
}

void NewInputForm::TiryoGrid_Click(int j, int row, int col)
{
    CurrentSinsatuIndex = j;
    for (SinsatuWaku* waku : InputWaku) {
        waku->TiryoGrid->clearSelection();
        waku->TiryoGrid->setHighLight(FlexGrid::HighLightNever);
    }
    if (refuse(SinsatuEdit::dateGuard(Model, j)))
        return;
    FlexGrid* grid = InputWaku.at(j)->TiryoGrid;
    grid->setHighLight(FlexGrid::HighLightAlways);
    grid->select(row, 0, row, TiryoLine::ColumnCount);
    switch (TiryoSyusei::click(Model.Set.ken, col)) {
    case TiryoSyusei::Click::Manual: manualValue(j, row, col); break;
    case TiryoSyusei::Click::Code: codeEntry(j, row); break;
    case TiryoSyusei::Click::Panel: showBunruiPict(j); break;
    }
    if (Model.Set.ken == Ken::Miyazaki)
        TensuKeisanProc();
}

void NewInputForm::showBunruiPict(int j)
{
    const SinsatuWaku* waku = InputWaku.at(j);
    const FlexGrid* grid = waku->TiryoGrid;
    const int left = grid->x() + waku->x() + grid->columnWidth(0) + grid->columnWidth(1);
    BunruiPict->move(left, grid->y() + waku->y() - TwipGeometry::px(550));
    BunruiPict->raise();
    BunruiPict->show();
}

void NewInputForm::manualValue(int j, int row, int col)
{
    FlexGrid* grid = InputWaku.at(j)->TiryoGrid;
    if (grid->textMatrix(row, 0).isEmpty())
        return;
    HandOver& h = SharedState::get().Hand;
    TiryoLine& line = Model.Panels.at(j).Tiryo.at(row - 1);
    h.BpointIn = line.text(col);
    h.BpointOut.clear();
    ShowSubForm(SubForm::BpointForm);
    QApplication::processEvents();
    if (h.BpointOut.isEmpty())
        return;
    QString message;
    const std::optional<QString> value = TiryoSyusei::bpointValue(h.BpointOut, &message);
    if (!value) {
        tell(message);
        return;
    }
    line.setText(col, *value);
    TensuKeisanProc();
}

void NewInputForm::codeEntry(int j, int row)
{
    HandOver& h = SharedState::get().Hand;
    h.TyusyaOut = QStringList(12);
    ShowSubForm(SubForm::MiyazakiCodeForm);
    TiryoLine& line = Model.Panels.at(j).Tiryo.at(row - 1);
    if (const std::optional<TiryoLine> coded = TiryoLine::miyazakiCode(line, h.TyusyaOut))
        line = *coded;
}

void NewInputForm::BunruiGd_Click(int index)
{
    if (index >= 9 && index <= 14) {
        rowCommand(index);
        return;
    }
    if (index != 15)
        categoryEntry(index);
    BunruiPict->hide();
    hyoji();
}

bool NewInputForm::setLine(const TiryoLine& line)
{
    Model.Panels.at(CurrentSinsatuIndex).Tiryo.at(currentRow() - 1) = line;
    return true;
}

TiryoLine NewInputForm::ousinLine()
{
    const SharedState& s = SharedState::get();
    return TiryoLine::ousin(s.Hand.OusinOut, TiryoLine::takukaraText(s.ken, s.Site, s.TakukaraOut));
}

TiryoLine NewInputForm::tyusyaLine()
{
    SharedState& s = SharedState::get();
    bool plainIv = false;
    bool withJyouken = false;
    if (s.ken == Ken::Tottori) {
        const QStringList doctor = ValueReader::readFile(DataPath::file(QStringLiteral("set\\Doctorname.ini")));
        s.DoctorInfo.DoctorName = doctor.value(0);
        s.DoctorInfo.DoctorCode = doctor.value(1);
        const SiteProfile vet = SiteProfile::lookup(s.SiteRows, Ken::Tottori, s.SiteKey, s.DoctorInfo.DoctorName);
        plainIv = vet.has(QStringLiteral("SiteTottoriVetF"));
        withJyouken = vet.has(QStringLiteral("SiteTottoriVetD"));
    }
    return TiryoLine::tyusya(s.Hand.TyusyaOut, s.ken, plainIv, withJyouken);
}

void NewInputForm::categoryEntry(int index)
{
    SharedState& s = SharedState::get();
    HandOver& h = s.Hand;
    const bool miyazaki = s.ken == Ken::Miyazaki;
    const QString caption = BunruiGd->at(index)->text();
    const TiryoLine old = Model.Panels.at(CurrentSinsatuIndex).Tiryo.at(currentRow() - 1);
    std::optional<TiryoLine> line;
    bool saves = true;
    if (index == 0) {
        h.OusinOut = QStringList(5);
        ShowSubForm(miyazaki ? SubForm::OusinMiyazaki : SubForm::OusinForm);
        if (!h.OusinOut.value(0).isEmpty())
            line = miyazaki ? TiryoLine::miyazakiOusin(h.OusinOut) : ousinLine();
    } else if (index == 17 || index == 18) {
        saves = false;
        QString& out = index == 17 ? h.PLTestOut : h.NoPointOut;
        if (index == 17)
            h.PLTestIn.clear();
        out.clear();
        ShowSubForm(index == 17 ? SubForm::PLForm : SubForm::NoPointInpForm);
        if (!out.isEmpty())
            line = index == 17 ? TiryoLine::plTest(old, out) : TiryoLine::tensuGai(old, out);
    } else if (miyazaki) {
        if (index >= 3)
            h.SinryoBunruiIn = caption;
        h.TyusyaMiyazakiMode = index == 1 ? 0 : index == 2 ? 1 : index;
        h.TyusyaOut = QStringList(12);
        ShowSubForm(SubForm::TyusyaMiyazaki);
        if (!h.TyusyaOut.value(0).isEmpty())
            line = index <= 2 ? TiryoLine::miyazakiTyusya(h.TyusyaOut) : TiryoLine::miyazakiSinryo(h.TyusyaOut, caption);
    } else if (index == 1) {
        h.TyusyaOut = QStringList(12);
        ShowSubForm(SubForm::TyusyaForm);
        if (!h.TyusyaOut.value(0).isEmpty())
            line = tyusyaLine();
    } else if (index == 2) {
        h.YakujiOut = QStringList(14);
        ShowSubForm(SubForm::YakujiForm);
        if (!h.YakujiOut.value(0).isEmpty())
            line = TiryoLine::yakuji(h.YakujiOut);
    } else {
        h.SinryoBunruiIn = caption;
        h.SinryoOut = QStringList(11);
        ShowSubForm(SubForm::SinryoForm);
        if (!h.SinryoOut.value(0).isEmpty())
            line = TiryoLine::sinryo(h.SinryoOut, caption, s.ken);
    }
    if (!line)
        return;
    setLine(*line);
    if (saves) {
        KarteSaveProc();
        Model.TensuKeisanProc();
    }
}

void NewInputForm::rowCommand(int index)
{
    TiryoRowEdit::Rows& rows = Model.Panels.at(CurrentSinsatuIndex).Tiryo;
    FlexGrid* grid = InputWaku.at(CurrentSinsatuIndex)->TiryoGrid;
    const int r = currentRow();
    const auto highlightOff = [grid] {
        grid->clearSelection();
        grid->setHighLight(FlexGrid::HighLightNever);
    };
    switch (index) {
    case 9:
        if (!ask(QStringLiteral("選択行を削除します。")))
            return;
        TiryoRowEdit::deleteRow(rows, r);
        highlightOff();
        KarteSaveProc();
        Model.TensuKeisanProc();
        break;
    case 10:
        if (!ask(QStringLiteral("選択位置に空白行を挿入します")))
            return;
        if (!TiryoRowEdit::insertRow(rows, r)) {
            tell(QStringLiteral("最下段が入力されていますので、挿入できません。"));
            return;
        }
        highlightOff();
        break;
    case 11:
        if (!ask(QStringLiteral("空白行がある場合、上に詰めます。")))
            return;
        TiryoRowEdit::closeUp(rows);
        highlightOff();
        break;
    case 12:
        if (!ask(QStringLiteral("この日の診療内容を全て削除します。よろしいですか？")))
            return;
        TiryoRowEdit::clear(rows);
        Model.TensuKeisanProc();
        KarteSaveProc();
        break;
    case 13:
        ClipboardText::set(TiryoRowEdit::clipText(rows, r));
        break;
    case 14:
        TiryoRowEdit::paste(rows, r, ClipboardText::get());
        break;
    default:
        return;
    }
    BunruiPict->hide();
    hyoji();
}
