#include "SyukeiFixture.h"
#include "TestRegistry.h"

#include "common/SharedState.h"
#include "common/TextFile.h"
#include "tallies/TenkiIkkatuProc.h"

#include <QtTest>

namespace {

using Choice = TenkiIkkatuProc::Choice;
using Outcome = TenkiIkkatuProc::Outcome;

const TenkiValues chiyu{"7", "6", "30", "治癒", "7･6"};

SyukeiEpisode episode(const QString& byo, const QString& syosin)
{
    SyukeiEpisode e;
    e.byo = byo;
    e.syosin = syosin;
    e.tenki = "未";
    return e;
}

} // namespace

class TenkiIkkatuTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void choice_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("manth");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("teisyutu");
        QTest::addColumn<int>("choice");
        QTest::newRow("closed") << "" << "" << "" << "" << int(Choice::Closed);
        QTest::newRow("OK without a date") << "" << "" << "" << "7･6" << int(Choice::NoDate);
        QTest::newRow("month only") << "" << "6" << "" << "7･6" << int(Choice::Partial);
        QTest::newRow("no day") << "7" << "6" << "" << "7･6" << int(Choice::Partial);
        QTest::newRow("full date") << "7" << "6" << "30" << "7･6" << int(Choice::Write);
        QTest::newRow("reset") << "0" << "" << "" << "" << int(Choice::Write);
    }
    void choice()
    {
        QFETCH(QString, year);
        QFETCH(QString, manth);
        QFETCH(QString, day);
        QFETCH(QString, teisyutu);
        QFETCH(int, choice);
        QCOMPARE(int(TenkiIkkatuProc::choice({year, manth, day, "治癒", teisyutu})), choice);
    }

    void nameLine()
    {
        const QString line = "Name''乳房炎'0611'7.5.19'7.5.20'7.5.23''未'3'''へい病''''";
        QCOMPARE(TenkiIkkatuProc::nameLine(line, chiyu), QString("Name''乳房炎'0611'7.5.19'7.5.20'7.5.23'7.6.30'治癒'3'''へい病'7･6'''"));
        const QString closed = "Name''乳房炎'0611'7.5.19'7.5.20'7.5.23'7.6.1'治癒'3'''へい病'7･6'''";
        QCOMPARE(TenkiIkkatuProc::nameLine(closed, {"0", "", "", "", ""}),
                 QString("Name''乳房炎'0611'7.5.19'7.5.20'7.5.23''未'3'''へい病''''"));
    }

    // Only the episode's name line changes; the "’" headers and a duplicate code of the code page
    // in another line come back byte for byte. Two rows of one chart both take the outcome.
    void byteExactRoundTrip()
    {
        SyukeiInstallation inst;
        SyukeiChart chart;
        chart.curly = true;
        chart.episodes = {episode("乳房炎", "7.6.1"), episode("", "7.6.3")};
        const QString file = inst.add(chart);
        const QString path = inst.folder() + "/" + file;
        // A duplicate code (NEC row 8790) into the field after the tag of file line 3.
        QByteArray bytes = TestFixture::readBytes(path);
        qsizetype lineStart = 0;
        for (int i = 0; i < 3; ++i)
            lineStart = bytes.indexOf('\n', lineStart) + 1;
        bytes.insert(bytes.indexOf('\'', lineStart) + 1, QByteArray("\x87\x90", 2));
        TestFixture::writeBytes(path, bytes);
        const QByteArray before = TestFixture::readBytes(path);

        const auto result = TenkiIkkatuProc::run(inst.folder(), {{"1", file, "乳房炎", "7.6.1"}, {"2", file, "", "7.6.3"}}, chiyu);
        QCOMPARE(result.written, 2);
        QVERIFY(result.complete());
        QCOMPARE(result.message(), QString("転帰書込み終了。"));
        const QByteArray after = TestFixture::readBytes(path);
        QCOMPARE(after.count('\n'), before.count('\n'));
        QCOMPARE(changedLines(before, after), (QList<int>{2, 2 + 224}));
        QVERIFY(after.split('\n').at(0).contains("\x81\x66"));   // "’" kept
        QVERIFY(after.split('\n').at(3).contains(QByteArray("\x87\x90", 2)));
        const QStringList text = TestFixture::readCp932(path);
        QVERIFY(text.at(2).contains("'7.6.30'治癒'"));
        QVERIFY(text.at(2 + 224).startsWith("Name'''"));
        QVERIFY(text.at(2 + 224).contains("'7.6.30'治癒'"));
    }

    // Two episodes with one first-exam date: the marked one (its disease) takes the outcome.
    void episodeByKey()
    {
        SyukeiInstallation inst;
        SyukeiChart chart;
        chart.episodes = {episode("乳房炎", "7.6.1"), episode("蹄病", "7.6.1")};
        const QString file = inst.add(chart);
        TenkiIkkatuProc::run(inst.folder(), {{"2", file, "蹄病", "7.6.1"}}, chiyu);
        const QStringList text = TestFixture::readCp932(inst.folder() + "/" + file);
        QVERIFY(text.at(2).contains("'未'"));
        QVERIFY(text.at(2 + 224).contains("'治癒'"));
    }

    // Rows that cannot be written are reported with the reason; the charts stay as they were.
    void skippedRows()
    {
        SyukeiInstallation inst;
        SyukeiChart chart;
        chart.episodes = {episode("乳房炎", "7.6.1")};
        const QString file = inst.add(chart);
        const QString path = inst.folder() + "/" + file;
        const QByteArray before = TestFixture::readBytes(path);
        TestFixture::writeCp932(inst.folder() + "/H7_00010001_5555_0.sxd", {"Main'a'b'c", "garbage"});

        TextFile::failNextWriteAfterBytes(10);
        const auto result = TenkiIkkatuProc::run(inst.folder(),
                                                 {{"1", file, "乳房炎", "7.6.1"},
                                                  {"2", file, "乳房炎", "7.6.2"},
                                                  {"3", "H7_00010001_5555_0.sxd", "蹄病", "7.6.1"},
                                                  {"", "", "", ""}},
                                                 chiyu);
        QCOMPARE(result.written, 0);
        QCOMPARE(result.skipped.size(), 4);
        QVERIFY(result.skipped.at(0).contains("書き込めません"));
        QVERIFY(result.skipped.at(1).contains("見つかりません"));
        QVERIFY(result.skipped.at(2).contains("H7_00010001_5555_0.sxd"));
        QVERIFY(result.skipped.at(3).startsWith("合計行"));
        QVERIFY(result.message().startsWith("0件のカルテに転帰を書き込みました。"));
        QCOMPARE(TestFixture::readBytes(path), before);
        QCOMPARE(TestFixture::readCp932(inst.folder() + "/H7_00010001_5555_0.sxd"), (QStringList{"Main'a'b'c", "garbage"}));
    }
};

NOLVARI_TEST(TenkiIkkatuTest)
#include "TenkiIkkatuTest.moc"
