#include "ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>

bool ClipboardText::set(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    return clipboard->text() == text;
}

QString ClipboardText::get()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}
