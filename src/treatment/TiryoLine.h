#pragma once

#include "common/Ken.h"
#include "common/SiteProfile.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// One treatment line of an examination: the eight cells of a treatment grid row (columns 1 to
// 8), stored as fields 3 to 10 of an examination line. Columns 5 to 8 mean other things in
// 宮崎県 installations; a chart does not say which layout wrote it, the installation does.
class TiryoLine
{
public:
    enum Column {
        Bunrui = 1,          // category
        Naiyou = 2,          // content or registered drug name
        Kikaku = 3,          // standard or application
        Suuryou = 4,         // quantity
        Yakka = 5,           // drug price of the line in yen
        BTen = 6,            // B points
        ATen = 7,            // A points
        Utiwake = 8,         // hidden points breakdown: base B･base A･surcharge B･surcharge A
        SinryoCode = 5,      // 宮崎県: fee code
        YakuhinCode = 6,     // 宮崎県: drug code
        MiyazakiYakka = 7,   // 宮崎県: unit price of the drug in yen
        MiyazakiBTen = 8,    // 宮崎県: B points
    };
    static constexpr int ColumnCount = 8;

    TiryoLine() = default;
    explicit TiryoLine(const QStringList& cells);

    const QString& text(int column) const { return cells_.at(column - 1); }
    void setText(int column, const QString& value) { cells_.at(column - 1) = value; }
    QStringList cells() const;

    // Empty: columns 1 to 8 empty. Occupied: column 1 not empty (what the row commands test).
    bool isEmpty() const;
    bool occupied() const { return !text(Bunrui).isEmpty(); }

    static bool isMiyazaki(Ken ken);
    // The column of the drug price and of the B points in the installation's layout.
    static int yakkaColumn(bool miyazaki) { return miyazaki ? MiyazakiYakka : Yakka; }
    static int bTenColumn(bool miyazaki) { return miyazaki ? MiyazakiBTen : BTen; }

    // The place of departure a house-call line carries: the shared TakukaraOut where the
    // installation writes it (鹿児島県, the Ibaraki clinic of the site switch "ShowTakukara"),
    // else none.
    static bool takukaraWritten(Ken ken, const SiteProfile& site);
    static QString takukaraText(Ken ken, const SiteProfile& site, const QString& takukaraOut);

    // Lines from the entry dialogs' results (the hand-over arrays as the dialogs fill them).
    // House call: OusinOut; takukara is the place of departure where the installation writes
    // it (鹿児島県, the Ibaraki clinic), else empty.
    static TiryoLine ousin(const QStringList& ousinOut, const QString& takukara);
    // Injection: TyusyaOut. In 鳥取県 the surcharges are appended to the standard unless
    // plainIv (the site that leaves intravenous injections plain) and the method is
    // 静脈内注射; withJyouken appends the surcharge conditions text after them.
    static TiryoLine tyusya(const QStringList& tyusyaOut, Ken ken, bool plainIv, bool withJyouken);
    // Drug treatment: YakujiOut.
    static TiryoLine yakuji(const QStringList& yakujiOut);
    // Treatment code of the category bunrui: SinryoOut.
    static TiryoLine sinryo(const QStringList& sinryoOut, const QString& bunrui, Ken ken);
    // PL test result and a free entry outside the fee tables keep the breakdown of the old line.
    static TiryoLine plTest(const TiryoLine& old, const QString& result);
    static TiryoLine tensuGai(const TiryoLine& old, const QString& text);

    // 宮崎県: house call (OusinOut of the Miyazaki dialog), injection or drug treatment and
    // treatment code (TyusyaOut of the Miyazaki entry dialog).
    static TiryoLine miyazakiOusin(const QStringList& ousinOut);
    static TiryoLine miyazakiTyusya(const QStringList& tyusyaOut);
    static TiryoLine miyazakiSinryo(const QStringList& tyusyaOut, const QString& bunrui);
    // 宮崎県: the line old rewritten from the codes typed in the code entry (TyusyaOut of the code
    // dialog); none when it was closed ("non") or its category writes no line.
    static std::optional<TiryoLine> miyazakiCode(const TiryoLine& old, const QStringList& tyusyaOut);

    // The price text of a quantity at a unit price: computed in double, stored through a
    // single-precision number (2.5 x 60 gives "150", 3 x 37.4 gives "112.2").
    static QString yakkaText(double yen);

    bool operator==(const TiryoLine& other) const { return cells_ == other.cells_; }

private:
    std::array<QString, ColumnCount> cells_;

    static QString houhou(const QString& method);
    // B total (7), A total (8) and the breakdown (3 to 6) of an entry dialog's result.
    void setTensu(const QStringList& out);
    static TiryoLine freeLine(const TiryoLine& old, const QString& bunrui, const QString& naiyou);
};
