#pragma once
// A pseudo-terminal standing in for a serial cable: the test holds the master side, the code
// under test opens the slave by its path.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zb::test {

class PtyPair {
public:
    PtyPair() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
        path_ = ptsname(master_);
        // Keep one slave descriptor open so the master never sees a hang-up, and make the line
        // raw so bytes pass unchanged.
        slave_ = open(path_.c_str(), O_RDWR | O_NOCTTY);
        termios t{};
        tcgetattr(slave_, &t);
        cfmakeraw(&t);
        tcsetattr(slave_, TCSANOW, &t);
    }
    ~PtyPair() {
        if (slave_ >= 0) close(slave_);
        if (master_ >= 0) close(master_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0 && slave_ >= 0; }
    const std::string& path() const { return path_; }

    void Send(const std::vector<uint8_t>& bytes) {
        ssize_t n = write(master_, bytes.data(), bytes.size());
        (void)n;
    }
    // Whatever arrives within timeoutMs, up to `want` bytes.
    std::vector<uint8_t> Receive(std::size_t want, int timeoutMs) {
        std::vector<uint8_t> got;
        while (got.size() < want) {
            pollfd p{master_, POLLIN, 0};
            if (poll(&p, 1, timeoutMs) <= 0) break;
            uint8_t buffer[4096];
            ssize_t n = read(master_, buffer, sizeof buffer);
            if (n <= 0) break;
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

}  // namespace zb::test
