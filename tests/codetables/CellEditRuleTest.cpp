#include "TestRegistry.h"

#include "codetables/CellEditRule.h"

#include <QtTest>

using Plus = CellEditRule::Plus;
using Cell = CellEditRule::Cell;
Q_DECLARE_METATYPE(Plus)
Q_DECLARE_METATYPE(std::optional<Cell>)

class CellEditRuleTest : public QObject
{
    Q_OBJECT

private slots:
    void drugPlus_data()
    {
        const QStringList above{"注あ", "A", "1g1V", "1", "V", "", "312"};
        const QStringList same{"注あ", "B", "1g1V", "1", "V", "", ""};
        const QStringList other{"注か", "C", "2g1V", "1", "A", "", ""};
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("current");
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("firstRow");
        QTest::addColumn<bool>("lastRow");
        QTest::addColumn<Plus>("result");
        QTest::newRow("not a lone plus") << "+1" << same << 6 << false << false << Plus::Write;
        QTest::newRow("price, same standard") << "+" << same << 6 << false << false << Plus::CopyDown;
        QTest::newRow("price, other standard") << "+" << other << 6 << false << false << Plus::Mismatch;
        QTest::newRow("unit compares the category") << "+" << other << 4 << false << false << Plus::Mismatch;
        QTest::newRow("unit, same category") << "+" << same << 4 << false << false << Plus::CopyDown;
        QTest::newRow("nothing four columns left") << "+" << same << 3 << false << false << Plus::Keep;
        QTest::newRow("name") << "+" << same << 1 << false << false << Plus::Keep;
        QTest::newRow("first data row") << "+" << same << 6 << true << false << Plus::Keep;
        QTest::newRow("last row") << "+" << same << 6 << false << true << Plus::Keep;
    }
    void drugPlus()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, current);
        QFETCH(int, col);
        QFETCH(bool, firstRow);
        QFETCH(bool, lastRow);
        QFETCH(Plus, result);
        const QStringList above{"注あ", "A", "1g1V", "1", "V", "", "312"};
        QCOMPARE(CellEditRule::drugPlus(text, above, current, col, firstRow, lastRow), result);
    }

    void feePlus_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("firstRow");
        QTest::addColumn<bool>("lastRow");
        QTest::addColumn<Plus>("result");
        QTest::newRow("B points") << "+" << 2 << false << false << Plus::CopyDown;
        QTest::newRow("A points") << "+" << 3 << false << false << Plus::Keep;
        QTest::newRow("name") << "+" << 1 << false << false << Plus::Keep;
        QTest::newRow("first data row") << "+" << 2 << true << false << Plus::Keep;
        QTest::newRow("last row") << "+" << 2 << false << true << Plus::Keep;
        QTest::newRow("text") << "12" << 2 << false << false << Plus::Write;
    }
    void feePlus()
    {
        QFETCH(QString, text);
        QFETCH(int, col);
        QFETCH(bool, firstRow);
        QFETCH(bool, lastRow);
        QFETCH(Plus, result);
        QCOMPARE(CellEditRule::feePlus(text, col, firstRow, lastRow), result);
    }

    void keyMove_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("miyazaki");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<std::optional<Cell>>("to");
        const std::optional<Cell> none;
        // The grids have rows 1 to 5.
        QTest::newRow("drug Enter in price") << 0 << false << int(Qt::Key_Return) << 2 << 6 << std::optional(Cell{3, 6});
        QTest::newRow("drug Enter in name") << 0 << false << int(Qt::Key_Return) << 2 << 1 << none;
        QTest::newRow("drug Enter on last row") << 0 << false << int(Qt::Key_Enter) << 5 << 6 << none;
        QTest::newRow("drug Down") << 0 << false << int(Qt::Key_Down) << 2 << 2 << std::optional(Cell{3, 2});
        QTest::newRow("drug Down on last row") << 0 << true << int(Qt::Key_Down) << 5 << 2 << none;
        QTest::newRow("Miyazaki drug Enter") << 0 << true << int(Qt::Key_Return) << 1 << 8 << std::optional(Cell{2, 1});
        QTest::newRow("fee Enter in B") << 1 << false << int(Qt::Key_Return) << 5 << 2 << std::optional(Cell{5, 3});
        QTest::newRow("fee Enter in A") << 1 << false << int(Qt::Key_Return) << 4 << 3 << std::optional(Cell{5, 2});
        QTest::newRow("fee Enter in A, last row") << 1 << false << int(Qt::Key_Return) << 5 << 3 << none;
        QTest::newRow("fee Down") << 1 << false << int(Qt::Key_Down) << 2 << 2 << none;
        QTest::newRow("Miyazaki fee Enter in B") << 1 << true << int(Qt::Key_Return) << 1 << 5 << std::optional(Cell{2, 5});
        QTest::newRow("Miyazaki fee Enter in name") << 1 << true << int(Qt::Key_Return) << 1 << 2 << none;
        QTest::newRow("house Enter in B") << 2 << false << int(Qt::Key_Return) << 3 << 2 << std::optional(Cell{3, 3});
        QTest::newRow("house Enter in A") << 2 << false << int(Qt::Key_Return) << 3 << 3 << std::optional(Cell{4, 2});
    }
    void keyMove()
    {
        QFETCH(int, page);
        QFETCH(bool, miyazaki);
        QFETCH(int, key);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(std::optional<Cell>, to);
        QCOMPARE(CellEditRule::keyMove(page, miyazaki, key, row, col, 5), to);
    }
};

NOLVARI_TEST(CellEditRuleTest)
#include "CellEditRuleTest.moc"
