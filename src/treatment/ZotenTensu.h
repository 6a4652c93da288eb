#pragma once

#include <QString>
#include <QStringList>

// The six point figures of the injection and treatment-code dialogs: the base B and A points of
// the chosen method or code, the surcharges typed in the two boxes and the totals. Whatever sets
// the base or a surcharge box recomputes the totals, so a surcharge shown is always counted.
class ZotenTensu
{
public:
    QString BaseB = QStringLiteral("0");
    QString BaseA = QStringLiteral("0");
    QString ZotenB = QStringLiteral("0");   // the box as typed, "0" when empty
    QString ZotenA = QStringLiteral("0");
    QString TotalB = QStringLiteral("0");
    QString TotalA = QStringLiteral("0");

    // New base points (a method or a code row); the typed surcharges stay and count.
    void setBase(const QString& b, const QString& a);
    // The texts of the two surcharge boxes.
    void setZoten(const QString& boxB, const QString& boxA);

    // Base B, base A, surcharge B, surcharge A, total B, total A: items 3 to 8 of the results.
    QStringList items() const;

private:
    void recompute();
    QString boxB;
    QString boxA;
};
