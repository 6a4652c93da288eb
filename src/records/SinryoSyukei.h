#pragma once

#include "SinryoKirokuGroup.h"

#include "common/KyuYakuRecord.h"
#include "common/SinryoKirokuRecord.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class KarteScan;

// The treatment-record tally: for the chosen members, one row per treatment line of every
// examination inside a period of one year, from the charts of the data year, sorted by member,
// month, day and animal, numbered and grouped into visit records.
//
// Two variants: the general tally (column 5 "*", the withdrawal text in 鳥取県, visit records
// keyed with the start time) and the tally of 茨城県 and 群馬県 (a veterinarian filter, the ledger
// class in column 5, the episode's doctor in column 14, a document-fee row after an examination
// that asks for one, and records per animal and day).
//
// The period: the year must equal the chart date's year as text; months and days compare by
// value (the leading number of the text), so a month typed "06" is month 6.
class SinryoSyukei
{
public:
    enum class Tenki { TenkiSumi, Subete, Teisyutu };  // 転帰済のみ, 未転帰も含む, 提出月を指定

    struct Joken
    {
        QString nen;                   // the year of the period (era year) as typed
        std::array<QString, 4> date;   // from-month, from-day, to-month, to-day as typed
        Tenki tenki = Tenki::TenkiSumi;
        QString teisyutu;              // the submission month box
        bool ibaragi = false;          // the variant of 茨城県 and 群馬県
        bool tottori = false;          // the withdrawal texts of column 9
        QString docSurname;            // 茨城県/群馬県: only episodes whose doctor holds it (empty: all)
        QList<KyuYakuRecord> kyuYaku;
    };

    struct Member
    {
        QString name;
        QString code;
    };

    using Progress = std::function<void(qsizetype done, qsizetype total)>;
    using MemberStart = std::function<void(const QString& name)>;

    explicit SinryoSyukei(Joken joken);

    // One chart of a member; a chart without animal id adds nothing.
    void addKarte(const Member& member, const KarteScan& chart);
    // A chart that could not be read, by its report.
    void addDamaged(const QString& report) { reports.append(report); }
    // Sorts, numbers and groups the rows.
    void finish();

    // The data rows: grid columns 0 to 14 and the member code in column 15.
    const QList<QStringList>& rows() const { return dataRows; }
    const QList<SinryoKirokuRecord>& records() const { return visitRecords; }
    QStringList reports;

    // The end message: "終了しました。" and the charts passed over.
    QString closingText() const;

    // The tally over the charts of a folder: the members in order, for each the listed charts
    // whose name has the member's code as its second "_" part.
    static SinryoSyukei run(const Joken& joken, const QList<Member>& members, const QString& folder,
                            const QStringList& fileNames, const Progress& progress = {},
                            const MemberStart& memberStart = {});

    // True when the date "year.month.day" lies inside the period; then month and day receive the
    // date's parts as written.
    static bool KikanCheckProc(const QString& date, const Joken& joken, QString& month, QString& day);
    // The ledger class of a treatment category, "1" to "9", or empty.
    static QString SinryoSyubetuProc(const QString& category);
    // True when the category holds "再診" or else the course text holds "出荷予定".
    static bool BunsyoRyoCheckProc(const QString& course, const QString& category);
    // The withdrawal text of the drug of a treatment content (the text before its first ":"):
    // the first entry whose drug name and standard, or registered name, equals it.
    static QString KyuYakuTextProc(const QString& content, const QList<KyuYakuRecord>& list);
    // The submission month asked for: "4.12" gives "4･12", "6" with the year 5 gives "5･6".
    static QString teisyutuTuki(const Joken& joken);
    // The animal id of a chart's animal line (split at "'" only); empty when it has none.
    static QString animalId(const QString& kotaiLine);
    // The paper estimate: 鳥取県 "用紙枚数=A4:" + (records - 1) / 4 + "～" (none for no record),
    // 茨城県 "用紙枚数=A4:" + grid rows / 12; each rounded, a half up, nothing when it rounds to 0.
    static QString tottoriEstimate(qsizetype records);
    static QString ibarakiEstimate(qsizetype gridRows);

private:
    void addEpisode(const Member& member, const KarteScan& chart, int k, const QString& id);
    static QStringList baseRow(const Member& member, const QString& id, const QString& m, const QString& d,
                               const QStringList& name, const QStringList& head, const QString& doctor);
    bool episodeTaken(const QStringList& name) const;

    Joken joken;
    QString teisyutuKey;
    QList<QStringList> dataRows;
    QList<SinryoKirokuRecord> visitRecords;
};
