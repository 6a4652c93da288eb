#include "KarteFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteFile.h"
#include "chart/KarteFileName.h"
#include "chart/KarteScan.h"
#include "chart/KarteText.h"
#include "common/Cp932.h"
#include "common/SharedState.h"
#include "treatment/TensuKeisanProc.h"

#include <QtTest>

namespace {
QByteArray cp932(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines)
        out += Cp932::encode(line).value() + "\r\n";
    return out;
}

QByteArray linesBytes(const QByteArray& content, int from, int count)
{
    const QList<QByteArray> all = content.split('\n');
    QByteArray out;
    for (int i = from; i < from + count; ++i)
        out += all.at(i) + '\n';
    return out;
}

KarteFile readOk(const QString& path)
{
    KarteFile file = KarteFile::read(path);
    if (!file.ok())
        qWarning("%s", qPrintable(file.errorText));
    return file;
}
}

class KarteFileTest : public QObject
{
    Q_OBJECT

private slots:
    void fileNameAndPath()
    {
        const KarteFileName name(QStringLiteral(" 7"), QStringLiteral("00010001 "), QStringLiteral(" 1234"), true);
        QCOMPARE(name.text(), QStringLiteral("H7_00010001_1234_1.sxd"));
        QCOMPARE(name.baseName(), QStringLiteral("H7_00010001_1234_1"));
        const std::optional<KarteFileName> parsed = KarteFileName::parse(QStringLiteral("h7_00010001_12_34_0.SXD"));
        QVERIFY(parsed);
        QCOMPARE(parsed->Mimiban, QStringLiteral("12_34"));
        QVERIFY(!parsed->Kousi);
        QVERIFY(!KarteFileName::parse(QStringLiteral("H7_00010001_1234_2.sxd")));
        QString refusal;
        QVERIFY(!KarteFileName::checkName(QStringLiteral("H7_1_12/3_0.sxd"), &refusal));
        QVERIFY2(refusal.endsWith(QStringLiteral("（/）")), qPrintable(refusal));
        QVERIFY(KarteFileName::checkName(QStringLiteral("H7_1_12-3_0.sxd"), nullptr));

        TempDataRoot root;
        SharedState::get().KarteNendo = QStringLiteral("7");
        TestFixture::writeBytes(root.file("h7/H7_1_K001_0.SXD"), "x");
        QCOMPARE(KarteFileName::path(QStringLiteral("H7_1_k001_0.sxd")), root.file("h7/H7_1_K001_0.SXD"));
    }

    void unchangedSaveIsByteExact()
    {
        TempDataRoot root;
        QStringList second = KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"));
        second[6] = KarteFixture::blockLine({"Sinsatu", "1", "", "", "", "", "", "", "", "", "", "", "", "纊"});
        const QByteArray original = cp932(KarteFixture::chart(
            {KarteFixture::block(QStringLiteral("第四胃変位"), QStringLiteral("7.4.1")), second,
             KarteFixture::block(QStringLiteral("卵巣静止"), QStringLiteral("7.6.3"))}, true));
        // The NEC row's duplicate code of 纊 (ED40) must come back as read, not as FA5C.
        QByteArray withDuplicate = original;
        withDuplicate.replace(Cp932::encode(QStringLiteral("纊")).value(), QByteArray("\xed\x40"));
        const QString path = TestFixture::writeBytes(root.file("H7/H7_00010001_1234_0.sxd"), withDuplicate);

        const KarteFile file = readOk(path);
        QVERIFY(file.ok());
        const int index = file.findEpisode(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"));
        QCOMPARE(index, 2 + 224);
        KarteEpisode episode = file.episodeAt(index);
        QVERIFY(file.saveEpisode(episode, index, 1, TensuKeisanProc(Ken::Tottori)));
        QCOMPARE(TestFixture::readBytes(path), withDuplicate);
    }

    void replaceInPlaceLeavesNeighbours()
    {
        TempDataRoot root;
        const QStringList lines = KarteFixture::chart(
            {KarteFixture::block(QStringLiteral("第四胃変位"), QStringLiteral("7.4.1")),
             KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2")),
             KarteFixture::block(QStringLiteral("卵巣静止"), QStringLiteral("7.6.3"))}, true);
        const QString path = TestFixture::writeCp932(root.file("H7/a.sxd"), lines);
        const QByteArray before = TestFixture::readBytes(path);

        const KarteFile file = readOk(path);
        const int index = file.findEpisode(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"));
        KarteEpisode episode = file.episodeAt(index);
        SinsatuBlock s = episode.sinsatu(1);
        s.SinsatuDate = QStringLiteral("7.5.3");
        s.Gensyo = QStringLiteral(" 二行の\r\n経過'です ");
        episode.setSinsatu(1, s, false, false);
        QVERIFY(file.save(KarteFile::SaveKind::Replace, index, episode.block()));

        const QByteArray after = TestFixture::readBytes(path);
        QCOMPARE(linesBytes(after, 0, 2 + 224), linesBytes(before, 0, 2 + 224));
        QCOMPARE(linesBytes(after, 2 + 448, 224), linesBytes(before, 2 + 448, 224));
        const KarteFile again = readOk(path);
        QCOMPARE(again.lineCount(), lines.size());
        const SinsatuBlock stored = again.episodeAt(index).sinsatu(1);
        QCOMPARE(stored.SinsatuDate, QStringLiteral("7.5.3"));
        QCOMPARE(stored.Gensyo, QStringLiteral("二行の経過です"));
    }

    void newEpisodeSavedTenTimesAppearsOnce()
    {
        TempDataRoot root;
        const QString path = TestFixture::writeCp932(
            root.file("H7/a.sxd"),
            KarteFixture::chart({KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"))}, true));
        const KarteFile file = readOk(path);
        QCOMPARE(file.findEpisode(QStringLiteral("第四胃変位"), QStringLiteral("7.6.1")), file.lineCount());
        KarteEpisode episode;
        SinsatuBlock s;
        s.SinsatuDate = QStringLiteral("7.6.1");
        for (int i = 0; i < 10; ++i) {
            s.Gensyo = QStringLiteral("経過%1").arg(i);
            episode.setSinsatu(0, s, false, false);
            episode.gatherDates(false);
            QVERIFY(file.saveEpisode(episode, file.lineCount(), 0, TensuKeisanProc()));
        }
        const QStringList saved = TestFixture::readCp932(path);
        QCOMPARE(saved.size(), 2 + 2 * 224);
        QCOMPARE(saved.at(0), KarteFixture::noukaLine(false));
        QCOMPARE(saved.at(1), KarteFixture::kotaiLine(false));
        const KarteFile again = readOk(path);
        QCOMPARE(again.findEpisode(QString(), QStringLiteral("7.6.1")), 2 + 224);
        QCOMPARE(again.episodeAt(2 + 224).sinsatu(0).Gensyo, QStringLiteral("経過9"));
    }

    void dropAndRestore()
    {
        TempDataRoot root;
        const QStringList lines = KarteFixture::chart(
            {KarteFixture::block(QStringLiteral("第四胃変位"), QStringLiteral("7.4.1")),
             KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2")),
             KarteFixture::block(QStringLiteral("卵巣静止"), QStringLiteral("7.6.3"))});
        const QString path = TestFixture::writeCp932(root.file("H7/a.sxd"), lines);
        const QByteArray before = TestFixture::readBytes(path);
        const KarteFile file = readOk(path);
        const int index = file.findEpisode(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"));
        KarteEpisode episode = file.episodeAt(index);
        const TensuKeisanProc keisan(Ken::Tottori);

        for (const QString& undated : {QString(), QStringLiteral("-")}) {
            SinsatuBlock s = episode.sinsatu(0);
            s.SinsatuDate = undated;
            episode.setSinsatu(0, s, false, false);
            QVERIFY(file.saveEpisode(episode, index, 1, keisan));
            const QStringList dropped = TestFixture::readCp932(path);
            QCOMPARE(dropped, lines.mid(0, index) + lines.mid(index + 224));
        }

        SinsatuBlock s = episode.sinsatu(0);
        s.SinsatuDate = QStringLiteral("7.5.2");
        episode.setSinsatu(0, s, false, false);
        QVERIFY(file.saveEpisode(episode, index, 1, keisan));
        QCOMPARE(TestFixture::readBytes(path), before);
    }

    // The totals of the data line are recomputed from the treatment lines at every save, so stale
    // totals in a file are mended by the next save of the episode.
    void staleTotalsAreRecomputedAtEverySave()
    {
        TempDataRoot root;
        QStringList block = KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"));
        const QString fresh = block.at(3);
        block[3] = KarteFixture::blockLine({"Data", "", "999", "1", "2", "3", "4", "5", "9,990"});
        const QString path = TestFixture::writeCp932(root.file("H7/a.sxd"), KarteFixture::chart({block}));
        const KarteFile file = readOk(path);
        KarteEpisode episode = file.episodeAt(2);
        QVERIFY(file.saveEpisode(episode, 2, 1, TensuKeisanProc(Ken::Tottori)));
        QCOMPARE(TestFixture::readCp932(path).at(2 + 3), fresh);
    }

    void firstOfTwoEqualKeysWins()
    {
        TempDataRoot root;
        const QString path = TestFixture::writeCp932(
            root.file("H7/a.sxd"),
            KarteFixture::chart({KarteFixture::block(QString(), QStringLiteral("7.4.1"), QStringLiteral("一つ目")),
                                 KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.4.1")),
                                 KarteFixture::block(QString(), QStringLiteral("7.4.1"), QStringLiteral("二つ目"))}));
        const KarteFile file = readOk(path);
        const int index = file.findEpisode(QString(), QStringLiteral("7.4.1"));
        QCOMPARE(index, 2);
        QCOMPARE(file.episodeAt(index).sinsatu(0).Gensyo, QStringLiteral("一つ目"));
        const KarteScan scan = KarteScan::read(path);
        QCOMPARE(scan.findEpisode(QString(), QStringLiteral("7.4.1")), 0);
        QCOMPARE(scan.findEpisode(QStringLiteral("乳房炎"), QStringLiteral("7.9.9")), -1);
        QCOMPARE(scan.episode(2)->sinsatu(0).Gensyo, QStringLiteral("二つ目"));
    }

    // The disease name and the first-examination date are compared apart: a name ending in a
    // digit and a date that lacks it are another episode, in the chart and in the scan alike.
    void keyFieldsAreComparedApart_data()
    {
        QTest::addColumn<QString>("byoName");
        QTest::addColumn<QString>("syosinDate");
        QTest::newRow("digit moved to the date") << QStringLiteral("乳房炎") << QStringLiteral("15.2.3");
        QTest::newRow("digit moved to the name") << QStringLiteral("乳房炎1") << QStringLiteral("5.2.3");
        QTest::newRow("name moved into the date") << QString() << QStringLiteral("乳房炎15.2.3");
    }
    void keyFieldsAreComparedApart()
    {
        QFETCH(QString, byoName);
        QFETCH(QString, syosinDate);
        TempDataRoot root;
        const QString path = TestFixture::writeCp932(
            root.file("H7/a.sxd"),
            KarteFixture::chart({KarteFixture::block(QStringLiteral("乳房炎1"), QStringLiteral("5.2.3"), QStringLiteral("一つ目")),
                                 KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("15.2.3"), QStringLiteral("二つ目"))}));
        const KarteFile file = readOk(path);
        const KarteScan scan = KarteScan::read(path);
        const int k = byoName == QStringLiteral("乳房炎1") ? 0 : byoName.isEmpty() ? -1 : 1;
        QCOMPARE(scan.findEpisode(byoName, syosinDate), k);
        QCOMPARE(file.findEpisode(byoName, syosinDate), k < 0 ? file.lineCount() : KarteScan::blockStart(k));
    }

    void headerOnlyChart()
    {
        TempDataRoot root;
        const QString path = TestFixture::writeCp932(root.file("H7/a.sxd"), KarteFixture::chart({}, true));
        const KarteFile file = readOk(path);
        QVERIFY(file.ok());
        QCOMPARE(file.blockCount(), 0);
        QCOMPARE(file.findEpisode(QString(), QString()), 2);
        QCOMPARE(file.nouka().NoukaName, QStringLiteral("山本 一郎"));
        QCOMPARE(file.nouka().NoukaCode, QStringLiteral("00010001"));
        QCOMPARE(file.kotai().Meigou, QStringLiteral("はなこ:1234567890"));
        QCOMPARE(file.kotai().meigouName(), QStringLiteral("はなこ"));
        QCOMPARE(file.kotai().kotaiBangou(), QStringLiteral("1234567890"));
        QCOMPARE(file.kotai().Kyosai, QStringLiteral("包"));
        QCOMPARE(file.kotai().Mimiban, QStringLiteral("1234"));
        QCOMPARE(file.kotai().KarteName, QStringLiteral("H7_00010001_1234_0"));
    }

    void damagedChartsAreReportedAndKept_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("listed");   // a scan checks the structure and decodes the header lines
        QTest::addColumn<bool>("episodes"); // an episode scan decodes the name lines as well

        const QStringList good = KarteFixture::chart({KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2")),
                                                      KarteFixture::block(QStringLiteral("卵巣静止"), QStringLiteral("7.6.3"))});
        QStringList fewFields = good;
        fewFields[2 + 224 + 30].chop(1);
        QStringList manyFields = good;
        manyFields[2 + 224 + 40] += QStringLiteral("余り'");
        QStringList cutShort = good;
        cutShort[2 + 7] += QStringLiteral("余り");

        QStringList wrongTag = good;
        wrongTag[2 + 2] = KarteFixture::blockLine({"Sinsatu", "1"});
        QStringList shortHeader = good;
        shortHeader[1] = QStringLiteral("Main'成乳牛'''H28.4.12'雌'はなこ''包''1234'黒白'");
        const auto broken = [&](const QString& text) {
            QByteArray bytes = cp932(good);
            bytes[bytes.indexOf(Cp932::encode(text).value(), cp932(good.mid(0, 2 + 224)).size())] = '\x80';
            return bytes;
        };

        QTest::newRow("empty file") << QByteArray() << 0 << false << false;
        QTest::newRow("one line") << cp932(good.mid(0, 1)) << 1 << false << false;
        QTest::newRow("block cut short") << cp932(good.mid(0, 2 + 224 + 100)) << 2 + 224 << false << false;
        QTest::newRow("line with 15 fields") << cp932(fewFields) << 2 + 224 + 30 << false << false;
        QTest::newRow("line with 17 fields") << cp932(manyFields) << 2 + 224 + 40 << false << false;
        QTest::newRow("text after the last field") << cp932(cutShort) << 2 + 7 << false << false;
        QTest::newRow("line out of place") << cp932(wrongTag) << 4 << false << false;
        QTest::newRow("animal line of 12 fields") << cp932(shortHeader) << 1 << false << false;
        QTest::newRow("undecodable name line") << broken(QStringLiteral("卵巣静止")) << 2 + 224 << true << false;
        QTest::newRow("undecodable treatment line") << broken(QStringLiteral("薬A")) << 2 + 224 + 5 << true << true;
    }
    void damagedChartsAreReportedAndKept()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, line);
        QFETCH(bool, listed);
        TempDataRoot root;
        const QString name = QStringLiteral("H7_00010001_1234_0.sxd");
        const QString path = TestFixture::writeBytes(root.file("H7/" + name), content);

        const KarteFile file = KarteFile::read(path);
        QVERIFY(!file.ok());
        QCOMPARE(file.errorLine, line);
        QVERIFY2(file.errorText.contains(name), qPrintable(file.errorText));
        QVERIFY2(file.errorText.contains(QStringLiteral("%1 行目").arg(line + 1)), qPrintable(file.errorText));

        QString error;
        KarteEpisode episode;
        SinsatuBlock s;
        s.SinsatuDate = QStringLiteral("7.7.7");
        episode.setSinsatu(0, s, false, false);
        QVERIFY(!file.saveEpisode(episode, file.lineCount(), 0, TensuKeisanProc(), &error));
        QCOMPARE(error, file.errorText);
        QVERIFY(!file.saveHeader(KarteFixture::noukaLine(), KarteFixture::kotaiLine()));
        QCOMPARE(TestFixture::readBytes(path), content);

        // A scan passes over the damaged chart with the reader's report, or, where the damage is a
        // line that does not decode, reports it in the same words when that line is asked for.
        const QString goodName = QStringLiteral("H7_00010001_5678_0.sxd");
        TestFixture::writeCp932(root.file("H7/" + goodName), KarteFixture::chart({}));
        QStringList reports;
        QStringList scanned;
        QStringList episodeReports;
        QList<int> episodesRead;
        KarteScan::forEachChart(root.file("H7"), {name, goodName}, [&](const KarteScan& scan) {
            scanned.append(scan.path);
            for (int k = 0; k < scan.blockCount(); ++k) {
                QString report;
                if (scan.episode(k, &report))
                    episodesRead.append(k);
                else
                    episodeReports.append(report);
            }
            return true;
        }, &reports);
        QCOMPARE(scanned.size(), listed ? 2 : 1);
        QCOMPARE(scanned.last(), root.file("H7/" + goodName));
        if (listed) {
            QVERIFY(reports.isEmpty());
            QCOMPARE(episodesRead, QList<int>{0});
            QCOMPARE(episodeReports, QStringList{file.errorText});
        } else {
            QCOMPARE(reports, QStringList{file.errorText});
            QVERIFY(episodesRead.isEmpty());
        }

        QFETCH(bool, episodes);
        QStringList names;
        reports.clear();
        KarteScan::forEachEpisode(root.file("H7"), {name}, [&](const KarteScan&, int, const KarteNameRecord& n) {
            names.append(n.ByoName);
            return true;
        }, &reports);
        QCOMPARE(names, episodes ? QStringList({"乳房炎", "卵巣静止"}) : QStringList());
        QCOMPARE(reports, episodes ? QStringList() : QStringList{file.errorText});
    }

    void fieldsAreTheTextsEndedByTheSeparator()
    {
        QCOMPARE(KarteText::fieldCount(QStringLiteral("a'b'")), 2);
        QCOMPARE(KarteText::fieldCount(QStringLiteral("a'b'c")), 2);
        QVERIFY(KarteText::textAfterLastField(QByteArrayView("a'b'c")));
        QVERIFY(!KarteText::textAfterLastField(QByteArrayView("a'b'  ")));

        // Blanks after the last field are no damage: nothing a save keeps is lost with them.
        TempDataRoot root;
        QStringList lines = KarteFixture::chart({KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"))});
        lines[2 + 7] += QStringLiteral("  ");
        const QString path = TestFixture::writeCp932(root.file("H7/a.sxd"), lines);
        QVERIFY(readOk(path).ok());
        QVERIFY(KarteScan::read(path).episode(0));
    }

    void missingChartIsReported()
    {
        TempDataRoot root;
        const KarteFile file = KarteFile::read(root.file("H7/none.sxd"));
        QVERIFY(file.missing);
        QVERIFY(file.errorText.contains(QStringLiteral("none.sxd")));
        QVERIFY(!file.save(KarteFile::SaveKind::Append, 0, KarteBlock()));
        QVERIFY(!QFileInfo::exists(root.file("H7/none.sxd")));
    }

    void appendNormalisesHeaderAndReplaceDoesNot()
    {
        TempDataRoot root;
        const QStringList lines = KarteFixture::chart({KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"))}, true);
        const QString path = TestFixture::writeCp932(root.file("H7/a.sxd"), lines);
        const KarteFile file = readOk(path);
        QCOMPARE(file.nouka().NoukaCode, QStringLiteral("00010001"));
        QCOMPARE(file.kotai().Meigou, QStringLiteral("はなこ:1234567890"));

        // An episode that was not found when reading is saved at the line count: appended, but
        // the header lines stay as read.
        KarteEpisode episode = file.episodeAt(2);
        QVERIFY(file.save(KarteFile::SaveKind::Replace, file.lineCount(), episode.block()));
        QStringList saved = TestFixture::readCp932(path);
        QCOMPARE(saved.mid(0, 2), lines.mid(0, 2));
        QCOMPARE(saved.size(), 2 + 448);

        QVERIFY(file.save(KarteFile::SaveKind::Append, file.lineCount(), episode.block()));
        saved = TestFixture::readCp932(path);
        QCOMPARE(saved.mid(0, 2), (QStringList{KarteFixture::noukaLine(false), KarteFixture::kotaiLine(false)}));
        QCOMPARE(saved.mid(2, 224), lines.mid(2, 224));
    }

    void saveRefusesAnIndexInsideABlock()
    {
        TempDataRoot root;
        const QString path = TestFixture::writeCp932(
            root.file("H7/a.sxd"), KarteFixture::chart({KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"))}));
        const QByteArray before = TestFixture::readBytes(path);
        const KarteFile file = readOk(path);
        QString error;
        QVERIFY(!file.save(KarteFile::SaveKind::Drop, 5, KarteBlock(), &error));
        QVERIFY(error.contains(QStringLiteral("6 行目")));
        QCOMPARE(TestFixture::readBytes(path), before);
    }

    void headerRewriteKeepsTheEpisodes()
    {
        TempDataRoot root;
        const QStringList lines = KarteFixture::chart({KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"))}, true);
        const QString path = TestFixture::writeCp932(root.file("H7/a.sxd"), lines);
        KarteKotaiRecord kotai = readOk(path).kotai();
        kotai.Tokutyo = QStringLiteral("死亡");
        kotai.SekininDay = QStringLiteral("R7.4.1");
        QVERIFY(readOk(path).saveHeader(lines.at(0), kotai.line(KarteKotaiRecord::RegisterFields)));
        const QStringList saved = TestFixture::readCp932(path);
        QCOMPARE(saved.at(1), QStringLiteral("Main'成乳牛'''H28.4.12'雌'はなこ:1234567890''包''1234'黒白'死亡'H7_00010001_1234_0''R7.4.1''"));
        QCOMPARE(saved.mid(2), lines.mid(2));
        QCOMPARE(saved.at(0), lines.at(0));
    }

    void createNeverReplaces()
    {
        TempDataRoot root;
        const QString folder = root.file("H7");
        KarteNoukaRecord nouka;
        nouka.NoukaTiku = QStringLiteral(" 東谷 ");
        nouka.NoukaName = QStringLiteral("山本 一郎");
        nouka.NoukaCode = QStringLiteral("00010001");
        nouka.NoukaJyusyo = QStringLiteral("鳥取県中央市東谷1-2");
        KarteKotaiRecord kotai;
        kotai.Syurui = QStringLiteral("成乳牛");
        kotai.BirthDay = QStringLiteral("-");
        kotai.Seibetu = QStringLiteral("雌");
        kotai.Meigou = KarteKotaiRecord::joinMeigou(QStringLiteral("はなこ"), QStringLiteral(" 1234567890 "));
        kotai.Kyosai = QStringLiteral("包");
        kotai.Mimiban = QStringLiteral("K001");
        kotai.Keiro = QStringLiteral("-");
        kotai.Tokutyo = QStringLiteral("-");
        kotai.KarteName = KarteFileName(QStringLiteral("7"), nouka.NoukaCode, kotai.Mimiban, false).baseName();
        const QString name = KarteFileName(QStringLiteral("7"), nouka.NoukaCode, kotai.Mimiban, false).text();

        QString error;
        QCOMPARE(KarteFile::create(folder, name, nouka.line(), kotai.line(), &error), KarteFile::CreateResult::Created);
        QCOMPARE(TestFixture::readCp932(folder + "/" + name),
                 (QStringList{QStringLiteral("Main'東谷'山本 一郎'00010001'鳥取県中央市東谷1-2''''''''''"),
                              QStringLiteral("Main'成乳牛'''-'雌'はなこ:1234567890''包''K001'-'-'H7_00010001_K001_0'")}));

        const QString lower = QStringLiteral("H7_00010001_k001_0.sxd");
        const QStringList withEpisode = KarteFixture::chart({KarteFixture::block(QStringLiteral("乳房炎"), QStringLiteral("7.5.2"))});
        TestFixture::writeCp932(folder + "/" + name, withEpisode);
        QCOMPARE(KarteFile::create(folder, lower, nouka.line(), kotai.line()), KarteFile::CreateResult::Exists);
        QCOMPARE(KarteFile::create(folder, name, nouka.line(), kotai.line()), KarteFile::CreateResult::Exists);
        QCOMPARE(TestFixture::readCp932(folder + "/" + name), withEpisode);
        QVERIFY(!QFileInfo::exists(folder + "/" + lower));
        QCOMPARE(KarteFile::create(folder, QStringLiteral("H7_1_a/b_0.sxd"), nouka.line(), kotai.line(), &error),
                 KarteFile::CreateResult::Failed);
        QVERIFY(error.contains(QStringLiteral("a/b")));
    }

    void headerValuesThatWouldSplitTheLine()
    {
        KarteNoukaRecord nouka;
        nouka.NoukaName = QStringLiteral("O’Hara");
        QCOMPARE(nouka.badValue().value_or(QString()), QStringLiteral("O’Hara"));
        QCOMPARE(nouka.line(), QStringLiteral("Main''OHara''''''''''''"));
        KarteKotaiRecord kotai;
        kotai.Keiro = QStringLiteral("黒\r\n白");
        QVERIFY(kotai.badValue());
        QVERIFY(!KarteKotaiRecord::parse(kotai.line(13)));
        QCOMPARE(KarteKotaiRecord::parse(kotai.line(17))->Keiro, QStringLiteral("黒白"));
    }
};

NOLVARI_TEST(KarteFileTest)
#include "KarteFileTest.moc"
