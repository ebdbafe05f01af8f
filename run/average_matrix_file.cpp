#include "run/average_matrix_file.h"

namespace tw {

namespace {

constexpr int kValueColumn = 10;
const std::string kQuote = "\"";

void write_heading(const RunContext& ctx, Printer& file, std::int32_t num_groups) {
    file.text(kQuote + ctx.DataTitle + kQuote).end();
    file.num(num_groups).zone().num(ctx.NumCols).end();
    file.text(kQuote + "STATION " + kQuote);
    for (std::int32_t j = 1; j <= ctx.NumCols; ++j) {
        file.text(kQuote + ctx.SpeciesLabel[static_cast<std::size_t>(j)] + kQuote + " ");
    }
    file.text(" ").end();
}

// A label whose closing quote passes column 9 pushes the values to the next
// line; all values of a row stay on one line however many there are.
void write_row(const RunContext& ctx, Printer& file, std::int32_t g, const Matrix<float>& avg,
               const std::string& label) {
    file.text(kQuote + label + kQuote).tab(kValueColumn);
    for (std::int32_t j = 1; j <= ctx.NumCols; ++j) file.pattern("#0.000 ", avg(g, j));
    file.text(" ").end();
}

}  // namespace

void write_average_matrix_file(RunContext& ctx, Host& host, std::int32_t num_groups,
                               const Matrix<float>& avg,
                               const std::vector<std::string>& group_label) {
    Printer& m = host.messages();
    m.clear();
    m.text("The full square similarity matrix will be printed in row-major order").end();
    m.text("(all of row 1, then all of row 2, etc.) twenty column per line").end();
    m.line();
    const int channel = ctx.channels.open_next(host, ctx.settings.average_file, OpenMode::Write);
    m.line();
    Printer& file = ctx.channels.at(channel);
    write_heading(ctx, file, num_groups);
    for (std::int32_t g = 1; g <= num_groups; ++g) {
        m.num(g);
        if (g % 10 == 0) m.clear();
        write_row(ctx, file, g, avg, group_label[static_cast<std::size_t>(g)]);
        m.end();
    }
    ctx.channels.close(channel);
}

}  // namespace tw
