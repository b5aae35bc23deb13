#pragma once
// A machine below a temporary folder for the cable check: sysfs entries of serial ports and USB
// adapters, device nodes, processes, users, groups and udev rules, made by the test.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/text_table.h"
#include "link/cable_doctor.h"
#include "link/port_numbers.h"
#include "support/temp_dir.h"

namespace zb::test {

// A machine below a temporary folder. The user checked is "alice", who is not the owner of the
// files the test makes; the group of those files is called "dialout" in the fake etc/group, and
// alice is a member unless the test says otherwise.
struct FakeHost {
    test::TempDir dir;
    HostView host;
    PortNumbers numbers;
    const unsigned fileGroup = ::getgid();
    const unsigned aliceId = ::getuid() + 1000;

    FakeHost() {
        host.root = dir.path.string();
        Write("etc/passwd", "root:x:0:0::/root:/bin/sh\nalice:x:" + std::to_string(aliceId) + ":" +
                                std::to_string(aliceId) + "::/home/alice:/bin/sh\n");
        SetGroups("alice");
        std::filesystem::create_directories(dir.path / "proc");
    }
    // etc/group with the given members of dialout; alice's session has the groups of the file.
    void SetGroups(const std::string& dialoutMembers) {
        Write("etc/group", "dialout:x:" + std::to_string(fileGroup) + ":" + dialoutMembers + "\nalice:x:" +
                               std::to_string(aliceId) + ":\n");
        host.user = *UserFromFiles(host.root, "alice");
    }
    void Write(const std::string& path, const std::string& text) {
        const std::filesystem::path p = dir.path / path;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }
    void Link(const std::string& path, const std::string& target) {
        const std::filesystem::path p = dir.path / path;
        std::filesystem::create_directories(p.parent_path());
        std::filesystem::create_symlink(target, p);
    }
    // A USB device at sys/devices/usb1/BUS with its ids, listed under sys/bus/usb/devices.
    std::string AddUsbDevice(const std::string& bus, int vid, int pid, int bcd, const std::string& ifaceDriver = "") {
        const std::string d = "sys/devices/usb1/" + bus;
        char ids[3][8];
        std::snprintf(ids[0], 8, "%04x", vid);
        std::snprintf(ids[1], 8, "%04x", pid);
        std::snprintf(ids[2], 8, "%04x", bcd);
        Write(d + "/idVendor", std::string(ids[0]) + "\n");
        Write(d + "/idProduct", std::string(ids[1]) + "\n");
        Write(d + "/bcdDevice", std::string(ids[2]) + "\n");
        Write(d + "/product", "USB Serial\n");
        std::filesystem::create_directories(dir.path / d / (bus + ":1.0"));
        if (!ifaceDriver.empty()) Link(d + "/" + bus + ":1.0/driver", "../../../../bus/usb/drivers/" + ifaceDriver);
        Link("sys/bus/usb/devices/" + bus, "../../../devices/usb1/" + bus);
        return d + "/" + bus + ":1.0";
    }
    // A serial port made by a USB adapter, with its device node.
    void AddUsbPort(const std::string& name, int vid, int pid, const std::string& driver, int bcd = 0x0600,
                    const std::string& bus = "1-1") {
        const std::string port = AddUsbDevice(bus, vid, pid, bcd, driver) + "/" + name;
        Link(port + "/driver", "../../../../../bus/usb-serial/drivers/" + driver);
        if (driver == "ftdi_sio") Write(port + "/latency_timer", "16\n");
        AddTty(name, "../../devices/usb1/" + bus + "/" + bus + ":1.0/" + name, "188:0");
        AddNode(name, 0660);
    }
    void AddTty(const std::string& name, const std::string& deviceTarget, const std::string& numbers) {
        Link("sys/class/tty/" + name + "/device", "../" + deviceTarget);
        Write("sys/class/tty/" + name + "/dev", numbers + "\n");
    }
    void AddNode(const std::string& name, int mode) {
        Write("dev/" + name, "");
        std::filesystem::permissions(dir.path / "dev" / name, static_cast<std::filesystem::perms>(mode));
    }
    void AddProcess(long pid, const std::string& comm, const std::string& openFile = "") {
        Write("proc/" + std::to_string(pid) + "/comm", comm + "\n");
        if (!openFile.empty()) Link("proc/" + std::to_string(pid) + "/fd/3", openFile);
    }

    DoctorReport Check(int language = kEnglish) { return CheckHost(host, numbers, language); }
};

}  // namespace zb::test
