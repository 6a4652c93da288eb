#include "KyuYakuForm.h"

#include "GridColumns.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "common/SharedUtil.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
const QString Kakunin = QStringLiteral("確認");
const QColor Marked(200, 242, 191);
} // namespace

KyuYakuForm::KyuYakuForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KyuYakuForm"));
    setWindowTitle(QStringLiteral("休薬期間登録"));
    setFont(FontSetup::screenFont());
    if (parent)
        setGeometry(parent->geometry());
    else
        TwipGeometry::resize(this, 13000, 9880);
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.BaseBackColor);
    buildGrid();
    buildControls();
    Form_Load();
}

void KyuYakuForm::buildGrid()
{
    ListGrid = new FlexGrid(this);
    ListGrid->setObjectName(QStringLiteral("ListGrid"));
    ListGrid->setRows(1);
    ListGrid->setFixedRows(1);
    ListGrid->setFixedCols(1);
    GridColumns::apply(ListGrid, {{QString(), 400}, {QStringLiteral("区分"), 800, FlexGrid::AlignLeft},
        {QStringLiteral("登録薬品名"), 3500, FlexGrid::AlignLeft}, {QStringLiteral("印刷文字"), 3000, FlexGrid::AlignLeft},
        {QString(), 4500, FlexGrid::AlignLeft}});
    // The fifth column keeps the drug's key for the file; it is never shown.
    ListGrid->setColumnHidden(4, true);
    ListGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TwipGeometry::place(ListGrid, 150, 1000, 400 + 800 + 3500 + 3000 + 300, 8200);
    connect(ListGrid, &FlexGrid::gridClick, this, &KyuYakuForm::ListGrid_Click);
}

void KyuYakuForm::buildControls()
{
    const QList<std::tuple<QString, int, int>> notes{
        {QStringLiteral("休薬期間登録"), 150, 150},
        {QStringLiteral("※ここで登録された「印刷文字」全てが印刷されます。"), 150, 450},
        {QStringLiteral("※薬品名が登録された薬のみが対象です。一覧に表示されない場合は、別途その薬の薬品名登録が必要です。"), 150, 700},
        {QStringLiteral("※候補クリックで入力欄に表示されます。"), 8400, 3300},
        {QStringLiteral("入力例：　　休薬期間　牛3日　牛乳36時間"), 8400, 1900},
        {QStringLiteral("[入力欄]"), 8400, 1000},
        {QStringLiteral("[候補]"), 8400, 3000}};
    for (const auto& [text, left, top] : notes) {
        auto* l = new QLabel(text, this);
        TwipGeometry::place(l, left, top, 12000 - left, 270);
    }
    inpTx = new QLineEdit(this);
    inpTx->setObjectName(QStringLiteral("inpTx"));
    TwipGeometry::place(inpTx, 8400, 1300, 4300, 330);
    KouhoList = new QListWidget(this);
    TwipGeometry::place(KouhoList, 8400, 3600, 4300, 4200);
    connect(KouhoList, &QListWidget::itemClicked, this, &KyuYakuForm::KouhoList_Click);
    CmdGd = new LabelButtonArray(this);
    const QList<std::tuple<int, QString, int, int>> buttons{
        {2, QStringLiteral("選択行に書き込む"), 8400, 2300}, {3, QStringLiteral("選択行の入力を削除"), 10600, 2300},
        {1, QStringLiteral("OK"), 8400, 8400}, {0, QStringLiteral("閉る"), 10600, 8400}};
    for (const auto& [index, caption, left, top] : buttons)
        TwipGeometry::place(CmdGd->add(caption, index, this), left, top, 2100, 300);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &KyuYakuForm::CmdGd_Click);
}

void KyuYakuForm::Form_Load()
{
    QStringList errors;
    const QList<KyuYakuFile::Row> list = KyuYakuFile::load(&errors);
    ListGrid->setRows(1 + int(list.size()));
    for (int r = 0; r < list.size(); ++r) {
        const KyuYakuFile::Row& row = list.at(r);
        const QStringList cells{QString::number(r + 1), row.Kubun, row.Touroku, row.Insatu, row.Key};
        for (int c = 0; c < cells.size(); ++c)
            ListGrid->setTextMatrix(r + 1, c, cells.at(c));
    }
    KyuYakuKouhoSetProc();
    readErrors = errors;
    if (!errors.isEmpty())
        MsgBox::show(errors.join(QLatin1Char('\n')) + QStringLiteral("\n印刷文字は保存できません。"), Kakunin);
}

QList<KyuYakuFile::Row> KyuYakuForm::rows() const
{
    QList<KyuYakuFile::Row> out;
    for (int r = 1; r < ListGrid->rows(); ++r)
        out.append({ListGrid->textMatrix(r, 1), ListGrid->textMatrix(r, 2), ListGrid->textMatrix(r, 3),
                    ListGrid->textMatrix(r, 4)});
    return out;
}

void KyuYakuForm::KyuYakuKouhoSetProc()
{
    KouhoList->clear();
    KouhoList->addItems(KyuYakuFile::kouho(rows()));
}

void KyuYakuForm::KouhoList_Click()
{
    if (KouhoList->currentItem() && !KouhoList->currentItem()->text().isEmpty())
        inpTx->setText(KouhoList->currentItem()->text());
}

void KyuYakuForm::ListGrid_Click(int row, int)
{
    if (row < 1)
        return;
    ListGrid->setUpdatesEnabled(false);
    for (int r = 1; r < ListGrid->rows(); ++r)
        for (int c = 1; c <= 4; ++c)
            ListGrid->setCellBackColor(r, c, r == row ? Marked : QColor(Qt::white));
    ListGrid->setCurrent(row, 1);
    ListGrid->setUpdatesEnabled(true);
}

void KyuYakuForm::CmdGd_Click(int index)
{
    const int row = ListGrid->row();
    if (index == 0) {
        reject();
    } else if (index == 1) {
        // A list read with an error lacks rows: saving it would drop their print texts.
        if (!readErrors.isEmpty()) {
            MsgBox::show(readErrors.join(QLatin1Char('\n')) + QStringLiteral("\n読み取れないファイルがあるため保存しません。"),
                         Kakunin);
            return;
        }
        if (!MsgBox::ask(QStringLiteral("保存して終了します。"), Kakunin))
            return;
        QString error;
        if (!KyuYakuFile::save(rows(), &error)) {
            MsgBox::show(error, Kakunin);
            return;
        }
        accept();
    } else if (index == 2) {
        if (inpTx->text().isEmpty()) {
            MsgBox::show(QStringLiteral("文字を入力してください。"), Kakunin);
            inpTx->setFocus();
        } else if (inpTx->text().contains(QLatin1Char('\''))) {
            MsgBox::show(QStringLiteral("　' コーテーションは使用できません。"), Kakunin);
        } else if (row > 0) {
            ListGrid->setTextMatrix(row, 3, SharedUtil::KaigyoDelProc(inpTx->text()));
            KyuYakuKouhoSetProc();
        } else {
            MsgBox::show(QStringLiteral("行を選択してください。"), Kakunin);
        }
    } else if (index == 3 && row > 0) {
        ListGrid->setTextMatrix(row, 3, QString());
    }
}
