// The copy kept of every successful read: the image and the document, never overwriting an
// earlier copy and never changing the program's state.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "base/file_util.h"
#include "files/data_files.h"
#include "link/link_engine.h"
#include "link/read_backup.h"
#include "link_fixture.h"
#include "support/temp_dir.h"

namespace zb {
namespace {

namespace fs = std::filesystem;

// A read of a radio whose channel slots hold a pattern.
struct ReadDone : test::LinkHarness {
    ReadDone() {
        for (int i = 0x10; i < 0x3210; ++i) radio.memory[i] = static_cast<uint8_t>(i % 251);
        ReadFromRadio(ctx);
        Run();
    }
};

TEST(ReadBackup, KeepsTheImageAndTheDocumentAsSavingWouldWriteIt) {
    ReadDone h;
    ASSERT_TRUE(h.ctx.link.lastSucceeded);
    test::TempDir dir;
    const Codeplug stage = h.ctx.Stage;
    const Codeplug doc = h.ctx.Doc;
    std::string error;
    const auto files = WriteReadBackup(h.ctx, dir / "backups", "20261210-145000", &error);
    ASSERT_TRUE(files) << error;
    EXPECT_EQ(files->image, dir / "backups/20261210-145000.img");
    EXPECT_EQ(ReadFileBytes(files->image), std::string(h.ctx.Image.begin(), h.ctx.Image.end()));

    // The document is still unsaved: the stage, path and untitled flag are as the read left them.
    EXPECT_TRUE(h.ctx.Stage.Data == stage.Data && h.ctx.Stage.Channels == stage.Channels);
    EXPECT_TRUE(h.ctx.Doc.Data == doc.Data && h.ctx.Doc.Channels == doc.Channels);
    EXPECT_TRUE(h.ctx.document.untitled);
    EXPECT_EQ(h.ctx.document.path, "new.dat");

    ASSERT_TRUE(SaveFiles(h.ctx, dir / "saved.dat"));
    EXPECT_EQ(ReadFileBytes(files->data), ReadFileBytes(dir / "saved.dat"));
    EXPECT_EQ(ReadFileBytes(files->channels), ReadFileBytes(dir / "saved.fre"));
}

TEST(ReadBackup, SecondReadInTheSameSecondGetsItsOwnName) {
    ReadDone h;
    test::TempDir dir;
    const auto first = WriteReadBackup(h.ctx, dir.path.string(), "20261210-145000", nullptr);
    ASSERT_TRUE(first);
    const auto firstImage = ReadFileBytes(first->image);
    h.ctx.Image[0x100] ^= 0xFF;  // another read
    const auto second = WriteReadBackup(h.ctx, dir.path.string(), "20261210-145000", nullptr);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->image, dir / "20261210-145000-2.img");
    EXPECT_EQ(ReadFileBytes(first->image), firstImage);
    EXPECT_NE(ReadFileBytes(second->image), firstImage);
}

TEST(ReadBackup, FolderThatCannotBeMadeIsReportedNotThrown) {
    ReadDone h;
    test::TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "file", "x"));
    std::string error;
    EXPECT_FALSE(WriteReadBackup(h.ctx, dir / "file/backups", "20261210-145000", &error));
    EXPECT_NE(error.find(dir / "file/backups"), std::string::npos);
}

TEST(ReadBackup, StampIsLocalTimeToTheSecond) {
    const char* saved = std::getenv("TZ");
    const std::string old = saved ? saved : "";
    setenv("TZ", "UTC0", 1);
    tzset();
    // 2025-03-15 07:08:09 UTC
    EXPECT_EQ(BackupStamp(std::chrono::system_clock::from_time_t(1742022489)), "20250315-070809");
    setenv("TZ", "CET-1", 1);
    tzset();
    EXPECT_EQ(BackupStamp(std::chrono::system_clock::from_time_t(1742022489)), "20250315-080809");
    if (saved) {
        setenv("TZ", old.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

}  // namespace
}  // namespace zb
