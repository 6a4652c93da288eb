#pragma once

#include "SindansyoIbarakiProc.h"

#include "common/IbarakiSite.h"
#include "print/common/SindansyoPrintDialog.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The certificate print dialog of 茨城県 ("書式：茨城県"): the common print dialog with the paper
// (YousiCh "新用紙を使用", HakusiCh "白紙に印刷（新用紙選択時有効）": the old form without YousiCh,
// the new form with it, blank paper with both), for the farm group the veterinarian frame
// WakuFrame (nNameCh "新診療所名を使用" and the three doctor options Option1, captioned from the
// site row) and for SiteOkayamaFarm the premium-expiry frame ManryoFrame (kText year, month, day,
// kept in "\Nolvari\set\KakekinManryo.ini" by "閉る").
//
// At every opening the farm group gets both paper boxes and nNameCh ticked and the kept doctor
// option (IbaragiOption1Kioku); SiteOkayamaFarm both boxes ticked and locked; every other site the
// paper boxes it closed with. The clinic SiteIbarakiClinic prints on blank paper only and is told
// so when a print start asks for another paper. The farm group's certificates are logged
// (TcbLogFile::TcbKirokuProc) once the document has ended without error, one record per certificate that
// printed pages.
class PrintIbaragi : public SindansyoPrintDialog
{
    Q_OBJECT

public:
    explicit PrintIbaragi(QWidget* parent = nullptr);

    QCheckBox* YousiCh = nullptr;
    QCheckBox* HakusiCh = nullptr;
    QGroupBox* WakuFrame = nullptr;
    QCheckBox* nNameCh = nullptr;
    std::array<QRadioButton*, 3> Option1{};
    QGroupBox* ManryoFrame = nullptr;
    std::array<QLineEdit*, 3> kText{};

    static QString kakekinManryoPath();
    static QString clinicPaperText() { return QStringLiteral("この施設は白紙にのみ印刷します。「新用紙を使用」と「白紙に印刷」にチェックを付けてください。"); }

protected:
    void optionsLoad() override;
    QString printStartCheck() override;
    void printStartBegin() override;
    SindansyoPrintRun::Result body(PrintDevice& device, const SindansyoPrintContext& context,
                                   const PrintJobEntry& entry) override;
    void printStartEnd(int pages) override;
    void closeCommand() override;
    void unload() override;

private:
    IbarakiSite site;
    QList<TcbLogFile::Kiroku> pendingLog;
    int checkedOption() const;
};
