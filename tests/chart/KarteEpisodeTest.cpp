#include "TestRegistry.h"

#include "chart/KarteEpisode.h"
#include "chart/KarteText.h"
#include "treatment/TotalGrid.h"

#include <QtTest>

namespace {
// A block whose every cell names its place: "row.column".
KarteBlock placeBlock()
{
    KarteBlock block;
    for (int r = 0; r < KarteBlock::LineCount; ++r)
        for (int c = 0; c < KarteBlock::FieldCount; ++c)
            block.setCell(r, c, QStringLiteral("%1.%2").arg(r).arg(c));
    return block;
}

QString place(int row, int column)
{
    return QStringLiteral("%1.%2").arg(row).arg(column);
}

void setDate(KarteEpisode& episode, int j, const QString& date, const QString& gensyo)
{
    SinsatuBlock s = episode.sinsatu(j);
    s.SinsatuDate = date;
    s.Gensyo = gensyo;
    episode.setSinsatu(j, s, false, false);
}
}

class KarteEpisodeTest : public QObject
{
    Q_OBJECT

private slots:
    void newBlockHoldsOnlyTags()
    {
        const QStringList lines = KarteBlock().lines();
        const auto tagged = [](const char* tag, const char* number) {
            return QString::fromLatin1(tag) + QLatin1Char('\'') + QString::fromLatin1(number) + QString(15, QLatin1Char('\''));
        };
        QCOMPARE(lines.size(), 224);
        QCOMPARE(lines.at(0), tagged("Name", ""));
        QCOMPARE(lines.at(3), tagged("Data", ""));
        QCOMPARE(lines.at(4), tagged("Sinsatu", "1"));
        QCOMPARE(lines.at(14), tagged("Sinsatu", "1"));
        QCOMPARE(lines.at(15), tagged("Sinsatu", "2"));
        QCOMPARE(lines.at(223), tagged("Sinsatu", "20"));
    }

    void fieldsReadByName()
    {
        const KarteEpisode episode(placeBlock());
        const KarteNameRecord n = episode.name();
        const KarteData1Record d1 = episode.data1();
        const KarteData2Record d2 = episode.data2();
        const KarteData3Record d3 = episode.data3();
        const SinsatuBlock s = episode.sinsatu(2); // rows 26 to 36
        const QList<std::pair<QString, QString>> pairs{
            {n.ByoName, place(0, 2)}, {n.ByoCode, place(0, 3)}, {n.HatubyoDate, place(0, 4)},
            {n.SyosinDate, place(0, 5)}, {n.SyusinDate, place(0, 6)}, {n.TenkiDate, place(0, 7)},
            {n.Tenki, place(0, 8)}, {n.SinryoKaisu, place(0, 9)}, {n.IbaragiDocName, place(0, 10)},
            {n.SinryoSyurui, place(0, 12)}, {n.TeisyutuTuki, place(0, 13)}, {n.ByoName3, place(0, 14)},
            {n.ByoCode3, place(0, 15)},
            {d1.ByoName2, place(1, 2)}, {d1.ByoCode2, place(1, 3)}, {d1.HatubyoDate2, place(1, 4)},
            {d1.SyosinDate2, place(1, 5)}, {d1.SyusinDate2, place(1, 6)}, {d1.TenkiDate2, place(1, 7)},
            {d1.TiryoKaisu2, place(1, 9)}, {d1.BunbenDate, place(1, 12)}, {d1.JyuseiDate, place(1, 13)},
            {d2.Rinkoku, place(2, 2)}, {d2.Genin, place(2, 5)}, {d2.Chuusi, place(2, 8)},
            {d2.TikusyuSeibetu, place(2, 9)}, {d2.DateCh, place(2, 11)}, {d2.BunsyoCh, place(2, 13)},
            {d3.YakkaGoukei, place(3, 2)}, {d3.YakkaTensu, place(3, 3)}, {d3.BGoukei, place(3, 4)},
            {d3.AGoukei, place(3, 5)}, {d3.BTotal, place(3, 6)}, {d3.ATotal, place(3, 7)},
            {d3.Ryoukin, place(3, 8)}, {d3.Field9, place(3, 9)},
            {s.SinsatuDate, place(26, 2)}, {s.Tpr, place(26, 3)}, {s.StartTime, place(26, 5)},
            {s.EndTime, place(26, 6)}, {s.Tantou, place(26, 9)}, {s.KyuTime, place(26, 10)},
            {s.Gensyo, place(27, 2)}, {s.PictNb, place(34, 2)}, {s.Syoken.at(0), place(34, 3)},
            {s.Syoken.at(7), place(34, 10)},
            {s.Tiryo.at(0).text(TiryoLine::Bunrui), place(27, 3)},
            {s.Tiryo.at(0).text(TiryoLine::Utiwake), place(27, 10)},
            {s.Tiryo.at(6).text(TiryoLine::Yakka), place(33, 7)},
            {s.Tiryo.at(6).text(TiryoLine::MiyazakiBTen), place(33, 10)},
            {episode.tiryo(19, 3).text(TiryoLine::SinryoCode), place(4 + 11 * 19 + 4, 7)},
        };
        for (const auto& [value, expected] : pairs)
            QCOMPARE(value, expected);
    }

    void writesOnlyWhatTheInstallationWrites_data()
    {
        QTest::addColumn<QString>("kenName");
        QTest::addColumn<QString>("docName");
        QTest::addColumn<QStringList>("expected"); // cells (0,10), (2,8), (2,9), (2,13)
        QTest::newRow("鳥取県") << "鳥取県" << "佐藤" << QStringList{"0.10", "(転医)", "成乳牛･雌", "2.13"};
        QTest::newRow("茨城県") << "茨城県" << "佐藤" << QStringList{"佐藤", "2.8", "2.9", "1"};
        QTest::newRow("茨城県 no name") << "茨城県" << "" << QStringList{"0.10", "2.8", "2.9", "1"};
        QTest::newRow("other") << "大分県" << "佐藤" << QStringList{"0.10", "2.8", "2.9", "2.13"};
    }
    void writesOnlyWhatTheInstallationWrites()
    {
        QFETCH(QString, kenName);
        QFETCH(QString, docName);
        QFETCH(QStringList, expected);
        KarteEpisode episode(placeBlock());
        KarteNameRecord n = episode.name();
        n.IbaragiDocName = docName;
        episode.setName(n, KenInfo::fromName(kenName));
        KarteData2Record d2 = episode.data2();
        d2.Chuusi = QStringLiteral("(転医)");
        d2.TikusyuSeibetu = KarteData2Record::tikusyuSeibetu(QStringLiteral("成乳牛"), QStringLiteral("雌"));
        d2.BunsyoCh = QStringLiteral("1");
        d2.Rinkoku = QStringLiteral("昨夜から\r\n食欲が'ない\n");
        episode.setData2(d2, KenInfo::fromName(kenName));
        const KarteBlock& b = episode.block();
        QCOMPARE((QStringList{b.cell(0, 10), b.cell(2, 8), b.cell(2, 9), b.cell(2, 13)}), expected);
        QCOMPARE(b.cell(2, 2), QStringLiteral("昨夜から食欲がない"));
        QCOMPARE(b.cell(0, 11), place(0, 11));
        QCOMPARE(b.cell(2, 14), place(2, 14));
    }

    void examinationWrite()
    {
        KarteEpisode episode(placeBlock());
        SinsatuBlock s = episode.sinsatu(1); // rows 15 to 25
        s.Tantou = QStringLiteral("田中");
        s.KyuTime = QStringLiteral("8:5");
        s.Gensyo = QStringLiteral("  食欲なし　");
        s.Syoken = {QStringLiteral("黄体"), QString(), QString(), QString(), QString(), QString(), QString(), QString()};
        s.Tiryo.at(2).setText(TiryoLine::Bunrui, QStringLiteral("処置"));
        episode.setSinsatu(1, s, false, true);
        const KarteBlock& b = episode.block();
        QCOMPARE(b.cell(15, 9), place(15, 9));          // veterinarian label hidden: kept
        QCOMPARE(b.cell(15, 10), QStringLiteral("8:5"));
        QCOMPARE(b.cell(16, 2), QStringLiteral("食欲なし　")); // full-width blank stays
        QCOMPARE(b.cell(23, 3), QStringLiteral("黄体"));
        QCOMPARE(b.cell(23, 4), QString());
        QCOMPARE(b.cell(23, 11), place(23, 11));
        QCOMPARE(b.cell(18, 3), QStringLiteral("処置"));
        QCOMPARE(b.cell(18, 11), place(18, 11));
        QCOMPARE(b.cell(24, 2), place(24, 2));
    }

    void cellCleaning_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("stored");
        QTest::newRow("blanks") << " 乳房炎 " << "乳房炎";
        QTest::newRow("full-width blanks") << "　乳房炎　" << "　乳房炎　";
        QTest::newRow("CR LF") << "昨夜から\r\n食欲なし" << "昨夜から食欲なし";
        QTest::newRow("lone CR") << "a\rb" << "ab";
        QTest::newRow("LF") << "a\nb" << "ab";
        QTest::newRow("apostrophe") << "O'Hara" << "OHara";
        QTest::newRow("blank before a break") << "経過 \r\n" << "経過";
        QTest::newRow("break before a blank") << "\r\n 経過" << "経過";
    }
    void cellCleaning()
    {
        QFETCH(QString, cell);
        QFETCH(QString, stored);
        KarteBlock block;
        block.setCell(5, 4, cell);
        const QString line = block.lines().at(5);
        QCOMPARE(line, QStringLiteral("Sinsatu'1'''") + stored + QStringLiteral("''''''''''''"));
        QCOMPARE(KarteBlock::fromLines(block.lines()).cell(5, 4), stored);
    }

    void examinationCount_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QStringList>("gensyo");
        QTest::addColumn<bool>("hinagata");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("syusin"); // "(kept)" when no examination counts
        QTest::newRow("three dated") << QStringList{"7.4.1", "7.4.2", "7.4.5"} << QStringList{} << false << 3 << "7.4.5";
        QTest::newRow("cured last") << QStringList{"7.4.1", "7.4.2", "7.4.5"} << QStringList{"", "", " 治癒しました"}
                                    << false << 2 << "7.4.2";
        QTest::newRow("gap and dash") << QStringList{"7.4.1", "-", "", "7.4.9"} << QStringList{} << false << 2 << "7.4.9";
        QTest::newRow("none dated") << QStringList{"", "-"} << QStringList{} << false << 0 << "(kept)";
        QTest::newRow("template") << QStringList{"", ""} << QStringList{"食欲不振", ""} << true << 1 << "";
        QTest::newRow("template counts twice") << QStringList{"7.4.1"} << QStringList{"経過"} << true << 2 << "7.4.1";
    }
    void examinationCount()
    {
        QFETCH(QStringList, dates);
        QFETCH(QStringList, gensyo);
        QFETCH(bool, hinagata);
        QFETCH(int, count);
        QFETCH(QString, syusin);
        KarteEpisode episode;
        episode.block().setCell(0, 6, QStringLiteral("(kept)"));
        episode.block().setCell(5, 3, QStringLiteral("注射"));
        for (int j = 0; j < dates.size(); ++j)
            setDate(episode, j, dates.at(j), gensyo.value(j));
        if (hinagata)
            episode.block().setCell(100, 0, QStringLiteral("Name"));
        episode.gatherDates(hinagata);
        const KarteNameRecord n = episode.name();
        QCOMPARE(n.SinryoKaisu, QString::number(count));
        QCOMPARE(n.SyusinDate, syusin);
        QCOMPARE(n.SyosinDate, dates.first());
        QCOMPARE(episode.kept(), SinsatuBlock::dated(dates.first()));
        QCOMPARE(episode.block().cell(100, 0), QStringLiteral("Sinsatu"));
        QCOMPARE(episode.block().cell(5, 3), QStringLiteral("注射"));
    }

    void pageColours_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("green");
        QTest::newRow("five") << "5" << 5;
        QTest::newRow("none") << "" << 0;
        QTest::newRow("twenty") << "20" << 20;
        QTest::newRow("text after the digits") << "3回" << 3;
    }
    void pageColours()
    {
        QFETCH(QString, count);
        QFETCH(int, green);
        for (int page = 0; page < 20; ++page)
            QCOMPARE(KarteEpisode::pageIroGreen(page, count), page < green);
    }

    void totalsGoToTheDataRecord()
    {
        TotalGrid grid;
        const QList<std::pair<int, int>> cells{{1, 1}, {2, 1}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {1, 6}, {2, 6}};
        for (const auto& [r, c] : cells)
            grid.setText(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
        KarteEpisode episode;
        episode.setTotals(grid);
        QCOMPARE(episode.block().row(3),
                 (QStringList{"Data", "", "1,1", "2,1", "1,3", "1,4", "2,3", "2,4", "1,6", "2,6", "", "", "", "", "", ""}));
    }
};

NOLVARI_TEST(KarteEpisodeTest)
#include "KarteEpisodeTest.moc"
