#pragma once

#include "Pict2Code.h"

#include <QDialog>
#include <QList>

class LabelButton;
class LabelButtonArray;
class QFrame;
class QLabel;

// The annotation pictures of an examination (茨城県): a left and a right picture chosen from 51
// thumbnails and three cells composed of finding symbols, grades, dated symbols and scores. The
// entry travels in Pict2Code: "OK" writes the composition, "削除" the empty entry "::::", "閉る"
// leaves it; "全クリア" empties the composition and stays open.
class Pict2Form : public QDialog
{
    Q_OBJECT

public:
    explicit Pict2Form(QWidget* parent = nullptr);

    QList<LabelButton*> SentakuImg;  // thumbnails 0 to 50
    QList<QLabel*> SetImg;           // 0 left, 1 right
    QList<QLabel*> InpGd;            // the three cells
    QList<LabelButton*> Tx1Gd;       // symbols by index
    QFrame* SubFrame = nullptr;
    LabelButtonArray* Label1 = nullptr;

    const Pict2Code& composition() const { return entry; }
    int chosenPicture() const { return chosen; }
    int chosenSymbol() const { return symbol; }

    void SentakuImg_Click(int index);
    void SetImg_MouseUp(int slot, Qt::MouseButton button);
    void Tx1Gd_Click(int index);
    void InpGd_MouseUp(int cell, Qt::MouseButton button);
    void Label1_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildComposition();
    void buildThumbnails();
    void buildSymbols();
    void showSlot(int slot, int number);
    void showCells();

    Pict2Code entry;
    int chosen = 0;   // the picture number last clicked, 0 none
    int symbol = -1;  // the symbol last clicked, -1 none
};
