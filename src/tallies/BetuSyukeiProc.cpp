#include "BetuSyukeiProc.h"

#include "KarteMaisuProc.h"
#include "SyukeiList.h"

#include "common/SharedUtil.h"

#include <QHash>

namespace {

struct Member
{
    QString name;
    QString code;
    int sheets = 0;
    int charts = 0;
    qint64 fee = 0;
    QString teisyutu;
};

QString sheetText(int sheets, int charts)
{
    return QString::number(sheets) + QLatin1Char(':') + QString::number(charts);
}

} // namespace

QList<QStringList> BetuSyukeiProc::rows(const QList<QStringList>& listRows, int perSheet)
{
    QList<Member> members;
    QHash<QString, int> index;
    QHash<QString, int> namesakes;
    for (const QStringList& row : listRows) {
        const QString name = SharedUtil::Trim(row.value(SyukeiList::Name));
        const QString code = SharedUtil::Trim(row.value(SyukeiList::Code));
        const QString key = name + QLatin1Char('\'') + code;
        if (!index.contains(key)) {
            index.insert(key, int(members.size()));
            members.append(Member{name, code});
            ++namesakes[name];
        }
        Member& m = members[index.value(key)];
        m.sheets += KarteMaisuProc::sheets(row.value(SyukeiList::Kaisu), perSheet);
        m.charts += 1;
        m.fee += SyukeiList::feeYen(row.value(SyukeiList::Fee));
        m.teisyutu = row.value(SyukeiList::Teisyutu);
    }
    QList<QStringList> out;
    int sheets = 0;
    int charts = 0;
    qint64 fee = 0;
    for (qsizetype i = 0; i < members.size(); ++i) {
        const Member& m = members.at(i);
        const QString shown = namesakes.value(m.name) > 1 ? m.name + QStringLiteral("（") + m.code + QStringLiteral("）")
                                                         : m.name;
        out.append({QString::number(i + 1), shown, sheetText(m.sheets, m.charts), SyukeiList::feeText(m.fee),
                    m.teisyutu});
        sheets += m.sheets;
        charts += m.charts;
        fee += m.fee;
    }
    out.append({QStringLiteral("計"), QString(), sheetText(sheets, charts), SyukeiList::feeText(fee), QString()});
    return out;
}
