#pragma once
// Channel lists in the comma-separated layout that spreadsheets and other radio programs read
// and write: a header row naming the columns (any subset, any order), then one channel a row.
//
// Export writes one group or every group. Import plans first (every row is either taken, with
// its channel number, or refused with its line and reason), then applies the plan through the
// channel edit operations, so imported values obey the same rules as values typed in the grid.

#include <string>
#include <string_view>
#include <vector>

namespace zb {

struct AppContext;

// Every group (0..19) in one file: Location = group x 40 + channel number.
inline constexpr int kCsvAllGroups = -1;

struct CsvExport {
    std::string text;
    int rows = 0;
};

// The channels of group (0..19), or of every group for kCsvAllGroups, as CSV text (UTF-8, CRLF).
CsvExport ExportChannelsCsv(AppContext& ctx, int group);

// One row that will become channel chNo of the group; every field of the channel is given.
struct CsvChannel {
    int line = 0;
    int chNo = 0;
    int64_t rxHz = 0;
    int64_t txHz = 0;
    int decTone = 0;
    int encTone = 0;
    int scan = 1;
    int plus10k = 0;
    int tsq = 0;
    int busy = 0;
    int rbTone = 0;
    int rbLock = 0;
    int repEnable = 0;
    int repShift = 0;
};

struct CsvImportPlan {
    int group = 0;  // 0..19
    bool replace = false;
    std::string fatal;  // why the file is no channel list at all; nothing else is filled then
    std::vector<CsvChannel> accepted;  // in file order
    std::vector<std::string> refused;  // "line N: reason", in file order
    std::vector<std::string> notes;    // frequencies taken onto the channel grid
    std::vector<std::string> ignoredColumns;  // present in the file, no place in this radio

    bool CanApply() const { return fatal.empty() && !accepted.empty(); }
};

// Reads text and decides every row for import into group (0..19). Changes nothing. Texts are
// in the current language.
CsvImportPlan PlanCsvImport(const AppContext& ctx, std::string_view text, int group, bool replace);

// Puts the accepted rows into the document: each replaces the channel of its number; with
// replace, the group's channels that the file does not give are removed afterwards. Does
// nothing for a plan that cannot be applied.
void ApplyCsvImport(AppContext& ctx, const CsvImportPlan& plan);

// What a plan does, readably: the count, the refused rows, the notes, the ignored columns.
// applied says whether the document was changed.
std::string CsvImportReport(const AppContext& ctx, const CsvImportPlan& plan, bool applied,
                            bool dryRun = false);

}  // namespace zb
