#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteBlock.h"
#include "common/SharedState.h"
#include "common/SindansyoEpisode.h"
#include "common/SindansyoPageCount.h"

#include <QtTest>

namespace {

// A block with the disease name and first-examination date, and examinations dated or with a
// course text as asked: "d" dated, "c" course text only, "." a date beginning with ".", "-" none.
QStringList block(const QString& byoName, const QString& syosin, const QString& exams = QString())
{
    KarteBlock b;
    b.setCell(0, 2, byoName);
    b.setCell(0, 5, syosin);
    for (int j = 0; j < exams.size(); ++j) {
        const int row = KarteBlock::sinsatuRow(j);
        if (exams.at(j) == QLatin1Char('d'))
            b.setCell(row, 2, QStringLiteral("7.4.%1").arg(j + 1));
        else if (exams.at(j) == QLatin1Char('.'))
            b.setCell(row, 2, QStringLiteral(".."));
        else if (exams.at(j) == QLatin1Char('c'))
            b.setCell(row + 1, 2, QStringLiteral("経過"));
    }
    return b.lines();
}

QStringList header()
{
    return {"Main'東谷'山本 一郎'00010001'鳥取県中央市'", "Main'成乳牛’X'''H30.3.15'雌'はなこ:1012345678''包''1234'"};
}

} // namespace

class SindansyoEpisodeTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // The key compares name and date apart: "乳房炎1" with "5.2.3" is not "乳房炎" with "15.2.3".
    void findsTheEpisodeByNameAndDateApart()
    {
        TempDataRoot root;
        const QString path = root.write("H7/a.sxd", header() + block("乳房炎1", "5.2.3") + block("乳房炎", "15.2.3")
                                                        + block("乳房炎", "15.2.3", "d"));
        const SindansyoEpisode e = SindansyoEpisode::load(path, "乳房炎", "15.2.3");
        QVERIFY(e.found());
        QCOMPARE(e.startLine, 2 + 224);
        QCOMPARE(e.cell(0, 2), QStringLiteral("乳房炎"));
        QCOMPARE(e.cell(SindansyoEpisode::sinsatuRow(0), 2), QString()); // the first of the two
        QCOMPARE(e.PrintReadList.size(), 2 + 3 * 224);
        QCOMPARE(SindansyoEpisode::load(path, "乳房炎", "5.2.3").status, SindansyoEpisode::Status::NotFound);
    }

    // Header lines are split as stored ("’" is not a separator), missing fields and rows past the
    // end of the file are empty.
    void missingCellsAreEmpty()
    {
        TempDataRoot root;
        QStringList lines = header() + block("肺炎", "7.4.1", "dd");
        lines[2 + 4] = "Sinsatu'1'7.4.1'";   // a short line
        lines = lines.mid(0, 2 + 100);        // the file ends inside the block
        const SindansyoEpisode e = SindansyoEpisode::load(root.write("H7/b.sxd", lines), "肺炎", "7.4.1");
        QVERIFY(e.found());
        QCOMPARE(e.PrintGrid.size(), 224);
        QCOMPARE(e.cell(4, 2), QStringLiteral("7.4.1"));
        QCOMPARE(e.cell(4, 3), QString());
        QCOMPARE(e.cell(150, 0), QString());
        QCOMPARE(e.cell(224, 0), QString());
        QCOMPARE(e.kotai(1), QStringLiteral("成乳牛’X"));
        QCOMPARE(e.kotai(6), QStringLiteral("はなこ:1012345678"));
        QCOMPARE(e.nouka(2), QStringLiteral("山本 一郎"));
        QCOMPARE(e.nouka(30), QString());
    }

    void unreadableChartsAreNamed()
    {
        TempDataRoot root;
        const QString bad = TestFixture::writeBytes(root.file("H7/bad.sxd"), QByteArray("Main'\x80\x80'\r\n"));
        const SindansyoEpisode broken = SindansyoEpisode::load(bad, "肺炎", "7.4.1");
        QCOMPARE(broken.status, SindansyoEpisode::Status::Unreadable);
        QVERIFY(broken.errorText.contains("bad.sxd"));
        const SindansyoEpisode missing = SindansyoEpisode::load(root.file("H7/none.sxd"), "肺炎", "7.4.1");
        QCOMPARE(missing.status, SindansyoEpisode::Status::Unreadable);
        QVERIFY(missing.errorText.contains("none.sxd"));
    }

    void pageCounts_data()
    {
        QTest::addColumn<QString>("exams");
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("maxPages");
        QTest::addColumn<bool>("course");
        QTest::addColumn<int>("pages");
        const QString d20(20, QLatin1Char('d'));
        QTest::newRow("5 of 5") << d20.left(5) << 5 << 4 << true << 1;
        QTest::newRow("6 of 5") << d20.left(6) << 5 << 4 << true << 2;
        QTest::newRow("10 of 5") << d20.left(10) << 5 << 4 << true << 2;
        QTest::newRow("11 of 5") << d20.left(11) << 5 << 4 << true << 3;
        QTest::newRow("20 of 5") << d20 << 5 << 4 << true << 4;
        QTest::newRow("course text counts") << "ddddd-c" << 5 << 4 << true << 2;
        QTest::newRow("course text does not count") << "ddddd-c" << 5 << 4 << false << 1;
        QTest::newRow("gap then nothing") << "dddd--" << 5 << 4 << true << 1;
        QTest::newRow("dot date") << "ddd...." << 3 << 7 << false << 1;
        QTest::newRow("none") << "" << 5 << 4 << true << 0;
        QTest::newRow("3 of 3") << d20.left(3) << 3 << 7 << false << 1;
        QTest::newRow("4 of 3") << d20.left(4) << 3 << 7 << false << 2;
        QTest::newRow("19 of 3") << d20.left(19) << 3 << 7 << false << 7;
        QTest::newRow("20 of 3") << d20 << 3 << 7 << false << 7;
    }
    void pageCounts()
    {
        QFETCH(QString, exams);
        QFETCH(int, perPage);
        QFETCH(int, maxPages);
        QFETCH(bool, course);
        QFETCH(int, pages);
        const SindansyoEpisode e = SindansyoEpisode::fromLines(header() + block("肺炎", "7.4.1", exams), "肺炎", "7.4.1");
        const auto rule = course ? SindansyoPageCount::Counted::DatedOrCourse : SindansyoPageCount::Counted::Dated;
        QCOMPARE(SindansyoPageCount::pages(e, rule, perPage, maxPages), pages);
    }

    // An examination number no page count can hold counts as none, never as an int out of range.
    void hugeExaminationNumberCountsAsNone()
    {
        QStringList lines = header() + block("肺炎", "7.4.1", "dd");
        QStringList fields = lines.at(2 + KarteBlock::sinsatuRow(1)).split(QLatin1Char('\''));
        fields[1] = "5000000000";
        lines[2 + KarteBlock::sinsatuRow(1)] = fields.join(QLatin1Char('\''));
        const SindansyoEpisode e = SindansyoEpisode::fromLines(lines, "肺炎", "7.4.1");
        QCOMPARE(SindansyoPageCount::lastSinsatuNumber(e, SindansyoPageCount::Counted::Dated), 0);
    }
};

NOLVARI_TEST(SindansyoEpisodeTest)
#include "SindansyoEpisodeTest.moc"
