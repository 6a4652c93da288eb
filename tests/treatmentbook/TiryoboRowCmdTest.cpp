#include "BookSetup.h"
#include "TestRegistry.h"

#include "treatmentbook/IbaragiDayCopyBuffer.h"
#include "treatmentbook/TiryoboBook.h"
#include "treatmentbook/TiryoboCmdCheck.h"
#include "treatmentbook/TiryoboRowCmd.h"

#include <QtTest>

namespace {
// A book of a day on row 3 with three further rows, an empty row 7 and the next day on row 8.
TiryoboBook twoDays()
{
    TiryoboBook book = TiryoboBook::fresh();
    book.row(3) = BookSetup::row({{0, "5.3.1"}, {1, "乳房炎:1"}, {2, "経過\r\nつづき"}});
    book.row(4) = BookSetup::row({{3, "注射"}, {4, "A"}});
    book.row(5) = BookSetup::row({{3, "注射"}, {4, "B"}});
    book.row(6) = BookSetup::row({{14, "洗浄:1"}});
    book.row(8) = BookSetup::row({{0, "5.3.2"}, {3, "再診"}});
    book.row(9) = BookSetup::row({{0, "5.3.3"}});
    return book;
}

QStringList column(const TiryoboBook& book, int col, int from, int to)
{
    QStringList out;
    for (int r = from; r <= to; ++r)
        out.append(book.row(r).at(col));
    return out;
}

QList<int> marked(const TiryoboBook& book)
{
    QList<int> rows;
    for (int r = 1; r < book.rowCount(); ++r)
        if (book.row(r).marked)
            rows.append(r);
    return rows;
}
}

class TiryoboRowCmdTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void datesAreUnique()
    {
        TiryoboBook book = twoDays();
        book.Row = 8;
        const TiryoboNotice same = TiryoboRowCmd::setDate(book, "5", "3", "2");
        QVERIFY(same);
        QCOMPARE(same->text, "5.3.2 は、既に入力されています。");
        QVERIFY(TiryoboRowCmd::setDate(book, "5", "3", "1"));
        QCOMPARE(book.row(8).at(0), "5.3.2");
        QVERIFY(!TiryoboRowCmd::setDate(book, "", "", ""));
        QCOMPARE(book.row(8).at(0), "5.3.2");
        QVERIFY(!TiryoboRowCmd::setDate(book, "5", "4", "10"));
        QCOMPARE(book.row(8).at(0), "5.4.10");
    }

    void endMarkNeedsABlankRow()
    {
        TiryoboBook book = twoDays();
        book.Row = 9;
        QCOMPARE(TiryoboRowCmd::tiryoEnd(book)->text, "選択行が空白でないと終了記入できません。");
        book.Row = 7;
        QVERIFY(!TiryoboRowCmd::tiryoEnd(book));
        QCOMPARE(book.row(7).at(0), "治療終了");
        QVERIFY(book.row(7).isEnd());
    }

    void insertMovesRowsDownUnlessTheLastIsUsed()
    {
        TiryoboBook book = twoDays();
        book.row(4).marked = true;
        book.Row = 4;
        QVERIFY(!TiryoboRowCmd::insertRow(book));
        QCOMPARE(column(book, 4, 4, 7), (QStringList{"", "A", "B", ""}));
        QCOMPARE(book.row(10).at(0), "5.3.3");
        QCOMPARE(book.rowCount(), 200);
        QVERIFY(book.row(4).marked);   // marks stay with their places
        QVERIFY(!book.row(5).marked);

        book.row(199).set(29, "x");
        QCOMPARE(TiryoboRowCmd::insertRow(book)->text, "最下段が入力されていますので、挿入できません。");
        QCOMPARE(book.row(5).at(4), "A");
    }

    void compactionKeepsRowOneAndEveryFilledRow()
    {
        TiryoboBook book = twoDays();
        TiryoboRowCmd::compact(book);
        QCOMPARE(book.rowCount(), 200);
        QVERIFY(book.row(1).isBlank());
        QCOMPARE(column(book, 0, 2, 7), (QStringList{"5.3.1", "", "", "", "5.3.2", "5.3.3"}));

        TiryoboBook big = TiryoboBook::fresh(260);
        for (int r = 1; r < 260; r += 2)
            big.row(r).set(2, QString::number(r));
        TiryoboRowCmd::compact(big);
        QCOMPARE(big.rowCount(), 260);
        QCOMPARE(big.filledRows().size(), 130);
        QCOMPARE(big.row(130).at(2), "259");
    }

    void clearRowEmptiesCellsAndMark()
    {
        TiryoboBook book = twoDays();
        book.Row = 3;
        book.row(3).marked = true;
        TiryoboRowCmd::clearRow(book);
        QVERIFY(book.row(3).isBlank());
        QVERIFY(!book.row(3).marked);
        QCOMPARE(book.row(4).at(4), "A");
    }

    void dayCopyStopsAtTheNextDate()
    {
        TiryoboBook book = twoDays();
        QStringList buffer{"old"};
        QCOMPARE(TiryoboRowCmd::copyDay(book, 4, buffer)->text, "日付入力行を選択してください。");
        QCOMPARE(TiryoboRowCmd::copyDay(book, -1, buffer)->text, "日付入力行を選択してください。");
        QCOMPARE(buffer, QStringList{"old"});
        QVERIFY(!TiryoboRowCmd::copyDay(book, 3, buffer));
        QCOMPARE(buffer.size(), 4);
        QVERIFY(!TiryoboRowCmd::copyDay(book, 8, buffer));
        QCOMPARE(buffer.size(), 1);

        TiryoboBook longDay = TiryoboBook::fresh();
        longDay.row(1).set(0, "5.1.1");
        for (int r = 2; r < 60; ++r)
            longDay.row(r).set(4, "x");
        QVERIFY(!TiryoboRowCmd::copyDay(longDay, 1, buffer));
        QCOMPARE(buffer.size(), 31);
    }

    void pasteNeedsEmptyTargetsAndGrowsTheBook()
    {
        TiryoboBook book = twoDays();
        QStringList buffer;
        QCOMPARE(TiryoboRowCmd::pasteCheck(book, buffer, TiryoboCmdCheck::DayPaste)->text,
                 "先に「1日コピー」を実行してください。");
        QCOMPARE(TiryoboRowCmd::pasteCheck(book, buffer, TiryoboCmdCheck::MultiPaste)->text,
                 "先に「複数行コピー」を実行してください。");
        QVERIFY(!TiryoboRowCmd::copyDay(book, 3, buffer));
        QCOMPARE(TiryoboRowCmd::pasteCheck(book, buffer, TiryoboCmdCheck::DayPaste)->text,
                 "貼付先の先頭行を指定してください。");

        book.SelRow = 5;
        QVERIFY(!TiryoboRowCmd::pasteCheck(book, buffer, TiryoboCmdCheck::DayPaste));
        QCOMPARE(TiryoboRowCmd::paste(book, buffer)->text, "貼付先が空白ではないので貼付できません。");
        book.SelRow = 20;
        book.row(23).set(25, "x");
        QCOMPARE(TiryoboRowCmd::paste(book, buffer)->text, "貼付先が空白ではないので貼付できません。");
        book.row(23).set(25, "");
        QVERIFY(!TiryoboRowCmd::paste(book, buffer));
        QCOMPARE(column(book, 4, 20, 23), (QStringList{"", "A", "B", ""}));
        QCOMPARE(book.row(20).at(2), "経過つづき");   // line breaks removed in the buffer
        QVERIFY(TiryoboRowCmd::paste(book, buffer));   // the same rows again: refused

        book.SelRow = 198;
        QVERIFY(!TiryoboRowCmd::paste(book, buffer));
        QCOMPARE(book.rowCount(), 202);
        QCOMPARE(book.row(201).at(14), "洗浄:1");
    }

    void separatorsAndBreaksTravelSafely()
    {
        const TiryoboRow row = BookSetup::row({{0, "5.3.1"}, {2, "It's\r\nok"}, {12, "【産数】2\r\n[]"},
                                               {14, "a'b:1"}, {29, "end"}});
        const TiryoboRow buffered = IbaragiDayCopyBuffer::bufferRow(IbaragiDayCopyBuffer::bufferLine(row));
        QCOMPARE(buffered.at(2), "It’sok");
        QCOMPARE(buffered.at(12), "【産数】2[]");
        QCOMPARE(buffered.at(14), "a’b:1");
        QCOMPARE(buffered.at(29), "end");

        const QString clip = IbaragiDayCopyBuffer::clipText(row);
        QCOMPARE(clip.count('\t'), 29);
        QVERIFY(!clip.contains('\r') && !clip.contains('\n'));
        TiryoboBook book = TiryoboBook::fresh();
        book.Row = 6;
        book.row(6).set(0, "5.4.1");
        QVERIFY(!TiryoboRowCmd::pasteRow(book, clip));
        QCOMPARE(book.row(6).at(0), "5.3.1");
        QCOMPARE(book.row(6).at(2), "It’s\r\nok");
        QCOMPARE(book.row(6).at(12), "【産数】2\r\n[]");
        QCOMPARE(book.row(6).at(14), "a’b:1");
        QCOMPARE(book.row(6).at(29), "end");
        QCOMPARE(TiryoboRowCmd::pasteRow(book, clip)->text, "貼付先が空白ではないので貼付できません。");

        book.Row = 7;
        QVERIFY(!TiryoboRowCmd::pasteRow(book, "a\tb\r\nsecond\tline"));
        QCOMPARE(book.row(7).at(1), "b");
        QVERIFY(book.row(8).isBlank());
    }

    void marking()
    {
        TiryoboBook book = TiryoboBook::fresh();
        TiryoboRowCmd::startMarking(book);
        QCOMPARE(book.GyoSiteiMode, 1);
        TiryoboRowCmd::markClick(book, 6, 2, true);
        QCOMPARE(marked(book), (QList<int>{6}));
        TiryoboRowCmd::markClick(book, 5, 2, false);
        TiryoboRowCmd::markClick(book, 7, 2, false);
        TiryoboRowCmd::markClick(book, 10, 1, true);
        QCOMPARE(marked(book), (QList<int>{5, 6, 7, 8, 9, 10}));
        TiryoboRowCmd::markClick(book, 3, 1, true);
        QCOMPARE(marked(book), (QList<int>{3, 4, 5, 6, 7, 8, 9, 10}));
        TiryoboRowCmd::markClick(book, 10, 12, false);   // beyond column 11: marked again
        QVERIFY(book.row(10).marked);
        TiryoboRowCmd::markClick(book, 10, 11, false);
        QVERIFY(!book.row(10).marked);
        TiryoboRowCmd::markClick(book, 0, 2, true);
        QVERIFY(!book.row(0).marked);

        book.row(4).set(4, "A");
        QStringList buffer{"old"};
        const TiryoboNotice copied = TiryoboRowCmd::copyMarked(book, buffer);
        QCOMPARE(copied->text, "選択行をコピーしました。「複数行貼付け」で貼り付けられます。");
        QCOMPARE(buffer.size(), 7);
        QCOMPARE(book.GyoSiteiMode, 0);
        QCOMPARE(book.SelRow, -1);
        QVERIFY(marked(book).isEmpty());

        TiryoboRowCmd::startMarking(book);
        QCOMPARE(TiryoboRowCmd::copyMarked(book, buffer)->text, "行が選択されていません。");
        QVERIFY(buffer.isEmpty());
        QCOMPARE(book.GyoSiteiMode, 1);
        TiryoboRowCmd::markClick(book, 2, 1, false);
        TiryoboRowCmd::endMarking(book);
        QVERIFY(marked(book).isEmpty());
        QCOMPARE(book.GyoSiteiMode, 0);
    }
};

NOLVARI_TEST(TiryoboRowCmdTest)
#include "TiryoboRowCmdTest.moc"
