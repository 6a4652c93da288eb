#include "BunbenInfoText.h"

#include "common/SharedUtil.h"

namespace {
const QString Crlf = QStringLiteral("\r\n");
}

QString BunbenInfoText::remark(const QString& value, QString* situation)
{
    const qsizetype at = value.indexOf(QLatin1Char('['));
    *situation = at < 0 ? value : value.left(at);
    if (at < 0)
        return QString();
    const qsizetype end = value.indexOf(QLatin1Char(']'), at + 1);
    return end < 0 ? value.mid(at + 1) : value.mid(at + 1, end - at - 1);
}

QString BunbenInfoText::clean(const QString& value)
{
    QString out = value;
    out.replace(QStringLiteral("】"), QStringLiteral(")"));
    out.replace(QStringLiteral("【"), QStringLiteral("("));
    out.replace(QLatin1Char('['), QLatin1Char('('));
    out.replace(QLatin1Char(']'), QLatin1Char(')'));
    out.replace(QLatin1Char(':'), QStringLiteral("："));
    return out;
}

QString BunbenInfoText::text() const
{
    QString out = QStringLiteral("【産数】") + clean(Sansu) + QStringLiteral(" 【子牛】") + KoUsi + Crlf
                  + QStringLiteral("【元気】") + Genki + QStringLiteral(" 【食欲】") + Syoku + Crlf
                  + QStringLiteral("【品種】") + Hinsyu + QStringLiteral(" 【比重】") + Syonyu + Crlf
                  + QStringLiteral("【状況】") + Jyoho + Crlf
                  + QLatin1Char('[') + clean(Bikou) + QLatin1Char(']');
    if (Futago)
        out += QLatin1Char(':') + Crlf + QStringLiteral("【双子】") + KoUsi2 + Crlf + QStringLiteral("【元気】") + Genki2
               + QStringLiteral(" 【食欲】") + Syoku2;
    return out;
}

QStringList BunbenInfoText::pieces(const QString& text)
{
    return text.split(QStringLiteral("【"));
}

QString BunbenInfoText::pieceValue(const QString& piece)
{
    const QStringList parts = piece.split(QStringLiteral("】"));
    return parts.value(1);
}

BunbenInfoText BunbenInfoText::read(const QString& stored, const BunbenInfoText& start)
{
    BunbenInfoText out = start;
    if (stored.isEmpty())
        return out;
    QString text = stored;
    text.remove(QLatin1Char('\t'));
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    const QStringList halves = text.split(QLatin1Char(':'));
    const QStringList main = pieces(halves.at(0));
    if (main.size() < 2) {
        out.Sansu = QStringLiteral("1");
        out.Bikou.clear();
        return out;
    }
    QString* const fields[] = {&out.Sansu, &out.KoUsi, &out.Genki, &out.Syoku, &out.Hinsyu, &out.Syonyu};
    for (int k = 1; k <= 6 && k < main.size(); ++k)
        *fields[k - 1] = SharedUtil::Trim(pieceValue(main.at(k)));
    if (main.size() > 7) {
        QString situation;
        const QString bikou = remark(pieceValue(main.at(7)), &situation);
        out.Jyoho = SharedUtil::Trim(situation);
        if (!bikou.isEmpty())
            out.Bikou = bikou;
    }
    const QStringList twin = halves.size() == 2 ? pieces(halves.at(1)) : QStringList();
    if (twin.size() >= 2) {
        QString* const twinFields[] = {&out.KoUsi2, &out.Genki2, &out.Syoku2};
        for (int k = 1; k <= 3 && k < twin.size(); ++k)
            *twinFields[k - 1] = SharedUtil::Trim(pieceValue(twin.at(k)));
        out.Futago = true;
    }
    return out;
}

BunbenInfoText BunbenInfoText::read(const QString& stored)
{
    return read(stored, BunbenInfoText());
}
