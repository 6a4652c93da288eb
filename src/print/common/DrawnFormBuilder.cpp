#include "DrawnFormBuilder.h"

void DrawnFormBuilder::at(const QString& text, float x, float y, float size, int align, float width)
{
    form.captions.append({text, face, size, align, x, y, width});
}

void DrawnFormBuilder::down(const QStringList& texts, float x, const QList<float>& ys, float size, int align)
{
    for (int i = 0; i < texts.size(); ++i)
        at(texts.at(i), x, ys.at(i), size, align);
}

void DrawnFormBuilder::across(const QStringList& texts, const QList<float>& xs, float y, float size, int align)
{
    for (int i = 0; i < xs.size(); ++i)
        at(texts.size() == 1 ? texts.at(0) : texts.at(i), xs.at(i), y, size, align);
}

void DrawnFormBuilder::atEachY(const QString& text, float x, const QList<float>& ys, float size, int align)
{
    for (float y : ys)
        at(text, x, y, size, align);
}

void DrawnFormBuilder::horizontal(const QList<float>& ys, float from, float to, int width, bool dotted)
{
    for (float y : ys)
        form.lines.append({from, y, to, y, width, dotted});
}

void DrawnFormBuilder::vertical(const QList<float>& xs, float from, float to, int width, bool dotted)
{
    for (float x : xs)
        form.lines.append({x, from, x, to, width, dotted});
}
