#pragma once

#include "VerifiedCopy.h"

#include <QDateTime>
#include <QString>

// The stamp file "index.ini" of a backup or export folder: one line, the date directly followed
// by the time ("2025/06/0214:03:07", no comma), written at the end of a run that got through all
// of its files, then read back and compared with what was written.
class BackUpStamp
{
public:
    static QString fileName();
    static QString text(const QDateTime& when);
    // Writes the stamp into the folder through the verified copy.
    static VerifiedCopy::Result write(const QString& folder, const QString& stamp);
    // The first field of the folder's stamp file: the first line up to its first comma, blanks
    // trimmed; empty when the file cannot be read.
    static QString read(const QString& folder);
};
