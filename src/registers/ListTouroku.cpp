#include "ListTouroku.h"

int ListTouroku::indexOf(const QStringList& list, const QString& text)
{
    const QString key = text.trimmed();
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).trimmed() == key)
            return i;
    return -1;
}

bool ListTouroku::add(QStringList& list, const QString& text, bool allowEmpty)
{
    const QString value = text.trimmed();
    if ((value.isEmpty() && !allowEmpty) || indexOf(list, value) >= 0)
        return false;
    list.append(value);
    return true;
}

bool ListTouroku::remove(QStringList& list, const QString& text)
{
    const int at = indexOf(list, text);
    if (at < 0)
        return false;
    list.removeAt(at);
    return true;
}
