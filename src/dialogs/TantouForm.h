#pragma once

#include <QDialog>
#include <QStringList>

class LabelButtonArray;

// The veterinarian-in-charge picker: seven name labels and "閉る". A click on a name hands it back
// in TantouOut; "閉る" hands back the empty text. The names are the site's: the text TantouNames
// of its SiteProfile row, names separated by ":".
class TantouForm : public QDialog
{
    Q_OBJECT

public:
    explicit TantouForm(QWidget* parent = nullptr);

    static QStringList tantouNames();

    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
};
