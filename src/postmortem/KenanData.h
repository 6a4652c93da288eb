#pragma once

#include <QStringList>

// The post-mortem certificate of one chart as its window holds it and as its file stores it: 23
// lines in the Japanese code page, the headers and texts one line each, three option lines of two
// flags ("True" or "False") or a flag and the disposal reason, joined by ":", and "end".
struct KenanData
{
    // Outcome: 0 死, 1 法 (法令殺), 2 廃 (廃用). Document kind: 0 検案書, 1 診断書.
    enum Sihai { Si = 0, Hou = 1, Hai = 2 };
    enum Bunrui { Kenan = 0, Sindan = 1 };
    static constexpr int LineCount = 23;
    static constexpr int InpCount = 13;  // K_InpText 0 to 12
    static constexpr int TxCount = 3;    // InfoTx 0 to 2

    QString InfoGd[3];     // member header, animal header, disease "：" code
    int sihai = Si;
    int bunrui = Kenan;
    QString HaiyoTxt;      // disposal reason
    QString K_InpText[InpCount];
    QString InfoTx[TxCount];

    // The 23 lines of the file: the texts without line breaks and trimmed, the reason unchanged.
    QStringList lines() const;
    // The values of a file's lines. Missing lines leave their values empty; an option line
    // without "True" leaves its option as it was; an option line without ":" is the outcome flag
    // alone; the reason is the rest of its line after the first ":".
    static KenanData fromLines(const QStringList& lines);
};
