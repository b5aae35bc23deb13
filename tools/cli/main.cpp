// zb347rx-cli: the programming software of the ZB_347RX from the command line.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"

namespace zb::cli {

std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

namespace {

void PrintOverview() {
    std::cout << "Usage: zb347rx-cli COMMAND [ARGS]\n"
                 "       zb347rx-cli COMMAND --help\n\n"
                 "Programming software of the ZB_347RX 10-metre transceiver.\n\n"
                 "Commands:\n";
    auto commands = Registry();
    std::sort(commands.begin(), commands.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    for (const Command& c : commands) {
        std::string pad(c.name.size() < 12 ? 12 - c.name.size() : 1, ' ');
        std::cout << "  " << c.name << pad << c.summary << "\n";
    }
}

}  // namespace
}  // namespace zb::cli

int main(int argc, char** argv) {
    using namespace zb::cli;
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintOverview();
        return words.empty() ? 2 : 0;
    }
    for (const Command& c : Registry()) {
        if (c.name != words[0]) continue;
        std::vector<std::string> args(words.begin() + 1, words.end());
        if (std::find(args.begin(), args.end(), "--help") != args.end()) {
            std::cout << c.usage;
            return 0;
        }
        return c.run(args);
    }
    std::cerr << "zb347rx-cli: unknown command '" << words[0] << "' (see zb347rx-cli --help)\n";
    return 2;
}
