// Groups, roger-beep sequences, option bytes, reset selection and texts of the radio image.
#include <algorithm>
#include <string>

#include "codeplug/image_parts.h"
#include "codeplug/text_util.h"

namespace zb::codec {

using namespace layout;

namespace {

struct FeatureByte {
    int address;
    int16_t OptionFeaturesRecord::*field;
};

struct ExtByte {
    int address;
    int16_t OptionFeaturesExtRecord::*field;
};

using F = OptionFeaturesRecord;
using X = OptionFeaturesExtRecord;

// Option bytes written and read as whole bytes (Tsq/Busy share one byte, SingleTone is read
// only; both are handled apart).
constexpr FeatureByte kFeatureBytes[] = {
    {kOptTot, &F::Tot},
    {kOptFineTuneRange, &F::FineTuneRange},
    {kOptFineTuneMode, &F::FineTuneMode},
    {kOptCoarseStep, &F::CoarseStep},
    {kOptBacklightLoopTime, &F::BacklightLoopTime},
    {kOptScanResume, &F::ScanResume},
    {kOptLcdDisplay, &F::LcdDisplay},
    {kOptSwrProtect, &F::SwrProtect},
    {kOptBatteryMax, &F::BatteryMax},
    {kOptBatteryMin, &F::BatteryMin},
    {kOptSingleChangeData, &F::SingleChangeData},
    {kOptSingleChangeRxTx, &F::SingleChangeRxTx},
    {kOptAsq, &F::Asq},
    {kOptScanMode, &F::ScanMode},
    {kOptVfoStep, &F::VfoStep},
    {kOptBeep, &F::Beep},
    {kOptGroupChange, &F::GroupChange},
    {kOptDim, &F::Dim},
    {kOptBacklightColor, &F::BacklightColor},
    {kOptSwrProtectEnable, &F::SwrProtectEnable},
    {kOptDcProtectEnable, &F::DcProtectEnable},
};

constexpr ExtByte kExtBytes[] = {
    {kOptVoxLevel, &X::VoxLevel}, {kOptVoxDelay, &X::VoxDelay}, {kOptTxGate, &X::TxGate},
    {kOptRxNc, &X::RxNc},         {kOptMicType, &X::MicType},   {kOptNrBypass, &X::NrBypass},
    {kOptIdleTime, &X::IdleTime}, {kOptTxTone, &X::TxTone},     {kOptRxTone, &X::RxTone},
};

// ResetSelect index held by each reset byte.
struct ResetByte {
    int address;
    int index;
};
constexpr ResetByte kResetBytes[] = {
    {kResetBand0Channel, 1}, {kResetBand0Group, 0}, {kResetBand1Channel, 3}, {kResetBand1Group, 2}};

// The cleaned text into a field of the image; bytes beyond its end take the fill byte.
template <std::size_t N>
void WriteText(CodeplugImage& image, int address, int size, const FixedText<N>& text,
               uint8_t fill) {
    const std::string_view t = CleanView(std::string_view(text.bytes.data(), N));
    for (int k = 0; k < size; ++k)
        image[address + k] = k < static_cast<int>(t.size()) ? static_cast<uint8_t>(t[k]) : fill;
}

// The bytes of a field up to the first stop byte (0xFF always stops; 0x00 when asked).
std::string ReadText(const CodeplugImage& image, int address, int size, bool nulStops) {
    std::string t;
    for (int k = 0; k < size; ++k) {
        const uint8_t b = image[address + k];
        if (b == 0xFF || (nulStops && b == 0x00)) break;
        t += static_cast<char>(b);
    }
    return t;
}

// A whole byte into a 16-bit field (0..255).
int16_t ByteValue(uint8_t b) { return static_cast<int16_t>(b); }

}  // namespace

void EncodeGroups(const CodeplugData& data, CodeplugImage& image) {
    for (int g = 0; g < kGroupCount; ++g)
        if (data.Groups[g].Valid > 0) SetBit(image, kGroupValidBits, g);
    for (int g = 0; g < kGroupCount; ++g)
        WriteText(image, kGroupNames + kGroupNameSize * g, kGroupNameSize, data.Groups[g].Name,
                  kNameFill);
}

void DecodeGroups(const CodeplugImage& image, CodeplugData& data) {
    for (int g = 0; g < kGroupCount; ++g) {
        GroupRecord& group = data.Groups[g];
        group.Valid = TestBit(image, kGroupValidBits, g) ? 1 : 0;
        group.Name.Set(
            CleanText(ReadText(image, kGroupNames + kGroupNameSize * g, kGroupNameSize, true)));
    }
}

void EncodeRogerBeeps(const CodeplugData& data, CodeplugImage& image) {
    for (int t = 0; t < kRogerBeepCount; ++t) {
        const RogerBeepRecord& beep = data.RogerBeepTones[t];
        uint8_t* s = image.data() + kRogerBeeps + kRogerBeepSlotSize * t;
        for (int k = 0; k < kTonesPerBeep; ++k) {
            s[kBeepFreqs + k] = Low8(beep.Tone[k].ToneFreq);
            s[kBeepLengths + k] = Low8(beep.Tone[k].ToneLength);
        }
        s[kBeepRecycleTimes] = Low8(beep.RecycleTimes);
        s[kBeepInterTime] = Low8(beep.InterTime);
    }
}

void DecodeRogerBeeps(const CodeplugImage& image, CodeplugData& data) {
    for (int t = 0; t < kRogerBeepCount; ++t) {
        RogerBeepRecord& beep = data.RogerBeepTones[t];
        const uint8_t* s = image.data() + kRogerBeeps + kRogerBeepSlotSize * t;
        for (int k = 0; k < kTonesPerBeep; ++k) {
            beep.Tone[k].ToneFreq = ByteValue(s[kBeepFreqs + k]);
            beep.Tone[k].ToneLength = ByteValue(s[kBeepLengths + k]);
        }
        beep.RecycleTimes = ByteValue(s[kBeepRecycleTimes]);
        beep.InterTime = ByteValue(s[kBeepInterTime]);
    }
}

// Reset bytes hold the value minus 1 in 8 bits, so any ResetSelect value gives some byte and
// nothing is indexed by it.
void EncodeOptions(const CodeplugData& data, CodeplugImage& image) {
    const OptionSettingsRecord& opt = data.OptionSettings;
    const OptionFeaturesRecord& f = opt.OptionFeatures;
    for (const FeatureByte& b : kFeatureBytes) image[b.address] = Low8(f.*b.field);
    for (const ExtByte& b : kExtBytes) image[b.address] = Low8(data.OptionFeaturesExt.*b.field);
    image[kOptTsqBusy] =
        static_cast<uint8_t>((f.Tsq != 0 ? kTsqFlagMask : 0) | (f.Busy != 0 ? kBusyFlagMask : 0));
    WriteText(image, kPowerOnText, kPowerOnTextSize, f.PowerOnText, kPowerOnFill);
    for (const ResetByte& r : kResetBytes) image[r.address] = Low8(opt.ResetSelect[r.index] - 1);
    WriteText(image, kMessageLine1, kMessageLineSize, opt.EmbeddedMessage.MessageLine1,
              kMessageFill);
    WriteText(image, kMessageLine2, kMessageLineSize, opt.EmbeddedMessage.MessageLine2,
              kMessageFill);
}

namespace {

// A line shorter than the field is stored followed by a NUL.
void ReadMessageLine(const CodeplugImage& image, int address, FixedText<32>& line) {
    std::string t = ReadText(image, address, kMessageLineSize, false);
    if (t.size() < static_cast<std::size_t>(kMessageLineSize)) t += '\0';
    line.Set(t);
}

}  // namespace

void DecodeOptions(const CodeplugImage& image, CodeplugData& data) {
    OptionSettingsRecord& opt = data.OptionSettings;
    OptionFeaturesRecord& f = opt.OptionFeatures;
    ReadMessageLine(image, kMessageLine1, opt.EmbeddedMessage.MessageLine1);
    ReadMessageLine(image, kMessageLine2, opt.EmbeddedMessage.MessageLine2);
    for (const FeatureByte& b : kFeatureBytes) f.*b.field = ByteValue(image[b.address]);
    for (const ExtByte& b : kExtBytes) data.OptionFeaturesExt.*b.field = ByteValue(image[b.address]);
    f.Tsq = (image[kOptTsqBusy] & kTsqFlagMask) ? 1 : 0;
    f.Busy = (image[kOptTsqBusy] & kBusyFlagMask) ? 1 : 0;
    f.SingleTone = ByteValue(image[kOptSingleTone]);
    f.PowerOnText.Set(ReadText(image, kPowerOnText, kPowerOnTextSize, true));
    for (const ResetByte& r : kResetBytes)
        opt.ResetSelect[r.index] = static_cast<int16_t>(image[r.address] + 1);
}

}  // namespace zb::codec
