#include "YobidasiForm.h"

#include "NoukaSelect.h"

#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

namespace {
constexpr int listTop = 750;
constexpr int listHeight = 2400;
constexpr int kanaWidth = 310;
constexpr int kanaHeight = 270;

QString tikuFilePath()
{
    return DataPath::file(QStringLiteral("set\\TikuName.ini"));
}

QString noukaFilePath()
{
    return DataPath::file(QStringLiteral("set\\NameCode.ini"));
}
} // namespace

YobidasiForm::YobidasiForm(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFont(FontSetup::screenFont());
    buildControls();
    Form_Load();
}

void YobidasiForm::buildControls()
{
    TwipGeometry::resize(this, 5500, 4800);
    Label2 = new QLabel(QStringLiteral("【農家選択】"), this);
    Label2->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 12, true));
    TwipGeometry::place(Label2, 120, 120, 3000, 360);
    Label1[0] = new QLabel(QStringLiteral("<地区名>"), this);
    TwipGeometry::place(Label1[0], 120, 500, 2000, 240);
    Label1[1] = new QLabel(QStringLiteral("<農家氏名>"), this);
    TwipGeometry::place(Label1[1], 2300, 500, 3000, 240);
    TikuList = new QListWidget(this);
    TwipGeometry::place(TikuList, 120, listTop, 2000, listHeight);
    NameList = new QListWidget(this);
    TwipGeometry::place(NameList, 2300, listTop, 3000, listHeight);
    CodeGd = new QLabel(QStringLiteral("Code"), this);
    TwipGeometry::place(CodeGd, 3500, 3400, 1800, 300);
    auto* buttons = new LabelButtonArray(this);
    CmdGd = buttons->add(QStringLiteral("OK"), 0, this);
    buttons->resetOn(this);
    CmdGd->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 12, true));
    TwipGeometry::place(CmdGd, 4500, 4200, 800, 360);
    YobiGrid = new FlexGrid(this);

    connect(TikuList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { TikuList_Click(TikuList->row(item)); });
    connect(NameList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { NameList_Click(NameList->row(item)); });
    connect(YobiGrid, &FlexGrid::gridClick, this, &YobidasiForm::YobiGrid_Click);
    connect(CmdGd, &LabelButton::clicked, this, [this] { CmdGd_Click(); });
}

void YobidasiForm::Form_Load()
{
    const ColorSetInfo& colors = SharedState::get().ColorSet;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + TwipGeometry::px(1500));
    }
    WidgetColor::setBackColor(this, colors.DialogBackColor);
    WidgetColor::setBackColor(TikuList, colors.BaseBackColor);
    WidgetColor::setBackColor(NameList, colors.BaseBackColor);
    CmdGd->setHoverColor(colors.HoverColor);

    const bool registersRead = readRegisters();
    SharedState::get().CurrentNouka = NoukaInfo();
    layoutYobiGrid();
    if (registersRead && TikuList->count() == 0)
        MsgBox::show(QStringLiteral("地区が登録されていません。"), QStringLiteral("確認"));
}

bool YobidasiForm::readRegisters()
{
    TikuList->clear();
    KariList.clear();
    const TextFile tiku = TextFile::read(tikuFilePath());
    const TextFile nouka = TextFile::read(noukaFilePath());
    QStringList problems;
    if (tiku.ok())
        TikuList->addItems(tiku.texts());
    else
        problems.append(tiku.errorText);
    if (nouka.ok())
        KariList = nouka.texts();
    else
        problems.append(nouka.errorText);
    if (!problems.isEmpty())
        MsgBox::show(QStringLiteral("登録ファイルを読めません。\n") + problems.join(QLatin1Char('\n')),
                     QStringLiteral("確認"), MsgBox::OkOnly, MsgBox::Exclamation);
    return problems.isEmpty();
}

void YobidasiForm::layoutYobiGrid()
{
    YobiGrid->setRows(NoukaSelect::kanaRows);
    YobiGrid->setCols(NoukaSelect::kanaCols);
    YobiGrid->setFixedRows(0);
    YobiGrid->setFixedCols(0);
    YobiGrid->setBackColor(SharedState::get().ColorSet.BaseBackColor);
    YobiGrid->setBackColorBkg(SharedState::get().ColorSet.DialogBackColor);
    YobiGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    YobiGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    YobiGrid->setDefaultRowHeightTwips(kanaHeight);
    for (int c = 0; c < NoukaSelect::kanaCols; ++c) {
        YobiGrid->setColWidthTwips(c, kanaWidth);
        YobiGrid->setColAlignment(c, FlexGrid::AlignCenter);
        for (int r = 0; r < NoukaSelect::kanaRows; ++r)
            YobiGrid->setTextMatrix(r, c, NoukaSelect::kana(r, c));
    }
    TwipGeometry::place(YobiGrid, 120, listTop + listHeight + 20,
                        kanaWidth * NoukaSelect::kanaCols + 20, kanaHeight * NoukaSelect::kanaRows + 20);
}

QString YobidasiForm::startTiku()
{
    NoukaInfo& nouka = SharedState::get().CurrentNouka;
    const QString tiku = TikuList->currentItem() ? TikuList->currentItem()->text().trimmed() : QString();
    NameList->clear();
    nouka.NoukaTiku = tiku;
    nouka.NoukaName.clear();
    nouka.NoukaCode.clear();
    return tiku;
}

void YobidasiForm::fillNames(const QString& tiku, const QString& kana)
{
    NameList->addItems(NoukaSelect::namesOf(KariList, tiku, kana));
}

void YobidasiForm::TikuList_Click(int index)
{
    if (index < 0 || index >= TikuList->count() || TikuList->item(index)->text().isEmpty())
        return;
    TikuList->setCurrentRow(index);
    fillNames(startTiku(), QString());
}

void YobidasiForm::YobiGrid_Click(int row, int col)
{
    const QString kana = YobiGrid->textMatrix(row, col);
    if (!TikuList->currentItem() || kana.isEmpty())
        return;
    fillNames(startTiku(), kana);
}

void YobidasiForm::NameList_Click(int index)
{
    if (index < 0 || index >= NameList->count())
        return;
    const QString name = NameList->item(index)->text().trimmed();
    if (name.isEmpty())
        return;
    NoukaInfo& nouka = SharedState::get().CurrentNouka;
    nouka.NoukaName = name;
    NoukaSelect::find(KariList, nouka.NoukaTiku, name, nouka);
    CodeGd->setText(nouka.NoukaCode);
}

void YobidasiForm::CmdGd_Click()
{
    accept();
}
