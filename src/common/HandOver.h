#pragma once

#include <QString>
#include <QStringList>

// The dialogs' hand-over values (In: caller to dialog, Out: dialog to caller, Mode: which variant,
// Kioku: an option a dialog keeps between its openings). Each window's issue adds its own here.
struct HandOver
{
    int KarteHinagataMode = 0;  // 1 = chart editor in template mode
    int BunruiOut = 0;          // kind dialog: 0 繁殖, 1 へい病, 2 cancelled
    int NewKarteOut = 0;
    int CopyMode = 0;
    QString PrintHiduke;
    QString KeiroOut;
    QString TokutyoOut;
    QString PLTestOut;
    int OcrWidth = 0;
};
