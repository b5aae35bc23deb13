#pragma once
// The simulated radio: its memory and identity, and the radio side of the programming
// protocol. Fed the bytes the program sends, it returns the bytes the radio answers. Used
// in-process by the tests and over a pseudo-terminal by zb347rx-sim.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zb::sim {

using Bytes = std::vector<uint8_t>;

inline constexpr int kMemorySize = 16384;
inline constexpr int kStatusAddress = 0x3F00;

// Misbehaviour on demand. Counts are 1-based; 0 switches a fault off.
struct Faults {
    bool silent = false;           // never answers
    bool garbage = false;          // answers every request with bytes that are no reply, as a
                                   // line at the wrong settings or another device does
    int ignoreProgramRequests = 0; // the first N program requests get no answer
    int dropReadReply = 0;         // no answer to the Nth read request
    std::vector<int> dropReadReplies;  // nor to any of these
    int corruptBlock = 0;          // the Nth data block sent has a wrong checksum
    int silentAfterBlocks = 0;     // goes silent once N blocks were sent or received
    int stuckAddress = -1;         // a memory cell that keeps its value when written (-1: none)
    bool silentInTestMode = false; // acknowledges "TUNING ", then never answers in test mode
};

// What a radio with the garbage fault sends for every request.
inline const std::vector<uint8_t> kGarbageReply = {0xF8, 0x80, 0x00, 0xFE, 0x7F};

struct Counters {
    int programRequests = 0;
    int identifyRequests = 0;
    int readRequests = 0;
    int blocksSent = 0;       // data blocks answered to read requests
    int blocksReceived = 0;   // data blocks written into memory
    int endRequests = 0;
    int radioInfoWrites = 0;
    int versionWrites = 0;
    int testModeEntries = 0;  // "TUNING " acknowledged
    int testModeLeaves = 0;   // "E" in test mode
    int valueSets = 0;        // item values set (code 0x20 value)
};

// The radio's test mode: its 16 test channels, the alignment values it keeps by item code,
// and what the technician keyed and selected.
struct TestModeSim {
    struct Channel {
        std::string rx = "FFFFFFFF";  // 8 hexadecimal digits; FFFFFFFF: none
        std::string tx = "FFFFFFFF";
    };
    bool active = false;
    std::array<Channel, 16> channels;
    int channel = 0;          // last test channel asked for
    int signalling = 0;       // last signalling chosen
    bool wide = true;
    bool keyed = false;       // the transmitter is on
    int selected = 0;         // item code being tuned; 0: none
    std::map<int, uint8_t> stored;   // alignment values kept by the radio
    std::map<int, uint8_t> working;  // values set but not stored yet
    std::vector<Bytes> requests;     // every test-mode request, as received
};

class RadioSim {
public:
    RadioSim();

    // Feeds received bytes; returns the answer to every complete request among them.
    Bytes Feed(const Bytes& in);
    // Forgets partly received bytes (the line was reopened).
    void ResetInput() { pending_.clear(); }

    std::array<uint8_t, kMemorySize> memory{};
    std::string model = "ZB347";   // sent in the identification, blank padded to 6
    std::string firmware = "V200"; // 4 characters
    Faults faults;
    Counters counters;
    Bytes radioInfo;   // the last radio-information write, as received
    Bytes version;     // the last version write, as received

    // Band flags live in the first byte of the status block.
    void SetBandFlags(bool a, bool b);

    TestModeSim test;
    // Test channel n (1 to 16) with receive and transmit frequency as 8 digits.
    void SetTestChannel(int n, const std::string& rx, const std::string& tx);
    // The value the radio keeps for an item code.
    uint8_t StoredValue(int code) const;

private:
    bool Silent() const;
    // Length of the request at the front of pending_, 0 if incomplete, -1 if not a request.
    int RequestLength() const;
    void Answer(const Bytes& request, Bytes& out);
    int TestRequestLength() const;
    void AnswerTest(const Bytes& request, Bytes& out);
    Bytes AlignmentReply() const;
    Bytes ValueReply() const;
    bool ackNext_ = false;  // the program's next 0x06 is answered

    Bytes pending_;
};

}  // namespace zb::sim
