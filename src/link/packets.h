#pragma once
// The packets of the radio protocol: builders for everything the program sends and
// recognisers for every reply. There is no framing on the line; a reply is known by its
// exact length, its first byte and, for data-carrying packets, an additive checksum.

#include <cstdint>
#include <optional>
#include <string>

#include "link/serial_line.h"

namespace zb {

struct ModelInfoRecord;

// Reply lengths the receive threshold is set to.
inline constexpr int kAckReplyLength = 1;
inline constexpr int kIdentificationLength = 14;
inline constexpr int kRadioInfoWriteLength = 34;
inline constexpr int kVersionWriteLength = 10;
inline constexpr uint8_t kAck = 0x06;
inline constexpr uint16_t kStatusBlockAddress = 0x3F00;

// Sum of every byte but the first (command letter) and the last (the checksum), mod 256.
uint8_t PacketChecksum(const Bytes& packet);
bool ChecksumPasses(const Bytes& packet);

Bytes ProgramRequest();
Bytes IdentifyRequest();
Bytes Acknowledge();
Bytes EndRequest();
Bytes ReadRequest(uint16_t address, uint8_t length);
// "W", address, length, `length` bytes of `image` from the address, checksum. The caller
// guarantees that the range lies inside the image.
Bytes DataBlock(const uint8_t* image, uint16_t address, uint8_t length);
Bytes RadioInfoWrite(const ModelInfoRecord& info);
Bytes VersionWrite(const ModelInfoRecord& info);

// Recognisers, tested by the dispatcher in this order.
bool IsAcknowledge(const Bytes& p);

struct Identification {
    std::string model;     // bytes 1 to 6, trimmed
    std::string firmware;  // bytes 8 to 11
};
std::optional<Identification> ParseIdentification(const Bytes& p);

// A data block at `address` of `length` bytes with a passing checksum.
bool IsExpectedBlock(const Bytes& p, int address, int length);

struct BandFlags {
    int a = 0;
    int b = 0;
};
std::optional<BandFlags> ParseStatusBlock(const Bytes& p);

struct RadioInfoReply {
    std::string modelCode;    // bytes 4 to 7 up to the first 0xFF
    int modelLetter = 0;
    int radioBandCode = 0;
    std::string serialNumber; // bytes 17 to 24, 0xFF as NUL
};
std::optional<RadioInfoReply> ParseRadioInfoReply(const Bytes& p);

// The version text without its leading "V", up to the first 0xFF.
std::optional<std::string> ParseVersionReply(const Bytes& p);

}  // namespace zb
