#include "TcbLogFile.h"

#include "chart/KarteData3Record.h"
#include "chart/KarteKotaiRecord.h"
#include "chart/KarteNameRecord.h"
#include "common/DataPath.h"
#include "common/TextFile.h"

#include <QDir>
#include <QRegularExpression>

namespace {
const QChar Sep = QLatin1Char('\'');
const QString Dot = QStringLiteral("･");

QString field(const QString& value)
{
    QString out = value;
    return out.replace(Sep, QChar(0x2019));
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

QString TcbLogFile::kirokuLine(const KarteKotaiRecord& kotai, const KarteNameRecord& name,
                               const KarteData3Record& data3, const QString& doctorName)
{
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    QString number = kotai.Meigou.contains(QLatin1Char(':')) ? kotai.kotaiBangou() : QString();
    number.remove(latin);
    const QStringList fields{kotai.meigouName(), number, kotai.Mimiban, name.ByoName, name.ByoCode,
                             name.SyosinDate, name.SyusinDate, name.TenkiDate, data3.YakkaGoukei,
                             data3.Ryoukin, data3.BTotal, data3.ATotal, name.SinryoKaisu,
                             doctorName, name.TeisyutuTuki, name.HatubyoDate, name.Tenki};
    QStringList out;
    for (const QString& f : fields)
        out.append(field(f));
    return out.join(Sep);
}

bool TcbLogFile::TcbKirokuProc(const KarteKotaiRecord& kotai, const KarteNameRecord& name,
                               const KarteData3Record& data3, const QString& doctorName, QString* errorText)
{
    const QString localPath = path(name.TeisyutuTuki);
    const TextFile file = TextFile::read(localPath);
    if (!file.ok() && !file.missing()) {
        if (errorText)
            *errorText = file.errorText;
        return false;
    }
    QStringList lines = file.texts();
    const QString line = kirokuLine(kotai, name, data3, doctorName);
    if (lines.contains(line))
        return true;
    lines.append(line);
    return write(localPath, lines, errorText);
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
