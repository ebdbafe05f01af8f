#include "ui/output_targets.h"

#include <QWidget>
#include <algorithm>
#include <cctype>
#include <fstream>

#include "ui/report_printing.h"
#include "ui/report_window.h"

namespace tw::ui {

namespace {

class FileTarget : public TextTarget {
  public:
    explicit FileTarget(std::ofstream out) : out_(std::move(out)) {}
    void write(std::string_view text) override {
        out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    void flush() override { out_.flush(); }

  private:
    std::ofstream out_;
};

class ScreenTarget : public TextTarget {
  public:
    explicit ScreenTarget(ReportWindow* w) : window_(w) {}
    void write(std::string_view text) override {
        if (window_) window_->append(text);
    }

  private:
    QPointer<ReportWindow> window_;
};

class PrinterTarget : public TextTarget {
  public:
    explicit PrinterTarget(QWidget* parent) : parent_(parent) {}
    ~PrinterTarget() override {
        if (!collected_.empty()) {
            print_report(parent_, QString::fromUtf8(collected_.data(),
                                                    static_cast<qsizetype>(collected_.size())));
        }
    }
    void write(std::string_view text) override { collected_.append(text); }

  private:
    QPointer<QWidget> parent_;
    std::string collected_;
};

class CopyingTarget : public TextTarget {
  public:
    CopyingTarget(std::unique_ptr<TextTarget> target, std::string& copy)
        : target_(std::move(target)), copy_(copy) {
        copy_.clear();
    }
    void write(std::string_view text) override {
        target_->write(text);
        copy_.append(text);
    }
    void clear() override { target_->clear(); }
    void flush() override { target_->flush(); }

  private:
    std::unique_ptr<TextTarget> target_;
    std::string& copy_;
};

bool same_name(const std::string& name, const char* device) {
    const std::string d(device);
    return name.size() == d.size() &&
           std::equal(name.begin(), name.end(), d.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == b;
           });
}

}  // namespace

bool is_screen_device(const std::string& name) {
    return same_name(name, "SCRN:");
}
bool is_printer_device(const std::string& name) {
    return same_name(name, "LPT1:");
}

std::unique_ptr<TextTarget> open_file_target(const std::string& path, OpenMode mode) {
    if (path.empty()) return nullptr;
    std::ofstream out(
        path, std::ios::binary | (mode == OpenMode::Append ? std::ios::app : std::ios::trunc));
    if (!out) return nullptr;
    return std::make_unique<FileTarget>(std::move(out));
}

std::unique_ptr<TextTarget> open_screen_target(ReportWindow* window, OpenMode mode) {
    if (!window) return nullptr;
    if (mode == OpenMode::Write) window->begin();
    window->show();
    window->raise();
    return std::make_unique<ScreenTarget>(window);
}

std::unique_ptr<TextTarget> copying_target(std::unique_ptr<TextTarget> target, std::string& copy) {
    if (!target) return nullptr;
    return std::make_unique<CopyingTarget>(std::move(target), copy);
}

std::unique_ptr<TextTarget> open_printer_target(QWidget* dialog_parent) {
    return std::make_unique<PrinterTarget>(dialog_parent);
}

}  // namespace tw::ui
