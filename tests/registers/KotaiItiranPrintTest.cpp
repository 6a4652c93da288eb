#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/RecordingPrintDevice.h"
#include "registers/KotaiItiranPrint.h"

#include <QtTest>

class KotaiItiranPrintTest : public QObject
{
    Q_OBJECT

    static QList<QStringList> animals(int n)
    {
        QList<QStringList> rows;
        for (int i = 1; i <= n; ++i)
            rows.append({QString::number(i), "成", QString::number(1000 + i), "H30.1.2", "雌", "ハナ", "包", "黒", ""});
        return rows;
    }

    static QList<RecordingPrintDevice::Op> texts(const RecordingPrintDevice& device)
    {
        return device.ofKind(RecordingPrintDevice::Kind::Text);
    }

private slots:
    void pagesOfFortyLines_data()
    {
        QTest::addColumn<int>("animals");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 1;
        QTest::newRow("forty") << 40 << 1;
        QTest::newRow("forty-one") << 41 << 2;
        QTest::newRow("eighty") << 80 << 2;
    }
    void pagesOfFortyLines()
    {
        QFETCH(int, animals);
        QFETCH(int, pages);
        RecordingPrintDevice device;
        KotaiItiranPrint::KotaiItiranPrintProc(device, "東谷  山本", KotaiItiranPrintTest::animals(animals), 56.7);
        QCOMPARE(device.pageCount(), pages);
        QCOMPARE(device.paper(), PrintDevice::Paper::A4);
        QCOMPARE(device.orientation(), PrintDevice::Orientation::Portrait);
        // The farmer once, then eight texts per animal (the features are empty).
        QCOMPARE(texts(device).size(), 1 + 8 * animals);
    }

    void itemsAtTheirPlaces()
    {
        RecordingPrintDevice device;
        KotaiItiranPrint::KotaiItiranPrintProc(device, "東谷  山本", animals(41), 56.7);
        const RecordingPrintDevice::Op* farmer = device.findText("東谷  山本");
        QVERIFY(farmer);
        QCOMPARE(farmer->page, 1);
        QCOMPARE(farmer->fontName, QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(farmer->fontSize, 12.0);
        QCOMPARE(farmer->x, std::floor(6.5 * 56.7));
        QCOMPARE(farmer->y, std::floor((18 - 12 * 25.0 / 72 - 2) * 56.7));
        const double h = 11 * 25.0 / 72;
        const QList<std::tuple<QString, double, double, int>> expected{
            {"1", 10, 31, 1}, {"1001", 36, 31, 1}, {"ハナ", 91, 31, 1}, {"黒", 151, 31, 1},
            {"1040", 36, 265, 1}, {"41", 10, 31, 2}, {"1041", 36, 31, 2}, {"包", 141, 31, 2}};
        for (const auto& [text, x, y, page] : expected) {
            const RecordingPrintDevice::Op* op = nullptr;
            for (const RecordingPrintDevice::Op& o : device.ops)
                if (!op && o.kind == RecordingPrintDevice::Kind::Text && o.text == text && o.page == page)
                    op = &o;
            QVERIFY2(op, qPrintable(text));
            QCOMPARE(op->x, std::floor((x - 3.5) * 56.7));
            QCOMPARE(op->y, std::floor((y - h - 2) * 56.7));
            QCOMPARE(op->fontName, QStringLiteral("ＭＳ Ｐ明朝"));
            QCOMPARE(op->fontSize, 11.0);
            QVERIFY(!op->bold);
        }
        int farmerTexts = 0;
        for (const RecordingPrintDevice::Op& o : texts(device))
            farmerTexts += o.text == "東谷  山本" ? 1 : 0;
        QCOMPARE(farmerTexts, 1);
    }
};

NOLVARI_TEST(KotaiItiranPrintTest)
#include "KotaiItiranPrintTest.moc"
