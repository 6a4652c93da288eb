#pragma once

#include "TiryoboBook.h"
#include "TiryoboGridView.h"
#include "TiryoboMessage.h"

#include <QDialog>
#include <QList>
#include <QSet>

class FlexGrid;
class LabelButtonArray;
class OptionArray;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;

// The treatment book of the animal last chosen in the animal list (the 茨城県 farm sites): the
// animal's header, the command panel, the book grid under its two group headings, the uterus
// pictures and findings of the selected row and, at the paired sites, the partner's book below.
// Every command label runs TiryoboCmdProc with its index; nothing reaches the disk until "保存"
// or "保存して終了".
class IbaragiForm : public QDialog
{
    Q_OBJECT

public:
    // Opens the window modally for SharedState's CurrentKarteFile; refuses, with a message, when
    // no animal is chosen or its chart or book cannot be read.
    static void open(QWidget* parent);

    ~IbaragiForm() override;

    QLabel* NameHyojiGd = nullptr;
    LabelButtonArray* BunruiGd = nullptr;
    LabelButtonArray* CmdGd = nullptr;
    QFrame* BunruiPict = nullptr;
    QListWidget* SyokenList = nullptr;
    QFrame* HyojiPict = nullptr;
    QLabel* CheckImg = nullptr;
    QLabel* CheckImg2 = nullptr;
    QList<QLabel*> GazouGd;
    QCheckBox* DelCh = nullptr;
    FlexGrid* TitleGrid = nullptr;
    FlexGrid* DataGrid = nullptr;
    QGroupBox* InportFrame = nullptr;
    FlexGrid* InportGrid = nullptr;
    OptionArray* SizeOp = nullptr;

    const TiryoboBook& book() const { return Book; }
    const TiryoboBook& inportBook() const { return Inport; }
    QString txbFileName() const { return TxbFileName; }
    int inportSelRow() const { return InportSelRow; }

    void TiryoboCmdProc(int code);
    void CmdGd_Click(int index);
    void SizeOp_Click();
    void DataGrid_DblClick();
    void DataGrid_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void InportGrid_Click(int row);

    // Saves the book (and, when closing, the animal's dead-or-shipped mark); false, after a
    // message naming the file, when a file could not be written.
    bool TxbSaveProc(bool closing);

protected:
    IbaragiForm(const QString& header, const QStringList& kotaiData, const QList<TiryoboRow>& rows,
                bool created, QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void buildHeader();
    void buildPanel();
    void buildPictures();
    void buildGrids();
    void buildInportFrame();
    void HyojiSizeProc();
    void IxbReadProc();
    void showPictures(const TiryoboRow& row);
    void showPicture(QLabel* label, double number);
    void rightClick(int row, int col);

    bool notice(const TiryoboNotice& n);
    bool command(int code);
    bool entryCommand(int code);
    void syokenCommand();
    bool cellCommand(int code);
    bool rowCommand(int code);
    bool markCommand(int code);
    bool partnerCommand(int code);
    bool treatmentLine(int code);
    bool sinryo(int code);
    bool printCommand();
    bool sindansyo();
    bool setDate();
    void relayout(int code);

    TiryoboBook Book;
    TiryoboBook Inport;
    TiryoboGridView dataView;
    TiryoboGridView inportView;
    QString TxbFileName;
    int InportSelRow = 0;
    int TiryoboClickCol = 0;
    QSet<QString> reportedPictures;
};
