#include "PendingYobidasi.h"

#include "common/ModalHost.h"
#include "common/SharedState.h"

#include <QDialog>

namespace Pending {
void runYobidasiForm(QWidget* parent)
{
    SharedState::get().CurrentNouka = NoukaInfo();
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("YobidasiForm"));
    ModalHost::exec(dialog);
}
}
