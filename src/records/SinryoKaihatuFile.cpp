#include "SinryoKaihatuFile.h"

#include "SinryoKirokuGroup.h"

#include "common/DataPath.h"
#include "common/TextFile.h"

namespace {
constexpr int PeriodFields = 6;
}

QString SinryoKaihatuFile::filePath()
{
    return DataPath::map(QStringLiteral("C:\\Nolvari\\Kaihatu.ini"));
}

bool SinryoKaihatuFile::write(QString* errorText) const
{
    QStringList lines{period.join(QLatin1Char('\''))};
    for (const QStringList& row : rows)
        lines.append(row.mid(0, SinryoKirokuGroup::GridCols).join(QLatin1Char('\'')));
    return TextFile::write(filePath(), lines, errorText);
}

std::optional<SinryoKaihatuFile> SinryoKaihatuFile::read(QString* errorText)
{
    const TextFile file = TextFile::read(filePath());
    if (!file.ok()) {
        if (errorText)
            *errorText = file.missing() ? QStringLiteral("保存された集計結果がありません: %1").arg(filePath())
                                        : file.errorText;
        return std::nullopt;
    }
    SinryoKaihatuFile saved;
    const QStringList lines = file.texts();
    if (lines.isEmpty())
        return saved;
    saved.period = lines.first().split(QLatin1Char('\''));
    if (saved.period.size() < PeriodFields) {
        if (errorText)
            *errorText = QStringLiteral("保存された集計結果が壊れています: %1（1 行目）").arg(filePath());
        return std::nullopt;
    }
    saved.period = saved.period.mid(0, PeriodFields);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringList row = lines.at(i).split(QLatin1Char('\'')).mid(0, SinryoKirokuGroup::GridCols);
        while (row.size() < SinryoKirokuGroup::GridCols)
            row.append(QString());
        saved.rows.append(row);
    }
    return saved;
}
