#include "link/packets.h"

#include <algorithm>

#include "codeplug/records.h"
#include "codeplug/text_util.h"

namespace zb {

namespace {

std::string Chars(const Bytes& p, size_t from, size_t to) {  // [from, to)
    return std::string(p.begin() + from, p.begin() + to);
}

}  // namespace

uint8_t PacketChecksum(const Bytes& packet) {
    unsigned sum = 0;
    for (size_t i = 1; i + 1 < packet.size(); ++i) sum += packet[i];
    return static_cast<uint8_t>(sum);
}

bool ChecksumPasses(const Bytes& packet) {
    return packet.size() >= 2 && PacketChecksum(packet) == packet.back();
}

Bytes ProgramRequest() { return {'P', 'R', 'O', 'G', 'R', 'A', 'M'}; }
Bytes IdentifyRequest() { return {0x02}; }
Bytes Acknowledge() { return {kAck}; }
Bytes EndRequest() { return {'E'}; }

Bytes ReadRequest(uint16_t address, uint8_t length) {
    return {'R', static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), length};
}

Bytes DataBlock(const uint8_t* image, uint16_t address, uint8_t length) {
    Bytes p(4 + length + 1);  // "W", address, length, the bytes, checksum
    p[0] = 'W';
    p[1] = static_cast<uint8_t>(address >> 8);
    p[2] = static_cast<uint8_t>(address);
    p[3] = length;
    std::copy(image + address, image + address + length, p.begin() + 4);
    p.back() = PacketChecksum(p);
    return p;
}

Bytes RadioInfoWrite(const ModelInfoRecord& info) {
    Bytes p(kRadioInfoWriteLength, 0xFF);
    p[0] = 'N';
    p[1] = 'T';
    p[2] = 'K';
    p[3] = 'K';
    for (int i = 0; i < 4; ++i) p[4 + i] = static_cast<uint8_t>(info.ModelType.bytes[i]);
    p[8] = static_cast<uint8_t>(info.ModelLetter);
    p[13] = static_cast<uint8_t>(info.RadioBandCode);
    // The serial number's text ends at its first NUL; positions beyond it stay 0xFF.
    const std::string serial = CleanText(info.SerialNumber);
    for (size_t i = 0; i < 8 && i < serial.size(); ++i) p[17 + i] = static_cast<uint8_t>(serial[i]);
    p[33] = PacketChecksum(p);
    return p;
}

Bytes VersionWrite(const ModelInfoRecord& info) {
    Bytes p(kVersionWriteLength, 0xFF);
    p[0] = 'V';
    for (int i = 1; i <= 4; ++i) p[i] = static_cast<uint8_t>(info.VersionText.bytes[i]);
    return p;
}

bool IsAcknowledge(const Bytes& p) { return p.size() == 1 && p[0] == kAck; }

std::optional<Identification> ParseIdentification(const Bytes& p) {
    if (p.size() != kIdentificationLength || p[0] != 'P') return std::nullopt;
    return Identification{CleanText(Chars(p, 1, 7)), Chars(p, 8, 12)};
}

bool IsExpectedBlock(const Bytes& p, int address, int length) {
    if (p.size() < 4 || p[0] != 'W') return false;
    const int at = (p[1] << 8) | p[2];
    return at == address && p[3] == length && p.size() == p[3] + 5u && ChecksumPasses(p);
}

std::optional<BandFlags> ParseStatusBlock(const Bytes& p) {
    if (p.size() < 4 || p[0] != 'W') return std::nullopt;
    const int at = (p[1] << 8) | p[2];
    // A block of length 0 has no first data byte to carry the flags.
    if (at != kStatusBlockAddress || p.size() != p[3] + 5u || p[3] == 0 || !ChecksumPasses(p))
        return std::nullopt;
    return BandFlags{(p[4] & 0x02) ? 1 : 0, (p[4] & 0x04) ? 1 : 0};
}

std::optional<RadioInfoReply> ParseRadioInfoReply(const Bytes& p) {
    if (p.size() < kRadioInfoWriteLength || p[0] != 'N' || p[1] != 'T' || p[2] != 'K' ||
        p[3] != '-' || !ChecksumPasses(p))
        return std::nullopt;
    RadioInfoReply r;
    for (size_t i = 4; i < 8 && p[i] != 0xFF; ++i) r.modelCode.push_back(static_cast<char>(p[i]));
    r.modelLetter = p[8];
    r.radioBandCode = p[13];
    for (size_t i = 17; i < 25; ++i) r.serialNumber.push_back(p[i] == 0xFF ? '\0' : static_cast<char>(p[i]));
    return r;
}

std::optional<std::string> ParseVersionReply(const Bytes& p) {
    if (p.size() != kVersionWriteLength || p[0] != 'V') return std::nullopt;
    std::string text;
    for (size_t i = 1; i < p.size() && p[i] != 0xFF; ++i) text.push_back(static_cast<char>(p[i]));
    return text;
}

}  // namespace zb
