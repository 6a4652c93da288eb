#pragma once

#include "IbaragiKouhoForm.h"

// The candidate-list dialog of the treatment book's column 種牛名 (sire name).
class IbaragiTaneForm : public IbaragiKouhoForm
{
    Q_OBJECT

public:
    explicit IbaragiTaneForm(QWidget* parent = nullptr) : IbaragiKouhoForm(Kind::Tane, parent) {}
};
