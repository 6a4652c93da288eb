#pragma once

#include <QString>

// Stand-ins for the chart file model's header write, existence test, copy and removal until it is
// merged in: the animal register calls only these four.
namespace Pending {
// Existing chart (any letter case): new lines 0 and 1, every further line as read. Otherwise a
// new chart of the two lines.
bool writeKarteHeader(const QString& folder, const QString& fileName, const QString& line0,
                      const QString& line1, QString* errorText);
bool karteExists(const QString& folder, const QString& fileName);
// A new chart newName with the new header lines and the episodes of oldName; refused when
// newName exists.
bool copyKarte(const QString& folder, const QString& oldName, const QString& newName, const QString& line0,
               const QString& line1, QString* errorText);
bool removeKarte(const QString& folder, const QString& fileName, QString* errorText);
}
