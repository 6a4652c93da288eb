#include "IbaragiSyukei.h"

#include "chart/KarteKotaiRecord.h"
#include "chart/KarteNameRecord.h"
#include "chart/KarteScan.h"
#include "common/DataPath.h"
#include "common/SharedState.h"
#include "common/SiteProfile.h"
#include "treatment/TensuText.h"

namespace {
const QChar Sep = QLatin1Char('\'');
const QString Dot = QStringLiteral("･");
}

const std::array<IbaragiSyukei::Column, IbaragiSyukei::ColCount>& IbaragiSyukei::columns()
{
    static const std::array<Column, ColCount> table{{
        {u"", 450, Centre},
        {u"名号", 1200, Centre},
        {u"個体番号", 1000, Centre},
        {u"個体識別番号", 1200, Centre},
        {u"病名", 3000, Left},
        {u"コード", 1000, Left},
        {u"発病日", 1600, Left},
        {u"初診日", 1600, Left},
        {u"終診日", 1600, Left},
        {u"転帰日", 1600, Left},
        {u"転帰", 750, Centre},
        {u"薬 価 合 計", 750, Right},
        {u"診療費  (薬価）", 750, Right},
        {u"診療費 （B点）", 750, Centre},
        {u"診療費 （A点）", 750, Centre},
        {u"診療回数", 350, Centre},
        {u"提出獣医名", 1200, Centre},
        {u"提出月", 550, Centre},
        {u"", 1, Left},
    }};
    return table;
}

QStringList IbaragiSyukei::doctors(const SiteProfile& site)
{
    QStringList names = site.text(QStringLiteral("SyukeiDoctors")).split(QLatin1Char(':'));
    while (names.size() < Zenin)
        names.append(QString());
    return names.mid(0, Zenin);
}

bool IbaragiSyukei::DocOpSetProc(const QString& doctorText, const QStringList& doctors, int chosen)
{
    if (doctorText.isEmpty())
        return chosen == Zenin;
    for (int i = 0; i < doctors.size() && i < Zenin; ++i) {
        if (!doctors.at(i).isEmpty() && doctorText.contains(doctors.at(i)) && (chosen == i || chosen == Zenin))
            return true;
    }
    return false;
}

TiryoboNotice IbaragiSyukei::missing(const Period& period)
{
    if (period.year.isEmpty())
        return TiryoboMessage{QStringLiteral("年を入力してください。")};
    if (period.month.isEmpty())
        return TiryoboMessage{QStringLiteral("月を入力してください。")};
    return std::nullopt;
}

bool IbaragiSyukei::allMonths(const QString& month)
{
    return month == QStringLiteral("全") || month == QStringLiteral("all") || month == QStringLiteral("ALL");
}

bool IbaragiSyukei::monthTaken(const QString& month)
{
    return allMonths(month) || TensuText::value(month) != 0;
}

bool IbaragiSyukei::inPeriod(const KarteNameRecord& name, const Period& period)
{
    const bool all = allMonths(period.month);
    const QStringList s = name.TeisyutuTuki.split(Dot);
    if (s.size() == 2)
        return s.at(0) == period.year && (all || s.at(1) == period.month);
    const QStringList f = name.SyosinDate.split(QLatin1Char('.'));
    if (f.size() >= 2)
        return f.at(0) == period.year && (all || name.TeisyutuTuki == period.month);
    return false;
}

QStringList IbaragiSyukei::chartRow(const KarteKotaiRecord& kotai, const KarteNameRecord& name,
                                    const QStringList& data3Fields)
{
    return {kotai.meigouName(), kotai.kotaiBangou(), kotai.Mimiban, name.ByoName, name.ByoCode,
            name.HatubyoDate, name.SyosinDate, name.SyusinDate, name.TenkiDate, name.Tenki,
            data3Fields.value(2), data3Fields.value(8), data3Fields.value(4), data3Fields.value(5),
            name.SinryoKaisu, name.IbaragiDocName, name.TeisyutuTuki};
}

namespace {
// The rows of a chart's episodes that the doctor choice and the period take, added to rows; a
// line that does not decode is reported and its episode left out.
void addChartRows(const KarteScan& chart, const IbaragiSyukei::Period& period, const QStringList& doctors,
                  int chosen, QList<QStringList>& rows, QStringList* reports)
{
    QString nameReport;
    const std::optional<QList<KarteNameRecord>> names = chart.nameRecords(&nameReport);
    if (!names) {
        if (reports)
            reports->append(nameReport);
        return;
    }
    for (int k = 0; k < chart.blockCount(); ++k) {
        const KarteNameRecord& name = names->at(k);
        if (!IbaragiSyukei::DocOpSetProc(name.IbaragiDocName, doctors, chosen) || !IbaragiSyukei::inPeriod(name, period))
            continue;
        QString report;
        const std::optional<QStringList> data3 = chart.blockLine(k, 3, &report);
        if (!data3) {
            if (reports)
                reports->append(report);
            continue;
        }
        rows.append(IbaragiSyukei::chartRow(chart.kotai(), name, *data3));
    }
}
} // namespace

QList<QStringList> IbaragiSyukei::ZenTyusyutuProc(const QStringList& karteFiles, const Period& period,
                                                  const QStringList& doctors, int chosen, const Progress& progress,
                                                  QStringList* reports)
{
    QList<QStringList> rows;
    int i = 0;
    const QString folder = DataPath::resolve(SharedState::get().karteFolder());
    KarteScan::forEachRead(folder, karteFiles, [&](const KarteScan& chart) {
        const QString& fileName = karteFiles.at(i);
        if (progress)
            progress(i, int(karteFiles.size()));
        ++i;
        if (fileName == QStringLiteral("H15_Sample.sxd"))
            return true;
        if (!chart.ok()) {
            if (reports)
                reports->append(chart.errorText);
            return true;
        }
        if (chart.kotai().KarteName + QStringLiteral(".sxd") == fileName)
            addChartRows(chart, period, doctors, chosen, rows, reports);
        return true;
    });
    return rows;
}

QString IbaragiSyukei::HenkanWarekiProc(const QString& date, int style)
{
    const QStringList p = date.split(QLatin1Char('.'));
    if (p.size() != 3)
        return date;
    switch (style) {
    case 1: return QStringLiteral("H") + date;
    case 2: return QStringLiteral("平成%1年%2月%3日").arg(p.at(0), p.at(1), p.at(2));
    case 3: return QStringLiteral("令和%1年%2月%3日").arg(p.at(0), p.at(1), p.at(2));
    default: return date;
    }
}

QStringList IbaragiSyukei::logRow(const QString& line, int style)
{
    const QStringList f = line.split(Sep);
    QStringList row{QString()};
    row << f.value(0) << f.value(1) << f.value(2) << f.value(3) << f.value(4);
    for (int i : {15, 5, 6, 7})
        row.append(HenkanWarekiProc(f.value(i), style));
    row.append(f.value(16));
    for (int i = 8; i <= 14; ++i)
        row.append(f.value(i));
    row.append(line);
    return row;
}

bool IbaragiSyukei::logShown(const QString& line, const QString& surname)
{
    return surname.isEmpty() || line.split(Sep).value(13).contains(surname);
}
