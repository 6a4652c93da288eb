#include "KeiroForm.h"

#include "common/SharedState.h"

KeiroForm::KeiroForm(QWidget* parent)
    : KouhoSentakuForm(SharedState::get().Hand.KeiroOut, QStringLiteral("Keiro.ini"), parent)
{
    setObjectName(QStringLiteral("KeiroForm"));
    setWindowTitle(QStringLiteral("毛色"));
}
