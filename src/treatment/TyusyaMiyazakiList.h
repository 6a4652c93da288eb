#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The lists of the Miyazaki treatment entry dialog, from the Miyazaki fee table
// ("<category>'<code>'<content>'<application>") and drug table ("<mark>''<code>'<name>''<base
// quantity>'<unit>"), each read in table order up to its first empty line.
class TyusyaMiyazakiList
{
public:
    // Code, content and application of the fee lines of a category; sorted by code, content and
    // application (numbers as numbers) unless tableOrder.
    static QList<QStringList> codeRows(const QStringList& sinryoMiyazakiTable, const QString& category,
                                       bool tableOrder = false);
    // The injection classes of a method: code and class text (the method when the line has none),
    // sorted by code and text.
    static QList<QStringList> tyusyaKubun(const QStringList& sinryoMiyazakiTable, const QString& method);
    // Code, name, base quantity and unit of every drug of the table with the category mark.
    static QList<QStringList> zenYakuhin(const QStringList& yakkaMiyazakiTable, const QString& mark);
    // Drug rows sorted by code, name, base quantity and unit.
    static void sortYakuhin(QList<QStringList>& rows);

    // The 区分 options of the drug-therapy page: caption, code returned, text returned.
    struct Kubun
    {
        QString caption;
        QString code;
        QString text;
    };
    static const QList<Kubun>& yakujiKubun();
};
