#pragma once

#include <QString>
#include <QStringList>

// Adding a typed name to a list of names and deleting it again, as the district list, the
// candidate lists and the pickers' candidates do: texts compare after their outer blanks are
// removed, so a name typed with a blank in front neither appears twice nor escapes deletion.
class ListTouroku
{
public:
    // Appends the trimmed text when no entry equals it. An empty text is appended only when
    // allowEmpty is set. True when the list changed.
    static bool add(QStringList& list, const QString& text, bool allowEmpty);
    // Removes the first entry equal to the trimmed text. True when one was removed.
    static bool remove(QStringList& list, const QString& text);
    static int indexOf(const QStringList& list, const QString& text);
};
