#pragma once

#include <QString>

// The shared state as the start-up of an installation of the prefecture and site sets it, for
// the tests of the master register window (the data root already set).
namespace MasterSetup {
void startAs(const QString& ken, const QString& siteKey = QStringLiteral("0"));
}
