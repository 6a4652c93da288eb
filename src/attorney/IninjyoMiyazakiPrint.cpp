#include "IninjyoMiyazakiPrint.h"

#include "IninjyoFormRun.h"
#include "IninjyoHelper.h"

#include "common/ByteLenProc.h"
#include "common/PrintDevice.h"
#include "common/ValueReader.h"
#include "print/common/ListPrintRule.h"

namespace {
using R = ListPrintRule;
constexpr int RowsPerPage = 20;
enum Cell { IdCell = 0, ByoCell, SyosinCell, SyusinCell, TenkiCell, HiCell, KyosaiCell };

struct Doc
{
    R& rule;
    const IninjyoPrintData& data;
    const PrintMiyazakiIninnjyoForm::Kioku& opt;
    const IninjyoMiyazakiPrint::Site& site;
    const QString& heading;
    const IninjyoFarmer& farmer;
    QString address;
};

void titlePart(const Doc& d)
{
    R& r = d.rule;
    r.text(QStringLiteral("家畜共済病傷事故共済金代理受領委任状"), 16, 1, R::Centre, 110.5f, 18);
    r.text(d.heading + QStringLiteral("農業共済組合長　殿"), 12, 1, R::Centre, 50, 29);
    r.text(IninjyoMiyazakiPrint::dateLine(d.data.date, d.site.seireki), 11, 1, R::Start, 100, 33);
    r.text(QStringLiteral("住所　："), 11, 1, R::Start, 100, 40);
    r.text(QStringLiteral("氏名　："), 11, 1, R::Start, 100, 56);
    r.text(QStringLiteral(" 印"), 8, 1, R::Start, 165, 56);
    const QString head = QStringLiteral("私は、家畜共済加入家畜の病傷事故に係る共済金の受領を本組合指定獣医師 ");
    const QString line1 = d.site.vetLine2 ? head : head + d.site.vetName + QStringLiteral(" に");
    const QString line2 = d.site.vetLine2 ? d.site.vetName + QStringLiteral("に委任します。") : QStringLiteral("委任します。");
    r.text(line1, 12, 1, R::Start, 23, 64);
    r.text(line2, 12, 1, R::Start, 23, 69);
    r.text(QStringLiteral("なお、当該病傷事故に係る診療費総額及びその内訳は下記のとおりです。"), 12, 1, R::Start, 23, 74);
}

void breakdownHead(const Doc& d)
{
    R& r = d.rule;
    r.line(20, 97, 195, 97, 7);
    r.line(195, 97, 195, 279.75f);
    r.line(195, 279.75f, 20, 279.75f);
    r.line(20, 279.75f, 20, 97);
    r.line(20, 109.75f, 195, 109.75f);
    r.device().setLineWidth(2);
    for (int k = 1; k <= RowsPerPage; ++k)
        r.line(20, 109.75f + 8.5f * float(k), 195, 109.75f + 8.5f * float(k));
    for (const float x : {30.0f, 42.0f, 62.0f, 110.0f, 129.0f, 148.0f, 173.0f})
        r.line(x, 97, x, 279.75f);
    const QList<std::tuple<QString, int, float, float>> headings{
        {"No.", 10, 25, 105.75f},          {"共済目的", 8, 36, 103.75f},   {"の種類", 8, 35, 107.75f},
        {"個体番号又は", 8, 52, 103.75f},  {"個体識別番号", 8, 52, 107.75f}, {"病  傷  名", 10, 83.5f, 105.75f},
        {"初　　診", 10, 120, 103.75f},    {"年 月 日", 10, 120, 107.25f},  {"終　　診", 10, 138.5f, 103.75f},
        {"年 月 日", 10, 138.5f, 107.25f}, {"診療費(円)", 10, 161.5f, 105.75f}, {"備　考", 10, 184, 105.75f},
    };
    for (const auto& [text, size, x, y] : headings)
        r.text(text, size, 1, R::Centre, x, y);
    for (int k = 1; k <= RowsPerPage; ++k)
        r.text(QString::number(k), 10, 1, R::Centre, 25, 116.25f + 8.5f * float(k - 1));
    r.text(QStringLiteral("記"), 10, 1, R::Centre, 100, 81);
    r.text(QStringLiteral("１．診療費総額　   　　　　　金　　　    　  　　　　　　円"), 12, 1, R::Start, 23, 89);
    r.text(QStringLiteral("２．内訳"), 12, 1, R::Start, 23, 95);
    r.line(78, 90, 109, 90, 1);
    r.text(d.address, 11, 1, R::Start, 116, 40);
    if (d.opt.IninjyoNameChOut != 1)
        r.text(d.farmer.name, 12, 1, R::Start, 122, 46);
}

void parts(const Doc& d)
{
    if (d.opt.IninjyoBunruiOpOut == 2)
        titlePart(d);
    breakdownHead(d);
}

// A long cell in the size its byte length asks for, wrapped at its characters per line.
void fitted(R& r, const QString& text, float x, float y, int w)
{
    const int n = ByteLenProc(text);
    const int size = n <= 2 * w ? 10 : n <= 4 * w ? 8 : 7;
    const float first = n <= 2 * w ? y : n <= 4 * w ? y - 1.5f : y - 4.5f;
    const int perLine = n <= 4 * w ? w / 2 : w / 2 + 2;
    r.wrapped(text, size, 1, R::Start, x, perLine, first, 3.0f);
}

void printRow(const Doc& d, const QStringList& row, int n)
{
    R& r = d.rule;
    const float y = 107.75f + 8.5f * float(n);
    r.text(row.at(KyosaiCell), 10, 1, R::Centre, 36, y);
    if (d.opt.IninjyoNbPrintOut == 0)
        r.text(row.at(IdCell), 11, 1, R::Centre, 52, y);
    else
        fitted(r, row.at(IdCell), 43, y, 12);
    const auto date = [&d](const QString& text) {
        return IninjyoHelper::HenkanSeirekiProc2(QString(text).replace(QLatin1Char(','), QLatin1Char('.')), d.site.seireki);
    };
    r.text(date(row.at(SyosinCell)), 10, 1, R::Centre, 121, y);
    r.text(date(row.at(SyusinCell)), 10, 1, R::Centre, 140, y);
    if (d.opt.IninjyoSinryoChOut == 0 && IninjyoFee(row.at(HiCell)) > 0)
        r.text(row.at(HiCell), 11, 1, R::EndBytes, 167, y);
    fitted(r, row.at(ByoCell), 63, y, 26);
}

void amounts(const Doc& d, qint64 total, qint64 pageSum, int page, bool& totalShown)
{
    if (d.opt.IninjyoSinryoChOut == 1)
        return;
    const bool whole = pageSum == total;
    if ((whole || page == 1) && !totalShown) {
        d.rule.text(IninjyoKingaku(total), 14, 1, R::EndBytes, 105, 89);
        totalShown = true;
    }
    if (!whole && pageSum != 0)
        d.rule.text(QStringLiteral("(　内訳計　") + IninjyoKingaku(pageSum) + QStringLiteral("　)"), 12, 1, R::EndBytes, 114,
                    95);
}

void breakdown(const Doc& d, const QList<QStringList>& rows, IninjyoPrintNotes& notes)
{
    int n = 1;
    int page = 1;
    qint64 pageSum = 0;
    bool totalShown = false;
    parts(d);
    qint64 total = 0;
    for (const QStringList& row : rows)
        total += IninjyoFee(row.at(HiCell));
    amounts(d, total, pageSum, page, totalShown);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList& row = rows.at(i);
        if (!row.at(IdCell).isEmpty() && n > RowsPerPage) {
            amounts(d, total, pageSum, page, totalShown);
            n = 1;
            ++page;
            pageSum = 0;
            totalShown = false;
            d.rule.device().newPage();
            parts(d);
        }
        pageSum += IninjyoFee(row.at(HiCell));
        if (row.at(IdCell).isEmpty()) {
            notes.noId.append(IninjyoPrintNotes::rowText(d.farmer.rows.at(i)));
            continue;
        }
        printRow(d, row, n++);
    }
    if (pageSum != 0 && page > 1)
        amounts(d, total, pageSum, page, totalShown);
}
} // namespace

IninjyoMiyazakiPrint::Site IninjyoMiyazakiPrint::Site::of(const SiteProfile& row)
{
    Site site;
    site.kenAllowed = row.text(QStringLiteral("IninjyoKenAllowed")) != QStringLiteral("0");
    site.vetName = row.text(QStringLiteral("IninjyoVetName"));
    site.vetLine2 = row.has(QStringLiteral("IninjyoVetLine2"));
    site.seireki = row.has(QStringLiteral("IninjyoSeireki"));
    const QString fix = row.text(QStringLiteral("NoukaNameFixList"));
    if (!fix.isEmpty())
        for (const QString& pair : fix.split(QLatin1Char(':')))
            if (pair.contains(QLatin1Char('>')))
                site.nameFix.append({pair.section(QLatin1Char('>'), 0, 0), pair.section(QLatin1Char('>'), 1)});
    return site;
}

QString IninjyoMiyazakiPrint::Site::fixName(const QString& name) const
{
    QString fixed = name;
    for (const auto& [variant, correct] : nameFix)
        if (!variant.isEmpty())
            fixed.replace(variant, correct);
    return fixed;
}

QStringList IninjyoMiyazakiPrint::episodeRow(const QStringList& r, int nbPrint)
{
    using L = IninjyoList;
    QString id = r.value(L::MimiCol);
    if (nbPrint == 1) {
        const QString joined = r.value(L::MeigouCol) + QLatin1Char(':') + r.value(L::KotaiCol);
        if (joined != QStringLiteral(":"))
            id = joined;
    }
    return {id, r.value(L::ByoCol), r.value(L::SyosinCol), r.value(L::SyusinCol), r.value(L::TenkiCol),
            r.value(L::HiCol), r.value(L::KyosaiCol)};
}

QString IninjyoMiyazakiPrint::dateLine(const QString& date, bool seireki)
{
    const QStringList p = date.split(QLatin1Char('.'));
    const QString y = p.value(0), m = p.value(1), d = p.value(2);
    if (y.isEmpty())
        return seireki ? QStringLiteral("　　　　年　　　月　　　日") : QStringLiteral("令和　　　年　　　月　　　日");
    const QString tail = QStringLiteral("　年　") + m + QStringLiteral("　月　") + d + QStringLiteral("　日");
    const int year = ValueReader::leadingInt(y);
    if (seireki && year < 20)
        return QStringLiteral("   ") + QString::number(year + 2018) + tail;
    return QStringLiteral("令和　") + y + tail;
}

void IninjyoMiyazakiPrint::IninjyoMiyazakiPrintProc(PrintDevice& device, const IninjyoPrintData& data,
                                                    const PrintMiyazakiIninnjyoForm::Kioku& options, const Site& site,
                                                    const QString& heading, IninjyoPrintNotes& notes)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    R rule(device, R::TextY::Bottom);
    IninjyoFormRun::eachFarmer(device, data, notes, [&](const IninjyoFarmer& farmer) {
        const Doc doc{rule, data, options, site, heading, farmer, data.address ? data.address(farmer.code) : QString()};
        QList<QStringList> rows;
        for (const QStringList& r : farmer.rows)
            rows.append(episodeRow(r, options.IninjyoNbPrintOut));
        if (options.IninjyoBunruiOpOut == 0)
            titlePart(doc);
        else
            breakdown(doc, rows, notes);
    });
}
