#pragma once

#include "common/PrintDevice.h"

#include <QList>
#include <QString>
#include <climits>

struct TuchiPrintData;

// One notification layout as data: the page (frame lines, fixed and identity texts, circles) that
// starts every page, and the cells and circles of a case row, placed by the notice rules
// (ListPrintRule, y at the bottom of the text). Positions are millimetres from the paper's
// corner; a row's items are relative to its line y = rowY0 + rowPitch x r (r = 1 .. rowsPerPage).
// The list ends at the first row whose column endCol is empty.
class TuchiLayout
{
public:
    // What a page text prints: its own text, the tally's year or month, the page number, the
    // veterinarian's name, or the site's identity text named by text (spread out by blanks with
    // SiteSpaced), printed only at the site of identitySite.
    enum class Source { Text, Nen, Tuki, PageNo, DocName, SiteText, SiteSpaced };
    // What a row item takes of its column's text.
    using Value = QString (*)(const QString& cell, const TuchiPrintData& data);

    // A line in its width, repeated count times, each dy lower than the one before.
    struct Sen
    {
        float x1, y1, x2, y2;
        int width;
        int count = 1;
        float dy = 0;
    };
    // A text of the page, repeated count times, each dy lower (the choices in every row band).
    struct Moji
    {
        Source source;
        QString text;
        int size;
        int font;
        int align;
        float x, y;
        int count = 1;
        float dy = 0;
    };
    struct En
    {
        float x, y, r;
    };
    // A cell of a row: the column's text (or its value) at x, y + dy; a wrapped cell when limit
    // is set. With a byte range it prints only when the text's byte length lies in it.
    struct Cell
    {
        int col;
        int size;
        int font;
        int align;
        float x;
        float dy;
        int limit = 0;
        float pitch = 0;
        int minBytes = 0;
        int maxBytes = INT_MAX;
        Value value = nullptr;
    };
    // A circle of a row about (x, y + dy) marking a pre-printed choice: drawn when the column's
    // text (or its value) equals mark, or in every row when any.
    struct Maru
    {
        int col;
        QString mark;
        float x;
        float dy;
        float r;
        Value value = nullptr;
        bool any = false;
    };

    PrintDevice::Orientation orientation = PrintDevice::Orientation::Portrait;
    int rowsPerPage = 0;
    float rowY0 = 0;
    float rowPitch = 0;
    int endCol = 0;
    QString identitySite;
    QList<Sen> frame;
    QList<Moji> texts;
    QList<En> circles;
    QList<Cell> cells;
    QList<Maru> marks;

    // The Kagoshima notice "共済事故発生通知書", 31 cases a page.
    static const TuchiLayout& kagosimaNotice();
    // The Kagoshima book "家畜共済病傷事故発生通知簿", 25 cases a page, with the notice date.
    static const TuchiLayout& kagosimaBook();
    // The book of the other prefectures, 31 cases a page.
    static const TuchiLayout& defaultBook();
    // The Okinawa notice "病 傷 事 故 発 生 通 知" on landscape paper, 10 cases a page.
    static const TuchiLayout& okinawaNotice();
    // The Gunma list on the association's pre-printed sheet, 10 cases a sheet.
    static const TuchiLayout& gunmaList();
};
