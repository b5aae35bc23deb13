#pragma once
// The factory test mode's state: the radio's test channels, what the technician selected, the
// alignment values read from the radio, and the timers of the queued protocol.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/timer.h"

namespace zb {

inline constexpr int kTestChannelCount = 16;
inline constexpr int kAlignmentItemCount = 15;
inline constexpr int kLevelCount = 6;  // Test, Low, Low', Center, High', High

struct TestChannel {
    int16_t number = 0;
    std::string rx;  // 8 characters, as the radio reported them
    std::string tx;
    bool operator==(const TestChannel&) const = default;
};

// What the test mode asks of its windows. The GUI opens FrmTestMode and FrmTestModePara;
// the command line and tests record the calls.
class TestModeViews {
public:
    virtual ~TestModeViews() = default;
    // The radio's test channels matched the document (TimerShowTestFrm).
    virtual void OpenTestWindow() {}
    // The radio acknowledged the item to be tuned (TimerTestModeParaFrm).
    virtual void OpenItemWindow() {}
    // A value reply arrived: the item window shows it (ShowData).
    virtual void ShowItemValues() {}
    // Test mode has ended and the port is closed: the windows go.
    virtual void TestModeEnded() {}
};

struct TestModeState {
    std::vector<TestChannel> channels;  // the test-channel table, at most 16
    int selectedChannel = 1;            // 1 to 16
    int selectedSignalling = 1;         // 1 to 9
    int selectedItem = 0;               // 1 to 15; 0: none
    bool wide = true;                   // Wide button last (false after Narrow)
    bool pttOff = true;                 // the transmitter is off

    // Alignment values by item (index 0 = item 1) and level, from the 62-byte reply.
    std::array<std::array<uint8_t, kLevelCount>, kAlignmentItemCount> alignment{};
    // Values 1 to 6 (index 0 = value 1) from the value replies.
    std::array<uint8_t, 6> values{};
    // Length of the last value reply (1, 4 or 6) and the byte of a 1-byte reply or of the
    // last query; 0 until one came.
    int lastValueLength = 0;
    uint8_t reading = 0;

    bool testWindowPending = false;
    bool engineRunning = false;
    // How the last check of the test channels against the document came out.
    bool channelsChecked = false;
    bool channelsMatch = false;

    std::unique_ptr<OneShotTimer> sendComm;   // TimerSendComm, 100 ms
    std::unique_ptr<OneShotTimer> showTest;   // TimerShowTestFrm, 300 ms
    std::unique_ptr<OneShotTimer> sendEnd;    // TimerSendEnd, 300 ms
    std::unique_ptr<OneShotTimer> showItem;   // TimerTestModeParaFrm, 300 ms
};

}  // namespace zb
