#include "PrintTottoriForm.h"

#include "SindansyoTottoriProc.h"

#include "common/SharedState.h"

#include <QCheckBox>

PrintTottoriForm::PrintTottoriForm(QWidget* parent) : SindansyoPrintDialog(Frame{}, parent)
{
    setObjectName(QStringLiteral("PrintTottoriForm"));
    YousiCh = addCheck(QStringLiteral("YousiCh"), QStringLiteral("新用紙を使用（令和）"), 2550, 1455, 2010, 210);
    SyusinCh = addCheck(QStringLiteral("SyusinCh"), QStringLiteral("第1病名の終診日を印刷しない"), 360, 1755, 2820, 210);
    ByoCh = addCheck(QStringLiteral("ByoCh"), QStringLiteral("第2病名の日付印刷する"), 360, 1980, 2430, 210);
    addLabel(QStringLiteral("※新用紙のみ"), 3375, 2010, QColor(128, 128, 255), 8.25);
    addRule(60, 1665, 4590, 1665, QColor(192, 192, 192));
    Form_Load();
}

void PrintTottoriForm::optionsLoad()
{
    HandOver& h = SharedState::get().Hand;
    if (h.TottoriYousiChKioku != 0 && h.TottoriYousiChKioku != 1)
        h.TottoriYousiChKioku = 0;
    YousiCh->setChecked(h.TottoriYousiChKioku == 1);
    SyusinCh->setChecked(h.TottoriSyusinChKioku == 1);
    ByoCh->setChecked(false);
}

void PrintTottoriForm::printStartPrepare()
{
    // The site recognised by the veterinarian's name prints its own veterinarian number.
    SharedState& s = SharedState::get();
    const SiteProfile site = SiteProfile::lookup(s.SiteRows, s.ken, s.SiteKey, s.DoctorInfo.DoctorName);
    if (site.has(QStringLiteral("SiteTottoriVetA")) && !site.text(QStringLiteral("FixedDoctorCode")).isEmpty())
        s.DoctorInfo.DoctorCode = site.text(QStringLiteral("FixedDoctorCode"));
}

SindansyoPrintRun::Result PrintTottoriForm::body(PrintDevice& device, const SindansyoPrintContext& context,
                                                 const PrintJobEntry& entry)
{
    return SindansyoTottoriProc::print(device, context, entry, context.ch(QStringLiteral("YousiCh")) != 0 ? 1 : 0);
}

void PrintTottoriForm::unload()
{
    HandOver& h = SharedState::get().Hand;
    h.TottoriYousiChKioku = YousiCh->isChecked() ? 1 : 0;
    h.TottoriSyusinChKioku = SyusinCh->isChecked() ? 1 : 0;
}
