#include "PrintSet2File.h"

#include "common/DataPath.h"

QString PrintSet2File::filePath()
{
    return DataPath::file(QStringLiteral("set\\PrintSet2.ini"));
}

PrintSet2File PrintSet2File::read()
{
    PrintSet2File set;
    static_cast<PrintOffsetFile&>(set) = PrintOffsetFile::read(filePath());
    return set;
}

bool PrintSet2File::write(QString* errorText) const
{
    return PrintOffsetFile::write(filePath(), errorText);
}
