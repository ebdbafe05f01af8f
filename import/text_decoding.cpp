#include "import/text_decoding.h"

#include <array>
#include <cstdint>

namespace tw::import {

namespace {

void append_utf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 bytes 0x80..0x9F; the five it leaves undefined map to
// themselves as C1 controls, as Windows does.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string from_windows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            append_utf8(out, kHighControls[b - 0x80]);
        } else {
            append_utf8(out, b);
        }
    }
    return out;
}

std::string from_utf16(std::string_view bytes, bool little_endian) {
    std::string out;
    auto unit = [&](std::size_t i) -> std::uint32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return little_endian ? (a | (b << 8)) : ((a << 8) | b);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 3 < bytes.size()) {
            const std::uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        append_utf8(out, cp);
    }
    return out;
}

bool starts_with(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool is_valid_utf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        int follow = 0;
        std::uint32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            follow = 1, cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            follow = 2, cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            follow = 3, cp = b & 0x07;
        } else {
            return false;
        }
        if (i + follow >= bytes.size()) return false;
        for (int k = 1; k <= follow; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        static constexpr std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[follow] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return false;
        i += follow + 1;
    }
    return true;
}

DecodedText decode_table_text(std::string_view bytes) {
    if (starts_with(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (starts_with(bytes, "\xFF\xFE"))
        return {from_utf16(bytes.substr(2), true), TextEncoding::Utf16};
    if (starts_with(bytes, "\xFE\xFF"))
        return {from_utf16(bytes.substr(2), false), TextEncoding::Utf16};
    if (is_valid_utf8(bytes)) return {std::string(bytes), TextEncoding::Utf8};
    return {from_windows1252(bytes), TextEncoding::Windows1252};
}

}  // namespace tw::import
