#include "link/cable_doctor.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include <sys/stat.h>
#if defined(__linux__)
#include <pwd.h>
#include <unistd.h>
#endif

#include "app/text_table.h"
#include "link/doctor_texts.h"
#include "link/port_numbers.h"

namespace zb {

std::string FillText(std::string_view text, std::initializer_list<std::string> values) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += *(values.begin() + index);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

namespace {

namespace fs = std::filesystem;
namespace dm = msg::doctor;

std::string T(const TextTable& table, int language) { return std::string(table[language]); }

// `absolute` ("/dev/ttyUSB0") inside the root folder.
fs::path Under(const std::string& root, const std::string& absolute) {
    return fs::path(root) / fs::path(absolute).relative_path();
}

// A small text file without its trailing white space; nothing when it cannot be read.
std::optional<std::string> ReadSmall(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    return text;
}

std::vector<std::string> ReadLines(const fs::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::optional<long> ParseNumber(std::string_view text, int base = 10) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    long value = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc() || p != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

std::string Hex4(int value) {
    char buffer[8];
    auto [p, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string text(buffer, p);
    return std::string(text.size() < 4 ? 4 - text.size() : 0, '0') + text;
}

// ttyS2 before ttyS10: the name's text, then its trailing number (compared as digits, so no
// number is too long).
bool NaturalLess(const std::string& a, const std::string& b) {
    auto split = [](const std::string& s) {
        std::size_t i = s.size();
        while (i > 0 && std::isdigit(static_cast<unsigned char>(s[i - 1]))) --i;
        std::string digits = s.substr(i);
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
        return std::make_tuple(s.substr(0, i), digits.size(), digits);
    };
    return split(a) < split(b);
}

// ---- users and groups (etc/passwd, etc/group) ----

struct Accounts {
    std::map<unsigned, std::string> userNames, groupNames;
    std::map<std::string, unsigned> groupIds;
    std::map<unsigned, std::vector<std::string>> members;  // listed in etc/group
    std::map<std::string, std::pair<unsigned, unsigned>> users;  // name -> uid, primary gid

    explicit Accounts(const std::string& root) {
        for (const std::string& line : ReadLines(Under(root, "/etc/passwd"))) {
            std::vector<std::string> f;
            std::stringstream s(line);
            for (std::string part; std::getline(s, part, ':');) f.push_back(part);
            if (f.size() < 4) continue;
            auto uid = ParseNumber(f[2]), gid = ParseNumber(f[3]);
            if (!uid || !gid) continue;
            userNames.emplace(static_cast<unsigned>(*uid), f[0]);
            users.emplace(f[0], std::make_pair(static_cast<unsigned>(*uid), static_cast<unsigned>(*gid)));
        }
        for (const std::string& line : ReadLines(Under(root, "/etc/group"))) {
            std::vector<std::string> f;
            std::stringstream s(line);
            for (std::string part; std::getline(s, part, ':');) f.push_back(part);
            if (f.size() < 3) continue;
            auto gid = ParseNumber(f[2]);
            if (!gid) continue;
            const auto id = static_cast<unsigned>(*gid);
            groupNames.emplace(id, f[0]);
            groupIds.emplace(f[0], id);
            if (f.size() < 4) continue;
            std::stringstream m(f[3]);
            for (std::string name; std::getline(m, name, ',');)
                if (!name.empty()) members[id].push_back(name);
        }
    }
    std::string User(unsigned uid) const {
        auto it = userNames.find(uid);
        return it != userNames.end() ? it->second : std::to_string(uid);
    }
    std::string Group(unsigned gid) const {
        auto it = groupNames.find(gid);
        return it != groupNames.end() ? it->second : std::to_string(gid);
    }
    bool ListsMember(unsigned gid, const std::string& user) const {
        auto it = users.find(user);
        if (it != users.end() && it->second.second == gid) return true;
        auto m = members.find(gid);
        return m != members.end() && std::find(m->second.begin(), m->second.end(), user) != m->second.end();
    }
    // The group serial devices are given to: dialout, or uucp where that is the custom.
    std::string SerialGroup() const {
        if (groupIds.count("dialout") || !groupIds.count("uucp")) return "dialout";
        return "uucp";
    }
};

// ---- processes (proc) ----

struct Processes {
    std::map<long, std::string> names;                    // pid -> comm
    std::multimap<std::string, long> openFiles;           // descriptor target -> pid

    explicit Processes(const std::string& root) {
        std::error_code ec;
        for (fs::directory_iterator it(Under(root, "/proc"), ec), end; !ec && it != end; it.increment(ec)) {
            auto pid = ParseNumber(it->path().filename().string());
            if (!pid) continue;
            names[*pid] = ReadSmall(it->path() / "comm").value_or("?");
            std::error_code fdError;
            for (fs::directory_iterator fd(it->path() / "fd", fdError), fdEnd; !fdError && fd != fdEnd;
                 fd.increment(fdError)) {
                std::error_code linkError;
                const fs::path target = fs::read_symlink(fd->path(), linkError);
                if (!linkError) openFiles.emplace(target.string(), *pid);
            }
        }
    }
    bool Runs(const std::string& name) const {
        return std::any_of(names.begin(), names.end(), [&](const auto& p) { return p.second == name; });
    }
    std::string Name(long pid) const {
        auto it = names.find(pid);
        return it != names.end() ? it->second : "?";
    }
};

// ---- udev rules ----

struct RuleToken {
    std::string key, op, value;
};

// `KEY=="value", KEY="value", ...` split into tokens; quotes keep commas.
std::vector<RuleToken> ParseRule(const std::string& line) {
    std::vector<RuleToken> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (std::isspace(static_cast<unsigned char>(line[i])) || line[i] == ',')) ++i;
        const std::size_t keyStart = i;
        while (i < line.size() && line[i] != '=' && line[i] != '!' && line[i] != '+' && line[i] != ':' &&
               line[i] != ',')
            ++i;
        RuleToken t;
        t.key = line.substr(keyStart, i - keyStart);
        while (!t.key.empty() && std::isspace(static_cast<unsigned char>(t.key.back()))) t.key.pop_back();
        const std::size_t opStart = i;
        while (i < line.size() && std::string_view("=!+:-").find(line[i]) != std::string_view::npos) ++i;
        t.op = line.substr(opStart, i - opStart);
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i < line.size() && line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            t.value = line.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
            i = close == std::string::npos ? line.size() : close + 1;
        }
        if (!t.key.empty()) tokens.push_back(t);
        if (i == keyStart) ++i;  // nothing understood here: move on
    }
    return tokens;
}

struct RuleFile {
    std::string name;
    fs::path path;
    std::vector<std::string> lines;  // empty when masked
};

// The rule files in effect: a name in an earlier folder hides the same name in later ones, and a
// link to /dev/null or an empty file masks it.
std::vector<RuleFile> LoadRules(const std::string& root) {
    static const char* const kFolders[] = {"/etc/udev/rules.d", "/run/udev/rules.d",
                                           "/usr/local/lib/udev/rules.d", "/usr/lib/udev/rules.d",
                                           "/lib/udev/rules.d"};
    std::map<std::string, RuleFile> files;
    for (const char* folder : kFolders) {
        std::error_code ec;
        for (fs::directory_iterator it(Under(root, folder), ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (it->path().extension() != ".rules" || files.count(name)) continue;
            RuleFile file{name, it->path(), {}};
            std::error_code linkError;
            const bool masked = fs::is_symlink(it->path()) && fs::read_symlink(it->path(), linkError) == "/dev/null";
            if (!masked)
                for (std::string& line : ReadLines(it->path())) {
                    const auto first = line.find_first_not_of(" \t");
                    if (first != std::string::npos && line[first] != '#') file.lines.push_back(line);
                }
            files.emplace(name, std::move(file));
        }
    }
    std::vector<RuleFile> out;
    for (auto& [name, file] : files) out.push_back(std::move(file));
    return out;
}

bool IsVendorKey(const std::string& key) {
    return key == "ATTRS{idVendor}" || key == "ATTR{idVendor}" || key == "ENV{ID_VENDOR_ID}";
}
bool IsProductKey(const std::string& key) {
    return key == "ATTRS{idProduct}" || key == "ATTR{idProduct}" || key == "ENV{ID_MODEL_ID}";
}
// A udev pattern: "*" and "?" as wildcards, case ignored.
bool GlobMatches(std::string_view pattern, std::string_view text) {
    if (pattern.empty()) return text.empty();
    if (pattern[0] == '*')
        return GlobMatches(pattern.substr(1), text) || (!text.empty() && GlobMatches(pattern, text.substr(1)));
    if (text.empty()) return false;
    const bool same = pattern[0] == '?' || std::tolower(static_cast<unsigned char>(pattern[0])) ==
                                               std::tolower(static_cast<unsigned char>(text[0]));
    return same && GlobMatches(pattern.substr(1), text.substr(1));
}

// A vendor or product id against a udev value: alternatives split by "|", each a number or a
// pattern of the four hex digits.
bool SameId(const std::string& value, int id) {
    std::stringstream alternatives(value);
    for (std::string one; std::getline(alternatives, one, '|');) {
        if (one.find_first_of("*?") != std::string::npos) {
            if (GlobMatches(one, Hex4(id))) return true;
        } else if (auto n = ParseNumber(one, 16); n && *n == id) {
            return true;
        }
    }
    return false;
}

// A rule line that sets ID_MM_DEVICE_IGNORE for the adapter. Only lines whose conditions are the
// vendor and product ids (and the subsystem, kernel name or action) count: other conditions
// cannot be judged from here.
bool RuleIgnoresForModemManager(const std::string& line, int vid, int pid) {
    bool sets = false, matches = true;
    for (const RuleToken& t : ParseRule(line)) {
        if (t.key == "ENV{ID_MM_DEVICE_IGNORE}" && t.op == "=" && t.value == "1") {
            sets = true;
        } else if (t.op == "==" && IsVendorKey(t.key)) {
            matches = matches && SameId(t.value, vid);
        } else if (t.op == "==" && IsProductKey(t.key)) {
            matches = matches && SameId(t.value, pid);
        } else if (t.op == "==" || t.op == "!=") {
            static const std::set<std::string> kHarmless = {"SUBSYSTEM", "SUBSYSTEMS", "KERNEL", "ACTION"};
            if (!kHarmless.count(t.key)) matches = false;
        }
    }
    return sets && matches;
}

// A brltty rule line that claims the id: ENV{PRODUCT}=="vid/pid/*" or both ATTRS ids.
bool RuleClaims(const std::string& line, int vid, int pid) {
    bool vendor = false, product = false;
    for (const RuleToken& t : ParseRule(line)) {
        if (t.op != "==") continue;
        if (t.key == "ENV{PRODUCT}") {
            std::stringstream s(t.value);
            std::string v, p;
            std::getline(s, v, '/');
            std::getline(s, p, '/');
            if (SameId(v, vid) && SameId(p, pid)) return true;
        } else if (IsVendorKey(t.key)) {
            vendor = SameId(t.value, vid);
        } else if (IsProductKey(t.key)) {
            product = SameId(t.value, pid);
        }
    }
    return vendor && product;
}

// ---- USB adapters ----

struct UsbDevice {
    fs::path dir;  // canonical
    int vid = 0, pid = 0, bcd = -1;
    std::string product;
};

std::optional<UsbDevice> ReadUsbDevice(const fs::path& dir) {
    auto vid = ReadSmall(dir / "idVendor"), pid = ReadSmall(dir / "idProduct");
    if (!vid || !pid) return std::nullopt;
    auto v = ParseNumber(*vid, 16), p = ParseNumber(*pid, 16);
    if (!v || !p) return std::nullopt;
    UsbDevice d;
    std::error_code ec;
    d.dir = fs::canonical(dir, ec);
    if (ec) d.dir = dir;
    d.vid = static_cast<int>(*v);
    d.pid = static_cast<int>(*p);
    if (auto bcd = ReadSmall(dir / "bcdDevice")) d.bcd = static_cast<int>(ParseNumber(*bcd, 16).value_or(-1));
    d.product = ReadSmall(dir / "product").value_or("");
    return d;
}

// Serial cables' usual ids and the kernel module that serves them.
struct KnownAdapter {
    int vid, pid;
    const char* module;
};
constexpr KnownAdapter kKnownAdapters[] = {
    {0x0403, 0x6001, "ftdi_sio"}, {0x0403, 0x6010, "ftdi_sio"}, {0x0403, 0x6011, "ftdi_sio"},
    {0x0403, 0x6014, "ftdi_sio"}, {0x0403, 0x6015, "ftdi_sio"}, {0x0403, 0x0000, "ftdi_sio"},
    {0x067b, 0x2303, "pl2303"},   {0x067b, 0x23a3, "pl2303"},   {0x1a86, 0x7523, "ch341"},
    {0x1a86, 0x5523, "ch341"},    {0x10c4, 0xea60, "cp210x"},   {0x10c4, 0xea70, "cp210x"},
    {0x10c4, 0xea71, "cp210x"},
};
const KnownAdapter* FindKnown(int vid, int pid) {
    for (const KnownAdapter& k : kKnownAdapters)
        if (k.vid == vid && k.pid == pid) return &k;
    return nullptr;
}

// What is known against a chip, by its descriptors; empty when nothing.
std::string RefusedChip(const UsbDevice& d, int language) {
    const std::string v = Hex4(d.vid), p = Hex4(d.pid);
    if (d.vid == 0x0403 && d.pid == 0x0000) return FillText(dm::ErasedFtdi[language], {v, p});
    if (d.vid == 0x067b && d.pid == 0x2303 && d.bcd == 0x0300) return FillText(dm::OldProlific[language], {v, p});
    return {};
}

std::string FamilyText(int vid, int language) {
    const std::string family = ChipFamily(vid);
    return family.empty() ? T(dm::OtherChip, language) : family;
}

// The drivers bound to the device's interfaces ("1-1:1.0/driver").
std::vector<std::string> InterfaceDrivers(const fs::path& dir) {
    std::vector<std::string> drivers;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().filename().string().find(':') == std::string::npos) continue;
        std::error_code linkError;
        const fs::path driver = fs::read_symlink(it->path() / "driver", linkError);
        if (!linkError) drivers.push_back(driver.filename().string());
    }
    std::sort(drivers.begin(), drivers.end());
    drivers.erase(std::unique(drivers.begin(), drivers.end()), drivers.end());
    return drivers;
}

// ---- serial ports (sys/class/tty) ----

struct PortFacts {
    std::string name;    // ttyUSB0
    std::string device;  // /dev/ttyUSB0
    std::string driver;
    std::string devNumbers;  // "188:0"
    std::optional<UsbDevice> usb;
    std::optional<int> latency;
    fs::path latencyFile;
};

std::vector<PortFacts> ListPorts(const std::string& root) {
    std::vector<PortFacts> ports;
    std::error_code ec;
    for (fs::directory_iterator it(Under(root, "/sys/class/tty"), ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path entry = it->path();
        std::error_code e;
        if (!fs::exists(entry / "device", e)) continue;  // consoles, pseudo-terminals
        PortFacts port;
        port.name = entry.filename().string();
        // Built-in UART slots without hardware behind them say type 0.
        if (port.name.rfind("ttyS", 0) == 0 && ReadSmall(entry / "type").value_or("0") == "0") continue;
        port.device = "/dev/" + port.name;
        const fs::path driver = fs::read_symlink(entry / "device" / "driver", e);
        if (!e) port.driver = driver.filename().string();
        port.devNumbers = ReadSmall(entry / "dev").value_or("");
        if (auto latency = ReadSmall(entry / "device" / "latency_timer")) {
            if (auto ms = ParseNumber(*latency)) {
                port.latency = static_cast<int>(*ms);
                port.latencyFile = "/sys/bus/usb-serial/devices/" + port.name + "/latency_timer";
            }
        }
        const fs::path sys = fs::weakly_canonical(Under(root, "/sys"), e);
        for (fs::path p = fs::canonical(entry / "device", e); !e && p.has_parent_path() && p != sys;
             p = p.parent_path()) {
            if (p.string().size() <= sys.string().size()) break;
            if (auto usb = ReadUsbDevice(p)) {
                port.usb = usb;
                break;
            }
        }
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(), [](const PortFacts& a, const PortFacts& b) {
        return NaturalLess(a.name, b.name);
    });
    return ports;
}

// ---- permissions ----

std::string ModeText(const struct stat& st) {
    std::string text = S_ISCHR(st.st_mode) ? "c" : S_ISDIR(st.st_mode) ? "d" : "-";
    const char* letters = "rwxrwxrwx";
    for (int i = 0; i < 9; ++i) text += (st.st_mode & (0400 >> i)) ? letters[i] : '-';
    return text;
}

bool InGroups(const HostUser& user, unsigned gid) {
    return user.gid == gid || std::find(user.groups.begin(), user.groups.end(), gid) != user.groups.end();
}

// Read and write, as the kernel decides it from owner, group and mode.
bool ModeAllows(const struct stat& st, const HostUser& user) {
    if (user.uid == 0) return true;
    if (st.st_uid == user.uid) return (st.st_mode & 0600) == 0600;
    if (InGroups(user, st.st_gid)) return (st.st_mode & 0060) == 0060;
    return (st.st_mode & 0006) == 0006;
}

std::string UdevRuleFor(const PortFacts& port, const std::string& group) {
    if (port.usb)
        return "SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"" + Hex4(port.usb->vid) + "\", ATTRS{idProduct}==\"" +
               Hex4(port.usb->pid) + "\", MODE=\"0660\", GROUP=\"" + group + "\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"";
    return "KERNEL==\"" + port.name + "\", MODE=\"0660\", GROUP=\"" + group + "\"";
}

class Checker {
public:
    Checker(const HostView& host, PortNumbers& numbers, int language)
        : host_(host), numbers_(numbers), language_(language), accounts_(host.root), processes_(host.root),
          rules_(LoadRules(host.root)) {}

    DoctorReport Run() {
        const std::string host = T(dm::HostSubject, language_);
        std::string groups;
        std::set<unsigned> all(host_.user.groups.begin(), host_.user.groups.end());
        all.insert(host_.user.gid);
        for (unsigned g : all) groups += (groups.empty() ? "" : ", ") + accounts_.Group(g);
        Add(FindingKind::Note, host, FillText(dm::UserLine[language_], {host_.user.name, groups}));

        const std::vector<PortFacts> ports = ListPorts(host_.root);
        if (ports.empty()) Add(FindingKind::Problem, host, T(dm::NoPorts, language_));
        std::set<fs::path> usbWithPort;
        for (const PortFacts& port : ports) {
            CheckPort(port);
            if (port.usb) usbWithPort.insert(port.usb->dir);
        }
        const std::vector<UsbDevice> adapters = UsbAdapters();
        for (const UsbDevice& d : adapters)
            if (!usbWithPort.count(d.dir)) CheckAdapterWithoutPort(d);
        std::vector<UsbDevice> present;
        for (const PortFacts& port : ports)
            if (port.usb) present.push_back(*port.usb);
        for (const UsbDevice& d : adapters)
            if (!usbWithPort.count(d.dir)) present.push_back(d);
        CheckModemManager(ports);
        CheckBrltty(present);
        return std::move(report_);
    }

private:
    void Add(FindingKind kind, const std::string& subject, const std::string& text) {
        report_.findings.push_back({kind, subject, text});
    }

    void CheckPort(const PortFacts& port) {
        const std::string subject = port.device + " (COM" + std::to_string(numbers_.NumberFor(port.device)) + ")";
        const std::string driver = port.driver.empty() ? T(dm::NoDriver, language_) : port.driver;
        if (port.usb) {
            const UsbDevice& u = *port.usb;
            Add(FindingKind::Note, subject,
                FillText(dm::UsbPort[language_], {Hex4(u.vid), Hex4(u.pid), u.product.empty() ? "?" : u.product,
                                                  FamilyText(u.vid, language_), driver}));
            const std::string refused = RefusedChip(u, language_);
            if (!refused.empty()) Add(FindingKind::Warning, subject, refused);
        } else {
            Add(FindingKind::Note, subject, FillText(dm::PlainPort[language_], {driver}));
        }
        CheckAccess(port, subject);
        CheckHolders(port, subject);
        if (port.usb) CheckLatency(port, subject);
    }

    void CheckAccess(const PortFacts& port, const std::string& subject) {
        struct stat st {};
        const fs::path node = Under(host_.root, port.device);
        if (::stat(node.c_str(), &st) != 0) {
            Add(FindingKind::Problem, subject, FillText(dm::NoNode[language_], {port.device}));
            return;
        }
        const HostUser& user = host_.user;
        if (ModeAllows(st, user)) {
            Add(FindingKind::Ok, subject, T(dm::CanOpen, language_));
            return;
        }
#if defined(__linux__)
        if (host_.askSystem && ::access(node.c_str(), R_OK | W_OK) == 0) {
            Add(FindingKind::Ok, subject, T(dm::CanOpenByAcl, language_));
            return;
        }
#endif
        std::string groups;
        std::set<unsigned> all(user.groups.begin(), user.groups.end());
        all.insert(user.gid);
        for (unsigned g : all) groups += (groups.empty() ? "" : ", ") + accounts_.Group(g);
        std::string text = FillText(dm::CannotOpen[language_], {accounts_.User(st.st_uid), accounts_.Group(st.st_gid),
                                                                  ModeText(st), groups});
        const std::string group = accounts_.Group(st.st_gid);
        const bool groupHelps = group != "root" && (st.st_mode & 0060) == 0060;
        if (groupHelps && accounts_.ListsMember(st.st_gid, user.name)) {
            text += "; " + FillText(dm::FixLogInAgain[language_], {user.name, group});
        } else if (groupHelps) {
            text += "; " + FillText(dm::FixJoinGroup[language_], {group, user.name});
        } else {
            // The device's group is root, or the group may not read and write: no group to join.
            const std::string serial = accounts_.SerialGroup();
            text += "; " + FillText(dm::FixUdevRule[language_], {UdevRuleFor(port, serial)});
            auto id = accounts_.groupIds.find(serial);
            if (id == accounts_.groupIds.end() || !InGroups(user, id->second))
                text += "; " + FillText(dm::FixJoinGroup[language_], {serial, user.name});
        }
        Add(FindingKind::Problem, subject, text);
    }

    void CheckHolders(const PortFacts& port, const std::string& subject) {
        std::set<long> reported;
        auto [from, to] = processes_.openFiles.equal_range(port.device);
        for (auto it = from; it != to; ++it) {
            if (!reported.insert(it->second).second) continue;
            if (host_.ownPid != 0 && it->second == host_.ownPid) {
                Add(FindingKind::Note, subject, T(dm::HeldByUs, language_));
            } else {
                Add(FindingKind::Problem, subject,
                    FillText(dm::HeldByProcess[language_], {std::to_string(it->second), processes_.Name(it->second)}));
            }
        }
        std::set<fs::path> seen;
        // The lock folders serial programs use; Qt falls back to /tmp when the others are closed.
        for (const char* folder : {"/var/lock", "/run/lock", "/tmp"}) {
            const std::string lock = std::string(folder) + "/LCK.." + port.name;
            const fs::path file = Under(host_.root, lock);
            std::error_code ec;
            if (!fs::exists(file, ec) || !seen.insert(fs::canonical(file, ec)).second) continue;
            // The process id in text on the first line ("      1234", or Qt's "1234\nprogram\nhost"),
            // or in the old binary form.
            const std::string content = ReadSmall(file).value_or("");
            std::optional<long> pid = ParseNumber(content.substr(0, content.find('\n')));
            if (!pid && content.size() == sizeof(int)) {  // the old binary form
                int binary = 0;
                std::copy(content.begin(), content.end(), reinterpret_cast<char*>(&binary));
                pid = binary;
            }
            if (!pid || reported.count(*pid) || (host_.ownPid != 0 && *pid == host_.ownPid)) continue;
            if (processes_.names.count(*pid)) {
                Add(FindingKind::Problem, subject,
                    FillText(dm::LockedBy[language_], {lock, std::to_string(*pid), processes_.Name(*pid)}));
            } else {
                Add(FindingKind::Warning, subject, FillText(dm::StaleLock[language_], {lock, std::to_string(*pid)}));
            }
        }
    }

    void CheckLatency(const PortFacts& port, const std::string& subject) {
        if (!port.latency) {
            Add(FindingKind::Note, subject, T(dm::NoLatencyTimer, language_));
            return;
        }
        const std::string ms = std::to_string(*port.latency);
        if (*port.latency <= 1) {
            Add(FindingKind::Ok, subject, FillText(dm::LatencyLow[language_], {ms}));
            return;
        }
        struct stat st {};
        const fs::path file = Under(host_.root, "/sys/class/tty/" + port.name + "/device/latency_timer");
        const bool writable = ::stat(file.c_str(), &st) == 0 && ModeAllows(st, host_.user);
        // ftdi_sio takes the low-latency request the program makes when it opens the port.
        if (port.driver == "ftdi_sio" || writable) {
            Add(FindingKind::Note, subject, FillText(dm::LatencyDriverSets[language_], {ms}));
        } else {
            Add(FindingKind::Warning, subject,
                FillText(dm::LatencyFixed[language_], {ms, port.latencyFile.string()}));
        }
    }

    std::vector<UsbDevice> UsbAdapters() const {
        std::vector<UsbDevice> adapters;
        std::set<fs::path> seen;
        std::error_code ec;
        for (fs::directory_iterator it(Under(host_.root, "/sys/bus/usb/devices"), ec), end; !ec && it != end;
             it.increment(ec)) {
            auto d = ReadUsbDevice(it->path());
            if (d && FindKnown(d->vid, d->pid) && seen.insert(d->dir).second) adapters.push_back(*d);
        }
        std::sort(adapters.begin(), adapters.end(), [](const UsbDevice& a, const UsbDevice& b) { return a.dir < b.dir; });
        return adapters;
    }

    void CheckAdapterWithoutPort(const UsbDevice& d) {
        const std::string subject = "USB " + Hex4(d.vid) + ":" + Hex4(d.pid);
        const std::string refused = RefusedChip(d, language_);
        if (!refused.empty()) Add(FindingKind::Problem, subject, refused);
        const std::vector<std::string> drivers = InterfaceDrivers(d.dir);
        if (drivers.empty()) {
            if (refused.empty())
                Add(FindingKind::Problem, subject,
                    FillText(dm::AdapterNoDriver[language_], {Hex4(d.vid), Hex4(d.pid), FamilyText(d.vid, language_),
                                                             FindKnown(d.vid, d.pid)->module}));
            return;
        }
        std::string list;
        for (const std::string& driver : drivers) list += (list.empty() ? "" : ", ") + driver;
        Add(FindingKind::Problem, subject,
            FillText(dm::AdapterWithoutPort[language_], {Hex4(d.vid), Hex4(d.pid), FamilyText(d.vid, language_), list}));
    }

    bool ModemManagerIgnores(const PortFacts& port) const {
        if (!port.devNumbers.empty()) {
            for (const std::string& line : ReadLines(Under(host_.root, "/run/udev/data/c" + port.devNumbers)))
                if (line == "E:ID_MM_DEVICE_IGNORE=1") return true;
        }
        for (const RuleFile& file : rules_)
            for (const std::string& line : file.lines)
                if (RuleIgnoresForModemManager(line, port.usb->vid, port.usb->pid)) return true;
        return false;
    }

    void CheckModemManager(const std::vector<PortFacts>& ports) {
        const std::string host = T(dm::HostSubject, language_);
        if (!processes_.Runs("ModemManager")) {
            Add(FindingKind::Ok, host, T(dm::MmNotRunning, language_));
            return;
        }
        std::set<std::pair<int, int>> told;
        for (const PortFacts& port : ports) {
            if (!port.usb || !told.insert({port.usb->vid, port.usb->pid}).second) continue;
            const std::string v = Hex4(port.usb->vid), p = Hex4(port.usb->pid);
            if (ModemManagerIgnores(port)) {
                Add(FindingKind::Ok, host, FillText(dm::MmIgnores[language_], {v, p}));
            } else {
                Add(FindingKind::Problem, host,
                    FillText(dm::MmProbes[language_], {v, p, UdevRuleFor(port, accounts_.SerialGroup())}));
            }
        }
    }

    void CheckBrltty(const std::vector<UsbDevice>& present) {
        const std::string host = T(dm::HostSubject, language_);
        std::vector<const RuleFile*> brltty;
        for (const RuleFile& file : rules_)
            if (file.name.find("brltty") != std::string::npos && !file.lines.empty()) brltty.push_back(&file);
        std::error_code ec;
        const bool program = fs::exists(Under(host_.root, "/usr/bin/brltty"), ec) ||
                             fs::exists(Under(host_.root, "/bin/brltty"), ec);
        if (brltty.empty() && !program) {
            Add(FindingKind::Ok, host, T(dm::BrlttyAbsent, language_));
            return;
        }
        auto claimedBy = [&](int vid, int pid) -> const RuleFile* {
            for (const RuleFile* file : brltty)
                for (const std::string& line : file->lines)
                    if (RuleClaims(line, vid, pid)) return file;
            return nullptr;
        };
        bool claimsPresent = false;
        std::set<std::pair<int, int>> told;
        for (const UsbDevice& d : present) {
            if (!told.insert({d.vid, d.pid}).second) continue;
            if (const RuleFile* file = claimedBy(d.vid, d.pid)) {
                claimsPresent = true;
                Add(FindingKind::Problem, host,
                    FillText(dm::BrlttyClaims[language_], {file->path.filename().string(), Hex4(d.vid), Hex4(d.pid),
                                                           FamilyText(d.vid, language_), file->name}));
            }
        }
        if (claimsPresent) return;
        Add(FindingKind::Ok, host, T(dm::BrlttyHarmless, language_));
        // Cables plugged in later: the usual chips that brltty would take.
        for (const KnownAdapter& k : kKnownAdapters) {
            if (k.pid == 0) continue;
            if (const RuleFile* file = claimedBy(k.vid, k.pid))
                Add(FindingKind::Warning, host,
                    FillText(dm::BrlttyWouldClaim[language_], {file->name, Hex4(k.vid), Hex4(k.pid),
                                                               FamilyText(k.vid, language_)}));
        }
    }

    const HostView& host_;
    PortNumbers& numbers_;
    int language_;
    Accounts accounts_;
    Processes processes_;
    std::vector<RuleFile> rules_;
    DoctorReport report_;
};

}  // namespace

std::string ChipFamily(int vendorId) {
    switch (vendorId) {
        case 0x0403: return "FTDI";
        case 0x067b: return "Prolific";
        case 0x1a86: return "WCH CH340";
        case 0x10c4: return "Silicon Labs CP210x";
        default: return {};
    }
}

bool DoctorReport::Blocked() const {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.kind == FindingKind::Problem; });
}

HostUser CurrentUser() {
    HostUser user;
#if defined(__linux__)
    user.uid = ::getuid();
    user.gid = ::getgid();
    const int n = ::getgroups(0, nullptr);
    if (n > 0) {
        std::vector<gid_t> groups(static_cast<std::size_t>(n));
        const int got = ::getgroups(n, groups.data());
        for (int i = 0; i < got; ++i) user.groups.push_back(groups[static_cast<std::size_t>(i)]);
    }
    if (const passwd* pw = ::getpwuid(user.uid)) user.name = pw->pw_name;
    if (user.name.empty()) user.name = std::to_string(user.uid);
#endif
    return user;
}

std::optional<HostUser> UserFromFiles(const std::string& root, const std::string& name) {
    const Accounts accounts(root);
    auto it = accounts.users.find(name);
    if (it == accounts.users.end()) return std::nullopt;
    HostUser user;
    user.name = name;
    user.uid = it->second.first;
    user.gid = it->second.second;
    user.groups.push_back(user.gid);
    for (const auto& [gid, members] : accounts.members)
        if (gid != user.gid && std::find(members.begin(), members.end(), name) != members.end())
            user.groups.push_back(gid);
    return user;
}

HostView ThisHost() {
    HostView host;
    host.user = CurrentUser();
#if defined(__linux__)
    host.askSystem = true;
    host.ownPid = static_cast<long>(::getpid());
#else
    host.linuxChecks = false;
#endif
    return host;
}

DoctorReport CheckHost(const HostView& host, PortNumbers& numbers, int language) {
    if (!host.linuxChecks) {
        DoctorReport report;
        report.findings.push_back({FindingKind::Note, T(dm::HostSubject, language), T(dm::NotChecked, language)});
        return report;
    }
    return Checker(host, numbers, language).Run();
}

std::string FormatFinding(const Finding& finding, int language) {
    const TextTable* kind = &dm::KindNote;
    switch (finding.kind) {
        case FindingKind::Ok: kind = &dm::KindOk; break;
        case FindingKind::Note: kind = &dm::KindNote; break;
        case FindingKind::Warning: kind = &dm::KindWarning; break;
        case FindingKind::Problem: kind = &dm::KindProblem; break;
    }
    return T(*kind, language) + ": " + finding.subject + ": " + finding.text;
}

std::string FormatReport(const DoctorReport& report, int language) {
    std::string text;
    for (const Finding& f : report.findings) text += FormatFinding(f, language) + "\n";
    return text;
}

}  // namespace zb
