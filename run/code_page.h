#pragma once
// Text in the Windows code page. Data files saved by older Windows programs
// hold their accented letters as single bytes of Windows-1252; everything
// the program shows and writes is UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

bool is_valid_utf8(std::string_view text);

// Appends the UTF-8 of the Unicode code point `cp`.
void append_utf8(std::string& out, std::uint32_t cp);

// The UTF-8 of the Windows-1252 character with code `code`. The five codes
// that code page leaves unassigned (129, 141, 143, 144, 157) stand for the
// control character of the same number, as Windows itself reads them, so
// that every code gives a character of its own.
std::string windows1252_char(unsigned char code);

// Text as UTF-8: unchanged when it is valid UTF-8 already, else read byte by
// byte as Windows-1252.
std::string as_utf8(std::string text);

}  // namespace tw
