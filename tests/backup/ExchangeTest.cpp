#include "BackUpSetup.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "backup/BackUpControls.h"
#include "backup/ExchangeSide.h"
#include "backup/ExportForm.h"
#include "backup/InportForm.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SiteProfile.h"
#include "treatmentbook/TiryoboFile.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {
const QString book = QStringLiteral("H7_00010001_1234_0");
const QString dottedBook = QStringLiteral("H7_00010001_12.5_0");

// A book of one dated row whose third cell names who kept it.
void writeBook(const QString& path, const QString& keeper)
{
    TiryoboRow row;
    row.set(0, QStringLiteral("5.3.1"));
    row.set(2, keeper);
    TestFixture::writeCp932(path, {TiryoboFile::line(row)});
}

// The partner's book as the book window reads it.
QString partnerKeeper(const QString& bookBase)
{
    const TiryoboFile file = TiryoboFile::readImport(TiryoboFile::ixbPath(bookBase + QStringLiteral(".sxd")));
    return file.rows.isEmpty() ? QString() : file.rows.first().at(2);
}

QStringList filesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

template <typename Form>
void runWindow(const QString& expected, MsgBox::Answer answer = MsgBox::Ok)
{
    MsgBox::clearLog();
    MsgBox::setResponder([answer](const MsgBox::Call& call) {
        return call.buttons == MsgBox::OkCancel ? answer : MsgBox::Ok;
    });
    Form form;
    QVERIFY(WindowMouse::clickRow(form.controls->DrvList, 0));
    QVERIFY(WindowMouse::click(form.controls->CmdGd->at(1)));
    QVERIFY(!MsgBox::log().isEmpty());
    QCOMPARE(MsgBox::log().first().text.section('\n', 0, 0), expected);
}
} // namespace

class ExchangeTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void sideOfSite_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("exportFolder");
        QTest::addColumn<QString>("importFolder");
        QTest::newRow("A") << "IBF1A,茨城県,PartnerSide=B" << int(ExchangeSide::A) << "export_a" << "export_b";
        QTest::newRow("B") << "IBF1B,茨城県,PartnerSide=A" << int(ExchangeSide::B) << "export_b" << "export_a";
        QTest::newRow("no partner") << "OKAYAMA,茨城県,ShowExchange" << int(ExchangeSide::None) << "export_a" << "";
    }

    void sideOfSite()
    {
        QFETCH(QString, row);
        QFETCH(int, side);
        QFETCH(QString, exportFolder);
        QFETCH(QString, importFolder);
        const ExchangeSide::Side s = ExchangeSide::of(SiteProfile::parseRow(row));
        QCOMPARE(int(s), side);
        QCOMPARE(ExchangeSide::exportFolder(s), exportFolder);
        QCOMPARE(ExchangeSide::importFolder(s), importFolder);
    }

    // The extension is the text after the last "."; "ini" in any case stays a list.
    void exportedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("exported");
        QTest::newRow("book") << "H7_1_2_0.txb" << "H7_1_2_0.ixb";
        QTest::newRow("dot in the ear tag") << "H7_1_2.5_0.txb" << "H7_1_2.5_0.ixb";
        QTest::newRow("list") << "BunbenKouho.ini" << "BunbenKouho.ini";
        QTest::newRow("list in capitals") << "Syochi.INI" << "Syochi.ini";
        QTest::newRow("no extension") << "README" << "";
        QTest::newRow("empty extension") << "name." << "";
    }

    void exportedNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, exported);
        QCOMPARE(ExchangeSide::exportedName(name).value_or(QString()), exported);
    }

    void importPlaces_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("place");
        QTest::newRow("A book") << int(ExchangeSide::A) << "x.ixb" << "inport";
        QTest::newRow("A stamp") << int(ExchangeSide::A) << "index.ini" << "inport";
        QTest::newRow("B book") << int(ExchangeSide::B) << "x.ixb" << "inport";
        QTest::newRow("B book in capitals") << int(ExchangeSide::B) << "x.IXB" << "inport";
        QTest::newRow("B list") << int(ExchangeSide::B) << "x.ini" << "cb";
        QTest::newRow("B list in capitals") << int(ExchangeSide::B) << "x.INI" << "cb";
        QTest::newRow("B other") << int(ExchangeSide::B) << "x.txt" << "";
        QTest::newRow("no side") << int(ExchangeSide::None) << "x.ixb" << "";
    }

    void importPlaces()
    {
        QFETCH(int, side);
        QFETCH(QString, name);
        QFETCH(QString, place);
        QCOMPARE(ExchangeSide::importPlace(ExchangeSide::Side(side), name), place);
    }

    // Both sides of a branch export onto one medium and import the other's folder: each inport
    // holds the partner's books as ".ixb", B's cb takes A's lists, B sends no list, a file without
    // extension is named and left, and nothing is deleted.
    void pairExchangesItsBooks()
    {
        BackUpInstallation a("茨城県,IBF1A");
        BackUpInstallation b("茨城県,IBF1B");
        writeBook(a.file("cb/" + book + ".txb"), "側A");
        writeBook(a.file("cb/" + dottedBook + ".txb"), "側A 耳標に点");
        a.put("cb/BunbenKouho.ini", "A's list");
        a.put("cb/Syochi.INI", "A's other list");
        a.put("cb/README", "no extension");
        writeBook(b.file("cb/" + book + ".txb"), "側B");
        b.put("cb/BunbenKouho.ini", "B's list");
        b.put("inport/old.ixb", "kept");
        TestDrive drive;

        a.start();
        runWindow<ExportForm>(QStringLiteral("正常に終了しました。"));
        QCOMPARE(MsgBox::log().size(), 2);
        QVERIFY(MsgBox::log().last().text.contains("README"));
        QCOMPARE(filesOf(drive.file("export_a")), (QStringList{"BunbenKouho.ini", dottedBook + ".ixb", book + ".ixb",
                                                               "Syochi.ini", "index.ini"}));

        b.start();
        runWindow<ExportForm>(QStringLiteral("正常に終了しました。"));
        QCOMPARE(filesOf(drive.file("export_b")), (QStringList{book + ".ixb", "index.ini"}));
        runWindow<InportForm>(QStringLiteral("処理を開始します。"));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("終了しました。"));
        QCOMPARE(partnerKeeper(book), QStringLiteral("側A"));
        QCOMPARE(partnerKeeper(dottedBook), QStringLiteral("側A 耳標に点"));
        QCOMPARE(bytesOf(b.file("inport/old.ixb")), QByteArray("kept"));
        QCOMPARE(bytesOf(b.file("cb/BunbenKouho.ini")), QByteArray("A's list"));
        QCOMPARE(bytesOf(b.file("cb/Syochi.ini")), QByteArray("A's other list"));
        QCOMPARE(bytesOf(b.file("cb/" + book + ".txb")), bytesOf(drive.file("export_b/" + book + ".ixb")));

        a.start();
        runWindow<InportForm>(QStringLiteral("処理を開始します。"));
        QCOMPARE(filesOf(a.file("inport")), (QStringList{book + ".ixb", "index.ini"}));
        QCOMPARE(partnerKeeper(book), QStringLiteral("側B"));
        QCOMPARE(bytesOf(a.file("cb/BunbenKouho.ini")), QByteArray("A's list"));
        QCOMPARE(filesOf(drive.file("export_a")).size(), 5);
    }

    // A book edited without a change of length goes out again.
    void editedBookIsExportedAgain()
    {
        BackUpInstallation a("茨城県,IBF1A");
        a.put("cb/" + book + ".txb", "version 1");
        TestDrive drive;
        a.start();
        runWindow<ExportForm>(QStringLiteral("正常に終了しました。"));
        a.put("cb/" + book + ".txb", "version 2");
        runWindow<ExportForm>(QStringLiteral("正常に終了しました。"));
        QCOMPARE(bytesOf(drive.file("export_a/" + book + ".ixb")), QByteArray("version 2"));
    }

    void cancelCopiesNothing()
    {
        BackUpInstallation b("茨城県,IBF1B");
        TestDrive drive;
        TestFixture::writeBytes(drive.file("export_a/" + book + ".ixb"), "A's book");
        b.start();
        runWindow<InportForm>(QStringLiteral("処理を開始します。"), MsgBox::Cancel);
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY(!QFileInfo::exists(b.file("inport/" + book + ".ixb")));
    }

    void importRefusals_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("message");
        QTest::newRow("no partner folder") << false << "正常に終了しませんでした。";
        QTest::newRow("empty partner folder") << true << "正常に終了しませんでした。";
    }

    void importRefusals()
    {
        QFETCH(bool, folder);
        QFETCH(QString, message);
        BackUpInstallation a("茨城県,IBF1A");
        TestDrive drive;
        if (folder)
            QDir().mkpath(drive.file("export_b"));
        a.start();
        runWindow<InportForm>(message);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().first().title, QStringLiteral("エラー"));
    }

    // A site without a partner is told so and writes nothing, on export and on import.
    void siteWithoutPartnerIsRefused()
    {
        BackUpInstallation site("茨城県,OKAYAMA");
        site.put("cb/" + book + ".txb", "book");
        TestDrive drive;
        TestFixture::writeBytes(drive.file("export_a/" + book + ".ixb"), "someone's book");
        site.start();
        runWindow<ExportForm>(ExchangeSide::noPartnerText().section('\n', 0, 0));
        runWindow<InportForm>(ExchangeSide::noPartnerText().section('\n', 0, 0));
        QCOMPARE(filesOf(drive.file("export_a")), QStringList{book + ".ixb"});
        QVERIFY(!QFileInfo::exists(site.file("inport")));
    }
};

NOLVARI_TEST(ExchangeTest)
#include "ExchangeTest.moc"
