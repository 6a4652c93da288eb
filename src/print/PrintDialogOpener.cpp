#include "PrintDialogOpener.h"

#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "print/ibaraki/PrintIbaragi.h"
#include "print/mie_saga_okinawa/PrintMieForm.h"
#include "print/oita_aichi/PrintOita.h"
#include "print/tottori_miyazaki/PrintMiyazakiForm.h"
#include "print/tottori_miyazaki/PrintTottoriForm.h"

void PrintDialogOpener::open(QWidget* parent)
{
    switch (SharedState::get().ken) {
    // Each prefecture's print dialog is opened here, one line each.
    case Ken::Tottori: { PrintTottoriForm form(parent); ModalHost::exec(form); break; }
    case Ken::Miyazaki: { PrintMiyazakiForm form(parent); ModalHost::exec(form); break; }
    case Ken::Mie: { PrintMieForm form(parent); ModalHost::exec(form); break; }
    case Ken::Oita: { PrintOita form(parent); ModalHost::exec(form); break; }
    case Ken::Ibaraki: { PrintIbaragi form(parent); ModalHost::exec(form); break; }
    case Ken::Tochigi:
    case Ken::Okinawa:
        MsgBox::show(QStringLiteral("印刷できません。お問い合わせください。"), QStringLiteral("確認"));
        break;
    default:
        break;
    }
}
