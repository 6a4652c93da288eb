#pragma once

#include <QString>
#include <optional>

// Line 1 of a chart: the animal. 14 fields as the new-chart dialog writes it, 17 as the animal
// register writes it (field 15 the start of cover); readers take 14 to 17.
class KarteKotaiRecord
{
public:
    static constexpr int NewKarteFields = 14;
    static constexpr int RegisterFields = 17;

    QString Syurui;       // 1 species and use class
    QString BirthDay;     // 4 birth date, with its era letter
    QString Seibetu;      // 5 sex
    QString Meigou;       // 6 name, or name ":" individual number
    QString Kyosai;       // 8 insurance type 包 or 個
    QString Mimiban;      // 10 ear tag or individual number
    QString Keiro;        // 11 coat colour
    QString Tokutyo;      // 12 features
    QString KarteName;    // 13 the chart's base name
    QString Field14;      // 14 empty as written today; older layouts kept values here
    QString SekininDay;   // 15 start of cover (animal register only)
    int FieldCount = NewKarteFields;

    // Reads line 1 ("’" counts as "'"); nothing, with the reason, when the line is not an
    // animal line of 14 to 17 fields.
    static std::optional<KarteKotaiRecord> parse(const QString& line, QString* reason = nullptr);

    // The line with fieldCount fields (14 to 17), every value trimmed and line breaks removed.
    QString line(int fieldCount = NewKarteFields) const;

    // The name without the individual number, and the individual number ("" when none).
    QString meigouName() const;
    QString kotaiBangou() const;
    // The name field for a name and an individual number (the name alone when the number is empty).
    static QString joinMeigou(const QString& name, const QString& kotaiBangou);

    std::optional<QString> badValue() const;
};
