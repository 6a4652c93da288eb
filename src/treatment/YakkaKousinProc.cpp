#include "YakkaKousinProc.h"

#include "TensuText.h"
#include "TiryoLine.h"
#include "chart/KarteBlock.h"
#include "chart/KarteEpisode.h"
#include "chart/SinsatuBlock.h"
#include "common/TextFile.h"
#include "registers/TourokuNameFile.h"

namespace {
const QChar Sep = QLatin1Char('\'');
const QString SyohoMarker = QStringLiteral("(処方単位:");

bool isNumberChar(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

// The position of the first surcharge note the category buttons append to a standard.
qsizetype zoutenAt(const QString& text)
{
    qsizetype at = -1;
    for (const QString& note : {QStringLiteral("増点B="), QStringLiteral("増点A="), QStringLiteral("増点 B=")}) {
        const qsizetype i = text.indexOf(note);
        if (i >= 0 && (at < 0 || i < at))
            at = i;
    }
    return at;
}
} // namespace

YakkaKousinProc::YakkaKousinProc(const QStringList& yakkaCodeTable, const KousinList& kousinList, bool abbreviate)
    : list(kousinList), abbreviate(abbreviate)
{
    for (const QString& line : yakkaCodeTable) {
        if (!line.isEmpty())
            table.append(line.split(Sep));
    }
}

YakkaKousinProc::KousinList YakkaKousinProc::kousinList(const QList<QStringList>& fileLines)
{
    KousinList out;
    for (const QStringList& lines : fileLines) {
        for (const QString& line : lines) {
            const QStringList f = line.split(Sep);
            if (line.isEmpty() || f.size() < 3)
                continue;
            out.append({QString(f.at(1)).remove(QStringLiteral("：")), f.at(2)});
        }
    }
    return out;
}

YakkaKousinProc::KousinList YakkaKousinProc::readKousinList(QStringList* errors)
{
    QList<QStringList> fileLines;
    for (int category = 0; category < TourokuNameFile::categories().size(); ++category) {
        const TextFile file = TextFile::read(TourokuNameFile::tourokuPath(category));
        if (!file.ok() && !file.missing() && errors)
            errors->append(file.errorText);
        fileLines.append(file.texts());
    }
    return kousinList(fileLines);
}

QString YakkaKousinProc::SyohoTaniSuuProc(const QString& text)
{
    if (text.isEmpty())
        return QString();
    const qsizetype tani = text.indexOf(QStringLiteral("処方単位"));
    qsizetype i = tani >= 0 ? tani + 5 : 4;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    QString count;
    for (; i < text.size() && isNumberChar(text.at(i)); ++i)
        count += text.at(i);
    return count;
}

YakkaKousinProc::Lookup YakkaKousinProc::lookupOf(const QString& naiyou, const QString& kikaku) const
{
    Lookup l;
    l.key = naiyou + (abbreviate ? TourokuNameFile::shorten(kikaku) : kikaku);
    if (l.key.startsWith(QStringLiteral("処"))) {
        l.unusable = true;
        return l;
    }
    const qsizetype syoho = l.key.indexOf(SyohoMarker);
    if (syoho >= 0) {
        l.unitCount = SyohoTaniSuuProc(l.key.mid(syoho));
        l.key.truncate(syoho);
    }
    const qsizetype zouten = zoutenAt(l.key);
    if (zouten >= 0)
        l.key.truncate(zouten);
    return l;
}

QString YakkaKousinProc::tableKey(const QString& lookup) const
{
    for (const auto& record : list) {
        if (record.second == lookup)
            return record.first;
    }
    return lookup;
}

void YakkaKousinProc::noteMissing(const QString& name)
{
    if (missing.isEmpty())
        missing = name;
}

std::optional<QString> YakkaKousinProc::yakka(const QString& naiyou, const QString& kikaku, const QString& suuryou,
                                              const QString& yakkaText)
{
    if (yakkaText.isEmpty())
        return std::nullopt;
    const Lookup l = lookupOf(naiyou, kikaku);
    if (l.unusable) {
        noteMissing(l.key);
        return std::nullopt;
    }
    const QString key = tableKey(l.key);
    const QStringList* found = nullptr;
    for (const QStringList& f : table) {
        if (f.size() >= 3 && f.at(1) + f.at(2) == key)
            found = &f; // the last matching line wins
    }
    if (!found) {
        noteMissing(key);
        return std::nullopt;
    }
    float factor = 1;
    const QString base = found->value(6);
    if (!l.unitCount.isEmpty() && !base.isEmpty()) {
        const float kijyun = float(TensuText::value(base));
        if (kijyun == 0) {
            noteMissing(key);
            return std::nullopt;
        }
        factor = float(TensuText::value(l.unitCount)) / kijyun;
    }
    const float price = float(TensuText::value(found->value(4))) * float(TensuText::value(suuryou)) * factor;
    return TensuText::number(price);
}

bool YakkaKousinProc::kousin(TiryoLine& line)
{
    const std::optional<QString> price = yakka(line.text(TiryoLine::Naiyou), line.text(TiryoLine::Kikaku),
                                               line.text(TiryoLine::Suuryou), line.text(TiryoLine::Yakka));
    if (!price || *price == line.text(TiryoLine::Yakka))
        return false;
    line.setText(TiryoLine::Yakka, *price);
    return true;
}

int YakkaKousinProc::kousin(KarteBlock& block)
{
    int changed = 0;
    for (int j = 0; j < KarteBlock::SinsatuCount; ++j) {
        for (int slot = 0; slot < SinsatuBlock::TiryoCount; ++slot) {
            TiryoLine line = SinsatuBlock::readTiryo(block, j, slot);
            if (kousin(line)) {
                SinsatuBlock::writeTiryo(block, j, slot, line);
                ++changed;
            }
        }
    }
    return changed;
}

int YakkaKousinProc::kousin(KarteEpisode& episode)
{
    return kousin(episode.block());
}

int YakkaKousinProc::kousinRows(QList<QStringList>& rows)
{
    int changed = 0;
    for (int j = 0; j < KarteBlock::SinsatuCount; ++j) {
        for (int slot = 0; slot < SinsatuBlock::TiryoCount; ++slot) {
            const int r = KarteBlock::sinsatuRow(j) + 1 + slot;
            if (r >= rows.size())
                return changed;
            QStringList& f = rows[r];
            const std::optional<QString> price = yakka(f.value(4), f.value(5), f.value(6), f.value(7));
            if (price && *price != f.value(7)) {
                while (f.size() < 8)
                    f.append(QString());
                f[7] = *price;
                ++changed;
            }
        }
    }
    return changed;
}
