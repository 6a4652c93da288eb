#include "TiryoboEntryCmd.h"

#include "TiryoboRow.h"
#include "treatment/TensuText.h"
#include "treatment/TiryoLine.h"

#include "common/ValueReader.h"

namespace {
bool sentinel(const QString& result, const char* word)
{
    return result.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}
}

void TiryoboEntryCmd::ousin(TiryoboRow& row, const QStringList& ousinOut)
{
    if (ValueReader::at(ousinOut, 0).isEmpty())
        return;
    TiryoLine line = TiryoLine::ousin(ousinOut, QString());
    if (line.text(TiryoLine::Naiyou) == QStringLiteral("同時診療")) {
        line = TiryoLine();
        line.setText(TiryoLine::Bunrui, QStringLiteral("同時診療"));
    }
    row.setTiryoLine(line);
}

void TiryoboEntryCmd::tyusya(TiryoboRow& row, const QStringList& tyusyaOut)
{
    if (!ValueReader::at(tyusyaOut, 0).isEmpty())
        row.setTiryoLine(TiryoLine::tyusya(tyusyaOut, Ken::Ibaraki, false, false));
}

TiryoboNotice TiryoboEntryCmd::yakuji(TiryoboRow& row, const QStringList& yakujiOut)
{
    const QString name = ValueReader::at(yakujiOut, 0);
    if (name.isEmpty())
        return std::nullopt;
    TiryoLine line = TiryoLine::yakuji(yakujiOut);
    const bool unitsDiffer = ValueReader::at(yakujiOut, 11) != ValueReader::at(yakujiOut, 12);
    TiryoboNotice notice;
    if (unitsDiffer && TensuText::value(ValueReader::at(yakujiOut, 12)) == 0) {
        line.setText(TiryoLine::Yakka, QString());
        notice = TiryoboMessage{name + QStringLiteral(" は基準数量が0か数値でないため、薬価を計算できません。")};
    }
    row.setTiryoLine(line);
    return notice;
}

void TiryoboEntryCmd::sinryo(TiryoboRow& row, const QStringList& sinryoOut, const QString& bunrui)
{
    if (!ValueReader::at(sinryoOut, 0).isEmpty())
        row.setTiryoLine(TiryoLine::sinryo(sinryoOut, bunrui, Ken::Ibaraki));
}

TiryoboEntryCmd::BunsyoRule TiryoboEntryCmd::bunsyoRule(Ken ken)
{
    switch (ken) {
    case Ken::Ibaraki:
    case Ken::Saga:
    case Ken::Tottori: return BunsyoRule::Refuse;
    case Ken::Miyazaki: return BunsyoRule::Silent;
    default: return BunsyoRule::Open;
    }
}

TiryoboMessage TiryoboEntryCmd::bunsyoMessage()
{
    return TiryoboMessage{QStringLiteral("文書料はカルテで入力してください。")};
}

void TiryoboEntryCmd::saisin(TiryoboRow& row)
{
    TiryoLine line;
    line.setText(TiryoLine::Bunrui, QStringLiteral("再診"));
    line.setText(TiryoLine::BTen, QStringLiteral("55"));
    line.setText(TiryoLine::ATen, QStringLiteral("7"));
    row.setTiryoLine(line);
}

QString TiryoboEntryCmd::plTestIn(const TiryoboRow& row, bool farmGroup)
{
    if (farmGroup && row.at(TiryoboRow::Bunrui) == QStringLiteral("PLテスト結果"))
        return row.at(TiryoboRow::Naiyou);
    return QString();
}

void TiryoboEntryCmd::plTest(TiryoboRow& row, const QString& plTestOut)
{
    if (!plTestOut.isEmpty())
        row.setTiryoLine(TiryoLine::plTest(TiryoLine(), plTestOut));
}

void TiryoboEntryCmd::byoMei(TiryoboRow& row, const QString& byoName, const QString& byoCode)
{
    if (byoName == QStringLiteral("del"))
        row.set(TiryoboRow::ByoMei, QString());
    else if (!byoName.isEmpty())
        row.set(TiryoboRow::ByoMei, byoName + QLatin1Char(':') + byoCode);
}

QStringList TiryoboEntryCmd::syoken(TiryoboRow& row, const std::array<QString, 9>& syokenText)
{
    QStringList items;
    QString text;
    for (int i = 0; i < 8; ++i) {
        if (syokenText.at(i).isEmpty())
            continue;
        items.append(syokenText.at(i));
        text += syokenText.at(i) + QLatin1Char(':');
    }
    row.set(TiryoboRow::Syoken, text);
    return items;
}

QString TiryoboEntryCmd::pict2In(const TiryoboRow& row)
{
    const QString& code = row.at(TiryoboRow::Pict2);
    return code.isEmpty() ? QStringLiteral("::::") : code;
}

QString TiryoboEntryCmd::bunbenIn(const TiryoboRow& row)
{
    QString text = row.at(TiryoboRow::Bunben);
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\t"));
}

void TiryoboEntryCmd::bunben(TiryoboRow& row, const QString& result)
{
    if (sentinel(result, "non"))
        return;
    row.set(TiryoboRow::Bunben, sentinel(result, "del") ? QString() : result);
}

void TiryoboEntryCmd::taion(TiryoboRow& row, const QString& result)
{
    if (!sentinel(result, "non"))
        row.set(TiryoboRow::Taion, result);
}

void TiryoboEntryCmd::syochiGai(TiryoboRow& row, const QString& result)
{
    if (!result.isEmpty())
        row.set(TiryoboRow::SyochiGai, result);
}
