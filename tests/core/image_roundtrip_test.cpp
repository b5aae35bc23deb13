// Round trips through the radio image over many generated documents and images (fixed seeds,
// so a failure names the seed that reproduces it).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <string>

#include "app/context.h"
#include "codeplug/image_codec.h"
#include "codeplug/image_layout.h"
#include "codeplug/text_util.h"
#include "codeplug/tone_tables.h"

using namespace zb;
namespace L = zb::layout;

namespace {

class Gen {
public:
    explicit Gen(uint32_t seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }
    int16_t Any16() { return static_cast<int16_t>(Int(-32768, 32767)); }
    int16_t Byte() { return static_cast<int16_t>(Int(0, 255)); }
    std::mt19937& Rng() { return rng_; }

    // Printable 7-bit text of up to max characters; never ends in a blank, which the image
    // cannot keep apart from padding.
    std::string Text(int max) {
        std::string t(static_cast<std::size_t>(Int(0, max)), ' ');
        for (char& c : t) c = static_cast<char>(Int(0x20, 0x7E));
        if (!t.empty() && t.back() == ' ') t.back() = '.';
        return t;
    }

    // A stored frequency: mostly 8 digits in the bands, sometimes fewer digits (padded with
    // zeros in the image); always a multiple of 100 Hz, the image's unit.
    std::string Freq() {
        const int hz = Chance(90) ? Int(240'000, 301'050) * 100 : Int(1, 99'999) * 100;
        return std::to_string(hz);
    }
    std::string TxFreq() {
        const int pick = Int(0, 9);
        if (pick == 0) return "";
        if (pick == 1) return "FFFFFFFF";
        return Freq();
    }

    ChannelRecord Channel(int chNo) {
        ChannelRecord c;
        c.ChNo = static_cast<int16_t>(chNo);
        c.Valid = 1;
        c.RxFreq.Set(Freq());
        c.TxFreq.Set(TxFreq());
        c.Scan = static_cast<int16_t>(Int(0, 1));
        c.DecTone = static_cast<int16_t>(Int(0, kToneIndexCount - 1));
        c.EncTone = static_cast<int16_t>(Int(0, kToneIndexCount - 1));
        c.TsqFlag = static_cast<int16_t>(Int(0, 1));
        c.BusyFlag = static_cast<int16_t>(Int(0, 1));
        c.RbTone = static_cast<int16_t>(Int(0, 7));
        // Fields the image does not hold.
        c.Plus10k = Any16();
        c.RbLock = Any16();
        c.RepEnable = Any16();
        c.RepShift = Any16();
        c.Spare1 = Any16();
        c.Spare2 = Any16();
        return c;
    }

    void Document(Codeplug& doc) {
        CodeplugData& d = doc.Data;
        d.Version.Set(Text(4));
        d.CurrentGroup = static_cast<int16_t>(Int(0, 21));
        for (int g = 0; g < kGroupCount; ++g) {
            std::array<int, kChannelsPerGroup> numbers;
            std::iota(numbers.begin(), numbers.end(), 1);
            std::shuffle(numbers.begin(), numbers.end(), rng_);  // entries in any order
            const int count = Int(0, 3) == 0 ? 0 : Int(1, kChannelsPerGroup);
            d.Groups[g].ChannelCount = static_cast<int16_t>(count);
            d.Groups[g].Valid = static_cast<int16_t>(Int(0, 1));
            d.Groups[g].Name.Set(Text(8));
            for (int j = 0; j < kChannelsPerGroup; ++j) doc.Channels[j][g] = Channel(numbers[j]);
        }
        d.VfoA = Channel(1);
        d.VfoB = Channel(1);
        d.VfoAValid = static_cast<int16_t>(Int(0, 1));
        d.VfoBValid = static_cast<int16_t>(Int(0, 1));
        d.ModelInfo.BandCode = static_cast<int16_t>(Int(0, 1));
        d.ModelInfo.SerialNumber.Set(Text(8));
        d.ModelInfo.ModelLetter = Any16();
        for (RogerBeepRecord& b : d.RogerBeepTones) {
            for (ToneEntry& t : b.Tone) t = {Byte(), Byte()};
            b.RecycleTimes = Byte();
            b.InterTime = Byte();
        }
        OptionSettingsRecord& o = d.OptionSettings;
        OptionFeaturesRecord& f = o.OptionFeatures;
        for (int16_t* v : {&f.Tot, &f.FineTuneRange, &f.FineTuneMode, &f.CoarseStep, &f.VfoStep,
                           &f.Beep, &f.ScanResume, &f.LcdDisplay, &f.BacklightLoopTime,
                           &f.SwrProtect, &f.BatteryMin, &f.BatteryMax, &f.SingleChangeData,
                           &f.SingleChangeRxTx, &f.Asq, &f.ScanMode, &f.SwrProtectEnable,
                           &f.DcProtectEnable, &f.Dim, &f.BacklightColor, &f.GroupChange})
            *v = Byte();
        for (int16_t* v : {&f.CwSideTone, &f.Plus10kHz, &f.FmSqDelay, &f.AmSqDelay,
                           &f.CwSsbSqDelay, &f.SingleTone})
            *v = Any16();
        f.Tsq = static_cast<int16_t>(Int(0, 1));
        f.Busy = static_cast<int16_t>(Int(0, 1));
        f.PowerOnText.Set(Text(8));
        OptionFeaturesExtRecord& x = d.OptionFeaturesExt;
        for (int16_t* v : {&x.TxGate, &x.RxNc, &x.NrBypass, &x.MicType, &x.IdleTime, &x.TxTone,
                           &x.RxTone, &x.VoxLevel, &x.VoxDelay})
            *v = Byte();
        for (int16_t& r : o.ResetSelect) r = static_cast<int16_t>(Int(1, 256));
        o.KeyAssignment.Pf1Function = Any16();
        o.ScanInfo.TxDwellTime = Any16();
        o.DtmfSettings.IdCode.Set(Text(10));
        o.FleetSyncSettings.OwnId = Int(0, 1'000'000);
        o.DtmfMemoryCount = static_cast<int16_t>(Int(0, 8));
        o.DtmfMemory[3].Digits.Set(Text(16));
        o.TestFreqList[5].RxFreq.Set(Freq());
        o.EmbeddedMessage.MessageLine1.Set(Text(32));
        o.EmbeddedMessage.MessageLine2.Set(Text(32));
        o.FleetSyncStatus[2].Id = Int(0, 1'000'000);
    }

private:
    std::mt19937 rng_;
};

// The fields of a channel that have a place in a slot and the bitmaps.
void CopyImageFields(const ChannelRecord& from, ChannelRecord& to) {
    to.ChNo = from.ChNo;
    to.Valid = 1;
    to.RxFreq = from.RxFreq;
    const std::string tx = CleanText(from.TxFreq);
    to.TxFreq.Set(tx == "FFFFFFFF" ? "" : tx);
    to.Scan = from.Scan;
    to.DecTone = from.DecTone;
    to.EncTone = from.EncTone;
    to.TsqFlag = from.TsqFlag;
    to.BusyFlag = from.BusyFlag;
    to.RbTone = from.RbTone;
}

// What decoding the image of `source` into a document holding `before` must give.
Codeplug Expected(const Codeplug& source, const Codeplug& before) {
    Codeplug e = before;
    const CodeplugData& s = source.Data;
    CodeplugData& d = e.Data;
    for (int g = 0; g < kGroupCount; ++g) {
        std::vector<ChannelRecord> used;
        for (int j = 0; j < s.Groups[g].ChannelCount; ++j) used.push_back(source.Channels[j][g]);
        std::sort(used.begin(), used.end(),
                  [](const ChannelRecord& a, const ChannelRecord& b) { return a.ChNo < b.ChNo; });
        for (std::size_t j = 0; j < used.size(); ++j) CopyImageFields(used[j], e.Channels[j][g]);
        d.Groups[g].ChannelCount = s.Groups[g].ChannelCount;
        d.Groups[g].Valid = s.Groups[g].Valid;
        d.Groups[g].Name.Set(CleanText(s.Groups[g].Name));
    }
    // VFOs are rebuilt from their slot: what the image does not hold becomes 0.
    for (auto [from, to] : {std::pair{&s.VfoA, &d.VfoA}, std::pair{&s.VfoB, &d.VfoB}}) {
        *to = ChannelRecord{};
        CopyImageFields(*from, *to);
        to->Scan = 0;
    }
    d.VfoAValid = s.VfoAValid;
    d.VfoBValid = s.VfoBValid;
    d.RogerBeepTones = s.RogerBeepTones;
    OptionFeaturesRecord& f = d.OptionSettings.OptionFeatures;
    const OptionFeaturesRecord& sf = s.OptionSettings.OptionFeatures;
    const auto keep = f;  // fields without a place in the image
    f = sf;
    f.CwSideTone = keep.CwSideTone;
    f.Plus10kHz = keep.Plus10kHz;
    f.FmSqDelay = keep.FmSqDelay;
    f.AmSqDelay = keep.AmSqDelay;
    f.CwSsbSqDelay = keep.CwSsbSqDelay;
    f.SingleTone = 255;  // read from the image, never written to it
    d.OptionFeaturesExt = s.OptionFeaturesExt;
    d.OptionSettings.ResetSelect = s.OptionSettings.ResetSelect;
    for (auto [from, to] : {std::pair{&s.OptionSettings.EmbeddedMessage.MessageLine1,
                                      &d.OptionSettings.EmbeddedMessage.MessageLine1},
                            std::pair{&s.OptionSettings.EmbeddedMessage.MessageLine2,
                                      &d.OptionSettings.EmbeddedMessage.MessageLine2}}) {
        std::string t = CleanText(*from);
        if (t.size() < 32) t += '\0';
        to->Set(t);
    }
    return e;
}

void ExpectSameDocument(const Codeplug& got, const Codeplug& want) {
    for (int g = 0; g < kGroupCount; ++g) {
        EXPECT_EQ(got.Data.Groups[g], want.Data.Groups[g]) << "group " << g;
        for (int j = 0; j < kChannelsPerGroup; ++j)
            EXPECT_EQ(got.Channels[j][g], want.Channels[j][g]) << "group " << g << " entry " << j;
    }
    EXPECT_EQ(got.Data.VfoA, want.Data.VfoA);
    EXPECT_EQ(got.Data.VfoB, want.Data.VfoB);
    EXPECT_EQ(got.Data.RogerBeepTones, want.Data.RogerBeepTones);
    EXPECT_EQ(got.Data.OptionSettings.OptionFeatures, want.Data.OptionSettings.OptionFeatures);
    EXPECT_EQ(got.Data.OptionSettings, want.Data.OptionSettings);
    EXPECT_EQ(got.Data.OptionFeaturesExt, want.Data.OptionFeaturesExt);
    EXPECT_EQ(got.Data, want.Data);  // everything else, ModelInfo included, untouched
}

// A BCD frequency of 1..999999 units of 100 Hz (0 would read back as "no frequency").
void PutBcd(CodeplugImage& image, int address, int units) {
    for (int k = 2; k >= 0; --k) {
        const int pair = units % 100;
        units /= 100;
        image[address + k] = static_cast<uint8_t>(((pair / 10) << 4) | (pair % 10));
    }
}

// A slot as the encoder writes it, built from the tone tables rather than the codec.
void PutSlot(Gen& gen, CodeplugImage& image, int a) {
    PutBcd(image, a + L::kSlotRxFreq, gen.Int(1, 999'999));
    image[a + 3] = image[a + 4] = 0x00;
    if (gen.Chance(85))
        PutBcd(image, a + L::kSlotTxFreq, gen.Int(1, 999'999));
    else
        std::fill_n(image.begin() + a + L::kSlotTxFreq, 3, uint8_t{0xFF});
    image[a + 8] = image[a + 9] = 0x00;
    image[a + L::kSlotFlags] = static_cast<uint8_t>((gen.Chance(50) ? 0x40 : 0) |
                                                    (gen.Chance(50) ? 0x02 : 0));
    for (int t : {L::kSlotDecTone, L::kSlotEncTone}) {
        uint16_t w = 0xFFFF;
        switch (gen.Int(0, 3)) {
            case 1: w = CtcssTable[gen.Int(0, kCtcssCount - 1)]; break;
            case 2: w = static_cast<uint16_t>(0xD000 + DcsTable[gen.Int(0, kDcsCount - 1)]); break;
            case 3: w = static_cast<uint16_t>(0x8000 + DcsTable[gen.Int(0, kDcsCount - 1)]); break;
        }
        image[a + t] = static_cast<uint8_t>(w >> 8);
        image[a + t + 1] = static_cast<uint8_t>(w);
    }
    image[a + L::kSlotRbTone] = static_cast<uint8_t>(gen.Int(0, 7));
}

void PutText(CodeplugImage& image, int address, int size, std::string t, uint8_t fill) {
    t.resize(std::min<std::size_t>(t.size(), static_cast<std::size_t>(size)));
    for (int k = 0; k < size; ++k)
        image[address + k] = k < static_cast<int>(t.size()) ? static_cast<uint8_t>(t[k]) : fill;
}

// An image such as the encoder could have written: every byte it owns is set, the rest stays
// as cleared.
void GenerateImage(Gen& gen, AppContext& ctx) {
    ClearImage(ctx.Image);
    CodeplugImage& img = ctx.Image;
    for (int g = 0; g < kGroupCount; ++g) {
        const int density = gen.Int(0, 100);
        for (int n = 1; n <= kChannelsPerGroup; ++n) {
            if (!gen.Chance(density)) continue;
            const int bit = L::ChannelBit(g, n);
            img[L::kUsedBitmap + bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
            if (gen.Chance(50)) img[L::kScanBitmap + bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
            PutSlot(gen, img, L::ChannelSlotAddress(g, n));
        }
    }
    PutSlot(gen, img, L::kVfoASlot);
    PutSlot(gen, img, L::kVfoBSlot);
    for (int k = 0; k < 3; ++k) img[L::kGroupValidBits + k] = static_cast<uint8_t>(gen.Int(0, 255));
    img[L::kVfoValidByte] &= 0x3F;  // bits 22 and 23 belong to nothing
    for (int g = 0; g < kGroupCount; ++g) {
        std::string name(8, ' ');
        for (char& c : name) c = static_cast<char>(gen.Int(0x20, 0x7E));
        PutText(img, L::kGroupNames + 8 * g, 8, name, ' ');
    }
    for (int t = 0; t < kRogerBeepCount; ++t)
        for (int k = 0; k < 30; ++k)
            img[L::kRogerBeeps + 32 * t + k] = static_cast<uint8_t>(gen.Int(0, 255));
    PutText(img, L::kPowerOnText, 8, gen.Text(8), 0x00);
    for (int a = L::kResetBand0Channel; a <= L::kResetBand1Group; ++a)
        img[a] = static_cast<uint8_t>(gen.Int(0, 255));
    for (int a : {L::kOptTot, L::kOptFineTuneRange, L::kOptFineTuneMode, L::kOptCoarseStep,
                  L::kOptBacklightLoopTime, L::kOptScanResume, L::kOptLcdDisplay,
                  L::kOptSwrProtect, L::kOptBatteryMax, L::kOptBatteryMin, L::kOptVoxLevel,
                  L::kOptSingleChangeData, L::kOptSingleChangeRxTx, L::kOptAsq, L::kOptScanMode,
                  L::kOptVfoStep, L::kOptBeep, L::kOptGroupChange, L::kOptVoxDelay, L::kOptDim,
                  L::kOptBacklightColor, L::kOptSwrProtectEnable, L::kOptDcProtectEnable,
                  L::kOptTxGate, L::kOptRxNc, L::kOptMicType, L::kOptNrBypass, L::kOptIdleTime,
                  L::kOptTxTone, L::kOptRxTone})
        img[a] = static_cast<uint8_t>(gen.Int(0, 255));
    img[L::kOptTsqBusy] = static_cast<uint8_t>((gen.Chance(50) ? 0x40 : 0) |
                                               (gen.Chance(50) ? 0x02 : 0));
    PutText(img, L::kMessageLine1, 32, gen.Text(32), 0xFF);
    PutText(img, L::kMessageLine2, 32, gen.Text(32), 0xFF);
}

}  // namespace

TEST(ImageRoundTrip, EncodeThenDecodeGivesBackEveryFieldTheImageHolds) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Gen gen(seed);
        auto ctx = std::make_unique<AppContext>();
        auto source = std::make_unique<Codeplug>();
        auto before = std::make_unique<Codeplug>();
        gen.Document(*source);
        gen.Document(*before);  // what the document held before the read

        ctx->Doc = *source;
        ClearImage(ctx->Image);
        EncodeImage(ctx->Doc, ctx->Image);
        ctx->Doc = *before;
        DecodeImage(ctx->Image, ctx->Doc);

        ExpectSameDocument(ctx->Doc, Expected(*source, *before));
        if (HasFailure()) break;
    }
}

TEST(ImageRoundTrip, DecodeThenEncodeGivesBackEveryWrittenByte) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Gen gen(seed);
        auto ctx = std::make_unique<AppContext>();
        gen.Document(ctx->Doc);  // stale content that decoding must replace
        GenerateImage(gen, *ctx);
        const CodeplugImage original = ctx->Image;

        DecodeImage(ctx->Image, ctx->Doc);
        ClearImage(ctx->Image);
        EncodeImage(ctx->Doc, ctx->Image);

        int firstDifference = -1;
        for (int a = L::kWriteStart; a < L::kWriteEnd && firstDifference < 0; ++a)
            if (ctx->Image[a] != original[a]) firstDifference = a;
        EXPECT_EQ(firstDifference, -1) << "first difference at 0x" << std::hex << firstDifference;
        // The message lines lie outside the write range but belong to the codec too.
        for (int a = L::kMessageLine1; a < L::kMessageLine2 + L::kMessageLineSize; ++a)
            EXPECT_EQ(ctx->Image[a], original[a]) << std::hex << a;
        if (HasFailure()) break;
    }
}
