#pragma once

#include "common/PrintOffsetFile.h"

// The print offsets of the notification book, "\Nolvari\set\PrintSet2.ini", written by the
// window's "終了".
class PrintSet2File : public PrintOffsetFile
{
public:
    static QString filePath();
    static PrintSet2File read();
    bool write(QString* errorText = nullptr) const;
};
