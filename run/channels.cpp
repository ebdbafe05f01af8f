#include "run/channels.h"

#include "run/outcome.h"

namespace tw {

Printer& Channels::open(Host& host, int number, const std::string& name, OpenMode mode) {
    close(number);
    std::unique_ptr<TextTarget> target = host.open_output(name, mode);
    if (!target) {
        throw RunError("File Error", "The file \"" + name + "\" cannot be created or written.");
    }
    Open entry;
    entry.printer = std::make_unique<Printer>(target.get());
    entry.target = std::move(target);
    Printer& p = *entry.printer;
    open_[number] = std::move(entry);
    return p;
}

int Channels::open_next(Host& host, const std::string& name, OpenMode mode) {
    int number = kReport + 1;  // 1 is the input file, 2 the report sink
    while (open_.count(number)) ++number;
    open(host, number, name, mode);
    return number;
}

Printer& Channels::at(int number) {
    auto it = open_.find(number);
    if (it == open_.end())
        throw RunError("File Error", "Channel " + std::to_string(number) + " is not open.");
    return *it->second.printer;
}

void Channels::close(int number) {
    auto it = open_.find(number);
    if (it == open_.end()) return;
    it->second.target->flush();
    open_.erase(it);
}

void Channels::close_all() {
    while (!open_.empty()) close(open_.begin()->first);
}

}  // namespace tw
