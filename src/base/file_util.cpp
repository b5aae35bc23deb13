#include "base/file_util.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace zb {
namespace fs = std::filesystem;

namespace {

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

std::string SystemReason(int code) { return std::generic_category().message(code); }

}  // namespace

std::optional<FileHead> ReadFileHead(const std::string& path, std::size_t limit,
                                     std::string* error) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) {
        SetError(error, ec.message());
        return std::nullopt;
    }
    if (!fs::is_regular_file(status)) {
        SetError(error, fs::is_directory(status) ? "is a folder" : "is not a regular file");
        return std::nullopt;
    }
    FileHead head;
    head.size = fs::file_size(path, ec);
    if (ec) {
        SetError(error, ec.message());
        return std::nullopt;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        SetError(error, errno ? SystemReason(errno) : "cannot be opened");
        return std::nullopt;
    }
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uintmax_t>(head.size, limit));
    head.bytes.resize(wanted);
    in.read(head.bytes.data(), static_cast<std::streamsize>(wanted));
    if (in.bad()) {
        SetError(error, "read error");
        return std::nullopt;
    }
    head.bytes.resize(static_cast<std::size_t>(in.gcount()));  // a file that shrank meanwhile
    return head;
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit,
                                         std::string* error) {
    // One byte more than allowed tells a file that is too large from one that just fits.
    auto head = ReadFileHead(path, limit + 1, error);
    if (!head) return std::nullopt;
    if (head->bytes.size() > limit || head->size > limit) {
        SetError(error, "is larger than " + std::to_string(limit) + " bytes");
        return std::nullopt;
    }
    return std::move(head->bytes);
}

bool SystemRename(const std::string& from, const std::string& to, std::string& error) {
    std::error_code ec;
    fs::rename(from, to, ec);  // replaces an existing file
    if (ec) error = ec.message();
    return !ec;
}

namespace {

// A new, unused file name in the folder of `beside`: short, so that it fits wherever the final
// name fits. Created empty (exclusively), so no other save can pick it too.
std::optional<std::string> CreateUniqueFile(const std::string& beside, const char* suffix,
                                            std::string* error) {
    static std::mt19937 rng{std::random_device{}()};
    const fs::path folder = fs::path(beside).parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".zb347rx-%08x%s", static_cast<unsigned>(rng()), suffix);
        const std::string candidate = (folder / name).string();
        errno = 0;
        if (std::FILE* f = std::fopen(candidate.c_str(), "wbx")) {
            std::fclose(f);
            return candidate;
        }
        if (errno != EEXIST) {
            SetError(error, SystemReason(errno ? errno : EIO));
            return std::nullopt;
        }
    }
    SetError(error, "no free temporary file name");
    return std::nullopt;
}

// Writes bytes completely to a new temporary file beside path; nothing (and no file left) on
// any failure.
std::optional<std::string> WriteTemporary(const std::string& path, const std::string& bytes,
                                          std::string* error) {
    auto temp = CreateUniqueFile(path, ".tmp", error);
    if (!temp) return std::nullopt;
    errno = 0;
    std::FILE* f = std::fopen(temp->c_str(), "wb");
    bool ok = f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int code = ok ? 0 : errno;
    if (f && std::fclose(f) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        SetError(error, SystemReason(code ? code : EIO));
        std::remove(temp->c_str());
        return std::nullopt;
    }
    return temp;
}

// A second name for the old file at path, so it can be put back: a hard link where the file
// system has them, else a copy. Nothing when path does not exist yet (no old file to keep).
bool KeepOldFile(const std::string& path, std::optional<std::string>& kept, std::string* error) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(path, ec))) return true;
    auto name = CreateUniqueFile(path, ".old", error);
    if (!name) return false;
    fs::remove(*name, ec);
    fs::create_hard_link(path, *name, ec);
    if (ec) {
        ec.clear();
        fs::copy_file(path, *name, fs::copy_options::overwrite_existing, ec);
    }
    if (ec) {
        SetError(error, ec.message());
        fs::remove(*name, ec);
        return false;
    }
    kept = *name;
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error) {
    return WriteFilesAtomically({{path, bytes}}, error);
}

bool WriteFilesAtomically(const std::vector<std::pair<std::string, std::string>>& files,
                          std::string* error, const RenameFunction& rename) {
    for (std::size_t i = 0; i < files.size(); ++i)
        for (std::size_t j = i + 1; j < files.size(); ++j)
            if (fs::path(files[i].first).lexically_normal() == fs::path(files[j].first).lexically_normal()) {
                SetError(error, files[i].first + " would be written twice");
                return false;
            }

    struct Step {
        std::string temp;
        std::optional<std::string> old;  // the old file under a second name
        bool replaced = false;
    };
    std::vector<Step> steps;
    auto cleanUp = [&steps] {
        for (const Step& s : steps) {
            if (!s.replaced) std::remove(s.temp.c_str());
            if (s.old) std::remove(s.old->c_str());
        }
    };
    for (const auto& [path, bytes] : files) {
        auto temp = WriteTemporary(path, bytes, error);
        if (!temp) {
            cleanUp();
            return false;
        }
        steps.push_back({*temp, std::nullopt, false});
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!KeepOldFile(files[i].first, steps[i].old, error)) {
            cleanUp();
            return false;
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string reason;
        if (rename(steps[i].temp, files[i].first, reason)) {
            steps[i].replaced = true;
            continue;
        }
        SetError(error, files[i].first + ": " + reason);
        // Put back what was already replaced, newest first.
        for (std::size_t k = i; k-- > 0;) {
            Step& s = steps[k];
            std::string ignored;
            if (!s.old) {
                std::remove(files[k].first.c_str());
            } else if (rename(*s.old, files[k].first, ignored)) {
                s.old.reset();
            } else {
                // The old contents stay under their second name rather than being lost.
                SetError(error, files[i].first + ": " + reason + "; the old " + files[k].first +
                                    " is kept as " + *s.old);
                s.old.reset();
            }
        }
        cleanUp();
        return false;
    }
    for (Step& s : steps) s.replaced = true;
    cleanUp();
    return true;
}

}  // namespace zb
