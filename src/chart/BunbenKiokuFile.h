#pragma once

#include "common/TextFile.h"

#include <QList>
#include <QString>
#include <QStringList>

// The remembered last calving and insemination dates of every animal, "set\BunbenKioku.ini":
// one animal per line, farmer code "'" ear tag "'" calving "'" insemination. The chart editor
// holds the lines while it is open; picking a date rewrites the animal's line in place (or adds
// it) and the file from the list. Lines that are not such records stay where they are, and every
// line the pick does not change keeps its bytes.
class BunbenKiokuFile
{
public:
    QList<TextLine> Lines;
    bool Readable = true;   // false when the file exists but cannot be read: it is never written
    QString ErrorText;

    static QString path();
    static BunbenKiokuFile read();

    QStringList texts() const;
    // The animal's line replaced by (or appended as) farmer code'ear tag'calving'insemination.
    void record(const QString& noukaCode, const QString& mimiban, const QString& bunben, const QString& jyusei);
    bool write(QString* errorText = nullptr) const;
};
