#pragma once

#include <QString>
#include <QStringList>

// The standard phrases of one disease class: "Teirei<n>.ini" in the settings folder (class index
// + 1), one phrase per line, each cleaned of line breaks and outer blanks.
class TeireiFile
{
public:
    static constexpr int ClassCount = 20;
    static constexpr int MaxLength = 114;

    static const QStringList& bunruiNames();
    static QString path(int classIndex);

    // The phrases of a class as the phrase grid lists them: blank lines left out, each trimmed.
    // A missing file gives none; a file that cannot be read gives none with ok false.
    static QStringList load(int classIndex, bool* ok = nullptr, QString* errorText = nullptr);

    // Writes the phrases, each cleaned, one per line. No phrase left writes an empty file, so a
    // deleted last phrase does not come back.
    static bool save(int classIndex, const QStringList& phrases, QString* errorText = nullptr);

    // The height of a phrase row in twips by the phrase's trimmed length.
    static int rowHeight(const QString& phrase);
};
