#pragma once

#include "KenanData.h"

#include <QString>

// The saved post-mortem certificate of a chart: "\Nolvari\kdata\" + the chart's base name (the
// chart file name without ".sxd", so that an ear tag holding "." keeps its whole name) + ".kdt".
// Written whole through the atomic writer; the kdata folder is made on the first save.
class KenanFile
{
public:
    static QString folder();
    static QString path(const QString& karteFile);
    static bool exists(const QString& karteFile);

    static bool save(const QString& karteFile, const KenanData& data, QString* errorText);
    // The saved values; false with the reason when the file cannot be read or decoded.
    static bool load(const QString& karteFile, KenanData& data, QString* errorText);
};
