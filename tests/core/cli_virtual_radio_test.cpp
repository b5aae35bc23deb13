// The command line's radio commands on the virtual radio inside the program.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/file_util.h"
#include "support/run_program.h"

#if defined(ZB_CLI_PATH)
using namespace zb;
using test::ProgramResult;
namespace fs = std::filesystem;

namespace {

struct CliVirtualRadio : ::testing::Test {
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

TEST_F(CliVirtualRadio, ReadsTheImageItWasGivenAndWritesAFreshOne) {
    const std::string doc = dir / "doc.dat", image = dir / "doc.img";
    ASSERT_EQ(Cli({"new", doc}).status, 0);
    ASSERT_EQ(Cli({"encode", doc, image}).status, 0);
    ASSERT_EQ(Cli({"decode", image, dir / "decoded.dat"}).status, 0);
    std::string memory = *ReadFileBytes(image);
    memory[0x3F00] = 0x00;  // status block: standard band, as the decoded document assumes
    ASSERT_TRUE(WriteFileAtomically(dir / "radio.bin", memory));

    ProgramResult r = Cli({"read", dir / "read.dat", "--virtual-radio-image", dir / "radio.bin"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Read Data Completed."), std::string::npos);
    EXPECT_EQ(ReadFileBytes(dir / "read.dat"), ReadFileBytes(dir / "decoded.dat"));
    EXPECT_EQ(ReadFileBytes(dir / "read.fre"), ReadFileBytes(dir / "decoded.fre"));

    r = Cli({"write", doc, "--virtual-radio"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Write Data Completed."), std::string::npos);
}

TEST_F(CliVirtualRadio, ADocumentWithUnreadChannelsIsWrittenOnlyWhenForced) {
    const std::string doc = dir / "doc.dat";
    ASSERT_EQ(Cli({"new", doc}).status, 0);
    fs::remove(dir / "doc.fre");
    ProgramResult r = Cli({"write", doc, "--virtual-radio"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("The channel file is missing or too short"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("not written to the radio"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Write Data Completed."), std::string::npos);

    r = Cli({"write", doc, "--virtual-radio", "--force"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Write Data Completed."), std::string::npos);
}

TEST_F(CliVirtualRadio, LinkOptionsOutsideTheirRangeAreRefused) {
    struct Case { std::vector<std::string> args; const char* says; };
    const Case cases[] = {
        {{"info", "--virtual-radio", "--timeout", "4294968"}, "--timeout takes 1..86400"},
        {{"info", "--virtual-radio", "--timeout=0"}, "--timeout takes 1..86400"},
        {{"info", "--port", ""}, "not an empty text"},
        {{"info", "--device="}, "not an empty text"},
    };
    for (const Case& c : cases) {
        ProgramResult r = Cli(c.args);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
}

TEST_F(CliVirtualRadio, RefusesABadImageAndAnotherPort) {
    ASSERT_TRUE(WriteFileAtomically(dir / "short.bin", std::string(10, 'x')));
    ProgramResult r = Cli({"read", dir / "read.dat", "--virtual-radio-image", dir / "short.bin"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("10 bytes"), std::string::npos) << r.err;
    r = Cli({"read", dir / "read.dat", "--virtual-radio", "--port", "3"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--virtual-radio goes without"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "read.dat"));
}

#endif
