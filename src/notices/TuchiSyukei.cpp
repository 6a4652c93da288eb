#include "TuchiSyukei.h"

#include "chart/KarteKotaiRecord.h"
#include "chart/KarteNameRecord.h"
#include "chart/KarteNoukaRecord.h"
#include "chart/KarteScan.h"
#include "common/ListedText.h"
#include "common/RowSort.h"
#include "common/SharedUtil.h"

#include <algorithm>

namespace {
const QChar Nakaguro(0xFF65);  // "･" between year and month of the submission month

// The kind codes of the Gunma association by the animal's kind and use class.
const QHash<QString, QString>& gunmaCodes()
{
    static const QHash<QString, QString> codes{
        {"成乳牛", "1"},  {"育成牛", "2"},   {"乳用出子", "3"}, {"乳用胎児", "4"}, {"乳用子牛", "5"},
        {"肥育成牛", "6"}, {"肥育子牛", "7"}, {"他肉成牛", "8"}, {"他肉出子", "9"}, {"他肉胎児", "10"},
        {"他肉子牛", "11"}, {"一般馬", "12"},  {"肉種牛", "15"},
    };
    return codes;
}

// The year and month of a date "year.month.day"; both empty without ".".
std::pair<QString, QString> dateTuki(const QString& date)
{
    if (!date.contains(QLatin1Char('.')))
        return {};
    return {date.section(QLatin1Char('.'), 0, 0), date.section(QLatin1Char('.'), 1, 1)};
}

// The month of an episode by its submission month; without "･" the month alone, with the year of
// the outcome date.
std::pair<QString, QString> teisyutuTuki(const KarteNameRecord& name)
{
    const QString& tuki = name.TeisyutuTuki;
    if (tuki.contains(Nakaguro))
        return {tuki.section(Nakaguro, 0, 0), tuki.section(Nakaguro, 1)};
    const QString year = name.TenkiDate.isEmpty() ? QString() : name.TenkiDate.section(QLatin1Char('.'), 0, 0);
    return {year, SharedUtil::Trim(tuki)};
}

// The animal number of the Gunma list: the part between the first ":" and the next of the name
// field, or the whole field without ":".
QString bangou(const QString& meigou)
{
    return meigou.contains(QLatin1Char(':')) ? meigou.section(QLatin1Char(':'), 1, 1) : meigou;
}

QString twoDigits(const QString& part)
{
    bool number = false;
    const int value = part.toInt(&number);
    return number && value >= 0 ? QString::number(value).rightJustified(2, QLatin1Char('0')) : part;
}

// A chart without lines, or whose first line is empty, holds no farmer: it is passed over.
bool emptyKarte(const KarteScan& chart)
{
    return chart.errorLine == 0 && (chart.lineCount() == 0 || chart.rawLine(0).isEmpty());
}

} // namespace

TuchiSyukei::TuchiSyukei(Chiiki chiiki, Joken joken) : area(chiiki), joken(std::move(joken)) {}

QString TuchiSyukei::TuchiHidukeKeyProc(const QString& date)
{
    if (!date.contains(QLatin1Char('.')))
        return QString();
    const QStringList parts = date.split(QLatin1Char('.'));
    return parts.value(0) + twoDigits(parts.value(1)) + twoDigits(parts.value(2));
}

QHash<QString, QString> TuchiSyukei::atamaList(const QStringList& noukaLines)
{
    QHash<QString, QString> atama;
    for (const QString& line : noukaLines) {
        const QStringList f = line.split(QLatin1Char(','));
        if (!atama.contains(f.value(1)))
            atama.insert(f.value(1), SharedUtil::Trim(f.value(4)));
    }
    return atama;
}

QString TuchiSyukei::kindMark(const QString& syurui) const
{
    if (joken.vetA)
        return syurui;
    if (syurui == QStringLiteral("成乳牛") || syurui == QStringLiteral("育成乳牛"))
        return QStringLiteral("乳");
    if (syurui == QStringLiteral("肥育牛"))
        return QStringLiteral("肥");
    return QStringLiteral("特");
}

bool TuchiSyukei::taken(const QString& nen, const QString& tuki) const
{
    return nen == joken.nen && tuki == joken.manth;
}

QStringList TuchiSyukei::row(const KarteNoukaRecord& nouka, const KarteKotaiRecord& kotai,
                             const KarteNameRecord& name, const QString& kana) const
{
    const QString& tiku = nouka.NoukaTiku;
    const QString& farmer = nouka.NoukaName;
    switch (area) {
    case Chiiki::Kagosima:
        return {tiku, kana, farmer, kindMark(kotai.Syurui), kotai.Mimiban, name.ByoName, name.HatubyoDate,
                QString(), QString(), QString()};
    case Chiiki::Gunma: {
        const QStringList onset = name.HatubyoDate.split(QLatin1Char('.'));
        return {onset.value(0), onset.value(1), onset.value(2), tiku, kana, farmer,
                gunmaCodes().value(kotai.Syurui), bangou(kotai.Meigou), name.ByoName, name.HatubyoDate,
                nouka.NoukaCode + QLatin1Char(':') + name.TenkiDate + QLatin1Char(':') + name.Tenki};
    }
    case Chiiki::Okinawa:
        return {tiku, kana, farmer, kotai.Syurui, kotai.Mimiban, name.ByoName, name.HatubyoDate,
                name.SyosinDate, name.TenkiDate, TuchiHidukeKeyProc(name.HatubyoDate)};
    }
    return {};
}

void TuchiSyukei::noteMissing(const KarteNoukaRecord& nouka)
{
    const QString who = nouka.NoukaTiku + QLatin1Char(' ') + nouka.NoukaName;
    if (!missingFarmers.contains(who))
        missingFarmers.append(who);
}

void TuchiSyukei::addKarte(const KarteNoukaRecord& nouka, const KarteKotaiRecord& kotai,
                           const QList<KarteNameRecord>& names)
{
    const QString kana = joken.atama.value(nouka.NoukaName);
    for (const KarteNameRecord& name : names) {
        const auto [nen, tuki] = area == Chiiki::Kagosima ? teisyutuTuki(name)
                                 : area == Chiiki::Gunma  ? dateTuki(name.HatubyoDate)
                                                          : dateTuki(name.SyosinDate);
        if (!taken(nen, tuki))
            continue;
        if (kana.isEmpty())
            noteMissing(nouka);
        else
            sortRows.append(row(nouka, kotai, name, kana));
    }
}

void TuchiSyukei::addKarte(const KarteScan& chart)
{
    QString report;
    const std::optional<QList<KarteNameRecord>> names = chart.nameRecords(&report);
    if (names)
        addKarte(chart.nouka(), chart.kotai(), *names);
    else
        addDamaged(report);
}

void TuchiSyukei::finish()
{
    if (area == Chiiki::Okinawa) {
        RowSort::sort(sortRows, QList<int>{9}, RowSort::Generic);
        std::stable_partition(sortRows.begin(), sortRows.end(), [](const QStringList& r) { return r.value(9).isEmpty(); });
        return;
    }
    RowSort::sort(sortRows, 0, area == Chiiki::Gunma ? 10 : 9, RowSort::Generic);
}

QList<QStringList> TuchiSyukei::dataRows() const
{
    static const QList<int> shown{0, 2, 3, 4, 5, 6};
    static const QList<int> shownGunma{3, 5, 6, 7, 8, 9, 10};
    const QList<int>& cols = area == Chiiki::Gunma ? shownGunma : shown;
    QList<QStringList> out;
    for (qsizetype r = 0; r < sortRows.size(); ++r) {
        QStringList cells{QString::number(r + 1)};
        for (const int c : cols)
            cells.append(sortRows.at(r).value(c));
        while (cells.size() < 8)
            cells.append(QString());
        out.append(cells);
    }
    return out;
}

QList<bool> TuchiSyukei::bands(const QList<QStringList>& dataRows)
{
    QList<bool> out;
    bool second = false;
    for (qsizetype r = 0; r < dataRows.size(); ++r) {
        if (r > 0 && dataRows.at(r).value(1) != dataRows.at(r - 1).value(1))
            second = !second;
        out.append(second);
    }
    return out;
}

QString TuchiSyukei::closingText() const
{
    QString text = sortRows.isEmpty() ? QStringLiteral("この月のデータはありません。") : QStringLiteral("終了しました。");
    if (!missingFarmers.isEmpty())
        text += ListedText(QStringLiteral("次の組合員は農家登録がないか呼出しの頭文字がないため、集計していません。"),
                       missingFarmers);
    if (!reports.isEmpty())
        text += ListedText(QStringLiteral("次のカルテは読めないため、集計していません。"), reports);
    return text;
}

TuchiSyukei TuchiSyukei::run(Chiiki chiiki, const Joken& joken, const QString& folder, const QStringList& names,
                             const Progress& progress)
{
    TuchiSyukei syukei(chiiki, joken);
    const int total = int(names.size());
    int done = 0;
    KarteScan::forEachRead(folder, names, [&](const KarteScan& chart) {
        if (chart.ok())
            syukei.addKarte(chart);
        else if (!emptyKarte(chart))
            syukei.addDamaged(chart.errorText);
        if (progress)
            progress(++done, total);
        return true;
    });
    syukei.finish();
    return syukei;
}

TuchiSyukei TuchiSyukei::SyukeiKagosimaProc(const Joken& joken, const QString& folder, const QStringList& names,
                                            const Progress& progress)
{
    return run(Chiiki::Kagosima, joken, folder, names, progress);
}

TuchiSyukei TuchiSyukei::SyukeiGunmaProc(const Joken& joken, const QString& folder, const QStringList& names,
                                         const Progress& progress)
{
    return run(Chiiki::Gunma, joken, folder, names, progress);
}

TuchiSyukei TuchiSyukei::SyukeiOkinawaProc(const Joken& joken, const QString& folder, const QStringList& names,
                                           const Progress& progress)
{
    return run(Chiiki::Okinawa, joken, folder, names, progress);
}
