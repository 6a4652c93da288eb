#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The saved result of a treatment-record tally, "C:\Nolvari\Kaihatu.ini" (under the data root):
// line 1 the six period boxes (year, from-month, from-day, to-month, to-day, submission month),
// then one line per row of the result grid, the cells of its 15 columns; fields separated by "'".
// Written whole through a temporary file. Reading gives the period and the rows (each padded or
// cut to the grid's columns), or nothing with the reason when the file is missing or damaged.
class SinryoKaihatuFile
{
public:
    QStringList period;          // six texts
    QList<QStringList> rows;     // grid columns 0 to 14

    static QString filePath();
    bool write(QString* errorText = nullptr) const;
    static std::optional<SinryoKaihatuFile> read(QString* errorText = nullptr);
};
