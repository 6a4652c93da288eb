#include "NoticeFixture.h"
#include "TestRegistry.h"

#include "notices/TuchiSyukei.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
using Chiiki = TuchiSyukei::Chiiki;

const QHash<QString, QString> atama{{"山本 一郎", "や"}, {"川口 花子", "か"}, {"森田 健", "も"}, {"阿部 修", "あ"},
                                    {"空欄 太郎", ""}};

TuchiSyukei::Joken joken(const QString& nen, const QString& manth, bool vetA = false)
{
    return {nen, manth, atama, vetA};
}

// Adds one chart of a farmer and an animal with its episodes.
void add(TuchiSyukei& s, const QString& tiku, const QString& farmer, const QString& syurui, const QString& mimiban,
         const QList<KarteNameRecord>& names, const QString& meigou = QString())
{
    const TuchiChart chart = TuchiChart::of(tiku, farmer, mimiban, syurui, names, meigou);
    s.addKarte(chart.nouka(), chart.kotai(), chart.episodes);
}

KarteNameRecord ep(const QString& byo, const QString& hatubyo, const QString& syosin, const QString& tenkiDate,
                   const QString& tenki, const QString& teisyutu)
{
    return TuchiChart::episode(byo, hatubyo, syosin, tenkiDate, tenki, teisyutu);
}

QStringList column(const QList<QStringList>& rows, int col)
{
    QStringList out;
    for (const QStringList& r : rows)
        out.append(r.value(col));
    return out;
}
} // namespace

class TuchiSyukeiTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // Kagoshima takes an episode by its submission month, or by the month alone with the year of
    // its outcome date; the year box is compared as typed.
    void kagosimaMonth_data()
    {
        QTest::addColumn<QString>("teisyutu");
        QTest::addColumn<QString>("tenkiDate");
        QTest::addColumn<QString>("nen");
        QTest::addColumn<QString>("manth");
        QTest::addColumn<bool>("taken");
        QTest::newRow("5･6 in 5/6") << "5･6" << "" << "5" << "6" << true;
        QTest::newRow("5･6 not for year 05") << "5･6" << "" << "05" << "6" << false;
        QTest::newRow("5･6 not in month 5") << "5･6" << "" << "5" << "5" << false;
        QTest::newRow("6 with outcome 5.6.30") << "6" << "5.6.30" << "5" << "6" << true;
        QTest::newRow("6 without outcome date") << "6" << "" << "5" << "6" << false;
        QTest::newRow("6 without outcome date, empty year box") << "6" << "" << "" << "6" << true;
        QTest::newRow("no submission month") << "" << "5.6.30" << "5" << "6" << false;
    }

    void kagosimaMonth()
    {
        QFETCH(QString, teisyutu);
        QFETCH(QString, tenkiDate);
        QFETCH(QString, nen);
        QFETCH(QString, manth);
        QFETCH(bool, taken);
        TuchiSyukei s(Chiiki::Kagosima, joken(nen, manth));
        add(s, "東谷", "山本 一郎", "成乳牛", "1234", {ep("乳房炎", "5.6.1", "5.6.2", tenkiDate, "治癒", teisyutu)});
        s.finish();
        QCOMPARE(s.SortGrid().size(), taken ? 1 : 0);
        QCOMPARE(s.closingText(), taken ? QStringLiteral("終了しました。") : QStringLiteral("この月のデータはありません。"));
    }

    void kagosimaKind_data()
    {
        QTest::addColumn<QString>("syurui");
        QTest::addColumn<bool>("vetA");
        QTest::addColumn<QString>("mark");
        QTest::newRow("成乳牛") << "成乳牛" << false << "乳";
        QTest::newRow("育成乳牛") << "育成乳牛" << false << "乳";
        QTest::newRow("肥育牛") << "肥育牛" << false << "肥";
        QTest::newRow("搾乳牛") << "搾乳牛" << false << "特";
        QTest::newRow("empty") << "" << false << "特";
        QTest::newRow("成乳牛 at VetA") << "成乳牛" << true << "成乳牛";
        QTest::newRow("搾乳牛 at VetA") << "搾乳牛" << true << "搾乳牛";
    }

    void kagosimaKind()
    {
        QFETCH(QString, syurui);
        QFETCH(bool, vetA);
        QFETCH(QString, mark);
        TuchiSyukei s(Chiiki::Kagosima, joken("5", "6", vetA));
        add(s, "東谷", "山本 一郎", syurui, "1234", {ep("乳房炎", "5.6.1", "5.6.2", "", "", "5･6")});
        s.finish();
        QCOMPARE(s.SortGrid().value(0).value(3), mark);
        QCOMPARE(s.dataRows().value(0).value(3), mark);
    }

    // Order by district, kana, name, kind, ear tag (numbers as numbers); both grids' columns;
    // bands of districts; farmers without kana initial left out and named; two episodes of one
    // chart give two rows.
    void kagosimaOrderAndList()
    {
        TuchiSyukei s(Chiiki::Kagosima, joken("5", "6"));
        const auto one = [](const QString& byo) { return QList<KarteNameRecord>{ep(byo, "5.6.1", "5.6.2", "", "", "5･6")}; };
        add(s, "西原", "森田 健", "成乳牛", "1200", one("肺炎"));
        add(s, "東谷", "山本 一郎", "肥育牛", "1200", one("下痢"));
        add(s, "東谷", "山本 一郎", "成乳牛", "1200", one("乳房炎"));
        add(s, "東谷", "山本 一郎", "成乳牛", "980",
            {ep("第四胃変位", "5.6.3", "5.6.3", "", "", "5･6"), ep("ケトーシス", "5.6.9", "5.6.9", "", "", "5･6")});
        add(s, "東谷", "川口 花子", "成乳牛", "5000", one("蹄病"));
        add(s, "東谷", "空欄 太郎", "成乳牛", "1", one("外傷"));
        add(s, "北浜", "登録 無し", "成乳牛", "2", one("外傷"));
        add(s, "北浜", "登録 無し", "成乳牛", "3", one("外傷"));
        s.finish();
        QCOMPARE(column(s.SortGrid(), 4), (QStringList{"5000", "980", "980", "1200", "1200", "1200"}));
        QCOMPARE(column(s.SortGrid(), 5), (QStringList{"蹄病", "ケトーシス", "第四胃変位", "乳房炎", "下痢", "肺炎"}));
        QCOMPARE(s.SortGrid().at(0),
                 (QStringList{"東谷", "か", "川口 花子", "乳", "5000", "蹄病", "5.6.1", "", "", ""}));
        const QList<QStringList> shown = s.dataRows();
        QCOMPARE(shown.at(0), (QStringList{"1", "東谷", "川口 花子", "乳", "5000", "蹄病", "5.6.1", ""}));
        QCOMPARE(column(shown, 0), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(TuchiSyukei::bands(shown), (QList<bool>{false, false, false, false, false, true}));
        QCOMPARE(s.missingFarmers, (QStringList{"東谷 空欄 太郎", "北浜 登録 無し"}));
        QVERIFY(s.closingText().startsWith("終了しました。"));
        QVERIFY(s.closingText().contains("北浜 登録 無し"));
    }

    void bands()
    {
        const auto rows = [](const QStringList& tiku) {
            QList<QStringList> out;
            for (const QString& t : tiku)
                out.append({"", t});
            return out;
        };
        QCOMPARE(TuchiSyukei::bands(rows({"A", "A", "B", "A", "A", "C"})), (QList<bool>{false, false, true, false, false, true}));
        QVERIFY(TuchiSyukei::bands({}).isEmpty());
    }

    // Gunma: by onset month; kind codes; onset day as a number first; the animal's number; the
    // hidden column.
    void gunma()
    {
        TuchiSyukei s(Chiiki::Gunma, joken("5", "6"));
        add(s, "東谷", "山本 一郎", "育成牛", "1", {ep("肺炎", "5.6.12", "5.6.12", "", "未", "5･6")}, "はなこ:1012345678");
        add(s, "東谷", "山本 一郎", "育成乳牛", "2", {ep("下痢", "5.6.3", "5.6.4", "5.6.20", "治癒", "5･7")}, "たろう");
        add(s, "東谷", "山本 一郎", "", "3", {ep("外傷", "5.6.3", "5.6.5", "", "", "5･6")}, "じろう");
        add(s, "東谷", "山本 一郎", "一般馬", "4", {ep("疝痛", "5.7.1", "5.6.30", "", "", "5･6")}, "うま");
        s.finish();
        QCOMPARE(s.SortGrid().size(), 3);
        QCOMPARE(column(s.SortGrid(), 2), (QStringList{"3", "3", "12"}));
        QCOMPARE(s.SortGrid().at(2), (QStringList{"5", "6", "12", "東谷", "や", "山本 一郎", "2", "1012345678", "肺炎",
                                                  "5.6.12", "00010001::未"}));
        const QList<QStringList> shown = s.dataRows();
        QCOMPARE(column(shown, 3), (QStringList{"", "", "2"}));
        QCOMPARE(column(shown, 4), (QStringList{"じろう", "たろう", "1012345678"}));
        QCOMPARE(column(shown, 7), (QStringList{"00010001::", "00010001:5.6.20:治癒", "00010001::未"}));

        TuchiSyukei july(Chiiki::Gunma, joken("5", "7"));
        add(july, "東谷", "山本 一郎", "育成乳牛", "2", {ep("下痢", "5.6.3", "5.6.4", "5.6.20", "治癒", "5･7")});
        july.finish();
        QVERIFY(july.SortGrid().isEmpty());
    }

    // Okinawa: by first-exam month; sorted on the onset key; a case without onset first.
    void okinawa()
    {
        TuchiSyukei s(Chiiki::Okinawa, joken("5", "6"));
        add(s, "那覇", "山本 一郎", "成乳牛", "1", {ep("肺炎", "5.6.12", "5.6.12", "", "", "")});
        add(s, "那覇", "山本 一郎", "成乳牛", "2", {ep("下痢", "31.4.30", "5.6.1", "", "", "")});
        add(s, "那覇", "山本 一郎", "搾乳牛", "3", {ep("乳房炎", "5.5.28", "5.6.2", "5.6.20", "治癒", "")});
        add(s, "那覇", "山本 一郎", "成乳牛", "4", {ep("外傷", "", "5.6.7", "", "", "")});
        add(s, "那覇", "山本 一郎", "成乳牛", "5", {ep("蹄病", "5.6.3", "5.6.3", "", "", "")});
        add(s, "那覇", "山本 一郎", "成乳牛", "6", {ep("疝痛", "5.6.1", "5.7.1", "", "", "")});
        s.finish();
        QCOMPARE(column(s.SortGrid(), 4), (QStringList{"4", "3", "5", "1", "2"}));
        QCOMPARE(s.SortGrid().at(1), (QStringList{"那覇", "や", "山本 一郎", "搾乳牛", "3", "乳房炎", "5.5.28", "5.6.2",
                                                  "5.6.20", "50528"}));
        QCOMPARE(s.dataRows().at(1), (QStringList{"2", "那覇", "山本 一郎", "搾乳牛", "3", "乳房炎", "5.5.28", ""}));

        TuchiSyukei may(Chiiki::Okinawa, joken("5", "5"));
        add(may, "那覇", "山本 一郎", "搾乳牛", "3", {ep("乳房炎", "5.5.28", "5.6.2", "", "", "")});
        may.finish();
        QVERIFY(may.SortGrid().isEmpty());
    }

    void hidukeKey_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("key");
        QTest::newRow("5.6.3") << "5.6.3" << "50603";
        QTest::newRow("31.12.25") << "31.12.25" << "311225";
        QTest::newRow("no dot") << "5/6/3" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("two parts") << "5.6" << "506";
    }

    void hidukeKey()
    {
        QFETCH(QString, date);
        QFETCH(QString, key);
        QCOMPARE(TuchiSyukei::TuchiHidukeKeyProc(date), key);
    }

    // The register: name -> kana initial, the first line of a name wins.
    void atamaList()
    {
        const QHash<QString, QString> a = TuchiSyukei::atamaList(
            {"東谷,山本 一郎,00010001,住所, や ,101", "北浜,山本 一郎,00030001,住所,べ", "西原,森田 健,00020001,住所,", "壊れた行"});
        QCOMPARE(a.value("山本 一郎"), QStringLiteral("や"));
        QVERIFY(a.contains("森田 健"));
        QCOMPARE(a.value("森田 健"), QString());
    }

    // Over the files of a folder: headers with "’", a damaged chart named once, an empty one passed over, progress per chart,
    // and the same list on a second run.
    void folderRun()
    {
        QTemporaryDir dir;
        TuchiChart a;
        a.episodes = {TuchiChart::episode("乳房炎", "5.6.1", "5.6.2", "", "", "5･6")};
        TuchiChart b = a;
        b.mimiban = "980";
        QStringList bLines = b.lines();
        bLines[0].replace(QLatin1Char('\''), QChar(0x2019));
        bLines[1].replace(QLatin1Char('\''), QChar(0x2019));
        TestFixture::writeCp932(dir.path() + "/b.sxd", bLines);
        TestFixture::writeCp932(dir.path() + "/a.sxd", a.lines());
        QStringList broken = a.lines();
        broken.removeLast();
        TestFixture::writeCp932(dir.path() + "/c.sxd", broken);
        TestFixture::writeCp932(dir.path() + "/d.sxd", {});
        const QStringList names{"a.sxd", "b.sxd", "c.sxd", "d.sxd"};
        QList<int> steps;
        const auto run = [&] {
            return TuchiSyukei::SyukeiKagosimaProc(joken("5", "6"), dir.path(), names,
                                                   [&steps](int done, int total) { steps.append(done * 10 + total); });
        };
        const TuchiSyukei first = run();
        QCOMPARE(steps, (QList<int>{14, 24, 34, 44}));
        QCOMPARE(column(first.SortGrid(), 4), (QStringList{"980", "1234"}));
        // The empty file is passed over without a word; the cut one is named.
        QCOMPARE(first.reports.size(), 1);
        QVERIFY(first.reports.at(0).contains("c.sxd"));
        QVERIFY(first.closingText().contains("c.sxd"));
        QCOMPARE(run().SortGrid(), first.SortGrid());
    }
};

NOLVARI_TEST(TuchiSyukeiTest)
#include "TuchiSyukeiTest.moc"
