#pragma once
// Sequential output channels by number, as the stages name them: the report
// sink is channel 2 (channel 1 is the input file, read by the reader); the
// average-matrix file, CLUSTER.LST and SIGLIST.TXT take the next free one.

#include <map>
#include <memory>
#include <string>

#include "run/host.h"
#include "run/printer.h"

namespace tw {

class Channels {
  public:
    static constexpr int kReport = 2;

    // Open `name` on channel `number` (closing whatever it held). Throws
    // RunError naming the file when the host cannot open it.
    Printer& open(Host& host, int number, const std::string& name, OpenMode mode);
    // Open on the next free channel; returns its number.
    int open_next(Host& host, const std::string& name, OpenMode mode);

    bool is_open(int number) const { return open_.count(number) != 0; }
    Printer& at(int number);
    Printer& report() { return at(kReport); }

    void close(int number);
    void close_all();

  private:
    struct Open {
        std::unique_ptr<TextTarget> target;
        std::unique_ptr<Printer> printer;
    };
    std::map<int, Open> open_;
};

}  // namespace tw
