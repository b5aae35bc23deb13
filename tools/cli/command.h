#pragma once
// Commands of zb347rx-cli. Each command registers itself with ZB_CLI_COMMAND in the file that
// implements it (related commands share a file), so adding a command touches no other file.

#include <functional>
#include <string>
#include <vector>

namespace zb::cli {

struct Command {
    std::string name;
    std::string summary;  // one line for the command list
    std::string usage;    // full help text of the command
    // Runs the command with its arguments (the words after its name); returns the exit status.
    std::function<int(const std::vector<std::string>& args)> run;
    // A command that only reads (show, diff, info) leaves the settings file unwritten.
    bool readOnly = false;
};

std::vector<Command>& Registry();

struct Registrar {
    explicit Registrar(Command command) { Registry().push_back(std::move(command)); }
};

}  // namespace zb::cli

#define ZB_CLI_CONCAT2(a, b) a##b
#define ZB_CLI_CONCAT(a, b) ZB_CLI_CONCAT2(a, b)
#define ZB_CLI_COMMAND(...) \
    static ::zb::cli::Registrar ZB_CLI_CONCAT(zbCliRegistrar, __LINE__)(::zb::cli::Command{__VA_ARGS__})
