#include "TenkiIkkatuProc.h"

#include "chart/KarteBlock.h"
#include "chart/KarteFile.h"
#include "common/TextFile.h"

TenkiIkkatuProc::Choice TenkiIkkatuProc::choice(const TenkiValues& v)
{
    if (v.year.isEmpty() && v.manth.isEmpty() && v.day.isEmpty())
        return v.teisyutu.isEmpty() ? Choice::Closed : Choice::NoDate;
    if (v.reset())
        return Choice::Write;
    if (v.year.isEmpty() || v.manth.isEmpty() || v.day.isEmpty())
        return Choice::Partial;
    return Choice::Write;
}

QString TenkiIkkatuProc::noDateText()
{
    return QStringLiteral("転帰日が選ばれていないため、何も書き込みませんでした。");
}

QString TenkiIkkatuProc::partialText()
{
    return QStringLiteral("転帰日の年・月・日をすべて選んでください。\n何も書き込んでいません。");
}

QString TenkiIkkatuProc::nameLine(const QString& line, const TenkiValues& v)
{
    QStringList fields = line.split(QLatin1Char('\''));
    while (fields.size() < KarteBlock::FieldCount)
        fields.append(QString());
    fields[7] = v.reset() ? QString() : v.year + QLatin1Char('.') + v.manth + QLatin1Char('.') + v.day;
    fields[8] = v.reset() ? QStringLiteral("未") : v.tenki;
    fields[13] = v.teisyutu;
    QString out;
    for (int f = 0; f < KarteBlock::FieldCount; ++f)
        out += fields.at(f) + QLatin1Char('\'');
    return out;
}

TenkiIkkatuProc::Outcome TenkiIkkatuProc::write(const QString& localPath, const Target& target,
                                                const TenkiValues& values, QString* errorText)
{
    if (target.file.isEmpty())
        return Outcome::NoChart;
    const KarteFile chart = KarteFile::read(localPath);
    if (!chart.ok()) {
        if (errorText)
            *errorText = chart.errorText;
        return chart.missing ? Outcome::NoChart : Outcome::Unreadable;
    }
    const int line = chart.findEpisode(target.byoName, target.syosinDate);
    if (line >= chart.lineCount())
        return Outcome::NotFound;
    QList<TextLine> lines = chart.lines;
    lines[line] = TextLine(nameLine(lines.at(line).text, values));
    return TextFile::write(localPath, lines, errorText) ? Outcome::Written : Outcome::WriteFailed;
}

TenkiIkkatuProc::Result TenkiIkkatuProc::run(const QString& folder, const QList<Target>& targets,
                                             const TenkiValues& values)
{
    Result result;
    for (const Target& t : targets) {
        QString error;
        const Outcome outcome = write(folder + QLatin1Char('/') + t.file, t, values, &error);
        const QString row = t.number.isEmpty() ? QStringLiteral("合計行")
                                               : QStringLiteral("%1番 %2 %3").arg(t.number, t.byoName, t.syosinDate);
        switch (outcome) {
        case Outcome::Written: ++result.written; break;
        case Outcome::NoChart: result.skipped.append(row + QStringLiteral("：カルテがありません")); break;
        case Outcome::NotFound: result.skipped.append(row + QStringLiteral("：カルテにこの病歴が見つかりません")); break;
        case Outcome::Unreadable: result.skipped.append(row + QStringLiteral("：") + error); break;
        case Outcome::WriteFailed: result.skipped.append(row + QStringLiteral("：書き込めません ") + error); break;
        }
    }
    return result;
}

QString TenkiIkkatuProc::Result::message() const
{
    if (complete())
        return QStringLiteral("転帰書込み終了。");
    return QStringLiteral("%1件のカルテに転帰を書き込みました。\n次の行は書き込んでいません。\n").arg(written)
        + skipped.join(QLatin1Char('\n'));
}
