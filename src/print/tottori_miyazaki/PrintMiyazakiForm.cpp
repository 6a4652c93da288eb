#include "PrintMiyazakiForm.h"

#include "SindansyoMiyazakiProc.h"

#include "common/DataPath.h"
#include "common/FontSetup.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/ValueReader.h"
#include "common/WidgetColor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

namespace {

struct Option
{
    int index;
    QString caption;
    int top;
};

// The options in the order they stand in the window (option 3 between 6 and 7).
const QList<Option> Options = {
    {0, QStringLiteral("OCR文字を印刷する"), 1845},
    {1, QStringLiteral("個体番号を印刷する"), 2100},
    {2, QStringLiteral("印刷ページを指定する"), 2355},
    {4, QStringLiteral("薬価合計・Ｂ総点数を印刷する"), 2790},
    {5, QStringLiteral("各段の薬価・Ｂ点を印刷する"), 3030},
    {6, QStringLiteral("診療コード・薬品コードの0を書かない"), 3300},
    {3, QStringLiteral("使用数量の0を書かない。"), 3555},
    {7, QStringLiteral("薬品名のみ印刷"), 3900},
    {8, QStringLiteral("旧用紙に印刷する。(コード印刷有り)"), 4155},
};

SindansyoPrintDialog::Frame miyazakiFrame()
{
    SindansyoPrintDialog::Frame frame;
    frame.width = 4650;
    frame.height = 4560;
    frame.top = 2500;
    frame.shosiki = QStringLiteral("宮崎県");
    return frame;
}

} // namespace

PrintMiyazakiForm::PrintMiyazakiForm(QWidget* parent) : SindansyoPrintDialog(miyazakiFrame(), parent)
{
    setObjectName(QStringLiteral("PrintMiyazakiForm"));
    addRule(60, 1710, 4590, 1710, QColor(128, 128, 128));
    for (int i = 0; i < 9; ++i)
        PrintCh.append(nullptr);
    for (const Option& option : Options)
        PrintCh[option.index] = addCheck(SindansyoPrintContext::arrayName(QStringLiteral("PrintCh"), option.index),
                                         option.caption, 360, option.top, 3600, 210);
    PrintCh[0]->resize(TwipGeometry::px(2300), PrintCh[0]->height());
    PrintCh[2]->resize(TwipGeometry::px(2200), PrintCh[2]->height());
    addLabel(QStringLiteral("文字太さ"), 2745, 1875);
    inpTx = addTextBox(QStringLiteral("inpTx"), 3660, 1830, 285, 270);
    PageTx = addTextBox(QStringLiteral("PageTx"), 2595, 2325, 330, 270);
    addLabel(QStringLiteral("ページ目のみ印刷"), 3060, 2355);
    DocNoFrame1 = docNoFrame(QStringLiteral("DocNoOp1"), DocNoOp1, 2250, 2100);
    DocNoFrame2 = docNoFrame(QStringLiteral("DocNoOp2"), DocNoOp2, 2250, 930);
    Form_Load();
}

QGroupBox* PrintMiyazakiForm::docNoFrame(const QString& name, QList<QRadioButton*>& options, int left, int top)
{
    auto* frame = new QGroupBox(QStringLiteral("獣医師番号"), this);
    frame->setFont(FontSetup::screenFont());
    TwipGeometry::place(frame, left, top, 2200, 700);
    const QStringList numbers = SharedState::get().Site.text(QStringLiteral("DocNoOp")).split(QLatin1Char(':'));
    for (int i = 0; i < 2; ++i) {
        auto* op = new QRadioButton(numbers.value(i), frame);
        op->setObjectName(SindansyoPrintContext::arrayName(name, i));
        TwipGeometry::place(op, 120, 240 + 210 * i, 1900, 210);
        options.append(op);
    }
    return frame;
}

QString PrintMiyazakiForm::ocrWidthPath()
{
    return DataPath::file(QStringLiteral("set\\OCRWidth.ini"));
}

int PrintMiyazakiForm::ocrWidth(const QString& text)
{
    const double whole = std::floor(ValueReader::leadingNumber(text));
    return whole >= 1 && whole <= 99 ? int(whole) : 7;
}

void PrintMiyazakiForm::optionsLoad()
{
    SharedState& s = SharedState::get();
    for (QRadioButton* op : DocNoOp1 + DocNoOp2)
        WidgetColor::setBackColor(op, s.ColorSet.DialogBackColor);
    for (int i = 0; i < 9; ++i)
        PrintCh[i]->setChecked(s.Hand.MiyazakiPrintChKioku[i] == 1);
    DocNoFrame1->hide();
    DocNoFrame2->hide();
    s.SeirekiFlag = SindansyoMiyazakiProc::SeirekiFlag(s.Site);
    const TextFile file = TextFile::read(ocrWidthPath());
    inpTx->setText(file.ok() ? ValueReader::at(ValueReader::values(file.texts()), 0) : QString());
}

QString PrintMiyazakiForm::printStartCheck()
{
    if (PrintCh[2]->isChecked() && ValueReader::leadingNumber(PageTx->text()) == 0) {
        PageTx->setFocus();
        return QStringLiteral("印刷するページを指定してください。");
    }
    return QString();
}

void PrintMiyazakiForm::printStartBegin()
{
    SharedState::get().Hand.OcrWidth = ocrWidth(inpTx->text());
}

SindansyoPrintRun::Result PrintMiyazakiForm::body(PrintDevice& device, const SindansyoPrintContext& context,
                                                  const PrintJobEntry& entry)
{
    return SindansyoMiyazakiProc::print(device, context, entry);
}

void PrintMiyazakiForm::closeCommand()
{
    for (int i = 0; i < 9; ++i)
        SharedState::get().Hand.MiyazakiPrintChKioku[i] = PrintCh[i]->isChecked() ? 1 : 0;
}

void PrintMiyazakiForm::unload()
{
    QString error;
    if (!TextFile::write(ocrWidthPath(), QStringList{inpTx->text()}, &error))
        MsgBox::show(error, QStringLiteral("確認"));
}
