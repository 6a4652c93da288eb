#pragma once

#include <QDialog>

class LabelButtonArray;

// The kind of a new examination: "繁殖" (0), "へい病" (1) or "キャンセル" (2), left in BunruiOut.
class BunruiForm : public QDialog
{
    Q_OBJECT

public:
    explicit BunruiForm(QWidget* parent = nullptr);

    LabelButtonArray* SentakuGd = nullptr;

    void SentakuGd_Click(int index);
};
