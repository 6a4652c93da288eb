#pragma once

#include <QString>
#include <QStringList>

class TempDataRoot;

// Chart lines written out field by field, independently of the chart model, for the tests.
namespace KarteFixture {

// Line 0 and line 1; with curly, "’" stands between some of the fields.
QString noukaLine(bool curly = false);
QString kotaiLine(bool curly = false);

// A record line of 16 fields from the given ones, the rest empty.
QString line(const QStringList& fields);

// A block of 224 lines: disease 1 name and first-examination date, examination 1 dated with
// the first-examination date, a course text and one priced treatment line.
QStringList block(const QString& byoName, const QString& syosinDate, const QString& gensyo = QString());

// Header lines followed by the blocks.
QStringList chart(const QList<QStringList>& blocks, bool curly = false);

// The chart of editorChart in data year 7 under the root, with the blocks and a clinic address;
// the shared state names it as the current chart. Returns its local path.
extern const QString editorChart;
QString writeEditorChart(const TempDataRoot& root, const QList<QStringList>& blocks);
// The shared state asks the editor for the existing episode with this key.
void openExisting(const QString& byoName, const QString& syosinDate);

}
