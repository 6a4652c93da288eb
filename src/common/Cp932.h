#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The Japanese Windows code page of the data files, as glibc's iconv converts it ("CP932"), which
// maps the NEC/IBM rows and the wave dash family the way Windows does; decoding goes through a
// table of the code page read from iconv once.
class Cp932
{
public:
    // Decodes bytes; on a byte sequence the code page leaves undefined returns nothing and puts
    // the offset of the first bad byte into errorOffset.
    static std::optional<QString> decode(QByteArrayView bytes, qsizetype* errorOffset = nullptr);

    // Encodes text; on a character the code page cannot hold returns nothing and puts the
    // character's index into errorIndex.
    static std::optional<QByteArray> encode(QStringView text, qsizetype* errorIndex = nullptr);

    // The number of bytes the text takes in the code page; a character it cannot hold counts one.
    static int byteLength(QStringView text);
};
