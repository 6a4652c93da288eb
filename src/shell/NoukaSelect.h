#pragma once

#include "common/SharedState.h"

#include <QString>
#include <QStringList>

// Choosing the current farmer from the lines of the farmer register (district, name, code,
// address, call-up initial, ... separated by ","): the names of a district for the picker, the
// chosen farmer, and the sites whose farmer is taken without the picker.
class NoukaSelect
{
public:
    static constexpr int kanaCols = 10;
    static constexpr int kanaRows = 5;

    // The kana index: column c holds one row of the kana table from top to bottom; "全" (all)
    // sits in the last cell; a few cells are empty.
    static QString kana(int row, int col);
    static QString zen() { return QStringLiteral("全"); }

    // The names (field 1, unchanged) of the district's farmers in register order; with a kana other
    // than empty or "全" only those whose call-up initial (field 4, trimmed) equals it. A line
    // without a name field is passed over.
    static QStringList namesOf(const QStringList& registerLines, const QString& tiku, const QString& kana);

    // The farmer of the district with that name: the first line whose district (trimmed) and name
    // (trimmed) equal tiku and name. Sets code and address; false when no line matches.
    static bool find(const QStringList& registerLines, const QString& tiku, const QString& name,
                     NoukaInfo& nouka);

    // A site whose farmer is taken from the register: the first line holding one of the match
    // texts (tried in order). Sets district, name and code; false when no line holds any.
    static bool autoNouka(const QStringList& registerLines, const QStringList& texts, NoukaInfo& nouka);
    // The site's match texts: the column AutoNoukaTexts, the texts separated by ":".
    static QStringList autoNoukaTexts(const SiteProfile& site);

    // A site with a fixed farmer: the column FixedNouka, "district:name:code".
    static bool fixedNouka(const SiteProfile& site, NoukaInfo& nouka);
};
