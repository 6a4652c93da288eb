#pragma once

#include <QString>

// The installation's prefecture. The system knows eleven prefectures by name; any other name in
// info.ini runs the common paths (Sonota). Variant code compares this value, never the name.
enum class Ken {
    Sonota,
    Ibaraki,    // 茨城県
    Oita,       // 大分県
    Okinawa,    // 沖縄県
    Tochigi,    // 栃木県
    Kagoshima,  // 鹿児島県
    Tottori,    // 鳥取県
    Miyazaki,   // 宮崎県
    Mie,        // 三重県
    Aichi,      // 愛知県
    Gunma,      // 群馬県
    Saga,       // 佐賀県
};

class KenInfo
{
public:
    // The prefecture a name of info.ini stands for: an exact match of one of the eleven names,
    // else Sonota.
    static Ken fromName(const QString& name);
    // The display name of a known prefecture ("鳥取県"); empty for Sonota.
    static QString name(Ken ken);
};
