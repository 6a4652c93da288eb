#pragma once

#include "MasterVariant.h"
#include "SetteiData.h"

#include <QDialog>
#include <QList>

class KotaiPage;
class KusuriPage;
class LabelButtonArray;
class NoukaPage;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class SonotaPage;
class TeireiPage;

// The master register window: six pages on top of each other (farmers, animals, districts, the
// veterinarian and other settings, standard phrases, registered drug names) and the page menu. It
// loads the registers and settings when it is constructed and writes them all when it is left
// through "メインメニューに戻る".
class MasterForm : public QDialog
{
    Q_OBJECT

public:
    explicit MasterForm(QWidget* parent = nullptr);
    ~MasterForm() override;

    // Writes every register and setting from the window's lists and boxes. False, with nothing
    // written, when a settings box holds a value that could not be read back.
    bool SetteiSaveProc();

    const MasterVariant& variant() const { return variantValue; }
    SetteiData& settei() { return setteiValue; }
    // The texts of every box of the input box array (the farmer page's and the animal page's).
    QStringList inpTxTexts() const;
    int currentPage() const { return pageInFront; }

    // Controls, by the system's names.
    QLabel* TitlePict = nullptr;
    LabelButtonArray* SentakuGd = nullptr;
    LabelButtonArray* CmdGd = nullptr;
    QList<QGroupBox*> WakuFrame;
    QList<QLineEdit*> inpTx;       // 0 to 5 on the animal page, 6 to 14 on the farmer page
    QLineEdit* TikuInpTx = nullptr;
    QListWidget* TikuList0 = nullptr; // the district page's list, TikuList(0)

    NoukaPage* nouka = nullptr;
    KotaiPage* kotai = nullptr;
    SonotaPage* sonota = nullptr;
    TeireiPage* teirei = nullptr;
    KusuriPage* kusuri = nullptr;

    void SentakuGd_Click(int index);
    void CmdGd_Click(int index);
    void TikuList_Click(int index);
    void inpTx_Click(int index);
    void inpTx_Enter(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildMenu();
    void buildTikuPage(QGroupBox* frame);
    void buildInpTx();
    void Form_Load();
    void refillTikuList1();

    MasterVariant variantValue;
    SetteiData setteiValue;
    int pageInFront = 1;
    QPoint dragStart;
};
