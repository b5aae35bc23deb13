#include "cli_args.h"

#include "cli_texts.h"

namespace zb::cli {

Args::Args(const std::vector<std::string>& words, std::set<std::string> valueOptions,
           std::set<std::string> flagOptions) {
    bool onlyPositional = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (onlyPositional || w.rfind("--", 0) != 0) {
            positional_.push_back(w);
            continue;
        }
        if (w == "--") {
            onlyPositional = true;
            continue;
        }
        const std::size_t eq = w.find('=');
        const std::string name = w.substr(0, eq);
        if (flagOptions.count(name)) {
            if (eq != std::string::npos) {
                error_ = "option " + name + ": " + Say(txt::TakesNoValue);
                return;
            }
            options_.emplace_back(name, "");
        } else if (valueOptions.count(name)) {
            if (eq != std::string::npos) {
                options_.emplace_back(name, w.substr(eq + 1));
            } else if (i + 1 < words.size()) {
                options_.emplace_back(name, words[++i]);
            } else {
                error_ = "option " + name + ": " + Say(txt::NeedsValue);
                return;
            }
        } else {
            error_ = Say(txt::UnknownOption) + " " + name;
            return;
        }
    }
}

std::optional<std::string> Args::Value(const std::string& name) const {
    std::optional<std::string> found;
    for (const auto& [n, v] : options_)
        if (n == name) found = v;
    return found;
}

std::vector<std::string> Args::Values(const std::string& name) const {
    std::vector<std::string> found;
    for (const auto& [n, v] : options_)
        if (n == name) found.push_back(v);
    return found;
}

bool Args::Flag(const std::string& name) const {
    for (const auto& [n, v] : options_)
        if (n == name) return true;
    return false;
}

}  // namespace zb::cli
