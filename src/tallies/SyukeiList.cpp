#include "SyukeiList.h"

#include "KarteTyusyutuProc.h"

#include "common/SharedUtil.h"
#include "common/ValueReader.h"

#include <cmath>
#include <cstdlib>

namespace {

QString gunmaName(QString name)
{
    if (name.contains(QLatin1Char('(')))
        return name;
    name.remove(QLatin1Char(' '));
    name.remove(QChar(0x3000));
    return name;
}

} // namespace

SyukeiList SyukeiList::build(const QList<QStringList>& lines, const Rules& rules)
{
    SyukeiList list;
    for (QStringList values : lines) {
        while (values.size() < KarteTyusyutuProc::LineValues)
            values.append(QString());
        if (rules.gunma) {
            values[1] = gunmaName(values.at(1));
            if (rules.tikuOverride)
                if (const std::optional<QString> tiku = rules.tikuOverride(SharedUtil::Trim(values.at(2))))
                    values[0] = *tiku;
        }
        QStringList row{QString::number(list.rows.size() + 1)};
        for (int v = 0; v < KarteTyusyutuProc::LineValues; ++v)
            row.append(SharedUtil::Trim(values.at(v)));
        list.rows.append(row);
    }
    return list;
}

SyukeiList SyukeiList::build(const QList<QStringList>& lines)
{
    return build(lines, Rules());
}

void SyukeiList::renumber()
{
    for (qsizetype r = 0; r < rows.size(); ++r)
        rows[r][Number] = QString::number(r + 1);
}

qint64 SyukeiList::feeYen(const QString& text)
{
    QString plain = text;
    plain.remove(QLatin1Char(','));
    return std::llround(ValueReader::leadingNumber(plain));
}

QString SyukeiList::yakkaText(double sum)
{
    return QString::number(sum, 'f', 1);
}

QString SyukeiList::feeText(qint64 yen)
{
    if (yen == 0)
        return QString();
    QString digits = QString::number(std::llabs(yen));
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return yen < 0 ? QLatin1Char('-') + digits : digits;
}

QStringList SyukeiList::totals() const
{
    double yakka = 0;
    qint64 fee = 0;
    for (const QStringList& row : rows) {
        yakka += ValueReader::leadingNumber(row.value(Yakka));
        fee += feeYen(row.value(Fee));
    }
    QStringList out(ColCount);
    out[Tenki] = QStringLiteral("合計");
    out[Yakka] = yakkaText(yakka);
    out[Fee] = feeText(fee);
    return out;
}
