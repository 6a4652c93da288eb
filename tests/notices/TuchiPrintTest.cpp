#include "NoticeFixture.h"
#include "TestRegistry.h"

#include "common/SiteProfile.h"
#include "notices/TuchiPrint.h"
#include "notices/TuchiPrintData.h"
#include "print/common/ListPrintRule.h"

#include <QRegularExpression>
#include <cmath>
#include <QtTest>

namespace {
using Proc = TuchiPrint::Proc;
enum Layout { Notice, KagosimaBook, DefaultBook, Okinawa, Gunma };

Proc procOf(int layout)
{
    static const Proc procs[] = {TuchiPrint::TuchiKagosimaPrintProc, TuchiPrint::TuchiboKagosimaPrintProc,
                                 TuchiPrint::TuchiboPrintProc, TuchiPrint::TuchiOkinawaPrintProc,
                                 TuchiPrint::TuchiboGunmaPrintProc};
    return procs[layout];
}

const QString Disease16 = QStringLiteral("あいうえおかきくけこさしすせそた");

// A case row in the columns the layout reads, its farmer name given.
QStringList caseRow(int layout, const QString& farmer, const QString& disease = QStringLiteral("乳房炎"),
                    const QString& tiku = QStringLiteral("東谷"))
{
    if (layout == Gunma)
        return {"1", tiku, farmer, "5", "1012345678", disease, "5.4.12", "00010001:5.4.30:死亡"};
    if (layout == Okinawa)
        return {tiku, "や", farmer, "成乳牛", "1234", disease, "5.4.12", "5.4.14", "5.4.30", "50412"};
    return {tiku, "や", farmer, "肥", "1234", disease, "5.3.12", "", "", ""};
}

TuchiPrintData dataOf(int layout, const QList<QStringList>& rows, const QString& siteRow = QString())
{
    TuchiPrintData data;
    data.rows = rows;
    data.nen = "7";
    data.tuki = "6";
    data.docName = "佐藤 誠";
    if (!siteRow.isEmpty())
        data.site = SiteProfile::parseRow(siteRow);
    Q_UNUSED(layout);
    return data;
}

// Row line y of row r (1-based on its page) and where the farmer's name stands on it.
struct FarmerPlace
{
    float rowY0, pitch;
    int size, align;
    float x, dy;
};
FarmerPlace farmerPlace(int layout)
{
    switch (layout) {
    case Notice: return {60, 7, 10, 1, 35, -1.5f};
    case KagosimaBook: return {90, 6.88f, 10, 1, 57, -2};
    case DefaultBook: return {70, 7, 10, 1, 43, -1.5f};
    case Okinawa: return {58, 12, 10, 0, 121, 0};
    default: return {132, 14.9f, 10, 1, 24, -3};
    }
}

RecordingPrintDevice print(int layout, const TuchiPrintData& data)
{
    RecordingPrintDevice device;
    QString error;
    if (!procOf(layout)(device, data, &error))
        qWarning("print failed: %s", qPrintable(error));
    return device;
}

int circleCount(const RecordingPrintDevice& device)
{
    return int(device.ofKind(RecordingPrintDevice::Kind::Circle).size());
}
} // namespace

class TuchiPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // Rows a page: exactly full gives no extra page; one more starts a page with its frame at the
    // first row line.
    void pages_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("perPage");
        QTest::newRow("Kagoshima notice") << int(Notice) << 31;
        QTest::newRow("Kagoshima book") << int(KagosimaBook) << 25;
        QTest::newRow("default book") << int(DefaultBook) << 31;
        QTest::newRow("Okinawa notice") << int(Okinawa) << 10;
        QTest::newRow("Gunma list") << int(Gunma) << 10;
    }

    void pages()
    {
        QFETCH(int, layout);
        QFETCH(int, perPage);
        const FarmerPlace at = farmerPlace(layout);
        for (const int n : {0, perPage, perPage + 1, 2 * perPage}) {
            QList<QStringList> rows;
            for (int i = 1; i <= n; ++i)
                rows.append(caseRow(layout, QStringLiteral("F%1").arg(i)));
            const RecordingPrintDevice device = print(layout, dataOf(layout, rows));
            QCOMPARE(device.pageCount(), n <= perPage ? 1 : 2);
            QCOMPARE(device.ops.last().kind, RecordingPrintDevice::Kind::EndDoc);
            if (n == 0)
                continue;
            const int lastRow = n > perPage ? n - perPage : n;
            const QString last = QStringLiteral("F%1").arg(n);
            QVERIFY2(hasNoticeText(device, last, n > perPage ? 2 : 1, at.size, at.align, at.x,
                                   at.rowY0 + at.pitch * float(lastRow) + at.dy),
                     qPrintable(noticeTexts(device, last)));
            // Every page draws the same frame.
            if (device.pageCount() == 2) {
                int lines[3] = {};
                for (const auto& op : device.ofKind(RecordingPrintDevice::Kind::Line))
                    ++lines[op.page];
                QCOMPARE(lines[2], lines[1]);
            }
        }
    }

    // The first row whose ending column is empty ends the list.
    void emptyColumnEnds_data() { pages_data(); }

    void emptyColumnEnds()
    {
        QFETCH(int, layout);
        const int endCol = layout == Okinawa || layout == Gunma ? 1 : 0;
        QStringList stop = caseRow(layout, "F2");
        stop[endCol].clear();
        const RecordingPrintDevice device = print(layout, dataOf(layout, {caseRow(layout, "F1"), stop, caseRow(layout, "F3")}));
        QVERIFY(device.findText("F1"));
        QVERIFY(!device.findText("F2"));
        QVERIFY(!device.findText("F3"));
    }

    // Wrapped cells: pieces by bytes, each below the other by the pitch; dates split into parts.
    void cells_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("disease");
        QTest::addColumn<QString>("tiku");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<QList<int>>("aligns");
        QTest::addColumn<QList<float>>("xs");
        QTest::addColumn<QList<float>>("ys");  // relative to the row line
        const QString six = "東西南北中央";
        QTest::newRow("default book: 16 full-width disease, 6-character district")
            << int(DefaultBook) << Disease16 << six << QStringList{"あいうえおかきくけこ", "さしすせそた", "東西南北中", "央"}
            << QList<int>{9, 9, 10, 10} << QList<int>{1, 1, 1, 1} << QList<float>{146, 146, 21, 21}
            << QList<float>{-2.35f, 0.35f, -3, 0};
        QTest::newRow("Kagoshima book: disease, district, onset date parts and notice date")
            << int(KagosimaBook) << Disease16 << six
            << QStringList{"あいうえおかきくけこ", "さしすせそた", "東西南北中", "央", "5", "3", "12", "3/12"}
            << QList<int>{9, 9, 10, 10, 11, 11, 11, 11} << QList<int>{1, 1, 1, 1, 0, 0, 0, 0}
            << QList<float>{170, 170, 39, 39, 146, 155, 164, 29} << QList<float>{-2.35f, 0.35f, -3, 0, -1.5f, -1.5f, -1.5f, -1.5f};
        QTest::newRow("Kagoshima notice: 16 full-width disease on one line")
            << int(Notice) << Disease16 << six << QStringList{Disease16, "山本 一郎", "1234", "肥"}
            << QList<int>{10, 10, 11, 10} << QList<int>{1, 1, 1, 1} << QList<float>{133, 35, 92, 69}
            << QList<float>{-2, -1.5f, -1.5f, -1.5f};
        QTest::newRow("Okinawa notice: 40 bytes, dates")
            << int(Okinawa) << QString(Disease16 + "ちつてと") << "那覇"
            << QStringList{Disease16, "ちつてと", "4", "12", "4", "14", "30"} << QList<int>{10, 10, 10, 10, 10, 10, 10}
            << QList<int>{1, 1, 0, 0, 0, 0, 0} << QList<float>{187, 187, 34, 46, 62, 73, 259}
            << QList<float>{-2.75f, 0.75f, 0, 0, 0, 0, 2.5f};
        QTest::newRow("Okinawa notice: 70 bytes")
            << int(Okinawa) << QString(Disease16 + Disease16 + "なにぬ") << "那覇"
            << QStringList{Disease16, "なにぬ"} << QList<int>{10, 10} << QList<int>{1, 1} << QList<float>{187, 187}
            << QList<float>{-4.5f, 2.5f};
        QTest::newRow("Gunma list: 8 full-width disease, member number, onset month and day")
            << int(Gunma) << "あいうえおかきく" << "東谷" << QStringList{"あいうえおかきく", "12345678", "4", "12", "1012345678"}
            << QList<int>{10, 11, 11, 11, 11} << QList<int>{1, 1, 0, 0, 1} << QList<float>{120, 85, 157, 167, 85}
            << QList<float>{-6.5f, -10.5f, -11, -11, -3};
    }

    void cells()
    {
        QFETCH(int, layout);
        QFETCH(QString, disease);
        QFETCH(QString, tiku);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, sizes);
        QFETCH(QList<int>, aligns);
        QFETCH(QList<float>, xs);
        QFETCH(QList<float>, ys);
        const FarmerPlace at = farmerPlace(layout);
        const float y = at.rowY0 + at.pitch;
        QStringList row = caseRow(layout, "山本 一郎", disease, tiku);
        const RecordingPrintDevice device =
            print(layout, dataOf(layout, {row}, "GMC,群馬県,SiteGunmaClinic,CodeHenkan=00010001>12345678"));
        for (int i = 0; i < texts.size(); ++i)
            QVERIFY2(hasNoticeText(device, texts.at(i), 1, sizes.at(i), aligns.at(i), xs.at(i), y + ys.at(i)),
                     qPrintable(noticeTexts(device, texts.at(i))));
    }

    // Circles of the pre-printed choices.
    void kindCircles()
    {
        QStringList hi = caseRow(DefaultBook, "A");
        QStringList other = caseRow(DefaultBook, "B");
        other[3] = "他";
        RecordingPrintDevice book = print(DefaultBook, dataOf(DefaultBook, {hi, other}));
        QVERIFY(hasNoticeCircle(book, 1, 85.5, 77 - 3.5, 2.2));
        QVERIFY(hasNoticeCircle(book, 1, 198, 53.5, 1.7));
        QCOMPARE(circleCount(book), 2);

        RecordingPrintDevice kagosima = print(KagosimaBook, dataOf(KagosimaBook, {hi, other}));
        QVERIFY(hasNoticeCircle(kagosima, 1, 105, 96.88 - 3.5, 2.2));
        QVERIFY(hasNoticeCircle(kagosima, 1, 105, 96.88 + 6.88 - 3.5, 2.2));
        QCOMPARE(circleCount(kagosima), 3);

        QCOMPARE(circleCount(print(Notice, dataOf(Notice, {hi, other}))), 0);
    }

    void gunmaCircles_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("tenki");
        QTest::addColumn<QList<float>>("circles");  // x, dy, r of each expected circle
        QTest::newRow("code 5, 死亡") << "5" << "死亡" << QList<float>{73.5f, -13, 1.6f, 106, -10, 2.2f};
        QTest::newRow("code 12, 廃用") << "12" << "廃用" << QList<float>{70, -6, 1.6f, 110, -10, 2.2f};
        QTest::newRow("code 1, 治癒") << "1" << "治癒" << QList<float>{59, -13, 1.6f, 115, -10, 2.2f};
        QTest::newRow("code 15, 未") << "15" << "未" << QList<float>{81, -6, 1.6f, 115, -10, 2.2f};
        QTest::newRow("no code, no outcome") << "" << "" << QList<float>{115, -10, 2.2f};
        QTest::newRow("code 8, 中止") << "8" << "中止" << QList<float>{58, -6, 1.6f};
    }

    void gunmaCircles()
    {
        QFETCH(QString, code);
        QFETCH(QString, tenki);
        QFETCH(QList<float>, circles);
        QStringList row = caseRow(Gunma, "A");
        row[3] = code;
        row[7] = "00010001::" + tenki;
        const RecordingPrintDevice device = print(Gunma, dataOf(Gunma, {row}));
        QCOMPARE(circleCount(device), int(circles.size() / 3));
        const float y = 132 + 14.9f;
        for (qsizetype i = 0; i < circles.size(); i += 3)
            QVERIFY(hasNoticeCircle(device, 1, circles.at(i), y + circles.at(i + 1), circles.at(i + 2)));
    }

    // The identity prints only at its own site; the heading year is the tally's, after "令和".
    void identityAndHeading_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("siteRow");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<float>>("places");  // size, align, x, y of each text
        QTest::newRow("Kagoshima notice at VetA")
            << int(Notice) << "KGVA,鹿児島県,SiteKagoshimaVetA,ClinicName=南国動物診療所"
            << QStringList{"南国動物診療所", "佐藤 誠", "（令和　　　年　　　月分）", "7", "6"}
            << QList<float>{13, 1, 151, 40, 13, 1, 158, 46, 11, 1, 150, 30, 11, 1, 161, 30, 11, 0, 175, 30};
        QTest::newRow("Kagoshima book")
            << int(KagosimaBook) << "KGVB,鹿児島県,SiteKagoshimaVetB"
            << QStringList{"佐藤 誠", "（令和　　　　年　　　　月分）", "7", "6", "1"}
            << QList<float>{13, 1, 146, 75, 11, 0, 160, 32, 11, 0, 146, 32, 11, 0, 161, 32, 12, 0, 190, 51};
        QTest::newRow("default book")
            << int(DefaultBook) << "" << QStringList{"佐藤 誠", "（令和　　　年　　　月分）", "7", "6", "1"}
            << QList<float>{13, 1, 158, 55, 11, 1, 150, 26, 11, 1, 161, 26, 11, 0, 175, 26, 12, 0, 192, 39};
        QTest::newRow("Okinawa clinic")
            << int(Okinawa) << "OKC,沖縄県,SiteOkinawaClinic,ClinicName=南風原診療所,VetName=比嘉太郎"
            << QStringList{"南風原診療所", "比 嘉 太 郎"} << QList<float>{14, 1, 230, 40, 13, 1, 242, 45.5f};
        QTest::newRow("Gunma clinic")
            << int(Gunma) << "GMC,群馬県,SiteGunmaClinic,ClinicAddress=〒371-0001 前橋市,ClinicName=上州診療所,VetName=田中 実"
            << QStringList{"〒371-0001 前橋市", "上州診療所", "田中 実"}
            << QList<float>{8, 1, 125, 65, 15, 1, 135, 71, 13, 1, 140, 79};
    }

    void identityAndHeading()
    {
        QFETCH(int, layout);
        QFETCH(QString, siteRow);
        QFETCH(QStringList, texts);
        QFETCH(QList<float>, places);
        const RecordingPrintDevice device = print(layout, dataOf(layout, {}, siteRow));
        for (int i = 0; i < texts.size(); ++i)
            QVERIFY2(hasNoticeText(device, texts.at(i), 1, int(places.at(4 * i)), int(places.at(4 * i + 1)),
                                   places.at(4 * i + 2), places.at(4 * i + 3)),
                     qPrintable(noticeTexts(device, texts.at(i))));
        // Another site of the prefecture: the same row's texts, without its switch, print nothing.
        if (siteRow.isEmpty())
            return;
        QString other = siteRow;
        other.replace(QRegularExpression(",Site[A-Za-z]+"), QString());
        const RecordingPrintDevice elsewhere = print(layout, dataOf(layout, {}, other));
        for (const char* identity : {"南国動物診療所", "南風原診療所", "比 嘉 太 郎", "上州診療所", "田中 実"})
            QVERIFY(!elsewhere.findText(identity));
    }

    // The offsets move every text, line and circle; the paper is A4 in each layout's orientation,
    // also after a landscape job on the same device.
    void offsetsAndPaper_data() { pages_data(); }

    void offsetsAndPaper()
    {
        QFETCH(int, layout);
        const TuchiPrintData plain = dataOf(layout, {caseRow(layout, "A")}, "GMC,群馬県,SiteGunmaClinic,ClinicName=上州");
        TuchiPrintData moved = plain;
        moved.offX = 2;
        moved.offY = -1.5f;
        const RecordingPrintDevice a = print(layout, plain);
        const RecordingPrintDevice b = print(layout, moved);
        QCOMPARE(b.ops.size(), a.ops.size());
        for (qsizetype i = 0; i < a.ops.size(); ++i) {
            const auto& p = a.ops.at(i);
            const auto& q = b.ops.at(i);
            QCOMPARE(q.kind, p.kind);
            if (p.kind == RecordingPrintDevice::Kind::NewPage || p.kind == RecordingPrintDevice::Kind::EndDoc)
                continue;
            const double exact = p.kind == RecordingPrintDevice::Kind::Line ? 0.01 : 1.0;
            QVERIFY(std::abs(q.x - p.x - 2 * 56.7) <= exact);
            QVERIFY(std::abs(q.y - p.y + 1.5 * 56.7) <= exact);
            if (p.kind == RecordingPrintDevice::Kind::Line) {
                QVERIFY(std::abs(q.x2 - p.x2 - 2 * 56.7) <= exact);
                QVERIFY(std::abs(q.y2 - p.y2 + 1.5 * 56.7) <= exact);
            }
        }
        RecordingPrintDevice device;
        device.setPaper(PrintDevice::Paper::JisB4, PrintDevice::Orientation::Landscape);
        procOf(layout)(device, plain, nullptr);
        QCOMPARE(device.ops.first().paper, PrintDevice::Paper::A4);
        QCOMPARE(device.ops.first().orientation,
                 layout == Okinawa ? PrintDevice::Orientation::Landscape : PrintDevice::Orientation::Portrait);
    }

    // The rules themselves: a text ending at x by its characters, a middle y, a text of more
    // half-width characters than the limit but fewer bytes than twice it as one piece one
    // millimetre up, a corner beyond 16-bit twips not printed.
    void listPrintRule()
    {
        RecordingPrintDevice device;
        ListPrintRule bottom(device, ListPrintRule::TextY::Bottom, 1, 0);
        QVERIFY(bottom.text("あいう", 12, 1, ListPrintRule::End, 100, 50));
        const double em = 12 * 25.0 / 72;
        QCOMPARE(device.ops.last().x, std::floor((100 + 1 - 3 * em - 3.5) * 56.7f));
        QCOMPARE(device.ops.last().fontName, QStringLiteral("ＭＳ Ｐ明朝"));
        ListPrintRule middle(device, ListPrintRule::TextY::Middle);
        QVERIFY(middle.text("x", 12, 0, ListPrintRule::Start, 10, 50));
        QCOMPARE(device.ops.last().y, std::floor((50 - em / 2 - 2) * 56.7f));
        QCOMPARE(device.ops.last().fontName, QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(ListPrintRule::wrapPieces("abcdefg", 5), QStringList{"abcdefg"});
        bottom.wrapped("abcdefg", 10, 1, ListPrintRule::Start, 20, 5, 60, 3);
        QVERIFY(hasNoticeText(device, "abcdefg", 1, 10, 1, 20, 59, 1));
        QCOMPARE(ListPrintRule::wrapPieces("あいうえおかa", 2), (QStringList{"あい", "うえ", "おか", "a"}));
        QVERIFY(!bottom.text("遠い", 10, 1, ListPrintRule::Start, 600, 10));
        QVERIFY(!bottom.circle(10, 700, 2));
        QVERIFY(!bottom.text("x", 10, 2, ListPrintRule::Start, 10, 10));
        QCOMPARE(device.ofKind(RecordingPrintDevice::Kind::Text).size() + device.ofKind(RecordingPrintDevice::Kind::Circle).size(),
                 qsizetype(3));
    }

    void layoutOfInstallation_data()
    {
        QTest::addColumn<QString>("kenName");
        QTest::addColumn<QString>("siteRow");
        QTest::addColumn<int>("layout");  // -1: none
        QTest::newRow("鹿児島 VetA") << "鹿児島県" << "KGVA,鹿児島県,SiteKagoshimaVetA" << int(Notice);
        QTest::newRow("鹿児島 VetB") << "鹿児島県" << "KGVB,鹿児島県,SiteKagoshimaVetB" << int(KagosimaBook);
        QTest::newRow("鹿児島 other site") << "鹿児島県" << "KGOTHER,鹿児島県" << -1;
        QTest::newRow("群馬") << "群馬県" << "" << int(Gunma);
        QTest::newRow("沖縄") << "沖縄県" << "" << int(Okinawa);
        QTest::newRow("三重") << "三重県" << "" << int(DefaultBook);
    }

    void layoutOfInstallation()
    {
        QFETCH(QString, kenName);
        QFETCH(QString, siteRow);
        QFETCH(int, layout);
        const SiteProfile site = siteRow.isEmpty() ? SiteProfile() : SiteProfile::parseRow(siteRow);
        const Proc proc = TuchiPrint::procFor(KenInfo::fromName(kenName), site);
        QVERIFY(proc == (layout < 0 ? Proc(nullptr) : procOf(layout)));
    }
};

NOLVARI_TEST(TuchiPrintTest)
#include "TuchiPrintTest.moc"
