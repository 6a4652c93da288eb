#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/SharedState.h"
#include "dialogs/DigitLabelGroup.h"
#include "dialogs/Pict2Code.h"
#include "dialogs/Pict2Form.h"
#include "dialogs/PictDateForm.h"
#include "dialogs/PictForm.h"
#include "dialogs/SyokenForm.h"

#include <QImage>
#include <QLabel>
#include <QtTest>

// The findings dialog and the two picture dialogs.
class SyokenPictFormTest : public QObject
{
    Q_OBJECT

    static HandOver& hand() { return SharedState::get().Hand; }

    static SyokenTable::Findings findings(const QMap<int, QString>& at)
    {
        SyokenTable::Findings f;
        for (auto it = at.cbegin(); it != at.cend(); ++it)
            f[it.key()] = it.value();
        return f;
    }

    static void writePictures(const TempDataRoot& root, const QString& base, int count)
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        for (int i = 0; i < count; ++i)
            QVERIFY(image.save(root.file(QStringLiteral("pict/%1%2.bmp").arg(base).arg(i)), "BMP"));
    }

private slots:
    void init()
    {
        TestFixture::resetGlobals();
    }

    void preselect_data()
    {
        QTest::addColumn<QVariantMap>("in");
        QTest::addColumn<QList<int>>("chosen");
        QTest::newRow("at another index") << QVariantMap{{"5", "[太さ]2.0"}} << QList<int>{3, -1, -1, -1, -1, -1, -1, -1};
        QTest::newRow("the later wins") << QVariantMap{{"0", "[太さ]1.0"}, {"3", "[太さ]2.5"}}
                                        << QList<int>{4, -1, -1, -1, -1, -1, -1, -1};
        QTest::newRow("heading is not the tag") << QVariantMap{{"0", "[収縮性]+"}, {"1", "[収性]+"}}
                                                << QList<int>{-1, -1, 2, -1, -1, -1, -1, -1};
        QTest::newRow("added space") << QVariantMap{{"0", "[太さ] 2.0"}} << QList<int>{-1, -1, -1, -1, -1, -1, -1, -1};
        QTest::newRow("tags of their own") << QVariantMap{{"0", "[内感]-"}, {"1", "[頚管]緊縮"}, {"2", "[膣]充血・透明粘膜"}}
                                           << QList<int>{-1, -1, -1, -1, 1, 3, 6, -1};
    }
    void preselect()
    {
        QFETCH(QVariantMap, in);
        QFETCH(QList<int>, chosen);
        QMap<int, QString> at;
        for (auto it = in.cbegin(); it != in.cend(); ++it)
            at.insert(it.key().toInt(), it.value().toString());
        const SyokenTable::Choice c = SyokenTable::preselect(findings(at));
        QCOMPARE(QList<int>(c.begin(), c.end()), chosen);
    }

    // Options clicked with the mouse; "OK" hands each finding back at the index of its group.
    void okPutsFindingsAtTheirGroup()
    {
        hand().SyokenText = findings({{5, "[太さ]2.0"}, {6, "[収縮性]+"}});
        SyokenForm form;
        QCOMPARE(form.choice()[0], 3);
        WindowMouse::click(form.options[2]->at(3));
        WindowMouse::click(form.options[7]->at(4));
        WindowMouse::click(form.options[7]->at(4));
        QCOMPARE(form.options[7]->at(4)->font().bold(), true);
        WindowMouse::click(form.Label1->at(1));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().SyokenText, findings({{0, "[太さ]2.0"}, {2, "[収性]±"}, {7, "[外陰唇]腫張・深じわ"}}));
    }

    void commands_data()
    {
        QTest::addColumn<QList<int>>("commands");
        QTest::addColumn<bool>("unchanged");
        QTest::newRow("閉る") << QList<int>{0} << true;
        QTest::newRow("クリア then 閉る") << QList<int>{3, 0} << true;
        QTest::newRow("クリア then OK") << QList<int>{3, 1} << false;
        QTest::newRow("削除") << QList<int>{2} << false;
    }
    void commands()
    {
        QFETCH(QList<int>, commands);
        QFETCH(bool, unchanged);
        const SyokenTable::Findings in = findings({{0, "[形状]円"}, {1, "not a finding"}, {8, "x"}});
        hand().SyokenText = in;
        SyokenForm form;
        for (const int c : commands)
            WindowMouse::click(form.Label1->at(c));
        QCOMPARE(hand().SyokenText, unchanged ? in : SyokenTable::Findings());
    }

    void pictNumbers_data()
    {
        QTest::addColumn<QList<int>>("boxes");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("out");
        QTest::newRow("OK without a click") << QList<int>{} << 1 << 0;
        QTest::newRow("閉る without a click") << QList<int>{} << 0 << 0;
        QTest::newRow("last click") << QList<int>{4, 10} << 1 << 11;
        QTest::newRow("first box") << QList<int>{0} << 1 << 1;
        QTest::newRow("last box") << QList<int>{26} << 1 << 27;
        QTest::newRow("閉る after a click") << QList<int>{4} << 0 << 0;
        QTest::newRow("削除") << QList<int>{4} << 2 << -1;
    }
    void pictNumbers()
    {
        QFETCH(QList<int>, boxes);
        QFETCH(int, command);
        QFETCH(int, out);
        TempDataRoot root;
        writePictures(root, "Pict_", 27);
        hand().PictNoOut = 5;
        PictForm form;
        QVERIFY(!form.SentakuImg[26]->pixmap().isNull());
        for (const int b : boxes)
            WindowMouse::click(form.SentakuImg[b]);
        if (!boxes.isEmpty())
            QCOMPARE(form.SentakuImg[boxes.last()]->frameShadow(), QFrame::Raised);
        WindowMouse::click(form.Label1->at(command));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().PictNoOut, out);
    }

    void missingPictureShowsItsNumber()
    {
        TempDataRoot root;
        PictForm form;
        QCOMPARE(form.SentakuImg[3]->text(), QStringLiteral("4"));
    }

    void pict2Codes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty entry") << "::::" << true << "0:0:::";
        QTest::newRow("full") << "3:0:a:b:c" << true << "3:0:a:b:c";
        QTest::newRow("rounded") << "2.6:x:a::" << true << "3:0:a::";
        QTest::newRow("four fields") << "5:0:x:y" << false << "0:0:::";
        QTest::newRow("a number alone") << "5" << false << "0:0:::";
    }
    void pict2Codes()
    {
        QFETCH(QString, code);
        QFETCH(bool, ok);
        QFETCH(QString, text);
        Pict2Code entry;
        QCOMPARE(Pict2Code::parse(code, entry), ok);
        QCOMPARE(entry.text(), text);
    }

    void pict2Symbols()
    {
        QCOMPARE(Pict2Code::symbols().size(), Pict2Code::SymbolCount);
        int listed = 0;
        for (const QList<int>& row : Pict2Code::symbolRows())
            listed += int(row.size());
        QCOMPARE(listed, Pict2Code::SymbolCount);
        QCOMPARE(Pict2Code::addSymbol(Pict2Code::addSymbol(QString(), 7), 2), QStringLiteral(" PUS ＋"));
        QCOMPARE(Pict2Code::datedText("6", "15", 61), QStringLiteral("6/15ET"));
        QCOMPARE(Pict2Code::symbols().at(65), QStringLiteral("H♂"));
    }

    // A picture into both slots and out of one again, symbols joined into a cell, "OK".
    void pict2Compose()
    {
        TempDataRoot root;
        writePictures(root, "Pict2_", 51);
        hand().Pict2Code = "::::";
        Pict2Form form;
        WindowMouse::click(form.SetImg[0]);
        QVERIFY(form.SetImg[0]->pixmap().isNull());
        WindowMouse::click(form.SentakuImg[6]);
        WindowMouse::click(form.SetImg[0]);
        WindowMouse::click(form.SetImg[1]);
        QCOMPARE(form.composition().text(), QStringLiteral("7:7:::"));
        WindowMouse::click(form.SetImg[1], {}, {}, Qt::RightButton);
        WindowMouse::click(form.Tx1Gd[57]);
        WindowMouse::click(form.InpGd[1]);
        WindowMouse::click(form.Tx1Gd[2]);
        WindowMouse::click(form.InpGd[1]);
        WindowMouse::click(form.InpGd[2]);
        WindowMouse::click(form.InpGd[2], {}, {}, Qt::RightButton);
        WindowMouse::click(form.Label1->at(1));
        QVERIFY(!form.isVisible());
        QCOMPARE(hand().Pict2Code, QStringLiteral("7:0:: BCS3.5 ＋:"));
    }

    // A dated symbol asks for month and day; closing that picker leaves the cell as it was.
    void pict2DatedSymbol()
    {
        hand().Pict2Code = "3:0:a:b:c";
        Pict2Form form;
        QCOMPARE(form.InpGd[2]->text(), QStringLiteral("c"));
        bool pick = true;
        ModalHost::setHandler([&pick](QDialog& dialog) {
            auto& picker = static_cast<PictDateForm&>(dialog);
            WindowMouse::click(picker.columns[PictDateForm::ManthGd]->at(11));
            WindowMouse::click(picker.columns[PictDateForm::DayGd2]->at(3));
            WindowMouse::click(picker.Label1->at(pick ? 1 : 0));
            return 0;
        });
        WindowMouse::click(form.Tx1Gd[62]);
        WindowMouse::click(form.InpGd[0]);
        QCOMPARE(form.InpGd[0]->text(), QStringLiteral("12/3H"));
        pick = false;
        WindowMouse::click(form.InpGd[1]);
        QCOMPARE(form.InpGd[1]->text(), QStringLiteral("b"));
        WindowMouse::click(form.Label1->at(1));
        QCOMPARE(hand().Pict2Code, QStringLiteral("3:0:12/3H:b:c"));
    }

    void pict2Commands_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QList<int>>("commands");
        QTest::addColumn<QString>("out");
        QTest::newRow("閉る") << "3:0:a:b:c" << QList<int>{0} << "3:0:a:b:c";
        QTest::newRow("削除") << "3:0:a:b:c" << QList<int>{2} << "::::";
        QTest::newRow("全クリア then 閉る") << "3:0:a:b:c" << QList<int>{3, 0} << "3:0:a:b:c";
        QTest::newRow("全クリア then OK") << "3:0:a:b:c" << QList<int>{3, 1} << "0:0:::";
        QTest::newRow("four fields, OK") << "5:0:x:y" << QList<int>{1} << "0:0:::";
        QTest::newRow("empty left slot") << ":4:::" << QList<int>{1} << "0:4:::";
    }
    void pict2Commands()
    {
        QFETCH(QString, in);
        QFETCH(QList<int>, commands);
        QFETCH(QString, out);
        hand().Pict2Code = in;
        Pict2Form form;
        for (const int c : commands)
            WindowMouse::click(form.Label1->at(c));
        QCOMPARE(hand().Pict2Code, out);
    }
};

NOLVARI_TEST(SyokenPictFormTest)
#include "SyokenPictFormTest.moc"
