#pragma once

#include <QString>
#include <QStringList>

// Chart templates: one episode block each, "set\<name>.hxd", exactly 224 lines of 16 fields, each
// field followed by "'", in the chart's code page. The class of a template is the number before
// the first "-" of its first disease code (field 3 of line 0); a code without "-" gives none.
class HinagataFile
{
public:
    static QString path(const QString& name);
    // The file names of the templates ("*.hxd" in the settings folder), in file-name order.
    static QStringList fileNames();
    // The class of a template from its first line, -1 when its code has no "-".
    static int bunrui(const QString& line0);
    // The names of the templates of a class, in file-name order.
    static QStringList list(int bunrui);
    // True when a template of that name exists, whatever its class.
    static bool exists(const QString& name);

    // True when the lines are one chart block: 224 lines of 16 fields, each followed by "'".
    // Otherwise false with the reason.
    static bool check(const QStringList& lines, QString* reason = nullptr);
    // The template's lines; false with a message naming the file when it is missing, cannot be
    // read or is not a chart block.
    static bool read(const QString& name, QStringList& lines, QString* error);
    // Writes the lines (each without CR and LF) as the template's file, whole, once they form a
    // chart block; false with the reason otherwise.
    static bool write(const QString& name, const QStringList& lines, QString* error);
    static bool remove(const QString& name, QString* error);
};
