#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/SingleInstance.h"

#include <QProcess>
#include <grp.h>
#include <unistd.h>
#include <QtTest>

// Starts the program itself, with message boxes answered automatically, for the start-ups that end.
class ProgramTest : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode = -1;
        QString errors;
    };

    // unprivileged: run as the user "nobody" when the tests run as root, for whom no folder is
    // read-only.
    static Run runProgram(const QString& dataRoot, bool unprivileged = false)
    {
        const QString program = qEnvironmentVariable("NOLVARI_PROGRAM");
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("NOLVARI_AUTO_ANSWER", "1");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        if (unprivileged && geteuid() == 0) {
            process.setChildProcessModifier([] {
                if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
                    _exit(99);
            });
        }
        process.start(program, {"--data-root", dataRoot});
        Run run;
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.errors = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
        if (qEnvironmentVariableIsEmpty("NOLVARI_PROGRAM"))
            QSKIP("NOLVARI_PROGRAM names no program");
    }

    void secondInstanceEnds()
    {
        TempDataRoot root;
        const QString dataRoot = TestFixture::copySample(root.path());
        SingleInstance first(dataRoot + "/.nolvari.lock");
        QVERIFY(first.tryLock());
        const Run run = runProgram(dataRoot);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains("重複起動はできません。"), qPrintable(run.errors));
    }

    void missingDataRootIsReportedAndNotMade()
    {
        TempDataRoot root;
        const QString missing = root.path() + "/typo/Nolvari";
        const Run run = runProgram(missing);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains("データフォルダがありません") && run.errors.contains(missing),
                 qPrintable(run.errors));
        QVERIFY(!QFileInfo::exists(root.path() + "/typo"));
    }

    // A folder the program cannot write is not taken for a second instance.
    void readOnlyDataRootIsNamed()
    {
        TempDataRoot root;
        const QString dataRoot = TestFixture::copySample(root.path());
        QVERIFY(QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                       | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(QFile::setPermissions(dataRoot, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                    | QFile::ExeOther));
        const Run run = runProgram(dataRoot, true);
        QFile::setPermissions(dataRoot, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains("データフォルダに書き込めません") && run.errors.contains(dataRoot),
                 qPrintable(run.errors));
        QVERIFY2(!run.errors.contains("重複起動"), qPrintable(run.errors));
    }

    void missingInfoFileNamesTheFile()
    {
        TempDataRoot root;
        root.write("set/KiokuNendo.ini", {"7"});
        const Run run = runProgram(root.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains("info.ini"), qPrintable(run.errors));
    }
};

NOLVARI_TEST(ProgramTest)
#include "ProgramTest.moc"
