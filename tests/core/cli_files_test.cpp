// The command-line program's file commands, run as a user's script runs them.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/file_util.h"
#include "support/run_program.h"

#ifdef ZB_CLI_PATH
using namespace zb;
using test::ProgramResult;
namespace fs = std::filesystem;

namespace {

struct CliFiles : ::testing::Test {
    test::TempDir dir;
    void SetUp() override {
        fs::copy_file(fs::path(ZB_BINARY_DIR) / "Version.ini", dir.path / "Version.ini");
    }
    ProgramResult Cli(std::vector<std::string> args) {
        args.push_back("--base-folder");
        args.push_back(dir.path.string());
        return test::RunProgram(ZB_CLI_PATH, args);
    }
    std::string Json(const std::string& file) {
        ProgramResult r = Cli({"show", file, "--json"});
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }
};

}  // namespace

TEST_F(CliFiles, NewShowEditAndTheirMistakes) {
    const std::string file = dir / "a.dat";
    ProgramResult r = Cli({"new", file});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(file)->size(), 1653u);

    std::string json = Json(file);
    EXPECT_NE(json.find("\"Version\": \"V200\""), std::string::npos);
    EXPECT_NE(json.find("\"Name\": \"BAND20\""), std::string::npos);
    EXPECT_NE(json.find("\"RxFreq\": \"28145000\""), std::string::npos);
    EXPECT_NE(json.find("\"OptionFeaturesExt\": {"), std::string::npos);

    r = Cli({"edit", file, "--group", "1", "--channel", "12", "--field", "RxFreq", "--value",
             "28.5", "--field", "DecTone", "--value", "67.0", "--group", "VFO1", "--channel", "1",
             "--field", "TxFreq", "--value", "31"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Frequency is out of range."), std::string::npos);
    json = Json(file);
    EXPECT_NE(json.find("\"ChNo\": 12,\n          \"Valid\": 1,\n          \"RxFreq\": \"28500000\""),
              std::string::npos);
    EXPECT_NE(json.find("\"DecTone\": 1,"), std::string::npos);
    EXPECT_NE(json.find("\"TxFreq\": \"30105000\""), std::string::npos) << "clamped to band 1";

    r = Cli({"show", file});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("CH 12  RX 28.500000  TX 28.500000  DEC 67.0"), std::string::npos) << r.out;

    struct Mistake { std::vector<std::string> args; int status; const char* says; };
    const Mistake mistakes[] = {
        {{"edit", file, "--group", "21", "--channel", "1", "--field", "Scan", "--value", "0"}, 2, "--group"},
        {{"edit", file, "--group", "1", "--channel", "1", "--field", "Bogus", "--value", "0"}, 2, "unknown field"},
        {{"edit", file}, 2, "no edit"},
        {{"show", file, "--jsno"}, 2, "unknown option --jsno"},
        {{"show"}, 2, "wrong number of arguments"},
        {{"new", file, "--date", "2026-13-01"}, 2, "--date"},
        {{"show", dir / "missing.dat"}, 1, "file error."},
    };
    const std::string before = *ReadFileBytes(file);
    for (const Mistake& m : mistakes) {
        r = Cli(m.args);
        EXPECT_EQ(r.status, m.status) << m.says;
        EXPECT_NE(r.err.find(m.says), std::string::npos) << r.err;
    }
    EXPECT_EQ(*ReadFileBytes(file), before);
}

TEST_F(CliFiles, DamagedFilesAreRefusedWithTheProgramsMessage) {
    const std::string file = dir / "bad.dat";
    ASSERT_TRUE(WriteFileAtomically(file, std::string(1653, 'x')));
    ProgramResult r = Cli({"show", file});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Unknown version Of DataFile!"), std::string::npos);

    r = Cli({"show", file, "--lang", "zh"});
    EXPECT_NE(r.err.find("未能识别的数据版本!"), std::string::npos);

    ASSERT_TRUE(WriteFileAtomically(file, "V201" + std::string(1649, '\0')));
    r = Cli({"show", file});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("DataFile version is V2.01"), std::string::npos) << r.err;
}

TEST_F(CliFiles, EncodeDecodeRoundTrip) {
    const std::string file = dir / "a.dat";
    ASSERT_EQ(Cli({"new", file}).status, 0);
    ASSERT_EQ(Cli({"edit", file, "--group", "3", "--channel", "7", "--field", "RxFreq", "--value",
                   "29.125", "--field", "EncTone", "--value", "D023N"}).status, 0);
    ProgramResult r = Cli({"encode", file, dir / "a.img"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string image = *ReadFileBytes(dir / "a.img");
    ASSERT_EQ(image.size(), 16384u);
    EXPECT_EQ(image.substr((2 * 40 + 7) * 16, 3), "\x29\x12\x50");

    r = Cli({"decode", dir / "a.img", dir / "b.dat"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string a = Json(file);
    const std::string b = Json(dir / "b.dat");
    auto group3 = [](const std::string& j) {
        const auto start = j.find("\"Name\": \"BAND3\"");
        return j.substr(start, j.find("\"Name\": \"BAND4\"") - start);
    };
    EXPECT_EQ(group3(a), group3(b));

    ASSERT_TRUE(WriteFileAtomically(dir / "short.img", "abc"));
    r = Cli({"decode", dir / "short.img", dir / "c.dat"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(dir / "c.dat"));
}

TEST(Cli, HelpAndUnknownCommand) {
    ProgramResult r = test::RunProgram(ZB_CLI_PATH, {"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* name : {"new", "show", "encode", "decode", "edit"})
        EXPECT_NE(r.out.find(std::string("  ") + name + " "), std::string::npos) << name;
    r = test::RunProgram(ZB_CLI_PATH, {"edit", "--help"});
    EXPECT_NE(r.out.find("--field NAME"), std::string::npos);
    r = test::RunProgram(ZB_CLI_PATH, {"frobnicate"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unknown command"), std::string::npos);
}
#endif
