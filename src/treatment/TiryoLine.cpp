#include "TiryoLine.h"

#include "TensuText.h"
#include "common/ValueReader.h"

namespace {
QString at(const QStringList& out, int index)
{
    return ValueReader::at(out, index);
}
}

TiryoLine::TiryoLine(const QStringList& cells)
{
    for (int c = 1; c <= ColumnCount; ++c)
        setText(c, cells.value(c - 1));
}

QStringList TiryoLine::cells() const
{
    return QStringList(cells_.begin(), cells_.end());
}

bool TiryoLine::isEmpty() const
{
    for (const QString& cell : cells_) {
        if (!cell.isEmpty())
            return false;
    }
    return true;
}

bool TiryoLine::isMiyazaki(Ken ken)
{
    return ken == Ken::Miyazaki;
}

bool TiryoLine::takukaraWritten(Ken ken, const SiteProfile& site)
{
    return ken == Ken::Kagoshima || (ken == Ken::Ibaraki && site.has(QStringLiteral("ShowTakukara")));
}

QString TiryoLine::takukaraText(Ken ken, const SiteProfile& site, const QString& takukaraOut)
{
    return takukaraWritten(ken, site) ? takukaraOut : QString();
}

QString TiryoLine::yakkaText(double yen)
{
    return TensuText::number(float(yen));
}

QString TiryoLine::houhou(const QString& method)
{
    return method == QStringLiteral("無") ? QStringLiteral("診療点数無") : method;
}

void TiryoLine::setTensu(const QStringList& out)
{
    const QString dot = QStringLiteral("･");
    setText(BTen, at(out, 7));
    setText(ATen, at(out, 8));
    setText(Utiwake, at(out, 3) + dot + at(out, 4) + dot + at(out, 5) + dot + at(out, 6));
}

TiryoLine TiryoLine::ousin(const QStringList& ousinOut, const QString& takukara)
{
    TiryoLine line;
    const QString kubun = at(ousinOut, 0);
    if (kubun == QStringLiteral("滞在診") || kubun == QStringLiteral("立会診")) {
        line.setText(Bunrui, kubun);
        line.setText(BTen, at(ousinOut, 3));
        line.setText(ATen, at(ousinOut, 4));
        return line;
    }
    line.setText(Bunrui, QStringLiteral("往診"));
    if (TensuText::value(at(ousinOut, 1)) == 0) {
        line.setText(Naiyou, QStringLiteral("同時診療"));
        return line;
    }
    QString kyori = at(ousinOut, 1) + QStringLiteral("km");
    if (!takukara.isEmpty())
        kyori += QStringLiteral("：") + takukara + QStringLiteral("宅より");
    line.setText(Naiyou, kyori);
    line.setText(Kikaku, kubun + QLatin1Char(':') + at(ousinOut, 2));
    line.setText(BTen, at(ousinOut, 3));
    line.setText(ATen, at(ousinOut, 4));
    return line;
}

TiryoLine TiryoLine::tyusya(const QStringList& tyusyaOut, Ken ken, bool plainIv, bool withJyouken)
{
    TiryoLine line;
    const QString method = at(tyusyaOut, 9);
    const QString jyouken = at(tyusyaOut, 11);
    line.setText(Bunrui, houhou(method));
    line.setText(Naiyou, at(tyusyaOut, 0));
    line.setText(Kikaku, at(tyusyaOut, 1));
    line.setText(Suuryou, at(tyusyaOut, 10));
    line.setText(Yakka, yakkaText(TensuText::value(at(tyusyaOut, 10)) * TensuText::value(at(tyusyaOut, 2))));
    line.setTensu(tyusyaOut);
    if (ken == Ken::Tottori) {
        if (!(plainIv && method == QStringLiteral("静脈内注射"))) {
            if (at(tyusyaOut, 5) != QStringLiteral("0"))
                line.setText(Kikaku, line.text(Kikaku) + QStringLiteral("増点B=") + at(tyusyaOut, 5));
            if (at(tyusyaOut, 6) != QStringLiteral("0"))
                line.setText(Kikaku, line.text(Kikaku) + QStringLiteral("増点A=") + at(tyusyaOut, 6));
        }
        if (withJyouken && !jyouken.isEmpty())
            line.setText(Kikaku, line.text(Kikaku) + jyouken);
    } else if (ken == Ken::Gunma) {
        if (!jyouken.isEmpty())
            line.setText(Kikaku, at(tyusyaOut, 1) + QLatin1Char(':') + jyouken);
    } else if (ken == Ken::Okinawa) {
        if (jyouken.contains(QStringLiteral("動脈内注射")))
            line.setText(Bunrui, QStringLiteral("動脈内注射"));
    }
    return line;
}

TiryoLine TiryoLine::yakuji(const QStringList& yakujiOut)
{
    TiryoLine line;
    line.setText(Bunrui, houhou(at(yakujiOut, 9)));
    line.setText(Naiyou, at(yakujiOut, 0));
    line.setText(Suuryou, at(yakujiOut, 10));
    const double tanka = TensuText::value(at(yakujiOut, 2));
    const double suuryou = TensuText::value(at(yakujiOut, 10));
    const QString syohoTani = at(yakujiOut, 11);
    const QString kijyun = at(yakujiOut, 12);
    if (syohoTani != kijyun) {
        line.setText(Kikaku, at(yakujiOut, 1) + QStringLiteral("(処方単位:") + syohoTani + at(yakujiOut, 13)
                                 + QLatin1Char(')'));
        const double base = TensuText::value(kijyun);
        line.setText(Yakka, yakkaText(base == 0 ? 0 : tanka * (TensuText::value(syohoTani) / base) * suuryou));
    } else {
        line.setText(Kikaku, at(yakujiOut, 1));
        line.setText(Yakka, yakkaText(tanka * suuryou));
    }
    line.setTensu(yakujiOut);
    return line;
}

TiryoLine TiryoLine::sinryo(const QStringList& sinryoOut, const QString& bunrui, Ken ken)
{
    TiryoLine line;
    line.setText(Bunrui, bunrui);
    line.setText(Naiyou, at(sinryoOut, 0));
    const bool gunma = ken == Ken::Gunma;
    const QString zoutenB = at(sinryoOut, 5);
    const QString zoutenA = at(sinryoOut, 6);
    if (!gunma && (zoutenB != QStringLiteral("0") || zoutenA != QStringLiteral("0")))
        line.setText(Kikaku, QStringLiteral("増点 B=") + zoutenB + QStringLiteral("A=") + zoutenA);
    if (gunma && !at(sinryoOut, 9).isEmpty())
        line.setText(Kikaku, at(sinryoOut, 9));
    line.setTensu(sinryoOut);
    return line;
}

TiryoLine TiryoLine::freeLine(const TiryoLine& old, const QString& bunrui, const QString& naiyou)
{
    TiryoLine line;
    line.setText(Bunrui, bunrui);
    line.setText(Naiyou, naiyou);
    line.setText(Utiwake, old.text(Utiwake));
    return line;
}

TiryoLine TiryoLine::plTest(const TiryoLine& old, const QString& result)
{
    return freeLine(old, QStringLiteral("PLテスト結果"), result);
}

TiryoLine TiryoLine::tensuGai(const TiryoLine& old, const QString& text)
{
    return freeLine(old, QStringLiteral("点数外入力"), text);
}

TiryoLine TiryoLine::miyazakiOusin(const QStringList& ousinOut)
{
    TiryoLine line;
    const QString kind = at(ousinOut, 3);
    if (kind != QStringLiteral("一般")) {
        line.setText(Bunrui, kind);
        line.setText(SinryoCode, at(ousinOut, 2));
        return line;
    }
    line.setText(Bunrui, QStringLiteral("往診"));
    if (TensuText::value(at(ousinOut, 1)) == 0) {
        line.setText(Naiyou, QStringLiteral("同時診療"));
        return line;
    }
    line.setText(Naiyou, at(ousinOut, 1) + QStringLiteral("km"));
    line.setText(Kikaku, at(ousinOut, 0));
    line.setText(SinryoCode, at(ousinOut, 2));
    return line;
}

TiryoLine TiryoLine::miyazakiTyusya(const QStringList& tyusyaOut)
{
    TiryoLine line;
    const QString kubun = at(tyusyaOut, 5);
    line.setText(Bunrui, kubun);
    line.setText(Naiyou, at(tyusyaOut, 1));
    if (!(at(tyusyaOut, 6).isEmpty() && !kubun.isEmpty()))
        line.setText(Kikaku, at(tyusyaOut, 2) + at(tyusyaOut, 3));
    line.setText(Suuryou, at(tyusyaOut, 7));
    line.setText(SinryoCode, at(tyusyaOut, 4));
    line.setText(YakuhinCode, at(tyusyaOut, 0));
    return line;
}

TiryoLine TiryoLine::miyazakiSinryo(const QStringList& tyusyaOut, const QString& bunrui)
{
    TiryoLine line;
    line.setText(Bunrui, bunrui);
    line.setText(Naiyou, at(tyusyaOut, 1));
    line.setText(Kikaku, at(tyusyaOut, 2));
    line.setText(SinryoCode, at(tyusyaOut, 0));
    return line;
}

std::optional<TiryoLine> TiryoLine::miyazakiCode(const TiryoLine& old, const QStringList& out)
{
    if (at(out, 0) == QStringLiteral("non"))
        return std::nullopt;
    const QString kubun = at(out, 5);
    const QString naiyou = at(out, 6);
    TiryoLine line = old;
    line.setText(Bunrui, kubun);
    line.setText(Suuryou, QString());
    line.setText(SinryoCode, at(out, 4));
    line.setText(YakuhinCode, QString());
    if (kubun == QStringLiteral("再診") || kubun == QStringLiteral("往診")) {
        // The unit price and B cells stay, with any value corrected by hand.
        const bool ousin = kubun == QStringLiteral("往診");
        line.setText(Naiyou, ousin ? at(out, 3) + QStringLiteral("km") : naiyou);
        line.setText(Kikaku, ousin ? naiyou : QString());
        return line;
    }
    line.setText(MiyazakiYakka, QString());
    line.setText(MiyazakiBTen, QString());
    if (kubun == QStringLiteral("注射") || kubun == QStringLiteral("薬治") || kubun == QStringLiteral("文書")) {
        if (kubun == QStringLiteral("注射") && naiyou.contains(QLatin1Char(':')))
            line.setText(Bunrui, naiyou.section(QLatin1Char(':'), 0, 0));
        line.setText(Naiyou, at(out, 1));
        line.setText(Kikaku, at(out, 2) + at(out, 3));
        line.setText(Suuryou, at(out, 7));
        line.setText(SinryoCode, at(out, 8) == QStringLiteral("1") ? QString() : at(out, 4));
        line.setText(YakuhinCode, at(out, 0));
        return line;
    }
    const QStringList syuhou{QStringLiteral("検査"), QStringLiteral("処置"), QStringLiteral("指導"), QStringLiteral("手術"),
                             QStringLiteral("入院")};
    if (!syuhou.contains(kubun))
        return std::nullopt;
    line.setText(Naiyou, naiyou.section(QLatin1Char(':'), 0, 0));
    line.setText(Kikaku, naiyou.section(QLatin1Char(':'), 1, 1));
    return line;
}
