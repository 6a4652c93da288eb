#include "PrintOita.h"

#include "KarteKenanOitaProc.h"
#include "SindansyoOitaProc.h"

#include "common/DataPath.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/ValueReader.h"
#include "common/WidgetColor.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QColor Grey(128, 128, 128);
constexpr int DesignHeight = 3555;
constexpr int ClinicBHeight = 3690;
constexpr int ClinicAHeight = 2895;

SindansyoPrintDialog::Frame oitaFrame()
{
    SindansyoPrintDialog::Frame frame;
    frame.height = DesignHeight;
    frame.shosiki = QStringLiteral("大分県");
    return frame;
}

void placeCommand(LabelButton* b, const QString& caption, int left, int top)
{
    b->setText(caption);
    b->move(TwipGeometry::px(left), TwipGeometry::px(top));
    b->adjustSize();
}

} // namespace

PrintOita::PrintOita(QWidget* parent) : SindansyoPrintDialog(oitaFrame(), parent)
{
    setObjectName(QStringLiteral("PrintOita"));
    Label1->setText(QStringLiteral("カルテ・検案書を印刷します。用紙をセットし印刷開始をクリックしてください。（検案書は規定用紙3枚）"));
    TwipGeometry::place(Label1, 105, 555, 4305, 465);
    placeCommand(CmdGd->at(0), QStringLiteral("閉る"), 3765, 105);
    placeCommand(CmdGd->at(1), QStringLiteral("カルテ印刷開始"), 2385, 1065);
    placeCommand(CmdGd->at(2), QStringLiteral("[カルテの日付]"), 165, 1080);
    placeCommand(CmdGd->at(3), QStringLiteral("[年度]"), 870, 1485);
    LabelButton* kenan = CmdGd->add(QStringLiteral("検案書印刷開始"), 4, this);
    kenan->setObjectName(SindansyoPrintContext::arrayName(QStringLiteral("CmdGd"), 4));
    kenan->setFont(CmdGd->at(1)->font());
    kenan->setAlignment(Qt::AlignCenter);
    placeCommand(kenan, kenan->text(), 2370, 1305);
    HidukeGd->move(TwipGeometry::px(1545), TwipGeometry::px(1095));
    NenDoGd->move(TwipGeometry::px(1545), TwipGeometry::px(1500));
    GuideGd->move(TwipGeometry::px(300), TwipGeometry::px(2025));

    ByoCh = addCheck(QStringLiteral("ByoCh"), QStringLiteral("病名2を主病名とする。"), 2415, 1620, 2055, 195);
    DocFrame = new QFrame(this);
    DocFrame->setObjectName(QStringLiteral("DocFrame"));
    DocFrame->setFrameShape(QFrame::NoFrame);
    TwipGeometry::place(DocFrame, 2205, 1845, 2040, 420);
    for (int i = 0; i < 2; ++i) {
        auto* op = new QRadioButton(i == 0 ? QStringLiteral("医師1") : QStringLiteral("医師2"), DocFrame);
        op->setObjectName(SindansyoPrintContext::arrayName(QStringLiteral("DocOp"), i));
        op->setFont(FontSetup::screenFont());
        TwipGeometry::place(op, 120 + 960 * i, 105, 900, 210);
        DocOp.append(op);
    }

    addRule(30, 2340, 4575, 2340, Grey);
    addLabel(QStringLiteral("カルテ印刷の設定"), 180, 2505);
    addRule(30, 2865, 4575, 2865, Grey);
    addLabel(QStringLiteral("検案書印刷の設定"), 150, 3000);
    const struct { const char* caption; int labelLeft, labelTop, left, top, width; } boxes[] = {
        {"外枠太さ", 2070, 2505, 2805, 2460, 330},
        {"罫線太さ", 3240, 2505, 4005, 2460, 330},
        {"横位置調整値", 2040, 3015, 3195, 2970, 390},
        {"縦位置調整値", 2040, 3300, 3195, 3255, 390},
    };
    for (int i = 0; i < 4; ++i) {
        addLabel(QString::fromUtf8(boxes[i].caption), boxes[i].labelLeft, boxes[i].labelTop);
        inpTx.append(addTextBox(SindansyoPrintContext::arrayName(QStringLiteral("inpTx"), i), boxes[i].left,
                                boxes[i].top, boxes[i].width, 270));
    }
    Form_Load();
}

QString PrintOita::lineWidthPath()
{
    return DataPath::file(QStringLiteral("set\\LineWidth.ini"));
}

bool PrintOita::clinicA() const
{
    return SharedState::get().Site.has(QStringLiteral("SiteOitaClinicA"));
}

bool PrintOita::clinicB() const
{
    return SharedState::get().Site.has(QStringLiteral("SiteOitaClinicB"));
}

void PrintOita::optionsLoad()
{
    SharedState& s = SharedState::get();
    for (QWidget* w : QList<QWidget*>{DocFrame, DocOp.at(0), DocOp.at(1), ByoCh})
        WidgetColor::setBackColor(w, s.ColorSet.DialogBackColor);
    if (clinicB() || clinicA()) {
        TwipGeometry::resize(this, 4680, clinicB() ? ClinicBHeight : ClinicAHeight);
        const bool b = clinicB();
        DocFrame->setVisible(b);
        CmdGd->at(4)->setVisible(b);
        ByoCh->setVisible(b);
        if (!b)
            Label1->setText(QStringLiteral("カルテを印刷します。用紙をセットし印刷開始をクリックしてください。"));
    }
    // A missing or unreadable file leaves the boxes empty; items past the fourth are not used.
    const TextFile file = TextFile::read(lineWidthPath());
    const QStringList values = file.ok() ? ValueReader::values(file.texts()) : QStringList();
    for (int i = 0; i < 4; ++i)
        inpTx[i]->setText(ValueReader::at(values, i));
    for (int i = 2; i < 4; ++i) {
        if (inpTx[i]->text().isEmpty())
            inpTx[i]->setText(QStringLiteral("0"));
    }
    DocOp[s.Hand.OitaDocOpKioku == 0 ? 0 : 1]->setChecked(true);
    ByoCh->setChecked(false);
}

QString PrintOita::printStartCheck()
{
    if (!clinicA() && !clinicB())
        return QStringLiteral("印刷できません。お問い合わせください。");
    return QString();
}

void PrintOita::extraCommand(int index)
{
    if (index != 4)
        return;
    printCommand = 4;
    PrintStart();
}

SindansyoPrintRun::Result PrintOita::body(PrintDevice& device, const SindansyoPrintContext& context,
                                          const PrintJobEntry& entry)
{
    if (clinicB())
        return KarteKenanOitaProc::print(device, context, entry, printCommand);
    return SindansyoOitaProc::print(device, context, entry, SindansyoOitaProc::Layout::Oita);
}

void PrintOita::printStartEnd(int)
{
    HandOver& h = SharedState::get().Hand;
    h.PrintNendo = NenDoGd->text();
    QStringList lines;
    for (const QLineEdit* box : inpTx)
        lines.append(SharedUtil::Trim(box->text()));
    QString error;
    if (!TextFile::write(lineWidthPath(), lines, &error))
        MsgBox::show(QStringLiteral("印刷の設定を保存できませんでした。\n") + error, QStringLiteral("確認"));
    h.OitaDocOpKioku = DocOp.at(0)->isChecked() ? 0 : 1;
}
