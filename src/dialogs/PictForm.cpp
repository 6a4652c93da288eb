#include "PictForm.h"

#include "common/BitmapPicture.h"
#include "common/DialogLook.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"

#include <QLabel>

namespace {
constexpr int Box = 900;
constexpr int Step = 960;
constexpr int Left = 150;
const int RowTops[] = {960, 2160, 3360};

// Row and column of box index i: 0 to 8, 9 to 19, 20 to 26.
QPair<int, int> place(int i)
{
    if (i < 9)
        return {0, i};
    if (i < 20)
        return {1, i - 9};
    return {2, i - 20};
}

// "[←", ideographic spaces, the words, ideographic spaces, "→]" across count boxes.
QLabel* spanHeading(QWidget* parent, const QString& words, int row, int firstCol, int count)
{
    auto* heading = DialogLook::label(QString(), parent, Left + firstCol * Step, RowTops[row] - 300);
    const QFontMetrics fm(heading->font());
    const int width = TwipGeometry::px(count * Step - 60);
    QString pad;
    while (fm.horizontalAdvance(QStringLiteral("[←") + pad + QChar(0x3000) + words + pad + QChar(0x3000) + QStringLiteral("→]")) < width)
        pad += QChar(0x3000);
    heading->setText(QStringLiteral("[←") + pad + words + pad + QStringLiteral("→]"));
    heading->adjustSize();
    return heading;
}
} // namespace

PictForm::PictForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PictForm"));
    DialogLook::frameless(this, 500, 1500, 10950, 4500, SharedState::get().ColorSet.DialogBackColor);
    DialogLook::titleLabel(QStringLiteral("子宮画像"), this, 150, 120, 11.25);
    Label1 = new LabelButtonArray(this);
    DialogLook::command(Label1, QStringLiteral("OK"), 1, this, 8800, 120);
    DialogLook::command(Label1, QStringLiteral("削除"), 2, this, 9500, 120);
    DialogLook::command(Label1, QStringLiteral("閉る"), 0, this, 10200, 120);
    Label1->resetOn(this);
    connect(Label1, &LabelButtonArray::clicked, this, &PictForm::Label1_Click);
    buildHeadings();
    for (int i = 0; i < PictCount; ++i) {
        auto* box = new LabelButton(QString(), i, this);
        box->setObjectName(QStringLiteral("SentakuImg%1").arg(i));
        box->setAlignment(Qt::AlignCenter);
        const auto [row, col] = place(i);
        TwipGeometry::place(box, Left + col * Step, RowTops[row], Box, Box);
        const QImage picture = BitmapPicture::load(BitmapPicture::pictFile(QStringLiteral("Pict_%1").arg(i)));
        if (picture.isNull())
            box->setText(QString::number(i + 1)); // a missing picture shows its number
        else
            box->setPixmap(QPixmap::fromImage(picture.scaled(box->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        connect(box, &LabelButton::clicked, this, &PictForm::SentakuImg_Click);
        SentakuImg.append(box);
    }
    SharedState::get().Hand.PictNoOut = 0;
}

void PictForm::buildHeadings()
{
    const QStringList single{QStringLiteral("[発情期]"), QStringLiteral("[2日後]"), QStringLiteral("[4日後]"),
                             QStringLiteral("[6～7日]"), QStringLiteral("[9～10日]"), QStringLiteral("[12～14日]"),
                             QStringLiteral("[16～17日]"), QStringLiteral("[19～20日]"), QStringLiteral("[21日]")};
    for (int i = 0; i < single.size(); ++i)
        DialogLook::label(single.at(i), this, Left + i * Step, RowTops[0] - 300);
    spanHeading(this, QStringLiteral("発情期"), 1, 0, 3);
    spanHeading(this, QStringLiteral("黄体期卵巣3～5日"), 1, 3, 3);
    spanHeading(this, QStringLiteral("黄体期卵巣6～15日"), 1, 6, 5);
    spanHeading(this, QStringLiteral("黄体期卵巣16～19日"), 2, 0, 3);
    spanHeading(this, QStringLiteral("その他の卵巣"), 2, 3, 4);
}

// The box clicked last is raised, the others flat.
void PictForm::SentakuImg_Click(int index)
{
    chosen = index + 1;
    for (LabelButton* box : std::as_const(SentakuImg)) {
        const bool raised = box->index() == index;
        box->setFrameStyle(raised ? QFrame::Panel | QFrame::Raised : QFrame::Box | QFrame::Plain);
        box->setLineWidth(raised ? 3 : 1);
    }
}

void PictForm::Label1_Click(int index)
{
    int& out = SharedState::get().Hand.PictNoOut;
    out = index == 1 ? chosen : index == 2 ? -1 : 0;
    accept();
}
