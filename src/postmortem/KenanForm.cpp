#include "KenanForm.h"

#include "GensyoKouhoFile.h"
#include "KenanFile.h"
#include "KenanKouhoForm.h"
#include "KenanPrefill.h"
#include "KenanPrintProc.h"
#include "common/DialogLook.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDevice.h"
#include "common/PrintDeviceSource.h"
#include "common/SharedState.h"
#include "common/SharedUtil.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "dialogs/ByoNameForm.h"
#include "dialogs/GeninForm.h"
#include "dialogs/NenGappiForm.h"
#include "dialogs/RinkokuForm.h"
#include "print/common/PrintEndProc.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {
const QColor KenanBackColor(234, 255, 232);
const QString Kakunin = QStringLiteral("確認");
const QString Colon = QStringLiteral("：");

// Blanks trimmed, then every LF, CR and "'" removed.
QString cleaned(const QString& text)
{
    return SharedUtil::Trim(text).remove(QLatin1Char('\n')).remove(QLatin1Char('\r')).remove(QLatin1Char('\''));
}

QRadioButton* option(const QString& caption, QWidget* parent, int left, int top)
{
    auto* op = new QRadioButton(caption, parent);
    op->setFont(FontSetup::screenFont());
    WidgetColor::setBackColor(op, KenanBackColor);
    op->move(TwipGeometry::px(left), TwipGeometry::px(top));
    op->adjustSize();
    return op;
}

QFrame* plainFrame(QWidget* parent, int left, int top, int width, int height)
{
    auto* f = new QFrame(parent);
    WidgetColor::setBackColor(f, KenanBackColor);
    TwipGeometry::place(f, left, top, width, height);
    return f;
}

QLineEdit* box(const QString& name, QWidget* parent, int left, int top, int width)
{
    auto* b = new QLineEdit(parent);
    b->setObjectName(name);
    b->setFont(FontSetup::screenFont());
    TwipGeometry::place(b, left, top, width, 300);
    return b;
}
} // namespace

KenanForm::KenanForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KenanForm"));
    DialogLook::frameless(this, 500, 500, 14850, 6135, KenanBackColor);
    CmdGd = new LabelButtonArray(this);
    buildTop();
    buildRight();
    buildTexts();
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &KenanForm::CmdGd_Click);
    loaded = Form_Load();
}

KenanForm::~KenanForm()
{
    if (loaded)
        SharedState::get().Hand.KenanMaiKioku = MaiTx->text();
}

bool KenanForm::open(QWidget* parent)
{
    KenanForm form(parent);
    if (!form.ok())
        return false;
    ModalHost::exec(form);
    return true;
}

void KenanForm::buildTop()
{
    Label2 = DialogLook::titleLabel(QStringLiteral("死廃検案書"), this, 540, 120, 12);
    QFrame* kind = plainFrame(this, 5325, 60, 2300, 360);
    bunruiGroup = new QButtonGroup(this);
    for (const QString& caption : {QStringLiteral("検案書"), QStringLiteral("診断書")}) {
        QRadioButton* op = option(caption, kind, 60 + int(BunruiOp.size()) * 1100, 60);
        op->setObjectName(QStringLiteral("BunruiOp%1").arg(BunruiOp.size()));
        bunruiGroup->addButton(op, int(BunruiOp.size()));
        BunruiOp.append(op);
    }
    DialogLook::label(QStringLiteral("【年度】"), this, 7860, 150);
    for (int i = 0; i < KenanData::InpCount; ++i)
        K_InpText.append(nullptr);
    K_InpText[0] = box(QStringLiteral("K_InpText0"), this, 8580, 105, 400);
    DialogLook::command(CmdGd, QStringLiteral("日付"), 9, this, 9015, 150);
    K_InpText[7] = box(QStringLiteral("K_InpText7"), this, 9500, 105, 925);
    DialogLook::label(QStringLiteral("(例：21.4.10)"), this, 10480, 150);
    DialogLook::command(CmdGd, QStringLiteral("印刷"), 10, this, 11640, 150);
    MaiTx = box(QStringLiteral("MaiTx"), this, 12165, 105, 450);
    DialogLook::label(QStringLiteral("枚"), this, 12660, 150);
    DialogLook::command(CmdGd, QStringLiteral("保存"), 12, this, 13185, 150);
    DialogLook::command(CmdGd, QStringLiteral("閉る"), 0, this, 14160, 150);
}

void KenanForm::buildRight()
{
    DialogLook::label(QStringLiteral("【農家番号】"), this, 7740, 630);
    K_InpText[1] = box(QStringLiteral("K_InpText1"), this, 8800, 585, 950);
    DialogLook::label(QStringLiteral("【個体番号】"), this, 9840, 630);
    K_InpText[2] = box(QStringLiteral("K_InpText2"), this, 10900, 585, 1500);
    DialogLook::label(QStringLiteral("【性別】"), this, 12480, 630);
    K_InpText[4] = box(QStringLiteral("K_InpText4"), this, 13200, 585, 900);
    DialogLook::label(QStringLiteral("【共済目的の種類】"), this, 7740, 990);
    K_InpText[3] = box(QStringLiteral("K_InpText3"), this, 9300, 945, 2000);
    QFrame* kyo = plainFrame(this, 9240, 1260, 5400, 360);
    kyoGroup = new QButtonGroup(this);
    const QStringList kinds{QStringLiteral("搾乳牛"), QStringLiteral("育成乳牛"), QStringLiteral("繁殖用雌牛"),
                            QStringLiteral("育成・肥育牛")};
    for (int i = 0; i < kinds.size(); ++i) {
        QRadioButton* op = option(kinds.at(i), kyo, 60 + i * 1300, 60);
        op->setObjectName(QStringLiteral("KyoOp%1").arg(i));
        kyoGroup->addButton(op, i);
        KyoOp.append(op);
    }
    connect(kyoGroup, &QButtonGroup::idClicked, this, &KenanForm::KyoOp_Click);
    DialogLook::label(QStringLiteral("【生年月日】"), this, 8415, 1770);
    K_InpText[5] = box(QStringLiteral("K_InpText5"), this, 9450, 1725, 1000);
    QFrame* tenki = plainFrame(this, 12060, 1785, 2640, 510);
    DialogLook::label(QStringLiteral("転帰"), tenki, 30, 0);
    sihaiGroup = new QButtonGroup(this);
    for (const QString& caption : {QStringLiteral("死"), QStringLiteral("法"), QStringLiteral("廃")}) {
        QRadioButton* op = option(caption, tenki, 60 + int(SihaiOp.size()) * 480, 220);
        op->setObjectName(QStringLiteral("SihaiOp%1").arg(SihaiOp.size()));
        sihaiGroup->addButton(op, int(SihaiOp.size()));
        SihaiOp.append(op);
    }
    HaiyoTxt = box(QStringLiteral("HaiyoTxt"), tenki, 1500, 190, 1100);
    DialogLook::label(QStringLiteral("【名号又は耳標】"), this, 8055, 2070);
    K_InpText[6] = box(QStringLiteral("K_InpText6"), this, 9450, 2025, 2500);
}

void KenanForm::buildTexts()
{
    for (int i = 0; i < 3; ++i) {
        QLabel* info = DialogLook::label(QString(), this, i == 2 ? 1300 : 210, i == 0 ? 585 : i == 1 ? 855 : 1500);
        info->setObjectName(QStringLiteral("InfoGd%1").arg(i));
        info->setFixedWidth(TwipGeometry::px(i == 2 ? 6200 : 7400));
        InfoGd.append(info);
    }
    DialogLook::command(CmdGd, QStringLiteral("病傷名"), 1, this, 210, 1500);
    DialogLook::command(CmdGd, QStringLiteral("稟告"), 2, this, 210, 2445);
    DialogLook::command(CmdGd, QStringLiteral("原因"), 3, this, 195, 4065);
    DialogLook::command(CmdGd, QStringLiteral("現症経過"), 4, this, 4380, 2445);
    const QStringList dates{QStringLiteral("発病日"), QStringLiteral("初診日"), QStringLiteral("終診日"),
                            QStringLiteral("転帰日")};
    const int dateLeft[] = {5790, 7350, 8955, 10620};
    for (int i = 0; i < 4; ++i) {
        DialogLook::command(CmdGd, dates.at(i), 5 + i, this, dateLeft[i], 2445);
        K_InpText[8 + i] = box(QStringLiteral("K_InpText%1").arg(8 + i), this, dateLeft[i] + 650, 2400, 850);
    }
    DialogLook::label(QStringLiteral("【診療回数】"), this, 12300, 2445);
    K_InpText[12] = box(QStringLiteral("K_InpText12"), this, 13400, 2400, 450);
    DialogLook::label(QStringLiteral("回"), this, 13900, 2445);
    const int geometry[3][4] = {{210, 2655, 3390, 1320}, {195, 4275, 3360, 1425}, {4320, 2775, 9795, 2610}};
    for (int i = 0; i < 3; ++i) {
        auto* tx = new QPlainTextEdit(this);
        tx->setObjectName(QStringLiteral("InfoTx%1").arg(i));
        tx->setFont(FontSetup::screenFont());
        TwipGeometry::place(tx, geometry[i][0], geometry[i][1], geometry[i][2], geometry[i][3]);
        InfoTx.append(tx);
    }
    DialogLook::label(QStringLiteral("※全ての入力に改行は使用できません。"), this, 195, 5475);
    DialogLook::command(CmdGd, QStringLiteral("現症経過の候補に保存する"), 11, this, 4365, 5475);
    DialogLook::label(QStringLiteral("保存番号（1～50）"), this, 6870, 5475);
    NbInpTx = box(QStringLiteral("NbInpTx"), this, 8200, 5430, 470);
}

// The saved certificate, or a new one filled from the chart's episode. The chart's headers are
// read either way, so a chart that is missing or damaged is reported before anything shows.
bool KenanForm::Form_Load()
{
    SharedState& s = SharedState::get();
    karteFile = s.CurrentKarteFile;
    if (karteFile.isEmpty()) {
        MsgBox::show(QStringLiteral("カルテが選ばれていません。"), Kakunin);
        return false;
    }
    KenanData d;
    QString error;
    const QString chart = s.kartePath(karteFile);
    const bool read = KenanFile::exists(karteFile)
                          ? KenanPrefill::header(chart, d, &error) && KenanFile::load(karteFile, d, &error)
                          : KenanPrefill::fill(chart, s.CurrentEpisode.ByoName, s.CurrentEpisode.SyosinDate, d,
                                               &error);
    if (!read) {
        MsgBox::show(error, Kakunin);
        return false;
    }
    setData(d);
    MaiTx->setText(s.Hand.KenanMaiKioku.isEmpty() ? QStringLiteral("4") : s.Hand.KenanMaiKioku);
    return true;
}

KenanData KenanForm::data() const
{
    KenanData d;
    for (int i = 0; i < 3; ++i)
        d.InfoGd[i] = InfoGd[i]->text();
    d.sihai = qMax(0, sihaiGroup->checkedId());
    d.bunrui = qMax(0, bunruiGroup->checkedId());
    d.HaiyoTxt = HaiyoTxt->text();
    for (int i = 0; i < KenanData::InpCount; ++i)
        d.K_InpText[i] = K_InpText[i]->text();
    for (int i = 0; i < KenanData::TxCount; ++i)
        d.InfoTx[i] = InfoTx[i]->toPlainText();
    return d;
}

void KenanForm::setData(const KenanData& d)
{
    for (int i = 0; i < 3; ++i)
        InfoGd[i]->setText(d.InfoGd[i]);
    SihaiOp[d.sihai]->setChecked(true);
    BunruiOp[d.bunrui]->setChecked(true);
    HaiyoTxt->setText(d.HaiyoTxt);
    for (int i = 0; i < KenanData::InpCount; ++i)
        K_InpText[i]->setText(d.K_InpText[i]);
    for (int i = 0; i < KenanData::TxCount; ++i)
        InfoTx[i]->setPlainText(d.InfoTx[i]);
}

void KenanForm::KyoOp_Click(int index)
{
    K_InpText[3]->setText(KyoOp[index]->text());
}

void KenanForm::CmdGd_Click(int index)
{
    switch (index) {
    case 0: accept(); break;
    case 1: byoName(); break;
    case 2:
    case 3: kouhoText(index); break;
    case 4: kenanKouho(); break;
    case 5: dateEntry(8); break;
    case 6: dateEntry(9); break;
    case 7: dateEntry(10); break;
    case 8: dateEntry(11); break;
    case 9: dateEntry(7); break;
    case 10: print(); break;
    case 11: saveKouho(); break;
    case 12:
        if (save())
            MsgBox::show(QStringLiteral("保存しました。"), Kakunin);
        break;
    default: break;
    }
}

void KenanForm::byoName()
{
    ByoNameForm picker(this);
    ModalHost::exec(picker);
    const HandOver& h = SharedState::get().Hand;
    if (h.ByoName == QStringLiteral("del"))
        InfoGd[2]->clear();
    else if (!h.ByoName.isEmpty())
        InfoGd[2]->setText(h.ByoName + Colon + h.ByoCode);
}

// 稟告 (2) and 原因 (3): the box's text goes in, the picked or kept text comes back cleaned.
void KenanForm::kouhoText(int index)
{
    HandOver& h = SharedState::get().Hand;
    QPlainTextEdit* tx = InfoTx[index - 2];
    QString& text = index == 2 ? h.RinkokuText : h.GeninText;
    text = tx->toPlainText();
    if (index == 2) {
        RinkokuForm picker(this);
        ModalHost::exec(picker);
    } else {
        GeninForm picker(this);
        ModalHost::exec(picker);
    }
    tx->setPlainText(cleaned(text));
}

void KenanForm::kenanKouho()
{
    KenanKouhoForm picker(this);
    ModalHost::exec(picker);
    const QString v = cleaned(SharedState::get().Hand.KenanKouhoOut);
    if (!v.isEmpty())
        InfoTx[2]->setPlainText(v);
}

// A full date picked is written year.month.day; otherwise the box keeps its text.
void KenanForm::dateEntry(int box)
{
    NenGappiForm::open(this, -1, 0);
    const HandOver& h = SharedState::get().Hand;
    if (!h.NenGappiYearOut.isEmpty() && !h.NenGappiManthOut.isEmpty() && !h.NenGappiDayOut.isEmpty())
        K_InpText[box]->setText(h.NenGappiYearOut + QLatin1Char('.') + h.NenGappiManthOut + QLatin1Char('.')
                                + h.NenGappiDayOut);
}

// A refused entry: the message, and the focus in its box.
bool KenanForm::refuse(QWidget* box, bool refused, const QString& message)
{
    if (!refused)
        return false;
    MsgBox::show(message, Kakunin);
    box->setFocus();
    return true;
}

bool KenanForm::refuseEmpty(QWidget* box, const QString& text, const QString& message)
{
    return refuse(box, text.isEmpty(), message);
}

// The checks in order, the certificate saved, then the sheets; "印刷終了" only once they went out.
void KenanForm::print()
{
    if (refuseEmpty(K_InpText[0], K_InpText[0]->text(), QStringLiteral("年度を入力してください。"))
        || refuseEmpty(K_InpText[7], K_InpText[7]->text(), QStringLiteral("日付を入力してください。"))
        || refuseEmpty(MaiTx, MaiTx->text(), QStringLiteral("枚数を入力してください。")))
        return;
    const std::optional<int> sheets = KenanPrintProc::sheets(MaiTx->text());
    if (refuse(MaiTx, !sheets, QStringLiteral("枚数は1～32767で入力してください。")) || !save())
        return;
    const KenanPrintProc::Source source = KenanPrintProc::load(data());
    const std::shared_ptr<PrintDevice> device = PrintDeviceSource::open(QStringLiteral("検案書"));
    KenanPrintProc::print(*device, source, *sheets);
    PrintEndProc(*device, QStringLiteral("印刷終了"), Kakunin);
}

bool KenanForm::save()
{
    QString error;
    if (KenanFile::save(karteFile, data(), &error))
        return true;
    MsgBox::show(error, Kakunin);
    return false;
}

void KenanForm::saveKouho()
{
    if (refuseEmpty(NbInpTx, NbInpTx->text(), QStringLiteral("保存番号を入力してください。（1～50）")))
        return;
    const std::optional<int> n = GensyoKouhoFile::number(NbInpTx->text());
    if (refuse(NbInpTx, !n, QStringLiteral("番号が不正です。（1～50）")))
        return;
    if (refuseEmpty(InfoTx[2], InfoTx[2]->toPlainText(), QStringLiteral("現症経過を入力してください。")))
        return;
    const QString v = SharedUtil::KaigyoDelProc(InfoTx[2]->toPlainText());
    if (v.isEmpty())
        return;
    QString error;
    if (!GensyoKouhoFile::save(*n, v, &error)) {
        MsgBox::show(error, Kakunin);
        return;
    }
    MsgBox::show(QStringLiteral("No%1 に保存しました。").arg(*n), Kakunin);
}
