#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TempDataRoot;

// Chart files written out field by field, independently of the chart model, for the tests: two
// header lines and one block of 224 lines per episode, every field followed by "'".
namespace KarteFixture {

// Line 0 and line 1 of a sample animal; with curly, "’" stands between some of the fields.
QString noukaLine(bool curly = false);
QString kotaiLine(bool curly = false);

// A line of exactly the given fields, each followed by "'".
QString line(const QStringList& fields);
// A block line of 16 fields from the given ones, the rest empty.
QString blockLine(const QStringList& fields);

// A block of 224 lines: disease 1 name and first-examination date, examination 1 dated with
// the first-examination date, a course text and one priced treatment line.
QStringList block(const QString& byoName, const QString& syosinDate, const QString& gensyo = QString());

// Header lines followed by the blocks.
QStringList chart(const QList<QStringList>& blocks, bool curly = false);

struct Episode
{
    QStringList name;   // fields 1.. of the "Name" record (field 0 is added)
    QStringList data1;  // fields 1.. of the first "Data" record
};

// An animal record of 16 fields with ear tag, name, species, sex, birth date and base name.
QStringList kotai(const QString& earTag, const QString& name, const QString& base,
                  const QString& syurui = QStringLiteral("乳用牛"), const QString& seibetu = QStringLiteral("雌"),
                  const QString& birth = QStringLiteral("H30.4.1"));
QStringList nouka(const QString& tiku, const QString& name, const QString& code);
// A "Name" record's fields 1 to 15: disease, first and last exam, outcome date and outcome,
// count, kind, submission month.
QStringList nameRecord(const QString& byoName, const QString& syosin, const QString& syusin,
                       const QString& tenkiDate, const QString& tenki, const QString& count, const QString& kind,
                       const QString& teisyutu);
QStringList dataRecord(const QString& outcomeDate2, const QString& outcome2 = QString());

// Writes the chart of the header records and episodes to localPath in CP932.
void write(const QString& localPath, const QStringList& nouka, const QStringList& kotai,
           const QList<Episode>& episodes);

// The chart of editorChart in data year 7 under the root, with the blocks and a clinic address;
// the shared state names it as the current chart. Returns its local path.
extern const QString editorChart;
QString writeEditorChart(const TempDataRoot& root, const QList<QStringList>& blocks);
// The shared state asks the editor for the existing episode with this key.
void openExisting(const QString& byoName, const QString& syosinDate);

}
