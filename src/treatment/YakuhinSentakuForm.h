#pragma once

#include "JyoYakuList.h"
#include "YakuhinRows.h"

#include <QDialog>
#include <QList>
#include <optional>

class FlexGrid;
class LabelButtonArray;
class OptionArray;
class QLabel;
class QLineEdit;

// What the injection and drug-treatment dialogs share: the kana index whose cell "常" lists the
// regular-drug list, the drug list with the registered names, the picked drug row, registering
// and removing the picked drug in the regular-drug list, the fee table of the methods, and the
// quantity boxes (a click empties them, Enter acts).
class YakuhinSentakuForm : public QDialog
{
    Q_OBJECT

public:
    FlexGrid* TyusyaGrid = nullptr;
    FlexGrid* YobiGrid = nullptr;
    FlexGrid* SinryoGrid = nullptr;
    LabelButtonArray* CmdGd = nullptr;
    OptionArray* TyusyaOp = nullptr;
    QList<QLabel*> TensuGd;   // 0 price, 1 and 2 base B and A, 3 and 4 surcharges, 5 and 6 totals

    enum Command { Ok, Tojiru, Touroku, Sakujyo, Suuryou };

    void CmdGd_Click(int index);
    void YobiGrid_Click(int row, int col);
    void TyusyaGrid_Click(int row);
    // Registers (remove 0) or removes (remove 1) the picked drug in the regular-drug list,
    // showing the result when message is 1.
    void JyoYakuTourokuProc(int remove, int message);

    bool pickedFlag() const { return picked; }
    const QList<YakuhinRows::Row>& viewRows() const { return rows; }

protected:
    explicit YakuhinSentakuForm(QWidget* parent);

    virtual QString classMark() const = 0;
    virtual int tourokuCategory() const = 0;
    virtual bool withSyringe() const = 0;
    virtual QList<YakuhinRows::Row> jyoRows() const = 0;
    virtual QStringList rowCells(const YakuhinRows::Row& row) const = 0;
    virtual QString jyoLine(const YakuhinRows::Row& row) const = 0;
    virtual void showView(bool jyo) = 0;     // the register and remove buttons, the columns
    virtual void rowPicked(const YakuhinRows::Row& row) = 0;
    virtual void OK() = 0;
    virtual QStringList& out() const = 0;  // the result array, emptied by "閉じる"
    virtual QLineEdit* suuryouBox() const = 0;

    void buildKana(const QStringList& columns, int left, int top);
    void buildSinryoGrid(const QStringList& table, int left, int top, int height);
    // The B and A points of the fee row whose class (trimmed) is caption; none without one.
    std::optional<QPair<QString, QString>> sinryoPoints(const QString& caption) const;
    // Fills the drug list again for the chosen kana cell, as its click does.
    void refill();
    // A box emptied by a click into it; Enter in the quantity box runs OK.
    void watchBox(QLineEdit* box);
    // Items 0 to 8 of the result: the name (or registered name), the standard (none with a
    // registered name), the price and the six point figures.
    void fillItems(QStringList& result) const;
    // The row picked by the user (only while pickedFlag()).
    const YakuhinRows::Row& pickedRow() const;
    bool currentIsDrugRow() const;

    JyoYakuList kioku;
    QString kanaEntry;
    int kanaRow = 4;
    int kanaCol = 9;

private:
    void dentaku();
    void fillList(const QList<YakuhinRows::Row>& newRows);

    QList<YakuhinRows::Row> rows;
    bool picked = false;
    int pickedIndex = -1;
};
