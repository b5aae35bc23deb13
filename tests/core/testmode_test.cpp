// The factory test mode against the simulated radio on a virtual clock.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

#include "base/messages.h"
#include "link/link_texts.h"
#include "link/link_engine.h"
#include "testmode/testmode_engine.h"
#include "testmode/testmode_tables.h"
#include "testmode/testmode_texts.h"
#include "testmode_fixture.h"

namespace zb {
namespace {

using test::TestModeHarness;
using test::TestFreq;

Bytes B(std::initializer_list<int> bytes) {
    Bytes out;
    for (int b : bytes) out.push_back(static_cast<uint8_t>(b));
    return out;
}

const Bytes kAck = B({0x06});

TEST(TestModeTables, ItemCodesLevelsAndValueLengths) {
    struct Case {
        int item;
        std::vector<int> codes;  // by level; 0 where the item has none
        int wide, narrow;        // value reply length
    };
    const Case cases[] = {
        {1, {18, 48, 51, 49, 52, 50}, 6, 6},   {2, {20, 96, 99, 97, 100, 98}, 6, 6},
        {3, {24, 101, 0, 102, 0, 103}, 4, 1},  {6, {26, 111, 0, 112, 0, 113}, 4, 1},
        {7, {29, 0, 0, 0, 0, 0}, 1, 1},        {8, {31, 53, 0, 54, 0, 55}, 4, 4},
        {10, {12, 114, 0, 115, 0, 116}, 4, 1}, {15, {34, 0, 0, 0, 0, 0}, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        for (int level = 0; level < kLevelCount; ++level) EXPECT_EQ(ItemCode(c.item, level), c.codes[level]);
        EXPECT_EQ(ValueLength(c.item, true), c.wide);
        EXPECT_EQ(ValueLength(c.item, false), c.narrow);
    }
    EXPECT_EQ(ItemCode(0, 0), 0);
    EXPECT_EQ(ItemCode(16, 0), 0);
    EXPECT_EQ(ItemCode(1, 6), 0);
}

// Every item level has its own byte: 10 to 21 for items 1 and 2, 28 to 61 for the rest.
TEST(TestModeTables, AlignmentLayoutUsesEveryValueByteOnce) {
    std::multiset<int> offsets;
    for (int item = 1; item <= kAlignmentItemCount; ++item)
        for (int level = 0; level < kLevelCount; ++level)
            if (const int at = AlignmentOffset(item, level); at >= 0) offsets.insert(at);
    std::multiset<int> expected;
    for (int i = 10; i < 22; ++i) expected.insert(i);
    for (int i = 28; i < 62; ++i) expected.insert(i);
    EXPECT_EQ(offsets, expected);
}

TEST(TestModeEnter, SendsTheEnterSequenceAndOpensTheTestWindow) {
    TestModeHarness h;
    h.Enter();

    std::vector<Bytes> expected = {B({'T', 'U', 'N', 'I', 'N', 'G', ' '}), B({0x02}), kAck, B({0x05}), kAck};
    std::vector<int> thresholds = {1, 14, 1, 62, 1};
    for (int p : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1}) {
        expected.insert(expected.end(), {B({0x10, p}), kAck});
        thresholds.insert(thresholds.end(), {8, 1});
    }
    expected.push_back(B({0x11, 0x01}));
    thresholds.push_back(1);
    EXPECT_EQ(h.sent, expected);
    EXPECT_EQ(h.thresholds, thresholds);

    EXPECT_EQ(h.testViews.testWindows, 1);
    EXPECT_TRUE(h.ctx.testMode.channelsMatch);
    const std::vector<TestChannel> channels = {
        {1, "28015000", "28015000"}, {2, "28500000", "28510000"}, {5, "29690000", "29690000"}};
    EXPECT_EQ(h.ctx.testMode.channels, channels);
    EXPECT_EQ(h.ctx.link.CommMode, kModeTestMode);
    EXPECT_TRUE(h.line.IsOpen());
    EXPECT_TRUE(h.radio.test.active);
    EXPECT_TRUE(h.Messages().empty());
}

// The radio's test channels differ from the document's: the message, then the radio leaves
// test mode with signalling 1 and the port closes.
TEST(TestModeEnter, MismatchShowsTheMessageAndLeaves) {
    struct Case {
        const char* name;
        std::vector<TestFreq> radio;
    };
    const Case cases[] = {
        {"other frequency", {{1, "28015000", "28015000"}, {2, "28500000", "28520000"}, {5, "29690000", "29690000"}}},
        {"channel missing", {{1, "28015000", "28015000"}, {5, "29690000", "29690000"}}},
        {"channel more", {{1, "28015000", "28015000"}, {2, "28500000", "28510000"}, {5, "29690000", "29690000"},
                          {16, "28000000", "28000000"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestModeHarness h;
        h.radio.test.channels = {};
        test::SetRadioTestChannels(h.radio, c.radio);
        h.Enter();

        ASSERT_EQ(h.prompter().messages.size(), 1u);
        EXPECT_EQ(h.prompter().messages[0].text, Text(h.ctx, msg::TestFrequencyMismatch));
        EXPECT_EQ(h.prompter().messages[0].icon, Icon::Critical);
        EXPECT_EQ(h.testViews.testWindows, 0);
        ASSERT_GE(h.sent.size(), 2u);
        EXPECT_EQ(h.sent[h.sent.size() - 2], B({0x11, 0x01}));
        EXPECT_EQ(h.sent.back(), B({'E'}));
        EXPECT_EQ(h.radio.counters.testModeLeaves, 1);
        EXPECT_FALSE(h.radio.test.active);
        EXPECT_EQ(h.ctx.link.CommMode, kModeIdle);
        EXPECT_FALSE(h.line.IsOpen());
        EXPECT_EQ(h.testViews.ended, 1);
    }
}

TEST(TestModeFunctions, TestChannelIsOnePacketThenTheAcknowledge) {
    TestModeHarness h;
    h.Enter();
    h.Queue(kFnTestChannel, 5);
    EXPECT_EQ(h.sent, (std::vector<Bytes>{B({0x10, 0x05}), kAck}));
    EXPECT_EQ(h.thresholds, (std::vector<int>{8, 1}));
    EXPECT_EQ(h.radio.test.channel, 5);
    EXPECT_TRUE(h.ctx.link.sendList.Empty());  // the radio's acknowledge was awaited and came
    EXPECT_TRUE(h.Messages().empty());
}

TEST(TestModeFunctions, SliderValueIsSentWithoutWaitingForAReply) {
    TestModeHarness h;
    h.Enter();
    h.Queue(kFnTune, 1);
    h.sent.clear();
    h.thresholds.clear();
    QueueTestFunction(h.ctx, kFnSetValue, ItemCode(1, 0), 37);
    EXPECT_EQ(h.sent, (std::vector<Bytes>{B({0x12, 0x20, 0x25})}));
    EXPECT_EQ(h.thresholds, (std::vector<int>{0}));
    EXPECT_FALSE(h.ctx.link.waitTimer->IsActive());
    EXPECT_TRUE(h.ctx.link.sendList.Empty());
    EXPECT_EQ(h.radio.test.working.at(18), 37);
    h.Run();
    EXPECT_TRUE(h.Messages().empty());
}

TEST(TestModeFunctions, SignallingBandwidthAndTransmitter) {
    struct Case {
        int function, a;
        Bytes packet;
    };
    const Case cases[] = {
        {kFnSignalling, 7, B({0x11, 0x07})}, {kFnNarrow, 0, B({'G'})},      {kFnWide, 0, B({'F'})},
        {kFnTransmitterOn, 0, B({0x08, 0x0E})}, {kFnTransmitterOff, 0, B({0x08, 0x0D})},
    };
    TestModeHarness h;
    h.Enter();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        h.Queue(c.function, c.a);
        EXPECT_EQ(h.sent, std::vector<Bytes>{c.packet});
        EXPECT_EQ(h.thresholds, std::vector<int>{1});
        EXPECT_TRUE(h.ctx.link.sendList.Empty());
        if (c.function == kFnTransmitterOn) {
            EXPECT_TRUE(h.radio.test.keyed);
        }
        if (c.function == kFnNarrow) {
            EXPECT_FALSE(h.radio.test.wide);
        }
    }
    EXPECT_EQ(h.radio.test.signalling, 7);
    EXPECT_TRUE(h.radio.test.wide);
    EXPECT_FALSE(h.radio.test.keyed);
    EXPECT_TRUE(h.Messages().empty());
}

TEST(TestModeFunctions, TuningReadsTheAlignmentAndOpensTheItemWindow) {
    TestModeHarness h;
    h.Enter();
    h.radio.test.stored[51] = 0x77;  // item 1 at Low'
    h.radio.test.stored[55] = 0x99;  // item 8 at High
    h.Queue(kFnTune, 8);
    EXPECT_EQ(h.sent, (std::vector<Bytes>{B({0x05}), kAck, B({31, 0x0D})}));
    EXPECT_EQ(h.testViews.itemWindows, 1);
    for (int item = 1; item <= kAlignmentItemCount; ++item)
        for (int level : ItemLevels(item))
            EXPECT_EQ(h.ctx.testMode.alignment[item - 1][level], h.radio.StoredValue(ItemCode(item, level)))
                << "item " << item << " level " << level;
    EXPECT_EQ(h.ctx.testMode.alignment[0][2], 0x77);
    EXPECT_EQ(h.ctx.testMode.alignment[7][5], 0x99);
    EXPECT_EQ(h.radio.test.selected, 31);
}

// A level tab selects the item's code at that level and reads the item's value reply.
TEST(TestModeFunctions, LevelTabReadsTheValues) {
    struct Case {
        int item, level;
        bool wide;
        std::vector<int> values;  // by value 1 to 6 afterwards; -1: unchanged (0)
        int reading;
    };
    const auto v = [](int code) { return sim::RadioSim().StoredValue(code); };
    const Case cases[] = {
        {1, 3, true, {v(18), v(48), v(51), v(49), v(52), v(50)}, 0},
        {4, 1, true, {0, v(36), 0, v(37), 0, v(38)}, 0},
        {4, 0, false, {0, 0, 0, 0, 0, 0}, v(24)},
        {13, 0, true, {0, 0, 0, 0, 0, 0}, v(33)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        TestModeHarness h;
        h.Enter();
        if (!c.wide) h.Queue(kFnNarrow);
        const int code = ItemCode(c.item, c.level);
        const int length = ValueLength(c.item, c.wide);
        h.Queue(kFnLevel, code, length);
        EXPECT_EQ(h.sent, (std::vector<Bytes>{B({code, 0x0D}), B({0x07}), kAck}));
        EXPECT_EQ(h.thresholds, (std::vector<int>{0, length, 0}));
        EXPECT_EQ(h.testViews.valuesShown, 1);
        EXPECT_EQ(h.ctx.testMode.lastValueLength, length);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(h.ctx.testMode.values[i], c.values[i]) << "value " << i + 1;
        EXPECT_EQ(h.ctx.testMode.reading, c.reading);
        EXPECT_TRUE(h.Messages().empty());
    }
}

TEST(TestModeFunctions, StoreKeepsTheValueAndClosingKeepsWhatWasStored) {
    TestModeHarness h;
    h.Enter();
    h.Queue(kFnTune, 2);
    h.Queue(kFnLevel, ItemCode(2, 1), 6);
    h.Queue(kFnSetValue, ItemCode(2, 1), 200);
    h.Queue(kFnStore, ItemCode(2, 1));
    EXPECT_EQ(h.sent, std::vector<Bytes>{B({96, 0x0E})});
    EXPECT_EQ(h.radio.StoredValue(96), 200);

    h.Queue(kFnSetValue, ItemCode(2, 0), 11);  // set on the Test level, not stored
    h.Queue(kFnCloseItem, 2);
    EXPECT_EQ(h.sent, (std::vector<Bytes>{B({20, 0x0D}), B({20, 0x0E})}));
    EXPECT_EQ(h.radio.StoredValue(96), 200);
    EXPECT_EQ(h.radio.StoredValue(20), sim::RadioSim().StoredValue(20));
    EXPECT_EQ(h.radio.test.selected, 0);
    EXPECT_TRUE(h.Messages().empty());
}

TEST(TestModeFunctions, QueryShowsTheReading) {
    TestModeHarness h;
    h.Enter();
    h.radio.test.stored[34] = 0x42;
    h.Queue(kFnQuery, 34);
    EXPECT_EQ(h.sent, (std::vector<Bytes>{B({34, 0x0A}), kAck}));
    EXPECT_EQ(h.ctx.testMode.reading, 0x42);
    EXPECT_EQ(h.testViews.valuesShown, 1);
}

TEST(TestModeFunctions, LeaveEndsTestModeAndClosesThePort) {
    TestModeHarness h;
    h.Enter();
    h.Queue(kFnLeave, 3);
    EXPECT_EQ(h.sent, (std::vector<Bytes>{B({0x11, 0x03}), B({'E'})}));
    EXPECT_FALSE(h.radio.test.active);
    EXPECT_EQ(h.ctx.link.CommMode, kModeIdle);
    EXPECT_FALSE(h.line.IsOpen());
    EXPECT_TRUE(h.ctx.link.lastSucceeded);
    EXPECT_EQ(h.testViews.ended, 1);
    // With the port closed nothing more is queued.
    EXPECT_FALSE(QueueTestFunction(h.ctx, kFnWide));
    EXPECT_TRUE(h.ctx.link.sendList.Empty());
}

TEST(TestModeRecovery, RetrySendsTheSamePacketAgainAndCancelEnds) {
    TestModeHarness h;
    h.radio.faults.silentInTestMode = true;
    h.prompter().answers = {Answer::Retry, Answer::Cancel};
    h.Enter();
    EXPECT_EQ(h.sent, (std::vector<Bytes>{B({'T', 'U', 'N', 'I', 'N', 'G', ' '}), B({0x02}), B({0x02})}));
    EXPECT_EQ(h.Messages(), (std::vector<std::string>(2, Text(h.ctx, msg::RetryQuestion))));
    EXPECT_EQ(h.prompter().messages[0].buttons, Buttons::RetryCancel);
    EXPECT_EQ(h.ctx.link.CommMode, kModeIdle);
    EXPECT_FALSE(h.line.IsOpen());
    EXPECT_TRUE(h.ctx.link.sendList.Empty());
    EXPECT_FALSE(h.ctx.link.lastSucceeded);
}

// Retry of a packet built from several entries sends the whole packet again.
TEST(TestModeRecovery, RetryRebuildsAPacketOfSeveralEntries) {
    TestModeHarness h;
    h.Enter();
    h.radio.faults.silentInTestMode = true;
    h.prompter().answers = {Answer::Retry, Answer::Cancel};
    h.Queue(kFnTestChannel, 2);
    EXPECT_EQ(h.sent, (std::vector<Bytes>{B({0x10, 0x02}), B({0x10, 0x02})}));
    EXPECT_EQ(h.thresholds, (std::vector<int>{8, 8}));
}

// An identification arriving in two pieces (as a real line delivers it) is read whole.
TEST(TestModeRecovery, IdentificationInPiecesIsReadWhole) {
    TestModeHarness h;
    h.radio.faults.silentInTestMode = true;  // the test answers in its place
    h.prompter().answers = {Answer::Cancel};
    h.line.onWrite = [&](const Bytes& b) {
        h.sent.push_back(b);
        if (b != B({0x02})) return;
        Bytes id(14, ' ');
        id[0] = 'P';
        h.line.Deliver(Bytes(id.begin(), id.begin() + 8), 1);
        h.line.Deliver(Bytes(id.begin() + 8, id.end()), 3);
    };
    h.Enter();
    ASSERT_GE(h.sent.size(), 3u);
    EXPECT_EQ(h.sent[1], B({0x02}));
    EXPECT_EQ(h.sent[2], kAck);  // the whole identification matched
}

// The radio's late answer arrives while "Check Connection" is open: it is dropped, and Retry
// sends the request again.
TEST(TestModeRecovery, LateReplyWhileTheQuestionIsOpenIsDropped) {
    struct LatePrompter : ScriptedPrompter {
        using Prompter::Ask;
        Answer Ask(const Message& m) override {
            if (auto during = std::exchange(whileOpen, nullptr)) during();
            return ScriptedPrompter::Ask(m);
        }
        std::function<void()> whileOpen;
    } prompter;
    TestModeHarness h;
    h.radio.faults.silentInTestMode = true;
    h.ctx.prompter = &prompter;
    prompter.answers = {Answer::Retry, Answer::Cancel};
    prompter.whileOpen = [&] {
        Bytes id(14, ' ');
        id[0] = 'P';
        h.line.Deliver(id, 1);
        h.clock.Run(h.clock.now + 10);
    };
    h.Enter();
    EXPECT_EQ(h.sent, (std::vector<Bytes>{B({'T', 'U', 'N', 'I', 'N', 'G', ' '}), B({0x02}), B({0x02})}));
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(h.ctx.link.CommMode, kModeIdle);
}

// Bytes the current entry does not wait for are ignored, and the reply timer still asks.
TEST(TestModeRecovery, StrayReplyLeavesTheReplyTimerRunning) {
    TestModeHarness h;
    h.radio.faults.silentInTestMode = true;
    h.prompter().answers = {Answer::Cancel};
    EnterTestMode(h.ctx);
    h.line.Deliver(Bytes(14, 'X'), 5);  // 14 bytes, but no identification
    h.Run();
    EXPECT_EQ(h.Messages(), std::vector<std::string>{Text(h.ctx, msg::RetryQuestion)});
    EXPECT_EQ(h.ctx.link.CommMode, kModeIdle);
}

TEST(TestModeQueue, FullListKeepsWhatFittedAndSaysSoOnce) {
    TestModeHarness h;
    h.radio.faults.silent = true;  // nothing is answered: the entries stay queued
    h.prompter().answers = {Answer::Cancel};
    EnterTestMode(h.ctx);
    const int afterEnter = h.ctx.link.sendList.Count();
    EXPECT_FALSE(QueueTestFunction(h.ctx, kFnEnter, 1));
    EXPECT_EQ(h.ctx.link.sendList.Count(), SendList::kSlots - 1);
    EXPECT_GT(afterEnter, 0);
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Comm List is full!"});
    h.Run();
}

TEST(TestModeQueue, SendDoneOnAContinuationEntryIsAListError) {
    TestModeHarness h;
    h.radio.faults.silent = true;
    h.prompter().answers = {Answer::Cancel};
    EnterTestMode(h.ctx);
    h.ctx.link.sendList.Reset();
    for (const SendEntry& e : StepEntries(kFnLevel, 8, 31, 0, true)) h.ctx.link.sendList.Add(e);
    h.ctx.link.sendList.Take();  // the read index now on the continuation entry
    TestModeSendDone(h.ctx);
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"SendList Error!"});
    EXPECT_TRUE(h.ctx.link.sendList.Empty());
    h.Run();
}

TEST(TestModeStart, PortThatCannotOpenLeavesTestModeIdle) {
    TestModeHarness h;
    h.ctx.settings.ComPort = 7;  // not present
    EnterTestMode(h.ctx);
    EXPECT_EQ(h.ctx.link.CommMode, kModeIdle);
    EXPECT_EQ(h.Messages(), std::vector<std::string>{Text(h.ctx, msg::PortError)});
    EXPECT_TRUE(h.ctx.link.sendList.Empty());
}

TEST(TestModeStart, StartValues) {
    TestModeState t;
    t.channels.push_back({3, "1", "2"});
    t.selectedChannel = 4;
    t.selectedSignalling = 9;
    t.selectedItem = 5;
    t.wide = false;
    t.pttOff = false;
    t.values.fill(7);
    ApplyTestModeStartValues(t);
    EXPECT_TRUE(t.channels.empty());
    EXPECT_EQ(t.selectedChannel, 1);
    EXPECT_EQ(t.selectedSignalling, 1);
    EXPECT_EQ(t.selectedItem, 0);
    EXPECT_TRUE(t.wide);
    EXPECT_TRUE(t.pttOff);
    EXPECT_EQ(t.values, (std::array<uint8_t, 6>{}));
}

}  // namespace
}  // namespace zb
