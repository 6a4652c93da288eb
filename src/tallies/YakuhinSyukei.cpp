#include "YakuhinSyukei.h"

#include "chart/KarteBlock.h"
#include "chart/KarteScan.h"
#include "common/SharedUtil.h"
#include "common/ValueReader.h"

namespace {
const QChar Nakaguro = u'･';

// The block lines that the tally reads, counted from the name line.
constexpr int FirstLine = 5;

// A sum as its shortest text: no grouping, no decimal point for a whole number, whole numbers
// past the seven digits of single precision written out in full.
QString sumText(double value)
{
    return QString::number(value, 'g', 15);
}
} // namespace

YakuhinSyukei::YakuhinSyukei(const Joken& joken)
    : nen(SharedUtil::Trim(joken.nen)),
      from(ValueReader::leadingNumber(SharedUtil::Trim(joken.fromTuki))),
      to(ValueReader::leadingNumber(SharedUtil::Trim(joken.toTuki)))
{
}

bool YakuhinSyukei::counted(const QString& category)
{
    return category == QStringLiteral("調剤要") || category == QStringLiteral("調剤不要")
        || category == QStringLiteral("診療点数無") || category.endsWith(QStringLiteral("注射"));
}

bool YakuhinSyukei::isSample(const QString& fileName)
{
    return fileName.compare(QStringLiteral("H15_Sample.sxd"), Qt::CaseInsensitive) == 0;
}

bool YakuhinSyukei::episodeCounts(const QString& syosinDate, const QString& teisyutuTuki) const
{
    const QString tuki = teisyutuTuki.contains(Nakaguro) ? teisyutuTuki.section(Nakaguro, 1, 1) : teisyutuTuki;
    const double month = ValueReader::leadingNumber(tuki);
    if (month < from || month > to)
        return false;
    return !syosinDate.contains(u'.') || syosinDate.section(u'.', 0, 0) == nen;
}

void YakuhinSyukei::add(const QString& name, const QString& kikaku, const QString& suryo)
{
    const QPair<QString, QString> key{name, kikaku};
    const auto found = index.constFind(key);
    if (found == index.constEnd()) {
        index.insert(key, int(result.size()));
        result.append({name, kikaku, suryo});
        sums.append(ValueReader::leadingNumber(suryo));
        return;
    }
    double& sum = sums[*found];
    sum += ValueReader::leadingNumber(suryo);
    result[*found].suryo = sumText(sum);
}

void YakuhinSyukei::addKarte(const KarteScan& chart)
{
    // A chart adds its lines only when every line it needs reads: never half a chart.
    QList<Row> lines;
    for (int k = 0; k < chart.blockCount(); ++k) {
        QString nameReport;
        const std::optional<KarteNameRecord> name = chart.nameRecord(k, &nameReport);
        if (!name) {
            addDamaged(nameReport);
            return;
        }
        if (!episodeCounts(name->SyosinDate, name->TeisyutuTuki))
            continue;
        for (int row = FirstLine; row < KarteBlock::LineCount; ++row) {
            QString report;
            const std::optional<QStringList> fields = chart.blockLine(k, row, &report);
            if (!fields) {
                addDamaged(report);
                return;
            }
            if (counted(fields->at(3)))
                lines.append({fields->at(4), fields->at(5), fields->at(6)});
        }
    }
    for (const Row& line : lines)
        add(line.name, line.kikaku, line.suryo);
}

YakuhinSyukei YakuhinSyukei::YakuhinSyukeiProc(const Joken& joken, const QString& folder, const QStringList& names,
                                               const Progress& progress)
{
    YakuhinSyukei syukei(joken);
    const int total = int(names.size());
    int done = 0;
    KarteScan::forEachRead(folder, names, [&](const KarteScan& chart) {
        if (!isSample(names.at(done++))) {
            if (chart.ok())
                syukei.addKarte(chart);
            else
                syukei.addDamaged(chart.errorText);
        }
        if (progress)
            progress(done, total);
        return true;
    });
    return syukei;
}
