#include "SindansyoPrintContext.h"

#include "chart/NewInputView.h"
#include "common/DataPath.h"
#include "common/ValueReader.h"

int SindansyoPrintContext::ch(const QString& control) const
{
    return ValueReader::leadingInt(controls.value(control));
}

QString SindansyoPrintContext::arrayName(const QString& control, int index)
{
    return QStringLiteral("%1(%2)").arg(control).arg(index);
}

QString SindansyoPrintContext::kartePath(const QString& karteFileName) const
{
    const QString folder = DataPath::map(QStringLiteral("\\Nolvari\\H") + KarteNendo + QStringLiteral("\\"));
    return DataPath::resolve(folder + QLatin1Char('/') + karteFileName);
}

SindansyoPrintContext SindansyoPrintContext::take(const SharedState& state, const NewInputView* editor)
{
    SindansyoPrintContext c;
    c.ken = state.ken;
    c.SiteKey = state.SiteKey;
    c.Site = SiteProfile::lookup(state.SiteRows, state.ken, state.SiteKey, state.DoctorInfo.DoctorName);
    c.KenSite = SiteProfile::kenRow(state.SiteRows, state.ken);
    c.KarteNendo = state.KarteNendo;
    c.CurrentNouka = state.CurrentNouka;
    c.CurrentKarteFile = state.CurrentKarteFile;
    c.DoctorInfo = state.DoctorInfo;
    c.SeirekiFlag = state.SeirekiFlag;
    if (editor) {
        c.editorOpen = true;
        c.DateCh = editor->dateCh();
        c.BunsyoCh = editor->bunsyoCh();
        c.MainGd15 = editor->mainGdText(15);
        c.MainGd16 = editor->mainGdText(16);
        c.SinryoKaiChGd = editor->sinryoKaiChGdText();
        c.DataGrid = editor->dataGrid();
    }
    return c;
}
