#pragma once

#include <QString>

// Writes a large synthetic installation: the sample's settings and code tables, a farmer register
// of `farmers` farmers and `animals` charts per farmer in the data year's folder, each chart a
// copy of a sample chart (three episodes) under its own farmer and ear tag.
class InstallationGenerator
{
public:
    InstallationGenerator(const QString& sampleRoot, const QString& targetRoot);
    bool generate(int farmers, int animals, QString* errorText);

private:
    bool copySettings(QString* errorText);
    bool writeRegister(int farmers, QString* errorText);
    bool writeCharts(int farmers, int animals, QString* errorText);

    QString sample;
    QString target;
};
