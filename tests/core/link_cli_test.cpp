// The command line's radio commands against the simulator program on a pseudo-terminal:
// what a read saves equals what decoding the radio's memory gives, and a write leaves the
// encoded document in the radio.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "app/file_util.h"
#include "support/run_program.h"

#if defined(ZB_CLI_PATH) && defined(ZB_SIM_PATH)
using namespace zb;
using test::ProgramResult;
namespace fs = std::filesystem;

namespace {

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

struct CliRadio : ::testing::Test {
    test::TempDir dir;
    void SetUp() override {
        if (test::RunProgram(ZB_CLI_PATH, {"--help"}).out.find("  read ") == std::string::npos)
            GTEST_SKIP() << "command line built without the serial line";
        fs::copy_file(fs::path(ZB_BINARY_DIR) / "Version.ini", dir.path / "Version.ini");
    }
    ProgramResult Cli(std::vector<std::string> args) {
        args.push_back("--base-folder");
        args.push_back(dir.path.string());
        return test::RunProgram(ZB_CLI_PATH, args);
    }
};

}  // namespace

TEST_F(CliRadio, ReadSavesWhatTheRadioHolds) {
    const std::string doc = dir / "doc.dat", image = dir / "doc.img";
    ASSERT_EQ(Cli({"new", doc}).status, 0);
    ASSERT_EQ(Cli({"encode", doc, image}).status, 0);
    ASSERT_EQ(Cli({"decode", image, dir / "decoded.dat"}).status, 0);

    // The radio's status block says standard band, as the decoded document assumes.
    std::string memory = *ReadFileBytes(image);
    memory[0x3F00] = 0x00;
    ASSERT_TRUE(WriteFileAtomically(dir / "radio.bin", memory));
    SimProcess sim({"--memory", dir / "radio.bin"});
    ASSERT_FALSE(sim.device.empty());
    ProgramResult r = Cli({"read", dir / "read.dat", "--device", sim.device});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Read Data Completed."), std::string::npos);
    EXPECT_EQ(ReadFileBytes(dir / "read.dat"), ReadFileBytes(dir / "decoded.dat"));
    EXPECT_EQ(ReadFileBytes(dir / "read.fre"), ReadFileBytes(dir / "decoded.fre"));
}

TEST_F(CliRadio, WriteLeavesTheEncodedDocumentInTheRadio) {
    const std::string doc = dir / "doc.dat", image = dir / "doc.img", memory = dir / "radio.bin";
    ASSERT_EQ(Cli({"new", doc}).status, 0);
    ASSERT_EQ(Cli({"encode", doc, image}).status, 0);

    SimProcess sim({"--save", memory});
    ProgramResult r = Cli({"write", doc, "--device", sim.device});
    ASSERT_EQ(r.status, 0) << r.err;
    sim.Stop();
    const auto written = ReadFileBytes(memory), expected = ReadFileBytes(image);
    ASSERT_TRUE(written && expected);
    ASSERT_EQ(written->size(), 16384u);
    EXPECT_EQ(written->substr(0x10, 0x3D90 - 0x10), expected->substr(0x10, 0x3D90 - 0x10));
}

TEST_F(CliRadio, SilentRadioFailsWithoutSavingAnything) {
    SimProcess sim({"--silent"});
    ProgramResult r = Cli({"read", dir / "read.dat", "--device", sim.device, "--retries", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Check Connection. Retry or Cancel?"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "read.dat"));
}

#endif
