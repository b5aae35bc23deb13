#pragma once
// Runs a program of this project and collects its exit status, stdout and stderr.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "app/file_util.h"
#include "support/temp_dir.h"

namespace zb::test {

struct ProgramResult {
    int status = -1;
    std::string out, err;
};

inline std::string ShellQuoted(const std::string& word) {
    std::string q = "'";
    for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
    TempDir dir;
    std::string command = ShellQuoted(program);
    for (const auto& a : args) command += " " + ShellQuoted(a);
    command += " >" + ShellQuoted(dir / "out") + " 2>" + ShellQuoted(dir / "err") + " </dev/null";
    const int raw = std::system(command.c_str());
    ProgramResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = ReadFileBytes(dir / "out").value_or("");
    r.err = ReadFileBytes(dir / "err").value_or("");
    return r;
}

}  // namespace zb::test
