#pragma once
// The radio link's state.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/timer.h"
#include "link/send_list.h"

namespace zb {

class SerialListener;

// What the link is doing.
enum CommModeValue : int16_t {
    kModeIdle = 0,
    kModeRead = 1,
    kModeWrite = 2,
    kModeRmgRead = 3,
    kModeRadioInfoWrite = 4,
    kModeTestMode = 5,
    kModePortSearch = 9,
};

// Step codes shared by the conversations.
enum LinkStepValue : int16_t {
    kStepNone = 0,
    kStepProgram = 1,
    kStepIdentify = 2,
    kStepCheck = 3,
    kStepBlock = 4,
    kStepBlockAck = 5,
    kStepStatusRequest = 21,
    kStepStatusBlock = 22,
    kStepRmgStatus = 31,
    kStepEnd = 69,
    kStepEndFailed = 70,
};

inline constexpr int kReplyTimeoutMs = 300;
inline constexpr int kWriteDelayMs = 20;

// The group write's hand-over from one radio to the next (its group and first-radio flags
// are ctx.groupWrite).
struct GroupHandOver {
    int16_t radioCount = 0;
    int16_t radioNumber = 0;
    bool swapPending = false;
    int16_t timeoutCount = 0;
    int16_t ackCount = 0;
    bool windowOpen = false;
};

// Port number, handshaking mode and stop bits of one attempt of the port search.
struct SearchCombination {
    int port = 0;
    int handshaking = 0;
    int stopBits = 1;
};

// The automatic search for the port and line settings on which the radio answers.
struct PortSearchState {
    int16_t savedMode = 0;
    std::string savedCaption;
    std::vector<int> ports;  // up to 256
    size_t position = 0;
    SearchCombination trying;
    int probeCount = 0;
    int16_t step = 0;
    bool haveFallback = false;
    SearchCombination fallback;
};

struct LinkState {
    int16_t CommMode = 0;
    int16_t LinkStep = 0;
    int16_t BlockAddress = 0;
    int16_t BlockLength = 0;
    int16_t EndAddress = 0;
    std::string RadioModel;
    std::string RadioFirmware;
    int BandFlagA = 0;
    int BandFlagB = 0;

    int16_t programResends = 0;
    int16_t identifyResends = 0;
    int16_t lastPercent = 0;
    GroupHandOver group;
    PortSearchState search;
    SendList sendList;
    // A question or window of the running conversation is open: replies arriving meanwhile
    // are dropped, so the conversation cannot move on behind the user's back.
    bool awaitingUser = false;
    // How the last conversation ended (set when CommMode returns to idle).
    bool lastSucceeded = false;

    // Wired up by the link on first use (ctx.timers, ctx.line).
    std::unique_ptr<OneShotTimer> waitTimer;   // WaitTimer, 300 ms
    std::unique_ptr<OneShotTimer> writeTimer;  // TimerWrite, 20 ms
    std::shared_ptr<SerialListener> receiver;

    // The factory test mode's handlers (CommMode 5); empty until test mode installs them.
    std::function<void(const std::vector<uint8_t>&)> testModeReceive;
    std::function<void()> testModeSendDone;
    std::function<void()> testModeTimeout;
};

}  // namespace zb
