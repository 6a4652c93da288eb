#include "IbaragiPrintForm.h"

#include "TiryoboPrint.h"
#include "common/LabelButtonArray.h"
#include "common/MsgBox.h"
#include "common/PrintDevice.h"
#include "common/PrintDeviceSource.h"
#include "common/SharedState.h"
#include "treatment/NyuryokuLook.h"

#include <QLabel>

namespace {
enum Command { Tojiru, Kaisi };
}

IbaragiPrintForm::IbaragiPrintForm(const TiryoboBook& book, QWidget* parent) : QDialog(parent), book(book)
{
    NyuryokuLook::dialog(this, QStringLiteral("IbaragiPrintForm"), 5000, 4000, 5265, 1275);
    NyuryokuLook::label(QStringLiteral("治療簿印刷"), this, 120, 90, 1300)
        ->setStyleSheet(QStringLiteral("color: rgb(0,192,0); font-weight: bold;"));
    NyuryokuLook::label(QStringLiteral("B5用紙をセットして下しさい。"), this, 1500, 90, 2700)
        ->setStyleSheet(QStringLiteral("color: rgb(128,128,255);"));
    NyuryokuLook::label(QStringLiteral("※選択行から「治療終了」の入力行までを印刷します。"), this, 120, 450, 5000)
        ->setStyleSheet(QStringLiteral("color: rgb(128,128,255);"));
    CmdGd = NyuryokuLook::commands(this, {{Kaisi, QStringLiteral("印刷開始"), 2100, 870, 1000},
                                          {Tojiru, QStringLiteral("閉る"), 4560, 90, 500}});
    connect(CmdGd, &LabelButtonArray::clicked, this, &IbaragiPrintForm::CmdGd_Click);
}

void IbaragiPrintForm::CmdGd_Click(int index)
{
    if (printing)
        return;
    if (index == Kaisi)
        TiryoboPrintProc();
    else
        reject();
}

bool IbaragiPrintForm::TiryoboPrintProc()
{
    printing = true;
    const SharedState& s = SharedState::get();
    TiryoboPrint::Input in;
    in.rows = book.rows.mid(std::max(book.Row, 1));
    in.printData = s.Hand.IbaragiPrintData;
    in.kotaiData = s.Hand.IbaragiKotaiData;
    in.companyForm = s.Site.text(QStringLiteral("FarmCompanyForm"));
    in.companyName = s.Site.text(QStringLiteral("FarmCompanyName"));
    const std::shared_ptr<PrintDevice> device = PrintDeviceSource::open(QStringLiteral("治療簿"));
    const QStringList missing = TiryoboPrint::TiryoboPrintProc(*device, in);
    QString error;
    const bool done = device->endDoc(&error);
    printing = false;
    if (!missing.isEmpty())
        MsgBox::show(QStringLiteral("次の画像が見つからないため印刷しませんでした。\n") + missing.join(QLatin1Char('\n')),
                     QStringLiteral("印刷"));
    if (!done) {
        MsgBox::show(error, QStringLiteral("印刷"));
        return false;
    }
    const QString where = device->destinationMessage();
    MsgBox::show(where.isEmpty() ? QStringLiteral("終了しました。") : QStringLiteral("終了しました。\n") + where,
                 QStringLiteral("確認"));
    return true;
}
