#pragma once

#include <QStringList>

class TiryoboRow;

// What the book's print command hands to the printout from the selected day row: 12 texts,
// element 0 the row's date, 1 to 6 parity, calf, vigour, appetite, breed and colostrum of its
// calving information, 7 the calving situation, 8 the remark, 9 to 11 the twin's calf, vigour
// and appetite (empty without a twin). Values are taken as the text holds them, line breaks
// removed; items the text lacks stay empty.
class IbaragiPrintData
{
public:
    static constexpr int Count = 12;
    static QStringList build(const TiryoboRow& row);
};
