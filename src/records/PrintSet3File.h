#pragma once

#include <QString>

// The print offsets of the treatment records (a PrintOffsetFile), "\Nolvari\set\PrintSet3.ini":
// written by the print command before every print, read when the window opens.
class PrintSet3File
{
public:
    static QString filePath();
};
