#include "ByteLenProc.h"

#include "Cp932.h"

int ByteLenProc(QStringView text)
{
    return Cp932::byteLength(text);
}
