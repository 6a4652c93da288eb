#pragma once

#include <QString>
#include <QStringList>
#include <future>

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
    // Lists localFolder anew on a thread of its own, so that the program goes on meanwhile (the
    // start-up builds its window while a year of tens of thousands of charts is listed). The
    // first use of the list waits for the listing to end.
    void refreshInBackground(const QString& localFolder);

    // The folder listed, as found on the disk.
    const QString& folder() const { settle(); return current_.folder; }
    const QStringList& names() const { settle(); return current_.names; }
    qsizetype size() const { settle(); return current_.names.size(); }
    bool isEmpty() const { settle(); return current_.names.isEmpty(); }
    const QString& at(qsizetype i) const { settle(); return current_.names.at(i); }
    QStringList::const_iterator begin() const { settle(); return current_.names.cbegin(); }
    QStringList::const_iterator end() const { settle(); return current_.names.cend(); }

    // The listed names that start with prefix (letter case counts), in list order, found without
    // walking the whole list: "H7_00010001_" gives the charts of one farmer of year 7.
    QStringList withPrefix(const QString& prefix) const;
    // The local path of a listed name: the folder and the name, nothing looked up.
    QString path(const QString& fileName) const;

private:
    struct Listing
    {
        QString folder;
        QStringList names;
        QStringList keys;        // names case-folded, for the searches
        qint64 folderTime = -1;  // the folder's modification time (ns) when it was listed
        bool racy = true;        // listed so soon after a change that a later one may share its time
    };
    static Listing list(const QString& resolvedFolder, qint64 folderTime);

    // The listing in use. A listing running in the background is taken in by the first reader
    // (settle()), which is why a reader that does not change the list may still set it.
    mutable Listing current_;
    mutable std::future<Listing> pending_;
    void settle() const
    {
        if (pending_.valid())
            current_ = pending_.get();
    }};
