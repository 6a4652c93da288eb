#include "HinagataFile.h"

#include "chart/KarteBlock.h"
#include "chart/KarteText.h"
#include "common/DataPath.h"
#include "common/TextFile.h"
#include "common/ValueReader.h"
#include "registers/SetteiData.h"

#include <QFile>
#include <QFileInfo>

namespace {
QString folder()
{
    return QFileInfo(SetteiData::path(QStringLiteral("x.hxd"))).absolutePath();
}
} // namespace

QString HinagataFile::path(const QString& name)
{
    return DataPath::resolve(SetteiData::path(name + QStringLiteral(".hxd")));
}

QStringList HinagataFile::fileNames()
{
    return DataPath::list(folder(), QStringLiteral("*.hxd"));
}

int HinagataFile::bunrui(const QString& line0)
{
    const QStringList code = line0.section(QLatin1Char(','), 0, 0).split(QLatin1Char('\'')).value(3).split(QLatin1Char('-'));
    return code.size() < 2 ? -1 : int(ValueReader::leadingNumber(code.at(0).trimmed()));
}

QStringList HinagataFile::list(int wanted)
{
    QStringList names;
    for (const QString& file : fileNames()) {
        const TextFile text = TextFile::read(DataPath::resolve(folder() + QLatin1Char('/') + file));
        if (text.ok() && !text.lines.isEmpty() && bunrui(text.lines.first().text) == wanted)
            names.append(file.left(file.size() - 4).trimmed());
    }
    return names;
}

bool HinagataFile::exists(const QString& name)
{
    return QFile::exists(path(name));
}

bool HinagataFile::check(const QStringList& lines, QString* reason)
{
    if (lines.size() != KarteBlock::LineCount) {
        if (reason)
            *reason = QStringLiteral("%1行です（%2行のはずです）").arg(lines.size()).arg(KarteBlock::LineCount);
        return false;
    }
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (KarteText::fieldCount(line) != KarteBlock::FieldCount || !line.endsWith(QLatin1Char('\''))) {
            if (reason)
                *reason = QStringLiteral("%1行目の項目が%2個ではありません").arg(i + 1).arg(KarteBlock::FieldCount);
            return false;
        }
    }
    return true;
}

bool HinagataFile::read(const QString& name, QStringList& lines, QString* error)
{
    const QString file = path(name);
    const TextFile text = TextFile::read(file);
    if (!text.ok()) {
        *error = text.errorText;
        return false;
    }
    QStringList read = text.texts();
    while (!read.isEmpty() && read.last().isEmpty())
        read.removeLast();
    QString reason;
    if (!check(read, &reason)) {
        *error = QStringLiteral("雛形のファイルが壊れています: %1（%2）").arg(file, reason);
        return false;
    }
    lines = read;
    return true;
}

bool HinagataFile::write(const QString& name, const QStringList& lines, QString* error)
{
    QStringList cleaned;
    for (QString line : lines)
        cleaned.append(line.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')));
    QString reason;
    if (!check(cleaned, &reason)) {
        *error = QStringLiteral("雛形として登録できません（%1）。").arg(reason);
        return false;
    }
    return SetteiData::writeLines(path(name), cleaned, error);
}

bool HinagataFile::remove(const QString& name, QString* error)
{
    QFile file(path(name));
    if (file.remove())
        return true;
    *error = QStringLiteral("ファイルを削除できません: %1（%2）").arg(file.fileName(), file.errorString());
    return false;
}
