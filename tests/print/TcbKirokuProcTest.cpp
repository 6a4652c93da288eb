#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/SindansyoEpisode.h"
#include "print/common/SindansyoText.h"
#include "print/ibaraki/TcbKirokuProc.h"

#include <QDir>
#include <QtTest>

namespace {

TcbKirokuProc::Entry entry(const QString& month, const QString& record)
{
    return {month, record, QStringLiteral("肺炎 7.4.1")};
}

} // namespace

class TcbKirokuProcTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // The animal's name and number: split at one ":", the number without ASCII letters.
    void meigou_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::newRow("name:0123") << "name:0123" << "name" << "0123";
        QTest::newRow("JP prefix") << "はなこ:JP0123" << "はなこ" << "0123";
        QTest::newRow("A-12b") << "x:A-12b" << "x" << "-12";
        QTest::newRow("letters only") << "x:ab" << "x" << "";
        QTest::newRow("full-width kept") << "x:１２Ａ" << "x" << "１２Ａ";
        QTest::newRow("nothing after") << "はなこ:" << "はなこ" << "";
        QTest::newRow("no name") << ":0123" << "" << "0123";
        QTest::newRow("no colon") << "はなこ" << "はなこ" << "";
        QTest::newRow("two colons") << "はな:こ:12" << "はな:こ:12" << "";
    }
    void meigou()
    {
        QFETCH(QString, field);
        QFETCH(QString, name);
        QFETCH(QString, number);
        QCOMPARE(SindansyoText::meigouNumber(field), (QStringList{name, number}));
    }

    // The first record creates the month's file; the same record again changes nothing; a
    // changed one is added below; empty lines and every line as read stay.
    void appendOnce()
    {
        TempDataRoot root;
        QDir().mkpath(root.path() + "/tcb");
        QString error;
        QVERIFY(TcbKirokuProc::write(entry("5･6", "a'b'c"), &error));
        QCOMPARE(TestFixture::readBytes(root.path() + "/tcb/5･6.ini"), QByteArray("a'b'c\r\n"));
        QVERIFY(TcbKirokuProc::write(entry("5･6", "a'b'c"), &error));
        QCOMPARE(TestFixture::readCp932(root.path() + "/tcb/5･6.ini"), QStringList{"a'b'c"});
        QVERIFY(TcbKirokuProc::write(entry("5･6", "a'b'd"), &error));
        QCOMPARE(TestFixture::readCp932(root.path() + "/tcb/5･6.ini"), (QStringList{"a'b'c", "a'b'd"}));
        root.write("tcb/5･7.ini", {"x'y", "", "old line without a quote", "x'z"});
        QVERIFY(TcbKirokuProc::write(entry("5･7", "n'e'w"), &error));
        QCOMPARE(TestFixture::readCp932(root.path() + "/tcb/5･7.ini"),
                 (QStringList{"x'y", "", "old line without a quote", "x'z", "n'e'w"}));
    }

    // A month's file whose name differs in letter case is the same file, kept under its name.
    void caseOfTheName()
    {
        TempDataRoot root;
        root.write("tcb/5･6.INI", {"x'y"});
        QString error;
        QVERIFY(TcbKirokuProc::write(entry("5･6", "a'b"), &error));
        QCOMPARE(QDir(root.path() + "/tcb").entryList(QDir::Files), QStringList{"5･6.INI"});
        QCOMPARE(TestFixture::readCp932(root.path() + "/tcb/5･6.INI"), (QStringList{"x'y", "a'b"}));
    }

    // An empty or unusable month, or no tcb folder: nothing written, a message naming the episode.
    void refusals_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<bool>("folder");
        QTest::newRow("empty month") << "" << true;
        QTest::newRow("path in the month") << "..\\x" << true;
        QTest::newRow("no folder") << "5･6" << false;
    }
    void refusals()
    {
        QFETCH(QString, month);
        QFETCH(bool, folder);
        TempDataRoot root;
        if (folder)
            QDir().mkpath(root.path() + "/tcb");
        QString error;
        QVERIFY(!TcbKirokuProc::write(entry(month, "a'b"), &error));
        QVERIFY2(error.contains("肺炎 7.4.1"), qPrintable(error));
        QCOMPARE(QDir(root.path()).entryList(QDir::Files), QStringList());
        if (folder)
            QCOMPARE(QDir(root.path() + "/tcb").entryList(QDir::Files), QStringList());
    }
};

NOLVARI_TEST(TcbKirokuProcTest)
#include "TcbKirokuProcTest.moc"
