#include "Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// One converter per direction, kept open for the life of the thread.
class Converter
{
public:
    Converter(const char* to, const char* from) : handle(iconv_open(to, from))
    {
        if (handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-8");
    }
    ~Converter() { iconv_close(handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of input; returns false with the failing input offset on an invalid sequence.
    bool run(QByteArrayView input, QByteArray& output, qsizetype& failedAt)
    {
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        output.resize(input.size() * 4 + 16);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = size_t(input.size());
        char* out = output.data();
        size_t outLeft = size_t(output.size());
        while (inLeft > 0) {
            if (iconv(handle, &in, &inLeft, &out, &outLeft) != size_t(-1))
                continue;
            if (errno == E2BIG) {
                const qsizetype used = out - output.data();
                output.resize(output.size() * 2);
                out = output.data() + used;
                outLeft = size_t(output.size() - used);
                continue;
            }
            failedAt = in - input.data();
            return false;
        }
        if (iconv(handle, nullptr, nullptr, &out, &outLeft) == size_t(-1)) {
            failedAt = input.size();
            return false;
        }
        output.resize(out - output.data());
        return true;
    }

private:
    iconv_t handle;
};

Converter& decoder()
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& encoder()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::optional<QString> Cp932::decode(QByteArrayView bytes, qsizetype* errorOffset)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());
    thread_local QByteArray utf8;  // reused: scans decode many short lines
    qsizetype failedAt = 0;
    if (!decoder().run(bytes, utf8, failedAt)) {
        if (errorOffset)
            *errorOffset = failedAt;
        return std::nullopt;
    }
    return QString::fromUtf8(utf8);
}

std::optional<QByteArray> Cp932::encode(QStringView text, qsizetype* errorIndex)
{
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();
    QByteArray out;
    qsizetype failedAt = 0;
    const QByteArray utf8 = text.toUtf8();
    if (encoder().run(utf8, out, failedAt))
        return out;
    if (errorIndex)
        *errorIndex = QString::fromUtf8(utf8.left(failedAt)).size();
    return std::nullopt;
}

int Cp932::byteLength(QStringView text)
{
    int total = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            ++total;
            continue;
        }
        const qsizetype len = (c.isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const std::optional<QByteArray> bytes = encode(text.mid(i, len));
        total += bytes ? int(bytes->size()) : 1;
        i += len - 1;
    }
    return total;
}
