#pragma once

#include <QDialog>

class LabelButtonArray;
class QLineEdit;

// The year input of the certificate print dialogs: shows PrintNendo and replaces it with the typed
// text, trimmed, on "OK". Any text is taken; an empty box is refused. There is no cancel: the
// dialog is left only through "OK".
class NendoForm : public QDialog
{
    Q_OBJECT

public:
    explicit NendoForm(QWidget* parent = nullptr);

    QLineEdit* inpTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
};
