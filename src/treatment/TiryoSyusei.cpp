#include "TiryoSyusei.h"

#include "common/ValueReader.h"

#include <QRegularExpression>

TiryoSyusei::Click TiryoSyusei::click(Ken ken, int column)
{
    if (!TiryoLine::isMiyazaki(ken))
        return column >= 5 && column <= 7 ? Click::Manual : Click::Panel;
    if (column <= 1)
        return Click::Panel;
    return column >= 7 ? Click::Manual : Click::Code;
}

std::optional<QString> TiryoSyusei::bpointValue(const QString& bpointOut, QString* message)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(([0-9]{1,3}(,[0-9]{3})+|[0-9]+)(\\.[0-9]*)?|\\.[0-9]+)$"));
    const QString text = bpointOut.trimmed();
    if (number.match(text).hasMatch())
        return QString(text).remove(QLatin1Char(','));
    if (message)
        *message = QStringLiteral("数値を入力してください。");
    return std::nullopt;
}

TiryoLine TiryoSyusei::miyazakiKubun(const TiryoLine& old, const QStringList& out, const QString& kubun)
{
    const auto at = [&out](int i) { return ValueReader::at(out, i); };
    TiryoLine line;
    line.setText(TiryoLine::Bunrui, kubun);
    const QStringList meisyo = at(6).split(QLatin1Char(':'));
    if (kubun == QStringLiteral("再診") || kubun == QStringLiteral("往診")) {
        const bool ousin = kubun == QStringLiteral("往診");
        line.setText(TiryoLine::Naiyou, ousin ? at(3) + QStringLiteral("km") : at(6));
        line.setText(TiryoLine::Kikaku, ousin ? at(6) : QString());
        line.setText(TiryoLine::SinryoCode, at(4));
        line.setText(TiryoLine::MiyazakiYakka, old.text(TiryoLine::MiyazakiYakka));
        line.setText(TiryoLine::MiyazakiBTen, old.text(TiryoLine::MiyazakiBTen));
        return line;
    }
    if (kubun == QStringLiteral("注射") || kubun == QStringLiteral("薬治") || kubun == QStringLiteral("文書")) {
        if (kubun == QStringLiteral("注射") && at(6).contains(QLatin1Char(':')))
            line.setText(TiryoLine::Bunrui, meisyo.at(0));
        line.setText(TiryoLine::Naiyou, at(1));
        line.setText(TiryoLine::Kikaku, at(2) + at(3));
        line.setText(TiryoLine::Suuryou, at(7));
        line.setText(TiryoLine::SinryoCode, at(8) == QStringLiteral("1") ? QString() : at(4));
        line.setText(TiryoLine::YakuhinCode, at(0));
        return line;
    }
    line.setText(TiryoLine::Naiyou, meisyo.at(0));
    line.setText(TiryoLine::Kikaku, meisyo.value(1));
    line.setText(TiryoLine::SinryoCode, at(4));
    return line;
}

std::optional<TiryoLine> TiryoSyusei::miyazakiCode(const TiryoLine& old, const QStringList& tyusyaOut)
{
    static const QStringList kubunList{
        QStringLiteral("再診"), QStringLiteral("往診"), QStringLiteral("注射"), QStringLiteral("薬治"),
        QStringLiteral("文書"), QStringLiteral("検査"), QStringLiteral("処置"), QStringLiteral("指導"),
        QStringLiteral("手術"), QStringLiteral("入院")};
    if (ValueReader::at(tyusyaOut, 0) == QStringLiteral("non"))
        return std::nullopt;
    const QString kubun = ValueReader::at(tyusyaOut, 5);
    if (!kubunList.contains(kubun))
        return std::nullopt;
    return miyazakiKubun(old, tyusyaOut, kubun);
}
