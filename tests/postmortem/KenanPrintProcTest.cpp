#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/ByteLenProc.h"
#include "common/PrintDevice.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "common/SiteProfile.h"
#include "postmortem/KenanPrintProc.h"
#include "postmortem/KenanWrapProc.h"

#include <QtTest>

using Kind = RecordingPrintDevice::Kind;

// The printed certificate on the recording device: positions in millimetres from the paper's
// corner, the frame origin at (16, 19).
class KenanPrintProcTest : public QObject
{
    Q_OBJECT

    static KenanPrintProc::Source source()
    {
        KenanPrintProc::Source s;
        s.data.InfoGd[0] = "東谷：山本 一郎：00010001";
        s.data.InfoGd[2] = "乳房炎：6-1-1";
        s.data.K_InpText[0] = "7";
        s.data.K_InpText[5] = "R5.4.1";
        s.data.K_InpText[7] = "R6.1.10";
        s.data.K_InpText[8] = "7.5.19";
        s.docAd = "鳥取県中央市本町2-5";
        return s;
    }

    // The text's point as given to the form: left-aligned texts move left by h / 2 and up by h,
    // h = size / 6 mm.
    static bool leftAt(const RecordingPrintDevice& device, const QString& text, double size, double x, double y,
                       int page = 1)
    {
        for (const RecordingPrintDevice::Op& op : device.ops) {
            if (op.kind == Kind::Text && op.text == text && op.page == page && op.fontSize == size
                && qAbs(op.xMm() - (16 + x - size / 12)) < 0.05 && qAbs(op.yMm() - (19 + y - size / 6)) < 0.05)
                return op.fontName == QStringLiteral("ＭＳ Ｐ明朝");
        }
        qWarning("%s not at (%.2f, %.2f)", qPrintable(text), x, y);
        return false;
    }

    // A centred text: its middle on x.
    static bool centredAt(const RecordingPrintDevice& device, const QString& text, double size, double x, double y)
    {
        const int bytes = ByteLenProc(text);
        for (const RecordingPrintDevice::Op& op : device.ops) {
            if (op.kind == Kind::Text && op.text == text && op.fontSize == size
                && qAbs(op.yMm() - (19 + y - size / 6)) < 0.05
                && qAbs(op.xMm() - (16 + x - bytes * size * 25 / 288)) < 0.3)
                return true;
        }
        qWarning("%s not centred at (%.2f, %.2f)", qPrintable(text), x, y);
        return false;
    }

    static int strikeCount(const RecordingPrintDevice& device)
    {
        int n = 0;
        for (const RecordingPrintDevice::Op& op : device.ofKind(Kind::Line)) {
            const bool captionStrike = qAbs(op.xMm() - 21) < 0.01 && qAbs(op.x2Mm() - 37) < 0.01;
            const bool headStrike = qAbs(op.xMm() - 118) < 0.01 && qAbs(op.x2Mm() - 142) < 0.01;
            const bool closing = qAbs(op.xMm() - 51) < 0.01 && qAbs(op.x2Mm() - 63) < 0.01;
            if ((captionStrike || headStrike || closing) && op.lineWidth == 3)
                ++n;
        }
        return n;
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        SharedState::get().TwipPerMm = 56.7f;
    }

    void wrap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("lengths");
        QTest::newRow("27 full-width") << QString(27, QChar(0x3042)) << 27 << QList<int>{27};
        QTest::newRow("28 full-width") << QString(28, QChar(0x3042)) << 27 << QList<int>{27, 1};
        QTest::newRow("30 half-width") << QString(30, 'a') << 18 << QList<int>{30};
        QTest::newRow("40 half-width") << QString(40, 'a') << 18 << QList<int>{36, 4};
        QTest::newRow("cut at 54 bytes") << QString(26, QChar(0x3042)) + "abc" << 27 << QList<int>{28, 1};
        QTest::newRow("odd byte") << QString("a") + QString(27, QChar(0x3042)) << 27 << QList<int>{28};
        QTest::newRow("voiced katakana counts two") << QString(14, QChar(0x30AC)) << 27 << QList<int>{14};
        QTest::newRow("19 of 9") << QString(19, QChar(0x75C5)) << 9 << QList<int>{9, 9, 1};
    }
    void wrap()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QList<int>, lengths);
        QList<int> got;
        for (const QString& line : KenanWrapProc::lines(text, width))
            got.append(int(line.size()));
        QCOMPARE(got, lengths);
    }

    void sheets_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("sheets");
        QTest::newRow("2") << "2" << 2;
        QTest::newRow("2.5 to even") << "2.5" << 2;
        QTest::newRow("3.5 to even") << "3.5" << 4;
        QTest::newRow("blanks") << " 3 " << 3;
        QTest::newRow("most") << "32767" << 32767;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("0.4") << "0.4" << 0;
        QTest::newRow("negative") << "-2" << 0;
        QTest::newRow("too many") << "32768" << 0;
        QTest::newRow("not a number") << "abc" << 0;
    }
    void sheets()
    {
        QFETCH(QString, typed);
        QFETCH(int, sheets);
        QCOMPARE(KenanPrintProc::sheets(typed).value_or(0), sheets);
    }

    // Two identical A4 landscape sheets, without a blank page after them; the frame from the
    // origin (16, 19); the strike lines only on a post-mortem certificate.
    void sheetsAndStrikeLines()
    {
        RecordingPrintDevice device;
        KenanPrintProc::print(device, source(), 2);
        QCOMPARE(device.ofKind(Kind::NewPage).size(), 1);
        QCOMPARE(device.pageCount(), 2);
        QCOMPARE(device.ops.first().orientation, PrintDevice::Orientation::Landscape);
        const RecordingPrintDevice::Op top = device.ofKind(Kind::Line).first();
        QCOMPARE(top.lineWidth, 7);
        QVERIFY(qAbs(top.xMm() - 16) < 0.01 && qAbs(top.yMm() - 19) < 0.01 && qAbs(top.x2Mm() - 268) < 0.01);
        QCOMPARE(strikeCount(device), 24);
        const QList<RecordingPrintDevice::Op> circles = device.ofKind(Kind::Circle);
        QCOMPARE(circles.size(), 2);
        QVERIFY(qAbs(circles.first().xMm() - 257) < 0.01 && qAbs(circles.first().yMm() - 189) < 0.01);
        QVERIFY(leftAt(device, "死 廃 事 故 診 断 書    ( 検 案 書 )", 17, 73, 5.5, 2));
        QVERIFY(leftAt(device, "(検案内容)", 11, 5, 127));

        KenanPrintProc::Source sindan = source();
        sindan.data.bunrui = KenanData::Sindan;
        RecordingPrintDevice plain;
        KenanPrintProc::print(plain, sindan, 1);
        QCOMPARE(strikeCount(plain), 0);
        QVERIFY(leftAt(plain, "(検案内容)", 11, 5, 127));
    }

    // The calibration of the shared state is neither used nor changed.
    void noCalibration()
    {
        TestFixture::setPrintHosei("5/7/1.2");
        RecordingPrintDevice device;
        KenanPrintProc::print(device, source(), 1);
        QVERIFY(leftAt(device, "稟     告", 11, 7, 85));
        QCOMPARE(SharedState::get().PrintHosei.YokoHosei, 5.f);
        QCOMPARE(SharedState::get().PrintHosei.NobiHosei, 1.2f);
    }

    void dates()
    {
        KenanPrintProc::Source s = source();
        RecordingPrintDevice device;
        KenanPrintProc::print(device, s, 1);
        QVERIFY(centredAt(device, "5", 11, 132, 42));     // birth R5.4.1: no era letter
        QVERIFY(centredAt(device, "1", 11, 151, 42));
        QVERIFY(centredAt(device, "R6", 12, 46, 161));    // the certificate date keeps it
        QVERIFY(centredAt(device, "10", 12, 90, 161));
        QVERIFY(centredAt(device, "19", 11, 77, 56));
        QVERIFY(centredAt(device, "00010001", 13, 155, 29.5));
        QVERIFY(leftAt(device, "06-01-01", 10, 25, 62));

        s.data.K_InpText[5] = "H30.4.1";
        RecordingPrintDevice heisei;
        KenanPrintProc::print(heisei, s, 1);
        QVERIFY(centredAt(heisei, "30", 11, 132, 42));
        s.data.K_InpText[5] = "5.4";
        RecordingPrintDevice partial;
        KenanPrintProc::print(partial, s, 1);
        // The row's own captions print at size 11 too; the date's parts are the only digits.
        for (const RecordingPrintDevice::Op& op : partial.ofKind(Kind::Text))
            QVERIFY(!(op.fontSize == 11 && qAbs(op.yMm() - (19 + 42 - 11.0 / 6)) < 0.05 && op.text.at(0).isDigit()));
    }

    void diseaseName_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<double>>("ys");
        QTest::newRow("18") << 18 << QList<double>{52, 55.2};
        QTest::newRow("19") << 19 << QList<double>{50, 53.2, 56.4};
    }
    void diseaseName()
    {
        QFETCH(int, length);
        QFETCH(QList<double>, ys);
        KenanPrintProc::Source s = source();
        s.data.InfoGd[2] = QString(length, QChar(0x75C5)) + "：1-2-3";
        RecordingPrintDevice device;
        KenanPrintProc::print(device, s, 1);
        QVERIFY(leftAt(device, QString(9, QChar(0x75C5)), 9, 18, ys.at(0)));
        QVERIFY(leftAt(device, QString(length - 9 * (int(ys.size()) - 1), QChar(0x75C5)), 9, 18, ys.last()));
        QVERIFY(leftAt(device, "01-02-03", 10, 25, 62));
    }

    // A disease caption without "：" prints neither name nor code; one that ends with "：" prints
    // the code shaped from an empty code.
    void diseaseCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("printed");
        QTest::newRow("no colon") << "乳房炎" << false;
        QTest::newRow("empty code") << "乳房炎：" << true;
    }
    void diseaseCaption()
    {
        QFETCH(QString, caption);
        QFETCH(bool, printed);
        KenanPrintProc::Source s = source();
        s.data.InfoGd[2] = caption;
        RecordingPrintDevice device;
        KenanPrintProc::print(device, s, 1);
        QCOMPARE(device.findText("乳房炎") != nullptr, printed);
        QCOMPARE(device.findText("00-00-00") != nullptr, printed);
        if (printed)
            QVERIFY(leftAt(device, "00-00-00", 10, 25, 62));
    }

    void wrappedTexts()
    {
        KenanPrintProc::Source s = source();
        s.data.InfoTx[0] = QString(28, QChar(0x3042));
        s.data.InfoTx[1] = QString(30, 'a');
        s.data.InfoTx[2] = QString("経過\r\n").repeated(20);
        RecordingPrintDevice device;
        KenanPrintProc::print(device, s, 1);
        QVERIFY(leftAt(device, QString(27, QChar(0x3042)), 12, 33, 78));
        QVERIFY(leftAt(device, QString(QChar(0x3042)), 12, 33, 85.3));
        QVERIFY(leftAt(device, QString(30, 'a'), 12, 177, 78));
        QVERIFY(leftAt(device, QString("経過").repeated(20), 12, 33, 100));
    }

    void outcome_data()
    {
        QTest::addColumn<int>("sihai");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("reason");
        QTest::newRow("死") << 0 << "死" << false;
        QTest::newRow("法") << 1 << "法" << false;
        QTest::newRow("廃") << 2 << "廃" << true;
    }
    void outcome()
    {
        QFETCH(int, sihai);
        QFETCH(QString, mark);
        QFETCH(bool, reason);
        KenanPrintProc::Source s = source();
        s.data.sihai = sihai;
        s.data.HaiyoTxt = "乳廃";
        RecordingPrintDevice device;
        KenanPrintProc::print(device, s, 1);
        QVERIFY(centredAt(device, mark, 13, 245, 61));
        QCOMPARE(device.findText("乳廃") != nullptr, reason);
        if (reason)
            QVERIFY(centredAt(device, "乳廃", 11, 245, 70));
    }

    // What the registers give: the last register line of the member code, not the edited
    // farmer number; the identity of the later key; the address.
    void registers()
    {
        TempDataRoot root;
        root.write("set/NameCode.ini", {"東谷,古い名前,00010001,古い住所,や,101", "", "東谷,山本 一郎,00010001,中央市東谷1-2,や,102",
                                        "東谷,別人,00019999,別,や,9", "短い,行"});
        root.write("set/DoctorName.ini", {"田中佐藤", "1234"});
        root.write("set/DocAd.ini", {"中央市本町2-5"});
        SharedState::get().SiteRows = SiteProfile::parse(
            {"佐藤,鳥取県,SiteTottoriVetB,KenanClinic=佐藤家畜診療所,KenanDoctor=佐藤誠",
             "田中,鳥取県,SiteTottoriVetD,KenanClinic=田中動物病院,KenanDoctor=田中一郎"});
        KenanData d = source().data;
        d.K_InpText[1] = "00019999";
        const KenanPrintProc::Source s = KenanPrintProc::load(d);
        QCOMPARE(s.noukaName, QStringLiteral("山本 一郎"));
        QCOMPARE(s.noukaAddress, QStringLiteral("中央市東谷1-2"));
        QCOMPARE(s.kumiai, QStringLiteral("102"));
        QCOMPARE(s.identity.clinic, QStringLiteral("田中動物病院"));
        RecordingPrintDevice device;
        KenanPrintProc::print(device, s, 1);
        QVERIFY(leftAt(device, "中央市東谷1-2", 12, 41, 17));
        QVERIFY(leftAt(device, "山本 一郎", 14, 110, 17));
        QVERIFY(centredAt(device, "102", 14, 20, 29.5));
        QVERIFY(leftAt(device, "田中動物病院", 15, 110, 167));
        QVERIFY(leftAt(device, "中央市本町2-5", 10.5, 110, 173));
        QVERIFY(leftAt(device, "田 中 一 郎", 14, 200, 169));
        QVERIFY(!device.findText("00019999"));

        d.InfoGd[0] = "東谷：山本 一郎";  // no member code: no look-up
        QCOMPARE(KenanPrintProc::load(d).noukaName, QString());
    }

    // Register lines of fewer than six fields match, their missing fields empty; a member header
    // whose code is empty or missing looks nothing up, though register lines without a code exist.
    void registerLines_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("nameCode");
        QTest::addColumn<QStringList>("member");  // name, address, association
        const QString header = "東谷：山本 一郎：00010001";
        QTest::newRow("short line last") << header
                                         << QStringList{"東谷,古い名前,00010001,古い住所,や,101", "東谷,山本 一郎,00010001"}
                                         << QStringList{"山本 一郎", "", ""};
        QTest::newRow("four fields") << header << QStringList{"東谷,山本 一郎,00010001,中央市東谷1-2"}
                                     << QStringList{"山本 一郎", "中央市東谷1-2", ""};
        QTest::newRow("empty code") << "東谷：山本 一郎：" << QStringList{"東谷,名無し,,住所,や,1", "二つ,だけ"}
                                    << QStringList{"", "", ""};
        QTest::newRow("no code part") << "東谷：山本 一郎" << QStringList{"東谷,名無し,,住所,や,1"}
                                      << QStringList{"", "", ""};
    }
    void registerLines()
    {
        QFETCH(QString, header);
        QFETCH(QStringList, nameCode);
        QFETCH(QStringList, member);
        TempDataRoot root;
        root.write("set/NameCode.ini", nameCode);
        KenanData d = source().data;
        d.InfoGd[0] = header;
        const KenanPrintProc::Source s = KenanPrintProc::load(d);
        QCOMPARE((QStringList{s.noukaName, s.noukaAddress, s.kumiai}), member);
    }

    // Sample rulings of each kind: the point pairs from the frame origin with their width and style.
    void rulings_data()
    {
        QTest::addColumn<QList<double>>("ends");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("style");
        const int solid = PrintDevice::Solid;
        const int dot = PrintDevice::Dot;
        QTest::newRow("frame bottom") << QList<double>{252, 177, 0, 177} << 7 << solid;
        QTest::newRow("rule at 147") << QList<double>{0, 147, 252, 147} << 7 << solid;
        QTest::newRow("under the heading") << QList<double>{63, 10, 168, 10} << 7 << solid;
        QTest::newRow("reception middle") << QList<double>{183, 8.5, 252, 8.5} << 3 << solid;
        QTest::newRow("last date-row vertical") << QList<double>{239, 48, 239, 74} << 3 << solid;
        QTest::newRow("under the disease code") << QList<double>{14, 65, 43, 65} << 3 << solid;
        QTest::newRow("second cause line") << QList<double>{174, 88.6, 252, 88.6} << 1 << dot;
        QTest::newRow("last symptom line") << QList<double>{26, 139.8, 252, 139.8} << 1 << dot;
        QTest::newRow("visits box") << QList<double>{219, 61, 229, 61} << 1 << dot;
    }
    void rulings()
    {
        QFETCH(QList<double>, ends);
        QFETCH(int, width);
        QFETCH(int, style);
        RecordingPrintDevice device;
        KenanPrintProc::print(device, source(), 1);
        const auto at = [](double got, double mm, double origin) { return qAbs(got - (origin + mm)) < 0.01; };
        for (const RecordingPrintDevice::Op& op : device.ofKind(Kind::Line)) {
            if (at(op.xMm(), ends[0], 16) && at(op.yMm(), ends[1], 19) && at(op.x2Mm(), ends[2], 16)
                && at(op.y2Mm(), ends[3], 19)) {
                QCOMPARE(op.lineWidth, width);
                QCOMPARE(op.lineStyle, style);
                return;
            }
        }
        QFAIL("the line is not drawn");
    }

    // Every line of a sheet is a thick or thin solid one or a thin dotted one; the thin solid
    // ones include the twelve strike lines of a post-mortem certificate.
    void rulingCounts_data()
    {
        QTest::addColumn<int>("bunrui");
        QTest::addColumn<QList<int>>("counts");  // width 7 solid, width 3 solid, width 1 dotted
        QTest::newRow("検案書") << int(KenanData::Kenan) << QList<int>{13, 48, 15};
        QTest::newRow("診断書") << int(KenanData::Sindan) << QList<int>{13, 36, 15};
    }
    void rulingCounts()
    {
        QFETCH(int, bunrui);
        QFETCH(QList<int>, counts);
        KenanPrintProc::Source s = source();
        s.data.bunrui = bunrui;
        RecordingPrintDevice device;
        KenanPrintProc::print(device, s, 1);
        QList<int> got{0, 0, 0, 0};
        for (const RecordingPrintDevice::Op& op : device.ofKind(Kind::Line)) {
            const bool solid = op.lineStyle == PrintDevice::Solid;
            ++got[op.lineWidth == 7 && solid ? 0 : op.lineWidth == 3 && solid ? 1
                  : op.lineWidth == 1 && op.lineStyle == PrintDevice::Dot ? 2 : 3];
        }
        QCOMPARE(got, counts + QList<int>{0});
    }

    // Without the registers the sheet still prints: member, address and identity stay empty.
    void missingRegisters()
    {
        TempDataRoot root;
        SharedState::get().SiteRows = SiteProfile::parse({"佐藤,鳥取県,SiteTottoriVetB,KenanClinic=佐藤家畜診療所"});
        const KenanPrintProc::Source s = KenanPrintProc::load(source().data);
        QCOMPARE(s.noukaName, QString());
        QCOMPARE(s.docAd, QString());
        QCOMPARE(s.identity.clinic, QString());
        RecordingPrintDevice device;
        KenanPrintProc::print(device, s, 1);
        QCOMPARE(device.pageCount(), 1);
        QVERIFY(centredAt(device, "00010001", 13, 155, 29.5));
    }
};

NOLVARI_TEST(KenanPrintProcTest)
#include "KenanPrintProcTest.moc"
