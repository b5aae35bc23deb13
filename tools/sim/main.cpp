// zb347rx-sim: a simulated radio on a pseudo-terminal. Prints the device path first, then
// answers the programming protocol until it is interrupted.

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <termios.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/prctl.h>
#endif

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>

#include "app/context.h"
#include "files/data_files.h"
#include "sim/radio_sim.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int) { g_stop = 1; }

void Usage() {
    std::cerr << "usage: zb347rx-sim [options]\n"
                 "  --model TEXT        model name in the identification (ZB347)\n"
                 "  --firmware TEXT     firmware version, 4 characters (V200)\n"
                 "  --band-flags A,B    band flags A and B (0 or 1 each) in the status block\n"
                 "  --band-a, --band-b  set band flag A or B in the status block\n"
                 "  --image FILE        the radio's memory: loaded from FILE when it exists (a fresh\n"
                 "                      radio otherwise), written back after every completed write\n"
                 "                      conversation and at exit\n"
                 "  --memory FILE       load the 16384-byte memory from FILE\n"
                 "  --save FILE         write the memory to FILE on exit\n"
                 "  --save-info FILE    write the last radio-information write and version write\n"
                 "                      (34 + 10 bytes, 0xFF where none came) to FILE on exit\n"
                 "  --link PATH         also create a symbolic link PATH to the device\n"
                 "  --baud N            keep the line time of N baud in both directions\n"
                 "  --pace              the same as --baud 9600 (about 1042 us per byte)\n"
                 "  --realtime          run at real-time priority (where allowed), so that the\n"
                 "                      radio answers as promptly as a real one despite other load\n"
                 "  --silent            never answer\n"
                 "  --ignore-program N  leave the first N program requests unanswered\n"
                 "  --drop-read N       leave the Nth read request unanswered (repeatable)\n"
                 "  --corrupt-block N   send the Nth data block with a wrong checksum\n"
                 "  --silent-after N    stop answering after N blocks\n"
                 "  --stuck ADDR        the memory byte at ADDR (decimal or 0x hex) keeps its value\n"
                 "  --silent-test-mode  enter test mode, then never answer in it\n"
                 "  --test-channels FILE.dat\n"
                 "                      the 16 test channels of the test mode: the test frequencies\n"
                 "                      of the data file FILE.dat (none by default)\n"
                 "  --fault KIND        the same faults as one option each: silent, ignore-program=N,\n"
                 "                      drop-read=N, corrupt-block=N, silent-after=N, stuck=ADDR,\n"
                 "                      silent-test-mode; and garbage: every request is answered\n"
                 "                      with bytes that are no reply (wrong line settings, another\n"
                 "                      device)\n"
                 "  --help              this text\n";
}

bool ToInt(std::string_view s, int& out) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size() && out >= 0;
}

bool ToAddress(std::string_view s, int& out) {
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s.remove_prefix(2);
        base = 16;
    }
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out, base);
    return ec == std::errc() && p == s.data() + s.size() && out >= 0 && out < zb::sim::kMemorySize;
}

// "--fault KIND": the named fault, with its number after "=".
bool ApplyFault(std::string_view kind, zb::sim::RadioSim& radio) {
    const std::size_t eq = kind.find('=');
    const std::string_view name = kind.substr(0, eq);
    const std::string_view arg = eq == std::string_view::npos ? std::string_view{} : kind.substr(eq + 1);
    auto& f = radio.faults;
    if (name == "silent") {
        f.silent = true;
        return arg.empty();
    }
    if (name == "silent-test-mode") {
        f.silentInTestMode = true;
        return arg.empty();
    }
    if (name == "garbage") {
        f.garbage = true;
        return arg.empty();
    }
    if (name == "ignore-program") return ToInt(arg, f.ignoreProgramRequests);
    if (name == "corrupt-block") return ToInt(arg, f.corruptBlock);
    if (name == "silent-after") return ToInt(arg, f.silentAfterBlocks);
    if (name == "stuck") return ToAddress(arg, f.stuckAddress);
    if (name == "drop-read") {
        int n = 0;
        if (!ToInt(arg, n)) return false;
        f.dropReadReplies.push_back(n);
        return true;
    }
    return false;
}

// "A,B" with 0 or 1 each.
bool ParseBandFlags(std::string_view text, bool& a, bool& b) {
    if (text.size() != 3 || text[1] != ',') return false;
    auto flag = [](char c, bool& out) {
        if (c != '0' && c != '1') return false;
        out = c == '1';
        return true;
    };
    return flag(text[0], a) && flag(text[2], b);
}

// The test frequencies of a data file become the radio's test channels.
bool LoadTestChannels(const std::string& path, zb::sim::RadioSim& radio) {
    zb::AppContext ctx;
    if (!zb::PlainLoad(ctx, path)) return false;
    const auto& d = ctx.Doc.Data.OptionSettings;
    for (int i = 0; i < d.TestFreqCount && i < 16; ++i) {
        const auto& e = d.TestFreqList[i];
        radio.SetTestChannel(e.ChNo, e.RxFreq.Raw(), e.TxFreq.Raw());
    }
    return true;
}

bool LoadMemory(const std::string& path, zb::sim::RadioSim& radio) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.read(reinterpret_cast<char*>(radio.memory.data()), radio.memory.size());
    return in.gcount() == static_cast<std::streamsize>(radio.memory.size());
}

bool SaveMemory(const std::string& path, const zb::sim::RadioSim& radio) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(radio.memory.data()), radio.memory.size());
    return static_cast<bool>(out);
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    for (size_t done = 0; done < size;) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// The timing of a serial line at a given speed, 10 bits a byte (start, 8 data, stop): a byte is
// there once its last bit is. A pseudo-terminal passes bytes at once, so the radio waits for
// the request's own line time before it answers, and hands out its reply one byte at a time.
// Deadlines are absolute, so a late wake-up never adds up over a transfer.
class LinePacer {
public:
    using Clock = std::chrono::steady_clock;
    explicit LinePacer(int baud)
        : byte_(baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud) : std::chrono::nanoseconds(0)) {}
    bool On() const { return byte_.count() > 0; }

    // n bytes came in just now: wait until the last of them would have.
    void Received(size_t n) {
        if (!On()) return;
        inFree_ = std::max(Clock::now(), inFree_) + n * byte_;
        WaitUntil(inFree_);
    }
    bool Send(int fd, const zb::sim::Bytes& bytes) {
        if (!On()) return WriteAll(fd, bytes.data(), bytes.size());
        Clock::time_point at = std::max(Clock::now(), outFree_);
        for (uint8_t b : bytes) {
            at += byte_;
            WaitUntil(at);
            if (!WriteAll(fd, &b, 1)) return false;
        }
        outFree_ = at;
        return true;
    }

private:
    // Sleeps, then spins the last stretch: a wake-up is often 50 to 100 us late, which would
    // count as line time that a real line does not have.
    void WaitUntil(Clock::time_point t) const {
        const auto spin = std::min<std::chrono::nanoseconds>(std::chrono::microseconds(200), byte_ / 5);
        std::this_thread::sleep_until(t - spin);
        while (Clock::now() < t) {
        }
    }

    std::chrono::nanoseconds byte_;
    Clock::time_point inFree_{}, outFree_{};
};

}  // namespace

int main(int argc, char** argv) {
    zb::sim::RadioSim radio;
    std::string savePath, infoPath, linkPath, imagePath;
    int baud = 0;
    bool realtime = false;
    bool bandA = false, bandB = false, bandGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&](std::string_view& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        auto number = [&](int& out) {
            std::string_view v;
            return value(v) && ToInt(v, out);
        };
        std::string_view v;
        bool ok = true;
        if (arg == "--help") {
            Usage();
            return 0;
        } else if (arg == "--image") {
            ok = value(v);
            imagePath = savePath = std::string(v);
            std::ifstream probe(imagePath, std::ios::binary);
            if (ok && probe) ok = LoadMemory(imagePath, radio);
        } else if (arg == "--band-flags") ok = value(v) && ParseBandFlags(v, bandA, bandB), bandGiven = true;
        else if (arg == "--fault") ok = value(v) && ApplyFault(v, radio);
        else if (arg == "--model") ok = value(v), radio.model = std::string(v);
        else if (arg == "--firmware") ok = value(v), radio.firmware = std::string(v);
        else if (arg == "--band-a") bandA = bandGiven = true;
        else if (arg == "--band-b") bandB = bandGiven = true;
        else if (arg == "--memory") ok = value(v) && LoadMemory(std::string(v), radio);
        else if (arg == "--save") ok = value(v), savePath = std::string(v);
        else if (arg == "--save-info") ok = value(v), infoPath = std::string(v);
        else if (arg == "--link") ok = value(v), linkPath = std::string(v);
        else if (arg == "--pace") baud = 9600;
        else if (arg == "--realtime") realtime = true;
        else if (arg == "--baud") ok = number(baud) && baud > 0;
        else if (arg == "--silent") radio.faults.silent = true;
        else if (arg == "--silent-test-mode") radio.faults.silentInTestMode = true;
        else if (arg == "--test-channels") ok = value(v) && LoadTestChannels(std::string(v), radio);
        else if (arg == "--ignore-program") ok = number(radio.faults.ignoreProgramRequests);
        else if (arg == "--drop-read") {
            int n = 0;
            ok = number(n);
            radio.faults.dropReadReplies.push_back(n);
        }
        else if (arg == "--stuck") ok = value(v) && ToAddress(v, radio.faults.stuckAddress);
        else if (arg == "--corrupt-block") ok = number(radio.faults.corruptBlock);
        else if (arg == "--silent-after") ok = number(radio.faults.silentAfterBlocks);
        else ok = false;
        if (!ok) {
            std::cerr << "zb347rx-sim: bad argument " << arg << "\n";
            Usage();
            return 2;
        }
    }
    if (bandGiven) radio.SetBandFlags(bandA, bandB);

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("zb347rx-sim: pseudo-terminal");
        return 1;
    }
    const char* slaveName = ptsname(master);
    if (!slaveName) {
        std::perror("zb347rx-sim: ptsname");
        return 1;
    }
    const std::string device = slaveName;
    // Keeping a slave open ourselves keeps the master readable between the program's opens.
    const int keepSlave = open(device.c_str(), O_RDWR | O_NOCTTY);
    if (keepSlave < 0) {
        std::perror("zb347rx-sim: open slave");
        return 1;
    }
    termios tio{};
    if (tcgetattr(keepSlave, &tio) == 0) {
        cfmakeraw(&tio);
        cfsetispeed(&tio, B9600);
        cfsetospeed(&tio, B9600);
        tcsetattr(keepSlave, TCSANOW, &tio);
    }
    if (!linkPath.empty()) {
        unlink(linkPath.c_str());
        if (symlink(device.c_str(), linkPath.c_str()) != 0) std::perror("zb347rx-sim: symlink");
    }
    std::cout << device << std::endl;

#if defined(__linux__)
    prctl(PR_SET_TIMERSLACK, 1000UL);  // wake up within a microsecond for the line timing
#endif
    if (realtime) {
        sched_param p{};
        p.sched_priority = 10;
        if (sched_setscheduler(0, SCHED_FIFO, &p) != 0) std::perror("zb347rx-sim: real-time priority");
    }
    LinePacer pacer(baud);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    uint8_t buffer[512];
    int endRequestsSeen = 0, blocksSaved = 0;
    while (!g_stop) {
        pollfd pfd{master, POLLIN, 0};
        const int r = poll(&pfd, 1, 200);
        if (r < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (r == 0 || !(pfd.revents & POLLIN)) continue;
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0) {
            if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EIO)) continue;
            break;
        }
        pacer.Received(static_cast<size_t>(n));
        const zb::sim::Bytes reply = radio.Feed(zb::sim::Bytes(buffer, buffer + n));
        if (!reply.empty() && !pacer.Send(master, reply)) break;
        // A write conversation is complete once its end request follows the data blocks.
        if (!imagePath.empty() && radio.counters.endRequests != endRequestsSeen) {
            endRequestsSeen = radio.counters.endRequests;
            if (radio.counters.blocksReceived != blocksSaved) {
                blocksSaved = radio.counters.blocksReceived;
                if (!SaveMemory(imagePath, radio)) std::cerr << "zb347rx-sim: cannot write " << imagePath << "\n";
            }
        }
    }

    if (!savePath.empty() && !SaveMemory(savePath, radio)) std::cerr << "zb347rx-sim: cannot write " << savePath << "\n";
    if (!infoPath.empty()) {
        zb::sim::Bytes info = radio.radioInfo, version = radio.version;
        info.resize(34, 0xFF);
        version.resize(10, 0xFF);
        info.insert(info.end(), version.begin(), version.end());
        std::ofstream out(infoPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(info.data()), static_cast<std::streamsize>(info.size()));
        if (!out) std::cerr << "zb347rx-sim: cannot write " << infoPath << "\n";
    }
    if (!linkPath.empty()) unlink(linkPath.c_str());
    close(keepSlave);
    close(master);
    return 0;
}
