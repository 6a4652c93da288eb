#include "PrintItems.h"
#include "TallyChart.h"
#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "chart/KarteScan.h"
#include "common/ClipboardText.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "common/StartupConfig.h"
#include "tallies/CheckForm.h"
#include "tallies/CheckPrintProc.h"
#include "tallies/CheckSyukei.h"

#include <QLabel>
#include <QtTest>

namespace {

// A row of the extracted list: member, disease, first exam, chart file in their columns.
QStringList listRow(const QString& name, const QString& byo, const QString& syosin, const QString& file)
{
    QStringList row(18);
    row[2] = name;
    row[7] = byo;
    row[9] = syosin;
    row[17] = file;
    return row;
}

// The entries of a result as "key: name/ear tag/disease" in result order.
QStringList entryTexts(const CheckSyukei& check)
{
    QStringList out;
    for (int i = 0; i < check.keys().size(); ++i)
        for (const CheckSyukei::Entry& e : check.entries(i))
            out.append(check.keys().at(i) + ": " + e.name + "/" + e.mimi + "/" + e.byo);
    return out;
}

// A data root with year 7 and two members: 山本 with animals 1111 (乳房炎 on 5.6.12 and 6.1.5,
// a house call on 5.6.12 only in the course text; 繁殖 on 5.6.12) and 2222 (第四胃変位 on
// 5.6.12 with a house call line, 5.12.31), and 佐藤's 3333 (9.12.3, 10.1.5) with "’" in its
// header lines.
struct CheckData
{
    TempDataRoot root;
    QList<QStringList> rows;

    CheckData()
    {
        SharedState::get().KarteNendo = "7";
        TallyChart a;
        a.mimiban = "1111";
        KarteBlock& a1 = a.episode("乳房炎", "5.6.12");
        TallyChart::exam(a1, 0, "5.6.12", "往診にて処置");
        TallyChart::exam(a1, 1, "6.1.5");
        TallyChart::tiryo(a1, 1, 1, {"調剤要", "ペニシリン", "", "1"});
        KarteBlock& a2 = a.episode("", "5.6.12");
        TallyChart::exam(a2, 0, "5.6.12");
        a.write(root.path(), "H7_00010001_1111_0.sxd");

        TallyChart b;
        b.mimiban = "2222";
        KarteBlock& b1 = b.episode("第四胃変位", "5.6.12");
        TallyChart::exam(b1, 0, "5.6.12");
        TallyChart::tiryo(b1, 0, 2, {"往診", "往診料", "", "往診：5km：同時"});
        TallyChart::exam(b1, 2, "5.12.31");
        b.write(root.path(), "H7_00010001_2222_0.sxd");

        TallyChart c;
        c.farmer = "佐藤 花子";
        c.code = "00020001";
        c.mimiban = "3333";
        c.curly = true;
        KarteBlock& c1 = c.episode("肺炎", "9.12.3");
        TallyChart::exam(c1, 0, "9.12.3");
        TallyChart::exam(c1, 1, "10.1.5");
        c.write(root.path(), "H7_00020001_3333_0.sxd");

        rows = {listRow("山本 一郎", "乳房炎", "5.6.12", "H7_00010001_1111_0.sxd"),
                listRow("佐藤 花子", "肺炎", "9.12.3", "H7_00020001_3333_0.sxd"),
                listRow("山本 一郎", "第四胃変位", "5.6.12", "H7_00010001_2222_0.sxd"),
                listRow("山本 一郎", "繁殖", "5.6.12", "H7_00010001_1111_0.sxd"),
                listRow("", "", "", "")};   // the totals row
    }
};

} // namespace

// The duplicate-visit check: date keys, the entries per date, the window and the print.
class CheckFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void dateKey_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("key");
        QTest::newRow("5.6.12") << "5.6.12" << "50612";
        QTest::newRow("5.11.3") << "5.11.3" << "51103";
        QTest::newRow("31.4.1") << "31.4.1" << "310401";
        QTest::newRow("two parts: none") << "5.6" << "";
    }
    void dateKey()
    {
        QFETCH(QString, date);
        QFETCH(QString, key);
        QCOMPARE(CheckSyukei::CheckHidukeKeyProc(date), key);
    }

    // Dates in key order as numbers (9.12.3 before 10.1.5, 5.12.31 before 6.1.5); under a date
    // the entries by member, ear-tag cell and disease; house calls from a treatment line or the
    // course text; the breeding episode found; the ear tag of a "’" header; the totals row
    // adds nothing.
    void entriesByDate()
    {
        CheckData data;
        const CheckSyukei check = CheckSyukei::CheckProc(data.rows, SharedState::get().karteFolder());
        QVERIFY2(check.reports.isEmpty(), qPrintable(check.reports.join("\n")));
        QCOMPARE(check.keys(), (QStringList{"50612", "51231", "60105", "91203", "100105"}));
        QCOMPARE(entryTexts(check), (QStringList{
            "50612: 山本 一郎/1111/繁殖", "50612: 山本 一郎/往:1111/乳房炎", "50612: 山本 一郎/往:2222/第四胃変位",
            "51231: 山本 一郎/2222/第四胃変位", "60105: 山本 一郎/1111/乳房炎", "91203: 佐藤 花子/3333/肺炎",
            "100105: 佐藤 花子/3333/肺炎"}));
        const QList<QStringList> table = check.table();
        QCOMPARE(table.size(), 2 + 3);
        QCOMPARE(table.first().size(), 1 + 3 * 5);
        QCOMPARE(table.at(0).mid(0, 4), (QStringList{"", "50612", "50612", "50612"}));
        QCOMPARE(table.at(1).mid(1, 3), (QStringList{"農家名", "耳標", "病名"}));
        QCOMPARE(table.at(4).mid(0, 5), (QStringList{"3", "山本 一郎", "往:2222", "第四胃変位", ""}));
    }

    // No cap: 120 dates and 600 visits on one date all appear; a chart that does not read is
    // named and the others still count.
    void manyDatesAndVisits()
    {
        TempDataRoot root;
        SharedState::get().KarteNendo = "7";
        QList<QStringList> rows;
        for (int m = 0; m < 6; ++m) {
            TallyChart chart;
            chart.mimiban = QString::number(100 + m);
            KarteBlock& b = chart.episode("乳房炎", QStringLiteral("5.%1.1").arg(m + 1));
            for (int j = 0; j < 20; ++j)
                TallyChart::exam(b, j, QStringLiteral("5.%1.%2").arg(m + 1).arg(j + 1));
            const QString file = QStringLiteral("H7_%1.sxd").arg(m);
            chart.write(root.path(), file);
            rows.append(listRow("山本 一郎", "乳房炎", QStringLiteral("5.%1.1").arg(m + 1), file));
        }
        for (int i = 0; i < 600; ++i)
            rows.append(listRow(QStringLiteral("農家%1").arg(i, 3, 10, QChar(u'0')), "乳房炎", "5.1.1", "H7_0.sxd"));
        TestFixture::writeCp932(root.file("H7/H7_bad.sxd"), {"Main'東谷'"});
        rows.append(listRow("田中", "肺炎", "5.1.1", "H7_bad.sxd"));
        const CheckSyukei check = CheckSyukei::CheckProc(rows, SharedState::get().karteFolder());
        QCOMPARE(check.keys().size(), 120);
        QCOMPARE(check.keys().first(), QStringLiteral("50101"));
        QCOMPARE(check.keys().last(), QStringLiteral("50620"));
        QCOMPARE(check.entries(0).size(), 601);
        QCOMPARE(check.entries(0).first().name, QStringLiteral("山本 一郎"));
        QCOMPARE(check.entries(0).last().name, QStringLiteral("農家599"));
        QCOMPARE(check.table().size(), 2 + 601);
        QCOMPARE(check.reports.size(), 1);
        QVERIFY(check.reports.first().contains("H7_bad.sxd"));
    }

    // The window as a person uses it: "Excelに送る" before a run sends the opening grid, "実行"
    // fills the grid with the house-call cells yellow, the transfer then sends the result.
    void window()
    {
        CheckData data;
        CheckForm form(data.rows);
        QVERIFY(WindowMouse::showWindow(&form));
        QCOMPARE(form.ResGrid->rows(), 500);
        QCOMPARE(form.ResGrid->cols(), 301);

        QVERIFY(WindowMouse::click(form.CmdGd->at(2)));
        const QString opening = ClipboardText::get();
        QCOMPARE(opening.count(u'\r'), 499);
        QVERIFY(opening.startsWith(QString(300, u'\t') + "\r\t農家名\t耳標\t病名\t農家名"));

        QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("終了しました。"));
        QCOMPARE(MsgBox::log().last().title, QStringLiteral("重複診療チェック"));
        QVERIFY(form.infoGd->isHidden());
        FlexGrid& g = *form.ResGrid;
        QCOMPARE(g.rows(), 5);
        QCOMPARE(g.cols(), 16);
        QCOMPARE(g.textMatrix(3, 2), QStringLiteral("往:1111"));
        QCOMPARE(g.cellBackColor(3, 2), CheckForm::ousinColor());
        QCOMPARE(g.cellBackColor(4, 2), CheckForm::ousinColor());
        QCOMPARE(g.cellBackColor(2, 2), QColor(255, 255, 255));
        QCOMPARE(g.cellBackColor(2, 5), QColor(255, 255, 255));
        QCOMPARE(g.textMatrix(2, 0), QStringLiteral("1"));

        QVERIFY(WindowMouse::click(form.CmdGd->at(2)));
        const QStringList lines = ClipboardText::get().split(u'\r');
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines.at(0).startsWith("\t50612\t50612\t50612\t51231"));
        QVERIFY(lines.at(2).startsWith("1\t山本 一郎\t1111\t繁殖\t山本 一郎\t2222\t第四胃変位\t山本 一郎\t1111\t乳房炎"));
        QVERIFY(lines.at(3).startsWith("2\t山本 一郎\t往:1111\t乳房炎\t\t\t\t\t\t\t"));

        // A second run starts again from the opening state and gives the same result.
        QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
        QCOMPARE(g.rows(), 5);
        QCOMPARE(g.cols(), 16);

        QVERIFY(WindowMouse::click(form.CmdGd->at(0)));
        QVERIFY(!form.isVisible());
    }

    // The Ibaraki clinic's installation made from the sample: every dated examination of every
    // episode of the year shows once in the grid.
    void ibarakiSample()
    {
        TempDataRoot root;
        root.useSample();
        root.write("set/info.ini", {"茨城県,IBC"});
        root.write("set/SiteProfile.ini", {"IBC,茨城県,SiteIbarakiClinic"});
        QString error;
        QVERIFY2(StartupConfig::load(SharedState::get(), QDate(2025, 6, 20), &error), qPrintable(error));
        SharedState& s = SharedState::get();
        QVERIFY(s.Site.has("SiteIbarakiClinic"));
        s.refreshKarteFileList();
        QList<QStringList> rows;
        int visits = 0;
        for (const QString& file : s.KarteFileList) {
            const KarteScan chart = KarteScan::read(s.kartePath(file));
            QVERIFY2(chart.ok(), qPrintable(chart.errorText));
            for (int k = 0; k < chart.blockCount(); ++k) {
                const std::optional<KarteNameRecord> found = chart.nameRecord(k);
                QVERIFY(found);
                const KarteNameRecord& name = *found;
                rows.append(listRow(chart.nouka().NoukaName, name.ByoName.isEmpty() ? "繁殖" : name.ByoName,
                                    name.SyosinDate, file));
                for (int j = 0; j < 20; ++j)
                    visits += chart.blockLine(k, KarteBlock::sinsatuRow(j))->at(2).isEmpty() ? 0 : 1;
            }
        }
        QVERIFY(visits > 5);
        CheckForm form(rows);
        QVERIFY(WindowMouse::showWindow(&form));
        QVERIFY(WindowMouse::click(form.CmdGd->at(1)));
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("終了しました。"));
        int shown = 0;
        for (int r = 2; r < form.ResGrid->rows(); ++r)
            for (int c = 1; c < form.ResGrid->cols(); c += 3)
                shown += form.ResGrid->textMatrix(r, c).isEmpty() ? 0 : 1;
        QCOMPARE(shown, visits);
    }

    // The print: number, member and ear tag of each numbered row on its line, every further
    // cell a line lower at 69.5 mm, a line left after the row, 45 lines a page.
    void print()
    {
        const QList<QStringList> table = {
            {"", "50612", "50612", "50612", "51231", "51231", "51231"},
            {"", "農家名", "耳標", "病名", "農家名", "耳標", "病名"},
            {"1", "山本", "1111", "乳房炎", "佐藤", "", "肺炎"},
            {"2", "", "", "", "田中", "3333", ""},
        };
        RecordingPrintDevice dev;
        QVERIFY(CheckPrintProc(dev, table));
        const QList<std::tuple<QString, double, int>> want = {
            {"1", 19.5, 0}, {"山本", 29.5, 0}, {"1111", 69.5, 0}, {"乳房炎", 69.5, 1}, {"佐藤", 69.5, 2},
            {"肺炎", 69.5, 3}, {"2", 19.5, 4}, {"田中", 69.5, 5}, {"3333", 69.5, 6}};
        for (const auto& [text, x, line] : want)
            QVERIFY2(hasItem(dev, text, 1, 10, 1, x, 28.5 + 5 * line), qPrintable(itemsOf(dev, text)));
        QVERIFY(!dev.findText("50612"));
        QVERIFY(!dev.findText("農家名"));

        // A row without further cells takes one line: 45 rows fill one page without a blank
        // sheet after it, the 46th starts the second page at its top.
        QList<QStringList> many = table.mid(0, 2);
        for (int r = 1; r <= 45; ++r)
            many.append({QString::number(r), "山本", "1111", "", "", "", ""});
        RecordingPrintDevice full;
        CheckPrintProc(full, many);
        QCOMPARE(full.pageCount(), 1);
        QVERIFY2(hasItem(full, "45", 1, 10, 1, 19.5, 28.5 + 5 * 44), qPrintable(itemsOf(full, "45")));
        many.append({"46", "山本", "1111", "", "", "", ""});
        RecordingPrintDevice two;
        two.setPaper(PrintDevice::Paper::JisB4, PrintDevice::Orientation::Landscape);
        CheckPrintProc(two, many);
        QCOMPARE(two.pageCount(), 2);
        QVERIFY(hasItem(two, "46", 2, 10, 1, 19.5, 28.5));
        for (const auto& op : two.ops)
            QCOMPARE(op.orientation, PrintDevice::Orientation::Portrait);
    }
};

NOLVARI_TEST(CheckFormTest)
#include "CheckFormTest.moc"
