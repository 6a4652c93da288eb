#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

#include "Ken.h"

// What a site key selects: the site's switches (yes/no columns) and texts (named values).
// The rows are installation data, read from "\Nolvari\set\SiteProfile.ini", one row per line:
//     key,prefecture,Switch,Switch,Name=value,...
// A line starting with "#" and a blank line are ignored. Switch and text names are the column
// names the windows read (FarmType, ShowExchange, TitleText=...); unknown names are kept, so later
// columns need no change here. Without a matching row every switch is off and every text empty.
class SiteProfile
{
public:
    QString key;
    Ken prefecture = Ken::Sonota;
    QSet<QString> switches;
    QHash<QString, QString> texts;

    bool has(const QString& column) const { return switches.contains(column); }
    QString text(const QString& column) const { return texts.value(column); }
    // A substitution table of a text column, written "from>to:from>to" (a farmer name printed as
    // another, a member code printed as its partner): the partner of value, or nothing when the
    // table does not list it.
    std::optional<QString> partner(const QString& column, const QString& value) const;
    bool isDefault() const { return key.isEmpty() && prefecture == Ken::Sonota; }

    // Switches read at start-up and by the main menu.
    bool FarmType() const { return has(QStringLiteral("FarmType")); }
    bool ShowExchange() const { return has(QStringLiteral("ShowExchange")); }
    bool ShowSubmission() const { return has(QStringLiteral("ShowSubmission")); }
    bool ShowBunruiFrame() const { return has(QStringLiteral("ShowBunruiFrame")); }
    bool ManryoSite() const { return has(QStringLiteral("ManryoSite")); }
    bool HideTuchibo() const { return has(QStringLiteral("HideTuchibo")); }
    // Shows menu item 5 "事故発生通知簿" in an installation of any other prefecture.
    bool ShowTuchibo() const { return has(QStringLiteral("ShowTuchibo")); }
    QString TitleText() const { return text(QStringLiteral("TitleText")); }

    static SiteProfile parseRow(const QString& line);
    static QList<SiteProfile> parse(const QStringList& lines);
    // The rows of the file; no file gives no rows. False, with the error naming the file and the
    // line, when the file exists but cannot be read: every switch would silently be off.
    static bool load(const QString& localPath, QList<SiteProfile>& rows, QString* errorText);
    static QString filePath();

    // The row whose key equals siteKey and whose prefecture equals ken; in 鳥取県 the row whose
    // key text the veterinarian's name contains. The default row when none matches.
    static SiteProfile lookup(const QList<SiteProfile>& rows, Ken ken,
                              const QString& siteKey, const QString& doctorName);
    // Every row that lookup would take, in file order (in 鳥取県 several keys may stand in one
    // veterinarian's name, each row with its own columns; the prefecture's "*" row is none of them).
    static QList<SiteProfile> lookupAll(const QList<SiteProfile>& rows, Ken ken,
                                        const QString& siteKey, const QString& doctorName);
    // The row keyed "*" of the prefecture: values every site of the prefecture shares (a
    // substitution that applies at every site); the default row when there is none.
    static SiteProfile kenRow(const QList<SiteProfile>& rows, Ken ken);
};
