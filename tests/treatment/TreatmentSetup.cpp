#include "TreatmentSetup.h"

#include "WindowMouse.h"

#include "common/CodeTableLoader.h"
#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"
#include "treatment/YakuhinSentakuForm.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QtTest>

TreatmentSetup::TreatmentSetup(Ken ken)
{
    root = TestFixture::copySample(temp.path());
    DataPath::setRoot(root);
    SharedState& s = SharedState::get();
    s.setKen(KenInfo::name(ken));
    s.ColorSet = StartupConfig::colorSet();
    CodeTableLoader::load(s.Tables, ken);
}

TreatmentSetup::~TreatmentSetup() = default;

QString TreatmentSetup::file(const QString& relative) const
{
    return DataPath::file(relative);
}

void TreatmentSetup::write(const QString& relative, const QStringList& lines) const
{
    TestFixture::writeCp932(root + QLatin1Char('/') + relative, lines);
}

QStringList TreatmentSetup::read(const QString& relative) const
{
    return TestFixture::readCp932(root + QLatin1Char('/') + relative);
}

void TreatmentSetup::show(QDialog& dialog)
{
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

void TreatmentSetup::click(QWidget* widget)
{
    // An option or check box takes clicks on its mark and caption only: click its mark.
    const bool button = qobject_cast<QAbstractButton*>(widget);
    QVERIFY2(WindowMouse::click(widget, button ? QPoint(6, widget->height() / 2) : QPoint()),
             qPrintable(widget->objectName() + " is covered"));
}

void TreatmentSetup::click(LabelButtonArray* array, int index)
{
    QVERIFY(array->at(index)->isVisible());
    click(array->at(index));
}

void TreatmentSetup::clickCell(FlexGrid* grid, int row, int col)
{
    QTableWidgetItem* item = grid->item(row, col);
    QVERIFY(item);
    grid->scrollToItem(item);
    QVERIFY2(WindowMouse::clickCell(grid, row, col), qPrintable(grid->objectName() + " is covered"));
}

void TreatmentSetup::type(QLineEdit* box, const QString& text)
{
    click(box);
    box->selectAll();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void TreatmentSetup::pressEnter(QWidget* widget)
{
    QTest::keyClick(widget, Qt::Key_Return);
}

int TreatmentSetup::findRow(const FlexGrid* grid, int col, const QString& text)
{
    for (int r = 1; r < grid->rows(); ++r) {
        if (grid->textMatrix(r, col) == text)
            return r;
    }
    return -1;
}

void TreatmentSetup::pickDrug(YakuhinSentakuForm& form, int kanaRow, int kanaCol, const QString& name)
{
    clickCell(form.YobiGrid, kanaRow, kanaCol);
    const int r = findRow(form.TyusyaGrid, 1, name);
    QVERIFY(r > 0);
    clickCell(form.TyusyaGrid, r, 1);
}
