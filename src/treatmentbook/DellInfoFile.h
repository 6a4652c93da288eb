#pragma once

#include <QString>
#include <QStringList>

class TiryoboBook;

// The list of dead or shipped animals, "\Nolvari\set\DellInfo.ini": one line per animal, the
// chart's base name, ",", then the mark. In memory the list ends with one empty element that is
// never written.
class DellInfoFile
{
public:
    static QString path();

    // The mark a book's save-and-close records: "H", the date cell of the first row whose course
    // (column 2) mentions 死亡 or 出荷, then "[死亡]" or "[出荷]" (死亡 looked for first in each
    // row); empty when no row mentions either.
    static QString mark(const TiryoboBook& book);

    // Rewrites the file from the list without its trailing empty element, through the atomic
    // writer.
    static bool write(const QStringList& dellInfoList, QString* errorText);
};
