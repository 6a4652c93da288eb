#pragma once

#include <QDialog>
#include <QList>

class LabelButtonArray;
class QFrame;
class QLabel;
class QLineEdit;

// "PLテスト": the grade of each of the four udder quarters, picked from fixed grades or typed,
// handed back as one text in PLTestOut (empty after "閉る"). Opens with the quarters of PLTestIn.
class PLForm : public QDialog
{
    Q_OBJECT

public:
    explicit PLForm(QWidget* parent = nullptr);

    QList<QLabel*> PLgd;                // 0 to 3, the quarters' results
    LabelButtonArray* SentakuGd = nullptr; // 0 to 31, the grades
    LabelButtonArray* InpGd = nullptr;     // 0 to 3, "入力文字"
    QList<QFrame*> Waku;                // the quarters' panels
    QList<QFrame*> Marker;              // the hover mark of each panel
    QLineEdit* inpTx = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    // The quarter and caption of a grade label.
    static int quarterOf(int sentaku);
    static QString gradeOf(int sentaku);

    void SentakuGd_Click(int index);
    void InpGd_Click(int quarter);
    void CmdGd_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildQuarter(int quarter);
    void paintBlue();
};
