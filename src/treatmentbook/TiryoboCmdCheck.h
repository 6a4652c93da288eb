#pragma once

#include "TiryoboMessage.h"

class TiryoboBook;

// The command codes of the treatment book (the indexes of its command labels) and the checks
// every command passes before it acts.
class TiryoboCmdCheck
{
public:
    enum Code {
        Ousin = 0, Tyusya = 1, Yakuji = 2, Bunsyo = 3, Syochi = 4, Kensa = 5, Syujyutu = 6, Sidou = 7,
        Nyuin = 8, GyoDel = 9, GyoIns = 10, KuhakuDel = 11, Hiduke = 12, GyoCopy = 13, GyoPaste = 14,
        Tojiru = 15, Saisin = 16, PLTest = 17, Gensyo = 18, TiryoEnd = 19, Kanri = 20, ByoMei = 21,
        SyochiGai = 22, Syoken = 23, Pict2 = 24, Tane = 25, Insatu = 26, Bunben = 27, Taion = 28,
        Sindansyo = 29, GyoSiteiStart = 30, GyoSiteiEnd = 31, MultiPaste = 32, MultiCopy = 33,
        DayCopy = 34, DayPaste = 35, DataHyoji = 36, InportDayCopy = 37, InportGyoCopy = 38,
        HidukeClear = 39, SizeCaption = 40,
    };
    // What the grid is laid out again with after a command that went through.
    enum class Layout { None, CurrentRow, AllRows };

    // The row check (a selected row that is not the end row) and the marking check, for the
    // codes that take them; codes 36 to 38 take the marking check after their own work, through
    // marking().
    static TiryoboNotice common(const TiryoboBook& book, int code);
    static TiryoboNotice marking(const TiryoboBook& book);
    // The commands that need the first row of a day: the current row must hold a date.
    static TiryoboNotice dateRow(const TiryoboBook& book, int code);
    static Layout layoutAfter(int code);
};
