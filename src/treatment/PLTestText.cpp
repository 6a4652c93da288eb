#include "PLTestText.h"

#include <QRegularExpression>

const QStringList& PLTestText::names()
{
    static const QStringList list{QStringLiteral("前左 "), QStringLiteral("  前右 "), QStringLiteral("  後左 "),
                                  QStringLiteral("  後右 ")};
    return list;
}

QString PLTestText::build(const Results& results)
{
    QString text;
    for (int k = 0; k < 4; ++k)
        text += names().at(k) + results.at(k);
    return text;
}

PLTestText::Results PLTestText::parse(const QString& text)
{
    Results r;
    if (text.isEmpty()) {
        r.fill(QStringLiteral("-"));
        return r;
    }
    static const QRegularExpression written(
        QStringLiteral("^前左 (.*)  前右 (.*)  後左 (.*)  後右 (.*)$"),
        QRegularExpression::InvertedGreedinessOption);
    const QRegularExpressionMatch m = written.match(text);
    if (m.hasMatch()) {
        for (int k = 0; k < 4; ++k)
            r.at(k) = m.captured(k + 1).section(QLatin1Char(' '), 0, 0);
        return r;
    }
    const QStringList parts = text.split(QStringLiteral("  "));
    for (int k = 0; k < 4; ++k) {
        const QStringList pieces = parts.value(k).split(QLatin1Char(' '));
        r.at(k) = pieces.size() >= 2 && !pieces.at(1).isEmpty() ? pieces.at(1) : QStringLiteral("?");
    }
    return r;
}
