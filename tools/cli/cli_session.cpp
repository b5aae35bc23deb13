#include "cli_session.h"

#include <filesystem>
#include <iostream>

#include "app/startup.h"
#include "base/platform_paths.h"
#include "files/data_file_format.h"

namespace zb::cli {

namespace {
int gLanguage = kEnglish;
bool gReadOnlySettings = false;
}  // namespace

void SetLanguage(int languageIndex) { gLanguage = languageIndex == kChinese ? kChinese : kEnglish; }
int Language() { return gLanguage; }
std::string Say(const TextTable& text) { return std::string(text[gLanguage]); }

void SetReadOnlySettings(bool readOnly) { gReadOnlySettings = readOnly; }

void PrintError(const std::string& text) { std::cerr << "zb347rx-cli: " << text << "\n"; }

namespace {

bool HasThreeLetterExtension(const std::string& name) {
    const std::string file = std::filesystem::path(name).filename().string();
    return file.size() >= 5 && file[file.size() - 4] == '.' &&
           file.find('.', file.size() - 3) == std::string::npos;
}

}  // namespace

std::string NewDataFileName(const std::string& name) {
    if (HasThreeLetterExtension(name)) return name;
    const std::string named = name + ".dat";
    PrintError(Say(txt::NameAdded) + " " + named);
    return named;
}

bool CheckDataFileName(const std::string& name) {
    if (HasThreeLetterExtension(name)) return true;
    PrintError(name + " " + Say(txt::NoExtension) + " " + ChannelFilePath(name));
    return false;
}

std::string Printable(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7F) {
            out += c;
            continue;
        }
        static constexpr char kHex[] = "0123456789ABCDEF";
        out += "\\x";
        out += kHex[u >> 4];
        out += kHex[u & 0xF];
    }
    return out;
}

int UsageError(const std::string& text) {
    PrintError(text);
    return 2;
}

Answer CliPrompter::Ask(const Message& message) {
    std::string text = message.text;
    for (std::size_t p; (p = text.find("\r\n")) != std::string::npos;) text.replace(p, 2, "\n");
    shown.push_back(text);
    PrintError(text + (message.detail.empty() ? "" : "\n" + message.detail));
    switch (message.buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return Answer::Ok;
        case Buttons::YesNo: return Answer::No;  // never start another program version
        case Buttons::YesNoCancel: return Answer::No;
        case Buttons::RetryCancel:
            if (retries > 0) {
                --retries;
                return Answer::Retry;
            }
            return Answer::Cancel;
    }
    return Answer::Cancel;
}

bool CheckArgs(const Args& args, std::size_t positionalCount, const char* usage) {
    if (!args.ok()) {
        PrintError(args.error());
    } else if (args.positional().size() != positionalCount) {
        PrintError(Say(txt::WrongCount));
    } else {
        return true;
    }
    std::cerr << usage;
    return false;
}

std::unique_ptr<Session> StartSession(const Args& args) {
    auto session = std::make_unique<Session>();
    AppContext& ctx = session->ctx;
    ctx.prompter = &session->prompter;
    ctx.settings.readOnly = gReadOnlySettings;

    StartupOptions options;
    options.programFolder = ExecutableFolder();
    if (auto base = args.Value("--base-folder")) {
        if (!std::filesystem::is_directory(*base)) {
            PrintError("base folder " + *base + " does not exist");
            return nullptr;
        }
        options.baseFolder = *base;
        // A program folder V200 under the chosen base folder holds its own templates.
        const auto own = std::filesystem::path(*base) / "V200";
        if (std::filesystem::is_directory(own / "Init")) options.programFolder = own.string();
    }
    RunStartup(ctx, options);

    if (auto lang = args.Value("--lang")) {
        if (*lang == "en") {
            ctx.settings.LanguageIndex = kEnglish;
        } else if (*lang == "zh") {
            ctx.settings.LanguageIndex = kChinese;
        } else {
            PrintError("--lang takes en or zh, not " + *lang);
            return nullptr;
        }
    }
    SetLanguage(ctx.settings.LanguageIndex);
    return session;
}

}  // namespace zb::cli
