#pragma once
// Runs a program of this project and collects its exit status, stdout and stderr.

#include <chrono>
#include <cstdio>
#include <thread>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "base/file_util.h"
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

// Polls cond every 10 ms for up to timeoutMs; true once it holds.
template <class F>
bool WaitFor(F cond, int timeoutMs = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!cond()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace zb::test
