#pragma once

#include "KouhoSentakuForm.h"

// The feature picker: the value in TokutyoOut, the candidates in "set\Tokutyo.ini".
class TokutyoForm : public KouhoSentakuForm
{
    Q_OBJECT

public:
    explicit TokutyoForm(QWidget* parent = nullptr);
};
