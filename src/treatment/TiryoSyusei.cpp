#include "TiryoSyusei.h"

#include "TensuText.h"

TiryoSyusei::Click TiryoSyusei::click(Ken ken, int column)
{
    if (!TiryoLine::isMiyazaki(ken))
        return column >= 5 && column <= 7 ? Click::Manual : Click::Panel;
    if (column <= 1)
        return Click::Panel;
    return column >= 7 ? Click::Manual : Click::Code;
}

std::optional<QString> TiryoSyusei::bpointValue(const QString& bpointOut, QString* message)
{
    const std::optional<QString> number = TensuText::typedNumber(bpointOut);
    if (!number && message)
        *message = QStringLiteral("数値を入力してください。");
    return number;
}
