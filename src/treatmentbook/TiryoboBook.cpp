#include "TiryoboBook.h"

TiryoboBook TiryoboBook::fresh(int n)
{
    TiryoboBook book;
    book.growTo(n);
    return book;
}

TiryoboBook TiryoboBook::withRows(const QList<TiryoboRow>& data, int spare)
{
    TiryoboBook book;
    book.rows.append(data);
    book.growTo(book.rowCount() + spare);
    return book;
}

void TiryoboBook::growTo(int n)
{
    while (rowCount() < n)
        rows.append(TiryoboRow());
}

QList<TiryoboRow> TiryoboBook::filledRows() const
{
    QList<TiryoboRow> out;
    for (int r = 1; r < rowCount(); ++r) {
        if (!row(r).isBlank())
            out.append(row(r));
    }
    return out;
}

bool TiryoboBook::hasDate(const QString& date) const
{
    for (int r = 1; r < rowCount(); ++r) {
        if (row(r).at(TiryoboRow::Hiduke) == date)
            return true;
    }
    return false;
}

int TiryoboBook::lastDateRow() const
{
    for (int r = lastRow(); r >= 1; --r) {
        if (!row(r).at(TiryoboRow::Hiduke).isEmpty())
            return r;
    }
    return 0;
}

int TiryoboBook::lastMarkedRow() const
{
    for (int r = lastRow(); r >= 1; --r) {
        if (row(r).marked)
            return r;
    }
    return -1;
}
