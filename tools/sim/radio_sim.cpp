#include "radio_sim.h"

#include <algorithm>
#include <cstring>

namespace zb::sim {

namespace {

const char kProgram[] = "PROGRAM";

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

bool RadioSim::Silent() const {
    if (faults.silent) return true;
    const int blocks = counters.blocksSent + counters.blocksReceived;
    return faults.silentAfterBlocks > 0 && blocks >= faults.silentAfterBlocks;
}

int RadioSim::RequestLength() const {
    if (pending_.empty()) return 0;
    const size_t have = pending_.size();
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

}  // namespace zb::sim
