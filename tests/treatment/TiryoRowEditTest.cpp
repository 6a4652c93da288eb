#include "TestRegistry.h"

#include "treatment/TiryoRowEdit.h"
#include "treatment/TiryoSyusei.h"

#include <QtTest>

namespace {

TiryoLine line(const QString& bunrui, const QString& naiyou = QString(), const QString& yakka = QString())
{
    TiryoLine l;
    l.setText(TiryoLine::Bunrui, bunrui);
    l.setText(TiryoLine::Naiyou, naiyou);
    l.setText(TiryoLine::Yakka, yakka);
    return l;
}

QStringList bunrui(const TiryoRowEdit::Rows& rows)
{
    QStringList out;
    for (const TiryoLine& l : rows)
        out.append(l.text(TiryoLine::Bunrui) + l.text(TiryoLine::Yakka));
    return out;
}

} // namespace

class TiryoRowEditTest : public QObject
{
    Q_OBJECT

private slots:
    void deleteInsertAndCloseUp()
    {
        TiryoRowEdit::Rows rows{line("a"), line("b"), line("c"), line("d")};
        TiryoRowEdit::deleteRow(rows, 2);
        QCOMPARE(bunrui(rows), (QStringList{"a", "", "c", "d", "", "", ""}));
        TiryoRowEdit::closeUp(rows);
        QCOMPARE(bunrui(rows), (QStringList{"a", "c", "d", "", "", "", ""}));
        QVERIFY(TiryoRowEdit::insertRow(rows, 2));
        QCOMPARE(bunrui(rows), (QStringList{"a", "", "c", "d", "", "", ""}));
        QVERIFY(TiryoRowEdit::insertRow(rows, 7));
        QCOMPARE(bunrui(rows).at(6), QString());
    }

    void aRowWithAnyTextIsOccupied()
    {
        // Row 7 holds only a corrected price: inserting would lose it.
        TiryoRowEdit::Rows rows{line("a")};
        rows.at(6) = line("", "", "120");
        const TiryoRowEdit::Rows before = rows;
        QVERIFY(!TiryoRowEdit::insertRow(rows, 1));
        QVERIFY(rows == before);
        TiryoRowEdit::closeUp(rows);
        QCOMPARE(bunrui(rows), (QStringList{"a", "120", "", "", "", "", ""}));
        TiryoRowEdit::clear(rows);
        QCOMPARE(bunrui(rows), QStringList(7));
    }

    void clipboardRows()
    {
        TiryoRowEdit::Rows rows;
        rows.at(2) = TiryoLine({"筋肉内注射", "薬A", "100ml", "1", "100", "50", "40", "40･36･0･0"});
        const QString text = TiryoRowEdit::clipText(rows, 3);
        QCOMPARE(text, QStringLiteral("3\t筋肉内注射\t薬A\t100ml\t1\t100\t50\t40\t40･36･0･0"));
        TiryoRowEdit::paste(rows, 6, text);
        QVERIFY(rows.at(5) == rows.at(2));
        rows.at(0) = line("x", "y", "z");
        TiryoRowEdit::paste(rows, 1, QStringLiteral("9\tp\tq\r\nnext\trow"));
        QCOMPARE(rows.at(0).text(TiryoLine::Bunrui), QStringLiteral("p"));
        QCOMPARE(rows.at(0).text(TiryoLine::Naiyou), QStringLiteral("q"));
        QCOMPARE(rows.at(0).text(TiryoLine::Yakka), QStringLiteral("z"));
    }

    void manualValues_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("number") << "120" << "120";
        QTest::newRow("grouped") << "1,200" << "1200";
        QTest::newRow("decimal") << " 12.5 " << "12.5";
        QTest::newRow("negative") << "-10" << "-10";
        QTest::newRow("letters") << "abc" << "";
        QTest::newRow("bad grouping") << "12,00" << "";
        QTest::newRow("number then text") << "12円" << "";
    }

    void manualValues()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QString message;
        const std::optional<QString> value = TiryoSyusei::bpointValue(typed, &message);
        QCOMPARE(value.value_or(QString()), stored);
        QCOMPARE(message.isEmpty(), !stored.isEmpty());
    }

    void clickedColumns()
    {
        QCOMPARE(TiryoSyusei::click(Ken::Tottori, 5), TiryoSyusei::Click::Manual);
        QCOMPARE(TiryoSyusei::click(Ken::Tottori, 8), TiryoSyusei::Click::Panel);
        QCOMPARE(TiryoSyusei::click(Ken::Miyazaki, 1), TiryoSyusei::Click::Panel);
        QCOMPARE(TiryoSyusei::click(Ken::Miyazaki, 5), TiryoSyusei::Click::Code);
        QCOMPARE(TiryoSyusei::click(Ken::Miyazaki, 8), TiryoSyusei::Click::Manual);
    }
};

NOLVARI_TEST(TiryoRowEditTest)
#include "TiryoRowEditTest.moc"
