#pragma once

#include <QString>
#include <functional>
#include <memory>

class PrintDevice;

// Where a print job goes: the system's default printer, or a PDF file in the data root's "print"
// folder where none is configured (QtPrintDevice::forSystem). Tests install a factory that hands
// out a recording device (or a PDF device of their own) and keep a reference to it.
class PrintDeviceSource
{
public:
    using Factory = std::function<std::shared_ptr<PrintDevice>(const QString& jobName)>;

    static std::shared_ptr<PrintDevice> open(const QString& jobName);
    static void setFactory(Factory factory);
};
