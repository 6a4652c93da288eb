#include "BackUpPlan.h"

#include "common/DataPath.h"
#include "common/SharedState.h"

#include <QDir>

BackUpPlan BackUpPlan::karte(const QString& driveRoot)
{
    SharedState& s = SharedState::get();
    s.refreshKarteFileList();
    BackUpPlan plan;
    plan.kind = Karte;
    plan.folder = driveFolder(driveRoot, QStringLiteral("BackUp"));
    plan.add(s.karteFolder(), s.KarteFileList, VerifiedCopy::Mode::WhenDiffers);
    const QString set = DataPath::file(QStringLiteral("set"));
    plan.add(set, fileNames(set), VerifiedCopy::Mode::Always);
    return plan;
}

BackUpPlan BackUpPlan::tiryobo(const QString& driveRoot)
{
    return folderCopy(Tiryobo, driveRoot, QStringLiteral("cb"));
}

BackUpPlan BackUpPlan::kenan(const QString& driveRoot)
{
    return folderCopy(Kenan, driveRoot, QStringLiteral("kdata"));
}

BackUpPlan BackUpPlan::folderCopy(Kind kind, const QString& driveRoot, const QString& dataFolder)
{
    BackUpPlan plan;
    plan.kind = kind;
    plan.folder = driveFolder(driveRoot, QStringLiteral("BackUp2"));
    const QString source = DataPath::file(dataFolder);
    plan.add(source, fileNames(source), VerifiedCopy::Mode::WhenDiffers);
    return plan;
}

BackUpPlan BackUpPlan::exportTo(const QString& driveRoot, ExchangeSide::Side side)
{
    BackUpPlan plan;
    plan.kind = Export;
    plan.folder = driveFolder(driveRoot, ExchangeSide::exportFolder(side));
    const QString cb = DataPath::file(QStringLiteral("cb"));
    const QStringList names = fileNames(cb);
    plan.listed = int(names.size());
    for (const QString& name : names) {
        const std::optional<QString> exported = ExchangeSide::exportedName(name);
        if (!exported)
            plan.skipped.append(name);
        else if (ExchangeSide::sends(side, *exported))
            plan.entries.append({cb + QLatin1Char('/') + name, plan.folder + QLatin1Char('/') + *exported});
    }
    return plan;
}

BackUpPlan BackUpPlan::importFrom(const QString& driveRoot, ExchangeSide::Side side)
{
    BackUpPlan plan;
    plan.kind = Import;
    if (side == ExchangeSide::None)
        return plan;
    plan.folder = driveFolder(driveRoot, ExchangeSide::importFolder(side));
    const QStringList names = fileNames(plan.folder);
    plan.listed = int(names.size());
    for (const QString& name : names) {
        const QString place = ExchangeSide::importPlace(side, name);
        if (place.isEmpty()) {
            plan.skipped.append(name);
            continue;
        }
        plan.entries.append({plan.folder + QLatin1Char('/') + name,
                             DataPath::file(place) + QLatin1Char('/') + name, VerifiedCopy::Mode::Always});
    }
    return plan;
}

void BackUpPlan::add(const QString& sourceFolder, const QStringList& names, VerifiedCopy::Mode mode)
{
    const QString folderPath = QDir::cleanPath(DataPath::resolve(sourceFolder));
    listed += int(names.size());
    for (const QString& name : names)
        entries.append({folderPath + QLatin1Char('/') + name, folder + QLatin1Char('/') + name, mode});
}

QStringList BackUpPlan::fileNames(const QString& localFolder)
{
    QStringList names;
    for (const QString& name : DataPath::list(localFolder, QStringLiteral("*")))
        if (!name.startsWith(QLatin1Char('.')) && !VerifiedCopy::isTemporaryName(name))
            names.append(name);
    return names;
}

QString BackUpPlan::driveFolder(const QString& driveRoot, const QString& name)
{
    return DataPath::resolve(driveRoot + QLatin1Char('/') + name);
}
