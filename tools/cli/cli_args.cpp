#include "cli_args.h"

namespace zb::cli {

Args::Args(const std::vector<std::string>& words, std::set<std::string> valueOptions,
           std::set<std::string> flagOptions) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.rfind("--", 0) != 0 || w == "--") {
            positional_.push_back(w);
            continue;
        }
        if (flagOptions.count(w)) {
            options_.emplace_back(w, "");
        } else if (valueOptions.count(w)) {
            if (i + 1 >= words.size()) {
                error_ = "option " + w + " needs a value";
                return;
            }
            options_.emplace_back(w, words[++i]);
        } else {
            error_ = "unknown option " + w;
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
