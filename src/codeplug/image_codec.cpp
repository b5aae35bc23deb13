#include "codeplug/image_codec.h"

#include <algorithm>
#include <array>

#include "codeplug/image_parts.h"
#include "codeplug/tone_tables.h"

namespace zb {

using namespace layout;

void ClearImage(CodeplugImage& image) {
    image.fill(0xFF);
    std::fill(image.begin() + kZeroedStart, image.begin() + kZeroedEnd, uint8_t{0});
}

// The bitmaps are built by OR-ing bits into a cleared image, so the image is cleared here
// too: a caller that forgot would otherwise send the channels of the previous image.
void EncodeImage(const Codeplug& doc, CodeplugImage& image) {
    ClearImage(image);
    codec::EncodeChannels(doc, image);
    codec::EncodeVfos(doc.Data, image);
    codec::EncodeGroups(doc.Data, image);
    codec::EncodeRogerBeeps(doc.Data, image);
    codec::EncodeOptions(doc.Data, image);
}

void DecodeImage(const CodeplugImage& image, Codeplug& doc) {
    codec::DecodeChannels(image, doc);
    codec::DecodeVfos(image, doc.Data);
    codec::DecodeGroups(image, doc.Data);
    codec::DecodeRogerBeeps(image, doc.Data);
    codec::DecodeOptions(image, doc.Data);
}

std::string HexByte(uint8_t b) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[b >> 4], kDigits[b & 0x0F]};
}

// A text that is empty once cleaned (blanks, or NULs left by a damaged file) has no frequency,
// like "FFFFFFFF"; it must not become the digits of 0 Hz.
std::string PadFreq(std::string_view text) {
    const std::string_view t = codec::CleanView(text);
    if (t.empty() || t == codec::kNoFreqText) return std::string(codec::kNoFreqText);
    std::string padded(t.size() < 8 ? 8 - t.size() : 0, '0');
    padded += t;
    return padded;
}

namespace codec {

std::string_view CleanView(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    text = text.substr(0, end);
    return text.substr(0, text.find('\0'));
}

}  // namespace codec

// An index outside 0..264 is off.
uint16_t ToneWordOf(int toneIndex) {
    switch (ToneKindOf(toneIndex)) {
        case ToneKind::Ctcss: return CtcssTable[toneIndex - 1];
        case ToneKind::DcsNormal:
            return static_cast<uint16_t>(kToneWordDcsNormal + DcsTable[toneIndex - kFirstDcsNormal]);
        case ToneKind::DcsInverted:
            return static_cast<uint16_t>(kToneWordDcsInverted +
                                         DcsTable[toneIndex - kFirstDcsInverted]);
        case ToneKind::Off: break;
    }
    return kToneWordOff;
}

namespace {

// Table position + 1 of every 12-bit tone value (0: not in the table), built once; decoding
// looks up two tone words per channel.
struct ToneLookup {
    std::array<uint8_t, 0x1000> ctcss{};
    std::array<uint8_t, 0x1000> dcs{};

    ToneLookup() {
        for (std::size_t i = 0; i < CtcssTable.size(); ++i)
            ctcss[CtcssTable[i] & kToneWordValueMask] = static_cast<uint8_t>(i + 1);
        for (std::size_t i = 0; i < DcsTable.size(); ++i)
            dcs[DcsTable[i] & kToneWordValueMask] = static_cast<uint8_t>(i + 1);
    }
};

const ToneLookup& Tones() {
    static const ToneLookup lookup;
    return lookup;
}

}  // namespace

int ToneIndexOf(uint8_t high, uint8_t low) {
    const int value = ((high & 0x0F) << 8) | low;
    int position = 0;  // table position + 1
    switch (high >> 4) {
        case kToneKindCtcss:
            return Tones().ctcss[value];
        case kToneKindDcsNormal:
            position = Tones().dcs[value];
            return position == 0 ? 0 : position - 1 + kFirstDcsNormal;
        case kToneKindDcsInverted:
            position = Tones().dcs[value];
            return position == 0 ? 0 : position - 1 + kFirstDcsInverted;
        default: return 0;
    }
}

}  // namespace zb
