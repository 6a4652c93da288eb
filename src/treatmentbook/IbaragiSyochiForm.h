#pragma once

#include "IbaragiKouhoForm.h"

// The candidate-list dialog of the treatment book's column 共済外処置 (treatment outside the insurance: name and quantity).
class IbaragiSyochiForm : public IbaragiKouhoForm
{
    Q_OBJECT

public:
    explicit IbaragiSyochiForm(QWidget* parent = nullptr) : IbaragiKouhoForm(Kind::Syochi, parent) {}
};
