#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The search for dead and shipped animals: every treatment book of the books folder is read, the
// first row that mentions 死亡 or 出荷 gives the animal's mark, the dead and shipped list records
// it and "set\DellInfo.ini" is written from the list.
class SibouKensaku
{
public:
    // The mark of a book: "H", the date cell of its first row that mentions 死亡 or 出荷, then
    // " [死亡]" (when that row mentions 死亡) or " [出荷]"; empty when no row does.
    static QString mark(const QStringList& bookLines);

    // Runs the search over "cb\*.txb"; progress(i, n) before each book's status. Books that
    // cannot be read are named in errors and passed over. False when the list could not be
    // written.
    static bool SibouKensakuProc(QStringList& dellInfoList, const std::function<void(int, int)>& progress,
                                 QStringList* errors);
};
