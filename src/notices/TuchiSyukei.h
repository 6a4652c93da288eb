#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class KarteKotaiRecord;
class KarteNameRecord;
class KarteNoukaRecord;
class KarteScan;

// The accident cases of one month, one row per illness episode, as the notification book lists
// them in the way of its prefecture:
//   Kagosima  by submission month (field 13 "year･month", or the month alone with the year of
//             the outcome date); SortGrid: district, kana initial, farmer, kind mark, ear tag,
//             disease, onset date, three empty columns; sorted on all of them.
//   Gunma     by onset month; SortGrid: onset year, month, day, district, kana initial, farmer,
//             kind code, animal number, disease, onset date, "farmer code:outcome date:outcome";
//             sorted on all of them (so by onset day first).
//   Okinawa   by first-exam month; SortGrid: district, kana initial, farmer, kind and use class,
//             ear tag, disease, onset date, first-exam date, outcome date, onset key; sorted on
//             the key, a case without onset date first.
// An episode is taken when its year equals the year box exactly ("05" is not "5"), its month the
// chosen month, and its farmer has a kana initial in the register; the farmers left out for want
// of one are named, so the user can mend the register. Sorts are stable for equal keys.
//
// Charts come in one at a time (addKarte); finish() sorts. Nothing is written to disk.
class TuchiSyukei
{
public:
    enum class Chiiki { Kagosima, Gunma, Okinawa };

    struct Joken
    {
        QString nen;                    // the year box as typed
        QString manth;                  // the chosen month, "1" to "12"
        QHash<QString, QString> atama;  // farmer name -> kana initial (AtamaList)
        bool vetA = false;              // Kagoshima: the kind column shows the class as written
    };

    // Progress of a whole-year tally: charts read so far of all.
    using Progress = std::function<void(int done, int total)>;

    TuchiSyukei(Chiiki chiiki, Joken joken);

    // One chart: its farmer, its animal and the name records of its episodes in file order.
    void addKarte(const KarteNoukaRecord& nouka, const KarteKotaiRecord& kotai, const QList<KarteNameRecord>& names);
    void addKarte(const KarteScan& chart);
    // A chart that could not be read, by its report.
    void addDamaged(const QString& report) { reports.append(report); }
    void finish();

    Chiiki chiiki() const { return area; }
    // The rows of the sorted list, in the region's columns.
    const QList<QStringList>& SortGrid() const { return sortRows; }
    // The list as it shows: per case its number (from 1), then the seven display columns.
    QList<QStringList> dataRows() const;
    // The farmers ("district name") whose episodes of the month were left out, first seen first.
    QStringList missingFarmers;
    // The charts passed over as damaged, each with its report.
    QStringList reports;

    // The message that ends a tally: "終了しました。" or "この月のデータはありません。", then the
    // farmers left out and the charts passed over.
    QString closingText() const;

    // The three tallies over the named charts of a folder, read one at a time.
    static TuchiSyukei SyukeiKagosimaProc(const Joken& joken, const QString& folder, const QStringList& names,
                                          const Progress& progress = {});
    static TuchiSyukei SyukeiGunmaProc(const Joken& joken, const QString& folder, const QStringList& names,
                                       const Progress& progress = {});
    static TuchiSyukei SyukeiOkinawaProc(const Joken& joken, const QString& folder, const QStringList& names,
                                         const Progress& progress = {});

    // The sort key of an onset date: the year as written, month and day with two digits
    // ("5.6.3" gives "50603"); empty for a text without ".".
    static QString TuchiHidukeKeyProc(const QString& date);
    // The register's kana initials: field 1 (name) -> field 4 (initial, trimmed) of each line of
    // the farmer register; the first line of a name wins.
    static QHash<QString, QString> atamaList(const QStringList& noukaLines);
    // Bands of equal district (column 1 of the shown rows): false for white, true for the second
    // colour, starting white and switching at each change of district.
    static QList<bool> bands(const QList<QStringList>& dataRows);

private:
    static TuchiSyukei run(Chiiki chiiki, const Joken& joken, const QString& folder, const QStringList& names,
                           const Progress& progress);
    bool taken(const QString& nen, const QString& tuki) const;
    QStringList row(const KarteNoukaRecord& nouka, const KarteKotaiRecord& kotai, const KarteNameRecord& name,
                    const QString& kana) const;
    QString kindMark(const QString& syurui) const;
    void noteMissing(const KarteNoukaRecord& nouka);

    Chiiki area;
    Joken joken;
    QList<QStringList> sortRows;
};
