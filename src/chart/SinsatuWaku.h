#pragma once

#include "NewInputModel.h"

#include <QFrame>

class FlexGrid;
class LabelButton;
class LabelButtonArray;
class QLabel;
class QListWidget;
class QPlainTextEdit;

// The label arrays of the chart editor's examination panels: element j of each lies on panel j.
struct SinsatuArrays
{
    LabelButtonArray* Label1 = nullptr;
    LabelButtonArray* SinsatuDayGd = nullptr;
    LabelButtonArray* SinsatuTimeGd = nullptr;
    LabelButtonArray* TPRGd = nullptr;
    LabelButtonArray* KyuTitleGd = nullptr;
    LabelButtonArray* TeireiGd = nullptr;
    LabelButtonArray* TantouGd = nullptr;
    LabelButtonArray* CopyGd = nullptr;
    LabelButtonArray* SikyuGd = nullptr;
    LabelButtonArray* SounyuGd = nullptr;

    QList<LabelButtonArray*> all() const;
};

// One examination panel of the chart editor (InputWaku(j)): the title, the entry labels with
// their values, the course text, the findings, the pictures and the treatment grid. It shows an
// examination of the model; the window's handlers change the model.
class SinsatuWaku : public QFrame
{
    Q_OBJECT

public:
    SinsatuWaku(int j, const SinsatuArrays& arrays, const NewInputModel::Settei& set, QWidget* parent);

    const int index;
    LabelButton* Label1 = nullptr;
    LabelButton* SinsatuDayGd = nullptr;
    QLabel* Hyoji_DayGd = nullptr;
    LabelButton* SinsatuTimeGd = nullptr;
    QLabel* KaisiLabel = nullptr;    // "開始"
    QLabel* StartTimeGd = nullptr;
    QLabel* SyuryoLabel = nullptr;   // "終了"
    QLabel* EndTimeGd = nullptr;
    LabelButton* TPRGd = nullptr;
    QLabel* Hyoji_TPRGd = nullptr;
    LabelButton* KyuTitleGd = nullptr;
    QLabel* KyuTimeGd = nullptr;
    LabelButton* TeireiGd = nullptr;
    QPlainTextEdit* GensyoTx = nullptr;
    LabelButton* TantouGd = nullptr;
    LabelButton* CopyGd = nullptr;
    LabelButton* SikyuGd = nullptr;
    QListWidget* SyokenList = nullptr;
    LabelButton* SounyuGd = nullptr;
    QFrame* SounyuPict = nullptr;
    QLabel* CheckImg = nullptr;
    QLabel* CheckImg2 = nullptr;
    QLabel* GazouGd = nullptr;
    QLabel* GazouGd2 = nullptr;
    QLabel* GazouGd3 = nullptr;
    QLabel* PictNbGd = nullptr;
    FlexGrid* TiryoGrid = nullptr;

    // Shows the examination: values, course text, findings, pictures and treatment lines.
    void hyoji(const SinsatuBlock& p);
    // The findings list back to its height of 750 twips when a click enlarged it.
    void shrinkSyoken();
    // The course text box limits panels 2 to 20 to this many characters.
    static constexpr int GensyoMax = 114;

signals:
    void gensyoEdited(int j, const QString& text);

private:
    void buildLabels(const SinsatuArrays& arrays);
    void buildBoxes();
    void buildPictures();
    void buildGrid(Ken ken);
    void applySettei(const NewInputModel::Settei& set);
    void showPictures(const QString& entry);
    void limitGensyo();

    PictEntry::Scheme scheme;
    QString shownPict;
    bool pictShown = false;
};
