// Data files in the Windows code page, and print positions of letters that
// take more than one byte.

#include <gtest/gtest.h>

#include <set>

#include "run/code_page.h"
#include "run/printer.h"
#include "support/scripted_host.h"

namespace tw {
namespace {

TEST(CodePage, TextThatIsNotUtf8IsReadAsWindows1252) {
    EXPECT_EQ(as_utf8("Pr\xE9s sal\xE9"), "Pr\xC3\xA9s sal\xC3\xA9");
    // The codes where the Windows code page has its own characters.
    EXPECT_EQ(as_utf8("\x80 \x8C \x9F"), "\xE2\x82\xAC \xC5\x92 \xC5\xB8");
    // A byte that could start UTF-8 but is not followed like it.
    EXPECT_EQ(as_utf8("\xC3("), "\xC3\x83(");
    // Overlong forms and surrogates are not UTF-8 either.
    EXPECT_FALSE(is_valid_utf8("\xC0\xAF"));
    EXPECT_FALSE(is_valid_utf8("\xED\xA0\x80"));
    EXPECT_FALSE(is_valid_utf8("\xF4\x90\x80\x80"));
}

TEST(CodePage, Utf8TextIsKeptByteForByte) {
    for (const std::string s : {"plain", "Pr\xC3\xA9s", "\xE2\x82\xAC", "\xF0\x9F\x8C\xBF", ""}) {
        EXPECT_TRUE(is_valid_utf8(s));
        EXPECT_EQ(as_utf8(s), s);
    }
}

TEST(CodePage, EveryCodeGivesADistinctCharacter) {
    std::set<std::string> seen;
    for (int code = 0; code <= 255; ++code) {
        const std::string c = windows1252_char(static_cast<unsigned char>(code));
        EXPECT_TRUE(is_valid_utf8(c)) << code;
        seen.insert(c);
    }
    EXPECT_EQ(seen.size(), 256u);
}

TEST(CodePage, PrintZonesCountLettersNotBytes) {
    test::RecordingTarget target;
    Printer p(&target);
    p.text("\"Pr\xC3\xA9s\"").zone().text("A").end();
    EXPECT_EQ(target.history, "\"Pr\xC3\xA9s\"        A\r\n");
}

}  // namespace
}  // namespace tw
