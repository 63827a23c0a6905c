#include "log/Cp1252.h"

#include <array>

namespace Cp1252 {

namespace {

// Windows-1252 is a fixed table, so the program carries it: a Qt built without ICU has no
// "windows-1252" converter, and the log must read and write the same bytes on every build.
// Bytes 0x00-0x7F and 0xA0-0xFF are their own code points; 0x80-0x9F hold the typographic
// characters. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand
// for the control characters of the same number, so a line typed long ago keeps every byte.
constexpr std::array<char16_t, 32> kHighControls {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr std::array<char16_t, 256> kCharacters = [] {
    std::array<char16_t, 256> chars {};
    for (int b = 0; b < 256; ++b)
        chars[b] = char16_t(b);
    for (int b = 0x80; b < 0xA0; ++b)
        chars[b] = kHighControls[b - 0x80];
    return chars;
}();

// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(kCharacters[static_cast<unsigned char>(byte)]);
    return text;
}

std::optional<QByteArray> encode(QStringView text)
{
    // Each UTF-16 unit is looked at alone: a surrogate, paired or not, has no byte, so a character
    // outside the code page is refused rather than dropped.
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const int byte = byteOf(c.unicode());
        if (byte < 0)
            return std::nullopt;
        *out++ = char(byte);
    }
    return bytes;
}

bool canEncode(QStringView text)
{
    return encode(text).has_value();
}

} // namespace Cp1252
