// Usable roger-beep sequences and keeping every channel's selection on one of them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "app/context.h"
#include "channels/channel_edit.h"
#include "core/recording_channel_views.h"
#include "features/roger_beep_rules.h"

using namespace zb;
using zb::test::RecordingChannelViews;

namespace {

// Makes exactly the listed sequences usable (one pass, tone 5 of 100 ms).
void MakeUsable(CodeplugData& data, std::initializer_list<int> sequences) {
    data.RogerBeepTones = {};
    for (int n : sequences) {
        data.RogerBeepTones[n - 1].RecycleTimes = 1;
        data.RogerBeepTones[n - 1].Tone[4].ToneLength = 10;
    }
}

}  // namespace

TEST(RogerBeepUsable, NeedsAPassAndATone) {
    const struct {
        int recycle;
        int toneIndex;  // which tone gets a length; -1 none
        int length;
        int freq;
        bool usable;
    } cases[] = {
        {1, 0, 10, 100, true},
        {10, 13, 1, 100, true},   // the fourteenth tone counts
        {1, 6, 10, 0, true},      // a silent tone still counts
        {0, 0, 10, 100, false},   // repeat count Off
        {-1, 0, 10, 100, false},
        {1, -1, 0, 100, false},   // every length 0
        {1, 3, -5, 100, false},
    };
    for (const auto& c : cases) {
        CodeplugData data;
        RogerBeepRecord& beep = data.RogerBeepTones[2];
        beep.RecycleTimes = static_cast<int16_t>(c.recycle);
        for (auto& tone : beep.Tone) tone.ToneFreq = static_cast<int16_t>(c.freq);
        if (c.toneIndex >= 0) beep.Tone[c.toneIndex].ToneLength = static_cast<int16_t>(c.length);
        EXPECT_EQ(IsSequenceUsable(data, 3), c.usable)
            << c.recycle << " tone " << c.toneIndex << " length " << c.length;
    }
}

TEST(RogerBeepUsable, SequenceNumbersOutsideOneToEightAreNeverUsable) {
    CodeplugData data;
    MakeUsable(data, {1, 2, 3, 4, 5, 6, 7, 8});
    for (int n : {0, -1, 9, 100}) EXPECT_FALSE(IsSequenceUsable(data, n)) << n;
    EXPECT_EQ(CountUsableSequences(data), 8);
}

TEST(RogerBeepUsable, KeepElseFirstUsableElseOne) {
    const struct {
        std::initializer_list<int> usable;
        int count, first;
        std::vector<std::pair<int, int>> picks;  // sequence -> chosen sequence
    } cases[] = {
        {{3}, 1, 3, {{3, 3}, {5, 3}, {1, 3}, {0, 3}, {9, 3}}},
        {{2, 6}, 2, 2, {{6, 6}, {2, 2}, {1, 2}, {8, 2}}},
        {{8}, 1, 8, {{8, 8}, {7, 8}}},
        {{}, 0, 1, {{4, 1}, {1, 1}, {-3, 1}}},
    };
    for (const auto& c : cases) {
        CodeplugData data;
        MakeUsable(data, c.usable);
        EXPECT_EQ(CountUsableSequences(data), c.count);
        EXPECT_EQ(FirstUsableSequence(data), c.first);
        for (auto [n, chosen] : c.picks) {
            EXPECT_EQ(UsableSequenceOr(data, n), chosen) << "first " << c.first << " n " << n;
        }
    }
}

namespace {

// Group 0 with three channels, group 15 with one, both VFOs; the channel table may be open.
struct SelectionFixture {
    AppContext ctx;
    RecordingChannelViews views;

    SelectionFixture() {
        ctx.channelViews = &views;
        for (int ch : {1, 2, 3}) AddChannel(ctx, ch, 0, "28.500000");
        AddChannel(ctx, 1, 15, "28.500000");
    }
    ChannelRecord& Channel(int position, int g) { return ctx.Doc.Channels[position - 1][g]; }
};

}  // namespace

TEST(RogerBeepSelections, UnusableSelectionsMoveToTheFirstUsable) {
    SelectionFixture f;
    MakeUsable(f.ctx.Doc.Data, {3, 6});
    f.Channel(1, 0).RbTone = 2;   // sequence 3: kept
    f.Channel(2, 0).RbTone = 5;   // sequence 6: kept
    f.Channel(3, 0).RbTone = 0;   // sequence 1: unusable
    f.Channel(1, 15).RbTone = 7;
    f.ctx.Doc.Data.VfoA.RbTone = 100;  // out of range
    f.ctx.Doc.Data.VfoB.RbTone = -5;
    f.Channel(4, 0).RbTone = 7;   // slot out of use: not touched
    UpdateRogerBeepSelections(f.ctx);
    EXPECT_EQ(f.Channel(1, 0).RbTone, 2);
    EXPECT_EQ(f.Channel(2, 0).RbTone, 5);
    EXPECT_EQ(f.Channel(3, 0).RbTone, 2);
    EXPECT_EQ(f.Channel(1, 15).RbTone, 2);
    EXPECT_EQ(f.ctx.Doc.Data.VfoA.RbTone, 2);
    EXPECT_EQ(f.ctx.Doc.Data.VfoB.RbTone, 2);
    EXPECT_EQ(f.Channel(4, 0).RbTone, 7);
}

TEST(RogerBeepSelections, SequenceLosingItsLastToneHandsItsChannelsOn) {
    SelectionFixture f;
    MakeUsable(f.ctx.Doc.Data, {3, 6});
    f.Channel(1, 0).RbTone = 2;
    f.Channel(1, 15).RbTone = 2;
    f.ctx.Doc.Data.RogerBeepTones[2].Tone[4].ToneLength = 0;
    UpdateRogerBeepSelections(f.ctx);
    EXPECT_EQ(f.Channel(1, 0).RbTone, 5);
    EXPECT_EQ(f.Channel(1, 15).RbTone, 5);
}

TEST(RogerBeepSelections, NoUsableSequenceGivesSequenceOne) {
    SelectionFixture f;
    MakeUsable(f.ctx.Doc.Data, {});
    f.Channel(2, 0).RbTone = 4;
    f.ctx.Doc.Data.VfoB.RbTone = 7;
    UpdateRogerBeepSelections(f.ctx);
    EXPECT_EQ(f.Channel(2, 0).RbTone, 0);
    EXPECT_EQ(f.ctx.Doc.Data.VfoB.RbTone, 0);
}

TEST(RogerBeepSelections, DamagedChannelCountsStayInsideTheTable) {
    SelectionFixture f;
    MakeUsable(f.ctx.Doc.Data, {2});
    f.ctx.Doc.Data.Groups[0].ChannelCount = 45;
    f.ctx.Doc.Data.Groups[15].ChannelCount = -2;
    f.Channel(40, 0).RbTone = 6;
    f.Channel(1, 15).RbTone = 6;
    UpdateRogerBeepSelections(f.ctx);
    EXPECT_EQ(f.Channel(40, 0).RbTone, 1);  // the 40 slots count as used
    EXPECT_EQ(f.Channel(1, 15).RbTone, 6);  // no channel in use
}

TEST(RogerBeepSelections, OpenChannelTableRedrawsItsRogerBeepColumn) {
    for (bool open : {false, true}) {
        SelectionFixture f;
        f.views.tableOpen = open;
        UpdateRogerBeepSelections(f.ctx);
        EXPECT_EQ(f.views.showRbCalls, open ? 1 : 0);
        EXPECT_TRUE(f.views.reshownRows.empty());
    }
}
