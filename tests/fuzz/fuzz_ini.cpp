// Fuzz target: profile (INI) text. Parsing, looking up and setting keys never fails, and a key
// just set reads back from the written text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace zb;
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    IniFile ini = IniFile::Parse(text);
    for (const char* key : {"CurrentVersion", "FirmVersionCount", "Firm0", "comPort"})
        if (auto v = ini.Get("Version", key)) (void)ParseInt16(*v);
    (void)ini.Entries("Firm");
    ini.Set("language", "comPort", "7");
    const auto back = IniFile::Parse(ini.Text()).Get("language", "comPort");
    if (!back || *back != "7") std::abort();
    return 0;
}
