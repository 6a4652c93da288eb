#pragma once

#include <QDialog>
#include <QList>

class LabelButton;
class LabelButtonArray;

// The uterus and ovary picture picker "子宮画像": the 27 reference pictures "pict\Pict_0.bmp" to
// "Pict_26.bmp" by stage of the cycle. A click raises a picture; "OK" hands its number (box + 1)
// back in PictNoOut, "削除" hands back -1, and "閉る", or "OK" without a click, hands back 0, which
// leaves the examination's picture as it was.
class PictForm : public QDialog
{
    Q_OBJECT

public:
    explicit PictForm(QWidget* parent = nullptr);

    static constexpr int PictCount = 27;

    QList<LabelButton*> SentakuImg;
    LabelButtonArray* Label1 = nullptr;

    int chosenNumber() const { return chosen; }
    void SentakuImg_Click(int index);
    void Label1_Click(int index);

private:
    void buildHeadings();

    int chosen = 0;
};
