#pragma once
// The cable check ("doctor"): why the radio cannot be reached. The host checks look at the
// serial ports, their permissions, other programs holding them, ModemManager, brltty and USB
// adapters known to be refused. They read everything below a root folder (sysfs, /dev, /proc,
// /etc/passwd, /etc/group, the udev rule folders), so a test gives them a folder of its own.

#include <optional>
#include <string>
#include <vector>

namespace zb {

class PortNumbers;

// The user the checks are made for.
struct HostUser {
    std::string name;
    unsigned uid = 0;
    unsigned gid = 0;                  // primary group
    std::vector<unsigned> groups;      // every group this login session has
};

struct HostView {
    std::string root = "/";
    HostUser user;
    bool linuxChecks = true;  // false: the checks say "not checked on this system"
    bool askSystem = false;   // also ask the system whether the user may open a device (access
                              // lists); only for the real root and the user running the program
    long ownPid = 0;          // this program's process, when the root is the real one
};

// The user running this program (on Linux; elsewhere an empty user).
HostUser CurrentUser();
// A user as the root's etc/passwd and etc/group describe them; nothing for an unknown name.
std::optional<HostUser> UserFromFiles(const std::string& root, const std::string& name);
// The view of this machine for the user running the program.
HostView ThisHost();

enum class FindingKind { Ok, Note, Warning, Problem };

struct Finding {
    FindingKind kind = FindingKind::Note;
    std::string subject;  // "/dev/ttyUSB0 (COM3)", "host", "radio"
    std::string text;
};

struct DoctorReport {
    std::vector<Finding> findings;
    // True when something keeps the program from the ports (a problem was found).
    bool Blocked() const;
};

// The checks of the host, in the language given (1 English, 2 Chinese). `numbers` gives each
// device the "COM" number the program shows for it.
DoctorReport CheckHost(const HostView& host, PortNumbers& numbers, int language);

// One line per finding: "kind: subject: text".
std::string FormatFinding(const Finding& finding, int language);
std::string FormatReport(const DoctorReport& report, int language);

// The chip family of a USB vendor id: "FTDI", "Prolific", "WCH CH340", "Silicon Labs CP210x",
// or "" for others.
std::string ChipFamily(int vendorId);

}  // namespace zb
