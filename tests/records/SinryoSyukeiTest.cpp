#include "RecordsFixture.h"
#include "TestRegistry.h"

#include "common/SharedState.h"
#include "records/SinryoAtamaList.h"
#include "records/SinryoKirokuGroup.h"
#include "records/SinryoSyukei.h"

#include <QtTest>

namespace {
using G = SinryoKirokuGroup;

SinryoSyukei::Joken period(const QString& nen, const QString& m0, const QString& d0, const QString& m1,
                           const QString& d1)
{
    SinryoSyukei::Joken j;
    j.nen = nen;
    j.date = {m0, d0, m1, d1};
    return j;
}

// A grid row: member, month, day, animal, category, start time, code.
QStringList gridRow(const QString& nouka, const QString& m, const QString& d, const QString& mimi,
                    const QString& category, const QString& start = QString(), const QString& code = QString())
{
    QStringList row(G::CodeCol + 1);
    row[G::NoukaCol] = nouka;
    row[G::ManthCol] = m;
    row[G::DayCol] = d;
    row[G::MimiCol] = mimi;
    row[G::SyotiCol] = category;
    row[G::StartCol] = start;
    row[G::CodeCol] = code;
    return row;
}

KirokuSinsatu exam(const QString& date, const QList<KirokuTiryo>& lines, const QString& start = QStringLiteral("9:0"),
                   const QString& course = QString())
{
    return {date, start, QStringLiteral("10:30"), lines, course};
}

QStringList column(const QList<QStringList>& rows, int col)
{
    QStringList out;
    for (const QStringList& r : rows)
        out.append(r.value(col));
    return out;
}
} // namespace

class SinryoSyukeiTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void kikan_data()
    {
        QTest::addColumn<QString>("nen");
        QTest::addColumn<QStringList>("span");
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("inside");
        const QStringList june{"6", "10", "6", "20"};
        QTest::newRow("first day") << "5" << june << "5.6.10" << true;
        QTest::newRow("last day") << "5" << june << "5.6.20" << true;
        QTest::newRow("day before") << "5" << june << "5.6.9" << false;
        QTest::newRow("day after") << "5" << june << "5.6.21" << false;
        const QStringList spring{"3", "25", "5", "5"};
        QTest::newRow("3.25") << "5" << spring << "5.3.25" << true;
        QTest::newRow("3.24") << "5" << spring << "5.3.24" << false;
        QTest::newRow("4.1 between") << "5" << spring << "5.4.1" << true;
        QTest::newRow("5.5") << "5" << spring << "5.5.5" << true;
        QTest::newRow("5.6") << "5" << spring << "5.5.6" << false;
        QTest::newRow("reversed days") << "5" << QStringList{"6", "20", "6", "10"} << "5.6.15" << false;
        QTest::newRow("month typed 06") << "5" << QStringList{"06", "1", "06", "30"} << "5.6.15" << true;
        QTest::newRow("05 to 07 takes 5") << "5" << QStringList{"05", "1", "07", "31"} << "5.5.3" << true;
        QTest::newRow("05 to 07 takes 7") << "5" << QStringList{"05", "1", "07", "31"} << "5.7.3" << true;
        QTest::newRow("year typed 05") << "05" << june << "5.6.15" << false;
        QTest::newRow("other year") << "4" << june << "5.6.15" << false;
        QTest::newRow("four parts") << "5" << june << "5.6.15.1" << false;
        QTest::newRow("no dot") << "5" << june << "5615" << false;
        QTest::newRow("empty") << "5" << june << "" << false;
    }
    void kikan()
    {
        QFETCH(QString, nen);
        QFETCH(QStringList, span);
        QFETCH(QString, date);
        QFETCH(bool, inside);
        QString m = QStringLiteral("old"), d = QStringLiteral("old");
        QCOMPARE(SinryoSyukei::KikanCheckProc(date, period(nen, span[0], span[1], span[2], span[3]), m, d), inside);
        if (inside) {
            QCOMPARE(m, date.section('.', 1, 1));
            QCOMPARE(d, date.section('.', 2, 2));
        } else {
            QCOMPARE(m, QStringLiteral("old"));
        }
    }

    void syubetu_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("kind");
        QTest::newRow("再診料") << "再診料" << "1";
        QTest::newRow("往診料") << "往診料" << "1";
        QTest::newRow("往診注射") << "往診注射" << "5";
        QTest::newRow("PLテスト") << "PLテスト" << "4";
        QTest::newRow("経口投与") << "経口投与" << "2";
        QTest::newRow("手術") << "手術" << "8";
        QTest::newRow("入院") << "入院" << "9";
        QTest::newRow("none") << "削蹄" << "";
    }
    void syubetu()
    {
        QFETCH(QString, category);
        QFETCH(QString, kind);
        QCOMPARE(SinryoSyukei::SinryoSyubetuProc(category), kind);
    }

    void smallRules()
    {
        const QList<KyuYakuRecord> list{{"C", "ペニシリン：10ml", "ペニG", "7日"}, {"C", "ペニG", "別名", "3日"}};
        QCOMPARE(SinryoSyukei::KyuYakuTextProc("ペニG:2本", list), QStringLiteral("7日"));
        QCOMPARE(SinryoSyukei::KyuYakuTextProc("ペニシリン：10ml", list), QStringLiteral("7日"));
        QCOMPARE(SinryoSyukei::KyuYakuTextProc("ビタミン", list), QString());

        QCOMPARE(SinryoSyukei::animalId("Main'成乳牛'''''はなこ'''' K123'"), QStringLiteral("はなこ"));
        QCOMPARE(SinryoSyukei::animalId("Main'''''':1:2'''':abc'"), QStringLiteral("abc"));
        QCOMPARE(SinryoSyukei::animalId("Main''''''''''12:34'"), QStringLiteral("12:34"));
        QCOMPARE(SinryoSyukei::animalId("Main'a'b"), QString());

        QCOMPARE(SinryoSyukei::tottoriEstimate(9), QStringLiteral("用紙枚数=A4:2～"));
        QCOMPARE(SinryoSyukei::tottoriEstimate(1), QStringLiteral("用紙枚数=A4:～"));
        QCOMPARE(SinryoSyukei::ibarakiEstimate(25), QStringLiteral("用紙枚数=A4:2"));
        QCOMPARE(SinryoSyukei::ibarakiEstimate(1), QStringLiteral("用紙枚数=A4:"));

        SinryoSyukei::Joken j = period(" 5 ", "6", "1", "6", "30");
        j.teisyutu = "6";
        QCOMPARE(SinryoSyukei::teisyutuTuki(j), QStringLiteral("5･6"));
        j.teisyutu = "4.12";
        QCOMPARE(SinryoSyukei::teisyutuTuki(j), QStringLiteral("4･12"));

        QVERIFY(SinryoSyukei::BunsyoRyoCheckProc("", "再診料"));
        QVERIFY(SinryoSyukei::BunsyoRyoCheckProc("来週出荷予定", "注射"));
        QVERIFY(!SinryoSyukei::BunsyoRyoCheckProc("経過良好", "注射"));
    }

    void grouping()
    {
        const QList<QStringList> rows{
            gridRow("山本", "6", "10", "1234", "注射", "9:00", "01"),
            gridRow("山本", "6", "10", "1234", "処置", "14:00", "01"),
            gridRow("山本", "1", "12", "1234", "注射", "9:00", "01"),
            gridRow("山本", "11", "2", "1234", "注射", "9:00", "01"),
            gridRow("山本", "6", "10", "1234", "検査", "9:00", "02"),   // a namesake
            gridRow("山本", "6", "10", "1234", "調剤", "9:00", "01"),   // joins the first, not adjacent
        };
        const QList<SinryoKirokuRecord> withStart = G::build(rows, G::Key::WithStartTime);
        QCOMPARE(withStart.size(), 5);
        QCOMPARE(withStart.at(0).TiryoLines.size(), 2);
        QCOMPARE(G::values(withStart.at(0).TiryoLines.at(1)).at(1), QStringLiteral("調剤"));
        QCOMPARE(withStart.at(0).StartTime, QStringLiteral("9:00"));
        QCOMPARE(withStart.at(0).KirokuKey, QStringLiteral("山本6109:001234"));
        QCOMPARE(withStart.at(4).NoukaCode, QStringLiteral("02"));

        const QList<SinryoKirokuRecord> perDay = G::build(rows, G::Key::WithoutStartTime);
        QCOMPARE(perDay.size(), 4);  // 6.10 (both visits), 1.12, 11.2, the namesake
        QCOMPARE(perDay.at(0).TiryoLines.size(), 3);
        QVERIFY(perDay.at(0).StartTime.isEmpty());
        QCOMPARE(perDay.at(1).Manth, QStringLiteral("1"));
        QCOMPARE(perDay.at(2).Manth, QStringLiteral("11"));
        QVERIFY(perDay.at(3).belongsTo("山本", "02"));
        QVERIFY(!perDay.at(3).belongsTo("山本", "01"));
        QVERIFY(G::build({}, G::Key::WithStartTime).isEmpty());
    }

    void atamaList()
    {
        const QList<QStringList> grid = SinryoAtamaList::openNameGrid(
            {"東谷,甲,10,", "東谷,乙,9,", "西原,丙,100,", "", "北浜,丁 太郎,5,", "東谷 ,戊,7,"});
        QCOMPARE(column(grid, 0), (QStringList{"5", "7", "9", "10", "100"}));
        const QStringList tiku{"東谷", "西原", "北浜"};
        QCOMPARE(SinryoAtamaList::items(grid, tiku), (QStringList{"丁 太郎:5", "乙:9", "甲:10", "丙:100"}));

        const QList<SiteProfile> rows = SiteProfile::parse(
            {"佐藤,鳥取県,SiteTottoriVetA,KirokuTikuOrder=西原:東谷,KirokuJyogai=甲",
             "誠,鳥取県,SiteTottoriVetB,KirokuJyogai2=丁太郎"});
        // Both keys held: the district order without 甲, then every registered district without 丁.
        QCOMPARE(SinryoAtamaList::TottoriAtamaListProc(grid, tiku, SiteProfile::lookupAll(rows, Ken::Tottori, QString(), "佐藤 誠")),
                 (QStringList{"丙:100", "乙:9", "乙:9", "甲:10", "丙:100"}));
        QCOMPARE(SinryoAtamaList::TottoriAtamaListProc(grid, tiku, SiteProfile::lookupAll(rows, Ken::Tottori, QString(), "佐藤")),
                 (QStringList{"丙:100", "乙:9"}));
        QCOMPARE(SinryoAtamaList::TottoriAtamaListProc(grid, tiku, SiteProfile::lookupAll(rows, Ken::Tottori, QString(), "田中")),
                 SinryoAtamaList::items(grid, tiku));
    }

    // The general tally over the charts of a Tottori installation.
    void tallyGeneral()
    {
        KirokuInstallation inst("鳥取県,0");
        KirokuChart a;
        a.episodes = {KirokuEpisode{"肺炎", "治癒", "7･6", "", {
            exam("7.6.10", {{"注射", "ペニG:2本", "2"}, {"", "空", ""}, {"往診", "往診料", ""}}),
            exam("7.6.10", {{"処置", "洗浄", ""}}, "14:0"),
            exam("7.6.25", {{"注射", "ビタミン", "1"}}),
        }}, KirokuEpisode{"下痢", "未", "", "", {exam("7.6.12", {{"経口", "整腸剤", "3"}})}}};
        KirokuChart b;
        b.mimiban = "K99";
        b.meigou = "たろう";
        b.episodes = {KirokuEpisode{"乳房炎", "治癒", "", "", {exam("7.6.11", {{"注入", "軟膏", ".5"}})}}};
        KirokuChart noId;
        noId.mimiban = "";
        noId.code = "00010002";
        noId.episodes = a.episodes;
        inst.add({a, b, noId});

        SinryoSyukei::Joken j = period("7", "6", "1", "6", "20");
        j.tottori = true;
        j.kyuYaku = {{"C", "x", "ペニG", "7日"}};
        const QStringList files = SharedState::get().KarteFileList.names();
        const QString folder = SharedState::get().karteFolder();
        const QList<SinryoSyukei::Member> members{{"山本 一郎", "00010001"}, {"川口 花子", "00010002"}};
        const SinryoSyukei done = SinryoSyukei::run(j, members, folder, files);
        QCOMPARE(column(done.rows(), G::NumberCol), (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(column(done.rows(), G::DayCol), (QStringList{"10", "10", "10", "11"}));
        QCOMPARE(column(done.rows(), G::SyotiCol), (QStringList{"注射", "往診", "処置", "注入"}));
        QCOMPARE(column(done.rows(), G::KyuyakuCol), (QStringList{"7日", "", "", ""}));
        QCOMPARE(column(done.rows(), G::StartCol), (QStringList{"9:0", "9:0", "14:0", "9:0"}));
        QCOMPARE(done.rows().at(0).at(G::BunruiCol), QStringLiteral("*"));
        QCOMPARE(done.rows().at(3).at(G::MimiCol), QStringLiteral("たろう"));
        QCOMPARE(done.rows().at(3).at(G::SuryoCol), QStringLiteral(".5"));
        // Two visits of one animal on the 10th, and the other animal on the 11th.
        QCOMPARE(done.records().size(), 3);

        // Each member is announced before its charts, one without charts as well, and the
        // progress counts the charts of the members.
        QStringList events;
        SinryoSyukei::run(j, {members.at(0), {"空 なし", "00099999"}, members.at(1)}, folder, files,
                          [&](qsizetype n, qsizetype total) { events.append(QStringLiteral("%1/%2").arg(n).arg(total)); },
                          [&](const QString& name) { events.append(name); });
        QCOMPARE(events, (QStringList{"山本 一郎", "1/3", "2/3", "空 なし", "川口 花子", "3/3"}));

        j.tenki = SinryoSyukei::Tenki::Subete;
        QCOMPARE(SinryoSyukei::run(j, members, folder, files).rows().size(), 5);
        j.tenki = SinryoSyukei::Tenki::Teisyutu;
        j.teisyutu = "6";
        QCOMPARE(SinryoSyukei::run(j, members, folder, files).rows().size(), 3);
        j.teisyutu = "6.6";
        QCOMPARE(SinryoSyukei::run(j, members, folder, files).rows().size(), 0);
    }

    void tallyIbaraki()
    {
        KirokuInstallation inst("茨城県,IBX");
        KirokuChart a;
        a.episodes = {KirokuEpisode{"肺炎", "治癒", "", "鈴木 一郎", {
                          exam("7.6.10", {{"注射", "ペニG", "2"}}, "9:0", "来週出荷予定"),
                          exam("7.6.10", {{"再診料", "", ""}}, "15:0"),
                      }},
                      KirokuEpisode{"下痢", "治癒", "", "", {exam("7.6.10", {{"経口", "整腸剤", "3"}})}}};
        // The seventh line decides the document fee.
        a.episodes[0].exams.append(exam("7.6.11", {{"注射", "", ""}, {}, {}, {}, {}, {}, {"再診料", "", ""}}));
        inst.add({a});
        SinryoSyukei::Joken j = period("7", "6", "1", "6", "30");
        j.ibaragi = true;
        const QList<SinryoSyukei::Member> members{{"山本 一郎", "00010001"}};
        const SharedState& s = SharedState::get();
        SinryoSyukei done = SinryoSyukei::run(j, members, s.karteFolder(), s.KarteFileList.names());
        QCOMPARE(column(done.rows(), G::SyotiCol),
                 (QStringList{"注射", "文書料", "再診料", "経口", "注射", "再診料", "文書料"}));
        QCOMPARE(column(done.rows(), G::BunruiCol), (QStringList{"5", "3", "1", "2", "5", "1", "3"}));
        QCOMPARE(done.rows().at(0).at(G::DoctorCol), QStringLiteral("鈴木 一郎"));
        QCOMPARE(done.records().size(), 2);  // per animal and day
        QCOMPARE(done.records().at(0).TiryoLines.size(), 4);

        j.docSurname = "鈴木";
        done = SinryoSyukei::run(j, members, s.karteFolder(), s.KarteFileList.names());
        QCOMPARE(done.rows().size(), 6);
        j.docSurname = "高橋";
        QCOMPARE(SinryoSyukei::run(j, members, s.karteFolder(), s.KarteFileList.names()).rows().size(), 0);
    }

    void damagedChart()
    {
        KirokuInstallation inst("鳥取県,0");
        KirokuChart a;
        a.episodes = {KirokuEpisode{"肺炎", "治癒", "", "", {exam("7.6.10", {{"注射", "x", "1"}})}}};
        inst.add({a});
        QStringList lines = a.lines();
        lines.removeLast();
        TestFixture::writeCp932(inst.file("H7/H7_00010001_5555_0.sxd"), lines);
        SharedState::get().refreshKarteFileList();
        const SharedState& s = SharedState::get();
        const SinryoSyukei done = SinryoSyukei::run(period("7", "6", "1", "6", "30"), {{"山本 一郎", "00010001"}},
                                                    s.karteFolder(), s.KarteFileList.names());
        QCOMPARE(done.rows().size(), 1);
        QCOMPARE(done.reports.size(), 1);
        QVERIFY(done.closingText().startsWith("終了しました。"));
        QVERIFY(done.closingText().contains("H7_00010001_5555_0.sxd"));
    }
};

NOLVARI_TEST(SinryoSyukeiTest)
#include "SinryoSyukeiTest.moc"
