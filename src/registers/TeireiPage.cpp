#include "TeireiPage.h"

#include "MasterForm.h"
#include "TeireiFile.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/TwipGeometry.h"
#include "common/SharedUtil.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString Kakunin = QStringLiteral("確認");

QString withoutCrLf(QString text)
{
    return text.remove(QStringLiteral("\r\n"));
}
} // namespace

TeireiPage::TeireiPage(MasterForm& owner) : QGroupBox(QStringLiteral("定例文登録")), form(owner)
{
    auto* caption = new QLabel(QStringLiteral("[入力欄]"), this);
    TwipGeometry::place(caption, 150, 300, 1200, 270);
    TeireiTx = new QPlainTextEdit(this);
    TeireiTx->setObjectName(QStringLiteral("TeireiTx"));
    TwipGeometry::place(TeireiTx, 150, 600, 6000, 1000);
    connect(TeireiTx, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = TeireiTx->toPlainText();
        if (text.size() > TeireiFile::MaxLength)
            TeireiTx->setPlainText(text.left(TeireiFile::MaxLength));
    });
    auto* note = new QLabel(QStringLiteral("※全角・半角合計114文字まで入力できます。"), this);
    TwipGeometry::place(note, 150, 1650, 5000, 270);
    TeireiGd = new LabelButtonArray(this);
    TwipGeometry::place(TeireiGd->add(QStringLiteral("クリア"), 0, this), 6300, 600, 900, 300);
    TwipGeometry::place(TeireiGd->add(QStringLiteral("追加"), 1, this), 150, 2000, 800, 300);
    TwipGeometry::place(TeireiGd->add(QStringLiteral("修正"), 3, this), 1150, 2000, 800, 300);
    TwipGeometry::place(TeireiGd->add(QStringLiteral("削除"), 2, this), 2150, 2000, 800, 300);
    TeireiGd->resetOn(this);
    connect(TeireiGd, &LabelButtonArray::clicked, this, &TeireiPage::TeireiGd_Click);
    Command1 = new QPushButton(QStringLiteral("Command1"), this);
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, &TeireiPage::Command1_Click);
    buildClasses();
    buildGrid();
}

void TeireiPage::buildClasses()
{
    auto* frame = new QGroupBox(this);
    frame->setFlat(true);
    TwipGeometry::place(frame, 7500, 300, 5100, 3300);
    auto* caption = new QLabel(QStringLiteral("[定例文分類]"), frame);
    TwipGeometry::place(caption, 0, 0, 2000, 270);
    const QStringList names = TeireiFile::bunruiNames();
    for (int i = 0; i < names.size(); ++i) {
        auto* op = new QRadioButton(names.at(i), frame);
        op->setObjectName(QStringLiteral("BunruiOp%1").arg(i));
        TwipGeometry::place(op, (i / 10) * 2550, 300 + (i % 10) * 290, 2550, 280);
        connect(op, &QRadioButton::clicked, this, [this, i] { BunruiOp_Click(i); });
        BunruiOp.append(op);
    }
    BunruiOp[19]->hide();
}

void TeireiPage::buildGrid()
{
    KouhoGrid = new FlexGrid(this);
    KouhoGrid->setObjectName(QStringLiteral("KouhoGrid"));
    TwipGeometry::place(KouhoGrid, 150, 3750, 12450, 5100);
    KouhoGrid->setRows(100);
    KouhoGrid->setCols(2);
    KouhoGrid->setFixedRows(1);
    KouhoGrid->setFixedCols(1);
    KouhoGrid->setColWidthTwips(0, 350);
    KouhoGrid->setColWidthTwips(1, 12450 - 630);
    KouhoGrid->setColAlignment(0, FlexGrid::AlignCenter);
    KouhoGrid->setColAlignment(1, FlexGrid::AlignLeft);
    KouhoGrid->setTextMatrix(0, 1, QStringLiteral("登録済一覧"));
    KouhoGrid->setWordWrap(true);
    connect(KouhoGrid, &FlexGrid::gridClick, this, &TeireiPage::KouhoGrid_Click);
}

void TeireiPage::applyVariant()
{
    BunruiOp[19]->setVisible(form.variant().Ibaraki);
}

void TeireiPage::BunruiOp_Click(int index)
{
    BunruiOp[index]->setChecked(true);
    classIndex = index;
    KouhoGrid->setRows(1);
    KouhoGrid->clearSelection();
    selected = false;
    readError.clear();
    const QStringList list = TeireiFile::load(index, &classReadable, &readError);
    if (!classReadable)
        MsgBox::show(readError, Kakunin);
    for (const QString& phrase : list)
        addRow(phrase);
    TeireiNoSetProc();
}

void TeireiPage::addRow(const QString& phrase)
{
    const int r = KouhoGrid->rows();
    KouhoGrid->setRows(r + 1);
    KouhoGrid->setTextMatrix(r, 1, phrase);
    KouhoGrid->setRowHeightTwips(r, TeireiFile::rowHeight(phrase));
}

void TeireiPage::TeireiNoSetProc()
{
    for (int r = 1; r < KouhoGrid->rows(); ++r)
        KouhoGrid->setTextMatrix(r, 0, QString::number(r));
}

QStringList TeireiPage::phrases() const
{
    QStringList out;
    for (int r = 1; r < KouhoGrid->rows(); ++r)
        out.append(KouhoGrid->textMatrix(r, 1));
    return out;
}

void TeireiPage::setHeights()
{
    for (int r = 1; r < KouhoGrid->rows(); ++r)
        KouhoGrid->setRowHeightTwips(r, TeireiFile::rowHeight(KouhoGrid->textMatrix(r, 1)));
}

bool TeireiPage::save()
{
    QString error;
    if (TeireiFile::save(classIndex, phrases(), &error))
        return true;
    MsgBox::show(error, Kakunin);
    return false;
}

void TeireiPage::KouhoGrid_Click(int row, int col)
{
    const QString text = KouhoGrid->textMatrix(row, col);
    if (text.isEmpty())
        return;
    TeireiTx->setPlainText(withoutCrLf(text));
    KouhoGrid->select(row, 0, row, 1);
    selected = row > 0;
}

void TeireiPage::TeireiGd_Click(int index)
{
    const QString text = TeireiTx->toPlainText();
    if (index == 0) {
        TeireiTx->clear();
        return;
    }
    if (!classReadable) {
        MsgBox::show(readError, Kakunin);
        return;
    }
    if (index == 1 && !text.isEmpty()) {
        if (text.contains(QLatin1Char('\''))) {
            MsgBox::show(QStringLiteral(" ' は使用できません。"), Kakunin);
            return;
        }
        addRow(SharedUtil::KaigyoDelProc(text.trimmed()));
        KouhoGrid->clearSelection();
        selected = false;
        TeireiNoSetProc();
        save();
        setHeights();
    } else if (index == 2 && selected) {
        if (!MsgBox::ask(QStringLiteral("削除しますよろしいですか？"), Kakunin))
            return;
        KouhoGrid->removeItem(KouhoGrid->row());
        KouhoGrid->clearSelection();
        selected = false;
        TeireiNoSetProc();
        save();
    } else if (index == 3 && selected) {
        KouhoGrid->setTextMatrix(KouhoGrid->row(), 1, SharedUtil::KaigyoDelProc(text.trimmed()));
        save();
        setHeights();
    }
}

// A developer aid that no installation shows: where the phrase box holds its line breaks.
void TeireiPage::Command1_Click()
{
    const QString t = TeireiTx->toPlainText();
    MsgBox::show(QStringLiteral("%1 %2 %3 %4").arg(t.indexOf(QLatin1Char('\r')) + 1).arg(t.indexOf(QLatin1Char('\n')) + 1)
                     .arg(t.indexOf(QStringLiteral("\r\n")) + 1).arg(t.indexOf(QLatin1Char('\n')) + 1));
}
