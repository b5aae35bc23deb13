// export-csv, import-csv and diff as a user's script runs them.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/file_util.h"
#include "support/run_program.h"

#ifdef ZB_CLI_PATH
using namespace zb;
using test::ProgramResult;
namespace fs = std::filesystem;

namespace {

struct CliCsv : ::testing::Test {
    test::TempDir dir;
    void SetUp() override { fs::copy_file(fs::path(ZB_BINARY_DIR) / "Version.ini", dir.path / "Version.ini"); }
    ProgramResult Cli(std::vector<std::string> args) {
        args.push_back("--base-folder");
        args.push_back(dir.path.string());
        return test::RunProgram(ZB_CLI_PATH, args);
    }
    std::string NewFile(const std::string& name) {
        const std::string file = dir / name;
        ProgramResult r = Cli({"new", file, "--date", "2026-01-02"});
        EXPECT_EQ(r.status, 0) << r.err;
        return file;
    }
    std::string Write(const std::string& name, const std::string& text) {
        EXPECT_TRUE(WriteFileAtomically(dir / name, text));
        return dir / name;
    }
    std::string Bytes(const std::string& file) {
        return ReadFileBytes(file).value_or("") + ReadFileBytes(file.substr(0, file.size() - 3) + "fre").value_or("");
    }
};

}  // namespace

TEST_F(CliCsv, ExportThenReplaceImportIsTheSameDocument) {
    const std::string a = NewFile("a.dat");
    ProgramResult r = Cli({"edit", a, "--group", "2", "--channel", "4", "--field", "RxFreq", "--value", "28.3",
                           "--field", "TxFreq", "--value", "28.4", "--field", "EncTone", "--value", "D023N",
                           "--field", "DecTone", "--value", "67.0", "--field", "RepShift", "--value", "2",
                           "--channel", "9", "--field", "RxFreq", "--value", "29.1", "--field", "Scan",
                           "--value", "0", "--field", "BusyFlag", "--value", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Cli({"export-csv", a, dir / "g2.csv", "--group", "2"});
    ASSERT_EQ(r.status, 0) << r.err;

    const std::string b = NewFile("b.dat");
    r = Cli({"import-csv", b, dir / "g2.csv", "--group", "2", "--replace"});  // 3 channels
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Channels imported into group 2: 3."), std::string::npos) << r.out;
    r = Cli({"diff", a, b});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "");

    // The whole document in one file (a channel of each group and the two above), read into
    // another group: file order on the free numbers.
    r = Cli({"export-csv", a, dir / "all.csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Cli({"import-csv", b, dir / "all.csv", "--group", "5", "--dry-run"});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Channels that would be imported into group 5: 22."), std::string::npos) << r.out;
}

TEST_F(CliCsv, ARefusedRowChangesNothingUnlessAccepted) {
    const std::string file = NewFile("a.dat");
    const std::string before = Bytes(file);
    const std::string csv = Write("in.csv", "Location,Frequency,Duplex\r\n1,28.100000,\r\n2,28.200000,off\r\n");

    ProgramResult r = Cli({"import-csv", file, csv, "--group", "3"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("line 3: Duplex \"off\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Nothing was changed."), std::string::npos) << r.out;
    EXPECT_EQ(Bytes(file), before);

    r = Cli({"import-csv", file, csv, "--group", "3", "--skip-bad", "--dry-run"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Channels that would be imported into group 3: 1."), std::string::npos) << r.out;
    EXPECT_EQ(Bytes(file), before);

    r = Cli({"import-csv", file, csv, "--group", "3", "--skip-bad"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(Bytes(file), before);
    r = Cli({"show", file});
    EXPECT_NE(r.out.find("CH 1  RX 28.100000  TX 28.100000"), std::string::npos) << r.out;

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"import-csv", file, csv},                       // no group
             {"import-csv", file, csv, "--group", "21"},      // no such group
             {"export-csv", file, dir / "x.csv", "--group", "0"}}) {
        EXPECT_EQ(Cli(args).status, 2) << args.back();
    }
    EXPECT_EQ(Cli({"import-csv", file, dir / "missing.csv", "--group", "1"}).status, 1);
}

TEST_F(CliCsv, DiffOfADocumentAndItsImage) {
    const std::string file = NewFile("a.dat");
    ProgramResult r = Cli({"encode", file, dir / "a.img"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Cli({"diff", file, dir / "a.img"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "");

    r = Cli({"edit", file, "--group", "1", "--channel", "1", "--field", "TxFreq", "--value", "28.2"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Cli({"diff", dir / "a.img", file});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Group 1 channel 1: TxFreq 28.015000 -> 28.200000\n");

    r = Cli({"diff", file, dir / "nothing.dat"});
    EXPECT_EQ(r.status, 2);
}

#endif
