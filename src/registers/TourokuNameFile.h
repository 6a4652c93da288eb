#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The registered drug names of one drug category and the drug grid of the drug-name page: the
// drugs of the category from the drug-price table in memory, each with the name registered for it
// in "TourokuName<letter>.ini" (in 宮崎県 the Miyazaki table and "PrintName<letter>.ini").
class TourokuNameFile
{
public:
    struct Category
    {
        QString caption; // 注射
        QString mark;    // 注
        QString letter;  // C
    };
    // The grid of one category: rows of six columns (code or category letter, drug name,
    // standard, price or quantity, unit, registered name) and the file lines that matched no
    // drug, which a rewrite keeps.
    struct Listing
    {
        QList<QStringList> rows;
        QStringList keptLines;
        bool ok = true;
        QString errorText;
    };
    enum Col { Code = 0, Name = 1, Kikaku = 2, Price = 3, Unit = 4, Touroku = 5 };

    static const QList<Category>& categories();
    static QString path(int category, bool miyazaki);
    static QString tourokuPath(int category) { return path(category, false); }

    static Listing list(int category, const QStringList& yakkaCodeTable);
    static Listing listMiyazaki(int category, const QStringList& yakkaMiyazakiTable);

    // The lines of the category's file from the grid rows that carry a registered name, then the
    // kept lines.
    static QStringList lines(int category, const Listing& listing, bool miyazaki);
    static bool save(int category, const Listing& listing, bool miyazaki, QString* errorText);

    // A key with its unit words shortened as the drug-price table writes them.
    static QString shorten(const QString& key);
    static QString key(const QString& name, const QString& kikaku);
};
