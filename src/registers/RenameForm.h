#pragma once

#include <QDialog>
#include <QList>

class LabelButtonArray;
class QFrame;
class QLabel;
class QLineEdit;

// The renumber dialog: shows the animal's current ear tag (in 鹿児島県 its individual number) and
// name and takes the new number, handed back in RenameMimiOut ("0" when cancelled).
class RenameForm : public QDialog
{
    Q_OBJECT

public:
    explicit RenameForm(QWidget* parent = nullptr);

    QList<QLabel*> Label2;
    QList<QLabel*> MainGd;
    QList<QLineEdit*> inpTx;
    LabelButtonArray* Label1 = nullptr;
    QFrame* WakuShape = nullptr;

    void Label1_Click(int index);
    // True when every character is one of the digits 0 to 9 (also for an empty text).
    static bool SuujiCheckProc(const QString& text);

private:
    void Form_Load();
    bool refuse(const QString& text);
};
