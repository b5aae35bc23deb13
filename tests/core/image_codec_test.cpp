// Image codec: the byte examples of the memory map, the guards of the encoder against values
// that have no place in the image, decoding of damaged images, and the production record's
// Chinese texts.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/context.h"
#include "codeplug/gbk_text.h"
#include "codeplug/image_codec.h"
#include "codeplug/image_layout.h"
#include "codeplug/text_util.h"
#include "codeplug/tone_tables.h"

#if defined(__GLIBC__) && __has_include(<iconv.h>)
#include <iconv.h>
#define ZB_HAVE_GLIBC_ICONV 1
#endif

using namespace zb;
namespace L = zb::layout;

namespace {

std::unique_ptr<AppContext> FreshContext() {
    auto ctx = std::make_unique<AppContext>();
    ClearImage(*ctx);
    return ctx;
}

ChannelRecord Channel(int chNo, std::string_view rx, std::string_view tx) {
    ChannelRecord c;
    c.ChNo = static_cast<int16_t>(chNo);
    c.Valid = 1;
    c.RxFreq.Set(rx);
    c.TxFreq.Set(tx);
    return c;
}

// Appends a channel to group g as the next used entry.
ChannelRecord& Append(Codeplug& doc, int g, const ChannelRecord& c) {
    int16_t& count = doc.Data.Groups[g].ChannelCount;
    ChannelRecord& slot = doc.Channels[count][g];
    slot = c;
    ++count;
    return slot;
}

std::vector<uint8_t> Bytes(const CodeplugImage& image, int address, int size) {
    return {image.begin() + address, image.begin() + address + size};
}

void PutBytes(CodeplugImage& image, int address, std::vector<uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + address);
}

std::string Clean(const auto& field) { return CleanText(field); }

enum class Act { Encode, Decode };

struct Example {
    const char* name;
    Act act;
    std::function<void(AppContext&)> arrange;
    std::function<void(const AppContext&)> check;
};

}  // namespace

TEST(ImageCodec, ExamplesOfTheMemoryMap) {
    const std::vector<Example> examples = {
        {"channel slot of group 0, channel 1", Act::Encode,
         [](AppContext& ctx) {
             ChannelRecord c = Channel(1, "28015000", "28015000");
             c.DecTone = 1;   // 67.0 Hz
             c.EncTone = 52;  // DCS 023 normal
             c.TsqFlag = 1;
             c.RbTone = 1;
             c.Scan = 1;
             Append(ctx.Doc, 0, c);
         },
         [](const AppContext& ctx) {
             EXPECT_EQ(Bytes(ctx.Image, 0x0010, 16),
                       (std::vector<uint8_t>{0x28, 0x01, 0x50, 0x00, 0x00, 0x28, 0x01, 0x50, 0x00,
                                             0x00, 0x40, 0x02, 0x9E, 0xD0, 0x13, 0x01}));
             EXPECT_EQ(ctx.Image[0x3230], 0x01);
             EXPECT_EQ(ctx.Image[0x32A0], 0x01);
             EXPECT_EQ(ctx.Image[0x000F], 0xFF);  // header block untouched
         }},
        {"tone words off, CTCSS, DCS normal, DCS inverted", Act::Encode,
         [](AppContext& ctx) {
             ChannelRecord a = Channel(1, "28015000", "28015000");
             a.DecTone = 0;
             a.EncTone = 1;
             ChannelRecord b = Channel(2, "28015000", "28015000");
             b.DecTone = 51;
             b.EncTone = 158;
             Append(ctx.Doc, 0, a);
             Append(ctx.Doc, 0, b);
         },
         [](const AppContext& ctx) {
             EXPECT_EQ(Bytes(ctx.Image, 0x0010 + 11, 4),
                       (std::vector<uint8_t>{0xFF, 0xFF, 0x02, 0x9E}));
             EXPECT_EQ(Bytes(ctx.Image, 0x0020 + 11, 4),
                       (std::vector<uint8_t>{0xD0, 0x0F, 0x80, 0x0F}));
         }},
        {"group 3, channel 7 is bitmap bit 126; group 19, channel 40 the last slot", Act::Encode,
         [](AppContext& ctx) {
             Append(ctx.Doc, 3, Channel(7, "28015000", "")).Scan = 1;
             Append(ctx.Doc, 19, Channel(40, "29690000", "29690000"));
         },
         [](const AppContext& ctx) {
             EXPECT_EQ(ctx.Image[0x323F], 0x40);
             EXPECT_EQ(ctx.Image[0x32A0 + 15], 0x40);
             EXPECT_EQ(Bytes(ctx.Image, (3 * 40 + 7) * 16, 3),
                       (std::vector<uint8_t>{0x28, 0x01, 0x50}));
             EXPECT_EQ(Bytes(ctx.Image, 0x3200, 3), (std::vector<uint8_t>{0x29, 0x69, 0x00}));
             EXPECT_EQ(ctx.Image[0x3230 + 99], 0x80);  // bit 799
             EXPECT_EQ(ctx.Image[0x32A0 + 99], 0x00);  // not scanned
         }},
        {"empty and FFFFFFFF transmit frequencies are FF FF FF", Act::Encode,
         [](AppContext& ctx) {
             Append(ctx.Doc, 0, Channel(1, "28015000", ""));
             Append(ctx.Doc, 0, Channel(2, "28015000", "FFFFFFFF"));
             Append(ctx.Doc, 0, Channel(3, "2801500", "        "));  // 7 digits: padded left
         },
         [](const AppContext& ctx) {
             for (int n : {1, 2, 3})
                 EXPECT_EQ(Bytes(ctx.Image, n * 16 + 5, 3),
                           (std::vector<uint8_t>{0xFF, 0xFF, 0xFF}))
                     << n;
             EXPECT_EQ(Bytes(ctx.Image, 3 * 16, 3), (std::vector<uint8_t>{0x02, 0x80, 0x15}));
         }},
        {"two entries with one channel number share a slot, the later wins", Act::Encode,
         [](AppContext& ctx) {
             Append(ctx.Doc, 2, Channel(5, "28015000", ""));
             Append(ctx.Doc, 2, Channel(5, "29000000", ""));
         },
         [](const AppContext& ctx) {
             EXPECT_EQ(Bytes(ctx.Image, (80 + 5) * 16, 3),
                       (std::vector<uint8_t>{0x29, 0x00, 0x00}));
         }},
        {"VFOs, valid bits, group bits and names", Act::Encode,
         [](AppContext& ctx) {
             CodeplugData& d = ctx.Doc.Data;
             d.VfoA = Channel(1, "28015000", "28025000");
             d.VfoAValid = 1;
             d.VfoB = Channel(1, "24500000", "");
             d.VfoBValid = 0;
             d.Groups[0].Valid = 1;
             d.Groups[9].Valid = 1;
             d.Groups[19].Valid = 1;
             d.Groups[0].Name.Set("BAND1");
             d.Groups[1].Name.Set("ABCDEFGH");
         },
         [](const AppContext& ctx) {
             EXPECT_EQ(Bytes(ctx.Image, 0x3210, 10),
                       (std::vector<uint8_t>{0x28, 0x01, 0x50, 0x00, 0x00, 0x28, 0x02, 0x50,
                                             0x00, 0x00}));
             EXPECT_EQ(Bytes(ctx.Image, 0x3220, 8),
                       (std::vector<uint8_t>{0x24, 0x50, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF}));
             EXPECT_EQ(Bytes(ctx.Image, 0x3308, 3), (std::vector<uint8_t>{0x01, 0x02, 0x18}));
             EXPECT_EQ(Bytes(ctx.Image, 0x3310, 16),
                       (std::vector<uint8_t>{'B', 'A', 'N', 'D', '1', ' ', ' ', ' ', 'A', 'B',
                                             'C', 'D', 'E', 'F', 'G', 'H'}));
         }},
        {"roger-beep slot, power-on text, reset bytes, option bytes, message", Act::Encode,
         [](AppContext& ctx) {
             CodeplugData& d = ctx.Doc.Data;
             RogerBeepRecord& b = d.RogerBeepTones[1];  // sequence 2
             b.Tone[0] = {210, 10};
             b.Tone[13] = {80, 4};
             b.RecycleTimes = 3;
             b.InterTime = 50;
             OptionSettingsRecord& o = d.OptionSettings;
             o.OptionFeatures.PowerOnText.Set("HELLO");
             o.OptionFeatures.Tot = 7;
             o.OptionFeatures.Tsq = 1;
             o.OptionFeatures.Busy = 1;
             o.OptionFeatures.SingleTone = 5;
             o.OptionFeatures.GroupChange = 2;
             d.OptionFeaturesExt.RxTone = 9;
             d.OptionFeaturesExt.VoxLevel = 4;
             o.ResetSelect = {3, 12, 11, 1};
             o.EmbeddedMessage.MessageLine1.Set("HI");
         },
         [](const AppContext& ctx) {
             const int s = 0x3A00 + 32;
             EXPECT_EQ(ctx.Image[s + 0], 210);
             EXPECT_EQ(ctx.Image[s + 13], 80);
             EXPECT_EQ(ctx.Image[s + 14], 10);
             EXPECT_EQ(ctx.Image[s + 27], 4);
             EXPECT_EQ(Bytes(ctx.Image, s + 28, 4), (std::vector<uint8_t>{3, 50, 0xFF, 0xFF}));
             EXPECT_EQ(Bytes(ctx.Image, 0x3D30, 12),
                       (std::vector<uint8_t>{'H', 'E', 'L', 'L', 'O', 0, 0, 0, 11, 2, 0, 10}));
             EXPECT_EQ(ctx.Image[0x3D60], 7);
             EXPECT_EQ(ctx.Image[0x3D6C], 4);
             EXPECT_EQ(ctx.Image[0x3D6E], 0x42);
             EXPECT_EQ(ctx.Image[0x3D77], 2);
             EXPECT_EQ(ctx.Image[0x3D7E], 0xFF);  // SingleTone is never written
             EXPECT_EQ(ctx.Image[0x3D85], 9);
             EXPECT_EQ(ctx.Image[0x3D64], 0xFF);  // unused
             EXPECT_EQ(Bytes(ctx.Image, 0x3DA0, 3), (std::vector<uint8_t>{'H', 'I', 0xFF}));
         }},
        {"receive bytes FF FF FF drop a channel", Act::Decode,
         [](AppContext& ctx) {
             ctx.Image[0x3230] = 0x07;  // channels 1..3 of group 0
             PutBytes(ctx.Image, 0x0010, {0x28, 0x01, 0x50});
             PutBytes(ctx.Image, 0x0030, {0x28, 0x03, 0x50});
         },
         [](const AppContext& ctx) {
             EXPECT_EQ(ctx.Doc.Data.Groups[0].ChannelCount, 2);
             EXPECT_EQ(ctx.Doc.Channels[0][0].ChNo, 1);
             EXPECT_EQ(ctx.Doc.Channels[1][0].ChNo, 3);
             EXPECT_EQ(Clean(ctx.Doc.Channels[1][0].RxFreq), "28035000");
         }},
        {"channel numbers 3 and 7 become entries 0 and 1", Act::Decode,
         [](AppContext& ctx) {
             ctx.Image[0x3230] = 0x44;
             ctx.Image[0x32A0] = 0x40;
             PutBytes(ctx.Image, 3 * 16, {0x28, 0x01, 0x50, 0x00, 0x00, 0x28, 0x01, 0x50, 0x00,
                                          0x00, 0x02, 0xD0, 0x13, 0xFF, 0xFF, 0xFB});
             PutBytes(ctx.Image, 7 * 16, {0x29, 0x60, 0x00});
         },
         [](const AppContext& ctx) {
             EXPECT_EQ(ctx.Doc.Data.Groups[0].ChannelCount, 2);
             const ChannelRecord& a = ctx.Doc.Channels[0][0];
             const ChannelRecord& b = ctx.Doc.Channels[1][0];
             EXPECT_EQ(a.ChNo, 3);
             EXPECT_EQ(b.ChNo, 7);
             EXPECT_EQ(a.Scan, 0);
             EXPECT_EQ(b.Scan, 1);
             EXPECT_EQ(a.Valid, 1);
             EXPECT_EQ(Clean(a.TxFreq), "28015000");
             EXPECT_EQ(a.BusyFlag, 1);
             EXPECT_EQ(a.TsqFlag, 0);
             EXPECT_EQ(a.DecTone, 52);
             EXPECT_EQ(a.EncTone, 0);
             EXPECT_EQ(a.RbTone, 3);  // 0xFB: bits 0..2 only
             EXPECT_EQ(Clean(b.RxFreq), "29600000");
         }},
        {"VFO offset 0x64 0x80 is 1000 Hz down; receive FF resets the VFO", Act::Decode,
         [](AppContext& ctx) {
             PutBytes(ctx.Image, 0x3210, {0x28, 0x01, 0x50, 0x64, 0x80, 0x28, 0x01, 0x50, 0x64,
                                          0x00, 0x40, 0x02, 0xB5, 0xFF, 0xFF, 0x02});
             ctx.Image[0x330A] = 0x20;  // VfoB valid only
             ctx.Doc.Data.VfoA.Plus10k = 1;
         },
         [](const AppContext& ctx) {
             const CodeplugData& d = ctx.Doc.Data;
             EXPECT_EQ(Clean(d.VfoA.RxFreq), "28014000");
             EXPECT_EQ(Clean(d.VfoA.TxFreq), "28016000");
             EXPECT_EQ(d.VfoA.TsqFlag, 1);
             EXPECT_EQ(d.VfoA.DecTone, 2);  // 69.3 Hz
             EXPECT_EQ(d.VfoA.RbTone, 2);
             EXPECT_EQ(d.VfoA.Scan, 0);
             EXPECT_EQ(d.VfoA.Plus10k, 0);  // rebuilt from the slot alone
             EXPECT_EQ(d.VfoAValid, 0);
             EXPECT_EQ(d.VfoBValid, 1);
             EXPECT_EQ(Clean(d.VfoB.RxFreq), "28015000");
             EXPECT_EQ(Clean(d.VfoB.TxFreq), "28015000");
             EXPECT_EQ(d.VfoB.ChNo, 1);
             EXPECT_EQ(d.VfoB.Valid, 1);
             EXPECT_EQ(d.VfoB.Scan, 1);
         }},
        {"message line 2 is empty after a read; reset bytes plus 1", Act::Decode,
         [](AppContext& ctx) {
             ctx.Doc.Data.OptionSettings.EmbeddedMessage.MessageLine2.Set("OLD TEXT");
             PutBytes(ctx.Image, 0x3DA0, {'L', 'I', 'N', 'E', ' ', '1'});
             PutBytes(ctx.Image, 0x3D38, {0x00, 0x02, 0x27, 0xFF});
         },
         [](const AppContext& ctx) {
             const OptionSettingsRecord& o = ctx.Doc.Data.OptionSettings;
             EXPECT_EQ(Clean(o.EmbeddedMessage.MessageLine2), "");
             EXPECT_EQ(o.EmbeddedMessage.MessageLine1.Raw(),
                       std::string("LINE 1\0", 7) + std::string(25, ' '));
             EXPECT_EQ(o.ResetSelect, (std::array<int16_t, 4>{3, 1, 256, 40}));
             EXPECT_EQ(o.OptionFeatures.SingleTone, 255);
         }},
    };

    for (const Example& e : examples) {
        SCOPED_TRACE(e.name);
        auto ctx = FreshContext();
        e.arrange(*ctx);
        if (e.act == Act::Encode)
            EncodeImage(*ctx);
        else
            DecodeImage(*ctx);
        e.check(*ctx);
    }
}

TEST(ImageCodec, ConversionHelpers) {
    EXPECT_EQ(HexByte(0x00), "00");
    EXPECT_EQ(HexByte(0x0A), "0A");
    EXPECT_EQ(HexByte(0xFE), "FE");

    const struct { std::string in, out; } pads[] = {
        {"", "FFFFFFFF"},
        {"        ", "FFFFFFFF"},
        {"FFFFFFFF", "FFFFFFFF"},
        {std::string(8, '\0'), "FFFFFFFF"},  // a damaged field is no frequency, not 0 Hz
        {"2801500 ", "02801500"},
        {"28015000", "28015000"},
        {"12", "00000012"},
    };
    for (const auto& p : pads) EXPECT_EQ(PadFreq(p.in), p.out) << '"' << p.in << '"';

    // Every index survives word and back; anything outside the tables is off.
    for (int i = 0; i < kToneIndexCount; ++i) {
        const uint16_t w = ToneWordOf(i);
        EXPECT_EQ(ToneIndexOf(static_cast<uint8_t>(w >> 8), static_cast<uint8_t>(w)), i) << i;
    }
    EXPECT_EQ(ToneWordOf(-1), 0xFFFF);
    EXPECT_EQ(ToneWordOf(kToneIndexCount), 0xFFFF);
    EXPECT_EQ(ToneIndexOf(0x02, 0x9F), 0);  // 67.1 Hz is no table entry
    EXPECT_EQ(ToneIndexOf(0xD0, 0x10), 0);  // DCS 020 is no table entry
    EXPECT_EQ(ToneIndexOf(0xA0, 0x0F), 0);  // unknown kind
    EXPECT_EQ(ToneIndexOf(0x80, 0x0F), 158);
}

// Every option byte at its own address of the memory map, both ways. The round trips cannot
// see two fields that trade addresses, so the addresses are written out here.
TEST(ImageCodec, EveryOptionByteSitsAtItsAddress) {
    using F = OptionFeaturesRecord;
    using X = OptionFeaturesExtRecord;
    const struct {
        int address;
        int16_t F::*field;
    } features[] = {
        {0x3D60, &F::Tot},
        {0x3D61, &F::FineTuneRange},
        {0x3D62, &F::FineTuneMode},
        {0x3D63, &F::CoarseStep},
        {0x3D66, &F::BacklightLoopTime},
        {0x3D67, &F::ScanResume},
        {0x3D68, &F::LcdDisplay},
        {0x3D69, &F::SwrProtect},
        {0x3D6A, &F::BatteryMax},
        {0x3D6B, &F::BatteryMin},
        {0x3D6D, &F::SingleChangeData},
        {0x3D6F, &F::SingleChangeRxTx},
        {0x3D70, &F::Asq},
        {0x3D71, &F::ScanMode},
        {0x3D75, &F::VfoStep},
        {0x3D76, &F::Beep},
        {0x3D77, &F::GroupChange},
        {0x3D79, &F::Dim},
        {0x3D7A, &F::BacklightColor},
        {0x3D7B, &F::SwrProtectEnable},
        {0x3D7C, &F::DcProtectEnable},
    };
    const struct {
        int address;
        int16_t X::*field;
    } ext[] = {
        {0x3D6C, &X::VoxLevel}, {0x3D78, &X::VoxDelay}, {0x3D7F, &X::TxGate},
        {0x3D80, &X::RxNc},     {0x3D81, &X::MicType},  {0x3D82, &X::NrBypass},
        {0x3D83, &X::IdleTime}, {0x3D84, &X::TxTone},   {0x3D85, &X::RxTone},
    };
    auto value = [](int address) { return static_cast<int16_t>(address - 0x3D60 + 0x11); };

    auto ctx = FreshContext();
    OptionFeaturesRecord& f = ctx->Doc.Data.OptionSettings.OptionFeatures;
    OptionFeaturesExtRecord& x = ctx->Doc.Data.OptionFeaturesExt;
    for (const auto& b : features) f.*b.field = value(b.address);
    for (const auto& b : ext) x.*b.field = value(b.address);
    EncodeImage(*ctx);
    for (const auto& b : features)
        EXPECT_EQ(ctx->Image[b.address], value(b.address)) << std::hex << b.address;
    for (const auto& b : ext)
        EXPECT_EQ(ctx->Image[b.address], value(b.address)) << std::hex << b.address;
    for (int unused : {0x3D64, 0x3D65, 0x3D72, 0x3D73, 0x3D74, 0x3D7D, 0x3D7E})
        EXPECT_EQ(ctx->Image[unused], 0xFF) << std::hex << unused;

    auto back = FreshContext();
    ctx->Image[0x3D7E] = 0x9C;  // SingleTone is read, though never written
    back->Image = ctx->Image;
    DecodeImage(*back);
    const OptionFeaturesRecord& bf = back->Doc.Data.OptionSettings.OptionFeatures;
    const OptionFeaturesExtRecord& bx = back->Doc.Data.OptionFeaturesExt;
    for (const auto& b : features)
        EXPECT_EQ(bf.*b.field, value(b.address)) << std::hex << b.address;
    for (const auto& b : ext) EXPECT_EQ(bx.*b.field, value(b.address)) << std::hex << b.address;
    EXPECT_EQ(bf.SingleTone, 0x9C);
}

// Values the editors never produce must still stay inside their slot and their byte.
TEST(ImageCodec, EncoderKeepsOutOfRangeValuesInTheirPlace) {
    auto ctx = FreshContext();
    Codeplug& doc = ctx->Doc;
    // Channel numbers without a slot: 0 would reach the VfoB slot's bitmap neighbour and the
    // header block, 41 the first slot of the next group.
    Append(doc, 0, Channel(0, "28015000", "28015000"));
    Append(doc, 0, Channel(41, "28015000", "28015000")).Scan = 1;
    Append(doc, 0, Channel(-3, "28015000", "28015000"));
    ChannelRecord& odd = Append(doc, 1, Channel(2, "28015000", "28015000"));
    odd.RbTone = 0x107;
    odd.TsqFlag = 2;
    odd.BusyFlag = -1;
    odd.DecTone = 999;
    odd.EncTone = -5;
    doc.Data.Groups[2].ChannelCount = 32767;  // bounded to 40
    for (int j = 0; j < kChannelsPerGroup; ++j) doc.Channels[j][2] = Channel(j + 1, "29000000", "");
    doc.Data.Groups[3].ChannelCount = -7;  // no channels
    doc.Channels[0][3] = Channel(1, "29000000", "");
    doc.Data.Groups[4].Valid = 2;   // enabled, and only its own bit
    doc.Data.Groups[5].Valid = -1;  // disabled
    doc.Data.VfoAValid = 2;
    doc.Data.VfoBValid = -1;
    OptionSettingsRecord& o = doc.Data.OptionSettings;
    o.ResetSelect = {0, 257, -32768, 300};
    o.OptionFeatures.Tot = 300;
    o.OptionFeatures.Tsq = 5;
    doc.Data.OptionFeaturesExt.TxTone = -1;
    doc.Data.RogerBeepTones[7].Tone[13].ToneLength = 256 + 9;
    doc.Data.RogerBeepTones[7].InterTime = -2;

    EncodeImage(*ctx);
    const CodeplugImage& img = ctx->Image;
    EXPECT_EQ(Bytes(img, 0x0000, 16), std::vector<uint8_t>(16, 0xFF));
    EXPECT_EQ(Bytes(img, 0x0010, 16), std::vector<uint8_t>(16, 0xFF));  // group 0 untouched
    EXPECT_EQ(img[0x3230], 0x00);
    EXPECT_EQ(img[0x3230 + 5] & 0x01, 0x00);  // bit 40 = group 1, channel 1 still clear
    EXPECT_EQ(Bytes(img, (40 + 1) * 16, 16), std::vector<uint8_t>(16, 0xFF));
    EXPECT_EQ(Bytes(img, (40 + 2) * 16 + 10, 6),
              (std::vector<uint8_t>{0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0x07}));
    for (int n = 1; n <= 40; ++n) EXPECT_EQ(img[(80 + n) * 16], 0x29) << n;
    EXPECT_EQ(img[(120 + 1) * 16], 0xFF);
    EXPECT_EQ(Bytes(img, 0x3308, 3), (std::vector<uint8_t>{0x10, 0x00, 0x10}));
    EXPECT_EQ(Bytes(img, 0x3D38, 4), (std::vector<uint8_t>{0x00, 0xFF, 0x2B, 0xFF}));
    EXPECT_EQ(img[0x3D60], 300 & 0xFF);
    EXPECT_EQ(img[0x3D6E], 0x40);
    EXPECT_EQ(img[0x3D84], 0xFF);
    EXPECT_EQ(img[0x3A00 + 7 * 32 + 27], 9);
    EXPECT_EQ(img[0x3A00 + 7 * 32 + 29], 0xFE);
}

// Whatever the image held before, encoding gives the image of the document alone.
TEST(ImageCodec, EncodingDoesNotDependOnThePreviousImage) {
    auto clean = FreshContext();
    auto dirty = FreshContext();
    for (AppContext* ctx : {clean.get(), dirty.get()}) {
        Append(ctx->Doc, 0, Channel(4, "28015000", "")).Scan = 0;
        ctx->Doc.Data.Groups[1].Valid = 0;
    }
    std::mt19937 rng(7);
    for (auto& b : dirty->Image) b = static_cast<uint8_t>(rng());
    EncodeImage(*clean);
    EncodeImage(*dirty);
    EXPECT_EQ(clean->Image, dirty->Image);
}

TEST(ImageCodec, DecodingRulesForDamagedOrForeignSlots) {
    auto ctx = FreshContext();
    CodeplugImage& img = ctx->Image;
    // Group 0: channel 1 with transmit bytes that are no BCD; its entry held another channel.
    img[0x3230] = 0x01;
    PutBytes(img, 0x0010, {0x28, 0x01, 0x50, 0x12, 0x34, 0x2A, 0x00, 0x00, 0x56, 0x78, 0xBD});
    ChannelRecord& stale = ctx->Doc.Channels[0][0];
    stale = Channel(9, "29000000", "29100000");
    stale.RepShift = 2;
    stale.Spare1 = 0;
    // VfoA: the largest offset (32767 x 10 Hz) upwards; VfoB: an offset below 0 Hz is ignored.
    PutBytes(img, 0x3210, {0x28, 0x00, 0x00, 0xFF, 0x7F, 0x99, 0x99, 0x99, 0x10, 0x00});
    PutBytes(img, 0x3220, {0x00, 0x00, 0x10, 0x64, 0x80, 0xFA, 0x00, 0x00, 0x00, 0x00});

    DecodeImage(*ctx);
    const ChannelRecord& c = ctx->Doc.Channels[0][0];
    EXPECT_EQ(c.ChNo, 1);
    EXPECT_EQ(Clean(c.RxFreq), "28015000");  // channel offsets are ignored
    EXPECT_EQ(Clean(c.TxFreq), "");          // not channel 9's transmit frequency
    EXPECT_EQ(c.RepShift, 2);                // no place in the image: kept
    EXPECT_EQ(c.TsqFlag, 0);
    EXPECT_EQ(c.BusyFlag, 0);
    const CodeplugData& d = ctx->Doc.Data;
    EXPECT_EQ(Clean(d.VfoA.RxFreq), "28327670");
    EXPECT_EQ(Clean(d.VfoA.TxFreq), "99999900");  // above 8 digits with the offset
    EXPECT_EQ(Clean(d.VfoB.RxFreq), "1000");      // 1000 Hz minus 1000 Hz would be 0: ignored
    EXPECT_EQ(Clean(d.VfoB.TxFreq), "");
}

// Random bytes everywhere: decoding must finish and leave only values the editors can show.
TEST(ImageCodec, DecodingArbitraryBytesGivesUsableRecords) {
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        auto ctx = FreshContext();
        std::mt19937 rng(seed);
        for (auto& b : ctx->Image) b = static_cast<uint8_t>(rng());
        DecodeImage(*ctx);
        DecodeRmgData(*ctx);
        const Codeplug& doc = ctx->Doc;
        auto usable = [](const ChannelRecord& c) {
            const std::string rx = CleanText(c.RxFreq);
            return rx.find_first_not_of("0123456789") == std::string::npos && c.RbTone >= 0 &&
                   c.RbTone <= 7 && IsValidToneIndex(c.DecTone) && IsValidToneIndex(c.EncTone) &&
                   (c.TsqFlag == 0 || c.TsqFlag == 1) && (c.BusyFlag == 0 || c.BusyFlag == 1);
        };
        for (int g = 0; g < kGroupCount; ++g) {
            const int count = doc.Data.Groups[g].ChannelCount;
            ASSERT_GE(count, 0);
            ASSERT_LE(count, kChannelsPerGroup);
            int last = 0;
            for (int j = 0; j < count; ++j) {
                const ChannelRecord& c = doc.Channels[j][g];
                EXPECT_GT(c.ChNo, last);
                EXPECT_LE(c.ChNo, kChannelsPerGroup);
                EXPECT_TRUE(usable(c)) << g << "/" << j;
                last = c.ChNo;
            }
        }
        EXPECT_TRUE(usable(doc.Data.VfoA));
        EXPECT_TRUE(usable(doc.Data.VfoB));
        for (int16_t r : doc.Data.OptionSettings.ResetSelect) {
            EXPECT_GE(r, 1);
            EXPECT_LE(r, 256);
        }
    }
}

namespace {

void PutText(CodeplugImage& image, const layout::RmgTextField& f, std::vector<uint8_t> bytes) {
    ASSERT_LE(bytes.size(), static_cast<std::size_t>(f.length));
    std::copy(bytes.begin(), bytes.end(), image.begin() + f.address);
}

}  // namespace

TEST(ImageCodec, RmgTextsDecodeChineseCodePage) {
    auto ctx = FreshContext();
    CodeplugImage& img = ctx->Image;
    // "ZB中文经销商" (GBK D6D0 CEC4 BEAD CFFA C9CC), trailing blanks dropped.
    PutText(img, L::kRmgSeller,
            {'Z', 'B', 0xD6, 0xD0, 0xCE, 0xC4, 0xBE, 0xAD, 0xCF, 0xFA, 0xC9, 0xCC, ' ', ' '});
    // A lead byte cut off by the terminator, and one followed by no trail byte.
    PutText(img, L::kRmgDealerCode, {'A', 0xD6, 0x00, 0xD0});
    PutText(img, L::kRmgStockDate, {0x81, 0x20, 'X'});
    // The area code is read byte by byte; 0x80 alone is the euro sign.
    PutText(img, L::kRmgAreaCode, {0xD6, 0xD0, 0x80, '1'});
    // A field full to its end, its last byte a lead byte: the next field is not read into.
    std::vector<uint8_t> full(16, 'S');
    full[15] = 0xB0;
    PutText(img, L::kRmgSerialNo, full);
    PutText(img, L::kRmgProducedDate, {0xA1, 'X', 'Y'});  // A1 58 is a pair with no character
    PutText(img, L::kRmgUserCode, {'0', '0', '1', 'A'});
    std::vector<uint8_t> reason(96, 'r');
    PutText(img, L::kRmgMaintainedReason, reason);
    ctx->Rmg.FirmwareVersion = "V2.00";

    DecodeRmgData(*ctx);
    const RmgDataRecord& r = ctx->Rmg;
    EXPECT_EQ(r.Seller, "ZB中文经销商");
    EXPECT_EQ(r.DealerCode, "A\uFFFD");
    EXPECT_EQ(r.StockDate, "\uFFFD X");
    EXPECT_EQ(r.AreaCode, "\uFFFD\uFFFD€1");
    EXPECT_EQ(r.SerialNo, std::string(15, 'S') + "\uFFFD");
    EXPECT_EQ(r.ProducedDate, "\uFFFDY");
    EXPECT_EQ(r.UserCode, "001A");
    EXPECT_EQ(r.MaintainedReason, std::string(96, 'r'));
    EXPECT_EQ(r.ManufactureCode, "");  // 0xFF from the cleared image
    EXPECT_EQ(r.FirmwareVersion, "V2.00");
}

#ifdef ZB_HAVE_GLIBC_ICONV
// The committed table against the machine's converter, every double-byte pair.
TEST(GbkText, TableAgreesWithGlibcIconv) {
    iconv_t cd = iconv_open("UTF-8", "CP936");
    if (cd == reinterpret_cast<iconv_t>(-1)) GTEST_SKIP() << "no CP936 converter";
    int differences = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            char out[8];
            char* inp = in;
            char* outp = out;
            std::size_t inLeft = 2, outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            const bool ok = iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<size_t>(-1) &&
                            inLeft == 0;
            const std::string expected = ok ? std::string(out, outp) : "\uFFFD";
            std::string got;
            AppendUtf8(got, GbkPairToUnicode(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail)));
            if (got != expected && ++differences <= 5)
                ADD_FAILURE() << std::hex << lead << " " << trail;
        }
    }
    iconv_close(cd);
    EXPECT_EQ(differences, 0);
}
#endif

// Every character of the table goes back to bytes that read as the same character, so a radio
// text shown in a window and stored again keeps its bytes.
TEST(GbkText, EveryCharacterEncodesBackToItsBytes) {
    int failures = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t cp = GbkPairToUnicode(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
            if (cp == kReplacementChar) continue;
            const std::string bytes = UnicodeToGbk(cp);
            const bool same = bytes.size() == 2 &&
                              GbkPairToUnicode(static_cast<uint8_t>(bytes[0]), static_cast<uint8_t>(bytes[1])) == cp;
            const bool single = bytes.size() == 1 && GbkSingleToUnicode(static_cast<uint8_t>(bytes[0])) == cp;
            if (!same && !single && ++failures <= 5) ADD_FAILURE() << std::hex << lead << " " << trail;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(GbkText, TextsEncodeWithinTheirWidth) {
    struct Case {
        std::u32string text;
        std::size_t maxBytes;
        std::string bytes;
    };
    const Case cases[] = {
        {U"测试", std::string::npos, "\xB2\xE2\xCA\xD4"},
        {U"AB1", std::string::npos, "AB1"},
        {U"\u20AC", std::string::npos, "\x80"},        // the one single-byte character
        {U"A\U0001F600B", std::string::npos, "A?B"},   // no code: "?"
        {U"ABC测", 4, "ABC"},                           // never half a character
        {U"测试A", 4, "\xB2\xE2\xCA\xD4"},
    };
    for (const Case& c : cases) EXPECT_EQ(UnicodeToGbk(c.text, c.maxBytes), c.bytes);
}
