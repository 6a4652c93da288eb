#pragma once

#include <QDialog>
#include <QImage>
#include <QList>

class LabelButtonArray;
class QCheckBox;
class QLabel;

// "子宮画像": one of the 20 Miyazaki uterus diagrams, each a left and a right half
// ("pict\M_Left<n>.bmp", "pict\M_Right<n>.bmp"), with "左右入替" to show the halves swapped. OK
// hands back "<swapped 0/1>:<n>" in PictMiyazakiOut, "削除" "Del", "閉る" nothing; OK without a
// diagram chosen in this opening hands back nothing either.
class PictMiyazakiForm : public QDialog
{
    Q_OBJECT

public:
    explicit PictMiyazakiForm(QWidget* parent = nullptr);

    LabelButtonArray* Label1 = nullptr;
    LabelButtonArray* SentakuGd = nullptr;   // 0 to 19, the numbers
    QList<QLabel*> SentakuImgL;
    QList<QLabel*> SentakuImgR;
    QList<QLabel*> SetImg;                   // 0 and 1, the preview
    QCheckBox* ChangeCh = nullptr;

    static QString halfFile(bool left, int n);

    void Sentaku_Click(int index);
    void ChangeCh_Click();
    void Label1_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRow(int index);
    void showPreview();

    QImage holder[2];   // the chosen diagram's left and right halves
    bool chosenHere = false;
};
