#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The disease code files of the installation, "\Nolvari\code\": BigCode.ini (major code, major
// class name), MidleCode.ini (major code, range of middle codes "low_high", middle class name) and
// NameCode.ini (major code, middle code, name code, disease name); fields separated by ",", read
// whole, never written. A line with fewer fields than its file has (an empty line too) is passed
// over; the records end at the first line whose field 0 is empty.
class ByoCodeFile
{
public:
    QList<QStringList> Big;     // fields 0 and 1
    QList<QStringList> Midle;   // fields 0 to 2
    QList<QStringList> Name;    // fields 0 to 3

    static QString bigPath();
    static QString midlePath();
    static QString namePath();

    // Reads the three files; a file that is missing or cannot be read gives no records and its
    // error (naming the file) in errors.
    static ByoCodeFile load(QStringList* errors = nullptr);
    // The records of one file's lines.
    static QList<QStringList> records(const QStringList& lines, int fieldCount);

    QStringList bigNames() const;
    QString bigCode(int bigIndex) const;
    QStringList midleNames(const QString& bigCode) const;
    // The disease names of the middle class named midleName under the major code: the name lines
    // whose major code is the major code and whose middle code lies within the class's range.
    // The first middle class of that name holds; without one, or without a range, none.
    QList<QStringList> names(const QString& bigCode, const QString& midleName) const;

    // The range "low_high" of middle codes as whole numbers (fractions dropped); false when the
    // text is empty or one end is missing.
    static bool range(const QString& text, int& low, int& high);
    // The disease code of a name line: fields 0, 1 and 2 joined by "-", the last "0" when field 2
    // is not a number above 0.
    static QString byoCode(const QStringList& nameRecord);
};
