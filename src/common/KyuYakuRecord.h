#pragma once

#include <QString>

// The withdrawal-period print text of one registered drug, as the treatment records look it up:
// category mark, drug name and standard (joined by "："), registered drug name, print text.
struct KyuYakuRecord
{
    QString Kubun;
    QString YakuhinKikaku;
    QString Touroku;
    QString Insatu;
};
