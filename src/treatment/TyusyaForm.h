#pragma once

#include "YakuhinSentakuForm.h"
#include "ZotenTensu.h"

// The injection dialog: a drug of the price table (by kana or from the regular-drug list of
// "code\Record1.ini"), the method of injection with its fee points, the quantity and a surcharge
// typed in points. OK hands the line back in TyusyaOut (item 0 empty: nothing chosen) and
// registers the drug in the regular-drug list.
class TyusyaForm : public YakuhinSentakuForm
{
    Q_OBJECT

public:
    explicit TyusyaForm(QWidget* parent = nullptr);

    QLineEdit* InpTx = nullptr;
    QList<QLineEdit*> ZotenTxBox;

    static const QStringList& houhou();

    void TyusyaOp_Click(int index);
    void ZotenTxBox_Change();

protected:
    QString classMark() const override { return QStringLiteral("注"); }
    int tourokuCategory() const override { return 0; }
    bool withSyringe() const override { return true; }
    QList<YakuhinRows::Row> jyoRows() const override;
    QStringList rowCells(const YakuhinRows::Row& row) const override;
    QString jyoLine(const YakuhinRows::Row& row) const override;
    void showView(bool jyo) override;
    void rowPicked(const YakuhinRows::Row& row) override;
    void OK() override;
    QStringList& out() const override;
    QLineEdit* suuryouBox() const override;

private:
    void buildControls();
    void Form_Load();
    void showTensu();

    ZotenTensu tensu;
};
