#include "PrintFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/SharedState.h"
#include "print/common/SindansyoPrintRun.h"

#include <QPrinterInfo>
#include <QtTest>

namespace {

// A device whose document cannot be ended, as a printer that went away.
class FailingDevice : public RecordingPrintDevice
{
public:
    bool endDoc(QString* errorText) override
    {
        if (errorText)
            *errorText = QStringLiteral("印刷できませんでした（テストプリンタ）。");
        return false;
    }
};

// A body that prints the pages an entry names in its chart file field ("2") or refuses it ("x").
SindansyoPrintRun::Result fakeBody(PrintDevice& device, const SindansyoPrintContext&, const PrintJobEntry& entry)
{
    if (entry.karteFile == QLatin1String("x"))
        return {0, QStringLiteral("印刷できません。")};
    const int pages = entry.karteFile.toInt();
    for (int p = 0; p < pages; ++p) {
        device.printText(entry.byoName);
        device.newPage();
    }
    return {pages, QString()};
}

QStringList messages()
{
    QStringList out;
    for (const MsgBox::Call& call : MsgBox::log())
        out.append(call.title + QLatin1Char(':') + call.text);
    return out;
}

} // namespace

class SindansyoPrintRunTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void checks_data()
    {
        QTest::addColumn<QString>("hiduke");
        QTest::addColumn<QString>("nendo");
        QTest::addColumn<QString>("message");
        const QString date = QStringLiteral("カルテの日付を入力してください。");
        const QString year = QStringLiteral("カルテの年度を入力してください。");
        QTest::newRow("empty date") << "" << "5" << date;
        QTest::newRow("question mark") << "?" << "5" << date;
        QTest::newRow("no day") << "R7.5" << "5" << date;
        QTest::newRow("empty month") << "R7..3" << "5" << date;
        QTest::newRow("empty year first") << "" << "" << date;
        QTest::newRow("empty year") << "R7.5.20" << "" << year;
        QTest::newRow("year question mark") << "R7.5.20" << "?" << year;
        QTest::newRow("printable") << "R7.5.20" << "5" << "";
    }
    void checks()
    {
        QFETCH(QString, hiduke);
        QFETCH(QString, nendo);
        QFETCH(QString, message);
        QCOMPARE(SindansyoPrintRun::check(hiduke, nendo), message);
    }

    // All entries go into one document; a refused entry is reported and the run goes on.
    void refusedEntryThenPages()
    {
        auto device = recordPrints();
        QStringList status;
        const int pages = SindansyoPrintRun::run(SindansyoPrintContext(), {"x'a'b", "2'肺炎'7.4.1"}, fakeBody,
                                                 [&status](const QString& text) { status.append(text); });
        QCOMPARE(pages, 2);
        QCOMPARE(status, (QStringList{"印刷中････", ""}));
        QCOMPARE(messages(), (QStringList{"確認:印刷できません。", "印刷:印刷終了"}));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::EndDoc).size(), 1);
        QCOMPARE(device->texts(), (QStringList{"肺炎", "肺炎"}));
    }

    // No page: nothing is sent and the message says so, never "印刷終了".
    void nothingPrinted_data()
    {
        QTest::addColumn<QStringList>("jobs");
        QTest::newRow("refused") << QStringList{"x'a'b"};
        QTest::newRow("no page") << QStringList{"0'a'b"};
        QTest::newRow("no entry") << QStringList{};
    }
    void nothingPrinted()
    {
        QFETCH(QStringList, jobs);
        auto device = recordPrints();
        QCOMPARE(SindansyoPrintRun::run(SindansyoPrintContext(), jobs, fakeBody, [](const QString&) {}), 0);
        QVERIFY(device->ofKind(RecordingPrintDevice::Kind::EndDoc).isEmpty());
        QCOMPARE(MsgBox::log().last().text, SindansyoPrintRun::nothingPrintedText());
        QVERIFY(!messages().join('\n').contains("印刷終了"));
    }

    void endFailureShowsTheDeviceError()
    {
        auto device = std::make_shared<FailingDevice>();
        PrintDeviceSource::setFactory([device](const QString&) { return device; });
        SindansyoPrintRun::run(SindansyoPrintContext(), {"1'肺炎'7.4.1"}, fakeBody, [](const QString&) {});
        QCOMPARE(messages(), (QStringList{"印刷:印刷できませんでした（テストプリンタ）。"}));
    }

    // Without a printer the pages go to a PDF file and the message names it.
    void pdfDestinationIsNamed()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is configured");
        TempDataRoot root;
        SindansyoPrintRun::run(SindansyoPrintContext(), {"1'肺炎'7.4.1"}, fakeBody, [](const QString&) {});
        const QString text = MsgBox::log().last().text;
        QVERIFY2(text.startsWith("印刷終了\n") && text.contains(root.path() + "/print/"), qPrintable(text));
    }
};

NOLVARI_TEST(SindansyoPrintRunTest)
#include "SindansyoPrintRunTest.moc"
