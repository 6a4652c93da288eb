#include "TestRegistry.h"
#include "TestFixture.h"

#include "tallies/SyukeiHidukeKeyProc.h"
#include "tallies/SyukeiList.h"
#include "tallies/SyukeiSortProc.h"

#include <QtTest>

namespace {

QStringList row(const QString& name, const QString& syosin, const QString& tenkiDate = QString(),
                const QString& tenki = QString())
{
    QStringList r(SyukeiList::ColCount);
    r[SyukeiList::Name] = name;
    r[SyukeiList::Syosin] = syosin;
    r[SyukeiList::TenkiDate] = tenkiDate;
    r[SyukeiList::Tenki] = tenki;
    r[SyukeiList::File] = name + syosin;
    return r;
}

QStringList col(const QList<QStringList>& rows, int c)
{
    QStringList out;
    for (const QStringList& r : rows)
        out.append(r.value(c));
    return out;
}

} // namespace

class SyukeiSortTest : public QObject
{
    Q_OBJECT

private slots:
    void hidukeKey_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("key");
        QTest::newRow("padded") << "5.6.12" << "050612";
        QTest::newRow("two digits") << "31.10.30" << "311030";
        QTest::newRow("no dot") << "" << "";
        QTest::newRow("zero part") << "5.0.3" << "050003";
        QTest::newRow("missing day") << "5.6" << "050600";
    }
    void hidukeKey()
    {
        QFETCH(QString, date);
        QTEST(SyukeiHidukeKeyProc(date), "key");
    }

    // Dates sort by their keys: 5.10.1 after 5.9.30, the era change 31.4.30 after 1.5.1 (era
    // years), an empty outcome date first; the numbers read 1, 2, ... from the top again.
    void dateOrders()
    {
        QList<QStringList> rows = {row("a", "5.10.1"), row("b", "5.9.30"), row("c", "31.4.30"), row("d", "1.5.1")};
        SyukeiSortProc::sort(rows, 4);
        QCOMPARE(col(rows, SyukeiList::Syosin), (QStringList{"1.5.1", "5.9.30", "5.10.1", "31.4.30"}));
        QCOMPARE(col(rows, SyukeiList::Number), (QStringList{"1", "2", "3", "4"}));

        rows = {row("a", "5.1.1", "5.3.2"), row("b", "5.1.1", ""), row("c", "5.1.1", "5.2.9"), row("d", "5.1.1", "")};
        SyukeiSortProc::sort(rows, 6);
        QCOMPARE(col(rows, SyukeiList::Name), (QStringList{"b", "d", "c", "a"}));
        QCOMPARE(SyukeiSortProc::bands(rows, 6), (QList<bool>{false, false, true, false}));
    }

    // Under "組合員別" each farmer's episodes form one band, alternating white and blue; equal
    // farmers keep their earlier order.
    void farmerBands()
    {
        QList<QStringList> rows = {row("B", "5.1.3"), row("A", "5.1.1"), row("B", "5.1.1"), row("C", "5.1.2"),
                                   row("A", "5.1.2")};
        SyukeiSortProc::sort(rows, 1);
        QCOMPARE(col(rows, SyukeiList::Name), (QStringList{"A", "A", "B", "B", "C"}));
        QCOMPARE(col(rows, SyukeiList::Syosin), (QStringList{"5.1.1", "5.1.2", "5.1.3", "5.1.1", "5.1.2"}));
        QCOMPARE(SyukeiSortProc::bands(rows, 1), (QList<bool>{false, false, true, true, false}));
    }

    void emptyList()
    {
        QList<QStringList> rows;
        SyukeiSortProc::sort(rows, 0);
        QVERIFY(rows.isEmpty());
        QVERIFY(SyukeiSortProc::bands(rows, 0).isEmpty());
    }
};

NOLVARI_TEST(SyukeiSortTest)
#include "SyukeiSortTest.moc"
