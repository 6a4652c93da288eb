#pragma once

#include "common/RecordingPrintDevice.h"

#include <QString>

// A recording device whose document cannot be ended, as a printer that went away: endDoc fails
// with the text failureText().
class FailingPrintDevice : public RecordingPrintDevice
{
public:
    static QString failureText() { return QStringLiteral("プリンタに接続できません。"); }

    bool endDoc(QString* errorText) override
    {
        if (errorText)
            *errorText = failureText();
        return false;
    }
};
