#include "PrintDeviceSource.h"

#include "QtPrintDevice.h"

namespace {
PrintDeviceSource::Factory& factory()
{
    static PrintDeviceSource::Factory instance;
    return instance;
}
} // namespace

std::shared_ptr<PrintDevice> PrintDeviceSource::open(const QString& jobName)
{
    if (factory())
        return factory()(jobName);
    return QtPrintDevice::forSystem(jobName);
}

void PrintDeviceSource::setFactory(Factory f)
{
    factory() = std::move(f);
}
