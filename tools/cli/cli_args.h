#pragma once
// The words after a command's name: options ("--name value", "--flag") and positional words.

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zb::cli {

class Args {
public:
    // valueOptions take the next word as their value ("--name value") or the text after "="
    // ("--name=value"); flagOptions take none. Any other word that starts with "--" is an error.
    // After a word "--" every word is positional, so a file may be named "-h" or "--x".
    Args(const std::vector<std::string>& words, std::set<std::string> valueOptions,
         std::set<std::string> flagOptions);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    std::optional<std::string> Value(const std::string& name) const;  // the last one given
    std::vector<std::string> Values(const std::string& name) const;   // all, in order
    bool Flag(const std::string& name) const;
    const std::vector<std::string>& positional() const { return positional_; }

    // Each option occurrence in command-line order, for commands whose options come in groups.
    const std::vector<std::pair<std::string, std::string>>& options() const { return options_; }

private:
    std::vector<std::pair<std::string, std::string>> options_;
    std::vector<std::string> positional_;
    std::string error_;
};

}  // namespace zb::cli
