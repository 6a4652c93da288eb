#include "SonotaPage.h"

#include "ListTouroku.h"
#include "MasterForm.h"
#include "SetteiData.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/TwipGeometry.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>

namespace {
QLabel* label(const QString& text, QWidget* parent, int left, int top, int width)
{
    auto* l = new QLabel(text, parent);
    TwipGeometry::place(l, left, top, width, 300);
    return l;
}

QGroupBox* frame(const QString& caption, QWidget* parent, int left, int top, int width, int height)
{
    auto* f = new QGroupBox(caption, parent);
    TwipGeometry::place(f, left, top, width, height);
    return f;
}
} // namespace

SonotaPage::SonotaPage(MasterForm& owner) : QGroupBox(QStringLiteral("その他")), form(owner)
{
    J_InpTx.resize(7);
    SonotaFrame.resize(7);
    buildDoctor();
    buildHosei();
    buildKouho();
    buildSupport();
    buildHidden();
}

QLineEdit* SonotaPage::box(QWidget* parent, int left, int top, int width)
{
    auto* b = new QLineEdit(parent);
    TwipGeometry::place(b, left, top, width, 300);
    return b;
}

void SonotaPage::buildDoctor()
{
    SonotaFrame[0] = frame(QStringLiteral("獣医師名登録"), this, 150, 300, 6200, 1500);
    label(QStringLiteral("医師名"), SonotaFrame[0], 150, 350, 800);
    J_InpTx[0] = box(SonotaFrame[0], 1000, 350, 2600);
    label(QStringLiteral("コード"), SonotaFrame[0], 3750, 350, 700);
    J_InpTx[1] = box(SonotaFrame[0], 4500, 350, 1500);
    HokenGd = {label(QStringLiteral("[保険関係]"), SonotaFrame[0], 150, 900, 1100),
               label(QStringLiteral("（イ）"), SonotaFrame[0], 2300, 900, 600),
               label(QStringLiteral("（ロ）"), SonotaFrame[0], 4200, 900, 600)};
    DocBunruiOp = {new QRadioButton(QStringLiteral("指定"), SonotaFrame[0]),
                   new QRadioButton(QStringLiteral("指定外"), SonotaFrame[0])};
    TwipGeometry::place(DocBunruiOp[0], 1300, 900, 1000, 300);
    TwipGeometry::place(DocBunruiOp[1], 3000, 900, 1200, 300);
    for (QWidget* w : {static_cast<QWidget*>(HokenGd[0]), static_cast<QWidget*>(HokenGd[1]),
                       static_cast<QWidget*>(HokenGd[2]), static_cast<QWidget*>(DocBunruiOp[0]),
                       static_cast<QWidget*>(DocBunruiOp[1])})
        w->hide();
    SonotaFrame[2] = frame(QStringLiteral("獣医師住所（カルテ印刷）"), this, 150, 1950, 6200, 800);
    J_InpTx[5] = box(SonotaFrame[2], 150, 350, 5900);
}

void SonotaPage::buildHosei()
{
    SonotaFrame[1] = frame(QStringLiteral("印刷位置補正"), this, 6550, 300, 6100, 2450);
    const QList<std::tuple<int, QString, QString>> rows{{2, QStringLiteral("横補正"), QStringLiteral("←→")},
                                                        {3, QStringLiteral("縦補正"), QStringLiteral("↑↓")},
                                                        {4, QStringLiteral("伸び"), QStringLiteral("(通常1)")}};
    int y = 350;
    for (const auto& [index, caption, hint] : rows) {
        label(caption, SonotaFrame[1], 150, y, 800);
        J_InpTx[index] = box(SonotaFrame[1], 1000, y, 1000);
        label(hint, SonotaFrame[1], 2100, y, 900);
        y += 400;
    }
    label(QStringLiteral("※印字位置を右にしたい時は横補正値を増やす。"), SonotaFrame[1], 150, y, 5800);
    label(QStringLiteral("※印字位置を下げたい時は縦補正値を増やす。"), SonotaFrame[1], 150, y + 350, 5800);
}

void SonotaPage::buildKouho()
{
    static const QStringList captions{QStringLiteral("現症経過の入力候補"), QStringLiteral("稟告の入力候補"),
                                      QStringLiteral("原因の入力候補")};
    KT_CmdGd = new LabelButtonArray(this);
    KS_CmdGd = new LabelButtonArray(this);
    for (int k = 0; k < 3; ++k) {
        QGroupBox* f = frame(captions.at(k), this, 150 + k * 4200, 2900, 4050, 4700);
        SonotaFrame[3 + k] = f;
        KouhoList.append(new QListWidget(f));
        KouhoList[k]->setObjectName(QStringLiteral("KouhoList%1").arg(k));
        TwipGeometry::place(KouhoList[k], 150, 350, 3750, 3100);
        label(QStringLiteral("入力欄"), f, 150, 3550, 700);
        K_InpTx.append(box(f, 900, 3550, 3000));
        K_InpTx[k]->setObjectName(QStringLiteral("K_InpTx%1").arg(k));
        TwipGeometry::place(KT_CmdGd->add(QStringLiteral("登録"), k, f), 900, 4000, 700, 300);
        TwipGeometry::place(KS_CmdGd->add(QStringLiteral("削除"), k, f), 1900, 4000, 700, 300);
        connect(KouhoList[k], &QListWidget::itemClicked, this, [this, k] { KouhoList_Click(k); });
        KT_CmdGd->resetOn(f);
        KS_CmdGd->resetOn(f);
    }
    connect(KT_CmdGd, &LabelButtonArray::clicked, this, &SonotaPage::KT_CmdGd_Click);
    connect(KS_CmdGd, &LabelButtonArray::clicked, this, &SonotaPage::KS_CmdGd_Click);
}

void SonotaPage::buildSupport()
{
    SonotaFrame[6] = frame(QStringLiteral("入力サポート"), this, 150, 7750, 6200, 800);
    J_InpTx[6] = box(SonotaFrame[6], 150, 350, 1000);
    label(QStringLiteral("点を越えた場合シグナルを出す"), SonotaFrame[6], 1250, 350, 3200);
    SpCh = new QCheckBox(QStringLiteral("ON"), SonotaFrame[6]);
    TwipGeometry::place(SpCh, 4700, 350, 800, 300);
}

// Controls no installation shows: the veterinarian list, the provisional-number threshold and
// the print font.
void SonotaPage::buildHidden()
{
    J_List = new QListWidget(SonotaFrame[0]);
    J_List->hide();
    connect(J_List, &QListWidget::itemClicked, this, &SonotaPage::J_List_Click);
    J_CmdGd = new LabelButtonArray(this);
    J_CmdGd->add(QStringLiteral("登録"), 0, SonotaFrame[0])->hide();
    J_CmdGd->add(QStringLiteral("削除"), 1, SonotaFrame[0])->hide();
    connect(J_CmdGd, &LabelButtonArray::clicked, this, &SonotaPage::J_CmdGd_Click);
    for (const QString& caption : {QStringLiteral("【個体仮番号設定】"), QStringLiteral("以上の番号は印刷しない"),
                                   QStringLiteral("【印刷フォント設定】")})
        label(caption, this, 6550, 8000, 2000)->hide();
    KaribanTx = box(this, 6550, 8300, 1000);
    KaribanTx->hide();
    FontGd = label(QStringLiteral("<>"), this, 8000, 8300, 2000);
    FontGd->hide();
    FontGd->installEventFilter(this);
}

void SonotaPage::applyVariant()
{
    const MasterVariant& v = form.variant();
    for (const int i : {0, 1, 5})
        J_InpTx[i]->setReadOnly(v.DoctorLocked);
    for (QLabel* l : std::as_const(HokenGd))
        l->setVisible(v.Ibaraki);
    for (QRadioButton* op : std::as_const(DocBunruiOp))
        op->setVisible(v.Ibaraki);
}

void SonotaPage::load(const SetteiData& d)
{
    J_InpTx[0]->setText(d.DoctorName);
    J_InpTx[1]->setText(d.DoctorCode);
    J_InpTx[2]->setText(d.YokoHosei);
    J_InpTx[3]->setText(d.TateHosei);
    J_InpTx[4]->setText(d.NobiHosei);
    J_InpTx[5]->setText(d.DocAd);
    J_InpTx[6]->setText(d.TensuLimitText);
    SpCh->setChecked(d.SpCh == 1);
    KaribanTx->setText(d.Kariban);
    DocBunruiOp[d.DocBunruiSitei ? 0 : 1]->setChecked(true);
    for (int k = 0; k < 3; ++k) {
        KouhoList[k]->clear();
        KouhoList[k]->addItems(d.KouhoList[k]);
    }
}

QStringList SonotaPage::kouhoItems(int k) const
{
    QStringList items;
    for (int i = 0; i < KouhoList[k]->count(); ++i)
        items.append(KouhoList[k]->item(i)->text());
    return items;
}

QLineEdit* SonotaPage::quotedBox() const
{
    for (QLineEdit* box : J_InpTx)
        if (box->text().contains(QLatin1Char('"')))
            return box;
    return KaribanTx->text().contains(QLatin1Char('"')) ? KaribanTx : nullptr;
}

void SonotaPage::store(SetteiData& d) const
{
    d.DoctorName = J_InpTx[0]->text();
    d.DoctorCode = J_InpTx[1]->text();
    d.YokoHosei = J_InpTx[2]->text();
    d.TateHosei = J_InpTx[3]->text();
    d.NobiHosei = J_InpTx[4]->text();
    d.DocAd = J_InpTx[5]->text();
    d.TensuLimitText = J_InpTx[6]->text();
    d.SpCh = SpCh->isChecked() ? 1 : 0;
    d.Kariban = KaribanTx->text();
    d.DocBunruiSitei = DocBunruiOp[0]->isChecked();
    for (int k = 0; k < 3; ++k)
        d.KouhoList[k] = kouhoItems(k);
}

void SonotaPage::KouhoList_Click(int k)
{
    if (KouhoList[k]->currentItem() && !KouhoList[k]->currentItem()->text().isEmpty())
        K_InpTx[k]->setText(KouhoList[k]->currentItem()->text());
}

void SonotaPage::KT_CmdGd_Click(int k)
{
    QStringList items = kouhoItems(k);
    if (ListTouroku::add(items, K_InpTx[k]->text(), true))
        KouhoList[k]->addItem(items.last());
}

void SonotaPage::KS_CmdGd_Click(int k)
{
    const int at = ListTouroku::indexOf(kouhoItems(k), K_InpTx[k]->text());
    if (at < 0)
        return;
    delete KouhoList[k]->takeItem(at);
    K_InpTx[k]->clear();
}

void SonotaPage::J_CmdGd_Click(int index)
{
    const QString name = J_InpTx[0]->text().trimmed();
    const QString code = J_InpTx[1]->text().trimmed();
    if (J_InpTx[0]->text().isEmpty() || J_InpTx[1]->text().isEmpty())
        return;
    int found = -1;
    QStringList lines;
    for (int i = 0; i < J_List->count(); ++i) {
        lines.append(J_List->item(i)->text());
        if (found < 0 && lines.last().section(QLatin1Char(','), 0, 0) == name)
            found = i;
    }
    const QString entry = name + QLatin1Char(',') + code + QLatin1Char(',');
    if (index == 0 && found >= 0)
        lines[found] = entry;
    else if (index == 0)
        lines.append(entry);
    else if (found >= 0)
        lines.removeAt(found);
    J_List->clear();
    J_List->addItems(lines);
    QString error;
    if (!SetteiData::writeLines(SetteiData::path(QStringLiteral("DoctorName.ini")), lines, &error))
        MsgBox::show(error, QStringLiteral("確認"));
}

void SonotaPage::J_List_Click()
{
    const QString entry = J_List->currentItem() ? J_List->currentItem()->text() : QString();
    if (entry.isEmpty())
        return;
    J_InpTx[0]->setText(entry.section(QLatin1Char(','), 0, 0));
    J_InpTx[1]->setText(entry.section(QLatin1Char(','), 1, 1));
}

void SonotaPage::FontGd_Click()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, QFont(QStringLiteral("ＭＳ ゴシック"), 10), this);
    if (ok)
        FontGd->setText(font.family().isEmpty() ? QStringLiteral("ＭＳ ゴシック") : font.family());
}

bool SonotaPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FontGd && event->type() == QEvent::MouseButtonRelease)
        FontGd_Click();
    return QGroupBox::eventFilter(watched, event);
}
