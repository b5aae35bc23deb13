#pragma once
// The factory test mode's engine: the user actions queue their requests in the SendList, and
// the engine sends them one after the other, each waiting for the reply it expects.

#include <cstdint>
#include <string>

#include "link/serial_line.h"

namespace zb {

struct AppContext;
struct TestModeState;

// The start values, set once at program start.
void ApplyTestModeStartValues(TestModeState& state);

// Opens the port and queues the function enter (CommMode 5).
void EnterTestMode(AppContext& ctx);
// Queues a test function (arguments as FunctionEntries takes them). Nothing when the port is
// closed; "Comm List is full!" when the list fills up, keeping the entries that fitted.
// Returns true when every entry was queued.
bool QueueTestFunction(AppContext& ctx, int function, int a = 0, int b = 0);
// Ends test mode: list reset, CommMode 0, timers stopped, port closed.
void EndTestMode(AppContext& ctx, bool success);

// The program is closing while test mode runs: there is no time left to wait for replies, so
// the radio is told at once to release the transmitter and leave test mode, then the port closes.
void LeaveTestModeNow(AppContext& ctx);

// The engine's events.
void TestModeReceived(AppContext& ctx, const Bytes& packet);
void TestModeSendDone(AppContext& ctx);
void TestModeSendNext(AppContext& ctx);
void TestModeReplyTimeout(AppContext& ctx);

// The test channel's frequency as the radio reports it: 4 bytes as 8 hexadecimal digits.
std::string FrequencyDigits(const uint8_t* bytes);
// A test channel's frequency for display: 8 digits of Hz as MHz ("#0.000000"); any other text
// as it stands.
std::string TestFreqText(const std::string& digits);
// The radio's test channels equal the document's test frequencies.
bool TestChannelsMatch(const AppContext& ctx);

}  // namespace zb
