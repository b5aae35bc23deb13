#include "testmode/testmode_tables.h"

#include <algorithm>

namespace zb {

namespace {

// Item codes by item (row) and level (column: Test, Low, Low', Center, High', High).
constexpr uint8_t kItemCodes[kAlignmentItemCount][kLevelCount] = {
    {18, 48, 51, 49, 52, 50},    // RF High Power
    {20, 96, 99, 97, 100, 98},   // RF Low Power
    {24, 101, 0, 102, 0, 103},   // DQT Balance
    {24, 36, 0, 37, 0, 38},      // Max Deviation
    {24, 106, 0, 107, 0, 108},   // QT Fine Deviation
    {26, 111, 0, 112, 0, 113},   // DQT Fine Deviation
    {29, 0, 0, 0, 0, 0},         // DTMF Fine Deviation
    {31, 53, 0, 54, 0, 55},      // Sensitivity
    {13, 117, 0, 118, 0, 119},   // Squelch(Tight)
    {12, 114, 0, 115, 0, 116},   // Squelch(Open)
    {27, 0, 0, 0, 0, 0},         // MSK Fine Deviation
    {28, 0, 0, 0, 0, 0},         // Battery Warning Level
    {33, 0, 0, 0, 0, 0},         // VOX1
    {35, 0, 0, 0, 0, 0},         // VOX10
    {34, 0, 0, 0, 0, 0},         // RSSI
};

// The 62-byte alignment reply. Bytes 10 to 15 hold item 1 and 16 to 21 item 2 at their six
// levels; from byte 28 on every further item follows in item order with one byte per level
// it has (Test, Low, Center, High for items with four levels), which fills the reply to its
// last byte. Bytes 0 to 9 and 22 to 27 carry nothing the program uses.
//
//   0         10      16      22     28   32   36   40  44 45   49   53   57  ..  61
//   | unused  | item1 | item2 | unused| i3 | i4 | i5 | i6 |i7| i8 | i9 |i10 |i11..i15|
constexpr int kFirstItemOffset = 10;
constexpr int kThirdItemOffset = 28;

constexpr bool ValidItem(int item) { return item >= 1 && item <= kAlignmentItemCount; }
constexpr bool ValidLevel(int level) { return level >= 0 && level < kLevelCount; }

SendEntry Entry(int function, int step, int command, int awaits, int threshold = 0, int p = 0,
                int v = 0) {
    return SendEntry{static_cast<int16_t>(function), static_cast<int16_t>(step),
                     static_cast<int16_t>(command),  static_cast<int16_t>(awaits),
                     static_cast<int16_t>(threshold), static_cast<int16_t>(p),
                     static_cast<int16_t>(v)};
}

void Append(std::vector<SendEntry>& to, const std::vector<SendEntry>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

}  // namespace

int ItemCode(int item, int level) {
    if (!ValidItem(item) || !ValidLevel(level)) return 0;
    return kItemCodes[item - 1][level];
}

std::vector<int> ItemLevels(int item) {
    std::vector<int> levels;
    for (int level = 0; level < kLevelCount; ++level)
        if (ItemCode(item, level) != 0) levels.push_back(level);
    return levels;
}

int ValueLength(int item, bool wide) {
    switch (item) {
    case 1: case 2: return 6;
    case 3: case 4: case 5: case 6: case 9: case 10: return wide ? 4 : 1;
    case 8: return 4;
    default: return 1;
    }
}

int AlignmentOffset(int item, int level) {
    if (ItemCode(item, level) == 0) return -1;
    if (item <= 2) return kFirstItemOffset + (item - 1) * kLevelCount + level;
    int offset = kThirdItemOffset;
    for (int before = 3; before < item; ++before) offset += static_cast<int>(ItemLevels(before).size());
    const auto levels = ItemLevels(item);
    return offset + static_cast<int>(std::find(levels.begin(), levels.end(), level) - levels.begin());
}

std::vector<uint8_t> CommandBytes(const SendEntry& e) {
    const auto p = static_cast<uint8_t>(e[kEntryParameter]);
    const auto v = static_cast<uint8_t>(e[kEntrySecondParameter]);
    switch (e[kEntryCommand]) {
    case kCmdTuning: return {'T', 'U', 'N', 'I', 'N', 'G', ' '};
    case kCmdIdentify: return {0x02};
    case kCmdAck: return {0x06};
    case kCmdReadAlignment: return {0x05};
    case kCmdTestChannel: return {0x10};
    case kCmdParameter: return {p};
    case kCmdSignalling: return {0x11};
    case kCmdWide: return {'F'};
    case kCmdNarrow: return {'G'};
    case kCmdSelect: return {0x0D};
    case kCmdRelease: return {0x0E};
    case kCmdReadValue: return {0x07};
    case kCmdSetValue: return {p, 0x20, v};
    case kCmdQuery: return {p, 0x0A};
    case kCmdLeave: return {'E'};
    default: return {};  // 67 and 69 send nothing
    }
}

std::vector<SendEntry> StepEntries(int f, int step, int p, int v, bool formB) {
    constexpr int cont = kAwaitContinuation;
    switch (step) {
    case 1: return {Entry(f, 1, kCmdTuning, kAwaitNone, 1), Entry(f, 1, kCmdWait, kAwaitAck)};
    case 2:
        // The identification is 14 bytes: a receive threshold below that would hand the engine
        // the first bytes of a reply that arrives paced, and the whole reply would never match.
        return {Entry(f, 2, kCmdIdentify, kAwaitNone, kIdentificationReplyLength),
                Entry(f, 2, kCmdAck, kAwaitIdentification, 1), Entry(f, 2, kCmdWait, kAwaitAck)};
    case 3:
        return {Entry(f, 3, kCmdReadAlignment, kAwaitNone, kAlignmentReplyLength),
                Entry(f, 3, kCmdAck, kAwaitAlignment, 1), Entry(f, 3, kCmdWait, kAwaitAck)};
    case 4:
        return {Entry(f, 4, kCmdTestChannel, kAwaitNone),
                Entry(f, 4, kCmdParameter, cont, kTestChannelReplyLength, p),
                Entry(f, 4, kCmdAck, kAwaitTestChannel, 1, p), Entry(f, 4, kCmdWait, kAwaitAck)};
    case 6:
        return {Entry(f, 6, kCmdSignalling, kAwaitNone), Entry(f, 6, kCmdParameter, cont, 1, p),
                Entry(f, 6, kCmdWait, kAwaitAck)};
    case 7: return {Entry(f, 7, kCmdLeave, kAwaitNone, 1), Entry(f, 7, kCmdEnd, kAwaitAck)};
    case 8:
        if (formB) return {Entry(f, 8, kCmdParameter, kAwaitNone, 0, p), Entry(f, 8, kCmdSelect, cont)};
        return {Entry(f, 8, kCmdParameter, kAwaitNone, 1, p), Entry(f, 8, kCmdSelect, cont, 1),
                Entry(f, 8, kCmdWait, kAwaitAck)};
    case 9:
        return {Entry(f, 9, kCmdReadValue, kAwaitNone, p), Entry(f, 9, kCmdAck, kAwaitValue, 0, p)};
    case 10: return {Entry(f, 10, kCmdSetValue, kAwaitNone, 0, p, v)};
    case 11:
        if (formB) return {Entry(f, 11, kCmdParameter, kAwaitNone, 0, p), Entry(f, 11, kCmdRelease, cont)};
        // The release is sent in one packet with its item code, as the select of step 8 is:
        // the radio acknowledges the two bytes together.
        return {Entry(f, 11, kCmdParameter, kAwaitNone, 1, p), Entry(f, 11, kCmdRelease, cont, 1),
                Entry(f, 11, kCmdWait, kAwaitAck)};
    case 12: return {Entry(f, 12, kCmdWide, kAwaitNone, 1), Entry(f, 12, kCmdWait, kAwaitAck)};
    case 13: return {Entry(f, 13, kCmdNarrow, kAwaitNone, 1), Entry(f, 13, kCmdWait, kAwaitAck)};
    case 16: return {Entry(f, 16, kCmdQuery, kAwaitNone, 1, p), Entry(f, 16, kCmdAck, kAwaitQuery)};
    default: return {};
    }
}

std::vector<SendEntry> FunctionEntries(int f, int a, int b) {
    std::vector<SendEntry> out;
    switch (f) {
    case kFnEnter:
        for (int step : {1, 2, 3}) Append(out, StepEntries(f, step, 0));
        for (int channel = 1; channel <= kTestChannelCount; ++channel) Append(out, StepEntries(f, 4, channel));
        Append(out, StepEntries(f, 4, std::clamp(a, 1, kTestChannelCount)));
        Append(out, StepEntries(f, 6, 1));
        break;
    case kFnTestChannel: Append(out, StepEntries(f, 4, a)); break;
    case kFnSignalling: Append(out, StepEntries(f, 6, a)); break;
    case kFnWide: Append(out, StepEntries(f, 12, 0)); break;
    case kFnNarrow: Append(out, StepEntries(f, 13, 0)); break;
    case kFnTransmitterOff: Append(out, StepEntries(f, 8, kPttItemCode)); break;
    case kFnTransmitterOn: Append(out, StepEntries(f, 11, kPttItemCode)); break;
    case kFnTune:
        Append(out, StepEntries(f, 3, 0));
        Append(out, StepEntries(f, 8, ItemCode(a, 0)));
        break;
    case kFnLeave:
        Append(out, StepEntries(f, 6, a));
        Append(out, StepEntries(f, 7, 0));
        break;
    case kFnLevel:
        Append(out, StepEntries(f, 8, a, 0, true));
        Append(out, StepEntries(f, 9, b));
        break;
    case kFnSetValue: Append(out, StepEntries(f, 10, a, b)); break;
    case kFnStore: Append(out, StepEntries(f, 11, a, 0, true)); break;
    case kFnCloseItem:
        // Leaving an item: a tuned item is selected again at its Test level, which drops a
        // value set but not stored, and then released; a read-out item is only released.
        if (!IsReadoutItem(a)) Append(out, StepEntries(f, 8, ItemCode(a, 0), 0, true));
        Append(out, StepEntries(f, 11, ItemCode(a, 0), 0, true));
        break;
    case kFnQuery: Append(out, StepEntries(f, 16, a)); break;
    default: break;
    }
    return out;
}

}  // namespace zb
