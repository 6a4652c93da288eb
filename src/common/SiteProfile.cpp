#include "SiteProfile.h"

#include "DataPath.h"
#include "TextFile.h"

SiteProfile SiteProfile::parseRow(const QString& line)
{
    SiteProfile row;
    const QStringList cells = line.split(QLatin1Char(','));
    row.key = cells.value(0).trimmed();
    row.prefecture = KenInfo::fromName(cells.value(1).trimmed());
    for (qsizetype i = 2; i < cells.size(); ++i) {
        const QString cell = cells.at(i).trimmed();
        const qsizetype eq = cell.indexOf(QLatin1Char('='));
        if (eq > 0)
            row.texts.insert(cell.left(eq).trimmed(), cell.mid(eq + 1).trimmed());
        else if (!cell.isEmpty())
            row.switches.insert(cell);
    }
    return row;
}

std::optional<QString> SiteProfile::partner(const QString& column, const QString& value) const
{
    const QStringList pairs = text(column).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const qsizetype at = pair.indexOf(QLatin1Char('>'));
        if (at > 0 && pair.left(at) == value)
            return pair.mid(at + 1);
    }
    return std::nullopt;
}

QList<SiteProfile> SiteProfile::parse(const QStringList& lines)
{
    QList<SiteProfile> rows;
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char('#')))
            continue;
        rows.append(parseRow(t));
    }
    return rows;
}

bool SiteProfile::load(const QString& localPath, QList<SiteProfile>& rows, QString* errorText)
{
    const TextFile file = TextFile::read(localPath);
    rows = file.ok() ? parse(file.texts()) : QList<SiteProfile>();
    if (file.ok() || file.missing())
        return true;
    if (errorText)
        *errorText = file.errorText;
    return false;
}

QString SiteProfile::filePath()
{
    return DataPath::file(QStringLiteral("set\\SiteProfile.ini"));
}

SiteProfile SiteProfile::lookup(const QList<SiteProfile>& rows, Ken ken,
                                const QString& siteKey, const QString& doctorName)
{
    const QList<SiteProfile> found = lookupAll(rows, ken, siteKey, doctorName);
    return found.isEmpty() ? SiteProfile() : found.first();
}

QList<SiteProfile> SiteProfile::lookupAll(const QList<SiteProfile>& rows, Ken ken,
                                          const QString& siteKey, const QString& doctorName)
{
    const bool tottori = ken == Ken::Tottori;
    QList<SiteProfile> found;
    for (const SiteProfile& row : rows) {
        if (row.prefecture != ken)
            continue;
        if (tottori ? (!row.key.isEmpty() && row.key != QLatin1String("*") && doctorName.contains(row.key))
                    : row.key == siteKey)
            found.append(row);
    }
    return found;
}

SiteProfile SiteProfile::kenRow(const QList<SiteProfile>& rows, Ken ken)
{
    for (const SiteProfile& row : rows) {
        if (row.prefecture == ken && row.key == QLatin1String("*"))
            return row;
    }
    return SiteProfile();
}
