#include "TiryoRowEdit.h"

#include <QRegularExpression>
#include <QStringList>

void TiryoRowEdit::deleteRow(Rows& rows, int r)
{
    rows.at(r - 1) = TiryoLine();
}

bool TiryoRowEdit::insertRow(Rows& rows, int r)
{
    if (!rows.at(RowCount - 1).isEmpty())
        return false;
    for (int i = RowCount - 1; i >= r; --i)
        rows.at(i) = rows.at(i - 1);
    rows.at(r - 1) = TiryoLine();
    return true;
}

void TiryoRowEdit::closeUp(Rows& rows)
{
    Rows out;
    int n = 0;
    for (const TiryoLine& line : rows) {
        if (!line.isEmpty())
            out.at(n++) = line;
    }
    rows = out;
}

void TiryoRowEdit::clear(Rows& rows)
{
    rows.fill(TiryoLine());
}

QString TiryoRowEdit::clipText(const Rows& rows, int r)
{
    return (QStringList{QString::number(r)} + rows.at(r - 1).cells()).join(QLatin1Char('\t'));
}

void TiryoRowEdit::paste(Rows& rows, int r, const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList pieces = text.split(lineEnd).value(0).split(QLatin1Char('\t'));
    TiryoLine& line = rows.at(r - 1);
    for (int c = 1; c <= TiryoLine::ColumnCount && c < pieces.size(); ++c)
        line.setText(c, pieces.at(c));
}
