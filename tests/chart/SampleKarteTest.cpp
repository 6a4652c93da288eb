#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteFile.h"
#include "chart/KarteFileName.h"
#include "chart/KarteScan.h"
#include "common/DataPath.h"
#include "common/SharedState.h"
#include "treatment/TensuKeisanProc.h"

#include <QtTest>

// The charts of the demo installation read back soundly and stay as they are when saved.
class SampleKarteTest : public QObject
{
    Q_OBJECT

private slots:
    void sampleCharts_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("three episodes") << "H7_00010001_1234_0.sxd" << QStringList{"第四胃変位/7.4.3", "乳房炎/7.5.20", "卵巣静止/7.6.10"};
        QTest::newRow("header with ’") << "H7_00010001_2345_0.sxd" << QStringList{"乳熱/7.7.1"};
        QTest::newRow("calf") << "H7_00010001_1234_1.sxd" << QStringList{"下痢症/7.5.6"};
        QTest::newRow("no episode yet") << "H7_00010001_3456_0.sxd" << QStringList{};
        QTest::newRow("other farmer") << "H7_00010002_4567_0.sxd" << QStringList{"子宮内膜炎/7.6.2"};
        QTest::newRow("second district") << "H7_00020001_5678_0.sxd" << QStringList{"蹄病/7.8.2"};
    }
    void sampleCharts()
    {
        QFETCH(QString, fileName);
        QFETCH(QStringList, keys);
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        SharedState::get().KarteNendo = QStringLiteral("7");
        const QString path = KarteFileName::path(fileName);
        const QByteArray before = TestFixture::readBytes(path);

        const KarteFile file = KarteFile::read(path);
        QVERIFY2(file.ok(), qPrintable(file.errorText));
        const KarteFileName name = KarteFileName::parse(fileName).value();
        QCOMPARE(file.nouka().NoukaCode, name.NoukaCode);
        QCOMPARE(file.kotai().Mimiban, name.Mimiban);
        QCOMPARE(file.kotai().KarteName, name.baseName());
        QVERIFY(before.endsWith("'\r\n"));

        QStringList fileKeys;
        for (const KarteNameRecord& n : file.nameRecords())
            fileKeys.append(n.ByoName + QLatin1Char('/') + n.SyosinDate);
        QCOMPARE(fileKeys, keys);
        QCOMPARE(KarteScan::read(path).blockCount(), keys.size());

        const TensuKeisanProc keisan(Ken::Tottori);
        for (int k = 0; k < keys.size(); ++k) {
            const int index = KarteScan::blockStart(k);
            KarteEpisode episode = file.episodeAt(index);
            const KarteData3Record stored = episode.data3();
            QVERIFY(!stored.Ryoukin.isEmpty());
            QVERIFY(file.saveEpisode(episode, index, 1, keisan));
            QCOMPARE(episode.data3().Ryoukin, stored.Ryoukin);
        }
        QCOMPARE(TestFixture::readBytes(path), before);
    }

    void farmerListing()
    {
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        SharedState& state = SharedState::get();
        state.KarteNendo = QStringLiteral("7");
        state.refreshKarteFileList();
        QStringList reports;
        QStringList names;
        QVERIFY(KarteScan::forEachChart(state.KarteFileList, [&](const KarteScan& scan) {
            if (scan.nouka().NoukaCode == QStringLiteral("00010001"))
                names.append(scan.kotai().meigouName() + QLatin1Char('/') + scan.nouka().NoukaTiku);
            return true;
        }, &reports));
        QVERIFY(reports.isEmpty());
        QCOMPARE(names, (QStringList{"はなこ/東谷", "はなこの子/東谷", "もも/東谷", "さくら/東谷"}));
    }
};

NOLVARI_TEST(SampleKarteTest)
#include "SampleKarteTest.moc"
