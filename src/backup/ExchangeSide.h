#pragma once

#include <QString>
#include <optional>

class SiteProfile;

// The side of an installation in the exchange of treatment books between the two installations
// of a farm branch, and the names and places of the exchanged files. A site row names its
// partner's letter in PartnerSide; the installation is the other side. A site without a partner
// has no side and exchanges nothing.
class ExchangeSide
{
public:
    enum Side { None, A, B };

    static Side of(const SiteProfile& site);

    // The drive folder the side exports into ("export_a", "export_b") and the one it imports
    // from (the partner's); no side imports from no folder.
    static QString exportFolder(Side side);
    static QString importFolder(Side side);

    // The name a cb file goes out under: its base (the text before the last ".") with ".ini"
    // for a candidate list (extension "ini" in any case) and ".ixb" for anything else; none for
    // a name without an extension.
    static std::optional<QString> exportedName(const QString& name);
    // Whether the side sends the file: side B keeps its candidate lists; no side sends nothing.
    static bool sends(Side side, const QString& exportedName);
    // The data sub-folder an imported file goes into: side A takes every file into "inport"; side
    // B takes books (ending "ixb", any case) into "inport" and lists (ending "ini") into "cb".
    // Empty: the file is not taken.
    static QString importPlace(Side side, const QString& name);

    // What the exchange windows say at an installation without a partner.
    static QString noPartnerText();
};
