#include "CopyForm.h"

#include "KarteText.h"
#include "NewInputView.h"
#include "NewKarteForm.h"

#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/MsgBox.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kakunin = QStringLiteral("確認");

// Enter in the number box starts nothing.
class EnterSwallow : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

CopyForm::CopyForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CopyForm"));
    setWindowTitle(QStringLiteral("複製"));
    const QColor back = SharedState::get().ColorSet.DialogBackColor;
    TwipGeometry::resize(this, 6000, 4200);
    WidgetColor::setBackColor(this, back);
    TwipGeometry::place(new QLabel(QStringLiteral("複製"), this), 200, 100, 2000, 330);
    TwipGeometry::place(new QLabel(QStringLiteral("現在開いているカルテを別の個体のカルテとして複製します。"), this),
                        200, 500, 5600, 300);
    TwipGeometry::place(new QLabel(QStringLiteral("[個体番号]"), this), 200, 950, 1000, 300);
    inpTx = new QLineEdit(this);
    inpTx->setObjectName(QStringLiteral("inpTx"));
    inpTx->setMaxLength(10);
    inpTx->installEventFilter(new EnterSwallow(this));
    TwipGeometry::place(inpTx, 1250, 920, 1800, 330);
    TwipGeometry::place(new QLabel(QStringLiteral("個体番号を入力後、検索をクリックしてください。"), this), 200, 1350,
                        5600, 300);
    CmdGd = new LabelButtonArray(this);
    const QString captions[] = {QStringLiteral("閉る"), QStringLiteral("検索"), QStringLiteral("複製実行")};
    const int lefts[] = {4900, 3300, 3900};
    const int tops[] = {3750, 950, 3750};
    for (int i = 0; i < 3; ++i) {
        LabelButton* b = CmdGd->add(captions[i], i, this);
        b->setObjectName(QStringLiteral("CmdGd%1").arg(i));
        TwipGeometry::place(b, lefts[i], tops[i], 900, 300);
    }
    CmdGd->setHoverColor(SharedState::get().ColorSet.HoverColor);
    CmdGd->resetOn(this);
    auto* waku = new QGroupBox(QStringLiteral("複製する個体情報"), this);
    WidgetColor::setBackColor(waku, back);
    TwipGeometry::place(waku, 200, 1750, 5600, 1900);
    const QString headings[] = {QStringLiteral("[名号]"), QStringLiteral("[畜種]"), QStringLiteral("[性別]"),
                                QStringLiteral("[生年月日]")};
    for (int i = 0; i < 4; ++i) {
        TwipGeometry::place(new QLabel(headings[i], waku), 150, 300 + i * 300, 1000, 270);
        KotaiGd.at(i) = new QLabel(waku);
        KotaiGd.at(i)->setObjectName(QStringLiteral("KotaiGd%1").arg(i));
        TwipGeometry::place(KotaiGd.at(i), 1200, 300 + i * 300, 4200, 270);
    }
    TwipGeometry::place(new QLabel(QStringLiteral("※複製できるのは同じ畜主の個体のみです。"), waku), 150, 1550, 5000, 270);
    connect(CmdGd, &LabelButtonArray::clicked, this, &CopyForm::CmdGd_Click);
    SharedState::get().Hand.CopyFileOut.clear();
}

KarteCopy::Moto CopyForm::moto() const
{
    const SharedState& s = SharedState::get();
    KarteCopy::Moto m;
    m.KarteFile = s.CurrentKarteFile;
    if (const NewInputView* editor = s.OpenEditor) {
        m.Mimiban = editor->mainGdText(3);
        m.ByoName = editor->byoName1();
        m.SyosinDate = editor->mainGdText(10);
    }
    return m;
}

void CopyForm::CmdGd_Click(int index)
{
    HandOver& h = SharedState::get().Hand;
    if (index == 0) {
        h.CopyFileOut.clear();
        reject();
    } else if (index == 1) {
        h.CopyFileOut.clear();
        KarteCopyProc();
        if (!h.CopyFileOut.isEmpty() && CopyNewKarteFlag == 1 && writeCopy(true))
            accept();
    } else if (index == 2) {
        if (inpTx->text().isEmpty())
            MsgBox::show(QStringLiteral("個体番号を入力して、検索をしてください。"), kakunin);
        else if (h.CopyFileOut.isEmpty())
            MsgBox::show(QStringLiteral("複製できません。"), kakunin);
        else if (writeCopy(false))
            accept();
    }
}

void CopyForm::KarteCopyProc()
{
    SharedState& s = SharedState::get();
    const KarteCopy::Kensaku found = KarteCopy::KarteCopyProc(moto(), inpTx->text());
    if (found.kind == KarteCopy::Kensaku::Refused) {
        MsgBox::show(found.Message, kakunin);
        return;
    }
    if (found.kind == KarteCopy::Kensaku::Found) {
        CopyNewKarteFlag = 0;
        for (int i = 0; i < 4; ++i)
            KotaiGd.at(i)->setText(found.KotaiGd.at(i));
        s.Hand.CopyKarteHeader = found.Header;
        s.Hand.CopyFileOut = found.FileName;
        return;
    }
    CopyNewKarteFlag = 1;
    if (!MsgBox::ask(QStringLiteral("この番号の個体は登録がありません。\r\n新規に作成しますか？"), kakunin))
        return;
    s.Hand.CopyKotaiIn = KarteText::trim(inpTx->text());
    s.Hand.CopyMode = 1;
    NewKarteForm form(this);
    ModalHost::exec(form);
}

bool CopyForm::writeCopy(bool newKarte)
{
    HandOver& h = SharedState::get().Hand;
    QString message;
    if (KarteCopy::write(moto(), h.CopyFileOut, h.CopyKarteHeader, newKarte, h.CopyKarteLines, &message))
        return true;
    MsgBox::show(message, kakunin);
    h.CopyFileOut.clear();
    return false;
}
