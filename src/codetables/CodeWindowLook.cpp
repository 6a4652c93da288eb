#include "CodeWindowLook.h"

#include "common/WidgetColor.h"
#include "common/FontSetup.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QFrame>
#include <QLabel>

const QColor CodeWindowLook::CellEditorBackColor(236, 242, 223);
const QColor CodeWindowLook::EditRowColor(255, 255, 192);
const QColor CodeWindowLook::TitleColor(0, 192, 0);

QLabel* CodeWindowLook::label(const QString& text, QWidget* parent, int left, int top)
{
    auto* l = new QLabel(text, parent);
    l->setFont(FontSetup::screenFont());
    l->move(TwipGeometry::px(left), TwipGeometry::px(top));
    l->adjustSize();
    return l;
}

QLabel* CodeWindowLook::titleLabel(const QString& text, QWidget* parent, int left, int top)
{
    QLabel* l = label(text, parent, left, top);
    l->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, true));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, TitleColor);
    l->setPalette(p);
    l->adjustSize();
    return l;
}

void CodeWindowLook::greyRule(QWidget* parent, int left, int top, int right)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    QPalette p = line->palette();
    p.setColor(QPalette::WindowText, QColor(128, 128, 128));
    line->setPalette(p);
    line->setGeometry(TwipGeometry::px(left), TwipGeometry::px(top), TwipGeometry::px(right - left), 1);
}

QFont CodeWindowLook::commandFont(bool bold)
{
    QFont f = FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, bold);
    f.setUnderline(true);
    return f;
}

int CodeWindowLook::setupGrid(FlexGrid* grid, const QList<Column>& columns, bool headingsCentred)
{
    const ColorSetInfo& colors = SharedState::get().ColorSet;
    grid->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    grid->setTextElideMode(Qt::ElideNone);  // a narrow column clips its text, as the codes need
    grid->setCols(int(columns.size()));
    grid->setRows(1);
    grid->setFixedRows(1);
    grid->setBackColorFixed(ColorSetInfo::GridFixedBackColor());
    if (colors.DialogBackColor.isValid())
        grid->setBackColorBkg(colors.DialogBackColor);
    if (colors.GridColor.isValid())
        grid->setBackColorSel(colors.GridColor);
    int width = 300;
    for (int c = 0; c < columns.size(); ++c) {
        const Column& col = columns.at(c);
        grid->setTextMatrix(0, c, col.heading);
        grid->setColWidthTwips(c, col.width);
        grid->setColAlignment(c, col.align);
        width += col.width;
    }
    if (headingsCentred)
        grid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    return width;
}
