#include "TuchiPrint.h"

#include "TuchiLayout.h"
#include "TuchiPrintData.h"

#include "common/ByteLenProc.h"
#include "common/SiteProfile.h"
#include "print/common/ListPrintRule.h"

namespace {
// The characters of a text separated by blanks, as a name is printed spread out.
QString spaced(const QString& text)
{
    QStringList chars;
    for (const QChar c : text)
        chars.append(QString(c));
    return chars.join(QLatin1Char(' '));
}

bool identity(TuchiLayout::Source source)
{
    return source == TuchiLayout::Source::SiteText || source == TuchiLayout::Source::SiteSpaced;
}

QString pageText(const TuchiLayout::Moji& moji, const TuchiPrintData& data, int page)
{
    switch (moji.source) {
    case TuchiLayout::Source::Text: return moji.text;
    case TuchiLayout::Source::Nen: return data.nen;
    case TuchiLayout::Source::Tuki: return data.tuki;
    case TuchiLayout::Source::PageNo: return QString::number(page);
    case TuchiLayout::Source::DocName: return data.docName;
    case TuchiLayout::Source::SiteText: return data.site.text(moji.text);
    case TuchiLayout::Source::SiteSpaced: return spaced(data.site.text(moji.text));
    }
    return QString();
}

void printPage(ListPrintRule& rule, const TuchiLayout& layout, const TuchiPrintData& data, int page)
{
    for (const TuchiLayout::Sen& sen : layout.frame) {
        rule.device().setLineWidth(sen.width);
        for (int i = 0; i < sen.count; ++i)
            rule.line(sen.x1, sen.y1 + sen.dy * float(i), sen.x2, sen.y2 + sen.dy * float(i));
    }
    for (const TuchiLayout::Moji& moji : layout.texts) {
        if (identity(moji.source) && !data.site.has(layout.identitySite))
            continue;
        const QString text = pageText(moji, data, page);
        for (int i = 0; i < moji.count; ++i)
            rule.text(text, moji.size, moji.font, moji.align, moji.x, moji.y + moji.dy * float(i));
    }
    for (const TuchiLayout::En& en : layout.circles)
        rule.circle(en.x, en.y, en.r);
}

void printRow(ListPrintRule& rule, const TuchiLayout& layout, const TuchiPrintData& data, const QStringList& row,
              float y)
{
    for (const TuchiLayout::Cell& cell : layout.cells) {
        const QString text = cell.value ? cell.value(row.value(cell.col), data) : row.value(cell.col);
        const int bytes = ByteLenProc(text);
        if (bytes < cell.minBytes || bytes > cell.maxBytes)
            continue;
        if (cell.limit > 0)
            rule.wrapped(text, cell.size, cell.font, cell.align, cell.x, cell.limit, y + cell.dy, cell.pitch);
        else
            rule.text(text, cell.size, cell.font, cell.align, cell.x, y + cell.dy);
    }
    for (const TuchiLayout::Maru& maru : layout.marks) {
        const QString value = maru.value ? maru.value(row.value(maru.col), data) : row.value(maru.col);
        if (maru.any || value == maru.mark)
            rule.circle(maru.x, y + maru.dy, maru.r);
    }
}

bool printDocument(PrintDevice& device, const TuchiLayout& layout, const TuchiPrintData& data, QString* errorText)
{
    TuchiPrint::print(device, layout, data);
    return device.endDoc(errorText);
}
} // namespace

void TuchiPrint::print(PrintDevice& device, const TuchiLayout& layout, const TuchiPrintData& data)
{
    device.setPaper(PrintDevice::Paper::A4, layout.orientation);
    ListPrintRule rule(device, ListPrintRule::TextY::Bottom, data.offX, data.offY, data.twipPerMm);
    int page = 1;
    printPage(rule, layout, data, page);
    int r = 0;
    for (const QStringList& row : data.rows) {
        if (row.value(layout.endCol).isEmpty())
            break;
        if (r == layout.rowsPerPage) {
            device.newPage();
            printPage(rule, layout, data, ++page);
            r = 0;
        }
        ++r;
        printRow(rule, layout, data, row, layout.rowY0 + layout.rowPitch * float(r));
    }
}

bool TuchiPrint::TuchiKagosimaPrintProc(PrintDevice& device, const TuchiPrintData& data, QString* errorText)
{
    return printDocument(device, TuchiLayout::kagosimaNotice(), data, errorText);
}

bool TuchiPrint::TuchiboKagosimaPrintProc(PrintDevice& device, const TuchiPrintData& data, QString* errorText)
{
    return printDocument(device, TuchiLayout::kagosimaBook(), data, errorText);
}

bool TuchiPrint::TuchiboPrintProc(PrintDevice& device, const TuchiPrintData& data, QString* errorText)
{
    return printDocument(device, TuchiLayout::defaultBook(), data, errorText);
}

bool TuchiPrint::TuchiOkinawaPrintProc(PrintDevice& device, const TuchiPrintData& data, QString* errorText)
{
    return printDocument(device, TuchiLayout::okinawaNotice(), data, errorText);
}

bool TuchiPrint::TuchiboGunmaPrintProc(PrintDevice& device, const TuchiPrintData& data, QString* errorText)
{
    return printDocument(device, TuchiLayout::gunmaList(), data, errorText);
}

TuchiPrint::Proc TuchiPrint::procFor(Ken ken, const SiteProfile& site)
{
    switch (ken) {
    case Ken::Gunma: return TuchiboGunmaPrintProc;
    case Ken::Okinawa: return TuchiOkinawaPrintProc;
    case Ken::Kagoshima:
        if (site.has(QStringLiteral("SiteKagoshimaVetA")))
            return TuchiKagosimaPrintProc;
        if (site.has(QStringLiteral("SiteKagoshimaVetB")))
            return TuchiboKagosimaPrintProc;
        return nullptr;
    default: return TuchiboPrintProc;
    }
}
