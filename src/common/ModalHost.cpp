#include "ModalHost.h"

#include <QDialog>

namespace {
ModalHost::Handler& handlerRef()
{
    static ModalHost::Handler handler;
    return handler;
}
} // namespace

int ModalHost::exec(QDialog& dialog)
{
    if (handlerRef()) {
        Handler handler = handlerRef();
        return handler(dialog);
    }
    return dialog.exec();
}

void ModalHost::setHandler(Handler handler)
{
    handlerRef() = std::move(handler);
}

bool ModalHost::hasHandler()
{
    return bool(handlerRef());
}
