#include "base/file_util.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace zb {

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return buf.str();
}

namespace {

// Writes bytes completely to path + ".tmp"; false (and no temporary left) on any failure.
bool WriteTemporary(const std::string& temp, const std::string& bytes) {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    if (!out) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    return WriteFilesAtomically({{path, bytes}});
}

bool WriteFilesAtomically(const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<std::string> temps;
    for (const auto& [path, bytes] : files) {
        const std::string temp = path + ".tmp";
        if (!WriteTemporary(temp, bytes)) {
            for (const auto& t : temps) std::remove(t.c_str());
            return false;
        }
        temps.push_back(temp);
    }
    bool ok = true;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::error_code ec;
        std::filesystem::rename(temps[i], files[i].first, ec);  // replaces an existing file
        if (ec) {
            std::remove(temps[i].c_str());
            ok = false;
        }
    }
    return ok;
}

}  // namespace zb
