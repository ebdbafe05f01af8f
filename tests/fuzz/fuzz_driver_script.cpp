// tarnwick-drive's script parser on arbitrary text: a script is either
// refused at one of its lines, with no commands kept, or every command it
// keeps stands on a line of the script, in order.

#include <algorithm>
#include <string_view>

#include "fuzz_files.h"
#include "ui/drive/driver_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Two names stand for the windows: the parser only asks whether one is known.
    const auto script = tw::drive::parse_script(
        text, [](std::string_view w) { return w == "Form1" || w == "FORM5"; });
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (script.error) {
        if (!script.commands.empty()) tw::fuzz::fail("commands kept from a refused script");
        if (script.error->line < 1 || script.error->line > lines)
            tw::fuzz::fail("a refusal names a line outside the script");
        if (script.error->message.empty()) tw::fuzz::fail("a refusal without a message");
        return 0;
    }
    int last = 0;
    for (const auto& command : script.commands) {
        if (command.line <= last || command.line > lines)
            tw::fuzz::fail("a command out of order or outside the script");
        last = command.line;
    }
    return 0;
}
