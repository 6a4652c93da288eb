#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The drug rows of the injection and drug-treatment dialogs, from the drug-price table: by kana
// initial (the class mark and the kana of field 0) or as the regular-drug view (常), and with the
// practice's registered names.
class YakuhinRows
{
public:
    struct Row
    {
        QString name;     // field 1
        QString kikaku;   // field 2, standard and base unit
        QString yakka;    // field 4, or field 3 when field 4 is empty or "g6"
        QString tani;     // 常 view of the drug classes: the prescription unit kept with the drug
        QString touroku;  // registered name, or empty
        QString kijyun;   // field 6, base quantity
        QString unit;     // field 7
    };

    // The table lines up to its first empty element whose field 0 is exactly classKana (注あ).
    static QList<Row> kana(const QStringList& yakkaCodeTable, const QString& classKana);
    // One row per regular-drug line, from the first table line with the same name and standard
    // (trimmed) whatever its class; a line whose drug the table no longer holds gives none. The
    // kept prescription unit is field 3 of a line of exactly four fields. hideKmk leaves out the
    // lines that hold "KMK" (the drug-treatment dialog's view).
    static QList<Row> jyo(const QStringList& yakkaCodeTable, const QStringList& jyoLines, bool hideKmk);
    // The registered name of each line of a registered-names file goes to the first row whose
    // name "：" standard equals its field 1.
    static void setTouroku(QList<Row>& rows, const QStringList& tourokuLines);

    static Row row(const QStringList& fields);
};
