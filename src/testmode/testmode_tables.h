#pragma once
// The tables of the test-mode protocol: item codes and value lengths, the layout of the
// 62-byte alignment reply, and the entries each step and function queues.

#include <cstdint>
#include <vector>

#include "link/send_list.h"
#include "testmode/testmode_state.h"

namespace zb {

// Values of a SendList entry.
enum SendEntryValue { kEntryFunction, kEntryStep, kEntryCommand, kEntryAwaits, kEntryThreshold,
                      kEntryParameter, kEntrySecondParameter };

// The fourth value of an entry: the reply it waits for.
enum AwaitedReply : int16_t {
    kAwaitNone = 0,
    kAwaitAck = 2,
    kAwaitIdentification = 3,
    kAwaitAlignment = 4,       // 62 bytes
    kAwaitTestChannel = 5,     // 8 bytes
    kAwaitValue = 6,           // as many bytes as the entry's parameter
    kAwaitQuery = 7,           // 1 byte
    kAwaitContinuation = SendList::kSkipOnStepBack,  // sent in one packet with the entry before
};

// Commands: what an entry puts into the packet.
enum TestCommand : int16_t {
    kCmdTuning = 1, kCmdIdentify = 2, kCmdAck = 3, kCmdReadAlignment = 4, kCmdTestChannel = 5,
    kCmdParameter = 6, kCmdSignalling = 7, kCmdWide = 8, kCmdNarrow = 9, kCmdSelect = 12,
    kCmdRelease = 13, kCmdReadValue = 14, kCmdSetValue = 15, kCmdQuery = 16, kCmdLeave = 17,
    kCmdWait = 67, kCmdEnd = 69,
};

// The user actions of the test windows.
enum TestFunction : int16_t {
    kFnEnter = 1, kFnTestChannel = 2, kFnSignalling = 3, kFnWide = 4, kFnNarrow = 5,
    kFnTransmitterOff = 6, kFnTransmitterOn = 7, kFnTune = 8, kFnLeave = 9, kFnLevel = 10,
    kFnSetValue = 11, kFnStore = 12, kFnCloseItem = 13, kFnQuery = 14,
};

inline constexpr int kAlignmentReplyLength = 62;
inline constexpr int kTestChannelReplyLength = 8;
inline constexpr int kIdentificationReplyLength = 14;
inline constexpr int kPttItemCode = 8;  // the code that keys and releases the transmitter

// The byte sent for item 1..15 at level 0..5; 0 where the item has no such level.
int ItemCode(int item, int level);
// The levels an item is tuned at: the ones with a code.
std::vector<int> ItemLevels(int item);
// Bytes of the item's value reply.
int ValueLength(int item, bool wide);
// Items 12 to 15 are read-outs (battery, VOX, RSSI), not tuned with sliders.
inline bool IsReadoutItem(int item) { return item >= 12 && item <= 15; }

// Where an item's level sits in the 62-byte alignment reply; -1 where it has no byte.
int AlignmentOffset(int item, int level);

// The bytes an entry adds to a packet.
std::vector<uint8_t> CommandBytes(const SendEntry& entry);

// The entries of one step (p: parameter, v: second parameter; formB for steps 8 and 11).
std::vector<SendEntry> StepEntries(int function, int step, int p, int v = 0, bool formB = false);

// The entries of a function. For functions 2, 3, 9 and 14 `a` is the channel, signalling or
// item code; for 8 the item; for 10 the item code and `b` the value length; for 11 the item
// code and `b` the value; for 12 the item code; for 13 the item.
// Function 1 takes the smallest channel number among the document's test frequencies in `a`.
std::vector<SendEntry> FunctionEntries(int function, int a = 0, int b = 0);

}  // namespace zb
