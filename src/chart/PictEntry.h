#pragma once

#include "common/Ken.h"

#include <QString>
#include <array>
#include <optional>

class SiteProfile;

// The picture entry of an examination (field 2 of its findings line) and what an examination
// panel shows for it. The installation decides the scheme:
//   numbered (most installations): a picture number n of "pict_<n-1>.bmp", 1 to 51; "0" or "-1"
//     for none;
//   pair (the Miyazaki site SiteMiyazakiZero): swap mark ":" pair number, the pictures
//     "M_Left<n>.bmp" and "M_Right<n>.bmp", swapped when the mark is 1;
//   annotated (茨城県): left ":" right ":" three captions, pictures "pict2_<n-1>.bmp", 1 to 71.
// A number that names no picture, or a file that is missing, shows the panel without it.
class PictEntry
{
public:
    enum class Scheme { Numbered, Pair, Annotated };

    // The local paths of the left and right picture (empty: none) and the three captions.
    struct Hyoji
    {
        QString Left;
        QString Right;
        std::array<QString, 3> Captions;
    };

    static Scheme scheme(Ken ken, const SiteProfile& site);

    static Hyoji hyoji(Scheme scheme, const QString& entry);
    // The entry as a panel keeps it: an empty numbered entry is "0".
    static QString normalised(Scheme scheme, const QString& entry);
    // The entry of an emptied examination.
    static QString empty() { return QStringLiteral("0"); }

    // The pickers' results as the new entry; nothing where the entry stays as it was.
    static std::optional<QString> fromPictNo(int pictNoOut);
    static std::optional<QString> fromMiyazaki(const QString& pictMiyazakiOut);
    // What the annotation picker starts from: the entry, "::::" when it is empty.
    static QString pict2Code(const QString& entry);

private:
    static QString numbered(const QString& part, const QString& prefix, int count);
};
