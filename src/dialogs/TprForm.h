#pragma once

#include <QDialog>
#include <QList>

class LabelButtonArray;
class QLineEdit;

// The vital-signs entry: temperature, pulse and respiration in three boxes, handed back in TprText
// as "T=… P=… R=…" with the texts as typed. "削除" hands back the empty text, "閉る" the opener's
// text. Enter moves to the next box and, in the last, runs "OK".
class TprForm : public QDialog
{
    Q_OBJECT

public:
    explicit TprForm(QWidget* parent = nullptr);

    // The T.P.R text of three typed values.
    static QString tprText(const QString& t, const QString& p, const QString& r);

    QList<QLineEdit*> InpTx;
    LabelButtonArray* Label1 = nullptr;

    void Label1_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
