#pragma once

#include "common/SharedState.h"

#include <QString>
#include <QStringList>

// Renumbering an animal: its chart moves to the key of the new ear tag (the last part, own or
// calf chart, kept), and at the farm sites its treatment book and its lines of the dead and
// shipped list follow the chart.
class KotaiRename
{
public:
    static QString newKey(const QString& nendo, const QString& noukaCode, const QString& newMimi,
                          const QString& oldKey);

    // Whether the new key is taken: its chart, or its treatment book, already exists.
    static bool used(const QString& karteFolder, const QString& newKey);

    // The chart of oldKey written as newKey with the new header lines and all its episodes; the
    // old chart is removed once the new one is written.
    static bool renameKarte(const QString& karteFolder, const QString& oldKey, const QString& newKey,
                            const NoukaInfo& nouka, const QStringList& row, QString* errorText);

    // The treatment book "cb\<old key>.txb" copied to the new key and removed (nothing to do when
    // the animal has none).
    static bool renameTiryobo(const QString& oldKey, const QString& newKey, QString* errorText);

    // The dead and shipped list's lines of the old key given the new key, in memory and in
    // "set\DellInfo.ini".
    static bool renameDellInfo(QStringList& dellInfoList, const QString& oldKey, const QString& newKey,
                               QString* errorText);

    static QString tiryoboPath(const QString& key);
    static QString dellInfoPath();
};
