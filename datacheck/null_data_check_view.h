#pragma once
// A format-check view that shows nothing, for checks run away from the
// window (fuzzing, whole-session tests): it only notes that the check ended.

#include <string>

#include "datacheck/data_check_view.h"

namespace tw {

class NullDataCheckView : public DataCheckView {
  public:
    void show_text(DataCheckField, const std::string&) override {}
    void show_display_fields() override {}
    void set_read_caption(const std::string&) override {}
    void show_last_char_label(bool) override {}
    void set_last_char_caption(const std::string&) override {}
    void unload() override { unloaded = true; }

    bool unloaded = false;
};

}  // namespace tw
