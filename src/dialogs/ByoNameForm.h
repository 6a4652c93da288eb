#pragma once

#include "ByoCodeFile.h"

#include <QDialog>
#include <QList>

class LabelButtonArray;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

// The disease-name picker: major class, middle class and disease name in three lists from the
// disease code files; the chosen name and its code "major-middle-name" can be corrected in the
// number-entry frame ("変更実行"). "OK" hands name and code back in ByoName and ByoCode, "削除"
// hands back "del", "閉じる" two empty texts.
class ByoNameForm : public QDialog
{
    Q_OBJECT

public:
    explicit ByoNameForm(QWidget* parent = nullptr);

    QListWidget* BigList = nullptr;
    QListWidget* MidleList = nullptr;
    QListWidget* ListList = nullptr;
    QList<QLabel*> ByoNameGd;       // 0 the name, 1 the code
    QGroupBox* InpFrame = nullptr;
    QList<QLineEdit*> NbText;       // 0 to 2 the code's parts, 3 the name
    LabelButtonArray* CmdGd = nullptr;

    void BigList_Click();
    void MidleList_Click();
    void ListList_Click();
    void CmdGd_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLists();
    void buildInpFrame();
    void henkou();
    void setSelection(const QString& name, const QString& code);
    static QString clickedText(QListWidget* list);

    ByoCodeFile files;
    QString bigCode;
    QList<QStringList> KariList;    // the record of each entry of the name list
};
