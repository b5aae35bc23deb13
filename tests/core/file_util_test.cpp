// Whole-file reads that refuse what is not a plain file, and saves of several files as one step.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "base/file_util.h"
#include "support/temp_dir.h"

using namespace zb;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The system's rename, except that call number `failing` (counted from 1) fails.
struct FailingRename {
    int failing = 0;
    int calls = 0;
    bool operator()(const std::string& from, const std::string& to, std::string& error) {
        if (++calls == failing) {
            error = "refused by the test";
            return false;
        }
        return SystemRename(from, to, error);
    }
};

}  // namespace

TEST(FileRead, OnlyRegularFilesOfASaneSizeAreRead) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    // Each of these would block, grow without end or read a folder: all are refused at once.
    for (const std::string& path : {dir / "pipe", std::string("/dev/zero"), dir / "folder", dir / "missing"}) {
        std::string reason;
        EXPECT_FALSE(ReadFileBytes(path, kWholeFileLimit, &reason)) << path;
        EXPECT_FALSE(ReadFileHead(path, 10, &reason)) << path;
        EXPECT_FALSE(reason.empty()) << path;
    }

    ASSERT_TRUE(WriteFileAtomically(dir / "ten", "0123456789"));
    std::string reason;
    EXPECT_EQ(ReadFileBytes(dir / "ten", 10).value_or(""), "0123456789");
    EXPECT_FALSE(ReadFileBytes(dir / "ten", 9, &reason));
    EXPECT_NE(reason.find("larger than 9 bytes"), std::string::npos) << reason;
    const auto head = ReadFileHead(dir / "ten", 4);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->bytes, "0123");
    EXPECT_EQ(head->size, 10u);
}

TEST(FileWrite, AFailedReplacementPutsEveryOldFileBack) {
    test::TempDir dir;
    const std::string a = dir / "x.dat", b = dir / "x.fre";
    ASSERT_TRUE(WriteFilesAtomically({{a, "old data"}, {b, "old channels"}}));
    const auto before = NamesIn(dir.path);

    // The second replacement fails, then the first: either way both old files stay byte for byte.
    for (int failing : {2, 1}) {
        FailingRename rename{failing};
        std::string error;
        EXPECT_FALSE(WriteFilesAtomically({{a, "new data"}, {b, "new channels"}}, &error, rename));
        EXPECT_NE(error.find("refused by the test"), std::string::npos) << error;
        EXPECT_EQ(ReadFileBytes(a).value_or(""), "old data") << failing;
        EXPECT_EQ(ReadFileBytes(b).value_or(""), "old channels") << failing;
        EXPECT_EQ(NamesIn(dir.path), before) << "no temporary or kept copy left behind";
    }

    // A pair that did not exist yet is not left half there.
    FailingRename rename{2};
    EXPECT_FALSE(WriteFilesAtomically({{dir / "y.dat", "d"}, {dir / "y.fre", "c"}}, nullptr, rename));
    EXPECT_EQ(NamesIn(dir.path), before);

    // One path twice is refused before anything is written.
    std::string error;
    EXPECT_FALSE(WriteFilesAtomically({{a, "1"}, {dir.path.string() + "/./x.dat", "2"}}, &error));
    EXPECT_EQ(ReadFileBytes(a).value_or(""), "old data");
    EXPECT_FALSE(error.empty());
}

TEST(FileWrite, TheLongestFileNamesSave) {
    test::TempDir dir;
    for (std::size_t length : {247u, 255u}) {
        const std::string path = dir / std::string(length - 4, 'n') + ".dat";
        ASSERT_TRUE(WriteFilesAtomically({{path, "data"}, {path.substr(0, path.size() - 3) + "fre", "ch"}}))
            << length;
        EXPECT_EQ(ReadFileBytes(path).value_or(""), "data");
        EXPECT_EQ(NamesIn(dir.path).size(), 2u);
        fs::remove_all(dir.path);
        fs::create_directories(dir.path);
    }
}
