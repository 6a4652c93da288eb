#include "KarteFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteHeader.h"
#include "chart/KarteScan.h"
#include "shell/KotaiList.h"

#include <QtTest>

class KotaiListTest : public QObject
{
    Q_OBJECT

private:
    static QString writeChart(const TempDataRoot& root, const QString& name, const QStringList& kotai)
    {
        const QString path = root.file("H5/" + name);
        KarteFixture::write(path, KarteFixture::nouka("東谷", "山本 一郎", "1234"), kotai, {});
        return path;
    }

    static QStringList names(const KotaiList::Result& result)
    {
        QStringList out;
        for (const QStringList& row : result.rows)
            out.append(row.at(8));
        return out;
    }

private slots:
    void init() { TestFixture::resetGlobals(); }

    void fileNameFilter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("listed");
        QTest::newRow("own chart") << "H5_1234_0012_0.sxd" << true;
        QTest::newRow("calf chart") << "H5_1234_0012_1.sxd" << true;
        QTest::newRow("longer code") << "H5_12345_0012_0.sxd" << false;
        QTest::newRow("other year") << "H15_1234_0012_0.sxd" << false;
        QTest::newRow("no separator") << "H51234_0012_0.sxd" << false;
    }

    void fileNameFilter()
    {
        QFETCH(QString, name);
        TempDataRoot root;
        writeChart(root, name, KarteFixture::kotai("0012", "はな", name.chopped(4)));
        const KotaiList::Result result = KotaiList::build(root.file("H5"), {name}, " 5 ", " 1234 ");
        QFETCH(bool, listed);
        QCOMPARE(result.rows.size(), listed ? 1 : 0);
        QVERIFY(result.damaged.isEmpty());
    }

    void rowColumnsAndOrder()
    {
        TempDataRoot root;
        writeChart(root, "H5_1234_0012_0.sxd", KarteFixture::kotai("0012", "はな:123", "H5_1234_0012_0",
                                                                   "肉用牛", "去", "R1.5.6"));
        writeChart(root, "H5_1234_0003_0.sxd", KarteFixture::kotai("0003", "さくら", "H5_1234_0003_0"));
        const KotaiList::Result result =
            KotaiList::build(root.file("H5"), {"H5_1234_0012_0.sxd", "H5_1234_0003_0.sxd"}, "5", "1234");
        QCOMPARE(result.rows.size(), 2);
        QCOMPARE(result.rows.at(0), (QStringList{"1", "0012", "", "はな:123", "肉用牛", "去", "R1.5.6", "",
                                                 "H5_1234_0012_0.sxd"}));
        QCOMPARE(result.rows.at(1).at(0), QStringLiteral("2"));
        QCOMPARE(result.rows.at(1).at(8), QStringLiteral("H5_1234_0003_0.sxd"));
    }

    void typographicApostropheSeparates()
    {
        TempDataRoot root;
        const QString name = "H5_1234_0012_0.sxd";
        QString kotai = KarteFixture::line(KarteFixture::kotai("0012", "はな", "H5_1234_0012_0"));
        kotai.replace('\'', QChar(0x2019));
        TestFixture::writeCp932(root.file("H5/" + name), {"Main’東谷’", kotai});
        const KotaiList::Result result = KotaiList::build(root.file("H5"), {name}, "5", "1234");
        QCOMPARE(result.rows.size(), 1);
        QCOMPARE(result.rows.at(0).at(3), QStringLiteral("はな"));
    }

    void fieldCountAndOwnership_data()
    {
        QTest::addColumn<QStringList>("kotai");
        QTest::addColumn<bool>("cutShort");  // the last field lacks its "'"
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("reported");
        const QStringList full = KarteFixture::kotai("0012", "はな", "H5_1234_0012_0");
        QTest::newRow("11 fields") << full.mid(0, 11) << false << true << false;
        QTest::newRow("10 fields") << full.mid(0, 10) << false << false << true;
        QTest::newRow("10 fields and one not ended") << full.mid(0, 11) << true << false << true;
        QTest::newRow("field 13 of another chart")
            << KarteFixture::kotai("0012", "はな", "H5_9999_0012_0") << false << true << false;
    }

    void fieldCountAndOwnership()
    {
        QFETCH(QStringList, kotai);
        QFETCH(bool, cutShort);
        TempDataRoot root;
        const QString name = "H5_1234_0012_0.sxd";
        QString line = KarteFixture::line(kotai);
        if (cutShort)
            line.chop(1);
        const QString path = TestFixture::writeCp932(root.file("H5/" + name), {KarteFixture::noukaLine(), line});
        const KotaiList::Result result = KotaiList::build(root.file("H5"), {name}, "5", "1234");
        QFETCH(bool, listed);
        QCOMPARE(result.rows.size(), listed ? 1 : 0);
        QFETCH(bool, reported);
        QCOMPARE(!result.damaged.isEmpty(), reported);
        // The chart scan counts the fields of the same line the same way (and needs 14 of them).
        const int fields = int(kotai.size()) - (cutShort ? 1 : 0);
        const KarteScan scan = KarteScan::read(path);
        if (fields >= KarteKotaiRecord::NewKarteFields)
            return;
        QCOMPARE(scan.errorLine, 1);
        QVERIFY2(scan.errorText.contains(QStringLiteral("（%1 項目）").arg(fields)), qPrintable(scan.errorText));
    }

    void damagedChartsAreReportedAndSkipped()
    {
        TempDataRoot root;
        writeChart(root, "H5_1234_0001_0.sxd", KarteFixture::kotai("0001", "はな", "H5_1234_0001_0"));
        TestFixture::writeBytes(root.file("H5/H5_1234_0002_0.sxd"), QByteArray("Main'\r\nMain'\x80'\r\n"));
        TestFixture::writeCp932(root.file("H5/H5_1234_0003_0.sxd"), {"Main'東谷'"});
        TestFixture::writeBytes(root.file("H5/H5_1234_0004_0.sxd"), QByteArray());
        const QStringList files = {"H5_1234_0001_0.sxd", "H5_1234_0002_0.sxd", "H5_1234_0003_0.sxd",
                                   "H5_1234_0004_0.sxd", "H5_1234_0005_0.sxd"};
        const KotaiList::Result result = KotaiList::build(root.file("H5"), files, "5", "1234");
        QCOMPARE(names(result), QStringList{"H5_1234_0001_0.sxd"});
        QCOMPARE(result.damaged.size(), 4);
        QVERIFY(result.damaged.at(0).contains("H5_1234_0002_0.sxd"));
        QVERIFY(result.damaged.at(3).contains("H5_1234_0005_0.sxd"));
    }

    void longHeaderLinesAreReadWhole()
    {
        TempDataRoot root;
        const QString name = "H5_1234_0012_0.sxd";
        QStringList kotai = KarteFixture::kotai("0012", "はな", "H5_1234_0012_0");
        kotai[12] = QString(20000, QChar(u'特'));
        writeChart(root, name, kotai);
        const KarteHeader header = KarteHeader::read(root.file("H5/" + name));
        QVERIFY(header.ok());
        QCOMPARE(header.kotaiFields.value(13), QStringLiteral("H5_1234_0012_0"));
    }

    void eijiCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("letter");
        QTest::newRow("a") << "a" << true;
        QTest::newRow("Z and more") << "Zx" << true;
        QTest::newRow("full-width A") << "Ａ" << false;
        QTest::newRow("digit") << "1" << false;
        QTest::newRow("kana") << "あ" << false;
        QTest::newRow("empty") << "" << false;
    }

    void eijiCheck()
    {
        QFETCH(QString, text);
        QFETCH(bool, letter);
        QCOMPARE(KotaiList::EijiCheckProc(text), letter);
    }

    void bunruiCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << "分類文字（アルファベット）を入力してください。";
        QTest::newRow("not a letter") << "1" << "アルファベットを入力してください。";
        QTest::newRow("not a letter, long") << "1a" << "アルファベットを入力してください。";
        QTest::newRow("two letters") << "ab" << "分類文字は1文字です。";
        QTest::newRow("one letter") << "a" << "";
    }

    void bunruiCheck()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QCOMPARE(KotaiList::bunruiCheck(text), message);
    }

    void bunruiMatchesCountsCase()
    {
        QVERIFY(KotaiList::bunruiMatches("はな A:123", "A"));
        QVERIFY(!KotaiList::bunruiMatches("はな A:123", "a"));
        QVERIFY(!KotaiList::bunruiMatches("はな A 123", "A"));
    }

    void search_data()
    {
        QTest::addColumn<QString>("kenName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        const QString ibaraki = "茨城県", oita = "大分県", tottori = "鳥取県";
        QTest::newRow("茨城 name before colon") << ibaraki << "はな" << 1;
        QTest::newRow("茨城 ear tag not found") << ibaraki << "0012" << -1;
        QTest::newRow("茨城 whole name column not found") << ibaraki << "はな:555" << -1;
        QTest::newRow("大分 ear tag") << oita << "0012" << 1;
        QTest::newRow("大分 whole name column") << oita << "さくら" << 2;
        QTest::newRow("大分 name before colon") << oita << "はな" << 1;
        QTest::newRow("other ear tag") << tottori << "0003" << 2;
        QTest::newRow("other name not found") << tottori << "さくら" << -1;
        QTest::newRow("upper row wins") << oita << "もも" << 3;
        QTest::newRow("case counts") << oita << "MOMO" << -1;
        QTest::newRow("empty") << tottori << "" << -1;
    }

    void search()
    {
        const QList<QStringList> rows = {
            {"1", "0012", "", " はな:555 ", "", "", "", "", "a.sxd"},
            {"2", "0003", "", "さくら", "", "", "", "", "b.sxd"},
            {"3", "0007", "", "もも:1", "", "", "", "", "c.sxd"},
            {"4", "0008", "", "もも:2", "", "", "", "", "d.sxd"},
            {"5", "0009", "", "momo", "", "", "", "", "e.sxd"},
        };
        QFETCH(int, row);
        QFETCH(QString, kenName);
        QFETCH(QString, text);
        QCOMPARE(KotaiList::findRow(rows, KenInfo::fromName(kenName), text),
                 row < 0 ? -1 : row - 1);
    }

    void notFoundMessages_data()
    {
        QTest::addColumn<QString>("kenName");
        QTest::addColumn<QString>("message");
        QTest::newRow("茨城") << "茨城県" << "この名前（番号）は登録されていません。";
        QTest::newRow("大分") << "大分県" << "この名前（番号）は登録されていません。";
        QTest::newRow("鳥取") << "鳥取県" << "この耳標番号は登録されていません。";
        QTest::newRow("unknown") << "東京都" << "この耳標番号は登録されていません。";
    }

    void notFoundMessages()
    {
        QFETCH(QString, kenName);
        QFETCH(QString, message);
        QCOMPARE(KotaiList::notFoundMessage(KenInfo::fromName(kenName)), message);
    }
};

NOLVARI_TEST(KotaiListTest)
#include "KotaiListTest.moc"
