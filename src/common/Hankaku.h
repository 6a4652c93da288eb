#pragma once

#include <QString>

// Full-width characters turned into their half-width forms where such forms exist: letters,
// digits and signs, the ideographic space, katakana (a voiced katakana becomes two half-width
// characters) and the Japanese punctuation marks. Kanji, hiragana and the rest stay.
class Hankaku
{
public:
    static QString convert(QStringView text);
};
