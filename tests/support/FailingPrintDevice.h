#pragma once

#include "common/RecordingPrintDevice.h"

// A recording device whose document never reaches the printer: ending it fails with Message.
class FailingPrintDevice : public RecordingPrintDevice
{
public:
    static inline const QString Message = QStringLiteral("プリンターに送れませんでした。");

    bool endDoc(QString* errorText = nullptr) override
    {
        if (errorText)
            *errorText = Message;
        return false;
    }
};
