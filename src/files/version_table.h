#pragma once
// The version table of "Version.ini" in the base folder: which software version goes with which
// radio firmware or data-file version.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zb {

struct AppContext;

inline constexpr std::string_view kSoftwareVersion = "V200";

struct VersionTable {
    std::string CurrentVersion;
    std::vector<std::string> SoftVersions;
    // (software version, firmware or data-file version) pairs from section "Firm"
    std::vector<std::pair<std::string, std::string>> Firm;
    std::string path;              // where Version.ini was looked for
    bool problemReported = false;  // an empty table has been reported once
};

// Starts another program version and ends this one. The GUI starts the program; the command
// line and tests never start anything.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts the executable at path and ends this program; false when it could not be started.
    virtual bool StartAndQuit(const std::string& /*path*/) { return false; }
};

// Reads "Version.ini" of the base folder into ctx.versions; a missing file gives an empty table.
// A byte-order mark is skipped; the counts never make more entries than the file holds.
void LoadVersionTable(AppContext& ctx);
// When the table has no compatibility entries, says so once (naming Version.ini and where it was
// looked for); true when it did.
bool ReportVersionTableProblem(AppContext& ctx);

// "V" and three characters that read as a number, after CleanText.
bool IsVersionText(std::string_view text);
bool IsCompatible(const AppContext& ctx, std::string_view software, std::string_view partner);
std::string FolderFor(const AppContext& ctx, std::string_view partner);
// "V200" shown as "V2.00".
std::string ShownVersion(std::string_view version);
// kind 0: firmware, 1: data file.
std::string VersionQuestion(const AppContext& ctx, std::string_view software,
                            std::string_view partner, int kind);
// Starts the version for partner through ctx.launcher; shows the missing-version text and
// returns false when the table has none or it cannot be started.
bool StartVersion(AppContext& ctx, std::string_view partner);

}  // namespace zb
