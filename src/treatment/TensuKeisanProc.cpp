#include "TensuKeisanProc.h"

#include "TensuText.h"
#include "TiryoLine.h"
#include "chart/KarteEpisode.h"

#include <cmath>

TensuKeisanProc::TensuKeisanProc(Ken ken, const MiyazakiDataGrid& dataGrid)
    : ken_(ken), dataGrid_(dataGrid)
{
}

TotalGrid TensuKeisanProc::run(KarteEpisode& episode) const
{
    return TiryoLine::isMiyazaki(ken_) ? miyazaki(episode, dataGrid_) : common(episode);
}

float TensuKeisanProc::add(float sum, double value)
{
    return float(double(sum) + value);
}

QString TensuKeisanProc::sumText(float sum)
{
    return sum == 0 ? QString() : TensuText::number(sum);
}

qint64 TensuKeisanProc::yakkaTensu(float yakkaGoukei)
{
    const float tenth = yakkaGoukei / 10.0f;
    return qint64(TensuText::round(double(tenth)));
}

TotalGrid TensuKeisanProc::common(const KarteEpisode& episode)
{
    float yakka = 0;
    float b = 0;
    float a = 0;
    for (int j = 0; j < KarteBlock::SinsatuCount; ++j) {
        for (int slot = 0; slot < SinsatuBlock::TiryoCount; ++slot) {
            const TiryoLine line = episode.tiryo(j, slot);
            yakka = add(yakka, TensuText::value(line.text(TiryoLine::Yakka)));
            b = add(b, TensuText::value(line.text(TiryoLine::BTen)));
            a = add(a, TensuText::value(line.text(TiryoLine::ATen)));
        }
    }
    TotalGrid grid;
    grid.setText(1, 1, sumText(yakka));
    grid.setText(1, 4, sumText(a));
    grid.setText(1, 3, sumText(b));
    const qint64 tensu = yakka == 0 ? 0 : yakkaTensu(yakka);
    grid.setText(2, 1, yakka == 0 ? QString() : QString::number(tensu));
    grid.setText(2, 3, TensuText::number(add(b, double(tensu))));
    grid.setText(2, 4, TensuText::number(add(a, double(tensu))));
    grid.setText(1, 6, TensuText::ryoukin(TensuText::value(grid.text(2, 3))));
    return grid;
}

TotalGrid TensuKeisanProc::miyazaki(KarteEpisode& episode, const MiyazakiDataGrid& dataGrid)
{
    float yakkaGoukei = 0;
    float bGoukei = 0;
    for (int j = 0; j < KarteBlock::SinsatuCount; ++j) {
        for (int slot = 0; slot < SinsatuBlock::TiryoCount; ++slot) {
            TiryoLine line = episode.tiryo(j, slot);
            const double suuryou = TensuText::value(line.text(TiryoLine::Suuryou));
            const QString yakuhinCode = line.text(TiryoLine::YakuhinCode);
            const QString yakkaText = line.text(TiryoLine::MiyazakiYakka);
            if (!yakuhinCode.isEmpty()) {
                const std::optional<QString> tanka = yakkaText.isEmpty() ? dataGrid.yakkaTanka(yakuhinCode) : yakkaText;
                float kingaku = 0;
                const float unit = tanka ? float(TensuText::value(*tanka)) : 0.0f;
                if (tanka)
                    kingaku = float(TensuText::value(TensuText::whole(float(double(unit) * suuryou))));
                if (yakkaText.isEmpty() && unit != 0)
                    line.setText(TiryoLine::MiyazakiYakka, TensuText::whole(unit));
                yakkaGoukei = add(yakkaGoukei, kingaku);
            }
            const QString sinryoCode = line.text(TiryoLine::SinryoCode);
            const QString bText = line.text(TiryoLine::MiyazakiBTen);
            if (!sinryoCode.isEmpty()) {
                const std::optional<QString> bTen = bText.isEmpty() ? dataGrid.sinryoBTen(sinryoCode) : bText;
                const float value = bTen ? float(TensuText::value(*bTen)) : 0.0f;
                if (bText.isEmpty() && value != 0)
                    line.setText(TiryoLine::MiyazakiBTen, TensuText::whole(value));
                bGoukei = add(bGoukei, value);
            }
            episode.setTiryo(j, slot, line);
        }
    }
    const double tensu = yakkaGoukei == 0
        ? double(bGoukei)
        : TensuText::value(TensuText::whole(float(yakkaGoukei / 10.0f))) + double(bGoukei);
    TotalGrid grid;
    grid.setText(1, 6, TensuText::ryoukin(tensu));
    grid.setText(2, 3, TensuText::number(bGoukei));
    grid.setText(2, 4, TensuText::number(yakkaGoukei));
    grid.setText(1, 1, grid.text(2, 4));
    grid.setText(1, 3, grid.text(2, 3));
    return grid;
}
