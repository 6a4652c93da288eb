#include "ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <utility>

namespace {
bool failNext = false;
}

bool ClipboardText::set(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (std::exchange(failNext, false) || !clipboard)
        return false;
    clipboard->setText(text);
    return clipboard->text() == text;
}

void ClipboardText::failNextSet()
{
    failNext = true;
}

QString ClipboardText::get()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}
