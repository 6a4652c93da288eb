#include "PrintIbaragi.h"

#include "common/DataPath.h"
#include "common/FontSetup.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/ValueReader.h"
#include "common/WidgetColor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

template <class W>
W* child(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* w = new W(parent);
    w->setObjectName(name);
    w->setFont(FontSetup::screenFont());
    TwipGeometry::place(w, left, top, width, height);
    return w;
}

} // namespace

PrintIbaragi::PrintIbaragi(QWidget* parent)
    : SindansyoPrintDialog(Frame{4740, 3150, 5160, 3540, QStringLiteral("茨城県")}, parent),
      site(SharedState::get().Site)
{
    setObjectName(QStringLiteral("PrintIbaragi"));
    YousiCh = addCheck(QStringLiteral("YousiCh"), QStringLiteral("新用紙を使用"), 120, 1800, 1395, 210);
    HakusiCh = addCheck(QStringLiteral("HakusiCh"), QStringLiteral("白紙に印刷（新用紙選択時有効）"), 1680, 1800, 2970, 210);
    WakuFrame = child<QGroupBox>(this, QStringLiteral("WakuFrame"), 120, 2160, 4410, 750);
    nNameCh = child<QCheckBox>(WakuFrame, QStringLiteral("nNameCh"), 240, 180, 3210, 210);
    nNameCh->setText(QStringLiteral("新診療所名を使用"));
    const int optionLeft[] = {270, 1455, 2745};
    const int optionTop[] = {465, 450, 450};
    for (int i = 0; i < 3; ++i)
        Option1[i] = child<QRadioButton>(WakuFrame, SindansyoPrintContext::arrayName(QStringLiteral("Option1"), i),
                                         optionLeft[i], optionTop[i], 1050, 180);
    ManryoFrame = child<QGroupBox>(this, QStringLiteral("ManryoFrame"), 120, 2160, 4410, 735);
    ManryoFrame->setTitle(QStringLiteral("掛金満了日"));
    const QString units[] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};
    for (int i = 0; i < 3; ++i) {
        kText[i] = child<QLineEdit>(ManryoFrame, SindansyoPrintContext::arrayName(QStringLiteral("kText"), i),
                                    360 + 1080 * i, 360, 510, 270);
        auto* unit = child<QLabel>(ManryoFrame, SindansyoPrintContext::arrayName(QStringLiteral("Label3"), i),
                                   1080 + 1080 * i, 405, 180, 180);
        unit->setText(units[i]);
    }
    addRule(30, 1710, 4680, 1710, QColor(128, 128, 128));
    reportSettingFiles = true;
    Form_Load();
}

QString PrintIbaragi::kakekinManryoPath()
{
    return DataPath::file(QStringLiteral("set\\KakekinManryo.ini"));
}

int PrintIbaragi::checkedOption() const
{
    for (int i = 0; i < 3; ++i) {
        if (Option1[i]->isChecked())
            return i;
    }
    return -1;
}

void PrintIbaragi::optionsLoad()
{
    SharedState& s = SharedState::get();
    for (QWidget* w : std::initializer_list<QWidget*>{WakuFrame, ManryoFrame, Option1[0], Option1[1], Option1[2]})
        WidgetColor::setBackColor(w, s.ColorSet.DialogBackColor);
    const bool okayama = site.kind == IbarakiSite::Kind::Okayama;
    ManryoFrame->setVisible(okayama);
    WakuFrame->setVisible(site.farm());
    if (okayama) {
        const QString value = ValueReader::at(ValueReader::readFile(kakekinManryoPath()), 0);
        const QStringList parts = value.split(QLatin1Char(':'));
        if (value.contains(QLatin1Char(':'))) {
            for (int i = 0; i < 3; ++i)
                kText[i]->setText(parts.value(i));
        }
    }
    for (int i = 0; i < 3; ++i)
        Option1[i]->setText(site.doctorCaption(i));
    if (site.farm() || okayama) {
        YousiCh->setChecked(true);
        HakusiCh->setChecked(true);
        YousiCh->setEnabled(!okayama);
        HakusiCh->setEnabled(!okayama);
    } else {
        YousiCh->setChecked(SharedState::get().IbaragiYousiChKioku == 1);
        HakusiCh->setChecked(SharedState::get().IbaragiHakusiChKioku == 1);
    }
    if (site.farm()) {
        nNameCh->setChecked(true);
        const int kept = s.IbaragiOption1Kioku;
        if (kept >= 0 && kept <= 2)
            Option1[size_t(kept)]->setChecked(true);
    }
    TwipGeometry::resize(this, 4740, site.farm() || okayama ? 3150 : 2190);
}

QString PrintIbaragi::printStartCheck()
{
    if (!SindansyoIbarakiProc::chosen(YousiCh->isChecked(), HakusiCh->isChecked(),
                                      site.kind == IbarakiSite::Kind::Clinic))
        return clinicPaperText();
    return QString();
}

void PrintIbaragi::printStartBegin()
{
    pendingLog.clear();
}

SindansyoPrintRun::Result PrintIbaragi::body(PrintDevice& device, const SindansyoPrintContext& context,
                                             const PrintJobEntry& entry)
{
    const auto layout = SindansyoIbarakiProc::chosen(context.ch(QStringLiteral("YousiCh")) == 1,
                                                     context.ch(QStringLiteral("HakusiCh")) == 1,
                                                     site.kind == IbarakiSite::Kind::Clinic);
    if (!layout)
        return {};
    return SindansyoIbarakiProc::print(device, context, entry, *layout, &pendingLog);
}

void PrintIbaragi::printStartEnd(int pages)
{
    if (pages > 0 && printEnded) {
        QStringList problems;
        for (const TcbLogFile::Kiroku& kiroku : pendingLog) {
            QString error;
            if (!TcbLogFile::TcbKirokuProc(kiroku, &error))
                problems.append(error);
        }
        if (!problems.isEmpty())
            MsgBox::show(problems.join(QLatin1Char('\n')), QStringLiteral("確認"));
    }
    pendingLog.clear();
    SharedState& s = SharedState::get();
    if (site.farm() || site.kind == IbarakiSite::Kind::Okayama) {
        if (const int option = checkedOption(); option >= 0)
            s.IbaragiOption1Kioku = option;
    }
}

void PrintIbaragi::closeCommand()
{
    if (site.farm()) {
        if (const int option = checkedOption(); option >= 0)
            SharedState::get().IbaragiOption1Kioku = option;
    }
    if (site.kind != IbarakiSite::Kind::Okayama)
        return;
    QStringList parts;
    for (QLineEdit* box : kText)
        parts.append(SharedUtil::KaigyoDelProc(box->text()).remove(QLatin1Char(':')));
    QString error;
    if (!TextFile::write(kakekinManryoPath(), QStringList{parts.join(QLatin1Char(':'))}, &error))
        MsgBox::show(error, QStringLiteral("確認"));
}

void PrintIbaragi::unload()
{
    SharedState& s = SharedState::get();
    s.IbaragiYousiChKioku = YousiCh->isChecked() ? 1 : 0;
    s.IbaragiHakusiChKioku = HakusiCh->isChecked() ? 1 : 0;
}
