#pragma once

#include "OusinTensuProc.h"

#include <QDialog>
#include <QList>

class LabelButtonArray;
class OptionArray;
class QCheckBox;
class QLabel;
class QLineEdit;

// The house-call dialog (往診): distance and visit class give the points of the distance table,
// raised by the snow-region surcharge when "積雪地域" is ticked (kept in "set\Sekisetu.ini");
// the final points can also be typed. OK hands class, distance, band and points back in OusinOut
// (item 0 empty: nothing chosen). Where the site writes the origin place, "宅～" picks it.
class OusinForm : public QDialog
{
    Q_OBJECT

public:
    explicit OusinForm(QWidget* parent = nullptr);

    QLineEdit* InpTx = nullptr;
    OptionArray* Option1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* YukiPointGd = nullptr;
    QList<QLabel*> TensuGd;        // 2 and 3: the final B and A points (0 and 1 unused)
    QList<QLineEdit*> ZotenTxBox;
    LabelButtonArray* CmdGd = nullptr;
    QLabel* TakuGd = nullptr;

    static const QStringList& kubun();
    static QString sekisetuPath();
    // Whether the installation writes the origin place of a house call (鹿児島県, the Ibaraki clinic).
    static bool takuShown();

    void CmdGd_Click(int index);
    void runTensu();
    void ZotenTxBox_Change(int index);
    const OusinTensuProc::Result& tensu() const { return held; }

private:
    void buildControls();
    void Form_Load();
    void unload();
    void showTaku();

    OusinTensuProc::Result held;
};
