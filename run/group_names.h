#pragma once
// The names a user gave the replicate groups in the table a data file was
// imported from. The data file has no room for them, so the import writes
// them beside it ("dune.txt" -> "dune.groups.csv"), one line per station:
//
//   station,station_label,table_row,group,<heading of the grouping column>
//   1,"2",2,1,"BF"
//
// station and group number the data file's stations and groups from 1;
// table_row is the station's place among the stations of the user's table
// (its row, or its column when the stations are columns), from 1; the last
// column holds the station's value in the grouping column, its group's name.
//
// A run takes the names only when the file describes exactly the stations
// and groups it has read; the report, CLUSTER.LST and SIGLIST.TXT keep the
// stations' own labels either way. The windows' lists, the publication
// figure and the exports show the names.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

struct RunContext;
class Host;

struct GroupNames {
    std::string heading;                  // the grouping column's heading
    std::vector<std::string> name;        // 1..NumGroups; empty when none were taken
    std::vector<std::int32_t> table_row;  // 1..NumRows: place in the user's table

    bool present() const { return !name.empty(); }
};

// The names file beside a data file: its name without the last extension,
// then ".groups.csv".
std::string group_names_path(const std::string& data_file);

// What went wrong with a names file that the run did not take; empty when
// it fits.
struct GroupNamesRead {
    GroupNames names;
    std::string problem;
};

// Reads the names file text against the run's stations, labels and group
// sizes.
GroupNamesRead parse_group_names(std::string_view text, const RunContext& ctx);

// The run's step: takes the names file beside the data file into
// ctx.GroupNames when it fits; when one is there but does not fit, says so
// in one message naming the file and keeps the stations' own labels. No
// file, no names and no message.
void take_group_names(RunContext& ctx, Host& host);

// The label the figure, FORM5's lists and the exports show for group g: its
// name when the run has names, else GroupLabel(g); empty out of range.
const std::string& shown_group_label(const RunContext& ctx, std::int32_t g);

}  // namespace tw
