#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteFile.h"
#include "chart/KarteFileName.h"
#include "common/DataPath.h"
#include "common/KarteFolderList.h"
#include "common/SharedState.h"

#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The chart list as the program listed it before it read names only: a file-information listing
// of the folder, the "*.sxd" names ignoring case, sorted by name ignoring case.
QStringList fileInfoListing(const QString& folder)
{
    const QRegularExpression sxd(QRegularExpression::wildcardToRegularExpression(QStringLiteral("*.sxd")),
                                 QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (sxd.match(name).hasMatch())
            names.append(name);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

// A year folder as installations hold them: farmers with ten charts each, names in both letter
// cases, calf charts, and files and folders that are no charts.
QString writeInstallation(const TempDataRoot& root)
{
    for (int f = 0; f < 40; ++f) {
        const QString code = QStringLiteral("%1").arg(10000 + f * 37, 8, 10, QLatin1Char('0'));
        for (int a = 0; a < 10; ++a) {
            QString name = QStringLiteral("H7_%1_%2_%3.sxd").arg(code).arg(a * 13 % 10 + f, 4, 10, QLatin1Char('0'))
                               .arg(a == 3 ? 1 : 0);
            if ((f + a) % 7 == 0)
                name = name.toLower();
            if ((f + a) % 11 == 0)
                name.replace(QStringLiteral(".sxd"), QStringLiteral(".SXD"));
            root.write(QStringLiteral("H7/") + name, {QStringLiteral("x")});
        }
    }
    for (const char* other : {"H7/notes.txt", "H7/H7_x.sxd.bak", "H7/.hidden.sxd", "H7/H7_a.sxd", "H7/h7_A.sxd",
                              "H7/H7_b_.sxd", "H7/ｈ7_全角.sxd", "H7/H7_日本語_1_0.sxd"})
        root.write(QString::fromUtf8(other), {QStringLiteral("x")});
    QDir().mkpath(root.file("H7/folder.sxd"));
    return root.file("H7");
}

} // namespace

class KarteFolderListTest : public QObject
{
    Q_OBJECT

private slots:
    void sameAsTheFileInformationListing()
    {
        TempDataRoot root;
        const QString folder = writeInstallation(root);
        KarteFolderList list;
        list.refresh(folder);
        QCOMPARE(list.names().size(), 406);
        QCOMPARE(list.names(), fileInfoListing(folder));
        QVERIFY(!list.names().contains(QStringLiteral("folder.sxd")));
        QCOMPARE(list.path(list.at(0)), folder + QLatin1Char('/') + list.at(0));

        const QString sample = TestFixture::copySample(root.path() + QStringLiteral("/copy")) + QStringLiteral("/H7");
        list.refresh(sample);
        QCOMPARE(list.names().size(), 6);
        QCOMPARE(list.names(), fileInfoListing(sample));
    }

    void farmersChartsAreThoseOfThePrefix()
    {
        TempDataRoot root;
        KarteFolderList list;
        list.refresh(writeInstallation(root));
        for (int f = 0; f < 40; f += 3) {
            const QString prefix =
                KarteFileName::noukaPrefix(QStringLiteral(" 7"), QStringLiteral("%1").arg(10000 + f * 37, 8, 10, QLatin1Char('0')));
            QStringList expected;
            for (const QString& name : list)
                if (name.startsWith(prefix))
                    expected.append(name);
            QCOMPARE(list.withPrefix(prefix), expected);
            QVERIFY(!expected.isEmpty());
        }
        for (const QString& prefix : {QStringLiteral("H7_"), QStringLiteral("h7_"), QStringLiteral("H7_0001")}) {
            QStringList expected;
            for (const QString& name : list)
                if (name.startsWith(prefix))
                    expected.append(name);
            QCOMPARE(list.withPrefix(prefix), expected);
        }
        QVERIFY(list.withPrefix(QStringLiteral("H8_")).isEmpty());
    }

    void theProgramsOwnWritesShowInTheNextListing()
    {
        TempDataRoot root;
        root.write(QStringLiteral("H7/H7_00010001_1_0.sxd"), {QStringLiteral("x")});
        SharedState& s = SharedState::get();
        s.KarteNendo = QStringLiteral("7");
        s.refreshKarteFileList();
        QCOMPARE(s.KarteFileList.names(), QStringList{"H7_00010001_1_0.sxd"});

        // Charts created one right after the other, each followed by a refresh.
        for (const QString& mimi : {QStringLiteral("2"), QStringLiteral("3")}) {
            const QString name = KarteFileName(QStringLiteral("7"), QStringLiteral("00010001"), mimi, false).text();
            QCOMPARE(KarteFile::create(s.karteFolder(), name, QStringLiteral("Main'"), QStringLiteral("Main'")),
                     KarteFile::CreateResult::Created);
            s.refreshKarteFileList();
            QVERIFY2(s.KarteFileList.names().contains(name), qPrintable(name));
        }
        QVERIFY(QFile::remove(s.karteFolder() + QStringLiteral("/H7_00010001_1_0.sxd")));
        s.refreshKarteFileList();
        QCOMPARE(s.KarteFileList.names(), (QStringList{"H7_00010001_2_0.sxd", "H7_00010001_3_0.sxd"}));

        // A listing taken long after the folder's last change is kept until the folder changes.
        const timespec hourAgo{time(nullptr) - 3600, 0};
        const timespec times[2] = {hourAgo, hourAgo};
        QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(s.karteFolder()).constData(), times, 0), 0);
        s.refreshKarteFileList();
        s.refreshKarteFileList();
        root.write(QStringLiteral("H7/H7_00010001_4_0.sxd"), {QStringLiteral("x")});
        s.refreshKarteFileList();
        QCOMPARE(s.KarteFileList.size(), 3);
    }

    // The start-up lists the year in the background: the first use waits for that listing, a
    // refresh after it sees later changes, and a listing started while one runs replaces it.
    void aListingInTheBackgroundServesTheFirstUse()
    {
        TempDataRoot root;
        const QString folder = writeInstallation(root);
        KarteFolderList listedHere;
        listedHere.refresh(folder);
        const QString prefix = QStringLiteral("H7_00010000_");
        KarteFolderList list;
        list.refreshInBackground(folder);
        QCOMPARE(list.withPrefix(prefix), listedHere.withPrefix(prefix));
        QCOMPARE(list.withPrefix(prefix).size(), 8);  // two of the ten are named in small letters
        QCOMPARE(list.names(), fileInfoListing(folder));

        list.refreshInBackground(root.path() + QStringLiteral("/H9"));
        list.refreshInBackground(folder);
        root.write(QStringLiteral("H7/H7_99999999_1_0.sxd"), {QStringLiteral("x")});
        list.refresh(folder);
        QCOMPARE(list.size(), 407);
        QCOMPARE(list.names(), fileInfoListing(folder));

        list.refreshInBackground(root.path() + QStringLiteral("/H9"));
        QVERIFY(list.isEmpty());
    }

    void missingFolderListsNothing()
    {
        TempDataRoot root;
        KarteFolderList list;
        list.refresh(root.path() + QStringLiteral("/H9"));
        QVERIFY(list.isEmpty());
        root.write(QStringLiteral("H9/H9_1_1_0.sxd"), {QStringLiteral("x")});
        list.refresh(root.path() + QStringLiteral("/H9"));
        QCOMPARE(list.names(), QStringList{"H9_1_1_0.sxd"});
    }
};

NOLVARI_TEST(KarteFolderListTest)
#include "KarteFolderListTest.moc"
