#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Helpers shared by every test executable: a temporary data root, CP932 files, and the reset of
// the process-wide state between test classes.
class TestFixture
{
public:
    static void initApplication();
    static void resetGlobals();

    // Writes lines in CP932 with CR LF after each; creates the folder. Returns the local path.
    static QString writeCp932(const QString& localPath, const QStringList& lines);
    static QString writeBytes(const QString& localPath, const QByteArray& bytes);
    static QByteArray readBytes(const QString& localPath);
    static QStringList readCp932(const QString& localPath);

    // The sample installation of the source tree, copied into dir; returns the copy's root.
    static QString copySample(const QString& dir);

    // The shared print calibration from "<horizontal offset>/<vertical offset>/<stretch>".
    static void setPrintHosei(const QString& yokoTateNobi);
    static QString sourceDir();
};

// A temporary data root, set as DataPath's root for the life of the object.
class TempDataRoot
{
public:
    TempDataRoot();
    ~TempDataRoot();
    QString path() const { return dir.path(); }
    // The local path of a file under the root, folders created: file("set/info.ini").
    QString file(const QString& relative) const;
    QString write(const QString& relative, const QStringList& lines) const;
    // Fills the root with a copy of the sample installation of the source tree.
    void useSample() const;
    // The sample without its charts, the prefecture and site of info ("鳥取県,0") and the site rows
    // given, loaded as the program starts (data year 7, today 2025/6/20).
    void useInstallation(const QString& info, const QStringList& siteRows) const;

private:
    QTemporaryDir dir;
    QString previousRoot;
};
