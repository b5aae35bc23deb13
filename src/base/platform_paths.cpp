#include "base/platform_paths.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace zb {
namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string HomeFolder() {
#if defined(_WIN32)
    return Env("USERPROFILE");
#else
    return Env("HOME");
#endif
}

std::string ExecutablePath() {
#if defined(_WIN32)
    wchar_t buffer[32768];
    DWORD n = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    if (n == 0 || n >= std::size(buffer)) return {};
    return std::filesystem::path(std::wstring(buffer, n)).string();
#elif defined(__APPLE__)
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::string buffer(size, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) return {};
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    std::error_code ec;
    auto canonical = std::filesystem::canonical(buffer, ec);
    return ec ? buffer : canonical.string();
#else
    std::error_code ec;
    auto target = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : target.string();
#endif
}

}  // namespace

std::string ExecutableFolder() {
    std::string path = ExecutablePath();
    if (path.empty()) return {};
    return std::filesystem::path(path).parent_path().string();
}

std::string ExecutableFileName() {
    std::string path = ExecutablePath();
    return path.empty() ? std::string() : std::filesystem::path(path).filename().string();
}

std::string UserConfigFolder() {
    namespace fs = std::filesystem;
#if defined(_WIN32)
    std::string root = Env("APPDATA");
    if (root.empty()) root = (fs::path(HomeFolder()) / "AppData" / "Roaming").string();
#elif defined(__APPLE__)
    std::string root = (fs::path(HomeFolder()) / "Library" / "Application Support").string();
#else
    std::string root = Env("XDG_CONFIG_HOME");
    if (root.empty()) root = (fs::path(HomeFolder()) / ".config").string();
#endif
    return (fs::path(root) / "zb347rx").string();
}

std::string PortNumbersFile() {
    const std::string folder = UserConfigFolder();
    if (folder.empty()) return {};
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return ec ? std::string() : (std::filesystem::path(folder) / "ports.ini").string();
}

std::string UserDataFolder() {
    namespace fs = std::filesystem;
#if defined(_WIN32)
    std::string root = Env("LOCALAPPDATA");
    if (root.empty()) root = (fs::path(HomeFolder()) / "AppData" / "Local").string();
    return (fs::path(root) / "zb347rx").string();
#elif defined(__APPLE__)
    return UserConfigFolder();
#else
    std::string root = Env("XDG_DATA_HOME");
    if (root.empty()) root = (fs::path(HomeFolder()) / ".local" / "share").string();
    return (fs::path(root) / "zb347rx").string();
#endif
}

}  // namespace zb
