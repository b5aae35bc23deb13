// Read, write, RMG-data read and radio-information write against the simulated radio.

#include <gtest/gtest.h>

#include "app/messages.h"
#include "codeplug/image_codec.h"
#include "link/link_engine.h"
#include "link/packets.h"
#include "link_fixture.h"

namespace zb {
namespace {

using test::LinkHarness;
using test::DocumentOf;
using test::SameDocument;
using test::kReadRangeEnd;


void SetChannel(Codeplug& doc, int group, int entry, const char* rx, const char* tx) {
    ChannelRecord& c = doc.Channels[entry][group];
    c.ChNo = static_cast<int16_t>(entry + 1);
    c.Valid = 1;
    c.RxFreq.Set(rx);
    c.TxFreq.Set(tx);
    doc.Data.Groups[group].ChannelCount = static_cast<int16_t>(std::max<int>(doc.Data.Groups[group].ChannelCount, entry + 1));
}

// A document with channels in a low and a high group.
void FillDocument(Codeplug& doc) {
    SetChannel(doc, 0, 0, "28500000", "28500000");
    SetChannel(doc, 0, 1, "29100000", "29000000");
    SetChannel(doc, 12, 0, "25000000", "25010000");
}

// Puts a document into the radio's memory, as a radio written earlier holds it.
void LoadRadio(sim::RadioSim& radio) {
    AppContext ref;
    FillDocument(ref.Doc);
    ClearImage(ref);
    EncodeImage(ref);
    std::copy(ref.Image.begin(), ref.Image.begin() + kReadRangeEnd, radio.memory.begin());
}



TEST(LinkRead, FullReadGivesTheDocumentTheRadioHolds) {
    LinkHarness h;
    LoadRadio(h.radio);
    h.radio.SetBandFlags(true, false);
    const Codeplug expected = DocumentOf(h.radio);
    ASSERT_FALSE(SameDocument(expected, h.ctx.Doc));
    h.ctx.document.path = "C:\\data\\old.dat";
    h.ctx.document.untitled = false;

    ReadFromRadio(h.ctx);
    h.Run();

    EXPECT_TRUE(SameDocument(h.ctx.Doc, expected));
    EXPECT_EQ(h.Messages(), (std::vector<std::string>{Text(h.ctx, msg::ReadQuestion), Text(h.ctx, msg::ReadCompleted)}));
    EXPECT_EQ(h.ctx.identity.BandText, kWideBandText);  // the document follows the radio's band
    EXPECT_EQ(h.ctx.document.path, "new.dat");
    EXPECT_TRUE(h.ctx.document.untitled);
    EXPECT_FALSE(h.line.IsOpen());
    EXPECT_EQ(h.ctx.link.CommMode, 0);
    EXPECT_EQ(h.views.opened, 1);
    EXPECT_EQ(h.views.closed, 1);
    ASSERT_FALSE(h.views.percents.empty());
    EXPECT_EQ(h.views.percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(h.views.percents.begin(), h.views.percents.end()));
}

TEST(LinkRead, SendsPacketsInConversationOrder) {
    LinkHarness h;
    ReadFromRadio(h.ctx);
    h.Run();

    std::vector<Bytes> expected{ProgramRequest(), IdentifyRequest(), Acknowledge(), ReadRequest(0x3F00, 64),
                                Acknowledge()};
    for (int address = 0; address < 0x3D90; address += 64) {
        expected.push_back(ReadRequest(static_cast<uint16_t>(address), 64));
        expected.push_back(Acknowledge());
    }
    expected.push_back(EndRequest());
    EXPECT_EQ(h.line.written.size(), 5u + 2 * 247 + 1);
    EXPECT_EQ(h.line.written, expected);
}

TEST(LinkRead, CancelAtTheQuestionClosesThePortAndSendsNothing) {
    LinkHarness h;
    h.prompter().answers = {Answer::Cancel};
    ReadFromRadio(h.ctx);
    h.Run();
    EXPECT_TRUE(h.line.written.empty());
    EXPECT_FALSE(h.line.IsOpen());
    EXPECT_EQ(h.ctx.link.CommMode, 0);
}

TEST(LinkRead, PortThatCannotOpenIsReportedAndNothingStarts) {
    LinkHarness h;
    h.ctx.settings.ComPort = 7;
    ReadFromRadio(h.ctx);
    h.Run();
    ASSERT_EQ(h.prompter().messages.size(), 1u);
    EXPECT_EQ(h.prompter().messages[0].text, Text(h.ctx, msg::PortError));
    EXPECT_EQ(h.prompter().messages[0].icon, Icon::Critical);
    EXPECT_EQ(h.ctx.link.CommMode, 0);
    EXPECT_TRUE(h.line.written.empty());
}

TEST(LinkWrite, PutsTheImageIntoTheRadio) {
    LinkHarness h;
    FillDocument(h.ctx.Doc);
    h.radio.memory[0x0000] = 0xAB;  // the header block is not written by a single write
    WriteToRadio(h.ctx);
    h.Run();

    EXPECT_EQ(h.Messages(), (std::vector<std::string>{Text(h.ctx, msg::WriteQuestion), Text(h.ctx, msg::WriteCompleted)}));
    EXPECT_EQ(h.radio.counters.blocksReceived, 984);
    EXPECT_TRUE(std::equal(h.ctx.Image.begin() + 0x10, h.ctx.Image.begin() + 0x3D90, h.radio.memory.begin() + 0x10));
    EXPECT_EQ(h.radio.memory[0x0000], 0xAB);
    EXPECT_EQ(h.line.written.back(), EndRequest());
    EXPECT_EQ(DataBlock(h.ctx.Image.data(), 0x3D80, 16), h.line.written[h.line.written.size() - 2]);
    // The radio now holds the document: reading it back gives the same channels.
    EXPECT_EQ(DocumentOf(h.radio).Channels, h.ctx.Doc.Channels);
    EXPECT_FALSE(h.line.IsOpen());
}

TEST(LinkRmg, ReadsTheRmgAreaIntoTheImageAndOpensTheEmbeddedMessage) {
    LinkHarness h;
    for (int i = 0; i < 0x100; ++i) h.radio.memory[0x3F00 + i] = static_cast<uint8_t>(0x20 + i % 0x50);
    ReadRmgData(h.ctx, true);
    h.Run();

    EXPECT_TRUE(std::equal(h.radio.memory.begin() + 0x3F00, h.radio.memory.end(), h.ctx.Image.begin() + 0x3F00));
    EXPECT_EQ(h.views.embeddedMessages, 1);
    EXPECT_TRUE(h.Messages().empty());
    ASSERT_GE(h.line.written.size(), 7u);
    const std::vector<Bytes> start{ProgramRequest(), IdentifyRequest(), Acknowledge(), ReadRequest(0x3F00, 16),
                                   ReadRequest(0x3F00, 16), Acknowledge(), ReadRequest(0x3F10, 16)};
    EXPECT_EQ(std::vector<Bytes>(h.line.written.begin(), h.line.written.begin() + 7), start);
    EXPECT_EQ(h.radio.counters.readRequests, 17);
    EXPECT_EQ(h.ctx.link.CommMode, 0);
}

// One conversation at a time: a command given while another runs (the RMG read and the radio
// information write have no window to block the menus) starts nothing and disturbs nothing.
TEST(LinkCommands, NoOtherConversationStartsWhileOneRuns) {
    struct Case {
        const char* name;
        void (*start)(AppContext&);
    } cases[] = {
        {"read", [](AppContext& c) { ReadFromRadio(c); }},
        {"write", [](AppContext& c) { WriteToRadio(c); }},
        {"group write", [](AppContext& c) { WriteToGroup(c); }},
        {"radio information write", [](AppContext& c) { WriteRadioInfo(c); }},
        {"embedded message", [](AppContext& c) { ReadRmgData(c, true); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkHarness h;
        for (int i = 0; i < 0x100; ++i) h.radio.memory[0x3F00 + i] = static_cast<uint8_t>(0x20 + i % 0x50);
        ReadRmgData(h.ctx, false);
        h.clock.After(6, [&] {
            ASSERT_TRUE(ConversationRunning(h.ctx));
            c.start(h.ctx);
        });
        h.Run();
        EXPECT_TRUE(h.Messages().empty());  // no question of another conversation
        EXPECT_EQ(h.line.opens.size(), 1u);
        EXPECT_EQ(h.radio.counters.programRequests, 1);
        EXPECT_EQ(h.radio.counters.blocksReceived, 0);
        EXPECT_EQ(h.radio.counters.radioInfoWrites, 0);
        EXPECT_EQ(h.views.embeddedMessages, 1);  // the RMG read ran to its end
        EXPECT_TRUE(std::equal(h.radio.memory.begin() + 0x3F00, h.radio.memory.end(),
                               h.ctx.Image.begin() + 0x3F00));
        EXPECT_FALSE(ConversationRunning(h.ctx));
    }
}

TEST(LinkRadioInfo, WritesRadioInformationAndVersion) {
    LinkHarness h;
    auto& info = h.ctx.Doc.Data.ModelInfo;
    info.ModelType.Set(std::string("ZB3\0", 4));
    info.ModelLetter = 'C';
    info.SerialNumber.Set(std::string("20250101\0", 9));
    info.VersionText.Set(std::string("V201\0", 5));
    WriteRadioInfo(h.ctx);
    h.Run();

    EXPECT_EQ(h.radio.radioInfo, RadioInfoWrite(info));
    EXPECT_EQ(h.radio.version, VersionWrite(info));
    EXPECT_EQ(h.radio.counters.endRequests, 1);
    EXPECT_TRUE(h.Messages().empty());
    EXPECT_EQ(h.ctx.link.CommMode, 0);
}

}  // namespace
}  // namespace zb
