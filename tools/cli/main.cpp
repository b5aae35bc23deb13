// zb347rx-cli: the programming software of the ZB_347RX from the command line.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli_session.h"
#include "cli_texts.h"
#include "command.h"
#include "files/version_table.h"

namespace zb::cli {

std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

namespace {

void PrintOverview(std::ostream& out) {
    out << "Usage: zb347rx-cli COMMAND [ARGS]\n"
           "       zb347rx-cli COMMAND --help     (or: zb347rx-cli help COMMAND)\n"
           "       zb347rx-cli --version\n\n"
           "Programming software of the ZB_347RX 10-metre transceiver.\n"
           "Options take their value as \"--name value\" or \"--name=value\"; after \"--\" every word\n"
           "is a file name. Exit status: 0 done, 1 failed (see the message), 2 command-line mistake.\n\n"
           "Commands:\n";
    auto commands = Registry();
    std::sort(commands.begin(), commands.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    for (const Command& c : commands) {
        std::string pad(c.name.size() < 12 ? 12 - c.name.size() : 1, ' ');
        out << "  " << c.name << pad << c.summary << "\n";
    }
}

const Command* Find(const std::string& name) {
    for (const Command& c : Registry())
        if (c.name == name) return &c;
    return nullptr;
}

// The words before "--": only these can be options.
std::vector<std::string> OptionWords(const std::vector<std::string>& words) {
    return {words.begin(), std::find(words.begin(), words.end(), "--")};
}

bool AsksForHelp(const std::vector<std::string>& words) {
    for (const std::string& w : OptionWords(words))
        if (w == "-h" || w == "--help") return true;
    return false;
}

// "--lang zh" (or "--lang=zh") also chooses the language of the command line's own messages,
// from the first word on.
void ChooseLanguage(const std::vector<std::string>& words) {
    const auto options = OptionWords(words);
    for (std::size_t i = 0; i < options.size(); ++i) {
        std::string value;
        if (options[i] == "--lang" && i + 1 < options.size()) value = options[i + 1];
        else if (options[i].rfind("--lang=", 0) == 0) value = options[i].substr(7);
        else continue;
        SetLanguage(value == "zh" ? kChinese : kEnglish);
    }
}

int UnknownCommand(const std::string& name) {
    PrintError(Say(txt::UnknownCommand) + " '" + name + "'");
    PrintOverview(std::cerr);
    return 2;
}

}  // namespace
}  // namespace zb::cli

int main(int argc, char** argv) {
    using namespace zb::cli;
    std::vector<std::string> words(argv + 1, argv + argc);
    ChooseLanguage(words);
    if (words.empty()) {
        PrintOverview(std::cerr);
        return 2;
    }
    const std::string& first = words[0];
    if (first == "--version") {
        std::cout << "zb347rx-cli " << zb::ShownVersion(zb::kSoftwareVersion) << "\n";
        return 0;
    }
    if (first == "--help" || first == "-h") {
        PrintOverview(std::cout);
        return 0;
    }
    if (first == "help") {
        if (words.size() == 1) {
            PrintOverview(std::cout);
            return 0;
        }
        const Command* c = Find(words[1]);
        if (!c) return UnknownCommand(words[1]);
        std::cout << c->usage;
        return 0;
    }
    const Command* c = Find(first);
    if (!c) return UnknownCommand(first);
    const std::vector<std::string> args(words.begin() + 1, words.end());
    // Help wins over everything else, so asking for it never runs (or creates) anything.
    if (AsksForHelp(args)) {
        std::cout << c->usage;
        return 0;
    }
    SetReadOnlySettings(c->readOnly);
    return c->run(args);
}
