#pragma once

#include <QString>

// The disease code in the fixed shape the post-mortem certificate prints: the first three
// "-"-groups, an empty group as "00" and a one-character group with a "0" in front
// ("1-2-3" → "01-02-03", "12-3-" → "12-03-00"); a missing group counts as empty ("1-2" →
// "01-02-00"), and a code without "-" gives "00-00-00".
QString KenanHidukeKeyProc(const QString& code);
