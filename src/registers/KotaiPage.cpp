#include "KotaiPage.h"

#include "CsvTouroku.h"
#include "IbaragiCsvForm.h"
#include "KotaiItiranPrint.h"
#include "KotaiRename.h"
#include "KotaiYomikomi.h"
#include "MasterForm.h"
#include "OptionArray.h"
#include "RenameForm.h"
#include "SibouKensaku.h"
#include "common/DataPath.h"
#include "common/FileErrorText.h"
#include "common/SharedUtil.h"
#include "GridColumns.h"
#include "common/FlexGrid.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintEndMessage.h"
#include "common/QtPrintDevice.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "dialogs/KeiroForm.h"
#include "dialogs/NenGappiForm.h"
#include "dialogs/TokutyoForm.h"
#include "shell/YobidasiForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString Kakunin = QStringLiteral("確認");
const QString Unset = QStringLiteral("-");

QLabel* label(const QString& text, QWidget* parent, int left, int top, int width)
{
    auto* l = new QLabel(text, parent);
    TwipGeometry::place(l, left, top, width, 280);
    return l;
}

void letEventsRun()
{
    QApplication::processEvents();
}
} // namespace

KotaiPage::KotaiPage(MasterForm& owner)
    : QGroupBox(QStringLiteral("個体登録")), form(owner), kotai(owner.variant().KotaiRows)
{
    InpGd.resize(12);
    buildHeader();
    buildInputFrame();
    buildButtons();
    buildGrid();
    buildCsvFrame();
}

void KotaiPage::buildHeader()
{
    auto* tikuName = new LabelButtonArray(this);
    TikuNameGd = tikuName->add(QStringLiteral("[組合員]"), 0, this);
    tikuName->resetOn(this);
    TikuNameGd->setObjectName(QStringLiteral("TikuNameGd"));
    TwipGeometry::place(TikuNameGd, 135, 300, 900, 280);
    connect(TikuNameGd, &LabelButton::clicked, this, &KotaiPage::TikuNameGd_Click);
    NameHyojiGd = label(Unset, this, 1100, 300, 9000);
    NameHyojiGd->setObjectName(QStringLiteral("NameHyojiGd"));
    GuideGd = label(QStringLiteral("読込中・・・・・。"), this, 10200, 300, 2400);
    GuideGd->hide();
    NbCheckGd = label(QString(), this, 12000, 300, 400);
    NbCheckGd->hide();
}

void KotaiPage::buildInputFrame()
{
    InputFrame = new QFrame(this);
    TwipGeometry::place(InputFrame, 135, 600, 12500, 1750);
    for (int i = 0; i < 6; ++i)
        SubFrame.append(new QFrame(InputFrame));
    buildOptions(InputFrame);
    buildBoxes(InputFrame);
}

void KotaiPage::buildOptions(QFrame* frame)
{
    InpGd[0] = label(QStringLiteral("[畜種]"), frame, 0, 0, 900);
    TwipGeometry::place(SubFrame[0], 950, 0, 11500, 600);
    TikusyuOp = new OptionArray(this);
    for (int i = 0; i < MasterVariant::TikusyuCount; ++i) {
        QRadioButton* op = TikusyuOp->add(QStringLiteral("-"), SubFrame[0]);
        op->setObjectName(QStringLiteral("TikusyuOp%1").arg(i));
        TwipGeometry::place(op, (i % 8) * 1420, (i / 8) * 290, 1400, 280);
    }
    connect(TikusyuOp, &OptionArray::clicked, this, &KotaiPage::TikusyuOp_Click);
    const QList<std::tuple<OptionArray**, int, int, QStringList, int>> groups{
        {&SeibetuOp, 1, 4, {QStringLiteral("雄"), QStringLiteral("雌"), QStringLiteral("去")}, 0},
        {&HokenOp, 2, 6, {QStringLiteral("包"), QStringLiteral("個")}, 2800},
        {&JikoOp, 3, 7, {QStringLiteral("有"), QStringLiteral("無")}, 4800}};
    const QStringList captions{QString(), QString(), QString(), QString(), QStringLiteral("[性別]"), QString(),
                               QStringLiteral("[保険種類]"), QStringLiteral("[事故除外]")};
    for (const auto& [array, sub, labelIndex, options, left] : groups) {
        InpGd[labelIndex] = label(captions.at(labelIndex), frame, left, 650, 900);
        TwipGeometry::place(SubFrame[sub], left + 950, 650, int(options.size()) * 550, 290);
        *array = new OptionArray(this);
        for (int i = 0; i < options.size(); ++i)
            TwipGeometry::place((*array)->add(options.at(i), SubFrame[sub]), i * 550, 0, 540, 280);
    }
    InpGd[7]->hide();
    SubFrame[3]->hide();
}

void KotaiPage::buildBoxes(QFrame* frame)
{
    InpGdButtons = new LabelButtonArray(this);
    InpGd[3] = InpGdButtons->add(QStringLiteral("[生年月日]"), 3, frame);
    TwipGeometry::place(InpGd[3], 6300, 650, 1000, 280);
    InpGd[5] = InpGdButtons->add(QStringLiteral("[責任開始日]"), 5, frame);
    TwipGeometry::place(InpGd[5], 9000, 650, 1200, 280);
    connect(InpGdButtons, &LabelButtonArray::clicked, this, &KotaiPage::InpGd_Click);
    GappiGd = {label(Unset, frame, 7350, 650, 1500), label(Unset, frame, 10250, 650, 1500)};
    GappiGd[0]->setObjectName(QStringLiteral("GappiGd0"));
    GappiGd[1]->setObjectName(QStringLiteral("GappiGd1"));
    const QList<std::tuple<int, QString, int, int, int, int>> boxes{
        {11, QStringLiteral("[名号]"), 2, 0, 1050, 3000}, {2, QStringLiteral("[個体番号]"), 1, 4300, 1050, 1800},
        {8, QStringLiteral("[耳標番号]"), 3, 7300, 1050, 1800}, {10, QStringLiteral("[備考]"), 5, 10300, 1050, 1500}};
    for (const auto& [labelIndex, caption, box, left, top, width] : boxes) {
        InpGd[labelIndex] = label(caption, frame, left, top, 1100);
        form.inpTx[box]->setParent(frame);
        TwipGeometry::place(form.inpTx[box], left + 1150, top, width, 300);
    }
    form.inpTx[3]->setMaxLength(12);
    InpGd[10]->hide();
    form.inpTx[5]->hide();
    SetGd = new LabelButtonArray(this);
    TwipGeometry::place(SetGd->add(QStringLiteral("[毛色]"), 0, frame), 0, 1420, 900, 280);
    TwipGeometry::place(SetGd->add(QStringLiteral("[特徴]"), 1, frame), 4300, 1420, 900, 280);
    form.inpTx[4]->setParent(frame);
    TwipGeometry::place(form.inpTx[4], 1150, 1420, 3000, 300);
    form.inpTx[0]->setParent(frame);
    TwipGeometry::place(form.inpTx[0], 5450, 1420, 4800, 300);
    InpGd[9] = label(QStringLiteral("[毛色]"), frame, 0, 1420, 900);
    InpGd[1] = label(QStringLiteral("[特徴]"), frame, 4300, 1420, 900);
    InpGd[9]->hide();
    InpGd[1]->hide();
    connect(SetGd, &LabelButtonArray::clicked, this, &KotaiPage::SetGd_Click);
    for (LabelButtonArray* array : {InpGdButtons, SetGd})
        array->resetOn(frame);
}

void KotaiPage::buildButtons()
{
    TourokuGd = new LabelButtonArray(this);
    const QStringList captions{QStringLiteral("登録実行"), QStringLiteral("削除"), QStringLiteral("耳標番号変更"),
                               QStringLiteral("Ckeck"), QStringLiteral("死亡検索"), QStringLiteral("死亡表示"),
                               QStringLiteral("CSV一括登録"), QStringLiteral("一覧印刷")};
    const int lefts[] = {135, 1300, 2300, 11600, 11600, 3900, 5100, 6600};
    for (int i = 0; i < captions.size(); ++i)
        TwipGeometry::place(TourokuGd->add(captions.at(i), i, this), lefts[i], 2420, 1400, 280);
    for (const int hidden : {3, 4, 5, 6})
        TourokuGd->at(hidden)->hide();
    TourokuGd->resetOn(InputFrame);
    TourokuGd->resetOn(this);
    connect(TourokuGd, &LabelButtonArray::clicked, this, &KotaiPage::TourokuGd_Click);
    SortCh = new QCheckBox(QStringLiteral("畜種別に並べる"), this);
    TwipGeometry::place(SortCh, 8000, 2420, 1800, 280);
    connect(SortCh, &QCheckBox::clicked, this, &KotaiPage::SortCh_Click);
    IbaragiSortCh = new QCheckBox(QStringLiteral("名号・個体番号順に並べる"), this);
    TwipGeometry::place(IbaragiSortCh, 9850, 2420, 2800, 280);
    IbaragiSortCh->hide();
    connect(IbaragiSortCh, &QCheckBox::clicked, this, &KotaiPage::IbaragiSortCh_Click);
    Command2 = new QPushButton(QStringLiteral("*"), this);
    Command2->hide();
}

void KotaiPage::buildGrid()
{
    KotaiGrid = new FlexGrid(this);
    KotaiGrid->setObjectName(QStringLiteral("KotaiGrid"));
    TwipGeometry::place(KotaiGrid, 135, 2725, 12300, 6275);
    KotaiGrid->setRows(kotai.capacity() + 1);
    KotaiGrid->setFixedRows(1);
    KotaiGrid->setFixedCols(1);
    KotaiGrid->setHighLight(FlexGrid::HighLightNever);
    GridColumns::apply(KotaiGrid, {{QString(), 450}, {QStringLiteral("畜種"), 1050}, {QStringLiteral("耳標番号"), 1150},
        {QStringLiteral("生年月日"), 850}, {QStringLiteral("性別"), 500}, {QStringLiteral("名号"), 3300, FlexGrid::AlignLeft},
        {QStringLiteral("保険種類"), 1000}, {QStringLiteral("毛色"), 1000}, {QStringLiteral("特徴"), 1600},
        {QString(), 5}, {QString(), 5}});
    for (int r = 1; r <= kotai.capacity(); ++r)
        KotaiGrid->setTextMatrix(r, 0, QString::number(r));
    connect(KotaiGrid, &FlexGrid::gridClick, this, &KotaiPage::KotaiGrid_Click);
}

void KotaiPage::buildCsvFrame()
{
    CsvFrame = new QGroupBox(QStringLiteral("CSV一括登録"), this);
    TwipGeometry::place(CsvFrame, 6000, 1860, 4000, 800);
    CsvGd = label(QStringLiteral("****"), CsvFrame, 150, 350, 3700);
    CsvFrame->hide();
}

void KotaiPage::applyVariant()
{
    const MasterVariant& v = form.variant();
    for (int i = 0; i < MasterVariant::TikusyuCount; ++i) {
        TikusyuOp->at(i)->setText(v.TikusyuCaptions.at(i));
        TikusyuOp->at(i)->setVisible(v.TikusyuVisible.at(i));
    }
    InpGd[2]->setVisible(v.KotaiBangouShown);
    form.inpTx[1]->setVisible(v.KotaiBangouShown);
    InpGd[8]->setText(v.mimiCaption());
    TourokuGd->at(2)->setText(v.renameCaption());
    InpGd[5]->setVisible(v.SekininShown);
    GappiGd[1]->setVisible(v.SekininShown);
    KotaiGrid->setTextMatrix(0, KotaiTable::Mimi, v.mimiHeading());
    KotaiGrid->setTextMatrix(0, KotaiTable::Meigou, v.meigouHeading());
    KotaiGrid->setTextMatrix(0, KotaiTable::Sekinin, v.SekininColumn ? QStringLiteral("責任開始日") : QString());
    KotaiGrid->setColWidthTwips(KotaiTable::Sekinin, v.SekininColumn ? 1000 : 5);
    IbaragiSortCh->setVisible(v.Ibaraki);
    TourokuGd->at(6)->setVisible(v.Ibaraki);
    TourokuGd->at(5)->setVisible(v.DeadDisplay);
}

void KotaiPage::selectDefaults()
{
    SeibetuOp->select(1);
    HokenOp->select(0);
    JikoOp->select(1);
}

KotaiTouroku::Input KotaiPage::input() const
{
    const QList<QLineEdit*>& b = form.inpTx;
    return {TikusyuOp->chosenCaption(true), SeibetuOp->chosenCaption(), HokenOp->chosenCaption(),
            GappiGd[0]->text(), GappiGd[1]->text(), b[2]->text(), b[1]->text(), b[3]->text(),
            b[4]->text(), b[0]->text()};
}

void KotaiPage::setInput(const KotaiTouroku::Input& in)
{
    const QList<QLineEdit*>& b = form.inpTx;
    TikusyuOp->selectCaption(in.Syurui);
    SeibetuOp->selectCaption(in.Seibetu);
    HokenOp->selectCaption(in.Hoken);
    GappiGd[0]->setText(in.BirthDay);
    GappiGd[1]->setText(in.Sekinin);
    b[2]->setText(in.Meigou);
    b[1]->setText(in.KotaiNo);
    b[3]->setText(in.Mimi);
    b[4]->setText(in.Keiro);
    b[0]->setText(in.Tokutyo);
}

KotaiTable::Order KotaiPage::order() const
{
    const MasterVariant& v = form.variant();
    return {SortCh->isChecked(), IbaragiSortCh->isChecked(), v.Ibaraki, v.Oita};
}

// Repaints the grid rows the table changed while the grid is hidden.
void KotaiPage::showTable()
{
    KotaiGrid->setUpdatesEnabled(false);
    for (int r = 1; r <= kotai.usedRows(); ++r)
        for (int c = 1; c < KotaiTable::ColCount; ++c)
            KotaiGrid->setTextMatrix(r, c, kotai.cell(r, c));
    kotai.painted();
    KotaiGrid->setUpdatesEnabled(true);
}

void KotaiPage::KotaiTourokuGridClearProc()
{
    kotai.clear();
    showTable();
}

QString KotaiPage::NameKotaiBunkatuProc(const QString& text)
{
    return text.section(QLatin1Char(':'), 0, 0);
}

void KotaiPage::KotaiGridSetProc()
{
    KotaiGridSelectProc(true);
    kotai.gridSet(order());
    showTable();
}

void KotaiPage::SibouSyukkaHyojiProc(int mode)
{
    KotaiGridSelectProc(true);
    kotai.sibouSyukkaHyoji(mode, order());
    showTable();
}

void KotaiPage::KotaiGridSelectProc(bool off)
{
    const int r = KotaiGrid->row();
    if (!off && r > 0 && !KotaiGrid->text().isEmpty()) {
        KotaiGrid->setHighLight(FlexGrid::HighLightAlways);
        KotaiGrid->select(r, 0, r, KotaiTable::ColCount - 1);
        KotaiGrid->setCurrent(r, KotaiGrid->col());
        return;
    }
    KotaiGrid->clearSelection();
    KotaiGrid->setHighLight(FlexGrid::HighLightNever);
}

void KotaiPage::clearFarmer()
{
    NameHyojiGd->setText(Unset);
    ToridasiList.clear();
    NbCheckGd->clear();
    KotaiTourokuGridClearProc();
}

void KotaiPage::TikuNameGd_Click()
{
    KotaiGridSelectProc(true);
    if (!form.SetteiSaveProc())
        return;
    YobidasiForm picker(this);
    ModalHost::exec(picker);
    GuideGd->setText(QStringLiteral("読込中・・・・・。"));
    GuideGd->show();
    letEventsRun();
    SharedState& s = SharedState::get();
    const NoukaInfo& n = s.CurrentNouka;
    if (!n.chosen()) {
        // No farmer chosen: the page shows none, so nothing can be written for the old one.
        clearFarmer();
        GuideGd->hide();
        return;
    }
    NameHyojiGd->setText(QStringList{n.NoukaTiku, n.NoukaName, n.NoukaCode, n.NoukaJyusyo}.join(QStringLiteral("  ")));
    s.refreshKarteFileList();
    ToridasiList = KotaiYomikomi::toridasi(s.KarteFileList, s.KarteNendo, n.NoukaCode);
    KotaiYomikomi::read(kotai, ToridasiList, s.KarteFileList.folder(), n.NoukaCode.trimmed(), s.ken);
    KotaiGridSetProc();
    GuideGd->hide();
}

void KotaiPage::KotaiGrid_Click(int row, int col)
{
    KotaiGrid->setCurrent(row, col);
    if (row < 1)
        return;
    KotaiGridSelectProc(false);
    const QStringList cells = kotai.row(row);
    auto cell = [&cells](int c) { return cells.value(c - 1); };
    TikusyuOp->selectCaption(cell(KotaiTable::Syurui));
    if (form.variant().Oita && cell(KotaiTable::Syurui) == QStringLiteral("乳用牛"))
        TikusyuOp->select(0);
    TikusyuOp->paintBlack();
    SeibetuOp->selectCaption(cell(KotaiTable::Seibetu));
    HokenOp->selectCaption(cell(KotaiTable::Hoken));
    GappiGd[0]->setText(cell(KotaiTable::Birth));
    if (!GappiGd[1]->isHidden())
        GappiGd[1]->setText(cell(KotaiTable::Sekinin));
    const QString meigou = cell(KotaiTable::Meigou);
    form.inpTx[2]->setText(meigou.section(QLatin1Char(':'), 0, 0));
    form.inpTx[1]->setText(meigou.contains(QLatin1Char(':')) ? meigou.section(QLatin1Char(':'), 1, 1) : QString());
    form.inpTx[3]->setText(cell(KotaiTable::Mimi));
    form.inpTx[4]->setText(cell(KotaiTable::Keiro));
    form.inpTx[0]->setText(cell(KotaiTable::Tokutyo));
    NbCheckGd->setText(cell(KotaiTable::KarteKey));
}

void KotaiPage::SortCh_Click()
{
    KotaiGridSetProc();
}

void KotaiPage::IbaragiSortCh_Click()
{
    if (IbaragiSortCh->isChecked())
        SortCh->setChecked(false);
    KotaiGridSetProc();
}

void KotaiPage::InpGd_Click(int index)
{
    if (index != 3 && index != 5)
        return;
    // The date shown stays when the picker comes back without a full date.
    NenGappiForm::open(this, 0, 1);
    const QString date = SharedState::get().Hand.NenGappiOut;
    if (!date.isEmpty())
        GappiGd[index == 3 ? 0 : 1]->setText(date);
}

void KotaiPage::SetGd_Click(int index)
{
    const HandOver& h = SharedState::get().Hand;
    if (index == 0) {
        KeiroForm picker(this);
        ModalHost::exec(picker);
        form.inpTx[4]->setText(h.KeiroOut);
    } else {
        TokutyoForm picker(this);
        ModalHost::exec(picker);
        form.inpTx[0]->setText(h.TokutyoOut);
    }
}

void KotaiPage::TikusyuOp_Click(int index)
{
    TikusyuOp->select(index);
}

QString KotaiPage::currentKey(bool calf) const
{
    const SharedState& s = SharedState::get();
    return KotaiTouroku::key(s.KarteNendo, s.CurrentNouka.NoukaCode, form.inpTx[3]->text(), calf);
}

void KotaiPage::TourokuGd_Click(int index)
{
    int mode = 0;
    bool goOn = true;
    switch (index) {
    case 0: goOn = Touroku(); break;
    case 1: goOn = Sakujo(); break;
    case 2: goOn = Rename(); mode = 6; break;
    case 3: Ckeck(); break;
    case 4: goOn = SibouKensaku(); break;
    case 5: goOn = SibouHyoji(mode); break;
    case 6: goOn = CsvIkkatu(); mode = 6; break;
    case 7: goOn = ItiranPrint(); break;
    default: break;
    }
    if (goOn)
        commonEnd(mode);
}

void KotaiPage::commonEnd(int mode)
{
    const MasterVariant& v = form.variant();
    if (v.Ibaraki && v.DeadDisplay)
        SibouSyukkaHyojiProc(mode);
    else
        KotaiGridSetProc();
    SharedState::get().refreshKarteFileList();
}

bool KotaiPage::KotaiAkiRowProc(int& row)
{
    row = kotai.akiRow();
    if (row > 0)
        return true;
    MsgBox::show(QStringLiteral("8000頭以上は登録できません。"), Kakunin);
    return false;
}

// Shows the refusal of a check and puts the focus on its box; true when the check passed.
bool KotaiPage::passes(const TourokuCheck& check)
{
    if (check.ok())
        return true;
    MsgBox::show(check.text, check.title);
    if (check.box >= 0)
        form.inpTx[check.box]->setFocus();
    return false;
}

bool KotaiPage::Touroku()
{
    const SharedState& s = SharedState::get();
    const KotaiTouroku::Input in = input();
    if (!passes(KotaiTouroku::check(form.inpTxTexts(), in, s.ken, s.CurrentNouka, NameHyojiGd->text())))
        return false;
    int aki = -1;
    if (!KotaiAkiRowProc(aki))
        return false;
    const KotaiTable::Kizon kizon = kotai.kizonRow(currentKey(false), currentKey(true), NbCheckGd->text(), aki);
    if (kizon.existing && !MsgBox::ask(QStringLiteral("修正しますか？"), Kakunin))
        return false;
    // Where the start of cover is not shown it cannot have been edited: an animal keeps the
    // date its chart holds instead of losing it.
    KotaiTouroku::Input kept = in;
    if (GappiGd[1]->isHidden())
        kept.Sekinin = kizon.existing ? kotai.cell(kizon.row, KotaiTable::Sekinin) : Unset;
    const QStringList row = KotaiTouroku::gridRow(kept, kizon.key);
    QString error;
    if (!KotaiTouroku::KarteHeaderSaveProc(s.karteFolder(), kizon.key, s.CurrentNouka, row, &error)) {
        MsgBox::show(error, Kakunin);
        return false;
    }
    kotai.setRow(kizon.row, row);
    showTable();
    KotaiGridSelectProc(false);
    if (!ToridasiList.contains(kizon.key + QStringLiteral(".sxd")))
        ToridasiList.append(kizon.key + QStringLiteral(".sxd"));
    return true;
}

bool KotaiPage::Sakujo()
{
    const SharedState& s = SharedState::get();
    const QString k0 = currentKey(false);
    const QString k1 = currentKey(true);
    const QString item = KotaiTouroku::sakujoTarget(ToridasiList, k0, k1, NbCheckGd->text(), form.inpTx[3]->text());
    if (item.isEmpty())
        return true;
    const bool own = item == k0 + QStringLiteral(".sxd") || item == k1 + QStringLiteral(".sxd");
    const QString question = own ? QStringLiteral("削除してよろしいですか？\n(カルテが入力されている場合内容も全て削除されます。)")
                                 : QStringLiteral("削除してよろしいですか？");
    if (!MsgBox::ask(question, QStringLiteral("登録削除")))
        return false;
    QFile chart(DataPath::resolve(s.karteFolder() + QLatin1Char('/') + item));
    if (!chart.remove() && chart.exists()) {
        MsgBox::show(FileErrorText::removeFailed(chart.fileName(), chart), Kakunin);
        return false;
    }
    const int row = kotai.findKey(item.chopped(4));
    kotai.setCell(row, KotaiTable::Syurui, QStringLiteral("Del"));
    ToridasiList.removeOne(item);
    KotaiGridSetProc();
    MsgBox::show(QStringLiteral("削除しました。"), QStringLiteral("登録削除"));
    for (int i = 0; i <= 4; ++i)
        form.inpTx[i]->clear();
    return true;
}

bool KotaiPage::Rename()
{
    SharedState& s = SharedState::get();
    const int r = KotaiGrid->row();
    const QString key = kotai.cell(r, KotaiTable::KarteKey).trimmed();
    if (key.isEmpty() || !ToridasiList.contains(key + QStringLiteral(".sxd")))
        return true;
    if (!s.CurrentNouka.chosen() || s.CurrentNouka.NoukaCode.trimmed().isEmpty()) {
        MsgBox::show(QStringLiteral("地域・氏名が入力されていません。"), QStringLiteral("入力確認"));
        return false;
    }
    if (!passes(KotaiTouroku::noukaCodeCheck(s.CurrentNouka)))
        return false;
    HandOver& h = s.Hand;
    h.RenameMimiIn = kotai.cell(r, KotaiTable::Mimi).trimmed();
    h.RenameMimiRawIn = kotai.cell(r, KotaiTable::Mimi);
    h.RenameEdaIn = QStringLiteral("0");
    h.RenameMeigouIn = kotai.cell(r, KotaiTable::Meigou);
    if (!MsgBox::ask(QStringLiteral("番号を変更します。"), QStringLiteral("変更")))
        return false;
    h.RenameMimiOut = h.RenameEdaOut = QStringLiteral("0");
    RenameForm dialog(this);
    ModalHost::exec(dialog);
    if (h.RenameMimiOut == QStringLiteral("0"))
        return true;
    const QString mimi = h.RenameMimiOut.trimmed();
    const QString newKey = KotaiRename::newKey(s.KarteNendo, s.CurrentNouka.NoukaCode, mimi, key);
    if (ToridasiList.contains(newKey + QStringLiteral(".sxd")) || KotaiRename::used(s.karteFolder(), newKey)) {
        MsgBox::show(QStringLiteral("番号が既に使われていますので変更できません。"), Kakunin);
        return false;
    }
    QStringList row = kotai.row(r);
    row[KotaiTable::Mimi - 1] = mimi;
    row[KotaiTable::KarteKey - 1] = newKey;
    QString error;
    if (!KotaiRename::renameKarte(s.karteFolder(), key, newKey, s.CurrentNouka, row, &error)) {
        MsgBox::show(error, Kakunin);
        return false;
    }
    kotai.setRow(r, row);
    form.inpTx[3]->setText(mimi);
    ToridasiList.replace(ToridasiList.indexOf(key + QStringLiteral(".sxd")), newKey + QStringLiteral(".sxd"));
    const bool farm = s.Site.FarmType() || form.variant().DeadDisplay;
    if (farm && !(KotaiRename::renameTiryobo(key, newKey, &error) && KotaiRename::renameDellInfo(s.DellInfoList, key, newKey, &error)))
        MsgBox::show(error, Kakunin);
    return true;
}

bool KotaiPage::SibouHyoji(int& mode)
{
    GuideGd->show();
    const QString question = QStringLiteral(
        "治療簿に「死亡」・「出荷」の文字がある場合、特徴欄に自動記入します。\n死亡・出荷の個体を表示するか選択して下さい。\n"
        "はい=全て表示する。\nいいえ=死亡・出荷の個体は表示しない。\n(全頭検索しますので、１～2分掛かります。)\n");
    const MsgBox::Answer answer = MsgBox::show(question, Kakunin, MsgBox::YesNoCancel, MsgBox::Question);
    if (answer == MsgBox::Cancel) {
        GuideGd->hide();
        return false;
    }
    kotai.copyMarks(SharedState::get().DellInfoList, [this](int i, int n) {
        GuideGd->setText(QStringLiteral("処理中：%1/%2").arg(i).arg(n));
        letEventsRun();
    });
    MsgBox::show(QStringLiteral("終了しました。"), Kakunin);
    GuideGd->hide();
    mode = answer == MsgBox::Yes ? 6 : 7;
    return true;
}

bool KotaiPage::SibouKensaku()
{
    if (!MsgBox::ask(QStringLiteral("死亡検索"), Kakunin))
        return false;
    GuideGd->show();
    QStringList errors;
    SibouKensaku::SibouKensakuProc(SharedState::get().DellInfoList, [this](int i, int n) {
        GuideGd->setText(QStringLiteral("処理中:%1/%2").arg(i).arg(n));
        letEventsRun();
    }, &errors);
    GuideGd->hide();
    if (!errors.isEmpty())
        MsgBox::show(errors.join(QLatin1Char('\n')), Kakunin);
    MsgBox::show(QStringLiteral("終了しました。"), Kakunin);
    return true;
}

void KotaiPage::Ckeck()
{
    int r = 2;
    while (r <= kotai.capacity() && !kotai.cell(r, KotaiTable::Syurui).isEmpty())
        ++r;
    MsgBox::show(QString::number(r));
}

bool KotaiPage::CsvIkkatu()
{
    const SharedState& s = SharedState::get();
    if (NameHyojiGd->text() == Unset || NameHyojiGd->text().isEmpty() || !s.CurrentNouka.chosen()) {
        MsgBox::show(QStringLiteral("組合員を選択してください。"), Kakunin);
        return false;
    }
    if (!passes(KotaiTouroku::noukaCodeCheck(s.CurrentNouka)))
        return false;
    IbaragiCsvForm picker(this);
    ModalHost::exec(picker);
    const QString name = SharedState::get().Hand.CsvNameOut;
    if (name.isEmpty())
        return false;
    QString bad;
    if (!SharedUtil::FileNameCheckProc(name, bad)) {
        MsgBox::show(QStringLiteral("使用できない文字 %1 が入力されています。").arg(bad), QStringLiteral("CSV一括登録"));
        return false;
    }
    const TextFile file = TextFile::read(DataPath::resolve(CsvTouroku::folder() + QLatin1Char('/') + name));
    if (!file.ok()) {
        MsgBox::show(file.errorText, QStringLiteral("CSV一括登録"));
        return false;
    }
    const QStringList lines = file.texts();
    bool refused = false;
    QStringList errors;
    CsvFrame->show();
    letEventsRun();
    for (int i = 1; i < lines.size(); ++i) {
        if (!lines.at(i).trimmed().isEmpty()) {
            const std::optional<KotaiTouroku::Input> in = CsvTouroku::parse(lines.at(i), TikusyuOp->at(0)->text());
            if (!in)
                refused = true;
            else if (!CsvLine(*in, refused, errors)) {
                CsvFrame->hide();
                return false;
            }
        }
        CsvGd->setText(QStringLiteral("一括登録中・・・。(%1/%2)").arg(i + 1).arg(lines.size()));
        letEventsRun();
    }
    if (!errors.isEmpty())
        MsgBox::show(errors.join(QLatin1Char('\n')), QStringLiteral("CSV一括登録"));
    MsgBox::show(refused ? QStringLiteral("一部登録できないデータがありました。") : QStringLiteral("終了しました。"),
                 QStringLiteral("CSV一括登録"));
    CsvFrame->hide();
    return true;
}

// One line of a bulk registration; false when the grid is full, which ends the run. A chart that
// cannot be written counts the line as refused.
bool KotaiPage::CsvLine(const KotaiTouroku::Input& csvInput, bool& refused, QStringList& errors)
{
    const SharedState& s = SharedState::get();
    for (int i = 0; i <= 5; ++i)
        form.inpTx[i]->clear();
    setInput(csvInput);
    int aki = -1;
    if (!KotaiAkiRowProc(aki))
        return false;
    const KotaiTable::Kizon kizon = kotai.kizonRow(currentKey(false), currentKey(true), NbCheckGd->text(), aki);
    const KotaiTouroku::Input in = kizon.existing ? CsvTouroku::merge(kotai.row(kizon.row), csvInput) : csvInput;
    const QStringList row = KotaiTouroku::gridRow(in, kizon.key);
    QString error;
    if (!KotaiTouroku::KarteHeaderSaveProc(s.karteFolder(), kizon.key, s.CurrentNouka, row, &error)) {
        refused = true;
        errors.append(error);
        return true;
    }
    kotai.setRow(kizon.row, row);
    if (!ToridasiList.contains(kizon.key + QStringLiteral(".sxd")))
        ToridasiList.append(kizon.key + QStringLiteral(".sxd"));
    return true;
}

bool KotaiPage::ItiranPrint()
{
    if (!MsgBox::ask(QStringLiteral("一覧を印刷します。（枠線は印刷しません）\nA4白紙をセットしてください。"),
                     QStringLiteral("印刷")))
        return false;
    QList<QStringList> rows;
    for (int r = 1; r <= kotai.capacity() && !kotai.cell(r, KotaiTable::Mimi).isEmpty(); ++r)
        rows.append(QStringList{QString::number(r)} + kotai.row(r).mid(0, 8));
    const double twipPerMm = SharedState::get().TwipPerMm > 0 ? SharedState::get().TwipPerMm : 56.7;
    std::unique_ptr<QtPrintDevice> device = QtPrintDevice::forSystem(QStringLiteral("個体一覧"));
    KotaiItiranPrint::KotaiItiranPrintProc(*device, NameHyojiGd->text(), rows, twipPerMm);
    QString error;
    const bool ended = device->endDoc(&error);
    PrintEndMessage(*device, ended, error);
    return true;
}
