#include "Pict2Form.h"

#include "PictDateForm.h"
#include "common/BitmapPicture.h"
#include "common/DialogLook.h"
#include "common/FontSetup.h"
#include "common/LabelButtonArray.h"
#include "common/ModalHost.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {
const QColor SymbolChosenColor(255, 255, 192);
const QList<int> ThumbnailRows{7, 7, 8, 6, 3, 5, 5, 5, 5};  // thumbnails per row, from the top
constexpr int ThumbSize = 795;
constexpr int ThumbStep = 810;

QPixmap picture(int number, const QSize& size)
{
    const QImage image = BitmapPicture::load(BitmapPicture::pictFile(QStringLiteral("Pict2_%1").arg(number - 1)));
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QLabel* cellLabel(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐゴシック"), 9.75));
    TwipGeometry::place(label, left, top, width, height);
    return label;
}
} // namespace

Pict2Form::Pict2Form(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Pict2Form"));
    DialogLook::frameless(this, 0, 0, 12000, 11055, SharedState::get().ColorSet.DialogBackColor);
    DialogLook::titleLabel(QStringLiteral("子宮画像"), this, 150, 120, 11.25)->setFont(
        FontSetup::font(QStringLiteral("ＭＳ ゴシック"), 11.25, true));
    Label1 = new LabelButtonArray(this);
    Label1->setHoverColor(Qt::black); // no hover colour
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 9900, 120);
    DialogLook::command(Label1, QStringLiteral("削除"), 2, this, 10500, 120);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 11200, 120);
    DialogLook::command(Label1, QStringLiteral("全クリア"), 3, this, 4620, 1935, false);
    connect(Label1, &LabelButtonArray::clicked, this, &Pict2Form::Label1_Click);
    buildComposition();
    buildThumbnails();
    buildSymbols();
    Pict2Code::parse(SharedState::get().Hand.Pict2Code, entry);
    showSlot(0, entry.LeftNo);
    showSlot(1, entry.RightNo);
    showCells();
}

void Pict2Form::buildComposition()
{
    auto* waku = new QFrame(this);
    waku->setFrameStyle(QFrame::Box | QFrame::Plain);
    waku->setLineWidth(2);
    WidgetColor::setForeColor(waku, QColor(0, 192, 0));
    TwipGeometry::place(waku, 180, 465, 5280, 1785);
    // The green border only frames: "全クリア" inside it takes its own clicks.
    waku->setAttribute(Qt::WA_TransparentForMouseEvents);
    waku->lower();
    for (int s = 0; s < 2; ++s) {
        QLabel* slot = cellLabel(this, QStringLiteral("SetImg%1").arg(s), s == 0 ? 300 : 3195, 675, 1215, 1170);
        slot->installEventFilter(this);
        SetImg.append(slot);
    }
    const int cells[3][3] = {{1545, 1140, 1620}, {225, 1860, 1365}, {3120, 1860, 1365}};
    for (int c = 0; c < 3; ++c) {
        QLabel* cell = cellLabel(this, QStringLiteral("InpGd%1").arg(c), cells[c][0], cells[c][1], cells[c][2], 240);
        cell->installEventFilter(this);
        InpGd.append(cell);
    }
    const QStringList notes{QStringLiteral("※画像・記号・文字を選択後、該当欄を左クリック。"),
                            QStringLiteral("※別項目を選択後、該当欄をクリックすると連結されます。"),
                            QStringLiteral("※クリアは該当欄を右クリック。")};
    for (int i = 0; i < notes.size(); ++i) {
        QLabel* note = DialogLook::label(notes.at(i), this, 5650, 700 + i * 350);
        note->setFont(FontSetup::font(QStringLiteral("ＭＳ ゴシック"), 9.75));
        WidgetColor::setForeColor(note, QColor(128, 128, 255));
        note->adjustSize();
    }
}

void Pict2Form::buildThumbnails()
{
    DialogLook::label(QStringLiteral("【画像】"), this, 150, 2295);
    int index = 0;
    for (int row = 0; row < ThumbnailRows.size(); ++row) {
        for (int col = 0; col < ThumbnailRows.at(row); ++col, ++index) {
            auto* thumb = new LabelButton(QString(), index, this);
            thumb->setObjectName(QStringLiteral("SentakuImg%1").arg(index));
            thumb->setAlignment(Qt::AlignCenter);
            thumb->setFrameStyle(QFrame::Box | QFrame::Plain);
            TwipGeometry::place(thumb, 150 + col * ThumbStep, 2550 + row * ThumbStep, ThumbSize, ThumbSize);
            const QPixmap pixmap = picture(index + 1, thumb->size());
            if (pixmap.isNull())
                thumb->setText(QString::number(index + 1)); // a missing picture shows its number
            else
                thumb->setPixmap(pixmap);
            connect(thumb, &LabelButton::clicked, this, &Pict2Form::SentakuImg_Click);
            SentakuImg.append(thumb);
        }
    }
}

void Pict2Form::buildSymbols()
{
    DialogLook::label(QStringLiteral("【記号文字】"), this, 6585, 2340);
    SubFrame = new QFrame(this);
    WidgetColor::setBackColor(SubFrame, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(SubFrame, 6645, 2535, 5100, 4695);
    for (int i = 0; i < Pict2Code::SymbolCount; ++i)
        Tx1Gd.append(nullptr);
    const QList<QList<int>>& rows = Pict2Code::symbolRows();
    for (int r = 0; r < rows.size(); ++r) {
        int left = 60;
        const int top = 60 + r * 320 + (r == rows.size() - 1 ? 120 : 0);
        for (const int i : rows.at(r)) {
            auto* label = new LabelButton(Pict2Code::symbols().at(i), i, SubFrame);
            label->setObjectName(QStringLiteral("Tx1Gd%1").arg(i));
            label->setHoverColor(Qt::black);
            label->setFont(FontSetup::font(QStringLiteral("ＭＳ Ｐ明朝"), 11.25));
            label->setAlignment(Qt::AlignCenter);
            label->setAutoFillBackground(true);
            label->move(TwipGeometry::px(left), TwipGeometry::px(top));
            label->adjustSize();
            label->resize(label->width() + TwipGeometry::px(120), label->height() + TwipGeometry::px(30));
            left += TwipGeometry::twips(label->width()) + 90;
            label->installEventFilter(this);
            connect(label, &LabelButton::clicked, this, &Pict2Form::Tx1Gd_Click);
            Tx1Gd[i] = label;
        }
    }
    auto* rule = new QFrame(SubFrame);
    rule->setFrameShape(QFrame::HLine);
    TwipGeometry::place(rule, 0, 60 + (rows.size() - 1) * 320 + 20, 5100, 30);
    for (LabelButton* label : std::as_const(Tx1Gd))
        WidgetColor::setBackColor(label, SharedState::get().ColorSet.DialogBackColor);
}

void Pict2Form::showSlot(int slot, int number)
{
    QLabel* box = SetImg[slot];
    box->clear();
    if (number <= 0)
        return;
    const QPixmap pixmap = picture(number, box->size());
    if (pixmap.isNull())
        box->setText(QString::number(number));
    else
        box->setPixmap(pixmap);
}

void Pict2Form::showCells()
{
    for (int c = 0; c < 3; ++c)
        InpGd[c]->setText(entry.Cells[c]);
}

// The thumbnail clicked last is drawn sunken, the others flat.
void Pict2Form::SentakuImg_Click(int index)
{
    chosen = index + 1;
    for (LabelButton* thumb : std::as_const(SentakuImg)) {
        const bool sunken = thumb->index() == index;
        thumb->setFrameStyle(sunken ? QFrame::Panel | QFrame::Sunken : QFrame::Box | QFrame::Plain);
        thumb->setLineWidth(sunken ? 2 : 1);
    }
}

void Pict2Form::SetImg_MouseUp(int slot, Qt::MouseButton button)
{
    int& number = slot == 0 ? entry.LeftNo : entry.RightNo;
    if (button != Qt::LeftButton)
        number = 0;
    else if (chosen > 0)
        number = chosen;
    showSlot(slot, number);
}

void Pict2Form::Tx1Gd_Click(int index)
{
    symbol = index;
    for (LabelButton* label : std::as_const(Tx1Gd))
        WidgetColor::setBackColor(label, label->index() == index ? SymbolChosenColor
                                                                 : SharedState::get().ColorSet.DialogBackColor);
}

void Pict2Form::InpGd_MouseUp(int cell, Qt::MouseButton button)
{
    QString& text = entry.Cells[cell];
    if (button != Qt::LeftButton) {
        text.clear();
    } else if (symbol >= 0 && !Pict2Code::dated(symbol)) {
        text = Pict2Code::addSymbol(text, symbol);
    } else if (symbol >= 0) {
        PictDateForm picker(this);
        ModalHost::exec(picker);
        const HandOver& h = SharedState::get().Hand;
        if (!h.NenGappiManthOut.isEmpty() && !h.NenGappiDayOut.isEmpty())
            text = Pict2Code::datedText(h.NenGappiManthOut, h.NenGappiDayOut, symbol);
    }
    showCells();
}

void Pict2Form::Label1_Click(int index)
{
    QString& code = SharedState::get().Hand.Pict2Code;
    if (index == 3) {
        entry = Pict2Code();
        showSlot(0, 0);
        showSlot(1, 0);
        showCells();
        return;
    }
    if (index == 1)
        code = entry.text();
    else if (index == 2)
        code = QStringLiteral("::::");
    accept();
}

bool Pict2Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (const qsizetype slot = SetImg.indexOf(qobject_cast<QLabel*>(watched)); slot >= 0)
            SetImg_MouseUp(int(slot), button);
        else if (const qsizetype cell = InpGd.indexOf(qobject_cast<QLabel*>(watched)); cell >= 0)
            InpGd_MouseUp(int(cell), button);
    } else if (event->type() == QEvent::Enter) {
        // The symbol under the pointer gets a border; the others lose theirs.
        if (auto* label = qobject_cast<LabelButton*>(watched); label && Tx1Gd.contains(label))
            for (LabelButton* other : std::as_const(Tx1Gd))
                other->setFrameStyle(other == label ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    }
    return QDialog::eventFilter(watched, event);
}
