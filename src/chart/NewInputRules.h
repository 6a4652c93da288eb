#pragma once

#include <QString>
#include <optional>

class NewInputModel;

// The chart editor's rules that decide from a few values: the close checks, the print job, the
// template name, the date a picker returned and the premium-period expiry check.
class NewInputRules
{
public:
    // What the close command does next.
    struct CloseStep
    {
        enum Kind {
            Refuse,      // a message, the editor stays open
            AskNoSave,   // OK closes without saving, Cancel stays
            AskTiryobo,  // Yes saves and closes, No closes leaving the chart as it was
            Save,        // save once and close
            CloseOnly,   // nothing was read: close without saving
        };
        Kind kind = Save;
        QString text;
        QString title;
    };
    static CloseStep closeCheck(const NewInputModel& model);

    // The print job: chart file "'" disease-1 name (trimmed) "'" first-examination date as shown.
    static QString printJobEntry(const QString& karteFile, const QString& byoName, const QString& syosinDate);

    // The proposed template name: disease 1, and "_" and disease 3 when there is one.
    static QString hinagataName(const QString& byoName1, const QString& byoName3);

    // The date the picker returned as the chart stores it (year.month.day); nothing without a year.
    static std::optional<QString> pickedDate(const QString& yearOut, const QString& manthOut, const QString& dayOut);

    // True when the picked date is on or before the premium-period expiry shown in ManryoGd.
    // Both dates are compared in the Western calendar from their era letters (R, H, S); a date
    // without a letter takes the other's era. An expiry without "." ("満了日未設定") always passes.
    static bool ManryoHikakuProc(const QString& manryoGd, const QString& nenGappiOut, const QString& yearOut,
                                 const QString& manthOut, const QString& dayOut);

    // "[診察-n]" of examination j (0-based).
    static QString label1(int j);

private:
    static std::optional<int> seirekiOffset(const QString& text);
};
