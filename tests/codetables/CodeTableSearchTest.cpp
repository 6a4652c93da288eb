#include "TestRegistry.h"

#include "codetables/CodeTableSearch.h"

#include <QtTest>

using Rows = QList<QStringList>;

class CodeTableSearchTest : public QObject
{
    Q_OBJECT

private slots:
    void kensaku_data()
    {
        const Rows drugs{{"注あ", "アンピシリン", "1g", "1", "V", "", "312"},
                         {"注か", "カナマイシン", "1g", "1", "V", "", "245"},
                         {"注せ", "セファゾリン", "1g", "1", "V", "", "398"},
                         {"注ア", "ｱﾝﾋﾟ", "", "", "", "", "3120"}};
        const Rows fees{{"1", "Ａ処置", "10", "12"}, {"2", "a処置", "11", "21"}, {"3", "", "", ""}};
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<bool>("allColumns");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("hits");
        QTest::newRow("names") << drugs << false << "リン" << QList<int>{1, 3};
        QTest::newRow("price only when no name matches") << drugs << false << "312" << QList<int>{1, 4};
        QTest::newRow("half-width does not find full-width") << drugs << false << "ｱ" << QList<int>{4};
        QTest::newRow("nothing") << drugs << false << "ペニシリン" << QList<int>{};
        QTest::newRow("fee page counts cells, numbers included") << fees << true << "1"
                                                                 << QList<int>{1, 1, 1, 2, 2};
        QTest::newRow("case counts") << fees << true << "a" << QList<int>{2};
        QTest::newRow("empty text") << fees << true << "" << QList<int>{};
    }
    void kensaku()
    {
        QFETCH(Rows, rows);
        QFETCH(bool, allColumns);
        QFETCH(QString, text);
        QFETCH(QList<int>, hits);
        QCOMPARE(CodeTableSearch::kensakuHits(rows, allColumns, text), hits);
    }

    void messages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("message");
        QTest::newRow("3") << 3 << "3個あります";
        QTest::newRow("12") << 12 << "12個あります";
        QTest::newRow("0") << 0 << "検索文字は見つかりません。";
    }
    void messages()
    {
        QFETCH(int, count);
        QFETCH(QString, message);
        QCOMPARE(CodeTableSearch::kensakuMessage(count), message);
    }

    void exactSearchComparesWholeCells()
    {
        const Rows rows{{"1", "50", "1", "1"}, {"2", "5", "1", "1"}, {"3", "5 ", "", ""}, {"4", "5", "", ""}};
        QCOMPARE(CodeTableSearch::exactHits(rows, 1, "5"), (QList<int>{2, 4}));
        QCOMPARE(CodeTableSearch::exactHits(rows, 1, "50"), QList<int>{1});
        QCOMPARE(CodeTableSearch::exactHits(rows, 1, ""), QList<int>{});
    }
};

NOLVARI_TEST(CodeTableSearchTest)
#include "CodeTableSearchTest.moc"
