#pragma once

#include <QDialog>

class LabelButtonArray;
class QListWidget;

// The design shared by the history-report and cause pickers: the candidates of a file in the
// settings folder, sorted, and the commands "OK", "削除" and "キャンセル". The field's text travels in
// one hand-over text: "OK" puts the selected candidate in (and, without a selection, leaves the
// text as it was), "削除" empties it, "キャンセル" leaves it.
class KouhoListForm : public QDialog
{
    Q_OBJECT

public:
    QListWidget* ListList = nullptr;
    LabelButtonArray* CmdGd = nullptr;

    void CmdGd_Click(int index);

protected:
    struct Layout
    {
        QString heading;
        QString fileName;
        int left, top, width, height;       // the window
        int headingLeft, headingTop;
        int okLeft, sakujoLeft, cancelLeft, commandTop;
        int listLeft, listTop;
    };
    KouhoListForm(QString& value, const Layout& layout, QWidget* parent);

private:
    QString& text;
};
