#include "CheckPrintProc.h"

#include "common/MojiPrintProc.h"
#include "common/PrintDevice.h"

namespace {

constexpr int LinesPerPage = 45;

// The line counter of the list: a new page starts when a text falls on line 45, so that a list
// ending with a full page leaves no blank sheet.
class Lines
{
public:
    explicit Lines(PrintDevice& device) : dev(device) {}

    void print(const QString& text, float x)
    {
        if (n == LinesPerPage) {
            dev.newPage();
            n = 0;
        }
        MojiPrintProc(dev, text, 10, 1, x, 28.5f + 5.0f * float(n), 1, 0);
    }
    void advance() { ++n; }

private:
    PrintDevice& dev;
    int n = 0;
};

} // namespace

bool CheckPrintProc(PrintDevice& device, const QList<QStringList>& table, QString* errorText)
{
    device.setPaper(PrintDevice::Paper::A4, PrintDevice::Orientation::Portrait);
    Lines lines(device);
    for (int r = 1; r < table.size(); ++r) {
        const QStringList& row = table.at(r);
        if (row.value(0).isEmpty())
            continue;
        lines.print(row.value(0), 19.5f);
        lines.print(row.value(1), 29.5f);
        lines.print(row.value(2), 69.5f);
        for (int c = 3; c < row.size(); ++c) {
            if (row.at(c).isEmpty())
                continue;
            lines.advance();
            lines.print(row.at(c), 69.5f);
        }
        lines.advance();
    }
    return device.endDoc(errorText);
}
