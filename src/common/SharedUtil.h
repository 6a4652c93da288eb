#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

// The small procedures that windows of many subsystems share. None shows a window or a message;
// every input comes in as an argument (the overloads without arguments read the shared state).
class SharedUtil
{
public:
    using CodePairs = QList<QPair<QString, QString>>;

    // The text without CR LF, lone CR and lone LF, then without blanks (U+0020) at either end.
    static QString KaigyoDelProc(const QString& text);
    // The system's trim: blanks (U+0020) removed from both ends; a full-width blank stays.
    static QString Trim(const QString& text);

    // True when the name holds none of \ / : * ? " < > |, no "’", no control character and is not
    // made of dots only; otherwise false with the offending character (the last of that order,
    // when several are held; a control character by its name, a name of dots whole) in offending.
    // Every value that becomes part of a file name passes it.
    static bool FileNameCheckProc(const QString& name, QString& offending);
    // The name a message gives a control character: "タブ", "改行" or "制御文字".
    static QString controlName(QChar c);

    // The premium-period expiry date of a farmer from the lines of ManryoDayFile: field 2 of the
    // first line whose district (field 0) and name (field 1) match, or "満了日未設定" when that
    // line has no date or no line matches.
    static QString ManryoDayProc(const QStringList& lines, const QString& noukaTiku,
                                 const QString& noukaName);
    // The same for the current farmer, from "\Nolvari\set\ManryoDay.ini"; a missing or unreadable
    // file means no date is recorded.
    static QString ManryoDayProc();
    static QString manryoDayFilePath();
    static QString manryoMisettei() { return QStringLiteral("満了日未設定"); }

    // Records the treatment book fileName (chart base + ".txb") with its mark in a list of dead or
    // shipped animals (lines, then one empty element): every line of that chart is replaced by
    // "base,mark"; without one the entry is added before the trailing empty element. The base is
    // the name before its last ".", so that an ear tag holding a "." keeps its whole name.
    static void DellInfoSetProc(QStringList& dellInfoList, const QString& fileName, const QString& mark);
    // The same on the shared list.
    static void DellInfoSetProc(const QString& fileName, const QString& mark);

    // The code paired with the argument in the member-code table, or the argument itself.
    static QString CodeHenkanProc(const QString& code, const CodePairs& table);
    // The same with the installation's table.
    static QString CodeHenkanProc(const QString& code);
    // The installation's member-code table: "\Nolvari\set\CodeHenkan.ini", one pair a line,
    // "code before,code after". Without the file the table is empty.
    static CodePairs codeHenkanTable();
    static QString codeHenkanFilePath();

    // The text with "0" in front up to the width, when 1 to 8 characters are missing; otherwise
    // (empty text, long enough, or more than 8 missing) unchanged.
    static QString ZeroPadProc(const QString& text, int width);

    // Always 0: the code lookups that ask it read their usual column.
    static int FalseFlagProc(const QVariant& value);
};
