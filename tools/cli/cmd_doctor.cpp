// doctor: says why the radio cannot be reached. Checks the host's serial ports and, with
// --port, asks the radio on the port who it is.

#include <filesystem>
#include <iostream>
#include <optional>
#include <set>

#include "app/platform_paths.h"
#include "cli_session.h"
#include "command.h"
#include "link/cable_doctor.h"
#include "link/doctor_texts.h"
#include "link/port_numbers.h"
#ifdef ZB_CLI_WITH_QT
#include "link/radio_probe.h"
#include "link_runner.h"
#endif

namespace zb::cli {
namespace {

const std::string kDoctorUsage =
    std::string("Usage: zb347rx-cli doctor [options]\n"
    "Says why the radio cannot be reached, one line per finding (ok, note, warning, PROBLEM):\n"
    "every serial port with its COM number, USB ids, chip family and kernel driver; whether this\n"
    "user may open it and what to do if not; whether another program holds it; the USB latency\n"
    "timer; ModemManager and brltty; USB adapters that drivers are known to refuse.\n"
    "With --port it also asks the radio on that port who it is, with the stored line settings\n"
    "(program request, identify request, end request; the radio's memory is neither read nor\n"
    "written), and shows its model, firmware and the round-trip times.\n"
    "Exit status: 0 when the radio answered (with --port) or nothing blocks the ports (without),\n"
    "1 otherwise, 2 on a mistake on the command line.\n"
    "  --root DIR         look at DIR as if it were / (sys, dev, proc, etc, the udev rule folders)\n"
    "  --as-user NAME     check for the user NAME of etc/passwd and etc/group (below --root)\n"
    "                     instead of the user running the command\n")
#ifdef ZB_CLI_WITH_QT
    + std::string(kLinkOptionsUsage)
#endif
    + kCommonUsage;

void Print(const Finding& finding, int language) { std::cout << FormatFinding(finding, language) << "\n"; }

#ifdef ZB_CLI_WITH_QT
// Asks the radio; the exit status: 0 when the program's radio answered.
int Probe(Session& s, const Args& args) {
    LinkRunner link(s, args);
    if (!link.ok()) return 2;
    AppContext& ctx = s.ctx;
    const int language = ctx.settings.LanguageIndex;
    const LineSettings settings{ctx.settings.ComPort, ctx.settings.Handshaking, ctx.settings.StopBit};
    std::string port = "COM" + std::to_string(settings.port);
    const auto device = args.Value("--device") ? args.Value("--device") : args.Value("--port");
    if (device && device->find_first_not_of("0123456789") != std::string::npos) port += " (" + *device + ")";
    Print({FindingKind::Note, std::string(msg::doctor::RadioSubject[language]),
           ProbeSettingsText(port, settings, language)},
          language);
    RadioProbe probe(ctx);
    std::optional<ProbeResult> result;
    probe.Start(settings, [&result](const ProbeResult& r) { result = r; });
    if (!link.RunUntil([&result] { return result.has_value(); })) {
        PrintError("no end of the exchange within the time-out");
        return 1;
    }
    Print(ProbeFinding(*result, ctx.identity.ModelName, language), language);
    return result->outcome == ProbeOutcome::Answered ? 0 : 1;
}
#endif

int RunDoctor(const std::vector<std::string>& words) {
    std::set<std::string> values{"--root", "--as-user"}, flags;
#ifdef ZB_CLI_WITH_QT
    values = LinkValueOptions(values);
    flags = LinkFlagOptions();
#else
    values.insert(kCommonValueOptions.begin(), kCommonValueOptions.end());
#endif
    Args args(words, values, flags);
    if (!CheckArgs(args, 0, kDoctorUsage.c_str())) return 2;
    auto s = StartSession(args);
    if (!s) return 2;
    const int language = s->ctx.settings.LanguageIndex;

    HostView host = ThisHost();
    const auto root = args.Value("--root");
    if (root) {
        if (!std::filesystem::is_directory(*root)) return UsageError("--root: no folder " + *root);
        host.root = *root;
        host.askSystem = false;  // the system knows its own devices, not these
        host.ownPid = 0;
    }
    if (auto name = args.Value("--as-user")) {
        auto user = UserFromFiles(host.root, *name);
        if (!user)
            return UsageError("--as-user: no user " + *name + " in " +
                              (std::filesystem::path(host.root) / "etc/passwd").string());
        host.user = *user;
        host.askSystem = false;
    }
    // The numbers the program shows; a folder of a test keeps them to this run.
    PortNumbers numbers(root ? std::string() : PortNumbersFile());
    const DoctorReport report = CheckHost(host, numbers, language);
    for (const Finding& f : report.findings) Print(f, language);
    std::cout << std::flush;

    const bool probe = args.Value("--port") || args.Value("--device") || args.Flag("--virtual-radio") ||
                       args.Value("--virtual-radio-image");
    if (!probe) return report.Blocked() ? 1 : 0;
#ifdef ZB_CLI_WITH_QT
    return Probe(*s, args);
#else
    return UsageError("--port needs the serial line, which this build lacks");
#endif
}

}  // namespace

ZB_CLI_COMMAND("doctor", "say why the radio cannot be reached", kDoctorUsage, RunDoctor);

}  // namespace zb::cli
