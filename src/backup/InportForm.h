#pragma once

#include <QDialog>
#include <array>

class BackUpControls;
class QLabel;

// "インポート": copies the partner installation's export folder from the chosen drive into this
// installation: the partner's books into inport and, at side B, side A's candidate lists into
// cb. Commands by index: 0 close, 1 start. From the first start on the progress panel stays.
class InportForm : public QDialog
{
    Q_OBJECT

public:
    explicit InportForm(QWidget* parent = nullptr);

    BackUpControls* controls = nullptr;
    std::array<QLabel*, 5> Label1{};

    void CmdGd_Click(int index);

protected:
    void reject() override;

private:
    void buildControls();
    void Form_Load();
    void InportProc();
};
