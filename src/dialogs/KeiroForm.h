#pragma once

#include "KouhoSentakuForm.h"

// The coat-colour picker: the value in KeiroOut, the candidates in "set\Keiro.ini".
class KeiroForm : public KouhoSentakuForm
{
    Q_OBJECT

public:
    explicit KeiroForm(QWidget* parent = nullptr);
};
