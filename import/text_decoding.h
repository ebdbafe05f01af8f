#pragma once
// Turning a table file's bytes into UTF-8 text: spreadsheets write UTF-8 with
// or without a byte-order mark, "Unicode text" as UTF-16, and older Windows
// programs Windows-1252, which is what bytes that are not valid UTF-8 are
// taken to be.

#include <string>
#include <string_view>

namespace tw::import {

enum class TextEncoding { Utf8, Utf16, Windows1252 };

struct DecodedText {
    std::string utf8;  // without any byte-order mark
    TextEncoding encoding = TextEncoding::Utf8;
};

DecodedText decode_table_text(std::string_view bytes);

bool is_valid_utf8(std::string_view bytes);

}  // namespace tw::import
