#include "SinsatuWaku.h"

#include "common/BitmapPicture.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

const QString screenFont = QStringLiteral("ＭＳ Ｐゴシック");

// A label of the panel's top rows: caption, place and size in twips.
struct Place
{
    int left;
    int top;
    int width;
};

// The entry labels and their values, left to right along the panel's top row.
constexpr Place label1Place{60, 45, 900};
constexpr Place dayGdPlace{1000, 60, 900};
constexpr Place dayPlace{1900, 30, 900};
constexpr Place timeGdPlace{2850, 60, 900};
constexpr Place kaisiPlace{3800, 60, 450};
constexpr Place startPlace{4275, 30, 650};
constexpr Place syuryoPlace{4950, 60, 400};
constexpr Place endPlace{5350, 30, 650};
constexpr Place tprGdPlace{6050, 60, 850};
constexpr Place tprPlace{6900, 30, 2050};
constexpr Place kyuTitlePlace{8960, 105, 650};
constexpr Place kyuTimePlace{9620, 75, 800};
constexpr Place sikyuGdPlace{11000, 60, 1000};
constexpr Place sounyuGdPlace{12050, 60, 800};
// The left column under the title.
constexpr Place teireiPlace{60, 330, 1350};
constexpr Place tantouPlace{975, 600, 450};
constexpr Place copyGdPlace{60, 830, 900};
constexpr int labelHeight = 270;

// The treatment grid's columns: heading, width in twips, alignment; common and 宮崎県.
struct TiryoColumn
{
    const char16_t* heading;
    int width;
    FlexGrid::Alignment align;
};
constexpr TiryoColumn commonColumns[] = {
    {u"", 280, FlexGrid::AlignCenter},          {u"分類", 1400, FlexGrid::AlignCenter},
    {u"内容・登録薬品名", 5750, FlexGrid::AlignLeft}, {u"規格・適用", 3800, FlexGrid::AlignLeft},
    {u"数量", 550, FlexGrid::AlignCenter},      {u"薬価", 780, FlexGrid::AlignCenter},
    {u"B点", 620, FlexGrid::AlignCenter},       {u"A点", 500, FlexGrid::AlignCenter},
    {u"", 1, FlexGrid::AlignCenter},
};
constexpr TiryoColumn miyazakiColumns[] = {
    {u"", 280, FlexGrid::AlignCenter},          {u"分類", 1400, FlexGrid::AlignCenter},
    {u"内容・登録薬品名", 5300, FlexGrid::AlignLeft}, {u"規格・適用", 3000, FlexGrid::AlignLeft},
    {u"数量", 550, FlexGrid::AlignCenter},      {u"診療ｺｰﾄﾞ", 900, FlexGrid::AlignCenter},
    {u"薬品ｺｰﾄﾞ", 900, FlexGrid::AlignCenter},   {u"薬価", 800, FlexGrid::AlignCenter},
    {u"B点", 750, FlexGrid::AlignCenter},
};

void placeAt(QWidget* w, const Place& p)
{
    TwipGeometry::place(w, p.left, p.top, p.width, labelHeight);
}

QLabel* valueLabel(QWidget* parent, const Place& p)
{
    auto* label = new QLabel(QStringLiteral("-"), parent);
    label->setFont(FontSetup::font(screenFont, 11.25));
    WidgetColor::setForeColor(label, QColor(0, 0, 192));
    placeAt(label, p);
    return label;
}

} // namespace

QList<LabelButtonArray*> SinsatuArrays::all() const
{
    return {Label1, SinsatuDayGd, SinsatuTimeGd, TPRGd, KyuTitleGd, TeireiGd, TantouGd, CopyGd, SikyuGd, SounyuGd};
}

SinsatuWaku::SinsatuWaku(int j, const SinsatuArrays& arrays, const NewInputModel::Settei& set, QWidget* parent)
    : QFrame(parent), index(j), scheme(set.Pict)
{
    setObjectName(QStringLiteral("InputWaku%1").arg(j));
    setFont(FontSetup::font(screenFont, 9.75));
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.BaseBackColor);
    TwipGeometry::place(this, 15, j * 3180 + 435, 14760, 3180);
    auto* kugiri = new QFrame(this);
    kugiri->setFrameShape(QFrame::HLine);
    TwipGeometry::place(kugiri, 45, 0, 14985, 15);
    buildLabels(arrays);
    buildBoxes();
    buildPictures();
    buildGrid(set.ken);
    applySettei(set);
}

void SinsatuWaku::buildLabels(const SinsatuArrays& arrays)
{
    const int j = index;
    Label1 = arrays.Label1->add(QStringLiteral("[診察-%1]").arg(j + 1), j, this);
    Label1->setFont(FontSetup::font(screenFont, 11.25, true));
    Label1->setNormalColor(QColor(192, 0, 0));
    placeAt(Label1, label1Place);
    const auto heading = [this, j](LabelButtonArray* array, const QString& caption, const Place& p) {
        LabelButton* b = array->add(caption, j, this);
        placeAt(b, p);
        return b;
    };
    SinsatuDayGd = heading(arrays.SinsatuDayGd, QStringLiteral("【日　付】"), dayGdPlace);
    SinsatuTimeGd = heading(arrays.SinsatuTimeGd, QStringLiteral("【時　間】"), timeGdPlace);
    TPRGd = heading(arrays.TPRGd, QStringLiteral("【T.P.R】"), tprGdPlace);
    for (LabelButton* b : {SinsatuDayGd, SinsatuTimeGd, TPRGd})
        b->setToolTip(QStringLiteral("右クリックで削除"));
    KyuTitleGd = heading(arrays.KyuTitleGd, QStringLiteral("【求診】"), kyuTitlePlace);
    TeireiGd = heading(arrays.TeireiGd, QStringLiteral("【現症・経過】"), teireiPlace);
    CopyGd = heading(arrays.CopyGd, QStringLiteral("【コピー】"), copyGdPlace);
    SikyuGd = heading(arrays.SikyuGd, QStringLiteral("【子宮所見】"), sikyuGdPlace);
    SounyuGd = heading(arrays.SounyuGd, QStringLiteral("【画像】"), sounyuGdPlace);
    TantouGd = heading(arrays.TantouGd, QStringLiteral("担当"), tantouPlace);
    TantouGd->setFont(FontSetup::font(screenFont, 9.75, true));
    TantouGd->setNormalColor(QColor(0, 192, 0));
    Hyoji_DayGd = valueLabel(this, dayPlace);
    StartTimeGd = valueLabel(this, startPlace);
    EndTimeGd = valueLabel(this, endPlace);
    Hyoji_TPRGd = valueLabel(this, tprPlace);
    KyuTimeGd = valueLabel(this, kyuTimePlace);
    KaisiLabel = new QLabel(QStringLiteral("開始"), this);
    placeAt(KaisiLabel, kaisiPlace);
    SyuryoLabel = new QLabel(QStringLiteral("終了"), this);
    placeAt(SyuryoLabel, syuryoPlace);
    PictNbGd = new QLabel(QStringLiteral("0"), this);
    PictNbGd->hide();
}

void SinsatuWaku::buildBoxes()
{
    const QColor back = SharedState::get().ColorSet.BaseBackColor;
    GensyoTx = new QPlainTextEdit(this);
    GensyoTx->setObjectName(QStringLiteral("GensyoTx%1").arg(index));
    GensyoTx->setFont(FontSetup::font(screenFont, 11.25));
    GensyoTx->setFrameShape(QFrame::NoFrame);
    WidgetColor::setBackColor(GensyoTx, back);
    TwipGeometry::place(GensyoTx, 1500, 330, index == 0 ? 9330 : 9420, 735);
    connect(GensyoTx, &QPlainTextEdit::textChanged, this, [this] {
        limitGensyo();
        emit gensyoEdited(index, GensyoTx->toPlainText());
    });
    SyokenList = new QListWidget(this);
    SyokenList->setObjectName(QStringLiteral("SyokenList%1").arg(index));
    WidgetColor::setBackColor(SyokenList, back);
    TwipGeometry::place(SyokenList, 11000, 330, 1905, 750);
}

void SinsatuWaku::limitGensyo()
{
    const QString text = GensyoTx->toPlainText();
    if (index == 0 || text.size() <= GensyoMax)
        return;
    const QSignalBlocker block(GensyoTx);
    GensyoTx->setPlainText(text.left(GensyoMax));
    GensyoTx->moveCursor(QTextCursor::End);
}

void SinsatuWaku::buildPictures()
{
    SounyuPict = new QFrame(this);
    WidgetColor::setBackColor(SounyuPict, SharedState::get().ColorSet.BaseBackColor);
    TwipGeometry::place(SounyuPict, 13100, 110, 1440, 945);
    const int height = scheme == PictEntry::Scheme::Numbered ? 910 : 690;
    CheckImg = new QLabel(SounyuPict);
    CheckImg2 = new QLabel(SounyuPict);
    for (QLabel* img : {CheckImg, CheckImg2})
        img->setScaledContents(true);
    TwipGeometry::place(CheckImg, 0, 0, 705, height);
    TwipGeometry::place(CheckImg2, 705, 0, 705, height);
    const auto caption = [this](int left, int top) {
        auto* label = new QLabel(SounyuPict);
        label->setFont(FontSetup::font(screenFont, 8.5));
        TwipGeometry::place(label, left, top, 600, 210);
        return label;
    };
    GazouGd = caption(600, 0);
    GazouGd2 = caption(300, 735);
    GazouGd3 = caption(1000, 735);
}

void SinsatuWaku::buildGrid(Ken ken)
{
    TiryoGrid = new FlexGrid(this);
    TiryoGrid->setObjectName(QStringLiteral("TiryoGrid%1").arg(index));
    TiryoGrid->setFont(FontSetup::font(screenFont, 9.75));
    TiryoGrid->setCols(9);
    TiryoGrid->setRows(8);
    TiryoGrid->setFixedRows(1);
    TiryoGrid->setFixedCols(1);
    TiryoGrid->setDefaultRowHeightTwips(260);
    TiryoGrid->setRowHeightTwips(0, 250);
    TiryoGrid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    if (index % 2 == 1)
        TiryoGrid->setBackColor(QColor(238, 238, 238));
    TiryoGrid->setBackColorSel(QColor(255, 255, 192));
    TiryoGrid->setForeColorSel(Qt::black);
    TiryoGrid->setHighLight(FlexGrid::HighLightNever);
    TiryoGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TiryoGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TwipGeometry::place(TiryoGrid, index == 0 ? 960 : 945, 1065, 13700, 2090);
    const TiryoColumn* columns = ken == Ken::Miyazaki ? miyazakiColumns : commonColumns;
    for (int c = 0; c < 9; ++c) {
        TiryoGrid->setColWidthTwips(c, columns[c].width);
        TiryoGrid->setColAlignment(c, columns[c].align);
        TiryoGrid->setTextMatrix(0, c, QString::fromUtf16(columns[c].heading));
    }
    TiryoGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    for (int r = 1; r < 8; ++r)
        TiryoGrid->setTextMatrix(r, 0, QString::number(r));
}

void SinsatuWaku::applySettei(const NewInputModel::Settei& set)
{
    CopyGd->setVisible(index != 0);
    TantouGd->setVisible(set.tantouShown());
    KyuTitleGd->setVisible(set.KyuTimeShown);
    KyuTimeGd->setVisible(set.KyuTimeShown);
    if (set.Hinagata) {
        for (QWidget* w : std::initializer_list<QWidget*>{SinsatuDayGd, Hyoji_DayGd, SinsatuTimeGd, StartTimeGd,
                                                         EndTimeGd, KaisiLabel, SyuryoLabel})
            w->hide();
    }
}

void SinsatuWaku::hyoji(const SinsatuBlock& p)
{
    Hyoji_DayGd->setText(p.SinsatuDate);
    StartTimeGd->setText(p.StartTime);
    EndTimeGd->setText(p.EndTime);
    KyuTimeGd->setText(p.KyuTime);
    TantouGd->setText(p.Tantou);
    Hyoji_TPRGd->setText(p.Tpr);
    if (GensyoTx->toPlainText() != p.Gensyo) {
        const QSignalBlocker block(GensyoTx);
        GensyoTx->setPlainText(p.Gensyo);
    }
    SyokenList->clear();
    for (const QString& item : p.Syoken) {
        if (!item.isEmpty())
            SyokenList->addItem(item);
    }
    PictNbGd->setText(p.PictNb);
    showPictures(p.PictNb);
    for (int r = 1; r <= SinsatuBlock::TiryoCount; ++r) {
        for (int c = 1; c <= TiryoLine::ColumnCount; ++c)
            TiryoGrid->setTextMatrix(r, c, p.Tiryo.at(r - 1).text(c));
    }
}

void SinsatuWaku::showPictures(const QString& entry)
{
    if (pictShown && entry == shownPict)
        return;
    pictShown = true;
    shownPict = entry;
    const PictEntry::Hyoji h = PictEntry::hyoji(scheme, entry);
    CheckImg->setPixmap(h.Left.isEmpty() ? QPixmap() : QPixmap::fromImage(BitmapPicture::load(h.Left)));
    CheckImg2->setPixmap(h.Right.isEmpty() ? QPixmap() : QPixmap::fromImage(BitmapPicture::load(h.Right)));
    QLabel* const captions[] = {GazouGd, GazouGd2, GazouGd3};
    for (int i = 0; i < 3; ++i)
        captions[i]->setText(h.Captions.at(i));
}

void SinsatuWaku::shrinkSyoken()
{
    if (SyokenList->height() > TwipGeometry::px(800))
        TwipGeometry::place(SyokenList, 11000, 330, 1905, 750);
}
