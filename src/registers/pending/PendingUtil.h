#pragma once

#include <QString>
#include <QStringList>

// Stand-ins for the shared utilities of the common folder until they are merged in; every caller
// goes through these three names so that the switch is one include per file.
namespace Pending {
QString KaigyoDelProc(const QString& text);
bool FileNameCheckProc(const QString& name, QString& badCharacter);
void DellInfoSetProc(QStringList& dellInfoList, const QString& fileName, const QString& mark);
}
