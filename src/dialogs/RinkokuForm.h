#pragma once

#include "KouhoListForm.h"

// The history-report picker: the text in RinkokuText, the candidates in "set\Rinkoku.ini".
class RinkokuForm : public KouhoListForm
{
    Q_OBJECT

public:
    explicit RinkokuForm(QWidget* parent = nullptr);
};
