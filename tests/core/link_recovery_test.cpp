// Recovery paths of the conversations: resends, time-outs, the user's answers, wrong
// radios, and replies that must not be taken for what the step waits for.

#include <gtest/gtest.h>

#include "app/messages.h"
#include "codeplug/image_codec.h"
#include "files/version_table.h"
#include "link/link_engine.h"
#include "link/packets.h"
#include "link_fixture.h"

namespace zb {
namespace {

using test::LinkHarness;
using test::DocumentOf;
using test::SameDocument;
using test::kReadRangeEnd;
using test::FillRadio;





int Count(const std::vector<Bytes>& packets, const Bytes& p) {
    return static_cast<int>(std::count(packets.begin(), packets.end(), p));
}

TEST(LinkRecovery, UnansweredProgramRequestIsSentOnceMore) {
    LinkHarness h;
    FillRadio(h.radio, 7);
    h.radio.faults.ignoreProgramRequests = 1;
    ReadFromRadio(h.ctx);
    h.Run();
    EXPECT_EQ(Count(h.line.written, ProgramRequest()), 2);
    EXPECT_EQ(h.line.opens.size(), 1u);  // no port search
    EXPECT_TRUE(SameDocument(h.ctx.Doc, DocumentOf(h.radio)));
    EXPECT_EQ(h.Messages().back(), Text(h.ctx, msg::ReadCompleted));
}

// A block that never arrives intact, in the middle of a read: the user is asked at once.
TEST(LinkRecovery, LostBlockAsksTheUserAndBothAnswersBehave) {
    struct Case {
        const char* name;
        void (*fault)(sim::Faults&);
        Answer answer;
    } cases[] = {
        {"reply dropped, OK", [](sim::Faults& f) { f.dropReadReply = 40; }, Answer::Ok},
        {"reply dropped, Cancel", [](sim::Faults& f) { f.dropReadReply = 40; }, Answer::Cancel},
        {"checksum corrupt, OK", [](sim::Faults& f) { f.corruptBlock = 100; }, Answer::Ok},
        {"checksum corrupt, Cancel", [](sim::Faults& f) { f.corruptBlock = 100; }, Answer::Cancel},
        {"radio gone silent, Cancel", [](sim::Faults& f) { f.silentAfterBlocks = 60; }, Answer::Cancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkHarness h;
        FillRadio(h.radio, 7);
        c.fault(h.radio.faults);
        const Codeplug before = h.ctx.Doc;
        h.prompter().answers = {Answer::Ok, c.answer};
        ReadFromRadio(h.ctx);
        h.Run();

        const auto texts = h.Messages();
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[1], Text(h.ctx, msg::RetryQuestion));
        EXPECT_EQ(h.prompter().messages[1].buttons, Buttons::OkCancel);
        EXPECT_FALSE(h.line.IsOpen());
        EXPECT_EQ(h.ctx.link.CommMode, 0);
        EXPECT_EQ(h.views.closed, 1);
        if (c.answer == Answer::Ok) {
            // The whole read starts again from the program request and address 0x0000.
            EXPECT_EQ(Count(h.line.written, ProgramRequest()), 2);
            EXPECT_EQ(Count(h.line.written, ReadRequest(0x0000, 64)), 2);
            EXPECT_EQ(texts.back(), Text(h.ctx, msg::ReadCompleted));
            EXPECT_TRUE(SameDocument(h.ctx.Doc, DocumentOf(h.radio)));
        } else {
            EXPECT_EQ(texts.size(), 2u);
            EXPECT_TRUE(SameDocument(h.ctx.Doc, before));  // a failed read decodes nothing
        }
    }
}

TEST(LinkRecovery, EndRequestTimeOutStillCountsAsSuccess) {
    LinkHarness h;
    FillRadio(h.radio, 7);
    h.radio.faults.silentAfterBlocks = 1 + 247;  // status and every block, then nothing more
    ReadFromRadio(h.ctx);
    h.Run();
    EXPECT_EQ(h.line.written.back(), EndRequest());
    EXPECT_EQ(h.Messages().back(), Text(h.ctx, msg::ReadCompleted));
    EXPECT_TRUE(SameDocument(h.ctx.Doc, DocumentOf(h.radio)));
}

TEST(LinkRecovery, WrongModelEndsWithTheModelMessageAndLeavesTheDocument) {
    LinkHarness h;
    FillRadio(h.radio, 7);
    h.radio.model = "ZB999";
    const Codeplug before = h.ctx.Doc;
    ReadFromRadio(h.ctx);
    h.Run();
    EXPECT_EQ(h.Messages(), (std::vector<std::string>{Text(h.ctx, msg::ReadQuestion), Text(h.ctx, msg::ModelError)}));
    EXPECT_EQ(h.line.written.back(), EndRequest());
    EXPECT_EQ(h.radio.counters.readRequests, 1);  // the status block only
    EXPECT_TRUE(SameDocument(h.ctx.Doc, before));
    EXPECT_FALSE(h.line.IsOpen());
    EXPECT_EQ(h.ctx.link.CommMode, 0);
    EXPECT_EQ(h.views.closed, 1);
}

struct RecordingLauncher : ProgramLauncher {
    bool StartAndQuit(const std::string& path) override {
        paths.push_back(path);
        return true;
    }
    std::vector<std::string> paths;
};

TEST(LinkRecovery, IncompatibleFirmwareOffersTheMatchingVersionAndWritesNothing) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        LinkHarness h;
        RecordingLauncher launcher;
        h.ctx.launcher = &launcher;
        h.ctx.folders.baseFolder = "/opt/zb";
        h.ctx.versions.Firm = {{"V200", "V200"}, {"V201", "V210"}};
        h.radio.firmware = "V210";
        h.prompter().answers = {Answer::Ok, answer};
        WriteToRadio(h.ctx);
        h.Run();

        ASSERT_EQ(h.prompter().messages.size(), 2u);
        EXPECT_EQ(h.prompter().messages[1].text, VersionQuestion(h.ctx, "V200", "V210", 0));
        EXPECT_EQ(h.prompter().messages[1].buttons, Buttons::YesNo);
        EXPECT_EQ(h.radio.counters.blocksReceived, 0);
        EXPECT_EQ(launcher.paths.size(), answer == Answer::Yes ? 1u : 0u);
        if (answer == Answer::Yes) {
            EXPECT_NE(launcher.paths[0].find("V201"), std::string::npos);
        }
        EXPECT_FALSE(h.line.IsOpen());
    }
}

TEST(LinkRecovery, IncompatibleFirmwareWithoutAnotherVersionStillEndsProgrammingMode) {
    LinkHarness h;  // the version table names no program for the radio's firmware
    h.radio.firmware = "V210";
    h.prompter().answers = {Answer::Ok, Answer::Yes};
    ReadFromRadio(h.ctx);
    h.Run();
    EXPECT_EQ(h.Messages().back(), Text(h.ctx, msg::MissingVersion));
    EXPECT_EQ(Count(h.line.written, EndRequest()), 1);
    EXPECT_EQ(h.radio.counters.endRequests, 1);  // the radio left programming mode
    EXPECT_EQ(h.radio.counters.readRequests, 1);
    EXPECT_FALSE(h.line.IsOpen());
    EXPECT_EQ(h.ctx.link.CommMode, 0);
}

// After "Model type is wrong." only the end request's acknowledge is taken: a stray version or
// radio-information packet arriving first stores nothing into the document.
TEST(LinkRecovery, StrayPacketAfterAFailedCheckChangesNothing) {
    ModelInfoRecord other;
    other.VersionText.Set("V999");
    other.SerialNumber.Set("99999999");
    Bytes info = RadioInfoWrite(other);
    info[3] = '-';
    info.back() = PacketChecksum(info);
    ASSERT_TRUE(ParseRadioInfoReply(info));
    const struct {
        const char* name;
        Bytes packet;
    } cases[] = {{"version", VersionWrite(other)}, {"radio information", info}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkHarness h;
        h.radio.model = "ZB999";
        h.line.onWrite = [&](const Bytes& p) {
            if (p == EndRequest()) h.line.Deliver(c.packet, 1);  // ahead of the radio's acknowledge
        };
        const Codeplug before = h.ctx.Doc;
        ReadFromRadio(h.ctx);
        h.Run();
        EXPECT_EQ(h.Messages().back(), Text(h.ctx, msg::ModelError));
        EXPECT_TRUE(SameDocument(h.ctx.Doc, before));
        EXPECT_EQ(h.ctx.link.CommMode, 0);
        EXPECT_FALSE(h.ctx.link.lastSucceeded);
    }
}

// The backup warning after a read is a question like any other: a reply arriving while it is
// open cannot run the end of the read a second time.
TEST(LinkRecovery, ReplyWhileTheBackupWarningIsOpenIsDropped) {
    LinkHarness h;
    FillRadio(h.radio, 7);
    struct WarningViews : test::RecordingViews {
        explicit WarningViews(LinkHarness& h) : h(h) {}
        void ReadDecoded() override {
            ++decoded;
            if (decoded > 1) return;
            h.line.Deliver(Acknowledge(), 1);  // as if it came while the box waits for the user
            h.clock.Run(h.clock.now + 50);
        }
        LinkHarness& h;
        int decoded = 0;
    } views(h);
    h.ctx.linkViews = &views;
    ReadFromRadio(h.ctx);
    h.Run();
    EXPECT_EQ(views.decoded, 1);
    EXPECT_EQ(Count(h.line.written, EndRequest()), 1);
    const auto texts = h.Messages();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), Text(h.ctx, msg::ReadCompleted)), 1);
    EXPECT_TRUE(SameDocument(h.ctx.Doc, DocumentOf(h.radio)));
    EXPECT_EQ(h.ctx.link.CommMode, 0);
}

// Answers like the scripted prompter and brings the radio back when asked to check it.
struct ReconnectingPrompter : Prompter {
    using Prompter::Ask;
    ReconnectingPrompter(ScriptedPrompter& s, sim::RadioSim& r) : script(s), radio(r) {}
    Answer Ask(const Message& m) override {
        radio.faults.silent = false;
        return script.Ask(m);
    }
    ScriptedPrompter& script;
    sim::RadioSim& radio;
};

TEST(LinkRecovery, WriteTimeOutRestartsWithTheHeaderBlock) {
    LinkHarness h;
    int dataBlocks = 0;
    h.line.onWrite = [&](const Bytes& p) {  // the radio misses the 500th data block
        if (p[0] == 'W' && ++dataBlocks == 500) h.radio.faults.silent = true;
    };
    ReconnectingPrompter prompter(h.prompter(), h.radio);
    h.ctx.prompter = &prompter;
    WriteToRadio(h.ctx);
    h.Run();

    EXPECT_EQ(h.Messages(), (std::vector<std::string>{Text(h.ctx, msg::WriteQuestion), Text(h.ctx, msg::RetryQuestion),
                                                      Text(h.ctx, msg::WriteCompleted)}));
    EXPECT_EQ(Count(h.line.written, DataBlock(h.ctx.Image.data(), 0x0000, 16)), 1);
    EXPECT_TRUE(std::equal(h.ctx.Image.begin(), h.ctx.Image.begin() + 0x3D90, h.radio.memory.begin()));
    EXPECT_EQ(h.views.percents.back(), 100);
}

// While a block is awaited, a status block (which the dispatcher also knows) must not be
// taken for it: the read would go on with a hole in the image.
TEST(LinkRecovery, UnrelatedReplyWhileWaitingForABlockIsIgnored) {
    LinkHarness h;
    FillRadio(h.radio, 7);
    int reads = 0;
    h.line.onWrite = [&](const Bytes& p) {
        if (p[0] != 'R' || ++reads != 10) return;
        h.radio.faults.dropReadReply = h.radio.counters.readRequests + 1;
        Bytes status{'W', 0x3F, 0x00, 64};
        status.resize(68, 0x00);
        status.push_back(0);
        status.back() = PacketChecksum(status);
        h.line.Deliver(status, 1);
    };
    h.prompter().answers = {Answer::Ok, Answer::Ok};
    ReadFromRadio(h.ctx);
    h.Run();

    const auto texts = h.Messages();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], Text(h.ctx, msg::RetryQuestion));
    EXPECT_TRUE(SameDocument(h.ctx.Doc, DocumentOf(h.radio)));
}

// A block cursor that would reach past the image stores nothing, whatever the radio sends.
TEST(LinkRecovery, BlockOutsideTheImageIsNeverStored) {
    LinkHarness h;
    ASSERT_TRUE(OpenConfiguredPort(h.ctx));
    const CodeplugImage before = h.ctx.Image;
    auto& l = h.ctx.link;
    l.CommMode = 1;
    l.LinkStep = 4;
    l.BlockLength = 64;
    l.BlockAddress = 0x3FF0;  // 0x3FF0 + 64 passes 0x4000
    Bytes block{'W', 0x3F, 0xF0, 64};
    block.resize(68, 0x5A);
    block.push_back(0);
    block.back() = PacketChecksum(block);
    h.line.SetReceiveThreshold(69);
    h.line.Deliver(block, 1);
    h.Run();
    EXPECT_EQ(h.ctx.Image, before);
    EXPECT_EQ(l.LinkStep, 4);
}

TEST(LinkRecovery, RmgTimeOutAsksRetryAndResumesAtTheFailedBlock) {
    LinkHarness h;
    for (int i = 0; i < 0x100; ++i) h.radio.memory[0x3F00 + i] = static_cast<uint8_t>(i);
    h.radio.faults.dropReadReply = 6;  // status, then the blocks 0x3F00..0x3F30, then 0x3F40
    h.prompter().answers = {Answer::Retry};
    ReadRmgData(h.ctx, true);
    h.Run();
    ASSERT_EQ(h.prompter().messages.size(), 1u);
    EXPECT_EQ(h.prompter().messages[0].buttons, Buttons::RetryCancel);
    EXPECT_EQ(Count(h.line.written, ReadRequest(0x3F40, 16)), 2);
    EXPECT_EQ(Count(h.line.written, ReadRequest(0x3F30, 16)), 1);
    EXPECT_TRUE(std::equal(h.radio.memory.begin() + 0x3F00, h.radio.memory.end(), h.ctx.Image.begin() + 0x3F00));
    EXPECT_EQ(h.views.embeddedMessages, 1);
}

}  // namespace
}  // namespace zb

namespace zb {
namespace {

// A conversation whose last request goes unanswered does not wait for ever.
TEST(LinkRecovery, UnansweredLastRequestStillEndsTheConversation) {
    struct Case {
        const char* name;
        void (*start)(AppContext&);
        const char* model;
    } cases[] = {
        {"end request after a wrong model", [](AppContext& c) { ReadFromRadio(c); }, "ZB999"},
        {"end of an RMG-data read", [](AppContext& c) { ReadRmgData(c, true); }, "ZB347"},
        {"end of a radio-information write", [](AppContext& c) { WriteRadioInfo(c); }, "ZB347"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkHarness h;
        h.radio.model = c.model;
        h.line.onWrite = [&](const Bytes& p) {
            if (p == EndRequest()) h.radio.faults.silent = true;
        };
        c.start(h.ctx);
        h.Run();
        EXPECT_EQ(h.line.written.back(), EndRequest());
        EXPECT_EQ(h.ctx.link.CommMode, 0);
        EXPECT_FALSE(h.line.IsOpen());
        EXPECT_EQ(h.views.embeddedMessages, 0);
    }
}

}  // namespace
}  // namespace zb

namespace zb {
namespace {

// The question is modal but events keep coming: a late block must not move the
// conversation on while the user decides.
TEST(LinkRecovery, LateReplyDuringTheQuestionIsDropped) {
    LinkHarness h;
    FillRadio(h.radio, 7);
    h.radio.faults.dropReadReply = 40;
    struct Late : Prompter {
        using Prompter::Ask;
        explicit Late(LinkHarness& h) : h(h) {}
        Answer Ask(const Message& m) override {
            if (m.text == Text(h.ctx, msg::RetryQuestion)) {
                const auto address = static_cast<uint16_t>(h.ctx.link.BlockAddress);
                Bytes block = DataBlock(h.radio.memory.data(), address, 64);
                const size_t before = h.line.written.size();
                h.line.Deliver(block, 1);
                h.clock.Run(h.clock.now + 50);
                sentMeanwhile = h.line.written.size() - before;
            }
            return h.prompter().Ask(m);
        }
        LinkHarness& h;
        size_t sentMeanwhile = 99;
    } late(h);
    h.ctx.prompter = &late;
    const Codeplug before = h.ctx.Doc;
    h.prompter().answers = {Answer::Ok, Answer::Cancel};
    ReadFromRadio(h.ctx);
    h.Run();
    EXPECT_EQ(late.sentMeanwhile, 0u);
    EXPECT_TRUE(SameDocument(h.ctx.Doc, before));
    EXPECT_EQ(h.ctx.link.CommMode, 0);
}

}  // namespace
}  // namespace zb
