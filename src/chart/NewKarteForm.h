#pragma once

#include "NewKarteEntry.h"

#include <QDialog>
#include <array>

class LabelButtonArray;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The new chart of an animal that has none in the data year: ear tag, name, individual number,
// species, sex, insurance class, birth date, coat colour and features. From the main menu it asks
// the kind of the first examination and writes the chart's two header lines; in copy mode (for
// the episode copy) it writes nothing and hands the lines and the file name back.
class NewKarteForm : public QDialog
{
    Q_OBJECT

public:
    explicit NewKarteForm(QWidget* parent = nullptr);

    std::array<QLabel*, 3> NameHyojiGd{};
    std::array<QLineEdit*, 3> inpTx{};
    QCheckBox* KousiCh = nullptr;
    std::array<QRadioButton*, NewKarteEntry::SyuruiCount> SyuruiOp{};
    std::array<QRadioButton*, 4> SeibetuOp{};
    std::array<QRadioButton*, 2> KyosaiOp{};
    QLabel* BirthDayGd = nullptr;
    QLabel* KeiroGd = nullptr;
    QLabel* TokutyoGd = nullptr;
    LabelButtonArray* CmdGd = nullptr;
    QLabel* MimibanLabel = nullptr;     // Label1(3)
    QLabel* KotaiBangouLabel = nullptr; // Label1(15)
    QList<QLabel*> MimibanHints;        // Label1(4), Label1(5), Label1(16)
    QLabel* MiyazakiGd = nullptr;
    QLabel* SekininHintGd = nullptr;

    void CmdGd_Click(int index);

private:
    void buildNouka();
    void buildBoxes();
    void buildOptions();
    void buildPickers();
    void Form_Load();
    NewKarteEntry::Input input() const;
    void ok();
};
