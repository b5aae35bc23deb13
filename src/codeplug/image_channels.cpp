// Channel and VFO slots of the radio image.
#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "codeplug/channel_slots.h"
#include "codeplug/image_codec.h"
#include "codeplug/image_parts.h"

namespace zb::codec {

using namespace layout;

namespace {

constexpr int kMaxStoredHz = 99'999'999;  // 8 decimal digits

bool AllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Stored frequency (8 digits in Hz) as 6 BCD digits in units of 100 Hz: the digits of
// PadFreq, worked out in place (this runs for every channel). FF FF FF when the text holds no
// frequency or anything but digits.
void WriteBcdFreq(uint8_t* p, const FixedText<8>& freq) {
    const std::string_view t = CleanView(std::string_view(freq.bytes.data(), freq.bytes.size()));
    const bool digits = !t.empty() && t != kNoFreqText && AllDigits(t);
    if (!digits) {
        std::fill(p, p + kBcdFreqBytes, uint8_t{0xFF});
        return;
    }
    const std::size_t pad = t.size() < 8 ? 8 - t.size() : 0;  // leading zeros of PadFreq
    auto digit = [&](std::size_t k) { return k < pad ? 0 : t[k - pad] - '0'; };
    for (int k = 0; k < kBcdFreqBytes; ++k)
        p[k] = static_cast<uint8_t>((digit(2 * k) << 4) | digit(2 * k + 1));
}

// The frequency in Hz, or nothing when a nibble is not a decimal digit.
std::optional<int> ReadBcdFreq(const uint8_t* p) {
    int v = 0;
    for (int k = 0; k < kBcdFreqBytes; ++k) {
        const int hi = p[k] >> 4, lo = p[k] & 0x0F;
        if (hi > 9 || lo > 9) return std::nullopt;
        v = v * 100 + hi * 10 + lo;
    }
    return v * kBcdUnitHz;
}

// Decimal digits without leading zeros (0 Hz gives the empty text).
void SetStoredFreq(FixedText<8>& field, int hz) {
    if (hz <= 0) {
        field.Set("");
        return;
    }
    char buf[16];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, hz);
    field.Set(std::string_view(buf, static_cast<std::size_t>(end - buf)));
}

// Signed VFO offset in Hz: sign in bit 7 of the second byte, 15-bit magnitude in 10 Hz.
// Computed in full width, so magnitudes above 32767 Hz (up to 327670 Hz) keep their value.
int ReadOffsetHz(const uint8_t* p) {
    const int magnitude = ((p[1] & 0x7F) << 8) | p[0];
    const int hz = magnitude * kOffsetUnitHz;
    return (p[1] & kOffsetSignMask) ? -hz : hz;
}

// Frequency plus offset; a sum of 0 Hz or less, or beyond 8 digits, keeps the frequency as
// stored.
int ApplyOffset(int hz, int offsetHz) {
    const int sum = hz + offsetHz;
    return sum <= 0 || sum > kMaxStoredHz ? hz : sum;
}

// Bytes 0..15 of a slot from a channel record; offsets are always written 00 00.
void WriteSlot(uint8_t* a, const ChannelRecord& c) {
    WriteBcdFreq(a + kSlotRxFreq, c.RxFreq);
    a[kSlotRxOffset] = a[kSlotRxOffset + 1] = 0x00;
    WriteBcdFreq(a + kSlotTxFreq, c.TxFreq);
    a[kSlotTxOffset] = a[kSlotTxOffset + 1] = 0x00;
    a[kSlotFlags] = static_cast<uint8_t>((c.TsqFlag != 0 ? kTsqFlagMask : 0) |
                                         (c.BusyFlag != 0 ? kBusyFlagMask : 0));
    const uint16_t dec = ToneWordOf(c.DecTone);
    const uint16_t enc = ToneWordOf(c.EncTone);
    a[kSlotDecTone] = static_cast<uint8_t>(dec >> 8);
    a[kSlotDecTone + 1] = static_cast<uint8_t>(dec & 0xFF);
    a[kSlotEncTone] = static_cast<uint8_t>(enc >> 8);
    a[kSlotEncTone + 1] = static_cast<uint8_t>(enc & 0xFF);
    a[kSlotRbTone] = Low8(c.RbTone);
}

// Flags, tones and roger-beep number of a slot.
void ReadSlotSettings(const uint8_t* a, ChannelRecord& c) {
    c.TsqFlag = (a[kSlotFlags] & kTsqFlagMask) ? 1 : 0;
    c.BusyFlag = (a[kSlotFlags] & kBusyFlagMask) ? 1 : 0;
    c.DecTone = static_cast<int16_t>(ToneIndexOf(a[kSlotDecTone], a[kSlotDecTone + 1]));
    c.EncTone = static_cast<int16_t>(ToneIndexOf(a[kSlotEncTone], a[kSlotEncTone + 1]));
    c.RbTone = static_cast<int16_t>(a[kSlotRbTone] & kRbToneMask);
}

}  // namespace

// Only used entries (ChannelCount bounded to 0..40) are written, each into the slot of its
// ChNo; an entry whose ChNo is outside 1..40 has no slot and is skipped, so it can never land
// in a neighbouring group's slot or outside the channel area.
void EncodeChannels(const Codeplug& doc, CodeplugImage& image) {
    for (int g = 0; g < kGroupCount; ++g) {
        const int count = std::clamp<int>(doc.Data.Groups[g].ChannelCount, 0, kChannelsPerGroup);
        for (int j = 0; j < count; ++j) {
            const ChannelRecord& c = doc.Channels[j][g];
            if (c.ChNo < 1 || c.ChNo > kChannelsPerGroup) continue;
            WriteSlot(image.data() + ChannelSlotAddress(g, c.ChNo), c);
            SetBit(image, kUsedBitmap, ChannelBit(g, c.ChNo));
            if (c.Scan == 1) SetBit(image, kScanBitmap, ChannelBit(g, c.ChNo));
        }
    }
}

// A valid flag above 0 enables (the same test every reader applies).
void EncodeVfos(const CodeplugData& data, CodeplugImage& image) {
    if (data.VfoAValid > 0) image[kVfoValidByte] |= kVfoAValidMask;
    WriteSlot(image.data() + kVfoASlot, data.VfoA);
    if (data.VfoBValid > 0) image[kVfoValidByte] |= kVfoBValidMask;
    WriteSlot(image.data() + kVfoBSlot, data.VfoB);
}

// Used channels in ascending ChNo order. Entries keep the fields the image does not hold
// (Plus10k, RbLock, RepEnable, RepShift, spares). Transmit bytes that are not BCD clear TxFreq
// rather than leaving the frequency of whatever channel the entry held before.
void DecodeChannels(const CodeplugImage& image, Codeplug& doc) {
    for (int g = 0; g < kGroupCount; ++g) {
        int count = 0;
        for (int n = 1; n <= kChannelsPerGroup; ++n) {
            if (!TestBit(image, kUsedBitmap, ChannelBit(g, n))) continue;
            const uint8_t* a = image.data() + ChannelSlotAddress(g, n);
            const std::optional<int> rx = ReadBcdFreq(a + kSlotRxFreq);
            if (!rx) continue;  // no receive frequency: the channel is dropped
            ChannelRecord& c = doc.Channels[count][g];
            ++count;
            c.Scan = TestBit(image, kScanBitmap, ChannelBit(g, n)) ? 1 : 0;
            c.Valid = 1;
            c.ChNo = static_cast<int16_t>(n);
            SetStoredFreq(c.RxFreq, *rx);
            const std::optional<int> tx = ReadBcdFreq(a + kSlotTxFreq);
            if (tx)
                SetStoredFreq(c.TxFreq, *tx);
            else
                c.TxFreq.Set("");
            ReadSlotSettings(a, c);
        }
        doc.Data.Groups[g].ChannelCount = static_cast<int16_t>(count);
    }
}

namespace {

void DecodeVfo(const CodeplugImage& image, int slot, ChannelRecord& vfo) {
    const uint8_t* a = image.data() + slot;
    const std::optional<int> rx = ReadBcdFreq(a + kSlotRxFreq);
    vfo = ChannelRecord{};
    if (!rx) {
        // No receive frequency: the VFO is reset to its start value.
        MakeNewChannel(vfo, 1, kVfoStartFreq);
        return;
    }
    vfo.ChNo = 1;
    vfo.Valid = 1;
    SetStoredFreq(vfo.RxFreq, ApplyOffset(*rx, ReadOffsetHz(a + kSlotRxOffset)));
    if (const std::optional<int> tx = ReadBcdFreq(a + kSlotTxFreq))
        SetStoredFreq(vfo.TxFreq, ApplyOffset(*tx, ReadOffsetHz(a + kSlotTxOffset)));
    else
        vfo.TxFreq.Set("");
    ReadSlotSettings(a, vfo);  // Scan stays 0: a VFO has no scan bit
}

}  // namespace

// Each VFO is rebuilt from its slot alone: fields the image does not hold become 0.
void DecodeVfos(const CodeplugImage& image, CodeplugData& data) {
    data.VfoAValid = (image[kVfoValidByte] & kVfoAValidMask) ? 1 : 0;
    DecodeVfo(image, kVfoASlot, data.VfoA);
    data.VfoBValid = (image[kVfoValidByte] & kVfoBValidMask) ? 1 : 0;
    DecodeVfo(image, kVfoBSlot, data.VfoB);
}

}  // namespace zb::codec
