#include "BookSetup.h"
#include "TestRegistry.h"

#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TextFile.h"
#include "treatmentbook/DellInfoFile.h"
#include "treatmentbook/TiryoboFile.h"

#include <QtTest>

using Cells = QList<QPair<int, QString>>;

class TiryoboFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void namesKeepTheWholeEarTag_data()
    {
        QTest::addColumn<QString>("karte");
        QTest::addColumn<QString>("txb");
        QTest::newRow("plain") << "H7_00010001_1234_0.sxd" << "H7_00010001_1234_0.txb";
        QTest::newRow("dot in the ear tag") << "H7_00010001_12.5_0.sxd" << "H7_00010001_12.5_0.txb";
        QTest::newRow("upper-case suffix") << "H7_00010001_1234_1.SXD" << "H7_00010001_1234_1.txb";
    }
    void namesKeepTheWholeEarTag()
    {
        QFETCH(QString, karte);
        QFETCH(QString, txb);
        QCOMPARE(TiryoboFile::txbName(karte), txb);
        QCOMPARE(TiryoboFile::ixbName(karte), txb.chopped(4) + ".ixb");
    }

    void filledRowsAreSavedAndReadBackWithoutGaps()
    {
        BookSetup setup;
        TiryoboBook book = TiryoboBook::fresh();
        book.row(1) = BookSetup::row({{0, "5.3.12"}, {2, "食欲不振\r\n元気なし"}, {4, "It's"}});
        book.row(2) = BookSetup::row({{3, "注射"}, {18, "a:b:"}});
        book.row(5) = BookSetup::row({{29, "x\ty"}});
        const QString path = TiryoboFile::txbPath(BookSetup::karte());
        QString error;
        QVERIFY2(TiryoboFile::write(path, book, &error), qPrintable(error));

        const QStringList lines = setup.read("cb/H7_00010001_1234_0.txb");
        QCOMPARE(lines.size(), 3);
        for (const QString& line : lines)
            QCOMPARE(line.count('\''), 29);
        QVERIFY(lines.at(0).startsWith("5.3.12''食欲不振\t元気なし''It’s'"));

        const TiryoboFile read = TiryoboFile::readBook(path);
        QCOMPARE(read.status, TiryoboFile::Status::Read);
        QCOMPARE(read.rows.size(), 3);
        QCOMPARE(read.rows.at(0).at(2), "食欲不振\r\n元気なし");
        QCOMPARE(read.rows.at(0).at(4), "It’s");
        QCOMPARE(read.rows.at(1).at(18), "a:b:");
        QCOMPARE(read.rows.at(2).at(29), "x\r\ny");   // a TAB comes back as a line break

        const TiryoboBook reopened = TiryoboBook::withRows(read.rows, TiryoboBook::SpareRows);
        QCOMPARE(reopened.rowCount(), 1 + 3 + 100);
        QCOMPARE(reopened.row(3).at(29), "x\r\ny");
    }

    void readingSkipsLinesWithoutSeparatorsAndDropsExtraFields()
    {
        const QStringList fields = QString("a'").repeated(31).split('\'');
        const QList<TiryoboRow> rows = TiryoboFile::parse({"", "no separator", "a'b", fields.join('\'')});
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).at(1), "b");
        QCOMPARE(rows.at(1).at(29), "a");
    }

    void firstOpeningCreatesABookOfOneEmptyLine()
    {
        BookSetup setup;
        QVERIFY(!setup.exists("cb"));
        const TiryoboFile book = TiryoboFile::readBook(TiryoboFile::txbPath(BookSetup::karte()));
        QCOMPARE(book.status, TiryoboFile::Status::Created);
        QVERIFY(book.rows.isEmpty());
        QCOMPARE(setup.bytes("cb/H7_00010001_1234_0.txb"), QByteArray("\r\n"));
        QCOMPARE(TiryoboFile::readBook(TiryoboFile::txbPath(BookSetup::karte())).status, TiryoboFile::Status::Read);
        QCOMPARE(TiryoboFile::readImport(TiryoboFile::ixbPath(BookSetup::karte())).status,
                 TiryoboFile::Status::Missing);
    }

    void failedWriteKeepsTheOldBook()
    {
        BookSetup setup;
        setup.write("cb/H7_00010001_1234_0.txb", {"5.3.1'" + QString("'").repeated(28)});
        const QByteArray before = setup.bytes("cb/H7_00010001_1234_0.txb");
        TiryoboBook book = TiryoboBook::fresh();
        book.row(1) = BookSetup::row({{0, "5.3.2"}, {2, QString("長い経過").repeated(2000)}});
        TextFile::failNextWriteAfterBytes(10);
        QString error;
        QVERIFY(!TiryoboFile::write(TiryoboFile::txbPath(BookSetup::karte()), book, &error));
        QVERIFY(error.contains("H7_00010001_1234_0.txb"));
        QCOMPARE(setup.bytes("cb/H7_00010001_1234_0.txb"), before);
    }

    void dellInfoMark_data()
    {
        QTest::addColumn<QList<Cells>>("rows");
        QTest::addColumn<QString>("mark");
        QTest::newRow("first row wins") << QList<Cells>{{{0, "5.3.1"}, {2, "経過"}},
                                                        {{0, "5.3.12"}, {2, "出荷しました"}},
                                                        {{0, "5.3.20"}, {2, "死亡"}}}
                                        << "H5.3.12[出荷]";
        QTest::newRow("死亡 before 出荷 in one cell") << QList<Cells>{{{0, "5.4.2"}, {2, "出荷予定だったが死亡"}}}
                                                  << "H5.4.2[死亡]";
        QTest::newRow("no date") << QList<Cells>{{{2, "死亡"}}} << "H[死亡]";
        QTest::newRow("only in another column") << QList<Cells>{{{0, "5.4.2"}, {13, "死亡"}}} << "";
        QTest::newRow("neither") << QList<Cells>{{{0, "5.4.2"}, {2, "回復"}}} << "";
    }
    void dellInfoMark()
    {
        QFETCH(QList<Cells>, rows);
        QFETCH(QString, mark);
        TiryoboBook book = TiryoboBook::fresh();
        for (int i = 0; i < rows.size(); ++i)
            book.row(i + 3) = BookSetup::row(rows.at(i));
        QCOMPARE(DellInfoFile::mark(book), mark);
    }

    void dellInfoEntryIsReplacedOrAddedAndWritten()
    {
        BookSetup setup("IBF1A", {"H7_00010001_1234_0,H5.1.1[死亡]", "H7_00010001_2345_0,H5.2.2 [出荷]"});
        QStringList& list = SharedState::get().DellInfoList;
        QCOMPARE(list.size(), 3);
        SharedUtil::DellInfoSetProc(list, TiryoboFile::txbName(BookSetup::karte()), QString());
        SharedUtil::DellInfoSetProc(list, TiryoboFile::txbName("H7_00010001_3456_0.sxd"), "H5.3.3[死亡]");
        QString error;
        QVERIFY(DellInfoFile::write(list, &error));
        QCOMPARE(setup.read("set/DellInfo.ini"),
                 (QStringList{"H7_00010001_1234_0,", "H7_00010001_2345_0,H5.2.2 [出荷]", "H7_00010001_3456_0,H5.3.3[死亡]"}));
    }
};

NOLVARI_TEST(TiryoboFileTest)
#include "TiryoboFileTest.moc"
