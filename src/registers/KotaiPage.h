#pragma once

#include "KotaiTable.h"
#include "KotaiTouroku.h"

#include <QGroupBox>
#include <QList>
#include <QStringList>

class FlexGrid;
class LabelButton;
class LabelButtonArray;
class MasterForm;
class OptionArray;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

// Page 1 of the master register window, "個体登録": the animals of the chosen farmer, read from the
// headers of his charts of the data year, an input area for one animal and the buttons that
// register, delete and renumber animals, register them from a CSV file, print the list and mark
// the dead and shipped ones.
class KotaiPage : public QGroupBox
{
    Q_OBJECT

public:
    explicit KotaiPage(MasterForm& form);

    LabelButton* TikuNameGd = nullptr;
    QLabel* NameHyojiGd = nullptr;
    QFrame* InputFrame = nullptr;
    QList<QFrame*> SubFrame;
    OptionArray* TikusyuOp = nullptr;
    OptionArray* SeibetuOp = nullptr;
    OptionArray* HokenOp = nullptr;
    OptionArray* JikoOp = nullptr;
    QList<QLabel*> InpGd;
    LabelButtonArray* InpGdButtons = nullptr; // InpGd 3 and 5, the date labels
    QList<QLabel*> GappiGd;
    LabelButtonArray* SetGd = nullptr;
    LabelButtonArray* TourokuGd = nullptr;
    QCheckBox* SortCh = nullptr;
    QCheckBox* IbaragiSortCh = nullptr;
    FlexGrid* KotaiGrid = nullptr;
    QGroupBox* CsvFrame = nullptr;
    QLabel* CsvGd = nullptr;
    QLabel* NbCheckGd = nullptr;
    QLabel* GuideGd = nullptr;
    QPushButton* Command2 = nullptr;
    QStringList ToridasiList;

    const KotaiTable& table() const { return kotai; }

    void applyVariant();
    void selectDefaults();

    void TikuNameGd_Click();
    void KotaiGrid_Click(int row, int col);
    void SortCh_Click();
    void IbaragiSortCh_Click();
    void InpGd_Click(int index);
    void SetGd_Click(int index);
    void TikusyuOp_Click(int index);
    void TourokuGd_Click(int index);

    void KotaiGridSetProc();
    void SibouSyukkaHyojiProc(int mode);
    void KotaiGridSelectProc(bool off);
    void KotaiTourokuGridClearProc();
    static QString NameKotaiBunkatuProc(const QString& text);

private:
    void buildHeader();
    void buildInputFrame();
    void buildOptions(QFrame* frame);
    void buildBoxes(QFrame* frame);
    void buildButtons();
    void buildGrid();
    void buildCsvFrame();

    KotaiTouroku::Input input() const;
    void setInput(const KotaiTouroku::Input& in);
    KotaiTable::Order order() const;
    void showTable();
    void clearFarmer();
    bool KotaiAkiRowProc(int& row);
    void registerRow(int row, const QString& key);
    void commonEnd(int mode);
    QString currentKey(bool calf) const;

    bool passes(const TourokuCheck& check);
    bool Touroku();
    bool Sakujo();
    bool Rename();
    bool SibouHyoji(int& mode);
    bool SibouKensaku();
    bool CsvIkkatu();
    bool ItiranPrint();
    void Ckeck();
    bool CsvLine(const KotaiTouroku::Input& csvInput, bool& refused, QStringList& errors);

    MasterForm& form;
    KotaiTable kotai;
};
