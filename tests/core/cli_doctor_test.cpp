// zb347rx-cli doctor: the host report of a machine made by the test, and the radio on a
// pseudo-terminal served by the simulator program.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/fake_host_fixture.h"
#include "support/run_program.h"
#include "support/sim_process.h"

#if defined(ZB_CLI_PATH) && defined(ZB_SIM_PATH)
using namespace zb;
using test::ProgramResult;

namespace {

struct CliDoctor : ::testing::Test {
    test::FakeHost host;
    test::TempDir base;  // the base folder: a settings file of the test's own
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(ZB_BINARY_DIR) / "Version.ini", base.path / "Version.ini");
    }
    ProgramResult Doctor(std::vector<std::string> args) {
        args.insert(args.begin(), "doctor");
        args.insert(args.end(), {"--root", host.host.root, "--base-folder", base.path.string()});
        return test::RunProgram(ZB_CLI_PATH, args);
    }
};

}  // namespace

TEST_F(CliDoctor, HostReportSaysWhatBlocksThePortAndExitsByIt) {
    host.AddUsbPort("ttyUSB0", 0x0403, 0x6001, "ftdi_sio");
    host.SetGroups("");  // alice is not in dialout
    ProgramResult r = Doctor({"--as-user", "alice"});
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_NE(r.out.find("PROBLEM: /dev/ttyUSB0 (COM1): this user may not open it"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("fix: sudo usermod -aG dialout alice"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("note: /dev/ttyUSB0 (COM1): USB adapter 0403:6001"), std::string::npos) << r.out;

    host.SetGroups("alice");
    r = Doctor({"--as-user", "alice"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("ok: /dev/ttyUSB0 (COM1): this user can open it"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("PROBLEM"), std::string::npos) << r.out;

    r = Doctor({"--as-user", "alice", "--lang", "zh"});
    EXPECT_NE(r.out.find("正常: /dev/ttyUSB0 (COM1): 当前用户可以打开它"), std::string::npos) << r.out;

    // Mistakes on the command line.
    EXPECT_EQ(Doctor({"--as-user", "bob"}).status, 2);
    EXPECT_EQ(test::RunProgram(ZB_CLI_PATH, {"doctor", "--root", host.dir / "missing"}).status, 2);
    EXPECT_EQ(Doctor({"extra"}).status, 2);
}

TEST_F(CliDoctor, PortProbeTellsAnswerSilenceAnotherModelAndGarbageApart) {
    if (test::RunProgram(ZB_CLI_PATH, {"--help"}).out.find("  read ") == std::string::npos)
        GTEST_SKIP() << "command line built without the serial line";
    struct Case {
        std::vector<std::string> radio;  // the simulator's options
        int status;
        std::string line;
    };
    const std::vector<Case> cases = {
        {{}, 0, "ok: radio: the radio answered: model ZB347, firmware V200; round trip "},
        {{"--fault", "silent"}, 1, "PROBLEM: radio: no answer to the program request"},
        {{"--model", "ZB999"}, 1, "PROBLEM: radio: a radio of another model answered: model ZB999, firmware V200"},
        {{"--fault", "garbage"}, 1, "PROBLEM: radio: bytes that are not a reply came back (F8 80 00 FE 7F)"},
    };
    for (const Case& c : cases) {
        test::SimProcess sim(c.radio);
        SCOPED_TRACE(c.line);
        ASSERT_FALSE(sim.device.empty());
        const ProgramResult r = Doctor({"--port", sim.device});
        EXPECT_EQ(r.status, c.status) << r.out << r.err;
        EXPECT_NE(r.out.find(c.line), std::string::npos) << r.out << r.err;
        EXPECT_NE(r.out.find("note: radio: COM"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("(" + sim.device + ") at 9600 baud, 8 data bits, no parity, 1 stop bit(s), "
                             "handshaking none"),
                  std::string::npos)
            << r.out;
    }
}

#endif
