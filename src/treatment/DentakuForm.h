#pragma once

#include <QDialog>
#include <QList>
#include <optional>

class LabelButtonArray;
class QLineEdit;

// The quantity calculator "数量計算": one number divided by another, handed back in DentakuOut
// formatted "##0.00"; "0" when nothing was computed.
class DentakuForm : public QDialog
{
    Q_OBJECT

public:
    explicit DentakuForm(QWidget* parent = nullptr);

    QList<QLineEdit*> inpTx;
    LabelButtonArray* Label1 = nullptr;

    void Label1_Click(int index);

    // The quotient of the leading numbers of two texts in single precision, "##0.00"; none
    // when either is 0.
    static std::optional<QString> DentakuKeisanProc(const QString& dividend, const QString& divisor);

private:
    void keisan();
};
