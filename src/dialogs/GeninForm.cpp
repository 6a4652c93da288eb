#include "GeninForm.h"

#include "common/SharedState.h"

GeninForm::GeninForm(QWidget* parent)
    : KouhoListForm(SharedState::get().Hand.GeninText,
                    {QStringLiteral("原因"), QStringLiteral("Genin.ini"), 9000, 1500, 3720, 6075, 180, 135, 1170, 1860,
                     2595, 150, 165, 630},
                    parent)
{
    setObjectName(QStringLiteral("GeninForm"));
}
