#pragma once

#include "KouhoListForm.h"

// The cause picker: the text in GeninText, the candidates in "set\Genin.ini".
class GeninForm : public KouhoListForm
{
    Q_OBJECT

public:
    explicit GeninForm(QWidget* parent = nullptr);
};
