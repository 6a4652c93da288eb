#include "SharedState.h"

#include "DataPath.h"

SharedState& SharedState::get()
{
    static SharedState state;
    return state;
}

void SharedState::reset()
{
    get() = SharedState();
}

void SharedState::setKen(const QString& name)
{
    KenName = name;
    ken = KenInfo::fromName(name);
}

QString SharedState::karteFolder() const
{
    return DataPath::map(QStringLiteral("\\Nolvari\\H") + KarteNendo + QStringLiteral("\\"));
}

QString SharedState::kartePath(const QString& karteFileName) const
{
    return DataPath::resolve(karteFolder() + QLatin1Char('/') + karteFileName);
}

void SharedState::refreshKarteFileList()
{
    KarteFileList.refresh(karteFolder());
}
