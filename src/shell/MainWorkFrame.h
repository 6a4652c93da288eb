#pragma once

#include <QFrame>

class QLineEdit;
class QListWidget;
class QPushButton;

// The main window's maintenance panel: the export of the drug-price table to the year-2010
// drug-code file and two searches of the drug-price table. Nothing in the program shows it.
class MainWorkFrame : public QFrame
{
    Q_OBJECT

public:
    explicit MainWorkFrame(QWidget* parent = nullptr);

    QPushButton* Command1 = nullptr;
    QPushButton* Command2[2] = {};
    QLineEdit* Text2[2] = {};
    QListWidget* List1 = nullptr;

    void Command1_Click();
    void Command2_Click(int index);
};
