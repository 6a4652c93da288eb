#pragma once

#include <QString>
#include <QStringList>

// Small procedures the power-of-attorney layouts share.
class IninjyoHelper
{
public:
    // An era date "y.m.d" with a Western year where Western years are printed (seireki) and the
    // era year is below 30 (a Reiwa year): 5.4.1 gives 2023.4.1; any other date unchanged.
    static QString HenkanSeirekiProc2(const QString& date, bool seireki);
    // The address (field 3) of the first register line whose member code (field 2) equals code;
    // empty when none does. The register's lines are given.
    static QString NameCodeSearchProc(const QStringList& noukaLines, const QString& code);
    // The same over "\Nolvari\set\NameCode.ini", read afresh.
    static QString NameCodeSearchProc(const QString& code);
};
