#include "IninjyoPrintData.h"

#include "common/KingakuFormatProc.h"
#include "common/ValueReader.h"

#include <QHash>

QList<IninjyoFarmer> IninjyoPrintData::farmersOf(const QList<QStringList>& rows,
                                                 const std::function<QString(const QString&)>& rename)
{
    QList<IninjyoFarmer> farmers;
    QHash<QStringList, qsizetype> index;
    for (const QStringList& row : rows) {
        const QString name = rename ? rename(row.value(IninjyoList::NameCol)) : row.value(IninjyoList::NameCol);
        const QStringList key{name, row.value(IninjyoList::CodeCol)};
        auto found = index.constFind(key);
        if (found == index.constEnd()) {
            found = index.insert(key, farmers.size());
            farmers.append({name, row.value(IninjyoList::CodeCol), {}});
        }
        if (IninjyoList::prints(row))
            farmers[*found].rows.append(row);
    }
    return farmers;
}

QString IninjyoPrintNotes::rowText(const QStringList& row)
{
    const QString animal = row.value(IninjyoList::MimiCol).isEmpty() ? row.value(IninjyoList::MeigouCol)
                                                                    : row.value(IninjyoList::MimiCol);
    return QStringLiteral("%1 %2 %3 %4").arg(row.value(IninjyoList::NameCol), animal, row.value(IninjyoList::ByoCol),
                                             row.value(IninjyoList::SyosinCol)).simplified();
}

QString IninjyoPrintNotes::closingText() const
{
    QString text = QStringLiteral("終了しました。");
    const auto list = [&text](const QString& heading, const QStringList& rows) {
        if (rows.isEmpty())
            return;
        text += QStringLiteral("\n\n") + heading;
        for (const QString& r : rows)
            text += QStringLiteral("\n") + r;
    };
    list(QStringLiteral("氏名のない行は印刷していません:"), noName);
    list(QStringLiteral("個体の識別がない行は内訳に載せず、診療費は合計に含めました:"), noId);
    return text;
}

qint64 IninjyoFee(const QString& text)
{
    return qint64(ValueReader::leadingInt(QString(text).remove(QLatin1Char(','))));
}

QString IninjyoKingaku(qint64 yen)
{
    return KingakuFormatProc(QString::number(yen));
}
