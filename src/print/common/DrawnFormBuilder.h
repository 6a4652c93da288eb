#pragma once

#include "DrawnForm.h"

#include <QList>
#include <QString>
#include <QStringList>

// Builds a drawn form caption by caption and rule by rule in the form's millimetres: captions
// in one face through PrintTextAlignProc's alignments, rules as runs of horizontal or vertical
// lines between two coordinates.
struct DrawnFormBuilder
{
    static constexpr int Spread = 1;
    static constexpr int Left = 2;
    static constexpr int Centre = 3;

    DrawnForm form;
    QString face = QStringLiteral("ＭＳ Ｐ明朝");
    float spreadWidth = 0;   // the width a caption gets when none is given

    void at(const QString& text, float x, float y, float size, int align = Centre) { at(text, x, y, size, align, spreadWidth); }
    void at(const QString& text, float x, float y, float size, int align, float width);
    // The n-th text at the n-th y (characters stacked one a line).
    void down(const QStringList& texts, float x, const QList<float>& ys, float size, int align = Centre);
    // One text at each x, or the n-th text at the n-th x.
    void across(const QStringList& texts, const QList<float>& xs, float y, float size, int align = Centre);
    // One text at each y.
    void atEachY(const QString& text, float x, const QList<float>& ys, float size, int align = Centre);
    // A line at each y from x = from to x = to, and at each x from y = from to y = to.
    void horizontal(const QList<float>& ys, float from, float to, int width, bool dotted = false);
    void vertical(const QList<float>& xs, float from, float to, int width, bool dotted = false);
};
