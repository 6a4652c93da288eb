#include "TiryoboFile.h"

#include "common/DataPath.h"
#include "common/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QChar Sep = QLatin1Char('\'');
const QChar Quote = QChar(0x2019);

bool writeLines(const QString& localPath, const QStringList& lines, QString* errorText)
{
    QDir().mkpath(QFileInfo(localPath).absolutePath());
    return TextFile::write(localPath, lines, errorText);
}
}

QString TiryoboFile::baseName(const QString& karteFile)
{
    return karteFile.endsWith(QStringLiteral(".sxd"), Qt::CaseInsensitive) ? karteFile.chopped(4) : karteFile;
}

QString TiryoboFile::txbPath(const QString& karteFile)
{
    return DataPath::file(QStringLiteral("cb\\") + txbName(karteFile));
}

QString TiryoboFile::ixbPath(const QString& karteFile)
{
    return DataPath::file(QStringLiteral("inport\\") + ixbName(karteFile));
}

QString TiryoboFile::line(const TiryoboRow& row)
{
    QStringList cells;
    for (const QString& cell : row.cells) {
        QString c = cell;
        c.replace(QStringLiteral("\r\n"), QStringLiteral("\t"));
        c.replace(Sep, Quote);
        cells.append(c);
    }
    return cells.join(Sep);
}

std::optional<TiryoboRow> TiryoboFile::parseLine(const QString& line)
{
    if (!line.contains(Sep))
        return std::nullopt;
    QStringList fields = line.split(Sep);
    for (QString& field : fields)
        field.replace(QLatin1Char('\t'), QStringLiteral("\r\n"));
    return TiryoboRow::fromCells(fields);
}

QList<TiryoboRow> TiryoboFile::parse(const QStringList& lines)
{
    QList<TiryoboRow> rows;
    for (const QString& line : lines) {
        if (const auto row = parseLine(line))
            rows.append(*row);
    }
    return rows;
}

TiryoboFile TiryoboFile::readImport(const QString& localPath)
{
    TiryoboFile book;
    const TextFile file = TextFile::read(localPath);
    if (file.ok()) {
        book.status = Status::Read;
        book.rows = parse(file.texts());
    } else if (!file.missing()) {
        book.status = Status::Error;
        book.errorText = file.errorText;
    }
    return book;
}

TiryoboFile TiryoboFile::readBook(const QString& localPath)
{
    TiryoboFile book = readImport(localPath);
    if (book.status == Status::Missing) {
        book.status = writeLines(localPath, {QString()}, &book.errorText) ? Status::Created : Status::Error;
    }
    return book;
}

bool TiryoboFile::write(const QString& localPath, const TiryoboBook& book, QString* errorText)
{
    QStringList lines;
    for (const TiryoboRow& row : book.filledRows())
        lines.append(line(row));
    return writeLines(localPath, lines, errorText);
}
