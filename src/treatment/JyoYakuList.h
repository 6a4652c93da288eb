#pragma once

#include <QString>
#include <QStringList>

// The regular-drug list (常) of one drug class: "code\Record1.ini" (injections) to
// "code\Record4.ini" (internal, external, inserted drugs), one drug per line, class mark, name,
// standard and for the last three the prescription unit, joined by "'". Registering appends a
// line; removing drops the first equal one; each change rewrites the file whole. Lines keep the
// text they were saved with: unit words and the "KMK" of a name are normalised on both sides only
// to compare them with a drug of the price table.
class JyoYakuList
{
public:
    enum Result { Registered, AlreadyRegistered, Removed, NotFound, WriteFailed };

    // The list of Record<number>.ini (1 to 4), read whole; a missing file is an empty list.
    explicit JyoYakuList(int number);
    JyoYakuList() = default;

    static QString path(int number);

    bool ok() const { return readOk; }
    const QString& errorText() const { return error; }
    const QStringList& lines() const { return items; }

    // The comparison form of a line: "KMK" as "KSK", the unit words as letters; withSyringe also
    // turns "シリンジ" into "S" (the injection list does, the drug-treatment lists do not).
    static QString normalize(const QString& line, bool withSyringe);
    // A new line from a drug row: mark, trimmed name, trimmed standard and, for the drug classes,
    // the trimmed prescription unit.
    static QString line(const QString& mark, const QString& name, const QString& kikaku);
    static QString line(const QString& mark, const QString& name, const QString& kikaku, const QString& tani);

    // Appends the line unless an equal one is held; the file is rewritten when it changed.
    Result touroku(const QString& newLine, bool withSyringe);
    // Removes the first equal line and rewrites the file.
    Result sakujyo(const QString& newLine, bool withSyringe);

    // The text the buttons show for a result: empty for NotFound, the file's error for WriteFailed.
    QString message(Result result) const;

private:
    int indexOf(const QString& newLine, bool withSyringe) const;
    bool write();

    QString file;
    QStringList items;
    bool readOk = true;
    QString error;
};
