#include "BookSetup.h"

#include "WindowMouse.h"

#include "chart/KarteKotaiRecord.h"
#include "chart/KarteNoukaRecord.h"
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
    writeSiteRows();
    write(QStringLiteral("set/DellInfo.ini"), dellInfo);
    SharedState& s = SharedState::get();
    QString error;
    if (!StartupConfig::load(s, QDate(2025, 6, 12), &error))
        qFatal("installation does not start: %s", qPrintable(error));
    CodeTableLoader::load(s.Tables, s.ken);
    s.CurrentKarteFile = karte();
}

BookSetup::~BookSetup() = default;

void BookSetup::writeSiteRows() const
{
    // The sample's IBF1A row with what the treatment book and the tally read of a branch site,
    // and IBF4, the group's site that has no partner.
    const QString company = QStringLiteral(",FarmCompanyForm=有限会社,FarmCompanyName=県北ファーム");
    QStringList rows = read(QStringLiteral("set/SiteProfile.ini"));
    for (QString& row : rows) {
        if (row.startsWith(QStringLiteral("IBF1A,")))
            row += QStringLiteral(",FarmGroup,BranchName=県北支所,PartnerSide=B") + company
                   + QStringLiteral(",SyukeiDoctors=高橋:伊藤:渡辺");
    }
    rows.append(QStringLiteral("IBF4,茨城県,ShowSubmission,FarmType,FarmGroup,HideInport,KiokuRecall,TitleText=本所")
                + company + QStringLiteral(",SyukeiDoctors=高橋:伊藤:中村"));
    write(QStringLiteral("set/SiteProfile.ini"), rows);
}

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
    KarteNoukaRecord nouka;
    nouka.NoukaTiku = QStringLiteral("県北");
    nouka.NoukaName = QStringLiteral("県北牧場");
    nouka.NoukaCode = QStringLiteral("00010001");
    KarteKotaiRecord kotai;
    kotai.Syurui = QStringLiteral("乳用牛");
    kotai.BirthDay = QStringLiteral("H30.4.1");
    kotai.Seibetu = QStringLiteral("雌");
    kotai.Meigou = meigou;
    kotai.Kyosai = QStringLiteral("包");
    kotai.Mimiban = mimiban;
    kotai.KarteName = base;
    QStringList lines{nouka.line(), kotai.line()};
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
    QVERIFY(WindowMouse::showWindow(array->at(index)));
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
