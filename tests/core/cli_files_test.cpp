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

    // An edit the rules clamp did not take place as asked: said, nothing saved, exit 1.
    const std::string unedited = *ReadFileBytes(file);
    r = Cli({"edit", file, "--group", "1", "--channel", "12", "--field", "RxFreq", "--value",
             "28.5", "--group", "VFO1", "--channel", "1", "--field", "TxFreq", "--value", "31"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Frequency is out of range."), std::string::npos);
    EXPECT_NE(r.err.find("group VFO1, channel 1, TxFreq \"31\": the change did not take place as "
                         "asked (it holds 30.105000)"), std::string::npos) << r.err;
    EXPECT_EQ(*ReadFileBytes(file), unedited);

    r = Cli({"edit", file, "--group", "1", "--channel", "12", "--field", "RxFreq", "--value",
             "28.5", "--field", "DecTone", "--value", "67.0", "--group", "VFO1", "--channel", "1",
             "--field", "TxFreq", "--value", "30.1"});
    ASSERT_EQ(r.status, 0) << r.err;
    json = Json(file);
    EXPECT_NE(json.find("\"ChNo\": 12,\n          \"Valid\": 1,\n          \"RxFreq\": \"28500000\""),
              std::string::npos);
    EXPECT_NE(json.find("\"DecTone\": 1,"), std::string::npos);
    EXPECT_NE(json.find("\"TxFreq\": \"30100000\""), std::string::npos);

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
        {{"show", dir / "missing.dat"}, 1, "No such file or directory"},
        // Values the rules would ignore, and an edit the rules turn into a deletion.
        {{"edit", file, "--group", "1", "--channel", "1", "--field", "DecTone", "--value", "999"}, 1, "DecTone takes 0..264"},
        {{"edit", file, "--group", "1", "--channel", "1", "--field", "Scan", "--value", "7"}, 1, "Scan takes 0..1"},
        {{"edit", file, "--group", "1", "--channel", "1", "--field", "RepShift", "--value", "9"}, 1, "RepShift takes 0..2"},
        {{"edit", file, "--group", "VFO0", "--channel", "5", "--field", "Scan", "--value", "1"}, 1, "1 for a VFO"},
        {{"edit", file, "--group", "1", "--channel", "12", "--field", "RxFreq", "--value", "24.5"}, 1, "the channel no longer exists"},
        {{"new", file, "--date", "2026-02-31", "--defaults-only"}, 2, "not a date"},
        {{"show", file, "--json=yes"}, 2, "takes no value"},
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

TEST_F(CliFiles, TheDateOfANewDocumentIsAppliedWithOrWithoutTheTemplate) {
    for (const char* only : {"--defaults-only", "--lang=en"}) {
        const std::string file = dir / "dated.dat";
        ProgramResult r = Cli({"new", file, "--date=2024-02-29", only});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(Json(file).find("\"SerialNumber\": \"20240229\""), std::string::npos) << only;
    }
}

TEST_F(CliFiles, NamesWithoutAnExtensionNeverShareAChannelFile) {
    const std::string radio2 = dir / "radio2", radio3 = dir / "radio3";
    ASSERT_EQ(Cli({"new", radio2}).status, 0);
    // "--" ends the options: the base folder goes before it.
    ProgramResult r =
        test::RunProgram(ZB_CLI_PATH, {"new", "--defaults-only", "--base-folder", dir.path.string(), "--", radio3});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("the data file is named " + radio3 + ".dat"), std::string::npos) << r.err;
    for (const char* name : {"radio2.dat", "radio2.fre", "radio3.dat", "radio3.fre"})
        EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_FALSE(fs::exists(dir / "radfre"));

    // An existing file without one is refused, naming the channel file it would use.
    fs::copy_file(dir / "radio2.dat", radio2);
    r = Cli({"show", radio2});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(dir / "radfre"), std::string::npos) << r.err;

    // A name whose channel file is itself is refused before anything is written.
    r = Cli({"new", dir / "x.fre"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("would be one file"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "x.fre"));
}

TEST_F(CliFiles, AMissingChannelFileIsSaidByShowAndEncode) {
    const std::string file = dir / "a.dat";
    ASSERT_EQ(Cli({"new", file}).status, 0);
    fs::remove(dir / "a.fre");
    for (std::vector<std::string> args : {std::vector<std::string>{"show", file},
                                          std::vector<std::string>{"encode", file, dir / "a.img"}}) {
        ProgramResult r = Cli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("The channel file is missing or too short"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Channel file: " + dir / "a.fre"), std::string::npos) << r.err;
    }
}

TEST_F(CliFiles, ShowWritesNothingAndNothingRawReachesTheTerminal) {
    const std::string file = dir / "a.dat";
    ASSERT_EQ(Cli({"new", file}).status, 0);
    std::string bytes = *ReadFileBytes(file);
    bytes.replace(8, 8, "\x1b]0;X\x07  ");  // Groups[0].Name: a terminal title escape
    bytes.replace(1505 + 32, 5, "LINE2");  // MessageLine2
    ASSERT_TRUE(WriteFileAtomically(file, bytes));
    fs::remove_all(dir / "language");

    ProgramResult r = Cli({"show", file});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(r.out.find('\x07'), std::string::npos);
    EXPECT_NE(r.out.find("Group 1 \"\\x1B]0;X\\x07\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"LINE2\""), std::string::npos) << "both message lines";
    EXPECT_FALSE(fs::exists(dir / "language")) << "a read-only command writes no settings file";
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
    EXPECT_NE(r.err.find("Commands:"), std::string::npos) << "usage on stderr";
}

TEST(Cli, ConventionsHoldForEveryCommand) {
    test::TempDir dir;
    const std::string cwd = fs::current_path().string();
    fs::current_path(dir.path);  // whatever a mistaken run would create lands here
    const std::string helpOfNew = test::RunProgram(ZB_CLI_PATH, {"new", "--help"}).out;
    struct Case { std::vector<std::string> args; int status; const char* out; const char* err; };
    const Case cases[] = {
        {{"new", "-h"}, 0, "Usage: zb347rx-cli new", ""},
        {{"new", "out.dat", "--defaults-only", "--help"}, 0, "Usage: zb347rx-cli new", ""},
        {{"help", "new"}, 0, "Usage: zb347rx-cli new", ""},
        {{"write", "-h"}, 0, "Usage: zb347rx-cli", ""},
        {{"--version"}, 0, "zb347rx-cli V2.00", ""},
        {{}, 2, "", "Commands:"},
        {{"help", "nothing"}, 2, "", "unknown command"},
        {{"show"}, 2, "", "Usage: zb347rx-cli show"},
        {{"show", "--lang", "zh"}, 2, "", "参数个数错误"},
        {{"show", "--lang=zh", "--bogus"}, 2, "", "未知选项 --bogus"},
        {{"show", "--", "-h"}, 2, "", "-h has no three-letter extension"},
    };
    for (const Case& c : cases) {
        ProgramResult r = test::RunProgram(ZB_CLI_PATH, c.args);
        EXPECT_EQ(r.status, c.status) << c.args.size() << r.err;
        EXPECT_NE(r.out.find(c.out), std::string::npos) << r.out;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    EXPECT_EQ(test::RunProgram(ZB_CLI_PATH, {"help", "new"}).out, helpOfNew);
    EXPECT_TRUE(fs::is_empty(dir.path)) << "asking for help creates no file";
    fs::current_path(cwd);
}
#endif
