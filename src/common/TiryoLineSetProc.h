#pragma once

#include <QString>

class SindansyoEpisode;

// The size factor of one visit's treatment lines in a certificate's visit box: 1.0 when they fit
// the box at the normal size, 0.8 when they take more printed lines than the box holds. Every
// treatment line of the visit whose category is not empty, "往診" or "PLテスト結果" (compared as
// stored) is measured as its text (content, ":" standard, "×" quantity): one printed line up to
// 22 bytes of the Japanese code page, two beyond. The first box of a page (k 0) holds 10 lines,
// the others 9. Nothing is printed.
float TiryoLineSetProc(const SindansyoEpisode& episode, int k, int r);

// The text a treatment line is measured as: the trimmed content; ":" and the trimmed standard
// when it is not empty; "×" and the trimmed quantity without "(" and ")" when that is not empty
// and its value is not exactly 1.
QString TiryoLineText(const QString& content, const QString& standard, const QString& quantity);
