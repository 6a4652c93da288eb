#pragma once

#include "TestFixture.h"

#include "common/Ken.h"

#include <QString>
#include <QStringList>

class FlexGrid;
class LabelButtonArray;
class QDialog;
class QLineEdit;
class QWidget;
class YakuhinSentakuForm;

// A copy of the sample installation as the data root, with its code tables loaded for a
// prefecture, and the ways a person works the dialogs: clicks on label buttons, grid cells and
// options, and typing.
class TreatmentSetup
{
public:
    explicit TreatmentSetup(Ken ken = Ken::Sonota);
    ~TreatmentSetup();

    QString file(const QString& relative) const;
    void write(const QString& relative, const QStringList& lines) const;
    QStringList read(const QString& relative) const;

    static void show(QDialog& dialog);
    static void click(QWidget* widget);
    static void click(LabelButtonArray* array, int index);
    static void clickCell(FlexGrid* grid, int row, int col = 1);
    // The text typed into the box after a click into it (ASCII keys, other text by commit).
    static void type(QLineEdit* box, const QString& text);
    static void pressEnter(QWidget* widget);
    // Clicks the kana cell, then the drug row of that name.
    static void pickDrug(YakuhinSentakuForm& form, int kanaRow, int kanaCol, const QString& name);
    // The first grid row (1 and more) whose column holds the text; -1 when none.
    static int findRow(const FlexGrid* grid, int col, const QString& text);

private:
    TempDataRoot temp;
    QString root;
};
