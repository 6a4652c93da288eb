#pragma once

#include <QGroupBox>
#include <QList>

class LabelButtonArray;
class MasterForm;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class SetteiData;

// Page 3 of the master register window, "その他": the veterinarian's name, number and address, the
// designated choice (茨城県), the print calibration, the three input-support candidate lists and
// the points signal. Nothing here saves by itself; the window's save takes the values as they
// stand.
class SonotaPage : public QGroupBox
{
    Q_OBJECT

public:
    explicit SonotaPage(MasterForm& form);

    QList<QGroupBox*> SonotaFrame;
    QList<QLineEdit*> J_InpTx;
    QList<QLabel*> HokenGd;
    QList<QRadioButton*> DocBunruiOp;
    QListWidget* J_List = nullptr;
    LabelButtonArray* J_CmdGd = nullptr;
    QList<QListWidget*> KouhoList;
    QList<QLineEdit*> K_InpTx;
    LabelButtonArray* KT_CmdGd = nullptr;
    LabelButtonArray* KS_CmdGd = nullptr;
    QCheckBox* SpCh = nullptr;
    QLineEdit* KaribanTx = nullptr;
    QLabel* FontGd = nullptr;

    void load(const SetteiData& data);
    void store(SetteiData& data) const;
    // The first box whose text holds a double quote, which the settings files cannot hold (a
    // value is read up to its closing quote); none when no box does.
    QLineEdit* quotedBox() const;
    void applyVariant();

    void KouhoList_Click(int k);
    void KT_CmdGd_Click(int k);
    void KS_CmdGd_Click(int k);
    void J_CmdGd_Click(int index);
    void J_List_Click();
    void FontGd_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildDoctor();
    void buildHosei();
    void buildKouho();
    void buildSupport();
    void buildHidden();
    QLineEdit* box(QWidget* parent, int left, int top, int width);
    QStringList kouhoItems(int k) const;

    MasterForm& form;
};
