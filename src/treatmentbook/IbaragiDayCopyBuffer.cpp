#include "IbaragiDayCopyBuffer.h"

#include "TiryoboRow.h"
#include "common/SharedUtil.h"

#include <QRegularExpression>

namespace {
const QChar Sep = QLatin1Char('\'');
const QChar Quote = QChar(0x2019);
}

QString IbaragiDayCopyBuffer::bufferLine(const TiryoboRow& row)
{
    QStringList cells;
    for (const QString& cell : row.cells)
        cells.append(SharedUtil::KaigyoDelProc(cell).replace(Sep, Quote));
    return cells.join(Sep);
}

TiryoboRow IbaragiDayCopyBuffer::bufferRow(const QString& line)
{
    return TiryoboRow::fromCells(line.split(Sep));
}

QString IbaragiDayCopyBuffer::clipText(const TiryoboRow& row)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n|\t"));
    QStringList cells;
    for (const QString& cell : row.cells) {
        QString c = cell;
        c.replace(Sep, Quote);
        c.replace(breaks, QString(Sep));
        cells.append(c);
    }
    return cells.join(QLatin1Char('\t'));
}

TiryoboRow IbaragiDayCopyBuffer::clipRow(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList cells = text.split(lineEnd).value(0).split(QLatin1Char('\t'));
    for (QString& cell : cells)
        cell.replace(Sep, QStringLiteral("\r\n"));
    return TiryoboRow::fromCells(cells);
}
