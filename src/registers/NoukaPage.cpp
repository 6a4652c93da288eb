#include "NoukaPage.h"

#include "MasterForm.h"
#include "GridColumns.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
// The kana of the call-up initial, one kana row per column.
const QStringList YobiRows{QStringLiteral("あいうえお"), QStringLiteral("かきくけこ"), QStringLiteral("さしすせそ"),
                           QStringLiteral("たちつてと"), QStringLiteral("なにぬねの"), QStringLiteral("はひふへほ"),
                           QStringLiteral("まみむめも"), QStringLiteral("やゆよ"), QStringLiteral("らりるれろ"),
                           QStringLiteral("わ")};

struct BoxPlace
{
    int label;    // TikuAGd index
    int box;      // inpTx index
    QString caption;
    int x, y, width;
    int labelWidth = 1000;  // the box starts 50 twips after its label
};
} // namespace

NoukaPage::NoukaPage(MasterForm& owner) : QGroupBox(QStringLiteral("組合員登録")), form(owner)
{
    TikuAGd.resize(10);
    TikuAGd[0] = new QLabel(QStringLiteral("[地区名]"), this);
    TwipGeometry::place(TikuAGd[0], 150, 300, 1600, 240);
    TikuList1 = new QListWidget(this);
    TwipGeometry::place(TikuList1, 150, 550, 1650, 8300);
    connect(TikuList1, &QListWidget::itemClicked, this, [this] { TikuList_Click(); });
    buildBoxes();
    buildNameGrid();
    buildYobiGrid();
}

void NoukaPage::buildBoxes()
{
    const QList<BoxPlace> places{
        {1, 6, QStringLiteral("[氏名]"), 1950, 300, 2300},
        {2, 7, QStringLiteral("[農家番号]"), 5350, 300, 1200},
        {4, 9, QStringLiteral("[呼出名]"), 7650, 300, 500},
        {3, 8, QStringLiteral("[住所]"), 1950, 750, 6200},
        {7, 12, QStringLiteral("[組合番号]"), 1950, 1650, 900},
        {5, 10, QStringLiteral("[出張所]"), 4050, 1650, 1500},
        {6, 11, QStringLiteral("[地域番号]"), 6750, 1650, 600},
        {8, 13, QStringLiteral("[地区コード]"), 8550, 1650, 600, 1150},
    };
    for (const BoxPlace& p : places) {
        TikuAGd[p.label] = new QLabel(p.caption, this);
        TwipGeometry::place(TikuAGd[p.label], p.x, p.y, p.labelWidth, 300);
        form.inpTx[p.box]->setParent(this);
        TwipGeometry::place(form.inpTx[p.box], p.x + p.labelWidth + 50, p.y, p.width, 300);
    }
    TikuAGd[9] = new QLabel(QStringLiteral("-"), this);
    TwipGeometry::place(TikuAGd[9], 10450, 1650, 150, 300);
    form.inpTx[14]->setParent(this);
    TwipGeometry::place(form.inpTx[14], 10650, 1650, 600, 300);
    form.inpTx[7]->setMaxLength(8);
    infoGd = new QLabel(QStringLiteral("※住所は、市/町/番地　の順に/で区切ってください。"), this);
    TwipGeometry::place(infoGd, 3000, 1100, 7000, 300);
    infoGd->hide();

    TikuGd = new LabelButtonArray(this);
    TikuGd->add(QStringLiteral("追加登録"), 0, this)->hide();
    TwipGeometry::place(TikuGd->add(QStringLiteral("登録"), 1, this), 11000, 300, 900, 300);
    TwipGeometry::place(TikuGd->add(QStringLiteral("削除"), 2, this), 11000, 750, 900, 300);
    TikuGd->add(QStringLiteral("全件表示"), 3, this)->hide();
    TikuGd->resetOn(this);
    connect(TikuGd, &LabelButtonArray::clicked, this, &NoukaPage::TikuGd_Click);
}

void NoukaPage::buildNameGrid()
{
    NameGrid = new FlexGrid(this);
    NameGrid->setObjectName(QStringLiteral("NameGrid"));
    TwipGeometry::place(NameGrid, 1950, 2500, 10700, 6330);
    NameGrid->setRows(20);
    NameGrid->setFixedRows(1);
    NameGrid->setFixedCols(1);
    GridColumns::apply(NameGrid, {{QString(), 450}, {QStringLiteral("氏名"), 1500, FlexGrid::AlignLeft},
        {QStringLiteral("農家番号"), 950}, {QStringLiteral("住所"), 4000, FlexGrid::AlignLeft},
        {QStringLiteral("呼"), 450}, {QStringLiteral("組合"), 650}, {QStringLiteral("出張所"), 650},
        {QStringLiteral("地域"), 650}, {QStringLiteral("地区コード"), 1050}});
    connect(NameGrid, &FlexGrid::gridClick, this, &NoukaPage::NameGrid_Click);
    TikuGd->resetOn(NameGrid);
}

void NoukaPage::buildYobiGrid()
{
    YobiGrid = new FlexGrid(this);
    YobiGrid->setObjectName(QStringLiteral("YobiGrid"));
    YobiGrid->setRows(5);
    YobiGrid->setCols(10);
    YobiGrid->setFixedRows(0);
    YobiGrid->setFixedCols(0);
    YobiGrid->setBackColor(QColor(233, 246, 245));
    YobiGrid->setDefaultRowHeightTwips(270);
    for (int c = 0; c < 10; ++c) {
        YobiGrid->setColWidthTwips(c, 270);
        YobiGrid->setColAlignment(c, FlexGrid::AlignCenter);
        for (int r = 0; r < 5; ++r)
            YobiGrid->setTextMatrix(r, c, YobiRows.at(c).mid(r, 1));
    }
    const QRect box = form.inpTx[9]->geometry();
    YobiGrid->setGeometry(box.left(), box.bottom() + 1, TwipGeometry::px(10 * 270 + 30), TwipGeometry::px(5 * 270 + 30));
    YobiGrid->hide();
    connect(YobiGrid, &FlexGrid::gridClick, this, &NoukaPage::YobiGrid_Click);
}

void NoukaPage::applyVariant()
{
    const MasterVariant& v = form.variant();
    TikuAGd[7]->setText(v.kumiaiCaption());
    NameGrid->setTextMatrix(0, 5, v.kumiaiHeading());
    infoGd->setVisible(v.AddressHint);
}

NoukaTouroku::Input NoukaPage::input() const
{
    const QList<QLineEdit*>& b = form.inpTx;
    return {b[6]->text(), b[7]->text(), b[8]->text(), b[9]->text(), b[12]->text(), b[10]->text(),
            b[11]->text(), b[13]->text(), b[14]->text()};
}

void NoukaPage::setInput(const NoukaTouroku::Input& in)
{
    const QList<QLineEdit*>& b = form.inpTx;
    b[6]->setText(in.Name);
    b[7]->setText(in.Code);
    b[8]->setText(in.Jyusyo);
    b[9]->setText(in.Yobi);
    b[12]->setText(in.Kumiai);
    b[10]->setText(in.Syuttyo);
    b[11]->setText(in.Tiiki);
    b[13]->setText(in.TikuCode1);
    b[14]->setText(in.TikuCode2);
}

void NoukaPage::TikuGd_Click(int index)
{
    const QString tiku = TikuList1->currentItem() ? TikuList1->currentItem()->text() : QString();
    if (tiku.isEmpty() || (index != 1 && index != 2 && index != 3))
        return;
    if (index == 3) {
        fillNameGrid(false);
        return;
    }
    const auto action = index == 1 ? NoukaTouroku::Action::Touroku : NoukaTouroku::Action::Sakujo;
    const TourokuCheck check = NoukaTouroku::check(form.inpTxTexts(), input(), action);
    if (!check.ok()) {
        MsgBox::show(check.text, check.title);
        return;
    }
    if (form.settei().unreadable.contains(QStringLiteral("NameCode.ini"))) {
        MsgBox::show(form.settei().readErrors.join(QLatin1Char('\n')), QStringLiteral("確認"));
        return;
    }
    if (!input().Name.isEmpty()) {
        NoukaTouroku::apply(form.settei().NameList, action, tiku, input());
        fillNameGrid(false);
    }
    writeNoukaFile();
}

bool NoukaPage::writeNoukaFile()
{
    QString error;
    if (SetteiData::writeLines(SetteiData::path(QStringLiteral("NameCode.ini")), form.settei().NameList, &error))
        return true;
    MsgBox::show(error, QStringLiteral("確認"));
    return false;
}

void NoukaPage::fillNameGrid(bool districtClick)
{
    const QString tiku = TikuList1->currentItem() ? TikuList1->currentItem()->text() : QString();
    const QList<QStringList> rows = NoukaTouroku::gridRows(form.settei().NameList, tiku, districtClick);
    NameGrid->setUpdatesEnabled(false);
    NameGrid->setRows(1 + int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        NameGrid->setTextMatrix(r + 1, 0, QString::number(r + 1));
        for (int c = 0; c < 8; ++c)
            NameGrid->setTextMatrix(r + 1, c + 1, rows.at(r).at(c));
    }
    NameGrid->setUpdatesEnabled(true);
}

void NoukaPage::TikuList_Click()
{
    if (TikuList1->currentItem() && !TikuList1->currentItem()->text().isEmpty())
        fillNameGrid(true);
}

void NoukaPage::NameGrid_Click(int row, int col)
{
    showYobiGrid(false);
    if (row < 1 || NameGrid->textMatrix(row, col).isEmpty())
        return;
    QStringList cells;
    for (int c = 1; c <= 8; ++c)
        cells.append(NameGrid->textMatrix(row, c));
    setInput(NoukaTouroku::fromRow(cells));
}

void NoukaPage::YobiGrid_Click(int row, int col)
{
    const QString kana = YobiGrid->textMatrix(row, col);
    if (!kana.isEmpty())
        form.inpTx[9]->setText(kana);
    showYobiGrid(false);
}

void NoukaPage::showYobiGrid(bool show)
{
    YobiGrid->setVisible(show);
    if (show)
        YobiGrid->raise();
}
