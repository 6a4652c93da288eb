#pragma once

#include <QString>

// A file of print offsets that a window keeps beside its 横= and 縦= boxes: line 1 the
// horizontal offset (millimetres to the right), line 2 the vertical one (downward), each as
// typed. Read by lines, so that a "," typed into a box stays in that box ("1,5" comes back as
// "1,5"); written whole through a temporary file.
class PrintOffsetFile
{
public:
    QString yoko;
    QString tate;

    // The offsets as stored, trimmed; both empty when the file is missing or unreadable.
    static PrintOffsetFile read(const QString& localPath);
    // False, with the reason naming the file, when it cannot be written.
    bool write(const QString& localPath, QString* errorText = nullptr) const;

    // The offset a box's text stands for: its leading number, 0 for a text that is none.
    static float offset(const QString& text);
};
