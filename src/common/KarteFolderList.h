#pragma once

#include <QString>
#include <QStringList>

// The chart files of the data year's folder: the bare names of its "*.sxd" files in ascending
// order of name, letter case ignored, as the main window's hidden file list keeps them. One
// listing serves every reader of all charts. refresh() reads the folder's names again only when
// the folder changed since the last listing (its modification time moves with every file created,
// renamed or deleted in it, the program's own writes included), so the places that refresh the
// list before each use cost one status call while nothing changed.
class KarteFolderList
{
public:
    // Lists localFolder (its letter case matched as DataPath matches it) unless the listing of
    // that folder is known to be current. A missing folder gives an empty list.
    void refresh(const QString& localFolder);

    // The folder listed, as found on the disk.
    const QString& folder() const { return folder_; }
    const QStringList& names() const { return names_; }
    qsizetype size() const { return names_.size(); }
    bool isEmpty() const { return names_.isEmpty(); }
    const QString& at(qsizetype i) const { return names_.at(i); }
    QStringList::const_iterator begin() const { return names_.cbegin(); }
    QStringList::const_iterator end() const { return names_.cend(); }

    // The listed names that start with prefix (letter case counts), in list order, found without
    // walking the whole list: "H7_00010001_" gives the charts of one farmer of year 7.
    QStringList withPrefix(const QString& prefix) const;
    // The local path of a listed name: the folder and the name, nothing looked up.
    QString path(const QString& fileName) const;

private:
    QString folder_;
    QStringList names_;
    QStringList keys_;        // names_ case-folded, for the searches
    qint64 folderTime_ = -1;  // the folder's modification time (ns) when it was listed
    bool racy_ = true;        // listed so soon after a change that a later one may share its time
};
