#include "NoticeFixture.h"

#include "chart/KarteBlock.h"
#include "common/ByteLenProc.h"
#include "common/DataPath.h"
#include "common/PrintDeviceSource.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"

#include <QDate>
#include <QDir>
#include <cmath>

namespace {

const QStringList siteRows = {
    "KGVA,鹿児島県,SiteKagoshimaVetA,ClinicName=南国動物診療所",
    "KGVB,鹿児島県,SiteKagoshimaVetB,ClinicName=使われない名",
    "KGOTHER,鹿児島県",
    "KGDIST,鹿児島県,ManryoSite,HideTuchibo",
    "GMC,群馬県,SiteGunmaClinic,ShowTuchibo,ClinicAddress=〒371-0001 前橋市大手町1-2,ClinicName=上州家畜診療所,"
    "VetName=田中 実,CodeHenkan=00010001>12345678",
    "OKC,沖縄県,SiteOkinawaClinic,ShowTuchibo,ClinicName=南風原診療所,VetName=比嘉太郎",
    "MIE,三重県,ShowTuchibo",
};

constexpr double K = 56.7;
} // namespace

KarteNameRecord TuchiChart::episode(const QString& byo, const QString& hatubyo, const QString& syosin,
                                    const QString& tenkiDate, const QString& tenki, const QString& teisyutu)
{
    KarteNameRecord r;
    r.ByoName = byo;
    r.HatubyoDate = hatubyo;
    r.SyosinDate = syosin;
    r.TenkiDate = tenkiDate;
    r.Tenki = tenki;
    r.TeisyutuTuki = teisyutu;
    return r;
}

TuchiChart TuchiChart::of(const QString& tiku, const QString& farmer, const QString& mimiban, const QString& syurui,
                          const QList<KarteNameRecord>& episodes, const QString& meigou, const QString& code)
{
    return TuchiChart{tiku, farmer, code, syurui, meigou, mimiban, episodes};
}

KarteNoukaRecord TuchiChart::nouka() const
{
    KarteNoukaRecord r;
    r.NoukaTiku = tiku;
    r.NoukaName = farmer;
    r.NoukaCode = code;
    return r;
}

KarteKotaiRecord TuchiChart::kotai() const
{
    KarteKotaiRecord r;
    r.Syurui = syurui;
    r.Meigou = meigou;
    r.Mimiban = mimiban;
    r.KarteName = "H7_" + code + "_" + mimiban + "_0";
    return r;
}

QStringList TuchiChart::lines() const
{
    QStringList out{nouka().line(), kotai().line()};
    for (const KarteNameRecord& e : episodes) {
        KarteBlock block;
        const QList<QPair<int, QString>> cells = {{2, e.ByoName}, {4, e.HatubyoDate}, {5, e.SyosinDate},
                                                  {7, e.TenkiDate}, {8, e.Tenki},      {13, e.TeisyutuTuki}};
        for (const auto& [c, text] : cells)
            block.setCell(0, c, text);
        out += block.lines();
    }
    return out;
}

QString TuchiChart::write(const QString& root, const QString& fileName) const
{
    TestFixture::writeCp932(root + QStringLiteral("/H7/") + fileName, lines());
    return fileName;
}

TuchiInstallation::TuchiInstallation(const QString& info)
{
    root.useInstallation(info, siteRows);
}

void TuchiInstallation::add(const TuchiChart& chart, const QString& fileName) const
{
    chart.write(root.path(), fileName);
    SharedState::get().refreshKarteFileList();
}

std::shared_ptr<RecordingPrintDevice> recordTuchiPrints()
{
    auto device = std::make_shared<RecordingPrintDevice>();
    PrintDeviceSource::setFactory([device](const QString&) { return device; });
    return device;
}

bool hasNoticeText(const RecordingPrintDevice& device, const QString& text, int page, int size, int align, double x,
                   double y, double offX, double offY)
{
    const double em = size * 25.0 / 72;
    const double dx = align == 0 ? ByteLenProc(text) * em * 0.5 / 2 : 0;
    const double wantX = (x + offX - dx - 3.5) * K;
    const double wantY = (y + offY - em - 2) * K;
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text)) {
        if (op.text == text && op.page == page && int(op.fontSize) == size && std::abs(op.x - wantX) <= 0.05 * K
            && std::abs(op.y - wantY) <= 0.05 * K)
            return true;
    }
    return false;
}

bool hasNoticeCircle(const RecordingPrintDevice& device, int page, double x, double y, double r, double offX,
                     double offY)
{
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Circle)) {
        if (op.page == page && std::abs(op.x - (x + offX - 3.5) * K) <= 1 && std::abs(op.y - (y + offY - 2) * K) <= 1
            && std::abs(op.radius - r * K) <= 0.5)
            return true;
    }
    return false;
}

QString noticeTexts(const RecordingPrintDevice& device, const QString& text)
{
    QStringList found;
    for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Text))
        if (op.text == text)
            found.append(QStringLiteral("p%1 %2pt (%3, %4)")
                             .arg(op.page)
                             .arg(op.fontSize)
                             .arg(op.xMm() + 3.5, 0, 'f', 2)
                             .arg(op.yMm() + 2, 0, 'f', 2));
    return QStringLiteral("\"%1\" shifted back: %2").arg(text, found.isEmpty() ? QStringLiteral("none") : found.join(", "));
}
