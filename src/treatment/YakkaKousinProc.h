#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

class KarteBlock;
class KarteEpisode;
class TiryoLine;

// Prices the drug lines of an episode again from the current drug-price table: every line with a
// price is looked up by its content and standard (a registered name through the registered-name
// list), and its price becomes table price x quantity x (prescription units / base quantity).
// Only the price changes. A drug the table no longer holds keeps its price; the first one of a
// run is named. The chart editor runs it on its open episode, the template dialog on a template.
class YakkaKousinProc
{
public:
    // (name and standard joined directly, registered name), in the order C, N, G, S and file order.
    using KousinList = QList<QPair<QString, QString>>;

    // abbreviate: the standard's unit words are written as the table writes them ("バイアル"
    // becomes "V", ...) before the lookup, as the chart lines need; templates compare them as
    // they stand.
    YakkaKousinProc(const QStringList& yakkaCodeTable, const KousinList& kousinList, bool abbreviate = true);

    // The registered-name list from the lines of the four files, in the order given.
    static KousinList kousinList(const QList<QStringList>& fileLines);
    // The same from the installation's four files; a file that cannot be read is named in errors
    // and adds nothing (a missing file adds nothing silently).
    static KousinList readKousinList(QStringList* errors = nullptr);

    // The prescription-unit count written in a drug text: the number after "処方単位" and its
    // separator ("…(処方単位:2.5g)" gives 2.5, "(処方単位:2錠)1" gives 2); without "処方単位" the
    // number from the fifth character on. Empty when there is none.
    static QString SyohoTaniSuuProc(const QString& text);

    // The new price of a drug line, or none when the line stays as it is (no price, a drug the
    // table does not hold, a zero base quantity). Notes the first unpriceable drug.
    std::optional<QString> yakka(const QString& naiyou, const QString& kikaku, const QString& suuryou,
                                 const QString& yakkaText);
    // Re-prices one line; true when its price text changed.
    bool kousin(TiryoLine& line);
    // Re-prices the 140 treatment lines of an episode block; the number of prices changed.
    int kousin(KarteBlock& block);
    int kousin(KarteEpisode& episode);
    // The same on the rows of a template read field by field (rows of 224 lines, fields as in
    // the chart: content 4, standard 5, quantity 6, price 7), so the file's other text stays.
    int kousinRows(QList<QStringList>& rows);

    // The first drug of this object's runs that could not be priced (its table key), or empty.
    const QString& missingName() const { return missing; }

private:
    struct Lookup
    {
        QString key;        // text before the prescription unit and surcharge notes
        QString unitCount;  // the prescription-unit count, empty when the line has none
        bool unusable = false;
    };
    Lookup lookupOf(const QString& naiyou, const QString& kikaku) const;
    QString tableKey(const QString& lookup) const;
    void noteMissing(const QString& name);

    QList<QStringList> table;
    KousinList list;
    bool abbreviate;
    QString missing;
};
