#include "TestFixture.h"
#include "TestRegistry.h"
#include "WindowMouse.h"

#include "chart/BunruiForm.h"
#include "chart/CopyForm.h"
#include "chart/KarteEpisode.h"
#include "chart/KarteFile.h"
#include "chart/NewInputForm.h"
#include "chart/NewKarteForm.h"
#include "common/DataPath.h"
#include "common/FlexGrid.h"
#include "common/LabelButton.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDeviceSource.h"
#include "common/RecordingPrintDevice.h"
#include "common/SharedState.h"
#include "dialogs/NenGappiForm.h"
#include "print/common/SindansyoPrintDialog.h"
#include "shell/MainForm.h"
#include "shell/YobidasiForm.h"
#include "treatment/OusinForm.h"
#include "treatment/SinryoForm.h"
#include "treatment/TyusyaForm.h"
#include "treatment/YakujiForm.h"
#include "treatment/TensuKeisanProc.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {

using SubForm = NewInputForm::SubForm;

// Every file under the data root with its bytes.
QMap<QString, QByteArray> snapshot()
{
    QMap<QString, QByteArray> files;
    QDirIterator it(DataPath::root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path.mid(DataPath::root().size() + 1), TestFixture::readBytes(path));
    }
    return files;
}

QStringList changed(const QMap<QString, QByteArray>& before, const QMap<QString, QByteArray>& after)
{
    QStringList out;
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (before.value(it.key()) != it.value() || !before.contains(it.key()))
            out.append(it.key());
    }
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (!after.contains(it.key()))
            out.append(it.key());
    }
    return out;
}

// The treatment lines the examinations get, as the dialogs hand them over from the sample's tables:
// a house call of 3.5 km in the daytime, two vials by intramuscular injection, a small wound
// treatment, and one prescription of a powder.
const QStringList ousin{"日中", "3.5", "2～4", "140", "170"};
const QStringList tyusya{"アンピシリンNa注射用", "1g1V", "312", "8", "10", "0", "0", "8", "10", "筋肉内注射", "2", ""};
const QStringList sinryo{"創傷処置（小）", "30", "36", "30", "36", "0", "0", "30", "36", "*", ""};
const QStringList yakuji{"アンピシリン散10%", "100g", "2450", "12", "14", "0", "0", "12", "14", "調剤要", "1", "100", "100", "g"};

// The episode the three examinations make, as the chart model builds it.
KarteEpisode expectedEpisode()
{
    KarteEpisode e;
    KarteNameRecord name;
    name.ByoName = QStringLiteral("乳房炎");
    name.ByoCode = QStringLiteral("0611");
    name.SyosinDate = QStringLiteral("7.9.1");
    name.SyusinDate = QStringLiteral("7.9.3");
    name.Tenki = QStringLiteral("未");
    name.SinryoKaisu = QStringLiteral("3");
    name.SinryoSyurui = QStringLiteral("へい病");
    e.setName(name, Ken::Tottori);
    KarteData2Record data2;
    data2.TikusyuSeibetu = QStringLiteral("成乳牛･雄");  // the new chart's animal line
    data2.DateCh = QStringLiteral("0");
    e.setData2(data2, Ken::Tottori);
    const QList<QList<TiryoLine>> lines{
        {TiryoLine::ousin(ousin, QString()), TiryoLine::tyusya(tyusya, Ken::Tottori, false, false)},
        {TiryoLine::sinryo(sinryo, QStringLiteral("処置"), Ken::Tottori)},
        {TiryoLine::yakuji(yakuji)}};
    for (int j = 0; j < 3; ++j) {
        SinsatuBlock s;
        s.SinsatuDate = QStringLiteral("7.9.%1").arg(j + 1);
        s.PictNb = QStringLiteral("0");
        for (int slot = 0; slot < lines.at(j).size(); ++slot)
            s.Tiryo.at(slot) = lines.at(j).at(slot);
        e.setSinsatu(j, s, false, false);
    }
    for (int j = 3; j < KarteBlock::SinsatuCount; ++j) {
        SinsatuBlock s = e.sinsatu(j);
        s.PictNb = QStringLiteral("0");
        e.setSinsatu(j, s, false, false);
    }
    e.setTotals(TensuKeisanProc(Ken::Tottori).run(e));
    return e;
}

QStringList chartLines(const QString& fileName)
{
    return TestFixture::readCp932(SharedState::get().kartePath(fileName));
}

// A person at the program: answers each window the program opens as the step at hand wants.
struct Person
{
    std::function<void(NewInputForm&)> editorStep;
    QString date;
    QMap<SubForm, std::function<void()>> answers;

    void install()
    {
        ModalHost::setHandler([this](QDialog& dialog) { return answer(dialog); });
    }

    int answer(QDialog& dialog)
    {
        if (auto* picker = qobject_cast<YobidasiForm*>(&dialog))
            return pickFarmer(*picker);
        if (auto* newKarte = qobject_cast<NewKarteForm*>(&dialog)) {
            newKarte->inpTx.at(0)->setText(QStringLiteral("7777"));
            newKarte->inpTx.at(1)->setText(QStringLiteral("みどり"));
            newKarte->CmdGd->at(1)->click();
            return newKarte->result();
        }
        if (auto* bunrui = qobject_cast<BunruiForm*>(&dialog)) {
            bunrui->SentakuGd->at(1)->click();
            return 1;
        }
        if (qobject_cast<NenGappiForm*>(&dialog)) {
            const QStringList parts = date.split('.');
            HandOver& h = SharedState::get().Hand;
            h.NenGappiYearOut = parts.at(0);
            h.NenGappiManthOut = parts.at(1);
            h.NenGappiDayOut = parts.at(2);
            h.NenGappiOut = QStringLiteral("R") + date;
            return 1;
        }
        if (auto* copy = qobject_cast<CopyForm*>(&dialog)) {
            copy->inpTx->setText(QStringLiteral("3456"));
            copy->CmdGd_Click(1);
            copy->CmdGd_Click(2);
            return copy->result();
        }
        if (auto* houseCall = qobject_cast<OusinForm*>(&dialog)) {
            QTest::keyClicks(houseCall->InpTx, "3.5");
            houseCall->CmdGd->at(1)->click();
            return houseCall->result();
        }
        if (auto* injection = qobject_cast<TyusyaForm*>(&dialog)) {
            pickDrug(*injection, QStringLiteral("アンピシリンNa注射用"));
            QTest::keyClicks(injection->InpTx, "2");
            injection->CmdGd->at(0)->click();
            return injection->result();
        }
        if (auto* drug = qobject_cast<YakujiForm*>(&dialog)) {
            pickDrug(*drug, QStringLiteral("アンピシリン散10%"));
            QTest::keyClicks(drug->InpTx.at(1), "1");
            drug->CmdGd->at(0)->click();
            return drug->result();
        }
        if (auto* code = qobject_cast<SinryoForm*>(&dialog)) {
            for (int r = 1; r < code->SinryoGrid->rows(); ++r)
                if (code->SinryoGrid->textMatrix(r, 1) == QStringLiteral("創傷処置（小）"))
                    code->SinryoGrid_Click(r);
            code->CmdGd->at(0)->click();
            return code->result();
        }
        if (auto* print = qobject_cast<SindansyoPrintDialog*>(&dialog)) {
            // The chart date through the picker, print start, close.
            WindowMouse::click(print->CmdGd->at(2));
            WindowMouse::click(print->CmdGd->at(1));
            WindowMouse::click(print->CmdGd->at(0));
            return 0;
        }
        if (auto* editor = qobject_cast<NewInputForm*>(&dialog)) {
            QObject::connect(editor, &NewInputForm::subFormOpening, editor, [this](SubForm form) {
                if (const auto answerIt = answers.constFind(form); answerIt != answers.constEnd())
                    (*answerIt)();
            });
            editor->show();
            if (editorStep)
                editorStep(*editor);
            return editor->result();
        }
        return 0;
    }

    // A drug of the dialog's list under the kana あ.
    static void pickDrug(YakuhinSentakuForm& form, const QString& name)
    {
        form.YobiGrid_Click(0, 0);
        for (int r = 1; r < form.TyusyaGrid->rows(); ++r)
            if (form.TyusyaGrid->textMatrix(r, 1) == name)
                form.TyusyaGrid_Click(r);
    }

    static int pickFarmer(YobidasiForm& picker)
    {
        for (int i = 0; i < picker.TikuList->count(); ++i)
            if (picker.TikuList->item(i)->text() == QStringLiteral("東谷"))
                picker.TikuList_Click(i);
        for (int i = 0; i < picker.NameList->count(); ++i)
            if (picker.NameList->item(i)->text() == QStringLiteral("山本 一郎"))
                picker.NameList_Click(i);
        picker.CmdGd->click();
        return 1;
    }

    // A treatment line through the category panel of examination j and the category's dialog.
    static void enterLine(NewInputForm& editor, int j, int row, int category)
    {
        QVERIFY(WindowMouse::clickCell(editor.InputWaku.at(j)->TiryoGrid, row, 2));
        QVERIFY(WindowMouse::click(editor.BunruiGd->at(category)));
    }
};

int kotaiRow(const MainForm& main, const QString& file)
{
    for (int r = 1; r < main.KotaiGrid->rows(); ++r)
        if (main.KotaiGrid->textMatrix(r, 8) == file)
            return r;
    return -1;
}

} // namespace

class KarteEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void chartFromTheMainWindowToPrinting()
    {
        TempDataRoot root;
        DataPath::setRoot(TestFixture::copySample(root.path()));
        MainForm main;
        QVERIFY(main.loadOk());
        Person person;
        person.install();
        main.CmdGd_Click(6);
        QCOMPARE(main.state(), MainForm::State::List);
        const QString file = QStringLiteral("H7_00010001_7777_0.sxd");
        const QString target = QStringLiteral("H7_00010001_3456_0.sxd");
        const KarteEpisode made = expectedEpisode();

        // A new chart and its first episode, three examinations with their treatment lines.
        person.editorStep = [&person](NewInputForm& editor) {
            person.answers[SubForm::ByoNameForm] = [] {
                SharedState::get().Hand.ByoName = QStringLiteral("乳房炎");
                SharedState::get().Hand.ByoCode = QStringLiteral("0611");
            };
            QVERIFY(WindowMouse::clickCell(editor.ByoNameGrid, 0, 1));
            for (int j = 0; j < 3; ++j) {
                person.date = QStringLiteral("7.9.%1").arg(j + 1);
                QVERIFY(WindowMouse::click(editor.InputWaku.at(j)->SinsatuDayGd));
            }
            Person::enterLine(editor, 0, 1, 0);  // 往診
            Person::enterLine(editor, 0, 2, 1);  // 注射
            Person::enterLine(editor, 1, 1, 4);  // 処置
            Person::enterLine(editor, 2, 1, 2);  // 薬治
            QVERIFY(WindowMouse::click(editor.CmdGd->at(0)));
        };
        QMap<QString, QByteArray> before = snapshot();
        main.CmdGd_Click(9);
        QStringList header = chartLines(file).mid(0, 2);
        QCOMPARE(header, (QStringList{"Main'東谷'山本 一郎'00010001'鳥取県中央市東谷1-2''''''''''",
                                      "Main'成乳牛'''-'雄'みどり''包''7777'-'-'H7_00010001_7777_0'"}));
        // The house-call dialog keeps its snow-region option, the drug dialogs their lists of drugs.
        QCOMPARE(changed(before, snapshot()),
                 (QStringList{"Code/Record1.ini", "Code/Record2.ini", "H7/" + file, "set/Sekisetu.ini"}));
        QCOMPARE(chartLines(file), header + made.block().lines());
        QVERIFY2(MsgBox::log().isEmpty(), qPrintable(MsgBox::log().value(0).text));

        // Reopened from the history: the same content and totals; closing writes it unchanged.
        const int row = kotaiRow(main, file);
        QVERIFY(row > 0);
        main.KotaiGrid_Click(row, 1);
        QCOMPARE(main.RirekiGrid->textMatrix(1, 1), QStringLiteral("乳房炎"));
        QString shownFee;
        person.editorStep = [&shownFee](NewInputForm& editor) {
            shownFee = editor.MainGd.at(14)->text();
            QCOMPARE(editor.InputWaku.at(1)->TiryoGrid->textMatrix(1, 2), QStringLiteral("創傷処置（小）"));
            QCOMPARE(editor.MainGd.at(20)->text(), QStringLiteral("3"));
            QVERIFY(WindowMouse::click(editor.CmdGd->at(0)));
        };
        before = snapshot();
        main.RirekiGrid_Click(1, 1);
        QCOMPARE(shownFee, made.data3().Ryoukin);
        QCOMPARE(changed(before, snapshot()), QStringList());

        // Duplicated to the animal 3456, cleared its third examination, printed as the sample's
        // prefecture (鳥取県) prints it.
        auto device = std::make_shared<RecordingPrintDevice>();
        PrintDeviceSource::setFactory([device](const QString&) { return device; });
        const QStringList targetBefore = chartLines(target);
        KarteEpisode copy = made;
        SinsatuBlock third = copy.sinsatu(2);
        third.SinsatuDate.clear();
        third.Tiryo = {};
        copy.setSinsatu(2, third, false, false);
        copy.gatherDates(false);
        copy.setTotals(TensuKeisanProc(Ken::Tottori).run(copy));
        QStringList afterCopy;
        person.editorStep = [&](NewInputForm& editor) {
            QVERIFY(WindowMouse::click(editor.CmdGd->at(11)));
            QCOMPARE(SharedState::get().CurrentKarteFile, target);
            afterCopy = changed(before, snapshot());
            QCOMPARE(chartLines(target), targetBefore + made.block().lines());
            QVERIFY(WindowMouse::click(editor.InputWaku.at(2)->Label1, QPoint(), {}, Qt::RightButton));
            QCOMPARE(chartLines(target), targetBefore + copy.block().lines());
            person.date = QStringLiteral("7.9.20");
            QVERIFY(WindowMouse::click(editor.CmdGd->at(5)));
            QCOMPARE(SharedState::get().PrintJobList, QStringList{target + "'乳房炎'7.9.1"});
            QVERIFY(WindowMouse::click(editor.CmdGd->at(0)));
        };
        main.KotaiGrid_Click(kotaiRow(main, file), 1);
        before = snapshot();
        main.RirekiGrid_Click(1, 1);
        QCOMPARE(afterCopy, QStringList{"H7/" + target});
        QCOMPARE(changed(before, snapshot()), QStringList{"H7/" + target});
        QCOMPARE(chartLines(file), header + made.block().lines());
        QCOMPARE(MsgBox::log().at(0).text, QStringLiteral("複製しました。（現在のカルテとして表示しています。）"));
        QVERIFY2(MsgBox::log().last().text.startsWith(QStringLiteral("印刷終了")), qPrintable(MsgBox::log().last().text));
        QCOMPARE(device->ofKind(RecordingPrintDevice::Kind::NewPage).size(), 1);
        for (const QString& text : {QStringLiteral("山本 一郎"), QStringLiteral("乳房炎")})
            QVERIFY2(device->findText(text), qPrintable(text));
    }
};

NOLVARI_TEST(KarteEndToEndTest)
#include "KarteEndToEndTest.moc"
