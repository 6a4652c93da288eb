#include "KenanData.h"

#include "common/SharedUtil.h"

namespace {
QString flag(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

bool isTrue(const QString& text)
{
    return text == QLatin1String("True");
}
} // namespace

QStringList KenanData::lines() const
{
    QStringList out;
    for (const QString& info : InfoGd)
        out.append(SharedUtil::KaigyoDelProc(info));
    out.append(flag(sihai == Si) + QLatin1Char(':') + flag(bunrui == Kenan));
    out.append(flag(sihai == Hou) + QLatin1Char(':') + flag(bunrui == Sindan));
    out.append(flag(sihai == Hai) + QLatin1Char(':') + HaiyoTxt);
    for (const QString& text : K_InpText)
        out.append(SharedUtil::KaigyoDelProc(text));
    for (const QString& text : InfoTx)
        out.append(SharedUtil::KaigyoDelProc(text));
    out.append(QStringLiteral("end"));
    return out;
}

KenanData KenanData::fromLines(const QStringList& lines)
{
    KenanData d;
    for (int i = 0; i < 3; ++i)
        d.InfoGd[i] = lines.value(i);
    // The option lines in file order: each "True" selects its option, as the buttons did.
    for (int i = 0; i < 3; ++i) {
        const QString line = lines.value(3 + i);
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        const QString first = colon < 0 ? line : line.left(colon);
        if (isTrue(first))
            d.sihai = i;
        if (colon < 0)
            continue;
        const QString rest = line.mid(colon + 1);
        if (i == 2)
            d.HaiyoTxt = rest;
        else if (isTrue(rest))
            d.bunrui = i == 0 ? Kenan : Sindan;
    }
    for (int i = 0; i < InpCount; ++i)
        d.K_InpText[i] = lines.value(6 + i);
    for (int i = 0; i < TxCount; ++i)
        d.InfoTx[i] = lines.value(6 + InpCount + i);
    return d;
}
