// Packets, checksum, reply recognisers, the send list ring and the progress percentage.

#include <gtest/gtest.h>

#include "app/context.h"
#include "codeplug/records.h"
#include "link/link_engine.h"
#include "link/packets.h"
#include "link/send_list.h"

namespace zb {
namespace {

Bytes Block(uint16_t address, Bytes data) {
    Bytes p{'W', static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address),
            static_cast<uint8_t>(data.size())};
    p.insert(p.end(), data.begin(), data.end());
    p.push_back(0);
    p.back() = PacketChecksum(p);
    return p;
}

TEST(LinkPackets, ChecksumSkipsCommandLetterAndChecksumByte) {
    const Bytes good{'W', 0x3F, 0x00, 0x01, 0xAB, 0xEB};
    EXPECT_EQ(PacketChecksum(good), 0xEB);
    EXPECT_TRUE(ChecksumPasses(good));
    EXPECT_FALSE(ChecksumPasses(Bytes{'W', 0x3F, 0x00, 0x01, 0xAB, 0xEC}));
}

TEST(LinkPackets, DataBlockCarriesImageBytesAndChecksum) {
    CodeplugImage image{};
    for (int i = 0; i < 16; ++i) image[0x120 + i] = static_cast<uint8_t>(i * 17);
    const Bytes p = DataBlock(image.data(), 0x0120, 16);
    ASSERT_EQ(p.size(), 21u);
    EXPECT_EQ(p[0], 'W');
    EXPECT_EQ(p[1], 0x01);
    EXPECT_EQ(p[2], 0x20);
    EXPECT_EQ(p[3], 16);
    EXPECT_EQ(p[4 + 15], 15 * 17);
    EXPECT_TRUE(ChecksumPasses(p));
    EXPECT_EQ(ReadRequest(0x3D80, 64), (Bytes{'R', 0x3D, 0x80, 64}));
}

TEST(LinkPackets, ExpectedBlockNeedsAddressLengthSizeAndChecksum) {
    const Bytes good = Block(0x0040, Bytes(64, 0x11));
    Bytes badSum = good;
    badSum.back() ^= 1;
    Bytes longer = good;
    longer.push_back(0x06);  // a stray byte behind the block
    Bytes otherLength = Block(0x0040, Bytes(16, 0x11));
    struct Case {
        const char* name;
        Bytes packet;
        int address, length;
        bool expected;
    } cases[] = {
        {"matching", good, 0x40, 64, true},
        {"wrong checksum", badSum, 0x40, 64, false},
        {"other address", good, 0x80, 64, false},
        {"length byte differs", otherLength, 0x40, 64, false},
        {"trailing byte", longer, 0x40, 64, false},
        {"too short", Bytes{'W', 0x00}, 0, 64, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsExpectedBlock(c.packet, c.address, c.length), c.expected) << c.name;
}

TEST(LinkPackets, StatusBlockGivesBandFlags) {
    auto flags = ParseStatusBlock(Block(0x3F00, {0x06, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(flags);
    EXPECT_EQ(flags->a, 1);
    EXPECT_EQ(flags->b, 1);
    flags = ParseStatusBlock(Block(0x3F00, {0x04}));
    ASSERT_TRUE(flags);
    EXPECT_EQ(flags->a, 0);
    EXPECT_EQ(flags->b, 1);
    EXPECT_FALSE(ParseStatusBlock(Block(0x3F10, {0x06})));
    EXPECT_FALSE(ParseStatusBlock(Block(0x3F00, {})));  // no byte to carry the flags
}

TEST(LinkPackets, IdentificationTrimsModelAndTakesFourFirmwareCharacters) {
    const Bytes p{'P', 'Z', 'B', '3', '4', '7', ' ', 0, 'V', '2', '0', '1', 0, 0};
    auto id = ParseIdentification(p);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->model, "ZB347");
    EXPECT_EQ(id->firmware, "V201");
    Bytes shorter(p.begin(), p.end() - 1);
    EXPECT_FALSE(ParseIdentification(shorter));
}

TEST(LinkPackets, RadioInformationReplyOfFortyBytesChecksOverItsOwnLength) {
    Bytes p(40, 0xFF);
    p[0] = 'N'; p[1] = 'T'; p[2] = 'K'; p[3] = '-';
    p[4] = 'Z'; p[5] = 'B';
    p[8] = 'C';
    p[13] = 1;
    p[17] = '2'; p[18] = '0';
    p[39] = PacketChecksum(p);
    auto r = ParseRadioInfoReply(p);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->modelCode, "ZB");
    EXPECT_EQ(r->modelLetter, 'C');
    EXPECT_EQ(r->radioBandCode, 1);
    EXPECT_EQ(r->serialNumber, std::string("20\0\0\0\0\0\0", 8));
    p[39] ^= 1;
    EXPECT_FALSE(ParseRadioInfoReply(p));
}

TEST(LinkPackets, RadioInformationAndVersionWrites) {
    ModelInfoRecord info;
    info.ModelType.Set("ZB347");
    info.ModelLetter = 'C';
    info.RadioBandCode = 1;
    info.SerialNumber.Set(std::string("2025\0", 5));
    info.VersionText.Set(std::string("V201\0", 5));  // as the radio information window stores it
    const Bytes p = RadioInfoWrite(info);
    ASSERT_EQ(p.size(), 34u);
    EXPECT_EQ(Bytes(p.begin(), p.begin() + 9), (Bytes{'N', 'T', 'K', 'K', 'Z', 'B', '3', '4', 'C'}));
    EXPECT_EQ(p[13], 1);
    EXPECT_EQ(Bytes(p.begin() + 17, p.begin() + 25), (Bytes{'2', '0', '2', '5', 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(ChecksumPasses(p));
    EXPECT_EQ(VersionWrite(info), (Bytes{'V', '2', '0', '1', 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(ParseVersionReply(Bytes{'V', '2', '1', '0', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "210");
}

TEST(LinkSendList, HoldsNinetyNineEntriesAndRefusesTheHundredth) {
    AppContext ctx;
    for (int16_t i = 0; i < 99; ++i) ASSERT_TRUE(AddToSendList(ctx, SendEntry{i}));
    EXPECT_TRUE(ctx.defaultPrompter.messages.empty());
    EXPECT_FALSE(AddToSendList(ctx, SendEntry{500}));
    ASSERT_EQ(ctx.defaultPrompter.messages.size(), 1u);
    EXPECT_EQ(ctx.defaultPrompter.messages[0].text, "Comm List is full!");
    EXPECT_EQ(ctx.link.sendList.Front()->at(0), 0);  // nothing overwritten
    EXPECT_EQ(ctx.link.sendList.Count(), 99);
}

TEST(LinkSendList, WrapsAroundAndStepsBackOverSkippedSlots) {
    SendList list;
    list.Take();  // taking from an empty list does nothing
    EXPECT_TRUE(list.Empty());
    // Run the indices round the ring, then queue three entries across the wrap.
    for (int i = 0; i < 98; ++i) {
        list.Add(SendEntry{});
        list.Take();
    }
    list.Add(SendEntry{1, 0, 0, 5});
    list.Add(SendEntry{2, 0, 0, SendList::kSkipOnStepBack});
    list.Add(SendEntry{3, 0, 0, 5});
    EXPECT_EQ(list.Count(), 3);
    list.Take();
    list.Take();
    EXPECT_EQ(list.Front()->at(0), 3);
    list.StepBack();  // passes over entry 2, lands on entry 1
    EXPECT_EQ(list.Front()->at(0), 1);
}

TEST(LinkProgress, PercentRoundsHalvesToEven) {
    EXPECT_EQ(ProgressPercent(0x3D80, 0x3D90), 100);
    EXPECT_EQ(ProgressPercent(0x0010, 0x3D90), 0);
    EXPECT_EQ(ProgressPercent(1, 200), 0);  // 0.5 -> 0
    EXPECT_EQ(ProgressPercent(3, 200), 2);  // 1.5 -> 2
    EXPECT_EQ(ProgressPercent(5, 200), 2);  // 2.5 -> 2
    EXPECT_EQ(ProgressPercent(-64, 0x3D90), 0);
}

}  // namespace
}  // namespace zb
