#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The symptom candidates of the post-mortem certificate: "\Nolvari\kdata\gensyo-<n>.ini",
// n = 1 to 50, one line each (no line breaks, trimmed). A number without a file is an empty
// candidate; saving under a number replaces that file whole.
class GensyoKouhoFile
{
public:
    static constexpr int Count = 50;

    static QString path(int number);
    // The number typed for a candidate: a whole number 1 to 50 written in digits only (blanks
    // around it allowed); nothing for anything else ("07", "7.0", "7abc", "..\1", 0, 51).
    static std::optional<int> number(const QString& typed);
    // Candidates 1 to 50 in order, empty where a file is missing or empty; a file that cannot
    // be read is reported in errors and left empty.
    static QStringList loadAll(QStringList* errors = nullptr);
    static bool save(int number, const QString& text, QString* errorText);
};
