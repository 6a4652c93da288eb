#include "BookSetup.h"

#include "WindowMouse.h"

#include "common/CodeTableLoader.h"
#include "common/LabelButtonArray.h"
#include "common/DataPath.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"

#include <QDate>
#include <QAbstractButton>
#include <QFileInfo>
#include <QLineEdit>
#include <QtTest>

BookSetup::BookSetup(const QString& siteKey, const QStringList& dellInfo)
{
    root = TestFixture::copySample(temp.path());
    DataPath::setRoot(root);
    write(QStringLiteral("set/info.ini"), {QStringLiteral("茨城県,") + siteKey});
    write(QStringLiteral("set/DellInfo.ini"), dellInfo);
    SharedState& s = SharedState::get();
    QString error;
    if (!StartupConfig::load(s, QDate(2025, 6, 12), &error))
        qFatal("installation does not start: %s", qPrintable(error));
    CodeTableLoader::load(s.Tables, s.ken);
    s.CurrentKarteFile = karte();
}

BookSetup::~BookSetup() = default;

QString BookSetup::path(const QString& relative) const
{
    return root + QLatin1Char('/') + relative;
}

void BookSetup::write(const QString& relative, const QStringList& lines) const
{
    TestFixture::writeCp932(path(relative), lines);
}

QStringList BookSetup::read(const QString& relative) const
{
    return TestFixture::readCp932(path(relative));
}

QByteArray BookSetup::bytes(const QString& relative) const
{
    return TestFixture::readBytes(path(relative));
}

bool BookSetup::exists(const QString& relative) const
{
    return QFileInfo::exists(path(relative));
}

namespace {
QString chartLine(const QString& tag, const QList<QPair<int, QString>>& values)
{
    QStringList fields(16);
    fields[0] = tag;
    for (const auto& v : values)
        fields[v.first] = v.second;
    return fields.join('\'') + '\'';
}
}

void BookSetup::writeChart(const QString& fileName, const QString& meigou, const QString& mimiban,
                           const QList<Episode>& episodes, const QString& baseName) const
{
    const QString base = baseName.isEmpty() ? fileName.chopped(4) : baseName;
    QStringList lines{chartLine("Main", {{1, "県北"}, {2, "県北牧場"}, {3, "00010001"}}),
                      chartLine("Main", {{1, "乳用牛"}, {4, "H30.4.1"}, {5, "雌"}, {6, meigou}, {8, "包"},
                                         {10, mimiban}, {13, base}})};
    for (const Episode& episode : episodes) {
        lines.append(chartLine("Name", episode.name));
        lines.append(chartLine("Data", {}));
        lines.append(chartLine("Data", {}));
        lines.append(chartLine("Data", episode.data3));
        for (int j = 0; j < 20; ++j)
            for (int k = 0; k < 11; ++k)
                lines.append(chartLine("Sinsatu", {{1, QString::number(j + 1)}}));
    }
    write("H7/" + fileName, lines);
}

TiryoboRow BookSetup::row(const QList<QPair<int, QString>>& cells)
{
    TiryoboRow r;
    for (const auto& cell : cells)
        r.set(cell.first, cell.second);
    return r;
}

void BookSetup::click(QWidget* control, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    // An option or check box takes clicks on its mark: click there.
    const bool mark = qobject_cast<QAbstractButton*>(control);
    QVERIFY2(WindowMouse::click(control, mark ? QPoint(6, control->height() / 2) : QPoint(), modifiers, button),
             qPrintable(control->objectName() + " is covered"));
}

void BookSetup::click(LabelButtonArray* array, int index)
{
    QVERIFY(array->at(index));
    QVERIFY2(array->at(index)->isVisible(), qPrintable(array->at(index)->text()));
    click(array->at(index));
}

void BookSetup::type(QLineEdit* box, const QString& text)
{
    click(box);
    box->selectAll();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void BookSetup::pressEnter(QWidget* control)
{
    QTest::keyClick(control, Qt::Key_Return);
}
