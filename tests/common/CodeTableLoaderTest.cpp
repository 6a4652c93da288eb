#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/CodeTableLoader.h"
#include "common/DataPath.h"
#include "common/SharedState.h"

#include <QtTest>

namespace {
const QStringList kAllFiles = {
    "Code/YakkaCode.ini", "Code/SinryoCode1.ini", "Code/SinryoCode2.ini", "Code/SinryoCode3.ini",
    "Code/SinryoCode4.ini", "Code/SinryoCode5.ini", "Code/SinryoCode6.ini", "Code/SinryoCode7.ini",
    "Code/SinryoCode8.ini", "Code/SinryoCode9.ini", "Code/LenCode.ini",
    "Code/YakkaCode_Miyazaki.ini", "Code/SinryoCode_Miyazaki.ini"};

// The table a code file lands in, by the file's place in kAllFiles.
const QStringList& tableAt(const CodeTables& t, int index)
{
    if (index == 0)
        return t.YakkaCodeTable;
    if (index <= 9)
        return t.SinryoCodeTable[index];
    if (index == 10)
        return t.LenCodeTable;
    return index == 11 ? t.YakkaMiyazakiTable : t.SinryoMiyazakiTable;
}

void writeAll(const TempDataRoot& root, const QStringList& lines)
{
    for (const QString& f : kAllFiles)
        root.write(f, lines);
}
}

class CodeTableLoaderTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void everyTableHoldsItsLinesThenOneEmptyElement_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("table");
        QTest::newRow("two lines") << QStringList{"a'b", "c'd"} << QStringList{"a'b", "c'd", ""};
        QTest::newRow("blank line in the middle") << QStringList{"a", "", "b"} << QStringList{"a", "", "b", ""};
        QTest::newRow("no lines") << QStringList{} << QStringList{""};
        QTest::newRow("blanks kept untrimmed") << QStringList{" x ,1,2,"} << QStringList{" x ,1,2,", ""};
    }
    void everyTableHoldsItsLinesThenOneEmptyElement()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, table);
        TempDataRoot root;
        // Each file gets its own first line so that a table filled from the wrong file shows.
        for (int i = 0; i < kAllFiles.size(); ++i) {
            QStringList own = lines;
            if (!own.isEmpty())
                own[0] += QString::number(i);
            root.write(kAllFiles.at(i), own);
        }
        SharedState::get().setKen(QStringLiteral("宮崎県"));
        QVERIFY(CodeTableLoader::CodeTableLoadProc().ok());
        for (int i = 0; i < kAllFiles.size(); ++i) {
            QStringList expected = table;
            if (!lines.isEmpty())
                expected[0] += QString::number(i);
            QCOMPARE(tableAt(SharedState::get().Tables, i), expected);
        }
    }

    void miyazakiTablesOnlyInMiyazaki_data()
    {
        QTest::addColumn<QString>("kenName");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("宮崎県") << QStringLiteral("宮崎県") << true;
        QTest::newRow("鳥取県") << QStringLiteral("鳥取県") << false;
        QTest::newRow("宮崎") << QStringLiteral("宮崎") << false;
        QTest::newRow("trailing blank") << QStringLiteral("宮崎県 ") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void miyazakiTablesOnlyInMiyazaki()
    {
        QFETCH(QString, kenName);
        QFETCH(bool, loaded);
        TempDataRoot root;
        writeAll(root, {"x'y'"});
        CodeTables tables;
        tables.YakkaMiyazakiTable = {"old", ""};
        tables.SinryoMiyazakiTable = {"old", ""};
        QVERIFY(CodeTableLoader::load(tables, KenInfo::fromName(kenName)).ok());
        const QStringList expected = loaded ? QStringList{"x'y'", ""} : QStringList{""};
        QCOMPARE(tables.YakkaMiyazakiTable, expected);
        QCOMPARE(tables.SinryoMiyazakiTable, expected);
        QCOMPARE(tables.YakkaCodeTable, (QStringList{"x'y'", ""}));
    }

    void reloadReplacesEveryTable()
    {
        TempDataRoot root;
        writeAll(root, {"1", "2", "3"});
        CodeTables tables;
        CodeTableLoader::load(tables, Ken::Miyazaki);
        writeAll(root, {"4"});
        CodeTableLoader::load(tables, Ken::Miyazaki);
        for (int i = 0; i < kAllFiles.size(); ++i)
            QCOMPARE(tableAt(tables, i), (QStringList{"4", ""}));
    }

    void missingFilesAreListedAndLoadEmpty_data()
    {
        QTest::addColumn<QString>("kenName");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("missing");
        QTest::newRow("two missing") << QStringLiteral("鳥取県")
                                     << kAllFiles.mid(1, 7) + kAllFiles.mid(9, 2)
                                     << QStringList{"Code/YakkaCode.ini", "Code/SinryoCode8.ini"};
        QTest::newRow("no folder, Miyazaki files listed too") << QStringLiteral("宮崎県") << QStringList{}
                                                             << kAllFiles;
        QTest::newRow("Miyazaki files not asked for elsewhere") << QStringLiteral("三重県")
                                                               << kAllFiles.mid(0, 11) << QStringList{};
    }
    void missingFilesAreListedAndLoadEmpty()
    {
        QFETCH(QString, kenName);
        QFETCH(QStringList, present);
        QFETCH(QStringList, missing);
        TempDataRoot root;
        for (const QString& f : present)
            root.write(f, {"line"});
        CodeTables tables;
        tables.YakkaCodeTable = {"stale", ""};
        const CodeTableLoader::Result result = CodeTableLoader::load(tables, KenInfo::fromName(kenName));
        QStringList expected;
        for (const QString& f : missing)
            expected.append(root.path() + QLatin1Char('/') + f);
        QCOMPARE(result.missingFiles, expected);
        QCOMPARE(result.ok(), missing.isEmpty());
        for (int i = 0; i < 11; ++i) {
            const QStringList table = present.contains(kAllFiles.at(i)) ? QStringList{"line", ""} : QStringList{""};
            QCOMPARE(tableAt(tables, i), table);
        }
        const QString message = CodeTableLoader::problemMessage(result);
        QCOMPARE(message.isEmpty(), missing.isEmpty());
        for (const QString& path : expected)
            QVERIFY2(message.contains(path), qPrintable(message));
    }

    void undecodableFileLoadsEmptyAndIsNamed()
    {
        TempDataRoot root;
        writeAll(root, {"ok"});
        TestFixture::writeBytes(root.file("Code/LenCode.ini"), QByteArray("a'b'\r\n\x80'c'\r\n"));
        CodeTables tables;
        const CodeTableLoader::Result result = CodeTableLoader::load(tables, Ken::Sonota);
        QVERIFY(result.missingFiles.isEmpty());
        QCOMPARE(result.errorTexts.size(), 1);
        QCOMPARE(tables.LenCodeTable, QStringList{QString()});
        QCOMPARE(tables.YakkaCodeTable, (QStringList{"ok", ""}));
        QVERIFY(CodeTableLoader::problemMessage(result).contains(root.path() + "/Code/LenCode.ini"));
    }

    void folderAndFileNamesIgnoreCase()
    {
        TempDataRoot root;
        root.write("code/yakkacode.ini", {"注あ'名'規'*'10''1'瓶"});
        CodeTables tables;
        CodeTableLoader::load(tables, Ken::Sonota);
        QCOMPARE(tables.YakkaCodeTable.size(), 2);
    }

    // The demo installation's code files load whole and keep the line layouts their readers split.
    void sampleTablesLoadWithTheirLayouts()
    {
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        CodeTables tables;
        QVERIFY(CodeTableLoader::load(tables, Ken::Miyazaki).ok());
        auto checkFields = [](const QStringList& table, QChar separator, int fields) {
            QVERIFY(table.size() > 2);
            QVERIFY(table.last().isEmpty());
            for (const QString& line : table.first(table.size() - 1))
                QVERIFY2(line.split(separator).size() == fields, qPrintable(line));
        };
        checkFields(tables.YakkaCodeTable, u'\'', 8);
        checkFields(tables.LenCodeTable, u'\'', 5);
        checkFields(tables.YakkaMiyazakiTable, u'\'', 10);
        checkFields(tables.SinryoMiyazakiTable, u'\'', 7);
        for (int k = 1; k <= 9; ++k) {
            const QStringList& t = tables.SinryoCodeTable[k];
            checkFields(t, u',', 4);
            QCOMPARE(t.mid(t.size() - 4), (QStringList{",,,", ",,,", ",,,", ""}));
        }
    }
};

NOLVARI_TEST(CodeTableLoaderTest)
#include "CodeTableLoaderTest.moc"
