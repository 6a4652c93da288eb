#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/DataPath.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SiteProfile.h"

#include <QtTest>

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void systemPathsMapToTheRoot_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("relative");
        QTest::newRow("current drive") << "\\Nolvari\\set\\info.ini" << "set/info.ini";
        QTest::newRow("drive C") << "C:\\Nolvari\\Code\\YakkaCode.ini" << "Code/YakkaCode.ini";
        QTest::newRow("lower case") << "c:\\nolvari\\H5\\" << "H5";
        QTest::newRow("outside the root") << "C:\\Tarvex\\zenkoku_yakkacode\\2010.ini"
                                          << "external/C/Tarvex/zenkoku_yakkacode/2010.ini";
    }
    void systemPathsMapToTheRoot()
    {
        QFETCH(QString, system);
        QFETCH(QString, relative);
        TempDataRoot root;
        QCOMPARE(DataPath::map(system), root.path() + QLatin1Char('/') + relative);
    }

    void pathsLeavingTheRootAreRefused_data()
    {
        QTest::addColumn<QString>("system");
        QTest::newRow("up from the root") << "\\Nolvari\\..\\..\\etc\\passwd";
        QTest::newRow("up from a year folder") << "C:\\Nolvari\\H7\\..\\..\\x";
        QTest::newRow("up from outside") << "D:\\..\\..\\etc";
        QTest::newRow("forward slashes") << "/Nolvari/set/../../../x";
        QTest::newRow("current folder") << "\\Nolvari\\.\\set\\info.ini";
    }
    void pathsLeavingTheRootAreRefused()
    {
        QFETCH(QString, system);
        TempDataRoot root;
        QString refusal;
        QCOMPARE(DataPath::map(system, &refusal), QString());
        QVERIFY2(refusal.contains(system), qPrintable(refusal));
        QCOMPARE(DataPath::map("\\Nolvari\\set\\..ini"), root.path() + "/set/..ini");
    }

    void namesAreFoundIgnoringCase()
    {
        TempDataRoot root;
        root.write("set/Doctorname.ini", {"x"});
        root.write("pict/pict_0.bmp", {"x"});
        QCOMPARE(DataPath::file("set\\DoctorName.ini"), root.path() + "/set/Doctorname.ini");
        QCOMPARE(DataPath::map("\\Nolvari\\pict\\Pict_0.bmp"), root.path() + "/pict/pict_0.bmp");
        QCOMPARE(DataPath::map("\\NOLVARI\\SET\\none.ini"), root.path() + "/set/none.ini");
    }

    void karteFileListIsTheYearFolderIgnoringCase()
    {
        TempDataRoot root;
        for (const char* name : {"H5/h5_b.sxd", "H5/H5_a.sxd", "H5/H5_C.SXD", "H5/notes.txt", "H15/H15_a.sxd"})
            root.write(name, {"x"});
        SharedState& s = SharedState::get();
        s.KarteNendo = "5";
        s.refreshKarteFileList();
        QCOMPARE(s.KarteFileList.names(), (QStringList{"H5_a.sxd", "h5_b.sxd", "H5_C.SXD"}));
        QVERIFY(s.karteFolder().endsWith("/H5"));
        s.KarteNendo = "7";
        s.refreshKarteFileList();
        QVERIFY(s.KarteFileList.isEmpty());
    }

    void prefectureFromInfoName()
    {
        const QStringList names = {"茨城県", "大分県", "沖縄県", "栃木県", "鹿児島県", "鳥取県",
                                   "宮崎県", "三重県", "愛知県", "群馬県", "佐賀県"};
        QSet<Ken> seen;
        for (const QString& name : names) {
            const Ken ken = KenInfo::fromName(name);
            QVERIFY2(ken != Ken::Sonota, qPrintable(name));
            QCOMPARE(KenInfo::name(ken), name);
            seen.insert(ken);
        }
        QCOMPARE(seen.size(), names.size());
        for (const char* other : {"東京都", "鳥取県 ", "鳥取", ""})
            QCOMPARE(KenInfo::fromName(other), Ken::Sonota);
        SharedState& s = SharedState::get();
        s.setKen("宮崎県");
        QVERIFY(s.ken == Ken::Miyazaki && s.KenName == "宮崎県");
        SharedState::reset();
    }

    void siteProfileLookup_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("doctor");
        QTest::addColumn<QString>("found");
        QTest::newRow("key and prefecture") << "茨城県" << "F1A" << "" << "F1A";
        QTest::newRow("key of another prefecture") << "大分県" << "F1A" << "" << "";
        QTest::newRow("unknown key") << "茨城県" << "ZZ" << "" << "";
        QTest::newRow("tottori by doctor name") << "鳥取県" << "0" << "獣医 山田太郎" << "山田";
        QTest::newRow("tottori ignores key") << "鳥取県" << "山田" << "佐藤" << "";
    }
    void siteProfileLookup()
    {
        QFETCH(QString, ken);
        QFETCH(QString, key);
        QFETCH(QString, doctor);
        QFETCH(QString, found);
        const QList<SiteProfile> rows = SiteProfile::parse({
            "# key,prefecture,switches",
            "F1A,茨城県,ShowExchange,ShowSubmission,FarmType,TitleText=北支所（入力・印刷）",
            "山田,鳥取県,LatestOutcome",
            "",
        });
        const SiteProfile row = SiteProfile::lookup(rows, KenInfo::fromName(ken), key, doctor);
        QCOMPARE(row.key, found);
        if (found == "F1A") {
            QVERIFY(row.FarmType() && row.ShowExchange() && row.ShowSubmission());
            QVERIFY(!row.ShowBunruiFrame());
            QCOMPARE(row.TitleText(), QStringLiteral("北支所（入力・印刷）"));
        }
        if (found.isEmpty())
            QVERIFY(row.switches.isEmpty() && row.texts.isEmpty());
    }

    void messageBoxesGoThroughTheResponder()
    {
        QList<MsgBox::Call> seen;
        MsgBox::setResponder([&](const MsgBox::Call& call) {
            seen.append(call);
            return MsgBox::Cancel;
        });
        QVERIFY(!MsgBox::ask(QStringLiteral("終了してよろしいですか？"), QStringLiteral("確認")));
        MsgBox::show(QStringLiteral("ok"));
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen.at(0).title, QStringLiteral("確認"));
        QCOMPARE(seen.at(0).buttons, MsgBox::OkCancel);
        QCOMPARE(seen.at(1).title, MsgBox::applicationTitle());
        QCOMPARE(MsgBox::log().size(), 2);
        QCOMPARE(MsgBox::defaultAnswer(MsgBox::YesNo), MsgBox::Yes);
    }
};

NOLVARI_TEST(PlatformTest)
#include "PlatformTest.moc"
