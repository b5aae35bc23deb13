// Private-profile files: reading with Windows' rules and writing one key in place.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/file_util.h"
#include "base/ini_file.h"

using namespace zb;

TEST(IniFile, ReadsCaseInsensitivelyAndTrims) {
    IniFile ini = IniFile::Parse("; comment\r\n[Language]\r\n  comPort =  3  \r\nStopBit=\"2\"\r\n"
                                 "[other]\r\ncomPort=9\r\n");
    EXPECT_EQ(ini.Get("language", "COMPORT"), "3");
    EXPECT_EQ(ini.Get("language", "stopbit"), "2");
    EXPECT_EQ(ini.Get("other", "comPort"), "9");
    EXPECT_FALSE(ini.Get("language", "Handshaking").has_value());
    EXPECT_FALSE(ini.Get("missing", "comPort").has_value());
}

TEST(IniFile, SetKeepsEverythingElse) {
    const std::string original =
        "[language]\r\nIsFirstRun=1\r\n; keep me\r\ncomPort=1\r\n\r\n[Other]\r\nx=y\r\n";
    IniFile ini = IniFile::Parse(original);
    ini.Set("LANGUAGE", "comport", "4");
    EXPECT_EQ(ini.Text(),
              "[language]\r\nIsFirstRun=1\r\n; keep me\r\ncomport=4\r\n\r\n[Other]\r\nx=y\r\n");
    ini.Set("language", "StopBit", "2");  // new key goes after the section's last key
    EXPECT_EQ(ini.Text(), "[language]\r\nIsFirstRun=1\r\n; keep me\r\ncomport=4\r\nStopBit=2\r\n"
                          "\r\n[Other]\r\nx=y\r\n");
    ini.Set("Version", "CurrentVersion", "V200");  // new section at the end
    EXPECT_EQ(ini.Get("version", "currentversion"), "V200");
}

TEST(IniFile, WriteCreatesFileAndKeepsLineEnds) {
    auto dir = std::filesystem::temp_directory_path() / "zb_ini_test";
    std::filesystem::create_directories(dir);
    std::string path = (dir / "mysetup.ini").string();
    std::filesystem::remove(path);
    ASSERT_TRUE(WriteProfileString(path, "language", "comPort", "2"));
    EXPECT_EQ(ReadFileBytes(path), "[language]\r\ncomPort=2\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "[language]\ncomPort=2\n"));
    ASSERT_TRUE(WriteProfileString(path, "language", "StopBit", "1"));
    EXPECT_EQ(ReadFileBytes(path), "[language]\ncomPort=2\nStopBit=1\n");
    EXPECT_FALSE(WriteProfileString((dir / "no/such/dir/x.ini").string(), "a", "b", "c"));
    std::filesystem::remove_all(dir);
}

TEST(ParseInt16, AcceptsOnlyDecimalNumbersInRange) {
    EXPECT_EQ(ParseInt16(" 12 "), 12);
    EXPECT_EQ(ParseInt16("-3"), -3);
    EXPECT_EQ(ParseInt16("+7"), 7);
    EXPECT_FALSE(ParseInt16("").has_value());
    EXPECT_FALSE(ParseInt16("1x").has_value());
    EXPECT_FALSE(ParseInt16("40000").has_value());
}
