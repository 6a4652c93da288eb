#include "TokutyoForm.h"

#include "common/SharedState.h"

TokutyoForm::TokutyoForm(QWidget* parent)
    : KouhoSentakuForm(SharedState::get().Hand.TokutyoOut, QStringLiteral("Tokutyo.ini"), parent)
{
    setObjectName(QStringLiteral("TokutyoForm"));
    setWindowTitle(QStringLiteral("特徴"));
}
