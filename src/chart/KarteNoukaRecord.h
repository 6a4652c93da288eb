#pragma once

#include <QString>
#include <optional>

struct NoukaInfo;

// Line 0 of a chart: the farmer. "Main", district, name, code, address, then empty fields: 14
// fields as the new-chart dialog writes it, 15 as the animal register writes it.
class KarteNoukaRecord
{
public:
    static constexpr int NewKarteFields = 14;
    static constexpr int RegisterFields = 15;

    QString NoukaTiku;
    QString NoukaName;
    QString NoukaCode;
    QString NoukaJyusyo;
    int FieldCount = NewKarteFields;

    // Reads line 0 ("’" counts as "'"); nothing, with the reason, when the line is not a farmer
    // line of 14 or 15 fields.
    static std::optional<KarteNoukaRecord> parse(const QString& line, QString* reason = nullptr);

    // The record of a farmer as the shared state holds him.
    static KarteNoukaRecord of(const NoukaInfo& nouka);

    // The line with fieldCount fields, every value trimmed.
    QString line(int fieldCount = NewKarteFields) const;

    // The first value that cannot be written into a header line ("'", "’" or a line break), or
    // nothing.
    std::optional<QString> badValue() const;
};
