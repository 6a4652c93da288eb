#include "TestFixture.h"
#include "TestRegistry.h"

#include "print/common/SindansyoText.h"
#include "treatmentbook/TcbLogFile.h"

#include <QDir>
#include <QtTest>

namespace {

TcbLogFile::Kiroku kiroku(const QString& month, const QString& line)
{
    return {month, line, QStringLiteral("肺炎 7.4.1")};
}

} // namespace

class TcbLogFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    // The animal's name and number in fields 0 and 1 of the line: split at exactly one ":",
    // the number without ASCII letters; any other count of ":" leaves the field whole as the name.
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
        QStringList kotai(11);
        kotai[6] = field;
        const QStringList fields = TcbLogFile::kiroku(kotai, {}, {}, "医師").line.split('\'');
        QCOMPARE(fields.size(), TcbLogFile::FieldCount);
        QCOMPARE(fields.mid(0, 2), (QStringList{name, number}));
    }

    // Every field from its place in the chart, copied as stored (no trimming); a "'" in the
    // doctor's name is written "’"; the month names the file, the episode the messages.
    void fieldsInOrder()
    {
        const QStringList kotai{"Main", "乳用牛", "", "", "H30.4.1", "雌", "はなこ:JP1012", "", "包", "", " 1234"};
        const QStringList name{"Name", "", "乳房炎", "2-1", "5.2.28", "5.3.1", "5.3.9", "5.3.10", "治癒", "4",
                               "", "", "", "5･3"};
        const QStringList data3{"Data3", "", "1,200", "", "", "", "420", "300", "6,340"};
        const TcbLogFile::Kiroku k = TcbLogFile::kiroku(kotai, name, data3, "高橋's");
        QCOMPARE(k.line, QStringLiteral("はなこ'1012' 1234'乳房炎'2-1'5.3.1'5.3.9'5.3.10'1,200'6,340'420'300'4'"
                                        "高橋’s'5･3'5.2.28'治癒"));
        QCOMPARE(k.month, QStringLiteral("5･3"));
        QCOMPARE(k.episode, QStringLiteral("乳房炎 5.3.1"));
    }

    // The first record creates the folder and the month's file; the same record again changes
    // nothing; a changed one is added below; empty lines and every line as read stay.
    void appendOnce()
    {
        TempDataRoot root;
        QString error;
        QVERIFY2(TcbLogFile::TcbKirokuProc(kiroku("5･6", "a'b'c"), &error), qPrintable(error));
        QCOMPARE(TestFixture::readBytes(root.path() + "/tcb/5･6.ini"), QByteArray("a'b'c\r\n"));
        QVERIFY(TcbLogFile::TcbKirokuProc(kiroku("5･6", "a'b'c"), &error));
        QCOMPARE(TestFixture::readCp932(root.path() + "/tcb/5･6.ini"), QStringList{"a'b'c"});
        QVERIFY(TcbLogFile::TcbKirokuProc(kiroku("5･6", "a'b'd"), &error));
        QCOMPARE(TestFixture::readCp932(root.path() + "/tcb/5･6.ini"), (QStringList{"a'b'c", "a'b'd"}));
        root.write("tcb/5･7.ini", {"x'y", "", "old line without a quote", "x'z"});
        QVERIFY(TcbLogFile::TcbKirokuProc(kiroku("5･7", "n'e'w"), &error));
        QCOMPARE(TestFixture::readCp932(root.path() + "/tcb/5･7.ini"),
                 (QStringList{"x'y", "", "old line without a quote", "x'z", "n'e'w"}));
    }

    // A month's file whose name differs in letter case is the same file, kept under its name.
    void caseOfTheName()
    {
        TempDataRoot root;
        root.write("tcb/5･6.INI", {"x'y"});
        QString error;
        QVERIFY(TcbLogFile::TcbKirokuProc(kiroku("5･6", "a'b"), &error));
        QCOMPARE(QDir(root.path() + "/tcb").entryList(QDir::Files), QStringList{"5･6.INI"});
        QCOMPARE(TestFixture::readCp932(root.path() + "/tcb/5･6.INI"), (QStringList{"x'y", "a'b"}));
    }

    // An empty or unusable month, or a log that cannot be decoded: nothing written, the log
    // left byte for byte, a message naming the episode.
    void refusals_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QByteArray>("log");
        QTest::newRow("empty month") << "" << QByteArray();
        QTest::newRow("blank month") << " " << QByteArray();
        QTest::newRow("path in the month") << "..\\x" << QByteArray();
        QTest::newRow("undecodable log") << "5･6" << QByteArray("a'b\r\n\x81\x20'c\r\n");
    }
    void refusals()
    {
        QFETCH(QString, month);
        QFETCH(QByteArray, log);
        TempDataRoot root;
        QDir().mkpath(root.path() + "/tcb");
        if (!log.isEmpty())
            TestFixture::writeBytes(root.path() + "/tcb/5･6.ini", log);
        QString error;
        QVERIFY(!TcbLogFile::TcbKirokuProc(kiroku(month, "a'b"), &error));
        QVERIFY2(error.contains("肺炎 7.4.1"), qPrintable(error));
        QCOMPARE(QDir(root.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(root.path() + "/tcb").entryList(QDir::Files), log.isEmpty() ? QStringList() : QStringList{"5･6.ini"});
        if (!log.isEmpty())
            QCOMPARE(TestFixture::readBytes(root.path() + "/tcb/5･6.ini"), log);
    }
};

NOLVARI_TEST(TcbLogFileTest)
#include "TcbLogFileTest.moc"
