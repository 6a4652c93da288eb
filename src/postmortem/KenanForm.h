#pragma once

#include "KenanData.h"

#include <QDialog>
#include <QList>

class LabelButtonArray;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The death-and-disposal certificate of one chart (鳥取県): the certificate's values in the
// window's boxes, saved in the chart's certificate file, pre-filled from the chart's episode when
// there is none, printed on plain A4 paper. It opens for CurrentKarteFile and the episode of
// ByoName and SyosinDate; a chart that cannot be read is reported and the window does not open.
class KenanForm : public QDialog
{
    Q_OBJECT

public:
    explicit KenanForm(QWidget* parent = nullptr);
    ~KenanForm() override;

    // Opens the certificate of the current chart modally; false (with the message shown) when the
    // chart cannot be read.
    static bool open(QWidget* parent);

    // The certificate as the boxes hold it, and the boxes from a certificate.
    KenanData data() const;
    void setData(const KenanData& d);
    bool ok() const { return loaded; }

    QLabel* Label2 = nullptr;                // title "死廃検案書"
    QList<QRadioButton*> BunruiOp;           // 検案書, 診断書
    QList<QRadioButton*> SihaiOp;            // 死, 法, 廃
    QList<QRadioButton*> KyoOp;              // the four kinds of insured animal
    QList<QLineEdit*> K_InpText;             // 0 to 12
    QLineEdit* HaiyoTxt = nullptr;
    QLineEdit* MaiTx = nullptr;
    QLineEdit* NbInpTx = nullptr;
    QList<QLabel*> InfoGd;                   // member header, animal header, disease
    QList<QPlainTextEdit*> InfoTx;           // 稟告, 原因, 現症経過
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);
    void KyoOp_Click(int index);

private:
    void buildTop();
    void buildRight();
    void buildTexts();
    bool Form_Load();
    void byoName();
    void kouhoText(int index);
    void kenanKouho();
    void dateEntry(int box);
    void print();
    bool save();
    void saveKouho();
    bool refuse(QWidget* box, bool refused, const QString& message);
    bool refuseEmpty(QWidget* box, const QString& text, const QString& message);

    QButtonGroup* bunruiGroup = nullptr;
    QButtonGroup* sihaiGroup = nullptr;
    QButtonGroup* kyoGroup = nullptr;
    QString karteFile;
    bool loaded = false;
};
