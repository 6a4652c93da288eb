#include "Ken.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<Ken, const char16_t*>, 11>& kenNames()
{
    static const std::array<std::pair<Ken, const char16_t*>, 11> names{{
        {Ken::Ibaraki, u"茨城県"},
        {Ken::Oita, u"大分県"},
        {Ken::Okinawa, u"沖縄県"},
        {Ken::Tochigi, u"栃木県"},
        {Ken::Kagoshima, u"鹿児島県"},
        {Ken::Tottori, u"鳥取県"},
        {Ken::Miyazaki, u"宮崎県"},
        {Ken::Mie, u"三重県"},
        {Ken::Aichi, u"愛知県"},
        {Ken::Gunma, u"群馬県"},
        {Ken::Saga, u"佐賀県"},
    }};
    return names;
}

} // namespace

Ken KenInfo::fromName(const QString& name)
{
    for (const auto& [ken, text] : kenNames()) {
        if (name == QString::fromUtf16(text))
            return ken;
    }
    return Ken::Sonota;
}

QString KenInfo::name(Ken ken)
{
    for (const auto& [k, text] : kenNames()) {
        if (k == ken)
            return QString::fromUtf16(text);
    }
    return QString();
}
