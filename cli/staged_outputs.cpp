#include "cli/staged_outputs.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "cli/interrupted_run.h"

namespace tw::batch {

namespace {

namespace fs = std::filesystem;

// Beside the real file, so that the final rename stays on one file system;
// the process id keeps two runs in the same folder apart.
std::string temporary_name(const std::string& name) {
    const fs::path real(name);
    const std::string hidden =
        "." + real.filename().string() + ".tarnwick-" + std::to_string(::getpid());
    return (real.parent_path() / hidden).string();
}

class StagedTarget : public TextTarget {
  public:
    StagedTarget(std::ofstream out, std::shared_ptr<bool> write_failed)
        : out_(std::move(out)), write_failed_(write_failed) {}
    ~StagedTarget() override {
        out_.flush();
        if (!out_) *write_failed_ = true;
    }
    void write(std::string_view text) override {
        out_.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out_) *write_failed_ = true;
    }
    void flush() override { out_.flush(); }

  private:
    std::ofstream out_;
    std::shared_ptr<bool> write_failed_;
};

// An append starts from what the real file already holds.
bool copy_existing(const std::string& real, const std::string& temporary) {
    std::error_code ec;
    if (!fs::exists(real, ec)) return true;
    return fs::copy_file(real, temporary, fs::copy_options::overwrite_existing, ec);
}

}  // namespace

StagedOutputs::~StagedOutputs() {
    discard();
}

std::unique_ptr<TextTarget> StagedOutputs::open(const std::string& name, OpenMode mode) {
    if (name.empty()) return nullptr;
    auto it = staged_.find(name);
    const bool first_open = it == staged_.end();
    if (first_open) it = staged_.emplace(name, Staged{temporary_name(name)}).first;
    Staged& staged = it->second;
    if (first_open && mode == OpenMode::Append && !copy_existing(name, staged.temporary)) {
        staged_.erase(it);
        return nullptr;
    }
    std::ofstream out(
        staged.temporary,
        std::ios::binary | (mode == OpenMode::Append ? std::ios::app : std::ios::trunc));
    if (!out) {
        if (first_open) staged_.erase(it);
        return nullptr;
    }
    if (first_open) staged.interrupt_slot = register_staged_file(staged.temporary, name);
    return std::make_unique<StagedTarget>(std::move(out), staged.write_failed);
}

std::string StagedOutputs::commit() {
    for (auto& [name, staged] : staged_) {
        std::error_code ec;
        if (!*staged.write_failed) fs::rename(staged.temporary, name, ec);
        if (!*staged.write_failed && !ec) unregister_staged_file(staged.interrupt_slot);
        if (*staged.write_failed || ec) {
            const std::string failed = name;
            discard();
            return failed;
        }
    }
    staged_.clear();
    return {};
}

void StagedOutputs::discard() {
    for (const auto& [name, staged] : staged_) {
        std::remove(staged.temporary.c_str());
        unregister_staged_file(staged.interrupt_slot);
    }
    staged_.clear();
}

}  // namespace tw::batch
