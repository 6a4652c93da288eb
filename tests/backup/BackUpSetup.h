#pragma once

#include "TestFixture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// An installation for the backup and exchange tests, a copy of the sample with the prefecture and
// site of info and the site rows of the farm branch's pair (IBF1A, IBF1B) and of a site without a
// partner (OKAYAMA). Several can exist at once; start() makes one the running installation.
class BackUpInstallation
{
public:
    explicit BackUpInstallation(const QString& info);
    ~BackUpInstallation();

    QString path() const { return rootPath; }
    QString file(const QString& relative) const { return rootPath + QLatin1Char('/') + relative; }
    // Sets the data root and loads the installation as the program starts.
    void start() const;
    void put(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir dir;
    QString rootPath;
};

// A folder standing for a removable drive, listed as the machine's only drive while it exists.
class TestDrive
{
public:
    TestDrive();
    ~TestDrive();
    QString path() const { return rootPath; }
    QString file(const QString& relative) const { return rootPath + QLatin1Char('/') + relative; }
    // The names in a folder of the drive, hidden ones included.
    QStringList names(const QString& folder) const;

private:
    QTemporaryDir dir;
    QString rootPath;
};

// The bytes of a file; empty when it cannot be read.
QByteArray bytesOf(const QString& path);
// The same bytes with one byte changed, the length kept.
QByteArray sameLengthEdit(const QByteArray& bytes);
