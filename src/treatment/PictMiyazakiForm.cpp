#include "PictMiyazakiForm.h"

#include "NyuryokuLook.h"
#include "common/BitmapPicture.h"
#include "common/LabelButtonArray.h"
#include "common/SharedState.h"
#include "common/TwipGeometry.h"
#include "common/WidgetColor.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPixmap>

namespace {
enum Command { Tojiru, Ok, Sakujyo };
constexpr int ImgWidth = 1100;
constexpr int ImgHeight = 700;
constexpr int RowTop = 3200;

QLabel* picture(QWidget* parent, const QString& name, int left, int top, int width, int height, bool raised)
{
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setFrameStyle(QFrame::Box | (raised ? QFrame::Raised : QFrame::Plain));
    box->setScaledContents(true);
    TwipGeometry::place(box, left, top, width, height);
    return box;
}

void showImage(QLabel* box, const QImage& image)
{
    box->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
}
}

QString PictMiyazakiForm::halfFile(bool left, int n)
{
    return BitmapPicture::pictFile((left ? QStringLiteral("M_Left") : QStringLiteral("M_Right")) + QString::number(n));
}

PictMiyazakiForm::PictMiyazakiForm(QWidget* parent) : QDialog(parent)
{
    NyuryokuLook::dialog(this, QStringLiteral("PictMiyazakiForm"), 0, 0, 5900, RowTop + 10 * (ImgHeight + 60) + 200);
    WidgetColor::setBackColor(this, SharedState::get().ColorSet.DialogBackColor);
    NyuryokuLook::label(QStringLiteral("子宮画像"), this, 150, 100, 1200);
    Label1 = NyuryokuLook::commands(this, {{Ok, QStringLiteral("OK"), 2500, 100, 700},
                                           {Sakujyo, QStringLiteral("削除"), 3400, 100, 700},
                                           {Tojiru, QStringLiteral("閉る"), 4300, 100, 700}});
    connect(Label1, &LabelButtonArray::clicked, this, &PictMiyazakiForm::Label1_Click);
    for (int i = 0; i < 2; ++i)
        SetImg.append(picture(this, QStringLiteral("SetImg%1").arg(i), 900 + i * 2000, 500, 2000, 2000, true));
    ChangeCh = new QCheckBox(QStringLiteral("左右入替"), this);
    ChangeCh->setObjectName(QStringLiteral("ChangeCh"));
    WidgetColor::setBackColor(ChangeCh, SharedState::get().ColorSet.DialogBackColor);
    TwipGeometry::place(ChangeCh, 900, 2650, 1500, 300);
    connect(ChangeCh, &QCheckBox::clicked, this, &PictMiyazakiForm::ChangeCh_Click);
    SentakuGd = new LabelButtonArray(this);
    for (int i = 0; i < 20; ++i)
        buildRow(i);
    SentakuGd->resetOn(this);
    connect(SentakuGd, &LabelButtonArray::clicked, this, &PictMiyazakiForm::Sentaku_Click);
}

void PictMiyazakiForm::buildRow(int i)
{
    const int left = 150 + (i / 10) * 2900;
    const int top = RowTop + (i % 10) * (ImgHeight + 60);
    LabelButton* number = SentakuGd->add(QString::number(i + 1), i, this);
    number->setObjectName(QStringLiteral("SentakuGd%1").arg(i));
    TwipGeometry::place(number, left, top + 200, 400, 270);
    SentakuImgL.append(picture(this, QStringLiteral("SentakuImgL%1").arg(i), left + 450, top, ImgWidth, ImgHeight, false));
    SentakuImgR.append(picture(this, QStringLiteral("SentakuImgR%1").arg(i), left + 450 + ImgWidth, top, ImgWidth,
                               ImgHeight, false));
    showImage(SentakuImgL.last(), BitmapPicture::load(halfFile(true, i + 1)));
    showImage(SentakuImgR.last(), BitmapPicture::load(halfFile(false, i + 1)));
    for (QLabel* img : {SentakuImgL.last(), SentakuImgR.last()}) {
        img->setProperty("sentaku", i);
        img->installEventFilter(this);
    }
}

void PictMiyazakiForm::Sentaku_Click(int index)
{
    SharedState::get().Hand.PictMiyazakiNo = index + 1;
    chosenHere = true;
    holder[0] = BitmapPicture::load(halfFile(true, index + 1));
    holder[1] = BitmapPicture::load(halfFile(false, index + 1));
    showPreview();
}

void PictMiyazakiForm::showPreview()
{
    if (!chosenHere)
        return;
    const bool swapped = ChangeCh->isChecked();
    showImage(SetImg[0], holder[swapped ? 1 : 0]);
    showImage(SetImg[1], holder[swapped ? 0 : 1]);
}

void PictMiyazakiForm::ChangeCh_Click()
{
    showPreview();
}

void PictMiyazakiForm::Label1_Click(int index)
{
    QString& out = SharedState::get().Hand.PictMiyazakiOut;
    if (index == Ok && chosenHere)
        out = (ChangeCh->isChecked() ? QStringLiteral("1:") : QStringLiteral("0:"))
            + QString::number(SharedState::get().Hand.PictMiyazakiNo);
    else if (index == Sakujyo)
        out = QStringLiteral("Del");
    else
        out.clear();
    index == Tojiru ? reject() : accept();
}

bool PictMiyazakiForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->property("sentaku").isValid())
        Sentaku_Click(watched->property("sentaku").toInt());
    return QDialog::eventFilter(watched, event);
}
