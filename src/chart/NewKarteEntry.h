#pragma once

#include "common/Ken.h"

#include <QString>
#include <QStringList>

struct NoukaInfo;
struct TourokuCheck;

// The new-chart dialog's rules: the species captions of the prefecture, the checks of "OK" in
// their order, and the chart's name and two header lines (14 fields each).
class NewKarteEntry
{
public:
    static constexpr int SyuruiCount = 16;

    struct Input
    {
        QString Mimiban;       // inpTx(0): ear tag, in 鹿児島県 the animal's number
        QString Meigou;        // inpTx(1)
        QString KotaiBangou;   // inpTx(2), where it is shown
        bool Kousi = false;    // 子牛: a calf kept under its dam's tag
        QString Syurui;
        QString Seibetu;
        QString Kyosai;
        QString BirthDay;
        QString Keiro;
        QString Tokutyo;
    };

    // The sixteen species captions ("-" where an option is hidden) and how many show.
    static QStringList syuruiCaptions(Ken ken);
    static int syuruiShown(Ken ken);
    static bool kotaiBangouShown(Ken ken);

    // The checks of "OK" before the kind is asked: farmer, ear-tag length, apostrophes, then the
    // characters a file name cannot hold.
    static TourokuCheck check(const Input& input, const QString& noukaCode, Ken ken);
    // An ear tag that becomes part of a file name: "使用できない文字 … が入力されています。" for a
    // character a file name cannot hold or a control character.
    static TourokuCheck mimibanCheck(const QString& mimiban);
    static QString existsText() { return QStringLiteral("この耳標番号のカルテはあります。番号を確認してください。"); }

    static QString fileName(const QString& nendo, const QString& noukaCode, const QString& mimiban, bool kousi);
    static QString noukaLine(const NoukaInfo& nouka);
    static QString kotaiLine(const Input& input, const QString& nendo, const QString& noukaCode);
};
