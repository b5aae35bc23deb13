#pragma once
// Private-profile (INI) files, read and written the way Windows' profile functions do:
// sections and keys compare without regard to case, values are trimmed, and writing one
// key leaves every other line of the file as it was.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zb {

class IniFile {
public:
    // Reads the file; a missing or unreadable file gives an empty profile.
    static IniFile Load(const std::string& path);
    static IniFile Parse(std::string_view content);

    // The value of section/key, trimmed of blanks (and of one pair of enclosing quotes),
    // or nothing when the section or key is absent.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Sets section/key, adding the key at the end of its section, or the section at the end
    // of the file, when absent.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Every key=value of a section, in file order.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

    std::string Text() const;

private:
    std::vector<std::string> lines_;  // without line ends
    std::string eol_ = "\r\n";
};

// Read one value; `fallback` when it is absent.
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback = {});

// Write one value, replacing the file only once the new contents are complete.
// Returns false when the file cannot be written.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

// Strict decimal conversion of a profile value (after trimming): digits with an optional sign;
// nothing for anything else or a value outside int16.
std::optional<int> ParseInt16(std::string_view text);

}  // namespace zb
