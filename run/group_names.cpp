#include "run/group_names.h"
#include "run/array_index.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "run/host.h"
#include "run/run_context.h"

namespace tw {

namespace {

// One CSV record of a single line: fields separated by commas, a field in
// double quotes may hold commas and doubled quotes. False when a quoted
// field is not closed.
bool split_record(std::string_view line, std::vector<std::string>& fields) {
    fields.assign(1, std::string());
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return !quoted;
}

// A whole number from 1 to `most`, else 0.
std::int32_t count_in(const std::string& text, std::int32_t most) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != text.npos)
        return 0;
    const long v = std::stol(text);
    return v >= 1 && v <= most ? static_cast<std::int32_t>(v) : 0;
}

std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) lines.push_back(line);
        if (end == text.npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string line_problem(std::size_t line, const std::string& what) {
    return "line " + std::to_string(line + 1) + " " + what;
}

// The group each station of the data file belongs to, 1..NumRows.
std::vector<std::int32_t> group_of_stations(const RunContext& ctx) {
    std::vector<std::int32_t> group(at(ctx.NumRows) + 1, 0);
    std::int32_t station = 1;
    for (std::int32_t g = 1; g <= ctx.NumGroups && at(g) < ctx.RepCount.size(); ++g)
        for (std::int32_t k = 0; k < ctx.RepCount[at(g)] && station <= ctx.NumRows; ++k)
            group[at(station++)] = g;
    return group;
}

// Checks one station's line against the data file and records it.
std::string take_station(const std::vector<std::string>& f, std::int32_t station,
                         std::int32_t group, const RunContext& ctx, GroupNames& names,
                         std::vector<bool>& row_seen) {
    if (count_in(f[0], ctx.NumRows) != station)
        return "should be station " + std::to_string(station);
    if (f[1] != ctx.StationLabel[at(station)])
        return "names station \"" + f[1] + "\"; the data file's station " +
               std::to_string(station) + " is \"" + ctx.StationLabel[at(station)] + "\"";
    const std::int32_t row = count_in(f[2], ctx.NumRows);
    if (row == 0 || row_seen[at(row)])
        return "gives table row \"" + f[2] + "\", which is not one of a kind from 1 to " +
               std::to_string(ctx.NumRows);
    row_seen[at(row)] = true;
    if (count_in(f[3], ctx.NumGroups) != group)
        return "puts station " + std::to_string(station) + " in group " + f[3] +
               "; the data file puts it in group " + std::to_string(group);
    std::string& name = names.name[at(group)];
    if (f[4].empty()) return "gives no group name";
    if (!name.empty() && name != f[4])
        return "names group " + std::to_string(group) + " \"" + f[4] + "\", an earlier line \"" +
               name + "\"";
    name = f[4];
    names.table_row[at(station)] = row;
    return {};
}

}  // namespace

std::string group_names_path(const std::string& data_file) {
    std::filesystem::path p(data_file);
    p.replace_extension();
    return p.string() + ".groups.csv";
}

GroupNamesRead parse_group_names(std::string_view text, const RunContext& ctx) {
    GroupNamesRead out;
    // A spreadsheet that saved the file again may have put a byte order mark first.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const std::vector<std::string_view> lines = lines_of(text);
    std::vector<std::string> f;
    if (lines.empty() || !split_record(lines[0], f) || f.size() != 5 || f[0] != "station") {
        out.problem = "its first line is not the heading line of a group names file";
        return out;
    }
    GroupNames names;
    names.heading = f[4];
    const auto stations = static_cast<std::int32_t>(lines.size() - 1);
    if (stations != ctx.NumRows) {
        out.problem = "it names " + std::to_string(stations) + " stations; the data file has " +
                      std::to_string(ctx.NumRows);
        return out;
    }
    names.name.assign(at(ctx.NumGroups) + 1, std::string());
    names.table_row.assign(at(ctx.NumRows) + 1, 0);
    std::vector<bool> row_seen(at(ctx.NumRows) + 1, false);
    const std::vector<std::int32_t> group = group_of_stations(ctx);
    for (std::int32_t s = 1; s <= stations; ++s) {
        std::string problem = !split_record(lines[at(s)], f) || f.size() != 5
                                  ? "does not hold five fields"
                                  : take_station(f, s, group[at(s)], ctx, names, row_seen);
        if (!problem.empty()) {
            out.problem = line_problem(at(s), problem);
            return out;
        }
    }
    out.names = std::move(names);
    return out;
}

void take_group_names(RunContext& ctx, Host& host) {
    const std::string path = group_names_path(ctx.settings.input_file);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    GroupNamesRead read =
        in ? parse_group_names(text.str(), ctx) : GroupNamesRead{{}, "it cannot be read"};
    if (read.problem.empty()) {
        ctx.GroupNames = std::move(read.names);
        return;
    }
    host.note("Group Names", "The group names file \"" + path + "\" does not fit the data file \"" +
                                 ctx.settings.input_file + "\": " + read.problem +
                                 ". The stations' own labels are shown instead.");
}

const std::string& shown_group_label(const RunContext& ctx, std::int32_t g) {
    static const std::string none;
    if (g < 1) return none;
    if (ctx.GroupNames.present() && at(g) < ctx.GroupNames.name.size())
        return ctx.GroupNames.name[at(g)];
    return at(g) < ctx.GroupLabel.size() ? ctx.GroupLabel[at(g)] : none;
}

}  // namespace tw
