#include "IninjyoForm.h"

#include "IninjyoGunmaPrint.h"
#include "IninjyoHelper.h"
#include "IninjyoKagosimaPrint.h"
#include "IninjyoMiyazakiPrint.h"
#include "IninjyoTottoriPrint.h"
#include "PrintMiyazakiIninnjyoForm.h"

#include "common/DataPath.h"
#include "common/DialogLook.h"
#include "common/FlexGrid.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/PrintDevice.h"
#include "common/PrintDeviceSource.h"
#include "common/PrintOffsetFile.h"
#include "common/SharedState.h"
#include "common/TextFile.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "dialogs/NenGappiForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
using L = IninjyoList;
const QColor BackColor(234, 255, 232);
const QColor HeadColor(202, 223, 200);
const QColor BandColors[2] = {QColor(255, 255, 255), QColor(232, 251, 255)};
const QColor OffColor(235, 235, 235);
const QColor InfoColor(255, 128, 0);

struct Column
{
    const char16_t* heading;
    int width;
    FlexGrid::Alignment alignment;
};
const Column columns[L::Cols] = {
    {u"", 350, FlexGrid::AlignCenter},        {u"氏名", 1500, FlexGrid::AlignLeft},
    {u"", 1, FlexGrid::AlignLeft},            {u"印刷", 650, FlexGrid::AlignCenter},
    {u"共済目的", 1050, FlexGrid::AlignCenter}, {u"名号", 1000, FlexGrid::AlignLeft},
    {u"耳標番号", 1000, FlexGrid::AlignCenter}, {u"個体番号", 900, FlexGrid::AlignCenter},
    {u"病傷名", 4000, FlexGrid::AlignLeft},   {u"初診日", 850, FlexGrid::AlignCenter},
    {u"終診日", 850, FlexGrid::AlignCenter},  {u"転帰日", 850, FlexGrid::AlignCenter},
    {u"診療費", 1100, FlexGrid::AlignRight},  {u"", 1, FlexGrid::AlignLeft},
};

const QString NoDate = QStringLiteral("..");
const QString SetQuestion = QStringLiteral("一覧に表示されている組合員別に委任状を印刷します。\n（用紙をセットしてください。）\n");
const QString A4Question = QStringLiteral("一覧に表示されている組合員別に委任状を印刷します。\n（A4白紙をセットしてください。）\n");
} // namespace

QString& IninjyoForm::IninjyoDateKioku()
{
    static QString kioku;
    return kioku;
}

QString IninjyoForm::filePath()
{
    return DataPath::file(QStringLiteral("set\\IninjyoPrintSet.ini"));
}

IninjyoForm::IninjyoForm(const FlexGrid& syukeiGrid, int top, QWidget* parent) : QDialog(parent)
{
    buildControls();
    move(0, top);
    const SharedState& s = SharedState::get();
    InsatuCh[0]->setVisible(s.ken == Ken::Kagoshima);
    InsatuCh[1]->setVisible(s.ken == Ken::Kagoshima);
    InsatuCh[2]->setVisible(s.ken == Ken::Tottori);
    const bool marume = s.ken == Ken::Miyazaki && s.Site.has(QStringLiteral("IninjyoSinryohiMarume"));
    Rows = L::IninjyoListSetProc(syukeiGrid, marume);
    DateGd->setText(IninjyoDateKioku().isEmpty() ? NoDate : IninjyoDateKioku());
    const PrintOffsetFile set = PrintOffsetFile::read(filePath());
    HoseiTx[0]->setText(set.yoko.isEmpty() ? QStringLiteral("0") : set.yoko);
    HoseiTx[1]->setText(set.tate.isEmpty() ? QStringLiteral("0") : set.tate);
    IninjyoListColorProc();
}

void IninjyoForm::buildControls()
{
    const SharedState& s = SharedState::get();
    setObjectName(QStringLiteral("IninjyoForm"));
    int width = 300;
    for (const Column& c : columns)
        width += c.width;
    DialogLook::frameless(this, 0, 0, width + 240, 9000, BackColor);
    Label1[0] = DialogLook::titleLabel(QStringLiteral("委任状印刷"), this, 120, 120);
    Label1[1] = DialogLook::label(
        QStringLiteral("印刷欄クリックで選択行、氏名欄クリックで選択農家の「する・しない」が切り替わります。"), this, 120, 420);
    CmdGd = new LabelButtonArray(this);
    if (s.ColorSet.HoverColor.isValid())
        CmdGd->setHoverColor(s.ColorSet.HoverColor);
    const QList<std::tuple<int, QString, int>> commands{
        {2, "全てする", 7300}, {3, "全てしない", 8300}, {4, "日付入力", 9600}, {1, "印刷開始", 12300}, {0, "終了", 13900},
    };
    for (const auto& [index, caption, left] : commands)
        DialogLook::command(CmdGd, caption, index, this, left, 150, index == 0);
    DialogLook::command(CmdGd, QStringLiteral("記憶"), 5, this, 5000, 150)->hide();
    DialogLook::command(CmdGd, QStringLiteral("読込"), 6, this, 5800, 150)->hide();
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &IninjyoForm::CmdGd_Click);
    DateGd = DialogLook::label(NoDate, this, 10700, 150);
    DateGd->setObjectName(QStringLiteral("DateGd"));
    DateGd->setFixedWidth(TwipGeometry::px(1300));
    DateGd->installEventFilter(this);

    Label1[3] = DialogLook::label(QStringLiteral("印刷位置補正　X="), this, 120, 750);
    Label1[2] = DialogLook::label(QStringLiteral("Y="), this, 2300, 750);
    for (int i = 0; i < 2; ++i) {
        HoseiTx[i] = new QLineEdit(this);
        HoseiTx[i]->setObjectName(QStringLiteral("HoseiTx%1").arg(i));
        HoseiTx[i]->setFont(FontSetup::screenFont());
        TwipGeometry::place(HoseiTx[i], i == 0 ? 1600 : 2600, 720, 500, 270);
    }
    const QStringList checks{QStringLiteral("農家住所を印刷する"), QStringLiteral("農家名を印刷する"), QStringLiteral("新用紙使用")};
    for (int i = 0; i < 3; ++i) {
        InsatuCh[i] = new QCheckBox(checks.at(i), this);
        InsatuCh[i]->setObjectName(QStringLiteral("InsatuCh%1").arg(i));
        InsatuCh[i]->setFont(FontSetup::screenFont());
        WidgetColor::setBackColor(InsatuCh[i], BackColor);
        TwipGeometry::place(InsatuCh[i], 3400 + 2200 * i, 750, 2100, 240);
    }
    InfoGd = DialogLook::colorLabel(QStringLiteral("印刷中・・"), this, 10500, 750, 9, InfoColor);
    InfoGd->hide();

    ListGrid = new FlexGrid(this);
    ListGrid->setObjectName(QStringLiteral("ListGrid"));
    ListGrid->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    TwipGeometry::place(ListGrid, 120, 1080, width, 7800);
    CmdGd->resetOn(ListGrid);
    connect(ListGrid, &FlexGrid::gridClick, this, &IninjyoForm::ListGrid_Click);
}

void IninjyoForm::IninjyoListColorProc()
{
    ListGrid->setUpdatesEnabled(false);
    ListGrid->setCols(L::Cols);
    ListGrid->setRows(int(Rows.size()) + 1);
    ListGrid->setFixedRows(1);
    ListGrid->setFixedCols(1);
    ListGrid->setBackColorFixed(HeadColor);
    ListGrid->setBackColorSel(HeadColor);
    ListGrid->setBackColorBkg(BackColor);
    ListGrid->setRowHeightTwips(0, 270);
    for (int c = 0; c < L::Cols; ++c) {
        ListGrid->setColWidthTwips(c, columns[c].width);
        ListGrid->setColAlignment(c, columns[c].alignment);
        ListGrid->setTextMatrix(0, c, QString::fromUtf16(columns[c].heading));
    }
    ListGrid->setFixedAlignment(-1, FlexGrid::AlignCenter);
    const QList<L::Band> bands = L::bands(Rows);
    for (int r = 0; r < Rows.size(); ++r) {
        ListGrid->setTextMatrix(r + 1, 0, QString::number(bands.at(r).number));
        const QColor color = L::prints(Rows.at(r)) ? BandColors[bands.at(r).band] : OffColor;
        for (int c = 1; c < L::Cols; ++c) {
            ListGrid->setTextMatrix(r + 1, c, Rows.at(r).at(c));
            ListGrid->setCellBackColor(r + 1, c, color);
        }
    }
    ListGrid->setUpdatesEnabled(true);
}

bool IninjyoForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DateGd && event->type() == QEvent::MouseButtonDblClick) {
        DateGd_DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void IninjyoForm::ListGrid_Click(int row, int col)
{
    if (L::IninjyoListClick(Rows, row - 1, col))
        IninjyoListColorProc();
}

void IninjyoForm::DateGd_DblClick()
{
    DateGd->setText(NoDate);
    IninjyoDateKioku() = NoDate;
}

void IninjyoForm::CmdGd_Click(int index)
{
    switch (index) {
    case 0: closeForm(); break;
    case 1: printStart(); break;
    case 2:
    case 3:
        L::setAll(Rows, index == 2);
        IninjyoListColorProc();
        break;
    case 4: pickDate(); break;
    case 5: kioku(); break;
    case 6: yomikomi(); break;
    default: break;
    }
}

void IninjyoForm::pickDate()
{
    NenGappiForm::open(this, 0, 0);
    const HandOver& h = SharedState::get().Hand;
    DateGd->setText(h.NenGappiYearOut + QLatin1Char('.') + h.NenGappiManthOut + QLatin1Char('.') + h.NenGappiDayOut);
    IninjyoDateKioku() = DateGd->text();
}

void IninjyoForm::kioku()
{
    QStringList lines;
    for (const QStringList& row : Rows)
        lines.append(row.mid(L::NameCol).join(QLatin1Char('\'')));
    QString error;
    if (!TextFile::write(DataPath::file(QStringLiteral("set\\Kaihatu.ini")), lines, &error))
        MsgBox::show(error, QStringLiteral("確認"), MsgBox::OkOnly, MsgBox::Exclamation);
    else
        MsgBox::show(QStringLiteral("終了"));
}

void IninjyoForm::yomikomi()
{
    const TextFile file = TextFile::read(DataPath::file(QStringLiteral("set\\Kaihatu.ini")));
    if (!file.ok()) {
        MsgBox::show(file.errorText + QStringLiteral("\n一覧は元のままです。"), QStringLiteral("確認"), MsgBox::OkOnly,
                     MsgBox::Exclamation);
        return;
    }
    Rows.clear();
    for (const QString& line : file.texts()) {
        if (line.isEmpty())
            continue;
        QStringList row = QStringList{QString()} + line.split(QLatin1Char('\'')).mid(0, L::Cols - 1);
        while (row.size() < L::Cols)
            row.append(QString());
        Rows.append(row);
    }
    L::setAll(Rows, false);
    IninjyoListColorProc();
}

void IninjyoForm::closeForm()
{
    for (QLineEdit* box : HoseiTx)
        if (box->text().isEmpty())
            box->setText(QStringLiteral("0"));
    QString error;
    if (!PrintOffsetFile{HoseiTx[0]->text(), HoseiTx[1]->text()}.write(filePath(), &error))
        MsgBox::show(error + QStringLiteral("\n印刷位置補正を保存できませんでした。"), QStringLiteral("確認"));
    IninjyoDateKioku() = DateGd->text();
    accept();
}

IninjyoPrintData IninjyoForm::printData() const
{
    const SharedState& s = SharedState::get();
    IninjyoPrintData d;
    const IninjyoMiyazakiPrint::Site site = IninjyoMiyazakiPrint::Site::of(s.Site);
    d.farmers = s.ken == Ken::Miyazaki
                    ? IninjyoPrintData::farmersOf(Rows, [site](const QString& name) { return site.fixName(name); })
                    : IninjyoPrintData::farmersOf(Rows);
    d.date = DateGd->text();
    d.dateKioku = IninjyoDateKioku();
    d.offX = PrintOffsetFile::offset(HoseiTx[0]->text());
    d.offY = PrintOffsetFile::offset(HoseiTx[1]->text());
    for (int i = 0; i < 3; ++i)
        d.insatu[i] = InsatuCh[i]->isChecked();
    d.doctorName = s.DoctorInfo.DoctorName;
    d.address = [](const QString& code) { return IninjyoHelper::NameCodeSearchProc(code); };
    return d;
}

void IninjyoForm::printStart()
{
    SharedState& s = SharedState::get();
    if (DateGd->text() == NoDate
        && MsgBox::show(QStringLiteral("日付が入力されていませんがよろしいですか？"), QStringLiteral("確認"), MsgBox::OkCancel)
               != MsgBox::Ok)
        return;
    std::function<void(PrintDevice&, IninjyoPrintNotes&)> proc;
    const IninjyoPrintData data = printData();
    if (s.ken == Ken::Tottori || s.ken == Ken::Gunma || s.ken == Ken::Kagoshima) {
        if (MsgBox::show(s.ken == Ken::Kagoshima ? A4Question : SetQuestion, QStringLiteral("確認"), MsgBox::OkCancel)
            != MsgBox::Ok)
            return;
        proc = [&](PrintDevice& device, IninjyoPrintNotes& notes) {
            if (s.ken == Ken::Tottori)
                IninjyoTottoriPrint::IninjyoTottoriPrintProc(device, data, notes);
            else if (s.ken == Ken::Gunma)
                IninjyoGunmaPrint::IninjyoGunmaPrintProc(device, data, notes);
            else
                IninjyoKagosimaPrint::IninjyoKagosimaPrintProc(device, data, notes);
        };
    } else if (s.ken == Ken::Miyazaki) {
        {
            PrintMiyazakiIninnjyoForm options(this);
            ModalHost::exec(options);
        }
        const PrintMiyazakiIninnjyoForm::Kioku options = PrintMiyazakiIninnjyoForm::kioku();
        if (options.IninjyoPrintOut == -1)
            return;
        const IninjyoMiyazakiPrint::Site site = IninjyoMiyazakiPrint::Site::of(s.Site);
        if (options.IninjyoKyosaiOpOut == 0 && !site.kenAllowed) {
            MsgBox::show(QStringLiteral("印刷できません(指定獣医師専用)"));
            return;
        }
        s.SeirekiFlag = site.seireki ? 1 : 0;
        const QString heading = options.IninjyoKyosaiOpOut == 1 ? QStringLiteral("都城") : QStringLiteral("宮崎県");
        proc = [=](PrintDevice& device, IninjyoPrintNotes& notes) {
            IninjyoMiyazakiPrint::IninjyoMiyazakiPrintProc(device, data, options, site, heading, notes);
        };
    } else {
        return;
    }
    s.TwipPerMm = 56.7f;
    const std::shared_ptr<PrintDevice> device = PrintDeviceSource::open(QStringLiteral("委任状"));
    InfoGd->show();
    QCoreApplication::processEvents();
    IninjyoPrintNotes notes;
    proc(*device, notes);
    QString error;
    if (!device->endDoc(&error)) {
        MsgBox::show(error, QStringLiteral("印刷"), MsgBox::OkOnly, MsgBox::Exclamation);
    } else {
        const QString where = device->destinationMessage();
        MsgBox::show(notes.closingText() + (where.isEmpty() ? QString() : QStringLiteral("\n") + where),
                     QStringLiteral("印刷"));
    }
    InfoGd->hide();
}
