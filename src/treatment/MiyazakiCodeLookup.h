#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The code entry of a Miyazaki treatment line: a typed fee code looked up in the Miyazaki fee
// table, a typed drug code in the registered drug names (injections, internal, external, inserted
// drugs, each file in its order), each writing its items of TyusyaOut at every change of its box.
// A text that matches nothing clears the items its box wrote.
class MiyazakiCodeLookup
{
public:
    // fee table lines ("<category>'<code>'<content>'<application>'..."), drug rows (code, name,
    // base quantity, unit) in search order.
    MiyazakiCodeLookup(const QStringList& sinryoMiyazakiTable, const QList<QStringList>& yakuhinRows);
    // The same with the installation's four registered-name files.
    static MiyazakiCodeLookup load(const QStringList& sinryoMiyazakiTable);

    // The fee code box changed: items 4, 5, 6 and 8 (and 3 for a house-call code); the label text.
    QString sinryo(const QString& text, QStringList& tyusyaOut);
    // The drug code box changed: items 0 to 3; the label text.
    QString yakuhin(const QString& text, QStringList& tyusyaOut);

private:
    enum class Owner { None, Sinryo, Yakuhin };
    QList<QStringList> sinryoRows;
    QList<QStringList> yakuhinRows;
    Owner item3 = Owner::None;
};
