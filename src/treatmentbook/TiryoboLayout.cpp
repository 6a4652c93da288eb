#include "TiryoboLayout.h"

const std::array<TiryoboLayout::Column, TiryoboRow::ColCount>& TiryoboLayout::columns()
{
    static const std::array<Column, TiryoboRow::ColCount> table{{
        {u"日付", 850, true},
        {u"病名", 1000, false},
        {u"現症経過", 1500, false},
        {u"処置分類", 850, false},
        {u"内容・薬品名", 2000, false},
        {u"規格・適用", 1000, true},
        {u"数量", 650, true},
        {u"", 1, true},
        {u"", 1, true},
        {u"", 1, true},
        {u"", 1, false},
        {u"体温", 600, true},
        {u"分娩情報", 2000, false},
        {u"管理情報", 1200, false},
        {u"共済外処置", 2000, false},
        {u"種牛名", 800, true},
        {u"", 1, true}, {u"", 1, true}, {u"", 1, true}, {u"", 1, true}, {u"", 1, true},
        {u"", 1, true}, {u"", 1, true}, {u"", 1, true}, {u"", 1, true}, {u"", 1, true},
        {u"", 1, true}, {u"", 1, true}, {u"", 1, true}, {u"", 1, true},
    }};
    return table;
}

int TiryoboLayout::rowHeightTwips(const TiryoboRow& row)
{
    int lines = row.at(TiryoboRow::Bunben).isEmpty() ? 1 : 5;
    for (int c = 0; c <= TiryoboRow::Tane; ++c) {
        const int width = columns().at(c).width;
        if (width <= 1)
            continue;
        const qsizetype w = row.at(c).size() * GridFontPoints * 20;
        const int n = int(w / width + (w % width ? 1 : 0));
        lines = std::max(lines, n);
    }
    return LineTwips * lines;
}

TiryoboLayout::Sizes TiryoboLayout::sizes(Size size)
{
    switch (size) {
    case Dai: return {7000, 5500, 5000};
    case Tyu: return {9000, 3500, 3000};
    case Syo: return {11000, 1500, 1000};
    }
    return {DataHeightAlone, 0, 0};
}
