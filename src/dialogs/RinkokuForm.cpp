#include "RinkokuForm.h"

#include "common/SharedState.h"

RinkokuForm::RinkokuForm(QWidget* parent)
    : KouhoListForm(SharedState::get().Hand.RinkokuText,
                    {QStringLiteral("稟告"), QStringLiteral("Rinkoku.ini"), 5000, 1500, 3750, 5955, 150, 150, 1080, 1905,
                     2595, 180, 195, 660},
                    parent)
{
    setObjectName(QStringLiteral("RinkokuForm"));
}
