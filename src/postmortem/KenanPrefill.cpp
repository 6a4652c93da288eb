#include "KenanPrefill.h"

#include "chart/KarteScan.h"

namespace {
const QString Colon = QStringLiteral("：");
} // namespace

QString KenanPrefill::kotaiBangou(const QString& meigou)
{
    return meigou.contains(QLatin1Char(':')) ? meigou.section(QLatin1Char(':'), 1, 1) : QString();
}

int KenanPrefill::sihai(const QString& tenki)
{
    if (tenki == QStringLiteral("法令殺"))
        return KenanData::Hou;
    if (tenki == QStringLiteral("廃用"))
        return KenanData::Hai;
    return KenanData::Si;
}

bool KenanPrefill::fill(const QString& localKartePath, const QString& byoName, const QString& syosinDate,
                        KenanData& data, QString* errorText)
{
    const KarteScan scan = KarteScan::read(localKartePath);
    if (!scan.ok()) {
        *errorText = scan.errorText;
        return false;
    }
    data.InfoGd[2] = QStringLiteral("-");
    const KarteNoukaRecord& nouka = scan.nouka();
    const KarteKotaiRecord& kotai = scan.kotai();
    data.InfoGd[0] = nouka.NoukaTiku + Colon + nouka.NoukaName + Colon + nouka.NoukaCode;
    data.InfoGd[1] = kotai.Syurui + Colon + kotai.BirthDay + Colon + kotai.Seibetu + Colon + kotai.Meigou;
    data.K_InpText[1] = nouka.NoukaCode;
    data.K_InpText[2] = kotaiBangou(kotai.Meigou);
    data.K_InpText[3] = kotai.Syurui;
    data.K_InpText[4] = kotai.Seibetu;
    data.K_InpText[5] = QString(kotai.BirthDay).remove(QLatin1Char('R')).remove(QLatin1Char('H'));
    data.K_InpText[6] = kotai.Mimiban;
    const int k = scan.findEpisode(byoName, syosinDate);
    if (k < 0)
        return true;
    const KarteNameRecord& name = scan.nameRecord(k);
    const std::optional<QStringList> data2 = scan.blockLine(k, 2, errorText);
    if (!data2)
        return false;
    data.InfoGd[2] = name.ByoName + Colon + name.ByoCode;
    data.K_InpText[8] = name.HatubyoDate;
    data.K_InpText[9] = name.SyosinDate;
    data.K_InpText[10] = name.SyusinDate;
    data.K_InpText[11] = name.TenkiDate;
    data.K_InpText[12] = name.SinryoKaisu;
    data.sihai = sihai(name.Tenki);
    data.InfoTx[0] = data2->value(2);
    data.InfoTx[1] = data2->value(5);
    return true;
}
