#include "import/text_decoding.h"

#include <cstdint>

#include "run/code_page.h"

namespace tw::import {

namespace {

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
    return tw::is_valid_utf8(bytes);
}

DecodedText decode_table_text(std::string_view bytes) {
    if (starts_with(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (starts_with(bytes, "\xFF\xFE"))
        return {from_utf16(bytes.substr(2), true), TextEncoding::Utf16};
    if (starts_with(bytes, "\xFE\xFF"))
        return {from_utf16(bytes.substr(2), false), TextEncoding::Utf16};
    if (is_valid_utf8(bytes)) return {std::string(bytes), TextEncoding::Utf8};
    return {as_utf8(std::string(bytes)), TextEncoding::Windows1252};
}

}  // namespace tw::import
