#pragma once

#include "TestFixture.h"

#include "treatmentbook/TiryoboRow.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class LabelButtonArray;
class QLineEdit;
class QWidget;

// A 茨城県 farm installation for the treatment-book tests: a copy of the sample installation
// started at a site (IBF1A, a paired branch site, or IBF4, the site without a partner), its code
// tables loaded, the list of dead or shipped animals read, and the animal H7_00010001_1234_0 as
// the current chart.
class BookSetup
{
public:
    explicit BookSetup(const QString& siteKey = QStringLiteral("IBF1A"),
                       const QStringList& dellInfo = {QStringLiteral("H7_00010001_9999_0,")});
    ~BookSetup();

    static QString karte() { return QStringLiteral("H7_00010001_1234_0.sxd"); }
    QString path(const QString& relative) const;
    void write(const QString& relative, const QStringList& lines) const;
    QStringList read(const QString& relative) const;
    QByteArray bytes(const QString& relative) const;
    bool exists(const QString& relative) const;

    // A chart of the data year for the tallies: farmer line, animal line (name field 6, ear tag
    // field 10, base name field 13) and one block per episode whose name line (block line 0)
    // and totals line (block line 3) hold the fields given by index.
    struct Episode
    {
        QList<QPair<int, QString>> name;
        QList<QPair<int, QString>> data3;
    };
    void writeChart(const QString& fileName, const QString& meigou, const QString& mimiban,
                    const QList<Episode>& episodes, const QString& baseName = QString()) const;

    // A person at the window: a click where the control shows (refused when covered), text typed
    // into a box after a click into it, Enter pressed.
    static void click(QWidget* control, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton);
    static void click(LabelButtonArray* array, int index);
    static void type(QLineEdit* box, const QString& text);
    static void pressEnter(QWidget* control);

    // A row of cells given by column.
    static TiryoboRow row(const QList<QPair<int, QString>>& cells);

private:
    void writeSiteRows() const;

    TempDataRoot temp;
    QString root;
};
