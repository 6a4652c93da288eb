#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/ClipboardText.h"
#include "common/ExcelClipTransfer.h"
#include "common/FlexGrid.h"
#include "common/MsgBox.h"

#include <QtTest>

namespace {
// A grid of the given rows, row 0 the headings.
void fill(FlexGrid& grid, const QList<QStringList>& rows)
{
    grid.setCols(int(rows.first().size()));
    grid.setRows(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows.at(r).size(); ++c)
            grid.setTextMatrix(r, c, rows.at(r).at(c));
}
} // namespace

class ExcelClipTransferTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void transfer_data()
    {
        const QList<QStringList> rows{{"名前", "数", "file"}, {"牛a", "", "a.sxd"}, {"b\tc", "2", "b.sxd"}};
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("lastCol");
        QTest::addColumn<QString>("text");
        QTest::newRow("headings included") << rows << 0 << 2 << "名前\t数\tfile\r牛a\t\ta.sxd\rb\tc\t2\tb.sxd";
        QTest::newRow("no headings, holder column left out") << rows << 1 << 1 << "牛a\t\rb\tc\t2";
        QTest::newRow("headings only") << rows.first(1) << 0 << 2 << "名前\t数\tfile";
    }
    void transfer()
    {
        QFETCH(QList<QStringList>, rows);
        QFETCH(int, firstRow);
        QFETCH(int, lastCol);
        QFETCH(QString, text);
        FlexGrid grid;
        fill(grid, rows);
        ClipboardText::set("old");
        QVERIFY(ExcelClipTransfer(grid, firstRow, lastCol));
        QCOMPARE(ClipboardText::get(), text);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().first().text,
                 QStringLiteral("データを送りました。\r\nExcelの任意のセルを選択して、貼り付けできます。"));
        QCOMPARE(MsgBox::log().first().title, QStringLiteral("転送"));
        QCOMPARE(grid.row(), firstRow);
        QCOMPARE(grid.col(), 0);
        QCOMPARE(grid.rowSel(), grid.rows() - 1);
        QCOMPARE(grid.colSel(), lastCol);
    }

    void refusedClipboardIsReportedNotAsSent()
    {
        FlexGrid grid;
        fill(grid, {{"a", "b"}, {"1", "2"}});
        ClipboardText::failNextSet();
        QVERIFY(!ExcelClipTransfer(grid, 0, 1));
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY(!MsgBox::log().first().text.contains(QStringLiteral("データを送りました。")));
        QCOMPARE(MsgBox::log().first().icon, MsgBox::Exclamation);
    }
};

NOLVARI_TEST(ExcelClipTransferTest)
#include "ExcelClipTransferTest.moc"
