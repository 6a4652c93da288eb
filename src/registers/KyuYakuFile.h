#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The print texts of the registered drugs, such as a withdrawal period: "SubSet1.ini" in the
// settings folder, one line per drug that has a text: category mark, registered name, print text
// and the drug's name and standard, separated by "'". The drugs are those of the four registered
// drug-name files, in the order C, N, G, S.
class KyuYakuFile
{
public:
    struct Row
    {
        QString Kubun;   // category mark
        QString Touroku; // registered name
        QString Insatu;  // print text
        QString Key;     // drug name "：" standard
    };

    static QString path();

    // The registered drugs with their print texts; lines of the print-text file whose drug has
    // no registered name any more are left out.
    static QList<Row> load(QStringList* errors = nullptr);
    // The distinct non-empty print texts in row order.
    static QStringList kouho(const QList<Row>& rows);
    static QStringList lines(const QList<Row>& rows);
    static bool save(const QList<Row>& rows, QString* errorText);
};
