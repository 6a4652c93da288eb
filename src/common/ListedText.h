#pragma once

#include <QString>
#include <QStringList>

// A paragraph for the closing message of a long run: a blank line, the heading, then the items
// one a line, the first maxNamed of them and "ほか n 件" for the rest. Empty without items.
QString ListedText(const QString& heading, const QStringList& items, int maxNamed = 20);
