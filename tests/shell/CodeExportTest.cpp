#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/DataPath.h"
#include "shell/CodeExport.h"

#include <QtTest>

class CodeExportTest : public QObject
{
    Q_OBJECT

private:
    const QStringList table = {
        "注'ペニシリン'1瓶'*'500'''1'瓶",
        "内'ビタミン剤'100g'*'''100'g",
        "外'ヨード液'500mL'*'g6'''500'mL",
        "",
        "注'後ろの行'x'*'500",
    };

private slots:
    void init() { TestFixture::resetGlobals(); }

    void sagyouLines()
    {
        const QStringList lines = CodeExport::sagyouLines(table);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0), QStringLiteral("注'ペニシリン'1瓶'*'*'''"));
        QCOMPARE(lines.at(3), QStringLiteral("'''*''''"));
    }

    void searches()
    {
        QCOMPARE(CodeExport::searchText(table, "ＭＬ"), QStringList());
        QCOMPARE(CodeExport::searchText(table, "ml"), QStringList{"外"});
        QCOMPARE(CodeExport::searchText(table, "*"), (QStringList{"注", "内", "外", "注"}));
        QCOMPARE(CodeExport::searchPrice(table, "500"), QStringList{"注：ペニシリン"});
        QCOMPARE(CodeExport::searchPrice(table, "*"), (QStringList{"注：ペニシリン", "内：ビタミン剤", "外：ヨード液"}));
    }

    void assignmentFiles()
    {
        TempDataRoot root;
        root.write("code/YakkaCode.ini", {"注'ペニシリン'", "内'\"薬\"'"});
        root.write("code/SinryoCode.ini", {"初診,10,12"});
        root.write("code/LenCode.ini", {});
        QVERIFY(CodeExport::exportAssignments().isEmpty());
        QCOMPARE(TestFixture::readCp932(DataPath::map(CodeExport::assignments().at(0).target)),
                 (QStringList{"KusuriName(0)=\"注'ペニシリン'\"", "KusuriName(1)=\"内'\"薬\"'\""}));
        QCOMPARE(TestFixture::readCp932(DataPath::map(CodeExport::assignments().at(1).target)),
                 QStringList{"TiryoName(0)=\"初診,10,12\""});
        QVERIFY(QFile::exists(DataPath::map(CodeExport::assignments().at(2).target)));
    }

    void missingSourceIsReported()
    {
        TempDataRoot root;
        root.write("code/YakkaCode.ini", {"注'ペニシリン'"});
        const QStringList errors = CodeExport::exportAssignments();
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors.at(0).contains("SinryoCode.ini"));
    }

    void drugCodeFilesGoUnderTheDataRoot()
    {
        TempDataRoot root;
        QVERIFY(CodeExport::writeFiles(CodeExport::sagyouTargets(), {"a'b'"}).isEmpty());
        QCOMPARE(TestFixture::readCp932(root.file("zenkoku_yakkacode/2010.ini")), QStringList{"a'b'"});
        QCOMPARE(TestFixture::readCp932(root.file("external/C/Tarvex/zenkoku_yakkacode/2010.ini")),
                 QStringList{"a'b'"});
    }
};

NOLVARI_TEST(CodeExportTest)
#include "CodeExportTest.moc"
