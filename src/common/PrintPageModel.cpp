#include "PrintPageModel.h"

#include "DataPath.h"
#include "ValueReader.h"

#include <QFileInfo>
#include <cmath>

PrintPageModel PrintPageModel::current()
{
    const SharedState& state = SharedState::get();
    PrintPageModel page;
    page.TwipPerMm = state.TwipPerMm;
    page.PrintHosei = state.PrintHosei;
    page.ken = state.ken;
    page.MieSizeOpKioku = state.MieSizeOpKioku;
    page.MieA4Flag = state.MieA4Flag;
    page.OcrWidth = state.Hand.OcrWidth;
    return page;
}

PrintPageModel PrintPageModel::forPrimitive()
{
    float& nobi = SharedState::get().PrintHosei.NobiHosei;
    if (nobi == 0)
        nobi = 1.0f;
    return current();
}

PrintHoseiInfo PrintPageModel::readPrintSetFile(const QString& localPath, QString* errorText)
{
    PrintHoseiInfo hosei;
    if (!QFileInfo::exists(localPath))
        return hosei;
    const QStringList values = ValueReader::readFile(localPath, errorText);
    hosei.YokoHosei = float(ValueReader::leadingNumber(ValueReader::at(values, 0)));
    hosei.TateHosei = float(ValueReader::leadingNumber(ValueReader::at(values, 1)));
    hosei.NobiHosei = float(ValueReader::leadingNumber(ValueReader::at(values, 2)));
    return hosei;
}

bool PrintPageModel::loadPrintSetFile(QString* errorText)
{
    QString error;
    SharedState::get().PrintHosei = readPrintSetFile(DataPath::file(QStringLiteral("set\\PrintSet.ini")), &error);
    if (errorText)
        *errorText = error;
    return error.isEmpty();
}

std::optional<QPoint> PrintPageModel::cornerTwips(double x, double y) const
{
    const bool calibrated = !mieA4Chosen();
    const std::optional<int> xt = floorTwips(k() * x + (calibrated ? k() * PrintHosei.YokoHosei : 0));
    const std::optional<int> yt = floorTwips(k() * y + (calibrated ? k() * PrintHosei.TateHosei : 0));
    if (!xt || !yt)
        return std::nullopt;
    return QPoint(*xt, *yt);
}

std::optional<int> PrintPageModel::floorTwips(double twips)
{
    const double whole = std::floor(twips);
    if (!(whole >= -32768 && whole <= 32767))
        return std::nullopt;
    return int(whole);
}

std::optional<int> PrintPageModel::nearestTwips(double twips)
{
    // nearbyint rounds in the default mode, to nearest with a half going to the even neighbour.
    const double whole = std::nearbyint(twips);
    if (!(whole >= -32768 && whole <= 32767))
        return std::nullopt;
    return int(whole);
}
