#include "PrintSet2File.h"

#include "common/DataPath.h"
#include "common/SharedUtil.h"
#include "common/TextFile.h"
#include "common/ValueReader.h"

QString PrintSet2File::filePath()
{
    return DataPath::file(QStringLiteral("set\\PrintSet2.ini"));
}

PrintSet2File PrintSet2File::read()
{
    PrintSet2File set;
    const TextFile file = TextFile::read(filePath());
    if (!file.ok())
        return set;
    const QStringList lines = file.texts();
    set.yoko = SharedUtil::Trim(lines.value(0));
    set.tate = SharedUtil::Trim(lines.value(1));
    return set;
}

bool PrintSet2File::write(QString* errorText) const
{
    return TextFile::write(filePath(), QStringList{yoko, tate}, errorText);
}

float PrintSet2File::offset(const QString& text)
{
    return float(ValueReader::leadingNumber(text));
}
