#pragma once

#include "KotaiTouroku.h"

#include <QString>
#include <QStringList>
#include <optional>

// Bulk registration from a CSV file of "exceldata": after its heading line, one animal per line:
// name, ear tag, birth date, individual number, start of cover, coat colour.
class CsvTouroku
{
public:
    static QString folder();

    // The animal of one line, or nothing when the line is refused: fewer than six fields, an ear
    // tag that is not 10 characters (a 9-character tag gets a leading "0") or holds a character
    // file names cannot hold, neither name nor individual number, a birth date that does not
    // begin with an era letter R, H or S, or a field holding "'" or "’". The species is the
    // given first species caption, the sex "雌", the insurance "包".
    static std::optional<KotaiTouroku::Input> parse(const QString& line, const QString& firstSyurui);

    // The input for an animal the grid already lists (columns 1 to 10 of its row): the CSV's
    // values where it has them; species, sex, insurance, features, and any value the CSV leaves
    // empty, kept.
    static KotaiTouroku::Input merge(const QStringList& row, const KotaiTouroku::Input& csv);
};
