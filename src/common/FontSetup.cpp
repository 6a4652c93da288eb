#include "FontSetup.h"

#include <QFontMetricsF>
#include <QImage>

namespace {

// A paint device of 1440 dots per inch: its pixels are twips.
const QImage& twipDevice()
{
    static const QImage image = [] {
        QImage img(1, 1, QImage::Format_Mono);
        const int dotsPerMeter = qRound(1440.0 / 0.0254);
        img.setDotsPerMeterX(dotsPerMeter);
        img.setDotsPerMeterY(dotsPerMeter);
        return img;
    }();
    return image;
}

QFontMetricsF twipMetrics(const QString& name, double points, bool bold, bool italic)
{
    return QFontMetricsF(FontSetup::font(name, points, bold, italic), &twipDevice());
}

} // namespace

void FontSetup::install()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), {QStringLiteral("IPAPGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), {QStringLiteral("IPAMincho")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"), {QStringLiteral("IPAPMincho")});
}

QFont FontSetup::font(const QString& name, double points, bool bold, bool italic)
{
    QFont f(name);
    f.setPointSizeF(points > 0 ? points : 1);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont FontSetup::screenFont()
{
    return font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
}

QFont FontSetup::gridFont()
{
    return font(QStringLiteral("ＭＳ ゴシック"), 9);
}

double FontSetup::textWidthTwips(const QString& name, double points, bool bold, bool italic,
                                 const QString& text)
{
    return twipMetrics(name, points, bold, italic).horizontalAdvance(text);
}

double FontSetup::lineHeightTwips(const QString& name, double points, bool bold, bool italic)
{
    return twipMetrics(name, points, bold, italic).height();
}

double FontSetup::ascentTwips(const QString& name, double points, bool bold, bool italic)
{
    return twipMetrics(name, points, bold, italic).ascent();
}
