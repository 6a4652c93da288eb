#include "NyuryokuLook.h"

#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "registers/OptionArray.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
constexpr int KanaRows = 5;
constexpr int KanaCols = 10;
constexpr int KanaWidth = 310;
constexpr int KanaHeight = 270;
const QColor KanaMark(255, 255, 0);
const QColor ChosenOption(0, 0, 255);

// The dialogs close only through their own labels: Escape does nothing.
class NoEscape : public QObject
{
public:
    explicit NoEscape(QDialog* dialog) : QObject(dialog) { dialog->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    }
};

class BoxKeys : public QObject
{
public:
    BoxKeys(QLineEdit* box, std::function<void()> enter, bool clearOnClick)
        : QObject(box), box(box), enter(std::move(enter)), clearOnClick(clearOnClick)
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && clearOnClick) {
            box->clear();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (enter)
                    enter();
                return true;
            }
        }
        return false;
    }

private:
    QLineEdit* box;
    std::function<void()> enter;
    bool clearOnClick;
};

class SelectOnClick : public QObject
{
public:
    explicit SelectOnClick(QLineEdit* box) : QObject(box), box(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            box->selectAll();
        return false;
    }

private:
    QLineEdit* box;
};
}

void NyuryokuLook::onEnter(QLineEdit* box, const std::function<void()>& enter, bool clearOnClick)
{
    new BoxKeys(box, enter, clearOnClick);
}

void NyuryokuLook::selectOnClick(QLineEdit* box)
{
    new SelectOnClick(box);
}

void NyuryokuLook::dialog(QDialog* dialog, const QString& name, int left, int top, int width, int height)
{
    dialog->setObjectName(name);
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    TwipGeometry::resize(dialog, width, height);
    dialog->move(TwipGeometry::px(left), TwipGeometry::px(top));
    WidgetColor::setBackColor(dialog, SharedState::get().ColorSet.DialogBackColor);
    new NoEscape(dialog);
}

QLabel* NyuryokuLook::label(const QString& text, QWidget* parent, int left, int top, int width, int height)
{
    auto* l = new QLabel(text, parent);
    TwipGeometry::place(l, left, top, width, height);
    return l;
}

QLineEdit* NyuryokuLook::lineEdit(const QString& name, QWidget* parent, int left, int top, int width, int height)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    TwipGeometry::place(box, left, top, width, height);
    return box;
}

QLabel* NyuryokuLook::value(const QString& name, const QString& text, QWidget* parent, int left, int top, int width)
{
    QLabel* l = label(text, parent, left, top, width);
    l->setObjectName(name);
    return l;
}

void NyuryokuLook::listGrid(FlexGrid* grid, const QList<Column>& columns, bool fixedCol)
{
    const ColorSetInfo& colors = SharedState::get().ColorSet;
    grid->setCols(int(columns.size()));
    grid->setRows(1);
    grid->setFixedRows(1);
    grid->setFixedCols(fixedCol ? 1 : 0);
    grid->setRowHeightTwips(0, 300);
    grid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    grid->setBackColorSel(colors.GridColor);
    grid->setForeColorSel(Qt::black);
    grid->setBackColorBkg(colors.DialogBackColor);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int c = 0; c < columns.size(); ++c) {
        grid->setColWidthTwips(c, columns.at(c).width);
        grid->setColAlignment(c, columns.at(c).left ? FlexGrid::AlignLeft : FlexGrid::AlignCenter);
        grid->setFixedAlignment(c, FlexGrid::AlignCenter);
        grid->setTextMatrix(0, c, columns.at(c).heading);
    }
}

void NyuryokuLook::clearList(FlexGrid* grid)
{
    grid->clearSelection();
    grid->setRows(1);
    grid->setCurrent(0, 0);
}

int NyuryokuLook::addRow(FlexGrid* grid, const QStringList& cells)
{
    grid->addItem(cells.join(QLatin1Char('\t')));
    return grid->rows() - 1;
}

void NyuryokuLook::chooseRow(FlexGrid* grid, int row)
{
    grid->clearSelection();
    if (row <= 0 || row >= grid->rows())
        return;
    grid->select(row, 0, row, grid->cols() - 1);
}

void NyuryokuLook::kanaGrid(FlexGrid* grid, const QStringList& columns, int left, int top)
{
    grid->setRows(KanaRows);
    grid->setCols(KanaCols);
    grid->setFixedRows(0);
    grid->setFixedCols(0);
    grid->setBackColor(SharedState::get().ColorSet.BaseBackColor);
    grid->setBackColorBkg(SharedState::get().ColorSet.BaseBackColor);
    grid->setHighLight(FlexGrid::HighLightNever);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setDefaultRowHeightTwips(KanaHeight);
    for (int c = 0; c < KanaCols; ++c) {
        grid->setColWidthTwips(c, KanaWidth);
        grid->setColAlignment(c, FlexGrid::AlignCenter);
        const QString kana = columns.value(c);
        for (int r = 0; r < KanaRows; ++r) {
            const QString cell = kana.mid(r, 1);
            grid->setTextMatrix(r, c, cell == QStringLiteral(" ") ? QString() : cell);
        }
    }
    TwipGeometry::place(grid, left, top, KanaWidth * KanaCols + 20, KanaHeight * KanaRows + 20);
}

void NyuryokuLook::markKana(FlexGrid* grid, int row, int col)
{
    for (int r = 0; r < grid->rows(); ++r) {
        for (int c = 0; c < grid->cols(); ++c)
            grid->setCellBackColor(r, c, r == row && c == col ? KanaMark : SharedState::get().ColorSet.BaseBackColor);
    }
}

QStringList NyuryokuLook::kanaColumns(QChar he, QChar ri, const QString& last)
{
    return {QStringLiteral("あいうえお"), QStringLiteral("かきくけこ"), QStringLiteral("さしすせそ"),
            QStringLiteral("たちつてと"), QStringLiteral("なにぬねの"),
            QStringLiteral("はひふ") + he + QStringLiteral("ほ"), QStringLiteral("まみむめも"),
            QStringLiteral("やゆよ  "), QStringLiteral("ら") + ri + QStringLiteral("るれろ"),
            QStringLiteral("わ   ") + last};
}

OptionArray* NyuryokuLook::options(QWidget* parent, const QString& name, const QStringList& captions, int left,
                                   int top, int width, int perRow)
{
    auto* array = new OptionArray(parent);
    array->setChosenLook(ChosenOption, true);
    for (int i = 0; i < captions.size(); ++i) {
        QRadioButton* b = array->add(captions.at(i), parent);
        b->setObjectName(name + QString::number(i));
        WidgetColor::setBackColor(b, SharedState::get().ColorSet.DialogBackColor);
        const int column = perRow > 0 ? i % perRow : i;
        const int row = perRow > 0 ? i / perRow : 0;
        TwipGeometry::place(b, left + column * width, top + row * 300, width, 270);
    }
    return array;
}

LabelButtonArray* NyuryokuLook::commands(QWidget* parent, const QList<Command>& commands, bool hover)
{
    auto* array = new LabelButtonArray(parent);
    for (const Command& c : commands) {
        LabelButton* b = array->add(c.caption, c.index, parent);
        b->setObjectName(QStringLiteral("CmdGd%1").arg(c.index));
        TwipGeometry::place(b, c.left, c.top, c.width, 270);
    }
    if (hover)
        array->resetOn(parent);
    else
        array->setHoverColor(Qt::black);
    return array;
}
