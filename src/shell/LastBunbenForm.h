#pragma once

#include <QDialog>

class FlexGrid;
class LabelButton;

// The last-calving register "最終分娩日登録": a grid of ear tags and dates with two sample
// entries. It reads and writes no file; its "OK" label does nothing.
class LastBunbenForm : public QDialog
{
    Q_OBJECT

public:
    explicit LastBunbenForm(QWidget* parent = nullptr);

    FlexGrid* TourokuGrid = nullptr;
    LabelButton* CmdGd = nullptr;

private:
    void Form_Load();
};
