#pragma once

#include "common/Ken.h"

#include <QString>

class SiteProfile;

// The chart sheets an episode fills on paper: one sheet holds a number of visits that depends on
// the prefecture (鹿児島県: six at the district site, else four); the sheets are the visits
// divided by that number, rounded up, at least one.
class KarteMaisuProc
{
public:
    static int perSheet(Ken ken, const SiteProfile& site);
    // visits is the list's text, read by its leading number.
    static int sheets(const QString& visits, int perSheet);
};
