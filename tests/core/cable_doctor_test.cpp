// The cable check's host checks against a root folder built by each test: sysfs entries of
// serial ports and USB adapters, device nodes, processes, users, groups and udev rules.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/fake_host_fixture.h"
#include "link/cable_doctor.h"

using namespace zb;
using test::FakeHost;
namespace fs = std::filesystem;

namespace {

// The finding of a kind whose text contains `part`; nothing when there is none.
const Finding* Find(const DoctorReport& r, FindingKind kind, const std::string& part) {
    for (const Finding& f : r.findings)
        if (f.kind == kind && f.text.find(part) != std::string::npos) return &f;
    return nullptr;
}

std::string Dump(const DoctorReport& r) { return FormatReport(r, kEnglish); }

}  // namespace

TEST(CableDoctor, ListsEachPortWithItsNumberChipDriverAndLatency) {
    FakeHost h;
    h.AddUsbPort("ttyUSB0", 0x0403, 0x6001, "ftdi_sio");
    // A built-in UART with hardware behind it, and an empty slot (type 0) that is not a port.
    h.Write("sys/devices/platform/serial8250/tty/ttyS1/type", "4\n");
    h.AddTty("ttyS1", "../../devices/platform/serial8250", "4:65");
    h.Write("sys/class/tty/ttyS1/type", "4\n");
    h.AddNode("ttyS1", 0666);
    h.AddTty("ttyS0", "../../devices/platform/serial8250", "4:64");
    h.Write("sys/class/tty/ttyS0/type", "0\n");
    h.Link("sys/class/tty/console/dev", "/dev/null");  // no device: not a serial port
    const DoctorReport r = h.Check();

    const int com = h.numbers.NumberFor("/dev/ttyUSB0");
    const Finding* usb = Find(r, FindingKind::Note, "USB adapter 0403:6001 (USB Serial), chip family FTDI, "
                                                    "kernel driver ftdi_sio");
    ASSERT_NE(usb, nullptr) << Dump(r);
    EXPECT_EQ(usb->subject, "/dev/ttyUSB0 (COM" + std::to_string(com) + ")");
    EXPECT_NE(Find(r, FindingKind::Note, "latency timer 16 ms; the program asks the driver"), nullptr) << Dump(r);
    EXPECT_NE(Find(r, FindingKind::Note, "serial port without USB"), nullptr) << Dump(r);
    for (const Finding& f : r.findings) EXPECT_EQ(f.subject.find("ttyS0"), std::string::npos) << Dump(r);
    EXPECT_FALSE(r.Blocked()) << Dump(r);  // no ModemManager, no brltty, the node readable by all

    FakeHost empty;
    const DoctorReport none = empty.Check();
    EXPECT_NE(Find(none, FindingKind::Problem, "no serial port found"), nullptr) << Dump(none);
    EXPECT_TRUE(none.Blocked());
}

TEST(CableDoctor, PermissionNamesOwnerGroupModeAndTheFixThatApplies) {
    struct Case {
        const char* what;
        std::string dialoutMembers;   // in etc/group
        bool sessionHasDialout;       // the login session's groups
        int mode;
        std::vector<std::string> expected;  // parts of the problem line; none: the user can open it
    };
    const std::vector<Case> cases = {
        {"not in dialout", "", false, 0660,
         {"may not open it: owner", "group dialout, mode -rw-rw----", "the user's groups: alice; fix",
          "fix: sudo usermod -aG dialout alice, then log out and in again"}},
        {"joined, not logged in again", "alice", false, 0660,
         {"alice is a member of group dialout, but this login started before that"}},
        {"in dialout", "alice", true, 0660, {}},
        {"group may not read", "alice", true, 0600,
         {"fix: install a udev rule", "ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001\", MODE=\"0660\", "
                                      "GROUP=\"dialout\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeHost h;
        h.SetGroups(c.dialoutMembers);
        if (!c.sessionHasDialout) {
            auto& g = h.host.user.groups;
            g.erase(std::remove(g.begin(), g.end(), h.fileGroup), g.end());
        }
        h.AddUsbPort("ttyUSB0", 0x0403, 0x6001, "ftdi_sio");
        fs::permissions(h.dir.path / "dev/ttyUSB0", static_cast<fs::perms>(c.mode));
        const DoctorReport r = h.Check();
        if (c.expected.empty()) {
            EXPECT_NE(Find(r, FindingKind::Ok, "this user can open it"), nullptr) << Dump(r);
            EXPECT_FALSE(r.Blocked()) << Dump(r);
            continue;
        }
        for (const std::string& part : c.expected) EXPECT_NE(Find(r, FindingKind::Problem, part), nullptr) << Dump(r);
        EXPECT_TRUE(r.Blocked());
    }

    // A node the kernel lists but /dev lacks.
    FakeHost h;
    h.AddUsbPort("ttyUSB0", 0x0403, 0x6001, "ftdi_sio");
    fs::remove(h.dir.path / "dev/ttyUSB0");
    EXPECT_NE(Find(h.Check(), FindingKind::Problem, "the device /dev/ttyUSB0 does not exist"), nullptr);
}

TEST(CableDoctor, PortHeldByAnotherProgramThroughADescriptorOrALockFile) {
    FakeHost h;
    h.AddUsbPort("ttyUSB0", 0x0403, 0x6001, "ftdi_sio");
    h.AddProcess(4242, "minicom", "/dev/ttyUSB0");
    h.AddProcess(4243, "cu");
    h.AddProcess(4244, "bash", "/dev/pts/1");
    h.Write("var/lock/LCK..ttyUSB0", "4243\ncu\nhost\n");  // as Qt writes it
    h.Write("run/lock/LCK..ttyUSB0", "      9999\n");  // its process is gone
    DoctorReport r = h.Check();
    EXPECT_NE(Find(r, FindingKind::Problem, "another program has it open: process 4242 (minicom)"), nullptr) << Dump(r);
    EXPECT_NE(Find(r, FindingKind::Problem, "/var/lock/LCK..ttyUSB0 names process 4243 (cu)"), nullptr) << Dump(r);
    EXPECT_NE(Find(r, FindingKind::Warning, "/run/lock/LCK..ttyUSB0 names process 9999, which no longer runs"),
              nullptr)
        << Dump(r);
    EXPECT_EQ(Find(r, FindingKind::Problem, "bash"), nullptr);

    // The program's own descriptor is not another program.
    h.host.ownPid = 4242;
    r = h.Check();
    EXPECT_NE(Find(r, FindingKind::Note, "this program has it open"), nullptr) << Dump(r);
    EXPECT_EQ(Find(r, FindingKind::Problem, "minicom"), nullptr) << Dump(r);
}

TEST(CableDoctor, ChipsThatDriversRefuse) {
    struct Case {
        const char* what;
        int vid, pid, bcd;
        bool hasPort;
        FindingKind kind;
        std::string part;
    };
    const std::vector<Case> cases = {
        {"old Prolific without a port", 0x067b, 0x2303, 0x0300, false, FindingKind::Problem,
         "067b:2303 release 3.00 is a Prolific PL2303HXA/XA"},
        {"old Prolific that the kernel took", 0x067b, 0x2303, 0x0300, true, FindingKind::Warning,
         "Prolific's current drivers refuse it"},
        {"FTDI with an erased product id", 0x0403, 0x0000, 0x0600, false, FindingKind::Problem,
         "0403:0000 is an FTDI chip whose product id reads 0000"},
        {"CH340 that no driver took", 0x1a86, 0x7523, 0x0264, false, FindingKind::Problem,
         "no kernel driver took USB adapter 1a86:7523 (WCH CH340); load the driver (sudo modprobe ch341)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeHost h;
        if (c.hasPort) {
            h.AddUsbPort("ttyUSB0", c.vid, c.pid, "pl2303", c.bcd);
        } else {
            h.AddUsbDevice("1-2", c.vid, c.pid, c.bcd);
        }
        const DoctorReport r = h.Check();
        EXPECT_NE(Find(r, c.kind, c.part), nullptr) << Dump(r);
    }
    // A current PL2303 is not flagged.
    FakeHost h;
    h.AddUsbPort("ttyUSB0", 0x067b, 0x2303, "pl2303", 0x0400);
    EXPECT_EQ(Find(h.Check(), FindingKind::Warning, "Prolific"), nullptr);
}

TEST(CableDoctor, ModemManagerWithAndWithoutAnIgnoreRule) {
    struct Case {
        const char* what;
        std::string ruleLine;    // in etc/udev/rules.d/99-serial.rules
        std::string udevData;    // run/udev/data/c188:0
        bool ignored;
    };
    const std::vector<Case> cases = {
        {"no rule", "", "", false},
        {"rule for the adapter",
         "SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"",
         "", true},
        {"rule for every vendor product", "ATTRS{idVendor}==\"0403\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"", "", true},
        {"rule with alternatives, as the package installs it",
         "SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001|6010|6011\", TAG+=\"uaccess\", "
         "ENV{ID_MM_DEVICE_IGNORE}=\"1\"",
         "", true},
        {"rule with a pattern", "ATTRS{idVendor}==\"04*\", ATTRS{idProduct}==\"60?1\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"",
         "", true},
        {"rule for other products",
         "ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6015|6014\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"", "", false},
        {"rule with a condition that cannot be judged",
         "ATTRS{idVendor}==\"0403\", ATTRS{product}==\"GPS\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"", "", false},
        {"commented out", "# ATTRS{idVendor}==\"0403\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"", "", false},
        {"property in the udev database", "", "S:serial/by-id/x\nE:ID_MM_DEVICE_IGNORE=1\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeHost h;
        h.AddUsbPort("ttyUSB0", 0x0403, 0x6001, "ftdi_sio");
        h.AddProcess(900, "ModemManager");
        if (!c.ruleLine.empty()) h.Write("etc/udev/rules.d/99-serial.rules", c.ruleLine + "\n");
        if (!c.udevData.empty()) h.Write("run/udev/data/c188:0", c.udevData);
        const DoctorReport r = h.Check();
        if (c.ignored) {
            EXPECT_NE(Find(r, FindingKind::Ok, "ModemManager is running and leaves 0403:6001 alone"), nullptr) << Dump(r);
            EXPECT_FALSE(r.Blocked()) << Dump(r);
        } else {
            EXPECT_NE(Find(r, FindingKind::Problem, "no udev rule tells it to leave 0403:6001 alone"), nullptr)
                << Dump(r);
        }
    }
    FakeHost h;
    h.AddUsbPort("ttyUSB0", 0x0403, 0x6001, "ftdi_sio");
    EXPECT_NE(Find(h.Check(), FindingKind::Ok, "ModemManager is not running"), nullptr);
}

TEST(CableDoctor, BrlttyRuleThatClaimsTheAdapter) {
    const std::string rule =
        "# Device: 1A86:7523\nENV{PRODUCT}==\"1a86/7523/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"bm\", "
        "GOTO=\"brltty_usb_run\"\n";
    {
        SCOPED_TRACE("a CH340 taken by brltty: no serial port");
        FakeHost h;
        h.Write("usr/lib/udev/rules.d/85-brltty.rules", rule);
        h.AddUsbDevice("1-3", 0x1a86, 0x7523, 0x0264, "usbfs");
        const DoctorReport r = h.Check();
        EXPECT_NE(Find(r, FindingKind::Problem, "brltty's udev rule 85-brltty.rules claims 1a86:7523 (WCH CH340)"),
                  nullptr)
            << Dump(r);
        EXPECT_NE(Find(r, FindingKind::Problem, "USB adapter 1a86:7523 (WCH CH340) is plugged in but has no serial "
                                                "port; interface driver: usbfs"),
                  nullptr)
            << Dump(r);
    }
    {
        SCOPED_TRACE("no CH340 plugged in: a warning for later");
        FakeHost h;
        h.Write("usr/lib/udev/rules.d/85-brltty.rules", rule);
        h.AddUsbPort("ttyUSB0", 0x0403, 0x6001, "ftdi_sio");
        const DoctorReport r = h.Check();
        EXPECT_NE(Find(r, FindingKind::Warning, "claims 1a86:7523 (WCH CH340): a cable with this chip"), nullptr)
            << Dump(r);
        EXPECT_FALSE(r.Blocked()) << Dump(r);
    }
    {
        SCOPED_TRACE("the rule masked in etc");
        FakeHost h;
        h.Write("usr/lib/udev/rules.d/85-brltty.rules", rule);
        h.Link("etc/udev/rules.d/85-brltty.rules", "/dev/null");
        h.AddUsbDevice("1-3", 0x1a86, 0x7523, 0x0264, "ch341");
        const DoctorReport r = h.Check();
        EXPECT_EQ(Find(r, FindingKind::Problem, "brltty"), nullptr) << Dump(r);
        EXPECT_NE(Find(r, FindingKind::Ok, "brltty is not installed"), nullptr) << Dump(r);
    }
}

TEST(CableDoctor, ReportInChineseAndOnOtherSystems) {
    FakeHost h;
    h.AddUsbPort("ttyUSB0", 0x1a86, 0x7523, "ch341");
    const DoctorReport r = h.Check(kChinese);
    const std::string text = FormatReport(r, kChinese);
    EXPECT_NE(text.find("提示: /dev/ttyUSB0 (COM"), std::string::npos) << text;
    EXPECT_NE(text.find("芯片系列 WCH CH340，内核驱动 ch341"), std::string::npos) << text;
    EXPECT_NE(text.find("该芯片没有可设置的延迟计时器"), std::string::npos) << text;

    h.host.linuxChecks = false;
    const DoctorReport other = h.Check();
    ASSERT_EQ(other.findings.size(), 1u);
    EXPECT_NE(other.findings[0].text.find("not checked on this system"), std::string::npos);
    EXPECT_FALSE(other.Blocked());
}
