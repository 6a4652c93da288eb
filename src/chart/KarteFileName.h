#pragma once

#include <QString>
#include <optional>

// The name of a chart file: "H", the data year, "_", the farmer code, "_", the ear tag (or the
// animal's number), then "_0.sxd", or "_1.sxd" for a calf kept under its dam's tag. The three
// variable parts are trimmed. The name without ".sxd" is the chart's base name, which the animal
// line stores and which names the animal's treatment book and post-mortem files.
class KarteFileName
{
public:
    QString Nendo;
    QString NoukaCode;
    QString Mimiban;
    bool Kousi = false;

    KarteFileName() = default;
    KarteFileName(const QString& nendo, const QString& noukaCode, const QString& mimiban, bool kousi);

    QString text() const;      // H7_00010001_1234_0.sxd
    QString baseName() const;  // H7_00010001_1234_0

    // The parts of a chart file name (the suffix in any letter case); nothing when the name does
    // not have the chart form.
    static std::optional<KarteFileName> parse(const QString& fileName);

    // The start of the names of one farmer's charts of a data year: "H", the year, "_", the farmer
    // code, "_" (year and code trimmed).
    static QString noukaPrefix(const QString& nendo, const QString& noukaCode);

    // Whether a name may be written as a file name (SharedUtil::FileNameCheckProc: no \ / : * ? "
    // < > |, "’" or control character); refusal names the name and the offending character.
    // Every writer checks a chart or treatment-book name built from typed or register values.
    static bool checkName(const QString& fileName, QString* refusal);

    // The local path of a chart of the data year.
    static QString path(const QString& fileName);
};
