#pragma once

#include <QDialog>
#include <QList>

class LabelButtonArray;
class QButtonGroup;
class QLabel;
class QListWidget;
class QRadioButton;

// The chart templates dialog, by HinagataMode: 0 registers the open episode (HinagataKarteLines)
// under the name shown, 1 loads a template into HinagataKarteLines, 2 brings the drug prices of a
// template up to date. Templates are listed by disease class; the dialog also renames the
// template being registered and deletes templates. "キャンセル" sets HinagataMode to -1.
class HinagataForm : public QDialog
{
    Q_OBJECT

public:
    explicit HinagataForm(QWidget* parent = nullptr);

    static constexpr int BunruiCount = 19;

    QLabel* TitleGd = nullptr;
    QLabel* GuideGd = nullptr;
    QLabel* NameGd = nullptr;
    QLabel* BunruiGd = nullptr;
    QLabel* infoGd = nullptr;
    QListWidget* List1 = nullptr;
    QList<QRadioButton*> BunruiOp;
    LabelButtonArray* CmdGd = nullptr;

    void BunruiOp_Click(int index);
    void List1_Click();
    void CmdGd_Click(int index);

private:
    void buildControls();
    void Form_Load();
    void touroku();
    void yomikomi();
    void kousin();
    void henkou();
    void sakujo();
    QString name() const;

    QButtonGroup* bunrui = nullptr;
};
