#include "sim/radio_sim.h"

#include <algorithm>
#include <cstring>

namespace zb::sim {

namespace {

const char kProgram[] = "PROGRAM";
const char kTuning[] = "TUNING ";

// The radio's alignment items: the code of each level it is tuned at (Test, Low, Low', Center,
// High', High; 0 where the item has no such level) and the bytes of its value reply.
struct SimItem {
    int codes[6];
    int valueBytesWide;
    int valueBytesNarrow;
};
constexpr SimItem kSimItems[15] = {
    {{18, 48, 51, 49, 52, 50}, 6, 6},  {{20, 96, 99, 97, 100, 98}, 6, 6},
    {{24, 101, 0, 102, 0, 103}, 4, 1}, {{24, 36, 0, 37, 0, 38}, 4, 1},
    {{24, 106, 0, 107, 0, 108}, 4, 1}, {{26, 111, 0, 112, 0, 113}, 4, 1},
    {{29, 0, 0, 0, 0, 0}, 1, 1},       {{31, 53, 0, 54, 0, 55}, 4, 4},
    {{13, 117, 0, 118, 0, 119}, 4, 1}, {{12, 114, 0, 115, 0, 116}, 4, 1},
    {{27, 0, 0, 0, 0, 0}, 1, 1},       {{28, 0, 0, 0, 0, 0}, 1, 1},
    {{33, 0, 0, 0, 0, 0}, 1, 1},       {{35, 0, 0, 0, 0, 0}, 1, 1},
    {{34, 0, 0, 0, 0, 0}, 1, 1},
};
constexpr int kPttCode = 8;

const SimItem* ItemOfCode(int code) {
    for (const SimItem& item : kSimItems)
        for (int c : item.codes)
            if (c != 0 && c == code) return &item;
    return nullptr;
}

uint8_t HexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
    return 0x0F;
}

// 8 hexadecimal digits as 4 bytes, two digits a byte.
void PutDigits(const std::string& digits, Bytes& out) {
    for (size_t i = 0; i < 8; i += 2) {
        const char hi = i < digits.size() ? digits[i] : 'F';
        const char lo = i + 1 < digits.size() ? digits[i + 1] : 'F';
        out.push_back(static_cast<uint8_t>(HexDigit(hi) << 4 | HexDigit(lo)));
    }
}

uint8_t Checksum(const Bytes& p) {
    unsigned sum = 0;
    for (size_t i = 1; i + 1 < p.size(); ++i) sum += p[i];
    return static_cast<uint8_t>(sum);
}

}  // namespace

RadioSim::RadioSim() {
    memory.fill(0xFF);
    memory[kStatusAddress] = 0x00;
}

void RadioSim::SetBandFlags(bool a, bool b) {
    uint8_t& status = memory[kStatusAddress];
    status = static_cast<uint8_t>((status & ~0x06) | (a ? 0x02 : 0) | (b ? 0x04 : 0));
}

void RadioSim::SetTestChannel(int n, const std::string& rx, const std::string& tx) {
    if (n < 1 || n > 16) return;
    test.channels[n - 1] = {rx, tx};
}

uint8_t RadioSim::StoredValue(int code) const {
    auto it = test.stored.find(code);
    // A fresh radio: distinct values, so a value read from the wrong place shows.
    return it != test.stored.end() ? it->second : static_cast<uint8_t>(code * 3 + 40);
}

bool RadioSim::Silent() const {
    if (faults.silent) return true;
    const int blocks = counters.blocksSent + counters.blocksReceived;
    return faults.silentAfterBlocks > 0 && blocks >= faults.silentAfterBlocks;
}

int RadioSim::RequestLength() const {
    if (pending_.empty()) return 0;
    const size_t have = pending_.size();
    if (pending_[0] == 'T') {
        const size_t n = std::min(have, size_t{7});
        if (std::memcmp(pending_.data(), kTuning, n) != 0) return -1;
        return have >= 7 ? 7 : 0;
    }
    if (test.active) return TestRequestLength();
    switch (pending_[0]) {
    case 'P': {
        const size_t n = std::min(have, size_t{7});
        if (std::memcmp(pending_.data(), kProgram, n) != 0) return -1;
        return have >= 7 ? 7 : 0;
    }
    case 0x02: case 0x06: case 'E': return 1;
    case 'R': return have >= 4 ? 4 : 0;
    case 'W':
        if (have < 4) return 0;
        return have >= pending_[3] + 5u ? pending_[3] + 5 : 0;
    case 'N': return have >= 34 ? 34 : 0;
    case 'V': return have >= 10 ? 10 : 0;
    default: return -1;
    }
}

Bytes RadioSim::Feed(const Bytes& in) {
    pending_.insert(pending_.end(), in.begin(), in.end());
    Bytes out;
    for (;;) {
        const int n = RequestLength();
        if (n == 0) break;
        if (n < 0) {  // line noise: skip a byte and look again
            pending_.erase(pending_.begin());
            continue;
        }
        const Bytes request(pending_.begin(), pending_.begin() + n);
        pending_.erase(pending_.begin(), pending_.begin() + n);
        Answer(request, out);
    }
    return out;
}

void RadioSim::Answer(const Bytes& r, Bytes& out) {
    if (Silent()) return;
    if (faults.garbage) {
        out.insert(out.end(), kGarbageReply.begin(), kGarbageReply.end());
        return;
    }
    const uint8_t ack = 0x06;
    if (r[0] == 'T') {  // "TUNING ": into test mode
        test.active = true;
        ++counters.testModeEntries;
        out.push_back(ack);
        return;
    }
    if (test.active) {
        test.requests.push_back(r);
        if (!faults.silentInTestMode) AnswerTest(r, out);
        return;
    }
    switch (r[0]) {
    case 'P':
        if (++counters.programRequests <= faults.ignoreProgramRequests) return;
        out.push_back(ack);
        return;
    case 0x02: {
        ++counters.identifyRequests;
        Bytes id(14, ' ');
        id[0] = 'P';
        for (size_t i = 0; i < 6 && i < model.size(); ++i) id[1 + i] = static_cast<uint8_t>(model[i]);
        id[7] = 0x00;
        for (size_t i = 0; i < 4; ++i)
            id[8 + i] = i < firmware.size() ? static_cast<uint8_t>(firmware[i]) : ' ';
        id[12] = 0x00;
        id[13] = 0x00;
        out.insert(out.end(), id.begin(), id.end());
        return;
    }
    case 0x06: out.push_back(ack); return;
    case 'E':
        ++counters.endRequests;
        out.push_back(ack);
        return;
    case 'R': {
        const int n = ++counters.readRequests;
        if (n == faults.dropReadReply) return;
        const auto& dropped = faults.dropReadReplies;
        if (std::find(dropped.begin(), dropped.end(), n) != dropped.end()) return;
        const int address = (r[1] << 8) | r[2];
        const int length = r[3];
        Bytes block{'W', r[1], r[2], r[3]};
        for (int i = 0; i < length; ++i)
            block.push_back(address + i < kMemorySize ? memory[address + i] : 0xFF);
        block.push_back(0);
        block.back() = Checksum(block);
        if (++counters.blocksSent == faults.corruptBlock) block.back() ^= 0x5A;
        out.insert(out.end(), block.begin(), block.end());
        return;
    }
    case 'W': {
        if (Checksum(r) != r.back()) return;  // a damaged block is not acknowledged
        const int address = (r[1] << 8) | r[2];
        const int length = r[3];
        if (address + length > kMemorySize) return;
        const int stuck = faults.stuckAddress;
        const uint8_t kept = stuck >= 0 && stuck < kMemorySize ? memory[stuck] : 0;
        std::copy(r.begin() + 4, r.begin() + 4 + length, memory.begin() + address);
        if (stuck >= 0 && stuck < kMemorySize) memory[stuck] = kept;
        ++counters.blocksReceived;
        out.push_back(ack);
        return;
    }
    case 'N':
        if (r[1] != 'T' || r[2] != 'K' || r[3] != 'K' || Checksum(r) != r.back()) return;
        ++counters.radioInfoWrites;
        radioInfo = r;
        out.push_back(ack);
        return;
    case 'V':
        ++counters.versionWrites;
        version = r;
        out.push_back(ack);
        return;
    default: return;
    }
}

// In test mode a request is one command byte, a command byte with its parameter (test channel,
// signalling), or an item code followed by what to do with it: 0x0D select, 0x0E release,
// 0x0A query, 0x20 and a value set.
int RadioSim::TestRequestLength() const {
    const size_t have = pending_.size();
    switch (pending_[0]) {
    case 0x02: case 0x05: case 0x06: case 0x07: case 'E': case 'F': case 'G': return 1;
    case 0x10: case 0x11: return have >= 2 ? 2 : 0;
    default: break;
    }
    if (have < 2) return 0;
    switch (pending_[1]) {
    case 0x0A: case 0x0D: case 0x0E: return 2;
    case 0x20: return have >= 3 ? 3 : 0;
    default: return -1;
    }
}

Bytes RadioSim::AlignmentReply() const {
    // Bytes 10 to 21: items 1 and 2 at their six levels; from byte 28 on the further items in
    // order, one byte per level they have. The rest is filler.
    Bytes reply(62, 0x00);
    for (int i = 0; i < 10; ++i) reply[i] = static_cast<uint8_t>(0xA0 + i);
    for (int i = 22; i < 28; ++i) reply[i] = static_cast<uint8_t>(0xB0 + i);
    size_t at = 10;
    for (int item = 0; item < 15; ++item) {
        if (item == 2) at = 28;
        for (int code : kSimItems[item].codes)
            if (code != 0) reply[at++] = StoredValue(code);
    }
    return reply;
}

Bytes RadioSim::ValueReply() const {
    auto value = [&](int code) {
        auto it = test.working.find(code);
        return it != test.working.end() ? it->second : StoredValue(code);
    };
    const SimItem* item = ItemOfCode(test.selected);
    if (!item) return {0x00};
    const int n = test.wide ? item->valueBytesWide : item->valueBytesNarrow;
    if (n == 6) {
        Bytes out;
        for (int code : item->codes) out.push_back(value(code));
        return out;
    }
    if (n == 4) return {value(item->codes[0]), value(item->codes[1]), value(item->codes[3]), value(item->codes[5])};
    return {value(test.selected)};
}

void RadioSim::AnswerTest(const Bytes& r, Bytes& out) {
    const uint8_t ack = 0x06;
    auto answer = [&](Bytes reply, bool ackAfter) {
        out.insert(out.end(), reply.begin(), reply.end());
        ackNext_ = ackAfter;
    };
    switch (r[0]) {
    case 0x02: {
        Bytes id(14, ' ');
        id[0] = 'P';
        for (size_t i = 0; i < 6 && i < model.size(); ++i) id[1 + i] = static_cast<uint8_t>(model[i]);
        for (size_t i = 0; i < 4 && i < firmware.size(); ++i) id[8 + i] = static_cast<uint8_t>(firmware[i]);
        id[7] = id[12] = id[13] = 0x00;
        answer(id, true);
        return;
    }
    case 0x05: answer(AlignmentReply(), true); return;
    case 0x06:  // the program's acknowledge of a reply: answered where the radio waits for it
        if (ackNext_) out.push_back(ack);
        ackNext_ = false;
        return;
    case 0x07: answer(ValueReply(), false); return;
    case 0x10: {
        test.channel = r[1];
        Bytes reply;
        const bool valid = r[1] >= 1 && r[1] <= 16;
        PutDigits(valid ? test.channels[r[1] - 1].rx : "FFFFFFFF", reply);
        PutDigits(valid ? test.channels[r[1] - 1].tx : "FFFFFFFF", reply);
        answer(reply, true);
        return;
    }
    case 0x11: test.signalling = r[1]; out.push_back(ack); return;
    case 'F': test.wide = true; out.push_back(ack); return;
    case 'G': test.wide = false; out.push_back(ack); return;
    case 'E':
        test.active = false;
        test.keyed = false;
        test.selected = 0;
        ++counters.testModeLeaves;
        out.push_back(ack);
        return;
    default: break;
    }
    const int code = r[0];
    switch (r[1]) {
    case 0x0D:  // select: code 8 releases the transmitter; an item starts from its kept value
        if (code == kPttCode) {
            test.keyed = false;
        } else {
            test.selected = code;
            test.working.erase(code);
        }
        out.push_back(ack);
        return;
    case 0x0E:  // release: code 8 keys the transmitter; an item keeps the value set
        if (code == kPttCode) {
            test.keyed = true;
        } else {
            if (auto it = test.working.find(code); it != test.working.end()) test.stored[code] = it->second;
            test.working.erase(code);
            if (test.selected == code) test.selected = 0;
        }
        out.push_back(ack);
        return;
    case 0x20:
        test.working[code] = r[2];
        ++counters.valueSets;
        return;
    case 0x0A: {
        auto it = test.working.find(code);
        answer({it != test.working.end() ? it->second : StoredValue(code)}, false);
        return;
    }
    default: return;
    }
}

}  // namespace zb::sim
