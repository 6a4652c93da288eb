#pragma once

#include <functional>

class QDialog;

// Shows the system's windows modally. Tests install a handler that drives the window (finds its
// controls, clicks, types, closes it) instead of a person; the handler's return value is the
// dialog's result. With no handler the dialog runs its own event loop.
class ModalHost
{
public:
    using Handler = std::function<int(QDialog&)>;

    static int exec(QDialog& dialog);
    static void setHandler(Handler handler);
    static bool hasHandler();
};
