#pragma once

#include <QFont>
#include <QString>

// The Windows font names the forms ask for ("ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝", "ＭＳ Ｐ明朝")
// mapped to the IPA fonts, so that screens, measurements and prints agree on every machine.
class FontSetup
{
public:
    static void install();
    static QFont screenFont();  // "ＭＳ Ｐゴシック" 9 pt
    static QFont gridFont();    // "ＭＳ ゴシック" 9 pt
    static QFont font(const QString& name, double points, bool bold = false, bool italic = false);

    // Measurements in twips (1/1440 inch), independent of any screen.
    static double textWidthTwips(const QString& name, double points, bool bold, bool italic,
                                 const QString& text);
    static double lineHeightTwips(const QString& name, double points, bool bold, bool italic);
    static double ascentTwips(const QString& name, double points, bool bold, bool italic);
};
