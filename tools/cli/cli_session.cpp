#include "cli_session.h"

#include <filesystem>
#include <iostream>

#include "app/startup.h"
#include "base/platform_paths.h"

namespace zb::cli {

void PrintError(const std::string& text) { std::cerr << "zb347rx-cli: " << text << "\n"; }

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
        PrintError(std::string("wrong number of arguments\n") + usage);
    } else {
        return true;
    }
    return false;
}

std::unique_ptr<Session> StartSession(const Args& args) {
    auto session = std::make_unique<Session>();
    AppContext& ctx = session->ctx;
    ctx.prompter = &session->prompter;

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
    return session;
}

}  // namespace zb::cli
