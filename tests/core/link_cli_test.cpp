// The command line's radio commands against the simulator program on a pseudo-terminal:
// what a read saves equals what decoding the radio's memory gives, a write leaves the encoded
// document in the radio, and the questions of a conversation get the command line's answers.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/context.h"
#include "base/file_util.h"
#include "files/data_files.h"
#include "support/pty_pair.h"
#include "support/run_program.h"
#include "support/sim_process.h"

#if defined(ZB_CLI_PATH) && defined(ZB_SIM_PATH)
using namespace zb;
using test::ProgramResult;
using test::SimProcess;
namespace fs = std::filesystem;

namespace {

struct CliRadio : ::testing::Test {
    test::TempDir dir;
    std::optional<std::string> savedDataHome;
    void SetUp() override {
        if (test::RunProgram(ZB_CLI_PATH, {"--help"}).out.find("  read ") == std::string::npos)
            GTEST_SKIP() << "command line built without the serial line";
        fs::copy_file(fs::path(ZB_BINARY_DIR) / "Version.ini", dir.path / "Version.ini");
        // Backups of the reads go into the test's folder, never the user's.
        if (const char* home = std::getenv("XDG_DATA_HOME")) savedDataHome = home;
        setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    }
    void TearDown() override {
        if (savedDataHome) {
            setenv("XDG_DATA_HOME", savedDataHome->c_str(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
    }
    std::vector<fs::path> Backups() {
        std::vector<fs::path> files;
        if (fs::is_directory(dir.path / "data/zb347rx/backups"))
            for (const auto& e : fs::directory_iterator(dir.path / "data/zb347rx/backups")) files.push_back(e.path());
        std::sort(files.begin(), files.end());
        return files;
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
    EXPECT_EQ(r.err.find('%'), std::string::npos);  // no progress into a file

    // The backup holds the image read and the same document.
    const auto backups = Backups();
    ASSERT_EQ(backups.size(), 3u);
    EXPECT_EQ(backups[0].extension(), ".dat");
    EXPECT_EQ(backups[2].extension(), ".img");
    EXPECT_EQ(backups[0].stem().string().size(), std::string("20261210-145000").size());
    EXPECT_EQ(ReadFileBytes(backups[0]), ReadFileBytes(dir / "read.dat"));
    EXPECT_EQ(ReadFileBytes(backups[1]), ReadFileBytes(dir / "read.fre"));
    const auto kept = ReadFileBytes(backups[2]);
    ASSERT_TRUE(kept && kept->size() == 16384u);
    EXPECT_EQ(kept->substr(0, 0x3DC0), memory.substr(0, 0x3DC0));
}

TEST_F(CliRadio, BackupThatCannotBeWrittenOnlyWarns) {
    ASSERT_TRUE(WriteFileAtomically(dir / "data", "a file where the data folder should be"));
    SimProcess sim({});
    ProgramResult r = Cli({"read", dir / "read.dat", "--port", sim.device});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("warning: no backup of this read was kept"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(dir / "read.dat"));
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

TEST_F(CliRadio, ImageFileKeepsEveryCompletedWriteWhileTheRadioRuns) {
    const std::string doc = dir / "doc.dat", image = dir / "doc.img", memory = dir / "radio.img";
    ASSERT_EQ(Cli({"new", doc}).status, 0);
    ASSERT_EQ(Cli({"encode", doc, image}).status, 0);
    SimProcess sim({"--image", memory, "--band-flags", "0,1", "--fault", "drop-read=3"});
    ASSERT_FALSE(sim.device.empty());
    EXPECT_FALSE(fs::exists(memory)) << "a fresh radio until something is written";

    ProgramResult r = Cli({"write", doc, "--port", sim.device});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_TRUE(test::WaitFor([&] { return fs::exists(memory); }));
    const auto written = ReadFileBytes(memory), expected = ReadFileBytes(image);
    ASSERT_TRUE(written && expected && written->size() == 16384u);
    EXPECT_EQ(written->substr(0x10, 0x3D90 - 0x10), expected->substr(0x10, 0x3D90 - 0x10));

    // The lost third read request is asked again; the band comes from flag B.
    r = Cli({"read", dir / "read.dat", "--port", sim.device});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(Cli({"show", dir / "read.dat"}).out.find("24.000000 - 30.105000 MHz"), std::string::npos);

    const auto bad = test::RunProgram(ZB_SIM_PATH, {"--fault", "explode"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("bad argument --fault"), std::string::npos);
}

TEST_F(CliRadio, WriteVerifyReadsBackAndNamesTheFirstDifference) {
    const std::string doc = dir / "doc.dat";
    ASSERT_EQ(Cli({"new", doc}).status, 0);
    {
        SimProcess sim({});
        ProgramResult r = Cli({"write", doc, "--verify", "--port", sim.device});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("Verified: 0x0010 to 0x3D8F match."), std::string::npos) << r.err;
    }
    // A cell of the channel bitmap (written 0x00) that keeps its 0xFF.
    SimProcess sim({"--stuck", "0x3240"});
    ProgramResult r = Cli({"write", doc, "--verify", "--port", sim.device});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Write Data Completed."), std::string::npos);
    EXPECT_NE(r.err.find("differs from what was written at 0x3240 (written 0x00, read 0xFF)"), std::string::npos)
        << r.err;

    // A byte of a channel's transmit frequency: the list says which channel and field.
    SimProcess stuckTx({"--stuck", "0x0015"});
    r = Cli({"write", doc, "--verify", "--port", stuckTx.device});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("verify: Group 1 channel 1: TxFreq 28.015000 -> none\n"), std::string::npos) << r.err;
}

// A radio whose production and sales record is filled in.
std::string MemoryWithRecord() {
    std::string memory(16384, '\xFF');
    auto put = [&](int address, const std::string& text) { memory.replace(address, text.size(), text); };
    memory[0x3F00] = 0x00;
    put(0x3F08, "0086");
    put(0x3F10, "SN-000123");
    put(0x3F20, "2025/01/02");
    put(0x3F30, "01-1-E-1");
    put(0x3F38, "001A");
    put(0x3F40, std::string("2025/06/30\0", 11));
    put(0x3F50, "D42  ");  // trailing blanks are not shown
    put(0x3F60, "2025/02/03");
    put(0x3F70, "2025/03/04");
    put(0x3F80, "Li Lei");
    put(0x3F90, "Replaced the PTT switch");
    return memory;
}

TEST_F(CliRadio, InfoPrintsTheProductionAndSalesRecord) {
    ASSERT_TRUE(WriteFileAtomically(dir / "radio.bin", MemoryWithRecord()));
    SimProcess sim({"--memory", dir / "radio.bin", "--band-b"});
    ProgramResult r = Cli({"info", "--port", sim.device});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Area Code:              0086\n"
              "Manufacture Code:       01-1-E-1\n"
              "User Code:              001A\n"
              "Radio Type:             ZB_347RX\n"
              "Frequency:              24.000000 - 30.105000 MHz\n"
              "Serial Number:          SN-000123\n"
              "Producted Date:         2025/01/02\n"
              "Maintained Date:        2025/06/30\n"
              "Version:                V2.00\n"
              "Maintained Description: Replaced the PTT switch\n"
              "Dealer Information\n"
              "  Dealer Code:          D42\n"
              "  Stock Date:           2025/02/03\n"
              "  Sell Date:            2025/03/04\n"
              "  Seller:               Li Lei\n");
}

// A block of the record lost on the way: retry asks for that block again, cancel prints nothing.
TEST_F(CliRadio, InfoRetriesALostBlockOrGivesUp) {
    ASSERT_TRUE(WriteFileAtomically(dir / "radio.bin", MemoryWithRecord()));
    for (const char* retries : {"1", "0"}) {
        SCOPED_TRACE(retries);
        // Read requests: the status block, then 0x3F00, 0x3F10, 0x3F20, 0x3F30 (lost), ...
        SimProcess sim({"--memory", dir / "radio.bin", "--drop-read", "5"});
        ProgramResult r = Cli({"info", "--port", sim.device, "--retries", retries});
        EXPECT_NE(r.err.find("Check Connection. Retry or Cancel?"), std::string::npos) << r.err;
        if (std::string(retries) == "1") {
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_NE(r.out.find("Manufacture Code:       01-1-E-1\n"), std::string::npos) << r.out;
            EXPECT_NE(r.out.find("User Code:              001A\n"), std::string::npos) << r.out;
        } else {
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.out, "");
        }
    }
}

TEST_F(CliRadio, RadioInfoSendsTheValuesByTheWindowsRules) {
    const std::string info = dir / "info.bin";
    {
        SimProcess sim({"--save-info", info});
        ProgramResult r = Cli({"radio-info", "--port", sim.device, "--model", "ZB3", "--band", "1", "--serial",
                               "A1234", "--version", "201"});
        ASSERT_EQ(r.status, 0) << r.err;
    }
    const auto bytes = ReadFileBytes(info);
    ASSERT_TRUE(bytes && bytes->size() == 44u);
    EXPECT_EQ(bytes->substr(0, 9), std::string("NTKKZB3\0C", 9));
    EXPECT_EQ((*bytes)[13], '\x01');
    EXPECT_EQ(bytes->substr(17, 8), "A1234\xFF\xFF\xFF");
    EXPECT_EQ(bytes->substr(34), std::string("V201\0\xFF\xFF\xFF\xFF\xFF", 10));
}

TEST_F(CliRadio, RadioInfoRefusesValuesTheRadioCannotKeep) {
    const std::vector<std::string> good{"--port", "/dev/null", "--model", "ZB3", "--band", "0",
                                        "--serial", "1234", "--version", "V200"};
    const struct {
        const char* option;
        const char* value;
        const char* message;
    } cases[] = {
        {"--model", "ZB347", "--model takes 1 to 4"},
        {"--model", "", "--model takes 1 to 4"},
        {"--band", "2", "--band takes 0, 1"},
        {"--band", "28.000000 - 29.700000", "--band takes 0, 1"},
        {"--serial", "123456789", "--serial takes at most 8"},
        {"--serial", "12\xC3\xA9" "34", "--serial takes at most 8 plain"},
        {"--version", "V20011", "--version takes at most 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.value);
        auto args = good;
        for (size_t i = 0; i + 1 < args.size(); ++i)
            if (args[i] == c.option) args[i + 1] = c.value;
        args.insert(args.begin(), "radio-info");
        ProgramResult r = Cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    ProgramResult r = Cli({"radio-info", "--port", "/dev/null", "--model", "ZB3", "--band", "0", "--serial", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("radio-info needs --version"), std::string::npos) << r.err;
}

// "Check Connection" is answered with retry --retries times (2 unless given), then cancel.
TEST_F(CliRadio, RetriesCountTheCheckConnectionQuestions) {
    const std::vector<std::string> threeLostBlocks{"--drop-read", "5", "--drop-read", "100", "--drop-read", "200"};
    auto questions = [](const std::string& err) {
        size_t n = 0;
        for (size_t p = 0; (p = err.find("Check Connection. Retry or Cancel?", p)) != std::string::npos; ++p) ++n;
        return n;
    };
    {
        SimProcess sim(threeLostBlocks);
        ProgramResult r = Cli({"read", dir / "a.dat", "--port", sim.device});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(questions(r.err), 3u);
        EXPECT_FALSE(fs::exists(dir / "a.dat"));
    }
    SimProcess sim(threeLostBlocks);
    ProgramResult r = Cli({"read", dir / "b.dat", "--port", sim.device, "--retries", "3"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(questions(r.err), 3u);
    EXPECT_TRUE(fs::exists(dir / "b.dat"));
}

TEST_F(CliRadio, AnotherFirmwareVersionFailsWithTheQuestionAndStartsNothing) {
    SimProcess sim({"--firmware", "V210"});
    ProgramResult r = Cli({"read", dir / "read.dat", "--port", sim.device});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("incompatible version. It may cause unknown error."), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Read Data Completed."), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "read.dat"));
    EXPECT_TRUE(Backups().empty());
}

TEST_F(CliRadio, UnansweredEndRequestStillCompletesTheRead) {
    SimProcess sim({"--silent-after", "248"});  // the status block and 247 blocks, then nothing
    ProgramResult r = Cli({"read", dir / "read.dat", "--port", sim.device});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Read Data Completed."), std::string::npos);
}

TEST_F(CliRadio, PortThatCannotOpenSaysWhy) {
    ProgramResult r = Cli({"info", "--port", dir / "no-such-tty"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot Open Communication Port.\nThere is no serial port " + dir / "no-such-tty"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("Check Cable... in Setup > Communication Port (or zb347rx-cli doctor) says why."),
              std::string::npos)
        << r.err;
}

// On a terminal each radio command shows how far it is.
TEST_F(CliRadio, ProgressGoesToATerminal) {
    ASSERT_EQ(Cli({"new", dir / "doc.dat"}).status, 0);
    const struct {
        std::vector<std::string> args;
        const char* last;  // the progress shown last
        const char* done;  // what ends the command's output
    } cases[] = {
        {{"read", dir / "read.dat"}, "Read data from radio: 100%", "zb347rx-cli: Read Data Completed."},
        {{"write", dir / "doc.dat"}, "Write data to radio: 100%", "zb347rx-cli: Write Data Completed."},
        {{"info"}, "Embedded Message: 100%", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        test::PtyPair terminal;
        ASSERT_TRUE(terminal.ok());
        SimProcess sim({});
        std::string command = test::ShellQuoted(ZB_CLI_PATH);
        auto args = c.args;
        for (const std::string& a : {std::string("--port"), sim.device, std::string("--base-folder"), dir.path.string()})
            args.push_back(a);
        for (const auto& a : args) command += " " + test::ShellQuoted(a);
        command += " >/dev/null 2>" + test::ShellQuoted(terminal.path()) + " </dev/null";
        std::atomic<bool> finished{false};
        int status = -1;
        std::thread run([&] {
            status = std::system(command.c_str());
            finished = true;
        });
        std::string shown;
        for (int i = 0; i < 100 && !finished; ++i) {
            const auto bytes = terminal.Receive(1 << 16, 100);
            shown.append(bytes.begin(), bytes.end());
        }
        run.join();
        const auto bytes = terminal.Receive(1 << 16, 100);
        shown.append(bytes.begin(), bytes.end());
        EXPECT_EQ(status, 0);
        EXPECT_NE(shown.find(std::string("\r") + c.last), std::string::npos) << shown;
        // The line ends before the next message; no percentage is shown twice.
        EXPECT_NE(shown.find(std::string(c.last) + "   \n" + c.done), std::string::npos) << shown;
        EXPECT_EQ(shown.find(std::string(c.last) + "   \r"), std::string::npos) << shown;
        EXPECT_NE(shown.find(": 50%"), std::string::npos) << shown;
    }
}

// Every radio command explains its link options.
TEST_F(CliRadio, HelpOfEachRadioCommandNamesThePort) {
    for (const char* command : {"read", "write", "info", "radio-info", "test-channels"}) {
        ProgramResult r = Cli({command, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("--port DEV|N"), std::string::npos) << command << ":\n" << r.out;
    }
}

TEST_F(CliRadio, SilentRadioFailsWithoutSavingAnything) {
    SimProcess sim({"--silent"});
    ProgramResult r = Cli({"read", dir / "read.dat", "--device", sim.device, "--retries", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Check Connection. Retry or Cancel?"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "read.dat"));
}

// Gives a data file written by `new` the test frequencies.
void SetTestFrequencies(const std::string& path, const std::vector<std::array<const char*, 3>>& freqs) {
    AppContext ctx;
    ASSERT_TRUE(PlainLoad(ctx, path));
    auto& o = ctx.Doc.Data.OptionSettings;
    o.TestFreqCount = static_cast<int16_t>(freqs.size());
    for (size_t i = 0; i < freqs.size(); ++i) {
        o.TestFreqList[i].ChNo = static_cast<int16_t>(std::atoi(freqs[i][0]));
        o.TestFreqList[i].RxFreq.Set(freqs[i][1]);
        o.TestFreqList[i].TxFreq.Set(freqs[i][2]);
    }
    ASSERT_TRUE(SaveFiles(ctx, path));
}

// The radio's test channels against a data file: they match, they differ, the radio is silent.
TEST_F(CliRadio, TestChannelsComparesTheRadioWithTheFile) {
    const std::string radioDoc = dir / "radio.dat", otherDoc = dir / "other.dat";
    ASSERT_EQ(Cli({"new", radioDoc}).status, 0);
    ASSERT_EQ(Cli({"new", otherDoc}).status, 0);
    SetTestFrequencies(radioDoc, {{"1", "28015000", "28015000"}, {"4", "29600000", "29610000"}});
    SetTestFrequencies(otherDoc, {{"1", "28015000", "28015000"}, {"4", "29600000", "29620000"}});
    SimProcess sim({"--test-channels", radioDoc});
    ASSERT_FALSE(sim.device.empty());

    ProgramResult same = Cli({"test-channels", radioDoc, "--port", sim.device});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_NE(same.out.find("4    29.600000   29.610000   29.600000   29.610000\n"), std::string::npos) << same.out;
    EXPECT_EQ(same.out.find("<>"), std::string::npos) << same.out;

    // The radio left test mode: it can be checked again at once.
    ProgramResult other = Cli({"test-channels", otherDoc, "--port", sim.device});
    EXPECT_EQ(other.status, 1);
    EXPECT_NE(other.err.find("Test Frequency nismatch."), std::string::npos) << other.err;
    EXPECT_NE(other.out.find("4    29.600000   29.610000   29.600000   29.620000   <>\n"), std::string::npos) << other.out;

    SimProcess silent({"--test-channels", radioDoc, "--fault", "silent-test-mode"});
    ProgramResult none = Cli({"test-channels", radioDoc, "--port", silent.device, "--retries", "1"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("Check Connection. Retry or Cancel?"), std::string::npos) << none.err;
    EXPECT_TRUE(none.out.empty()) << none.out;
}

#endif
