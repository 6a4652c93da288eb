#pragma once

#include <QString>

// The print offsets of the notification book, "\Nolvari\set\PrintSet2.ini": line 1 the
// horizontal offset (横=, millimetres to the right), line 2 the vertical one (縦=, downward), each
// as typed. Read by lines, so that a "," typed into a box stays in that box; written whole,
// through a temporary file, by the window's "終了".
class PrintSet2File
{
public:
    QString yoko;
    QString tate;

    static QString filePath();
    // The offsets as stored; both empty when the file is missing or unreadable.
    static PrintSet2File read();
    // False, with the reason naming the file, when it cannot be written.
    bool write(QString* errorText = nullptr) const;

    // The offset a box's text stands for: its leading number, 0 for a text that is none.
    static float offset(const QString& text);
};
