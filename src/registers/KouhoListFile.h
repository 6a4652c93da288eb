#pragma once

#include <QString>
#include <QStringList>

class QListWidget;

// A list box whose entries are the lines of a small settings file (candidates, remembered texts):
// read whole when its window opens, rewritten whole after every change. A file that exists but
// cannot be read is reported and never replaced, so its lines are not lost.
class KouhoListFile
{
public:
    explicit KouhoListFile(const QString& localPath);

    // Fills the list with the file's lines (without the empty ones when skipEmpty); reports a
    // file that cannot be read.
    void load(QListWidget* list, bool skipEmpty);
    // Rewrites the file from the list's entries; reports and returns false when it cannot.
    bool save(const QListWidget* list) const;

    static QStringList items(const QListWidget* list);

private:
    QString path;
    bool readable = true;
    QString readError;
};
