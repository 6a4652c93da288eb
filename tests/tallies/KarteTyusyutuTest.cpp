#include "SyukeiFixture.h"
#include "TestRegistry.h"

#include "chart/KarteNameRecord.h"
#include "common/SharedState.h"
#include "tallies/KarteTyusyutuProc.h"
#include "tallies/SyukeiList.h"

#include <QtTest>

namespace {

KarteNameRecord nameRecord(const QString& syosin, const QString& tenki, const QString& teisyutu)
{
    KarteNameRecord r;
    r.SyosinDate = syosin;
    r.Tenki = tenki;
    r.TeisyutuTuki = teisyutu;
    return r;
}

SyukeiEpisode episode(const QString& byo, const QString& syosin, const QString& fee = QString(),
                      const QString& yakka = QString())
{
    SyukeiEpisode e;
    e.byo = byo;
    e.syosin = syosin;
    e.fee = fee;
    e.yakka = yakka;
    return e;
}

KarteTyusyutuProc::Result scan(const SyukeiInstallation& inst, const SyukeiJoken& joken)
{
    return KarteTyusyutuProc::run(joken, inst.folder(), SharedState::get().KarteFileList);
}

QStringList column(const QList<QStringList>& lines, int value)
{
    QStringList out;
    for (const QStringList& l : lines)
        out.append(l.value(value));
    return out;
}

} // namespace

class KarteTyusyutuTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void matches_data()
    {
        QTest::addColumn<QString>("manth");
        QTest::addColumn<bool>("teisyutu");
        QTest::addColumn<QString>("syosin");
        QTest::addColumn<QString>("tenki");
        QTest::addColumn<QString>("teisyutuTuki");
        QTest::addColumn<bool>("listed");
        QTest::newRow("month 6, 5.6.12") << "6" << false << "5.6.12" << "治癒" << "" << true;
        QTest::newRow("month 6, 5.06.12 compares as text") << "6" << false << "5.06.12" << "" << "" << false;
        QTest::newRow("month 6, other year") << "6" << false << "4.6.12" << "" << "" << false;
        QTest::newRow("all months") << "全" << false << "5.11.2" << "死亡" << "" << true;
        QTest::newRow("year 05 is not 5") << "全" << false << "05.11.2" << "" << "" << false;
        QTest::newRow("submission 5･6") << "6" << true << "4.12.1" << "治癒" << "5･6" << true;
        QTest::newRow("submission 4･6") << "6" << true << "5.6.1" << "治癒" << "4･6" << false;
        QTest::newRow("no submission month under a month") << "6" << true << "5.6.1" << "" << "" << false;
        QTest::newRow("no submission month under all") << "全" << true << "5.6.1" << "" << "" << true;
        QTest::newRow("no outcome 未") << "未転帰" << false << "5.3.1" << "未" << "" << true;
        QTest::newRow("no outcome -") << "未転帰" << true << "5.3.1" << "-" << "" << true;
        QTest::newRow("no outcome empty") << "未転帰" << false << "5.3.1" << "" << "5･4" << true;
        QTest::newRow("outcome given") << "未転帰" << false << "5.3.1" << "治癒" << "" << false;
    }
    void matches()
    {
        QFETCH(QString, manth);
        QFETCH(bool, teisyutu);
        QFETCH(QString, syosin);
        QFETCH(QString, tenki);
        QFETCH(QString, teisyutuTuki);
        QFETCH(bool, listed);
        const SyukeiJoken joken{"5", manth, teisyutu};
        QCOMPARE(KarteTyusyutuProc::matches(joken, nameRecord(syosin, tenki, teisyutuTuki)), listed);
    }

    void guards()
    {
        QCOMPARE(KarteTyusyutuProc::guard({"", "6", false}), KarteTyusyutuProc::Guard::NoYear);
        QCOMPARE(KarteTyusyutuProc::guard({"5", "", false}), KarteTyusyutuProc::Guard::NoMonth);
        QCOMPARE(KarteTyusyutuProc::guard({"5", "未転帰", false}), KarteTyusyutuProc::Guard::Run);
    }

    // One line per matching episode with the values in their places; a breeding episode shows
    // "繁殖" and the species comes from the episode's species･sex when it has one.
    void extractedLine()
    {
        SyukeiInstallation inst;
        SyukeiChart chart;
        SyukeiEpisode e = episode("", "7.6.3", "12,340", "123.4");
        e.syuSex = "育･雌";
        e.teisyutu = "7･6";
        e.tenki = "治癒";
        e.tenkiDate = "7.6.20";
        e.syusin = "7.6.18";
        chart.episodes = {e, episode("乳房炎", "7.5.1")};
        const QString file = inst.add(chart);
        const auto result = scan(inst, {"7", "6", false});
        QCOMPARE(result.lines.size(), 1);
        QCOMPARE(result.lines.first(),
                 (QStringList{"東谷", "山本 一郎", "00010001", "育", "はなこ", "1234", "繁殖", "0611", "7.6.3",
                              "7.6.18", "7.6.20", "1", "治癒", "123.4", "12,340", "7･6", file}));
        QCOMPARE(scan(inst, {"7", "5", false}).lines.first().value(3), QString("成乳牛"));
    }

    // A renamed chart (its header names another file), the maker's sample chart and a damaged
    // chart contribute nothing; the damaged one is reported, an empty file is not.
    void passedOverCharts()
    {
        SyukeiInstallation inst;
        SyukeiChart good;
        good.episodes = {episode("乳房炎", "7.6.1")};
        inst.add(good);
        SyukeiChart renamed = good;
        renamed.mimiban = "2222";
        inst.add(renamed, "H7_00010001_9999_0.sxd");
        inst.add(good, KarteTyusyutuProc::sampleFile());
        TestFixture::writeCp932(inst.folder() + "/H7_00010001_5555_0.sxd", {"Main'a'b'c", "garbage"});
        TestFixture::writeBytes(inst.folder() + "/H7_00010001_6666_0.sxd", QByteArray());
        SharedState::get().refreshKarteFileList();
        const auto result = scan(inst, {"7", "全", false});
        QCOMPARE(column(result.lines, 16), QStringList{good.fileName()});
        QCOMPARE(result.reports.size(), 1);
        QVERIFY(result.reports.first().contains("H7_00010001_5555_0.sxd"));
    }

    // Header lines written with "’" read as with "'".
    void curlyHeader()
    {
        SyukeiInstallation inst;
        SyukeiChart chart;
        chart.curly = true;
        chart.episodes = {episode("乳房炎", "7.6.1")};
        inst.add(chart);
        const auto lines = scan(inst, {"7", "6", false}).lines;
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().value(1), QString("山本 一郎"));
    }

    void totals_data()
    {
        QTest::addColumn<QStringList>("fees");
        QTest::addColumn<QStringList>("yakka");
        QTest::addColumn<QString>("feeTotal");
        QTest::addColumn<QString>("yakkaTotal");
        QTest::newRow("none") << QStringList{} << QStringList{} << "" << "0.0";
        QTest::newRow("sums") << QStringList{"12,340", "5,000"} << QStringList{"123.4", "10"} << "17,340" << "133.4";
        QTest::newRow("past single precision") << QStringList{"16,777,217", "1"} << QStringList{"0.1", "x"}
                                               << "16,777,218" << "0.1";
        QTest::newRow("leading digits") << QStringList{"1,200円", ""} << QStringList{"3点", ""} << "1,200" << "3.0";
    }
    void totals()
    {
        QFETCH(QStringList, fees);
        QFETCH(QStringList, yakka);
        QList<QStringList> lines;
        for (qsizetype i = 0; i < fees.size(); ++i) {
            QStringList l(KarteTyusyutuProc::LineValues);
            l[13] = yakka.at(i);
            l[14] = fees.at(i);
            lines.append(l);
        }
        const QStringList totals = SyukeiList::build(lines).totals();
        QCOMPARE(totals.size(), int(SyukeiList::ColCount));
        QCOMPARE(totals.at(SyukeiList::Tenki), QString("合計"));
        QTEST(totals.at(SyukeiList::Fee), "feeTotal");
        QTEST(totals.at(SyukeiList::Yakka), "yakkaTotal");
    }

    // 群馬県: blanks leave a name without "(", and the district table overrides the district.
    void gunmaRules()
    {
        const QList<QStringList> lines = {
            {" 東谷 ", "山本 一郎", "00010001"}, {"東谷", "山本　花子(旧姓)", "00010002"}, {"西原", "森田　健", "00020001"}};
        SyukeiList::Rules rules;
        rules.gunma = true;
        rules.tikuOverride = [](const QString& code) -> std::optional<QString> {
            if (code == "00020001")
                return QString("北浜");
            return std::nullopt;
        };
        const SyukeiList gunma = SyukeiList::build(lines, rules);
        QCOMPARE(gunma.rows.at(0).mid(0, 3), (QStringList{"1", "東谷", "山本一郎"}));
        QCOMPARE(gunma.rows.at(1).value(SyukeiList::Name), QString("山本　花子(旧姓)"));
        QCOMPARE(gunma.rows.at(2).mid(1, 2), (QStringList{"北浜", "森田健"}));
        const SyukeiList plain = SyukeiList::build(lines);
        QCOMPARE(plain.rows.at(2).mid(1, 2), (QStringList{"西原", "森田　健"}));
    }
};

NOLVARI_TEST(KarteTyusyutuTest)
#include "KarteTyusyutuTest.moc"
