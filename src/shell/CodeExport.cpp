#include "CodeExport.h"

#include "common/DataPath.h"
#include "common/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
QStringList fieldsOf(const QString& line)
{
    return line.split(QLatin1Char('\''));
}
} // namespace

QStringList CodeExport::sagyouLines(const QStringList& yakkaCodeTable)
{
    QStringList lines;
    for (qsizetype i = 0; i + 1 < yakkaCodeTable.size(); ++i) {
        const QStringList f = fieldsOf(yakkaCodeTable.at(i));
        lines.append(QStringList{f.value(0), f.value(1), f.value(2), QStringLiteral("*"), f.value(3),
                                 QString(), QString(), QString()}.join(QLatin1Char('\'')));
    }
    return lines;
}

QStringList CodeExport::sagyouTargets()
{
    return {QStringLiteral("C:\\Nolvari\\zenkoku_yakkacode\\2010.ini"),
            QStringLiteral("C:\\Tarvex\\zenkoku_yakkacode\\2010.ini"),
            QStringLiteral("C:\\NolvariWork\\zenkoku_yakkacode\\2010.ini"),
            QStringLiteral("C:\\TarvexWork\\zenkoku_yakkacode\\2010.ini")};
}

QStringList CodeExport::searchText(const QStringList& yakkaCodeTable, const QString& text)
{
    QStringList found;
    for (const QString& line : yakkaCodeTable)
        if (line.contains(text, Qt::CaseInsensitive))
            found.append(fieldsOf(line).value(0));
    return found;
}

QStringList CodeExport::searchPrice(const QStringList& yakkaCodeTable, const QString& text)
{
    QStringList found;
    for (const QString& line : yakkaCodeTable) {
        if (line.isEmpty())
            break;
        const QStringList f = fieldsOf(line);
        if (f.value(4) == text || f.value(3) == text)
            found.append(f.value(0) + QStringLiteral("：") + f.value(1));
    }
    return found;
}

QList<CodeExport::Assignment> CodeExport::assignments()
{
    return {
        {QStringLiteral("\\Nolvari\\code\\YakkaCode.ini"), QStringLiteral("KusuriName("),
         QStringLiteral("\\Nolvari\\code\\KusuriName.txt")},
        {QStringLiteral("\\Nolvari\\code\\SinryoCode.ini"), QStringLiteral("TiryoName("),
         QStringLiteral("\\Nolvari\\code\\TiryoName.txt")},
        {QStringLiteral("\\Nolvari\\code\\LenCode.ini"), QStringLiteral("LenName("),
         QStringLiteral("\\Nolvari\\code\\LenName.txt")},
    };
}

QStringList CodeExport::assignmentLines(const QString& prefix, const QStringList& lines)
{
    QStringList out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        out.append(prefix + QString::number(i) + QStringLiteral(")=\"") + lines.at(i) + QLatin1Char('"'));
    return out;
}

QStringList CodeExport::writeFiles(const QStringList& systemPaths, const QStringList& lines)
{
    QStringList errors;
    for (const QString& systemPath : systemPaths) {
        const QString path = DataPath::map(systemPath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QString error;
        if (!TextFile::write(path, lines, &error))
            errors.append(error);
    }
    return errors;
}

QStringList CodeExport::exportAssignments()
{
    QStringList errors;
    for (const Assignment& a : assignments()) {
        const TextFile source = TextFile::read(DataPath::map(a.source));
        if (!source.ok()) {
            errors.append(source.errorText);
            continue;
        }
        errors += writeFiles({a.target}, assignmentLines(a.prefix, source.texts()));
    }
    return errors;
}
