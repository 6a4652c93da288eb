#include "CodeWindowLook.h"

#include "common/DialogLook.h"
#include "common/WidgetColor.h"
#include "common/FontSetup.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QFrame>
#include <QLabel>

const QColor CodeWindowLook::CellEditorBackColor(236, 242, 223);
const QColor CodeWindowLook::EditRowColor(255, 255, 192);

QLabel* CodeWindowLook::label(const QString& text, QWidget* parent, int left, int top)
{
    return DialogLook::label(text, parent, left, top);
}

QLabel* CodeWindowLook::titleLabel(const QString& text, QWidget* parent, int left, int top)
{
    return DialogLook::titleLabel(text, parent, left, top);
}

void CodeWindowLook::greyRule(QWidget* parent, int left, int top, int right)
{
    DialogLook::greyRule(parent, left, top, right);
}

QFont CodeWindowLook::commandFont(bool bold)
{
    return DialogLook::commandFont(bold);
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
