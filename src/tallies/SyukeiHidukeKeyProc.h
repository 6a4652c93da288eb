#pragma once

#include <QString>

// The sort key of a date of the extracted list: year, month and day as two digits each where
// their value is 1 to 9 ("0" put before the part as written), "00" where it is 0 or missing, as
// written otherwise; joined without separator: 5.6.12 gives "050612", 31.4.30 gives "310430".
// A text without "." has the empty key (it sorts first).
QString SyukeiHidukeKeyProc(const QString& date);
