#pragma once

#include "KenanData.h"
#include "KenanIdentity.h"

#include <QString>
#include <optional>

class PrintDevice;

// The death-and-disposal accident certificate drawn whole on plain A4 landscape paper: frame,
// rulings, captions, the strike lines of a post-mortem certificate (検案書) and the data, as many
// identical sheets as asked. Positions are millimetres from the frame origin, 16 mm from the
// paper's left and 19 mm from its top. The sheet is drawn without the print calibration.
class KenanPrintProc
{
public:
    // Everything a sheet prints: the certificate's values and what the registers give.
    struct Source
    {
        KenanData data;
        QString noukaName;      // NoukaFile field 1 of the member code
        QString noukaAddress;   // field 3
        QString kumiai;         // field 5, the association
        QString docAd;          // DocAdFile
        KenanIdentity identity;
    };

    // The sheet count typed: the number rounded half to even; nothing when the text is not a
    // number or the count is below 1 or above 32767.
    static std::optional<int> sheets(const QString& typed);
    // The member code of the member header (its third "："-part), empty with fewer parts.
    static QString noukaCode(const QString& infoGd0);
    // The source of the certificate: the register line of the member code (the last one wins; a
    // line of fewer fields leaves the missing ones empty; no look-up without a code), DoctorFile's
    // name for the identity among the site rows, and DocAdFile.
    static Source load(const KenanData& data);

    // Draws the sheets; the caller ends the document.
    static void print(PrintDevice& device, const Source& source, int sheetCount);
    static void sheet(PrintDevice& device, const Source& source);
};
