#include "CheckSyukei.h"

#include "chart/KarteBlock.h"
#include "chart/KarteScan.h"
#include "common/RowSort.h"
#include "common/ValueReader.h"

#include <algorithm>

namespace {

// Columns of the extracted list.
constexpr int NameCol = 2;
constexpr int ByoCol = 7;
constexpr int SyosinCol = 9;
constexpr int FileCol = 17;

const QString Hansyoku = QStringLiteral("繁殖");
const QString Ousin = QStringLiteral("往診");

QString twoDigits(const QString& part)
{
    return ValueReader::leadingNumber(part) < 10 ? QStringLiteral("0") + part : part;
}

// Whether "往診" stands in treatment lines 1 to 7 of examination j; nothing when one does not
// read.
std::optional<bool> isOusin(const KarteScan& chart, int k, int j, QString* report)
{
    bool found = false;
    for (int line = 1; line <= 7; ++line) {
        const std::optional<QStringList> fields = chart.blockLine(k, KarteBlock::sinsatuRow(j) + line, report);
        if (!fields)
            return std::nullopt;
        found = found || fields->join(QString()).contains(Ousin);
    }
    return found;
}

} // namespace

QString CheckSyukei::CheckHidukeKeyProc(const QString& date)
{
    const QStringList parts = date.split(u'.');
    if (parts.size() != 3)
        return QString();
    return parts.at(0) + twoDigits(parts.at(1)) + twoDigits(parts.at(2));
}

QList<CheckSyukei::Source> CheckSyukei::sources(const QList<QStringList>& syukeiRows)
{
    QStringList members;
    QList<QList<Source>> byMember;
    for (const QStringList& row : syukeiRows) {
        const QString name = row.value(NameCol);
        if (name.isEmpty())
            continue;
        qsizetype m = members.indexOf(name);
        if (m < 0) {
            members.append(name);
            byMember.append(QList<Source>());
            m = members.size() - 1;
        }
        byMember[m].append({name, row.value(ByoCol), row.value(SyosinCol), row.value(FileCol)});
    }
    QList<Source> out;
    for (const QList<Source>& rows : byMember)
        out += rows;
    return out;
}

void CheckSyukei::addRow(const Source& source, const KarteScan& chart)
{
    const QString byo = source.byo == Hansyoku ? QString() : source.byo;
    const QString tag = chart.kotai().Mimiban;
    QList<QPair<QString, Entry>> found;   // a chart adds all its visits or none
    for (int k = 0; k < chart.blockCount(); ++k) {
        QString nameReport;
        const std::optional<KarteNameRecord> name = chart.nameRecord(k, &nameReport);
        if (!name) {
            addDamaged(nameReport);
            return;
        }
        if (!name->isEpisode(byo, source.syosin))
            continue;
        for (int j = 0; j < KarteBlock::SinsatuCount; ++j) {
            QString report;
            const std::optional<QStringList> head = chart.blockLine(k, KarteBlock::sinsatuRow(j), &report);
            const std::optional<bool> ousin = head ? isOusin(chart, k, j, &report) : std::nullopt;
            if (!ousin) {
                addDamaged(report);
                return;
            }
            const QString date = head->at(2);
            if (date.isEmpty())
                continue;
            const QString key = CheckHidukeKeyProc(date);
            if (key.isEmpty()) {
                addDamaged(QStringLiteral("%1: 診察日 %2 が読めないため、入れていません。").arg(source.file, date));
                continue;
            }
            found.append({key, Entry{source.name, *ousin ? QStringLiteral("往:") + tag : tag, source.byo, *ousin}});
        }
    }
    for (const auto& [key, entry] : found) {
        if (!byKey.contains(key))
            order.append(key);
        byKey[key].append(entry);
    }
}

void CheckSyukei::finish()
{
    QList<QStringList> keyRows;
    for (const QString& key : order)
        keyRows.append({key});
    RowSort::sort(keyRows, 0, 0, RowSort::Generic);
    order.clear();
    for (const QStringList& row : keyRows)
        order.append(row.first());
    for (QList<Entry>& list : byKey) {
        QList<QStringList> rows;
        for (int i = 0; i < list.size(); ++i)
            rows.append({list.at(i).name, list.at(i).mimi, list.at(i).byo, QString::number(i)});
        RowSort::sort(rows, 0, 2, RowSort::Generic);
        QList<Entry> sorted;
        for (const QStringList& row : rows)
            sorted.append(list.at(row.at(3).toInt()));
        list = sorted;
    }
}

QList<QStringList> CheckSyukei::openingTable()
{
    QList<QStringList> table(OpeningRows, QStringList(OpeningCols));
    for (int c = 1; c < OpeningCols; ++c)
        table[1][c] = subHeadings().at((c - 1) % 3);
    return table;
}

QList<QStringList> CheckSyukei::table() const
{
    int depth = 0;
    for (const QList<Entry>& list : byKey)
        depth = std::max(depth, int(list.size()));
    const int cols = 1 + 3 * int(order.size());
    QList<QStringList> out(2 + depth, QStringList(cols));
    for (int b = 0; b < order.size(); ++b) {
        const QList<Entry> list = byKey.value(order.at(b));
        for (int k = 0; k < 3; ++k) {
            out[0][1 + 3 * b + k] = order.at(b);
            out[1][1 + 3 * b + k] = subHeadings().at(k);
        }
        for (int r = 0; r < list.size(); ++r) {
            out[2 + r][1 + 3 * b] = list.at(r).name;
            out[2 + r][2 + 3 * b] = list.at(r).mimi;
            out[2 + r][3 + 3 * b] = list.at(r).byo;
        }
    }
    for (int r = 2; r < out.size(); ++r)
        out[r][0] = QString::number(r - 1);
    return out;
}

CheckSyukei CheckSyukei::CheckProc(const QList<QStringList>& syukeiRows, const QString& folder,
                                   const Progress& progress)
{
    CheckSyukei check;
    const QList<Source> list = sources(syukeiRows);
    QStringList files;
    for (const Source& source : list)
        files.append(source.file);
    int done = 0;
    KarteScan::forEachRead(folder, files, [&](const KarteScan& chart) {
        if (chart.ok())
            check.addRow(list.at(done), chart);
        else
            check.addDamaged(chart.errorText);
        ++done;
        if (progress)
            progress(done, int(list.size()));
        return true;
    });
    check.finish();
    return check;
}
