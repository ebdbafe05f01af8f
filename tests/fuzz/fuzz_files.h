#pragma once
// What the fuzz targets share: a scratch data file per fuzzing process, a
// host that answers Yes to every question and remembers whether the program
// ended, and a data-check window that shows nothing.

#include <cstddef>
#include <cstdint>
#include <string>

#include "datacheck/data_check_view.h"
#include "run/null_host.h"

namespace tw::fuzz {

// Writes the bytes to this process's scratch file (removed at exit) and
// returns its path.
std::string write_scratch_file(const std::uint8_t* data, std::size_t size);

// Stops the fuzzer with a message: an input broke a promise of the code
// under test without crashing it.
[[noreturn]] void fail(const std::string& what);

class YesHost : public NullHost {
  public:
    void end_program() override { ended = true; }
    bool ended = false;
};

class BlankView : public DataCheckView {
  public:
    void show_text(DataCheckField, const std::string&) override {}
    void show_display_fields() override {}
    void set_read_caption(const std::string&) override {}
    void show_last_char_label(bool) override {}
    void set_last_char_caption(const std::string&) override {}
    void unload() override { unloaded = true; }
    bool unloaded = false;
};

}  // namespace tw::fuzz
