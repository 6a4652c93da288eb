#pragma once

#include <QDialog>
#include <QList>

class LabelButtonArray;
class QLabel;

// "診療点数": the totals of the open chart as the chart editor hands them over in TensuIn, shown
// as they are (the drug-price points in both columns). Returns nothing.
class TensuForm : public QDialog
{
    Q_OBJECT

public:
    explicit TensuForm(QWidget* parent = nullptr);

    QList<QLabel*> TensuGd;   // 0 to 7
    LabelButtonArray* CmdGd = nullptr;
};
