#include "PrintOffsetFile.h"

#include "SharedUtil.h"
#include "TextFile.h"
#include "ValueReader.h"

PrintOffsetFile PrintOffsetFile::read(const QString& localPath)
{
    PrintOffsetFile set;
    const TextFile file = TextFile::read(localPath);
    if (!file.ok())
        return set;
    const QStringList lines = file.texts();
    set.yoko = SharedUtil::Trim(lines.value(0));
    set.tate = SharedUtil::Trim(lines.value(1));
    return set;
}

bool PrintOffsetFile::write(const QString& localPath, QString* errorText) const
{
    return TextFile::write(localPath, QStringList{yoko, tate}, errorText);
}

float PrintOffsetFile::offset(const QString& text)
{
    return float(ValueReader::leadingNumber(text));
}
