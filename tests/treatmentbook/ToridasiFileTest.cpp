#include "BookSetup.h"
#include "TestRegistry.h"

#include "chart/KarteScan.h"
#include "chart/ToridasiImport.h"
#include "common/SharedState.h"
#include "treatmentbook/TiryoboBook.h"
#include "treatmentbook/ToridasiFile.h"

#include <QtTest>

namespace {
// Days on rows 2 (5.3.1), 5 (5.3.4) and 9 (5.3.9); row 4 closes a course; the day of row 5 holds
// a disease, a house call and two injections.
TiryoboBook book()
{
    TiryoboBook b = TiryoboBook::fresh();
    b.row(1) = BookSetup::row({{2, "above the first date"}});
    b.row(2) = BookSetup::row({{0, "5.3.1"}, {2, "初回"}});
    b.row(4) = BookSetup::row({{0, "治療終了"}});
    b.row(5) = BookSetup::row({{0, "5.3.4"}, {1, "乳房炎:10-2-3"}, {2, "  腫脹\r\nあり "}, {3, "往診"}, {4, "5km"},
                               {5, "日中:5k以内"}, {8, "60"}, {9, "54"}, {11, "39'0"}, {17, "3:0::a:"},
                               {18, "硬:大:"}});
    b.row(6) = BookSetup::row({{3, "筋肉内注射"}, {4, "ペニシリン"}, {6, "2"}, {7, "300"}, {8, "30"}, {9, "25"},
                               {10, "30･25･0･0"}});
    b.row(7) = BookSetup::row({{3, "筋肉内注射"}, {4, "ビタミン"}, {6, "1"}, {7, "100"}});
    b.row(9) = BookSetup::row({{0, "5.3.9"}, {3, "再診"}, {8, "55"}, {9, "7"}});
    return b;
}

void mark(TiryoboBook& b, const QList<int>& rows)
{
    for (int r : rows)
        b.row(r).marked = true;
}
}

class ToridasiFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void recordsOfOneDay()
    {
        TiryoboBook b = book();
        mark(b, {5, 6, 7});
        const ToridasiFile file = ToridasiFile::build(b);
        const QStringList lines = file.lines();
        QCOMPARE(lines.size(), 3 + 3 + 1);
        QCOMPARE(lines.mid(0, 3), (QStringList{"乳房炎:10-2-3", "", ""}));
        QCOMPARE(lines.at(3), "1:5.3.4'乳房炎:10-2-3'腫脹あり'往診'5km'日中:5k以内'''60'54''39’0'3:0::a:'硬:大:");
        QVERIFY(lines.at(4).startsWith("1:5.3.4'''筋肉内注射'ペニシリン''2'300'30'25'30･25･0･0'"));
        QCOMPARE(lines.at(4).count('\''), 13);
        QVERIFY(lines.at(5).startsWith("1:5.3.4'"));
        QCOMPARE(lines.last(), "0");
        QCOMPARE(file.firstDate, "5.3.4");
        QCOMPARE(file.karteKey(), "乳房炎5.3.4");
        QCOMPARE(file.kiokuDate, "");
    }

    void dayKeysCountEveryDateRow()
    {
        TiryoboBook b = book();
        mark(b, {1, 2, 9});
        const QStringList lines = ToridasiFile::build(b).lines();
        QCOMPARE(lines.size(), 3 + 3 + 1);
        QVERIFY(lines.at(3).startsWith("dm'"));
        QVERIFY(lines.at(4).startsWith("0:5.3.1'"));
        QVERIFY(lines.at(5).startsWith("2:5.3.9'"));
    }

    void dateOnlyRowsDecideTheFirstDateButAddNoRecord()
    {
        TiryoboBook b = book();
        b.row(9).set(3, "");
        b.row(9).set(8, "");
        b.row(9).set(9, "");
        b.row(10) = BookSetup::row({{1, "乳房炎:10-2-3"}, {3, "再診"}});
        mark(b, {9, 10});
        const ToridasiFile file = ToridasiFile::build(b);
        QCOMPARE(file.records.size(), 1);
        QCOMPARE(file.firstDate, "5.3.9");
        QVERIFY(file.records.at(0).startsWith("2:5.3.9'"));

        TiryoboBook none = book();
        mark(none, {3, 4, 8});
        QCOMPARE(ToridasiFile::build(none).empty()->text, "行が選択されていません。");
    }

    void calvingAnywhereSetsTheFlagAndTheRememberedDate()
    {
        TiryoboBook b = book();
        b.row(2).set(12, "【産数】2");
        b.row(3).set(12, "no date");
        b.row(9).set(12, "【産数】3");
        mark(b, {6});
        const ToridasiFile file = ToridasiFile::build(b);
        QCOMPARE(file.lines().last(), "1");
        QCOMPARE(file.kiokuDate, "5.3.9");
    }

    void sameDiseaseAndFirstDateIsRefused()
    {
        BookSetup setup;
        const KarteScan chart = KarteScan::read(SharedState::get().kartePath(BookSetup::karte()));
        QVERIFY2(chart.ok(), qPrintable(chart.errorText));
        TiryoboBook b = TiryoboBook::fresh();
        b.row(1) = BookSetup::row({{0, "7.4.3"}, {1, "第四胃変位 :0421"}, {3, "再診"}});
        b.row(1).marked = true;
        QCOMPARE(ToridasiFile::build(b).duplicate(chart)->text, "病名と初診日が同じカルテがありますので作成できません。");
        b.row(1).set(1, "第四胃変位:");
        QVERIFY(ToridasiFile::build(b).duplicate(chart));
        b.row(1).set(0, "7.4.4");
        QVERIFY(!ToridasiFile::build(b).duplicate(chart));
        b.row(1).set(0, "7.4.3");
        b.row(1).set(1, "第四胃変位");
        QVERIFY(!ToridasiFile::build(b).duplicate(chart));   // not name ":" code: no check
    }

    void theEditorReadsTheWrittenFile()
    {
        BookSetup setup;
        TiryoboBook b = book();
        mark(b, {2, 5, 6, 7, 9});
        const ToridasiFile file = ToridasiFile::build(b);
        QString error;
        QVERIFY2(file.write(&error), qPrintable(error));
        QVERIFY(setup.exists("set/ToridasiData.ini"));
        const std::optional<ToridasiImport> import = ToridasiImport::readFile(ToridasiFile::path());
        QVERIFY(import);
        const KarteEpisode& episode = import->Episode;
        QCOMPARE(episode.block().cell(0, 2), "乳房炎");
        QCOMPARE(episode.block().cell(0, 3), "10-2-3");
        const SinsatuBlock first = episode.sinsatu(0);
        QCOMPARE(first.SinsatuDate, "5.3.1");
        QCOMPARE(first.Gensyo, "初回");
        const SinsatuBlock second = episode.sinsatu(1);
        QCOMPARE(second.SinsatuDate, "5.3.4");
        QCOMPARE(second.Tpr, "T=39’0 P= R=");
        QCOMPARE(second.Tiryo.at(0).text(TiryoLine::Naiyou), "5km");
        QCOMPARE(second.Tiryo.at(1).text(TiryoLine::Naiyou), "ペニシリン");
        QCOMPARE(second.Tiryo.at(1).text(TiryoLine::Yakka), "300");
        QCOMPARE(second.Tiryo.at(2).text(TiryoLine::Naiyou), "ビタミン");
        QCOMPARE(second.Syoken.at(0), "硬");
        QCOMPARE(episode.sinsatu(2).SinsatuDate, "5.3.9");
        QCOMPARE(episode.sinsatu(2).Tiryo.at(0).text(TiryoLine::Bunrui), "再診");
        QVERIFY(import->LeftOut.isEmpty());
    }
};

NOLVARI_TEST(ToridasiFileTest)
#include "ToridasiFileTest.moc"
