#pragma once
// Texts of the cable check ("doctor"): findings about the serial ports and the host, and the
// result of probing the radio. "%1".."%9" stand for the values filled in by FillText.

#include <initializer_list>
#include <string>
#include <string_view>

#include "app/text_table.h"

namespace zb {

// The text with "%1".."%9" replaced by the values, in order.
std::string FillText(std::string_view text, std::initializer_list<std::string> values);

}  // namespace zb

namespace zb::msg::doctor {

// Kinds of finding, at the start of each line.
inline constexpr TextTable KindOk{"ok", "正常"};
inline constexpr TextTable KindNote{"note", "提示"};
inline constexpr TextTable KindWarning{"warning", "警告"};
inline constexpr TextTable KindProblem{"PROBLEM", "问题"};
inline constexpr TextTable HostSubject{"host", "本机"};
inline constexpr TextTable RadioSubject{"radio", "对讲机"};

inline constexpr TextTable NotChecked{"serial ports, permissions, other programs, ModemManager, brltty: "
                                      "not checked on this system",
                                      "串口、权限、其他程序、ModemManager、brltty：本系统上未检查"};
inline constexpr TextTable UserLine{"checked for user %1 (groups: %2)", "检查的用户：%1（所属组：%2）"};
inline constexpr TextTable NoPorts{"no serial port found: plug the cable in, or see the lines about "
                                   "USB adapters below",
                                   "未找到串口：请插上数据线，或参看下面关于USB适配器的各行"};

// One port.
inline constexpr TextTable UsbPort{"USB adapter %1:%2 (%3), chip family %4, kernel driver %5",
                                   "USB适配器 %1:%2（%3），芯片系列 %4，内核驱动 %5"};
inline constexpr TextTable PlainPort{"serial port without USB, kernel driver %1",
                                     "非USB串口，内核驱动 %1"};
inline constexpr TextTable NoDriver{"none", "无"};
inline constexpr TextTable OtherChip{"other", "其他"};
inline constexpr TextTable NoNode{"the device %1 does not exist although the kernel lists the port; "
                                  "unplug the adapter and plug it in again",
                                  "内核列出了该端口，但设备 %1 不存在；请拔下适配器再重新插上"};
inline constexpr TextTable CanOpen{"this user can open it", "当前用户可以打开它"};
inline constexpr TextTable CanOpenByAcl{"this user can open it (an access list of the login session "
                                        "allows it)",
                                        "当前用户可以打开它（登录会话的访问控制列表允许）"};
inline constexpr TextTable CannotOpen{"this user may not open it: owner %1, group %2, mode %3; the "
                                      "user's groups: %4",
                                      "当前用户无权打开它：所有者 %1，组 %2，权限 %3；用户所属组：%4"};
inline constexpr TextTable FixJoinGroup{"fix: sudo usermod -aG %1 %2, then log out and in again",
                                        "解决：sudo usermod -aG %1 %2，然后注销并重新登录"};
inline constexpr TextTable FixLogInAgain{"%1 is a member of group %2, but this login started before "
                                         "that: log out and in again",
                                         "%1 已是组 %2 的成员，但本次登录早于加入：请注销并重新登录"};
inline constexpr TextTable FixUdevRule{"fix: install a udev rule, /etc/udev/rules.d/60-zb347rx-serial.rules "
                                       "with the line %1, then unplug the adapter and plug it in again",
                                       "解决：安装udev规则 /etc/udev/rules.d/60-zb347rx-serial.rules，内容为 %1，"
                                       "然后拔下适配器再重新插上"};
inline constexpr TextTable HeldByProcess{"another program has it open: process %1 (%2); close that "
                                         "program first",
                                         "另一个程序正在使用它：进程 %1（%2）；请先关闭该程序"};
inline constexpr TextTable HeldByUs{"this program has it open (from the last exchange with the radio)",
                                    "本程序正打开着它（上次与对讲机通信留下的）"};
inline constexpr TextTable LockedBy{"the lock file %1 names process %2 (%3), which holds the port; "
                                    "close that program first",
                                    "锁文件 %1 指向进程 %2（%3），它占用着该端口；请先关闭该程序"};
inline constexpr TextTable StaleLock{"the lock file %1 names process %2, which no longer runs; if the "
                                     "port does not open, remove it: sudo rm %1",
                                     "锁文件 %1 指向的进程 %2 已不存在；如果端口打不开，请删除它：sudo rm %1"};
inline constexpr TextTable LatencyLow{"latency timer %1 ms", "延迟计时器 %1 毫秒"};
inline constexpr TextTable LatencyDriverSets{"latency timer %1 ms; the program asks the driver for low "
                                             "latency (1 ms) while the port is open",
                                             "延迟计时器 %1 毫秒；端口打开期间本程序会请求驱动使用低延迟（1毫秒）"};
inline constexpr TextTable LatencyFixed{"latency timer %1 ms, and this user cannot lower it: replies "
                                        "come up to %1 ms late, so reads are slower; to lower it: echo 1 "
                                        "| sudo tee %2",
                                        "延迟计时器 %1 毫秒，当前用户无法降低：应答最多迟到 %1 毫秒，读写会变慢；"
                                        "降低方法：echo 1 | sudo tee %2"};
inline constexpr TextTable NoLatencyTimer{"the chip has no latency timer to set; bytes are passed on as "
                                          "they come",
                                          "该芯片没有可设置的延迟计时器；收到的字节直接转交"};

// Chips known to be refused.
inline constexpr TextTable ErasedFtdi{"%1:%2 is an FTDI chip whose product id reads 0000 (a counterfeit "
                                      "FT232R disabled by FTDI's Windows driver); the kernel's ftdi_sio "
                                      "does not take it; fix: echo 0403 0000 | sudo tee "
                                      "/sys/bus/usb-serial/drivers/ftdi_sio/new_id, or use another cable",
                                      "%1:%2 是产品号被改为0000的FTDI芯片（被FTDI的Windows驱动停用的仿冒FT232R）；"
                                      "内核的ftdi_sio不接管它；解决：echo 0403 0000 | sudo tee "
                                      "/sys/bus/usb-serial/drivers/ftdi_sio/new_id，或换一根数据线"};
inline constexpr TextTable OldProlific{"%1:%2 release 3.00 is a Prolific PL2303HXA/XA, a chip out of "
                                       "production since 2012 and often counterfeit; Prolific's current "
                                       "drivers refuse it (on Windows use another cable); the kernel's "
                                       "pl2303 driver still takes it",
                                       "%1:%2 版本3.00 是 Prolific PL2303HXA/XA，自2012年停产且多为仿冒；"
                                       "Prolific的现行驱动拒绝它（在Windows上请换一根数据线）；内核的pl2303驱动仍可使用它"};

// USB adapters without a serial port.
inline constexpr TextTable AdapterWithoutPort{"USB adapter %1:%2 (%3) is plugged in but has no serial "
                                              "port; interface driver: %4",
                                              "USB适配器 %1:%2（%3）已插上，但没有串口；接口驱动：%4"};
inline constexpr TextTable AdapterNoDriver{"no kernel driver took USB adapter %1:%2 (%3); load the "
                                           "driver (sudo modprobe %4) or use another cable",
                                           "没有内核驱动接管USB适配器 %1:%2（%3）；请加载驱动（sudo modprobe %4）或换一根数据线"};

// ModemManager.
inline constexpr TextTable MmNotRunning{"ModemManager is not running", "ModemManager 未运行"};
inline constexpr TextTable MmIgnores{"ModemManager is running and leaves %1:%2 alone",
                                     "ModemManager 正在运行，但不会碰 %1:%2"};
inline constexpr TextTable MmProbes{"ModemManager is running and no udev rule tells it to leave %1:%2 "
                                    "alone: it may open the port and send modem commands; fix: a udev "
                                    "rule with ENV{ID_MM_DEVICE_IGNORE}=\"1\" (line %3), or sudo "
                                    "systemctl disable --now ModemManager",
                                    "ModemManager 正在运行，且没有udev规则让它不碰 %1:%2：它可能打开端口并发送调制解调器命令；"
                                    "解决：添加含 ENV{ID_MM_DEVICE_IGNORE}=\"1\" 的udev规则（内容 %3），"
                                    "或 sudo systemctl disable --now ModemManager"};

// brltty.
inline constexpr TextTable BrlttyAbsent{"brltty is not installed", "未安装 brltty"};
inline constexpr TextTable BrlttyHarmless{"brltty is installed; its rules claim none of the adapters "
                                          "present",
                                          "已安装 brltty；其规则未认领当前插着的适配器"};
inline constexpr TextTable BrlttyClaims{"brltty's udev rule %1 claims %2:%3 (%4) as a braille display, "
                                        "so the adapter loses its serial port; fix: sudo apt remove brltty "
                                        "(without a braille display), or mask the rule: sudo ln -s "
                                        "/dev/null /etc/udev/rules.d/%5",
                                        "brltty 的udev规则 %1 把 %2:%3（%4）当作盲文显示器认领，适配器因此失去串口；"
                                        "解决：sudo apt remove brltty（不用盲文显示器时），或屏蔽该规则："
                                        "sudo ln -s /dev/null /etc/udev/rules.d/%5"};
inline constexpr TextTable BrlttyWouldClaim{"brltty's udev rule %1 claims %2:%3 (%4): a cable with this "
                                            "chip will get no serial port while brltty is installed",
                                            "brltty 的udev规则 %1 认领 %2:%3（%4）：装有 brltty 时，"
                                            "使用这种芯片的数据线将得不到串口"};

// The radio probe.
inline constexpr TextTable ProbeSettings{"%1 at 9600 baud, 8 data bits, no parity, %2 stop bit(s), "
                                         "handshaking %3",
                                         "%1，9600波特，8数据位，无校验，%2停止位，握手方式 %3"};
inline constexpr TextTable HandshakingNone{"none", "无"};
inline constexpr TextTable HandshakingBoth{"RTS/CTS and XON/XOFF", "RTS/CTS 和 XON/XOFF"};
inline constexpr TextTable ProbeCannotOpen{"the port did not open: %1", "端口无法打开：%1"};
inline constexpr TextTable ProbeAnswered{"the radio answered: model %1, firmware %2; round trip %3 ms "
                                         "(program request), %4 ms (identification)",
                                         "对讲机已应答：机型 %1，固件 %2；往返时间 %3 毫秒（编程请求），"
                                         "%4 毫秒（识别）"};
inline constexpr TextTable ProbeOtherModel{"a radio of another model answered: model %1, firmware %2 "
                                           "(this program is for %3)",
                                           "应答的是其他机型的对讲机：机型 %1，固件 %2（本程序用于 %3）"};
inline constexpr TextTable ProbeNoAnswer{"no answer to the program request: check that the radio is on "
                                         "and the cable sits firmly in both sockets, and that this is the "
                                         "radio's port",
                                         "编程请求无应答：请确认对讲机已开机、数据线两端插牢，并且这是对讲机所在的端口"};
inline constexpr TextTable ProbeGarbage{"bytes that are not a reply came back (%1): wrong line settings "
                                        "(stop bits, handshaking) or another device on this port",
                                        "收到的字节不是应答（%1）：线路设置（停止位、握手方式）不对，或该端口上是别的设备"};
inline constexpr TextTable ProbeEcho{"the line sends back what the program sends (%1): the cable or "
                                     "adapter echoes, so the radio's replies cannot be told apart",
                                     "线路把程序发出的内容原样送回（%1）：数据线或适配器有回显，无法分辨对讲机的应答"};
inline constexpr TextTable ProbeNoIdentification{"the radio acknowledged the program request but did not "
                                                 "identify itself",
                                                 "对讲机确认了编程请求，但没有发回识别信息"};

// Under "Cannot Open Communication Port." and its reason.
inline constexpr TextTable OpenFailureHint{"Check Cable... in Setup > Communication Port (or zb347rx-cli "
                                           "doctor) says why.",
                                           "“设置 > 通讯端口”中的“检查数据线...”（或 zb347rx-cli doctor）"
                                           "可查明原因。"};

// The window.
inline constexpr TextTable CheckCableButton{"Check Cable...", "检查数据线..."};
inline constexpr TextTable WindowCaption{"Cable Check", "数据线检查"};
inline constexpr TextTable CopyButton{"Co&py", "复制(&P)"};
inline constexpr TextTable Probing{"asking the radio on %1...", "正在询问 %1 上的对讲机..."};

}  // namespace zb::msg::doctor
