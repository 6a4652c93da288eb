#pragma once

#include <QString>
#include <QStringList>

// Maps the system's Windows paths ("\Nolvari\set\info.ini", "C:\Nolvari\Code\...") onto one data
// root on this machine. The old file system ignored letter case, so every lookup falls back to a
// case-insensitive match of each path component when the exact name is missing.
class DataPath
{
public:
    static void setRoot(const QString& dir);
    static QString root();
    static QString defaultRoot();

    // The local path of a system path. Paths under "\Nolvari\" (any drive) land in the root;
    // any other absolute Windows path lands under the root's "external" folder, so that nothing
    // is written outside the data root. Existing components are matched ignoring case. A path
    // with a "." or ".." component could leave the root: it is refused, the result is empty and
    // refusal (when given) says why.
    static QString map(const QString& systemPath, QString* refusal = nullptr);

    // Shorthand for map("\Nolvari\" + relative): relative uses "\" or "/" separators.
    static QString file(const QString& relative);

    // A local path whose existing components are matched ignoring case; components that do not
    // exist stay as given.
    static QString resolve(const QString& localPath);

    // The names of the files in a folder (every entry but folders) matching a wildcard pattern
    // ("*.sxd"), ignoring case, sorted by name ignoring case. An absent folder gives an empty
    // list. foldedKeys, when given, receives the case-folded names in the same order.
    static QStringList list(const QString& localFolder, const QString& pattern, QStringList* foldedKeys = nullptr);

private:
    static QString& rootRef();
};
