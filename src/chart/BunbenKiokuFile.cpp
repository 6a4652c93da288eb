#include "BunbenKiokuFile.h"

#include "common/DataPath.h"

QString BunbenKiokuFile::path()
{
    return DataPath::file(QStringLiteral("set\\BunbenKioku.ini"));
}

BunbenKiokuFile BunbenKiokuFile::read()
{
    BunbenKiokuFile kioku;
    const TextFile file = TextFile::read(path());
    if (file.ok()) {
        kioku.Lines = file.lines;
    } else if (!file.missing()) {
        kioku.Readable = false;
        kioku.ErrorText = file.errorText;
    }
    return kioku;
}

QStringList BunbenKiokuFile::texts() const
{
    QStringList out;
    for (const TextLine& line : Lines)
        out.append(line.text);
    return out;
}

void BunbenKiokuFile::record(const QString& noukaCode, const QString& mimiban, const QString& bunben,
                             const QString& jyusei)
{
    const QChar sep(u'\'');
    const QString line = QStringList{noukaCode, mimiban, bunben, jyusei}.join(sep);
    for (TextLine& item : Lines) {
        const QStringList f = item.text.split(sep);
        if (item.text.contains(sep) && f.at(0) == noukaCode && f.at(1) == mimiban) {
            if (item.text != line)
                item = TextLine(line);
            return;
        }
    }
    Lines.append(TextLine(line));
}

bool BunbenKiokuFile::write(QString* errorText) const
{
    if (!Readable) {
        if (errorText)
            *errorText = ErrorText;
        return false;
    }
    return TextFile::write(path(), Lines, errorText);
}
