#pragma once
// What the "Checking Input Data File ..." window shows while the format check
// runs, as the checker drives it. The window implements this with its labels;
// the tests implement it with a recorder.
//
// When the window first appears the display fields (CharOut, CharNum,
// TotChar, LineNum and their captions) and the last-character label are
// hidden, the file-name label is empty and Command1 reads "Read"; the checker
// changes them from the first press of Command1 on.

#include <string>

namespace tw {

// The window's fixed texts.
namespace data_check_text {
inline constexpr const char* kCaption = "Checking Input Data File ...";
inline constexpr const char* kRead = "Read";          // Command1 before the first press
inline constexpr const char* kContinue = "Continue";  // Command1 from the first press on
inline constexpr const char* kExit = "Exit";          // Command2
inline constexpr const char* kInputFile = "Input File:";
inline constexpr const char* kLineNumber = "Line number:";
inline constexpr const char* kCharacterNumber = "Character #:";
inline constexpr const char* kCharacterRead = "Character being Read:";
inline constexpr const char* kLineLength = "Number of Characters in this Line:";
inline constexpr const char* kLastCharacter = "This is the last character in the line";
inline constexpr const char* kPastLastData = "Input past last data";
}  // namespace data_check_text

// The labels whose text the checker sets.
enum class DataCheckField {
    FileName,  // the label beside "Input File:"
    LineNum,   // line number
    CharNum,   // position of the character being read
    CharOut,   // the character being read
    TotChar,   // characters in the current line
    Status,    // what is being examined, e.g. "Examining Title Line"
};

class DataCheckView {
  public:
    virtual ~DataCheckView() = default;

    // Numbers arrive already written as plain integers ("12").
    virtual void show_text(DataCheckField field, const std::string& text) = 0;
    // Make CharOut, CharNum, TotChar, LineNum and their captions visible.
    virtual void show_display_fields() = 0;
    // Command1's caption.
    virtual void set_read_caption(const std::string& caption) = 0;
    // The label captioned "This is the last character in the line".
    virtual void show_last_char_label(bool visible) = 0;
    virtual void set_last_char_caption(const std::string& caption) = 0;
    // The check has ended: the window goes away for good. Called from inside
    // DataCheck::read_pressed, so the window must not destroy the DataCheck it
    // owns before that call returns (delete it later, e.g. deleteLater()).
    virtual void unload() = 0;
};

}  // namespace tw
