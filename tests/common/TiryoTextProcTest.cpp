#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/RecordingPrintDevice.h"
#include "common/TiryoTextProc.h"

#include <QtTest>

class TiryoTextProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // The joined text and its lines at a width of 22 bytes (27 at the small scale); the standard
    // goes from dropAt bytes.
    void lines_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("dropAt");
        QTest::addColumn<QStringList>("lines");
        const QString ten = QString(10, QChar(u'薬'));
        QTest::newRow("quantity 1 hidden") << ten << "" << "1" << 22 << 44 << QStringList{ten};
        QTest::newRow("quantity (3)") << "薬" << "" << "(3)" << 22 << 44 << QStringList{"薬×3"};
        QTest::newRow("quantity 1.0 hidden") << "薬" << "" << "1.0" << 22 << 44 << QStringList{"薬"};
        QTest::newRow("standard joined by ':'") << "薬" << "5ml" << "" << 22 << 44 << QStringList{"薬:5ml"};
        QTest::newRow("ten and ×2") << ten << "" << "2" << 22 << 44 << QStringList{ten + "×", "2"};
        // 43 bytes keep the standard, 44 drop it (the old form: 44 keep, 45 drop).
        QTest::newRow("43 bytes keep") << QString(20, QChar(u'薬')) << "ab" << "" << 22 << 44
                                       << QStringList{QString(11, QChar(u'薬')), QString(9, QChar(u'薬')) + ":ab"};
        QTest::newRow("44 bytes drop") << QString(20, QChar(u'薬')) << "abc" << "" << 22 << 44
                                       << QStringList{QString(11, QChar(u'薬')), QString(9, QChar(u'薬'))};
        QTest::newRow("44 bytes keep, old form") << QString(20, QChar(u'薬')) << "abc" << "" << 22 << 45
                                                 << QStringList{QString(11, QChar(u'薬')), QString(9, QChar(u'薬')) + ":abc"};
        QTest::newRow("54 at the small scale drop") << QString(25, QChar(u'薬')) << "abc" << "" << 27 << 54
                                                    << QStringList{QString(13, QChar(u'薬')), QString(12, QChar(u'薬'))};
        QTest::newRow("23 full-width: 11 and 12") << QString(23, QChar(u'薬')) << "" << "" << 22 << 44
                                                  << QStringList{QString(11, QChar(u'薬')), QString(12, QChar(u'薬'))};
        // A text that would need a fourth line keeps its first three.
        QTest::newRow("fourth line left out") << QString(40, QChar(u'薬')) << "" << "" << 22 << 44
                                              << QStringList{QString(11, QChar(u'薬')), QString(12, QChar(u'薬')),
                                                             QString(12, QChar(u'薬'))};
    }
    void lines()
    {
        QFETCH(QString, content);
        QFETCH(QString, standard);
        QFETCH(QString, quantity);
        QFETCH(int, width);
        QFETCH(int, dropAt);
        QFETCH(QStringList, lines);
        QCOMPARE(TiryoTextProc::split(TiryoTextProc::compose(content, standard, quantity, dropAt), width), lines);
    }

    // Sizes and lines: one line 8.5, or 8 beyond 16 bytes; two at 7.7 one mm apart from y; three
    // at 7.3, 2.3 mm apart; at a scale the sizes and the lower offsets shrink.
    void print_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QList<double>>("sizes");
        QTest::addColumn<QList<double>>("dy");   // the text tops relative to line 0's top
        QTest::newRow("16 bytes") << QStringList{QString(8, QChar(u'薬'))} << 1.0 << QList<double>{8.5} << QList<double>{0};
        QTest::newRow("20 bytes") << QStringList{QString(10, QChar(u'薬'))} << 1.0 << QList<double>{8} << QList<double>{0};
        QTest::newRow("two") << QStringList{"a", "b"} << 1.0 << QList<double>{7.7, 7.7} << QList<double>{0, 2};
        QTest::newRow("three") << QStringList{"a", "b", "c"} << 1.0 << QList<double>{7.3, 7.3, 7.3}
                               << QList<double>{0, 2.3, 4.6};
        QTest::newRow("two at 0.8") << QStringList{"a", "b"} << 0.8 << QList<double>{6.16, 6.16} << QList<double>{0, 1.8};
    }
    void print()
    {
        QFETCH(QStringList, lines);
        QFETCH(double, scale);
        QFETCH(QList<double>, sizes);
        QFETCH(QList<double>, dy);
        RecordingPrintDevice device;
        TiryoTextProc::print(device, lines, 50, 100, TiryoTextProc::Sizes{}, float(scale));
        const auto texts = device.ofKind(RecordingPrintDevice::Kind::Text);
        QCOMPARE(texts.size(), lines.size());
        for (int i = 0; i < texts.size(); ++i) {
            QVERIFY(qAbs(texts.at(i).fontSize - sizes.at(i)) < 0.01);
            QVERIFY2(qAbs(texts.at(i).yMm() - texts.at(0).yMm() - dy.at(i)) < 0.05, qPrintable(QString::number(texts.at(i).yMm())));
        }
    }
};

NOLVARI_TEST(TiryoTextProcTest)
#include "TiryoTextProcTest.moc"
