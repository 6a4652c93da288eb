#pragma once

#include <QGroupBox>
#include <QList>

class FlexGrid;
class LabelButtonArray;
class MasterForm;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Page 4 of the master register window, "定例文登録": the standard phrases of twenty disease
// classes. Every add, delete and change rewrites the class's phrase file at once.
class TeireiPage : public QGroupBox
{
    Q_OBJECT

public:
    explicit TeireiPage(MasterForm& form);

    QPlainTextEdit* TeireiTx = nullptr;
    LabelButtonArray* TeireiGd = nullptr;
    QList<QRadioButton*> BunruiOp;
    FlexGrid* KouhoGrid = nullptr;
    QPushButton* Command1 = nullptr;

    int currentClass() const { return classIndex; }
    bool rowSelected() const { return selected; }

    void BunruiOp_Click(int index);
    void KouhoGrid_Click(int row, int col);
    void TeireiGd_Click(int index);
    void TeireiNoSetProc();
    void applyVariant();

private:
    void buildClasses();
    void buildGrid();
    QStringList phrases() const;
    void addRow(const QString& phrase);
    void setHeights();
    bool save();
    void Command1_Click();

    MasterForm& form;
    int classIndex = 0;
    bool selected = false;
    bool classReadable = true;
    QString readError;
};
