#include "HinagataYakkaKousinProc.h"

#include "HinagataFile.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "treatment/YakkaKousinProc.h"

namespace {
const QString Kakunin = QStringLiteral("確認");
const QChar Sep = QLatin1Char('\'');
} // namespace

HinagataYakkaKousinProc::Result HinagataYakkaKousinProc::run(const QString& name)
{
    SharedState& s = SharedState::get();
    QStringList lines;
    QString error;
    if (!HinagataFile::exists(name)) {
        MsgBox::show(QStringLiteral("更新する雛形を選択してください。"), Kakunin);
        return Refused;
    }
    if (!HinagataFile::read(name, lines, &error)) {
        MsgBox::show(error, Kakunin);
        return Refused;
    }
    QStringList errors;
    s.Hand.YakkaKousinList = YakkaKousinProc::readKousinList(&errors);
    if (!errors.isEmpty()) {
        MsgBox::show(errors.join(QLatin1Char('\n')), Kakunin);
        return Refused;
    }
    // The template's rows field by field, so that every other field is written back as read.
    QList<QStringList> rows;
    for (const QString& line : std::as_const(lines))
        rows.append(line.split(Sep));
    YakkaKousinProc proc(s.Tables.YakkaCodeTable, s.Hand.YakkaKousinList, false);
    proc.kousinRows(rows);
    if (!proc.missingName().isEmpty())
        MsgBox::show(proc.missingName() + QStringLiteral("は今年度の薬品名にありませんので更新できません\n"
                                                         "該当薬品名を入力しなおして更新してください。（他の薬は更新されます）"),
                     Kakunin);
    QStringList written;
    for (const QStringList& row : std::as_const(rows))
        written.append(row.join(Sep));
    if (!HinagataFile::write(name, written, &error)) {
        MsgBox::show(error, Kakunin);
        return Refused;
    }
    MsgBox::show(name + QStringLiteral("を更新しました。"), Kakunin);
    return proc.missingName().isEmpty() ? Updated : Missing;
}
