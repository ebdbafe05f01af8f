#include "run/questions.h"

#include "run/outcome.h"

namespace tw {

void ask_to_continue(Host& host, const std::string& warning_name, const std::string& prompt) {
    if (host.ask(continue_title(warning_name), prompt, Buttons::YesNo) != Answer::Yes) {
        throw ProgramEnd{};
    }
}

}  // namespace tw
