#include "ToridasiFile.h"

#include "TiryoboBook.h"
#include "chart/KarteScan.h"
#include "common/DataPath.h"
#include "common/SharedUtil.h"
#include "common/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString field(const QString& cell)
{
    return SharedUtil::KaigyoDelProc(cell).replace(QLatin1Char('\''), QChar(0x2019));
}

QString record(const QString& dayKey, const TiryoboRow& row)
{
    QStringList fields{dayKey};
    for (int c = TiryoboRow::ByoMei; c <= TiryoboRow::Taion; ++c)
        fields.append(field(row.at(c)));
    fields.append(field(row.at(TiryoboRow::Pict2)));
    fields.append(field(row.at(TiryoboRow::Syoken)));
    return fields.join(QLatin1Char('\''));
}
}

ToridasiFile ToridasiFile::build(const TiryoboBook& book)
{
    ToridasiFile out;
    QString dayKey = QStringLiteral("dm");
    int day = 0;
    for (int r = 1; r < book.rowCount(); ++r) {
        const TiryoboRow& row = book.row(r);
        if (row.isDateRow())
            dayKey = QString::number(day++) + QLatin1Char(':') + field(row.at(TiryoboRow::Hiduke));
        if (!row.marked)
            continue;
        if (out.firstDate.isEmpty())
            out.firstDate = row.at(TiryoboRow::Hiduke);
        if (!row.hasText(TiryoboRow::ByoMei, TiryoboRow::Taion))
            continue;
        if (out.bunbenFlag.isEmpty())
            out.bunbenFlag = row.at(TiryoboRow::Bunben).isEmpty() ? QStringLiteral("0") : QStringLiteral("1");
        if (!row.at(TiryoboRow::ByoMei).isEmpty())
            out.byoList.append(field(row.at(TiryoboRow::ByoMei)));
        out.records.append(record(dayKey, row));
    }
    for (int r = 1; r < book.rowCount(); ++r) {
        const TiryoboRow& row = book.row(r);
        if (row.at(TiryoboRow::Bunben).isEmpty())
            continue;
        out.bunbenFlag = QStringLiteral("1");
        if (!row.at(TiryoboRow::Hiduke).isEmpty())
            out.kiokuDate = SharedUtil::KaigyoDelProc(row.at(TiryoboRow::Hiduke));
    }
    return out;
}

QString ToridasiFile::path()
{
    return DataPath::file(QStringLiteral("set\\ToridasiData.ini"));
}

QString ToridasiFile::karteKey() const
{
    const QStringList parts = byoList.value(0).split(QLatin1Char(':'));
    if (parts.size() != 2)
        return QString();
    return SharedUtil::Trim(parts.at(0)) + firstDate;
}

TiryoboNotice ToridasiFile::duplicate(const KarteScan& chart) const
{
    const QString key = karteKey();
    if (key.isEmpty())
        return std::nullopt;
    for (const KarteNameRecord& name : chart.nameRecords()) {
        if ((name.ByoName + name.SyosinDate).compare(key, Qt::CaseInsensitive) == 0)
            return TiryoboMessage{QStringLiteral("病名と初診日が同じカルテがありますので作成できません。")};
    }
    return std::nullopt;
}

TiryoboNotice ToridasiFile::empty() const
{
    if (records.isEmpty())
        return TiryoboMessage{QStringLiteral("行が選択されていません。")};
    return std::nullopt;
}

QStringList ToridasiFile::lines() const
{
    QStringList out{byoList.value(0), byoList.value(1), byoList.value(2)};
    out.append(records);
    out.append(bunbenFlag);
    return out;
}

bool ToridasiFile::write(QString* errorText) const
{
    const QString localPath = path();
    QDir().mkpath(QFileInfo(localPath).absolutePath());
    return TextFile::write(localPath, lines(), errorText);
}
