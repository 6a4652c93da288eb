#include "SharedUtil.h"

#include "DataPath.h"
#include "SharedState.h"
#include "TextFile.h"

QString SharedUtil::KaigyoDelProc(const QString& text)
{
    QString out = text;
    out.remove(QLatin1Char('\r'));
    out.remove(QLatin1Char('\n'));
    return Trim(out);
}

QString SharedUtil::Trim(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return begin == 0 && end == text.size() ? text : text.mid(begin, end - begin);
}

// The nine characters in their order, then what this system refuses besides: control characters
// (a tab or line break would end up inside a record or a name), "’", which the readers of the
// chart header lines split at, and a name of dots only ("." and ".." name folders, not files).
bool SharedUtil::FileNameCheckProc(const QString& name, QString& offending)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|\u2019");
    bool ok = true;
    for (const QChar c : forbidden) {
        if (name.contains(c)) {
            offending = QString(c);
            ok = false;
        }
    }
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control) {
            offending = controlName(c);
            ok = false;
        }
    }
    if (!name.isEmpty() && name.count(QLatin1Char('.')) == name.size()) {
        offending = name;
        ok = false;
    }
    return ok;
}

QString SharedUtil::controlName(QChar c)
{
    if (c == QLatin1Char('\t'))
        return QStringLiteral("タブ");
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
        return QStringLiteral("改行");
    return QStringLiteral("制御文字");
}

QString SharedUtil::ManryoDayProc(const QStringList& lines, const QString& noukaTiku,
                                  const QString& noukaName)
{
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.value(1) != noukaName || fields.value(0) != noukaTiku)
            continue;
        const QString date = fields.value(2);
        return date.isEmpty() ? manryoMisettei() : date;
    }
    return manryoMisettei();
}

QString SharedUtil::ManryoDayProc()
{
    const TextFile file = TextFile::read(manryoDayFilePath());
    if (!file.ok())
        return manryoMisettei();
    const NoukaInfo& nouka = SharedState::get().CurrentNouka;
    return ManryoDayProc(file.texts(), nouka.NoukaTiku, nouka.NoukaName);
}

QString SharedUtil::manryoDayFilePath()
{
    return DataPath::file(QStringLiteral("set\\ManryoDay.ini"));
}

void SharedUtil::DellInfoSetProc(QStringList& dellInfoList, const QString& fileName, const QString& mark)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? fileName : fileName.left(dot);
    const QString entry = base + QLatin1Char(',') + mark;
    if (dellInfoList.isEmpty() || !dellInfoList.last().isEmpty())
        dellInfoList.append(QString());
    bool found = false;
    for (qsizetype i = 0; i + 1 < dellInfoList.size(); ++i) {
        if (dellInfoList.at(i).section(QLatin1Char(','), 0, 0) + QStringLiteral(".txb") == fileName) {
            dellInfoList[i] = entry;
            found = true;
        }
    }
    if (!found)
        dellInfoList.insert(dellInfoList.size() - 1, entry);
}

void SharedUtil::DellInfoSetProc(const QString& fileName, const QString& mark)
{
    DellInfoSetProc(SharedState::get().DellInfoList, fileName, mark);
}

QString SharedUtil::CodeHenkanProc(const QString& code, const CodePairs& table)
{
    for (const auto& pair : table)
        if (pair.first == code)
            return pair.second;
    return code;
}

QString SharedUtil::CodeHenkanProc(const QString& code)
{
    return CodeHenkanProc(code, codeHenkanTable());
}

SharedUtil::CodePairs SharedUtil::codeHenkanTable()
{
    CodePairs table;
    const TextFile file = TextFile::read(codeHenkanFilePath());
    if (!file.ok())
        return table;
    for (const QString& line : file.texts()) {
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() >= 2 && !fields.at(0).trimmed().isEmpty())
            table.append({fields.at(0).trimmed(), fields.at(1).trimmed()});
    }
    return table;
}

QString SharedUtil::codeHenkanFilePath()
{
    return DataPath::file(QStringLiteral("set\\CodeHenkan.ini"));
}

QString SharedUtil::ZeroPadProc(const QString& text, int width)
{
    const qsizetype missing = width - text.size();
    if (text.isEmpty() || missing < 1 || missing > 8)
        return text;
    return QString(missing, QLatin1Char('0')) + text;
}

int SharedUtil::FalseFlagProc(const QVariant& value)
{
    Q_UNUSED(value);
    return 0;
}
