#pragma once

#include "treatment/MiyazakiDataGrid.h"

#include <QRect>
#include <QString>
#include <QStringList>

// What other windows read of the open chart editor while it stays open underneath them: the date
// picker's recall, the episode copy dialog, the certificate printers and the treatment-code dialog.
// The editor sets SharedState::OpenEditor to itself when it loads and clears it when it closes;
// readers never change the episode through it. Tests hand a small implementation of their own.
class NewInputView
{
public:
    virtual ~NewInputView() = default;

    // KiokuList: the lines of the calving and insemination memory as the editor holds them.
    virtual QStringList kiokuList() const = 0;
    // The caption of MainGd(index): 3 ear tag, 10 first-examination date, 15 and 16 the totals,
    // 19 farmer code.
    virtual QString mainGdText(int index) const = 0;
    // ByoNameGrid row 0 column 1: the disease-1 name.
    virtual QString byoName1() const = 0;
    // DateCh: 1 when the chart's last examination date is disease 2's last-examination date.
    virtual int dateCh() const = 0;
    // BunsyoCh: 1 when no document fee is charged for the episode.
    virtual int bunsyoCh() const = 0;
    // The caption of SinryoKaiChGd: the examination-day count mark.
    virtual QString sinryoKaiChGdText() const = 0;
    // DataGrid(0) and DataGrid(1): the Miyazaki price tables as loaded.
    virtual const MiyazakiDataGrid& dataGrid() const = 0;
    // The window's frame on the screen (Top, Left, Height of the window), in pixels.
    virtual QRect windowRect() const = 0;
};
