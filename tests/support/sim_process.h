#pragma once
// zb347rx-sim as a child process of a test, serving a pseudo-terminal.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace zb::test {

#ifdef ZB_SIM_PATH
// zb347rx-sim as a child process; its first line of output is the device.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args) {
        int out[2];
        if (pipe(out) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv{const_cast<char*>(ZB_SIM_PATH)};
            for (auto& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(ZB_SIM_PATH, argv.data());
            _exit(127);
        }
        close(out[1]);
        char c;
        while (read(out[0], &c, 1) == 1 && c != '\n') device += c;
        close(out[0]);
    }
    // Stops the radio; it saves its memory on the way out.
    void Stop() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    ~SimProcess() { Stop(); }

    std::string device;

private:
    pid_t pid_ = -1;
};
#endif

}  // namespace zb::test
