#include "KarteFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "chart/KarteFile.h"
#include "chart/NewInputModel.h"
#include "chart/NewInputRules.h"
#include "chart/PictEntry.h"
#include "chart/SinsatuEdit.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "print/PrintDialogOpener.h"
#include "registers/TourokuCheck.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

namespace {

using KarteFixture::openExisting;
const QString& chartName = KarteFixture::editorChart;

// A data year 7 with one chart of the given blocks; the shared state opens it.
struct Chart
{
    TempDataRoot root;
    QString path;

    explicit Chart(const QList<QStringList>& blocks) : path(KarteFixture::writeEditorChart(root, blocks)) {}

    QByteArray bytes() const { return TestFixture::readBytes(path); }
    QStringList lines() const { return TestFixture::readCp932(path); }
};

NewInputModel readModel()
{
    NewInputModel model;
    const NewInputModel::Yomikomi read = model.KarteReadProc();
    if (!read.Ok)
        qWarning("%s", qPrintable(read.Message));
    return model;
}

} // namespace

class NewInputModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void readShowsTheEpisodeAndItsHeader()
    {
        Chart chart({KarteFixture::block("乳房炎", "7.5.1", "食欲不振"), KarteFixture::block("肺炎", "7.6.1")});
        openExisting("肺炎", "7.6.1");
        NewInputModel model = readModel();
        QVERIFY(model.readOk());
        QCOMPARE(model.KarteIndex, 2 + KarteBlock::LineCount);
        const NewInputHeader& h = model.Header;
        QCOMPARE(h.mainGd(0), QStringLiteral("東谷"));
        QCOMPARE(h.mainGd(19), QStringLiteral("00010001"));
        QCOMPARE(h.mainGd(2), QStringLiteral("はなこ:1234567890"));
        QCOMPARE(h.mainGd(27), QStringLiteral("H28.4.12"));
        QCOMPARE(h.byoName(0), QStringLiteral("肺炎"));
        QCOMPARE(h.mainGd(10), QStringLiteral("7.6.1"));
        QCOMPARE(h.mainGd(8), QStringLiteral("へい病"));
        QCOMPARE(model.Panels.at(0).Tiryo.at(0).text(TiryoLine::Naiyou), QStringLiteral("薬A"));
        // The totals are computed from the lines: 100 yen, 10 drug points, B 50 + 10.
        QCOMPARE(h.mainGd(14), QStringLiteral("600"));
        QCOMPARE(h.mainGd(15), QStringLiteral("60"));
        QCOMPARE(h.mainGd(16), QStringLiteral("10"));
        QCOMPARE(SharedState::get().DoctorInfo.DoctorAd, QStringLiteral("鳥取県中央市本町2-5"));
        QCOMPARE(model.Panels.at(1).PictNb, QStringLiteral("0"));
    }

    void missingEpisodeIsNeverSaved()
    {
        Chart chart({KarteFixture::block("乳房炎", "7.5.1")});
        const QByteArray before = chart.bytes();
        openExisting("乳房炎", "7.5.2");
        NewInputModel model;
        const NewInputModel::Yomikomi read = model.KarteReadProc();
        QVERIFY(!read.Ok);
        QCOMPARE(read.Message, QStringLiteral("読込めません"));
        QCOMPARE(model.Header.mainGd(0), QStringLiteral("-"));
        model.Panels.at(0).SinsatuDate = QStringLiteral("7.5.3");
        QVERIFY(!model.KarteSaveProc());
        QCOMPARE(NewInputRules::closeCheck(model).kind, NewInputRules::CloseStep::CloseOnly);
        QCOMPARE(chart.bytes(), before);
    }

    void newEpisodeSavedTenTimesIsAppendedOnce()
    {
        Chart chart({KarteFixture::block("乳房炎", "7.5.1")});
        const QStringList before = chart.lines();
        SharedState::get().KarteOpenMode = 0;
        SharedState::get().Hand.BunruiOut = 0;
        NewInputModel model = readModel();
        QCOMPARE(model.Header.mainGd(8), QStringLiteral("繁殖"));
        QCOMPARE(model.Header.mainGd(13), QStringLiteral("未"));
        model.Header.setByoName(0, QStringLiteral("卵巣静止"), QStringLiteral("0811"));
        model.Panels.at(0).SinsatuDate = QStringLiteral("7.6.9");
        for (int i = 0; i < 10; ++i)
            QVERIFY(model.KarteSaveProc());
        const QStringList after = chart.lines();
        QCOMPARE(after.size(), 2 + 2 * KarteBlock::LineCount);
        QCOMPARE(after.mid(0, before.size()), before);
        const QStringList name = after.at(before.size()).split('\'');
        QCOMPARE(name.at(2), QStringLiteral("卵巣静止"));
        QCOMPARE(name.at(5), QStringLiteral("7.6.9"));
        QCOMPARE(name.at(9), QStringLiteral("1"));
        QCOMPARE(name.at(12), QStringLiteral("繁殖"));
        QCOMPARE(name.at(8), QStringLiteral("未"));
    }

    void undatedFirstExaminationDropsTheBlockUntilDatedAgain()
    {
        Chart chart({KarteFixture::block("乳房炎", "7.5.1"), KarteFixture::block("肺炎", "7.6.1"),
                     KarteFixture::block("下痢", "7.7.1")});
        const QStringList before = chart.lines();
        openExisting("肺炎", "7.6.1");
        NewInputModel model = readModel();
        QVERIFY(model.KarteSaveProc());
        const QByteArray saved = chart.bytes();
        // A save stores what the panels show: no picture as "0", the unticked box as "0".
        const QStringList savedLines = chart.lines();
        QCOMPARE(savedLines.at(2 + KarteBlock::LineCount + 12).split('\'').at(2), QStringLiteral("0"));
        QCOMPARE(savedLines.mid(0, 226), before.mid(0, 226));
        QCOMPARE(savedLines.mid(2 + 2 * KarteBlock::LineCount), before.mid(2 + 2 * KarteBlock::LineCount));
        model.Panels.at(0).SinsatuDate.clear();
        QVERIFY(model.KarteSaveProc());
        const QStringList dropped = chart.lines();
        QCOMPARE(dropped.size(), 2 + 2 * KarteBlock::LineCount);
        QVERIFY(dropped.at(2 + KarteBlock::LineCount).startsWith(QStringLiteral("Name''下痢'")));
        model.Panels.at(0).SinsatuDate = QStringLiteral("7.6.1");
        QVERIFY(model.KarteSaveProc());
        QCOMPARE(chart.bytes(), saved);
    }

    void gatheringCountsAndKeepsUnnamedFields()
    {
        QStringList block = KarteFixture::block("乳房炎", "7.5.1");
        block[1] = KarteFixture::blockLine({"Data", "", "", "", "", "", "", "", "kept8", "", "kept10"});
        Chart chart({block});
        openExisting("乳房炎", "7.5.1");
        NewInputModel model = readModel();
        model.Panels.at(1).SinsatuDate = QStringLiteral("7.5.2");
        model.Panels.at(2).SinsatuDate = QStringLiteral("7.5.4");
        model.Panels.at(2).Gensyo = QStringLiteral(" 治癒");
        model.Panels.at(3).SinsatuDate = QStringLiteral("-");
        model.Header.Data2.Rinkoku = QStringLiteral("昨日から\r\n食欲が'ない");
        QVERIFY(model.KarteSaveProc());
        QCOMPARE(model.Header.mainGd(20), QStringLiteral("2"));
        QCOMPARE(model.Header.mainGd(11), QStringLiteral("7.5.2"));
        const QStringList lines = chart.lines();
        QCOMPARE(lines.at(3).split('\'').mid(8, 3), (QStringList{"kept8", "", "kept10"}));
        QCOMPARE(lines.at(4).split('\'').at(2), QStringLiteral("昨日から食欲がない"));
        QCOMPARE(lines.at(2).split('\'').at(6), QStringLiteral("7.5.2"));
    }

    void closeChecksInOrder()
    {
        Chart chart({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        NewInputModel::Settei set = NewInputModel::Settei::fromShared();
        set.ManryoShown = true;
        NewInputModel model(set);
        QVERIFY(model.KarteReadProc().Ok);
        for (const int j : {2, 4}) {
            model.Panels.at(j).SinsatuDate = QStringLiteral("7.5.%1").arg(j + 1);
            model.Panels.at(j).Tantou = QStringLiteral("担当");
        }
        NewInputRules::CloseStep step = NewInputRules::closeCheck(model);
        QCOMPARE(step.kind, NewInputRules::CloseStep::Refuse);
        QCOMPARE(step.text, QStringLiteral("診察-3の担当獣医師名が選択されていません。"));
        for (SinsatuBlock& p : model.Panels)
            p.Tantou = QStringLiteral("佐藤");
        model.Panels.at(0).SinsatuDate.clear();
        step = NewInputRules::closeCheck(model);
        QCOMPARE(step.kind, NewInputRules::CloseStep::AskNoSave);
        QCOMPARE(step.text, QStringLiteral("【診察-1】の日付がありませんので保存しません。\r\n終了しますか？"));
        QCOMPARE(step.title, QStringLiteral("確認"));
        model.Panels.at(0).SinsatuDate = QStringLiteral("7.5.1");
        QCOMPARE(NewInputRules::closeCheck(model).kind, NewInputRules::CloseStep::Save);
        model.Set.TiryoboMode = true;
        step = NewInputRules::closeCheck(model);
        QCOMPARE(step.kind, NewInputRules::CloseStep::AskTiryobo);
        QCOMPARE(step.title, QStringLiteral("このカルテを保存しますか？"));
    }

    void printJobAndPrinters_data()
    {
        QTest::addColumn<int>("ken");
        QTest::addColumn<QString>("message");
        QTest::newRow("栃木県") << int(Ken::Tochigi) << "印刷できません。お問い合わせください。";
        QTest::newRow("沖縄県") << int(Ken::Okinawa) << "印刷できません。お問い合わせください。";
        QTest::newRow("佐賀県") << int(Ken::Saga) << "";
        QTest::newRow("other") << int(Ken::Sonota) << "";
    }

    void printJobAndPrinters()
    {
        QFETCH(int, ken);
        QFETCH(QString, message);
        QCOMPARE(NewInputRules::printJobEntry(chartName, QStringLiteral(" 乳房炎 "), QStringLiteral("7.5.1")),
                 QStringLiteral("H7_00010001_1234_0.sxd'乳房炎'7.5.1"));
        SharedState::get().ken = Ken(ken);
        PrintDialogOpener::open(nullptr);
        QCOMPARE(MsgBox::log().isEmpty(), message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(MsgBox::log().at(0).text, message);
    }

    void examinationDaysBesideTheCount()
    {
        Chart chart({});
        SharedState::get().KarteOpenMode = 0;
        NewInputModel::Settei set = NewInputModel::Settei::fromShared();
        set.ken = Ken::Mie;
        NewInputModel model(set);
        QVERIFY(model.KarteReadProc().Ok);
        const QString dates[] = {"5.6.1", "5.6.1", "5.6.3"};
        for (int j = 0; j < 3; ++j)
            model.Panels.at(j).SinsatuDate = dates[j];
        model.KarteGridSetProc();
        QCOMPARE(model.Header.mainGd(20), QStringLiteral("3"));
        QCOMPARE(model.Header.SinryoKaiChGd, QStringLiteral("2"));
        model.Header.Name.SinryoKaisu = QStringLiteral("2");
        QCOMPARE(model.SinryoKaiSuuProc(), QString());
        model.Set.Hinagata = true;
        model.Header.Name.SinryoKaisu = QStringLiteral("3");
        QCOMPARE(model.SinryoKaiSuuProc(), QString());
        model.Set = set;
        model.Set.ken = Ken::Tottori;
        QCOMPARE(model.SinryoKaiSuuProc(), QString());
    }

    void premiumExpiry_data()
    {
        QTest::addColumn<QString>("manryo");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<bool>("passes");
        QTest::newRow("not set") << "満了日未設定" << "R7.9.9" << true;
        QTest::newRow("Heisei day after") << "H31.3.31" << "H31.4.1" << false;
        QTest::newRow("Heisei same day") << "H31.3.31" << "H31.3.31" << true;
        QTest::newRow("Reiwa expiry, Heisei date") << "R1.5.31" << "H31.4.1" << true;
        QTest::newRow("Heisei expiry, Reiwa date") << "H31.3.31" << "R1.5.1" << false;
        QTest::newRow("Reiwa years") << "R2.3.31" << "R3.1.1" << false;
        QTest::newRow("expiry without era") << "31.3.31" << "H31.4.1" << false;
        QTest::newRow("expiry without day") << "R5.3" << "R5.3.30" << true;
    }

    void premiumExpiry()
    {
        QFETCH(QString, manryo);
        QFETCH(QString, picked);
        QFETCH(bool, passes);
        const QStringList parts = picked.mid(1).split('.');
        QCOMPARE(NewInputRules::ManryoHikakuProc(manryo, picked, parts.at(0), parts.at(1), parts.at(2)), passes);
    }

    void templatesAreRetaggedAndKeepTheChartsDates()
    {
        QCOMPARE(NewInputRules::hinagataName(QStringLiteral("乳房炎"), QStringLiteral("食欲不振")),
                 QStringLiteral("乳房炎_食欲不振"));
        QCOMPARE(NewInputRules::hinagataName(QStringLiteral("乳房炎"), QString()), QStringLiteral("乳房炎"));
        Chart chart({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        NewInputModel model = readModel();
        QStringList lines = KarteFixture::block("子宮内膜炎", "3.2.1", "膿様粘液");
        for (int r = 0; r < lines.size(); ++r)
            lines[r].replace(QRegularExpression("^[A-Za-z]+'[0-9]*'"), QStringLiteral("X'9'"));
        model.loadHinagata(lines);
        const KarteBlock& block = model.OpenGrid.block();
        QCOMPARE(block.cell(0, 0), QStringLiteral("Name"));
        QCOMPARE(block.cell(3, 0), QStringLiteral("Data"));
        QCOMPARE(block.cell(4, 1), QStringLiteral("1"));
        QCOMPARE(block.cell(223, 0), QStringLiteral("Sinsatu"));
        QCOMPARE(block.cell(223, 1), QStringLiteral("20"));
        QCOMPARE(model.Header.byoName(0), QStringLiteral("子宮内膜炎"));
        QCOMPARE(model.Panels.at(0).Gensyo, QStringLiteral("膿様粘液"));
        // The template variant leaves the chart's own dates where they were.
        QCOMPARE(model.Header.mainGd(10), QStringLiteral("7.5.1"));
        QCOMPARE(model.Panels.at(0).SinsatuDate, QStringLiteral("7.5.1"));
    }

    void emptiedTemplateShowsNoPictures()
    {
        SharedState::get().Hand.KarteHinagataMode = 1;
        NewInputModel model;
        QVERIFY(!model.readOk() && model.saveAllowed());
        model.Panels.at(2).PictNb = QStringLiteral("5");
        model.clearHinagata();
        QCOMPARE(model.Panels.at(2).PictNb, QStringLiteral("0"));
        QCOMPARE(model.Header.byoName(0), QString());
        QCOMPARE(model.Panels.at(2).SinsatuDate, QStringLiteral("-"));
        QVERIFY(model.KarteSaveProc());
        QCOMPARE(model.OpenGrid.block().cell(0, 0), QStringLiteral("Name"));
    }

    void panelOperations()
    {
        Chart chart({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        NewInputModel model = readModel();
        for (int j = 1; j < 20; ++j) {
            model.Panels.at(j).SinsatuDate = QStringLiteral("7.5.%1").arg(j + 1);
            model.Panels.at(j).PictNb = QString::number(j + 1);
        }
        model.Panels.at(19).Tiryo.at(2).setText(TiryoLine::Bunrui, QStringLiteral("処置"));
        QCOMPARE(SinsatuEdit::clearRefusal(model, 1).text, QStringLiteral("[診察-3]の入力がありますので削除できません。"));
        QVERIFY(SinsatuEdit::clearRefusal(model, 19).ok());
        SinsatuEdit::insert(model, 2);
        QCOMPARE(model.Panels.at(3).SinsatuDate, QStringLiteral("7.5.3"));
        QCOMPARE(model.Panels.at(19).SinsatuDate, QStringLiteral("7.5.19"));
        QVERIFY(model.Panels.at(19).Tiryo.at(2).isEmpty());
        QCOMPARE(model.Panels.at(2).PictNb, QStringLiteral("0"));
        QVERIFY(!model.dated(2));
        SinsatuEdit::remove(model, 0);
        QCOMPARE(model.Panels.at(0).SinsatuDate, QStringLiteral("7.5.2"));
        QVERIFY(!model.dated(19));
        QCOMPARE(SinsatuEdit::deleteQuestion(0), QStringLiteral("[診察-1]を削除し、以降を詰めます。よろしいですか？"));
        QCOMPARE(SinsatuEdit::insertQuestion(2), QStringLiteral("[診察-3]の位置に診療日を挿入します。よろしいですか？"));
    }

    void copyOfTreatmentLinesReplacesAllSevenRows()
    {
        Chart chart({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        NewInputModel model = readModel();
        model.Panels.at(1).SinsatuDate = QStringLiteral("7.5.2");
        QVERIFY(SinsatuEdit::dateGuard(model, 1).ok());
        QCOMPARE(SinsatuEdit::dateGuard(model, 2).text, QStringLiteral("日付を入力してください。"));
        for (int r = 0; r < 7; ++r)
            model.Panels.at(1).Tiryo.at(r).setText(TiryoLine::Bunrui, QStringLiteral("検査"));
        QCOMPARE(SinsatuEdit::copyQuestion(1), QStringLiteral("[診察-1]の治療内容を[診察-2]にコピーします。"));
        SinsatuEdit::copyTiryo(model, 1);
        QCOMPARE(model.Panels.at(1).Tiryo, model.Panels.at(0).Tiryo);
        QVERIFY(model.Panels.at(1).Tiryo.at(3).isEmpty());
        model.TensuKeisanProc();
        QCOMPARE(model.Header.mainGd(14), QStringLiteral("1,200"));
    }

    void examinationEntryRules()
    {
        Chart chart({KarteFixture::block("乳房炎", "7.5.1")});
        openExisting("乳房炎", "7.5.1");
        NewInputModel model = readModel();
        QVERIFY(SinsatuEdit::dayOrder(model, 1).ok());
        QCOMPARE(SinsatuEdit::dayOrder(model, 2).text,
                 QStringLiteral("【診察-2】が入力されていませんので、ここには入力できません。"));
        QCOMPARE(SinsatuEdit::dayClearRefusal(model, 0).text, QStringLiteral("治療内容が入力されています。削除できません。"));
        // A row holding only a corrected price is a treatment line too.
        model.Panels.at(1).Tiryo.at(6).setText(TiryoLine::Yakka, QStringLiteral("120"));
        QVERIFY(!SinsatuEdit::dayClearRefusal(model, 1).ok());
        QCOMPARE(SinsatuEdit::episodeDeleteQuestion(model),
                 QStringLiteral("【診察-1】を削除するとこのカルテ自体を削除することになります。よろしいですか？"));
        model.Panels.at(3).Tantou = QStringLiteral("佐藤");
        SinsatuEdit::copyTantou(model, 4);
        QCOMPARE(model.Panels.at(4).Tantou, QStringLiteral("佐藤"));
        SinsatuEdit::copyTantou(model, 6);
        QCOMPARE(model.Panels.at(6).Tantou, QStringLiteral("担当"));
        std::array<QString, 9> syoken{};
        syoken.at(1) = QStringLiteral("[太さ]2.0");
        syoken.at(5) = QStringLiteral("[硬さ]硬");
        SinsatuEdit::setSyoken(model, 0, syoken);
        QCOMPARE(SinsatuEdit::syokenText(model, 0).at(0), QStringLiteral("[太さ]2.0"));
        QCOMPARE(SinsatuEdit::syokenText(model, 0).at(1), QStringLiteral("[硬さ]硬"));
        model.Header.setByoName(0, QStringLiteral("乳房炎"), QStringLiteral("06.1"));
        QCOMPARE(SinsatuEdit::teireiBunrui(model), 6);
    }

    void pictureEntries_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("caption");
        const int numbered = int(PictEntry::Scheme::Numbered);
        const int pair = int(PictEntry::Scheme::Pair);
        const int annotated = int(PictEntry::Scheme::Annotated);
        QTest::newRow("numbered 5") << numbered << "5" << "pict_4.bmp" << "" << "";
        QTest::newRow("numbered deleted") << numbered << "-1" << "" << "" << "";
        QTest::newRow("numbered above the set") << numbered << "60" << "" << "" << "";
        QTest::newRow("pair") << pair << "0:3" << "M_Left3.bmp" << "M_Right3.bmp" << "";
        QTest::newRow("pair swapped") << pair << "1:3" << "M_Right3.bmp" << "M_Left3.bmp" << "";
        QTest::newRow("pair bad mark") << pair << "2:3" << "" << "" << "";
        QTest::newRow("pair bad number") << pair << "0:..\\x" << "" << "" << "";
        QTest::newRow("annotated right only") << annotated << "0:3:a:b:c" << "" << "pict2_2.bmp" << "a";
        QTest::newRow("annotated empty") << annotated << "::::" << "" << "" << "";
        QTest::newRow("annotated above the set") << annotated << "72:1:::" << "" << "pict2_0.bmp" << "";
    }

    void pictureEntries()
    {
        QFETCH(int, scheme);
        QFETCH(QString, entry);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QString, caption);
        TempDataRoot root;
        const PictEntry::Hyoji h = PictEntry::hyoji(PictEntry::Scheme(scheme), entry);
        QCOMPARE(QFileInfo(h.Left).fileName(), left);
        QCOMPARE(QFileInfo(h.Right).fileName(), right);
        QCOMPARE(h.Captions.at(0), caption);
        QCOMPARE(PictEntry::fromPictNo(0), std::nullopt);
        QCOMPARE(PictEntry::fromPictNo(-1), std::optional<QString>("-1"));
        QCOMPARE(PictEntry::fromMiyazaki(QStringLiteral("Del")), std::optional<QString>("0"));
        QCOMPARE(PictEntry::pict2Code(QString()), QStringLiteral("::::"));
    }
};

NOLVARI_TEST(NewInputModelTest)
#include "NewInputModelTest.moc"
