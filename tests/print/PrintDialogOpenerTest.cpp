#include "TestFixture.h"
#include "TestRegistry.h"
#include "TextFit.h"

#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "print/PrintDialogOpener.h"
#include "print/oita_aichi/PrintAichiForm.h"
#include "print/oita_aichi/PrintOita.h"
#include "print/tottori_miyazaki/PrintMiyazakiForm.h"
#include "print/tottori_miyazaki/PrintTottoriForm.h"

#include <QDialog>
#include <QtTest>

// The chart editor's print command opens the certificate dialog of the installation's prefecture.
class PrintDialogOpenerTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetGlobals(); }

    void opensThePrefecturesDialog_data()
    {
        QTest::addColumn<QString>("ken");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("message");
        QTest::newRow("鳥取県") << "鳥取県" << "PrintTottoriForm" << "";
        QTest::newRow("宮崎県") << "宮崎県" << "PrintMiyazakiForm" << "";
        QTest::newRow("三重県") << "三重県" << "PrintMieForm" << "";
        QTest::newRow("大分県") << "大分県" << "PrintOita" << "";
        QTest::newRow("栃木県") << "栃木県" << "" << "印刷できません。お問い合わせください。";
        QTest::newRow("愛知県") << "愛知県" << "" << "";
    }
    void opensThePrefecturesDialog()
    {
        QFETCH(QString, ken);
        QFETCH(QString, dialog);
        QFETCH(QString, message);
        TempDataRoot root;
        root.useSample();
        SharedState::get().setKen(ken);
        QString opened;
        ModalHost::setHandler([&opened](QDialog& d) {
            opened = d.objectName();
            return 0;
        });
        PrintDialogOpener::open(nullptr);
        QCOMPARE(opened, dialog);
        QCOMPARE(MsgBox::log().isEmpty() ? QString() : MsgBox::log().last().text, message);
    }

    // Every caption of the dialogs shows whole.
    void captionsShowWhole()
    {
        TempDataRoot root;
        SharedState::get().Hand.PrintHiduke = "R7.12.28";
        PrintTottoriForm tottori;
        tottori.show();
        QCOMPARE(TextFit::clipped(&tottori), QStringList());
        PrintMiyazakiForm miyazaki;
        miyazaki.show();
        QCOMPARE(TextFit::clipped(&miyazaki), QStringList());
        SharedState::get().Site = SiteProfile::parseRow("OB,大分県,SiteOitaClinicB");
        PrintOita oita;
        oita.show();
        QCOMPARE(TextFit::clipped(&oita), QStringList());
        PrintAichiForm aichi;
        aichi.show();
        QCOMPARE(TextFit::clipped(&aichi), QStringList());
    }
};

NOLVARI_TEST(PrintDialogOpenerTest)
#include "PrintDialogOpenerTest.moc"
