#pragma once

#include "chart/NewInputView.h"

#include <QMap>

// A chart editor as the windows that read it see it: the values a test puts in, nothing else.
// Set SharedState::OpenEditor to it for as long as the "editor" is open.
class NewInputViewStub : public NewInputView
{
public:
    QStringList KiokuList;
    QMap<int, QString> MainGd;
    QString ByoName1;
    int DateCh = 0;
    int BunsyoCh = 0;
    QString SinryoKaiChGd;
    MiyazakiDataGrid DataGrid;
    QRect WindowRect;

    QStringList kiokuList() const override { return KiokuList; }
    QString mainGdText(int index) const override { return MainGd.value(index); }
    QString byoName1() const override { return ByoName1; }
    int dateCh() const override { return DateCh; }
    int bunsyoCh() const override { return BunsyoCh; }
    QString sinryoKaiChGdText() const override { return SinryoKaiChGd; }
    const MiyazakiDataGrid& dataGrid() const override { return DataGrid; }
    QRect windowRect() const override { return WindowRect; }
};
