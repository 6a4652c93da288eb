#include "IbaragiPrintData.h"

#include "BunbenInfoText.h"
#include "TiryoboRow.h"

QStringList IbaragiPrintData::build(const TiryoboRow& row)
{
    QStringList data(Count);
    data[0] = row.at(TiryoboRow::Hiduke);
    QString text = row.at(TiryoboRow::Bunben);
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    const QStringList parts = BunbenInfoText::pieces(text);
    if (parts.size() < 2)
        return data;
    for (int k = 1; k <= 6 && k < parts.size(); ++k)
        data[k] = BunbenInfoText::pieceValue(parts.at(k));
    data[8] = BunbenInfoText::remark(BunbenInfoText::pieceValue(parts.value(7)), &data[7]);
    for (int k = 8; k <= 10 && parts.size() > 8 && k < parts.size(); ++k)
        data[k + 1] = BunbenInfoText::pieceValue(parts.at(k));
    return data;
}
