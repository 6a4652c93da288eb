#include "RecordsFixture.h"

#include "chart/KarteBlock.h"
#include "chart/KarteKotaiRecord.h"
#include "chart/KarteNoukaRecord.h"
#include "common/PrintDeviceSource.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"

#include <QDate>
#include <QDir>
#include <cmath>

namespace {
const QStringList siteRows = {
    "佐藤,鳥取県,SiteTottoriVetA,KirokuTikuOrder=西原:東谷,KirokuJyogai=川口 花子",
    "誠,鳥取県,SiteTottoriVetB,KirokuJyogai2=山本一郎",
    "*,茨城県,KirokuDocs=鈴木医師/鈴木/鈴木 一郎:高橋医師/高橋/高橋 次郎:伊藤医師/伊藤/伊藤 三郎",
    "IBX,茨城県",
    "IBF4,茨城県,SiteIbarakiFarm4,KirokuDocs=田村医師/田村/田村 四郎:中野医師/中野/中野 五郎:小川医師/小川/小川 六郎",
    "MIE,三重県",
    "GM,群馬県",
    "OK,沖縄県",
};
} // namespace

QString KirokuChart::fileName() const
{
    return QStringLiteral("H7_%1_%2_0.sxd").arg(code, mimiban);
}

QStringList KirokuChart::lines() const
{
    KarteNoukaRecord nouka;
    nouka.NoukaTiku = QStringLiteral("東谷");
    nouka.NoukaName = QStringLiteral("山本 一郎");
    nouka.NoukaCode = code;
    KarteKotaiRecord kotai;
    kotai.Syurui = QStringLiteral("成乳牛");
    kotai.Meigou = meigou;
    kotai.Mimiban = mimiban;
    kotai.KarteName = fileName().chopped(4);
    QStringList out{nouka.line(), kotai.line()};
    for (const KirokuEpisode& e : episodes) {
        KarteBlock block;
        block.setCell(0, 2, e.disease);
        block.setCell(0, 8, e.outcome);
        block.setCell(0, 10, e.doctor);
        block.setCell(0, 13, e.teisyutu);
        for (int j = 0; j < e.exams.size(); ++j) {
            const KirokuSinsatu& x = e.exams.at(j);
            const int v = KarteBlock::sinsatuRow(j);
            block.setCell(v, 2, x.date);
            block.setCell(v, 5, x.start);
            block.setCell(v, 6, x.end);
            block.setCell(v + 1, 2, x.course);
            for (int t = 0; t < x.lines.size() && t < 7; ++t) {
                block.setCell(v + 1 + t, 3, x.lines.at(t).category);
                block.setCell(v + 1 + t, 4, x.lines.at(t).content);
                block.setCell(v + 1 + t, 6, x.lines.at(t).quantity);
            }
        }
        out += block.lines();
    }
    return out;
}

QString KirokuChart::write(const QString& root) const
{
    TestFixture::writeCp932(root + QStringLiteral("/H7/") + fileName(), lines());
    return fileName();
}

KirokuInstallation::KirokuInstallation(const QString& info)
{
    root.useInstallation(info, siteRows);
}

void KirokuInstallation::add(const QList<KirokuChart>& charts) const
{
    for (const KirokuChart& chart : charts)
        chart.write(root.path());
    SharedState::get().refreshKarteFileList();
}

std::shared_ptr<RecordingPrintDevice> recordKirokuPrints()
{
    auto device = std::make_shared<RecordingPrintDevice>();
    PrintDeviceSource::setFactory([device](const QString&) { return device; });
    return device;
}

SinryoKirokuRecord kirokuRecord(const QString& nouka, const QString& manth, const QString& day, const QString& mimi,
                                const QList<QStringList>& lines, const QString& start)
{
    SinryoKirokuRecord r;
    r.Nouka = nouka;
    r.Manth = manth;
    r.Day = day;
    r.MimiMeigou = mimi;
    r.StartTime = start;
    for (const QStringList& l : lines) {
        // class, category, content, quantity, withdrawal, disease, outcome, start, end
        r.TiryoLines.append(QStringList{QStringLiteral("*"), l.value(0), l.value(1), l.value(2), l.value(3),
                                        QStringLiteral("肺炎"), QStringLiteral("治癒"), l.value(4), l.value(5)}
                                .join(QLatin1Char('\'')));
    }
    return r;
}
