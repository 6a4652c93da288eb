#include "FailingPrintDevice.h"
#include "PrintItems.h"
#include "TallyChart.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "common/ClipboardText.h"
#include "common/FlexGrid.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "tallies/YakuhinCommand.h"
#include "tallies/YakuhinMeisaiPrintProc.h"
#include "tallies/YakuhinSyukei.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

// An episode written as "first exam|submission month|category,name,standard,quantity|...": its
// treatment lines go into examination 1 (at most seven) and, past seven, examination 2.
void addEpisode(TallyChart& chart, const QString& spec)
{
    const QStringList parts = spec.split(u'|');
    KarteBlock& block = chart.episode(QStringLiteral("乳房炎"), parts.at(0), parts.at(1));
    TallyChart::exam(block, 0, parts.at(0));
    for (int i = 2; i < parts.size(); ++i) {
        const int n = i - 2;
        TallyChart::tiryo(block, n / 7, n % 7 + 1, parts.at(i).split(u','));
    }
}

QStringList rowTexts(const QList<YakuhinSyukei::Row>& rows)
{
    QStringList out;
    for (const auto& r : rows)
        out.append(r.name + u'|' + r.kikaku + u'|' + r.suryo);
    return out;
}

} // namespace

// The drug-use tally: which episodes and lines count, the rows by name and standard, the sums;
// the list print; the commands on the dialog's controls.
class YakuhinSyukeiTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void tally_data()
    {
        QTest::addColumn<QStringList>("joken");      // year, from, to
        QTest::addColumn<QStringList>("episodes");   // one chart
        QTest::addColumn<QStringList>("expected");   // name|standard|quantity

        const QStringList y17{"17", "5", "7"};
        QTest::newRow("one row per name and standard; a single text kept, a second sums")
            << y17
            << QStringList{"17.5.12|17･6|調剤要,ペニシリン,10ml,2本|調剤不要,ビタミン,,1.5g",
                           "17.6.1|17･7|調剤要,ペニシリン,10ml,3|診療点数無,ガーゼ,,1枚"}
            << QStringList{"ペニシリン|10ml|5", "ビタミン||1.5g", "ガーゼ||1枚"};
        QTest::newRow("AB + C and A + BC are two drugs")
            << y17 << QStringList{"17.5.12|17･6|調剤要,AB,C,1|調剤要,A,BC,2|調剤要,AB,C,4"}
            << QStringList{"AB|C|5", "A|BC|2"};
        QTest::newRow("months: 6 counts, 8 not, empty not")
            << y17 << QStringList{"17.5.1|17･6|調剤要,六,,1", "17.5.1|17･8|調剤要,八,,1", "17.5.1||調剤要,空,,1"}
            << QStringList{"六||1"};
        QTest::newRow("empty submission month counts from 0")
            << QStringList{"17", "0", "7"} << QStringList{"17.5.1||調剤要,空,,1", "17.5.1|6|調剤要,月のみ,,2"}
            << QStringList{"空||1", "月のみ||2"};
        QTest::newRow("from after to counts nothing")
            << QStringList{"17", "7", "5"} << QStringList{"17.5.1|17･6|調剤要,六,,1"} << QStringList{};
        QTest::newRow("year compared as typed; a date without dot by month alone")
            << y17 << QStringList{"017.5.12|17･6|調剤要,ゼロ付き,,1", "17.5.12|17･6|調剤要,一致,,1", "|17･6|調剤要,日付なし,,1",
                                  "16.5.12|16･6|調剤要,前年,,1"}
            << QStringList{"一致||1", "日付なし||1"};
        QTest::newRow("categories")
            << y17
            << QStringList{"17.5.1|17･6|皮下注射,注A,,1|静脈注射液,注B,,1|調剤要X,C,,1|往診,D,,1|調剤不要,E,,1"}
            << QStringList{"注A||1", "E||1"};
        QTest::newRow("decimal sums") << y17 << QStringList{"17.5.1|17･6|調剤要,液,,123.4|調剤要,液,,10"}
                                      << QStringList{"液||133.4"};
        QTest::newRow("sums beyond single precision")
            << y17 << QStringList{"17.5.1|17･6|調剤要,大,,16777216|調剤要,大,,1"} << QStringList{"大||16777217"};
        QTest::newRow("lines of a later examination count")
            << y17 << QStringList{"17.5.1|17･6|調剤要,一,,1|調剤要,二,,1|調剤要,三,,1|調剤要,四,,1|調剤要,五,,1|調剤要,六,,1|"
                                  "調剤要,七,,1|調剤要,一,,2"}
            << QStringList{"一||3", "二||1", "三||1", "四||1", "五||1", "六||1", "七||1"};
    }
    void tally()
    {
        QFETCH(QStringList, joken);
        QFETCH(QStringList, episodes);
        QFETCH(QStringList, expected);
        TempDataRoot root;
        TallyChart chart;
        for (const QString& e : episodes)
            addEpisode(chart, e);
        chart.write(root.path(), QStringLiteral("H7_00010001_1234_0.sxd"));
        const YakuhinSyukei syukei = YakuhinSyukei::YakuhinSyukeiProc({joken.at(0), joken.at(1), joken.at(2)},
                                                                      root.path() + QStringLiteral("/H7"),
                                                                      {QStringLiteral("H7_00010001_1234_0.sxd")});
        QCOMPARE(rowTexts(syukei.rows()), expected);
        QVERIFY(syukei.reports.isEmpty());
    }

    // The sample chart is never tallied, a copy of it under another name is; a damaged chart is
    // named and the others still count, first seen first across charts.
    void chartsOfTheYear()
    {
        TempDataRoot root;
        TallyChart a;
        addEpisode(a, "17.5.1|17･6|調剤要,見本,,1");
        a.write(root.path(), QStringLiteral("H15_Sample.sxd"));
        a.write(root.path(), QStringLiteral("H7_copy.sxd"));
        TallyChart b;
        addEpisode(b, "17.5.1|17･6|調剤要,別,,2|調剤要,見本,,3");
        b.write(root.path(), QStringLiteral("H7_b.sxd"));
        TestFixture::writeCp932(root.file("H7/H7_bad.sxd"), {"Main'東谷'山本'"});
        const QStringList names = {"H15_Sample.sxd", "H7_bad.sxd", "H7_copy.sxd", "H7_b.sxd"};
        const YakuhinSyukei syukei = YakuhinSyukei::YakuhinSyukeiProc({"17", "5", "7"}, root.path() + "/H7", names);
        QCOMPARE(rowTexts(syukei.rows()), (QStringList{"見本||4", "別||2"}));
        QCOMPARE(syukei.reports.size(), 1);
        QVERIFY2(syukei.reports.first().contains("H7_bad.sxd"), qPrintable(syukei.reports.first()));
    }

    // The list: A4 portrait whatever the printer was set to, the era 令和 in the title, 24 rows
    // a page numbered on over the pages, long names wrapped by their code-page width.
    void listPages_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::newRow("no rows: one empty form") << 0 << 1;
        QTest::newRow("24 rows: one page") << 24 << 1;
        QTest::newRow("25 rows: two pages") << 25 << 2;
    }
    void listPages()
    {
        QFETCH(int, rows);
        QFETCH(int, pages);
        QList<YakuhinSyukei::Row> list;
        for (int i = 0; i < rows; ++i)
            list.append({QStringLiteral("薬%1").arg(i + 1), QStringLiteral("規格"), QString::number(i + 1)});
        RecordingPrintDevice dev;
        dev.setPaper(PrintDevice::Paper::JisB4, PrintDevice::Orientation::Landscape);
        QVERIFY(YakuhinMeisaiPrintProc(dev, list, {"7", "5", "7"}, 56.7f));
        QCOMPARE(dev.pageCount(), pages);
        for (const auto& op : dev.ops) {
            QCOMPARE(op.paper, PrintDevice::Paper::A4);
            QCOMPARE(op.orientation, PrintDevice::Orientation::Portrait);
        }
        const QString title = QStringLiteral("令和 7 年 5 月～ 7 月までの薬品使用明細");
        for (int p = 1; p <= pages; ++p) {
            QVERIFY(hasListText(dev, title, p, 11, 1, 60, 43, true));
            QVERIFY(hasListText(dev, "薬品名", p, 11, 0, 65, 55, true));
            QVERIFY(hasListLine(dev, p, 20, 50, 190, 50, 7));
            QVERIFY(hasListLine(dev, p, 20, 244, 190, 244, 4));
            QVERIFY(hasListLine(dev, p, 169, 50, 169, 252, 4));
            QVERIFY(hasListText(dev, QString::number(24 * p - 23), p, 11, 0, 24.5, 64, true));
            QVERIFY(hasListText(dev, QString::number(24 * p), p, 11, 0, 24.5, 248, true));
        }
        if (rows == 25) {
            QVERIFY(hasListText(dev, "薬25", 2, 11, 1, 32, 64, true));
            QVERIFY(hasListText(dev, "25", 2, 11, 2, 185, 64, true));
            QVERIFY(hasListText(dev, "薬24", 1, 11, 1, 32, 248, true));
        }
        QCOMPARE(dev.ofKind(RecordingPrintDevice::Kind::EndDoc).size(), 1);
    }

    void listWrapping()
    {
        const QString full18 = QString(18, u'あ');
        const QList<YakuhinSyukei::Row> list = {{full18 + "い", "", ""}, {QString(19, u'x'), full18, "12.25"}};
        RecordingPrintDevice dev;
        YakuhinMeisaiPrintProc(dev, list, {"7", "5", "7"}, 56.7f);
        QVERIFY(hasListText(dev, full18, 1, 11, 1, 32, 64 - 1, true));
        QVERIFY(hasListText(dev, "い", 1, 11, 1, 32, 64 + 2, true));
        QVERIFY(hasListText(dev, QString(19, u'x'), 1, 11, 1, 32, 72 - 1, true));
        QVERIFY(hasListText(dev, full18, 1, 11, 1, 104, 72, true));
        QVERIFY(hasListText(dev, "12.25", 1, 11, 2, 185, 72, true));
    }

    // The commands on the dialog's controls: the months are required, the grid is numbered, the
    // list prints the grid and a failed print is reported, the clipboard gets the whole grid.
    void commands()
    {
        TempDataRoot root;
        SharedState::get().KarteNendo = "7";
        TallyChart chart;
        addEpisode(chart, "7.5.1|7･6|調剤要,ペニシリン,10ml,2|皮下注射,ビタミン,,1");
        chart.write(root.path(), "H7_a.sxd");
        QWidget window;
        QLineEdit from, to, nen;
        QLabel status;
        FlexGrid grid(&window);
        YakuhinCommand::setupGrid(grid);
        int heights = 0;
        const YakuhinCommand::Controls c{&from, &to, &nen, &grid, &status, {}, [&heights] { ++heights; }};
        nen.setText("7");

        YakuhinCommand::YakuhinSyukeiProc(c);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("年月を入力してください。"));
        from.setText("5");
        YakuhinCommand::YakuhinSyukeiProc(c);
        QVERIFY(MsgBox::log().last().text.startsWith(QStringLiteral("1カ月のみを集計する場合は")));
        QCOMPARE(grid.rows(), 1);
        QCOMPARE(heights, 0);

        to.setText("7");
        YakuhinCommand::YakuhinSyukeiProc(c);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("集計終了。"));
        QCOMPARE(heights, 1);
        QVERIFY(status.isHidden());
        QCOMPARE(grid.rows(), 3);
        QCOMPARE(grid.textMatrix(2, 0), QStringLiteral("2"));
        QCOMPARE(grid.textMatrix(2, 1), QStringLiteral("ビタミン"));

        YakuhinCommand::transfer(grid);
        QCOMPARE(ClipboardText::get(), QStringLiteral("No\t薬名\t規格・適用\t数量\t\r1\tペニシリン\t10ml\t2\t\r2\tビタミン\t\t1\t"));

        auto device = std::make_shared<RecordingPrintDevice>();
        PrintDeviceSource::setFactory([device](const QString&) { return device; });
        YakuhinCommand::YakuhinMeisaiPrintProc(c);
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("終了しました。"));
        QVERIFY(hasListText(*device, "ペニシリン", 1, 11, 1, 32, 64, true));

        PrintDeviceSource::setFactory([](const QString&) { return std::make_shared<FailingPrintDevice>(); });
        YakuhinCommand::YakuhinMeisaiPrintProc(c);
        QCOMPARE(MsgBox::log().last().text, FailingPrintDevice::failureText());
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("印刷"));
    }
};

NOLVARI_TEST(YakuhinSyukeiTest)
#include "YakuhinSyukeiTest.moc"
