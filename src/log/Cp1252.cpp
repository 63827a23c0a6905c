#include "log/Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace Cp1252 {

namespace {
// The 256 characters of the code page, looked up once: building a converter for every field of
// every line would dominate the time of a listing.
const std::array<char16_t, 256>& characters()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> chars {};
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        QStringDecoder decoder("windows-1252");
        const QString decoded = decoder.decode(all);
        for (int b = 0; b < 256; ++b)
            chars[b] = decoded.size() == 256 ? decoded[b].unicode() : char16_t(b);
        return chars;
    }();
    return table;
}
} // namespace

QString decode(QByteArrayView bytes)
{
    const auto& table = characters();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(table[static_cast<unsigned char>(byte)]);
    return text;
}

std::optional<QByteArray> encode(QStringView text)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

bool canEncode(QStringView text)
{
    return encode(text).has_value();
}

} // namespace Cp1252
