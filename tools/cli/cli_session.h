#pragma once
// What every command shares: the program context after start-up, and a prompter that prints
// the program's messages on stderr and answers questions the way a script expects.

#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "app/context.h"
#include "base/prompter.h"
#include "cli_args.h"
#include "cli_texts.h"

namespace zb::cli {

// Options every command accepts.
inline const std::set<std::string> kCommonValueOptions = {"--base-folder", "--lang"};
inline constexpr const char* kCommonUsage =
    "  --base-folder DIR  where Version.ini, language/mysetup.ini live (default: the parent of\n"
    "                     the program's folder); Init/ templates are looked up in DIR/V200 then\n"
    "                     beside the program\n"
    "  --lang en|zh       language of the messages (default: the settings file)\n";

// Prints every message on stderr. Questions to go on are answered yes, "Retry" up to `retries`
// times, and a question to start another program version is answered no.
class CliPrompter : public Prompter {
public:
    using Prompter::Ask;
    Answer Ask(const Message& message) override;
    int retries = 2;
    std::vector<std::string> shown;
};

struct Session {
    AppContext ctx;
    CliPrompter prompter;
};

// Set by main before a command runs: its session reads the settings file but never writes it.
void SetReadOnlySettings(bool readOnly);

// Runs start-up for a command. Returns nothing (after printing why) on a bad option value.
std::unique_ptr<Session> StartSession(const Args& args);

// The name of a data file the command creates: name itself when it ends in a three-letter
// extension ("x.dat"), else name + ".dat" (said on stderr), so that two documents never share
// a channel file (the channel file replaces the last three characters by "fre").
std::string NewDataFileName(const std::string& name);
// For a data file the command reads: false (after saying which channel file it would use) when
// the name has no three-letter extension.
bool CheckDataFileName(const std::string& name);

// text with control characters (from a file or a radio) shown as \xNN, so nothing reaches the
// terminal raw.
std::string Printable(std::string_view text);

// "zb347rx-cli: text" on stderr.
void PrintError(const std::string& text);
// PrintError, then the exit status of a command-line mistake (2).
int UsageError(const std::string& text);
// Checks a command's arguments: prints the error or the expected count, then the usage (on
// stderr); true when usable.
bool CheckArgs(const Args& args, std::size_t positionalCount, const char* usage);

}  // namespace zb::cli
