#include "TcbLogFile.h"

#include "common/DataPath.h"
#include "common/SharedUtil.h"
#include "common/TextFile.h"
#include "print/common/SindansyoText.h"

#include <QDir>

namespace {
const QChar Sep = QLatin1Char('\'');
const QString Dot = QStringLiteral("･");

QString field(const QString& value)
{
    QString out = value;
    return out.replace(Sep, QChar(0x2019));
}

bool refused(const TcbLogFile::Kiroku& kiroku, const QString& reason, QString* errorText)
{
    if (errorText)
        *errorText = QStringLiteral("印刷済の記録を書けませんでした（") + kiroku.episode + QStringLiteral("）。\n") + reason;
    return false;
}
}

QString TcbLogFile::folder()
{
    return DataPath::file(QStringLiteral("tcb"));
}

QString TcbLogFile::path(const QString& teisyutuTuki)
{
    return DataPath::file(QStringLiteral("tcb\\") + teisyutuTuki + QStringLiteral(".ini"));
}

QString TcbLogFile::path(const QString& year, const QString& month)
{
    return path(year + Dot + month);
}

TcbLogFile::Kiroku TcbLogFile::kiroku(const QStringList& kotai, const QStringList& name, const QStringList& data3,
                                      const QString& doctorName)
{
    const QStringList meigou = SindansyoText::meigouNumber(kotai.value(6));
    const auto n = [&](int f) { return name.value(f); };
    const auto d = [&](int f) { return data3.value(f); };
    const QStringList fields{meigou.at(0), meigou.at(1), kotai.value(10), n(2), n(3), n(5), n(6), n(7), d(2),
                             d(8), d(6), d(7), n(9), doctorName, n(13), n(4), n(8)};
    QStringList out;
    for (const QString& f : fields)
        out.append(field(f));
    return {n(13), out.join(Sep), n(2) + QLatin1Char(' ') + n(5)};
}

bool TcbLogFile::TcbKirokuProc(const Kiroku& kiroku, QString* errorText)
{
    QString bad;
    if (SharedUtil::Trim(kiroku.month).isEmpty())
        return refused(kiroku, QStringLiteral("提出月がありません。"), errorText);
    if (!SharedUtil::FileNameCheckProc(kiroku.month, bad))
        return refused(kiroku, QStringLiteral("提出月「") + kiroku.month + QStringLiteral("」はファイル名にできません。"),
                       errorText);
    const QString localPath = path(kiroku.month);
    const TextFile file = TextFile::read(localPath);
    if (!file.ok() && !file.missing())
        return refused(kiroku, file.errorText, errorText);
    QList<TextLine> lines = file.lines;
    for (const TextLine& line : lines) {
        if (line.text == kiroku.line)
            return true;
    }
    lines.append(TextLine(kiroku.line));
    QDir().mkpath(folder());
    QString error;
    if (!TextFile::write(localPath, lines, &error))
        return refused(kiroku, error, errorText);
    return true;
}

QString TcbLogFile::normalized(const QString& line)
{
    return line.count(Sep) == OldFieldCount - 1 ? line + QStringLiteral("''") : line;
}

TcbLogFile::Log TcbLogFile::read(const QString& localPath)
{
    Log log;
    const TextFile file = TextFile::read(localPath);
    if (!file.ok()) {
        log.status = file.missing() ? Status::Missing : Status::Error;
        log.errorText = file.errorText;
        return log;
    }
    log.status = Status::Read;
    for (const QString& line : file.texts()) {
        if (line.contains(Sep))
            log.lines.append(normalized(line));
    }
    return log;
}

bool TcbLogFile::write(const QString& localPath, const QStringList& lines, QString* errorText)
{
    QDir().mkpath(folder());
    return TextFile::write(localPath, lines, errorText);
}

QStringList TcbLogFile::periods()
{
    QStringList out;
    for (QString name : DataPath::list(folder(), QStringLiteral("*.ini"))) {
        name.chop(4);
        out.append(name.replace(Dot, QStringLiteral("年")) + QStringLiteral("月"));
    }
    return out;
}
