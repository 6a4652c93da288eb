#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The farmer register (NoukaFile, "\Nolvari\set\NameCode.ini") as the certificates look farmers
// up in it: each line split at ",", empty lines skipped. Fields: 0 district, 1 name, 2 member
// code, 3 address, 5 association (in 宮崎県 the member class). A register that is missing or
// cannot be read holds no rows, so every lookup gives empty values.
class NoukaFileSearch
{
public:
    QList<QStringList> rows;

    static NoukaFileSearch read();
    static NoukaFileSearch fromLines(const QStringList& lines);
    static QString filePath();

    // The last row whose member code (field 2) equals code; empty when none.
    QStringList byCode(const QString& code) const;
    // The first row whose district (field 0) and name (field 1), each trimmed, equal tiku and
    // name; empty when none. The two fields are compared apart, never joined.
    QStringList byTikuName(const QString& tiku, const QString& name) const;
};
