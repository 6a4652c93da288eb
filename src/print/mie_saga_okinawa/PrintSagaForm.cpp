#include "PrintSagaForm.h"

#include "SindansyoSagaProc.h"

#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QCheckBox>
#include <QLabel>

namespace {

const QString ClinicA = QStringLiteral("SiteSagaClinicA");

// The row of the clinic that offers the choice of veterinarians, whichever site this is.
SiteProfile clinicARow(const SharedState& s)
{
    for (const SiteProfile& row : s.SiteRows) {
        if (row.prefecture == Ken::Saga && row.has(ClinicA))
            return row;
    }
    return SiteProfile();
}

} // namespace

PrintSagaForm::PrintSagaForm(QWidget* parent)
    : SindansyoPrintDialog(Frame{4575, 3150, 5160, 4590, QString()}, parent)
{
    setObjectName(QStringLiteral("PrintSagaForm"));
    DocLabel = addLabel(QStringLiteral("○獣医師名（選択）"), 360, 2010, QColor(128, 128, 255));
    const SiteProfile clinic = clinicARow(SharedState::get());
    for (int i = 0; i < 3; ++i)
        DocCh[i] = addCheck(SindansyoPrintContext::arrayName(QStringLiteral("DocCh"), i),
                            clinic.text(QStringLiteral("VetName%1").arg(i + 1)), 660, 2265 + 225 * i, 2085, 195);
    addRule(30, 1860, 4575, 1860, QColor(128, 128, 128));
    reportSettingFiles = true;
    defaultNendo = false;
    Form_Load();
}

void PrintSagaForm::optionsLoad()
{
    const SharedState& s = SharedState::get();
    const SiteProfile clinic = clinicARow(s);
    const bool choice = !clinic.isDefault() && s.DoctorInfo.DoctorName == clinic.text(QStringLiteral("ClinicName"));
    TwipGeometry::resize(this, 4575, choice ? 3150 : 1890);
    if (!choice)
        return;
    for (int i = 0; i < 3; ++i)
        DocCh[i]->setChecked(s.SagaDocChKioku[i] == 1);
}

void PrintSagaForm::printStartEnd(int pages)
{
    Q_UNUSED(pages);
    SharedState& s = SharedState::get();
    s.Hand.PrintNendo = NenDoGd->text();
    if (!s.Site.has(ClinicA))
        return;
    for (int i = 0; i < 3; ++i)
        s.SagaDocChKioku[i] = DocCh[i]->isChecked() ? 1 : 0;
}

SindansyoPrintRun::Result PrintSagaForm::body(PrintDevice& device, const SindansyoPrintContext& context,
                                              const PrintJobEntry& entry)
{
    return SindansyoSagaProc::print(device, context, entry);
}
