#include "KarteFileName.h"

#include "KarteText.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"

#include <QStringList>

namespace {
const QString Suffix = QStringLiteral(".sxd");
}

KarteFileName::KarteFileName(const QString& nendo, const QString& noukaCode, const QString& mimiban, bool kousi)
    : Nendo(KarteText::trim(nendo)), NoukaCode(KarteText::trim(noukaCode)), Mimiban(KarteText::trim(mimiban)),
      Kousi(kousi)
{
}

QString KarteFileName::baseName() const
{
    return QStringLiteral("H") + KarteText::trim(Nendo) + QLatin1Char('_') + KarteText::trim(NoukaCode)
        + QLatin1Char('_') + KarteText::trim(Mimiban) + (Kousi ? QStringLiteral("_1") : QStringLiteral("_0"));
}

QString KarteFileName::text() const
{
    return baseName() + Suffix;
}

std::optional<KarteFileName> KarteFileName::parse(const QString& fileName)
{
    if (!fileName.endsWith(Suffix, Qt::CaseInsensitive) || !fileName.startsWith(QLatin1Char('H'), Qt::CaseInsensitive))
        return std::nullopt;
    const QStringList parts = fileName.chopped(Suffix.size()).mid(1).split(QLatin1Char('_'));
    if (parts.size() < 4 || (parts.last() != QStringLiteral("0") && parts.last() != QStringLiteral("1")))
        return std::nullopt;
    KarteFileName name;
    name.Nendo = parts.at(0);
    name.NoukaCode = parts.at(1);
    name.Mimiban = parts.mid(2, parts.size() - 3).join(QLatin1Char('_'));
    name.Kousi = parts.last() == QStringLiteral("1");
    return name;
}

bool KarteFileName::checkName(const QString& fileName, QString* refusal)
{
    QString bad;
    if (SharedUtil::FileNameCheckProc(fileName, bad))
        return true;
    if (refusal)
        *refusal = QStringLiteral("ファイル名に使えない文字があります: %1（%2）").arg(fileName, bad);
    return false;
}

QString KarteFileName::path(const QString& fileName)
{
    return SharedState::get().kartePath(fileName);
}

QString KarteFileName::noukaPrefix(const QString& nendo, const QString& noukaCode)
{
    return QStringLiteral("H") + nendo.trimmed() + QLatin1Char('_') + noukaCode.trimmed() + QLatin1Char('_');
}
