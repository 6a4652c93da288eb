#include "KouhoListFile.h"

#include "SetteiData.h"
#include "common/MsgBox.h"

#include <QListWidget>

KouhoListFile::KouhoListFile(const QString& localPath) : path(localPath) {}

void KouhoListFile::load(QListWidget* list, bool skipEmpty)
{
    list->clear();
    for (const QString& line : SetteiData::readLines(path, &readable, &readError)) {
        if (!skipEmpty || !line.isEmpty())
            list->addItem(line);
    }
    if (!readable)
        MsgBox::show(readError, QStringLiteral("確認"));
}

bool KouhoListFile::save(const QListWidget* list) const
{
    QString error = readError;
    if (readable && SetteiData::writeLines(path, items(list), &error))
        return true;
    MsgBox::show(error, QStringLiteral("確認"));
    return false;
}

QStringList KouhoListFile::items(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}
