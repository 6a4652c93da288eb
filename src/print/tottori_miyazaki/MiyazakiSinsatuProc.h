#pragma once

#include <QString>
#include <QStringList>

class MiyazakiDataGrid;
class PrintDevice;
struct MiyazakiSource;

// The examination blocks of the Miyazaki certificate: three slots a page (Table V), each with
// its date boxes and start time, vital signs, picture, course text, house call, PL test mark and
// up to seven treatment rows 7.2 mm apart (Table R: category, content, treatment code, drug
// code, quantity, and with option 5 the B points and the drug price looked up in the chart
// editor's price tables).
class MiyazakiSinsatuProc
{
public:
    // The slots of the source's page.
    static void print(PrintDevice& device, MiyazakiSource& source);

    // The content text of a treatment row (NaiyoPrintProc): the name, ":" and the standard
    // shortened (バイアル → B, 処方単位 → T) unless nameOnly, "[" quantity "]" when withSuryo; a
    // text of more than 60 bytes falls back to the name alone.
    static QString naiyoText(const QString& name, const QString& kikaku, const QString& suryo, bool nameOnly,
                             bool withSuryo);
    // The content cut into lines of 20 bytes as the form's column takes them: a character that
    // takes the count past 20 opens the next line and is not counted in it.
    static QStringList naiyoLines(const QString& text);
    // Prints the lines at the row's y: one line 9 pt (8 pt above 16 bytes), two lines 8 pt at
    // y -/+ 1.3, three 7.3 pt at y - 2.3, y, y + 2.3. A name that needs more lines prints its
    // first three.
    static void NaiyoPrintProc(PrintDevice& device, const QString& text, float x, float y);

    // The B points of a treatment code (DataGrid(1)); empty when the code is not listed.
    static QString CodeNameMiyazakiProc(const MiyazakiDataGrid& grid, const QString& code);
    // The price of a quantity of a drug (DataGrid(0) unit price x quantity, a whole number);
    // empty when the drug is not listed or the price rounds to 0.
    static QString CodeKingakuMiyazakiProc(const MiyazakiDataGrid& grid, const QString& code, const QString& quantity);
};
