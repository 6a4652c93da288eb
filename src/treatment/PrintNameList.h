#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The Miyazaki registered drug names of one category, "set\PrintName<C|N|G|S>.ini" (注射, 内用,
// 外用, 挿入): one drug per line, fields separated by "'", field 1 the drug code, 3 the name,
// 4 the base quantity, 5 the unit. The file stands in the order of last use: the entry dialog
// moves the drug it returns to the top.
class PrintNameList
{
public:
    explicit PrintNameList(int category);
    PrintNameList() = default;

    bool ok() const { return readOk; }
    const QString& errorText() const { return error; }
    // The non-empty lines in file order.
    const QStringList& lines() const { return items; }
    // Code, name, base quantity and unit of each line, in line order.
    QList<QStringList> rows() const;
    static QStringList row(const QString& line);

    // The first line with the drug code, -1 when none.
    int indexOfCode(const QString& code) const;
    // Rewrites the file with line index first and every other line after it in its order (empty
    // lines dropped). False, with errorText, when it cannot be written or was not readable.
    bool moveToTop(int index);

private:
    QString file;
    QStringList items;
    bool readOk = true;
    QString error;
};
