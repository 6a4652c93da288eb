#include "KarteFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteScan.h"
#include "chart/KarteText.h"
#include "common/TextFile.h"
#include "common/KarteFolderList.h"

#include <QtTest>

namespace {
// Four charts of one farmer in the H7 folder: two sound ones with episodes, one damaged, one
// without episodes; plus the name of a chart that is not there.
QStringList writeCharts(const TempDataRoot& root)
{
    const auto chart = [&](const QString& name, const QStringList& lines) {
        TestFixture::writeCp932(root.file(QStringLiteral("H7/") + name), lines);
        return name;
    };
    QStringList damaged = KarteFixture::chart({KarteFixture::block(QStringLiteral("蹄病"), QStringLiteral("7.1.1"))});
    damaged[2 + 9] += QStringLiteral("余り'");
    return {chart(QStringLiteral("H7_00010001_1_0.sxd"),
                  KarteFixture::chart({KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2")),
                                       KarteFixture::block(QStringLiteral("卵巣静止"), QStringLiteral("7.6.3"))})),
            chart(QStringLiteral("H7_00010001_2_0.sxd"), damaged),
            chart(QStringLiteral("H7_00010001_3_0.sxd"), KarteFixture::chart({})),
            QStringLiteral("H7_00010001_4_0.sxd"),
            chart(QStringLiteral("H7_00010001_5_0.sxd"),
                  KarteFixture::chart({KarteFixture::block(QStringLiteral("第四胃変位"), QStringLiteral("7.4.1"))}))};
}
} // namespace

class KarteScanTest : public QObject
{
    Q_OBJECT

private slots:
    void chartsInListOrderWithReportsAndProgress()
    {
        TempDataRoot root;
        const QStringList names = writeCharts(root);
        QStringList visited;
        QStringList reports;
        QList<KarteScan::Progress> progress;
        const bool whole = KarteScan::forEachChart(root.file("H7"), names, [&](const KarteScan& chart) {
            visited.append(QFileInfo(chart.path).fileName() + QLatin1Char('/') + QString::number(chart.blockCount()));
            return true;
        }, &reports, [&](const KarteScan::Progress& p) { progress.append(p); });
        QVERIFY(whole);
        QCOMPARE(visited, (QStringList{"H7_00010001_1_0.sxd/2", "H7_00010001_3_0.sxd/0", "H7_00010001_5_0.sxd/1"}));
        QCOMPARE(reports.size(), 2);
        QVERIFY2(reports.at(0).contains(QStringLiteral("H7_00010001_2_0.sxd（12 行目")), qPrintable(reports.at(0)));
        QCOMPARE(reports.at(1), KarteScan::missingText(root.file("H7/H7_00010001_4_0.sxd")));
        QVERIFY(progress.size() >= 2);
        QCOMPARE(progress.first().done, 0);
        QCOMPARE(progress.first().total, 5);
        QCOMPARE(progress.last().done, 5);
        QCOMPARE(progress.last().fileName, QStringLiteral("H7_00010001_5_0.sxd"));
    }

    void episodesOfTheListingAndAnEarlyEnd()
    {
        TempDataRoot root;
        writeCharts(root);
        KarteFolderList list;
        list.refresh(root.file("H7"));
        QStringList episodes;
        QStringList reports;
        QVERIFY(KarteScan::forEachEpisode(list, [&](const KarteScan& chart, int k, const KarteNameRecord& name) {
            episodes.append(QStringLiteral("%1 %2 %3").arg(QFileInfo(chart.path).fileName()).arg(k).arg(name.ByoName));
            return true;
        }, &reports));
        QCOMPARE(episodes, (QStringList{"H7_00010001_1_0.sxd 0 乳房炎", "H7_00010001_1_0.sxd 1 卵巣静止",
                                        "H7_00010001_5_0.sxd 0 第四胃変位"}));
        QCOMPARE(reports.size(), 1);

        int seen = 0;
        QVERIFY(!KarteScan::forEachEpisode(list, [&](const KarteScan&, int, const KarteNameRecord&) {
            return ++seen < 2;
        }));
        QCOMPARE(seen, 2);
    }

    // Charts are read ahead of the visits in a ring of buffers: a list many times longer than the
    // ring comes in list order, each chart with its own bytes (also the ones kept past their
    // visit while their buffers go round, and outsize files that fill the memory read ahead),
    // and a scan ended early, while the reading is ahead and waiting, returns.
    void aLongListReadAheadInOrder()
    {
        TempDataRoot root;
        const QStringList five = writeCharts(root);
        root.write(QStringLiteral("H7/H7_00010001_6_0.sxd"), {QString(3 << 20, QLatin1Char('a'))});
        QStringList names;
        QStringList expected;
        for (int i = 0; i < 12; ++i) {
            names += five;
            expected += QStringList{"1_0 ok 2", "2_0 damaged", "3_0 ok 0", "4_0 missing", "5_0 ok 1"};
            if (i >= 6) {
                names += QStringLiteral("H7_00010001_6_0.sxd");
                expected += QStringLiteral("6_0 damaged");
            }
        }
        QStringList seen;
        QList<KarteScan> kept;
        QVERIFY(KarteScan::forEachRead(root.file("H7"), names, [&](const KarteScan& chart) {
            const QString name = QFileInfo(chart.path).fileName().mid(12, 3);
            seen.append(name + (chart.missing ? QStringLiteral(" missing")
                                : chart.ok()  ? QStringLiteral(" ok %1").arg(chart.blockCount())
                                              : QStringLiteral(" damaged")));
            if (seen.size() % 7 == 1)
                kept.append(chart);
            return true;
        }));
        QCOMPARE(seen, expected);
        for (int i = 0; i < kept.size(); ++i) {
            const QString name = QFileInfo(kept.at(i).path).fileName();
            QCOMPARE(name, names.at(7 * i));
            if (kept.at(i).ok() && kept.at(i).blockCount() > 0)
                QCOMPARE(kept.at(i).nameRecord(0)->ByoName,
                         name.contains(QStringLiteral("_1_")) ? QStringLiteral("乳房炎") : QStringLiteral("第四胃変位"));
        }
        for (const int stopAt : {1, 3, 40, 62}) {
            int visits = 0;
            QVERIFY(!KarteScan::forEachRead(root.file("H7"), names, [&](const KarteScan&) { return ++visits < stopAt; }));
            QCOMPARE(visits, stopAt);
        }
    }

    void aScanKeptPastItsCallKeepsItsLines()
    {
        TempDataRoot root;
        const QStringList names = writeCharts(root);
        QList<KarteScan> kept;
        KarteScan::forEachChart(root.file("H7"), names, [&](const KarteScan& chart) {
            kept.append(chart);
            return true;
        });
        QCOMPARE(kept.size(), 3);
        QCOMPARE(kept.at(0).nameRecord(1)->ByoName, QStringLiteral("卵巣静止"));
        QCOMPARE(kept.at(0).episode(0)->sinsatu(0).SinsatuDate, QStringLiteral("7.5.2"));
        QCOMPARE(kept.at(2).nameRecord(0)->ByoName, QStringLiteral("第四胃変位"));
        QCOMPARE(kept.at(2).kotai().Mimiban, QStringLiteral("1234"));
    }

    // The scanner's split of a chart's bytes gives the lines of the line reader and counts each
    // line's "'": breaks at and across the edges of the 64-byte chunks it works in, CR LF split
    // by an edge, lines without a break at the end, and lines longer than many chunks.
    void linesAndSeparatorsAtEveryPlace()
    {
        QList<QByteArray> contents = {"", "a", "\n", "\r\n", "\r", "\n\r", "a'b'\r\nc'", "''\r\r\n\n'"};
        for (int edge : {30, 31, 32, 33, 62, 63, 64, 65, 127, 128}) {
            contents.append(QByteArray(edge, '\'') + "\r\nx'");
            contents.append(QByteArray(edge, 'a') + "\r\n'");
            contents.append(QByteArray(edge, 'a') + "\r");
        }
        contents.append(QByteArray(5000, '\'') + "\n" + QByteArray(9000, '\''));
        quint32 seed = 7;
        const char alphabet[] = {'a', '\'', '\r', '\n', '\x82', '\xA0'};
        for (int n = 0; n < 300; ++n) {
            QByteArray random;
            for (int i = 0; i < n; ++i) {
                seed = seed * 1664525u + 1013904223u;
                random.append(alphabet[(seed >> 16) % 6]);
            }
            contents.append(random);
        }
        std::vector<KarteText::LineSpan> spans;  // reused from content to content, as a scan does
        for (const QByteArray& content : std::as_const(contents)) {
            const qsizetype count = KarteText::splitCounting(content, spans);
            const QList<QByteArrayView> expected = TextFile::lineViews(content);
            QCOMPARE(count, expected.size());
            for (qsizetype i = 0; i < count; ++i) {
                const KarteText::LineSpan& span = spans.at(size_t(i));
                QCOMPARE(content.constData() + span.start, expected.at(i).data());
                QCOMPARE(span.length, expected.at(i).size());
                QCOMPARE(span.fields, int(expected.at(i).count('\'')));
            }
        }
    }
};

NOLVARI_TEST(KarteScanTest)
#include "KarteScanTest.moc"
