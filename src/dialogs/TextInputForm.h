#pragma once

#include <QDialog>
#include <QList>

class FlexGrid;
class LabelButtonArray;
class QButtonGroup;
class QPlainTextEdit;
class QRadioButton;

// The course-text dialog "現症経過": the text of TeireiText in a box and the standard phrases of the
// disease class (TeireiBunruiIn) in a list; a click on a phrase replaces the text. "OK" hands the
// cleaned text back (in 鳥取県 after asking when it is too wide to print); "閉る" leaves the caller's
// text.
class TextInputForm : public QDialog
{
    Q_OBJECT

public:
    explicit TextInputForm(QWidget* parent = nullptr);

    static constexpr int TottoriWidthTwips = 23695;

    QPlainTextEdit* inpTx = nullptr;
    FlexGrid* KouhoGrid = nullptr;
    QList<QRadioButton*> BunruiOp;
    LabelButtonArray* Label1 = nullptr;

    void BunruiOp_Click(int index);
    void KouhoGrid_Click(int row);
    void Label1_Click(int index);

private:
    void buildGrid();
    void buildOptions();
    bool tottoriWidthOk(const QString& text);

    QButtonGroup* bunrui = nullptr;
};
