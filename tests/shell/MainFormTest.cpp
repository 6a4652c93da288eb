#include "KarteFixture.h"
#include "TestFixture.h"
#include "TestRegistry.h"

#include "codetables/YakkaTourokuForm.h"
#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/LabelButton.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "shell/LastBunbenForm.h"
#include "shell/MainForm.h"
#include "shell/MainWorkFrame.h"
#include "shell/YobidasiForm.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

using SubForm = MainForm::SubForm;

const QStringList siteRows = {
    "佐藤,鳥取県,LatestOutcome",
    "IBF1A,茨城県,ShowExchange,ShowSubmission,FarmType,TitleText=県北支所（入力・印刷）",
    "IBRANCH,茨城県,FarmType,ShowBunruiFrame",
    "IBAUTO,茨城県,FarmType,AutoNouka,AutoNoukaTexts=該当なし:中央ランチ",
    "BUNRUI,三重県,ShowBunruiFrame",
    "KGDIST,鹿児島県,ManryoSite,HideTuchibo",
    "GMBOOK,群馬県,ShowTuchibo",
    "OITAA,大分県,FixedNouka=本院:大分 太郎:00090001",
};

const QStringList registerLines = {
    "東谷,山本 一郎,00010001,東谷1-2,や,101,,01,12-3,,",
    "北浜,山本 一郎,00030001,北浜7,や,103,,03,-,,",
    "本院,中央ランチ 牧場,00040001,本院1,ち,104,,04,-,,",
};

// A small installation: settings, site rows, registers and charts of data year 5.
struct Installation
{
    TempDataRoot root;

    explicit Installation(const QString& info)
    {
        root.write("set/info.ini", {info});
        root.write("set/KiokuNendo.ini", {"5"});
        root.write("set/SiteProfile.ini", siteRows);
        root.write("set/DoctorName.ini", {"佐藤 誠", "1234"});
        root.write("set/DellInfo.ini", {});
        root.write("set/TikuName.ini", {"東谷", "北浜", "本院"});
        root.write("set/NameCode.ini", registerLines);
        for (const char* code : {"YakkaCode", "SinryoCode1", "SinryoCode2", "SinryoCode3", "SinryoCode4",
                                    "SinryoCode5", "SinryoCode6", "SinryoCode7", "SinryoCode8", "SinryoCode9",
                                    "LenCode", "YakkaCode_Miyazaki", "SinryoCode_Miyazaki"})
            root.write(QStringLiteral("Code/%1.ini").arg(code), {});
    }

    void chart(const QString& code, const QString& earTag, const QString& name,
               const QList<KarteFixture::Episode>& episodes = {}) const
    {
        const QString base = "H5_" + code + "_" + earTag + "_0";
        KarteFixture::write(root.file("H5/" + base + ".sxd"), KarteFixture::nouka("東谷", "x", code),
                            KarteFixture::kotai(earTag, name, base), episodes);
    }
};

// Answers the farmer picker with a district and a name (an empty name: closed without a choice).
void pickFarmer(const QString& tiku, const QString& name)
{
    ModalHost::setHandler([tiku, name](QDialog& dialog) {
        auto* picker = qobject_cast<YobidasiForm*>(&dialog);
        if (!picker)
            return 0;
        for (int i = 0; i < picker->TikuList->count(); ++i)
            if (picker->TikuList->item(i)->text() == tiku)
                picker->TikuList_Click(i);
        for (int i = 0; i < picker->NameList->count(); ++i)
            if (picker->NameList->item(i)->text() == name)
                picker->NameList_Click(i);
        picker->CmdGd->click();
        return 1;
    });
}

// Chart input with the picker answered by 東谷's 山本 一郎.
void listFarmer(MainForm& form)
{
    pickFarmer("東谷", "山本 一郎");
    form.CmdGd_Click(6);
}

QStringList column(FlexGrid* grid, int col)
{
    QStringList out;
    for (int r = 1; r < grid->rows(); ++r)
        out.append(grid->textMatrix(r, col));
    return out;
}

QList<SubForm> openedForms(const QSignalSpy& spy)
{
    QList<SubForm> out;
    for (const QList<QVariant>& args : spy)
        out.append(args.at(0).value<SubForm>());
    return out;
}

KarteFixture::Episode episode(const QString& byoName, const QString& syosin, const QString& tenkiDate,
                              const QString& tenki, const QString& date2 = QString())
{
    return {KarteFixture::nameRecord(byoName, syosin, syosin, tenkiDate, tenki, "2", "へい病", "5･3"),
            KarteFixture::dataRecord(date2, date2.isEmpty() ? QString() : QStringLiteral("治癒"))};
}

} // namespace

class MainFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void startupVariants_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("item6");
        QTest::addColumn<QList<int>>("visibleItems");
        QTest::addColumn<QStringList>("visibleBoxes");
        QTest::addColumn<QString>("heading1");
        QTest::addColumn<QString>("heading3");
        QTest::addColumn<QString>("siteTitle");
        const QString card = "カルテ入力", farm = "診断書・治療簿入力";
        const QString earTag = "耳標番号", kotaiNo = "個体番号", name = "名号", nameNo = "名号:個体番号";
        QTest::newRow("鳥取") << "鳥取県,0" << card << QList<int>{} << QStringList{"KenanCh"} << earTag << nameNo << "";
        QTest::newRow("茨城 farm branch") << "茨城県,IBF1A" << farm << QList<int>{12, 17, 18, 19}
                                          << QStringList{"MeigouCh"} << earTag << nameNo << "県北支所（入力・印刷）";
        QTest::newRow("茨城 ranch") << "茨城県,IBRANCH" << farm << QList<int>{12}
                                    << QStringList{"MeigouCh", "BunruiFrame"} << earTag << nameNo << "";
        QTest::newRow("茨城 without row") << "茨城県,NONE" << card << QList<int>{} << QStringList{} << earTag
                                          << nameNo << "";
        QTest::newRow("茨城 with a blank") << "\"茨城県 \",IBF1A" << card << QList<int>{} << QStringList{}
                                           << earTag << name << "";
        QTest::newRow("鹿児島") << "鹿児島県,0" << card << QList<int>{5} << QStringList{} << kotaiNo << name << "";
        QTest::newRow("鹿児島 district site") << "鹿児島県,KGDIST" << card << QList<int>{} << QStringList{}
                                              << kotaiNo << name << "";
        QTest::newRow("群馬 with the notification book") << "群馬県,GMBOOK" << card << QList<int>{5}
                                                         << QStringList{} << earTag << name << "";
        QTest::newRow("宮崎") << "宮崎県,0" << card << QList<int>{14} << QStringList{} << earTag << nameNo << "";
        QTest::newRow("大分") << "大分県,OITAA" << card << QList<int>{} << QStringList{} << earTag << name << "";
        QTest::newRow("三重 with class filter") << "三重県,BUNRUI" << card << QList<int>{}
                                                << QStringList{"BunruiFrame"} << earTag << nameNo << "";
        QTest::newRow("沖縄") << "沖縄県,0" << card << QList<int>{} << QStringList{} << earTag << name << "";
        QTest::newRow("unknown prefecture") << "東京都,0" << card << QList<int>{} << QStringList{} << earTag
                                            << name << "";
    }

    void startupVariants()
    {
        QFETCH(QString, info);
        QFETCH(QString, item6);
        QFETCH(QList<int>, visibleItems);
        QFETCH(QStringList, visibleBoxes);
        QFETCH(QString, heading1);
        QFETCH(QString, heading3);
        QFETCH(QString, siteTitle);
        Installation inst(info);
        MainForm form;
        QVERIFY(form.loadOk());
        QCOMPARE(form.CmdGd(6)->text(), item6);
        for (int index : {5, 12, 14, 17, 18, 19})
            QVERIFY2(form.CmdGd(index)->isHidden() != visibleItems.contains(index), qPrintable(QString::number(index)));
        const QList<QPair<QString, QWidget*>> boxes = {
            {"KenanCh", form.KenanCh}, {"MeigouCh", form.MeigouCh}, {"BunruiFrame", form.BunruiFrame}};
        for (const auto& [boxName, box] : boxes)
            QVERIFY2(box->isHidden() != visibleBoxes.contains(boxName), qPrintable(boxName));
        QCOMPARE(form.KotaiGrid->textMatrix(0, 1), heading1);
        QCOMPARE(form.KotaiGrid->textMatrix(0, 3), heading3);
        QCOMPARE(form.MainTitleGd[0]->text(), "Nolvari 【" + info.section(',', 0, 0).remove('"') + "】");
        QCOMPARE(form.MainTitleGd[2]->text(), siteTitle);
        for (int never : {10, 11, 16, 21})
            QVERIFY(form.CmdGd(never)->isHidden());
    }

    void missingInfoFileStopsTheLoad()
    {
        TempDataRoot root;
        MainForm form;
        QVERIFY(!form.loadOk());
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY(MsgBox::log().at(0).text.contains("info.ini"));
    }

    // Missing code files do not stop the start-up: one message lists them all, and their tables
    // stay empty.
    void missingCodeFilesAreListedAtStartup()
    {
        Installation inst("鳥取県,0");
        QFile::remove(inst.root.file("Code/SinryoCode3.ini"));
        QFile::remove(inst.root.file("Code/LenCode.ini"));
        MainForm form;
        QVERIFY(form.loadOk());
        QCOMPARE(MsgBox::log().size(), 1);
        const QString text = MsgBox::log().first().text;
        QVERIFY2(text.contains("SinryoCode3.ini") && text.contains("LenCode.ini") && !text.contains("SinryoCode4.ini"),
                 qPrintable(text));
        QCOMPARE(SharedState::get().Tables.LenCodeTable, QStringList{QString()});
    }

    void gridsAndStates()
    {
        Installation inst("鳥取県,0");
        MainForm form;
        QCOMPARE(form.state(), MainForm::State::Menu);
        QVERIFY(!form.MainFrame[2]->isHidden());
        QVERIFY(form.MainFrame[0]->isHidden() && form.MainFrame[1]->isHidden());
        QCOMPARE(form.size(), QSize(TwipGeometry::px(9500), TwipGeometry::px(5000)));
        QVERIFY(form.InfoGd->isHidden());

        FlexGrid* kotai = form.KotaiGrid;
        QCOMPARE(kotai->rows(), 5001);
        QCOMPARE(kotai->cols(), 9);
        QCOMPARE(kotai->textMatrix(5000, 0), QStringLiteral("5000"));
        QCOMPARE(kotai->columnWidth(3), TwipGeometry::px(4050));
        FlexGrid* rireki = form.RirekiGrid;
        QCOMPARE(rireki->rows(), 36);
        QCOMPARE(rireki->cols(), 10);
        QCOMPARE(rireki->textMatrix(35, 0), QStringLiteral("35"));
        QCOMPARE(rireki->textMatrix(0, 1), QStringLiteral("病名"));
        QCOMPARE(rireki->columnSpan(0, 6), 2);
        QCOMPARE(rireki->columnWidth(1), TwipGeometry::px(3250));
    }

    void lastBunbenForm()
    {
        Installation inst("鳥取県,0");
        MainForm form;
        QStringList seen;
        ModalHost::setHandler([&seen](QDialog& dialog) {
            auto* last = qobject_cast<LastBunbenForm*>(&dialog);
            if (last)
                seen = {last->windowTitle(), last->TourokuGrid->textMatrix(0, 1),
                        last->TourokuGrid->textMatrix(2, 0), QString::number(last->TourokuGrid->rows())};
            return 0;
        });
        form.CmdGd_Click(21);
        QCOMPARE(seen, (QStringList{"最終分娩日登録", "耳標", "2", "100"}));
    }

    void menuDispatch_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<SubForm>>("opened");
        QTest::newRow("3") << "鳥取県,0" << 3 << QList<SubForm>{SubForm::SyukeiForm};
        QTest::newRow("4") << "鳥取県,0" << 4 << QList<SubForm>{SubForm::MasterForm};
        QTest::newRow("5") << "鹿児島県,0" << 5 << QList<SubForm>{SubForm::TuchiboForm};
        QTest::newRow("8") << "鳥取県,0" << 8 << QList<SubForm>{SubForm::BackUpForm};
        QTest::newRow("12") << "茨城県,IBF1A" << 12 << QList<SubForm>{SubForm::IbaragiForm};
        QTest::newRow("14") << "宮崎県,0" << 14 << QList<SubForm>{SubForm::MiyazakiYakkaForm};
        QTest::newRow("17") << "茨城県,IBF1A" << 17 << QList<SubForm>{SubForm::InportForm};
        QTest::newRow("18") << "茨城県,IBF1A" << 18 << QList<SubForm>{SubForm::ExportForm};
        QTest::newRow("19") << "茨城県,IBF1A" << 19 << QList<SubForm>{SubForm::IbaragiSyukeiForm};
        QTest::newRow("20") << "鳥取県,0" << 20 << QList<SubForm>{SubForm::SinryoKirokuForm};
        QTest::newRow("20 in 沖縄") << "沖縄県,0" << 20 << QList<SubForm>{};
        QTest::newRow("10") << "鳥取県,0" << 10 << QList<SubForm>{};
        QTest::newRow("16") << "鳥取県,0" << 16 << QList<SubForm>{};
        QTest::newRow("beyond 21") << "鳥取県,0" << 22 << QList<SubForm>{};
        QTest::newRow("21") << "鳥取県,0" << 21 << QList<SubForm>{SubForm::LastBunbenForm};
    }

    void menuDispatch()
    {
        QFETCH(QString, info);
        QFETCH(int, index);
        QFETCH(QList<SubForm>, opened);
        Installation inst(info);
        MainForm form;
        QStringList shown;
        ModalHost::setHandler([&shown](QDialog& dialog) {
            shown.append(dialog.metaObject()->className());
            return 0;
        });
        QSignalSpy spy(&form, &MainForm::subFormOpening);
        form.CmdGd_Click(index);
        QCOMPARE(openedForms(spy), opened);
        // The windows built so far open for real.
        const bool built = opened == QList<SubForm>{SubForm::MiyazakiYakkaForm}
                           || opened == QList<SubForm>{SubForm::LastBunbenForm}
                           || opened == QList<SubForm>{SubForm::MasterForm}
                           || opened == QList<SubForm>{SubForm::TuchiboForm}
                           || opened == QList<SubForm>{SubForm::IbaragiSyukeiForm}
                           || opened == QList<SubForm>{SubForm::SinryoKirokuForm}
                           || opened == QList<SubForm>{SubForm::SyukeiForm}
                           || opened == QList<SubForm>{SubForm::BackUpForm}
                           || opened == QList<SubForm>{SubForm::InportForm}
                           || opened == QList<SubForm>{SubForm::ExportForm};
        QCOMPARE(!shown.isEmpty(), built);
        if (opened == QList<SubForm>{SubForm::SinryoKirokuForm})
            QCOMPARE(shown, QStringList{"SinryoKirokuForm"});
        QCOMPARE(form.state(), MainForm::State::Menu);
        // The treatment book does not open before an animal is chosen.
        const bool noAnimal = opened == QList<SubForm>{SubForm::IbaragiForm};
        QCOMPARE(MsgBox::log().size(), noAnimal ? 1 : 0);
        if (noAnimal)
            QCOMPARE(MsgBox::log().at(0).text, "治療簿を開く個体を選択してください。");
    }

    void exitAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("OK") << int(MsgBox::Ok) << true;
        QTest::newRow("Cancel") << int(MsgBox::Cancel) << false;
    }

    void exitAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        Installation inst("鳥取県,0");
        MainForm form;
        form.show();
        MsgBox::setResponder([answer](const MsgBox::Call&) { return MsgBox::Answer(answer); });
        form.CmdGd_Click(2);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().at(0).text, QStringLiteral("終了してよろしいですか？"));
        QCOMPARE(MsgBox::log().at(0).title, QStringLiteral("確認"));
        QCOMPARE(MsgBox::log().at(0).buttons, MsgBox::OkCancel);
        QCOMPARE(form.isVisible(), !closed);
    }

    void walkMenuPickerAnimalHistory()
    {
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        // The walk's own charts, whatever charts the sample carries.
        QDir(root.path() + "/Nolvari/H7").removeRecursively();
        const auto chart = [&](const QString& code, const QString& earTag, const QString& name,
                               const QList<KarteFixture::Episode>& episodes) {
            const QString base = "H7_" + code + "_" + earTag + "_0";
            KarteFixture::write(root.path() + "/Nolvari/H7/" + base + ".sxd",
                                KarteFixture::nouka("北浜", "山本 一郎", code), KarteFixture::kotai(earTag, name, base),
                                episodes);
        };
        chart("00030001", "0042", "みどり:1001", {episode("乳房炎", "7.3.1", "7.3.10", "治癒", "7.4.2"),
                                                  episode("肺炎", "7.5.1", "", "未")});
        chart("00030001", "0007", "あかね:1002", {});
        chart("00010001", "0099", "東谷の牛:1003", {});
        MainForm form;
        QVERIFY(form.loadOk());
        QCOMPARE(form.MainTitleGd[0]->text(), QStringLiteral("Nolvari 【鳥取県】"));

        pickFarmer("北浜", "山本 一郎");
        form.CmdGd_Click(6);
        QCOMPARE(form.state(), MainForm::State::List);
        QCOMPARE(form.size(), QSize(TwipGeometry::px(9500), TwipGeometry::px(10000)));
        QCOMPARE(form.NameHyojiGd[0]->text(), QStringLiteral("北浜  山本 一郎  00030001"));
        QCOMPARE(column(form.KotaiGrid, 1), (QStringList{"0007", "0042"}));
        QCOMPARE(column(form.KotaiGrid, 0), (QStringList{"1", "2"}));

        form.KotaiGrid_Click(2, 3);
        QCOMPARE(form.state(), MainForm::State::Rireki);
        QCOMPARE(SharedState::get().CurrentKarteFile, QStringLiteral("H7_00030001_0042_0.sxd"));
        QCOMPARE(form.NameHyojiGd[1]->text(), QStringLiteral("0042  みどり:1001"));
        QCOMPARE(form.RirekiGrid->textMatrix(1, 1), QStringLiteral("乳房炎"));
        // The sample veterinarian's site shows the later outcome of the two diseases.
        QCOMPARE(form.RirekiGrid->textMatrix(1, 6), QStringLiteral("7.4.2"));
        QCOMPARE(form.RirekiGrid->textMatrix(2, 1), QStringLiteral("肺炎"));
        QCOMPARE(form.RirekiGrid->textMatrix(2, 7), QString());
        QCOMPARE(form.RirekiGrid->textMatrix(3, 1), QString());

        QSignalSpy spy(&form, &MainForm::subFormOpening);
        SharedState::get().Hand.KarteHinagataMode = 1;
        form.RirekiGrid_Click(2, 4);
        const SharedState& s = SharedState::get();
        QCOMPARE(openedForms(spy), QList<SubForm>{SubForm::NewInputForm});
        QCOMPARE(s.CurrentEpisode.ByoName, QStringLiteral("肺炎"));
        QCOMPARE(s.CurrentEpisode.SyosinDate, QStringLiteral("7.5.1"));
        QCOMPARE(s.CurrentEpisode.RirekiKarteFile, QStringLiteral("H7_00030001_0042_0.sxd"));
        QCOMPARE(s.KarteOpenMode, 1);
        QCOMPARE(s.Hand.KarteHinagataMode, 0);
        QCOMPARE(form.state(), MainForm::State::List);
        QCOMPARE(form.GuideGd->text(), QString());

        form.CmdGd_Click(7);
        QCOMPARE(form.state(), MainForm::State::Menu);
        QCOMPARE(form.size(), QSize(TwipGeometry::px(9500), TwipGeometry::px(5000)));
        QVERIFY(MsgBox::log().isEmpty());
    }

    void sampleChartsOpen()
    {
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        MainForm form;
        listFarmer(form);
        QCOMPARE(form.state(), MainForm::State::List);
        const QStringList files = column(form.KotaiGrid, 8);
        QVERIFY(!files.isEmpty());
        for (int row = 1; row <= files.size(); ++row) {
            form.KotaiGrid_Click(row, 1);
            QCOMPARE(form.state(), MainForm::State::Rireki);
            QCOMPARE(SharedState::get().CurrentKarteFile, files.at(row - 1));
            const QString first = form.RirekiGrid->textMatrix(1, 9);
            QVERIFY(first.isEmpty() || first == files.at(row - 1));
            form.CmdGd_Click(1);
        }
        QVERIFY2(MsgBox::log().isEmpty(), qPrintable(MsgBox::log().value(0).text));
    }

    void clicksThatDoNothing()
    {
        Installation inst("鳥取県,0");
        inst.chart("00010001", "0001", "はな", {episode("乳房炎", "5.3.1", "", "未")});
        MainForm form;
        listFarmer(form);
        form.KotaiGrid_Click(1, 2);  // the always empty column
        QCOMPARE(form.state(), MainForm::State::List);
        form.KotaiGrid_Click(1, 1);
        QCOMPARE(form.state(), MainForm::State::Rireki);
        QSignalSpy spy(&form, &MainForm::subFormOpening);
        form.RirekiGrid_Click(2, 1);  // no kind of care
        form.RirekiGrid_Click(0, 1);  // heading
        QVERIFY(spy.isEmpty());
        QCOMPARE(form.state(), MainForm::State::Rireki);
        QCOMPARE(form.GuideGd->text(), QString());
    }

    void pickerClosedWithoutChoice()
    {
        Installation inst("鳥取県,0");
        inst.chart("00010001", "0001", "はな");
        MainForm form;
        pickFarmer("東谷", "");
        form.CmdGd_Click(6);
        QCOMPARE(form.state(), MainForm::State::Menu);
        QVERIFY(form.InfoGd->isHidden());

        listFarmer(form);
        pickFarmer("北浜", "");
        form.NormalGd->click();
        QCOMPARE(form.state(), MainForm::State::List);
        QCOMPARE(form.NameHyojiGd[0]->text(), QStringLiteral("東谷  山本 一郎  00010001"));
        QCOMPARE(column(form.KotaiGrid, 1), QStringList{"0001"});
        QVERIFY(!SharedState::get().CurrentNouka.chosen());
    }

    void farmerWithoutPicker_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("earTags");
        QTest::newRow("茨城 AutoNouka") << "茨城県,IBAUTO" << "本院  中央ランチ 牧場  00040001"
                                       << QStringList{"9", "10", "B"};
        QTest::newRow("大分 FixedNouka") << "大分県,OITAA" << "本院  大分 太郎  00090001"
                                        << QStringList{"9", "10", "B"};
    }

    void farmerWithoutPicker()
    {
        QFETCH(QString, info);
        QFETCH(QString, caption);
        QFETCH(QStringList, earTags);
        Installation inst(info);
        const QString code = caption.section("  ", 2, 2);
        inst.chart(code, "B", "ゆき");
        inst.chart(code, "10", "あや");
        inst.chart(code, "9", "かえで");
        MainForm form;
        bool pickerShown = false;
        ModalHost::setHandler([&pickerShown](QDialog&) {
            pickerShown = true;
            return 0;
        });
        form.CmdGd_Click(6);
        QVERIFY(!pickerShown);
        QCOMPARE(form.state(), MainForm::State::List);
        QCOMPARE(form.NameHyojiGd[0]->text(), caption);
        QCOMPARE(column(form.KotaiGrid, 1), earTags);
        QCOMPARE(column(form.KotaiGrid, 0), (QStringList{"1", "2", "3"}));
    }

    void autoNoukaWithoutRegisterLine()
    {
        Installation inst("茨城県,IBAUTO");
        inst.root.write("set/NameCode.ini", {"東谷,山本 一郎,00010001,東谷1-2,や,,,,,,"});
        MainForm form;
        form.CmdGd_Click(6);
        QCOMPARE(form.state(), MainForm::State::Menu);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().at(0).text, QStringLiteral("地区名・組合員名・組合員コードを登録してください。"));
    }

    void sortByNameOrEarTag()
    {
        Installation inst("茨城県,IBRANCH");
        inst.chart("00010001", "10", "ゆき:1");
        inst.chart("00010001", "9", "あや:2");
        inst.chart("00010001", "11", "かえで:3");
        MainForm form;
        listFarmer(form);
        QCOMPARE(column(form.KotaiGrid, 1), (QStringList{"10", "11", "9"}));  // chart list order
        form.MeigouCh->click();
        QCOMPARE(column(form.KotaiGrid, 3), (QStringList{"あや:2", "かえで:3", "ゆき:1"}));
        form.MeigouCh->click();
        QCOMPARE(column(form.KotaiGrid, 1), (QStringList{"9", "10", "11"}));
        QCOMPARE(column(form.KotaiGrid, 0), (QStringList{"1", "2", "3"}));
    }

    void search_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("message");
        QTest::newRow("ear tag") << "鳥取県,0" << " 0002 " << "H5_00010001_0002_0.sxd" << "";
        QTest::newRow("ear tag missing") << "鳥取県,0" << "0009" << "" << "この耳標番号は登録されていません。";
        QTest::newRow("blank") << "鳥取県,0" << "   " << "" << "";
        QTest::newRow("茨城 name") << "茨城県,IBRANCH" << "はな" << "H5_00010001_0001_0.sxd" << "";
        QTest::newRow("茨城 ear tag") << "茨城県,IBRANCH" << "0001" << "" << "この名前（番号）は登録されていません。";
        QTest::newRow("大分 ear tag") << "大分県,0" << "0002" << "H5_00010001_0002_0.sxd" << "";
    }

    void search()
    {
        QFETCH(QString, info);
        QFETCH(QString, text);
        QFETCH(QString, found);
        QFETCH(QString, message);
        Installation inst(info);
        inst.chart("00010001", "0001", "はな:1", {episode("乳房炎", "5.3.1", "5.3.10", "治癒", "5.4.2")});
        inst.chart("00010001", "0002", "もも:2", {episode("肺炎", "5.5.1", "5.5.9", "治癒", "5.6.1")});
        MainForm form;
        listFarmer(form);
        form.KensakuTx->setText(text);
        QTest::keyClick(form.KensakuTx, Qt::Key_Return);
        QCOMPARE(form.KensakuTx->text(), text);
        QCOMPARE(form.state(), found.isEmpty() ? MainForm::State::List : MainForm::State::Rireki);
        QCOMPARE(MsgBox::log().isEmpty(), message.isEmpty());
        if (!message.isEmpty()) {
            QCOMPARE(MsgBox::log().at(0).text, message);
            QCOMPARE(MsgBox::log().at(0).title, QStringLiteral("確認"));
            return;
        }
        if (found.isEmpty())
            return;
        QCOMPARE(SharedState::get().CurrentKarteFile, found);
        QVERIFY(form.NameHyojiGd[1]->text().endsWith("  " + text.trimmed()));
        // The search shows disease 1's outcome in every installation.
        QCOMPARE(form.RirekiGrid->textMatrix(1, 7), QStringLiteral("治癒"));
        QVERIFY(form.RirekiGrid->textMatrix(1, 6) != QStringLiteral("5.4.2"));
    }

    void classLetterFilter_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("earTags");
        const QStringList all = {"0001", "0002", "0003"};
        QTest::newRow("empty") << "" << "分類文字（アルファベット）を入力してください。" << all;
        QTest::newRow("digit") << "1" << "アルファベットを入力してください。" << all;
        QTest::newRow("two letters") << "AB" << "分類文字は1文字です。" << all;
        QTest::newRow("A") << "A" << "" << QStringList{"0001", "0003", ""};
        QTest::newRow("a") << "a" << "" << QStringList{"", "", ""};
    }

    void classLetterFilter()
    {
        QFETCH(QString, letter);
        QFETCH(QString, message);
        QFETCH(QStringList, earTags);
        Installation inst("三重県,BUNRUI");
        inst.chart("00010001", "0001", "はな A:1");
        inst.chart("00010001", "0002", "もも B:2");
        inst.chart("00010001", "0003", "ゆき A:3");
        MainForm form;
        listFarmer(form);
        form.KensakuTx->setText("x");
        form.BunruiTx->setText(letter);
        form.CmdGd_Click(15);
        QCOMPARE(column(form.KotaiGrid, 1), earTags);
        QCOMPARE(MsgBox::log().isEmpty(), message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(MsgBox::log().at(0).text, message);
        QCOMPARE(form.KensakuTx->text(), message.isEmpty() ? QString() : QStringLiteral("x"));
        QCOMPARE(form.KotaiSubGrid.size(), 3);
    }

    void newChartNeedsAFarmer()
    {
        Installation inst("鳥取県,0");
        MainForm form;
        QSignalSpy spy(&form, &MainForm::subFormOpening);
        form.CmdGd_Click(9);
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().at(0).text, QStringLiteral("[地域・氏名・番号]が選択されていません。"));
        QVERIFY(spy.isEmpty());
        listFarmer(form);
        form.CmdGd_Click(9);
        QCOMPARE(openedForms(spy), QList<SubForm>{SubForm::NewKarteForm});
        QCOMPARE(SharedState::get().Hand.NewKarteOut, 0);
        QCOMPARE(form.state(), MainForm::State::List);
    }

    void openFromHistory_data()
    {
        QTest::addColumn<bool>("episodeClick");
        QTest::addColumn<bool>("kenan");
        QTest::addColumn<QList<SubForm>>("opened");
        QTest::newRow("new examination") << false << false << QList<SubForm>{SubForm::BunruiForm};
        QTest::newRow("new examination, post-mortem") << false << true << QList<SubForm>{SubForm::KenanForm};
        QTest::newRow("episode") << true << false << QList<SubForm>{SubForm::NewInputForm};
        QTest::newRow("episode, post-mortem") << true << true << QList<SubForm>{SubForm::KenanForm};
    }

    void openFromHistory()
    {
        QFETCH(bool, episodeClick);
        QFETCH(bool, kenan);
        QFETCH(QList<SubForm>, opened);
        Installation inst("鳥取県,0");
        inst.chart("00010001", "0001", "はな", {episode("乳房炎", "5.3.1", "", "未")});
        MainForm form;
        listFarmer(form);
        form.KotaiGrid_Click(1, 1);
        form.KenanCh->setChecked(kenan);
        QSignalSpy spy(&form, &MainForm::subFormOpening);
        if (episodeClick)
            form.RirekiGrid_Click(1, 1);
        else
            form.CmdGd_Click(0);
        QCOMPARE(openedForms(spy), opened);
        QCOMPARE(form.state(), MainForm::State::List);
        QCOMPARE(SharedState::get().CurrentKarteFile, QStringLiteral("H5_00010001_0001_0.sxd"));
        QCOMPARE(SharedState::get().KarteOpenMode, episodeClick ? 1 : 0);
    }

    void damagedAndMissingCharts()
    {
        Installation inst("鳥取県,0");
        inst.chart("00010001", "0001", "はな");
        TestFixture::writeBytes(inst.root.file("H5/H5_00010001_0002_0.sxd"), QByteArray("Main'\r\nMain'\x80'\r\n"));
        MainForm form;
        listFarmer(form);
        QCOMPARE(column(form.KotaiGrid, 1), QStringList{"0001"});
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY(MsgBox::log().at(0).text.contains("H5_00010001_0002_0.sxd"));
        QFile::remove(inst.root.file("H5/H5_00010001_0001_0.sxd"));
        form.KotaiGrid_Click(1, 1);
        QCOMPARE(MsgBox::log().size(), 2);
        QVERIFY(MsgBox::log().at(1).text.contains("H5_00010001_0001_0.sxd"));
        QCOMPARE(form.RirekiGrid->textMatrix(1, 1), QString());
    }

    void historyGrowsBeyond35()
    {
        Installation inst("鳥取県,0");
        QList<KarteFixture::Episode> many;
        for (int i = 1; i <= 37; ++i)
            many.append(episode("病" + QString::number(i), "5.1." + QString::number(i), "", "未"));
        inst.chart("00010001", "0001", "はな", many);
        inst.chart("00010001", "0002", "もも", {episode("肺炎", "5.5.1", "", "未")});
        MainForm form;
        listFarmer(form);
        form.KotaiGrid_Click(1, 1);
        QCOMPARE(form.RirekiGrid->rows(), 38);
        QCOMPARE(form.RirekiGrid->textMatrix(37, 0), QStringLiteral("37"));
        QCOMPARE(form.RirekiGrid->textMatrix(37, 1), QStringLiteral("病37"));
        form.CmdGd_Click(1);
        form.KotaiGrid_Click(2, 1);
        QCOMPARE(form.RirekiGrid->rows(), 36);
        QCOMPARE(form.RirekiGrid->textMatrix(1, 1), QStringLiteral("肺炎"));
        QCOMPARE(form.RirekiGrid->textMatrix(2, 1), QString());
    }

    void kotaiGridClear()
    {
        Installation inst("鳥取県,0");
        inst.chart("00010001", "0001", "はな");
        inst.chart("00010001", "0002", "もも");
        MainForm form;
        listFarmer(form);
        form.KotaiGridClearProc();
        for (int c = 1; c < 9; ++c)
            QCOMPARE(column(form.KotaiGrid, c), (QStringList{"", ""}));
        QCOMPARE(column(form.KotaiGrid, 0), (QStringList{"1", "2"}));
        QCOMPARE(form.KotaiGrid->textMatrix(0, 1), QStringLiteral("耳標番号"));
        for (const QStringList& row : form.KotaiSubGrid)
            QCOMPARE(row.mid(1), QStringList(8, QString()));
    }

    void hover()
    {
        Installation inst("鳥取県,0");
        MainForm form;
        form.show();
        const auto enter = [](QWidget* w) {
            QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QCoreApplication::sendEvent(w, &event);
        };
        const auto move = [](QWidget* w) {
            QMouseEvent event(QEvent::MouseMove, QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &event);
        };
        enter(form.CmdGd(6));
        enter(form.NormalGd);
        QVERIFY(form.CmdGd(6)->hovered() && form.NormalGd->hovered());
        QCOMPARE(form.CmdGd(6)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        move(&form);
        QVERIFY(form.CmdGd(6)->hovered());
        QVERIFY(!form.NormalGd->hovered());
        enter(form.NormalGd);
        move(form.MainFrame[2]);
        QVERIFY(!form.CmdGd(6)->hovered() && !form.NormalGd->hovered());
        QCOMPARE(form.CmdGd(6)->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void titleLabels_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QList<SubForm>>("opened");
        QTest::newRow("Ctrl on title 0") << 0 << int(Qt::ControlModifier) << QList<SubForm>{SubForm::YakkaTourokuForm};
        QTest::newRow("Ctrl on title 2") << 2 << int(Qt::ControlModifier) << QList<SubForm>{SubForm::YakkaTourokuForm};
        QTest::newRow("no Ctrl") << 1 << int(Qt::NoModifier) << QList<SubForm>{};
        QTest::newRow("Ctrl and Shift") << 1 << int(Qt::ControlModifier | Qt::ShiftModifier) << QList<SubForm>{};
    }

    void titleLabels()
    {
        QFETCH(int, index);
        QFETCH(int, modifiers);
        QFETCH(QList<SubForm>, opened);
        Installation inst("鳥取県,0");
        MainForm form;
        // The register saves a drug; the tables are read again when it has closed.
        ModalHost::setHandler([&inst](QDialog& dialog) {
            if (qobject_cast<YakkaTourokuForm*>(&dialog))
                inst.root.write("Code/YakkaCode.ini", {"注'新薬'1瓶'*'100"});
            return 0;
        });
        QSignalSpy spy(&form, &MainForm::subFormOpening);
        QTest::mouseClick(form.MainTitleGd[index], Qt::LeftButton, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(openedForms(spy), opened);
        const QStringList expected = opened.isEmpty() ? QStringList{""} : QStringList{"注'新薬'1瓶'*'100", ""};
        QCOMPARE(SharedState::get().Tables.YakkaCodeTable, expected);
    }

    void titleDoubleClick_data()
    {
        QTest::addColumn<QString>("info");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("karteFile");
        QTest::newRow("title 1") << "鳥取県,0" << 1 << true << "H5_00010001_1234567890_0.sxd";
        QTest::newRow("title 1 群馬") << "群馬県,0" << 1 << true << "H5_10000001_1234567890_0.sxd";
        QTest::newRow("title 1 大分 keeps the chart") << "大分県,0" << 1 << true << "current.sxd";
        QTest::newRow("title 0") << "鳥取県,0" << 0 << false << "current.sxd";
        QTest::newRow("title 2") << "鳥取県,0" << 2 << false << "current.sxd";
    }

    void titleDoubleClick()
    {
        QFETCH(QString, info);
        QFETCH(int, index);
        QFETCH(bool, opens);
        QFETCH(QString, karteFile);
        Installation inst(info);
        MainForm form;
        SharedState::get().CurrentKarteFile = "current.sxd";
        ModalHost::setHandler([](QDialog&) { return 0; });
        QSignalSpy spy(&form, &MainForm::subFormOpening);
        QTest::mouseDClick(form.MainTitleGd[index], Qt::LeftButton);
        QCOMPARE(openedForms(spy).contains(SubForm::NewInputForm), opens);
        QCOMPARE(SharedState::get().CurrentKarteFile, karteFile);
    }

    void hiddenEntries()
    {
        Installation inst("鳥取県,0");
        inst.root.write("code/YakkaCode.ini", {"注'ペニシリン'1瓶'*'500"});
        inst.root.write("code/SinryoCode.ini", {"初診,10,12"});
        inst.root.write("code/LenCode.ini", {"1km'100"});
        MainForm form;
        QVERIFY(form.WorkFrame->isHidden() && form.Command3->isHidden() && form.TorikomiBtn->isHidden()
                && form.Tgd->isHidden());
        QVERIFY(!form.TestGd->isHidden());
        QSignalSpy spy(&form, &MainForm::subFormOpening);
        QStringList shown;
        ModalHost::setHandler([&shown](QDialog& dialog) {
            shown.append(dialog.metaObject()->className());
            return 0;
        });
        form.Tgd_Click();
        form.Command3_Click();
        QCOMPARE(openedForms(spy), (QList<SubForm>{SubForm::IbaragiForm, SubForm::IbaragiSyukeiForm}));
        // No animal is chosen: the book refuses; the tally opens.
        QCOMPARE(shown, QStringList{"IbaragiSyukeiForm"});
        QCOMPARE(MsgBox::log().size(), 1);
        MsgBox::clearLog();
        form.TorikomiBtn_Click();
        QCOMPARE(MsgBox::log().size(), 1);
        QCOMPARE(MsgBox::log().at(0).text, QStringLiteral("終了しました。"));
        QCOMPARE(MsgBox::log().at(0).title, QStringLiteral("薬価登録"));

        SharedState::get().Tables.YakkaCodeTable = {"注'ペニシリン'1瓶'*'500", ""};
        MsgBox::clearLog();
        form.WorkFrame->Command2_Click(0);
        QVERIFY(MsgBox::log().isEmpty());
        form.WorkFrame->Text2[0]->setText("ペニ");
        form.WorkFrame->Command2_Click(0);
        QCOMPARE(form.WorkFrame->List1->count(), 1);
        QCOMPARE(MsgBox::log().at(0).text, QStringLiteral("終了"));
        QCOMPARE(MsgBox::log().at(0).title, QStringLiteral("Nolvari"));
        form.WorkFrame->Command1_Click();
        QCOMPARE(MsgBox::log().last().text, QStringLiteral("ok"));
        QCOMPARE(TestFixture::readCp932(inst.root.file("zenkoku_yakkacode/2010.ini")),
                 QStringList{"注'ペニシリン'1瓶'*'*'''"});
    }
};

NOLVARI_TEST(MainFormTest)
#include "MainFormTest.moc"
