#include "core/cp1252.h"

#include <algorithm>
#include <cstring>

namespace zaf {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined five keep their own value.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString fromCp1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text.append(QChar(u >= 0x80 && u < 0xA0 ? kHigh[u - 0x80] : char16_t(u)));
    }
    return text;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(encodeChar(c.unicode()));
    return bytes;
}

QString readShortString(const char* at, int maxLength)
{
    const int length = std::min<int>(static_cast<unsigned char>(at[0]), maxLength);
    return fromCp1252(QByteArray(at + 1, length));
}

void writeShortString(char* at, int maxLength, const QString& text)
{
    const QByteArray bytes = toCp1252(text.left(maxLength));
    std::memset(at, 0, static_cast<size_t>(maxLength) + 1);
    at[0] = static_cast<char>(bytes.size());
    std::memcpy(at + 1, bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace zaf
