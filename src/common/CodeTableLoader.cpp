#include "CodeTableLoader.h"

#include "DataPath.h"
#include "SharedState.h"
#include "TextFile.h"

CodeTableLoader::Result CodeTableLoader::CodeTableLoadProc()
{
    SharedState& s = SharedState::get();
    return load(s.Tables, s.ken);
}

CodeTableLoader::Result CodeTableLoader::load(CodeTables& tables, Ken ken)
{
    Result result;
    tables.YakkaCodeTable = readTable(yakkaCodePath(), result);
    for (int k = 1; k <= 9; ++k)
        tables.SinryoCodeTable[k] = readTable(sinryoCodePath(k), result);
    tables.LenCodeTable = readTable(lenCodePath(), result);

    tables.YakkaMiyazakiTable = tableOf({});
    tables.SinryoMiyazakiTable = tableOf({});
    if (isMiyazaki(ken)) {
        tables.YakkaMiyazakiTable = readTable(yakkaMiyazakiPath(), result);
        tables.SinryoMiyazakiTable = readTable(sinryoMiyazakiPath(), result);
    }
    return result;
}

QStringList CodeTableLoader::tableOf(const QStringList& lines)
{
    QStringList table = lines;
    table.append(QString());
    return table;
}

QList<QStringList> CodeTableLoader::tableFields(const QStringList& table, QChar separator)
{
    QList<QStringList> out;
    for (const QString& line : table) {
        if (line.isEmpty())
            break;
        out.append(line.split(separator));
    }
    return out;
}

QStringList CodeTableLoader::readTable(const QString& localPath, Result& result)
{
    const TextFile file = TextFile::read(localPath);
    if (file.missing())
        result.missingFiles.append(localPath);
    else if (!file.ok())
        result.errorTexts.append(file.errorText);
    return tableOf(file.ok() ? file.texts() : QStringList());
}

QString CodeTableLoader::problemMessage(const Result& result)
{
    if (result.ok())
        return QString();
    QStringList parts;
    if (!result.missingFiles.isEmpty())
        parts.append(QStringLiteral("次のコードファイルがありません。\n") + result.missingFiles.join(QLatin1Char('\n')));
    parts += result.errorTexts;
    parts.append(QStringLiteral("これらの表は空のまま使われます。"));
    return parts.join(QStringLiteral("\n\n"));
}

QString CodeTableLoader::yakkaCodePath()
{
    return DataPath::map(QStringLiteral("C:\\Nolvari\\Code\\YakkaCode.ini"));
}

QString CodeTableLoader::sinryoCodePath(int number)
{
    return DataPath::map(QStringLiteral("C:\\Nolvari\\Code\\SinryoCode%1.ini").arg(number));
}

QString CodeTableLoader::lenCodePath()
{
    return DataPath::map(QStringLiteral("C:\\Nolvari\\Code\\LenCode.ini"));
}

QString CodeTableLoader::yakkaMiyazakiPath()
{
    return DataPath::map(QStringLiteral("C:\\Nolvari\\Code\\YakkaCode_Miyazaki.ini"));
}

QString CodeTableLoader::sinryoMiyazakiPath()
{
    return DataPath::map(QStringLiteral("C:\\Nolvari\\Code\\SinryoCode_Miyazaki.ini"));
}

bool CodeTableLoader::isMiyazaki(Ken ken)
{
    return ken == Ken::Miyazaki;
}
