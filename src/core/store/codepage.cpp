#include "store/codepage.h"

namespace pny {
namespace {

// The characters of bytes 0x80 to 0x9F; the rest of the code page equals Latin-1. The five
// undefined bytes map to the control characters of the same value, so that any byte survives a
// round trip.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString fromCodePage(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char byte : bytes) {
        if (byte >= 0x80 && byte < 0xA0) {
            text += QChar(kHighControls[byte - 0x80]);
        } else {
            text += QChar(byte);
        }
    }
    return text;
}

bool toCodePage(const QString& text, std::string& bytes) {
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes += static_cast<char>(code);
            continue;
        }
        bool found = false;
        for (int i = 0; i < 32; ++i) {
            if (kHighControls[i] == code) {
                bytes += static_cast<char>(0x80 + i);
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    return true;
}

}  // namespace pny
