#include "NenGappiState.h"

#include "PickerText.h"

#include <QStringList>

bool NenGappiState::validYear1(const QString& caption)
{
    static const QStringList captions{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                      QStringLiteral("3"), QStringLiteral("6")};
    return captions.contains(caption);
}

bool NenGappiState::reiwaOf(const QString& todayDate, int& reiwa)
{
    const QStringList parts = todayDate.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return false;
    reiwa = parts.at(0).right(2).toInt() - 18;
    return true;
}

void NenGappiState::presetToday(const QString& todayDate)
{
    if (!reiwaOf(todayDate, todayReiwa)) {
        Gengo = QStringLiteral("H");
        Year1 = QStringLiteral("1");
        Year2 = QStringLiteral("5");
        return;
    }
    Gengo = QStringLiteral("R");
    Year1 = todayReiwa >= 0 && todayReiwa < 30 ? QString::number(todayReiwa / 10) : QStringLiteral("0");
    Year2 = QString::number(todayReiwa).right(1);
}

void NenGappiState::chooseYear1(const QString& caption)
{
    Year1 = caption;
    if (caption == QStringLiteral("0"))
        Gengo = QStringLiteral("R");
    else if (caption == QStringLiteral("3"))
        Gengo = QStringLiteral("H");
}

void NenGappiState::presetKioku(const QString& remembered)
{
    if (!remembered.contains(QLatin1Char('.')))
        return;
    const QStringList parts = remembered.split(QLatin1Char('.'));
    const QString y = parts.value(0);
    const QString m = parts.value(1);
    const QString d = parts.value(2);
    if (y.size() == 2) {
        if (validYear1(y.left(1)))
            chooseYear1(y.left(1));
        if (Year1 == QStringLiteral("1") || Year1 == QStringLiteral("2"))
            Gengo = y.toInt() <= todayReiwa ? QStringLiteral("R") : QStringLiteral("H");
        Year2 = y.right(1);
    } else if (!y.isEmpty()) {
        Year2 = QString::number(y.toInt() % 10);
    }
    const int month = m.toInt();
    if (month >= 1 && month <= 12)
        Manth = QString::number(month);
    if (d.size() == 2 && d.left(1).toInt() <= 3) {
        Day1 = d.left(1);
        Day2 = d.right(1);
    } else if (!d.isEmpty()) {
        Day2 = QString::number(d.toInt() % 10);
    }
}

QString NenGappiState::year() const
{
    return PickerText::digits(Year1, Year2);
}

QString NenGappiState::day() const
{
    return PickerText::digits(Day1, Day2);
}

QString NenGappiState::eraLetter() const
{
    if (Year1 == QStringLiteral("6"))
        return QStringLiteral("S");
    if (Year1 == QStringLiteral("0"))
        return QStringLiteral("R");
    if (Year1 == QStringLiteral("3"))
        return QStringLiteral("H");
    return Gengo == QStringLiteral("R") ? Gengo : QStringLiteral("H");
}

QString NenGappiState::text() const
{
    return eraLetter() + year() + QLatin1Char('.') + Manth + QLatin1Char('.') + day();
}

QString NenGappiState::yearOut() const
{
    return Manth.isEmpty() || day().isEmpty() ? QString() : year();
}

QString NenGappiState::fullText() const
{
    return yearOut().isEmpty() ? QString() : text();
}

QString NenGappiState::tenkiText() const
{
    const QString era = year().toInt() >= 30 ? QStringLiteral("H") : QStringLiteral("R");
    return era + year() + QLatin1Char('.') + Manth + QLatin1Char('.') + day();
}
