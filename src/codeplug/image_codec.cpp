#include "codeplug/image_codec.h"

#include <algorithm>

#include "codeplug/image_parts.h"
#include "codeplug/text_util.h"
#include "codeplug/tone_tables.h"

namespace zb {

using namespace layout;

void ClearImage(AppContext& ctx) {
    ctx.Image.fill(0xFF);
    std::fill(ctx.Image.begin() + kZeroedStart, ctx.Image.begin() + kZeroedEnd, uint8_t{0});
}

// The bitmaps are built by OR-ing bits into a cleared image, so the image is cleared here
// too: a caller that forgot would otherwise send the channels of the previous image.
void EncodeImage(AppContext& ctx) {
    ClearImage(ctx);
    codec::EncodeChannels(ctx.Doc, ctx.Image);
    codec::EncodeVfos(ctx.Doc.Data, ctx.Image);
    codec::EncodeGroups(ctx.Doc.Data, ctx.Image);
    codec::EncodeRogerBeeps(ctx.Doc.Data, ctx.Image);
    codec::EncodeOptions(ctx.Doc.Data, ctx.Image);
}

void DecodeImage(AppContext& ctx) {
    codec::DecodeChannels(ctx.Image, ctx.Doc);
    codec::DecodeVfos(ctx);
    codec::DecodeGroups(ctx.Image, ctx.Doc.Data);
    codec::DecodeRogerBeeps(ctx.Image, ctx.Doc.Data);
    codec::DecodeOptions(ctx.Image, ctx.Doc.Data);
}

std::string HexByte(uint8_t b) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[b >> 4], kDigits[b & 0x0F]};
}

// A text that is empty once cleaned (blanks, or NULs left by a damaged file) has no frequency,
// like "FFFFFFFF"; it must not become the digits of 0 Hz.
std::string PadFreq(std::string_view text) {
    std::string t = CleanText(text);
    if (t.empty() || t == "FFFFFFFF") return "FFFFFFFF";
    if (t.size() < 8) t.insert(0, 8 - t.size(), '0');
    return t;
}

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

int ToneIndexOf(uint8_t high, uint8_t low) {
    const int kind = high >> 4;
    const auto value = static_cast<uint16_t>(((high & 0x0F) << 8) | low);
    auto positionIn = [value](const auto& table) -> int {
        auto it = std::find(table.begin(), table.end(), value);
        return it == table.end() ? -1 : static_cast<int>(it - table.begin());
    };
    int pos = -1;
    switch (kind) {
        case kToneKindCtcss:
            pos = positionIn(CtcssTable);
            return pos < 0 ? 0 : pos + 1;
        case kToneKindDcsNormal:
            pos = positionIn(DcsTable);
            return pos < 0 ? 0 : pos + kFirstDcsNormal;
        case kToneKindDcsInverted:
            pos = positionIn(DcsTable);
            return pos < 0 ? 0 : pos + kFirstDcsInverted;
        default: return 0;
    }
}

}  // namespace zb
