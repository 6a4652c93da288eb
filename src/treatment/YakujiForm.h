#pragma once

#include "YakuhinSentakuForm.h"

class QFrame;
class QLabel;

// The drug-treatment dialog (薬治): a drug of one of three classes (internal, external, infusion
// and insertion drugs) by kana or from the class's regular-drug list, the fee class with its
// points, the prescription unit and the quantity. OK hands the drug back in YakujiOut (item 0
// empty: nothing chosen) and registers it with its prescription unit in the regular-drug list.
class YakujiForm : public YakuhinSentakuForm
{
    Q_OBJECT

public:
    explicit YakujiForm(QWidget* parent = nullptr);

    QList<QLineEdit*> InpTx;   // 0 prescription unit, 1 quantity
    QLabel* TaniGd = nullptr;
    OptionArray* KusuriBunruiOp = nullptr;
    QFrame* TensuFrame = nullptr;
    QFrame* BunruiFrame = nullptr;
    QString MotoTaniGd = QStringLiteral("0");   // base quantity of the picked drug

    static const QStringList& kubun();

    void TyusyaOp_Click(int index);
    void KusuriBunruiOp_Click(int index);

protected:
    QString classMark() const override;
    int tourokuCategory() const override;
    bool withSyringe() const override { return false; }
    QList<YakuhinRows::Row> jyoRows() const override;
    QStringList rowCells(const YakuhinRows::Row& row) const override;
    QString jyoLine(const YakuhinRows::Row& row) const override;
    void showView(bool jyo) override;
    void rowPicked(const YakuhinRows::Row& row) override;
    void OK() override;
    QStringList& out() const override;
    QLineEdit* suuryouBox() const override;

private:
    void buildTop();
    void buildControls();
    void Form_Load();
    bool check();
    static QString houhouWord(const QString& caption);
};
