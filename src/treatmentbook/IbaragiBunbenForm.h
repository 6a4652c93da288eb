#pragma once

#include "IbaragiKouhoForm.h"

// The candidate-list dialog of the treatment book's column 管理情報 (calving situation).
class IbaragiBunbenForm : public IbaragiKouhoForm
{
    Q_OBJECT

public:
    explicit IbaragiBunbenForm(QWidget* parent = nullptr) : IbaragiKouhoForm(Kind::Bunben, parent) {}
};
