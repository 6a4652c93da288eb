#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/LabelButton.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "shell/YobidasiForm.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

class YobidasiFormTest : public QObject
{
    Q_OBJECT

private:
    static int rowOf(QListWidget* list, const QString& text)
    {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == text)
                return i;
        return -1;
    }

    static QStringList items(QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }

private slots:
    void init() { TestFixture::resetGlobals(); }

    void loadFillsListsAndEmptiesTheFarmer()
    {
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        SharedState::get().CurrentNouka = {"x", "y", "z", "w"};
        YobidasiForm form;
        QCOMPARE(items(form.TikuList), (QStringList{"東谷", "西原", "北浜"}));
        QCOMPARE(form.KariList.size(), 4);
        QVERIFY(!SharedState::get().CurrentNouka.chosen());
        QCOMPARE(SharedState::get().CurrentNouka.NoukaJyusyo, QString());
        QCOMPARE(form.CodeGd->text(), QStringLiteral("Code"));
        QVERIFY(MsgBox::log().isEmpty());
        QCOMPARE(form.YobiGrid->textMatrix(4, 9), QStringLiteral("全"));
        QCOMPARE(form.YobiGrid->size(), QSize(TwipGeometry::px(3120), TwipGeometry::px(1370)));
    }

    // District, kana, farmer and OK, each clicked where it shows in the picker.
    void farmerChosenWithTheMouse()
    {
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        YobidasiForm form;
        QVERIFY(WindowMouse::clickItem(form.TikuList, "東谷"));
        QCOMPARE(items(form.NameList), (QStringList{"山本 一郎", "川口 花子"}));
        const QList<QTableWidgetItem*> ka = form.YobiGrid->findItems("か", Qt::MatchExactly);
        QCOMPARE(ka.size(), 1);
        QVERIFY(WindowMouse::clickCell(form.YobiGrid, ka.first()->row(), ka.first()->column()));
        QCOMPARE(items(form.NameList), (QStringList{"川口 花子"}));
        QVERIFY(WindowMouse::clickItem(form.NameList, "川口 花子"));
        QCOMPARE(form.CodeGd->text(), QStringLiteral("00010002"));
        QVERIFY(WindowMouse::click(form.CmdGd));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(SharedState::get().CurrentNouka.NoukaName, QStringLiteral("川口 花子"));
    }

    void sameNamedFarmersKeepTheirOwnCodes_data()
    {
        QTest::addColumn<QString>("tiku");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("address");
        QTest::newRow("東谷") << "東谷" << "00010001" << "鳥取県中央市東谷1-2";
        QTest::newRow("北浜") << "北浜" << "00030001" << "鳥取県中央市北浜7";
    }

    void sameNamedFarmersKeepTheirOwnCodes()
    {
        QFETCH(QString, tiku);
        QFETCH(QString, code);
        QFETCH(QString, address);
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        YobidasiForm form;
        form.TikuList_Click(rowOf(form.TikuList, tiku));
        form.NameList_Click(rowOf(form.NameList, "山本 一郎"));
        const NoukaInfo& nouka = SharedState::get().CurrentNouka;
        QCOMPARE(nouka.NoukaTiku, tiku);
        QCOMPARE(nouka.NoukaName, QStringLiteral("山本 一郎"));
        QCOMPARE(nouka.NoukaCode, code);
        QCOMPARE(nouka.NoukaJyusyo, address);
        QCOMPARE(form.CodeGd->text(), code);
    }

    void kanaIndex()
    {
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        YobidasiForm form;
        form.YobiGrid_Click(0, 1);  // か before any district
        QCOMPARE(form.NameList->count(), 0);
        form.TikuList_Click(0);
        form.YobiGrid_Click(0, 1);
        QCOMPARE(items(form.NameList), QStringList{"川口 花子"});
        form.YobiGrid_Click(3, 7);  // empty cell
        QCOMPARE(items(form.NameList), QStringList{"川口 花子"});
        form.YobiGrid_Click(4, 9);
        QCOMPARE(items(form.NameList), (QStringList{"山本 一郎", "川口 花子"}));
    }

    void districtClickAfterAChoice()
    {
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        YobidasiForm form;
        form.TikuList_Click(0);
        form.NameList_Click(0);
        form.TikuList_Click(1);
        const NoukaInfo& nouka = SharedState::get().CurrentNouka;
        QCOMPARE(nouka.NoukaTiku, QStringLiteral("西原"));
        QCOMPARE(nouka.NoukaName, QString());
        QCOMPARE(nouka.NoukaCode, QString());
        QCOMPARE(nouka.NoukaJyusyo, QStringLiteral("鳥取県中央市東谷1-2"));
        QVERIFY(!nouka.chosen());
        form.CmdGd->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void registerFiles_data()
    {
        QTest::addColumn<bool>("tikuFile");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty district register") << true << "地区が登録されていません。";
        QTest::newRow("missing registers") << false << "TikuName.ini";
    }

    void registerFiles()
    {
        QFETCH(bool, tikuFile);
        QFETCH(QString, message);
        TempDataRoot root;
        if (tikuFile) {
            root.write("set/TikuName.ini", {});
            root.write("set/NameCode.ini", {});
        }
        YobidasiForm form;
        QCOMPARE(MsgBox::log().size(), 1);
        QVERIFY2(MsgBox::log().at(0).text.contains(message), qPrintable(MsgBox::log().at(0).text));
        QCOMPARE(form.TikuList->count(), 0);
    }

    void blanksAroundADistrict()
    {
        TempDataRoot root;
        root.write("set/TikuName.ini", {" 東谷 "});
        root.write("set/NameCode.ini", {"東谷,山本 一郎,00010001,住所,や,,,,,,", "短い行", ""});
        YobidasiForm form;
        QCOMPARE(form.TikuList->item(0)->text(), QStringLiteral(" 東谷 "));
        form.TikuList_Click(0);
        QCOMPARE(SharedState::get().CurrentNouka.NoukaTiku, QStringLiteral("東谷"));
        QCOMPARE(items(form.NameList), QStringList{"山本 一郎"});
    }
};

NOLVARI_TEST(YobidasiFormTest)
#include "YobidasiFormTest.moc"
