#pragma once

#include <QString>

// An amount as the certificates print it: thousands grouped by ",", at most two decimals (rounded
// half away from zero), no zeros forced and no trailing ".": 12345 gives "12,345", 1234.567 gives
// "1,234.57", 0.5 gives ".5", 0 and an empty text give "". A text that is not a number (or one of
// 10^15 or more) comes back unchanged.
QString KingakuFormatProc(const QString& text);
