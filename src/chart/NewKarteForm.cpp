#include "NewKarteForm.h"

#include "BunruiForm.h"
#include "KarteFile.h"

#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"
#include "dialogs/KeiroForm.h"
#include "dialogs/NenGappiForm.h"
#include "dialogs/TokutyoForm.h"
#include "registers/TourokuCheck.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

NewKarteForm::NewKarteForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewKarteForm"));
    setWindowTitle(QStringLiteral("カルテ新規作成"));
    const QWidget* main = parent ? parent->window() : nullptr;
    const int width = main ? TwipGeometry::twips(main->width()) : 9500;
    TwipGeometry::resize(this, width, 3960);
    if (main)
        move(main->pos());
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.DialogBackColor);
    buildNouka();
    buildBoxes();
    buildOptions();
    buildPickers();
    Form_Load();
}

void NewKarteForm::buildNouka()
{
    const QString headings[] = {QStringLiteral("[地域]"), QStringLiteral("[氏名]"), QStringLiteral("[農家番号]")};
    const int lefts[] = {150, 2700, 6000};
    for (int i = 0; i < 3; ++i) {
        TwipGeometry::label(headings[i], this, lefts[i], 100, 900);
        NameHyojiGd.at(i) = TwipGeometry::label(QString(), this, lefts[i] + 950, 100, 1600);
        NameHyojiGd.at(i)->setObjectName(QStringLiteral("NameHyojiGd%1").arg(i));
    }
}

void NewKarteForm::buildBoxes()
{
    const int places[3][4] = {{1050, 420, 1800, 0}, {1050, 1580, 2500, 0}, {5100, 1580, 1900, 0}};
    for (int i = 0; i < 3; ++i) {
        inpTx.at(i) = new QLineEdit(this);
        inpTx.at(i)->setObjectName(QStringLiteral("inpTx%1").arg(i));
        TwipGeometry::place(inpTx.at(i), places[i][0], places[i][1], places[i][2], 330);
        connect(inpTx.at(i), &QLineEdit::returnPressed, this, [this] { inpTx.at(1)->setFocus(); });
    }
    inpTx.at(0)->setMaxLength(12);
    MimibanLabel = TwipGeometry::label(QStringLiteral("[耳標]"), this, 150, 450, 850);
    TwipGeometry::label(QStringLiteral("[名号]"), this, 150, 1610, 850);
    KotaiBangouLabel = TwipGeometry::label(QStringLiteral("[個体番号]"), this, 3700, 1610, 1350);
    KousiCh = new QCheckBox(QStringLiteral("子牛"), this);
    KousiCh->setObjectName(QStringLiteral("KousiCh"));
    TwipGeometry::place(KousiCh, 6300, 450, 900, 300);
    MimibanHints = {TwipGeometry::label(QStringLiteral("※4桁または10桁を入力してください。"), this, 3000, 450, 3200),
                    TwipGeometry::label(QStringLiteral("※まだ耳標がない牛の場合は、K001のように頭にKを付けた番号を入れるか、親牛の耳標を入れて"
                                         "\"子牛\"にチェックを入れてください。"),
                          this, 150, 780, 9200, 480),
                    TwipGeometry::label(QStringLiteral("※双子など特殊な場合は親の耳標番号の末尾に-1・-2としても仮登録できます"), this, 150,
                          1270, 9200)};
    MimibanHints.at(1)->setWordWrap(true);
    MiyazakiGd = TwipGeometry::label(QStringLiteral("※枝番号がある場合は、ハイフンを入れてください。例）123-2"), this, 3700, 1930, 5600);
}

void NewKarteForm::buildOptions()
{
    TwipGeometry::label(QStringLiteral("[種類]"), this, 150, 2230, 850);
    auto* syurui = new QButtonGroup(this);
    for (int i = 0; i < NewKarteEntry::SyuruiCount; ++i) {
        SyuruiOp.at(i) = new QRadioButton(QStringLiteral("-"), this);
        SyuruiOp.at(i)->setObjectName(QStringLiteral("SyuruiOp%1").arg(i));
        TwipGeometry::place(SyuruiOp.at(i), 1050 + (i % 6) * 1400, 2230 + (i / 6) * 270, 1400, 270);
        syurui->addButton(SyuruiOp.at(i), i);
    }
    TwipGeometry::label(QStringLiteral("[性別]"), this, 150, 3070, 850);
    auto* seibetu = new QButtonGroup(this);
    const QString sexes[] = {QStringLiteral("雄"), QStringLiteral("雌"), QStringLiteral("去"), QStringLiteral("未確認")};
    for (int i = 0; i < 4; ++i) {
        SeibetuOp.at(i) = new QRadioButton(sexes[i], this);
        TwipGeometry::place(SeibetuOp.at(i), 1050 + i * 800, 3070, 800, 270);
        seibetu->addButton(SeibetuOp.at(i), i);
    }
    TwipGeometry::label(QStringLiteral("[共済分類]"), this, 4500, 3070, 1100);
    auto* kyosai = new QButtonGroup(this);
    const QString classes[] = {QStringLiteral("包"), QStringLiteral("個")};
    for (int i = 0; i < 2; ++i) {
        KyosaiOp.at(i) = new QRadioButton(classes[i], this);
        TwipGeometry::place(KyosaiOp.at(i), 5650 + i * 700, 3070, 700, 270);
        kyosai->addButton(KyosaiOp.at(i), i);
    }
    for (QWidget* w : findChildren<QRadioButton*>())
        WidgetColor::setBackColor(w, SharedState::get().ColorSet.DialogBackColor);
}

void NewKarteForm::buildPickers()
{
    CmdGd = new LabelButtonArray(this);
    const QString captions[] = {QStringLiteral("キャンセル"), QStringLiteral("OK"), QStringLiteral("[毛色]"),
                                QStringLiteral("[特徴]"), QStringLiteral("[生年月日]")};
    const int lefts[] = {8300, 7400, 3400, 6000, 150};
    const int tops[] = {3650, 3650, 3370, 3370, 3370};
    for (int i = 0; i < 5; ++i) {
        LabelButton* b = CmdGd->add(captions[i], i, this);
        b->setObjectName(QStringLiteral("CmdGd%1").arg(i));
        TwipGeometry::place(b, lefts[i], tops[i], i < 2 ? 900 : 1000, 270);
        if (i >= 2)
            b->setNormalColor(QColor(0, 192, 0));
    }
    CmdGd->setHoverColor(SharedState::get().ColorSet.HoverColor);
    CmdGd->resetOn(this);
    connect(CmdGd, &LabelButtonArray::clicked, this, &NewKarteForm::CmdGd_Click);
    BirthDayGd = TwipGeometry::label(QStringLiteral("-"), this, 1200, 3370, 1500);
    KeiroGd = TwipGeometry::label(QStringLiteral("-"), this, 4150, 3370, 1700);
    TokutyoGd = TwipGeometry::label(QStringLiteral("-"), this, 6750, 3370, 2600);
    SekininHintGd = TwipGeometry::label(QStringLiteral("※責任開始日はマスター登録＞個体登録で入力してください。"), this, 150, 3650, 6500);
}

void NewKarteForm::Form_Load()
{
    const SharedState& s = SharedState::get();
    const NoukaInfo& nouka = s.CurrentNouka;
    NameHyojiGd.at(0)->setText(nouka.NoukaTiku);
    NameHyojiGd.at(1)->setText(nouka.NoukaName);
    NameHyojiGd.at(2)->setText(nouka.NoukaCode);
    SeibetuOp.at(0)->setChecked(true);
    KyosaiOp.at(0)->setChecked(true);
    const bool kotaiBangou = NewKarteEntry::kotaiBangouShown(s.ken);
    if (!kotaiBangou)
        inpTx.at(2)->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{inpTx.at(2), KotaiBangouLabel, MiyazakiGd})
        w->setVisible(kotaiBangou);
    const bool copy = s.Hand.CopyMode == 1;
    if (copy)
        inpTx.at(0)->setText(s.Hand.CopyKotaiIn);
    inpTx.at(0)->setReadOnly(copy);
    const QStringList captions = NewKarteEntry::syuruiCaptions(s.ken);
    const int shown = NewKarteEntry::syuruiShown(s.ken);
    for (int i = 0; i < NewKarteEntry::SyuruiCount; ++i) {
        SyuruiOp.at(i)->setText(captions.at(i));
        SyuruiOp.at(i)->setVisible(i < shown);
    }
    SyuruiOp.at(0)->setChecked(true);
    const bool kagoshima = s.ken == Ken::Kagoshima;
    SekininHintGd->setVisible(kagoshima && s.ManryoFlag == 1);
    MimibanLabel->setText(kagoshima ? QStringLiteral("[番号]") : QStringLiteral("[耳標]"));
    KousiCh->setVisible(!kagoshima);
    for (QLabel* hint : std::as_const(MimibanHints))
        hint->setVisible(!kagoshima);
}

NewKarteEntry::Input NewKarteForm::input() const
{
    const auto chosen = [](const auto& options) {
        for (const QRadioButton* op : options) {
            if (op->isChecked())
                return op->text();
        }
        return QString();
    };
    NewKarteEntry::Input in;
    in.Mimiban = inpTx.at(0)->text();
    in.Meigou = inpTx.at(1)->text();
    in.KotaiBangou = inpTx.at(2)->isVisibleTo(this) ? inpTx.at(2)->text() : QString();
    in.Kousi = KousiCh->isChecked() && KousiCh->isVisibleTo(this);
    in.Syurui = chosen(SyuruiOp);
    in.Seibetu = chosen(SeibetuOp);
    in.Kyosai = chosen(KyosaiOp);
    in.BirthDay = BirthDayGd->text();
    in.Keiro = KeiroGd->text();
    in.Tokutyo = TokutyoGd->text();
    return in;
}

void NewKarteForm::CmdGd_Click(int index)
{
    HandOver& h = SharedState::get().Hand;
    switch (index) {
    case 0:
        h.NewKarteOut = 0;
        reject();
        break;
    case 1: ok(); break;
    case 2: {
        KeiroForm form(this);
        ModalHost::exec(form);
        KeiroGd->setText(h.KeiroOut);
        break;
    }
    case 3: {
        TokutyoForm form(this);
        ModalHost::exec(form);
        TokutyoGd->setText(h.TokutyoOut);
        break;
    }
    case 4: {
        h.NenGappiBirthMode = 1;
        h.NenGappiMode = 0;
        h.NenGappiOut.clear();
        NenGappiForm form(this);
        ModalHost::exec(form);
        if (!h.NenGappiOut.isEmpty())
            BirthDayGd->setText(h.NenGappiOut);
        break;
    }
    default: break;
    }
}

void NewKarteForm::ok()
{
    SharedState& s = SharedState::get();
    const NewKarteEntry::Input in = input();
    const TourokuCheck check = NewKarteEntry::check(in, NameHyojiGd.at(2)->text(), s.ken);
    if (!check.ok()) {
        MsgBox::show(check.text, check.title);
        return;
    }
    const bool copy = s.Hand.CopyMode == 1;
    if (!copy) {
        BunruiForm form(this);
        ModalHost::exec(form);
        if (s.Hand.BunruiOut == 2)
            return;
    }
    const QString code = NameHyojiGd.at(2)->text();
    const QString name = NewKarteEntry::fileName(s.KarteNendo, code, in.Mimiban, in.Kousi);
    const QString nouka = NewKarteEntry::noukaLine(s.CurrentNouka);
    const QString kotai = NewKarteEntry::kotaiLine(in, s.KarteNendo, code);
    if (KarteFile::exists(s.karteFolder(), name)) {
        MsgBox::show(NewKarteEntry::existsText(), QStringLiteral("確認"));
        return;
    }
    if (copy) {
        s.Hand.CopyKarteHeader = {nouka, kotai};
        s.Hand.CopyFileOut = name;
        accept();
        return;
    }
    QString error;
    const KarteFile::CreateResult created = KarteFile::create(s.karteFolder(), name, nouka, kotai, &error);
    if (created != KarteFile::CreateResult::Created) {
        MsgBox::show(created == KarteFile::CreateResult::Exists ? NewKarteEntry::existsText() : error,
                     QStringLiteral("確認"));
        return;
    }
    s.CurrentKarteFile = name;
    s.Hand.NewKarteOut = 1;
    accept();
}
