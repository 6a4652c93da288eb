#pragma once

#include <QString>

// The outcome of an entry check: empty when the entry passes, else the message and its title as
// the window shows them, and the input box that should take the focus (-1: none).
struct TourokuCheck
{
    QString text;
    QString title;
    int box = -1;

    bool ok() const { return text.isEmpty(); }
    static TourokuCheck pass() { return {}; }
    static TourokuCheck refuse(const QString& text, const QString& title, int box = -1)
    {
        return {text, title, box};
    }

    // The separator of the chart records found in a text: "'", or "’", which the readers of the
    // chart header lines also split at; empty when the text holds neither.
    static QString quoteIn(const QString& text)
    {
        for (const QChar c : {QChar(u'\''), QChar(u'\u2019')})
            if (text.contains(c))
                return QString(c);
        return QString();
    }
};
