#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/ToridasiImport.h"

#include <QtTest>

namespace {
// A treatment-book row: date, disease, course, the eight treatment cells, temperature, picture
// entry, findings.
QString row(const QString& date, const QString& naiyou, const QString& syoken = QString())
{
    return QStringList{date, QStringLiteral("乳房炎"), QStringLiteral("経過") + naiyou, QStringLiteral("注入"), naiyou,
                       QStringLiteral("10ml"), QStringLiteral("1"), QStringLiteral("200"), QStringLiteral("30"),
                       QStringLiteral("25"), QStringLiteral("30･25･0･0"), QStringLiteral("38.9"), QStringLiteral("2"), syoken}
        .join(QLatin1Char('\''));
}

QStringList handOver(const QStringList& rows, const QString& flag = QStringLiteral("0"))
{
    return QStringList{QStringLiteral("乳房炎:A1"), QStringLiteral("第四胃変位"), QStringLiteral("卵巣静止:B2:x")} + rows
        + QStringList{flag};
}

// Examination j as "date: drug names of its lines".
QString sinsatuText(const KarteEpisode& episode, int j)
{
    const SinsatuBlock s = episode.sinsatu(j);
    QStringList names;
    for (const TiryoLine& line : s.Tiryo) {
        if (line.occupied())
            names.append(line.text(TiryoLine::Naiyou));
    }
    return s.SinsatuDate + QStringLiteral(": ") + names.join(QLatin1Char(','));
}
}

class ToridasiImportTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsBecomeExaminations_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("sinsatu");
        QTest::newRow("three of one date") << QStringList{row("7.4.1", "a"), row("7.4.1", "b"), row("7.4.1", "c")}
                                           << QStringList{"7.4.1: a,b,c", ": "};
        QTest::newRow("eight of one date")
            << QStringList{row("7.4.1", "a"), row("7.4.1", "b"), row("7.4.1", "c"), row("7.4.1", "d"),
                           row("7.4.1", "e"), row("7.4.1", "f"), row("7.4.1", "g"), row("7.4.1", "h")}
            << QStringList{"7.4.1: a,b,c,d,e,f,g", "7.4.1: h", ": "};
        QTest::newRow("two dates in row order") << QStringList{row("7.4.3", "a"), row("7.4.1", "b"), row("7.4.1", "c")}
                                                << QStringList{"7.4.3: a", "7.4.1: b,c", ": "};
        QTest::newRow("prefixed date") << QStringList{row("分娩:7.4.1", "a"), row("分娩:7.4.1", "b"), row("7.4.1", "c")}
                                       << QStringList{"7.4.1: a,b", "7.4.1: c", ": "};
        QTest::newRow("empty lines skipped") << QStringList{row("7.4.1", "a"), QString(), row("7.4.1", "b")}
                                             << QStringList{"7.4.1: a,b", ": "};
        QTest::newRow("rows without a date") << QStringList{row("", "a"), row("", "b")} << QStringList{": a,b", ": "};
    }
    void rowsBecomeExaminations()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, sinsatu);
        const ToridasiImport import = ToridasiImport::build(handOver(rows));
        for (int j = 0; j < sinsatu.size(); ++j)
            QCOMPARE(sinsatuText(import.Episode, j), sinsatu.at(j));
        QVERIFY(import.LeftOut.isEmpty());
    }

    void examinationFields()
    {
        const ToridasiImport import = ToridasiImport::build(
            handOver({row("分娩:7.4.1", "a", "黄体:卵胞"), row("7.4.2", "b", "黄体")}, QStringLiteral("1")));
        const KarteEpisode& e = import.Episode;
        QCOMPARE(e.name().ByoName, QStringLiteral("乳房炎"));
        QCOMPARE(e.name().ByoCode, QStringLiteral("A1"));
        QCOMPARE(e.data1().ByoName2, QString());
        QCOMPARE(e.name().ByoName3, QString());
        QCOMPARE(e.data1().BunbenDate, QStringLiteral("7.4.1"));
        const SinsatuBlock first = e.sinsatu(0);
        QCOMPARE(first.Tpr, QStringLiteral("T=38.9 P= R="));
        QCOMPARE(first.Gensyo, QStringLiteral("経過a"));
        QCOMPARE(first.PictNb, QStringLiteral("2"));
        QCOMPARE(first.Syoken.at(0), QStringLiteral("黄体"));
        QCOMPARE(first.Syoken.at(1), QStringLiteral("卵胞"));
        QCOMPARE(first.Tiryo.at(0).cells(), (QStringList{"注入", "a", "10ml", "1", "200", "30", "25", "30･25･0･0"}));
        QCOMPARE(e.sinsatu(1).Syoken.at(0), QString()); // a finding without ":" is not taken
        QCOMPARE(e.block().cell(4, 0), QStringLiteral("Sinsatu"));
        QCOMPARE(e.block().cell(15, 1), QStringLiteral("2"));
    }

    void whatDoesNotFitIsReported()
    {
        QStringList rows;
        for (int d = 1; d <= 22; ++d)
            rows.append(row(QStringLiteral("7.5.%1").arg(d), QStringLiteral("d%1").arg(d)));
        rows[0] = row(QStringLiteral("7.5.1"), QStringLiteral("d1"), QStringLiteral("1:2:3:4:5:6:7:8:9:10:"));
        rows.append(row(QStringLiteral("7.5.22"), QStringLiteral("d22b")));
        const ToridasiImport import = ToridasiImport::build(handOver(rows));
        QCOMPARE(sinsatuText(import.Episode, 19), QStringLiteral("7.5.20: d20"));
        QCOMPARE(import.Episode.sinsatu(0).Syoken.at(7), QStringLiteral("8"));
        QCOMPARE(import.Episode.block().cell(4 + 8, 11), QString());
        QCOMPARE(import.LeftOut.size(), 5);
        QVERIFY(import.LeftOut.at(0).contains(QStringLiteral("「9」")));
        QVERIFY(import.LeftOut.at(1).contains(QStringLiteral("「10」")));
        QVERIFY(import.LeftOut.at(2).contains(QStringLiteral("7.5.21")));
        QVERIFY(import.LeftOut.at(4).contains(QStringLiteral("d22b")));
    }

    void readsTheHandOverFile()
    {
        TempDataRoot root;
        const QString path = root.write("set/ToridasiData.ini", handOver({row("7.4.1", "a")}));
        QString error;
        const std::optional<ToridasiImport> import = ToridasiImport::readFile(path, &error);
        QVERIFY(import);
        QCOMPARE(sinsatuText(import->Episode, 0), QStringLiteral("7.4.1: a"));
        QVERIFY(!ToridasiImport::readFile(root.file("set/none.ini"), &error));
        QVERIFY(error.contains(QStringLiteral("none.ini")));
    }
};

NOLVARI_TEST(ToridasiImportTest)
#include "ToridasiImportTest.moc"
