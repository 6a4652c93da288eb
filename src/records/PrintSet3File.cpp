#include "PrintSet3File.h"

#include "common/DataPath.h"

QString PrintSet3File::filePath()
{
    return DataPath::file(QStringLiteral("set\\PrintSet3.ini"));
}
